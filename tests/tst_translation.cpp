// Morvik in German, French and Spanish: complete catalogues, the English window unchanged, and
// a translated window that reads, lines up and fits.

#include "colouring/chartcolouring.h"
#include "data/Module1.h"
#include "units/temperatureunits.h"
#include "window/captionfit.h"
#include "window/clicklabel.h"
#include "window/shown.h"
#include "window/translation.h"
#include "window/wrapbutton.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringView>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <optional>

namespace {

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one, or each plural form
    bool finished;
};

QList<Message> catalogue(const QString &language)
{
    QFile file(QStringLiteral(MORVIK_TRANSLATIONS_DIR "/morvik_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, true});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Message &message = messages.last();
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            // Its text, or its plural forms one by one.
            QString text;
            while (!(xml.readNext() == QXmlStreamReader::EndElement
                     && xml.name() == QLatin1String("translation"))
                   && !xml.atEnd()) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    message.translations << xml.readElementText();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                }
            }
            if (message.translations.isEmpty()) {
                message.translations << text;
            }
        }
    }
    return messages;
}

// What a text must keep in every language: its placeholders and its line breaks.
QStringList skeleton(const QString &text)
{
    QStringList parts;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const auto &match : placeholder.globalMatch(text)) {
        parts << match.captured();
    }
    parts.sort();
    parts << QString::number(text.count(QLatin1Char('\n')));
    return parts;
}

// Whether a caption laid out in lines of width pixels keeps its bracketed unit on one line.
bool unitOnOneLine(const QString &caption, const QFont &font, int width)
{
    const qsizetype open = caption.indexOf(QLatin1Char('['));
    if (open < 0) {
        return true;
    }
    QTextLayout layout(caption, font);
    QTextOption wrap(Qt::AlignCenter);
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (line.textStart() <= open && open < line.textStart() + line.textLength()) {
            layout.endLayout();
            return caption.indexOf(QLatin1Char(']'), open) < line.textStart() + line.textLength();
        }
    }
    layout.endLayout();
    return false;
}

// The cells a text takes in a text editor, counted here on their own: a Chinese or Japanese
// character two, any other one.
int editorCells(const QString &text)
{
    int cells = 0;
    for (const char32_t c : QStringView(text).toUcs4()) {
        cells += c >= 0x2E80 && c <= 0xFFE6 ? 2 : 1;
    }
    return cells;
}

// Every language Morvik speaks besides English, one row each: its catalogue, a locale of it,
// and iron as a window in it shows and finds it.
void addLanguages()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("iron"); // the sheet's heading
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("answer"); // that finds iron by its shown name
    const auto row = [](const char *language, const char *locale, const QString &heading,
                        const QString &tooltip, const QString &answer) {
        QTest::newRow(language) << QString::fromLatin1(language) << QString::fromLatin1(locale)
                                << heading << tooltip << answer;
    };
    row("de", "de_DE", "Eisen (Fe)", " 26. Eisen (Fe)", "eis");
    row("fr", "fr_FR", "Fer (Fe)", " 26. Fer (Fe)", "fer");
    row("es", "es_ES", "Hierro (Fe)", " 26. Hierro (Fe)", "hier");
    row("it", "it_IT", "Ferro (Fe)", " 26. Ferro (Fe)", "ferr");
    row("pt_BR", "pt_BR", "Ferro (Fe)", " 26. Ferro (Fe)", "ferr");
    row("nl", "nl_NL", "IJzer (Fe)", " 26. IJzer (Fe)", "ijz");
    row("pl", "pl_PL", "Żelazo (Fe)", " 26. Żelazo (Fe)", "żel");
    row("ru", "ru_RU", "Железо (Fe)", " 26. Железо (Fe)", "жел");
    row("uk", "uk_UA", "Залізо (Fe)", " 26. Залізо (Fe)", "зал");
    row("zh_CN", "zh_CN", "铁（Fe）", " 26. 铁（Fe）", "铁");
    row("ja", "ja_JP", "鉄（Fe）", " 26. 鉄（Fe）", "鉄");
}

} // namespace

class TestTranslation : public WindowTest
{
    Q_OBJECT

private slots:
    void catalogueComplete_data();
    void catalogueComplete();
    void englishUnchanged();
    void englishTabsFollowTheRule();
    void translatedWindow_data();
    void translatedWindow();
    void translatedSheetLinesUp_data();
    void translatedSheetLinesUp();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void mendedUnitsInEveryLanguage_data();
    void mendedUnitsInEveryLanguage();
    void ironInEveryLanguage_data();
    void ironInEveryLanguage();
    void preferredEnglishWins();
    void findsShownNames_data();
    void findsShownNames();
    void columnViewFindsWholeNames_data();
    void columnViewFindsWholeNames();
    void namesSortAsTheLanguageSorts();
};

void TestTranslation::catalogueComplete_data()
{
    addLanguages();
}

void TestTranslation::catalogueComplete()
{
    QFETCH(QString, language);
    const QList<Message> messages = catalogue(language);
    QVERIFY(messages.size() > 150);
    int elements = 0;
    for (const Message &message : messages) {
        const QString where = message.context + QLatin1String(": ") + message.source;
        QVERIFY2(message.finished && !message.translations.value(0).isEmpty(), qPrintable(where));
        for (const QString &translation : message.translations) {
            QVERIFY2(skeleton(translation) == skeleton(message.source), qPrintable(where));
        }
        elements += message.context == QLatin1String("Element");
    }
    QCOMPARE(elements, Module1::ElemCount);
}

void TestTranslation::englishUnchanged()
{
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        QStringList stored;
        for (const std::string &line : Module1::SheetLines(i)) {
            stored << QString::fromStdString(line);
        }
        QCOMPARE(Shown::sheetLines(i), stored);
        const auto &row = Module1::ElemData[i];
        QCOMPARE(Shown::sheetCaption(i),
                 QString::fromStdString(row[Module1::Name] + " (" + row[Module1::Symbol] + ")"));
        QCOMPARE(Shown::name(i), QString::fromStdString(Module1::ElemData[i][Module1::Name]));
    }
}

void TestTranslation::englishTabsFollowTheRule()
{
    // The rule that lines up a translated sheet gives the English labels their own TAB counts.
    int longest = 0;
    for (int p = 1; p <= Module1::PropCount; ++p) {
        longest = std::max(longest, int(qstrlen(Module1::propertyInfo(p).label)));
    }
    for (int p = 1; p <= Module1::PropCount; ++p) {
        const Module1::PropertyInfo &info = Module1::propertyInfo(p);
        QCOMPARE(Shown::sheetTabs(int(qstrlen(info.label)), longest), info.tabs);
    }
}

void TestTranslation::translatedWindow_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("promptStart");
    QTest::addColumn<QString>("ironCaption");
    QTest::addColumn<QString>("ironTooltip");
    QTest::addColumn<QString>("cancel"); // Qt's own button, from Qt's own catalogue
    QTest::addColumn<QString>("kelvin"); // beside the temperature box
    QTest::newRow("de") << "de_DE"
                        << "Suchen"
                        << "Ganz"
                        << "Eisen (Fe)"
                        << " 26. Eisen (Fe)"
                        << "Abbrechen"
                        << "298,15 K";
    QTest::newRow("fr") << "fr_FR"
                        << "Chercher"
                        << "Saisissez"
                        << "Fer (Fe)"
                        << " 26. Fer (Fe)"
                        << "Annuler"
                        << "298,15 K";
    QTest::newRow("es") << "es_ES"
                        << "Buscar"
                        << "Escriba"
                        << "Hierro (Fe)"
                        << " 26. Hierro (Fe)"
                        << "Cancelar"
                        << "298,15 K";
}

void TestTranslation::translatedWindow()
{
    QFETCH(QString, locale);
    QFETCH(QString, find);
    QFETCH(QString, promptStart);
    QFETCH(QString, ironCaption);
    QFETCH(QString, ironTooltip);
    QFETCH(QString, cancel);
    QFETCH(QString, kelvin);
    const Translation translation{QLocale(locale)};
    QCOMPARE(Translation::installed(), locale.left(2));
    // The dialogs' buttons speak the language too (Debian's qt6-translations-l10n).
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    rebuildWindow();
    QCOMPARE(m_window->Command5->text(), find);
    QCOMPARE(m_window->lblElem[26]->toolTip(), ironTooltip);
    click(m_window->lblElem[26]);
    QCOMPARE(m_window->Label5->text(), ironCaption);
    QCOMPARE(sheet().first().section(QLatin1Char('\t'), -1), ironCaption.section(' ', 0, 0));
    this->find(QStringLiteral("fe"));
    QVERIFY2(m_platform->prompts.first().prompt.startsWith(promptStart),
             qPrintable(m_platform->prompts.first().prompt));
    ChartColouring &colouring = m_window->colouring();
    colouring.cboColourBy->setCurrentIndex(colouring.cboColourBy->count() - 1);
    QCOMPARE(colouring.lblKelvin->text(), kelvin);
    enterColumnView();
    QCOMPARE(m_window->Command1->text() == QStringLiteral("Table format"), false);
}

void TestTranslation::translatedSheetLinesUp_data()
{
    addLanguages();
}

void TestTranslation::translatedSheetLinesUp()
{
    // As a text editor shows the exported file: every value in one column, counted in cells.
    QFETCH(QString, locale);
    const Translation translation{QLocale(locale)};
    for (int i : {1, 26, 89, 109}) {
        const QStringList lines = Shown::sheetLines(i);
        QCOMPARE(lines.size(), Module1::PropCount);
        const auto column = [](const QString &line) {
            int cells = editorCells(line.section(QLatin1Char('\t'), 0, 0));
            for (int t = 0; t < line.count(QLatin1Char('\t')); ++t) {
                cells = (cells / 8 + 1) * 8;
            }
            return cells;
        };
        const int first = column(lines.first());
        QCOMPARE(first % 8, 0);
        for (const QString &line : lines) {
            QVERIFY2(column(line) == first, qPrintable(line));
            QVERIFY(column(line) > editorCells(line.section(QLatin1Char('\t'), 0, 0)));
        }
    }
}

void TestTranslation::captionsFitTheirControls_data()
{
    addLanguages();
    QTest::newRow("en") << "en"
                        << "C" << QString() << QString() << QString();
}

void TestTranslation::captionsFitTheirControls()
{
    QFETCH(QString, locale);
    const Translation translation{QLocale(locale)};
    rebuildWindow();
    struct Caption
    {
        QWidget *control;
        QString text;
        int room;
    };
    QList<Caption> captions;
    m_window->colouring().cboColourBy->setCurrentIndex(1); // builds the legend of a property
    for (QLabel *label :
         {m_window->Label2[0], m_window->Label2[1], m_window->Legend[0], m_window->Legend[1],
          m_window->Legend[2], m_window->Label4, m_window->Label3, m_window->lblRankBy,
          m_window->colouring().lblColourBy, m_window->colouring().lblScaleLog,
          m_window->colouring().lblNoData, m_window->units().lblTemperaturesIn}) {
        captions.append({label, label->text(), label->width()});
    }
    for (ClickLabel *label :
         {m_window->Label6[0], m_window->Label6[1], m_window->Label6[2], m_window->Label7}) {
        captions.append({label, label->text(), label->width()});
    }
    for (QPushButton *button : {m_window->Command5, m_window->Command6, m_window->Command1}) {
        captions.append({button, button->text(), CaptionFit::buttonRoom(button)});
    }
    QStyleOptionButton box;
    box.initFrom(m_window->colouring().chkLog);
    const QRect boxText = m_window->style()->subElementRect(QStyle::SE_CheckBoxContents, &box,
                                                            m_window->colouring().chkLog);
    captions.append(
            {m_window->colouring().chkLog, m_window->colouring().chkLog->text(), boxText.width()});
    m_window->colouring().cboColourBy->setFocus();
    QTest::keyClick(m_window->colouring().cboColourBy, Qt::Key_End); // the states and their legend
    for (QLabel *label : m_window->colouring().lblState) {
        captions.append({label, label->text(), label->width()});
    }
    enterColumnView();
    captions.append({m_window->Command1, m_window->Command1->text(),
                     CaptionFit::buttonRoom(m_window->Command1)});
    // The headers wrap their captions: every property's must fit a header in width and height.
    QStringList tooWide;
    auto *header = static_cast<WrapButton *>(m_window->command4[1]);
    const QRect inside = header->captionBox();
    for (int p = 1; p <= Module1::PropCount; ++p) {
        // In the font the header draws the caption in, shrunk to fit as far as the floor.
        header->setText(Shown::caption(p));
        const QFont font = header->captionFont();
        const QString drawn = WrapButton::keepUnitsWhole(Shown::caption(p));
        const QRect wrapped =
                QFontMetrics(font).boundingRect(inside, Qt::AlignCenter | Qt::TextWordWrap, drawn);
        if (!unitOnOneLine(drawn, font, inside.width())) {
            tooWide << QStringLiteral("header \"%1\" breaks its unit").arg(Shown::caption(p));
        }
        if (wrapped.width() > inside.width() || wrapped.height() > inside.height()) {
            tooWide << QStringLiteral("header \"%1\": %2x%3 pixels, room %4x%5")
                               .arg(Shown::caption(p))
                               .arg(wrapped.width())
                               .arg(wrapped.height())
                               .arg(inside.width())
                               .arg(inside.height());
        }
    }
    for (const Caption &caption : captions) {
        // In the font the control draws with: the window shrinks a caption no further than
        // the floor, and one it never fitted is drawn cut off.
        const int width = caption.control->fontMetrics().horizontalAdvance(caption.text);
        if (width > caption.room) {
            tooWide << QStringLiteral("%1 \"%2\": %3 pixels, room %4")
                               .arg(caption.control->objectName(), caption.text)
                               .arg(width)
                               .arg(caption.room);
        }
    }
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1String("; "))));
}

void TestTranslation::mendedUnitsInEveryLanguage_data()
{
    captionsFitTheirControls_data();
}

void TestTranslation::mendedUnitsInEveryLanguage()
{
    // The latent heats are per mole, the conductivity in 10^6 S/cm and the heat capacity per
    // kilogram: no text says otherwise, in any language.
    QFETCH(QString, locale);
    const Translation translation{QLocale(locale)};
    const QStringList iron = Shown::sheetLines(26);
    const std::array<std::pair<int, QString>, 4> mended{
            {{Module1::LatentHeatOfVapor, "kJ/mol"},
             {Module1::LatentHeatOfFusion, "kJ/mol"},
             {Module1::ElectricalConductivity, "10^6/ohm-cm"},
             {Module1::SpecificHeatCapacity, "kJ/kg-C"}}};
    for (const auto &[p, unit] : mended) {
        QVERIFY2(Shown::caption(p).endsWith(" [" + unit + ']'), qPrintable(Shown::caption(p)));
        QVERIFY2(iron[p - 1].endsWith(' ' + unit), qPrintable(iron[p - 1]));
    }
    static const QRegularExpression wrong(QStringLiteral("abmho|(^|[^k])J/kg|kJ/kg(?!-C)"));
    QStringList texts = iron;
    for (int p = 1; p <= Module1::PropCount; ++p) {
        texts << Shown::caption(p) << Shown::label(p);
    }
    QFETCH(QString, language);
    for (const Message &message : catalogue(language)) {
        texts << message.translations;
    }
    for (const QString &text : std::as_const(texts)) {
        QVERIFY2(!wrong.match(text).hasMatch(), qPrintable(text));
    }
}

void TestTranslation::ironInEveryLanguage_data()
{
    addLanguages();
}

void TestTranslation::ironInEveryLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, iron);
    QFETCH(QString, tooltip);
    QFETCH(QString, answer);
    const Translation translation{QLocale(locale)};
    rebuildWindow();
    QCOMPARE(m_window->lblElem[26]->toolTip(), tooltip);
    click(m_window->lblElem[26]);
    QCOMPARE(m_window->Label5->text(), iron);
    QVERIFY(sheet().first().endsWith(Shown::name(26)));
    // Its crystal structure and application in the language too.
    for (const int p : {Module1::CrystalStructure, Module1::Applications}) {
        const QString stored = QString::fromStdString(Module1::ElemData[26][p]);
        QVERIFY2(!sheet()[p - 1].endsWith(stored), qPrintable(sheet()[p - 1]));
    }
    find(answer);
    QVERIFY2(tilesColoured(Palette::Found).contains(26), qPrintable(answer));
}

void TestTranslation::preferredEnglishWins()
{
    // English first, German second: the program's own language.
    const Translation translation{QLocale(QStringLiteral("en_GB"))};
    QVERIFY(Translation::installed().isEmpty());
    rebuildWindow();
    QCOMPARE(m_window->Command5->text(), QStringLiteral("Find"));
}

void TestTranslation::findsShownNames_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<ElementSet>("marked");
    QTest::newRow("de: the shown name") << "de_DE"
                                        << "eis" << ElementSet{26};
    QTest::newRow("de: the English name still") << "de_DE"
                                                << "iron" << ElementSet{26};
    QTest::newRow("es: accents ignored") << "es_ES"
                                         << "fosforo" << ElementSet{15};
    QTest::newRow("es: accents typed") << "es_ES"
                                       << "Fósf" << ElementSet{15};
    QTest::newRow("fr: shown and English names") << "fr_FR"
                                                 << "fer" << ElementSet{26, 100};
    QTest::newRow("fr: symbols as stored") << "fr_FR"
                                           << "fe" << ElementSet{26, 100};
    QTest::newRow("en: no accent folding") << "C"
                                           << "é" << ElementSet{};
}

void TestTranslation::findsShownNames()
{
    QFETCH(QString, locale);
    QFETCH(QString, answer);
    QFETCH(ElementSet, marked);
    const Translation translation{QLocale(locale)};
    rebuildWindow();
    find(answer);
    QCOMPARE(tilesColoured(Palette::Found), marked);
}

void TestTranslation::columnViewFindsWholeNames_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("row"); // selected afterwards
    QTest::addColumn<int>("warnings");
    QTest::newRow("shown name") << "Eisen" << 25 << 0;
    QTest::newRow("English name") << "IRON" << 25 << 0;
    QTest::newRow("shown name, any case") << "NATRIUM" << 10 << 0;
    QTest::newRow("symbol") << "Fe" << 25 << 0;
    QTest::newRow("part of a name") << "eis" << 0 << 1;
}

void TestTranslation::columnViewFindsWholeNames()
{
    QFETCH(QString, answer);
    QFETCH(int, row);
    QFETCH(int, warnings);
    const Translation translation{QLocale(QStringLiteral("de_DE"))};
    rebuildWindow();
    m_window->show();
    enterColumnView();
    find(answer);
    QCOMPARE(m_platform->messages.size(), warnings);
    QCOMPARE(selectedRows(), QList<int>(6, row));
}

void TestTranslation::namesSortAsTheLanguageSorts()
{
    const Translation translation{QLocale(QStringLiteral("de_DE"))};
    rebuildWindow();
    m_window->show();
    enterColumnView();
    click(m_window->command4[0]);
    const QStringList names = column(0);
    QCOMPARE(names.size(), Module1::ElemCount);
    QCollator german{QLocale(QStringLiteral("de_DE"))};
    german.setCaseSensitivity(Qt::CaseInsensitive);
    for (int row = 1; row < names.size(); ++row) {
        QVERIFY2(german.compare(names[row - 1], names[row]) < 0, qPrintable(names[row]));
    }
    QVERIFY(names.contains(QStringLiteral("Eisen")));
    click(m_window->command4[0]);
    QCOMPARE(column(0).first(), names.last());
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
