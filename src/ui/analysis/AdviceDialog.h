#pragma once

#include "analysis/ConsistencyAdvice.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// "Predlogi za doslednost": the judgement changes that make the selected
// criterion's matrix acceptable, with the item names of each cell, today's CR and
// the CR after them. "Uporabi" accepts (the window applies them), "Prekliči"
// changes nothing. Modal, made once and reused.
class TAdviceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TAdviceDialog(QWidget *parent = nullptr);

    // Fills the dialog for an advice on a matrix comparing items; canUndo offers
    // "Razveljavi" for the changes applied last time.
    void Show(const TConsistencyAdvice &advice, const QStringList &items, bool canUndo);
    // The result when "Razveljavi" was chosen.
    static constexpr int UndoResult = 2;

    QLabel *Summary;
    QListWidget *Changes;
    QLabel *Weights;   // each item's weight now and after the changes
    QPushButton *Uporabi;
    QPushButton *Preklici;
    QPushButton *UndoButton;
};

// The grid cells (column, row) an advice changes, each with its mirror, to be
// marked while the dialog is open.
std::vector<std::pair<int, int>> AdviceCells(const TConsistencyAdvice &advice);
