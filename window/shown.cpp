#include "shown.h"

#include "data/Module1.h"

#include <QCoreApplication>

namespace Shown {

QString text(const std::string &stored)
{
    return QString::fromStdString(stored);
}

QString caption(int p)
{
    return QCoreApplication::translate("Property", Module1::propertyInfo(p).caption);
}

QString label(int p)
{
    return QCoreApplication::translate("SheetLabel", Module1::propertyInfo(p).label);
}

} // namespace Shown
