#include "ui/mainwindow/SolutionHandler.h"

#include "model/ModelDocument.h"
#include "ui/common/ModalHost.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/mainwindow/FormKalvo.h"

#include <QLineEdit>

void TSolutionHandler::Add()
{
    TFormPopup *dialog = Window.FormPopup();
    dialog->setWindowTitle(tr("Dodaj rešitev"));
    if (TModalHost::Exec(*dialog) == QDialog::Accepted)
        Document.AddSolution(dialog->Edit1->text());
}

void TSolutionHandler::Rename()
{
    const int index = Model.MarkedSolution;
    if (index < 0 || index >= Model.SolutionCount())
        return;
    TFormPopup *dialog = Window.FormPopup();
    dialog->setWindowTitle(tr("Preimenuj rešitev"));
    dialog->Edit1->setText(Model.Solutions[size_t(index)].Name);
    if (TModalHost::Exec(*dialog) == QDialog::Accepted)
        Document.RenameSolution(index, dialog->Edit1->text());
    dialog->Edit1->clear();
}

void TSolutionHandler::Remove()
{
    Document.RemoveSolution(Model.MarkedSolution);
}

void TSolutionHandler::RemoveAll()
{
    Document.RemoveAllSolutions();
}

void TSolutionHandler::Mark(int row)
{
    Document.MarkSolution(row);
}
