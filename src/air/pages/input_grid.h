// An input table of the screening page: a title row over typed cells, with "增加" and "删除".
//
// The cells are texts as typed. "增加" appends the row `newRow` gives; "删除" removes the row
// of the current cell, or the last row when no cell is current, as long as a data row is left.
// A column may offer a drop-down list of texts (free text stays possible).
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QPushButton;

namespace qelvo::ui {

class ResultTable;

class InputGrid : public QWidget {
    Q_OBJECT
public:
    using Row = std::vector<std::string>;

    InputGrid(const QStringList& titles, const std::vector<int>& widths, QWidget* parent = nullptr);

    ResultTable* table() const { return table_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }

    // The data rows as typed.
    std::vector<Row> rows() const;
    void setRows(const std::vector<Row>& rows);
    void appendRow();
    void removeRow();

    // What "增加" appends, from the rows as they stand.
    std::function<Row(const std::vector<Row>& rows)> newRow;

    // The cells of `column` offer these texts in a drop-down list while they are edited.
    void offerTexts(int column, const QStringList& texts);

signals:
    // A cell's text was changed by typing, choosing from the list or pasting (data rows from 0).
    void cellEdited(int row, int column);

private:
    ResultTable* table_;
    QPushButton* add_;
    QPushButton* remove_;
    QStringList titles_;
    bool rebuilding_ = false;
};

}  // namespace qelvo::ui
