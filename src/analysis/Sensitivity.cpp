#include "analysis/Sensitivity.h"

#include <utility>
#include <QCoreApplication>

#include "analysis/Synthesis.h"
#include "analysis/SynthesisCache.h"
#include "matrix/FloatMath.h"
#include "matrix/KalvoError.h"
#include "model/NodePath.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Where (1 - x) a + x b, with a and b of strictly opposite signs, is 0.
double Root(double a, double b)
{
    return Divide(a, a - b);
}

void FindInterval(TCriterionSensitivity &c, int top)
{
    double low = 0.0, high = 1.0;
    const int n = int(c.AtOne.size());
    for (int j = 0; j < n; ++j) {
        if (j == top)
            continue;
        // The top's lead over j: (1 - x) a + x b, to stay at least 0.
        const double a = c.AtZero[size_t(top)] - c.AtZero[size_t(j)];
        const double b = c.AtOne[size_t(top)] - c.AtOne[size_t(j)];
        if (a >= 0.0 && b >= 0.0)
            continue;
        if (a < 0.0 && b < 0.0) {
            low = 1.0;
            high = 0.0;
            continue;
        }
        const double x = Root(a, b);
        if (a < 0.0)
            low = std::max(low, x);
        else
            high = std::min(high, x);
    }
    // Today's weight keeps today's top by definition; rounding must not say otherwise.
    c.Low = std::min(low, c.Weight);
    c.High = std::max(high, c.Weight);
}

// Sorts by weight, equal weights keeping the order they were found in (by pair).
// A radix sort on the weights' bits, which order as the weights do for x in (0, 1):
// with a thousand solutions there are hundreds of thousands of crossings, and a
// comparison sort of them would cost more than all the rest of the analysis.
void SortByWeight(std::vector<TCrossing> &crossings)
{
    std::vector<TCrossing> buffer(crossings.size());
    std::vector<quint32> counts(1u << 16);
    auto key = [](const TCrossing &c) {
        quint64 bits;
        std::memcpy(&bits, &c.Weight, sizeof bits);
        return bits;
    };
    for (int shift = 0; shift < 64; shift += 16) {
        std::fill(counts.begin(), counts.end(), 0u);
        for (const TCrossing &c : crossings)
            ++counts[(key(c) >> shift) & 0xffffu];
        quint32 total = 0;
        for (quint32 &count : counts) {
            const quint32 here = count;
            count = total;
            total += here;
        }
        for (const TCrossing &c : crossings)
            buffer[counts[(key(c) >> shift) & 0xffffu]++] = c;
        crossings.swap(buffer);
    }
}

// Where the lines of solutions j and k cross strictly inside (0, 1), or -1.
double CrossingOf(const TCriterionSensitivity &c, int j, int k)
{
    const double a = c.AtZero[size_t(j)] - c.AtZero[size_t(k)];
    const double b = c.AtOne[size_t(j)] - c.AtOne[size_t(k)];
    if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) {
        const double x = a / (a - b);   // a and b differ in sign: a - b is not 0
        if (x > 0.0 && x < 1.0)
            return x;
    }
    return -1.0;
}

void FindCrossings(TCriterionSensitivity &c, std::vector<int> followed)
{
    std::sort(followed.begin(), followed.end());   // pairs in index order, as ForEachCrossing
    for (size_t j = 0; j < followed.size(); ++j)
        for (size_t k = j + 1; k < followed.size(); ++k)
            if (const double x = CrossingOf(c, followed[j], followed[k]); x > 0.0)
                c.Crossings.push_back({x, followed[j], followed[k]});
    SortByWeight(c.Crossings);
}

// The solution on top at weight x, other than today's top (ties: the first).
int BestAt(const TCriterionSensitivity &c, double x, int top)
{
    int best = -1;
    double bestScore = 0.0;
    for (size_t k = 0; k < c.AtOne.size(); ++k) {
        const double score = (1.0 - x) * c.AtZero[k] + x * c.AtOne[k];
        if (int(k) != top && (best < 0 || score > bestScore)) {
            best = int(k);
            bestScore = score;
        }
    }
    return best;
}

// The best `count` solutions by score (best first, ties by index), and the marked one.
std::vector<int> FollowedOf(const std::vector<double> &scores, int count, int marked)
{
    std::vector<int> order(scores.size());
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = int(k);
    const auto better = [&](int a, int b) {
        return scores[size_t(a)] > scores[size_t(b)] || (scores[size_t(a)] == scores[size_t(b)] && a < b);
    };
    const size_t kept = std::min(order.size(), size_t(std::max(count, 0)));
    std::partial_sort(order.begin(), order.begin() + qsizetype(kept), order.end(), better);
    order.resize(kept);
    if (marked >= 0 && size_t(marked) < scores.size() && std::find(order.begin(), order.end(), marked) == order.end())
        order.push_back(marked);
    return order;
}

} // namespace

void ForEachCrossing(const TCriterionSensitivity &criterion, const std::function<void(const TCrossing &)> &visit)
{
    const int n = int(criterion.AtOne.size());
    for (int j = 0; j < n; ++j)
        for (int k = j + 1; k < n; ++k)
            if (const double x = CrossingOf(criterion, j, k); x > 0.0)
                visit({x, j, k});
}

std::vector<double> ScoresAt(const TCriterionSensitivity &criterion, double x)
{
    std::vector<double> scores(criterion.AtOne.size());
    for (size_t k = 0; k < scores.size(); ++k)
        scores[k] = (1.0 - x) * criterion.AtZero[k] + x * criterion.AtOne[k];
    return scores;
}

TSensitivity AnalyzeSensitivity(TModel &model, TCriterionNode *node, int followed)
{
    if (node && node->HasChildren())
        model.FitNodeMatrix(node);
    return AnalyzeSensitivity(std::as_const(model), node, followed);
}

TSensitivity AnalyzeSensitivity(const TModel &model, TCriterionNode *node, int followed)
{
    if (!node || !node->HasChildren())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Kriterij »%1« nima podkriterijev: občutljivosti ni mogoče izračunati.")
                              .arg(node ? EKalvoError::Quote(NodePath(node)) : QString()));
    const int m = node->ChildCount();
    const int n = model.SolutionCount();
    TSynthesisCache cache;
    // The sub-criteria's scores, L[i][k], by the same synthesis as the scores.
    std::vector<std::vector<double>> under(size_t(m), std::vector<double>(size_t(n), 0.0));
    for (int k = 0; k < n; ++k)
        Analyze(node, k, model.ExactMethod, &cache);   // computes node's matrix (its errors name it)
    if (n == 0)
        Analyze(node, 0, model.ExactMethod, &cache);
    for (int i = 0; i < m; ++i)
        for (int k = 0; k < n; ++k)
            under[size_t(i)][size_t(k)] = Analyze(node->Child(i), k, model.ExactMethod, &cache, model.IdealMode);
    const std::vector<double> &vector = node->Matrix->Vector;
    auto weight = [&](int i) { return size_t(i) < vector.size() ? vector[size_t(i)] : 0.0; };

    TSensitivity result;
    result.Node = node;
    result.Scores.assign(size_t(n), 0.0);
    for (int k = 0; k < n; ++k) {
        double score = 0.0;
        for (int i = 0; i < m; ++i)
            score = Checked(score + Checked(weight(i) * under[size_t(i)][size_t(k)]));
        result.Scores[size_t(k)] = score;
        if (result.Top < 0 || score > result.Scores[size_t(result.Top)])
            result.Top = k;
    }

    result.Followed = FollowedOf(result.Scores, followed, model.MarkedSolution);

    double smallest = 2.0;
    for (int i = 0; i < m; ++i) {
        TCriterionSensitivity c;
        c.Node = node->Child(i);
        c.Weight = weight(i);
        c.AtOne = under[size_t(i)];
        c.AtZero.assign(size_t(n), 0.0);
        double others = 0.0;
        for (int j = 0; j < m; ++j)
            if (j != i)
                others = Checked(others + weight(j));
        for (int k = 0; k < n; ++k) {
            if (m == 1) {
                c.AtZero[size_t(k)] = c.AtOne[size_t(k)];   // no other sub-criterion: a flat line
                continue;
            }
            double sum = 0.0;
            for (int j = 0; j < m; ++j)
                if (j != i)
                    sum = Checked(sum + (others > 0.0 ? weight(j) : 1.0) * under[size_t(j)][size_t(k)]);
            c.AtZero[size_t(k)] = Divide(sum, others > 0.0 ? others : double(m - 1));
        }
        if (result.Top >= 0) {
            FindInterval(c, result.Top);
            // Who overtakes just beyond each end of the interval.
            if (c.Low > 0.0)
                c.LowRival = BestAt(c, c.Low * (1.0 - 1e-9), result.Top);
            if (c.High < 1.0)
                c.HighRival = BestAt(c, c.High + (1.0 - c.High) * 1e-9, result.Top);
            // The nearest weight at which another solution gets on top.
            const double candidates[] = {c.Low > 0.0 ? c.Low : -1.0, c.High < 1.0 ? c.High : -1.0};
            for (double x : candidates)
                if (x >= 0.0 && std::fabs(x - c.Weight) < smallest) {
                    smallest = std::fabs(x - c.Weight);
                    result.Critical = i;
                    result.CriticalWeight = x;
                    result.CriticalChange = x - c.Weight;
                }
        }
        FindCrossings(c, result.Followed);
        result.Criteria.push_back(std::move(c));
    }
    return result;
}
