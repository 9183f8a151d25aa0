#include "ui/mainwindow/JudgementHandler.h"

#include "analysis/ModelResults.h"
#include "model/GridEdits.h"
#include "model/ModelDocument.h"
#include "ui/common/ModalHost.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/dialogs/FormRazmerje.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/mainwindow/RatingsPanel.h"
#include "ui/mainwindow/StringGrid.h"

#include <QLineEdit>

void TJudgementHandler::AskRatio()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    const int c = Window.sg_matrika->Col();
    const int r = Window.sg_matrika->Row();
    bool changed = false;
    if ((!node->Matrix || node->Matrix->Kind == ckRelative) && c != r) {
        Document.CheckRatiosEditable(node);   // before the dialog, not after the answer
        // From the model's texts (the shown participant's): a blank pair from equal importance.
        const QStringList items = Model.ItemNames(node);
        Window.FormRazmerje()->Prepare(node->Name, items.value(r - 1), items.value(c - 1),
                                PresetForPair(Model, node, c, r, Document.Participant()));
        const int result = TModalHost::Exec(*Window.FormRazmerje());
        if (result == QDialog::Accepted) {
            const TRatioAnswer answer = RatioAnswer(Window.FormRazmerje()->Position(), Window.FormRazmerje()->TrackMax());
            changed = Document.SetRatio(node, c, r, answer.Clicked, answer.Mirror);
        } else if (result == TFormRazmerje::BlankResult) {
            changed = Document.SetBlank(node, c, r);
        }
    }
    if (!changed) {   // no edit: the grid and the results shown afresh all the same
        Window.RefillGrid();
        Window.Results().Recompute();
    }
}

void TJudgementHandler::Type(int c, int r, const QString &text, bool final)
{
    TCriterionNode *node = Model.Tree.Selected();
    const TTypedEntry entry = TypeAbsoluteValue(node, r, text, final);
    // What the editor held last that was a number: an undone character goes back to it.
    if (!final && FTypedCell != QPoint(c, r)) {
        FTypedCell = QPoint(c, r);
        FTypedSoFar = entry.Stored;
    }
    if (final)
        FTypedCell = QPoint();
    switch (entry.Kind) {
    case TTypedValue::Ignored:
    case TTypedValue::Incomplete:
    case TTypedValue::Relative:
        return;
    case TTypedValue::Typing:
        FTypedSoFar = entry.Text;
        if (entry.Text != text)
            Window.sg_matrika->SetCellAndEditor(c, r, entry.Text);
        return;
    case TTypedValue::Zero:
    case TTypedValue::Negative:
        Window.sg_matrika->SetCellAndEditor(c, r, entry.Text);
        TModalHost::MessageLater(&Window, ZeroValueCaption(), entry.Message);
        return;
    case TTypedValue::Restored:
        Window.sg_matrika->SetCellAndEditor(c, r, final ? entry.Text : FTypedSoFar);
        if (!final)
            Window.sg_matrika->ShowHint(c, r, entry.Message);
        return;
    case TTypedValue::Stored:
        if (entry.Text != text)
            Window.sg_matrika->SetCellAndEditor(c, r, entry.Text);
        Document.SetValue(node, r, entry.Text);   // one finished cell, one edit
        return;
    }
}

// Delete on a ratio cell leaves its pair not compared.
void TJudgementHandler::LeaveBlank()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (node && (!node->Matrix || node->Matrix->Kind == ckRelative))
        Document.SetBlank(node, Window.sg_matrika->Col(), Window.sg_matrika->Row());
}

// The pair the blank pairs' line names, in the ratio dialog.
void TJudgementHandler::AskNextPair()
{
    if (Model.Status.NextRow <= 0)
        return;
    Window.sg_matrika->setCurrentCell(Model.Status.NextRow - 1, Model.Status.NextCol - 1);
    AskRatio();
}

// The first measured value not typed yet: its criterion selected, its cell current.
void TJudgementHandler::GoToAwaitingValue()
{
    for (int k = Model.SolutionCount() - 1; k >= 0; --k) {
        const std::vector<TCriterionNode *> leaves = Model.AwaitingValues(k);
        if (leaves.empty())
            continue;
        Document.Select(leaves.front());
        Window.sg_matrika->setCurrentCell(k, 0);
        Window.sg_matrika->setFocus();
        Window.sg_matrikaClick();
        return;
    }
}

void TJudgementHandler::Rate(int solution, int intensity)
{
    if (!Document.RateSolution(Model.Tree.Selected(), solution, intensity))
        Window.RefillGrid();   // the drop-down shows the model again
}

namespace {

// The intensity in the grid's current row of a ratings leaf, or -1.
int CurrentIntensity(const TFormKalvo &window, const TCriterionNode *node)
{
    if (!node || !node->Matrix || !node->Matrix->IsRatings())
        return -1;
    const int row = window.sg_matrika->Row() - 1;
    return row >= 0 && row < node->Matrix->Order ? row : -1;
}

} // namespace

void TJudgementHandler::AddIntensity()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node || !node->Matrix || !node->Matrix->IsRatings())
        return;
    TFormPopup *dialog = Window.FormPopup();
    dialog->setWindowTitle(tr("Dodaj oceno"));
    dialog->Edit1->clear();
    if (TModalHost::Exec(*dialog) == QDialog::Accepted && !dialog->Edit1->text().trimmed().isEmpty())
        Document.AddIntensity(node, dialog->Edit1->text());
    dialog->Edit1->clear();
}

void TJudgementHandler::RenameIntensity()
{
    TCriterionNode *node = Model.Tree.Selected();
    const int intensity = CurrentIntensity(Window, node);
    if (intensity < 0)
        return;
    TFormPopup *dialog = Window.FormPopup();
    dialog->setWindowTitle(tr("Preimenuj oceno"));
    dialog->Edit1->setText(node->Matrix->Scale->Intensities[size_t(intensity)]);
    if (TModalHost::Exec(*dialog) == QDialog::Accepted && !dialog->Edit1->text().trimmed().isEmpty())
        Document.RenameIntensity(node, intensity, dialog->Edit1->text());
    dialog->Edit1->clear();
}

void TJudgementHandler::RemoveIntensity()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (const int intensity = CurrentIntensity(Window, node); intensity >= 0)
        Document.RemoveIntensity(node, intensity);
}

void TJudgementHandler::MoveIntensity(int step)
{
    TCriterionNode *node = Model.Tree.Selected();
    const int intensity = CurrentIntensity(Window, node);
    if (intensity < 0 || !Document.MoveIntensity(node, intensity, intensity + step))
        return;
    // The moved intensity stays the current one.
    Window.sg_matrika->setCurrentCell(intensity + step, std::max(0, Window.sg_matrika->Col() - 1));
}

void TJudgementHandler::SetDirectValues(bool direct)
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node || !node->Matrix || !node->Matrix->IsRatings()
        || !Document.EditCriterion(node, node->Name, direct ? ckMoreIsBetter : ckRelative, true))
        Window.RefillGrid();
}
