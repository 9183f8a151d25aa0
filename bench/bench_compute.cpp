// TMatrix::Compute for the orders people use, both methods.
#include "analysis/ConsistencyAdvice.h"
#include "matrix/GroupJudgement.h"
#include "matrix/Matrix.h"

#include <benchmark/benchmark.h>

namespace {

TMatrix Judged(int n)
{
    TMatrix m(n, ckRelative);
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c) {
            const int term = 1 + (r * 7 + c * 3) % 9;
            m.Ratios[c][r] = QStringLiteral("%1:1").arg(term);
            m.Ratios[r][c] = QStringLiteral("1:%1").arg(term);
        }
    return m;
}

void Compute(benchmark::State &state, bool exact)
{
    TMatrix m = Judged(int(state.range(0)));
    for (auto _ : state) {
        m.Compute(exact);
        benchmark::DoNotOptimize(m.Vector.data());
    }
}

void BM_ComputeExact(benchmark::State &state) { Compute(state, true); }
void BM_ComputeApproximate(benchmark::State &state) { Compute(state, false); }

// Advice on order-10 matrices: judgements all equal but for two circles of strong
// ones (A over B over C over A), which no single change mends (every single change and every pair are
// searched); and a thoroughly inconsistent one that needs greedy steps beyond two.
void Advise(benchmark::State &state, bool exact)
{
    TMatrix m(10, ckRelative);
    if (state.range(0) == 2) {
        // Two circles of judgements: A > B > C > A, and the same among F, G, H.
        for (const auto &[r, c] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 0}, std::pair{5, 6},
                                   std::pair{6, 7}, std::pair{7, 5}}) {
            m.Ratios[size_t(c)][size_t(r)] = QStringLiteral("9:1");
            m.Ratios[size_t(r)][size_t(c)] = QStringLiteral("1:9");
        }
    } else {
        m = Judged(10);
    }
    size_t changes = 0;
    for (auto _ : state) {
        const TConsistencyAdvice advice = AdviseConsistency(m, exact);
        changes = advice.Changes.size();
        benchmark::DoNotOptimize(advice.CRAfter);
    }
    state.counters["changes"] = double(changes);
}

void BM_AdviseOrder10Exact(benchmark::State &state) { Advise(state, true); }
void BM_AdviseOrder10Approximate(benchmark::State &state) { Advise(state, false); }

// Order range(0) with every other pair off the chain left blank (about half of
// them): completion by least squares, then the exact method.
void BM_ComputeHalfBlank(benchmark::State &state)
{
    const int n = int(state.range(0));
    TMatrix m(n, ckRelative);
    int blank = 0;
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c) {
            if (c > r + 1 && (r + c) % 2 == 0) {
                m.Ratios[size_t(c)][size_t(r)].clear();
                m.Ratios[size_t(r)][size_t(c)].clear();
                ++blank;
                continue;
            }
            const int term = 1 + (r * 7 + c * 3) % 9;
            m.Ratios[size_t(c)][size_t(r)] = QStringLiteral("%1:1").arg(term);
            m.Ratios[size_t(r)][size_t(c)] = QStringLiteral("1:%1").arg(term);
        }
    for (auto _ : state) {
        m.Compute(true);
        benchmark::DoNotOptimize(m.Vector.data());
    }
    state.counters["blank_pairs"] = blank;
}

// A group of range(0) participants judging range(1) criteria of order 9, each
// leaving about a tenth of the pairs blank: every aggregate and its weights.
void BM_GroupAggregate(benchmark::State &state)
{
    const int people = int(state.range(0)), criteria = int(state.range(1)), n = 9;
    std::vector<TMatrix> matrices(size_t(criteria), TMatrix(n, ckRelative));
    std::vector<double> weights(size_t(people), 1.0);
    for (int k = 0; k < criteria; ++k) {
        TMatrix &m = matrices[size_t(k)];
        for (int p = 0; p < people; ++p) {
            TJudgeTexts texts = m.Ratios;
            for (int r = 0; r < n; ++r)
                for (int c = r + 1; c < n; ++c) {
                    const int term = 1 + (r * 5 + c * 3 + p + k) % 9;
                    const bool blank = (r + c + p) % 10 == 0;
                    texts[size_t(c)][size_t(r)] = blank ? QString() : QStringLiteral("%1:1").arg(term);
                    texts[size_t(r)][size_t(c)] = blank ? QString() : QStringLiteral("1:%1").arg(term);
                }
            m.Judges.push_back(texts);
        }
    }
    for (auto _ : state)
        for (TMatrix &m : matrices) {
            m.Given = AggregateJudgements(m, weights);
            m.Compute(true);
            benchmark::DoNotOptimize(m.Vector.data());
        }
}

} // namespace

BENCHMARK(BM_GroupAggregate)->Args({50, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeHalfBlank)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdviseOrder10Exact)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdviseOrder10Approximate)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeExact)->DenseRange(3, 10);
BENCHMARK(BM_ComputeApproximate)->DenseRange(3, 10);
BENCHMARK_MAIN();
