#include "matrix/Matrix.h"

#include <QCoreApplication>

#include "matrix/FloatMath.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "matrix/Completion.h"
#include "matrix/Conversions.h"

#include <algorithm>
#include <cmath>

QString NoRandomIndexMessage()
{
    return QCoreApplication::translate("Kalvo", "Nimam vrednosti slučajnega indexa za to dimenzijo matrike!");
}

QString NegativeValueError(const QString &text)
{
    return QCoreApplication::translate("Kalvo", "Negativna vrednost »%1« ni dovoljena.").arg(EKalvoError::Quote(text));
}

QString TooLargeMessage(qint32 order)
{
    return QCoreApplication::translate("Kalvo", "Matrika reda %1 je prevelika za primerjave po parih (največ %2 elementov). "
                          "Kriterij z več elementi naj ima absolutne vrednosti.")
        .arg(order)
        .arg(MaxRelativeOrder);
}

QString CellPlace(qint32 r, qint32 c)
{
    return QCoreApplication::translate("Kalvo", "celica (%1, %2)").arg(r + 1).arg(c + 1);
}

namespace {

// A cell's or a value's step; its error says which (1-based, as the status line).
template <typename Step>
auto AtCell(qint32 r, qint32 c, Step step)
{
    return WithContext([=] { return CellPlace(r, c); }, step);
}

template <typename Step>
auto AtValue(qint32 i, Step step)
{
    return WithContext([=] { return QCoreApplication::translate("Kalvo", "vrednost %1").arg(i + 1); }, step);
}

// A measured value: a negative one would give a negative weight and scores
// outside [0, 1], so it is refused by name.
double MeasuredValue(const QString &text)
{
    const double value = StrToFloat(text);
    if (value < 0.0)
        throw EKalvoError(EKalvoError::ekInvalidOp, NegativeValueError(text));
    return value;
}

const QString &One()
{
    static const QString one = QStringLiteral("1");
    return one;
}

// A ratio text's value as the lambda and deviation steps see it: num / den.
double RatioValue(const TRatio &ratio)
{
    return Divide(double(ratio.Numerator), double(ratio.Denominator));
}

} // namespace

QString NonReciprocalPair(const TMatrix &matrix)
{
    if (matrix.Kind != ckRelative)
        return QString();
    for (qint32 r = 0; r < matrix.Order; ++r)
        for (qint32 c = r + 1; c < matrix.Order; ++c) {
            const QString upper = matrix.RatioText(c, r), lower = matrix.RatioText(r, c);
            double product = 1.0;
            try {
                product = RatioToFloat(upper) * RatioToFloat(lower);
            } catch (const EKalvoError &) {
                continue;   // a text that is no number is reported when it is computed
            }
            if (!(std::fabs(product - 1.0) <= 1e-9))
                return QCoreApplication::translate("Kalvo", "celici (%1, %2) in (%2, %1) (%3 in %4)")
                    .arg(r + 1).arg(c + 1).arg(EKalvoError::Quote(upper), EKalvoError::Quote(lower));
        }
    return QString();
}

TMatrix::TMatrix(qint32 order, TCriterionKind kind)
    : Kind(kind)
{
    SetOrder(order);
    Lambda = 0.0;
}

void TMatrix::CheckOrder(qint32 n) const
{
    if (Kind == ckRelative && n > MaxRelativeOrder)
        throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(n));
}

void TMatrix::SetOrder(qint32 n)
{
    n = std::max<qint32>(n, 0);
    CheckOrder(n);
    Order = n;
    if (Kind == ckRelative) {
        CompleteRatios();
    } else {
        // An absolute matrix keeps the ratio texts it has (for a switch back) but
        // does not grow them: n x n texts for thousands of solutions that no one
        // compares would make every fitting and every load quadratic.
        if (Ratios.size() > size_t(n))
            Ratios.resize(size_t(n));
        for (auto &column : Ratios)
            if (column.size() > size_t(n))
                column.resize(size_t(n));
    }
    AbsoluteValues.resize(size_t(n));
    for (auto &text : AbsoluteValues)
        if (text.isEmpty())
            text = One();
    if (Untyped.size() > size_t(n))
        Untyped.resize(size_t(n));
    Vector.resize(size_t(n), 0.0);
    // A participant has not judged the pairs of a new item.
    for (TJudgeTexts &judge : Judges) {
        const size_t before = judge.size();
        judge.resize(size_t(n));
        for (size_t c = 0; c < judge.size(); ++c) {
            const size_t rows = judge[c].size();
            judge[c].resize(size_t(n));
            for (size_t r = rows; r < size_t(n); ++r)
                judge[c][r] = r == c ? One() : QString();
            if (c >= before)
                judge[c][c] = One();
        }
    }
}

void TMatrix::CompleteRatios()
{
    CheckOrder(Order);
    // New cells are judged equal; an empty text is a blank pair and stays.
    Ratios.resize(size_t(Order));
    for (auto &column : Ratios)
        column.resize(size_t(Order), One());
}

QString TMatrix::RatioText(qint32 c, qint32 r) const
{
    if (c >= 0 && r >= 0 && size_t(c) < Ratios.size() && size_t(r) < Ratios[size_t(c)].size())
        return Ratios[size_t(c)][size_t(r)];
    return One();
}

void TMatrix::Compute(bool exactMethod)
{
    Completed.clear();
    switch (Kind) {
    case ckRelative:
        CompleteBlankPairs();
        if (exactMethod)
            ComputeExact();
        else
            ComputeApproximate();
        // A group combined by its participants' own weights: those weights, the
        // consistency of the aggregated judgements as computed.
        if (GivenVector.size() == size_t(Order))
            Vector = GivenVector;
        break;
    case ckLessIsBetter:
        ComputeLessIsBetter();
        break;
    case ckMoreIsBetter:
        ComputeMoreIsBetter();
        break;
    default:
        break;
    }
}

void TMatrix::CompleteBlankPairs()
{
    // Values given for another order (the items changed since) stand for nothing.
    if (Given.size() != size_t(Order) * size_t(Order))
        Given.clear();
    const bool given = !Given.empty();
    if (!given && !HasBlankPairs(*this))
        return;
    const TCompletion completion = given ? TCompletion(Order, Given) : CompletionOf(*this);
    if (completion.Blank().empty())
        return;
    if (!completion.Connected())
        throw EKalvoError(EKalvoError::ekUndetermined, DisconnectedMessage(completion.LooseItems()));
    const size_t n = size_t(Order);
    Completed.assign(n * n, 0.0);
    for (const auto &[r, c] : completion.Blank()) {
        Completed[size_t(r) * n + size_t(c)] = completion.Value(r, c);
        Completed[size_t(c) * n + size_t(r)] = completion.Value(c, r);
    }
}

bool TMatrix::IsCompleted(qint32 c, qint32 r) const
{
    return !Completed.empty() && c != r && Completed[size_t(r) * size_t(Order) + size_t(c)] > 0.0;
}

double TMatrix::CellValue(qint32 c, qint32 r) const
{
    if (IsCompleted(c, r))
        return Completed[size_t(r) * size_t(Order) + size_t(c)];
    if (!Given.empty())
        return c == r ? 1.0 : Given[size_t(r) * size_t(Order) + size_t(c)];
    return AtCell(r, c, [&] { return RatioValue(ParseRatio(Ratios[c][r])); });
}

void TMatrix::ComputeMoreIsBetter()
{
    double sum = 0.0;
    for (qint32 i = 0; i < Order; ++i) {
        Vector[i] = AtValue(i, [&] { return MeasuredValue(AbsoluteValues[i]); });
        sum = Checked(sum + Vector[i]);
    }
    for (qint32 i = 0; i < Order; ++i)
        Vector[i] = Divide(Vector[i], sum);
}

void TMatrix::ComputeLessIsBetter()
{
    double sum = 0.0;
    for (qint32 i = 0; i < Order; ++i) {
        Vector[i] = AtValue(i, [&] { return Divide(1.0, MeasuredValue(AbsoluteValues[i])); });
        sum = Checked(sum + Vector[i]);
    }
    for (qint32 i = 0; i < Order; ++i)
        Vector[i] = Divide(Vector[i], sum);
}

void TMatrix::ComputeApproximate()
{
    const qint32 n = Order;
    if (n < 1)
        return;
    CompleteRatios();

    // Column normalisation into a work matrix, m[c][r].
    std::vector<std::vector<double>> m(size_t(n), std::vector<double>(size_t(n), 0.0));
    for (qint32 c = 0; c < n; ++c) {
        double s = 0.0;
        for (qint32 r = 0; r < n; ++r) {
            m[c][r] = CellValue(c, r);
            s = Checked(s + m[c][r]);
        }
        for (qint32 r = 0; r < n; ++r)
            m[c][r] = Divide(m[c][r], s);
    }

    for (qint32 r = 0; r < n; ++r) {
        double sum = 0.0;
        for (qint32 c = 0; c < n; ++c)
            sum += m[c][r];
        Vector[r] = Divide(sum, double(n));
    }

    ComputeConsistency();
}

void TMatrix::ComputeConsistency()
{
    const qint32 n = Order;
    std::vector<double> &w = Vector;

    Lambda = 0.0;
    for (qint32 r = 0; r < n; ++r) {
        double t = 0.0;
        for (qint32 c = 0; c < n; ++c) {
            if (IsCompleted(c, r) || !Given.empty()) {
                t = Checked(t + Checked(CellValue(c, r) * w[c]));
                continue;
            }
            const TRatio ratio = AtCell(r, c, [&] { return ParseRatio(Ratios[c][r]); });
            t = Checked(t + Divide(Checked(double(ratio.Numerator) * w[c]), double(ratio.Denominator)));
        }
        Lambda = Checked(Lambda + Divide(t, w[r]));
    }
    Lambda = Divide(Lambda, double(n));

    if (n > 1) {
        CI = Divide(Lambda - double(n), double(n - 1));
        CR = 0.0;
        if (n <= 10) {
            CR = Divide(CI, RandomIndex[size_t(n)]);
        } else if (FWarnedOrder != n) {
            // Once, not at every refresh: the user cannot change what it says.
            FWarnedOrder = n;
            ShowMessage(NoRandomIndexMessage());
        }
    }

    MaxD = 0.0;
    double best = 0.0;
    for (qint32 r = 0; r < n; ++r) {
        for (qint32 c = 0; c < n; ++c) {
            if (IsCompleted(c, r))
                continue;   // never judged: no judgement to mend there
            const double q = std::fabs(Divide(w[c], w[r]));
            double d = 0.0;
            if (!Given.empty()) {
                d = std::fabs(Divide(1.0, CellValue(c, r)) - q);
            } else {
                const TRatio ratio = ParseRatio(Ratios[c][r]);
                d = std::fabs(std::fabs(Divide(double(ratio.Denominator), double(ratio.Numerator))) - q);
            }
            if (d > best) {
                best = d;
                MaxD = q;
                MaxDRow = r + 1;
                MaxDCol = c + 1;
            }
        }
    }
}

void TMatrix::ComputePowered()
{
    const qint32 n = Order;
    CompleteRatios();
    const size_t size = size_t(n) + 1;
    PoweredMatrix.resize(size);
    for (auto &column : PoweredMatrix)
        column.resize(size, 0.0);

    // First squaring straight from the texts. Each cell is converted when the
    // product first reaches it, so the first bad cell met is the one reported;
    // all cells have been met once row 0 is done.
    const size_t nn = size_t(n) * size_t(n);
    std::vector<double> a(nn, 0.0);          // row-major a(r, k)
    std::vector<char> converted(nn, 0);
    auto value = [&](qint32 r, qint32 c) {
        const size_t at = size_t(r) * size_t(n) + size_t(c);
        if (!converted[at]) {
            a[at] = IsCompleted(c, r) || !Given.empty() ? CellValue(c, r) : AtCell(r, c, [&] { return RatioToFloat(Ratios[c][r]); });
            converted[at] = 1;
        }
        return a[at];
    };
    for (qint32 c = 0; c < n; ++c) {
        double sum = 0.0;
        for (qint32 k = 0; k < n; ++k)
            sum = Checked(sum + Checked(value(0, k) * value(k, c)));
        PoweredMatrix[c][0] = sum;
    }

    // The products run on row-major copies and transposes so that they stream
    // through memory; each entry still sums its terms in increasing k.
    std::vector<double> rows = std::move(a), columns(nn), result(nn);
    auto squareInto = [&]() {
        for (qint32 r = 0; r < n; ++r)
            for (qint32 c = 0; c < n; ++c)
                columns[size_t(c) * n + r] = rows[size_t(r) * n + c];
        for (qint32 r = 0; r < n; ++r) {
            const double *row = rows.data() + size_t(r) * n;
            for (qint32 c = 0; c < n; ++c) {
                const double *column = columns.data() + size_t(c) * n;
                double sum = 0.0;
                for (qint32 k = 0; k < n; ++k)
                    sum += row[k] * column[k];
                // Finite factors give a non-finite sum only through overflow.
                if (!std::isfinite(sum))
                    throw EKalvoError::overflow();
                result[size_t(r) * n + c] = sum;
            }
        }
        for (qint32 r = 0; r < n; ++r)
            for (qint32 c = 0; c < n; ++c)
                PoweredMatrix[c][r] = result[size_t(r) * n + c];
        rows.swap(result);
    };
    squareInto();   // A^2 (row 0 is already in place and comes out the same)
    squareInto();   // A^4
    squareInto();   // A^8
}

void TMatrix::ComputeExact()
{
    const qint32 n = Order;
    if (n < 1)
        return;

    ComputePowered();

    double total = 0.0;
    for (qint32 r = 0; r < n; ++r) {
        double s = 0.0;
        for (qint32 c = 0; c < n; ++c)
            s = Checked(s + PoweredMatrix[c][r]);
        Vector[r] = s;
        total = Checked(total + s);
    }
    for (qint32 r = 0; r < n; ++r)
        Vector[r] = Divide(Vector[r], total);

    ComputeConsistency();
}

void TMatrix::RemoveItem(qint32 index)
{
    if (index < 0 || index >= Order)
        return;
    if (size_t(index) < Ratios.size())
        Ratios.erase(Ratios.begin() + index);
    for (auto &column : Ratios)
        if (size_t(index) < column.size())
            column.erase(column.begin() + index);
    AbsoluteValues.erase(AbsoluteValues.begin() + index);
    if (size_t(index) < Untyped.size())
        Untyped.erase(Untyped.begin() + index);
    Vector.erase(Vector.begin() + index);
    for (TJudgeTexts &judge : Judges) {
        if (size_t(index) < judge.size())
            judge.erase(judge.begin() + index);
        for (auto &column : judge)
            if (size_t(index) < column.size())
                column.erase(column.begin() + index);
    }
    if (size_t(index) < PoweredMatrix.size()) {
        PoweredMatrix.erase(PoweredMatrix.begin() + index);
        for (auto &column : PoweredMatrix)
            if (size_t(index) < column.size())
                column.erase(column.begin() + index);
    }
    --Order;
}

TMatrixItem TMatrix::TakeItem(qint32 index)
{
    TMatrixItem item;
    if (index < 0 || index >= Order)
        return item;
    item.InRatios = size_t(index) < Ratios.size();
    if (item.InRatios) {
        item.Column = Ratios[size_t(index)];
        for (size_t c = 0; c < Ratios.size(); ++c)
            if (c != size_t(index) && size_t(index) < Ratios[c].size())
                item.Row.push_back(Ratios[c][size_t(index)]);
    }
    item.Value = AbsoluteValues[size_t(index)];
    item.Untyped = IsUntyped(index);
    item.Weight = size_t(index) < Vector.size() ? Vector[size_t(index)] : 0.0;
    for (const TJudgeTexts &judge : Judges) {
        std::vector<QString> column = size_t(index) < judge.size() ? judge[size_t(index)] : std::vector<QString>();
        std::vector<QString> row;
        for (size_t c = 0; c < judge.size(); ++c)
            if (c != size_t(index) && size_t(index) < judge[c].size())
                row.push_back(judge[c][size_t(index)]);
        item.Judges.emplace_back(std::move(column), std::move(row));
    }
    RemoveItem(index);
    return item;
}

void TMatrix::PutItem(qint32 index, TMatrixItem item)
{
    if (index < 0 || index > Order)
        return;
    const auto at = [index](auto &list) { return list.begin() + std::min<qsizetype>(index, qsizetype(list.size())); };
    if (item.InRatios) {
        size_t k = 0;
        for (auto &column : Ratios)
            if (k < item.Row.size())
                column.insert(at(column), item.Row[k++]);
        Ratios.insert(at(Ratios), std::move(item.Column));
    }
    AbsoluteValues.insert(at(AbsoluteValues), item.Value);
    if (item.Untyped || size_t(index) < Untyped.size()) {
        Untyped.resize(std::max(Untyped.size(), size_t(index)), false);
        Untyped.insert(at(Untyped), item.Untyped);
    }
    Vector.insert(at(Vector), item.Weight);
    for (size_t p = 0; p < Judges.size() && p < item.Judges.size(); ++p) {
        TJudgeTexts &judge = Judges[p];
        size_t k = 0;
        for (auto &column : judge)
            if (k < item.Judges[p].second.size())
                column.insert(at(column), item.Judges[p].second[k++]);
        judge.insert(at(judge), std::move(item.Judges[p].first));
    }
    if (!PoweredMatrix.empty()) {
        for (auto &column : PoweredMatrix)
            column.insert(at(column), 0.0);
        PoweredMatrix.insert(at(PoweredMatrix), std::vector<double>(PoweredMatrix.front().size(), 0.0));
    }
    ++Order;
}

bool IsBlankPair(const TMatrix &matrix, int r, int c)
{
    return matrix.Kind == ckRelative && r != c && (matrix.RatioText(c, r).isEmpty() || matrix.RatioText(r, c).isEmpty());
}

bool HasBlankPairs(const TMatrix &matrix)
{
    if (matrix.Kind != ckRelative)
        return false;
    for (const auto &column : matrix.Ratios)
        for (const QString &text : column)
            if (text.isEmpty())
                return true;
    return false;
}

std::vector<double> JudgedValues(const TMatrix &matrix)
{
    const int n = std::max(matrix.Order, 0);
    std::vector<double> values(size_t(n) * size_t(n), 0.0);
    auto value = [&](int r, int c) {
        return WithContext([=] { return CellPlace(r, c); }, [&] {
            const double x = RatioToFloat(matrix.RatioText(c, r));
            if (!(x > 0.0) || !std::isfinite(x))
                throw EKalvoError::invalidOp();
            return x;
        });
    };
    for (int r = 0; r < n; ++r) {
        values[size_t(r) * n + r] = 1.0;
        for (int c = r + 1; c < n; ++c) {
            if (IsBlankPair(matrix, r, c))
                continue;
            values[size_t(r) * n + c] = value(r, c);
            values[size_t(c) * n + r] = value(c, r);
        }
    }
    return values;
}

TCompletion CompletionOf(const TMatrix &matrix)
{
    return TCompletion(matrix.Order, JudgedValues(matrix));
}

std::optional<TCompletion> TryCompletion(const TMatrix &matrix)
{
    try {
        return CompletionOf(matrix);
    } catch (const EKalvoError &) {
        return std::nullopt;
    }
}

namespace {

std::optional<TCompletion> BlankPairs(const TMatrix &matrix, bool tolerant)
{
    std::optional<TCompletion> completion;
    if (!matrix.Given.empty())
        completion.emplace(matrix.Order, matrix.Given);
    else if (HasBlankPairs(matrix))
        completion = tolerant ? TryCompletion(matrix) : CompletionOf(matrix);
    if (completion && completion->Blank().empty())
        completion.reset();
    return completion;
}

} // namespace

std::optional<TCompletion> BlankPairsOf(const TMatrix &matrix)
{
    return BlankPairs(matrix, false);
}

std::optional<TCompletion> TryBlankPairsOf(const TMatrix &matrix)
{
    return BlankPairs(matrix, true);
}

double TMatrix::IdealValue(qint32 intensity) const
{
    if (intensity < 0 || size_t(intensity) >= Vector.size())
        return 0.0;
    const double best = *std::max_element(Vector.begin(), Vector.end());
    return Divide(Vector[size_t(intensity)], best);
}
