#include "qtplatform.h"

#include "platform/filters.h"
#include "plot/plotcanvas.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// How long a started editor is watched for a failure: xdg-open hands the file over and ends at
// once, so a failure shows within moments, and a longer run is an editor at work.
constexpr qint64 EditorWatchMs = 5000;

// Choosing another filter also changes the name typed: "chart.png" under "SVG image (*.svg)"
// becomes "chart.svg", so the filter chosen is the format written. A name without an ending
// takes the filter's.
void followFilter(QFileDialog &dialog, const QString &filter)
{
    const QString ending = Filters::endingOf(filter);
    dialog.setDefaultSuffix(ending);
    const QStringList typed = dialog.selectedFiles();
    if (typed.isEmpty() || ending.isEmpty()) {
        return;
    }
    const QFileInfo name(typed.constFirst());
    for (const QString &other : dialog.nameFilters()) {
        const QString otherEnding = Filters::endingOf(other);
        if (!otherEnding.isEmpty() && otherEnding != ending
            && name.suffix().compare(otherEnding, Qt::CaseInsensitive) == 0) {
            dialog.selectFile(name.completeBaseName() + QLatin1Char('.') + ending);
            return;
        }
    }
}

} // namespace

QtPlatform::~QtPlatform()
{
    // What still runs is the shell between this program and an opener (see openInEditor):
    // ending it here, rather than in QProcess's destructor with a warning, leaves the editor.
    for (QProcess *shell : m_editors.findChildren<QProcess *>()) {
        QObject::disconnect(shell, &QProcess::finished, nullptr, nullptr);
        shell->kill();
        shell->waitForFinished();
    }
}

void QtPlatform::messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    box.exec();
}

std::optional<QString> QtPlatform::inputBox(QWidget *parent, const QString &prompt,
                                            const QString &title, const QString &defaultText)
{
    bool accepted = false;
    const QString answer =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return answer;
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

std::unique_ptr<PlotCanvas> QtPlatform::plotCanvas(QWidget *parent, QString &why)
{
    // Beside the program where it was built; where the package puts it, installed. Where
    // neither is, Qt's loader says it is missing. The plugin stays loaded once it is, as its
    // widgets need.
    const QDir program(programFolder());
    const QStringList places{program.filePath(QStringLiteral(MORVIK_PLOT_PLUGIN)),
                             QDir::cleanPath(program.filePath(
                                     QStringLiteral(MORVIK_PLUGIN_DIR "/" MORVIK_PLOT_PLUGIN)))};
    const auto found = std::find_if(places.begin(), places.end(),
                                    [](const QString &place) { return QFileInfo::exists(place); });
    QPluginLoader loader(found != places.end() ? *found : places.last());
    if (auto *factory = qobject_cast<PlotCanvasFactory *>(loader.instance())) {
        return factory->create(parent);
    }
    why = loader.errorString();
    return nullptr;
}

QString QtPlatform::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString QtPlatform::tempFolder()
{
    // QDir::tempPath() honours TMPDIR, as the desktop's own tools do.
    const QString path = QDir::tempPath();
    if (path.isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(path.endsWith(QLatin1Char('/')) ? path
                                                                    : path + QLatin1Char('/'));
}

QString QtPlatform::ShortPath(const QString &LongPath)
{
    // Linux has no 8.3 names; arguments go to the editor as one argv entry, so blanks are safe.
    return LongPath;
}

bool QtPlatform::openInEditor(const QString &path, std::function<void()> failed)
{
#ifdef Q_OS_WIN
    Q_UNUSED(failed);
    return QProcess::startDetached(QStringLiteral("notepad"), {path});
#else
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        return false;
    }
    // A QProcess ends what it started when it is destroyed, and this program may close while
    // the editor runs. So what it starts is a shell that starts the opener in the background
    // and only waits for it, telling its exit status: ending the shell leaves the opener alone.
    auto *shell = new QProcess(&m_editors);
    shell->setProgram(QStringLiteral("/bin/sh"));
    shell->setArguments({QStringLiteral("-c"), QStringLiteral("\"$1\" \"$2\" & wait $!"),
                         QStringLiteral("sh"), opener, path});
    shell->setProcessChannelMode(QProcess::ForwardedChannels);
    shell->setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer running;
    running.start();
    QObject::connect(shell, &QProcess::finished, shell,
                     [shell, running, failed](int code, QProcess::ExitStatus status) {
                         const bool failure = status != QProcess::NormalExit || code != 0;
                         if (failure && running.elapsed() < EditorWatchMs && failed) {
                             failed();
                         }
                         shell->deleteLater();
                     });
    shell->start();
    if (!shell->waitForStarted()) {
        delete shell;
        return false;
    }
    return true;
#endif
}

std::optional<Platform::SaveChoice> QtPlatform::saveFileName(QWidget *parent, const QString &title,
                                                             const QString &suggestedName,
                                                             const QString &filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, title, QDir(folder).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(Filters::endingOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &chosen) { followFilter(dialog, chosen); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return SaveChoice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

bool QtPlatform::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // Printers only, and the printout (one or two pages) always printed whole.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::printPreview(QWidget *parent, QPrinter &printer,
                              std::function<void(QPrinter &)> paint)
{
    // Not QPrintPreviewDialog: it opens as a strip of the parent's size at a few per cent, and
    // its print button opens a print dialog that may print to a file it opens unchecked.
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Platform", "Print preview"));
    auto *pages = new QPrintPreviewWidget(&printer, &dialog);
    pages->setZoomMode(QPrintPreviewWidget::FitInView);
    QObject::connect(pages, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&paint](QPrinter *on) { paint(*on); });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    //: The button of the print preview that goes on to the print dialog.
    QPushButton *print = buttons->addButton(QCoreApplication::translate("Platform", "Print…"),
                                            QDialogButtonBox::AcceptRole);
    print->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    // Most of the screen the window is on, whatever its size and scale.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        dialog.resize(available.size() * 0.85);
    }
    return dialog.exec() == QDialog::Accepted;
}
