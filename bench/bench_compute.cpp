// Tmatrika::Compute for the orders people use, both methods.
#include "matrix/UnitMatrika.h"

#include <benchmark/benchmark.h>

namespace {

Tmatrika Judged(int n)
{
    Tmatrika m(n, ckRelative);
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
    Tmatrika m = Judged(int(state.range(0)));
    for (auto _ : state) {
        m.Compute(exact);
        benchmark::DoNotOptimize(m.Vector.data());
    }
}

void BM_ComputeExact(benchmark::State &state) { Compute(state, true); }
void BM_ComputeApproximate(benchmark::State &state) { Compute(state, false); }

} // namespace

BENCHMARK(BM_ComputeExact)->DenseRange(3, 10);
BENCHMARK(BM_ComputeApproximate)->DenseRange(3, 10);
BENCHMARK_MAIN();
