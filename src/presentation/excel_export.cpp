#include "presentation/excel_export.h"

#include <QDir>
#include <QFileInfo>
#include <cstddef>

#include "common/number_format.h"
#include "common/xlsx_export.h"
#include "presentation/messages.h"
#include "presentation/result_table.h"

namespace qelvo::ui {
namespace {

// Both table forms keep their titles in row 0, so one export serves both.
void exportTable(ResultTable* table, const QString& sheetName)
{
    const auto rows = table->rowsForExport();
    if (rows.empty()) return;
    // Beyond Excel's sheet: said before a file is asked for (writeXlsx refuses it as well).
    if (rows.size() + 1 > kSheetMaxRows || std::size_t(table->titles().size()) > kSheetMaxColumns) {
        showMessage(table, QString::fromUtf8(kSheetTooLarge));
        return;
    }

    QString path = chooseFile(table, {QStringLiteral("导出"), defaultExportFileName(QDateTime::currentDateTime()),
                                      QStringLiteral("Excel文件(*.xlsx);;所有文件(*)"), true});
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xlsx");
    QDir().mkpath(QFileInfo(path).absolutePath());

    SheetData sheet;
    sheet.sheetName = sheetName.toStdString();
    for (const QString& t : table->titles()) sheet.titles.push_back(t.toStdString());
    sheet.rows.reserve(rows.size());
    for (const QStringList& row : rows) {
        std::vector<std::string> cells;
        cells.reserve(row.size());
        for (const QString& cell : row) cells.push_back(cell.toStdString());
        sheet.rows.push_back(std::move(cells));
    }
    const std::string error = writeXlsx(QFileInfo(path).absoluteFilePath().toStdString(), sheet);
    if (!error.empty()) {
        showMessage(table, QString::fromStdString(error));
        return;
    }
    showMessage(table, QString::fromStdString(cformat("导出文件保存于%s!", QDir::toNativeSeparators(path).toUtf8().constData())));
}

}  // namespace

QString defaultExportFileName(const QDateTime& now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return QString::fromStdString(
               cformat("%04d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()))
           + QStringLiteral(".xlsx");
}

void ExportGridToExcel(ResultTable* table, const QString& sheetName) { exportTable(table, sheetName); }

void ExportListToExcel(ResultTable* table, const QString& sheetName) { exportTable(table, sheetName); }

}  // namespace qelvo::ui
