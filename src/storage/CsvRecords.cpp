#include "storage/CsvRecords.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"

std::vector<TCsvRecord> CsvRecords(const QString &text, QChar separator)
{
    std::vector<TCsvRecord> records;
    TCsvRecord record;
    QString field;
    bool quoted = false, wasQuoted = false;
    int line = 1, fieldLine = 1, quoteLine = 0;
    auto endField = [&] {
        record.push_back({wasQuoted ? field : field.trimmed(), fieldLine});
        field.clear();
        wasQuoted = false;
        fieldLine = line;
    };
    auto endRecord = [&] {
        endField();
        records.push_back(std::move(record));
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (quoted) {
            if (ch == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += ch;
                ++i;
            } else if (ch == QLatin1Char('"')) {
                quoted = false;
            } else {
                if (ch == QLatin1Char('\n') || (ch == QLatin1Char('\r') && (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n'))))
                    ++line;
                field += ch;
            }
        } else if (ch == QLatin1Char('"') && field.trimmed().isEmpty()) {
            quoted = wasQuoted = true;
            quoteLine = line;
            field.clear();
        } else if (ch == separator) {
            endField();
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            if (ch == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
            fieldLine = line;
        } else {
            field += ch;
        }
    }
    if (quoted)
        throw EKalvoError(EKalvoError::ekFormat,
                          QCoreApplication::translate("Kalvo", "narekovaj, odprt v vrstici %1, ni nikoli zaprt.").arg(quoteLine));
    if (!field.isEmpty() || !record.empty() || wasQuoted)
        endRecord();
    return records;
}
