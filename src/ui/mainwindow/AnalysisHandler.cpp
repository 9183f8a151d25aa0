#include "ui/mainwindow/AnalysisHandler.h"

#include "analysis/ConsistencyAdvice.h"
#include "analysis/ModelResults.h"
#include "matrix/KalvoError.h"
#include "model/Group.h"
#include "model/ModelDocument.h"
#include "storage/Language.h"
#include "storage/SurveyImport.h"
#include "storage/TextFiles.h"
#include "ui/analysis/AdviceDialog.h"
#include "ui/analysis/SensitivityWindow.h"
#include "ui/analysis/UncertaintyWindow.h"
#include "ui/common/KalvoApplication.h"
#include "ui/common/ModalHost.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/ParticipantsDialog.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/mainwindow/StringGrid.h"
#include "ui/report/FormIzpis.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

void TAnalysisHandler::ExactMethod()
{
    Document.SetMethod(true);
}

void TAnalysisHandler::ApproximateMethod()
{
    Document.SetMethod(false);
}

void TAnalysisHandler::SetMode(bool ideal)
{
    if (!Document.SetIdealMode(ideal))
        (ideal ? Window.IdealModeAction : Window.DistributiveModeAction)->setChecked(true);
}

void TAnalysisHandler::ToggleDebug()
{
    Document.SetDebugMode(!Model.DebugMode);
}

// The report commands: the file in the current directory, built, then shown.
void TAnalysisHandler::ShowReport(void (TFormIzpis::*builder)(const QString &), const QString &fileName)
{
    const QString path = QDir::current().filePath(fileName);
    (Window.frmIzpis()->*builder)(path);
    Window.frmIzpis()->ShowReport(path);
}

void TAnalysisHandler::ModelReport()
{
    ShowReport(&TFormIzpis::WriteModelReport, QStringLiteral("Model.htm"));
}

void TAnalysisHandler::CriterionReport()
{
    ShowReport(&TFormIzpis::WriteCriterionReport, QStringLiteral("Kriteriji.htm"));
}

void TAnalysisHandler::SolutionsReport()
{
    ShowReport(&TFormIzpis::WriteSolutionsReport, QStringLiteral("Resitve.htm"));
}

void TAnalysisHandler::Sensitivity()
{
    if (!FSensitivity) {
        FSensitivity = new TSensitivityWindow(Model, &Window);
        connect(&Window.Results(), &TModelResults::Updated, FSensitivity, [this] {
            if (FSensitivity->isVisible())
                FSensitivity->Refresh();
        });
    }
    FSensitivity->ShowFront();
}

void TAnalysisHandler::Uncertainty()
{
    if (!FUncertainty) {
        FUncertainty = new TUncertaintyWindow(Model, &Window);
        // It follows the model: a new result of the window, a new simulation.
        connect(&Window.Results(), &TModelResults::Updated, FUncertainty, [this] {
            if (FUncertainty->isVisible())
                FUncertainty->Start();
        });
    }
    FUncertainty->ShowFront();
}

void TAnalysisHandler::Advice()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    std::unique_ptr<TMatrix> scratch;
    const TConsistencyAdvice advice = AdviseConsistency(Model.FittedMatrix(node, scratch), Model.ExactMethod);
    // The take-back button is a shortcut to the undo of advice just applied here.
    TAdviceDialog *dialog = Window.AdviceDialog();
    dialog->Show(advice, Model.ItemNames(node), Document.CanUndoAdvice(node));
    Window.sg_matrika->MarkCells(AdviceCells(advice));   // while the dialog is open
    const int answer = TModalHost::Exec(*dialog);
    Window.sg_matrika->MarkCells({});
    if (answer == TAdviceDialog::UndoResult)
        Document.Undo();
    else if (answer == QDialog::Accepted)
        Document.ApplyAdvice(node, advice.Changes);
}

void TAnalysisHandler::Participants()
{
    if (!FParticipants)
        FParticipants = new TParticipantsDialog(Document, &Window);
    FParticipants->Refresh();
    TModalHost::Exec(*FParticipants);
}

void TAnalysisHandler::ImportSurvey()
{
    if (!FSurveyDialog) {
        FSurveyDialog = new QFileDialog(&Window, tr("Uvozi anketo"));
        FSurveyDialog->setObjectName(QStringLiteral("SurveyDialog"));
        FSurveyDialog->setOption(QFileDialog::DontUseNativeDialog);
        FSurveyDialog->setFileMode(QFileDialog::ExistingFile);
        FSurveyDialog->setNameFilters({tr("Anketa (*.csv *.CSV)"), tr("All files (*)")});
    }
    if (TModalHost::Exec(*FSurveyDialog) != QDialog::Accepted || FSurveyDialog->selectedFiles().isEmpty())
        return;
    const QString file = FSurveyDialog->selectedFiles().constFirst();
    // Read whole first: a faulty survey is told and changes nothing.
    const TGroup group = ReadSurvey(Model, ReadFileBytes(file), file);
    WithContext([&] { return SurveyPlace(file); }, [&] {
        Document.ReplaceGroup(group, tr("uvozi anketo %1 (%2)")
                                         .arg(QFileInfo(file).fileName(), ParticipantCount(int(group.Participants.size()))));
    });
}

void TAnalysisHandler::ImportAnswers()
{
    if (!FAnswersDialog) {
        FAnswersDialog = new QFileDialog(&Window, tr("Uvozi odgovore"));
        FAnswersDialog->setObjectName(QStringLiteral("AnswersDialog"));
        FAnswersDialog->setOption(QFileDialog::DontUseNativeDialog);
        FAnswersDialog->setFileMode(QFileDialog::ExistingFiles);
        FAnswersDialog->setNameFilters({tr("Odgovori (*.csv *.CSV)"), tr("All files (*)")});
    }
    if (TModalHost::Exec(*FAnswersDialog) != QDialog::Accepted || FAnswersDialog->selectedFiles().isEmpty())
        return;
    // Every file read whole first: a fault in any is told and changes nothing.
    std::vector<std::pair<QString, QByteArray>> answers;
    for (const QString &file : FAnswersDialog->selectedFiles())
        answers.emplace_back(file, ReadFileBytes(file));
    const TGroup group = MergeAnswers(Model, answers);
    Document.ReplaceGroup(group, tr("uvozi odgovore (%1)").arg(answers.size()));
}

void TAnalysisHandler::Help()
{
    if (!FHelp)
        FHelp = new THelpViewer(&Window);
    FHelp->ShowContents(TKalvoApplication::Language() == QLatin1String("en") ? QStringLiteral("Kalvo_en.hlp")
                                                                             : QStringLiteral("Kalvo.hlp"));
}

void TAnalysisHandler::About()
{
    TModalHost::Exec(*Window.AboutBox());
}

void TAnalysisHandler::ChooseLanguage(const QString &language)
{
    RememberLanguage(language);
    if (language != TKalvoApplication::Language())
        TModalHost::Message(&Window, QStringLiteral("Kalvo"), tr("Jezik se spremeni ob naslednjem zagonu programa."));
}
