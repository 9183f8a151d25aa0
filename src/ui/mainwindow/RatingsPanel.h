#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class QTableWidget;
class TCriterionNode;
class TModel;

// Beside the grid for a ratings leaf: each solution with a drop-down of the
// scale's intensities (typing a first letter picks one), the buttons that edit
// the scale, and whether the intensities get direct values. It shows the model
// and reports what the user chose; the window makes the edits.
class TRatingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TRatingsPanel(QWidget *parent = nullptr);

    // Shown for a ratings leaf, hidden for any other node.
    void Show(const TModel &model, const TCriterionNode *node);

    QTableWidget *Solutions;
    QPushButton *AddButton, *RenameButton, *RemoveButton, *UpButton, *DownButton;
    QCheckBox *DirectValues;

signals:
    // intensity -1: not rated.
    void Rated(int solution, int intensity);
    void AddIntensity();
    void RenameIntensity();
    void RemoveIntensity();
    void MoveIntensity(int step);
    void DirectValuesChosen(bool direct);
};
