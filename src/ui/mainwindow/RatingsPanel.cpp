#include "ui/mainwindow/RatingsPanel.h"

#include "model/Model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

TRatingsPanel::TRatingsPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RatingsPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    Solutions = new QTableWidget(0, 2, this);
    Solutions->setObjectName(QStringLiteral("RatingsTable"));
    Solutions->setHorizontalHeaderLabels({tr("Rešitev"), tr("Ocena")});
    Solutions->verticalHeader()->hide();
    Solutions->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Solutions->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Solutions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(Solutions, 1);
    auto *buttons = new QHBoxLayout;
    const auto button = [this, buttons](QPushButton *&at, const char *name, const QString &text, const QString &tip) {
        at = new QPushButton(text, this);
        at->setObjectName(QString::fromLatin1(name));
        at->setToolTip(tip);
        buttons->addWidget(at);
    };
    button(AddButton, "AddIntensityButton", tr("Dodaj"), tr("Dodaj oceno na konec lestvice"));
    button(RenameButton, "RenameIntensityButton", tr("Preimenuj"), tr("Preimenuj oceno v izbrani vrstici mreže"));
    button(RemoveButton, "RemoveIntensityButton", tr("Odstrani"), tr("Odstrani oceno v izbrani vrstici mreže"));
    button(UpButton, "IntensityUpButton", QStringLiteral("↑"), tr("Premakni oceno v izbrani vrstici mreže gor"));
    button(DownButton, "IntensityDownButton", QStringLiteral("↓"), tr("Premakni oceno v izbrani vrstici mreže dol"));
    layout->addLayout(buttons);
    DirectValues = new QCheckBox(tr("Neposredne vrednosti ocen"), this);
    DirectValues->setObjectName(QStringLiteral("DirectValues"));
    layout->addWidget(DirectValues);
    connect(AddButton, &QPushButton::clicked, this, &TRatingsPanel::AddIntensity);
    connect(RenameButton, &QPushButton::clicked, this, &TRatingsPanel::RenameIntensity);
    connect(RemoveButton, &QPushButton::clicked, this, &TRatingsPanel::RemoveIntensity);
    connect(UpButton, &QPushButton::clicked, this, [this] { emit MoveIntensity(-1); });
    connect(DownButton, &QPushButton::clicked, this, [this] { emit MoveIntensity(1); });
    connect(DirectValues, &QCheckBox::clicked, this, &TRatingsPanel::DirectValuesChosen);
    hide();
}

void TRatingsPanel::Show(const TModel &model, const TCriterionNode *node)
{
    const TMatrix *m = node && !node->HasChildren() ? node->Matrix.get() : nullptr;
    if (!m || !m->IsRatings()) {
        hide();
        return;
    }
    const QSignalBlocker quiet(DirectValues);
    DirectValues->setChecked(m->Kind != ckRelative);
    QStringList choices{tr("ni ocenjeno")};
    for (const QString &intensity : m->Scale->Intensities)
        choices << intensity;
    Solutions->setRowCount(model.SolutionCount());
    for (int k = 0; k < model.SolutionCount(); ++k) {
        auto *name = new QTableWidgetItem(model.Solutions[size_t(k)].Name);
        name->setToolTip(name->text());
        Solutions->setItem(k, 0, name);
        auto *choice = qobject_cast<QComboBox *>(Solutions->cellWidget(k, 1));
        if (!choice) {
            choice = new QComboBox;
            choice->setObjectName(QStringLiteral("Rating%1").arg(k));
            // Only a choice the user made is an edit: activated, not currentIndexChanged.
            connect(choice, &QComboBox::activated, this, [this, k](int index) { emit Rated(k, index - 1); });
            Solutions->setCellWidget(k, 1, choice);
        }
        const QSignalBlocker still(choice);
        choice->clear();
        choice->addItems(choices);
        const qint32 rating = size_t(k) < m->Scale->Ratings.size() ? m->Scale->Ratings[size_t(k)] : -1;
        choice->setCurrentIndex(rating + 1);
    }
    show();
}
