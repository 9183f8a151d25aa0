#include "analysis/ModelResults.h"

#include "model/ModelDocument.h"

TModelResults::TModelResults(TModelDocument &document, QObject *parent)
    : QObject(parent), FDocument(document)
{
    connect(&document, &TModelDocument::Changed, this, &TModelResults::DocumentChanged);
    connect(&document, &TModelDocument::ViewChanged, this, &TModelResults::ViewChanged);
}

void TModelResults::Recompute()
{
    FRanks.ForgetAll();
    Refresh();
}

void TModelResults::DocumentChanged(TModelChange change, TCriterionNode *)
{
    switch (change) {
    case TModelChange::Mark:
        return;   // the mark is no result
    case TModelChange::Judgements:
        // One participant's judgements change their ranking alone; anyone else's
        // judgements (the model's own, measured values) every participant's.
        if (FDocument.ChangedParticipant() >= 0)
            FRanks.Forget(FDocument.ChangedParticipant());
        else
            FRanks.ForgetAll();
        break;
    default:
        FRanks.ForgetAll();
        break;
    }
    Refresh();
}

void TModelResults::ViewChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Debug:
        return;   // only the criterion report's tables
    case TViewChange::Participant:
        break;    // their status line; every ranking stays
    case TViewChange::Selection:
    case TViewChange::Method:
        FRanks.ForgetAll();
        break;
    }
    Refresh();
}

void TModelResults::Refresh()
{
    const std::optional<EKalvoError> error = RefreshResults(FDocument.WritableModel(), FDocument.Participant(), &FRanks);
    emit Updated();
    if (error && error->kind() != EKalvoError::ekUndetermined)
        emit Failed(error->message());
}
