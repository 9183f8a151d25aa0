#pragma once

#include "ui/mainwindow/CommandHandler.h"

class QFileDialog;
class TFormIzpis;
class THelpViewer;
class TParticipantsDialog;
class TSensitivityWindow;

// The analysis commands: the method, the reports, sensitivity, consistency
// advice, the group's participants and survey; and help: contents, about box,
// the interface language and the Debug switch.
class TAnalysisHandler : public TCommandHandler
{
    Q_OBJECT

public:
    using TCommandHandler::TCommandHandler;

    void ExactMethod();
    void ApproximateMethod();
    void ToggleDebug();
    // The distributive or the ideal mode: one edit of the model.
    void SetMode(bool ideal);
    void ModelReport();
    void CriterionReport();
    void SolutionsReport();
    void Sensitivity();
    // How sure the ranking is: the uncertainty window, which runs at once.
    void Uncertainty();
    void Advice();
    void Participants();
    // A survey's answers as the group.
    void ImportSurvey();
    // Participants' answers (several files) merged into the group: one edit.
    void ImportAnswers();
    void Help();
    void About();
    // The interface language, from the next start.
    void ChooseLanguage(const QString &language);

    TSensitivityWindow *SensitivityWindow() const { return FSensitivity; }
    class TUncertaintyWindow *UncertaintyWindow() const { return FUncertainty; }
    THelpViewer *HelpViewer() const { return FHelp; }

private:
    void ShowReport(void (TFormIzpis::*builder)(const QString &), const QString &fileName);

    TSensitivityWindow *FSensitivity = nullptr;
    class TUncertaintyWindow *FUncertainty = nullptr;
    TParticipantsDialog *FParticipants = nullptr;
    THelpViewer *FHelp = nullptr;
    QFileDialog *FSurveyDialog = nullptr;
    QFileDialog *FAnswersDialog = nullptr;
};
