#include "analysis/ConsistencyAdvice.h"

#include <QCoreApplication>
#include <QLocale>

#include "matrix/Completion.h"
#include "matrix/KalvoError.h"
#include "matrix/Conversions.h"
#include "model/NodePath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// The scale of the ratio dialog: 1, then n:1 and 1:n for n from 2 to 9.
std::vector<std::pair<QString, double>> Scale()
{
    std::vector<std::pair<QString, double>> scale{{QStringLiteral("1"), 1.0}};
    for (int n = 2; n <= 9; ++n) {
        scale.push_back({QStringLiteral("%1:1").arg(n), double(n)});
        scale.push_back({QStringLiteral("1:%1").arg(n), 1.0 / n});
    }
    return scale;
}

// A quick consistency ratio for screening the candidates: the same formulas as
// Compute on numbers already converted (the exact method's row sums of the 8th
// power as eight products with a vector). Final answers are computed by Compute.
class TQuickCR
{
public:
    TQuickCR(int n, bool exact) : FN(n), FExact(exact) {}

    double operator()(const std::array<double, 100> &a) const
    {
        const int n = FN;
        std::array<double, 10> w{};
        if (FExact) {
            std::array<double, 10> v;
            v.fill(1.0);
            for (int step = 0; step < 8; ++step) {
                for (int r = 0; r < n; ++r) {
                    double s = 0.0;
                    for (int c = 0; c < n; ++c)
                        s += a[size_t(r * 10 + c)] * v[size_t(c)];
                    w[size_t(r)] = s;
                }
                v = w;
            }
        } else {
            for (int c = 0; c < n; ++c) {
                double s = 0.0;
                for (int r = 0; r < n; ++r)
                    s += a[size_t(r * 10 + c)];
                for (int r = 0; r < n; ++r)
                    w[size_t(r)] += a[size_t(r * 10 + c)] / s;
            }
        }
        double lambda = 0.0;
        for (int r = 0; r < n; ++r) {
            double t = 0.0;
            for (int c = 0; c < n; ++c)
                t += a[size_t(r * 10 + c)] * w[size_t(c)];
            lambda += t / w[size_t(r)];
        }
        lambda /= n;
        const double ci = (lambda - n) / (n - 1);
        const double cr = ci / RandomIndex[size_t(n)];
        return std::isfinite(cr) ? cr : std::numeric_limits<double>::infinity();
    }

private:
    int FN;
    bool FExact;
};

struct TCandidate
{
    std::vector<TJudgementChange> Changes;
    double CR = 0.0;
    double Distance = 0.0;   // how far the judgements move: the sum of |ln new - ln old|
};

// Users want their judgements kept: the smaller move first, then the lower CR.
bool Preferred(const TCandidate &p, const TCandidate &q)
{
    if (std::fabs(p.Distance - q.Distance) > 1e-12)
        return p.Distance < q.Distance;
    return p.CR < q.CR;
}

double ComputedCR(const TMatrix &matrix, const std::vector<TJudgementChange> &changes, bool exact)
{
    TMatrix m = matrix;
    ApplyAdvice(m, changes);
    m.Compute(exact);
    return m.CR;
}

} // namespace

void ApplyAdvice(TMatrix &matrix, const std::vector<TJudgementChange> &changes)
{
    for (const TJudgementChange &change : changes) {
        const size_t r = size_t(change.Row - 1), c = size_t(change.Col - 1);
        if (r < size_t(matrix.Order) && c < size_t(matrix.Order) && r != c) {
            matrix.Ratios[c][r] = change.To;
            matrix.Ratios[r][c] = ReciprocalText(change.To);
        }
    }
}

namespace {

TConsistencyAdvice Advise(const TMatrix &matrix, bool exactMethod);

} // namespace

double ScreeningCR(const TMatrix &matrix, bool exactMethod)
{
    const int n = matrix.Order;
    std::array<double, 100> a{};
    for (int r = 0; r < n && n <= 10; ++r)
        for (int c = 0; c < n; ++c)
            a[size_t(r * 10 + c)] = RatioToFloat(matrix.RatioText(c, r));
    return TQuickCR(n, exactMethod)(a);
}

// The advice, with the items' weights before and after it, so that the user sees
// what the changes do to the result before taking them.
TConsistencyAdvice AdviseConsistency(const TMatrix &matrix, bool exactMethod)
{
    TConsistencyAdvice advice = Advise(matrix, exactMethod);
    TMatrix m = matrix;
    m.Compute(exactMethod);
    advice.WeightsBefore = m.Vector;
    ApplyAdvice(m, advice.Changes);
    m.Compute(exactMethod);
    advice.WeightsAfter = m.Vector;
    return advice;
}

namespace {

TConsistencyAdvice Advise(const TMatrix &matrix, bool exactMethod)
{
    if (matrix.Kind != ckRelative)
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Predlogi za doslednost so le za kriterije, ki primerjajo po parih."));
    const int n = matrix.Order;
    if (n > 10)
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Za matriko reda %1 ni slučajnega indeksa: njene doslednosti ni mogoče "
                                         "presoditi.").arg(n));
    if (!matrix.Judges.empty())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Predlogi za doslednost so za sodbe enega presojevalca; to matriko "
                                         "presoja skupina."));
    // Advice mends judgements; a pair never judged has none to mend, and its
    // completion moves with every change.
    if (HasBlankPairs(matrix))
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Predlogi za doslednost potrebujejo vse primerjave: matrika ima "
                                         "neprimerjane pare. Najprej jih primerjajte."));
    // Mirrored cells that disagree give a CR that means nothing (even below 0).
    if (const QString pair = NonReciprocalPair(matrix); !pair.isEmpty())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "V matriki si %1 nista obratni, zato predlogov ni mogoče dati. "
                                         "Popravite eno od njiju.").arg(pair));
    TMatrix today = matrix;
    today.Compute(exactMethod);
    TConsistencyAdvice advice;
    advice.CR = advice.CRAfter = today.CR;
    if (n < 3 || today.CR <= AcceptableCR)
        return advice;

    // The matrix as numbers, row-major; the cells above the diagonal that may change.
    std::array<double, 100> a{};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            a[size_t(r * 10 + c)] = RatioToFloat(today.Ratios[size_t(c)][size_t(r)]);
    struct TCell { int R, C; };
    std::vector<TCell> cells;
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c)
            cells.push_back({r, c});
    const auto scale = Scale();
    // Each cell's choices: the scale values that differ from what it holds.
    std::vector<std::vector<int>> choices(cells.size());
    for (size_t i = 0; i < cells.size(); ++i)
        for (int v = 0; v < int(scale.size()); ++v)
            if (std::fabs(scale[size_t(v)].second - a[size_t(cells[i].R * 10 + cells[i].C)]) > 1e-12)
                choices[i].push_back(v);
    auto change = [&](size_t cell, int value) {
        const TCell &x = cells[cell];
        return TJudgementChange{x.R + 1, x.C + 1, today.Ratios[size_t(x.C)][size_t(x.R)], scale[size_t(value)].first};
    };
    auto set = [&](std::array<double, 100> &m, size_t cell, int value) {
        const TCell &x = cells[cell];
        m[size_t(x.R * 10 + x.C)] = scale[size_t(value)].second;
        m[size_t(x.C * 10 + x.R)] = 1.0 / scale[size_t(value)].second;
    };
    const TQuickCR quick(n, exactMethod);
    const double margin = 1e-9;   // screening tolerance; Compute decides

    // How far a change moves cell's judgement from what the user said.
    auto distance = [&](size_t cell, int value) {
        const TCell &x = cells[cell];
        return std::fabs(std::log(scale[size_t(value)].second) - std::log(a[size_t(x.R * 10 + x.C)]));
    };

    // The candidates of one size that the quick screen lets through, in order of
    // preference (smallest move, then lowest CR), decided by Compute: the first that
    // Compute accepts, and of those with the same move the lowest CR.
    auto decide = [&](std::vector<TCandidate> &candidates) -> bool {
        std::sort(candidates.begin(), candidates.end(), Preferred);
        bool found = false;
        TCandidate best;
        int computed = 0;
        for (const TCandidate &candidate : candidates) {
            if (found && candidate.Distance > best.Distance + 1e-12)
                break;
            if (++computed > 512)
                break;
            const double cr = ComputedCR(today, candidate.Changes, exactMethod);
            if (cr <= AcceptableCR && (!found || cr < best.CR)) {
                best = {candidate.Changes, cr, candidate.Distance};
                found = true;
            }
        }
        if (found) {
            advice.Changes = best.Changes;
            advice.CRAfter = best.CR;
        }
        return found;
    };

    std::vector<TCandidate> singles;
    for (size_t i = 0; i < cells.size(); ++i)
        for (int v : choices[i]) {
            std::array<double, 100> m = a;
            set(m, i, v);
            if (const double cr = quick(m); cr <= AcceptableCR + margin)
                singles.push_back({{change(i, v)}, cr, distance(i, v)});
        }
    if (decide(singles))
        return advice;

    std::vector<TCandidate> pairs;
    std::vector<TCandidate> bestPairs;   // the lowest, for the steps beyond two
    for (size_t i = 0; i < cells.size(); ++i)
        for (int u : choices[i]) {
            std::array<double, 100> m = a;
            set(m, i, u);
            for (size_t j = i + 1; j < cells.size(); ++j) {
                const double keep1 = m[size_t(cells[j].R * 10 + cells[j].C)];
                const double keep2 = m[size_t(cells[j].C * 10 + cells[j].R)];
                for (int v : choices[j]) {
                    set(m, j, v);
                    const double cr = quick(m);
                    if (cr <= AcceptableCR + margin)
                        pairs.push_back({{change(i, u), change(j, v)}, cr, distance(i, u) + distance(j, v)});
                    else if (pairs.empty()) {
                        if (bestPairs.size() < 8 || cr < bestPairs.back().CR) {
                            bestPairs.push_back({{change(i, u), change(j, v)}, cr, distance(i, u) + distance(j, v)});
                            std::sort(bestPairs.begin(), bestPairs.end(),
                                      [](const TCandidate &p, const TCandidate &q) { return p.CR < q.CR; });
                            if (bestPairs.size() > 8)
                                bestPairs.pop_back();
                        }
                    }
                }
                m[size_t(cells[j].R * 10 + cells[j].C)] = keep1;
                m[size_t(cells[j].C * 10 + cells[j].R)] = keep2;
            }
        }
    if (decide(pairs))
        return advice;

    // Beyond two: from each of the best pairs, add the single change that lowers CR
    // most, until it is acceptable or nothing lowers it further.
    advice.Fewest = false;
    TCandidate best{{}, today.CR};
    for (const TCandidate &start : bestPairs) {
        TCandidate current{start.Changes, ComputedCR(today, start.Changes, exactMethod), start.Distance};
        while (current.CR > AcceptableCR && current.Changes.size() < cells.size()) {
            TMatrix m = today;
            ApplyAdvice(m, current.Changes);
            std::array<double, 100> base{};
            for (int r = 0; r < n; ++r)
                for (int c = 0; c < n; ++c)
                    base[size_t(r * 10 + c)] = RatioToFloat(m.Ratios[size_t(c)][size_t(r)]);
            TCandidate step{{}, current.CR};
            for (size_t i = 0; i < cells.size(); ++i) {
                const bool used = std::any_of(current.Changes.begin(), current.Changes.end(), [&](const TJudgementChange &x) {
                    return x.Row == cells[i].R + 1 && x.Col == cells[i].C + 1;
                });
                if (used)
                    continue;
                for (int v : choices[i]) {
                    std::array<double, 100> trial = base;
                    set(trial, i, v);
                    const double cr = quick(trial);
                    if (cr < step.CR) {
                        step.Changes = {change(i, v)};
                        step.CR = cr;
                        step.Distance = distance(i, v);
                    }
                }
            }
            if (step.Changes.empty())
                break;
            current.Changes.push_back(step.Changes.front());
            current.CR = ComputedCR(today, current.Changes, exactMethod);
            current.Distance += step.Distance;
        }
        const bool better = (current.CR <= AcceptableCR)
                                ? (best.CR > AcceptableCR || current.Changes.size() < best.Changes.size()
                                   || (current.Changes.size() == best.Changes.size() && Preferred(current, best)))
                                : (best.CR > AcceptableCR && current.CR < best.CR);
        if (better)
            best = current;
    }
    advice.Changes = best.Changes;
    advice.CRAfter = best.CR;
    advice.Reached = best.CR <= AcceptableCR;
    return advice;
}

} // namespace

QString AdviceCaveat(const TConsistencyAdvice &advice)
{
    if (advice.Changes.empty())
        return QString();
    if (!advice.Reached)
        return QCoreApplication::translate("Kalvo", "Nobena preiskana sprememba ne doseže CR %1; to so tiste, ki ga najbolj znižajo.")
            .arg(QLocale().toString(AcceptableCR));
    if (!advice.Fewest)
        return QCoreApplication::translate("Kalvo", "Potrebnih je več kot dve spremembi; morda obstaja krajša pot.");
    return QString();
}
