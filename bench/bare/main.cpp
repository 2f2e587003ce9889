// The least a Qt Widgets program does to show a window like Morvik's: one top-level window of
// the same size and title with the same number of child widgets, and nothing else. With --text
// the children are labels with two letters each, so the program also pays for its fonts.
//
//   morvik_bare CHILDREN WIDTH HEIGHT [--text]

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool text = arguments.size() == 5 && arguments[4] == QStringLiteral("--text");
    if (arguments.size() != (text ? 5 : 4)) {
        qCritical("usage: morvik_bare CHILDREN WIDTH HEIGHT [--text]");
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
        QWidget *child = text ? new QLabel(QStringLiteral("Fe"), &window) : new QWidget(&window);
        child->setGeometry(i % columns * width / columns, i / columns * height / rows,
                           width / columns, height / rows);
    }
    window.show();
    return app.exec();
}
