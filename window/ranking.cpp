// Filling the column view in the order of one property chosen from Combo1.

#include "window/morvik.h"

#include "columns/roworder.h"

#include <QComboBox>
#include <QScrollBar>

void Morvik::Combo1_Click()
{
    const int p = Combo1->currentIndex() + 1;
    if (p == 0 || p == 1 || p == 17 || p == 18) {
        m_platform.messageBox(this, QStringLiteral("Not yet supported"), Title,
                              Platform::Icon::None);
        return;
    }
    // Column 0 shows the first scrolled property here, not the name.
    fillColumns(RowOrder::byValue(p, true), HScroll1->value() + 1);
}
