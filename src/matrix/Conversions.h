#pragma once

#include <QString>
#include <QtGlobal>

// Conversion routines for the ratio texts of the comparison cells and for the
// locale's decimal numbers. Free functions without state.

struct TRatio
{
    qint32 Numerator = 1;
    qint32 Denominator = 0;
};

// "3:1" -> (3, 1), "1/5" -> (1, 5), "7" -> (1, 7), "" -> (1, 0), "2:3:4" -> (3, 4).
// A character that is not a digit, ':' or '/' throws the integer conversion error
// naming that character; a term too long for 32 bits throws it naming the term.
TRatio ParseRatio(const QString &text);

// Value of a ratio text; a text containing ',' is read as a locale decimal number.
double RatioToFloat(const QString &text);

// True when the locale's decimal-number conversion accepts the whole text.
bool IsFloat(const QString &text);

// The locale's decimal-number conversion: optional blanks around the number, an
// optional sign, digits with at most one decimal separator of the current QLocale,
// an optional exponent. Group separators, blanks inside and trailing text are refused
// with "'%s' is not a valid floating point value".
double StrToFloat(const QString &text);

// The integer conversion: an optional sign and decimal digits that fit 32 bits,
// else "'%s' is not a valid integer value".
qint32 StrToInt(const QString &text);

// The current QLocale's decimal separator.
QString DecimalSeparator();
// The other of "," and "." (what a model written under the other locale uses), or ""
// when the locale's separator is neither.
QString ForeignSeparator();

// The four-decimal number format: fixed point, exactly four decimals, at most ten
// significant digits, the locale's decimal separator; more than ten digits before
// the separator switch to scientific notation ("1,5E13"); "NAN", "INF", "-INF".
QString FormatFloat4(double value);

// The reciprocal scale text: "3:1" <-> "1:3", "1" stays.
QString ReciprocalText(const QString &text);

// Whether a cell and its mirror are as the ratio dialog writes them: "1" on the
// diagonal, elsewhere a ratio and its reciprocal, or the pair blank both ways.
bool IsJudgementPair(const QString &cell, const QString &mirror, bool diagonal);
