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
        Document.AddCriterion(Model.Tree.IsEmpty() ? nullptr : parent, dialog->Edit1->text(),
                              TCriterionKind(dialog->ItemIndex()));
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
    dialog->SetItemIndex(node->Matrix ? int(node->Matrix->Kind) : int(ckRelative));
    dialog->setWindowTitle(tr("Popravi kriterij"));
    if (TModalHost::Exec(*dialog) != QDialog::Accepted
        || !Document.EditCriterion(node, dialog->Edit1->text(), TCriterionKind(dialog->ItemIndex()))) {
        Window.RefillGrid();   // no edit: shown afresh all the same
        Window.Results().Recompute();
    }
}

void TCriterionHandler::Rename(TCriterionNode *node, const QString &name)
{
    Document.RenameCriterion(node, name);
}
