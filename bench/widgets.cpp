// Prints what the bare program must match: the number of child widgets of a constructed Morvik,
// and the size of its window.

#include "platform/qtplatform.h"
#include "window/morvik.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtPlatform platform;
    const Morvik window(platform);
    std::printf("%lld %d %d\n", static_cast<long long>(window.findChildren<QWidget *>().size()),
                window.width(), window.height());
    return 0;
}
