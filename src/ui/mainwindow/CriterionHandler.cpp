#include "ui/mainwindow/CriterionHandler.h"

#include "analysis/ModelResults.h"
#include "model/ModelDocument.h"
#include "ui/common/ModalHost.h"
#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/mainwindow/FormKalvo.h"

#include <QLineEdit>

void TCriterionHandler::Add()
{
    TFormPopup_kriterij *dialog = Window.FormPopup_kriterij();
    dialog->setWindowTitle(tr("Dodaj kriterij"));
    dialog->Edit1->clear();
    const bool accepted = TModalHost::Exec(*dialog) == QDialog::Accepted;
    TCriterionNode *parent = Model.Tree.Selected();
    // The tree shows the first criterion selected after the command, added or not.
    Document.Select(Model.Tree.FirstNode());
    if (accepted) {
        const bool ratings = dialog->ItemIndex() == TFormPopup_kriterij::RatingsItem;
        Document.AddCriterion(Model.Tree.IsEmpty() ? nullptr : parent, dialog->Edit1->text(),
                              ratings ? ckRelative : TCriterionKind(dialog->ItemIndex()), ratings);
        return;
    }
    Window.RebuildTree();
    Window.RefillGrid();
}

void TCriterionHandler::Remove()
{
    Document.RemoveCriterion(Model.Tree.Selected());
}

void TCriterionHandler::Edit()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    TFormPopup_kriterij *dialog = Window.FormPopup_kriterij();
    dialog->Edit1->setText(node->Name);
    const bool wasRatings = node->Matrix && node->Matrix->IsRatings();
    dialog->SetItemIndex(wasRatings ? TFormPopup_kriterij::RatingsItem : node->Matrix ? int(node->Matrix->Kind) : int(ckRelative));
    dialog->setWindowTitle(tr("Popravi kriterij"));
    const bool accepted = TModalHost::Exec(*dialog) == QDialog::Accepted;
    const bool ratings = dialog->ItemIndex() == TFormPopup_kriterij::RatingsItem;
    // A ratings leaf kept as one keeps how its intensities are valued.
    const TCriterionKind kind = !ratings ? TCriterionKind(dialog->ItemIndex())
                                : wasRatings ? node->Matrix->Kind : ckRelative;
    if (!accepted || !Document.EditCriterion(node, dialog->Edit1->text(), kind, ratings)) {
        Window.RefillGrid();   // no edit: shown afresh all the same
        Window.Results().Recompute();
    }
}

void TCriterionHandler::Rename(TCriterionNode *node, const QString &name)
{
    Document.RenameCriterion(node, name);
}
