// Sorting the column view by a header click.

#include "window/morvik.h"

#include "columns/roworder.h"
#include "data/Module1.h"
#include "window/shown.h"

#include <QCollator>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

// Names, crystal structures and applications on show in another language sort as that
// language sorts them, whatever their case (the translation's locale is the default one while
// it is installed); equal texts keep element-number order.
std::vector<int> byShownText(int property, bool forward)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order = RowOrder::byNumber();
    std::stable_sort(order.begin(), order.end(), [&collator, property](int a, int b) {
        return collator.compare(Shown::value(a, property), Shown::value(b, property)) < 0;
    });
    if (!forward) {
        std::reverse(order.begin(), order.end());
    }
    return order;
}

} // namespace

void Morvik::command4_Click(int Index)
{
    m_sortDirection = m_sortDirection == 0 ? 1 : 0;
    if (Index == 0 && HScroll1->value() > 0) {
        // Column 0 always shows names, but its computed property would not be the name.
        VScroll1->setValue(0);
        return;
    }
    // The header's caption is the caption of this property, so the table tells how it sorts.
    const int property = Index + HScroll1->value() + 1;
    const bool forward = m_sortDirection == 1;
    std::vector<int> order;
    if (Module1::textContext(property) && Shown::translated()) {
        order = byShownText(property, forward);
        List2->clear();
        for (const int i : order) {
            List2->addItem(Shown::value(i, property));
        }
    } else if (Module1::propertyInfo(property).sortsAsText) {
        const std::vector<std::string> sorted = RowOrder::sortedTexts(property, forward);
        List2->clear();
        for (const std::string &entry : sorted) {
            List2->addItem(QString::fromStdString(entry));
        }
        order = RowOrder::byText(property, forward);
    } else {
        order = RowOrder::byValue(property, forward);
    }
    showUnranked(order);
    List1[0]->setCurrentRow(0);
    VScroll1->setValue(0);
}
