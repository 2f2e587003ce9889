// The property sheet as the user sees it, and the options that switch it.

#include "data/Module1.h"
#include "units/temperatureunits.h"
#include "window/clicklabel.h"
#include "window/sheetline.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestSheet : public WindowTest
{
    Q_OBJECT

private slots:
    void clickShowsSheet();
    void secondClickReplaces();
    void pressReleasedElsewhereIsNoClick_data();
    void pressReleasedElsewhereIsNoClick();
    void valuesDrawnAtColumn24();
    void untickingHidesAndKeeps();
    void untickedClickChangesNothing();
    void hideShowFrame_data();
    void hideShowFrame();
    void temperatureScales_data();
    void temperatureScales();
};

void TestSheet::clickShowsSheet()
{
    click(m_window->lblElem[26]);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Iron (Fe)"));
    const QStringList lines = sheet();
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[0], QStringLiteral("Name\t\t\tIron"));
    QCOMPARE(lines[3], QStringLiteral("Atomic weight\t\t55.847 amu"));
    QCOMPARE(lines[21], QStringLiteral("Applications\t\tTools"));
}

void TestSheet::secondClickReplaces()
{
    click(m_window->lblElem[1]);
    click(m_window->lblElem[1]);
    QCOMPARE(sheet().size(), 22);
    click(m_window->lblElem[89]);
    QCOMPARE(sheet().size(), 22);
    QCOMPARE(sheet()[10], QStringLiteral("Electrical conduct.\t 10^6/ohm-cm"));
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Actinium (Ac)"));
}

void TestSheet::pressReleasedElsewhereIsNoClick_data()
{
    QTest::addColumn<QPoint>("release"); // from the tile's top-left corner
    QTest::addColumn<bool>("clicked");
    QTest::newRow("released on the tile") << QPoint(10, 5) << true;
    QTest::newRow("released left of it") << QPoint(-3, 5) << false;
    QTest::newRow("released below it") << QPoint(10, 25) << false;
}

void TestSheet::pressReleasedElsewhereIsNoClick()
{
    // A user who presses on a tile and thinks better of it drags off before letting go.
    QFETCH(QPoint, release);
    QFETCH(bool, clicked);
    QWidget *iron = m_window->lblElem[26];
    QTest::mousePress(iron, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(iron, Qt::LeftButton, {}, release);
    QCOMPARE(sheet().size(), clicked ? 22 : 0);
}

void TestSheet::valuesDrawnAtColumn24()
{
    // Draw the sheet, then the same lines with the TABs written out as blanks to column 24, in
    // a plain list of the same font and size: the pixels must be the same.
    m_window->show();
    click(m_window->lblElem[26]);
    QListWidget reference;
    reference.setFont(m_window->PropsList->font());
    reference.setPalette(m_window->PropsList->palette());
    reference.setAutoFillBackground(true);
    reference.setUniformItemSizes(true);
    reference.resize(m_window->PropsList->size());
    for (const QString &line : sheet()) {
        const QString label = line.section(QLatin1Char('\t'), 0, 0);
        const QString value = line.section(QLatin1Char('\t'), -1);
        reference.addItem(label.leftJustified(24, QLatin1Char(' ')) + value);
    }
    const QFontMetrics metrics(m_window->PropsList->font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance('W'));
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    // Both lists lay out their scroll bars once shown, so compare when both have settled.
    const auto drawn = [this] { return m_window->PropsList->viewport()->grab().toImage(); };
    const auto expected = [&reference] { return reference.viewport()->grab().toImage(); };
    QTRY_COMPARE(drawn().size(), expected().size());
    QTRY_COMPARE(drawn(), expected());
    // The stored line keeps its TABs.
    QVERIFY(sheet()[0].contains(QLatin1Char('\t')));
    QCOMPARE(SheetLine::expandTabs(QStringLiteral("Density\t\t\t7860")).indexOf('7'), 24);
}

void TestSheet::untickingHidesAndKeeps()
{
    m_window->show();
    click(m_window->lblElem[26]);
    click(m_window->Check1);
    QVERIFY(!m_window->PropsList->isVisible());
    QVERIFY(!m_window->Label5->isVisible());
    for (int i = 1; i < Morvik::TileCount; ++i) {
        QCOMPARE(m_window->lblElem[i]->cursor().shape(), Qt::ArrowCursor);
    }
    click(m_window->Label6[2]); // the check box's own text
    QVERIFY(m_window->Check1->isChecked());
    QVERIFY(m_window->PropsList->isVisible());
    QVERIFY(m_window->Label5->isVisible());
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Iron (Fe)"));
    QCOMPARE(sheet().size(), 22);
    for (int i = 1; i < Morvik::TileCount; ++i) {
        QCOMPARE(m_window->lblElem[i]->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(m_window->lblElem[0]->cursor().shape(), Qt::PointingHandCursor);
}

void TestSheet::untickedClickChangesNothing()
{
    click(m_window->lblElem[1]);
    click(m_window->Check1);
    click(m_window->lblElem[26]);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Hydrogen (H)"));
    QCOMPARE(sheet()[0], QStringLiteral("Name\t\t\tHydrogen"));
}

void TestSheet::hideShowFrame_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("visible");
    QTest::newRow("hide") << 0 << 2 << false;
    QTest::newRow("hide, show") << 0 << 1 << true;
    QTest::newRow("other values change nothing") << 2 << -1 << true;
    QTest::newRow("hidden stays hidden") << 0 << 7 << false;
}

void TestSheet::hideShowFrame()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, visible);
    m_window->show();
    m_window->HideShowFrame(first);
    m_window->HideShowFrame(second);
    for (QWidget *control : std::initializer_list<QWidget *>{
                 m_window->Label3, m_window->Option1[0], m_window->Option1[1], m_window->Check1,
                 m_window->Label6[0], m_window->Label6[1], m_window->Label6[2]}) {
        QCOMPARE(control->isVisible(), visible);
    }
    QVERIFY(m_window->Check1->isChecked()); // hiding never changes the value
}

void TestSheet::temperatureScales_data()
{
    QTest::addColumn<int>("scale"); // the option: 0 Celsius, 1 kelvin, 2 Fahrenheit
    QTest::addColumn<QStringList>("ironLines"); // boiling and melting point
    QTest::addColumn<QString>("hydrogenBoils");
    QTest::addColumn<QString>("caption"); // of the boiling point, in "Rank by" and the header
    QTest::addColumn<QString>("listed"); // hydrogen's boiling point in the column view
    QTest::newRow("°C, as stored")
            << 0 << QStringList{"Boiling point\t\t3000 C", "Melting point\t\t1536 C"}
            << "Boiling point\t\t-253 C"
            << "Boiling point [C]"
            << "-253";
    QTest::newRow("K") << 1 << QStringList{"Boiling point\t\t3273 K", "Melting point\t\t1809 K"}
                       << "Boiling point\t\t20 K"
                       << "Boiling point [K]"
                       << "20";
    QTest::newRow("°F") << 2 << QStringList{"Boiling point\t\t5432 F", "Melting point\t\t2797 F"}
                        << "Boiling point\t\t-423 F"
                        << "Boiling point [F]"
                        << "-423";
}

void TestSheet::temperatureScales()
{
    QFETCH(int, scale);
    QFETCH(QStringList, ironLines);
    QFETCH(QString, hydrogenBoils);
    QFETCH(QString, caption);
    QFETCH(QString, listed);
    click(m_window->lblElem[26]);
    // The sheet on show follows the choice at once; the other lines keep their units.
    click(m_window->units().optScale.at(static_cast<std::size_t>(scale)));
    QCOMPARE(sheet().mid(Module1::BoilingPoint - 1, 2), ironLines);
    QCOMPARE(sheet()[8], QStringLiteral("Latent ht. of vapor\t354.1 kJ/mol"));
    click(m_window->Label7);
    QFile exported(m_platform->tempDir.filePath(QStringLiteral("Properties.txt")));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains((ironLines[0] + "\r\n").toUtf8()));
    click(m_window->lblElem[1]);
    QCOMPARE(sheet()[Module1::BoilingPoint - 1], hydrogenBoils);
    QCOMPARE(m_window->Combo1->itemText(Module1::BoilingPoint - 1), caption);
    enterColumnView();
    QCOMPARE(m_window->command4[5]->text(), caption);
    QCOMPARE(column(5).first(), listed);
    // Back to Celsius: byte for byte the stored sheet again.
    click(m_window->Command1);
    click(m_window->units().optScale[0]);
    QCOMPARE(sheet()[Module1::BoilingPoint - 1], QStringLiteral("Boiling point\t\t-253 C"));
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
