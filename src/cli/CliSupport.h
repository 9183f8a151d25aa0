#pragma once

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include "matrix/KalvoError.h"

#include <functional>
#include <optional>
#include <vector>

class QCommandLineParser;
#include <QStringList>
class TModel;
class TCriterionNode;

// What every command of kalvo-cli shares: output that must arrive, usage errors,
// loading a model as the program opens it, and JSON pieces.

// Standard output; a failed write (a full disk, a closed pipe) throws a file error.
void WriteOut(const QByteArray &bytes);
void WriteOut(const QString &text);
// A JSON document, indented, ending with a new line.
void WriteOut(const QJsonObject &object);
void PrintError(const QString &text);

// The reason and the usage on standard error; returns exit code 2.
int UsageError(const QString &why);
// Parses a command's arguments (those after its name); positionals is how many
// it takes. False after telling the user what is wrong.
bool ParseCommand(QCommandLineParser &parser, const QStringList &arguments, int positionals, const QString &what);

// Runs a command's work: a conversion, arithmetic or file error and a failed
// allocation become a message on standard error and exit code 1; standard output
// is flushed and checked before 0 is returned.
int Guarded(const std::function<void()> &work);

struct TLoadOptions
{
    QString Model;
    QString Node;           // "Stanovanje/Lega"
    bool HasNode = false;   // else the root
    bool Approximate = false;
    bool Debug = false;
    bool KeepGoing = false; // a failed closing synthesis is told and the command goes on
    // Where a failed synthesis goes instead of being thrown (the model then shows
    // that its weights are not determined); none: it is thrown.
    std::optional<EKalvoError> *Failure = nullptr;
    QString Mode;           // "distributive" or "ideal" over the stored mode; empty: the stored one
    QString GroupMethod;    // "aij", "aip" or "aip-arithmetic" over the stored one; empty: the stored one
};
// --mode distributive|ideal: the option, and its value read into options (false
// after a usage error for any other value).
extern const QCommandLineOption ModeOption;
// --group-method aij|aip|aip-arithmetic, read by ReadMode as well when the parser has it.
extern const QCommandLineOption GroupMethodOption;
bool ReadMode(const QCommandLineParser &parser, TLoadOptions &options);
// Loads the model set as opening it in the program does and selects the start
// criterion (--node), computing it. A name that is not there is an error: nothing
// is created on disk.
void LoadModel(TModel &model, const TLoadOptions &options);
TCriterionNode *StartNode(const TModel &model);

// The language of the messages (and of a questionnaire): "sl" or "en", as main chose it.
void SetCliLanguage(const QString &language);
QString CliLanguage();

QString MethodName(const TModel &model);
QString ModeName(const TModel &model);
QJsonArray JsonNumbers(const std::vector<double> &values);
// A name as a terminal may show it: control characters (escape sequences among
// them) are written as \xNN instead of being obeyed.
QString TerminalSafe(const QString &text);
