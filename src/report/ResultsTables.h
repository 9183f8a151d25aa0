#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <vector>

class TModel;

// The results as tables for spreadsheets: a cell is a text, a number (double), a
// whole number (int: a rank) or empty (an invalid QVariant); the first row names
// the columns and every row has as many cells.
struct TResultsTable
{
    QString Name;
    std::vector<std::vector<QVariant>> Rows;
};

// From the last synthesis under the start criterion (the selected one, or the
// root): "Rezultati", a row per solution with its total score, its rank and its
// local and global score under every leaf below the start; "Uteži", every
// criterion from the start down with its local and global weight, lambda, CI and
// CR; "Model", what the numbers come from (the model, the start criterion, the
// method, the marked solution); with
// matrices, a table per ratio matrix (its values as computed, blank pairs
// completed), named so that a spreadsheet takes the names.
std::vector<TResultsTable> ResultsTables(const TModel &model, bool matrices);

// The tables as one CSV file: UTF-8 with a byte order mark (so that spreadsheet
// programs read Č, Š, Ž right), CR LF, the tables one after another with an empty
// line between; ";" between fields where the locale's decimal separator is ",".
QByteArray ResultsCsv(const std::vector<TResultsTable> &tables);
