// The synthesis and the model loader on a large generated model.
#include "GeneratedModel.h"
#include "storage/ModelFiles.h"
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

} // namespace

BENCHMARK(BM_AnalizeAll)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
