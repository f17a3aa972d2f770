#include "presentation/result_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleOptionHeader>

#include "presentation/messages.h"

namespace qelvo::ui {

namespace {
const QString kEmpty;
qint64 cellKey(int row, int column) { return (qint64(row) << 32) | quint32(column); }
}  // namespace

// --- model ---

const QString& ResultTableModel::text(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return kEmpty;
    return cells_[at(row, column)];
}

void ResultTableModel::setShape(int rows, int columns)
{
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    if (rows == rows_ && columns == columns_) return;
    beginResetModel();
    std::vector<QString> cells(std::size_t(rows) * columns);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(columns, columns_); ++c) cells[qsizetype(r) * columns + c] = cells_[at(r, c)];
    cells_ = std::move(cells);
    rows_ = rows;
    columns_ = columns;
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedColumns_ = std::min(fixedColumns_, columns_);
    endResetModel();
}

void ResultTableModel::setFixed(int rows, int columns)
{
    beginResetModel();
    fixedRows_ = std::clamp(rows, 0, 1);
    fixedColumns_ = std::clamp(columns, 0, 1);
    endResetModel();
}

void ResultTableModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
    cells_[at(row, column)] = text;
    if (row < fixedRows_ || column < fixedColumns_) {
        if (row < fixedRows_ && column >= fixedColumns_)
            emit headerDataChanged(Qt::Horizontal, column - fixedColumns_, column - fixedColumns_);
        if (column < fixedColumns_ && row >= fixedRows_)
            emit headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
        return;
    }
    const QModelIndex i = index(row - fixedRows_, column - fixedColumns_);
    emit dataChanged(i, i);
}

void ResultTableModel::appendRow(std::vector<QString> cells)
{
    const int viewRow = rows_ - fixedRows_;
    beginInsertRows({}, viewRow, viewRow);
    cells.resize(columns_);
    for (auto& c : cells) cells_.push_back(std::move(c));
    ++rows_;
    endInsertRows();
}

void ResultTableModel::setAll(int columns, std::vector<QString> cells)
{
    beginResetModel();
    columns_ = std::max(columns, 0);
    rows_ = columns_ ? static_cast<int>((cells.size() + columns_ - 1) / columns_) : 0;
    cells.resize(std::size_t(rows_) * columns_);
    cells_ = std::move(cells);
    backgrounds_.clear();
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedColumns_ = std::min(fixedColumns_, columns_);
    endResetModel();
}

void ResultTableModel::setBackground(int row, int column, const QColor& colour)
{
    backgrounds_[cellKey(row, column)] = colour;
    if (row >= fixedRows_ && column >= fixedColumns_) {
        const QModelIndex i = index(row - fixedRows_, column - fixedColumns_);
        emit dataChanged(i, i, {Qt::BackgroundRole});
    }
}

int ResultTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_ - fixedRows_;
}

int ResultTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_ - fixedColumns_;
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row() + fixedRows_;
    const int column = index.column() + fixedColumns_;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return text(row, column);
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole: {
        const auto it = backgrounds_.find(cellKey(row, column));
        return it == backgrounds_.end() ? QVariant() : QVariant(it->second);
    }
    default: return {};
    }
}

bool ResultTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || role != Qt::EditRole || !index.isValid()) return false;
    setText(index.row() + fixedRows_, index.column() + fixedColumns_, value.toString());
    return true;
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return fixedRows_ ? text(0, section + fixedColumns_) : QVariant(QString::number(section + 1));
    return fixedColumns_ ? text(section + fixedRows_, 0) : QVariant(QString::number(section + 1));
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

// --- view ---

ResultTable::ResultTable(Form form, QWidget* parent)
    : QTableView(parent), form_(form), model_(new ResultTableModel(this))
{
    setModel(model_);
    setEditable(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(form == Form::List ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(25);
    if (form == Form::List) setFixedRowCount(1);
    // The corner button shows the top-left fixed cell, the title of the label column.
    if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
    updateHeaders();
    // Remember which columns and rows were chosen through their headers.
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this,
            [this](int section) { headerPressed(Qt::Horizontal, section, true); });
    connect(horizontalHeader(), &QHeaderView::sectionEntered, this,
            [this](int section) { headerPressed(Qt::Horizontal, section, false); });
    connect(verticalHeader(), &QHeaderView::sectionPressed, this,
            [this](int section) { headerPressed(Qt::Vertical, section, true); });
    connect(verticalHeader(), &QHeaderView::sectionEntered, this,
            [this](int section) { headerPressed(Qt::Vertical, section, false); });
    connect(model_, &QAbstractItemModel::modelReset, this, &ResultTable::forgetHeaderSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // What is no longer wholly selected no longer counts as chosen through a header.
        std::erase_if(headerColumns_, [this](int c) { return !selectionModel()->isColumnSelected(c); });
        std::erase_if(headerRows_, [this](int r) { return !selectionModel()->isRowSelected(r); });
        if (allSelected_) {
            for (int c = 0; c < model_->columnCount(); ++c)
                if (!selectionModel()->isColumnSelected(c)) allSelected_ = false;
        }
    });
}

void ResultTable::forgetHeaderSelection()
{
    headerColumns_.clear();
    headerRows_.clear();
    allSelected_ = false;
}

void ResultTable::headerPressed(Qt::Orientation orientation, int section, bool pressed)
{
    const bool adding = QGuiApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (pressed && !adding) forgetHeaderSelection();
    (orientation == Qt::Horizontal ? headerColumns_ : headerRows_).insert(section);
}

void ResultTable::mousePressEvent(QMouseEvent* event)
{
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))) forgetHeaderSelection();
    QTableView::mousePressEvent(event);
}

bool ResultTable::wholeColumnCounts(int column) const
{
    if (model_->rowCount() == 0 || !selectionModel()->isColumnSelected(column)) return false;
    return model_->rowCount() > 1 || allSelected_ || headerColumns_.count(column);
}

bool ResultTable::wholeRowCounts(int row) const
{
    if (model_->columnCount() == 0 || !selectionModel()->isRowSelected(row)) return false;
    return model_->columnCount() > 1 || allSelected_ || headerRows_.count(row);
}

void ResultTable::updateHeaders()
{
    horizontalHeader()->setVisible(model_->fixedRows() > 0);
    verticalHeader()->setVisible(model_->fixedColumns() > 0);
}

void ResultTable::setRowCount(int rows)
{
    model_->setShape(rows, model_->allColumns());
    applyWidths();
}

void ResultTable::setColumnCount(int columns)
{
    model_->setShape(model_->allRows(), columns);
    applyWidths();
}

void ResultTable::setFixedRowCount(int rows)
{
    model_->setFixed(rows, model_->fixedColumns());
    updateHeaders();
    applyWidths();
}

void ResultTable::setFixedColumnCount(int columns)
{
    model_->setFixed(model_->fixedRows(), columns);
    updateHeaders();
    applyWidths();
}

void ResultTable::setRowHeight(int pixels) { verticalHeader()->setDefaultSectionSize(pixels); }
void ResultTable::setHeaderRowHeight(int pixels) { horizontalHeader()->setFixedHeight(pixels); }

void ResultTable::setColumnWidth(int column, int pixels)
{
    widths_[column] = pixels;
    if (column < model_->fixedColumns()) verticalHeader()->setFixedWidth(pixels);
    else QTableView::setColumnWidth(column - model_->fixedColumns(), pixels);
}

void ResultTable::setDefaultColumnWidth(int pixels) { horizontalHeader()->setDefaultSectionSize(pixels); }

void ResultTable::applyWidths()
{
    // A rebuilt model starts its sections at the default size.
    for (const auto& [column, pixels] : widths_) {
        if (column < model_->fixedColumns()) verticalHeader()->setFixedWidth(pixels);
        else if (column < model_->allColumns()) QTableView::setColumnWidth(column - model_->fixedColumns(), pixels);
    }
}

void ResultTable::setText(int row, int column, const QString& text) { model_->setText(row, column, text); }

void ResultTable::setHeaderTexts(const QStringList& titles)
{
    for (int c = 0; c < titles.size(); ++c) model_->setText(0, c, titles[c]);
}

int ResultTable::appendRow(const QStringList& cells)
{
    model_->appendRow(std::vector<QString>(cells.begin(), cells.end()));
    return model_->allRows() - 1;
}

void ResultTable::setTable(const QStringList& titles, std::vector<std::vector<QString>> rows)
{
    // A table without a title row takes its width from its rows.
    const int columns = static_cast<int>(titles.isEmpty() && !rows.empty() ? rows.front().size() : titles.size());
    std::vector<QString> cells;
    cells.reserve((rows.size() + 1) * std::size_t(columns));
    if (model_->fixedRows()) cells.insert(cells.end(), titles.begin(), titles.end());
    for (auto& row : rows) {
        row.resize(columns);
        for (auto& c : row) cells.push_back(std::move(c));
    }
    model_->setAll(columns, std::move(cells));
    updateHeaders();
    applyWidths();
}

void ResultTable::setCellBackground(int row, int column, const QColor& colour)
{
    model_->setBackground(row, column, colour);
}

void ResultTable::setEditable(bool editable)
{
    model_->setEditable(editable);
    setEditTriggers(editable ? (QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed
                                | QAbstractItemView::EditKeyPressed)
                             : QAbstractItemView::NoEditTriggers);
}

void ResultTable::enablePopupMenu(std::function<void()> exportAction) { exportAction_ = std::move(exportAction); }

bool ResultTable::isCellSelected(int row, int column) const
{
    const int fr = model_->fixedRows(), fc = model_->fixedColumns();
    if (row < fr && column < fc) {  // the corner: every title and every label
        if (model_->columnCount() == 0 || model_->rowCount() == 0) return false;
        for (int c = 0; c < model_->columnCount(); ++c)
            if (!wholeColumnCounts(c)) return false;
        for (int r = 0; r < model_->rowCount(); ++r)
            if (!wholeRowCounts(r)) return false;
        return true;
    }
    if (row < fr) return wholeColumnCounts(column - fc);
    if (column < fc) return wholeRowCounts(row - fr);
    return selectionModel()->isSelected(model_->index(row - fr, column - fc));
}

QString ResultTable::selectionText() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) return {};
    const int fr = model_->fixedRows(), fc = model_->fixedColumns();
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top() + fr);
        bottom = std::max(bottom, range.bottom() + fr);
        left = std::min(left, range.left() + fc);
        right = std::max(right, range.right() + fc);
    }
    // Selected headers widen the rectangle to the fixed row or column.
    for (int c = left; fr && top > 0 && c <= right; ++c)
        if (isCellSelected(0, c)) top = 0;
    for (int r = top; fc && left > 0 && r <= bottom; ++r)
        if (isCellSelected(r, 0)) left = 0;

    QString out;
    for (int r = top; r <= bottom; ++r) {
        if (r > top) out += QStringLiteral("\r\n");
        for (int c = left; c <= right; ++c) {
            if (c > left) out += QLatin1Char('\t');
            if (isCellSelected(r, c)) out += model_->text(r, c);
        }
    }
    return out;
}

void ResultTable::copySelection(bool askWhenEmpty)
{
    if (!selectionModel()->hasSelection()) {
        if (askWhenEmpty) showMessage(this, kSelectCellsFirst);
        return;
    }
    QApplication::clipboard()->setText(selectionText());
}

QStringList ResultTable::titles() const
{
    QStringList t;
    for (int c = 0; c < model_->allColumns(); ++c) t << model_->text(0, c);
    return t;
}

std::vector<QStringList> ResultTable::rowsForExport() const
{
    std::vector<QStringList> rows;
    for (int r = 1; r < model_->allRows(); ++r) {
        QStringList row;
        for (int c = 0; c < model_->allColumns(); ++c) row << model_->text(r, c);
        rows.push_back(std::move(row));
    }
    return rows;
}

void ResultTable::paste()
{
    const QModelIndex start = currentIndex();
    if (!start.isValid()) return;
    QString text = QApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < cells.size(); ++j) {
            const QModelIndex target = model_->index(start.row() + i, start.column() + j);
            if (target.isValid()) model_->setData(target, cells[j], Qt::EditRole);
        }
    }
}

void ResultTable::clearSelection()
{
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) model_->setData(index, QString(), Qt::EditRole);
}

void ResultTable::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if ((ctrl && event->key() == Qt::Key_C) || (ctrl && event->key() == Qt::Key_Insert)) {
        copySelection(false);
        return;
    }
    if (ctrl && event->key() == Qt::Key_A) {
        selectAll();
        allSelected_ = true;
        return;
    }
    if (!ctrl && !shift) forgetHeaderSelection();  // the keys move to a new cell
    const bool paste = (ctrl && event->key() == Qt::Key_V) || (shift && event->key() == Qt::Key_Insert);
    const bool cut = ctrl && event->key() == Qt::Key_X;
    const bool del = event->key() == Qt::Key_Delete;
    if (paste || cut || del) {
        if (!model_->editable()) return;
        if (paste) this->paste();
        if (cut) copySelection(false);
        if (cut || del) clearSelection();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultTable::contextMenuEvent(QContextMenuEvent* event)
{
    if (!exportAction_) {
        QTableView::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(QStringLiteral("复制  Ctrl+&C"), this, [this] { copySelection(true); });
    menu.addAction(QStringLiteral("导出EXCEL"), this, [this] { exportAction_(); });
    menu.exec(event->globalPos());
}

bool ResultTable::eventFilter(QObject* watched, QEvent* event)
{
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint && model_->fixedRows() && model_->fixedColumns()) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = model_->text(0, 0);
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace qelvo::ui
