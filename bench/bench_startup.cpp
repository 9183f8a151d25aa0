// What the windows cost: making the main window with all its dialogs and the
// report window (whose browser engine waits for the first report), and one step
// of the sensitivity window's slider with the chart drawn again.
#include "ui/mainwindow/FormKalvo.h"
#include "model/Model.h"
#include "model/ModelDocument.h"
#include "GeneratedModel.h"
#include "ui/report/ReportView.h"
#include "ui/analysis/SensitivityWindow.h"

#include <QChartView>
#include <QPixmap>

#include <QComboBox>
#include <QSlider>

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_CreateMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        TModelDocument document;
        TFormKalvo form(document);
        benchmark::DoNotOptimize(&form);
    }
}

// From nothing to the main window shown and painted once: what a user waits for
// after the program's own start (the dialogs and windows it does not show are
// made on first use).
void BM_FirstShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        TModelDocument document;
        TFormKalvo form(document);
        form.show();
        QPixmap frame = form.grab();
        benchmark::DoNotOptimize(&frame);
    }
}

// A root over 8 measured criteria and n solutions, the root selected.
void BuildFlatModel(TModel &model, int n)
{
    for (int k = 0; k < n; ++k)
        model.AddSolution(QStringLiteral("R%1").arg(k));
    TCriterionNode *root = model.Tree.FirstNode();
    for (int i = 0; i < 8; ++i) {
        model.Tree.Select(root);
        TCriterionNode *c = model.Tree.AddSelectedChild(QStringLiteral("K%1").arg(i), n, ckMoreIsBetter);
        for (int k = 0; k < n; ++k)
            c->Matrix->AbsoluteValues[size_t(k)] = QString::number(1 + (k * 7 + i * 13) % 50);
    }
    model.FitNodeMatrix(root);
    model.Tree.Select(root);
}

// The sensitivity window over 8 criteria and `range(0)` solutions: one slider
// step (the marker, the ranking and what they uncover drawn again), or the whole
// chart drawn again, as after choosing another sub-criterion.
void SensitivityWindow(benchmark::State &state, bool wholeChart)
{
    TModel model;
    BuildFlatModel(model, int(state.range(0)));
    TSensitivityWindow window(model);
    window.resize(760, 560);
    window.ShowFront();
    QApplication::processEvents();
    int value = 0;
    for (auto _ : state) {
        if (wholeChart) {
            QPixmap frame = window.Chart->grab();
            benchmark::DoNotOptimize(&frame);
        } else {
            window.WeightSlider->setValue(value = (value + 37) % 1000);
            QApplication::processEvents();
        }
    }
}

// Opening the window on `range(0)` solutions: the analysis, the chart and its first frame.
void BM_SensitivityOpen(benchmark::State &state)
{
    TModel model;
    BuildFlatModel(model, int(state.range(0)));
    for (auto _ : state) {
        TSensitivityWindow window(model);
        window.resize(760, 560);
        window.ShowFront();
        QPixmap frame = window.grab();
        benchmark::DoNotOptimize(&frame);
    }
}

void BM_SensitivitySliderStep(benchmark::State &state) { SensitivityWindow(state, false); }
void BM_SensitivityChartRedraw(benchmark::State &state) { SensitivityWindow(state, true); }

// Ctrl+Z and Ctrl+Y in the window on the generated model with 1000 solutions:
// the edit undone and redone, and every view redrawn from the notification.
void BM_WindowUndoRedo(benchmark::State &state)
{
    TModelDocument document;
    BuildGeneratedModel(document.WritableModel(), int(state.range(0)));
    document.ModelReplaced();
    TFormKalvo form(document);
    form.show();
    QApplication::processEvents();
    TCriterionNode *leaf = document.Model().Tree.FirstNode()->Child(0)->Child(0);
    document.SetValue(leaf, 1, QStringLiteral("5"));
    for (auto _ : state) {
        form.UndoAction->trigger();
        form.RedoAction->trigger();
    }
}

// A group's model: 200 participants judge 10 ratio matrices of order 9 (the root
// and its nine criteria, each over nine measured leaves) of five solutions.
void BuildGroupModel(TModelDocument &document)
{
    document.NewModel(QStringLiteral("Skupina"));
    TCriterionNode *root = document.Model().Tree.FirstNode();
    for (int k = 0; k < 5; ++k)
        document.AddSolution(QStringLiteral("Rešitev %1").arg(k + 1));
    for (int i = 0; i < 9; ++i) {
        document.AddCriterion(root, QStringLiteral("Kriterij %1").arg(i + 1), ckRelative);
        for (int j = 0; j < 9; ++j)
            document.AddCriterion(root->Child(i), QStringLiteral("Merilo %1.%2").arg(i + 1).arg(j + 1), ckMoreIsBetter);
    }
    for (int p = 0; p < 200; ++p)
        document.AddParticipant(QStringLiteral("Udeleženec %1").arg(p + 1), 1.0 + p % 3);
    quint32 state = 7;
    for (TCriterionNode *node : document.WritableModel().Tree.Nodes()) {
        TMatrix *m = node->Matrix.get();
        if (!m || m->Kind != ckRelative)
            continue;
        for (TJudgeTexts &judge : m->Judges)
            for (int r = 0; r < m->Order; ++r)
                for (int c = r + 1; c < m->Order; ++c) {
                    state = state * 1103515245u + 12345u;
                    const int v = 1 + int(state >> 16) % 9;
                    judge[size_t(r)][size_t(c)] = QStringLiteral("%1:1").arg(v);
                    judge[size_t(c)][size_t(r)] = QStringLiteral("1:%1").arg(v);
                }
    }
    document.ModelReplaced();
}

// In the window on that model, with participant 7 shown: one of their ratio
// edits, one undo, or one switch of the shown participant, each with the
// results and every view that follows them.
void GroupWindow(benchmark::State &state, int what)
{
    TModelDocument document;
    BuildGroupModel(document);
    TFormKalvo form(document);
    form.show();
    QApplication::processEvents();
    document.SetParticipant(7);
    TCriterionNode *criterion = document.Model().Tree.FirstNode()->Child(3);
    int i = 0;
    for (auto _ : state) {
        ++i;
        switch (what) {
        case 0:
            document.SetRatio(criterion, 2, 1, QStringLiteral("%1:1").arg(2 + i % 7), QStringLiteral("1:%1").arg(2 + i % 7));
            break;
        case 1:
            state.PauseTiming();
            document.SetRatio(criterion, 3, 1, QStringLiteral("%1:1").arg(2 + i % 7), QStringLiteral("1:%1").arg(2 + i % 7));
            state.ResumeTiming();
            form.UndoAction->trigger();
            break;
        case 2:
            form.ParticipantSelector->setCurrentIndex(1 + i % 200);
            break;
        }
    }
}

// In the window on 1000 solutions rated on 64 ratings leaves: one rating
// changed, with the results and every view that follows.
void BM_WindowRatingChange(benchmark::State &state)
{
    TModelDocument document;
    BuildRatedModel(document.WritableModel(), int(state.range(0)));
    document.ModelReplaced();
    TFormKalvo form(document);
    form.show();
    QApplication::processEvents();
    TCriterionNode *leaf = document.Model().Tree.FirstNode()->Child(0)->Child(0);
    document.Select(document.Model().Tree.FirstNode());   // the scores under the root follow
    int i = 0;
    for (auto _ : state)
        document.RateSolution(leaf, 0, ++i % 5);
}

void BM_GroupParticipantEdit(benchmark::State &state) { GroupWindow(state, 0); }
void BM_GroupUndo(benchmark::State &state) { GroupWindow(state, 1); }
void BM_GroupParticipantSwitch(benchmark::State &state) { GroupWindow(state, 2); }

} // namespace

BENCHMARK(BM_WindowRatingChange)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupParticipantEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupUndo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupParticipantSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowUndoRedo)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SensitivityChartRedraw)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SensitivityOpen)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstShownWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SensitivitySliderStep)->Arg(100)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TReportView::Prepare();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
