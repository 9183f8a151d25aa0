#include "matrix/GroupJudgement.h"

#include <QCoreApplication>

#include "matrix/Completion.h"
#include "matrix/Conversions.h"
#include "matrix/FloatMath.h"
#include "matrix/KalvoError.h"
#include "matrix/Matrix.h"

#include <algorithm>
#include <cmath>

namespace {

double Entropy(const std::vector<double> &p)
{
    double h = 0.0;
    for (double x : p)
        if (x > 0.0)
            h -= x * std::log(x);
    return h;
}

} // namespace

std::vector<double> AggregateJudgements(const std::vector<const TMatrix *> &participants,
                                        const std::vector<double> &weights, int order)
{
    const size_t n = size_t(std::max(order, 0));
    std::vector<double> group(n * n, 0.0);
    for (size_t i = 0; i < n; ++i)
        group[i * n + i] = 1.0;
    for (int r = 0; r < order; ++r)
        for (int c = 0; c < order; ++c) {
            if (r == c)
                continue;
            double sum = 0.0, total = 0.0;
            for (size_t p = 0; p < participants.size(); ++p) {
                const TMatrix &m = *participants[p];
                const double v = p < weights.size() ? std::max(weights[p], 0.0) : 1.0;
                if (v == 0.0 || r >= m.Order || c >= m.Order || IsBlankPair(m, r, c))
                    continue;
                auto value = [&](int row, int col) {
                    return WithContext([=] { return CellPlace(row, col); }, [&] {
                        const double x = RatioToFloat(m.RatioText(col, row));
                        if (!(x > 0.0))
                            throw EKalvoError::invalidOp();
                        return x;
                    });
                };
                // A pair whose two cells disagree counts the mean of both logarithms;
                // reciprocal cells count the one, exactly as they always did.
                const double here = value(r, c), mirror = value(c, r);
                const double log = std::fabs(here * mirror - 1.0) <= 1e-12 ? std::log(here)
                                                                          : (std::log(here) - std::log(mirror)) / 2.0;
                sum = Checked(sum + v * log);
                total += v;
            }
            if (total > 0.0)
                group[size_t(r) * n + size_t(c)] = Checked(std::exp(sum / total));
        }
    return group;
}

TMatrix JudgeMatrix(const TMatrix &matrix, size_t participant)
{
    TMatrix judge(0, ckRelative);
    judge.Order = matrix.Order;
    judge.Ratios = participant < matrix.Judges.size() ? matrix.Judges[participant] : UnjudgedTexts(size_t(matrix.Order));
    judge.Vector.assign(size_t(matrix.Order), 0.0);
    return judge;
}

std::vector<std::optional<TMatrix>> ComputedJudgeMatrices(const TMatrix &matrix, size_t participants,
                                                           bool exactMethod)
{
    std::vector<std::optional<TMatrix>> own;
    for (size_t p = 0; p < matrix.Judges.size() && p < participants; ++p) {
        own.emplace_back(JudgeMatrix(matrix, p));
        try {
            own.back()->Compute(exactMethod);
        } catch (const EKalvoError &) {
            own.back().reset();
        }
    }
    return own;
}

TJudgeTexts UnjudgedTexts(size_t order)
{
    TJudgeTexts texts(order, std::vector<QString>(order));
    for (size_t i = 0; i < order; ++i)
        texts[i][i] = QStringLiteral("1");
    return texts;
}

std::vector<double> AggregateJudgements(const TMatrix &matrix, const std::vector<double> &weights)
{
    std::vector<TMatrix> judges;
    judges.reserve(matrix.Judges.size());
    for (size_t p = 0; p < matrix.Judges.size(); ++p)
        judges.push_back(JudgeMatrix(matrix, p));
    std::vector<const TMatrix *> pointers;
    for (const TMatrix &judge : judges)
        pointers.push_back(&judge);
    return AggregateJudgements(pointers, weights, matrix.Order);
}

double ConsensusIndex(const std::vector<std::vector<double>> &vectors)
{
    const size_t k = vectors.size();
    if (k < 2 || vectors.front().empty())
        return 1.0;
    const size_t n = vectors.front().size();
    if (n < 2)
        return 1.0;   // one item: nothing to disagree on
    std::vector<double> mean(n, 0.0);
    double alpha = 0.0;
    for (const std::vector<double> &w : vectors) {
        for (size_t j = 0; j < n && j < w.size(); ++j)
            mean[j] += w[j] / double(k);
        alpha += Entropy(w) / double(k);
    }
    const double gamma = Entropy(mean);
    const double beta = gamma - alpha;
    const double dBeta = std::exp(beta);
    constexpr double M = 9.0;
    const double nn = double(n);
    const double alphaMin = -(M / (nn + M - 1.0)) * std::log(M / (nn + M - 1.0))
                            - ((nn - 1.0) / (nn + M - 1.0)) * std::log(1.0 / (nn + M - 1.0));
    const double cor = std::exp(alphaMin) / nn;
    return Divide(Divide(1.0, dBeta) - cor, 1.0 - cor);
}

QString ConsensusWord(double consensus)
{
    const double percent = consensus * 100.0;
    if (percent <= 50.0)
        return QCoreApplication::translate("Kalvo", "zelo nizko");
    if (percent < 65.0)
        return QCoreApplication::translate("Kalvo", "nizko");
    if (percent < 75.0)
        return QCoreApplication::translate("Kalvo", "zmerno");
    if (percent < 85.0)
        return QCoreApplication::translate("Kalvo", "visoko");
    return QCoreApplication::translate("Kalvo", "zelo visoko");
}

std::vector<double> RowGeometricMeans(const std::vector<double> &values, int n)
{
    std::vector<double> w(size_t(n), 0.0);
    double sum = 0.0;
    for (int r = 0; r < n; ++r) {
        double logs = 0.0;
        int count = 0;
        for (int c = 0; c < n; ++c)
            if (const double v = r == c ? 1.0 : values[size_t(r) * size_t(n) + size_t(c)]; v > 0.0) {
                logs += std::log(v);
                ++count;
            }
        w[size_t(r)] = std::exp(logs / std::max(count, 1));
        sum += w[size_t(r)];
    }
    for (double &x : w)
        x = Divide(x, sum);
    return w;
}

double GeometricConsistencyIndex(const std::vector<double> &values, int n)
{
    if (n < 3)
        return 0.0;
    const std::vector<double> w = RowGeometricMeans(values, n);
    double sum = 0.0;
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c)
            if (const double v = values[size_t(r) * size_t(n) + size_t(c)]; v > 0.0) {
                const double e = std::log(v) - std::log(w[size_t(r)]) + std::log(w[size_t(c)]);
                sum += e * e;
            }
    return Checked(2.0 * sum / (double(n - 1) * double(n - 2)));
}

double GciThreshold(int n)
{
    return n <= 3 ? 0.31 : n == 4 ? 0.35 : 0.37;
}

double ParticipantGci(const TMatrix &matrix, size_t participant)
{
    return GeometricConsistencyIndex(JudgedValues(JudgeMatrix(matrix, participant)), matrix.Order);
}
