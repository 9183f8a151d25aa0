// kalvo-cli: the model engine from a shell.
#include "report/Reports.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "storage/ModelFiles.h"
#include "model/NodePath.h"
#include "analysis/ConsistencyAdvice.h"
#include "analysis/Sensitivity.h"
#include "analysis/Synthesis.h"
#include "storage/SurveyImport.h"
#include "storage/TextFiles.h"
#include "matrix/Completion.h"
#include "matrix/GroupJudgement.h"
#include "matrix/Matrix.h"
#include "matrix/Conversions.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace {

const char *const Usage =
    "Usage: kalvo-cli analyze [--approximate] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli sensitivity [--approximate] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli advise [--approximate] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli group [--approximate] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli import-survey MODEL SURVEY.csv\n"
    "       kalvo-cli report model|criterion|solutions [--node PATH] [--debug] [--approximate] MODEL -o FILE\n"
    "       kalvo-cli --help | --version\n";

const char *const Help =
    "kalvo-cli analyze [--approximate] [--node PATH] [--json] MODEL\n"
    "\n"
    "Loads the model file set MODEL (stan, stan.krt or stan.KRT all open stan.KRT,\n"
    "stan.MAT and stan.RST) exactly as opening it in Kalvo does, selects a criterion,\n"
    "runs the synthesis and prints the solutions' scores.\n"
    "\n"
    "  --approximate  use the approximate method (normalised columns) instead of\n"
    "                 the exact one (8th power of the matrix)\n"
    "  --node PATH    start at this criterion: names from the root joined by \"/\",\n"
    "                 for example \"Stanovanje/Lega\"; the root by default\n"
    "  --json         print a JSON document (UTF-8) instead of the table: model,\n"
    "                 method, start, solutions [{name, score}], status [7 texts],\n"
    "                 criteria [{path, kind, order, vector, lambda, ci, cr, maxd,\n"
    "                 maxd_row, maxd_col, blank, completed, next_pair}] for the\n"
    "                 start criterion and every criterion below it (order null:\n"
    "                 no matrix yet); blank [[r, c]] are the pairs not compared,\n"
    "                 completed [{row, col, value}] their completed values and\n"
    "                 next_pair the pair to ask next (or null)\n"
    "\n"
    "kalvo-cli sensitivity [--approximate] [--node PATH] [--json [--all-crossings]] MODEL\n"
    "\n"
    "Loads and selects in the same way, then tells how far the weight of each\n"
    "sub-criterion of the start criterion can move (the others keeping their\n"
    "proportions) before another solution gets on top: the interval of weights that\n"
    "keeps the top solution, the weights at which two solutions change places, and\n"
    "the sub-criterion whose weight needs the smallest change. --json prints node,\n"
    "method, solutions, scores, top, followed (the ten best solutions and the\n"
    "marked one), criteria [{path, weight, at_zero, at_one, top_interval,\n"
    "overtaken_below and overtaken_above {solution, weight} or null, crossings\n"
    "[{weight, pair}]}] and critical {path, weight, change}. The crossings are those\n"
    "among the followed solutions, by weight; --all-crossings writes every pair's,\n"
    "pair by pair, as it finds them.\n"
    "\n"
    "kalvo-cli advise [--approximate] [--node PATH] [--json] MODEL\n"
    "\n"
    "Loads and selects in the same way, then proposes the fewest judgement changes\n"
    "(scale values 1, n:1 or 1:n) that bring the start criterion's CR to 0.1 or below,\n"
    "and among those the set with the lowest CR. --json prints node, method, cr,\n"
    "changes [{row, col, from, to}] (1-based; the mirror cell gets the reciprocal),\n"
    "cr_after and fewest (false when more than two changes were needed, found by\n"
    "greedy steps). A criterion of measured values, or one of more than 10 items, is\n"
    "an error.\n"
    "\n"
    "kalvo-cli group [--approximate] [--node PATH] [--json] MODEL\n"
    "\n"
    "For a model judged by a group (participants in MODEL.JSON): prints, as JSON,\n"
    "node, method and criteria [{path, participants [{name, weight, cr, vector}],\n"
    "group {matrix (row-major values), vector, lambda, cr}, consensus}] for the\n"
    "start criterion and every criterion below it; group null where a criterion\n"
    "holds no group judgements. Each participant's weights come from their\n"
    "judgements alone; the group's matrix is the weighted geometric mean of the\n"
    "judgements of those who judged each pair; consensus is Goepel's S* (0 to 1).\n"
    "\n"
    "kalvo-cli import-survey MODEL SURVEY.csv\n"
    "\n"
    "Reads a survey (UTF-8 CSV, \";\" or \",\" between fields) with one row per\n"
    "participant: a column \"Ime\" (name), an optional \"Utež\" (weight, 1 when empty)\n"
    "and one column per pair of a criterion's items headed \"PATH: A : B\" (for\n"
    "example \"Nakup avtomobila: Cena : Varnost\"), each cell the ratio of A to B\n"
    "(\"3:1\", \"1:5\", \"1\") or empty for a pair that participant leaves blank. The\n"
    "participants replace the model's; the model is saved over MODEL (and its\n"
    "MODEL.JSON). A fault names the file, line and column and changes nothing.\n"
    "\n"
    "kalvo-cli report model|criterion|solutions [--node PATH] [--debug] [--approximate] MODEL -o FILE\n"
    "\n"
    "Loads, selects and scores the model in the same way, then writes one of the\n"
    "HTML reports (Windows-1250) to FILE (\"-\": standard output): the root's comparisons (model), the start\n"
    "criterion's comparisons or values (criterion; --debug adds the working\n"
    "matrices of a relative criterion) or the solutions with their bars.\n"
    "\n"
    "Numbers use the decimal separator of the locale (LC_ALL, LC_NUMERIC, LANG).\n"
    "Exit status: 0 done, 1 a file, conversion or arithmetic error (its message\n"
    "goes to standard error), 2 wrong usage. Warnings go to standard error.\n";

void Print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int UsageError(const QString &why)
{
    Print(stderr, QStringLiteral("kalvo-cli: %1\n").arg(why));
    std::fputs(Usage, stderr);
    return 2;
}

QString JsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (ch.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += ch;
        }
    }
    return out + QLatin1Char('"');
}

QString JsonNumber(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString KindName(TCriterionKind kind)
{
    switch (kind) {
    case ckRelative: return QStringLiteral("relative");
    case ckLessIsBetter: return QStringLiteral("less_is_better");
    case ckMoreIsBetter: return QStringLiteral("more_is_better");
    }
    return QString::number(qint32(kind));
}

// A matrix's blank pairs as computed (a group's aggregate's), or none when it has
// none (or texts that are no ratio).
std::optional<TCompletion> CompletionOf(const TMatrix *m)
{
    if (!m)
        return std::nullopt;
    try {
        return BlankPairsOf(*m);
    } catch (const EKalvoError &) {
        return std::nullopt;
    }
}

QStringList BlankPairFields(const TMatrix *m)
{
    const std::optional<TCompletion> completion = CompletionOf(m);
    QStringList blank, completed;
    QString next = QStringLiteral("null");
    if (completion) {
        for (const auto &[r, c] : completion->Blank()) {
            blank << QStringLiteral("[%1, %2]").arg(r + 1).arg(c + 1);
            if (completion->Connected())
                completed << QStringLiteral("{\"row\": %1, \"col\": %2, \"value\": %3}")
                                 .arg(r + 1).arg(c + 1).arg(JsonNumber(completion->Value(r, c)));
        }
        if (const auto pair = completion->NextPair())
            next = QStringLiteral("[%1, %2]").arg(pair->first + 1).arg(pair->second + 1);
    }
    return {QStringLiteral("\"blank\": [") + blank.join(QStringLiteral(", ")) + QLatin1Char(']'),
            QStringLiteral("\"completed\": [") + completed.join(QStringLiteral(", ")) + QLatin1Char(']'),
            QStringLiteral("\"next_pair\": ") + next};
}

QString CriterionJson(const TCriterionNode *node)
{
    QStringList fields{QStringLiteral("\"path\": ") + JsonString(NodePath(node))};
    const TMatrix *m = node->Matrix.get();
    if (!m) {
        fields << QStringLiteral("\"kind\": null") << QStringLiteral("\"order\": null")
               << QStringLiteral("\"vector\": null") << QStringLiteral("\"lambda\": null")
               << QStringLiteral("\"ci\": null") << QStringLiteral("\"cr\": null")
               << QStringLiteral("\"maxd\": null") << QStringLiteral("\"maxd_row\": null")
               << QStringLiteral("\"maxd_col\": null");
    } else {
        QStringList vector;
        for (double w : m->Vector)
            vector << JsonNumber(w);
        fields << QStringLiteral("\"kind\": ") + JsonString(KindName(m->Kind))
               << QStringLiteral("\"order\": %1").arg(m->Order)
               << QStringLiteral("\"vector\": [") + vector.join(QStringLiteral(", ")) + QLatin1Char(']')
               << QStringLiteral("\"lambda\": ") + JsonNumber(m->Lambda)
               << QStringLiteral("\"ci\": ") + JsonNumber(m->CI)
               << QStringLiteral("\"cr\": ") + (m->Kind == ckRelative && m->Order > 10 ? QStringLiteral("null") : JsonNumber(m->CR))
               << QStringLiteral("\"maxd\": ") + JsonNumber(m->MaxD)
               << QStringLiteral("\"maxd_row\": %1").arg(m->MaxDRow)
               << QStringLiteral("\"maxd_col\": %1").arg(m->MaxDCol);
    }
    fields << BlankPairFields(m);
    return QStringLiteral("    {") + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString Json(const TModel &model, TCriterionNode *start)
{
    QStringList solutions;
    for (const TSolution &s : model.Solutions)
        solutions << QStringLiteral("    {\"name\": %1, \"score\": %2}").arg(JsonString(s.Name), JsonNumber(s.Score));
    QStringList status;
    for (const QString &panel : model.Status.Panels)
        status << JsonString(panel);
    QStringList criteria;
    for (const TCriterionNode *node : TCriteriaTree::Subtree(start))
        criteria << CriterionJson(node);
    const TCriterionNode *root = model.Tree.FirstNode();
    QString out = QStringLiteral("{\n");
    out += QStringLiteral("  \"model\": %1,\n").arg(root ? JsonString(root->Name) : QStringLiteral("null"));
    out += QStringLiteral("  \"method\": \"%1\",\n").arg(model.ExactMethod ? "exact" : "approximate");
    out += QStringLiteral("  \"start\": %1,\n").arg(start ? JsonString(NodePath(start)) : QStringLiteral("null"));
    out += QStringLiteral("  \"solutions\": [\n") + solutions.join(QStringLiteral(",\n"))
        + (solutions.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("  ],\n");
    out += QStringLiteral("  \"status\": [") + status.join(QStringLiteral(", ")) + QStringLiteral("],\n");
    out += QStringLiteral("  \"criteria\": [\n") + criteria.join(QStringLiteral(",\n"))
        + (criteria.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("  ]\n");
    return out + QStringLiteral("}\n");
}

// A name as a terminal may show it: control characters (escape sequences among
// them) are written as \xNN instead of being obeyed.
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
    if (const std::optional<TCompletion> completion = CompletionOf(start ? start->Matrix.get() : nullptr)) {
        out += QLatin1Char('\n') + TerminalSafe(model.Status.BlankPairs) + QLatin1Char('\n');
        for (const auto &[r, c] : completion->Blank())
            out += QStringLiteral("(%1, %2)* %3\n").arg(r + 1).arg(c + 1)
                       .arg(completion->Connected() ? FormatFloat4(completion->Value(r, c)) : QStringLiteral("–"));
    }
    return out;
}

QString JsonNumbers(const std::vector<double> &values)
{
    QStringList texts;
    for (double value : values)
        texts << JsonNumber(value);
    return QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// Written piece by piece: with every crossing asked for (--all-crossings) there
// can be millions, and none of them is kept.
void PrintSensitivityJson(const TModel &model, const TSensitivity &s, bool allCrossings)
{
    QStringList names;
    for (const TSolution &solution : model.Solutions)
        names << JsonString(solution.Name);
    QStringList followed;
    for (int k : s.Followed)
        followed << QString::number(k);
    auto crossing = [](const TCrossing &x) {
        return QStringLiteral("{\"weight\": %1, \"pair\": [%2, %3]}").arg(JsonNumber(x.Weight)).arg(x.First).arg(x.Second);
    };
    auto overtaken = [](int rival, double weight) {
        return rival < 0 ? QStringLiteral("null")
                         : QStringLiteral("{\"solution\": %1, \"weight\": %2}").arg(rival).arg(JsonNumber(weight));
    };
    QString out = QStringLiteral("{\n");
    out += QStringLiteral("  \"node\": %1,\n").arg(JsonString(NodePath(s.Node)));
    out += QStringLiteral("  \"method\": \"%1\",\n").arg(model.ExactMethod ? "exact" : "approximate");
    out += QStringLiteral("  \"solutions\": [%1],\n").arg(names.join(QStringLiteral(", ")));
    out += QStringLiteral("  \"scores\": %1,\n").arg(JsonNumbers(s.Scores));
    out += QStringLiteral("  \"top\": %1,\n").arg(s.Top >= 0 ? QString::number(s.Top) : QStringLiteral("null"));
    out += QStringLiteral("  \"followed\": [%1],\n").arg(followed.join(QStringLiteral(", ")));
    out += QStringLiteral("  \"criteria\": [\n");
    Print(stdout, out);
    for (size_t i = 0; i < s.Criteria.size(); ++i) {
        const TCriterionSensitivity &c = s.Criteria[i];
        Print(stdout, QStringLiteral("    {\"path\": %1, \"weight\": %2, \"at_zero\": %3, \"at_one\": %4, "
                                     "\"top_interval\": %5, \"overtaken_below\": %6, \"overtaken_above\": %7, \"crossings\": [")
                          .arg(JsonString(NodePath(c.Node)), JsonNumber(c.Weight), JsonNumbers(c.AtZero), JsonNumbers(c.AtOne),
                               s.Top >= 0 ? JsonNumbers({c.Low, c.High}) : QStringLiteral("null"),
                               overtaken(c.LowRival, c.Low), overtaken(c.HighRival, c.High)));
        bool first = true;
        auto write = [&](const TCrossing &x) {
            Print(stdout, (first ? QString() : QStringLiteral(", ")) + crossing(x));
            first = false;
        };
        if (allCrossings)
            ForEachCrossing(c, write);
        else
            for (const TCrossing &x : c.Crossings)
                write(x);
        Print(stdout, QStringLiteral("]}") + (i + 1 < s.Criteria.size() ? QStringLiteral(",\n") : QStringLiteral("\n")));
    }
    out = QStringLiteral("  ],\n");
    if (s.Critical >= 0)
        out += QStringLiteral("  \"critical\": {\"path\": %1, \"weight\": %2, \"change\": %3}\n")
                   .arg(JsonString(NodePath(s.Criteria[size_t(s.Critical)].Node)), JsonNumber(s.CriticalWeight),
                        JsonNumber(s.CriticalChange));
    else
        out += QStringLiteral("  \"critical\": null\n");
    Print(stdout, out + QStringLiteral("}\n"));
}

QString SensitivityTable(const TModel &model, const TSensitivity &s)
{
    auto name = [&](int k) { return TerminalSafe(model.Solutions[size_t(k)].Name); };
    QString out = QStringLiteral("Občutljivost: %1\n").arg(TerminalSafe(NodePath(s.Node)));
    out += s.Top >= 0 ? QStringLiteral("Najboljša rešitev: %1 (%2)\n").arg(name(s.Top), FormatFloat4(s.Scores[size_t(s.Top)]))
                      : QStringLiteral("Ni rešitev.\n");
    for (const TCriterionSensitivity &c : s.Criteria) {
        out += QStringLiteral("\n%1\n  utež %2").arg(TerminalSafe(c.Node->Name), FormatFloat4(c.Weight));
        if (s.Top >= 0)
            out += QStringLiteral(", najboljša ostane od %1 do %2").arg(FormatFloat4(c.Low), FormatFloat4(c.High));
        out += QLatin1Char('\n');
        for (size_t i = 0; i < c.Crossings.size() && i < 5; ++i) {
            const TCrossing &x = c.Crossings[i];
            out += QStringLiteral("  pri %1 se zamenjata %2 in %3\n").arg(FormatFloat4(x.Weight), name(x.First), name(x.Second));
        }
        if (c.Crossings.size() > 5)
            out += QStringLiteral("  … in še %1 zamenjav\n").arg(c.Crossings.size() - 5);
    }
    if (s.Critical >= 0) {
        const TCriterionSensitivity &c = s.Criteria[size_t(s.Critical)];
        out += QStringLiteral("\nNajbolj občutljiv: %1, utež %2 → %3 (sprememba %4)\n")
                   .arg(TerminalSafe(c.Node->Name), FormatFloat4(c.Weight), FormatFloat4(s.CriticalWeight),
                        FormatFloat4(s.CriticalChange));
    } else {
        out += QStringLiteral("\nNobena sprememba ene uteži ne spremeni najboljše rešitve.\n");
    }
    return out;
}

QString AdviceJson(const TModel &model, const TCriterionNode *node, const TConsistencyAdvice &a)
{
    QStringList changes;
    for (const TJudgementChange &c : a.Changes)
        changes << QStringLiteral("{\"row\": %1, \"col\": %2, \"from\": %3, \"to\": %4}")
                       .arg(c.Row).arg(c.Col).arg(JsonString(c.From), JsonString(c.To));
    return QStringLiteral("{\n  \"node\": %1,\n  \"method\": \"%2\",\n  \"cr\": %3,\n  \"changes\": [%4],\n"
                          "  \"cr_after\": %5,\n  \"fewest\": %6\n}\n")
        .arg(JsonString(NodePath(node)), QLatin1String(model.ExactMethod ? "exact" : "approximate"), JsonNumber(a.CR),
             changes.join(QStringLiteral(", ")), JsonNumber(a.CRAfter),
             QLatin1String(a.Fewest ? "true" : "false"));
}

QString AdviceText(const TModel &model, const TCriterionNode *node, const TConsistencyAdvice &a)
{
    const QStringList items = model.ItemNames(node);
    QString out = QStringLiteral("%1: CR %2\n").arg(TerminalSafe(NodePath(node)), FormatFloat4(a.CR));
    if (a.Changes.empty())
        return out + QStringLiteral("Sodbe so dovolj dosledne; predlogov ni.\n");
    for (const TJudgementChange &c : a.Changes)
        out += QStringLiteral("  %1 : %2  %3 → %4\n")
                   .arg(TerminalSafe(items.value(c.Row - 1)), TerminalSafe(items.value(c.Col - 1)), c.From, c.To);
    out += QStringLiteral("CR po spremembah: %1\n").arg(FormatFloat4(a.CRAfter));
    if (!a.Reached)
        out += QStringLiteral("Nobena preiskana sprememba ne doseže CR 0,1; to so tiste, ki ga najbolj znižajo.\n");
    else if (!a.Fewest)
        out += QStringLiteral("Potrebnih je več kot dve spremembi; morda obstaja krajša pot.\n");
    return out;
}

} // namespace

// One criterion of a group: each participant's own weights (their judgements
// alone, blank pairs completed, the same method), the group's aggregate matrix
// and its weights, and the consensus of the participants' weights.
QString GroupCriterionJson(const TModel &model, const TCriterionNode *node)
{
    const TMatrix *m = node->Matrix.get();
    QStringList fields{QStringLiteral("\"path\": ") + JsonString(NodePath(node))};
    if (!m || m->Kind != ckRelative || m->Judges.empty() || model.Participants.empty()) {
        fields << QStringLiteral("\"participants\": []") << QStringLiteral("\"group\": null")
               << QStringLiteral("\"consensus\": null");
        return QStringLiteral("    {") + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    QStringList people;
    std::vector<std::vector<double>> vectors;
    for (size_t p = 0; p < m->Judges.size() && p < model.Participants.size(); ++p) {
        TMatrix own = JudgeMatrix(*m, p);
        QString cr = QStringLiteral("null"), vector = QStringLiteral("null");
        try {
            own.Compute(model.ExactMethod);
            cr = HasRandomIndex(own.Order) ? JsonNumber(own.CR) : QStringLiteral("null");
            vector = JsonNumbers(own.Vector);
            vectors.push_back(own.Vector);
        } catch (const EKalvoError &) {
            // judgements that do not determine weights (pairs cut apart): nothing to show
        }
        people << QStringLiteral("{\"name\": %1, \"weight\": %2, \"cr\": %3, \"vector\": %4}")
                      .arg(JsonString(model.Participants[p].Name), JsonNumber(model.Participants[p].Weight), cr, vector);
    }
    QStringList rows;
    for (int r = 0; r < m->Order; ++r) {
        QStringList row;
        for (int c = 0; c < m->Order; ++c)
            row << JsonNumber(m->CellValue(c, r));
        rows << QLatin1Char('[') + row.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    fields << QStringLiteral("\"participants\": [") + people.join(QStringLiteral(", ")) + QLatin1Char(']')
           << QStringLiteral("\"group\": {\"matrix\": [%1], \"vector\": %2, \"lambda\": %3, \"cr\": %4}")
                  .arg(rows.join(QStringLiteral(", ")), JsonNumbers(m->Vector), JsonNumber(m->Lambda),
                       HasRandomIndex(m->Order) ? JsonNumber(m->CR) : QStringLiteral("null"))
           << QStringLiteral("\"consensus\": ") + JsonNumber(ConsensusIndex(vectors));
    return QStringLiteral("    {") + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString GroupJson(const TModel &model, TCriterionNode *start)
{
    QStringList criteria;
    for (const TCriterionNode *node : TCriteriaTree::Subtree(start))
        criteria << GroupCriterionJson(model, node);
    return QStringLiteral("{\n  \"node\": %1,\n  \"method\": \"%2\",\n  \"criteria\": [\n%3\n  ]\n}\n")
        .arg(JsonString(NodePath(start)), model.ExactMethod ? QStringLiteral("exact") : QStringLiteral("approximate"),
             criteria.join(QStringLiteral(",\n")));
}

// kalvo-cli import-survey MODEL SURVEY.csv: the survey's participants and their
// judgements into the model, saved over it (all or nothing).
int ImportSurveyCommand(const QStringList &args)
{
    if (args.size() != 2 || args.at(0).startsWith(QLatin1Char('-')) || args.at(1).startsWith(QLatin1Char('-')))
        return UsageError(QStringLiteral("import-survey needs MODEL and SURVEY.csv"));
    SetMessageHandler([](const QString &text) { Print(stderr, text + QLatin1Char('\n')); });
    try {
        if (!ModelExists(args.at(0)))
            throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Modela »%1« ni.").arg(args.at(0)));
        TModel model;
        bool replaced = false;
        try {
            LoadProject(model, args.at(0), &replaced);
        } catch (const EKalvoError &) {
            if (!replaced)
                throw;
        }
        ImportSurvey(model, ReadFileBytes(args.at(1)), args.at(1));
        SaveProject(model, args.at(0));
        Print(stdout, QStringLiteral("%1 udeležencev\n").arg(model.Participants.size()));
    } catch (const EKalvoError &e) {
        Print(stderr, e.message() + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

int Main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--version"))) {
        std::fputs("kalvo-cli " KALVO_VERSION "\n", stdout);
        return 0;
    }
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(Help, stdout);
        return 0;
    }
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    const bool report = command == QLatin1String("report");
    const bool sensitivity = command == QLatin1String("sensitivity");
    const bool advise = command == QLatin1String("advise");
    const bool group = command == QLatin1String("group");
    if (command == QLatin1String("import-survey"))
        return ImportSurveyCommand(args);
    if (!report && !sensitivity && !advise && !group && command != QLatin1String("analyze"))
        return UsageError(QStringLiteral("the command must be \"analyze\", \"sensitivity\", \"advise\", \"group\" "
                                         "or \"report\""));
    QString reportKind;
    if (report) {
        reportKind = args.isEmpty() ? QString() : args.takeFirst();
        if (reportKind != QLatin1String("model") && reportKind != QLatin1String("criterion")
            && reportKind != QLatin1String("solutions"))
            return UsageError(QStringLiteral("the report must be model, criterion or solutions"));
    }

    bool approximate = false, json = false, hasNode = false, debug = false, allCrossings = false;
    QString nodePath, modelName, outputName;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--approximate"))
            approximate = true;
        else if (arg == QLatin1String("--json") && !report)
            json = true;
        else if (arg == QLatin1String("--debug") && report)
            debug = true;
        else if (arg == QLatin1String("--all-crossings") && sensitivity)
            allCrossings = true;
        else if (arg == QLatin1String("--node") || (arg == QLatin1String("-o") && report)) {
            if (args.isEmpty())
                return UsageError(QStringLiteral("%1 needs a value").arg(arg));
            (arg == QLatin1String("-o") ? outputName : nodePath) = args.takeFirst();
            hasNode = hasNode || arg == QLatin1String("--node");
        } else if (arg.startsWith(QLatin1Char('-')))
            return UsageError(QStringLiteral("unknown option %1").arg(arg));
        else if (modelName.isEmpty())
            modelName = arg;
        else
            return UsageError(QStringLiteral("only one MODEL may be given"));
    }
    if (modelName.isEmpty())
        return UsageError(QStringLiteral("MODEL is missing"));
    if (report && outputName.isEmpty())
        return UsageError(QStringLiteral("-o FILE is missing"));

    SetMessageHandler([](const QString &text) { Print(stderr, text + QLatin1Char('\n')); });
    TModel model;
    model.SetMethod(!approximate);
    model.SetDebugMode(debug);
    try {
        // Opening in the program picks an existing file; a mistyped name here must
        // not create an empty model set on disk.
        if (!ModelExists(modelName))
            throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Modela »%1« ni.").arg(modelName));
        bool replaced = false;
        try {
            LoadProject(model, modelName, &replaced);
        } catch (const EKalvoError &e) {
            if (!replaced)
                throw;
            // The model came in whole; only its closing synthesis failed. As in the
            // program, the user still works on the rest of it.
            Print(stderr, e.message() + QLatin1Char('\n'));
            if (!hasNode && !report)
                return 1;   // the analysis asked for is the one that failed
        }
        if (hasNode) {
            TCriterionNode *node = FindNode(model.Tree, nodePath);
            if (!node)
                throw EKalvoError(EKalvoError::ekFormat,
                                  QStringLiteral("Kriterija »%1« ni v modelu.").arg(nodePath));
            model.Tree.Select(node);
            model.FitNodeMatrix(node);
            AnalyzeAll(model);
        }
    } catch (const EKalvoError &e) {
        Print(stderr, e.message() + QLatin1Char('\n'));
        return 1;
    } catch (const std::bad_alloc &) {
        Print(stderr, OutOfMemoryMessage() + QLatin1Char('\n'));
        return 1;
    }

    if (report) {
        try {
            const QByteArray bytes = reportKind == QLatin1String("model") ? ModelReport(model)
                : reportKind == QLatin1String("criterion")               ? CriterionReport(model)
                                                                         : SolutionsReport(model);
            if (outputName == QLatin1String("-")) {
                if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
                    || std::fflush(stdout) != 0)
                    throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Izpisa ni mogoče zapisati na standardni izhod."));
            } else {
                WriteFiles({{outputName, bytes}});
            }
        } catch (const EKalvoError &e) {
            Print(stderr, e.message() + QLatin1Char('\n'));
            return 1;
        } catch (const std::bad_alloc &) {
            Print(stderr, OutOfMemoryMessage() + QLatin1Char('\n'));
            return 1;
        }
        return 0;
    }

    TCriterionNode *start = model.Tree.Selected() ? model.Tree.Selected() : model.Tree.FirstNode();
    if (advise) {
        try {
            model.FitNodeMatrix(start);
            const TConsistencyAdvice result = WithContext([start] { return CriterionPlace(start); },
                                                          [&] { return AdviseConsistency(*start->Matrix, model.ExactMethod); });
            Print(stdout, json ? AdviceJson(model, start, result) : AdviceText(model, start, result));
        } catch (const EKalvoError &e) {
            Print(stderr, e.message() + QLatin1Char('\n'));
            return 1;
        }
        return 0;
    }
    if (group) {
        Print(stdout, GroupJson(model, start));
        return 0;
    }
    if (sensitivity) {
        try {
            const TSensitivity result = AnalyzeSensitivity(model, start);
            if (json)
                PrintSensitivityJson(model, result, allCrossings);
            else
                Print(stdout, SensitivityTable(model, result));
        } catch (const EKalvoError &e) {
            Print(stderr, e.message() + QLatin1Char('\n'));
            return 1;
        }
        return 0;
    }
    Print(stdout, json ? Json(model, start) : Table(model, start));
    return 0;
}

// No command may die of a failed allocation (a model thousands of levels deep, a
// huge output): a clear error and exit 1.
int main(int argc, char *argv[])
{
    try {
        return Main(argc, argv);
    } catch (const std::bad_alloc &) {
        Print(stderr, OutOfMemoryMessage() + QLatin1Char('\n'));
    } catch (const EKalvoError &e) {
        Print(stderr, e.message() + QLatin1Char('\n'));
    }
    return 1;
}
