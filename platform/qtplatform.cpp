#include "qtplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// How long a started editor is watched for a failure: xdg-open hands the file over and ends at
// once, so a failure shows within moments, and a longer run is an editor at work.
constexpr qint64 EditorWatchMs = 5000;

// The ending a filter such as "PNG image (*.png)" stands for, "png".
QString endingOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

// Choosing another filter also changes the name typed: "chart.png" under "SVG image (*.svg)"
// becomes "chart.svg", so the filter chosen is the format written. A name without an ending
// takes the filter's.
void followFilter(QFileDialog &dialog, const QString &filter)
{
    const QString ending = endingOf(filter);
    dialog.setDefaultSuffix(ending);
    const QStringList typed = dialog.selectedFiles();
    if (typed.isEmpty() || ending.isEmpty()) {
        return;
    }
    const QFileInfo name(typed.constFirst());
    for (const QString &other : dialog.nameFilters()) {
        const QString otherEnding = endingOf(other);
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

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const QString &title,
                                                const QString &suggestedName, const QString &filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, title, QDir(folder).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(endingOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &chosen) { followFilter(dialog, chosen); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // The printout is one or two pages, always printed whole.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::printPreview(QWidget *parent, QPrinter &printer,
                              std::function<void(QPrinter &)> paint)
{
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter *pages) { paint(*pages); });
    preview.exec();
}
