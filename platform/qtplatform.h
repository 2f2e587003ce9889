#pragma once

#include "platform.h"

// The desktop as it really is: QMessageBox, QInputDialog, QStandardPaths, QFileDialog and QProcess.
class QtPlatform : public Platform
{
public:
    void messageBox(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> inputBox(QWidget *parent, const QString &prompt, const QString &title,
                                    const QString &defaultText) override;
    QString programFolder() override;
    QString userDataFolder() override;
    QString tempFolder() override;
    QString ShortPath(const QString &LongPath) override;
    bool openInEditor(const QString &path) override;
    std::optional<QString> saveFileName(QWidget *parent, const QString &title,
                                        const QString &suggestedName,
                                        const QString &filter) override;
};
