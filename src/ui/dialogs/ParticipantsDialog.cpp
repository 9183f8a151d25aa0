#include "ui/dialogs/ParticipantsDialog.h"

#include "model/ModelDocument.h"
#include "ui/common/CommandRunner.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TParticipantsDialog::TParticipantsDialog(TModelDocument &document, QWidget *parent)
    : QDialog(parent), Document(document)
{
    setObjectName(QStringLiteral("ParticipantsDialog"));
    setWindowTitle(tr("Udeleženci"));
    auto *layout = new QVBoxLayout(this);
    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    layout->addWidget(List);
    auto *fields = new QFormLayout;
    Ime = new QLineEdit(this);
    Ime->setObjectName(QStringLiteral("Ime"));
    WeightSlider = new QDoubleSpinBox(this);
    WeightSlider->setObjectName(QStringLiteral("WeightSlider"));
    WeightSlider->setRange(0.0, 1000.0);
    WeightSlider->setDecimals(2);
    WeightSlider->setValue(1.0);
    fields->addRow(tr("Ime:"), Ime);
    fields->addRow(tr("Utež:"), WeightSlider);
    layout->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    Dodaj = new QPushButton(tr("Dodaj"), this);
    Spremeni = new QPushButton(tr("Spremeni"), this);
    Odstrani = new QPushButton(tr("Odstrani"), this);
    Zapri = new QPushButton(tr("Zapri"), this);
    for (QPushButton *button : {Dodaj, Spremeni, Odstrani, Zapri}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(List, &QListWidget::currentRowChanged, this, [this](int row) {
        const auto &people = Document.Model().Participants;
        if (row < 0 || size_t(row) >= people.size())
            return;
        Ime->setText(people[size_t(row)].Name);
        WeightSlider->setValue(people[size_t(row)].Weight);
    });
    connect(Dodaj, &QPushButton::clicked, this, [this] {
        // The one just added is the one the fields then show.
        Act([this] { Document.AddParticipant(Ime->text().trimmed(), WeightSlider->value()); }, -1);
    });
    connect(Spremeni, &QPushButton::clicked, this, [this] {
        const int row = List->currentRow();
        Act([this, row] { Document.EditParticipant(row, Ime->text().trimmed(), WeightSlider->value()); }, row);
    });
    connect(Odstrani, &QPushButton::clicked, this, [this] {
        const int row = List->currentRow();
        Act([this, row] { Document.RemoveParticipant(row); }, row);
    });
    connect(Zapri, &QPushButton::clicked, this, &QDialog::accept);
}

void TParticipantsDialog::Act(const std::function<void()> &edit, int rowAfter)
{
    // A participant needs a name: an empty one is refused where it is typed.
    if (sender() != Odstrani && Ime->text().trimmed().isEmpty()) {
        Ime->setFocus();
        return;
    }
    RunGuarded(this, edit);
    Refresh();
    List->setCurrentRow(std::min(rowAfter < 0 ? List->count() - 1 : rowAfter, List->count() - 1));
}

void TParticipantsDialog::Refresh()
{
    List->clear();
    for (const TParticipant &participant : Document.Model().Participants)
        List->addItem(tr("%1 (utež %2)").arg(participant.Name, QLocale().toString(participant.Weight)));
}
