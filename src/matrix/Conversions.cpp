#include "matrix/Conversions.h"

#include "matrix/FloatMath.h"
#include "matrix/KalvoError.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
bool IsAsciiDigit(QChar ch);
}

TRatio ParseRatio(const QString &text)
{
    TRatio ratio;
    qint64 accumulator = 0;
    qsizetype termStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('/') || ch == QLatin1Char(':')) {
            ratio.Numerator = qint32(accumulator);
            accumulator = 0;
            termStart = i + 1;
            continue;
        }
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            throw EKalvoError::notInteger(QString(ch));
        accumulator = accumulator * 10 + (ch.unicode() - '0');
        if (accumulator > std::numeric_limits<qint32>::max()) {
            qsizetype end = termStart;
            while (end < text.size() && IsAsciiDigit(text.at(end)))
                ++end;
            throw EKalvoError::notInteger(text.mid(termStart, end - termStart));
        }
    }
    ratio.Denominator = qint32(accumulator);
    return ratio;
}

double RatioToFloat(const QString &text)
{
    if (text.contains(QLatin1Char(',')))
        return StrToFloat(text);
    const TRatio r = ParseRatio(text);
    return Divide(double(r.Numerator), double(r.Denominator));
}

QString ForeignSeparator()
{
    const QString decimal = DecimalSeparator();
    if (decimal == QLatin1String(","))
        return QStringLiteral(".");
    if (decimal == QLatin1String("."))
        return QStringLiteral(",");
    return QString();
}

QString DecimalSeparator()
{
    return QLocale().decimalPoint();
}

namespace {

bool IsBlank(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

bool IsAsciiDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// The text between its leading and trailing blanks: [first, end).
void TrimBlanks(const QString &text, qsizetype &first, qsizetype &end)
{
    first = 0;
    end = text.size();
    while (first < end && IsBlank(text.at(first)))
        ++first;
    while (end > first && IsBlank(text.at(end - 1)))
        --end;
}

// Copies the ASCII digits at text[i...] to out; returns how many there were.
int CopyDigits(const QString &text, qsizetype &i, qsizetype end, std::string &out)
{
    int count = 0;
    for (; i < end && IsAsciiDigit(text.at(i)); ++i, ++count)
        out += char(text.at(i).unicode());
    return count;
}

bool IsSign(QChar ch)
{
    return ch == QLatin1Char('+') || ch == QLatin1Char('-');
}

// Checks the text against the number grammar and returns it in the C form that
// std::from_chars reads, or an empty string when it does not match.
std::string NormaliseNumber(const QString &text, const QString &separator)
{
    qsizetype i = 0, end = 0;
    TrimBlanks(text, i, end);
    std::string out;
    if (i < end && IsSign(text.at(i))) {
        if (text.at(i) == QLatin1Char('-'))
            out += '-';
        ++i;
    }
    int digits = CopyDigits(text, i, end, out);
    if (!separator.isEmpty() && text.mid(i, separator.size()) == separator) {
        out += '.';
        i += separator.size();
        digits += CopyDigits(text, i, end, out);
    }
    if (digits == 0)
        return {};
    if (i < end && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        out += 'e';
        ++i;
        if (i < end && IsSign(text.at(i)))
            out += char(text.at(i++).unicode());
        if (CopyDigits(text, i, end, out) == 0)
            return {};
    }
    if (i != end)
        return {};
    return out;
}

// For a number out of a double's range: whether it is below it rather than above,
// judged by the position of its first significant digit.
bool IsTinyNumber(const std::string &normalised)
{
    const size_t e = normalised.find('e');
    const std::string mantissa = normalised.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        const std::string digits = normalised.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        for (char ch : digits)
            if (ch >= '0' && ch <= '9')
                exponent = std::min(exponent * 10 + (ch - '0'), 1LL << 40);
        if (negative)
            exponent = -exponent;
    }
    long long position = 0;   // digits before the point, counted from the first significant one
    bool significant = false, afterPoint = false;
    for (char ch : mantissa) {
        if (ch == '.') { afterPoint = true; continue; }
        if (ch < '0' || ch > '9') continue;
        if (!significant && ch == '0') {
            if (afterPoint) --position;
            continue;
        }
        significant = true;
        if (!afterPoint) ++position;
    }
    return position + exponent <= 0;
}

} // namespace

double StrToFloat(const QString &text)
{
    const std::string normalised = NormaliseNumber(text, DecimalSeparator());
    double value = 0.0;
    if (normalised.empty())
        throw EKalvoError::notFloat(text);
    const char *first = normalised.data();
    const char *last = first + normalised.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ptr != last || !std::isfinite(value))
        throw EKalvoError::notFloat(text);
    // Too large for a double (1e999) is no value a user can mean; too small reads as 0.
    if (ec == std::errc::result_out_of_range) {
        if (!IsTinyNumber(normalised))
            throw EKalvoError::notFloat(text);
        value = 0.0;
    }
    return value;
}

bool IsFloat(const QString &text)
{
    try {
        StrToFloat(text);
        return true;
    } catch (const EKalvoError &) {
        return false;
    }
}

qint32 StrToInt(const QString &text)
{
    qsizetype i = 0, end = 0;
    TrimBlanks(text, i, end);
    bool negative = false;
    if (i < end && IsSign(text.at(i))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == end)
        throw EKalvoError::notInteger(text);
    qint64 value = 0;
    for (; i < end; ++i) {
        if (!IsAsciiDigit(text.at(i)))
            throw EKalvoError::notInteger(text);
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            throw EKalvoError::notInteger(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max())
        throw EKalvoError::notInteger(text);
    return qint32(value);
}

namespace {

QString CharsToString(const char *first, const char *last)
{
    return QString::fromLatin1(first, last - first);
}

// Scientific notation with at most ten significant digits: 1.5E13, -2.25E11.
QString FormatGeneral(double value, const QString &separator)
{
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, 9);
    QString text = CharsToString(buffer, res.ptr);           // d.ddddddddde+XX
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString mantissa = text.left(e);
    const int exponent = text.mid(e + 1).toInt();
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    if (mantissa.endsWith(QLatin1Char('.')))
        mantissa.chop(1);
    mantissa.replace(QLatin1Char('.'), separator);
    return mantissa + QLatin1Char('E') + QString::number(exponent);
}

} // namespace

QString FormatFloat4(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const QString separator = DecimalSeparator();
    char buffer[400];

    // The decimal exponent after rounding to ten significant digits decides
    // between fixed and scientific notation and how many decimals fit in ten digits.
    int exponent = 0;
    if (value != 0.0) {
        const auto res = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, 9);
        const QString text = CharsToString(buffer, res.ptr);
        exponent = text.mid(text.indexOf(QLatin1Char('e')) + 1).toInt();
    }
    if (exponent >= 10)
        return FormatGeneral(value, separator);

    const int integerDigits = exponent >= 0 ? exponent + 1 : 1;
    const int decimals = qBound(0, 10 - integerDigits, 4);
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::fixed, decimals);
    QString text = CharsToString(buffer, res.ptr);
    if (decimals == 0)
        text += QLatin1Char('.');
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    while (text.size() - point - 1 < 4)
        text += QLatin1Char('0');
    // A value that rounds to zero is shown without a sign.
    const bool negativeZero = text.startsWith(QLatin1Char('-'))
        && text.count(QLatin1Char('0')) == text.size() - 2;
    text.replace(point, 1, separator);
    if (negativeZero)
        text.remove(0, 1);
    return text;
}

QString ReciprocalText(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return text;
    return text.mid(colon + 1) + QLatin1Char(':') + text.left(colon);
}

bool IsJudgementPair(const QString &cell, const QString &mirror, bool diagonal)
{
    if (diagonal)
        return cell == QLatin1String("1");
    if (cell.isEmpty() || mirror.isEmpty())
        return cell.isEmpty() && mirror.isEmpty();
    try {
        const double value = RatioToFloat(cell), back = RatioToFloat(mirror);
        return value > 0.0 && back > 0.0 && std::fabs(value * back - 1.0) <= 1e-9;
    } catch (const EKalvoError &) {
        return false;   // a text that is no ratio
    }
}
