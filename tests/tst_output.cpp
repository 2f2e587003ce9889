// Getting the data out of the window: the whole table as CSV, in the order last listed; the
// chart as a PNG or SVG image and as a printout; the context menus; and every way a save or a
// print can be cancelled or fail.

#include "colouring/chartcolouring.h"
#include "colouring/colouring.h"
#include "fulldisk.h"
#include "platform/qtplatform.h"
#include "tools/csvtable.h"
#include "units/temperatureunits.h"
#include "window/clicklabel.h"
#include "window/surface.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {

const QByteArray CsvHeader =
        "Name,Symbol,Atomic number,Atomic weight [amu],Atomic radius [A],Boiling point [C],"
        "Melting point [C],Density [kg/m^3],Latent ht. of vapor [kJ/mol],"
        "Latent ht. of fusion [kJ/mol],Electrical conduct. [10^6/ohm-cm],Thermal conduct. [W/m-C],"
        "Specific heat capacity [kJ/kg-C],Ionization potential [V],Electronegativity,Valency,"
        "Equivalent weight [amu],Crystal structure,Discovered by,Year of discovery,"
        "Electronic config.,Applications\r\n";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF file's text laid out as on the page, a form feed after each page.
QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The columns at which the values of a printed sheet start: one when they line up.
QSet<qsizetype> valueColumns(const QString &text)
{
    static const QRegularExpression sheetLine(QStringLiteral("^\\S.*? {2,}\\S"),
                                              QRegularExpression::MultilineOption);
    QSet<qsizetype> columns;
    for (const auto &match : sheetLine.globalMatch(text)) {
        columns << match.capturedLength() - 1;
    }
    return columns;
}

constexpr int ShiftF10 = -1;
constexpr int TableKey = -2; // Ctrl+Shift+S

// "Print…\tCtrl+P|...": each entry with the key it says.
QString menuEntries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
    }
    entries.removeAll(QStringLiteral("\t")); // the separators
    return entries.join(QLatin1Char('|'));
}

} // namespace

class TestOutput : public WindowTest
{
    Q_OBJECT

public:
    TestOutput()
        : WindowTest(Start::Shown)
    { }

private slots:
    void csvFields_data();
    void csvFields();
    void csvInElementOrder();
    void csvAfterSort();
    void csvAfterRanking();
    void csvAfterScroll();
    void csvInKelvin();
    void tableSaveCancelled();
    void tableSaveFails();
    void tableNeverWrittenThroughALink();
    void hostileTargetsRefused_data();
    void hostileTargetsRefused();
    void namesAtTheSystemsLimit_data();
    void namesAtTheSystemsLimit();
    void chosenTypeWritten_data();
    void chosenTypeWritten();
    void pngIsTwiceTheChart();
    void pngShowsTheColours_data();
    void pngShowsTheColours();
    void noControlInTheImage();
    void focusFrameBackAfterImage();
    void controlPlacedInTheChartJoinsIt();
    void svgHoldsTheSymbols();
    void printout_data();
    void printout();
    void picturesSayWhatTheColoursMean_data();
    void picturesSayWhatTheColoursMean();
    void printoutAsPdf_data();
    void printoutAsPdf();
    void printDialogOffersPrintersOnly();
    void previewFillsMostOfTheScreen();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void unwritableFileReported_data();
    void unwritableFileReported();
    void contextMenu_data();
    void contextMenu();

private:
    QString savePath() const { return m_platform->tempDir.filePath(QStringLiteral("t.csv")); }
    QString tempPath(const QString &name) const { return m_platform->tempDir.filePath(name); }
    QByteArray saveTable(const QString &path);
    void checkCsv(const QByteArray &firstRowStart, const QByteArray &lastRowStart);
    QImage saveChartPng();
    // The entry of the chart's context menu with this text.
    QAction *menuAction(const QString &text) const;
    // Colours the chart by the property (0: by class), then clicks the named controls.
    void act(int colouredBy, const QStringList &clicks);
};

QByteArray TestOutput::saveTable(const QString &path)
{
    m_platform->savePaths.push_back(path);
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    return readFile(path);
}

void TestOutput::csvFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Iron"
                           << "Iron";
    QTest::newRow("comma") << "Gay-Lussac, Thenard, Davy"
                           << "\"Gay-Lussac, Thenard, Davy\"";
    QTest::newRow("quote") << "a \"b\""
                           << "\"a \"\"b\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("lone carriage return") << "a\rb"
                                          << "\"a\rb\"";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks kept") << " kJ/mol"
                                 << " kJ/mol";
}

void TestOutput::csvFields()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
}

void TestOutput::csvInElementOrder()
{
    checkCsv("Hydrogen,H,1,1.008,0.790,-253,-259,71,0.5,0.1,--,0.167,14.442,13.598,2.200,1,1.01,"
             "Hexagonal,Cavendish,1766,1s1,Rocket fuel",
             "Unnilennium,Une,109,267.000,--,");
}

void TestOutput::csvAfterSort()
{
    enterColumnView();
    click(m_window->command4[2]); // atomic number, largest first
    checkCsv("Unnilennium,Une,109,267.000,--,", "Hydrogen,H,1,");
}

void TestOutput::csvAfterRanking()
{
    enterColumnView();
    m_window->Combo1->setCurrentIndex(Module1::Density - 1);
    emit m_window->Combo1->activated(Module1::Density - 1);
    checkCsv("Osmium,Os,76,", "Technetium,Tc,43,");
}

void TestOutput::csvAfterScroll()
{
    enterColumnView();
    click(m_window->command4[2]);
    m_window->HScroll1->setFocus();
    QTest::keyClick(m_window->HScroll1, Qt::Key_Right); // refills in element order
    checkCsv("Hydrogen,H,1,", "Unnilennium,Une,109,");
}

void TestOutput::csvInKelvin()
{
    m_window->units().optScale_Click(1);
    const QByteArray csv = saveTable(savePath());
    QVERIFY(csv.contains(",Boiling point [K],Melting point [K],"));
    QVERIFY(csv.contains("\r\nHydrogen,H,1,1.008,0.790,20,14,71,"));
    QVERIFY(csv.contains("\r\nUnnilennium,Une,109,267.000,--,--,--,"));
}

void TestOutput::checkCsv(const QByteArray &firstRowStart, const QByteArray &lastRowStart)
{
    const QByteArray csv = saveTable(savePath());
    QVERIFY(csv.startsWith(CsvHeader)); // no byte-order mark
    const QList<QByteArray> rows = csv.mid(CsvHeader.size()).split('\n');
    QCOMPARE(rows.size(), Module1::ElemCount + 1); // the last line ends too
    QVERIFY(rows.last().isEmpty());
    QVERIFY2(rows.first().startsWith(firstRowStart), rows.first().constData());
    QVERIFY2(rows[108].startsWith(lastRowStart), rows[108].constData());
    QVERIFY(csv.contains(",\"Gay-Lussac, Thenard, Davy\",1808,"));
    QCOMPARE(csv.count("\r\n"), 110);
    QCOMPARE(csv.count('\n'), 110);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QVERIFY(m_platform->saveRequests[0].filter.contains(QLatin1String("*.csv")));
}

void TestOutput::tableSaveCancelled()
{
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestOutput::tableSaveFails()
{
    saveTable(QStringLiteral("/nonexistent/morvik/t.csv"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("The table could not be saved to /nonexistent/morvik/t.csv: No such "
                            "file or directory."));
}

void TestOutput::tableNeverWrittenThroughALink()
{
    const QString victim = m_platform->dataDir.filePath(QStringLiteral("victim"));
    QVERIFY(QFile::link(victim, savePath()));
    saveTable(savePath());
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(QLatin1String("symbolic link")));
    QVERIFY(!QFile::exists(victim));
    QVERIFY(QFileInfo(savePath()).isSymLink());
}

void TestOutput::hostileTargetsRefused_data()
{
    QTest::addColumn<QString>("entry"); // of the chart's context menu
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target"); // what stands at the name, or the full disk
    QTest::addColumn<QString>("reason"); // the end of the message
    const QStringList entries{"Save table as CSV…", "Save chart as image…",
                              "Save printout as PDF…"};
    const QStringList names{"t.csv", "c.png", "p.pdf"};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArray what = names[i].toLatin1();
        QTest::addRow("%s: dangling link", what.constData())
                << entries[i] << names[i] << "link"
                << "a symbolic link stands at that name.";
        QTest::addRow("%s: pipe", what.constData()) << entries[i] << names[i] << "pipe"
                                                    << "that name is not a plain file.";
        QTest::addRow("%s: full disk", what.constData())
                << entries[i] << names[i] << "full" << qt_error_string(EFBIG) + '.';
    }
}

void TestOutput::hostileTargetsRefused()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    click(m_window->lblElem[26]);
    const QString path = tempPath(name);
    const QString victim = m_platform->dataDir.filePath(QStringLiteral("victim"));
    if (target == QLatin1String("link")) {
        QVERIFY(QFile::link(victim, path));
    } else if (target == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    m_platform->savePaths.push_back(path);
    QAction *action = menuAction(entry);
    QVERIFY(action);
    {
        std::optional<FullDisk> full;
        if (target == QLatin1String("full")) {
            QVERIFY(full.emplace().isSet());
        }
        action->trigger();
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(m_platform->messages[0].text.endsWith(reason),
             qPrintable(m_platform->messages[0].text));
    QVERIFY(!QFile::exists(victim));
    // What stood there still stands, and nothing else was left beside it: no draft.
    const QStringList left = QDir(m_platform->tempDir.path())
                                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                | QDir::NoDotAndDotDot);
    QCOMPARE(left, target == QLatin1String("full") ? QStringList() : QStringList{name});
}

void TestOutput::namesAtTheSystemsLimit_data()
{
    QTest::addColumn<int>("bytes"); // of the file's name; the system takes up to 255
    for (const int bytes : {251, 253, 255}) {
        QTest::addRow("%d bytes", bytes) << bytes;
    }
    QTest::newRow("two-byte letters up to 255") << -255;
}

void TestOutput::namesAtTheSystemsLimit()
{
    QFETCH(int, bytes);
    // A name as long as the system takes is saved; its draft beside it is no longer.
    const QString stem = bytes > 0 ? QString(bytes - 4, QLatin1Char('t'))
                                   : QString((-bytes - 5) / 2, QChar(0x00E9)) + QLatin1Char('x');
    const QString name = stem + QStringLiteral(".csv");
    QCOMPARE(QFile::encodeName(name).size(), std::abs(bytes));
    saveTable(tempPath(name));
    QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messages.value(0).text));
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{name});
}

void TestOutput::chosenTypeWritten_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("starts"); // the file's first bytes: what it is
    QTest::newRow("SVG chosen, another ending typed") << "x.txt"
                                                      << "SVG image (*.svg)"
                                                      << "x.txt" << QByteArray("<?xml");
    QTest::newRow("SVG chosen, no ending") << "x"
                                           << "SVG image (*.svg)"
                                           << "x.svg" << QByteArray("<?xml");
    QTest::newRow("PNG chosen, no ending") << "x"
                                           << "PNG image (*.png)"
                                           << "x.png" << QByteArray("\x89PNG");
    QTest::newRow("PNG chosen, .svg typed") << "x.svg"
                                            << "PNG image (*.png)"
                                            << "x.svg" << QByteArray("\x89PNG");
}

void TestOutput::chosenTypeWritten()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, saved);
    QFETCH(QByteArray, starts);
    m_platform->savePaths.push_back(tempPath(typed));
    m_platform->saveFilters.push_back(filter);
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(readFile(tempPath(saved)).startsWith(starts));
}

QImage TestOutput::saveChartPng()
{
    m_platform->savePaths.push_back(tempPath(QStringLiteral("chart.png")));
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    return QImage(tempPath(QStringLiteral("chart.png")));
}

QAction *TestOutput::menuAction(const QString &text) const
{
    for (QAction *entry : m_window->findChild<QMenu *>(QStringLiteral("chartMenu"))->actions()) {
        if (entry->text() == text) {
            return entry;
        }
    }
    return nullptr;
}

void TestOutput::act(int colouredBy, const QStringList &clicks)
{
    m_window->colouring().cboColourBy->setCurrentIndex(
            m_window->colouring().cboColourBy->findData(colouredBy));
    for (const QString &name : clicks) {
        click(m_window->findChild<QWidget *>(name));
    }
}

void TestOutput::pngIsTwiceTheChart()
{
    // From the top of the window to as far below the actinides as the group numbers stand
    // below the top: nothing of the options or the sheet under it.
    const int bottom = m_window->lblElem[90]->geometry().bottom() + 1 + m_window->Label1[1]->y();
    QCOMPARE(saveChartPng().size(), QSize(2 * m_window->width(), 2 * bottom));
    QCOMPARE(m_platform->saveRequests[0].suggestedName, QStringLiteral("Morvik chart.png"));
    QCOMPARE(m_platform->saveRequests[0].filter,
             QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
}

void TestOutput::pngShowsTheColours_data()
{
    QTest::addColumn<int>("colouredBy");
    QTest::addColumn<QStringList>("clicks"); // the last tile clicked keeps the focus
    QTest::addColumn<int>("tile");
    QTest::addColumn<QColor>("colour");
    const auto density = Colouring::byProperty(Module1::Density, false);
    const int byDensity = Module1::Density;
    QTest::newRow("iron, a metal") << 0 << QStringList{"lblElem(26)"} << 26 << Palette::Metal;
    QTest::newRow("iron, found") << 0 << QStringList{"lblElem(26)", "Command5"} << 26
                                 << Palette::Found;
    QTest::newRow("osmium by density")
            << byDensity << QStringList{"lblElem(76)"} << 76 << fromBgr(density.tiles[76]);
    QTest::newRow("hydrogen by density")
            << byDensity << QStringList{"lblElem(1)"} << 1 << fromBgr(density.tiles[1]);
}

void TestOutput::pngShowsTheColours()
{
    QFETCH(int, colouredBy);
    QFETCH(QStringList, clicks);
    QFETCH(int, tile);
    QFETCH(QColor, colour);
    m_platform->answers.push_back(QStringLiteral("Iron")); // for Find
    act(colouredBy, clicks);
    // Inside the tile's edge, where the focus frame is drawn on screen but not in the image.
    const QPoint corner = m_window->lblElem[tile]->pos() + QPoint(1, 1);
    QCOMPARE(saveChartPng().pixelColor(2 * corner), colour);
}

void TestOutput::noControlInTheImage()
{
    // Coloured by class, the place of "Colour by" is left to the background (a colouring by a
    // property names it there).
    act(0, {});
    const QImage image = saveChartPng();
    const QList<QWidget *> controls{m_window->colouring().lblColourBy,
                                    m_window->colouring().cboColourBy,
                                    m_window->colouring().chkLog};
    for (QWidget *control : controls) {
        control->hide();
    }
    const QImage background = m_window->grab().toImage();
    const auto near = [](int a, int b) { return qAbs(a - b) <= 2; }; // the image's finer steps
    for (const QWidget *control : controls) {
        // Across the middle, through each control's text and its frame on either side.
        const int y = control->geometry().center().y();
        for (int x = control->x(); x <= control->geometry().right(); ++x) {
            const QColor drawn = image.pixelColor(2 * x, 2 * y);
            const QColor behind = background.pixelColor(x, y);
            QVERIFY2(near(drawn.red(), behind.red()) && near(drawn.green(), behind.green())
                             && near(drawn.blue(), behind.blue()),
                     qPrintable(control->objectName()));
        }
    }
}

void TestOutput::focusFrameBackAfterImage()
{
    // The image leaves the focus frame out; the tile on screen gets it back.
    QWidget *iron = m_window->lblElem[26];
    iron->setFocus();
    const QImage framed = iron->grab().toImage();
    saveChartPng();
    QCOMPARE(iron->grab().toImage(), framed);
    m_window->lblElem[27]->setFocus();
    QVERIFY(iron->grab().toImage() != framed);
}

void TestOutput::controlPlacedInTheChartJoinsIt()
{
    // A control placed into the chart's part with no other edit: it goes with the chart's view,
    // it is drawn into the picture of the chart, and Tab reaches it.
    auto *added = new QLabel(QStringLiteral("Added"), m_window);
    added->setFocusPolicy(Qt::StrongFocus);
    const TwipsRect rect{1035, 1290, 600, 300}; // left of row 4, under hydrogen's column
    m_window->parts().place(added, rect, Part::Chart);
    Surface::setBackground(added, 0x0000FF00);
    added->show();

    m_window->lblElem[1]->setFocus();
    for (int step = 0; step < 30 && QApplication::focusWidget() != added; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), added);
    m_window->Command1->setFocus();

    const QImage image = saveChartPng();
    const QPoint corner = rect.toPixels().topLeft() + QPoint(2, 2); // beside its caption
    QCOMPARE(image.pixelColor(2 * corner.x(), 2 * corner.y()), fromBgr(0x0000FF00));

    enterColumnView();
    QVERIFY(!added->isVisible());
    click(m_window->Command1);
    QVERIFY(added->isVisible());
}

void TestOutput::svgHoldsTheSymbols()
{
    m_platform->savePaths.push_back(tempPath(QStringLiteral("chart.svg")));
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    const QByteArray svg = readFile(tempPath(QStringLiteral("chart.svg")));
    QVERIFY(QSvgRenderer(svg).isValid());
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        QVERIFY(svg.contains('>' + m_window->lblElem[i]->text().toUtf8() + "</text>"));
    }
    QVERIFY(svg.contains(">Lanthanides</text>") && svg.contains(">Non-metals</text>"));
    QVERIFY(!svg.contains("Colour by"));
}

void TestOutput::picturesSayWhatTheColoursMean_data()
{
    QTest::addColumn<int>("colouredBy"); // 0 the classes, -1 the states, else the property
    QTest::addColumn<int>("scale"); // of the temperatures
    QTest::addColumn<QString>("title"); // above the legend in the image and on the page
    QTest::newRow("classes: the legend says it") << 0 << 0 << QString();
    QTest::newRow("density") << int(Module1::Density) << 0 << "Density [kg/m^3]";
    QTest::newRow("boiling point in kelvin")
            << int(Module1::BoilingPoint) << 1 << "Boiling point [K]";
    QTest::newRow("states") << -1 << 0 << "States at 25 °C";
    QTest::newRow("states in Fahrenheit") << -1 << 2 << "States at 77 °F";
}

void TestOutput::picturesSayWhatTheColoursMean()
{
    QFETCH(int, colouredBy);
    QFETCH(int, scale);
    QFETCH(QString, title);
    m_window->units().optScale_Click(scale);
    act(colouredBy, {});
    m_platform->savePaths.push_back(tempPath(QStringLiteral("chart.svg")));
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    const QByteArray svg = readFile(tempPath(QStringLiteral("chart.svg")));
    QCOMPARE(svg.contains('>' + title.toUtf8() + "</text>"), !title.isEmpty());
    m_platform->savePaths.push_back(tempPath(QStringLiteral("printout.pdf")));
    menuAction(QStringLiteral("Save printout as PDF…"))->trigger();
    const QString text = pdfText(tempPath(QStringLiteral("printout.pdf")));
    QVERIFY(!text.isEmpty());
    if (!title.isEmpty()) {
        QVERIFY2(text.contains(title), qPrintable(text.left(300)));
    }
    QVERIFY(!text.contains(QLatin1String("States at")) || title.startsWith("States"));
}

void TestOutput::printout_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("entry"); // of the chart's context menu
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<bool>("sheet");
    QTest::addColumn<int>("pages");
    const QStringList iron{"lblElem(26)"};
    QTest::newRow("the chart alone") << QStringList() << 1 << QPageSize::A4 << false << 1;
    QTest::newRow("iron's sheet below") << iron << 1 << QPageSize::A4 << true << 1;
    QTest::newRow("iron's sheet overleaf") << iron << 1 << QPageSize::A5 << true << 2;
    QTest::newRow("from the preview, through the print dialog")
            << iron << 2 << QPageSize::A4 << true << 1;
}

void TestOutput::printout()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, entry);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(bool, sheet);
    QFETCH(int, pages);
    act(0, clicks);
    const QString pdf = tempPath(QStringLiteral("printout.pdf"));
    m_platform->printPaths.push_back(pdf);
    m_platform->printPaper = QPageSize(paper);
    m_platform->previewPrints.push_back(true);
    m_window->findChild<QMenu *>(QStringLiteral("chartMenu"))->actions()[entry]->trigger();
    QCOMPARE(m_platform->printDialogs, 1);
    QCOMPARE(m_platform->printPreviews, entry == 2 ? 1 : 0);
    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "no printout, or no pdftotext (Debian poppler-utils)");
    QCOMPARE(text.count(QLatin1Char('\f')), pages);
    QCOMPARE(text.contains(QLatin1String("Iron (Fe)")), sheet);
    QCOMPARE(text.contains(QLatin1String("55.847 amu")), sheet);
    // The sheet's values below the chart line up in one column.
    const qsizetype sheetStart = text.indexOf(QLatin1String("\nName "));
    QCOMPARE(sheetStart >= 0, sheet);
    if (sheet) {
        QCOMPARE(int(valueColumns(text.mid(sheetStart + 1)).size()), 1);
    }
    QVERIFY(m_platform->messages.isEmpty());
}

void TestOutput::printoutAsPdf_data()
{
    QTest::addColumn<QString>("name"); // as typed in the save dialog
    QTest::addColumn<QString>("saved"); // the file written
    QTest::newRow("with its ending") << "chart.pdf"
                                     << "chart.pdf";
    QTest::newRow("the ending added") << "chart"
                                      << "chart.pdf";
}

void TestOutput::printoutAsPdf()
{
    // The printout as a file goes through the save dialog and its checks, never the printer's.
    QFETCH(QString, name);
    QFETCH(QString, saved);
    click(m_window->lblElem[26]);
    m_platform->savePaths.push_back(tempPath(name));
    menuAction(QStringLiteral("Save printout as PDF…"))->trigger();
    QCOMPARE(m_platform->printDialogs, 0);
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QCOMPARE(m_platform->saveRequests[0].suggestedName, QStringLiteral("Morvik chart.pdf"));
    QCOMPARE(m_platform->saveRequests[0].filter, QStringLiteral("PDF file (*.pdf)"));
    const QString text = pdfText(tempPath(saved));
    QVERIFY2(text.contains(QLatin1String("Iron (Fe)")), qPrintable(text.left(200)));
    QVERIFY(text.contains(QLatin1String("Unq"))); // the chart's captions are text too
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{saved});
}

void TestOutput::printDialogOffersPrintersOnly()
{
    // The real dialog: printing to a file is not among its choices, so it never opens one.
    QtPlatform platform;
    QPrinter printer;
    bool printsToFile = true;
    QTimer::singleShot(0, [&printsToFile] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (dialog) {
            printsToFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            dialog->reject();
        }
    });
    QVERIFY(!platform.printDialog(m_window, printer));
    QVERIFY(!printsToFile);
}

void TestOutput::previewFillsMostOfTheScreen()
{
    // The real preview: most of the screen's free area, the page fitted to it, and its button
    // goes on to the print dialog.
    QtPlatform platform;
    QPrinter printer;
    QSize size;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    int pages = 0;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (auto *preview = dialog ? dialog->findChild<QPrintPreviewWidget *>() : nullptr) {
            size = dialog->size();
            zoom = preview->zoomMode();
            pages = preview->pageCount();
            for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons()) {
                if (button->text() == QStringLiteral("Print…")) {
                    button->click();
                }
            }
        }
    });
    const bool print = platform.printPreview(m_window, printer, [this](QPrinter &on) {
        QPainter painter(&on);
        painter.drawText(10, 10, QStringLiteral("Iron"));
    });
    const QSize available = m_window->screen()->availableGeometry().size();
    QVERIFY2(size.width() >= available.width() * 0.8 && size.height() >= available.height() * 0.8,
             qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    QCOMPARE(zoom, QPrintPreviewWidget::FitInView);
    QCOMPARE(pages, 1);
    QVERIFY(print);
}

void TestOutput::cancelWritesNothing_data()
{
    QTest::addColumn<int>("key"); // with Ctrl
    QTest::newRow("image") << int(Qt::Key_S);
    QTest::newRow("print") << int(Qt::Key_P);
}

void TestOutput::cancelWritesNothing()
{
    QFETCH(int, key);
    click(m_window->lblElem[26]);
    QTest::keyClick(m_window, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(m_platform->saveRequests.size() + m_platform->printDialogs, 1);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(QDir(m_platform->tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestOutput::unwritableFileReported_data()
{
    QTest::addColumn<int>("key"); // with Ctrl
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("image") << int(Qt::Key_S) << "/nonexistent/c.svg"
                           << "The chart could not be saved to /nonexistent/c.svg: No such file "
                              "or directory.";
    QTest::newRow("table") << TableKey << "/nonexistent/c.csv"
                           << "The table could not be saved to /nonexistent/c.csv: No such file "
                              "or directory.";
    QTest::newRow("printout") << 0 << "/nonexistent/c.pdf"
                              << "The printout could not be saved to /nonexistent/c.pdf: No such "
                                 "file or directory.";
}

void TestOutput::unwritableFileReported()
{
    QFETCH(int, key); // with Ctrl; 0 for the menu's "Save printout as PDF…"
    QFETCH(QString, path);
    QFETCH(QString, message);
    m_platform->savePaths.push_back(path);
    if (key == 0) {
        menuAction(QStringLiteral("Save printout as PDF…"))->trigger();
    } else if (key == TableKey) {
        QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QTest::keyClick(m_window, Qt::Key(key), Qt::ControlModifier);
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
    QCOMPARE(m_platform->messages[0].text, message);
}

void TestOutput::contextMenu_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("on");
    QTest::addColumn<int>("reason"); // ShiftF10: the key that stands in for the Menu key
    QTest::addColumn<QString>("entries");
    const QString chart = "Save chart as image…\tCtrl+S|Print…\tCtrl+P|"
                          "Print preview…\tCtrl+Shift+P|Save printout as PDF…\t|"
                          "Save table as CSV…\tCtrl+Shift+S|Temperatures in\t|"
                          "Plot a trend\tCtrl+G";
    const QString columns = "Save table as CSV…\tCtrl+Shift+S|Print…\tCtrl+P|"
                            "Print preview…\tCtrl+Shift+P|Save printout as PDF…\t|"
                            "Temperatures in\t";
    QTest::newRow("chart, right button") << QStringList{"lblElem(26)"} << "lblElem(26)"
                                         << int(QContextMenuEvent::Mouse) << chart;
    QTest::newRow("column view, Menu key") << QStringList{"Command1", "List1(0)"} << "List1(0)"
                                           << int(QContextMenuEvent::Keyboard) << columns;
    QTest::newRow("chart, Shift+F10")
            << QStringList{"lblElem(26)"} << "lblElem(26)" << ShiftF10 << chart;
    QTest::newRow("column view, Shift+F10")
            << QStringList{"Command1", "List1(0)"} << "List1(0)" << ShiftF10 << columns;
}

void TestOutput::contextMenu()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, on);
    QFETCH(int, reason);
    QFETCH(QString, entries);
    act(0, clicks);
    // As the window system delivers a right click or the Menu key (the end-to-end test presses
    // them for real): a context menu event for the control under the mouse or with the focus.
    auto *target = m_window->findChild<QWidget *>(on);
    const QPoint centre = target->rect().center();
    if (reason == ShiftF10) {
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QContextMenuEvent event(QContextMenuEvent::Reason(reason), centre,
                                target->mapToGlobal(centre));
        QApplication::sendEvent(target, &event);
    }
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(menuEntries(menu), entries);
    menu->close();
}

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
