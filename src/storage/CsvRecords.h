#pragma once

#include <QChar>
#include <QString>

#include <vector>

// One field of a CSV record and the line it starts on (from 1).
struct TCsvField
{
    QString Text;
    int Line = 0;
};
using TCsvRecord = std::vector<TCsvField>;

// The records of a CSV text as RFC 4180 has them: fields separated by separator,
// a field in quotes may hold the separator, line breaks and "" for a quote; a
// record ends at a line break outside quotes (CR LF, LF or CR). Fields outside
// quotes are trimmed. A quote never closed throws a format error naming its line
// (the caller adds the file).
std::vector<TCsvRecord> CsvRecords(const QString &text, QChar separator);
