#include "shown.h"

#include "data/Module1.h"
#include "window/translation.h"

#include <QCoreApplication>

#include <algorithm>

namespace Shown {

namespace {

constexpr int TabSize = 8;

using Module1::ElemData;

} // namespace

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
    return QCoreApplication::translate("Element", ElemData[i][Module1::Name].c_str());
}

QString caption(int p)
{
    return QCoreApplication::translate("Property", Module1::propertyInfo(p).caption);
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
    if (!translated()) {
        return lines;
    }
    QStringList labels;
    for (int p = 1; p <= Module1::PropCount; ++p) {
        labels << label(p);
    }
    const auto longest =
            std::max_element(labels.begin(), labels.end(), [](const QString &a, const QString &b) {
                return a.size() < b.size();
            })->size();
    for (int p = 1; p <= Module1::PropCount; ++p) {
        const QString &shownLabel = labels[p - 1];
        const QString value =
                p == Module1::Name ? name(i) : text(Module1::withUnit(ElemData[i][p], p));
        lines[p - 1] = shownLabel
                       + QString(sheetTabs(int(shownLabel.size()), int(longest)), QLatin1Char('\t'))
                       + value;
    }
    return lines;
}

QString sheetCaption(int i)
{
    //: The heading of an element's sheet: name and symbol, "Iron (Fe)".
    return QCoreApplication::translate("Morvik", "%1 (%2)")
            .arg(name(i), text(ElemData[i][Module1::Symbol]));
}

} // namespace Shown
