// The column view: six lists of property values over all elements, the switch between the two
// views, the scroll bars and the row kept in line across the six lists.

#include "window/morvik.h"

#include "columns/roworder.h"
#include "data/Module1.h"
#include "window/shown.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

QString Morvik::columnFormat()
{
    //: Button that switches to the column view; room for about 16 characters.
    return tr("Column format");
}

QString Morvik::tableFormat()
{
    //: Button that switches back to the chart; room for about 16 characters.
    return tr("Table format");
}

bool Morvik::columnViewShowing() const
{
    return Command1->text() != columnFormat();
}

void Morvik::Command1_Click()
{
    if (Command1->text() == columnFormat()) {
        showView(View::Columns);
        HideShowFrame(0);
        Command1->setText(tableFormat());
        showUnranked(RowOrder::byNumber());
        List1[0]->setCurrentRow(0);
    } else {
        showView(View::Chart);
        Command1->setText(columnFormat());
        HideShowFrame(1);
    }
}

void Morvik::fillColumns(const std::vector<int> &elements)
{
    m_listedOrder = elements;
    const int firstScrolled = HScroll1->value() + 1;
    std::array<QStringList, ColumnCount> rows;
    for (QStringList &column : rows) {
        column.reserve(static_cast<qsizetype>(elements.size()));
    }
    for (const int j : elements) {
        rows[0].append(Shown::name(j));
        for (int k = 1; k < ColumnCount; ++k) {
            rows[static_cast<std::size_t>(k)].append(Shown::value(j, firstScrolled + k));
        }
    }
    for (int i = 0; i < ColumnCount; ++i) {
        List1[i]->clear();
    }
    for (int i = 0; i < ColumnCount; ++i) {
        List1[i]->addItems(rows[static_cast<std::size_t>(i)]);
        List1[i]->setAccessibleName(command4[i]->text());
    }
}

void Morvik::showUnranked(const std::vector<int> &elements)
{
    fillColumns(elements);
    // The ranking's order is gone, so "Rank by" must not go on naming it.
    Combo1->setCurrentIndex(-1);
}

void Morvik::HScroll1_Change()
{
    const int row = List1[0]->currentRow();
    captionHeaders();
    showUnranked(RowOrder::byNumber());
    List1[0]->setCurrentRow(row);
}

void Morvik::captionHeaders()
{
    command4[0]->setText(Combo1->itemText(0));
    for (int k = 1; k < ColumnCount; ++k) {
        command4[k]->setText(Combo1->itemText(k + HScroll1->value()));
    }
}

void Morvik::VScroll1_Change()
{
    int row = VScroll1->value() * Design::VScroll1RowStep;
    if (row >= List1[0]->count()) {
        row = List1[0]->count() - 1;
    }
    List1[0]->setCurrentRow(row);
}

void Morvik::List1_Click(int Index)
{
    const int row = List1[Index]->currentRow();
    for (int i = 0; i < ColumnCount; ++i) {
        if (List1[i]->currentRow() != row) {
            List1[i]->setCurrentRow(row);
        }
    }
}
