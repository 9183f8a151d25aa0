#pragma once

// What an edit of the document changed, so that each view redraws only its part.
enum class TModelChange {
    Judgements,   // cells of one criterion's matrix
    Criterion,    // one criterion's name or kind
    Tree,         // criteria added or removed
    Solutions,    // solutions added, removed or renamed (every leaf matrix with them)
    Mark,         // the marked solution alone: nothing to recompute
    Group,        // the participants: who they are and their weights
    Mode,         // the distributive or the ideal mode
    Model         // the whole model replaced (new, opened)
};
