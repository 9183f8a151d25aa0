// analyze, sensitivity, advise and group: a model's results as a table or JSON.
#include "cli/Commands.h"

#include <QCoreApplication>
#include "cli/CliSupport.h"

#include "matrix/Completion.h"
#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/Group.h"
#include "model/Model.h"
#include "model/NodePath.h"
#include "analysis/ConsistencyAdvice.h"
#include "analysis/Sensitivity.h"
#include "analysis/Uncertainty.h"
#include "storage/ModelJson.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const QCommandLineOption ApproximateOption(QStringLiteral("approximate"));
const QCommandLineOption NodeOption(QStringLiteral("node"), QString(), QStringLiteral("PATH"));
const QCommandLineOption JsonOption(QStringLiteral("json"));

// The options every analysis takes; false after a usage error.
bool ParseAnalysis(QCommandLineParser &parser, const QStringList &arguments, TLoadOptions &load)
{
    parser.addOptions({ApproximateOption, NodeOption, JsonOption, ModeOption, GroupMethodOption});
    if (!ParseCommand(parser, arguments, 1, QStringLiteral("one MODEL")) || !ReadMode(parser, load))
        return false;
    load.Model = parser.positionalArguments().constFirst();
    load.Node = parser.value(NodeOption);
    load.HasNode = parser.isSet(NodeOption);
    load.Approximate = parser.isSet(ApproximateOption);
    return true;
}

QJsonValue Pair(int r, int c)
{
    return QJsonArray{r + 1, c + 1};
}

QJsonObject CriterionJson(const TCriterionNode *node)
{
    QJsonObject out{{QStringLiteral("path"), NodePath(node)}};
    const TMatrix *m = node->Matrix.get();
    if (!m) {
        for (const char *key : {"kind", "order", "vector", "lambda", "ci", "cr", "maxd", "maxd_row", "maxd_col"})
            out.insert(QLatin1String(key), QJsonValue::Null);
    } else {
        out.insert(QStringLiteral("kind"), KindName(m->Kind));
        out.insert(QStringLiteral("order"), m->Order);
        out.insert(QStringLiteral("vector"), JsonNumbers(m->Vector));
        out.insert(QStringLiteral("lambda"), m->Lambda);
        out.insert(QStringLiteral("ci"), m->CI);
        out.insert(QStringLiteral("cr"), m->Kind == ckRelative && m->Order > 10 ? QJsonValue() : QJsonValue(m->CR));
        out.insert(QStringLiteral("maxd"), m->MaxD);
        out.insert(QStringLiteral("maxd_row"), m->MaxDRow);
        out.insert(QStringLiteral("maxd_col"), m->MaxDCol);
        if (m->IsRatings() && !node->HasChildren()) {
            // The intensities' priorities and ideal values, and each solution's rating.
            out.insert(QStringLiteral("kind"), QStringLiteral("ratings"));
            QJsonArray intensities, ratings;
            for (qint32 i = 0; i < m->Order; ++i)
                intensities.append(QJsonObject{{QStringLiteral("name"), m->Scale->Intensities[size_t(i)]},
                                               {QStringLiteral("vector"), size_t(i) < m->Vector.size() ? m->Vector[size_t(i)] : 0.0},
                                               {QStringLiteral("ideal"), m->Vector.empty() ? 0.0 : m->IdealValue(i)}});
            for (qint32 rating : m->Scale->Ratings)
                ratings.append(rating < 0 ? QJsonValue() : QJsonValue(rating));
            out.insert(QStringLiteral("intensities"), intensities);
            out.insert(QStringLiteral("ratings"), ratings);
        }
    }
    QJsonArray blank, completed;
    QJsonValue next;
    if (const std::optional<TCompletion> completion = m ? TryBlankPairsOf(*m) : std::nullopt) {
        for (const auto &[r, c] : completion->Blank()) {
            blank.append(Pair(r, c));
            if (completion->Connected())
                completed.append(QJsonObject{{QStringLiteral("row"), r + 1}, {QStringLiteral("col"), c + 1},
                                             {QStringLiteral("value"), completion->Value(r, c)}});
        }
        if (const auto pair = completion->NextPair())
            next = Pair(pair->first, pair->second);
    }
    out.insert(QStringLiteral("blank"), blank);
    out.insert(QStringLiteral("completed"), completed);
    out.insert(QStringLiteral("next_pair"), next);
    return out;
}

QJsonObject AnalysisJson(const TModel &model, TCriterionNode *start)
{
    QJsonArray solutions, status, criteria;
    for (const TSolution &s : model.Solutions)
        solutions.append(QJsonObject{{QStringLiteral("name"), s.Name}, {QStringLiteral("score"), s.Score},
                                     {QStringLiteral("total"), s.Total}});
    for (const QString &panel : model.Status.Panels)
        status.append(panel);
    for (const TCriterionNode *node : TCriteriaTree::Subtree(start))
        criteria.append(CriterionJson(node));
    const TCriterionNode *root = model.Tree.FirstNode();
    return {{QStringLiteral("model"), root ? QJsonValue(root->Name) : QJsonValue()},
            {QStringLiteral("method"), MethodName(model)},
            {QStringLiteral("mode"), ModeName(model)},
            {QStringLiteral("start"), start ? QJsonValue(NodePath(start)) : QJsonValue()},
            {QStringLiteral("solutions"), solutions},
            {QStringLiteral("status"), status},
            {QStringLiteral("criteria"), criteria}};
}

QString Table(const TModel &model, const TCriterionNode *start)
{
    QStringList names;
    qsizetype width = 0;
    for (const TSolution &s : model.Solutions) {
        names << TerminalSafe(s.Name);
        width = std::max(width, names.last().size());
    }
    QString out;
    for (size_t k = 0; k < model.Solutions.size(); ++k)
        out += names.at(qsizetype(k)).leftJustified(width) + QStringLiteral("  ") + model.Solutions[k].ValueText
            + QLatin1Char('\n');
    out += QLatin1Char('\n');
    for (size_t i = 0; i < model.Status.Panels.size(); ++i)
        out += QStringLiteral("%1: %2\n").arg(i).arg(TerminalSafe(model.Status.Panels[i]));
    // Blank pairs of the start criterion: each completed cell marked with "*".
    if (const std::optional<TCompletion> completion = start && start->Matrix ? TryBlankPairsOf(*start->Matrix) : std::nullopt) {
        out += QLatin1Char('\n') + TerminalSafe(model.Status.BlankPairs) + QLatin1Char('\n');
        for (const auto &[r, c] : completion->Blank())
            out += QStringLiteral("(%1, %2)* %3\n").arg(r + 1).arg(c + 1)
                       .arg(completion->Connected() ? FormatFloat4(completion->Value(r, c)) : QStringLiteral("–"));
    }
    return out;
}

QJsonValue Overtaken(int rival, double weight)
{
    if (rival < 0)
        return QJsonValue();
    return QJsonObject{{QStringLiteral("solution"), rival}, {QStringLiteral("weight"), weight}};
}

QJsonObject CrossingJson(const TCrossing &x)
{
    return {{QStringLiteral("weight"), x.Weight}, {QStringLiteral("pair"), QJsonArray{x.First, x.Second}}};
}

// An object's members without its closing brace, so that more can follow.
QByteArray Opened(const QJsonObject &object)
{
    QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    bytes.chop(1);
    return bytes;
}

// A sensitivity as JSON. With every crossing asked for there can be millions: the
// document is then written piece by piece, none of them kept.
void WriteSensitivityJson(const TModel &model, const TSensitivity &s, bool allCrossings)
{
    QJsonArray names, followed;
    for (const TSolution &solution : model.Solutions)
        names.append(solution.Name);
    for (int k : s.Followed)
        followed.append(k);
    const QJsonObject head{{QStringLiteral("node"), NodePath(s.Node)},
                           {QStringLiteral("method"), MethodName(model)},
                           {QStringLiteral("solutions"), names},
                           {QStringLiteral("scores"), JsonNumbers(s.Scores)},
                           {QStringLiteral("top"), s.Top >= 0 ? QJsonValue(s.Top) : QJsonValue()},
                           {QStringLiteral("followed"), followed}};
    auto criterion = [&](const TCriterionSensitivity &c) {
        return QJsonObject{{QStringLiteral("path"), NodePath(c.Node)},
                           {QStringLiteral("weight"), c.Weight},
                           {QStringLiteral("at_zero"), JsonNumbers(c.AtZero)},
                           {QStringLiteral("at_one"), JsonNumbers(c.AtOne)},
                           {QStringLiteral("top_interval"), s.Top >= 0 ? QJsonValue(JsonNumbers({c.Low, c.High})) : QJsonValue()},
                           {QStringLiteral("overtaken_below"), Overtaken(c.LowRival, c.Low)},
                           {QStringLiteral("overtaken_above"), Overtaken(c.HighRival, c.High)}};
    };
    QJsonValue critical;
    if (s.Critical >= 0)
        critical = QJsonObject{{QStringLiteral("path"), NodePath(s.Criteria[size_t(s.Critical)].Node)},
                               {QStringLiteral("weight"), s.CriticalWeight},
                               {QStringLiteral("change"), s.CriticalChange}};
    if (!allCrossings) {
        QJsonArray criteria;
        for (const TCriterionSensitivity &c : s.Criteria) {
            QJsonArray crossings;
            for (const TCrossing &x : c.Crossings)
                crossings.append(CrossingJson(x));
            QJsonObject object = criterion(c);
            object.insert(QStringLiteral("crossings"), crossings);
            criteria.append(object);
        }
        QJsonObject out = head;
        out.insert(QStringLiteral("criteria"), criteria);
        out.insert(QStringLiteral("critical"), critical);
        WriteOut(out);
        return;
    }
    WriteOut(Opened(head) + ",\"criteria\":[\n");
    for (size_t i = 0; i < s.Criteria.size(); ++i) {
        const TCriterionSensitivity &c = s.Criteria[i];
        WriteOut(Opened(criterion(c)) + ",\"crossings\":[");
        bool first = true;
        ForEachCrossing(c, [&](const TCrossing &x) {
            WriteOut((first ? QByteArray() : QByteArray(",")) + QJsonDocument(CrossingJson(x)).toJson(QJsonDocument::Compact));
            first = false;
        });
        WriteOut(QByteArray("]}") + (i + 1 < s.Criteria.size() ? ",\n" : "\n"));
    }
    // "critical" closes the document: the members of an object of its own, after "{".
    WriteOut("]," + QJsonDocument(QJsonObject{{QStringLiteral("critical"), critical}}).toJson(QJsonDocument::Compact).mid(1)
             + "\n");
}

QString SensitivityTable(const TModel &model, const TSensitivity &s)
{
    auto name = [&](int k) { return TerminalSafe(model.Solutions[size_t(k)].Name); };
    QString out = QCoreApplication::translate("Kalvo", "Občutljivost: %1\n").arg(TerminalSafe(NodePath(s.Node)));
    out += s.Top >= 0 ? QCoreApplication::translate("Kalvo", "Najboljša rešitev: %1 (%2)\n").arg(name(s.Top), FormatFloat4(s.Scores[size_t(s.Top)]))
                      : QCoreApplication::translate("Kalvo", "Ni rešitev.\n");
    for (const TCriterionSensitivity &c : s.Criteria) {
        out += QCoreApplication::translate("Kalvo", "\n%1\n  utež %2").arg(TerminalSafe(c.Node->Name), FormatFloat4(c.Weight));
        if (s.Top >= 0)
            out += QCoreApplication::translate("Kalvo", ", najboljša ostane od %1 do %2").arg(FormatFloat4(c.Low), FormatFloat4(c.High));
        out += QLatin1Char('\n');
        for (size_t i = 0; i < c.Crossings.size() && i < 5; ++i) {
            const TCrossing &x = c.Crossings[i];
            out += QCoreApplication::translate("Kalvo", "  pri %1 se zamenjata %2 in %3\n").arg(FormatFloat4(x.Weight), name(x.First), name(x.Second));
        }
        if (c.Crossings.size() > 5)
            out += QCoreApplication::translate("Kalvo", "  … in še %1 zamenjav\n").arg(c.Crossings.size() - 5);
    }
    if (s.Critical >= 0) {
        const TCriterionSensitivity &c = s.Criteria[size_t(s.Critical)];
        out += QCoreApplication::translate("Kalvo", "\nNajbolj občutljiv: %1, utež %2 → %3 (sprememba %4)\n")
                   .arg(TerminalSafe(c.Node->Name), FormatFloat4(c.Weight), FormatFloat4(s.CriticalWeight),
                        FormatFloat4(s.CriticalChange));
    } else {
        out += QCoreApplication::translate("Kalvo", "\nNobena sprememba ene uteži ne spremeni najboljše rešitve.\n");
    }
    return out;
}

QJsonObject AdviceJson(const TModel &model, const TCriterionNode *node, const TConsistencyAdvice &a)
{
    QJsonArray changes;
    for (const TJudgementChange &c : a.Changes)
        changes.append(QJsonObject{{QStringLiteral("row"), c.Row}, {QStringLiteral("col"), c.Col},
                                   {QStringLiteral("from"), c.From}, {QStringLiteral("to"), c.To}});
    return {{QStringLiteral("node"), NodePath(node)}, {QStringLiteral("method"), MethodName(model)},
            {QStringLiteral("cr"), a.CR}, {QStringLiteral("changes"), changes},
            {QStringLiteral("cr_after"), a.CRAfter}, {QStringLiteral("fewest"), a.Fewest}};
}

QString AdviceText(const TModel &model, const TCriterionNode *node, const TConsistencyAdvice &a)
{
    const QStringList items = model.ItemNames(node);
    QString out = QStringLiteral("%1: CR %2\n").arg(TerminalSafe(NodePath(node)), FormatFloat4(a.CR));
    if (a.Changes.empty())
        return out + QCoreApplication::translate("Kalvo", "Sodbe so dovolj dosledne; predlogov ni.\n");
    for (const TJudgementChange &c : a.Changes)
        out += QStringLiteral("  %1 : %2  %3 → %4\n")
                   .arg(TerminalSafe(items.value(c.Row - 1)), TerminalSafe(items.value(c.Col - 1)), c.From, c.To);
    out += QCoreApplication::translate("Kalvo", "CR po spremembah: %1\n").arg(FormatFloat4(a.CRAfter));
    if (const QString caveat = AdviceCaveat(a); !caveat.isEmpty())
        out += caveat + QLatin1Char('\n');
    return out;
}

QJsonValue CrOf(const TMatrix &m)
{
    return HasRandomIndex(m.Order) ? QJsonValue(m.CR) : QJsonValue();
}

// One criterion of a group: each participant's own weights (their judgements
// alone, blank pairs completed, the same method), the group's aggregate matrix
// and its weights, and the consensus of the participants' weights.
QJsonObject GroupCriterionJson(const TModel &model, const TCriterionNode *node)
{
    const TMatrix *m = node->Matrix.get();
    QJsonObject out{{QStringLiteral("path"), NodePath(node)}};
    if (!m || m->Kind != ckRelative || m->Judges.empty() || model.Participants.empty()) {
        out.insert(QStringLiteral("participants"), QJsonArray());
        out.insert(QStringLiteral("group"), QJsonValue());
        out.insert(QStringLiteral("consensus"), QJsonValue());
        return out;
    }
    QJsonArray people;
    std::vector<std::vector<double>> vectors;
    const auto own = ComputedJudgeMatrices(*m, model.Participants.size(), model.ExactMethod);
    for (size_t p = 0; p < own.size(); ++p) {
        // judgements that do not determine weights (pairs cut apart): nothing to show
        if (own[p])
            vectors.push_back(own[p]->Vector);
        people.append(QJsonObject{{QStringLiteral("name"), model.Participants[p].Name},
                                  {QStringLiteral("weight"), model.Participants[p].Weight},
                                  {QStringLiteral("cr"), own[p] ? CrOf(*own[p]) : QJsonValue()},
                                  {QStringLiteral("gci"), ParticipantGci(*m, p)},
                                  {QStringLiteral("vector"), own[p] ? QJsonValue(JsonNumbers(own[p]->Vector)) : QJsonValue()}});
    }
    QJsonArray rows;
    for (int r = 0; r < m->Order; ++r) {
        QJsonArray row;
        for (int c = 0; c < m->Order; ++c)
            row.append(m->CellValue(c, r));
        rows.append(row);
    }
    out.insert(QStringLiteral("participants"), people);
    out.insert(QStringLiteral("group"), QJsonObject{{QStringLiteral("method"), GroupMethodName(model.GroupMethod)},
                                                    {QStringLiteral("matrix"), rows},
                                                    {QStringLiteral("vector"), JsonNumbers(m->Vector)},
                                                    {QStringLiteral("lambda"), m->Lambda},
                                                    {QStringLiteral("cr"), CrOf(*m)}});
    out.insert(QStringLiteral("consensus"), ConsensusIndex(vectors));
    return out;
}

} // namespace

namespace {

// What every analysis shares: its options parsed, then the model loaded and the
// work done on its start criterion, as JSON or as text.
int RunAnalysis(QCommandLineParser &parser, const QStringList &arguments,
                const std::function<void(TModel &, TCriterionNode *, bool json)> &work)
{
    TLoadOptions load;
    if (!ParseAnalysis(parser, arguments, load))
        return 2;
    return Guarded([&] {
        TModel model;
        LoadModel(model, load);
        work(model, StartNode(model), parser.isSet(JsonOption));
    });
}

} // namespace

// A model whose weights are not determined: the document says why, with the
// blank pairs and the next pair of each criterion, and no numbers.
QJsonObject UndeterminedJson(const TModel &model, TCriterionNode *start, const EKalvoError &failure)
{
    QJsonObject out = AnalysisJson(model, start);
    QJsonArray solutions, criteria;
    for (const TSolution &s : model.Solutions)
        solutions.append(QJsonObject{{QStringLiteral("name"), s.Name}, {QStringLiteral("score"), QJsonValue()}});
    for (const QJsonValue &value : out.value(QStringLiteral("criteria")).toArray()) {
        QJsonObject criterion = value.toObject();
        for (const char *key : {"vector", "lambda", "ci", "cr", "maxd", "maxd_row", "maxd_col"})
            criterion.insert(QLatin1String(key), QJsonValue());
        criteria.append(criterion);
    }
    out.insert(QStringLiteral("solutions"), solutions);
    out.insert(QStringLiteral("criteria"), criteria);
    out.insert(QStringLiteral("error"), failure.message());
    return out;
}

int AnalyzeCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    std::optional<EKalvoError> failure;
    TLoadOptions load;
    if (!ParseAnalysis(parser, arguments, load))
        return 2;
    if (parser.isSet(JsonOption))
        load.Failure = &failure;
    return Guarded([&] {
        TModel model;
        LoadModel(model, load);
        TCriterionNode *start = StartNode(model);
        if (!parser.isSet(JsonOption)) {
            WriteOut(Table(model, start).toUtf8());
            return;
        }
        WriteOut(QJsonDocument(failure ? UndeterminedJson(model, start, *failure) : AnalysisJson(model, start))
                     .toJson(QJsonDocument::Indented));
        if (failure)
            throw *failure;   // the reason on standard error too, and exit 1
    });
}

int SensitivityCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption allCrossings(QStringLiteral("all-crossings"));
    parser.addOption(allCrossings);
    return RunAnalysis(parser, arguments, [&](TModel &model, TCriterionNode *start, bool json) {
        const TSensitivity result = AnalyzeSensitivity(model, start);
        if (json)
            WriteSensitivityJson(model, result, parser.isSet(allCrossings));
        else
            WriteOut(SensitivityTable(model, result));
    });
}

namespace {

QJsonObject RangeJson(const TRange &range)
{
    return {{QStringLiteral("min"), range.Min}, {QStringLiteral("p05"), range.P05}, {QStringLiteral("median"), range.Median},
            {QStringLiteral("p95"), range.P95}, {QStringLiteral("max"), range.Max}};
}

QByteArray UncertaintyJson(const TModel &model, const TCriterionNode *start, const TUncertaintySettings &settings,
                           const TUncertainty &result)
{
    QJsonArray solutions, wins, criteria;
    for (int k = 0; k < model.SolutionCount(); ++k) {
        solutions.append(QJsonObject{{QStringLiteral("name"), model.Solutions[size_t(k)].Name},
                                     {QStringLiteral("score"), result.Scores[size_t(k)]},
                                     {QStringLiteral("first"), result.First[size_t(k)]},
                                     {QStringLiteral("ranks"), JsonNumbers(result.RankShares[size_t(k)])},
                                     {QStringLiteral("score_range"), RangeJson(result.ScoreRanges[size_t(k)])}});
        wins.append(JsonNumbers(result.Wins[size_t(k)]));
    }
    for (const TCriterionRanges &criterion : result.Criteria) {
        QJsonArray weights;
        for (const TRange &range : criterion.Weights)
            weights.append(RangeJson(range));
        criteria.append(QJsonObject{{QStringLiteral("path"), criterion.Path}, {QStringLiteral("weights"), weights}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("node"), start ? QJsonValue(NodePath(start)) : QJsonValue()},
                                     {QStringLiteral("method"), MethodName(model)},
                                     {QStringLiteral("mode"), ModeName(model)},
                                     {QStringLiteral("runs"), result.Runs},
                                     {QStringLiteral("used_runs"), result.UsedRuns},
                                     {QStringLiteral("stream"), QString::number(settings.Stream)},
                                     {QStringLiteral("spread"), settings.Spread},
                                     {QStringLiteral("solutions"), solutions},
                                     {QStringLiteral("wins"), wins},
                                     {QStringLiteral("criteria"), criteria}})
        .toJson(QJsonDocument::Indented);
}

QString UncertaintyTable(const TModel &model, const TUncertaintySettings &settings, const TUncertainty &result)
{
    QString out = QCoreApplication::translate("Kalvo", "%1 ponovitev (uporabljenih %2), tok naključij %3, razpon %4\n")
                      .arg(result.Runs).arg(result.UsedRuns).arg(settings.Stream).arg(QLocale().toString(settings.Spread));
    qsizetype width = 0;
    for (const TSolution &s : model.Solutions)
        width = std::max(width, TerminalSafe(s.Name).size());
    for (int k = 0; k < model.SolutionCount(); ++k) {
        const TRange &range = result.ScoreRanges[size_t(k)];
        out += QStringLiteral("%1  %2  %3  %4 – %5\n")
                   .arg(TerminalSafe(model.Solutions[size_t(k)].Name), -int(width))
                   .arg(FormatFloat4(result.Scores[size_t(k)]))
                   .arg(QCoreApplication::translate("Kalvo", "prva: %1").arg(FormatFloat4(result.First[size_t(k)])))
                   .arg(FormatFloat4(range.P05), FormatFloat4(range.P95));
    }
    return out;
}

} // namespace

int UncertaintyCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption runs(QStringLiteral("runs"), QString(), QStringLiteral("N"));
    const QCommandLineOption stream(QStringLiteral("stream"), QString(), QStringLiteral("S"));
    const QCommandLineOption spread(QStringLiteral("spread"), QString(), QStringLiteral("X"));
    const QCommandLineOption resample(QStringLiteral("resample-participants"));
    const QCommandLineOption maxCr(QStringLiteral("max-cr"), QString(), QStringLiteral("X"));
    const QCommandLineOption threads(QStringLiteral("threads"), QString(), QStringLiteral("N"));
    parser.addOptions({runs, stream, spread, resample, maxCr, threads});
    TLoadOptions load;
    if (!ParseAnalysis(parser, arguments, load))
        return 2;
    TUncertaintySettings settings;
    bool ok = true;
    const auto number = [&](const QCommandLineOption &option, auto read) {
        if (parser.isSet(option))
            read(parser.value(option));
    };
    number(runs, [&](const QString &text) { settings.Runs = text.toInt(&ok); ok = ok && settings.Runs >= 1; });
    if (!ok)
        return UsageError(QStringLiteral("--runs must be a whole number from 1"));
    number(stream, [&](const QString &text) { settings.Stream = text.toULongLong(&ok); });
    if (!ok)
        return UsageError(QStringLiteral("--stream must be a whole number from 0"));
    number(spread, [&](const QString &text) { settings.Spread = QLocale::c().toDouble(text, &ok); });
    if (!ok)
        return UsageError(QStringLiteral("--spread must be a number from 0 to 4"));
    number(maxCr, [&](const QString &text) { settings.MaxCR = QLocale::c().toDouble(text, &ok); });
    if (!ok)
        return UsageError(QStringLiteral("--max-cr must be a number"));
    number(threads, [&](const QString &text) { settings.Threads = text.toInt(&ok); ok = ok && settings.Threads >= 1; });
    if (!ok)
        return UsageError(QStringLiteral("--threads must be a whole number from 1"));
    settings.ResampleParticipants = parser.isSet(resample);
    return Guarded([&] {
        TModel model;
        LoadModel(model, load);
        TCriterionNode *start = StartNode(model);
        const TUncertainty result = SimulateUncertainty(model, start, settings);
        WriteOut(parser.isSet(JsonOption) ? UncertaintyJson(model, start, settings, result)
                                          : UncertaintyTable(model, settings, result).toUtf8());
    });
}

int AdviseCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    return RunAnalysis(parser, arguments, [](TModel &model, TCriterionNode *start, bool json) {
        model.FitNodeMatrix(start);
        const TConsistencyAdvice result = WithContext([start] { return CriterionPlace(start); },
                                                      [&] { return AdviseConsistency(*start->Matrix, model.ExactMethod); });
        WriteOut(json ? QJsonDocument(AdviceJson(model, start, result)).toJson(QJsonDocument::Indented)
                      : AdviceText(model, start, result).toUtf8());
    });
}

int GroupCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    return RunAnalysis(parser, arguments, [](TModel &model, TCriterionNode *start, bool) {
        QJsonArray criteria;
        for (const TCriterionNode *node : TCriteriaTree::Subtree(start))
            criteria.append(GroupCriterionJson(model, node));
        WriteOut(QJsonObject{{QStringLiteral("node"), NodePath(start)},
                             {QStringLiteral("method"), MethodName(model)},
                             {QStringLiteral("criteria"), criteria}});
    });
}
