// The element grid: tiles, group numbers, placement, class colours, tile captions, and the
// property sheet a tile click fills.

#include "window/morvik.h"

#include "colouring/chartcolouring.h"
#include "data/Module1.h"
#include "plot/trendplot.h"
#include "window/clicklabel.h"
#include "window/gridlayout.h"
#include "window/shown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace {

using Module1::ElemData;
using Module1::Property;
using Shown::text;

// Holds the wait cursor for as long as a handler runs.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QString className(Module1::ElementClass elementClass)
{
    switch (elementClass) {
    case Module1::ElementClass::Metalloid:
        return Morvik::tr("Metalloid");
    case Module1::ElementClass::NonMetal:
        return Morvik::tr("Non-metal");
    case Module1::ElementClass::Metal:
        break;
    }
    return Morvik::tr("Metal");
}

// What a screen reader says for a sheet line: "Atomic weight: 55.847 amu", not the TABs.
QString spokenLine(const QString &line)
{
    //: How a screen reader hears a sheet line: the label, then the value with its unit.
    return Morvik::tr("%1: %2").arg(line.section(QLatin1Char('\t'), 0, 0),
                                    line.section(QLatin1Char('\t'), -1));
}

} // namespace

void Morvik::layOutColumnView()
{
    const TwipsRect tile = m_parts.rect(lblElem[0]);
    const GridLayout::ColumnView view = GridLayout::columnView(tile.left, tile.width);
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        m_parts.place(command4[i],
                      {view.headerLeft[i], Design::command4Top, view.headerWidth[i],
                       Design::command4Height},
                      Part::ColumnView);
    }
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        m_parts.place(List1[i],
                      {view.listLeft[i], Design::List1Top, view.listWidth, Design::List1Height},
                      Part::ColumnView);
    }
    m_parts.place(
            HScroll1,
            {view.hScrollLeft, Design::HScroll1Top, view.hScrollWidth, Design::HScroll1Height},
            Part::ColumnView);
    m_parts.place(
            VScroll1,
            {view.vScrollLeft, Design::VScroll1Top, Design::VScroll1Width, Design::VScroll1Height},
            Part::ColumnView);
    // Raise each list above the one before, and the scroll bar above the last list.
    for (QListWidget *list : List1) {
        list->raise();
    }
    VScroll1->raise();
}

void Morvik::buildGroupNumbers()
{
    const TwipsRect tile = m_parts.rect(lblElem[0]);
    TwipsRect pattern = m_parts.rect(Label1[0]);
    pattern.left = tile.left;
    pattern.width = tile.width;
    m_parts.place(Label1[0], pattern, Part::Patterns);
    for (int g = 1; g < GroupCount; ++g) {
        auto *number = new QLabel(this);
        number->setObjectName(QStringLiteral("Label1(%1)").arg(g));
        number->setPalette(Label1[0]->palette());
        number->setAutoFillBackground(true);
        number->setFont(Label1[0]->font());
        number->setAlignment(Qt::AlignCenter);
        m_parts.place(number, pattern, Part::Chart);
        Label1[g] = number;
    }
    for (int g = 1; g < GroupCount; ++g) {
        Label1[g]->setText(QString::number(g));
    }
}

void Morvik::buildTiles()
{
    const TwipsRect pattern = m_parts.rect(lblElem[0]);
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        auto *tile = new ClickLabel(this);
        tile->setObjectName(QStringLiteral("lblElem(%1)").arg(i));
        tile->setPalette(lblElem[0]->palette());
        tile->setAutoFillBackground(true);
        tile->setFont(lblElem[0]->font());
        tile->setAlignment(lblElem[0]->alignment());
        tile->setCursor(lblElem[0]->cursor());
        m_parts.place(tile, pattern, Part::Chart);
        connect(tile, &ClickLabel::clicked, this, [this, i] { lblElem_Click(i); });
        lblElem[i] = tile;
    }
}

void Morvik::captionTiles(int option)
{
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (option == 0) {
            lblElem[i]->setText(text(ElemData[i][Property::Symbol]));
        } else if (option == 1) {
            lblElem[i]->setText(QString::number(i));
        }
    }
}

void Morvik::describeTile(int i)
{
    const QString name = Shown::tileName(i);
    QString tooltip = QLatin1Char(' ') + name;
    QString description = className(Module1::elementClass(i));
    if (const QString value = m_colouring->tileDescription(i); !value.isEmpty()) {
        tooltip += QLatin1Char('\n') + value;
        //: What a screen reader says of a tile on a coloured chart: "Metal, Density: 7860 kg/m^3".
        description = tr("%1, %2").arg(description, value);
    }
    lblElem[i]->setToolTip(tooltip);
    lblElem[i]->setAccessibleName(name);
    lblElem[i]->setAccessibleDescription(description);
}

void Morvik::sizeAndCentreWindow()
{
    // The width is that of 22 tiles; it is given to the client area, which a window manager
    // then frames, so the chart is never cut by a title bar or border.
    const double width = 22 * m_parts.rect(lblElem[0]).width;
    m_designSize = QSize(twips(width), height());
    resize(m_designSize);
    setMinimumSize(m_designSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Morvik::placeTiles()
{
    const TwipsRect pattern = m_parts.rect(lblElem[1]);
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        const auto at = GridLayout::tilePosition(i, pattern.width, pattern.height);
        m_parts.place(lblElem[i], {at.left, at.top, pattern.width, pattern.height}, Part::Chart);
    }
}

void Morvik::placeRowCaptions()
{
    const TwipsRect lanthanides = m_parts.rect(lblElem[58]);
    const TwipsRect actinides = m_parts.rect(lblElem[90]);
    const std::array<double, 2> tops{lanthanides.top + 100, actinides.top + 100};
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        TwipsRect caption = m_parts.rect(Label2[i]);
        caption.top = tops[i];
        caption.left = actinides.left - caption.width - 50;
        m_parts.place(Label2[i], caption, Part::Chart);
    }
}

void Morvik::placeGroupNumbers()
{
    const TwipsRect tile = m_parts.rect(lblElem[0]);
    const double firstRowTop = m_parts.rect(lblElem[1]).top;
    for (int g = 1; g < GroupCount; ++g) {
        TwipsRect number = m_parts.rect(Label1[g]);
        number.left = GridLayout::columnLeft(g, tile.width);
        number.top = firstRowTop - number.height - 25;
        m_parts.place(Label1[g], number, Part::Chart);
    }
}

void Morvik::colourTiles()
{
    for (const int i : Module1::Metalloids) {
        setTileColor(i, classColour(i));
    }
    for (const int i : Module1::NonMetals) {
        setTileColor(i, classColour(i));
    }
}

void Morvik::recolourTiles()
{
    // As a new Find does: the marks go first, so find.txt never holds the colours of an older
    // colouring.
    Command6_Click();
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        setTileColor(i, unmarkedColour(i));
        describeTile(i);
    }
}

QColor Morvik::unmarkedColour(int i) const
{
    return m_colouring->tileColour(i).value_or(classColour(i));
}

QColor Morvik::classColour(int i) const
{
    // Read from the legend's swatch, so a swatch and its class can never disagree.
    const auto swatch = static_cast<std::size_t>(Module1::elementClass(i));
    return Picture1.at(swatch)->palette().color(QPalette::Window);
}

QColor Morvik::tileColor(int index) const
{
    return lblElem.at(static_cast<std::size_t>(index))->palette().color(QPalette::Window);
}

void Morvik::setTileColor(int index, const QColor &color)
{
    // On the class colours a caption keeps the template's text colour; on a property's scale or
    // a state's colour, and on Find's red there, it takes whichever of dark and white reads
    // better.
    QPalette palette = lblElem[0]->palette();
    palette.setColor(QPalette::Window, color);
    if (!m_colouring->byClass()) {
        palette.setColor(QPalette::WindowText, fromBgr(Colouring::captionColour(toBgr(color))));
    }
    lblElem.at(static_cast<std::size_t>(index))->setPalette(palette);
    m_plot->recolour();
}

void Morvik::Option1_Click(int Index)
{
    const WaitCursor wait;
    captionTiles(Index);
}

void Morvik::lblElem_Click(int Index)
{
    if (Check1->isChecked()) {
        ShowProperties(Index);
    }
}

void Morvik::ShowProperties(int ElemNo)
{
    const QStringList lines = Shown::sheetLines(ElemNo);
    PropsList->clear();
    for (const QString &line : lines) {
        auto *item = new QListWidgetItem(line, PropsList);
        item->setData(Qt::AccessibleTextRole, spokenLine(line));
    }
    Label5->setText(Shown::sheetCaption(ElemNo));
}

int Morvik::elementOnShow() const
{
    // Its atomic number is the value of its third line, whatever the language.
    constexpr int NumberLine = Module1::AtomicNumber - 1;
    if (PropsList->count() <= NumberLine) {
        return 0;
    }
    return PropsList->item(NumberLine)->text().section(QLatin1Char('\t'), -1).toInt();
}

void Morvik::showTemperatureScale()
{
    for (int p = 1; p <= Module1::PropCount; ++p) {
        Combo1->setItemText(p - 1, Shown::caption(p));
    }
    captionHeaders();
    const int row = List1[0]->currentRow();
    fillColumns(m_listedOrder);
    List1[0]->setCurrentRow(row);
    if (const int shown = elementOnShow()) {
        ShowProperties(shown);
    }
    m_colouring->showTemperatureScale();
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        describeTile(i);
    }
    m_plot->replot();
}

QStringList Morvik::sheetOnShow() const
{
    QStringList lines;
    for (int i = 0; i < PropsList->count(); ++i) {
        lines << PropsList->item(i)->text();
    }
    return lines;
}
