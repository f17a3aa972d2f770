// "结果导入EXCEL": a result table saved as an .xlsx workbook the user chooses.
#pragma once

#include <QDateTime>
#include <QString>

namespace qelvo::ui {

class ResultTable;

// The proposed file name: the local time as yyyyMMddhhmmss, then ".xlsx".
QString defaultExportFileName(const QDateTime& now);

// Grid table: row 0 holds the titles, rows 1… are exported, column 0 included.
void ExportGridToExcel(ResultTable* table, const QString& sheetName);
// List table: the column titles and every item.
void ExportListToExcel(ResultTable* table, const QString& sheetName);

}  // namespace qelvo::ui
