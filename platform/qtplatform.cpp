#include "qtplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

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

bool QtPlatform::openInEditor(const QString &path)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad"), {path});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
#endif
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const QString &title,
                                                const QString &suggestedName, const QString &filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(parent, title,
                                                      QDir(folder).filePath(suggestedName), filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}
