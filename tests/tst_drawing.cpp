// The widgets that draw their own text must look exactly as the stock widgets they stand in for,
// and stay reachable by a screen reader.

#include "window/clicklabel.h"
#include "window/textrowdelegate.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace {

QImage shot(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QFont columnFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    return font;
}

// A column as the window shows it, drawn by the style or by the caching delegate.
QListWidget *addColumn(QWidget *window, bool cached)
{
    window->resize(200, 300);
    auto *list = new QListWidget(window);
    list->setGeometry(0, 0, 101, 257);
    list->setFont(columnFont());
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    if (cached) {
        list->setItemDelegate(new TextRowDelegate(list));
    }
    return list;
}

QImage column(bool cached, const QStringList &rows, int current, bool focused)
{
    QWidget window;
    QListWidget *list = addColumn(&window, cached);
    list->addItems(rows);
    list->setCurrentRow(current);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {};
    }
    if (focused) {
        window.activateWindow();
        list->setFocus();
    }
    // Twice, so the second paint comes from the delegate's cache.
    shot(list);
    return shot(list);
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void columnRowsAsTheStyleDrawsThem_data();
    void columnRowsAsTheStyleDrawsThem();
    void cacheFollowsTheText();
    void cacheFollowsTheWidth();
    void tileCaptionAsALabelDrawsIt_data();
    void tileCaptionAsALabelDrawsIt();
    void tileSpokenAndPressed();
};

void TestDrawing::columnRowsAsTheStyleDrawsThem_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("focused");

    const QStringList values{"Hydrogen", "1.008", "Hexagonal", "-259.14", "", "--"};
    QTest::newRow("plain") << values << -1 << false;
    QTest::newRow("selected row") << values << 2 << false;
    QTest::newRow("selected row with focus") << values << 2 << true;
    QTest::newRow("too long: elided")
            << QStringList{"Humphry Davy and Jons Jacob Berzelius", "Body centered cubic"} << 1
            << true;
}

void TestDrawing::columnRowsAsTheStyleDrawsThem()
{
    QFETCH(QStringList, rows);
    QFETCH(int, current);
    QFETCH(bool, focused);

    const QImage byStyle = column(false, rows, current, focused);
    const QImage cached = column(true, rows, current, focused);
    QVERIFY(!byStyle.isNull());
    QCOMPARE(cached, byStyle);
}

void TestDrawing::cacheFollowsTheText()
{
    // A row whose text changes must show the new text, not the cached old one.
    const QImage expected = column(false, {"Gold"}, -1, false);
    QWidget window;
    QListWidget *list = addColumn(&window, true);
    list->addItem(QStringLiteral("Iron"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shot(list);
    list->item(0)->setText(QStringLiteral("Gold"));
    QCOMPARE(shot(list), expected);
}

void TestDrawing::cacheFollowsTheWidth()
{
    // A row laid out for a narrow list (elided) is laid out again when the list grows.
    const QString text = QStringLiteral("Jons Jacob Berzelius");
    const auto shown = [&text](QWidget &window, bool cached, int width) {
        QListWidget *list = addColumn(&window, cached);
        list->setFocusPolicy(Qt::NoFocus);
        list->resize(width, list->height());
        list->addItem(text);
        window.show();
        return list;
    };
    QWidget expectedWindow;
    QListWidget *expected = shown(expectedWindow, false, 190);
    QWidget window;
    QListWidget *list = shown(window, true, 101);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(QTest::qWaitForWindowExposed(&expectedWindow));
    const QImage narrow = shot(list);
    list->resize(190, list->height());
    QCoreApplication::processEvents(); // the view lays its rows out again
    QVERIFY(shot(list) != narrow);
    QCOMPARE(shot(list), shot(expected));
}

void TestDrawing::tileCaptionAsALabelDrawsIt_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Qt::Alignment>("alignment");

    QTest::newRow("tile symbol") << QStringLiteral("Fe") << Qt::Alignment(Qt::AlignCenter);
    QTest::newRow("tile number") << QStringLiteral("109") << Qt::Alignment(Qt::AlignCenter);
    QTest::newRow("link") << QStringLiteral("Export") << (Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("right") << QStringLiteral("Une") << (Qt::AlignRight | Qt::AlignBottom);
}

void TestDrawing::tileCaptionAsALabelDrawsIt()
{
    QFETCH(QString, caption);
    QFETCH(Qt::Alignment, alignment);

    QWidget window;
    window.resize(100, 60);
    QLabel label(caption, &window);
    ClickLabel tile(caption, &window);
    for (QWidget *widget : {static_cast<QWidget *>(&label), static_cast<QWidget *>(&tile)}) {
        widget->setGeometry(0, 0, 30, 20);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0xC0));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
    label.setAlignment(alignment);
    tile.setAlignment(alignment);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(shot(&tile), shot(&label));
}

void TestDrawing::tileSpokenAndPressed()
{
    QWidget window;
    auto *tile = new ClickLabel(QStringLiteral("Export"), &window);
    QSignalSpy clicks(tile, &ClickLabel::clicked);
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(tile);
    QVERIFY(spoken);
    QCOMPARE(spoken->role(), QAccessible::Button);
    // The caption, until the window gives a fuller name.
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Export"));
    tile->setText(QStringLiteral("Fe"));
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Fe"));
    tile->setAccessibleName(QStringLiteral("26. Iron (Fe)"));
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("26. Iron (Fe)"));

    QAccessibleActionInterface *actions = spoken->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
