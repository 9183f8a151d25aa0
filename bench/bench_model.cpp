// The synthesis and the model loader on a large generated model.
#include "GeneratedModel.h"
#include "storage/ModelFiles.h"
#include "analysis/Sensitivity.h"
#include "analysis/Synthesis.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_AnalizeAll(benchmark::State &state)
{
    TModel model;
    BuildGeneratedModel(model, int(state.range(0)));
    for (auto _ : state) {
        AnalizeAll(model);
        benchmark::DoNotOptimize(model.Solutions.data());
    }
    state.SetComplexityN(state.range(0));
}

void BM_LoadProject(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("generiran"));
    {
        TModel model;
        BuildGeneratedModel(model, int(state.range(0)));
        SaveProject(model, name);
    }
    TModel model;
    for (auto _ : state) {
        LoadProject(model, name);
        benchmark::DoNotOptimize(model.Solutions.data());
    }
    state.SetComplexityN(state.range(0));
}

// One-at-a-time sensitivity of the root: 8 sub-criteria over 64 leaves.
void BM_Sensitivity(benchmark::State &state)
{
    TModel model;
    BuildGeneratedModel(model, int(state.range(0)));
    for (auto _ : state) {
        const TSensitivity result = AnalyzeSensitivity(model, model.Tree.FirstNode());
        benchmark::DoNotOptimize(result.Criteria.data());
    }
}

} // namespace

BENCHMARK(BM_Sensitivity)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalizeAll)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
