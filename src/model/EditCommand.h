#pragma once

#include "model/ModelChange.h"

#include <QString>

#include <functional>
#include <vector>

class TModel;

// One edit of the model as the history keeps it: how to do it again and how to
// take it back, each a step over the model that restores exactly what the other
// changed. The steps hold only what the edit touched (a cell's two texts, a
// node's matrix, a removed subtree), and nodes by their positions, never by
// pointer, so that an edit stays valid whatever was undone and redone around it.
struct TEditCommand
{
    QString Text;                 // names the edit: "razmerje Cena : Lega"
    TModelChange Change = TModelChange::Judgements;
    bool ChangesFiles = true;     // false for the mark, which no file holds
    bool Advice = false;          // consistency advice applied
    int Participant = -1;         // whose judgements it changes; -1: the model's own, or not judgements
    std::vector<int> Node;        // the criterion the edit concerns, if any
    std::vector<int> SelectedBefore, SelectedAfter;
    std::function<void(TModel &)> Redo;
    std::function<void(TModel &)> Undo;
};
