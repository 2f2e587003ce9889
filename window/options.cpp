// The display options group and the switch for the property sheet.

#include "window/morvik.h"

#include "data/Module1.h"
#include "window/clicklabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

void Morvik::HideShowFrame(int Mode)
{
    if (Mode != 0 && Mode != 1) {
        return;
    }
    const bool visible = Mode == 1;
    for (QWidget *control : m_parts.controls(Part::Options)) {
        control->setVisible(visible);
    }
}

void Morvik::Check1_Click()
{
    const bool ticked = Check1->isChecked();
    PropsList->setVisible(ticked);
    Label5->setVisible(ticked);
    for (int n = 1; n <= Module1::ElemCount; ++n) {
        if (ticked) {
            lblElem[n]->setCursor(Qt::PointingHandCursor);
        } else {
            lblElem[n]->unsetCursor();
        }
    }
}
