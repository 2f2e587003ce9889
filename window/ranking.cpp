// Filling the column view in the order of one property chosen from Combo1.

#include "window/morvik.h"

#include "columns/roworder.h"
#include "data/Module1.h"

#include <QComboBox>
#include <QScrollBar>

void Morvik::Combo1_Click()
{
    const int p = Combo1->currentIndex() + 1; // 0 when nothing is chosen
    if (p == 0 || !Module1::propertyInfo(p).rankable) {
        m_platform.messageBox(this, tr("Not yet supported"), Title, Platform::Icon::None);
        return;
    }
    // Column 0 shows the names, as its header says, whatever the scroll position.
    fillColumns(RowOrder::byValue(p, true));
}
