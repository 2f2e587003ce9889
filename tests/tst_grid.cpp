// The main window as start-up leaves it: the controls, the column-view layout, and the grid of
// tiles with its group numbers, captions, tooltips and class colours.

#include "data/classes.h"
#include "window/clicklabel.h"
#include "window/gridlayout.h"
#include "window/sheetline.h"
#include "window/zoomsteps.h"
#include "windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

class TestGrid : public WindowTest
{
    Q_OBJECT

private slots:
    void windowBasics();
    void designRectangles_data();
    void designRectangles();
    void iconOnceShown();
    void columnViewLayout();
    void propertyListAndHeaders();
    void tilePlacement_data();
    void tilePlacement();
    void everyElementHasOneTile();
    void tilesShareTheTemplate();
    void groupNumbers();
    void rowCaptions();
    void classColours();
    void captionsAndTooltips_data();
    void captionsAndTooltips();
    void startUpVisibility();
    void clickReportsAtomicNumber();
    void everythingScales_data();
    void everythingScales();
    void zoomSteps_data();
    void zoomSteps();
    void zoomKeys();
    void zoomWhileMaximised();
};

void TestGrid::windowBasics()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Morvik"));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    // 22 tiles wide: 9900 twips; tall enough for the design's client area.
    QCOMPARE(m_window->width(), 9900 / 15);
    QVERIFY(m_window->height() >= 5940 / 15);
    // Everything placed lies inside the client area.
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() == QLatin1String("List2")
            || child->objectName() == QLatin1String("List3")) {
            continue; // the work lists sit below the client area on purpose
        }
        QVERIFY2(m_window->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void TestGrid::designRectangles_data()
{
    // Controls whose design rectangle falls on whole pixels, in English at the design size.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Export") << "Label7" << QRect(278, 232, 30, 13);
    QTest::newRow("sheet heading") << "Label5" << QRect(320, 232, 306, 13);
    QTest::newRow("Show elements by") << "Label3" << QRect(8, 254, 86, 13);
    QTest::newRow("Display properties") << "Check1" << QRect(110, 290, 13, 15);
    QTest::newRow("Rank by") << "Combo1" << QRect(296, 351, 180, 23);
    QTest::newRow("Symbol") << "Label6(0)" << QRect(30, 270, 34, 13);
    QTest::newRow("column heading") << "Label4" << QRect(88, 6, 372, 13);
}

void TestGrid::designRectangles()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    const auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), pixels);
}

void TestGrid::iconOnceShown()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    // Scalable: sharp at any size a task bar or a dock asks for.
    QCOMPARE(m_window->windowIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));
}

void TestGrid::columnViewLayout()
{
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QCOMPARE(twipsOf(m_window->List1[i]).left(), 720.0 + 1400 * i);
        QCOMPARE(twipsOf(m_window->List1[i]).width(), 1700.0);
        QCOMPARE(twipsOf(m_window->command4[i]).left(), 720.0 + 1400 * i);
        QCOMPARE(twipsOf(m_window->command4[i]).width(), 1400.0);
        QCOMPARE(m_window->List1[i]->x(), twips(720 + 1400 * i));
    }
    QCOMPARE(twipsOf(m_window->HScroll1), QRectF(720, 4650, 8700, 285));
    QCOMPARE(twipsOf(m_window->VScroll1).left(), 9120.0);
    QCOMPARE(m_window->HScroll1->geometry(), QRect(48, 310, 580, 19));
    QCOMPARE(m_window->HScroll1->maximum(), 16);
    QCOMPARE(m_window->HScroll1->pageStep(), 5);
    QCOMPARE(m_window->VScroll1->maximum(), 14);
}

void TestGrid::propertyListAndHeaders()
{
    QCOMPARE(m_window->Combo1->count(), 22);
    QCOMPARE(m_window->Combo1->currentIndex(), -1);
    QCOMPARE(m_window->Combo1->itemText(3), QStringLiteral("Atomic wt. [amu]"));
    QCOMPARE(m_window->Combo1->itemText(21), QStringLiteral("Applications"));
    const QStringList headers{"Name",
                              "Symbol",
                              "Atomic no.",
                              "Atomic wt. [amu]",
                              "Atomic radius [A]",
                              "Boiling point [C]"};
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QCOMPARE(m_window->command4[i]->text(), headers[i]);
    }
}

void TestGrid::tilePlacement_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("hydrogen, column 1 row 1") << 1 << 495.0 << 330.0;
    QTest::newRow("helium, column 18 row 1") << 2 << 18 * 495.0 << 330.0;
    QTest::newRow("lithium") << 3 << 495.0 << 660.0;
    QTest::newRow("boron, column 13") << 5 << 13 * 495.0 << 660.0;
    QTest::newRow("neon, column 18") << 10 << 18 * 495.0 << 660.0;
    QTest::newRow("aluminum, column 13") << 13 << 13 * 495.0 << 990.0;
    QTest::newRow("lanthanum, column 3") << 57 << 3 * 495.0 << 1980.0;
    QTest::newRow("cerium, detached row") << 58 << 1530.0 << 2760.0;
    QTest::newRow("lutetium, end of row") << 71 << 1530.0 + 13 * 495 << 2760.0;
    QTest::newRow("hafnium, column 4") << 72 << 4 * 495.0 << 1980.0;
    QTest::newRow("radon") << 86 << 18 * 495.0 << 1980.0;
    QTest::newRow("actinium, column 3") << 89 << 3 * 495.0 << 2310.0;
    QTest::newRow("thorium, detached row") << 90 << 1530.0 << 3110.0;
    QTest::newRow("lawrencium") << 103 << 1530.0 + 13 * 495 << 3110.0;
    QTest::newRow("unnilquadium, column 4") << 104 << 4 * 495.0 << 2310.0;
    QTest::newRow("unnilennium, column 9") << 109 << 9 * 495.0 << 2310.0;
}

void TestGrid::tilePlacement()
{
    QFETCH(int, element);
    QFETCH(double, left);
    QFETCH(double, top);
    const QRectF at = twipsOf(m_window->lblElem[element]);
    QCOMPARE(at.left(), left);
    QCOMPARE(at.top(), top);
    QCOMPARE(m_window->lblElem[element]->pos(), QPoint(twips(left), twips(top)));
}

void TestGrid::everyElementHasOneTile()
{
    // The runs of the layout table cover 1..109, each element once, and nothing else.
    ElementSet covered;
    int count = 0;
    for (const GridLayout::TileRun &run : GridLayout::tileRuns) {
        covered = covered + range(run.first, run.last);
        count += run.last - run.first + 1;
    }
    QCOMPARE(covered, range(1, 109));
    QCOMPARE(count, 109);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, GridLayout::tilePosition(110, 450, 300));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, GridLayout::tilePosition(0, 450, 300));
}

void TestGrid::tilesShareTheTemplate()
{
    // Every tile has its own place: no two overlap, and each has the template's size and cursor.
    QList<QRect> seen;
    for (int i = 1; i < Morvik::TileCount; ++i) {
        ClickLabel *tile = m_window->lblElem[i];
        QCOMPARE(tile->size(), QSize(30, 20));
        QCOMPARE(tile->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(tile->objectName(), QStringLiteral("lblElem(%1)").arg(i));
        for (const QRect &other : seen) {
            QVERIFY2(!other.intersects(tile->geometry()), qPrintable(tile->objectName()));
        }
        seen.append(tile->geometry());
    }
    QCOMPARE(twipsOf(m_window->lblElem[0]), QRectF(270, 990, 450, 300));
}

void TestGrid::groupNumbers()
{
    for (int g = 1; g < Morvik::GroupCount; ++g) {
        QLabel *number = m_window->Label1[g];
        QCOMPARE(number->text(), QString::number(g));
        QCOMPARE(twipsOf(number), QRectF(495.0 * g, 50, 450, 255));
        QCOMPARE(number->alignment(), Qt::AlignCenter);
        QVERIFY(number->isVisibleTo(m_window));
    }
}

void TestGrid::rowCaptions()
{
    // Right-aligned 50 twips before the detached rows, 100 twips below their tops.
    QCOMPARE(twipsOf(m_window->Label2[0]), QRectF(1530 - 1050 - 50, 2860, 1050, 195));
    QCOMPARE(twipsOf(m_window->Label2[1]), QRectF(1530 - 810 - 50, 3210, 810, 195));
    QCOMPARE(m_window->Label2[0]->text(), QStringLiteral("Lanthanides"));
    QCOMPARE(m_window->Label2[1]->text(), QStringLiteral("Actinides"));
}

void TestGrid::classColours()
{
    // The design's colours, written out once here.
    QCOMPARE(Palette::Metal, QColor(0xFF, 0xE0, 0xC0));
    QCOMPARE(Palette::Metalloid, QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(Palette::NonMetal, QColor(0xFF, 0xFF, 0xC0));
    const std::array<QColor, 3> swatches{Palette::Metal, Palette::Metalloid, Palette::NonMetal};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_window->Picture1[i]->palette().color(QPalette::Window), swatches[i]);
    }
    const ElementSet metalloids{5, 14, 32, 33, 51, 52, 85};
    const ElementSet nonMetals{1, 2, 6, 7, 8, 9, 10, 15, 16, 17, 18, 34, 35, 36, 53, 54, 86};
    QCOMPARE(tilesColoured(Palette::Metalloid), metalloids);
    QCOMPARE(tilesColoured(Palette::NonMetal), nonMetals);
    QCOMPARE(tilesColoured(Palette::Metal).size(), std::size_t(109 - 24));
    for (int i = 1; i < Morvik::TileCount; ++i) {
        const auto expected = metalloids.count(i)  ? Module1::ElementClass::Metalloid
                              : nonMetals.count(i) ? Module1::ElementClass::NonMetal
                                                   : Module1::ElementClass::Metal;
        QCOMPARE(Module1::elementClass(i), expected);
    }
}

void TestGrid::captionsAndTooltips_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("symbol, hydrogen") << 0 << 1 << "H"
                                      << " 1. Hydrogen (H)";
    QTest::newRow("symbol, iron") << 0 << 26 << "Fe"
                                  << " 26. Iron (Fe)";
    QTest::newRow("symbol, 109") << 0 << 109 << "Une"
                                 << " 109. Unnilennium (Une)";
    QTest::newRow("number, hydrogen") << 1 << 1 << "1"
                                      << " 1. Hydrogen (H)";
    QTest::newRow("number, wolfram") << 1 << 74 << "74"
                                     << " 74. Wolfram (W)";
    QTest::newRow("number, 109") << 1 << 109 << "109"
                                 << " 109. Unnilennium (Une)";
}

void TestGrid::captionsAndTooltips()
{
    QFETCH(int, option);
    QFETCH(int, element);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    click(m_window->Label6[option]); // the option's own text
    QVERIFY(m_window->Option1[option]->isChecked());
    QCOMPARE(m_window->lblElem[element]->text(), caption);
    QCOMPARE(m_window->lblElem[element]->toolTip(), tooltip);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr); // the wait cursor is gone again

    // And back: the symbols return exactly as at start-up.
    click(m_window->Option1[0]);
    QCOMPARE(m_window->lblElem[element]->text(),
             m_window->lblElem[element]->toolTip().section(QLatin1Char('('), 1).chopped(1));
}

void TestGrid::startUpVisibility()
{
    const auto visible = [this](const QWidget *w) { return w->isVisibleTo(m_window); };
    for (QWidget *hidden : std::initializer_list<QWidget *>{
                 m_window->Combo1, m_window->Label4, m_window->HScroll1, m_window->VScroll1,
                 m_window->List2, m_window->List3, m_window->lblElem[0], m_window->Label1[0]}) {
        QVERIFY2(!visible(hidden), qPrintable(hidden->objectName()));
    }
    for (int i = 0; i < Morvik::ColumnCount; ++i) {
        QVERIFY(!visible(m_window->List1[i]));
        QVERIFY(!visible(m_window->command4[i]));
    }
    for (QWidget *shown : std::initializer_list<QWidget *>{
                 m_window->Label3, m_window->Option1[0], m_window->Option1[1], m_window->Check1,
                 m_window->Label7, m_window->Label5, m_window->PropsList, m_window->Command5,
                 m_window->Command6, m_window->Command1, m_window->Picture1[2], m_window->Legend[2],
                 m_window->lblElem[109], m_window->Label2[1]}) {
        QVERIFY2(visible(shown), qPrintable(shown->objectName()));
    }
    QVERIFY(m_window->Option1[0]->isChecked());
    QVERIFY(m_window->Check1->isChecked());
    QCOMPARE(m_window->Command1->text(), QStringLiteral("Column format"));
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Properties"));
    QCOMPARE(m_window->PropsList->count(), 0);
}

void TestGrid::clickReportsAtomicNumber()
{
    click(m_window->lblElem[26]);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Iron (Fe)"));
    click(m_window->lblElem[109]);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Unnilennium (Une)"));
}

void TestGrid::everythingScales_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("as designed") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2.37") << 2.37;
}

void TestGrid::everythingScales()
{
    QFETCH(double, factor);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QSize design = m_window->size();
    // By way of another size, as a drag goes, then a little wider than the scale needs: the
    // design is centred in what is left over.
    m_window->resize((QSizeF(design) * (factor + 0.25)).toSize());
    QTRY_VERIFY(m_window->parts().scale() > factor);
    m_window->resize(qRound(design.width() * factor) + 40, qRound(design.height() * factor));
    const double scale = double(m_window->height()) / design.height();
    QTRY_COMPARE(m_window->parts().scale(), scale);
    // The plot's controls, made only now, at this scale, and back to the chart.
    m_window->switchPlot();
    m_window->switchPlot();
    const QPoint origin((m_window->width() - qRound(design.width() * scale)) / 2, 0);
    QCOMPARE(m_window->parts().origin(), origin);
    int controls = 0;
    for (int part = 0; part < PartCount; ++part) {
        for (QWidget *control : m_window->parts().controls(Part(part))) {
            // Each rectangle is the design's times the factor, within a pixel.
            const QRectF wanted(origin + twipsOf(control).topLeft() * scale / 15,
                                twipsOf(control).size() * scale / 15);
            const QRect got = control->geometry();
            const auto near = [](double a, double b) { return std::abs(a - b) <= 1; };
            QVERIFY2(near(got.left(), wanted.left()) && near(got.top(), wanted.top())
                             && near(got.width(), wanted.width())
                             && near(got.height(), wanted.height()),
                     qPrintable(control->objectName()));
            // Every caption fitted to its room still fits it.
            const QStringList texts = control->property("morvikFittedTexts").toStringList();
            const double room = control->property("morvikFittedRoom").toDouble() * scale;
            for (const QString &text : texts) {
                QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= room + 1,
                         qPrintable(control->objectName() + ": " + text));
            }
            // An option's or a check box's box grows with it, once.
            const bool option = qobject_cast<QRadioButton *>(control);
            if (option || qobject_cast<QCheckBox *>(control)) {
                const auto metric =
                        option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth;
                QCOMPARE(control->style()->pixelMetric(metric, nullptr, control),
                         qRound(m_window->style()->pixelMetric(metric, nullptr, control) * scale));
            }
            ++controls;
        }
    }
    QVERIFY(controls > 150);
    // The fonts grow in points with the window.
    QCOMPARE(m_window->lblElem[26]->font().pointSizeF(), 8 * m_window->parts().scale());
    // A click at the scaled centre of iron's tile shows iron's sheet, its values in one column.
    const QPoint centre = m_window->lblElem[26]->geometry().center();
    QWidget *under = m_window->childAt(centre);
    QVERIFY(under);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(m_window, centre));
    QCOMPARE(sheet().value(0), QStringLiteral("Name\t\t\tIron"));
    const QFontMetrics metrics(m_window->PropsList->font());
    QSet<int> valueStarts;
    for (const QString &line : sheet()) {
        valueStarts << metrics.horizontalAdvance(SheetLine::expandTabs(line).left(24));
    }
    QCOMPARE(valueStarts.size(), 1);
}

void TestGrid::zoomSteps_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::newRow("as designed") << 1.0 << 1.25 << 1.0;
    QTest::newRow("a step") << 1.5 << 1.75 << 1.25;
    QTest::newRow("a pixel off a step") << 2.002 << 2.5 << 1.75;
    QTest::newRow("between steps, as maximised") << 2.72 << 3.0 << 2.5;
    QTest::newRow("the last") << 3.0 << 3.0 << 2.5;
}

void TestGrid::zoomSteps()
{
    QFETCH(double, scale);
    QFETCH(double, in);
    QFETCH(double, out);
    QCOMPARE(ZoomSteps::next(scale, 1), in);
    QCOMPARE(ZoomSteps::next(scale, -1), out);
    // Never beyond the room: the largest step that fits.
    const QSize design(660, 396);
    QCOMPARE(ZoomSteps::fitting(3.0, design, QSize(1920, 1050)), 2.5);
    QCOMPARE(ZoomSteps::fitting(1.75, design, QSize(1920, 1050)), 1.75);
    QCOMPARE(ZoomSteps::fitting(1.25, design, QSize(800, 600)), 1.0);
}

void TestGrid::zoomKeys()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QSize design = m_window->size();
    const auto press = [this](QKeyCombination keys) {
        QTest::keyClick(m_window->lblElem[1], keys.key(), keys.keyboardModifiers());
    };
    const QSize available = m_window->screen()->availableGeometry().size();
    const double largest = ZoomSteps::fitting(3.0, design, available);
    press(Qt::CTRL | Qt::Key_Plus);
    QTRY_COMPARE(m_window->size(), largest > 1 ? design * 1.25 : design);
    press(Qt::CTRL | Qt::Key_Equal);
    for (int step = 0; step < 8; ++step) {
        press(Qt::CTRL | Qt::Key_Plus);
    }
    // Never beyond the screen's free area: the largest step that fits it.
    QTRY_COMPARE(m_window->size(), (QSizeF(design) * largest).toSize());
    QCOMPARE(m_window->parts().scale(), largest);
    press(Qt::CTRL | Qt::Key_Minus);
    QTRY_COMPARE(m_window->size(), (QSizeF(design) * ZoomSteps::next(largest, -1)).toSize());
    // The wheel with Ctrl, over any control.
    QWheelEvent wheel(QPointF(5, 5), m_window->mapToGlobal(QPointF(5, 5)), {}, {0, 120},
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_window->PropsList->viewport(), &wheel);
    QTRY_COMPARE(m_window->size(), (QSizeF(design) * largest).toSize());
    press(Qt::CTRL | Qt::Key_0);
    QTRY_COMPARE(m_window->size(), design);
    QCOMPARE(m_window->parts().scale(), 1.0);
    press(Qt::CTRL | Qt::Key_Minus);
    QCOMPARE(m_window->size(), design); // the design size is the smallest
    QCOMPARE(m_window->minimumSize(), design);
}

void TestGrid::zoomWhileMaximised()
{
    m_window->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QSize design = m_window->minimumSize();
    QTRY_VERIFY(m_window->parts().scale() > 1);
    const double maximised = m_window->parts().scale();
    // The scale follows the window; a zoom key makes it a window again, a step below.
    QTest::keyClick(m_window->lblElem[1], Qt::Key_Minus, Qt::ControlModifier);
    QTRY_VERIFY(!m_window->isMaximized());
    QTRY_COMPARE(m_window->size(), (QSizeF(design) * ZoomSteps::next(maximised, -1)).toSize());
    // F11 and back.
    QTest::keyClick(m_window->lblElem[1], Qt::Key_F11);
    QTRY_VERIFY(m_window->isFullScreen());
    QTest::keyClick(m_window->lblElem[1], Qt::Key_F11);
    QTRY_VERIFY(!m_window->isFullScreen());
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
