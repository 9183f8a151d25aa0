#pragma once

// What the window shows changed, not the model: outside the history, no file holds it.
enum class TViewChange {
    Selection,     // the selected criterion (the synthesis' start)
    Participant,   // whose judgements the grid shows and edits
    Method,        // the exact or the approximate method
    Debug          // the criterion report's working tables
};
