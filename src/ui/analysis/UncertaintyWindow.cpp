#include "ui/analysis/UncertaintyWindow.h"

#include "model/Model.h"
#include "model/NodePath.h"
#include "matrix/Conversions.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "storage/ModelFiles.h"
#include "ui/common/ModalHost.h"
#include "ui/common/WidgetPicture.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

TUncertaintyWindow::TUncertaintyWindow(const TModel &model, QWidget *parent)
    : QMainWindow(parent, Qt::Window), Model(model)
{
    setObjectName(QStringLiteral("UncertaintyWindow"));
    setWindowTitle(tr("Negotovost"));
    resize(760, 600);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *settings = new QFormLayout;
    Spread = new QDoubleSpinBox(central);
    Spread->setObjectName(QStringLiteral("Spread"));
    Spread->setRange(0.0, 4.0);
    Spread->setSingleStep(0.5);
    Spread->setValue(1.0);
    Spread->setToolTip(tr("Za koliko korakov lestvice se lahko vsaka sodba premakne"));
    Runs = new QSpinBox(central);
    Runs->setObjectName(QStringLiteral("Runs"));
    Runs->setRange(100, 1'000'000);
    Runs->setSingleStep(1000);
    Runs->setValue(10'000);
    Stream = new QSpinBox(central);
    Stream->setObjectName(QStringLiteral("Stream"));
    Stream->setRange(0, std::numeric_limits<int>::max());
    Stream->setValue(1);
    Stream->setToolTip(tr("Isti tok naključij da vedno isti rezultat"));
    Resample = new QCheckBox(tr("Vzorči udeležence po utežeh"), central);
    Resample->setObjectName(QStringLiteral("Resample"));
    settings->addRow(tr("Razpon sodb:"), Spread);
    settings->addRow(tr("Ponovitve:"), Runs);
    settings->addRow(tr("Tok naključij:"), Stream);
    settings->addRow(Resample);
    layout->addLayout(settings);
    auto *buttons = new QHBoxLayout;
    RunButton = new QPushButton(tr("Izračunaj"), central);
    RunButton->setObjectName(QStringLiteral("RunButton"));
    CancelButton = new QPushButton(tr("Prekini"), central);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setEnabled(false);
    Progress = new QProgressBar(central);
    Progress->setObjectName(QStringLiteral("Progress"));
    SavePictureButton = new QPushButton(tr("Shrani sliko..."), central);
    SavePictureButton->setObjectName(QStringLiteral("SavePictureButton"));
    buttons->addWidget(RunButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(Progress, 1);
    buttons->addWidget(SavePictureButton);
    layout->addLayout(buttons);
    Summary = new QLabel(central);
    Summary->setObjectName(QStringLiteral("Summary"));
    layout->addWidget(Summary);
    Chart = new QChartView(new QChart, central);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->chart()->legend()->setAlignment(Qt::AlignBottom);
    layout->addWidget(Chart, 3);
    Table = new QTableWidget(0, 4, central);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setHorizontalHeaderLabels({tr("Rešitev"), tr("Ocena danes"), tr("Verjetnost prvega mesta"), tr("Ocena: 5 % – mediana – 95 %")});
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(Table, 2);
    setCentralWidget(central);

    FPoll = new QTimer(this);
    FPoll->setInterval(50);
    connect(FPoll, &QTimer::timeout, this, &TUncertaintyWindow::Poll);
    connect(RunButton, &QPushButton::clicked, this, &TUncertaintyWindow::Start);
    connect(CancelButton, &QPushButton::clicked, this, &TUncertaintyWindow::Cancel);
    connect(SavePictureButton, &QPushButton::clicked, this, &TUncertaintyWindow::SaveImage);
}

TUncertaintyWindow::~TUncertaintyWindow()
{
    FCancel = true;
    if (FWorker)
        FWorker->join();
}

void TUncertaintyWindow::ShowFront()
{
    Resample->setEnabled(!Model.Participants.empty());
    show();
    raise();
    activateWindow();
    Start();
}

void TUncertaintyWindow::Start()
{
    if (FWorker) {   // the run going on is for a model as it was
        FCancel = true;
        FWorker->join();
        FWorker.reset();
    }
    // The worker reads a copy of its own, as the files would hold the model: the
    // model may change while it runs.
    TModelSetBytes set = EncodeProject(Model);
    set.CriteriaPath = QStringLiteral("kopija.KRT");
    set.MatrixPath = QStringLiteral("kopija.MAT");
    set.SolutionsPath = QStringLiteral("kopija.RST");
    set.ExtrasPath = QStringLiteral("kopija.JSON");
    const TCriterionNode *selected = Model.Tree.Selected() ? Model.Tree.Selected() : Model.Tree.FirstNode();
    const QString start = selected ? NodePath(selected) : QString();
    TUncertaintySettings settings;
    settings.Spread = Spread->value();
    settings.Runs = Runs->value();
    settings.Stream = quint64(Stream->value());
    settings.ResampleParticipants = Resample->isEnabled() && Resample->isChecked();
    const bool exact = Model.ExactMethod;
    FNames.clear();
    for (const TSolution &solution : Model.Solutions)
        FNames << solution.Name;
    FMarked = Model.MarkedSolution;
    FCancel = false;
    FDone = false;
    FProgress = 0;
    FRunResult.reset();
    FRunError.clear();
    Progress->setRange(0, settings.Runs);
    Progress->setValue(0);
    RunButton->setEnabled(false);
    CancelButton->setEnabled(true);
    FWorker = std::make_unique<std::thread>([this, set, start, settings, exact] {
        const TQuietThreadScope quiet;   // no message box from this thread: the window warned already
        try {
            TModel copy;
            copy.SetMethod(exact);
            LoadProjectFrom(copy, QStringLiteral("kopija"), set);
            TCriterionNode *node = FindNode(copy.Tree, start);
            copy.Tree.Select(node ? node : copy.Tree.FirstNode());
            FRunResult = SimulateUncertainty(copy, copy.Tree.Selected(), settings, [this](int done, int) {
                FProgress = done;
                return !FCancel;
            });
        } catch (const EKalvoError &e) {
            FRunError = e.message();
        } catch (const std::bad_alloc &) {
            FRunError = OutOfMemoryMessage();
        }
        FDone = true;
    });
    FPoll->start();
}

void TUncertaintyWindow::Cancel()
{
    FCancel = true;
}

void TUncertaintyWindow::Poll()
{
    Progress->setValue(FProgress);
    if (!FDone)
        return;
    FPoll->stop();
    FWorker->join();
    FWorker.reset();
    RunButton->setEnabled(true);
    CancelButton->setEnabled(false);
    if (!FRunError.isEmpty()) {
        Summary->setText(FRunError);
    } else if (FCancel) {
        Summary->setText(tr("Prekinjeno."));
    } else if (FRunResult) {
        FResult = FRunResult;
        Show(*FResult);
    }
    emit Finished();
}

void TUncertaintyWindow::Show(const TUncertainty &result)
{
    const int n = int(result.Scores.size());
    Summary->setText(tr("%1 ponovitev, uporabljenih %2; tok naključij %3, razpon %4.")
                         .arg(result.Runs).arg(result.UsedRuns).arg(Stream->value()).arg(QLocale().toString(Spread->value())));
    // The ten most often first and the marked one; the others summed.
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return result.Scores[size_t(a)] > result.Scores[size_t(b)]; });
    std::vector<int> shown(order.begin(), order.begin() + std::min(n, 10));
    if (FMarked >= 0 && FMarked < n && std::find(shown.begin(), shown.end(), FMarked) == shown.end())
        shown.push_back(FMarked);
    // The rest in one bar: their rank shares averaged (a bar still sums to 1), the
    // chance that one of them is first beside it.
    std::vector<int> rest;
    for (int k : order)
        if (std::find(shown.begin(), shown.end(), k) == shown.end())
            rest.push_back(k);
    const auto shareOf = [&](int k, int from, int to) {
        double share = 0.0;
        for (int rank = from; rank < to; ++rank)
            share += result.RankShares[size_t(k)][size_t(rank)];
        return share;
    };
    const int ranks = std::min(n, 4);   // ranks 1, 2, 3 and "4. or lower"
    auto *series = new QHorizontalStackedBarSeries;
    for (int r = 0; r < ranks; ++r) {
        auto *set = new QBarSet(r + 1 < ranks || n <= ranks ? tr("%1. mesto").arg(r + 1) : tr("%1. mesto ali nižje").arg(r + 1));
        const int to = r + 1 < ranks ? r + 1 : n;
        if (!rest.empty()) {
            double share = 0.0;
            for (int k : rest)
                share += shareOf(k, r, to);
            *set << share / double(rest.size());
        }
        for (auto k = shown.rbegin(); k != shown.rend(); ++k)
            *set << shareOf(*k, r, to);
        series->append(set);
    }
    QStringList categories;
    if (!rest.empty()) {
        double first = 0.0;
        for (int k : rest)
            first += result.First[size_t(k)];
        categories << tr("Ostale (%1) (%2)").arg(rest.size()).arg(FormatFloat4(first));
    }
    for (auto k = shown.rbegin(); k != shown.rend(); ++k)
        categories << QStringLiteral("%1 (%2)").arg(FNames.value(*k), FormatFloat4(result.First[size_t(*k)]));
    QChart *chart = Chart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    chart->addSeries(series);
    auto *names = new QBarCategoryAxis;
    names->append(categories);
    chart->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);
    auto *share = new QValueAxis;
    share->setRange(0.0, 1.0);
    chart->addAxis(share, Qt::AlignBottom);
    series->attachAxis(share);
    chart->setTitle(tr("Verjetnosti mest"));

    Table->setRowCount(n);
    for (int row = 0; row < n; ++row) {
        const int k = order[size_t(row)];
        const TRange &range = result.ScoreRanges[size_t(k)];
        const QStringList cells{FNames.value(k), FormatFloat4(result.Scores[size_t(k)]), FormatFloat4(result.First[size_t(k)]),
                                QStringLiteral("%1 – %2 – %3").arg(FormatFloat4(range.P05), FormatFloat4(range.Median),
                                                                   FormatFloat4(range.P95))};
        for (int c = 0; c < cells.size(); ++c)
            Table->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
}

void TUncertaintyWindow::SaveImage()
{
    if (!SaveDialog)
        SaveDialog = MakePictureDialog(this, QStringLiteral("UncertaintyPictureDialog"));
    bool svg = false;
    const QString file = ChoosePictureFile(*SaveDialog, &svg);
    if (!file.isEmpty())
        SaveWidgetPicture(Chart, file, svg, windowTitle());
}
