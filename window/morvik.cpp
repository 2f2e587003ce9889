#include "morvik.h"

#include "colouring/chartcolouring.h"
#include "columns/roworder.h"
#include "data/Module1.h"
#include "plot/trendplot.h"
#include "units/temperatureunits.h"
#include "window/captionfit.h"
#include "window/clicklabel.h"
#include "window/shown.h"
#include "window/surface.h"
#include "window/tabdelegate.h"
#include "window/textrowdelegate.h"
#include "window/wrapbutton.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Measured rather than asked: some monospaced fonts do not declare themselves fixed-pitch.
bool monospaced(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int cell = metrics.horizontalAdvance(QLatin1Char('W'));
    return metrics.horizontalAdvance(QLatin1Char('i')) == cell
           && metrics.horizontalAdvance(QLatin1Char(' ')) == cell
           && metrics.horizontalAdvance(QLatin1Char('-')) == cell;
}

// "Courier New" 9 pt where it is installed, else the system's fixed-width font at that size.
QFont listFont()
{
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).family() == font.family() && monospaced(font)) {
        return font;
    }
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    if (!monospaced(font)) {
        font = QFont(QStringLiteral("DejaVu Sans Mono"), 9);
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

} // namespace

Morvik::Morvik(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_parts(*this)
    , m_listedOrder(RowOrder::byNumber())
{
    setupWindow();
    setupLegend();
    setupColouring();
    setupPlot();
    setupColumnView();
    setupOptions();
    setupUnits();
    setupSheet();
    setupButtons();
    setupWorkLists();
    setupGrid();
    connectHandlers();
    Form_Load();
    setupActions();
    setupMenus();
    setupZoom();
    m_parts.linkTabOrder();
}

Morvik::~Morvik() = default;

void Morvik::setupWindow()
{
    setObjectName(QStringLiteral("Morvik"));
    setWindowTitle(Title);
    Surface::setBackground(this, Colors::WindowBack);
    // The chart's surfaces keep their light design colours under a dark desktop theme too, so
    // the text on them keeps the design's dark colour; every control inherits it from here.
    Surface::setText(this, Colors::DesignText);
    QFont base = font();
    base.setPointSize(8);
    setFont(base);
    resize(Design::ClientArea.toPixels().size());
}

void Morvik::setupGrid()
{
    lblElem[0] = new ClickLabel(this);
    lblElem[0]->setObjectName(arrayName("lblElem", 0));
    m_parts.place(lblElem[0], Design::lblElem0, Part::Patterns);
    Surface::setBackground(lblElem[0], Colors::Metal);
    lblElem[0]->setAlignment(Qt::AlignCenter);
    lblElem[0]->setCursor(Qt::PointingHandCursor);

    Label1[0] = new QLabel(QStringLiteral("#"), this);
    Label1[0]->setObjectName(arrayName("Label1", 0));
    m_parts.place(Label1[0], Design::Label1_0, Part::Patterns);
    Surface::setBackground(Label1[0], Colors::GroupNumberBack);
    Surface::setForeground(Label1[0], Colors::GroupNumberFore);

    const std::array<QString, 2> rowTexts{
            //: Caption of the detached row 58-71, bold; room for about 13 characters.
            tr("Lanthanides"),
            //: Caption of the detached row 90-103, bold; room for about 10 characters.
            tr("Actinides")};
    for (int i = 0; i < 2; ++i) {
        Label2[i] = new QLabel(rowTexts[i], this);
        Label2[i]->setObjectName(arrayName("Label2", i));
        QFont bold = Label2[i]->font();
        bold.setBold(true);
        Label2[i]->setFont(bold);
        m_parts.place(Label2[i], Design::Label2[i], Part::Chart);
        CaptionFit::fit(Label2[i], {rowTexts[i]}, Label2[i]->width());
    }
}

void Morvik::setupLegend()
{
    const std::array<QString, Module1::ClassCount> legendTexts{
            //: Legend beside the metals' swatch; room for about 6 characters.
            tr("Metals"),
            //: Legend beside the metalloids' swatch; room for about 10 characters.
            tr("Metalloids"),
            //: Legend beside the non-metals' swatch; room for about 11 characters.
            tr("Non-metals")};
    for (int i = 0; i < Module1::ClassCount; ++i) {
        Picture1[i] = new QFrame(this);
        Picture1[i]->setObjectName(arrayName("Picture1", i));
        Picture1[i]->setFrameShape(QFrame::Box);
        m_parts.place(Picture1[i], Design::Picture1[i], Part::ClassLegend);
        Surface::setBackground(Picture1[i], Colors::ClassSwatches[i]);

        Legend[i] = new QLabel(legendTexts[i], this);
        Legend[i]->setObjectName(arrayName("Legend", i));
        m_parts.place(Legend[i], Design::Legend[i], Part::ClassLegend);
        CaptionFit::fit(Legend[i], {legendTexts[i]}, Legend[i]->width());
    }
}

void Morvik::setupColouring()
{
    m_colouring = new ChartColouring(*this, m_parts);
    connect(m_colouring, &ChartColouring::changed, this, &Morvik::recolourTiles);
}

void Morvik::setupPlot()
{
    m_plot = new TrendPlot(*this, m_parts, m_platform, [this](int i) { return tileColor(i); });
    connect(m_plot, &TrendPlot::switchRequested, this, &Morvik::switchPlot);
    connect(m_plot, &TrendPlot::elementChosen, this, [this](int i) { lblElem_Click(i); });
}

void Morvik::setupColumnView()
{
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    //: What the ranking list shows before a choice; room for about 30 characters.
    Combo1->setPlaceholderText(tr("Choose a property"));
    //: Caption of the ranking list in the column view; room for about 9 characters.
    Combo1->setAccessibleName(tr("Rank by"));
    lblRankBy = new QLabel(Combo1->accessibleName(), this);
    lblRankBy->setObjectName(QStringLiteral("lblRankBy"));
    m_parts.place(lblRankBy, Design::lblRankBy, Part::Ranking);
    lblRankBy->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CaptionFit::fit(lblRankBy, {lblRankBy->text()}, lblRankBy->width());
    lblRankBy->setBuddy(Combo1);
    m_parts.place(Combo1, Design::Combo1, Part::Ranking);

    Label4 = new QLabel(
            //: The column view's hint, one line; room for about 80 characters.
            tr("Click on a button to sort list by that property. Click again to sort in reverse "
               "order."),
            this);
    Label4->setObjectName(QStringLiteral("Label4"));
    m_parts.place(Label4, Design::Label4, Part::ColumnView);
    CaptionFit::fit(Label4, {Label4->text()}, Label4->width());

    // Form_Load places the headers, the lists and the scroll bars from the template tile.
    m_command4Group = new QButtonGroup(this);
    for (int i = 0; i < ColumnCount; ++i) {
        command4[i] = new WrapButton(this);
        command4[i]->setObjectName(arrayName("command4", i));
        m_command4Group->addButton(command4[i], i);
    }
    for (int i = 0; i < ColumnCount; ++i) {
        List1[i] = new QListWidget(this);
        List1[i]->setObjectName(arrayName("List1", i));
        List1[i]->setFont(listFont());
        List1[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        List1[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        List1[i]->setUniformItemSizes(true);
        List1[i]->setItemDelegate(new TextRowDelegate(List1[i]));
        Surface::setBackground(List1[i],
                               i == 0 ? Colors::FirstColumnBack : Colors::OtherColumnBack);
    }

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(0, Design::HScroll1Max);
    HScroll1->setPageStep(Design::HScroll1PageStep);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(0, Design::VScroll1Max);
}

void Morvik::setupOptions()
{
    //: Caption of the two options below it; room for about 18 characters.
    Label3 = new QLabel(tr("Show elements by"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    m_parts.place(Label3, Design::Label3, Part::Options);
    CaptionFit::fit(Label3, {Label3->text()}, Label3->width());

    m_option1Group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(this);
        Option1[i]->setObjectName(arrayName("Option1", i));
        m_parts.place(Option1[i], Design::Option1[i], Part::Options);
        m_option1Group->addButton(Option1[i], i);
    }
    Option1[0]->setChecked(true);

    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    m_parts.place(Check1, Design::Check1, Part::Options);
    Check1->setChecked(true);

    const std::array<QString, 3> texts{
            //: Option: the tiles show symbols; room for about 7 characters.
            tr("Symbol"),
            //: Option: the tiles show atomic numbers; room for about 15 characters.
            tr("Atomic number"),
            //: Check box: a tile click shows the sheet; room for about 29 characters.
            tr("Display properties on clicking")};
    for (int i = 0; i < 3; ++i) {
        Label6[i] = new ClickLabel(texts[i], this);
        Label6[i]->setObjectName(arrayName("Label6", i));
        m_parts.place(Label6[i], Design::Label6[i], Part::Options);
        CaptionFit::fit(Label6[i], {texts[i]}, Label6[i]->width());
    }
    Option1[0]->setAccessibleName(texts[0]);
    Option1[1]->setAccessibleName(texts[1]);
    Check1->setAccessibleName(texts[2]);
}

void Morvik::setupUnits()
{
    m_units = new TemperatureUnits(*this, m_parts);
    m_units->matchFonts(Label3->font(), Label6[0]->font());
    connect(m_units, &TemperatureUnits::changed, this, &Morvik::showTemperatureScale);
}

void Morvik::setupSheet()
{
    //: Link that writes the sheet to a file and opens it; room for about 9 characters.
    Label7 = new ClickLabel(tr("Export"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    m_parts.place(Label7, Shown::translated() ? Design::Label7Translated : Design::Label7,
                  Part::Sheet);
    Surface::setForeground(Label7, Colors::ExportFore);
    Label7->setCursor(Qt::PointingHandCursor);
    CaptionFit::fit(Label7, {Label7->text()}, Label7->width());

    //: Heading of the sheet before an element is chosen.
    Label5 = new QLabel(tr("Properties"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont bold = Label5->font();
    bold.setBold(true);
    Label5->setFont(bold);
    m_parts.place(Label5, Design::Label5, Part::Sheet);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    PropsList = new QListWidget(this);
    PropsList->setObjectName(QStringLiteral("PropsList"));
    m_parts.place(PropsList, Design::PropsList, Part::SheetList);
    PropsList->setFont(listFont());
    PropsList->setItemDelegate(new TabExpandingDelegate(PropsList));
    PropsList->setUniformItemSizes(true);
    Surface::setBackground(PropsList, Colors::SheetBack);
}

void Morvik::setupButtons()
{
    // Each button's captions, the first shown at start: Command1 offers either view in turn.
    const std::array<QStringList, 3> captions{
            //: Button; room for about 10 characters.
            QStringList{tr("Find")},
            //: Button that takes Find's red marks away; room for about 10 characters.
            QStringList{tr("Refresh")}, QStringList{columnFormat(), tableFormat()}};
    const std::array<TwipsRect, 3> rects{Design::Command5, Design::Command6, Design::Command1};
    const std::array<QPushButton **, 3> buttons{&Command5, &Command6, &Command1};
    const std::array<QString, 3> names{QStringLiteral("Command5"), QStringLiteral("Command6"),
                                       QStringLiteral("Command1")};
    for (std::size_t i = 0; i < 3; ++i) {
        *buttons[i] = new QPushButton(captions[i].first(), this);
        (*buttons[i])->setObjectName(names[i]);
        m_parts.place(*buttons[i], rects[i], Part::Buttons);
        CaptionFit::fit(*buttons[i], captions[i], CaptionFit::buttonRoom(*buttons[i]));
    }
}

void Morvik::setupWorkLists()
{
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    m_parts.place(List2, Design::List2, Part::Patterns);

    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    m_parts.place(List3, Design::List3, Part::Patterns);
}

void Morvik::connectHandlers()
{
    connect(m_option1Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            Option1_Click(id);
        }
    });
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Label6[0], &ClickLabel::clicked, Option1[0], &QRadioButton::click);
    connect(Label6[1], &ClickLabel::clicked, Option1[1], &QRadioButton::click);
    connect(Label6[2], &ClickLabel::clicked, Check1, &QCheckBox::click);

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(m_command4Group, &QButtonGroup::idClicked, this,
            [this](int id) { command4_Click(id); });
    for (int i = 0; i < ColumnCount; ++i) {
        connect(List1[i], &QListWidget::currentRowChanged, this, [this, i] { List1_Click(i); });
        // The lists scroll as one, so a row always lines up across the six columns.
        for (int j = 0; j < ColumnCount; ++j) {
            if (j != i) {
                connect(List1[i]->verticalScrollBar(), &QScrollBar::valueChanged,
                        List1[j]->verticalScrollBar(), &QScrollBar::setValue);
            }
        }
    }
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Label7, &ClickLabel::clicked, this, [this] { Label7_Click(); });
}

void Morvik::Form_Load()
{
    Module1::LoadElemData();
    fillPropertyList();
    for (int i = 0; i < ColumnCount; ++i) {
        command4[i]->setText(Combo1->itemText(i));
    }
    layOutColumnView();
    buildGroupNumbers();
    buildTiles();
    captionTiles(m_option1Group->checkedId());
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        describeTile(i);
    }
    sizeAndCentreWindow();
    placeTiles();
    placeRowCaptions();
    placeGroupNumbers();
    colourTiles();
}

void Morvik::fillPropertyList()
{
    Combo1->clear();
    for (int p = 1; p <= Module1::PropCount; ++p) {
        Combo1->addItem(Shown::caption(p));
    }
    Combo1->setCurrentIndex(-1);
}

QLinearGradient Morvik::backgroundGradient()
{
    // The background picture: a soft rainbow from the top-left corner, drawn as a gradient so it
    // stays sharp at every scale, over the picture's own size in logical pixels.
    QLinearGradient rainbow(QPointF(0, 0),
                            QPointF(Design::BackgroundWidth, Design::BackgroundHeight));
    constexpr int stops = 6;
    for (int i = 0; i <= stops; ++i) {
        rainbow.setColorAt(static_cast<double>(i) / stops,
                           QColor::fromHsvF(0.83 * i / stops, 0.28, 1.0));
    }
    return rainbow;
}

void Morvik::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The picture scales with the chart; where a larger window leaves room around the design,
    // the colours at its edges go on.
    painter.translate(m_parts.origin());
    painter.scale(m_parts.scale(), m_parts.scale());
    painter.fillRect(painter.transform().inverted().mapRect(QRectF(rect())), backgroundGradient());

    if (!m_iconShown) {
        // Rendering the icon at each size a task bar may ask for takes longer than drawing the
        // whole window, so it waits until the first frame is on screen.
        m_iconShown = true;
        QMetaObject::invokeMethod(this, &Morvik::showWindowIcon, Qt::QueuedConnection);
    }
}

void Morvik::showWindowIcon()
{
    const QIcon icon(QStringLiteral(":/morvik.svg"));
    setWindowIcon(icon);
    // The input and message boxes take the program's icon.
    QApplication::setWindowIcon(icon);
}

void Morvik::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void Morvik::Form_Unload()
{
    // Nothing is kept: the program ends with its window.
    QCoreApplication::quit();
}
