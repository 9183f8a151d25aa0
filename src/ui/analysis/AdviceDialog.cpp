#include "ui/analysis/AdviceDialog.h"

#include "matrix/Conversions.h"
#include "ui/common/Fonts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TAdviceDialog::TAdviceDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AdviceDialog"));
    setWindowTitle(tr("Predlogi za doslednost"));
    auto *layout = new QVBoxLayout(this);
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);
    ShowPlainText(Summary);
    layout->addWidget(Summary);
    Changes = new QListWidget(this);
    Changes->setObjectName(QStringLiteral("Changes"));
    layout->addWidget(Changes, 1);
    Weights = new QLabel(this);
    Weights->setObjectName(QStringLiteral("Weights"));
    Weights->setWordWrap(true);
    ShowPlainText(Weights);
    layout->addWidget(Weights);
    auto *buttons = new QDialogButtonBox(this);
    Uporabi = buttons->addButton(tr("Uporabi"), QDialogButtonBox::AcceptRole);
    Uporabi->setObjectName(QStringLiteral("Uporabi"));
    Preklici = buttons->addButton(tr("Prekliči"), QDialogButtonBox::RejectRole);
    Preklici->setObjectName(QStringLiteral("Preklici"));
    UndoButton = buttons->addButton(tr("Razveljavi zadnje predloge"), QDialogButtonBox::ResetRole);
    UndoButton->setObjectName(QStringLiteral("UndoButton"));
    connect(UndoButton, &QPushButton::clicked, this, [this] { done(UndoResult); });
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(420, 280);
}

std::vector<std::pair<int, int>> AdviceCells(const TConsistencyAdvice &advice)
{
    std::vector<std::pair<int, int>> cells;
    for (const TJudgementChange &c : advice.Changes) {
        cells.push_back({c.Col, c.Row});
        cells.push_back({c.Row, c.Col});   // the mirror changes too
    }
    return cells;
}

void TAdviceDialog::Show(const TConsistencyAdvice &advice, const QStringList &items, bool canUndo)
{
    UndoButton->setVisible(canUndo);
    Changes->clear();
    for (const TJudgementChange &c : advice.Changes)
        Changes->addItem(QStringLiteral("%1 : %2  %3 → %4").arg(items.value(c.Row - 1), items.value(c.Col - 1), c.From, c.To));
    QString text;
    if (advice.Changes.empty()) {
        text = tr("CR je %1: sodbe so dovolj dosledne, predlogov ni.").arg(FormatFloat4(advice.CR));
    } else {
        text = tr("CR je danes %1, po teh spremembah bo %2.").arg(FormatFloat4(advice.CR), FormatFloat4(advice.CRAfter));
        if (const QString caveat = AdviceCaveat(advice); !caveat.isEmpty())
            text += QLatin1Char(' ') + caveat;
        text += tr(" Predlogi so le predlogi: presodite jih sami.");
    }
    Summary->setText(text);
    QStringList weights;
    if (!advice.Changes.empty())
        for (size_t i = 0; i < advice.WeightsBefore.size() && i < advice.WeightsAfter.size(); ++i)
            weights << QStringLiteral("%1 %2 → %3").arg(items.value(int(i)), FormatFloat4(advice.WeightsBefore[i]),
                                                       FormatFloat4(advice.WeightsAfter[i]));
    Weights->setText(weights.isEmpty() ? QString() : tr("Uteži: ") + weights.join(QStringLiteral("; ")));
    Uporabi->setEnabled(!advice.Changes.empty());
}
