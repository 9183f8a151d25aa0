#pragma once

#include "analysis/Synthesis.h"
#include "model/ModelChange.h"
#include "model/ViewChange.h"

#include <QObject>
#include <QString>

class TCriterionNode;
class TModelDocument;

// Everything derived from the document (scores, ranks, the status line, the bars)
// is computed here and nowhere else for the views: after every edit, undo, redo
// and change of what is shown, the results follow, and the views redraw from
// Updated. Only what the change touched is computed again: an edit of one
// participant's judgements recomputes that participant's ranking alone, a switch
// of the shown participant nobody's.
class TModelResults : public QObject
{
    Q_OBJECT

public:
    explicit TModelResults(TModelDocument &document, QObject *parent = nullptr);

    // Recomputes everything (a view shown afresh, or a model read in place).
    void Recompute();

signals:
    // The results are new (also when they say the weights are not determined).
    void Updated();
    // A computation failed for another reason than undetermined weights: the
    // results say nothing, the message says why.
    void Failed(const QString &message);

private:
    void DocumentChanged(TModelChange change, TCriterionNode *node);
    void ViewChanged(TViewChange change);
    void Refresh();

    TModelDocument &FDocument;
    TParticipantRanksMemo FRanks;
};
