#pragma once

#include "ui/mainwindow/CommandHandler.h"

#include <QPoint>
#include <QString>

// The judgements in the grid: a ratio asked in the ratio dialog, a pair left not
// compared, a measured value typed, the next blank pair, the next value not typed.
class TJudgementHandler : public TCommandHandler
{
    Q_OBJECT

public:
    using TCommandHandler::TCommandHandler;

    // The current cell's pair in the ratio dialog (a double-click, Enter, F2).
    void AskRatio();
    // Delete on a ratio cell leaves its pair not compared.
    void LeaveBlank();
    // Each keystroke in a measured value's editor, and its close (final).
    void Type(int c, int r, const QString &text, bool final);
    void EditorClosed() { FTypedCell = QPoint(); }
    void AskNextPair();
    // A ratings leaf: a solution's rating (-1: not rated); the scale's intensity in
    // the grid's current row renamed, removed or moved a step (-1 up, 1 down); a new
    // one named in the name dialog; the intensities given direct values or compared.
    void Rate(int solution, int intensity);
    void AddIntensity();
    void RenameIntensity();
    void RemoveIntensity();
    void MoveIntensity(int step);
    void SetDirectValues(bool direct);
    void GoToAwaitingValue();

private:
    QPoint FTypedCell;     // the cell whose editor is open, (0, 0) when none
    QString FTypedSoFar;   // the number its editor held last
};
