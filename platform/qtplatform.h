#pragma once

#include "platform.h"

#include <QObject>

// The desktop as it really is: QMessageBox, QInputDialog, QStandardPaths, QFileDialog, QProcess,
// Qt Print Support's dialogs, and QPluginLoader.
class QtPlatform : public Platform
{
public:
    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    void messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> inputBox(QWidget *parent, const QString &prompt, const QString &title,
                                    const QString &defaultText) override;
    QString programFolder() override;
    QString userDataFolder() override;
    QString tempFolder() override;
    QString ShortPath(const QString &LongPath) override;
    bool openInEditor(const QString &path, std::function<void()> failed) override;
    std::optional<SaveChoice> saveFileName(QWidget *parent, const QString &title,
                                           const QString &suggestedName,
                                           const QString &filter) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    bool printPreview(QWidget *parent, QPrinter &printer,
                      std::function<void(QPrinter &)> paint) override;
    std::unique_ptr<PlotCanvas> plotCanvas(QWidget *parent, QString &why) override;

private:
    QObject m_editors; // the processes of the started editors that have not ended yet
};
