#include "cli/CliSupport.h"
#include "model/Group.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "model/Model.h"
#include "model/NodePath.h"
#include "analysis/Synthesis.h"
#include "storage/ModelFiles.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QStringList>

#include <cstdio>

extern const char *const KalvoCliUsage;

void WriteOut(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("Kalvo", "Izpisa ni mogoče zapisati na standardni izhod."));
}

void WriteOut(const QString &text)
{
    WriteOut(text.toUtf8());
}

void WriteOut(const QJsonObject &object)
{
    WriteOut(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void PrintError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int UsageError(const QString &why)
{
    PrintError(QStringLiteral("kalvo-cli: %1\n").arg(why));
    std::fputs(KalvoCliUsage, stderr);
    return 2;
}

bool ParseCommand(QCommandLineParser &parser, const QStringList &arguments, int positionals, const QString &what)
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    if (!parser.parse(QStringList{QStringLiteral("kalvo-cli")} + arguments)) {
        UsageError(parser.errorText());
        return false;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (positionals >= 0 && given < positionals) {
        UsageError(QStringLiteral("%1 is missing").arg(what));
        return false;
    }
    if (positionals >= 0 && given > positionals) {
        UsageError(QStringLiteral("only %1 may be given").arg(what));
        return false;
    }
    for (const QString &argument : parser.positionalArguments())
        if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            UsageError(QStringLiteral("unknown option %1").arg(argument));
            return false;
        }
    return true;
}

int Guarded(const std::function<void()> &work)
{
    try {
        work();
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("Kalvo", "Izpisa ni mogoče zapisati na standardni izhod."));
        return 0;
    } catch (const EKalvoError &e) {
        PrintError(e.message() + QLatin1Char('\n'));
    } catch (const std::bad_alloc &) {
        PrintError(OutOfMemoryMessage() + QLatin1Char('\n'));
    }
    return 1;
}

const QCommandLineOption ModeOption(QStringLiteral("mode"), QString(), QStringLiteral("MODE"));

const QCommandLineOption GroupMethodOption(QStringLiteral("group-method"), QString(), QStringLiteral("METHOD"));

bool ReadMode(const QCommandLineParser &parser, TLoadOptions &options)
{
    if (parser.optionNames().contains(QStringLiteral("group-method")) && parser.isSet(GroupMethodOption)) {
        options.GroupMethod = parser.value(GroupMethodOption);
        if (!GroupMethodNamed(options.GroupMethod)) {
            UsageError(QStringLiteral("--group-method must be aij, aip or aip-arithmetic"));
            return false;
        }
    }
    if (!parser.isSet(ModeOption))
        return true;
    options.Mode = parser.value(ModeOption);
    if (options.Mode == QLatin1String("distributive") || options.Mode == QLatin1String("ideal"))
        return true;
    UsageError(QStringLiteral("--mode must be distributive or ideal"));
    return false;
}

namespace {
QString &Language()
{
    static QString language = QStringLiteral("sl");
    return language;
}
} // namespace

void SetCliLanguage(const QString &language)
{
    Language() = language;
}

QString CliLanguage()
{
    return Language();
}

QString ModeName(const TModel &model)
{
    return model.IdealMode ? QStringLiteral("ideal") : QStringLiteral("distributive");
}

void LoadModel(TModel &model, const TLoadOptions &options)
{
    SetMessageHandler([](const QString &text) { PrintError(text + QLatin1Char('\n')); });
    model.SetMethod(!options.Approximate);
    model.SetDebugMode(options.Debug);
    // Opening in the program picks an existing file; a mistyped name here must
    // not create an empty model set on disk.
    if (!ModelExists(options.Model))
        throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("Kalvo", "Modela »%1« ni.").arg(options.Model));
    for (const QString &note : LoadProject(model, options.Model))
        PrintError(note + QLatin1Char('\n'));
    if (!options.Mode.isEmpty())
        model.IdealMode = options.Mode == QLatin1String("ideal");
    if (!options.GroupMethod.isEmpty())
        model.GroupMethod = GroupMethodNamed(options.GroupMethod).value_or(model.GroupMethod);
    // The synthesis opening runs at the root. When only it fails, the user still
    // works on the rest of the model, as in the program.
    std::optional<EKalvoError> failure;
    try {
        AnalyzeAll(model);
    } catch (const EKalvoError &e) {
        failure = e;
    }
    if (!options.HasNode) {
        if (failure && options.Failure)
            *options.Failure = RefreshResults(model);
        else if (failure && !options.KeepGoing)
            throw *failure;
        else if (failure)
            PrintError(failure->message() + QLatin1Char('\n'));
        return;
    }
    if (failure)
        PrintError(failure->message() + QLatin1Char('\n'));
    TCriterionNode *node = FindNode(model.Tree, options.Node);
    if (!node)
        throw EKalvoError(EKalvoError::ekFormat, QCoreApplication::translate("Kalvo", "Kriterija »%1« ni v modelu.").arg(options.Node));
    model.Tree.Select(node);
    model.FitNodeMatrix(node);
    if (options.Failure)
        *options.Failure = RefreshResults(model);
    else
        AnalyzeAll(model);
}

TCriterionNode *StartNode(const TModel &model)
{
    return model.Tree.Selected() ? model.Tree.Selected() : model.Tree.FirstNode();
}

QString MethodName(const TModel &model)
{
    return model.ExactMethod ? QStringLiteral("exact") : QStringLiteral("approximate");
}

QJsonArray JsonNumbers(const std::vector<double> &values)
{
    QJsonArray array;
    for (double value : values)
        array.append(value);
    return array;
}

QString TerminalSafe(const QString &text)
{
    QString out;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out;
}
