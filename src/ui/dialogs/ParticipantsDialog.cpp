#include "ui/dialogs/ParticipantsDialog.h"

#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/ModelDocument.h"
#include "ui/common/CommandRunner.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTableWidget>
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
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    WeightBox = new QDoubleSpinBox(this);
    WeightBox->setObjectName(QStringLiteral("WeightBox"));
    WeightBox->setRange(0.0, 1000.0);
    WeightBox->setDecimals(2);
    WeightBox->setValue(1.0);
    fields->addRow(tr("Ime:"), NameEdit);
    fields->addRow(tr("Utež:"), WeightBox);
    layout->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    AddButton = new QPushButton(tr("Dodaj"), this);
    ChangeButton = new QPushButton(tr("Spremeni"), this);
    RemoveButton = new QPushButton(tr("Odstrani"), this);
    CloseButton = new QPushButton(tr("Zapri"), this);
    for (QPushButton *button : {AddButton, ChangeButton, RemoveButton, CloseButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    auto *method = new QFormLayout;
    GroupMethod = new QComboBox(this);
    GroupMethod->setObjectName(QStringLiteral("GroupMethod"));
    GroupMethod->addItems({tr("AIJ: geometrična sredina sodb"), tr("AIP: geometrična sredina uteži udeležencev"),
                           tr("AIP: aritmetična sredina uteži udeležencev")});
    method->addRow(tr("Združevanje:"), GroupMethod);
    layout->addLayout(method);
    Gci = new QTableWidget(this);
    Gci->setObjectName(QStringLiteral("Gci"));
    Gci->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Gci->setToolTip(tr("Geometrijski indeks doslednosti (GCI) vsakega udeleženca; nad pragom (0,31 za 3 postavke, "
                       "0,35 za 4, 0,37 za več) označen s »!«"));
    layout->addWidget(Gci);
    connect(GroupMethod, &QComboBox::activated, this, [this](int index) {
        RunGuarded(this, [&] { Document.SetGroupMethod(TGroupMethod(index)); });
        Refresh();
    });

    connect(List, &QListWidget::currentRowChanged, this, [this](int row) {
        const auto &people = Document.Model().Participants;
        if (row < 0 || size_t(row) >= people.size())
            return;
        NameEdit->setText(people[size_t(row)].Name);
        WeightBox->setValue(people[size_t(row)].Weight);
    });
    connect(AddButton, &QPushButton::clicked, this, [this] {
        // The one just added is the one the fields then show.
        Act([this] { Document.AddParticipant(NameEdit->text().trimmed(), WeightBox->value()); }, -1);
    });
    connect(ChangeButton, &QPushButton::clicked, this, [this] {
        const int row = List->currentRow();
        Act([this, row] { Document.EditParticipant(row, NameEdit->text().trimmed(), WeightBox->value()); }, row);
    });
    connect(RemoveButton, &QPushButton::clicked, this, [this] {
        const int row = List->currentRow();
        Act([this, row] { Document.RemoveParticipant(row); }, row);
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TParticipantsDialog::Act(const std::function<void()> &edit, int rowAfter)
{
    // A participant needs a name: an empty one is refused where it is typed.
    if (sender() != RemoveButton && NameEdit->text().trimmed().isEmpty()) {
        NameEdit->setFocus();
        return;
    }
    RunGuarded(this, edit);
    Refresh();
    List->setCurrentRow(std::min(rowAfter < 0 ? List->count() - 1 : rowAfter, List->count() - 1));
}

void TParticipantsDialog::Refresh()
{
    const TModel &model = Document.Model();
    List->clear();
    for (const TParticipant &participant : model.Participants)
        List->addItem(tr("%1 (utež %2)").arg(participant.Name, QLocale().toString(participant.Weight)));
    const QSignalBlocker quiet(GroupMethod);
    GroupMethod->setCurrentIndex(int(model.GroupMethod));
    // The GCI table: a column per matrix the group judges (of 3 items or more).
    std::vector<const TCriterionNode *> judged;
    for (const TCriterionNode *node : model.Tree.Nodes())
        if (node->Matrix && node->Matrix->Kind == ckRelative && !node->Matrix->Judges.empty() && node->Matrix->Order >= 3)
            judged.push_back(node);
    Gci->clear();
    Gci->setRowCount(int(model.Participants.size()));
    Gci->setColumnCount(int(judged.size()));
    QStringList columns, rows;
    for (const TCriterionNode *node : judged)
        columns << node->Name;
    for (const TParticipant &participant : model.Participants)
        rows << participant.Name;
    Gci->setHorizontalHeaderLabels(columns);
    Gci->setVerticalHeaderLabels(rows);
    for (int c = 0; c < int(judged.size()); ++c)
        for (int p = 0; p < int(model.Participants.size()); ++p) {
            const TMatrix &m = *judged[size_t(c)]->Matrix;
            QString text = QStringLiteral("–");
            try {
                const double gci = ParticipantGci(m, size_t(p));
                text = FormatFloat4(gci) + (gci > GciThreshold(m.Order) ? QStringLiteral(" !") : QString());
            } catch (const EKalvoError &) {
            }
            auto *item = new QTableWidgetItem(text);
            if (text.endsWith(QLatin1Char('!')))
                item->setForeground(Qt::red);
            Gci->setItem(p, c, item);
        }
}
