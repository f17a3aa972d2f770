#include "air/pages/input_grid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "presentation/result_table.h"

namespace qelvo::ui {
namespace {

constexpr int kRowHeight = 25;

// Edits the cells of one column in an editable drop-down list; choosing an item ends the edit.
class ListCellDelegate : public QStyledItemDelegate {
public:
    ListCellDelegate(QStringList texts, QObject* parent) : QStyledItemDelegate(parent), texts_(std::move(texts)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(texts_);
        connect(combo, &QComboBox::activated, this, [this, combo] {
            auto* self = const_cast<ListCellDelegate*>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }

private:
    QStringList texts_;
};

}  // namespace

InputGrid::InputGrid(const QStringList& titles, const std::vector<int>& widths, QWidget* parent)
    : QWidget(parent), table_(new ResultTable(ResultTable::Form::Grid, this)),
      add_(new QPushButton(QStringLiteral("增加"), this)), remove_(new QPushButton(QStringLiteral("删除"), this)),
      titles_(titles)
{
    table_->setFixedRowCount(1);
    table_->setFixedColumnCount(0);
    table_->setEditable(true);
    table_->setRowHeight(kRowHeight);
    table_->setHeaderRowHeight(kRowHeight);
    // The given widths, or the title's where the program's font needs more.
    const QFontMetrics metrics(table_->horizontalHeader()->font());
    for (std::size_t c = 0; c < widths.size() && c < std::size_t(titles.size()); ++c)
        table_->setColumnWidth(static_cast<int>(c),
                               std::max(widths[c], metrics.horizontalAdvance(titles[int(c)]) + 12));
    table_->setTable(titles_, {});
    connect(table_->table(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        if (rebuilding_) return;
        for (int r = from.row(); r <= to.row(); ++r)
            for (int c = from.column(); c <= to.column(); ++c) emit cellEdited(r, c);
    });
    connect(add_, &QPushButton::clicked, this, &InputGrid::appendRow);
    connect(remove_, &QPushButton::clicked, this, &InputGrid::removeRow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
}

std::vector<InputGrid::Row> InputGrid::rows() const
{
    std::vector<Row> rows;
    for (int r = 1; r < table_->rowCount(); ++r) {
        Row row;
        for (int c = 0; c < table_->columnCount(); ++c) row.push_back(table_->text(r, c).toStdString());
        rows.push_back(std::move(row));
    }
    return rows;
}

void InputGrid::setRows(const std::vector<Row>& rows)
{
    std::vector<std::vector<QString>> cells;
    for (const auto& row : rows) {
        std::vector<QString> texts;
        for (const auto& cell : row) texts.push_back(QString::fromStdString(cell));
        cells.push_back(std::move(texts));
    }
    rebuilding_ = true;
    table_->setTable(titles_, std::move(cells));
    rebuilding_ = false;
}

void InputGrid::appendRow()
{
    auto all = rows();
    all.push_back(newRow ? newRow(all) : Row(titles_.size()));
    setRows(all);
}

void InputGrid::removeRow()
{
    auto all = rows();
    if (all.empty()) return;
    const QModelIndex current = table_->currentIndex();
    const bool focused = current.isValid() && current.row() < static_cast<int>(all.size());
    all.erase(all.begin() + (focused ? current.row() : static_cast<int>(all.size()) - 1));
    setRows(all);  // no cell is current afterwards
}

void InputGrid::offerTexts(int column, const QStringList& texts)
{
    table_->setItemDelegateForColumn(column, new ListCellDelegate(texts, table_));
}

}  // namespace qelvo::ui
