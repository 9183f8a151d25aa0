#include "ui/mainwindow/FileHandler.h"

#include "model/ModelDocument.h"
#include "report/Questionnaire.h"
#include "report/ResultsTables.h"
#include "ui/common/KalvoApplication.h"
#include "report/ResultsWorkbook.h"
#include "storage/TextFiles.h"
#include "ui/common/ModalHost.h"
#include "ui/common/SaveFileChoice.h"
#include "ui/common/WidgetPicture.h"
#include "ui/dialogs/FormNewModel.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/mainwindow/ProjectCommands.h"
#include "ui/mainwindow/ResultsPanel.h"

#include <QFileDialog>
#include <QLineEdit>

void TFileHandler::NewModel()
{
    if (!Window.Project().MayDropChanges())
        return;
    if (TModalHost::Exec(*Window.FormNewModel()) == QDialog::Accepted)
        Document.NewModel(Window.FormNewModel()->Edit1->text());
    Document.Select(Model.Tree.FirstNode());
}

void TFileHandler::Open()
{
    if (!Window.Project().MayDropChanges())
        return;
    const QString file = Window.Project().ChooseFile(Window.OpenDialog());
    if (!file.isEmpty())
        Window.OpenModel(file);
}

void TFileHandler::Save()
{
    Window.Project().SaveTo(Model.ProjectFileName);
}

void TFileHandler::SaveAs()
{
    const QString file = Window.Project().ChooseFile(Window.SaveDialog());
    if (file.isEmpty() || !Window.Project().SaveTo(file))
        return;
    Window.OpenModel(file);
}

void TFileHandler::ExportResults()
{
    if (!FExportDialog) {
        FExportDialog = new QFileDialog(&Window, tr("Izvozi rezultate"));
        FExportDialog->setObjectName(QStringLiteral("ExportDialog"));
        FExportDialog->setOption(QFileDialog::DontUseNativeDialog);
        FExportDialog->setAcceptMode(QFileDialog::AcceptSave);
        FExportDialog->setNameFilters({tr("Preglednica Excel (*.xlsx)"), tr("Preglednica Excel z matrikami (*.xlsx)"),
                                       tr("Besedilo CSV (*.csv)")});
    }
    int filter = 0;
    const QString file = ChooseSaveFile(*FExportDialog, {QStringLiteral(".xlsx"), QStringLiteral(".xlsx"),
                                                         QStringLiteral(".csv")}, &filter);
    if (file.isEmpty())
        return;
    const std::vector<TResultsTable> tables = ResultsTables(Model, filter == 1);   // with matrices
    if (filter == 2)
        WriteFiles({{file, ResultsCsv(tables)}});
    else
        WriteResultsWorkbook(tables, file);
}

void TFileHandler::ExportPicture()
{
    if (!FPictureDialog)
        FPictureDialog = MakePictureDialog(&Window, QStringLiteral("PictureDialog"));
    bool svg = false;
    const QString file = ChoosePictureFile(*FPictureDialog, &svg);
    if (!file.isEmpty())
        SaveWidgetPicture(Window.Panel2, file, svg, Model.Tree.FirstNode() ? Model.Tree.FirstNode()->Name : QString());
}

void TFileHandler::ExportQuestionnaire()
{
    if (!FQuestionnaireDialog) {
        FQuestionnaireDialog = new QFileDialog(&Window, tr("Izvozi vprašalnik"));
        FQuestionnaireDialog->setObjectName(QStringLiteral("QuestionnaireDialog"));
        FQuestionnaireDialog->setOption(QFileDialog::DontUseNativeDialog);
        FQuestionnaireDialog->setAcceptMode(QFileDialog::AcceptSave);
        FQuestionnaireDialog->setNameFilters({tr("Vprašalnik (*.html)")});
    }
    const int participant = Document.Participant();
    const QString name = participant >= 0 && size_t(participant) < Model.Participants.size()
        ? Model.Participants[size_t(participant)].Name : QString();
    int filter = 0;
    const QString file = ChooseSaveFile(*FQuestionnaireDialog, {QStringLiteral(".html")}, &filter);
    if (!file.isEmpty())
        WriteFiles({{file, QuestionnaireHtml(Model, name, TKalvoApplication::Language() == QLatin1String("en"))}});
}

void TFileHandler::Exit()
{
    Window.close();   // the close question, before anything is written
}
