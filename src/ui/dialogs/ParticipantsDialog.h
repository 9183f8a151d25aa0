#pragma once

#include <QDialog>

#include <functional>

class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TModelDocument;

// "Udeleženci": the group that judges the model. The list shows each participant
// with their weight; "Dodaj" adds one from the name and weight fields,
// "Spremeni" gives the selected one that name and weight, "Odstrani" removes it.
// Each is one undoable edit of the document; the dialog holds no state of its own.
class TParticipantsDialog : public QDialog
{
    Q_OBJECT

public:
    TParticipantsDialog(TModelDocument &document, QWidget *parent = nullptr);

    // Shows the document's participants again.
    void Refresh();

    QListWidget *List;
    QLineEdit *Ime;
    QDoubleSpinBox *WeightSlider;
    QPushButton *Dodaj, *Spremeni, *Odstrani, *Zapri;

private:
    // Makes the edit, shows the list again and selects rowAfter (-1: the last).
    void Act(const std::function<void()> &edit, int rowAfter);
    TModelDocument &Document;
};
