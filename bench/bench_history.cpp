// The undo history on the large generated model: what 100 edits keep, and what
// one undo or redo costs with the synthesis that follows it.
#include "GeneratedModel.h"
#include "analysis/Synthesis.h"
#include "model/ModelDocument.h"

#include <malloc.h>

#include <benchmark/benchmark.h>

namespace {

double HeapMegabytes()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// Edits of every kind a user makes most: values, ratios, names, kinds,
// solutions added and removed, a criterion added and removed.
void Edit(TModelDocument &document, int i)
{
    TModel &model = document.WritableModel();
    TCriterionNode *root = model.Tree.FirstNode();
    TCriterionNode *group = root->Child((i / 8) % 8);   // what case 6 adds, case 7 removes
    TCriterionNode *leaf = group->Child(i % 7);
    switch (i % 8) {
    case 0: document.SetValue(leaf, 1 + i % model.SolutionCount(), QString::number(1000 + i)); break;
    case 1: document.SetRatio(group, 1, 2 + i % 7, QStringLiteral("%1:1").arg(1 + i % 9), QStringLiteral("1:%1").arg(1 + i % 9)); break;
    case 2: document.RenameCriterion(leaf, QStringLiteral("Merilo %1").arg(i)); break;
    case 3: document.EditCriterion(leaf, leaf->Name, leaf->Matrix->Kind == ckLessIsBetter ? ckMoreIsBetter : ckLessIsBetter); break;
    case 4: document.AddSolution(QStringLiteral("Nova %1").arg(i)); break;
    case 5: document.RemoveSolution(i % model.SolutionCount()); break;
    case 6: document.AddCriterion(group, QStringLiteral("Dodan %1").arg(i), ckMoreIsBetter); break;
    case 7: document.RemoveCriterion(group->Child(group->ChildCount() - 1)); break;
    }
}

void Prepare(TModelDocument &document, int solutions)
{
    BuildGeneratedModel(document.WritableModel(), solutions);
    document.ModelReplaced();
    AnalyzeAll(document.WritableModel());
}

// 100 edits: the heap they leave in the history (the model's own size changes little).
void BM_HistoryOf100Edits(benchmark::State &state)
{
    for (auto _ : state) {
        TModelDocument document;
        Prepare(document, int(state.range(0)));
        const double before = HeapMegabytes();
        for (int i = 0; i < 100; ++i)
            Edit(document, i);
        state.counters["history_MB"] = HeapMegabytes() - before;
        state.counters["edits"] = document.HistorySize();
    }
}

// One iteration: an undo and a redo of edit kind range(1), each followed by the synthesis.
void BM_UndoRedoWithRefresh(benchmark::State &state)
{
    TModelDocument document;
    Prepare(document, int(state.range(0)));
    Edit(document, int(state.range(1)));
    for (auto _ : state) {
        document.Undo();
        AnalyzeAll(document.WritableModel());
        document.Redo();
        AnalyzeAll(document.WritableModel());
    }
}

// The kinds that move the most: a value, a kind (a whole matrix back), a removed solution (a row
// out of every leaf), all solutions at once.
void UndoKinds(benchmark::internal::Benchmark *bench)
{
    for (int kind : {0, 3, 5})
        bench->Args({1000, kind});
}

void BM_RemoveAllUndoRedo(benchmark::State &state)
{
    TModelDocument document;
    Prepare(document, int(state.range(0)));
    document.RemoveAllSolutions();
    for (auto _ : state) {
        document.Undo();
        AnalyzeAll(document.WritableModel());
        document.Redo();
        AnalyzeAll(document.WritableModel());
    }
}

} // namespace

BENCHMARK(BM_HistoryOf100Edits)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoWithRefresh)->Apply(UndoKinds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveAllUndoRedo)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
