#include "presentation/result_table.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTimer>
#include <QTest>

#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

// A grid table as the pages build it: titles in row 0, labels in column 0.
//   序号 A  B  C
//   1    a1 b1 c1
//   2    a2 b2 c2 …
std::unique_ptr<ResultTable> gridTable(int rows = 5)
{
    auto t = std::make_unique<ResultTable>();
    t->setColumnCount(4);
    t->setRowCount(1);
    t->setFixedRowCount(1);
    t->setFixedColumnCount(1);
    t->setHeaderTexts({"序号", "A", "B", "C"});
    for (int r = 1; r <= rows; ++r) {
        const QString n = QString::number(r);
        t->appendRow({n, "a" + n, "b" + n, "c" + n});
    }
    return t;
}

void select(ResultTable& t, int row, int column)
{
    const QModelIndex i = t.model()->index(row - 1, column - 1);
    t.selectionModel()->select(i, QItemSelectionModel::Select);
}

TEST(ResultTable, ShapeAndFixedCells)
{
    auto t = gridTable(3);
    EXPECT_EQ(t->rowCount(), 4);
    EXPECT_EQ(t->columnCount(), 4);
    EXPECT_EQ(t->model()->rowCount(), 3);  // the data part
    EXPECT_EQ(t->model()->columnCount(), 3);
    EXPECT_EQ(t->model()->headerData(0, Qt::Horizontal).toString(), "A");
    EXPECT_EQ(t->model()->headerData(2, Qt::Vertical).toString(), "3");
    EXPECT_EQ(t->model()->index(0, 0).data().toString(), "a1");
    t->setText(2, 3, "x");
    EXPECT_EQ(t->text(2, 3), "x");
    t->setCellBackground(1, 1, Qt::red);
    EXPECT_EQ(t->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(t->model()->index(0, 1).data(Qt::BackgroundRole).isValid());
}

TEST(ResultTable, CopyKeepsGapsAsEmptyPlaces)
{
    auto t = gridTable();
    select(*t, 1, 1);
    select(*t, 1, 3);
    EXPECT_EQ(t->selectionText(), "a1\t\tc1");
}

TEST(ResultTable, CopySingleCellAndRowRanges)
{
    auto t = gridTable();
    select(*t, 3, 2);
    EXPECT_EQ(t->selectionText(), "b3");
    t->selectionModel()->clear();
    for (int r = 2; r <= 4; ++r)
        for (int c = 1; c <= 2; ++c) select(*t, r, c);
    EXPECT_EQ(t->selectionText(), "a2\tb2\r\na3\tb3\r\na4\tb4");
    // Whole rows selected bring their labels along.
    for (int r = 2; r <= 4; ++r) select(*t, r, 3);
    EXPECT_EQ(t->selectionText(), "2\ta2\tb2\tc2\r\n3\ta3\tb3\tc3\r\n4\ta4\tb4\tc4");
    t->selectionModel()->clear();
    select(*t, 2, 1);
    select(*t, 4, 3);  // a diagonal: the rectangle between, with empty places
    EXPECT_EQ(t->selectionText(), "a2\t\t\r\n\t\t\r\n\t\tc4");
}

TEST(ResultTable, SelectedHeadersAreCopied)
{
    auto t = gridTable(2);
    t->selectColumn(1);  // column B, by its header
    EXPECT_EQ(t->selectionText(), "B\r\nb1\r\nb2");
    t->selectionModel()->clear();
    t->selectRow(1);  // row 2, by its label
    EXPECT_EQ(t->selectionText(), "2\ta2\tb2\tc2");
    QTest::keyClick(t.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(t->selectionText(), "序号\tA\tB\tC\r\n1\ta1\tb1\tc1\r\n2\ta2\tb2\tc2");
}

TEST(ResultTable, ASingleCellCopiesOnlyItsTextInATableOfOneRowOrColumn)
{
    // One data row (a one-pollutant screening result): the cell alone is its whole column, and
    // its title used to come along; likewise the row label in a table of one data column.
    auto row = gridTable(1);
    select(*row, 1, 2);
    EXPECT_EQ(row->selectionText(), "b1");
    select(*row, 1, 3);
    EXPECT_EQ(row->selectionText(), "b1\tc1");
    select(*row, 1, 1);  // the whole row, by its cells: its label comes along
    EXPECT_EQ(row->selectionText(), "1\ta1\tb1\tc1");

    ResultTable column;
    column.setColumnCount(2);
    column.setRowCount(1);
    column.setFixedRowCount(1);
    column.setFixedColumnCount(1);
    column.setHeaderTexts({"项目", "值"});
    for (const char* r : {"x", "y"}) column.appendRow({r, QString(r) + "1"});
    select(column, 2, 1);
    EXPECT_EQ(column.selectionText(), "y1");

    ResultTable one;
    one.setColumnCount(2);
    one.setRowCount(1);
    one.setFixedRowCount(1);
    one.setFixedColumnCount(1);
    one.setHeaderTexts({"污染物", "浓度"});
    one.appendRow({"SO2", "0.0123"});
    select(one, 1, 1);
    EXPECT_EQ(one.selectionText(), "0.0123");
}

TEST(ResultTable, AHeaderPressedInAOneRowTableBringsItsTitle)
{
    auto t = gridTable(1);
    t->resize(400, 200);
    t->show();
    QHeaderView* header = t->horizontalHeader();
    const QPoint b(header->sectionViewportPosition(1) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, b);
    EXPECT_EQ(t->selectionText(), "B\r\nb1");
    // Clicking the cell itself afterwards: the cell alone.
    const QRect cell = t->visualRect(t->model()->index(0, 1));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(t->selectionText(), "b1");
    // Ctrl+A takes everything, titles and labels too.
    QTest::keyClick(t.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(t->selectionText(), "序号\tA\tB\tC\r\n1\ta1\tb1\tc1");
    QTest::keyClick(t.get(), Qt::Key_Right);  // a key that moves to one cell
    EXPECT_EQ(t->selectionText().count('\t'), 0);
}

TEST(ResultTable, CopyButtonAsksForASelectionKeysStaySilent)
{
    testing::RecordMessages messages;
    auto t = gridTable();
    QApplication::clipboard()->setText("before");
    t->copySelection(true);
    EXPECT_EQ(messages.texts(), QStringList{kSelectCellsFirst});
    QTest::keyClick(t.get(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(t.get(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    select(*t, 2, 2);
    QTest::keyClick(t.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "b2");
}

TEST(ResultTable, ReadOnlyGridIgnoresTypingPasteCutAndDelete)
{
    auto t = gridTable();
    t->show();
    t->setCurrentIndex(t->model()->index(0, 0));
    select(*t, 1, 1);
    QApplication::clipboard()->setText("pasted");
    QTest::keyClicks(t.get(), "99");
    QTest::keyClick(t.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(t.get(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(t.get(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(t.get(), Qt::Key_Delete);
    EXPECT_EQ(t->text(1, 1), "a1");
}

TEST(ResultTable, EditableGridPastesCutsAndClears)
{
    auto t = gridTable();
    t->setEditable(true);
    t->show();
    t->setCurrentIndex(t->model()->index(0, 0));
    QApplication::clipboard()->setText("p\tq\r\nr\ts\r\n");
    QTest::keyClick(t.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(t->text(1, 1), "p");
    EXPECT_EQ(t->text(1, 2), "q");
    EXPECT_EQ(t->text(2, 1), "r");
    EXPECT_EQ(t->text(2, 2), "s");
    t->selectionModel()->clear();
    select(*t, 1, 2);
    QTest::keyClick(t.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "q");
    EXPECT_EQ(t->text(1, 2), "");
    select(*t, 2, 2);
    QTest::keyClick(t.get(), Qt::Key_Delete);
    EXPECT_EQ(t->text(2, 2), "");
}

TEST(ResultTable, KeepsTheColumnWidthsItIsGivenAcrossRebuilds)
{
    ResultTable t(ResultTable::Form::Grid);
    t.setFixedRowCount(1);
    t.setColumnWidth(1, 90);
    t.setDefaultColumnWidth(33);
    t.setTable({"a", "b", "c"}, {{"1", "2", "3"}});
    EXPECT_EQ(t.columnWidth(1), 90);
    EXPECT_EQ(t.columnWidth(2), 33);
    t.setTable({"a", "b", "c", "d"}, {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}});  // a compute later
    EXPECT_EQ(t.columnWidth(1), 90);
    EXPECT_EQ(t.columnWidth(3), 33);
    // With a fixed label column, its width is the header's.
    ResultTable grid(ResultTable::Form::Grid);
    grid.setFixedColumnCount(1);
    grid.setColumnWidth(0, 140);
    grid.setTable({}, {{"距离m", "1", "2"}});
    EXPECT_EQ(grid.verticalHeader()->width(), 140);
    grid.setTable({}, {{"距离m", "1", "2", "3"}});
    EXPECT_EQ(grid.verticalHeader()->width(), 140);
}

TEST(ResultTable, WholeTableRebuildAndExportView)
{
    ResultTable list(ResultTable::Form::List);
    list.setTable({"距离m", "浓度值mg/L"}, {{"10", "0.5000"}, {"20", "0.2500"}});
    EXPECT_EQ(list.titles(), QStringList({"距离m", "浓度值mg/L"}));
    ASSERT_EQ(list.rowsForExport().size(), 2u);
    EXPECT_EQ(list.rowsForExport()[1], QStringList({"20", "0.2500"}));
    EXPECT_EQ(list.model()->headerData(1, Qt::Horizontal).toString(), "浓度值mg/L");
    EXPECT_FALSE(list.model()->flags(list.model()->index(0, 0)) & Qt::ItemIsEditable);
    list.setTable({"x"}, {});
    EXPECT_TRUE(list.rowsForExport().empty());

    // Without a fixed row, row 0 is an ordinary row (the industrial-noise grid).
    ResultTable grid;
    grid.setFixedColumnCount(1);
    grid.setTable({"d", "10", "20"}, {{"L", "60", "55"}});
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Vertical).toString(), "L");
    grid.setColumnWidth(0, 140);
    EXPECT_EQ(grid.verticalHeader()->width(), 140);
    grid.setColumnWidth(2, 77);
    EXPECT_EQ(grid.columnWidth(1), 77);
}

}  // namespace
}  // namespace qelvo::ui

namespace qelvo::ui {
namespace {

// Chooses an entry of the popup menu once it is open.
void chooseFromPopup(const QString& entry, QStringList& seen)
{
    QTimer::singleShot(0, [entry, &seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions()) {
            seen << a->text();
            if (a->text() == entry) a->trigger();
        }
        menu->close();
    });
}

TEST(ResultTable, RightClickMenuCopiesAndExports)
{
    auto t = gridTable();
    t->show();
    int exports = 0;
    t->enablePopupMenu([&] { ++exports; });
    QStringList seen;
    chooseFromPopup("导出EXCEL", seen);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10), t->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(t->viewport(), &click);
    EXPECT_EQ(seen, QStringList({"复制  Ctrl+&C", "导出EXCEL"}));
    EXPECT_EQ(exports, 1);

    testing::RecordMessages messages;
    seen.clear();
    chooseFromPopup("复制  Ctrl+&C", seen);
    QApplication::sendEvent(t->viewport(), &click);
    EXPECT_EQ(messages.texts(), QStringList{kSelectCellsFirst});  // the menu asks, like the button
}

}  // namespace
}  // namespace qelvo::ui
