#pragma once

#include "Model.h"

#include <QString>

// The rules of editing a criterion in the comparison grid, apart from the widgets.
// Grid coordinates (column, row) count from 0; row 0 and column 0 are headers.

// Where the ratio dialog starts for a cell's ratio text.
struct TRatioPreset
{
    int Steps = 9;
    int TrackMax = 16;
    int Position = 8;
};

// The scale is preset from the first term that is not 1 (3:2 as 3:1). Terms above
// 100, which the step field cannot hold, are offered as 100. A text that is not a
// ratio throws the conversion error.
TRatioPreset PresetRatio(const QString &cellText);

// The texts a confirmed scale position gives: for the double-clicked cell and its mirror.
struct TRatioAnswer
{
    QString Clicked;
    QString Mirror;
};
TRatioAnswer RatioAnswer(int position, int trackMax);

// What a typed absolute value did.
enum class TTypedValue {
    Ignored,     // an empty text: nothing is stored
    Relative,    // the criterion compares ratios: only a refresh
    Stored,      // a number other than zero, stored as typed
    Zero,        // refused: "Vrednost 0 ni dovoljena!"
    Restored,    // not a number: the stored value goes back into the cell
    Incomplete   // the start of a number ("-", ",", "1e"): kept while typing goes on
};

// Checks and stores the text typed into grid row r of node's absolute column.
// The matrix is first given the order the grid shows (gridRows - 1). For
// Restored, *restored receives the stored value. While typing goes on (final is
// false) the start of a number is left alone, so that "-3" or ",5" can be typed;
// when the editor closes on it, it is undone like any other non-number.
TTypedValue TypeAbsoluteValue(TCriterionNode *node, int gridRows, int r, const QString &text,
                              QString *restored = nullptr, bool final = false);

QString ZeroValueMessage();
QString ZeroValueCaption();
