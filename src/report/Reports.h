#pragma once

#include "model/Model.h"

#include <QByteArray>
#include <QString>

// The HTML reports: snapshots of the model as the last synthesis left it (no
// builder recomputes anything), in Windows-1250 without a byte-order mark. Names
// are written exactly as typed. Each builder writes its file whole or not at all.

// The root's comparison table, one line per fragment, CR LF after each.
void WriteModelReport(const TModel &model, const QString &fileName);
// The selected criterion's comparisons or values (with the model's DebugMode the four working
// tables of a relative criterion); the model report when nothing is selected.
void WriteCriterionReport(const TModel &model, const QString &fileName);
// Every solution with its score under the selected criterion as a blue bar; one
// line without a line end.
void WriteSolutionsReport(const TModel &model, const QString &fileName);

// The same reports as bytes.
QByteArray ModelReport(const TModel &model);
QByteArray CriterionReport(const TModel &model);
QByteArray SolutionsReport(const TModel &model);

// How many 5-pixel cells, each standing for 0.005, draw a score's bar: added up
// until the total passes the score, at least one, and never without end.
int BarCellCount(double score);
