#include "report/ResultsWorkbook.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"
#include "report/CNumberLocale.h"
#include "storage/TextFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>

namespace {

EKalvoError WorkbookError(const QString &fileName, const QString &why)
{
    return EKalvoError(EKalvoError::ekFile,
                       QCoreApplication::translate("Kalvo", "Preglednice »%1« ni mogoče zapisati: %2").arg(fileName, why));
}

} // namespace

void WriteResultsWorkbook(const std::vector<TResultsTable> &tables, const QString &fileName)
{
    // libxlsxwriter writes to a path of its own: a scratch file first, so that a
    // failure leaves the user's file as it was.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw WorkbookError(fileName, scratch.errorString());
    const QByteArray path = scratch.filePath(QStringLiteral("book.xlsx")).toLocal8Bit();
    // The library prints numbers and widths with the C library: under a locale
    // with a decimal comma the sheet's XML would say "0,5", which no reader takes.
    const TCNumberLocale cNumbers;
    lxw_workbook *book = workbook_new(path.constData());
    if (!book)
        throw WorkbookError(fileName, QCoreApplication::translate("Kalvo", "ni pomnilnika ali začasne datoteke"));
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *number = workbook_add_format(book);
    format_set_num_format(number, "0.0000");
    for (const TResultsTable &table : tables) {
        const QByteArray name = table.Name.toUtf8();
        lxw_worksheet *sheet = workbook_add_worksheet(book, name.constData());
        if (!sheet) {
            workbook_close(book);
            throw WorkbookError(fileName, QCoreApplication::translate("Kalvo", "ime lista »%1« ni dovoljeno").arg(table.Name));
        }
        std::vector<int> widths;
        for (size_t r = 0; r < table.Rows.size(); ++r) {
            const std::vector<QVariant> &row = table.Rows[r];
            widths.resize(std::max(widths.size(), row.size()), 8);
            for (size_t c = 0; c < row.size(); ++c) {
                const QVariant &cell = row[c];
                if (cell.typeId() == QMetaType::Double) {
                    worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), cell.toDouble(), number);
                } else if (cell.typeId() == QMetaType::Int) {
                    worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), cell.toInt(), nullptr);
                } else if (cell.isValid()) {
                    const QString text = cell.toString();
                    worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), text.toUtf8().constData(),
                                           r == 0 ? bold : nullptr);
                    widths[c] = std::max(widths[c], int(std::min<qsizetype>(text.size(), 60)) + 2);
                }
            }
        }
        for (size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
        worksheet_freeze_panes(sheet, 1, 0);
    }
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR)
        throw WorkbookError(fileName, QString::fromUtf8(lxw_strerror(error)));
    QFile written(QString::fromLocal8Bit(path));
    if (!written.open(QIODevice::ReadOnly))
        throw WorkbookError(fileName, written.errorString());
    WriteFiles({{fileName, written.readAll()}});
}
