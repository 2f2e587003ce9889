// Sorting the column view by a header click.

#include "window/morvik.h"

#include "columns/roworder.h"
#include "data/Module1.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

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
    if (Module1::propertyInfo(property).sortsAsText) {
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
