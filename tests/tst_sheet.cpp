// The property sheet as the user sees it, and the options that switch it.

#include "fakeplatform.h"
#include "window/clicklabel.h"
#include "window/morvik.h"
#include "window/tabdelegate.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickShowsSheet();
    void secondClickReplaces();
    void valuesDrawnAtColumn24();
    void untickingHidesAndKeeps();
    void untickedClickChangesNothing();
    void hideShowFrame_data();
    void hideShowFrame();

private:
    QStringList sheet() const;

    FakePlatform *m_platform = nullptr;
    Morvik *m_window = nullptr;
};

void TestSheet::init()
{
    m_platform = new FakePlatform;
    m_window = new Morvik(*m_platform);
}

void TestSheet::cleanup()
{
    delete m_window;
    delete m_platform;
}

QStringList TestSheet::sheet() const
{
    QStringList lines;
    for (int i = 0; i < m_window->PropsList->count(); ++i) {
        lines << m_window->PropsList->item(i)->text();
    }
    return lines;
}

void TestSheet::clickShowsSheet()
{
    QTest::mouseClick(m_window->lblElem[26], Qt::LeftButton);
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Iron (Fe)"));
    const QStringList lines = sheet();
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[0], QStringLiteral("Name\t\t\tIron"));
    QCOMPARE(lines[3], QStringLiteral("Atomic weight\t\t55.847 amu"));
    QCOMPARE(lines[21], QStringLiteral("Applications\t\tTools"));
}

void TestSheet::secondClickReplaces()
{
    QTest::mouseClick(m_window->lblElem[1], Qt::LeftButton);
    QTest::mouseClick(m_window->lblElem[1], Qt::LeftButton);
    QCOMPARE(sheet().size(), 22);
    QTest::mouseClick(m_window->lblElem[89], Qt::LeftButton);
    QCOMPARE(sheet().size(), 22);
    QCOMPARE(sheet()[10], QStringLiteral("Electrical conduct.\t abmho"));
    QCOMPARE(m_window->Label5->text(), QStringLiteral("Actinium (Ac)"));
}

void TestSheet::valuesDrawnAtColumn24()
{
    // Draw the sheet, then the same lines with the TABs written out as blanks to column 24, in
    // a plain list of the same font and size: the pixels must be the same.
    m_window->show();
    QTest::mouseClick(m_window->lblElem[26], Qt::LeftButton);
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
    QTest::qWait(50); // let both lists lay out their scroll bars
    const QImage drawn = m_window->PropsList->viewport()->grab().toImage();
    const QImage expected = reference.viewport()->grab().toImage();
    QCOMPARE(drawn.size(), expected.size());
    QCOMPARE(drawn, expected);
    // The stored line keeps its TABs.
    QVERIFY(sheet()[0].contains(QLatin1Char('\t')));
    QCOMPARE(TabExpandingDelegate::expandTabs(QStringLiteral("Density\t\t\t7860")).indexOf('7'),
             24);
}

void TestSheet::untickingHidesAndKeeps()
{
    m_window->show();
    QTest::mouseClick(m_window->lblElem[26], Qt::LeftButton);
    m_window->Check1->click();
    QVERIFY(!m_window->PropsList->isVisible());
    QVERIFY(!m_window->Label5->isVisible());
    for (int i = 1; i < Morvik::TileCount; ++i) {
        QCOMPARE(m_window->lblElem[i]->cursor().shape(), Qt::ArrowCursor);
    }
    QTest::mouseClick(m_window->Label6[2], Qt::LeftButton); // the check box's own text
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
    QTest::mouseClick(m_window->lblElem[1], Qt::LeftButton);
    m_window->Check1->click();
    QTest::mouseClick(m_window->lblElem[26], Qt::LeftButton);
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

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
