// The least a Qt Widgets program does to show a window like Morvik's: one top-level window of
// the same size and title with the same number of child widgets, and nothing else.
//
//   morvik_bare CHILDREN WIDTH HEIGHT

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4) {
        qCritical("usage: morvik_bare CHILDREN WIDTH HEIGHT");
        return 2;
    }
    const int children = arguments[1].toInt();
    const int width = arguments[2].toInt();
    const int height = arguments[3].toInt();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Morvik"));
    window.setFixedSize(width, height);
    constexpr int columns = 20;
    const int rows = (children + columns - 1) / columns;
    for (int i = 0; i < children; ++i) {
        auto *child = new QWidget(&window);
        child->setGeometry(i % columns * width / columns, i / columns * height / rows,
                           width / columns, height / rows);
    }
    window.show();
    return app.exec();
}
