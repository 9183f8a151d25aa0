// The synthesis and the model loader on a large generated model.
#include "GeneratedModel.h"
#include "storage/ModelFiles.h"
#include "analysis/Sensitivity.h"
#include "analysis/Synthesis.h"
#include "analysis/Uncertainty.h"
#include "model/Group.h"
#include "model/NodePath.h"
#include "storage/SurveyImport.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

namespace {

void BM_AnalizeAll(benchmark::State &state)
{
    TModel model;
    BuildGeneratedModel(model, int(state.range(0)));
    for (auto _ : state) {
        AnalyzeAll(model);
        benchmark::DoNotOptimize(model.Solutions.data());
    }
    state.SetComplexityN(state.range(0));
}

// 10,000 runs of the uncertainty simulation on 1000 solutions under 64 measured
// leaves and 9 ratio matrices of order 8, on every core.
void BM_Uncertainty(benchmark::State &state)
{
    TModel model;
    BuildGeneratedModel(model, int(state.range(0)));
    AnalyzeAll(model);
    TUncertaintySettings settings;
    for (auto _ : state) {
        const TUncertainty result = SimulateUncertainty(model, model.Tree.FirstNode(), settings);
        benchmark::DoNotOptimize(result.First.data());
    }
}

// 200 participants' answer files to 10 ratio matrices of order 9 (the root and
// nine criteria over nine measured leaves each), merged into the group.
void BM_MergeAnswers(benchmark::State &state)
{
    TModel model;
    for (int k = 0; k < 5; ++k)
        model.AddSolution(QStringLiteral("R%1").arg(k + 1));
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Cilj");
    for (int i = 0; i < 9; ++i) {
        model.Tree.Select(root);
        TCriterionNode *criterion = model.Tree.AddSelectedChild(QStringLiteral("K%1").arg(i + 1), 0, ckRelative);
        model.Tree.Select(criterion);
        for (int j = 0; j < 9; ++j)
            model.Tree.AddSelectedChild(QStringLiteral("M%1.%2").arg(i + 1).arg(j + 1), 5, ckMoreIsBetter);
        model.FitNodeMatrix(criterion);
    }
    model.FitNodeMatrix(root);
    QStringList columns{QStringLiteral("Ime"), QStringLiteral("Utež")};
    for (const TCriterionNode *node : model.Tree.Nodes()) {
        if (!node->HasChildren())
            continue;
        const QStringList items = model.ItemNames(node);
        for (int r = 0; r < items.size(); ++r)
            for (int c = r + 1; c < items.size(); ++c)
                columns << NodePath(node) + QStringLiteral(": ") + items[r] + QStringLiteral(" : ") + items[c];
    }
    std::vector<std::pair<QString, QByteArray>> answers;
    for (int p = 0; p < 200; ++p) {
        QStringList row{QStringLiteral("U%1").arg(p + 1), QStringLiteral("1")};
        for (int i = 2; i < columns.size(); ++i)
            row << QStringLiteral("%1:1").arg(1 + (p * 7 + i) % 9);
        answers.emplace_back(QStringLiteral("u%1.csv").arg(p + 1),
                             (columns.join(QLatin1Char(';')) + QStringLiteral("\r\n") + row.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8());
    }
    for (auto _ : state) {
        const TGroup group = MergeAnswers(model, answers);
        CheckGroupDetermines(model, group);
        benchmark::DoNotOptimize(group.Participants.data());
    }
}

// The synthesis of 1000 solutions rated on 64 ratings leaves.
void BM_RatedSynthesis(benchmark::State &state)
{
    TModel model;
    BuildRatedModel(model, int(state.range(0)));
    for (auto _ : state) {
        AnalyzeAll(model);
        benchmark::DoNotOptimize(model.Solutions.data());
    }
}

// The whole refresh of a group's model: the aggregate's synthesis and each
// participant's own ranking (range(0) participants, 1000 solutions).
void BM_GroupSynthesis(benchmark::State &state)
{
    TModel model;
    BuildGeneratedModel(model, 1000);
    const int people = int(state.range(0));
    for (int p = 0; p < people; ++p)
        model.Participants.push_back({QStringLiteral("U%1").arg(p), 1.0});
    int k = 0;
    for (TCriterionNode *node : TCriteriaTree::Subtree(model.Tree.FirstNode())) {
        TMatrix &m = *node->Matrix;
        if (m.Kind != ckRelative)
            continue;
        ++k;
        for (int p = 0; p < people; ++p) {
            TJudgeTexts texts = m.Ratios;
            for (int r = 0; r < m.Order; ++r)
                for (int c = r + 1; c < m.Order; ++c) {
                    const int term = 1 + (r * 5 + c * 3 + p + k) % 9;
                    texts[size_t(c)][size_t(r)] = QStringLiteral("%1:1").arg(term);
                    texts[size_t(r)][size_t(c)] = QStringLiteral("1:%1").arg(term);
                }
            m.Judges.push_back(texts);
        }
    }
    for (auto _ : state)
        AnalyzeAll(model);
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
        AnalyzeAll(model);
        benchmark::DoNotOptimize(model.Solutions.data());
    }
    state.SetComplexityN(state.range(0));
}

// One-at-a-time sensitivity of the root: 8 sub-criteria over 64 leaves.
// Peak resident memory of the process so far, in MB.
double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_Sensitivity(benchmark::State &state)
{
    TModel model;
    BuildGeneratedModel(model, int(state.range(0)));
    for (auto _ : state) {
        const TSensitivity result = AnalyzeSensitivity(model, model.Tree.FirstNode());
        benchmark::DoNotOptimize(result.Criteria.data());
    }
    // The model and the analysis together: memory grows with the solutions, not their pairs.
    state.counters["peak_MB"] = PeakMegabytes();
}

} // namespace

BENCHMARK(BM_Sensitivity)->Arg(100)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeAnswers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Uncertainty)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RatedSynthesis)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalizeAll)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupSynthesis)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
