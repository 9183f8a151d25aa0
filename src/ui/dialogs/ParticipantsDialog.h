#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QTableWidget;
class QLineEdit;
class QListWidget;
class QPushButton;
class TModelDocument;

// "Udeleženci": the group that judges the model. The list shows each participant
// with their weight; "AddButton" adds one from the name and weight fields,
// "ChangeButton" gives the selected one that name and weight, "RemoveButton" removes it.
// Each is one undoable edit of the document; the dialog holds no state of its own.
class TParticipantsDialog : public QDialog
{
    Q_OBJECT

public:
    TParticipantsDialog(TModelDocument &document, QWidget *parent = nullptr);

    // Shows the document's participants again.
    void Refresh();

    QListWidget *List;
    // How the group's judgements are combined: AIJ, AIP, AIP-arithmetic (one edit each choice).
    QComboBox *GroupMethod;
    // Each participant's GCI on each matrix the group judges, flagged above its threshold.
    QTableWidget *Gci;
    QLineEdit *NameEdit;
    QDoubleSpinBox *WeightBox;
    QPushButton *AddButton, *ChangeButton, *RemoveButton, *CloseButton;

private:
    // Makes the edit, shows the list again and selects rowAfter (-1: the last).
    void Act(const std::function<void()> &edit, int rowAfter);
    TModelDocument &Document;
};
