#include "platform/qtplatform.h"
#include "window/morvik.h"
#include "window/translation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morvik"));
    QApplication::setApplicationDisplayName(Morvik::Title);
    QApplication::setDesktopFileName(QStringLiteral("io.github.morvik.morvik"));

    const Translation translation;
    QtPlatform platform;
    Morvik window(platform);
    window.show();
    return app.exec();
}
