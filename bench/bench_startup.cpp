// What start-up costs: making the main window with all its dialogs and the
// report window (whose browser engine waits for the first report).
#include "ui/Main.h"
#include "model/Model.h"
#include "ui/ReportView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_CreateMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        TModel model;
        TFormKalvo form(model);
        benchmark::DoNotOptimize(&form);
    }
}

} // namespace

BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);

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
