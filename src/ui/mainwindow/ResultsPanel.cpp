#include "ui/mainwindow/ResultsPanel.h"

#include "ui/common/Fonts.h"
#include "model/Model.h"
#include "analysis/Synthesis.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace {

const char *const RowProperty = "row";
// Room for a name before its value, 100 pixels right of the name's start.
const int NameWidth = 95;

void SetLabel(QLabel *label, const QString &text, int left, int top)
{
    label->setText(text);
    label->adjustSize();
    label->move(left, top);
}

// A name that would run into its value is cut with "…"; the tooltip shows it whole.
void SetName(QLabel *label, const QString &name, int left, int top, int width)
{
    const QString shown = label->fontMetrics().elidedText(name, Qt::ElideRight, width);
    label->setToolTip(shown == name ? QString() : name);
    SetLabel(label, shown, left, top);
}

} // namespace

TResultsPanel::TResultsPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel2"));
}

QScrollArea *TResultsPanel::InScrollArea(QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("ResultsScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(this);
    return scroll;
}

int TResultsPanel::RowHeight() const
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

TResultsPanel::TRowControls TResultsPanel::MakeRow(int index, bool solutionRow)
{
    TRowControls row;
    row.Bar = new QProgressBar(this);
    row.Bar->setTextVisible(false);
    row.Bar->setRange(0, 100);
    row.Bar->setValue(0);
    row.ValueLabel = new QLabel(this);
    row.NameLabel = new QLabel(this);
    ShowPlainText(row.NameLabel);
    ShowPlainText(row.ValueLabel);
    if (solutionRow) {
        row.RanksLabel = new QLabel(this);
        ShowPlainText(row.RanksLabel);
        row.RanksLabel->hide();
    }
    if (solutionRow) {
        for (QWidget *control : {static_cast<QWidget *>(row.NameLabel), static_cast<QWidget *>(row.ValueLabel),
                                 static_cast<QWidget *>(row.Bar)}) {
            control->setProperty(RowProperty, index);
            control->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(control, &QWidget::customContextMenuRequested, this,
                    [this, control](const QPoint &pos) { ShowRowMenu(control->mapToGlobal(pos)); });
        }
        row.NameLabel->installEventFilter(this);
        row.ValueLabel->installEventFilter(this);
    }
    for (QWidget *control : {static_cast<QWidget *>(row.NameLabel), static_cast<QWidget *>(row.ValueLabel),
                             static_cast<QWidget *>(row.Bar)})
        control->show();
    return row;
}

void TResultsPanel::Release(TRowControls &row)
{
    delete row.NameLabel;
    delete row.ValueLabel;
    delete row.Bar;
    delete row.RanksLabel;
    row = TRowControls();
}

void TResultsPanel::ShowRowMenu(const QPoint &globalPos)
{
    if (FRowMenu)
        FRowMenu->popup(globalPos);
}

bool TResultsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const QVariant row = watched->property(RowProperty);
        if (row.isValid())
            emit RowClicked(row.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

void TResultsPanel::SyncRows(const TModel &model)
{
    const int h = RowHeight();
    while (RowCount() > model.SolutionCount()) {
        Release(FRows.back());
        FRows.pop_back();
    }
    while (RowCount() < model.SolutionCount()) {
        const int i = RowCount();
        TRowControls row = MakeRow(i, true);
        const int top = 5 + i * h;
        SetLabel(row.NameLabel, QString(), 10, top);
        SetLabel(row.ValueLabel, QStringLiteral(" "), 110, top);
        row.Bar->setGeometry(160, top, 150, h);
        FRows.push_back(row);
    }
    for (int i = 0; i < RowCount(); ++i) {
        QLabel *name = FRows[size_t(i)].NameLabel;
        QFont font = name->font();
        font.setBold(i == model.MarkedSolution);
        name->setFont(font);
        SetName(name, model.Solutions[size_t(i)].Name, name->x(), name->y(), NameWidth);
    }
}

int TResultsPanel::Layout(const TModel &model)
{
    const int w = width();
    const int h = RowHeight();
    const int half = w / 2;

    // Sub-criterion bars: made on demand, the surplus released, the rest refilled.
    const int count = int(model.SubcriterionBars.size());
    while (SubcriterionBarCount() > count) {
        Release(FBars.back());
        FBars.pop_back();
    }
    while (SubcriterionBarCount() < count)
        FBars.push_back(MakeRow(SubcriterionBarCount(), false));
    for (int i = 0; i < count; ++i) {
        const TSubcriterionBar &data = model.SubcriterionBars[size_t(i)];
        TRowControls &bar = FBars[size_t(i)];
        const int top = 5 + i * h;
        bar.Bar->setGeometry(150, top, std::max(0, half - 170), h);
        bar.Bar->setValue(std::clamp(data.Position, 0, 100));
        SetLabel(bar.ValueLabel, data.ValueText, 100, top);
        SetName(bar.NameLabel, data.Name, 10, top, NameWidth - 10);
    }

    // A group's model: each participant's own rank of a solution after its bar.
    const bool ranks = !model.Participants.empty();
    const int ranksWidth = ranks ? std::min(w / 4, 30 + 28 * int(model.Participants.size())) : 0;
    const int base = count > 0 ? half + 10 : 10;
    const int barWidth = std::max(0, (count > 0 ? half - 170 : w - 170) - ranksWidth);
    for (int k = 0; k < RowCount() && k < model.SolutionCount(); ++k) {
        TRowControls &row = FRows[size_t(k)];
        const TSolution &solution = model.Solutions[size_t(k)];
        const int top = row.NameLabel->y();
        row.NameLabel->move(base, top);
        SetLabel(row.ValueLabel, solution.ValueText, base + 100, top);
        row.Bar->setGeometry(base + 150, top, barWidth, h);
        row.RanksLabel->setVisible(ranks);
        if (ranks) {
            QStringList shown, told;
            for (size_t p = 0; p < model.Participants.size(); ++p) {
                const int rank = p < solution.Ranks.size() ? solution.Ranks[p] : 0;
                shown << (rank > 0 ? QString::number(rank) : QStringLiteral("–"));
                told << QStringLiteral("%1: %2").arg(model.Participants[p].Name,
                                                     rank > 0 ? tr("%1. mesto").arg(rank)
                                                              : tr("uteži niso določene"));
            }
            const QString text = shown.join(QStringLiteral(" · "));
            SetLabel(row.RanksLabel,
                     row.RanksLabel->fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, ranksWidth - 10)),
                     base + 160 + barWidth, top);
            row.RanksLabel->setToolTip(tr("Uvrstitev po sodbah vsakega udeleženca:\n")
                                       + told.join(QLatin1Char('\n')));
        }
        row.Bar->setRange(0, 10000);
        row.Bar->setValue(std::clamp(RoundHalfEven(solution.Score * 10000.0), 0, 10000));
    }

    if (count < model.SolutionCount())
        return h * model.SolutionCount() + 10;
    if (count > 0)
        return h * count + 10;
    return 10;
}
