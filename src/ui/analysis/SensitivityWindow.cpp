#include "ui/analysis/SensitivityWindow.h"

#include "analysis/Ranking.h"

#include "matrix/KalvoError.h"
#include "matrix/Conversions.h"
#include "model/Model.h"
#include "model/NodePath.h"
#include "ui/common/Fonts.h"
#include "ui/common/ModalHost.h"
#include "ui/common/WidgetPicture.h"

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
#include <QValueAxis>
#include <QPainter>
#include <QCursor>
#include <QFontMetrics>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QToolTip>
#include <QTextDocument>

#include <cmath>

#include <algorithm>
#include <numeric>

TSensitivityWindow::TSensitivityWindow(const TModel &model, QWidget *parent)
    : QMainWindow(parent), Model(model)
{
    setObjectName(QStringLiteral("SensitivityWindow"));
    setWindowTitle(tr("Občutljivost"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlag(Qt::Window);
    resize(760, 560);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    Heading = new QLabel(central);
    Heading->setObjectName(QStringLiteral("Heading"));
    ShowPlainText(Heading);
    Heading->setWordWrap(true);
    layout->addWidget(Heading);

    FPages = new QStackedWidget(central);
    auto *page = new QWidget(FPages);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("SubcriterionChoice:"), page));
    SubcriterionChoice = new QComboBox(page);
    SubcriterionChoice->setObjectName(QStringLiteral("SubcriterionChoice"));
    top->addWidget(SubcriterionChoice, 1);
    SavePictureButton = new QPushButton(tr("Shrani sliko"), page);
    SavePictureButton->setObjectName(QStringLiteral("SavePictureButton"));
    top->addWidget(SavePictureButton);
    pageLayout->addLayout(top);
    Interval = new QLabel(page);
    Interval->setObjectName(QStringLiteral("Interval"));
    ShowPlainText(Interval);
    Interval->setWordWrap(true);
    pageLayout->addWidget(Interval);
    Chart = new QChartView(new QChart, page);
    // Axis labels in the user's decimal format.
    Chart->chart()->setLocalizeNumbers(true);
    Chart->setMinimumHeight(240);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setRenderHint(QPainter::Antialiasing);
    pageLayout->addWidget(Chart, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Utež:"), page));
    WeightSlider = new QSlider(Qt::Horizontal, page);
    WeightSlider->setObjectName(QStringLiteral("WeightSlider"));
    WeightSlider->setRange(0, 1000);
    bottom->addWidget(WeightSlider, 1);
    ResetButton = new QPushButton(tr("Današnja utež"), page);
    ResetButton->setObjectName(QStringLiteral("ResetButton"));
    bottom->addWidget(ResetButton);
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

    SaveDialog = MakePictureDialog(this, QStringLiteral("SaveDialog"));

    connect(SubcriterionChoice, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!FFilling)
            ShowCriterion(index);
    });
    // A user's move leaves today's exact weight for the slider's thousandths.
    connect(WeightSlider, &QSlider::actionTriggered, this, [this] { FAtToday = false; });
    connect(WeightSlider, &QSlider::valueChanged, this, &TSensitivityWindow::ShowWeight);
    connect(ResetButton, &QPushButton::clicked, this, [this] {
        const int index = SubcriterionChoice->currentIndex();
        if (index >= 0 && size_t(index) < FResult.Criteria.size())
            ShowToday(FResult.Criteria[size_t(index)]);
    });
    connect(SavePictureButton, &QPushButton::clicked, this, &TSensitivityWindow::SaveImage);
}

QString TSensitivityWindow::Name(int solution) const
{
    return size_t(solution) < Model.Solutions.size() ? Model.Solutions[size_t(solution)].Name : QString();
}

bool TSensitivityWindow::NothingToRank() const
{
    if (FResult.Scores.empty())
        return true;
    const std::vector<int> ranks = CompetitionRanks(FResult.Scores);
    return std::all_of(ranks.begin(), ranks.end(), [](int rank) { return rank == 1; });
}

void TSensitivityWindow::ShowFront()
{
    Refresh();
    show();
    raise();
    activateWindow();
}

double TSensitivityWindow::SliderWeight() const
{
    const int index = SubcriterionChoice->currentIndex();
    if (FAtToday && index >= 0 && size_t(index) < FResult.Criteria.size())
        return FResult.Criteria[size_t(index)].Weight;
    return WeightSlider->value() / 1000.0;
}

void TSensitivityWindow::ShowToday(const TCriterionSensitivity &criterion)
{
    FAtToday = true;
    const int today = int(std::lround(criterion.Weight * 1000));
    if (WeightSlider->value() != today)
        WeightSlider->setValue(today);
    else
        ShowWeight();
}

void TSensitivityWindow::Refresh()
{
    TCriterionNode *node = Model.Tree.Selected() ? Model.Tree.Selected() : Model.Tree.FirstNode();
    FResult = TSensitivity();
    if (!node || !node->HasChildren()) {
        Heading->setText(node ? node->Name : QString());
        FSentence->setText(tr("Kriterij »%1« nima podkriterijev, zato občutljivosti uteži ni. "
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
    const QString previous = SubcriterionChoice->currentText();
    FFilling = true;
    SubcriterionChoice->clear();
    for (const TCriterionSensitivity &c : FResult.Criteria)
        SubcriterionChoice->addItem(c.Node->Name);
    FFilling = false;
    if (FResult.Scores.empty()) {
        Heading->setText(tr("%1: ni rešitev, zato ni česa razvrstiti.").arg(node->Name));
    } else if (NothingToRank()) {
        Heading->setText(tr("%1: vse rešitve so enako dobre, zato ni česa razvrstiti.").arg(node->Name));
    } else if (FResult.Critical >= 0) {
        const TCriterionSensitivity &c = FResult.Criteria[size_t(FResult.Critical)];
        const int rival = FResult.CriticalChange < 0 ? c.LowRival : c.HighRival;
        Heading->setText(tr("%1: najbolj občutljiv je »%2«; z utežjo %3 namesto %4 bi bila najboljša rešitev »%5«.")
                             .arg(node->Name, c.Node->Name, FormatFloat4(FResult.CriticalWeight), FormatFloat4(c.Weight),
                                  Name(rival)));
    } else {
        Heading->setText(tr("%1: nobena sprememba ene uteži ne spremeni najboljše rešitve.").arg(node->Name));
    }
    // The same sub-criterion as before while it is there; the most critical one first.
    int index = SubcriterionChoice->findText(previous);
    if (index < 0)
        index = std::max(FResult.Critical, 0);
    FFilling = true;
    SubcriterionChoice->setCurrentIndex(index);
    FFilling = false;
    ShowCriterion(index);
}

namespace {

// Ticks at 1, 2 or 5 times a power of ten, about five of them up to high.
double NiceStep(double high)
{
    const double raw = high / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power)
            return factor * power;
    return 10.0 * power;
}

// Chart texts are drawn as rich text: a name is escaped to be shown as typed.
QString ChartText(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

void TSensitivityWindow::ShowCriterion(int index)
{
    QChart *chart = Chart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    chart->setLocale(QLocale());
    FMarker = nullptr;
    Interval->clear();
    if (index < 0 || size_t(index) >= FResult.Criteria.size())
        return;
    const TCriterionSensitivity &c = FResult.Criteria[size_t(index)];
    if (FResult.Top >= 0 && !NothingToRank()) {
        QString text = tr("»%1« ostane najboljša pri uteži od %2 do %3.")
                           .arg(Name(FResult.Top), FormatFloat4(c.Low), FormatFloat4(c.High));
        if (c.LowRival >= 0)
            text += tr(" Pod %1 jo prehiti »%2«.").arg(FormatFloat4(c.Low), Name(c.LowRival));
        if (c.HighRival >= 0)
            text += tr(" Nad %1 jo prehiti »%2«.").arg(FormatFloat4(c.High), Name(c.HighRival));
        Interval->setText(text);
    }
    chart->setTitle(ChartText(tr("Ocene rešitev po uteži kriterija »%1«").arg(c.Node->Name)));
    // Smooth edges cost most of a redraw; with many lines the window stays quick without them.
    Chart->setRenderHint(QPainter::Antialiasing, c.AtOne.size() <= 20);
    auto *x = new QValueAxis(chart);
    x->setRange(0.0, 1.0);
    x->setTitleText(tr("Utež"));
    x->setLabelFormat(QStringLiteral("%.1f"));
    x->setTickCount(11);
    auto *y = new QValueAxis(chart);
    double high = 0.0;
    for (size_t k = 0; k < c.AtOne.size(); ++k)
        high = std::max({high, c.AtZero[k], c.AtOne[k]});
    const double step = NiceStep(high > 0.0 ? high : 1.0);
    const int ticks = int(std::ceil((high > 0.0 ? high : 1.0) / step - 1e-9));
    y->setRange(0.0, ticks * step);
    y->setTickCount(ticks + 1);
    y->setLabelFormat(QStringLiteral("%.") + QString::number(std::max(0, int(-std::floor(std::log10(step) + 1e-9))))
                      + QStringLiteral("f"));
    y->setTitleText(tr("Ocena"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto attach = [&](QAbstractSeries *series) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };
    auto hideFromLegend = [chart](QAbstractSeries *series) {
        for (QLegendMarker *marker : chart->legend()->markers(series))
            marker->setVisible(false);
    };
    // The followed solutions get a line and a legend entry each; all others share
    // one thin grey unlabelled series (going up and down the chart's edges), so
    // thousands of solutions draw as fast as ten.
    std::vector<char> followed(c.AtOne.size(), 0);
    for (int k : FResult.Followed)
        followed[size_t(k)] = 1;
    auto *others = new QLineSeries(chart);
    others->setPen(QPen(QColor(190, 190, 190), 0.5));
    bool forward = true;
    for (size_t k = 0; k < c.AtOne.size(); ++k) {
        if (followed[k])
            continue;
        others->append(forward ? 0.0 : 1.0, forward ? c.AtZero[k] : c.AtOne[k]);
        others->append(forward ? 1.0 : 0.0, forward ? c.AtOne[k] : c.AtZero[k]);
        forward = !forward;
    }
    if (others->count() > 0) {
        attach(others);
        hideFromLegend(others);
    } else {
        delete others;
    }
    // Names alike at their start ("Avto 1", "Avto 2" …) stay apart: cut in the
    // middle, and whole when the mouse rests on the entry. Many go down the side.
    chart->legend()->setAlignment(FResult.Followed.size() > 4 ? Qt::AlignRight : Qt::AlignTop);
    const QFontMetrics legend(chart->legend()->font());
    for (int k : FResult.Followed) {
        auto *line = new QLineSeries(chart);
        line->setName(ChartText(legend.elidedText(Name(k), Qt::ElideMiddle, 160)));
        line->append(0.0, c.AtZero[size_t(k)]);
        line->append(1.0, c.AtOne[size_t(k)]);
        attach(line);
        for (QLegendMarker *marker : chart->legend()->markers(line))
            connect(marker, &QLegendMarker::hovered, this, [this, name = Name(k)](bool on) {
                if (on)
                    QToolTip::showText(QCursor::pos(), Qt::convertFromPlainText(name, Qt::WhiteSpaceNormal), Chart);
                else
                    QToolTip::hideText();
            });
    }
    if (!c.Crossings.empty()) {
        auto *crossings = new QScatterSeries(chart);
        crossings->setName(tr("Zamenjave"));
        crossings->setMarkerSize(7.0);
        crossings->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        crossings->setPen(Qt::NoPen);
        for (const TCrossing &crossing : c.Crossings)
            crossings->append(crossing.Weight, (1.0 - crossing.Weight) * c.AtZero[size_t(crossing.First)]
                                                   + crossing.Weight * c.AtOne[size_t(crossing.First)]);
        const std::vector<TCrossing> marks = c.Crossings;
        connect(crossings, &QScatterSeries::hovered, this, [this, marks](const QPointF &point, bool state) {
            if (!state)
                return QToolTip::hideText();
            const auto nearest = std::min_element(marks.begin(), marks.end(), [&](const TCrossing &a, const TCrossing &b) {
                return std::fabs(a.Weight - point.x()) < std::fabs(b.Weight - point.x());
            });
            // Names as typed: a tooltip would take "<b>" for markup.
            QToolTip::showText(QCursor::pos(),
                               Qt::convertFromPlainText(tr("Pri uteži %1 se zamenjata »%2« in »%3«.")
                                                            .arg(FormatFloat4(nearest->Weight), Name(nearest->First),
                                                                 Name(nearest->Second)),
                                                       Qt::WhiteSpaceNormal),
                               Chart);
        });
        attach(crossings);
    }
    FMarker = new QLineSeries(chart);
    FMarker->setName(tr("Utež"));
    FMarker->setPen(QPen(Qt::black, 1.0, Qt::DashLine));
    attach(FMarker);
    ShowToday(c);
}

void TSensitivityWindow::ShowWeight()
{
    const int index = SubcriterionChoice->currentIndex();
    if (!FMarker || index < 0 || size_t(index) >= FResult.Criteria.size())
        return;
    const TCriterionSensitivity &c = FResult.Criteria[size_t(index)];
    const double x = SliderWeight();
    const auto *axis = static_cast<const QValueAxis *>(Chart->chart()->axes(Qt::Vertical).value(0));
    FMarker->replace(QList<QPointF>{{x, 0.0}, {x, axis ? axis->max() : 1.0}});
    if (NothingToRank()) {
        Ranking->setText(FResult.Scores.empty() ? tr("Ni rešitev, zato ni česa razvrstiti.")
                                                : tr("Vse rešitve so enako dobre, zato ni česa razvrstiti."));
        return;
    }
    // The followed solutions in their order at x, with ranks among all (ties share one).
    const std::vector<double> scores = ScoresAt(c, x);
    const std::vector<int> ranks = CompetitionRanks(scores);
    std::vector<int> shown = FResult.Followed;
    std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) { return ranks[size_t(a)] < ranks[size_t(b)]; });
    QStringList lines;
    for (int k : shown)
        lines << QStringLiteral("%1. %2 %3").arg(ranks[size_t(k)]).arg(Name(k), FormatFloat4(scores[size_t(k)]));
    QString text = tr("Pri uteži %1 (danes %2): %3")
                       .arg(FormatFloat4(x), FormatFloat4(c.Weight), lines.join(QStringLiteral(", ")));
    if (shown.size() < scores.size())
        text += tr(" (izmed %1 rešitev)").arg(scores.size());
    Ranking->setText(text);
}

void TSensitivityWindow::SaveImage()
{
    bool svg = false;
    const QString file = ChoosePictureFile(*SaveDialog, &svg);
    if (!file.isEmpty())
        SaveWidgetPicture(Chart, file, svg, windowTitle());
}
