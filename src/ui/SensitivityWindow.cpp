#include "ui/SensitivityWindow.h"

#include "matrix/KalvoError.h"
#include "matrix/UnitTools.h"
#include "model/Model.h"
#include "model/NodePath.h"
#include "ui/Fonts.h"
#include "ui/ModalHost.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSlider>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QPainter>

#include <algorithm>
#include <numeric>

TFormObcutljivost::TFormObcutljivost(TModel &model, QWidget *parent)
    : QMainWindow(parent), Model(model)
{
    setObjectName(QStringLiteral("FormObcutljivost"));
    setWindowTitle(QStringLiteral("Občutljivost"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlag(Qt::Window);
    resize(760, 560);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    Heading = new QLabel(central);
    Heading->setObjectName(QStringLiteral("Heading"));
    ShowPlainText(Heading);
    layout->addWidget(Heading);

    FPages = new QStackedWidget(central);
    auto *page = new QWidget(FPages);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Podkriterij:"), page));
    Podkriterij = new QComboBox(page);
    Podkriterij->setObjectName(QStringLiteral("Podkriterij"));
    top->addWidget(Podkriterij, 1);
    ShraniSliko = new QPushButton(QStringLiteral("Shrani sliko"), page);
    ShraniSliko->setObjectName(QStringLiteral("ShraniSliko"));
    top->addWidget(ShraniSliko);
    pageLayout->addLayout(top);
    Chart = new QChartView(new QChart, page);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setRenderHint(QPainter::Antialiasing);
    pageLayout->addWidget(Chart, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Utež:"), page));
    Utez = new QSlider(Qt::Horizontal, page);
    Utez->setObjectName(QStringLiteral("Utez"));
    Utez->setRange(0, 1000);
    bottom->addWidget(Utez, 1);
    Ponastavi = new QPushButton(QStringLiteral("Današnja utež"), page);
    Ponastavi->setObjectName(QStringLiteral("Ponastavi"));
    bottom->addWidget(Ponastavi);
    pageLayout->addLayout(bottom);
    Ranking = new QLabel(page);
    Ranking->setObjectName(QStringLiteral("Ranking"));
    ShowPlainText(Ranking);
    Ranking->setWordWrap(true);
    pageLayout->addWidget(Ranking);
    FPages->addWidget(page);
    FSentence = new QLabel(FPages);
    FSentence->setObjectName(QStringLiteral("Sentence"));
    FSentence->setAlignment(Qt::AlignCenter);
    FSentence->setWordWrap(true);
    ShowPlainText(FSentence);
    FPages->addWidget(FSentence);
    layout->addWidget(FPages, 1);
    setCentralWidget(central);

    SaveDialog = new QFileDialog(this, QStringLiteral("Shrani sliko"));
    SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setNameFilters({QStringLiteral("Slika PNG (*.png)"), QStringLiteral("Slika SVG (*.svg)")});

    connect(Podkriterij, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!FFilling)
            ShowCriterion(index);
    });
    // A user's move leaves today's exact weight for the slider's thousandths.
    connect(Utez, &QSlider::actionTriggered, this, [this] { FAtToday = false; });
    connect(Utez, &QSlider::valueChanged, this, &TFormObcutljivost::ShowWeight);
    connect(Ponastavi, &QPushButton::clicked, this, [this] {
        const int index = Podkriterij->currentIndex();
        if (index >= 0 && size_t(index) < FResult.Criteria.size())
            ShowToday(FResult.Criteria[size_t(index)]);
    });
    connect(ShraniSliko, &QPushButton::clicked, this, &TFormObcutljivost::SaveImage);
}

void TFormObcutljivost::ShowFront()
{
    Refresh();
    show();
    raise();
    activateWindow();
}

double TFormObcutljivost::SliderWeight() const
{
    const int index = Podkriterij->currentIndex();
    if (FAtToday && index >= 0 && size_t(index) < FResult.Criteria.size())
        return FResult.Criteria[size_t(index)].Weight;
    return Utez->value() / 1000.0;
}

void TFormObcutljivost::ShowToday(const TCriterionSensitivity &criterion)
{
    FAtToday = true;
    const int today = int(std::lround(criterion.Weight * 1000));
    if (Utez->value() != today)
        Utez->setValue(today);
    else
        ShowWeight();
}

void TFormObcutljivost::Refresh()
{
    TCriterionNode *node = Model.Tree.Selected() ? Model.Tree.Selected() : Model.Tree.FirstNode();
    FResult = TSensitivity();
    if (!node || !node->HasChildren()) {
        Heading->setText(node ? node->Name : QString());
        FSentence->setText(QStringLiteral("Kriterij »%1« nima podkriterijev, zato občutljivosti uteži ni. "
                                          "Izberite kriterij s podkriteriji.")
                               .arg(node ? node->Name : QString()));
        FPages->setCurrentWidget(FSentence);
        return;
    }
    try {
        FResult = AnalyzeSensitivity(Model, node);
    } catch (const EKalvoError &e) {
        Heading->setText(node->Name);
        FSentence->setText(e.message());
        FPages->setCurrentWidget(FSentence);
        return;
    }
    FPages->setCurrentIndex(0);
    const QString previous = Podkriterij->currentText();
    FFilling = true;
    Podkriterij->clear();
    for (const TCriterionSensitivity &c : FResult.Criteria)
        Podkriterij->addItem(c.Node->Name);
    FFilling = false;
    if (FResult.Critical >= 0) {
        const TCriterionSensitivity &c = FResult.Criteria[size_t(FResult.Critical)];
        Heading->setText(QStringLiteral("%1: najbolj občutljiv je »%2«; z utežjo %3 namesto %4 bi bila najboljša druga rešitev.")
                             .arg(node->Name, c.Node->Name, FormatFloat4(FResult.CriticalWeight), FormatFloat4(c.Weight)));
    } else {
        Heading->setText(QStringLiteral("%1: nobena sprememba ene uteži ne spremeni najboljše rešitve.").arg(node->Name));
    }
    // The same sub-criterion as before while it is there; the most critical one first.
    int index = Podkriterij->findText(previous);
    if (index < 0)
        index = std::max(FResult.Critical, 0);
    FFilling = true;
    Podkriterij->setCurrentIndex(index);
    FFilling = false;
    ShowCriterion(index);
}

void TFormObcutljivost::ShowCriterion(int index)
{
    QChart *chart = Chart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    FMarker = nullptr;
    if (index < 0 || size_t(index) >= FResult.Criteria.size())
        return;
    const TCriterionSensitivity &c = FResult.Criteria[size_t(index)];
    chart->setTitle(QStringLiteral("Ocene rešitev po uteži kriterija »%1«").arg(c.Node->Name));
    // Smooth edges cost most of a redraw; with many lines the window stays quick without them.
    Chart->setRenderHint(QPainter::Antialiasing, c.AtOne.size() <= 20);
    auto *x = new QValueAxis(chart);
    x->setRange(0.0, 1.0);
    x->setTitleText(QStringLiteral("Utež"));
    x->setLabelFormat(QStringLiteral("%.1f"));
    x->setTickCount(6);
    auto *y = new QValueAxis(chart);
    double high = 0.0;
    for (size_t k = 0; k < c.AtOne.size(); ++k)
        high = std::max({high, c.AtZero[k], c.AtOne[k]});
    y->setRange(0.0, high > 0.0 ? high * 1.05 : 1.0);
    y->setTitleText(QStringLiteral("Ocena"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto attach = [&](QAbstractSeries *series) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };
    for (size_t k = 0; k < c.AtOne.size(); ++k) {
        auto *line = new QLineSeries(chart);
        line->setName(Model.Solutions[k].Name);
        line->append(0.0, c.AtZero[k]);
        line->append(1.0, c.AtOne[k]);
        attach(line);
    }
    if (!c.Crossings.empty()) {
        auto *crossings = new QScatterSeries(chart);
        crossings->setName(QStringLiteral("Zamenjave"));
        crossings->setMarkerSize(6.0);
        // Squares: with many solutions there are thousands of crossings, and round marks
        // are drawn as curves.
        crossings->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        crossings->setPen(Qt::NoPen);
        for (const TCrossing &crossing : c.Crossings)
            crossings->append(crossing.Weight, (1.0 - crossing.Weight) * c.AtZero[size_t(crossing.First)]
                                                   + crossing.Weight * c.AtOne[size_t(crossing.First)]);
        attach(crossings);
    }
    FMarker = new QLineSeries(chart);
    FMarker->setName(QStringLiteral("Utež"));
    FMarker->setPen(QPen(Qt::black, 1.0, Qt::DashLine));
    attach(FMarker);
    ShowToday(c);
}

void TFormObcutljivost::ShowWeight()
{
    const int index = Podkriterij->currentIndex();
    if (!FMarker || index < 0 || size_t(index) >= FResult.Criteria.size())
        return;
    const TCriterionSensitivity &c = FResult.Criteria[size_t(index)];
    const double x = SliderWeight();
    const auto *axis = static_cast<const QValueAxis *>(Chart->chart()->axes(Qt::Vertical).value(0));
    FMarker->replace(QList<QPointF>{{x, 0.0}, {x, axis ? axis->max() : 1.0}});
    const std::vector<double> scores = ScoresAt(c, x);
    std::vector<int> order(scores.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return scores[size_t(a)] > scores[size_t(b)]; });
    QStringList lines;
    for (size_t place = 0; place < order.size(); ++place)
        lines << QStringLiteral("%1. %2 %3").arg(place + 1).arg(Model.Solutions[size_t(order[place])].Name,
                                                                  FormatFloat4(scores[size_t(order[place])]));
    Ranking->setText(QStringLiteral("Pri uteži %1 (danes %2): %3")
                         .arg(FormatFloat4(x), FormatFloat4(c.Weight), lines.join(QStringLiteral(", "))));
}

void TFormObcutljivost::SaveImage()
{
    if (TModalHost::Exec(*SaveDialog) != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty())
        return;
    QString file = SaveDialog->selectedFiles().constFirst();
    const bool svg = file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
                     || (!file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                         && SaveDialog->selectedNameFilter().contains(QLatin1String("SVG")));
    if (!file.contains(QLatin1Char('.')))
        file += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    bool saved = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(file);
        generator.setSize(Chart->size());
        generator.setViewBox(Chart->rect());
        generator.setTitle(windowTitle());
        QPainter painter;
        saved = painter.begin(&generator);
        if (saved) {
            Chart->render(&painter);
            saved = painter.end();
        }
    } else {
        saved = Chart->grab().save(file, "PNG");
    }
    if (!saved)
        throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Slike »%1« ni mogoče shraniti.").arg(file));
}
