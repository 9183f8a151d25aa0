// report, import-survey, export and import: a model's files in and out.
#include "cli/Commands.h"

#include <QCoreApplication>
#include "cli/CliSupport.h"

#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "report/Questionnaire.h"
#include "report/Reports.h"
#include "report/ResultsTables.h"
#include "report/ResultsWorkbook.h"
#include "storage/ModelJson.h"
#include "storage/ModelFiles.h"
#include "storage/SurveyImport.h"
#include "storage/TextFiles.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

namespace {

const QCommandLineOption OutputOption(QStringLiteral("o"), QString(), QStringLiteral("FILE"));

// FILE, or standard output for "-".
void WriteTo(const QString &name, const QByteArray &bytes)
{
    if (name == QLatin1String("-"))
        WriteOut(bytes);
    else
        WriteFiles({{name, bytes}});
}

} // namespace

int ReportCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption node(QStringLiteral("node"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption debug(QStringLiteral("debug"));
    const QCommandLineOption approximate(QStringLiteral("approximate"));
    parser.addOptions({node, debug, approximate, OutputOption, ModeOption});
    const QString kind = arguments.value(0);
    if (kind != QLatin1String("model") && kind != QLatin1String("criterion") && kind != QLatin1String("solutions"))
        return UsageError(QStringLiteral("the report must be model, criterion or solutions"));
    if (!ParseCommand(parser, arguments.mid(1), 1, QStringLiteral("one MODEL")))
        return 2;
    if (!parser.isSet(OutputOption))
        return UsageError(QStringLiteral("-o FILE is missing"));
    TLoadOptions mode;
    if (!ReadMode(parser, mode))
        return 2;
    return Guarded([&] {
        TModel model;
        TLoadOptions load{parser.positionalArguments().constFirst(), parser.value(node), parser.isSet(node),
                          parser.isSet(approximate), parser.isSet(debug), true, nullptr, mode.Mode, QString()};
        LoadModel(model, load);
        const QByteArray bytes = kind == QLatin1String("model") ? ModelReport(model)
            : kind == QLatin1String("criterion")                ? CriterionReport(model)
                                                                : SolutionsReport(model);
        WriteTo(parser.value(OutputOption), bytes);
    });
}

int ImportSurveyCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption merge(QStringLiteral("merge"));
    parser.addOption(merge);
    if (arguments.contains(QStringLiteral("--merge"))) {
        // The answers of several participants merged into the group: all or nothing.
        if (!ParseCommand(parser, arguments, -1, QString()))
            return 2;
        const QStringList files = parser.positionalArguments();
        if (files.size() < 2)
            return UsageError(QStringLiteral("MODEL and at least one ANSWERS.csv"));
        return Guarded([&] {
            TModel model;
            LoadModel(model, {files.first(), QString(), false, false, false, true, nullptr, QString(), QString()});
            std::vector<std::pair<QString, QByteArray>> answers;
            for (const QString &file : files.mid(1))
                answers.emplace_back(file, ReadFileBytes(file));
            const TGroup group = MergeAnswers(model, answers);
            CheckGroupDetermines(model, group);
            SetGroup(model, group);
            SaveProject(model, files.first());
            WriteOut(ParticipantCount(int(model.Participants.size())) + QLatin1Char('\n'));
        });
    }
    if (!ParseCommand(parser, arguments, 2, QStringLiteral("MODEL and SURVEY.csv")))
        return 2;
    const QString modelName = parser.positionalArguments().at(0), surveyName = parser.positionalArguments().at(1);
    return Guarded([&] {
        TModel model;
        LoadModel(model, {modelName, QString(), false, false, false, true, nullptr, QString(), QString()});
        ImportSurvey(model, ReadFileBytes(surveyName), surveyName);
        SaveProject(model, modelName);
        WriteOut(ParticipantCount(int(model.Participants.size())) + QLatin1Char('\n'));
    });
}

int QuestionnaireCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption participant(QStringLiteral("participant"), QString(), QStringLiteral("NAME"));
    parser.addOptions({participant, OutputOption});
    if (!ParseCommand(parser, arguments, 1, QStringLiteral("one MODEL")))
        return 2;
    if (!parser.isSet(OutputOption))
        return UsageError(QStringLiteral("-o FILE is missing"));
    return Guarded([&] {
        TModel model;
        LoadModel(model, {parser.positionalArguments().constFirst(), QString(), false, false, false, true, nullptr,
                          QString(), QString()});
        WriteTo(parser.value(OutputOption),
                QuestionnaireHtml(model, parser.value(participant), CliLanguage() == QLatin1String("en")));
    });
}

int ExportCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption node(QStringLiteral("node"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption approximate(QStringLiteral("approximate"));
    const QCommandLineOption matrices(QStringLiteral("matrices"));
    parser.addOptions({format, node, approximate, matrices, OutputOption, ModeOption, GroupMethodOption});
    if (!ParseCommand(parser, arguments, 1, QStringLiteral("one MODEL")))
        return 2;
    const QString kind = parser.value(format);
    if (kind != QLatin1String("xlsx") && kind != QLatin1String("csv") && kind != QLatin1String("json"))
        return UsageError(QStringLiteral("--format must be xlsx, csv or json"));
    if (!parser.isSet(OutputOption))
        return UsageError(QStringLiteral("-o FILE is missing"));
    const QString output = parser.value(OutputOption);
    if (kind == QLatin1String("xlsx") && output == QLatin1String("-"))
        return UsageError(QStringLiteral("a workbook is written to a file, not to standard output"));
    TLoadOptions mode;
    if (!ReadMode(parser, mode))
        return 2;
    return Guarded([&] {
        TModel model;
        TLoadOptions load{parser.positionalArguments().constFirst(), parser.value(node), parser.isSet(node),
                          parser.isSet(approximate), false, kind == QLatin1String("json"), nullptr, mode.Mode,
                          mode.GroupMethod};
        LoadModel(model, load);
        if (kind == QLatin1String("json"))
            WriteTo(output, ModelToJson(model));
        else if (kind == QLatin1String("csv"))
            WriteTo(output, ResultsCsv(ResultsTables(model, parser.isSet(matrices))));
        else
            WriteResultsWorkbook(ResultsTables(model, parser.isSet(matrices)), output);
    });
}

int ImportCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOptions({OutputOption, force});
    if (!ParseCommand(parser, arguments, 1, QStringLiteral("one MODEL.json")))
        return 2;
    if (!parser.isSet(OutputOption))
        return UsageError(QStringLiteral("-o BASENAME is missing"));
    return Guarded([&] {
        const QString source = parser.positionalArguments().constFirst();
        const QString target = parser.value(OutputOption);
        // The document read is never written over, and another model's set is
        // replaced only when asked (as the window asks before it does).
        const QString input = QFileInfo(source).canonicalFilePath();
        for (const QString &file : ModelSetFiles(target))
            if (!input.isEmpty() && QFileInfo(file).canonicalFilePath() == input)
                throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("Kalvo", "Uvoz ne piše čez dokument, ki ga bere (»%1«): "
                                                                                   "izberite drugo ime modela.").arg(input));
        if (!parser.isSet(force) && SavingReplacesOtherSet(TModel(), target))
            throw EKalvoError(EKalvoError::ekFile, QCoreApplication::translate("Kalvo", "Model »%1« že obstaja; --force ga nadomesti.")
                                                       .arg(AbsoluteBaseName(target)));
        TModel model;
        WithContext([&] { return QCoreApplication::translate("Kalvo", "Dokument »%1«").arg(source); },
                    [&] { ModelFromJson(model, ReadFileBytes(source)); });
        SaveProject(model, target);
    });
}
