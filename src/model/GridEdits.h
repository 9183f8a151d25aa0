#pragma once

#include "model/Model.h"

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
// Where the ratio dialog starts for grid cell (c, r) of node's ratio matrix: from
// the texts the model holds, the participant's own when one is shown (from 0);
// equal importance for a blank pair and for a node without a matrix. A text that
// is no ratio throws the conversion error, naming the cell.
TRatioPreset PresetForPair(const TModel &model, const TCriterionNode *node, int c, int r, int participant = -1);

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
    Typing,      // a number so far, while the editor is open: nothing is stored yet
    Stored,      // the editor closed on a number above zero: *restored holds it, to be stored
    Zero,        // refused when the editor closes: "Vrednost 0 ni dovoljena!"; the stored value goes back
    Negative,    // refused when the editor closes, as zero; the stored value goes back
    Restored,    // not a number: the stored value goes back into the cell
    Incomplete   // the start of a number ("-", ",", "1e"): kept while typing goes on
};

// What the grid shows for a typed text: its kind, the cell's text (for Stored,
// the value to store; for a refusal, the value stored before), the message to
// show (a box for Zero and Negative, a hint for Restored) and the value the
// model holds now.
struct TTypedEntry {
    TTypedValue Kind = TTypedValue::Ignored;
    QString Text;
    QString Message;
    QString Stored;
};

// Checks the text typed into grid row r of node's absolute column; when the
// editor closes (final) on a good number, Stored says to store it (the caller
// makes the edit): one finished cell is one edit, and a refused value leaves the
// value the cell had before the editing began. While typing goes on the start
// of a number is left alone, so that "-3", ",5" or "0,5" can be typed; zero
// ("-0" too) and negative values are refused when the editor closes on them. The
// separator that is not the locale's is taken as the decimal separator ("2.5"
// under ",").
TTypedEntry TypeAbsoluteValue(const TCriterionNode *node, int r, const QString &text, bool final = false);

// Throws the message the grid would show when text is no value a measured
// criterion may hold (not a number, zero or below).
void CheckAbsoluteValue(const QString &text);

// The typed text with the foreign decimal separator made the locale's (only when
// the text has none of the locale's own).
QString NormalizeTypedValue(const QString &text);

QString ZeroValueMessage();
QString NegativeValueMessage();
QString NotANumberMessage(const QString &text);
QString ZeroValueCaption();
