#include "shown.h"

#include "data/Module1.h"
#include "window/sheetline.h"
#include "window/translation.h"

#include <QCoreApplication>

#include <algorithm>

namespace Shown {

namespace {

constexpr int TabSize = SheetLine::TabSize;

using Module1::ElemData;

Module1::TemperatureScale scaleInForce = Module1::TemperatureScale::Celsius;

} // namespace

Module1::TemperatureScale temperatureScale()
{
    return scaleInForce;
}

void setTemperatureScale(Module1::TemperatureScale scale)
{
    scaleInForce = scale;
}

bool translated()
{
    return !Translation::installed().isEmpty();
}

QString text(const std::string &stored)
{
    return QString::fromStdString(stored);
}

QString name(int i)
{
    return value(i, Module1::Name);
}

QString value(int i, int p)
{
    // The names, crystal structures and applications in the user's language; "--" is no word.
    if (const char *context = Module1::textContext(p); context && ElemData[i][p] != "--") {
        return QCoreApplication::translate(context, ElemData[i][p].c_str());
    }
    return text(Module1::shownValue(ElemData[i][p], p, scaleInForce));
}

QString valueWithUnit(int i, int p)
{
    return value(i, p) + text(std::string(Module1::unitOf(p, scaleInForce)));
}

QString unit(int p)
{
    return text(std::string(Module1::unitOf(p, scaleInForce))).trimmed();
}

QString labelWithUnit(int p)
{
    const QString shownUnit = unit(p);
    return shownUnit.isEmpty() ? label(p) : label(p) + QStringLiteral(" [%1]").arg(shownUnit);
}

QString caption(int p)
{
    const QString name = QCoreApplication::translate("Property", Module1::propertyInfo(p).caption);
    const QString shownUnit = unit(p);
    return shownUnit.isEmpty() ? name : name + QStringLiteral(" [%1]").arg(shownUnit);
}

QString label(int p)
{
    return QCoreApplication::translate("SheetLabel", Module1::propertyInfo(p).label);
}

int sheetTabs(int labelLength, int longestLabel)
{
    return (longestLabel / TabSize + 1) - labelLength / TabSize;
}

QStringList sheetLines(int i)
{
    QStringList lines;
    for (const std::string &line : Module1::SheetLines(i)) {
        lines << text(line);
    }
    if (!translated() && scaleInForce == Module1::TemperatureScale::Celsius) {
        return lines;
    }
    QStringList labels;
    for (int p = 1; p <= Module1::PropCount; ++p) {
        labels << label(p);
    }
    // In cells, as a text editor counts them: a Chinese or Japanese character takes two.
    int longest = 0;
    for (const QString &shownLabel : labels) {
        longest = std::max(longest, SheetLine::cells(shownLabel));
    }
    for (int p = 1; p <= Module1::PropCount; ++p) {
        const QString &shownLabel = labels[p - 1];
        const int tabs = sheetTabs(SheetLine::cells(shownLabel), longest);
        lines[p - 1] = shownLabel + QString(tabs, QLatin1Char('\t')) + valueWithUnit(i, p);
    }
    return lines;
}

QString sheetCaption(int i)
{
    //: The heading of an element's sheet: name and symbol, "Iron (Fe)".
    return QCoreApplication::translate("Morvik", "%1 (%2)")
            .arg(name(i), text(ElemData[i][Module1::Symbol]));
}

QString tileName(int i)
{
    //: A tile's name: atomic number, element name, symbol ("26. Iron (Fe)").
    return QCoreApplication::translate("Morvik", "%1. %2 (%3)")
            .arg(i)
            .arg(name(i), text(ElemData[i][Module1::Symbol]));
}

} // namespace Shown
