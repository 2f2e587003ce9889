// The column view: six lists of property values over all elements, the switch between the two
// views, the scroll bars and the row kept in line across the six lists.

#include "window/morvik.h"

#include "columns/roworder.h"
#include "data/Module1.h"
#include "window/clicklabel.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString ColumnFormat = QStringLiteral("Column format");
const QString TableFormat = QStringLiteral("Table format");
constexpr int NameProperty = 1;

} // namespace

bool Morvik::columnViewShowing() const
{
    return Command1->text() != ColumnFormat;
}

void Morvik::Command1_Click()
{
    if (Command1->text() == ColumnFormat) {
        enterColumnView();
    } else {
        leaveColumnView();
    }
}

void Morvik::enterColumnView()
{
    PropsList->hide();
    Label4->show();
    VScroll1->show();
    setGridVisible(false);
    for (int i = 0; i < ColumnCount; ++i) {
        List1[i]->show();
        command4[i]->show();
    }
    HScroll1->show();
    HideShowFrame(0);
    Command1->setText(TableFormat);
    Label2[0]->hide();
    Label2[1]->hide();
    fillColumns(RowOrder::byNumber(), NameProperty);
    for (int i = 0; i < 3; ++i) {
        Legend[i]->hide();
        Picture1[i]->hide();
    }
    List1[0]->setCurrentRow(0);
    lblRankBy->show();
    Combo1->show();
}

void Morvik::leaveColumnView()
{
    PropsList->show();
    Label4->hide();
    VScroll1->hide();
    setGridVisible(true);
    for (int i = 0; i < ColumnCount; ++i) {
        List1[i]->hide();
        command4[i]->hide();
    }
    HScroll1->hide();
    for (int i = 0; i < 3; ++i) {
        Legend[i]->show();
        Picture1[i]->show();
    }
    Command1->setText(ColumnFormat);
    Label2[0]->show();
    Label2[1]->show();
    HideShowFrame(1);
    lblRankBy->hide();
    Combo1->hide();
}

void Morvik::setGridVisible(bool visible)
{
    for (int g = 1; g < GroupCount; ++g) {
        Label1[g]->setVisible(visible);
    }
    for (int i = 1; i < TileCount; ++i) {
        lblElem[i]->setVisible(visible);
    }
}

void Morvik::fillColumns(const std::vector<int> &elements, int column0Property)
{
    const int firstScrolled = HScroll1->value() + 1;
    std::array<QStringList, ColumnCount> rows;
    for (QStringList &column : rows) {
        column.reserve(static_cast<qsizetype>(elements.size()));
    }
    for (const int j : elements) {
        const auto &element = Module1::ElemData[j];
        rows[0].append(QString::fromStdString(element[column0Property]));
        for (int k = 1; k < ColumnCount; ++k) {
            rows[static_cast<std::size_t>(k)].append(
                    QString::fromStdString(element[firstScrolled + k]));
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

void Morvik::HScroll1_Change()
{
    const int row = List1[0]->currentRow();
    for (int k = 1; k < ColumnCount; ++k) {
        command4[k]->setText(Combo1->itemText(k + HScroll1->value()));
    }
    command4[0]->setText(Combo1->itemText(0));
    fillColumns(RowOrder::byNumber(), NameProperty);
    List1[0]->setCurrentRow(row);
}

void Morvik::VScroll1_Change()
{
    int row = VScroll1->value() * 8;
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
