// The plot of a trend: the points it plots and leaves out, its axes, the way to it and back,
// pointing, clicking and keys, and what it gives out of the window.

#include "colouring/chartcolouring.h"
#include "colouring/colouring.h"
#include "plot/trendplot.h"
#include "units/temperatureunits.h"
#include "window/clicklabel.h"
#include "window/shown.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <qcustomplot.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPlot : public WindowTest
{
    Q_OBJECT

public:
    TestPlot()
        : WindowTest(Start::Shown)
    { }

private slots:
    void switchesWithTheChart_data();
    void switchesWithTheChart();
    void pointsAreTheKnownValues_data();
    void pointsAreTheKnownValues();
    void logOnlyWhereAllPositive_data();
    void logOnlyWhereAllPositive();
    void againstAtomicNumber();
    void pointsTakeTheTilesColours();
    void hoverAndClickShowTheElement();
    void keysMoveBetweenPoints();
    void describedForScreenReaders();
    void outOfTheWindow();
    void growsWithTheWindow();
    void libraryMissing_data();
    void libraryMissing();

private:
    TrendPlot &plot() { return m_window->plot(); }
    QCustomPlot *customPlot() { return qobject_cast<QCustomPlot *>(plot().picPlot); }
    // The plot on show, y against x (the property numbers).
    void showPlot(int y, int x = Module1::AtomicNumber);
    // Where element i's point is drawn, in the plot's pixels.
    QPointF pointOf(int i);
    QString tempPath(const QString &name) const { return m_platform->tempDir.filePath(name); }
};

void TestPlot::showPlot(int y, int x)
{
    if (!plot().isShowing()) {
        QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier);
    }
    QVERIFY(plot().isShowing());
    plot().cboPlotX->setCurrentIndex(plot().cboPlotX->findData(x));
    plot().cboPlotY->setCurrentIndex(plot().cboPlotY->findData(y));
    QCOMPARE(plot().points().y, y);
    QCOMPARE(plot().points().x, x);
}

QPointF TestPlot::pointOf(int i)
{
    const PlotData::Points &points = plot().points();
    const auto at = std::find(points.elements.begin(), points.elements.end(), i);
    if (at == points.elements.end()) {
        return {};
    }
    const auto k = static_cast<std::size_t>(at - points.elements.begin());
    customPlot()->replot(QCustomPlot::rpImmediateRefresh);
    return {customPlot()->xAxis->coordToPixel(points.xs[k]),
            customPlot()->yAxis->coordToPixel(points.ys[k])};
}

void TestPlot::switchesWithTheChart_data()
{
    QTest::addColumn<QString>("way"); // to the plot and back
    QTest::newRow("its button") << "button";
    QTest::newRow("Ctrl+G") << "key";
    QTest::newRow("the context menu") << "menu";
}

void TestPlot::switchesWithTheChart()
{
    QFETCH(QString, way);
    QCOMPARE(plot().cmdPlot->text(), QStringLiteral("Plot a trend"));
    QVERIFY(plot().cmdPlot->isVisible());
    const auto go = [&] {
        if (way == QLatin1String("button")) {
            click(plot().cmdPlot);
        } else if (way == QLatin1String("key")) {
            QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier);
        } else {
            const QString menu = plot().isShowing() ? "plotMenu" : "chartMenu";
            for (QAction *entry : m_window->findChild<QMenu *>(menu)->actions()) {
                if (entry->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_G)) {
                    entry->trigger();
                }
            }
        }
    };
    go();
    // In the tiles' place; the options, the sheet and the buttons stay.
    QVERIFY(plot().isShowing());
    QVERIFY(plot().picPlot->isVisible() && plot().cboPlotY->isVisible());
    QVERIFY(!m_window->lblElem[26]->isVisible() && !m_window->colouring().cboColourBy->isVisible());
    for (QWidget *stays : std::initializer_list<QWidget *>{m_window->PropsList, m_window->Check1,
                                                           m_window->Command1, plot().cmdPlot}) {
        QVERIFY2(stays->isVisible(), qPrintable(stays->objectName()));
    }
    QCOMPARE(plot().cmdPlot->text(), QStringLiteral("Show the chart"));
    go();
    QVERIFY(!plot().isShowing());
    QVERIFY(!plot().picPlot->isVisible() && m_window->lblElem[26]->isVisible());
    // The column view's switch behaves as ever, the plot out of the way.
    go();
    enterColumnView();
    QVERIFY(!plot().picPlot->isVisible() && !plot().cmdPlot->isVisible());
    click(m_window->Command1);
    QVERIFY(m_window->lblElem[26]->isVisible() && !plot().isShowing());
}

void TestPlot::pointsAreTheKnownValues_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("scale"); // of the temperatures
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("leftOut"); // as the plot says it
    using namespace Module1;
    QTest::newRow("ionization potential") << int(IonizationPotential) << int(AtomicNumber) << 0
                                          << 101 << "8 elements have no value";
    QTest::newRow("conductivity: the empty cell too")
            << int(ElectricalConductivity) << int(AtomicNumber) << 0 << 66
            << "43 elements have no value";
    QTest::newRow("density against atomic weight")
            << int(Density) << int(AtomicWeight) << 0 << 81 << "28 elements have no value";
    QTest::newRow("atomic weight: every element")
            << int(AtomicWeight) << int(AtomicNumber) << 0 << 109 << QString();
    QTest::newRow("melting point in kelvin")
            << int(MeltingPoint) << int(AtomicNumber) << 1 << 95 << "14 elements have no value";
}

void TestPlot::pointsAreTheKnownValues()
{
    QFETCH(int, y);
    QFETCH(int, x);
    QFETCH(int, scale);
    QFETCH(int, points);
    QFETCH(QString, leftOut);
    m_window->units().optScale_Click(scale);
    showPlot(y, x);
    const PlotData::Points &shown = plot().points();
    QCOMPARE(int(shown.elements.size()), points);
    QCOMPARE(plot().lblLeftOut->text(), leftOut);
    // Exactly the known values, never a "--" as 0; temperatures in the scale chosen.
    std::size_t k = 0;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        const auto atX = Colouring::knownValue(i, x);
        const auto atY = Colouring::knownValue(i, y);
        if (!atX || !atY) {
            QVERIFY(std::find(shown.elements.begin(), shown.elements.end(), i)
                    == shown.elements.end());
            continue;
        }
        const auto shownScale = Module1::TemperatureScale(scale);
        const auto inScale = [&](double v, int p) {
            return Module1::isTemperature(p) ? Module1::fromCelsius(v, shownScale) : v;
        };
        QCOMPARE(shown.elements.at(k), i);
        QCOMPARE(shown.xs.at(k), inScale(*atX, x));
        QCOMPARE(shown.ys.at(k), inScale(*atY, y));
        ++k;
    }
    QCOMPARE(int(k), points);
    // The axes carry the captions with their units.
    QCOMPARE(customPlot()->yAxis->label(), Shown::caption(y));
    QCOMPARE(customPlot()->xAxis->label(), Shown::caption(x));
}

void TestPlot::logOnlyWhereAllPositive_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("possible");
    using namespace Module1;
    QTest::newRow("ionization potential") << int(IonizationPotential) << 0 << true;
    QTest::newRow("boiling points below 0 °C") << int(BoilingPoint) << 0 << false;
    QTest::newRow("boiling points in kelvin") << int(BoilingPoint) << 1 << true;
    QTest::newRow("a latent heat of 0.0") << int(LatentHeatOfFusion) << 0 << false;
}

void TestPlot::logOnlyWhereAllPositive()
{
    QFETCH(int, y);
    QFETCH(int, scale);
    QFETCH(bool, possible);
    m_window->units().optScale_Click(scale);
    showPlot(y);
    QCOMPARE(plot().chkLogY->isEnabled(), possible);
    QVERIFY(plot().chkLogX->isEnabled()); // the atomic numbers
    if (possible) {
        click(plot().chkLogY);
        QCOMPARE(customPlot()->yAxis->scaleType(), QCPAxis::stLogarithmic);
    }
    // A property with a value that cannot be logarithmic takes the Log back.
    plot().cboPlotY->setCurrentIndex(plot().cboPlotY->findData(int(Module1::LatentHeatOfFusion)));
    QVERIFY(!plot().chkLogY->isChecked() && !plot().chkLogY->isEnabled());
    QCOMPARE(customPlot()->yAxis->scaleType(), QCPAxis::stLinear);
}

void TestPlot::againstAtomicNumber()
{
    showPlot(Module1::IonizationPotential);
    // The points joined in order, and the ends of the periods marked.
    QCPGraph *line = customPlot()->graph(0);
    QCOMPARE(line->lineStyle(), QCPGraph::lsLine);
    QCOMPARE(line->dataCount(), 101);
    QList<double> ends;
    for (int k = 0; k < customPlot()->itemCount(); ++k) {
        if (auto *end = qobject_cast<QCPItemStraightLine *>(customPlot()->item(k))) {
            ends << end->point1->coords().x();
        }
    }
    QCOMPARE(ends, (QList<double>{2.5, 10.5, 18.5, 36.5, 54.5, 86.5}));
    // A scatter against another property: no line, no period ends.
    showPlot(Module1::Density, Module1::AtomicWeight);
    QCOMPARE(customPlot()->itemCount(), 0);
    for (int g = 0; g < customPlot()->graphCount(); ++g) {
        QCOMPARE(customPlot()->graph(g)->lineStyle(), QCPGraph::lsNone);
    }
}

void TestPlot::pointsTakeTheTilesColours()
{
    showPlot(Module1::Density);
    const auto colourOfPoint = [this](int i) {
        const PlotData::Points &points = plot().points();
        const auto k = std::find(points.elements.begin(), points.elements.end(), i)
                       - points.elements.begin();
        for (int g = 0; g < customPlot()->graphCount(); ++g) {
            QCPGraph *graph = customPlot()->graph(g);
            if (graph->lineStyle() != QCPGraph::lsNone || graph->scatterStyle().size() > 10) {
                continue; // the line, the mark
            }
            for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) {
                if (it->key == points.xs[std::size_t(k)]
                    && it->value == points.ys[std::size_t(k)]) {
                    return graph->scatterStyle().brush().color();
                }
            }
        }
        return QColor();
    };
    QCOMPARE(colourOfPoint(26), Palette::Metal);
    QCOMPARE(colourOfPoint(14), Palette::Metalloid);
    // Find's marks, and a colouring by a property, show on the plot too.
    find(QStringLiteral("fe"));
    QTRY_COMPARE(colourOfPoint(26), Palette::Found);
    click(m_window->Command6);
    m_window->colouring().cboColourBy->setCurrentIndex(
            m_window->colouring().cboColourBy->findData(int(Module1::Density)));
    QTRY_COMPARE(colourOfPoint(76), *m_window->colouring().tileColour(76));
}

void TestPlot::hoverAndClickShowTheElement()
{
    showPlot(Module1::Density);
    const QPointF iron = pointOf(26);
    QVERIFY(!iron.isNull());
    QTest::mouseMove(plot().picPlot, iron.toPoint());
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().startsWith("26. Iron (Fe)\nDensity: 7860 kg/m^3"),
             qPrintable(QToolTip::text()));
    QTest::mouseClick(plot().picPlot, Qt::LeftButton, {}, iron.toPoint());
    QCOMPARE(sheet().value(0), QStringLiteral("Name\t\t\tIron"));
    QCOMPARE(plot().markedElement(), 26);
    // Away from every point, nothing is chosen.
    QTest::mouseClick(plot().picPlot, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Iron (Fe)"));
}

void TestPlot::keysMoveBetweenPoints()
{
    showPlot(Module1::IonizationPotential);
    plot().picPlot->setFocus();
    QTest::keyClick(plot().picPlot, Qt::Key_Right);
    QCOMPARE(plot().markedElement(), 1);
    QTest::keyClick(plot().picPlot, Qt::Key_Right);
    QTest::keyClick(plot().picPlot, Qt::Key_Down);
    QTest::keyClick(plot().picPlot, Qt::Key_Left);
    QCOMPARE(plot().markedElement(), 2);
    QTest::keyClick(plot().picPlot, Qt::Key_Return);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Helium (He)"));
    QTest::keyClick(plot().picPlot, Qt::Key_Right);
    QTest::keyClick(plot().picPlot, Qt::Key_Space);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Lithium (Li)"));
}

void TestPlot::describedForScreenReaders()
{
    showPlot(Module1::IonizationPotential);
    QCOMPARE(plot().picPlot->accessibleName(), QStringLiteral("Plot"));
    QCOMPARE(plot().picPlot->accessibleDescription(),
             QStringLiteral("Ionization potential against atomic number: 101 elements; highest "
                            "Helium, 24.587 V"));
    showPlot(Module1::Density, Module1::AtomicWeight);
    QCOMPARE(plot().picPlot->accessibleDescription(),
             QStringLiteral("Density against Atomic weight: 81 elements; highest Osmium, "
                            "22600 kg/m^3"));
}

void TestPlot::outOfTheWindow()
{
    showPlot(Module1::IonizationPotential);
    // Its points as a table, with units in the header.
    m_platform->savePaths.push_back(tempPath(QStringLiteral("plot.csv")));
    QAction *table = nullptr;
    for (QAction *entry : m_window->findChild<QMenu *>("plotMenu")->actions()) {
        table = entry->text() == QStringLiteral("Save plot data as CSV…") ? entry : table;
    }
    QVERIFY(table);
    table->trigger();
    QCOMPARE(m_platform->saveRequests.last().suggestedName, QStringLiteral("Morvik plot.csv"));
    const QByteArray csv = readFile(tempPath(QStringLiteral("plot.csv")));
    QVERIFY2(csv.startsWith("Name,Symbol,Atomic number,Ionization potential [V]\r\n"
                            "Hydrogen,H,1,13.598\r\n"),
             csv.left(100).constData());
    QCOMPARE(csv.count('\n'), 102);
    // As an image (twice its design size), and an SVG with its axes' titles as text.
    m_platform->savePaths.push_back(tempPath(QStringLiteral("plot.png")));
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_platform->saveRequests.last().title, QStringLiteral("Save plot as image"));
    QCOMPARE(QImage(tempPath(QStringLiteral("plot.png"))).size(), 2 * plot().designSize());
    m_platform->savePaths.push_back(tempPath(QStringLiteral("plot.svg")));
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    const QByteArray svg = readFile(tempPath(QStringLiteral("plot.svg")));
    QVERIFY(svg.contains(">Ionization potential [V]</text>"));
    // Printed, here as a PDF file: the plot on the page, and the sheet on show.
    m_window->ShowProperties(26);
    m_platform->savePaths.push_back(tempPath(QStringLiteral("plot.pdf")));
    for (QAction *entry : m_window->findChild<QMenu *>("plotMenu")->actions()) {
        if (entry->text() == QStringLiteral("Save printout as PDF…")) {
            entry->trigger();
        }
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {tempPath(QStringLiteral("plot.pdf")), "-"});
    QVERIFY(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // The plot's shapes, its texts among them, and the sheet on show below: not the chart.
    QVERIFY2(text.contains("Iron (Fe)") && !text.contains("Unq"), qPrintable(text.left(200)));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestPlot::growsWithTheWindow()
{
    showPlot(Module1::IonizationPotential);
    const auto markHelium = [this](QPointF beside) {
        QTest::mouseClick(plot().picPlot, Qt::LeftButton, {}, (pointOf(2) + beside).toPoint());
        QCOMPARE(plot().markedElement(), 2);
    };
    const auto pointSize = [this] { return customPlot()->graph(1)->scatterStyle().size(); };
    const auto picture = [this] {
        m_platform->savePaths.push_back(tempPath(QStringLiteral("plot.svg")));
        QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
        return readFile(tempPath(QStringLiteral("plot.svg")));
    };
    markHelium({});
    const double designed = pointSize();
    const QByteArray atDesign = picture();
    m_window->resize(m_window->size() * 2);
    QTRY_COMPARE(m_window->parts().scale(), 2.0);
    // The points grow with the window, and a click reaches as far beside one as it is larger.
    QCOMPARE(pointSize(), 2 * designed);
    QTest::mouseClick(plot().picPlot, Qt::LeftButton, {}, pointOf(26).toPoint());
    markHelium({0, -12});
    // The picture out of the window stays as it was, shapes and texts alike.
    QCOMPARE(picture(), atDesign);
}

QTEST_MAIN(TestPlot)
void TestPlot::libraryMissing_data()
{
    QTest::addColumn<bool>("fromColumns");
    QTest::newRow("from the chart") << false;
    QTest::newRow("from the column view") << true;
}

void TestPlot::libraryMissing()
{
    // The plotting library is loaded the first time the plot shows. Where it cannot be, the
    // user is told why and stays where they were; once it can, the plot shows.
    QFETCH(bool, fromColumns);
    m_platform->plotMissing = QStringLiteral("The shared library was not found.");
    if (fromColumns) {
        enterColumnView();
    }
    QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("The plot cannot be shown: The shared library was not found."));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
    QVERIFY(!plot().isShowing() && !plot().picPlot);
    QCOMPARE(!m_window->lblElem[26]->isVisible(), fromColumns);
    QCOMPARE(plot().cmdPlot->text(), QStringLiteral("Plot a trend"));

    m_platform->plotMissing.clear();
    QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(plot().isShowing() && plot().picPlot->isVisible());
    QCOMPARE(m_platform->messages.size(), 1);
}

#include "tst_plot.moc"
