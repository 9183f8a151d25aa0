#pragma once

#include <QStringList>

// The commands of kalvo-cli, each given the arguments after its name; each
// returns the exit code (0 done, 1 an error, 2 wrong usage).
int AnalyzeCommand(const QStringList &arguments);
int SensitivityCommand(const QStringList &arguments);
int AdviseCommand(const QStringList &arguments);
int UncertaintyCommand(const QStringList &arguments);
int GroupCommand(const QStringList &arguments);
int ReportCommand(const QStringList &arguments);
int ImportSurveyCommand(const QStringList &arguments);
int QuestionnaireCommand(const QStringList &arguments);
int ExportCommand(const QStringList &arguments);
int ImportCommand(const QStringList &arguments);
