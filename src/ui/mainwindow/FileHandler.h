#pragma once

#include "ui/mainwindow/CommandHandler.h"

class QFileDialog;

// The file commands: a new model, open, save, save as, the results exported as a
// spreadsheet or a picture, and the end of the program.
class TFileHandler : public TCommandHandler
{
    Q_OBJECT

public:
    using TCommandHandler::TCommandHandler;

    void NewModel();
    void Open();
    void Save();
    void SaveAs();
    // The results under the selected criterion as a spreadsheet: .xlsx (with a
    // sheet per ratio matrix when that filter is chosen) or .csv.
    void ExportResults();
    void ExportPicture();
    // A questionnaire for the participant chosen in the tool bar (or one who names
    // themselves), as one HTML page in the interface's language.
    void ExportQuestionnaire();
    void Exit();

private:
    QFileDialog *FExportDialog = nullptr;
    QFileDialog *FPictureDialog = nullptr;
    QFileDialog *FQuestionnaireDialog = nullptr;
};
