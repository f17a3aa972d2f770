// The result table of the pages, in both forms: the grid table (a fixed header row and a
// fixed label column around the data cells) and the read-only list table.
//
// The page writes every cell as already formatted text; the table keeps no numbers. The
// texts live in one model (no widget per cell), the fixed row and column are shown as the
// view's headers so they stay in place while the data scroll. Positions in this interface
// count the fixed row and column: row 0 is the header row when there is one.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <functional>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

namespace qelvo::ui {

inline const QString kSelectCellsFirst = QStringLiteral("至少选中一个单元格才能复制");

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The whole table, fixed cells included.
    int allRows() const { return rows_; }
    int allColumns() const { return columns_; }
    int fixedRows() const { return fixedRows_; }
    int fixedColumns() const { return fixedColumns_; }
    const QString& text(int row, int column) const;

    void setShape(int rows, int columns);
    void setFixed(int rows, int columns);
    void setText(int row, int column, const QString& text);
    void appendRow(std::vector<QString> cells);
    void setAll(int columns, std::vector<QString> cells);  // row after row
    void setBackground(int row, int column, const QColor& colour);
    void setEditable(bool editable) { editable_ = editable; }
    bool editable() const { return editable_; }

    // The data part, as the view sees it.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    qsizetype at(int row, int column) const { return qsizetype(row) * columns_ + column; }

    int rows_ = 0;
    int columns_ = 0;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    bool editable_ = false;
    std::vector<QString> cells_;
    std::unordered_map<qint64, QColor> backgrounds_;
};

class ResultTable : public QTableView {
    Q_OBJECT
public:
    enum class Form { Grid, List };

    explicit ResultTable(Form form = Form::Grid, QWidget* parent = nullptr);

    ResultTableModel* table() const { return model_; }
    int rowCount() const { return model_->allRows(); }
    int columnCount() const { return model_->allColumns(); }
    QString text(int row, int column) const { return model_->text(row, column); }

    void setRowCount(int rows);
    void setColumnCount(int columns);
    void setFixedRowCount(int rows);
    void setFixedColumnCount(int columns);
    void setRowHeight(int pixels);        // every data row
    void setHeaderRowHeight(int pixels);  // the fixed row
    // Column widths are kept: a rebuilt table shows the same widths. Columns without a
    // width of their own take the default.
    void setColumnWidth(int column, int pixels);
    void setDefaultColumnWidth(int pixels);
    void setText(int row, int column, const QString& text);
    void setHeaderTexts(const QStringList& titles);  // row 0
    int appendRow(const QStringList& cells);         // returns the new row's number
    // Rebuilds the whole table: column titles (the fixed row, when there is one) and rows.
    void setTable(const QStringList& titles, std::vector<std::vector<QString>> rows);
    void setCellBackground(int row, int column, const QColor& colour);
    void setEditable(bool editable);

    // The right-click menu "复制  Ctrl+&C" / "导出EXCEL", where a page wants it.
    void enablePopupMenu(std::function<void()> exportAction);

    // Whether a cell is selected. A fixed cell counts when its whole column (row) is selected
    // and the selection says so beyond one cell: the column has more than one data row, or
    // it was selected through its header, or everything was (Ctrl+A). A single selected
    // cell never brings its title or row label along, in a one-row table neither.
    bool isCellSelected(int row, int column) const;
    // The selected cells as text: the smallest rectangle holding them, a tab between
    // columns, CR LF between lines; unselected cells inside stay as empty places.
    QString selectionText() const;
    // "复制选中表格": with nothing selected the button says so; the keys stay silent.
    void copySelection(bool askWhenEmpty);

    // The sheet name an export to a spreadsheet file gives the table.
    const QString& sheetName() const { return sheetName_; }
    void setSheetName(const QString& name) { sheetName_ = name; }

    // The titles and rows as an export sees them.
    QStringList titles() const;
    std::vector<QStringList> rowsForExport() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateHeaders();
    void applyWidths();
    void paste();
    void clearSelection();
    void forgetHeaderSelection();
    void headerPressed(Qt::Orientation orientation, int section, bool pressed);
    bool wholeColumnCounts(int column) const;  // data column, from 0
    bool wholeRowCounts(int row) const;        // data row, from 0

    Form form_;
    ResultTableModel* model_;
    std::function<void()> exportAction_;
    std::map<int, int> widths_;  // column → pixels, as the page set them
    QString sheetName_;
    // How the current selection was made, where the selected cells alone cannot tell:
    // columns and rows selected through their headers, and Ctrl+A.
    std::set<int> headerColumns_, headerRows_;
    bool allSelected_ = false;
};

}  // namespace qelvo::ui
