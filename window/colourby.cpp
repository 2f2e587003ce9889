// Colouring the chart: by class, as designed, or by any numeric property on one sequential
// scale, with a legend that says what the colours mean.

#include "window/morvik.h"

#include "data/Module1.h"
#include "window/clicklabel.h"
#include "window/colourbar.h"
#include "window/colouring.h"
#include "window/shown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

// The entry "Class" stands for this number where the other entries give their property's.
constexpr int ByClass = 0;

} // namespace

void Morvik::setupColouring()
{
    //: Caption of the drop-down that chooses what the tiles' colours show; room for 11 characters.
    const QString caption = tr("Colour by");
    lblColourBy = new QLabel(caption, this);
    lblColourBy->setObjectName(QStringLiteral("lblColourBy"));
    place(lblColourBy, Design::lblColourBy);
    lblColourBy->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitCaption(lblColourBy, caption, lblColourBy->width());

    cboColourBy = new QComboBox(this);
    cboColourBy->setObjectName(QStringLiteral("cboColourBy"));
    place(cboColourBy, Design::cboColourBy);
    cboColourBy->setAccessibleName(caption);
    lblColourBy->setBuddy(cboColourBy);
    //: The first entry of "Colour by": tiles coloured as metals, metalloids and non-metals.
    cboColourBy->addItem(tr("Class"), ByClass);
    for (int p = 1; p <= Module1::PropCount; ++p) {
        if (Module1::propertyInfo(p).numeric) {
            cboColourBy->addItem(Shown::caption(p), p);
        }
    }

    //: Beside "Colour by": a logarithmic scale instead of a linear one; room for 5 characters.
    chkLog = new QCheckBox(tr("Log"), this);
    chkLog->setObjectName(QStringLiteral("chkLog"));
    place(chkLog, Design::chkLog);
    chkLog->setEnabled(false);

    connect(cboColourBy, &QComboBox::currentIndexChanged, this, [this] { cboColourBy_Click(); });
    connect(chkLog, &QCheckBox::clicked, this, [this] { chkLog_Click(); });
}

void Morvik::cboColourBy_Click()
{
    recolour();
}

void Morvik::chkLog_Click()
{
    recolour();
}

void Morvik::recolour()
{
    // As a new Find does: the marks go first, so find.txt never holds the colours of an older
    // colouring.
    Command6_Click();
    const int property = cboColourBy->currentData().toInt();
    const bool logPossible = property != ByClass && Colouring::logarithmicPossible(property);
    chkLog->setEnabled(logPossible);
    if (!logPossible) {
        chkLog->setChecked(false);
    }
    m_propertyColours.reset();
    if (property != ByClass) {
        m_propertyColours = Colouring::byProperty(property, chkLog->isChecked());
    }
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        setTileColor(i, unmarkedColour(i));
        describeTile(i);
    }
    showLegend();
}

void Morvik::buildScaleLegend()
{
    const auto label = [this](const char *name, const TwipsRect &rect, Qt::Alignment alignment) {
        auto *caption = new QLabel(this);
        caption->setObjectName(QLatin1String(name));
        place(caption, rect);
        caption->setAlignment(alignment | Qt::AlignVCenter);
        return caption;
    };
    lblScaleLow = label("lblScaleLow", Design::lblScaleLow, Qt::AlignRight);
    picScale = new ColourBar(this);
    picScale->setObjectName(QStringLiteral("picScale"));
    place(picScale, Design::picScale);
    //: The legend's bar from the lightest colour (lowest value) to the darkest (highest).
    picScale->setAccessibleName(
            tr("Colour scale, light for the lowest value, dark for the highest"));
    lblScaleHigh = label("lblScaleHigh", Design::lblScaleHigh, Qt::AlignLeft);

    //: Beside the legend's bar when its scale is logarithmic; room for 3 characters.
    const QString log = tr("log");
    lblScaleLog = label("lblScaleLog", Design::lblScaleLog, Qt::AlignLeft);
    lblScaleLog->setText(log);
    fitCaption(lblScaleLog, log, lblScaleLog->width());

    picNoData = new QFrame(this);
    picNoData->setObjectName(QStringLiteral("picNoData"));
    picNoData->setFrameShape(QFrame::Box);
    place(picNoData, Design::picNoData);
    setBackground(picNoData, Colouring::NoData);
    //: The legend's grey swatch, for tiles whose value is not known; room for 9 characters.
    const QString noData = tr("No data");
    lblNoData = label("lblNoData", Design::lblNoData, Qt::AlignLeft);
    lblNoData->setText(noData);
    fitCaption(lblNoData, noData, lblNoData->width());
}

void Morvik::showLegend()
{
    if (m_propertyColours && !picScale) {
        buildScaleLegend();
    }
    if (m_propertyColours) {
        // The ends' texts change with each property: each is fitted from the window's font.
        const std::array<std::pair<QLabel *, const std::string *>, 2> ends{
                {{lblScaleLow, &m_propertyColours->lowest},
                 {lblScaleHigh, &m_propertyColours->highest}}};
        for (const auto &[end, value] : ends) {
            end->setText(Shown::text(*value));
            end->setFont(font());
            fitCaption(end, end->text(), end->width());
        }
    }
    if (columnViewShowing()) {
        return; // the view switch shows them when the chart comes back
    }
    QList<QWidget *> every(Picture1.begin(), Picture1.end());
    every.append(QList<QWidget *>(Legend.begin(), Legend.end()));
    if (picScale) {
        every << lblScaleLow << picScale << lblScaleHigh << lblScaleLog << picNoData << lblNoData;
    }
    const QList<QWidget *> shown = legendControls();
    for (QWidget *control : every) {
        control->setVisible(shown.contains(control));
    }
}

QList<QWidget *> Morvik::legendControls() const
{
    if (!m_propertyColours) {
        QList<QWidget *> controls(Picture1.begin(), Picture1.end());
        controls.append(QList<QWidget *>(Legend.begin(), Legend.end()));
        return controls;
    }
    QList<QWidget *> controls{lblScaleLow, picScale, lblScaleHigh, picNoData, lblNoData};
    if (m_propertyColours->logarithmic) {
        controls << lblScaleLog;
    }
    return controls;
}

QString Morvik::colouredValue(int i) const
{
    if (!m_propertyColours) {
        return {};
    }
    const int p = m_propertyColours->property;
    if (!Colouring::knownValue(i, p)) {
        //: A tile's tooltip on a chart coloured by a property it has no value of.
        return tr("%1: no data").arg(Shown::label(p));
    }
    //: A tile's tooltip on a chart coloured by a property: "Density: 7860 kg/m^3".
    return tr("%1: %2", "a tile's value")
            .arg(Shown::label(p),
                 Shown::text(Module1::ElemData[i][p] + Module1::propertyInfo(p).unit));
}
