// What a keyboard user relies on: shortcuts, arrow keys across the chart, Tab order, copying,
// and what a screen reader is told.

#include "colouring/chartcolouring.h"
#include "window/clicklabel.h"
#include "window/clipboardtext.h"
#include "windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

class TestKeyboard : public WindowTest
{
    Q_OBJECT

public:
    TestKeyboard()
        : WindowTest(Start::Shown)
    { }

private slots:
    void shortcuts();
    void arrowKeys_data();
    void arrowKeys();
    void enterActsAsClick();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void viewSwitchLeavesFocusOnShow();
    void scrollBarArrows_data();
    void scrollBarArrows();
    void copyInBothViews();
    void clipboardTexts_data();
    void clipboardTexts();
    void rankingOfferedInColumnView();
    void accessibleTexts();

private:
    // The window's controls on show that the Tab key stops at.
    QList<QWidget *> tabStops() const;
};

void TestKeyboard::shortcuts()
{
    m_platform->answers = {QStringLiteral("fe")};
    QTest::keySequence(m_window, QKeySequence::Find);
    QCOMPARE(m_platform->prompts.size(), 1);
    QCOMPARE(m_window->lblElem[26]->palette().color(QPalette::Window), QColor(Qt::red));
    QTest::keySequence(m_window, QKeySequence::Refresh);
    QCOMPARE(m_window->lblElem[26]->palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xC0));

    click(m_window->lblElem[26]);
    QTest::keyClick(m_window, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(m_platform->editorLaunches.size(), 1);

    QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(m_window->Command1->text(), QStringLiteral("Table format"));
    QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(m_window->Command1->text(), QStringLiteral("Column format"));
    // No mnemonics: the captions the handlers compare stay exactly as they are.
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        QVERIFY(!button->text().contains(QLatin1Char('&')));
    }
    // The desktop's key for ending a program ends this one too, wherever the focus is.
    m_window->lblElem[26]->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_window->isVisible());
}

void TestKeyboard::arrowKeys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("right along a row") << 26 << int(Qt::Key_Right) << 27;
    QTest::newRow("down a column") << 26 << int(Qt::Key_Down) << 44;
    QTest::newRow("up a column") << 44 << int(Qt::Key_Up) << 26;
    QTest::newRow("up into the gap stays") << 26 << int(Qt::Key_Up) << 26;
    QTest::newRow("hydrogen to lithium") << 1 << int(Qt::Key_Down) << 3;
    QTest::newRow("gap: boron up stays") << 5 << int(Qt::Key_Up) << 5;
    QTest::newRow("over the gap in row 1") << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("actinium into the lanthanides") << 89 << int(Qt::Key_Down) << 58;
    QTest::newRow("lanthanides to actinides") << 58 << int(Qt::Key_Down) << 90;
    QTest::newRow("out of the detached rows") << 58 << int(Qt::Key_Up) << 89;
    QTest::newRow("praseodymium up to column 4") << 59 << int(Qt::Key_Up) << 104;
    QTest::newRow("end of a row stays") << 71 << int(Qt::Key_Right) << 71;
    QTest::newRow("left edge stays") << 55 << int(Qt::Key_Left) << 55;
}

void TestKeyboard::arrowKeys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    m_window->lblElem[from]->setFocus();
    QTest::keyClick(m_window->lblElem[from], static_cast<Qt::Key>(key));
    QCOMPARE(QApplication::focusWidget(), m_window->lblElem[to]);
    QCOMPARE(m_window->lblElem[to]->focusPolicy(), Qt::StrongFocus);
}

void TestKeyboard::enterActsAsClick()
{
    m_window->lblElem[79]->setFocus();
    QTest::keyClick(m_window->lblElem[79], Qt::Key_Return);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Gold (Au)"));
    QTest::keyClick(m_window->lblElem[79], Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Platinum (Pt)"));
}

void TestKeyboard::tabReachesEveryControl_data()
{
    QTest::addColumn<QString>("colouredBy"); // an entry of "Colour by", empty for the classes
    QTest::addColumn<int>("view"); // the window's view
    const int chart = int(View::Chart);
    QTest::newRow("chart") << QString() << chart;
    QTest::newRow("chart coloured by density") << "Density [kg/m^3]" << chart;
    QTest::newRow("chart with the states' temperature") << "State at temperature" << chart;
    QTest::newRow("column view") << QString() << int(View::Columns);
    QTest::newRow("plot") << QString() << int(View::Plot);
}

void TestKeyboard::tabReachesEveryControl()
{
    QFETCH(QString, colouredBy);
    QFETCH(int, view);
    if (!colouredBy.isEmpty()) {
        QComboBox *choice = m_window->colouring().cboColourBy;
        choice->setCurrentIndex(choice->findText(colouredBy));
    }
    const bool columns = view == int(View::Columns);
    if (columns) {
        enterColumnView();
    } else if (view == int(View::Plot)) {
        m_window->switchPlot();
    }
    // Every control on show that takes the focus by Tab, found among the window's real
    // children, is reached once in one round of Tab presses.
    const QList<QWidget *> stops = tabStops();
    QVERIFY(stops.size() > 5);
    (view == int(View::Chart) ? m_window->lblElem[1] : stops.first())->setFocus();
    QList<QWidget *> reached;
    while (!reached.contains(QApplication::focusWidget()) && reached.size() <= stops.size()) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QSet<QWidget *>(reached.begin(), reached.end()),
             QSet<QWidget *>(stops.begin(), stops.end()));
    QCOMPARE(reached.size(), stops.size());
    if (view == int(View::Chart)) {
        // The chart first, then its options, the sheet and the buttons.
        QVERIFY(reached.indexOf(m_window->lblElem[1]) < reached.indexOf(m_window->Check1));
        QVERIFY(reached.indexOf(m_window->Check1) < reached.indexOf(m_window->Command5));
    }
}

void TestKeyboard::viewSwitchLeavesFocusOnShow()
{
    // Whatever control has the focus, the switch by its key (which takes no focus itself)
    // leaves the focus on a control that is on show, in both directions.
    for (const bool columns : {false, true}) {
        if (columns) {
            enterColumnView();
        }
        for (QWidget *stop : tabStops()) {
            stop->setFocus();
            QCOMPARE(QApplication::focusWidget(), stop);
            QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY2(focus && focus->isVisible(), qPrintable(stop->objectName()));
            QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
            focus = QApplication::focusWidget();
            QVERIFY2(focus && focus->isVisible(), qPrintable(stop->objectName()));
        }
    }
}

QList<QWidget *> TestKeyboard::tabStops() const
{
    QList<QWidget *> stops;
    for (QWidget *control : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const auto *option = qobject_cast<QRadioButton *>(control);
        // Of a group of option buttons, Tab stops at the one chosen.
        if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)
            && !(option && !option->isChecked())) {
            stops << control;
        }
    }
    return stops;
}

void TestKeyboard::scrollBarArrows_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("forward"); // the key that moves towards the end
    QTest::addColumn<int>("back");
    QTest::newRow("properties, across") << "HScroll1" << int(Qt::Key_Right) << int(Qt::Key_Left);
    QTest::newRow("rows, down") << "VScroll1" << int(Qt::Key_Down) << int(Qt::Key_Up);
}

void TestKeyboard::scrollBarArrows()
{
    QFETCH(QString, bar);
    QFETCH(int, forward);
    QFETCH(int, back);
    enterColumnView();
    auto *scroll = m_window->findChild<QScrollBar *>(bar);
    scroll->setFocus();
    QTest::keyClick(scroll, Qt::Key(forward));
    QTest::keyClick(scroll, Qt::Key(forward));
    QCOMPARE(scroll->value(), 2);
    QTest::keyClick(scroll, Qt::Key(back));
    QCOMPARE(scroll->value(), 1);
    QTest::keyClick(scroll, Qt::Key_PageDown);
    QVERIFY(scroll->value() > 1);
}

void TestKeyboard::copyInBothViews()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    click(m_window->lblElem[26]);
    QTest::keySequence(m_window, QKeySequence::Copy);
    const QStringList lines = clipboard->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23); // 22 lines and the final line end
    QCOMPARE(lines[0], QStringLiteral("Name\t\t\tIron"));

    click(m_window->Command1);
    m_window->VScroll1->setValue(1); // row 8: fluorine
    m_window->List1[3]->setFocus();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("Fluorine\tF\t9\t18.998\t0.570\t-188\n"));
}

void TestKeyboard::clipboardTexts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("row"); // the lines as the cells of one row
    QTest::newRow("nothing") << QStringList{} << ""
                             << "\n";
    QTest::newRow("one") << QStringList{"Name\t\t\tIron"} << "Name\t\t\tIron\n"
                         << "Name\t\t\tIron\n";
    QTest::newRow("two") << QStringList{"Iron", "Fe"} << "Iron\nFe\n"
                         << "Iron\tFe\n";
}

void TestKeyboard::clipboardTexts()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QFETCH(QString, row);
    QCOMPARE(clipboardText(lines), text);
    QCOMPARE(clipboardRow(lines), row);
}

void TestKeyboard::rankingOfferedInColumnView()
{
    QVERIFY(!m_window->Combo1->isVisible());
    click(m_window->Command1);
    QVERIFY(m_window->Combo1->isVisible());
    QVERIFY(m_window->lblRankBy->isVisible());
    for (QWidget *other : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != m_window->Combo1 && other->isVisible()) {
            QVERIFY2(!other->geometry().intersects(m_window->Combo1->geometry()),
                     qPrintable(other->objectName()));
        }
    }
    m_window->Combo1->setFocus();
    QTest::keyClick(m_window->Combo1, Qt::Key_Down); // the first property: Name
    QCOMPARE(m_platform->messages.size(), 1); // "Not yet supported", as by mouse
    click(m_window->Command1);
    QVERIFY(!m_window->Combo1->isVisible());
}

void TestKeyboard::accessibleTexts()
{
    QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(m_window->lblElem[26]);
    QVERIFY(tile);
    QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("26. Iron (Fe)"));
    QCOMPARE(tile->text(QAccessible::Description), QStringLiteral("Metal"));
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window->lblElem[33])
                     ->text(QAccessible::Description),
             QStringLiteral("Metalloid"));
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window->lblElem[8])
                     ->text(QAccessible::Description),
             QStringLiteral("Non-metal"));

    click(m_window->lblElem[26]);
    QAccessibleInterface *sheet = QAccessible::queryAccessibleInterface(m_window->PropsList);
    QVERIFY(sheet && sheet->childCount() >= 22);
    QStringList spoken;
    for (int i = 0; i < sheet->childCount(); ++i) {
        spoken << sheet->child(i)->text(QAccessible::Name);
    }
    QVERIFY2(spoken.contains(QStringLiteral("Atomic weight: 55.847 amu")),
             qPrintable(spoken.join('|')));

    click(m_window->Command1);
    QAccessibleInterface *names = QAccessible::queryAccessibleInterface(m_window->List1[0]);
    QCOMPARE(names->text(QAccessible::Name), QStringLiteral("Name"));
    QStringList rows;
    for (int i = 0; i < names->childCount(); ++i) {
        rows << names->child(i)->text(QAccessible::Name);
    }
    QVERIFY(rows.contains(QStringLiteral("Iron")));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
