#include "analysis/Uncertainty.h"

#include "analysis/Ranking.h"
#include "analysis/Synthesis.h"
#include "matrix/FloatMath.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "model/Group.h"
#include "model/NodePath.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>

namespace {

// What every run shares: the nodes under the start, the matrices as computed
// today, which of them a run perturbs and the values it starts from.
struct TPlan
{
    std::vector<TCriterionNode *> Nodes;            // the start and everything below it, in tree order
    std::vector<std::vector<int>> Children;          // each node's children, by their index in Nodes
    std::vector<TMatrix> Matrices;                   // computed today (a copy: the model stays as it is)
    std::vector<bool> Perturbed;                     // a ratio matrix in use
    std::vector<std::vector<double>> Base;           // its values a(r, c), row-major, 0 for a blank pair
    std::vector<std::vector<std::vector<double>>> Judges;   // with resampling: each participant's own values
    std::vector<std::vector<double>> Fixed;          // each leaf that no run changes: its contribution per solution
    std::vector<double> Weights;                     // the participants' weights (resampling)
    double TotalWeight = 0.0;
    int Solutions = 0;
    bool Exact = true;
    bool Ideal = false;
    bool Normalise = false;
    bool Resample = false;
    double Spread = 0.0;
    std::optional<double> MaxCR;
};

double Position(double v)
{
    return v >= 1.0 ? v - 1.0 : -(1.0 / v - 1.0);
}

double ValueAt(double t)
{
    t = std::clamp(t, -8.0, 8.0);
    return t >= 0.0 ? 1.0 + t : 1.0 / (1.0 - t);
}

// One run's random numbers, from the stream's number and the run's alone: both
// mixed by SplitMix64 into the start of a Mersenne twister (both the same everywhere).
quint64 Mixed(quint64 x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

class TDice
{
public:
    TDice(quint64 stream, int run)
        : FEngine(Mixed(Mixed(stream) ^ quint64(run)))
    {
    }
    // Uniform on [0, 1), from the top 53 bits.
    double generateDouble() { return double(FEngine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 FEngine;
};

// One run's values of a perturbed matrix: each judged pair moved on the scale.
void Perturb(std::vector<double> &values, int n, double spread, TDice &dice)
{
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c) {
            double &v = values[size_t(r) * size_t(n) + size_t(c)];
            if (!(v > 0.0))
                continue;   // blank stays blank
            const double u = (2.0 * dice.generateDouble() - 1.0) * spread;
            v = ValueAt(Position(v) + u);
            values[size_t(c) * size_t(n) + size_t(r)] = 1.0 / v;
        }
}

// The drawn participants' judgements, each perturbed, by the geometric mean of
// those who judged each pair (equal weights per draw).
std::vector<double> Resampled(const TPlan &plan, int node, int n, TDice &dice)
{
    const std::vector<std::vector<double>> &judges = plan.Judges[size_t(node)];
    std::vector<double> logSum(size_t(n) * size_t(n), 0.0);
    std::vector<int> count(size_t(n) * size_t(n), 0);
    for (size_t draw = 0; draw < plan.Weights.size(); ++draw) {
        double at = dice.generateDouble() * plan.TotalWeight;
        size_t p = 0;
        while (p + 1 < plan.Weights.size() && (at >= plan.Weights[p] || plan.Weights[p] <= 0.0)) {
            at -= plan.Weights[p];
            ++p;
        }
        std::vector<double> own = judges[p];
        Perturb(own, n, plan.Spread, dice);
        for (int r = 0; r < n; ++r)
            for (int c = r + 1; c < n; ++c)
                if (const double v = own[size_t(r) * size_t(n) + size_t(c)]; v > 0.0) {
                    logSum[size_t(r) * size_t(n) + size_t(c)] += std::log(v);
                    ++count[size_t(r) * size_t(n) + size_t(c)];
                }
    }
    std::vector<double> values(size_t(n) * size_t(n), 0.0);
    for (int r = 0; r < n; ++r) {
        values[size_t(r) * size_t(n) + size_t(r)] = 1.0;
        for (int c = r + 1; c < n; ++c)
            if (const int k = count[size_t(r) * size_t(n) + size_t(c)]; k > 0) {
                const double v = std::exp(logSum[size_t(r) * size_t(n) + size_t(c)] / k);
                values[size_t(r) * size_t(n) + size_t(c)] = v;
                values[size_t(c) * size_t(n) + size_t(r)] = 1.0 / v;
            }
    }
    return values;
}

// Totals under node i from the matrices as this run computed them.
std::vector<double> Totals(const TPlan &plan, const std::vector<TMatrix> &matrices, int i)
{
    if (plan.Children[size_t(i)].empty())
        return plan.Perturbed[size_t(i)] ? LeafContributions(matrices[size_t(i)], plan.Solutions, plan.Ideal)
                                         : plan.Fixed[size_t(i)];
    std::vector<double> totals(size_t(plan.Solutions), 0.0);
    const TMatrix &m = matrices[size_t(i)];
    for (size_t j = 0; j < plan.Children[size_t(i)].size(); ++j) {
        const double weight = j < m.Vector.size() ? m.Vector[j] : 0.0;
        const std::vector<double> child = Totals(plan, matrices, plan.Children[size_t(i)][j]);
        for (int k = 0; k < plan.Solutions; ++k)
            totals[size_t(k)] += weight * child[size_t(k)];
    }
    return totals;
}

// What the runs of one thread add up.
struct TTally
{
    std::vector<std::vector<int>> Ranks;   // [solution][rank - 1]
    std::vector<quint32> Wins;             // n x n
};

// The nearest-rank range of values (sorted in place): the value at position
// ceil(p N) of the sorted N values, minimum and maximum included.
TRange RangeOf(std::vector<double> &values)
{
    TRange range;
    if (values.empty())
        return range;
    std::sort(values.begin(), values.end());
    const auto at = [&](double p) {
        const size_t n = values.size();
        const size_t position = std::max<size_t>(1, size_t(std::ceil(p * double(n) - 1e-9)));
        return values[std::min(n, position) - 1];
    };
    range.Min = values.front();
    range.P05 = at(0.05);
    range.Median = at(0.5);
    range.P95 = at(0.95);
    range.Max = values.back();
    return range;
}

} // namespace

TUncertainty SimulateUncertainty(const TModel &model, TCriterionNode *start, const TUncertaintySettings &settings,
                                 const std::function<bool(int, int)> &progress)
{
    // Today's matrices warned (a missing random index) when they were computed; the
    // copies here and the runs would only repeat it, from any thread.
    const TQuietThreadScope quiet;
    if (!start)
        start = model.Tree.FirstNode();
    if (!start)
        throw EKalvoError(EKalvoError::ekInvalidOp, QCoreApplication::translate("Kalvo", "Model nima kriterijev."));
    if (settings.Runs < 1 || settings.Runs > 1'000'000)
        throw EKalvoError(EKalvoError::ekInvalidOp, QCoreApplication::translate("Kalvo", "Število ponovitev mora biti od 1 do 1.000.000."));
    if (!(settings.Spread >= 0.0 && settings.Spread <= 4.0))
        throw EKalvoError(EKalvoError::ekInvalidOp, QCoreApplication::translate("Kalvo", "Razpon sodb mora biti od 0 do 4."));
    if (settings.ResampleParticipants && model.Participants.empty())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Vzorčiti je mogoče le udeležence skupine; model jih nima."));

    TPlan plan;
    plan.Solutions = model.SolutionCount();
    plan.Exact = model.ExactMethod;
    plan.Ideal = model.IdealMode;
    plan.Spread = settings.Spread;
    plan.MaxCR = settings.MaxCR;
    plan.Resample = settings.ResampleParticipants;
    plan.Weights = ParticipantWeights(model);
    for (double w : plan.Weights)
        plan.TotalWeight += w;
    plan.Nodes = TCriteriaTree::Subtree(start);
    CheckComparisonGraphs(model, start);
    for (TCriterionNode *node : plan.Nodes) {
        std::vector<int> children;
        for (int i = 0; i < node->ChildCount(); ++i)
            children.push_back(int(std::find(plan.Nodes.begin(), plan.Nodes.end(), node->Child(i)) - plan.Nodes.begin()));
        plan.Children.push_back(children);
        TMatrix m = node->Matrix ? *node->Matrix : TMatrix(0, ckRelative);
        const bool ratio = node->Matrix && m.Kind == ckRelative;
        std::vector<double> base;
        std::vector<std::vector<double>> judges;
        WithContext([node] { return CriterionPlace(node); }, [&] {
            if (ratio && !m.Judges.empty() && !model.Participants.empty()) {
                base = GroupAggregate(model, m);
                for (size_t p = 0; p < model.Participants.size() && plan.Resample; ++p)
                    judges.push_back(JudgedValues(JudgeMatrix(m, p)));
            } else if (ratio) {
                base = JudgedValues(m);
            }
            m.Given = base;
            m.GivenVector.clear();   // runs combine a group's judgements (AIJ)
            if (node->Matrix)
                m.Compute(plan.Exact);
        });
        plan.Perturbed.push_back(ratio && m.Order > 1);
        plan.Base.push_back(std::move(base));
        plan.Judges.push_back(std::move(judges));
        plan.Fixed.push_back(!node->HasChildren() && node->Matrix ? LeafContributions(m, plan.Solutions, plan.Ideal)
                                                                  : std::vector<double>(size_t(plan.Solutions), 0.0));
        plan.Matrices.push_back(std::move(m));
    }
    plan.Normalise = plan.Ideal || HasRatingsUnder(start);

    TUncertainty result;
    result.Runs = settings.Runs;
    result.Scores = ScoresOfTotals(Totals(plan, plan.Matrices, 0), plan.Normalise);

    // Each run's scores and criteria weights, by run number; which runs were used.
    std::vector<int> criteria;   // the nodes whose weights are followed: those with sub-criteria
    size_t weightCount = 0;
    for (size_t i = 0; i < plan.Nodes.size(); ++i)
        if (!plan.Children[i].empty()) {
            criteria.push_back(int(i));
            weightCount += plan.Children[i].size();
        }
    const int n = plan.Solutions;
    std::vector<double> scores(size_t(settings.Runs) * size_t(n));
    std::vector<double> weights(size_t(settings.Runs) * weightCount);
    std::vector<char> used(size_t(settings.Runs), 0), done(size_t(settings.Runs), 0);

    const int threads = std::max(1, std::min(settings.Threads > 0 ? settings.Threads : int(std::thread::hardware_concurrency()),
                                             settings.Runs));
    std::vector<TTally> tallies{size_t(threads)};
    std::atomic<int> finished{0};
    std::atomic<bool> cancel{false};
    std::mutex lock;
    std::condition_variable changed;
    int running = threads;
    std::optional<EKalvoError> failure;

    auto work = [&](int thread) {
        const TQuietThreadScope quiet;   // the warnings of today's matrices were given already
        TTally &tally = tallies[size_t(thread)];
        tally.Ranks.assign(size_t(n), std::vector<int>(size_t(n), 0));
        tally.Wins.assign(size_t(n) * size_t(n), 0);
        std::vector<TMatrix> matrices = plan.Matrices;
        try {
            for (int run = thread; run < settings.Runs && !cancel; run += threads) {
                TDice dice(settings.Stream, run);
                bool keep = true;
                for (size_t i = 0; i < plan.Nodes.size(); ++i) {
                    if (!plan.Perturbed[i])
                        continue;
                    TMatrix &m = matrices[i];
                    std::vector<double> values = plan.Resample && !plan.Judges[i].empty()
                        ? Resampled(plan, int(i), m.Order, dice) : plan.Base[i];
                    if (!(plan.Resample && !plan.Judges[i].empty()))
                        Perturb(values, m.Order, plan.Spread, dice);
                    m.Given = std::move(values);
                    m.Compute(plan.Exact);
                    if (plan.MaxCR && m.Order >= 3 && m.Order <= 10 && m.CR > *plan.MaxCR)
                        keep = false;
                }
                const std::vector<double> s = ScoresOfTotals(Totals(plan, matrices, 0), plan.Normalise);
                std::copy(s.begin(), s.end(), scores.begin() + qsizetype(run) * n);
                size_t w = size_t(run) * weightCount;
                for (int i : criteria)
                    for (size_t j = 0; j < plan.Children[size_t(i)].size(); ++j)
                        weights[w++] = j < matrices[size_t(i)].Vector.size() ? matrices[size_t(i)].Vector[j] : 0.0;
                used[size_t(run)] = keep;
                done[size_t(run)] = 1;
                if (keep) {
                    const std::vector<int> ranks = CompetitionRanks(s);
                    for (int k = 0; k < n; ++k)
                        ++tally.Ranks[size_t(k)][size_t(ranks[size_t(k)] - 1)];
                    for (int a = 0; a < n; ++a) {
                        const double above = s[size_t(a)] - 1e-12;
                        quint32 *row = tally.Wins.data() + size_t(a) * size_t(n);
                        for (int b = 0; b < n; ++b)
                            row[b] += above > s[size_t(b)] ? 1u : 0u;
                    }
                }
                ++finished;
            }
        } catch (const EKalvoError &e) {
            std::lock_guard<std::mutex> guard(lock);
            if (!failure)
                failure = e;
            cancel = true;
        }
        std::lock_guard<std::mutex> guard(lock);
        --running;
        changed.notify_all();
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, t);
    // The calling thread reports the progress (and hears a cancel) while the others run.
    std::thread first(work, 0);
    {
        std::unique_lock<std::mutex> guard(lock);
        while (running > 0) {
            changed.wait_for(guard, std::chrono::milliseconds(50));
            guard.unlock();
            if (progress && !progress(finished, settings.Runs))
                cancel = true;
            guard.lock();
        }
    }
    first.join();
    for (std::thread &thread : pool)
        thread.join();
    if (failure)
        throw *failure;

    // The tallies, merged: sums of counts, the same whatever the threads.
    std::vector<std::vector<long long>> ranks(size_t(n), std::vector<long long>(size_t(n), 0));
    std::vector<long long> wins(size_t(n) * size_t(n), 0);
    for (const TTally &tally : tallies) {
        for (int k = 0; k < n && !tally.Ranks.empty(); ++k)
            for (int r = 0; r < n; ++r)
                ranks[size_t(k)][size_t(r)] += tally.Ranks[size_t(k)][size_t(r)];
        for (size_t i = 0; i < tally.Wins.size(); ++i)
            wins[i] += tally.Wins[i];
    }
    for (int run = 0; run < settings.Runs; ++run)
        result.UsedRuns += used[size_t(run)] ? 1 : 0;
    const double usedRuns = std::max(1, result.UsedRuns);
    result.RankShares.assign(size_t(n), std::vector<double>(size_t(n), 0.0));
    result.Wins.assign(size_t(n), std::vector<double>(size_t(n), 0.0));
    for (int k = 0; k < n; ++k) {
        for (int r = 0; r < n; ++r)
            result.RankShares[size_t(k)][size_t(r)] = double(ranks[size_t(k)][size_t(r)]) / usedRuns;
        for (int b = 0; b < n; ++b)
            result.Wins[size_t(k)][size_t(b)] = double(wins[size_t(k) * size_t(n) + size_t(b)]) / usedRuns;
    }
    for (int k = 0; k < n; ++k) {
        result.First.push_back(result.RankShares[size_t(k)].empty() ? 0.0 : result.RankShares[size_t(k)][0]);
        std::vector<double> values;
        for (int run = 0; run < settings.Runs; ++run)
            if (used[size_t(run)])
                values.push_back(scores[size_t(run) * size_t(n) + size_t(k)]);
        result.ScoreRanges.push_back(RangeOf(values));
    }
    size_t w = 0;
    for (int i : criteria) {
        TCriterionRanges ranges;
        ranges.Path = NodePath(plan.Nodes[size_t(i)]);
        for (size_t j = 0; j < plan.Children[size_t(i)].size(); ++j, ++w) {
            std::vector<double> values;
            for (int run = 0; run < settings.Runs; ++run)
                if (used[size_t(run)])
                    values.push_back(weights[size_t(run) * weightCount + w]);
            ranges.Weights.push_back(RangeOf(values));
        }
        result.Criteria.push_back(std::move(ranges));
    }
    return result;
}
