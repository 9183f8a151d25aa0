#pragma once

#include "report/ResultsTables.h"

#include <QString>

#include <vector>

// The tables as an .xlsx workbook, a sheet each: numbers as numbers (shown with
// four decimals, kept at full precision), the header row bold and frozen, each
// column as wide as its texts. Written whole to fileName, or nothing is replaced.
void WriteResultsWorkbook(const std::vector<TResultsTable> &tables, const QString &fileName);
