// kalvo-cli: the model engine from a shell.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "matrix/KalvoError.h"
#include "storage/ModelFiles.h"
#include "storage/Language.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <map>

extern const char *const KalvoCliUsage;
const char *const KalvoCliUsage =
    "Usage: kalvo-cli analyze [--approximate] [--mode MODE] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli sensitivity [--approximate] [--mode MODE] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli advise [--approximate] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli group [--approximate] [--node PATH] [--json] MODEL\n"
    "       kalvo-cli uncertainty [--approximate] [--mode MODE] [--node PATH] [--runs N] [--stream S] [--spread X]\n"
    "                             [--resample-participants] [--max-cr X] [--threads N] [--json] MODEL\n"
    "       kalvo-cli import-survey MODEL SURVEY.csv\n"
    "       kalvo-cli import-survey --merge MODEL ANSWERS.csv [ANSWERS.csv ...]\n"
    "       kalvo-cli questionnaire [--participant NAME] MODEL -o FILE.html\n"
    "       kalvo-cli report model|criterion|solutions [--node PATH] [--debug] [--approximate] [--mode MODE] MODEL -o FILE\n"
    "       kalvo-cli export --format xlsx|csv|json [--node PATH] [--approximate] [--mode MODE] [--matrices] MODEL -o FILE\n"
    "       kalvo-cli import [--force] MODEL.json -o BASENAME\n"
    "       kalvo-cli --help | --version\n"
    "       (every command takes --lang en for English messages; LANGUAGE=en does the same)\n";

namespace {

const char *const Help =
    "kalvo-cli analyze [--approximate] [--mode MODE] [--node PATH] [--json] MODEL\n"
    "\n"
    "Loads the model file set MODEL (stan, stan.krt or stan.KRT all open stan.KRT,\n"
    "stan.MAT and stan.RST) exactly as opening it in Kalvo does, selects a criterion,\n"
    "runs the synthesis and prints the solutions' scores.\n"
    "\n"
    "  --approximate  use the approximate method (normalised columns) instead of\n"
    "                 the exact one (8th power of the matrix)\n"
    "  --node PATH    start at this criterion: names from the root joined by \"/\",\n"
    "                 for example \"Stanovanje/Lega\"; the root by default\n"
    "  --mode MODE    distributive or ideal, over the mode the model keeps\n"
    "  --json         print a JSON document (UTF-8) instead of the table: model,\n"
    "                 method, mode, start, solutions [{name, score, total}],\n"
    "                 status [7 texts],\n"
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
    "kalvo-cli export --format xlsx|csv|json [--node PATH] [--approximate] [--matrices] MODEL -o FILE\n"
    "\n"
    "Loads and scores the model in the same way, then writes it out. xlsx: a\n"
    "spreadsheet with the sheets \"Rezultati\" (each solution's total score under\n"
    "the start criterion, its rank, and its local and global score under every leaf\n"
    "below it), \"Uteži\" (every criterion's path, local and global weight, lambda,\n"
    "CI, CR) and \"Model\" (the model, start criterion, method, marked solution);\n"
    "--matrices adds a sheet per ratio matrix. csv: the same tables in one UTF-8\n"
    "file (with a byte order mark), an empty line between them, \";\" between\n"
    "fields where the decimal separator is \",\". json: the whole model (tree, kinds, ratio texts, measured\n"
    "values, solutions, blank pairs, participants) as one document, format\n"
    "\"kalvo-model\" (see the help of the program).\n"
    "\n"
    "kalvo-cli import [--force] MODEL.json -o BASENAME\n"
    "\n"
    "Writes the model of a JSON document made by export as the file set\n"
    "BASENAME.KRT, .MAT, .RST (and BASENAME.JSON when the model needs it). A\n"
    "document that is not a model is refused with the place of the fault, for\n"
    "example \"criteria[3].values[2]: not a number\"; nothing is written then.\n"
    "An existing set is replaced only with --force; the document read is never\n"
    "written over.\n"
    "\n"
    "Numbers use the decimal separator of the locale (LC_ALL, LC_NUMERIC, LANG).\n"
    "Exit status: 0 done, 1 a file, conversion or arithmetic error (its message\n"
    "goes to standard error; a failed write to standard output is one), 2 wrong\n"
    "usage. Warnings go to standard error.\n";

} // namespace

int main(int argc, char *argv[])
{
    // A closed pipe is a failed write to report, not a signal that ends the program.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    // Messages in English with --lang en or LANGUAGE=en; the JSON keys never change.
    const QString language = LanguageFrom(app.arguments(), qEnvironmentVariable("LANGUAGE"), QStringLiteral("sl"));
    InstallLanguage(app, language);
    SetCliLanguage(language);
    QStringList arguments = WithoutLanguage(app.arguments().mid(1));
    if (arguments.contains(QStringLiteral("--version"))) {
        std::fputs("kalvo-cli " KALVO_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(Help, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    const std::map<QString, int (*)(const QStringList &)> commands{
        {QStringLiteral("analyze"), AnalyzeCommand},   {QStringLiteral("sensitivity"), SensitivityCommand},
        {QStringLiteral("advise"), AdviseCommand},     {QStringLiteral("group"), GroupCommand},
        {QStringLiteral("report"), ReportCommand},     {QStringLiteral("import-survey"), ImportSurveyCommand},
        {QStringLiteral("export"), ExportCommand},     {QStringLiteral("import"), ImportCommand},
        {QStringLiteral("uncertainty"), UncertaintyCommand}, {QStringLiteral("questionnaire"), QuestionnaireCommand}};
    const QString name = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const auto command = commands.find(name);
    if (command == commands.end())
        return UsageError(QStringLiteral("the command must be \"analyze\", \"sensitivity\", \"advise\", \"group\", "
                                         "\"uncertainty\", \"report\", \"questionnaire\", \"import-survey\", \"export\" or \"import\""));
    // No command may die of a failed allocation (a model thousands of levels deep,
    // a huge output): a clear error and exit 1.
    try {
        return command->second(arguments);
    } catch (const std::bad_alloc &) {
        PrintError(OutOfMemoryMessage() + QLatin1Char('\n'));
    } catch (const EKalvoError &e) {
        PrintError(e.message() + QLatin1Char('\n'));
    }
    return 1;
}
