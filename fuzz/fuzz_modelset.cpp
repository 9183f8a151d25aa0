// libFuzzer target: one input becomes a model file set, which goes through the
// load and synthesis kalvo-cli runs for every criterion, and the report builders.
//
// Input: a flags byte (bit 0: decimal point instead of comma, bit 1: approximate
// method, bit 2: Debug tables, bit 3: an English questionnaire, bit 4: participants
// resampled), then the criteria, matrix and solutions files and
// the companion (blank pairs, JSON) separated by NUL bytes; a fifth part is read
// as a model's JSON document, a sixth as a survey's answers to the model loaded,
// and a seventh as the journal an interrupted save left (recovered in a folder of
// the fuzzer's own, with the criteria file as the temporary it names).
#include "report/Questionnaire.h"
#include "report/Reports.h"
#include "analysis/Uncertainty.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "storage/FileSetCommit.h"
#include "storage/ModelFiles.h"
#include "storage/ModelJson.h"
#include "storage/SurveyImport.h"
#include "analysis/Synthesis.h"
#include "matrix/Matrix.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <unistd.h>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray Part(const QByteArray &input, int index)
{
    const QList<QByteArray> parts = input.split('\0');
    return index < parts.size() ? parts.at(index) : QByteArray();
}

// Whatever a journal says, recovery works in its own folder and never crashes.
void RecoverJournal(const QByteArray &journal, const QByteArray &temporary)
{
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/kalvo-fuzz-%1").arg(getpid());
        QDir().mkpath(path);
        return path;
    }();
    const QString base = folder + QStringLiteral("/m");
    QFile file(base + QStringLiteral(".kalvo-journal"));
    QFile copy(CommitTemporary(base + QStringLiteral(".KRT")));
    if (!file.open(QIODevice::WriteOnly) || file.write(journal) != journal.size() || !copy.open(QIODevice::WriteOnly)
        || copy.write(temporary) != temporary.size())
        return;
    file.close();
    copy.close();
    try {
        RecoverFileSet(base + QStringLiteral(".kalvo-journal"),
                       {base + QStringLiteral(".KRT"), base + QStringLiteral(".MAT"), base + QStringLiteral(".RST")});
    } catch (const EKalvoError &) {
    }
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        QFile::remove(folder + QLatin1Char('/') + name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const unsigned flags = data[0];
    const QByteArray input(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    static const QLocale comma(QLocale::Slovenian, QLocale::Slovenia);
    static const QLocale point(QLocale::English, QLocale::UnitedStates);
    QLocale::setDefault(flags & 1 ? point : comma);

    TMessageHandlerScope quiet([](const QString &) {});

    TModelSetBytes set;
    set.Criteria = Part(input, 0);
    set.Matrices = Part(input, 1);
    set.Solutions = Part(input, 2);
    set.CriteriaPath = QStringLiteral("fuzz.KRT");
    set.MatrixPath = QStringLiteral("fuzz.MAT");
    set.SolutionsPath = QStringLiteral("fuzz.RST");
    set.Extras = Part(input, 3);
    set.ExtrasPath = QStringLiteral("fuzz.JSON");

    // Any bytes as a model's JSON document: taken whole or refused, never a crash.
    try {
        TModel document;
        ModelFromJson(document, Part(input, 4));
        (void)EncodeProject(document);
    } catch (const EKalvoError &) {
    }

    if (const QByteArray journal = Part(input, 6); !journal.isEmpty())
        RecoverJournal(journal, set.Criteria);

    TModel model;
    model.SetMethod(!(flags & 2));
    model.SetDebugMode((flags & 4) != 0);
    try {
        (void)LoadProjectFrom(model, QStringLiteral("fuzz"), set);
    } catch (const EKalvoError &) {
        return 0;   // refused whole, as it should be
    }
    try {
        AnalyzeAll(model);   // as opening runs it; an error of the synthesis goes on
    } catch (const EKalvoError &) {
    }
    // A survey's answers to this model: read whole or refused, never a crash.
    if (const QByteArray survey = Part(input, 5); !survey.isEmpty())
        try {
            (void)ReadSurvey(model, survey, QStringLiteral("fuzz.csv"));
        } catch (const EKalvoError &) {
        }
    // The model written out as JSON and read back gives the same files.
    try {
        const TModelSetBytes before = EncodeProject(model);
        TModel back;
        ModelFromJson(back, ModelToJson(model));
        const TModelSetBytes after = EncodeProject(back);
        if (after.Criteria != before.Criteria || after.Matrices != before.Matrices
            || after.Solutions != before.Solutions || after.Extras != before.Extras)
            __builtin_trap();
    } catch (const EKalvoError &) {
        // a text the JSON reader refuses (no ratio, no number, an unknown kind)
    }
    // Every criterion as the selected one (the first four), as kalvo-cli --node does.
    // A clear error is a right answer; a crash, a leak or a blow-up is not.
    // With many solutions every leaf is a large matrix, whose 8th power is slow
    // under the sanitizers though quick in the program: then the load's own
    // synthesis is the one run, and the reports leave out the working tables.
    const bool large = model.SolutionCount() > 50;
    if (large)
        model.SetDebugMode(false);
    const int visits = large ? 0 : 4;
    int visited = 0;
    for (TCriterionNode *node : model.Tree.Nodes()) {
        if (++visited > visits)
            break;
        try {
            model.Tree.Select(node);
            model.FitNodeMatrix(node);
            AnalyzeAll(model);
        } catch (const EKalvoError &) {
        }
        // The reports of one criterion: the Debug tables are n x n four times over,
        // so they are drawn for the first criterion only, which keeps a run short.
        try {
            (void)CriterionReport(model);
            if (visited == 1)
                (void)SolutionsReport(model);
        } catch (const EKalvoError &) {
        }
        model.SetDebugMode(false);
    }
    // A questionnaire of the model, and a short simulation of its uncertainty.
    (void)QuestionnaireHtml(model, model.Participants.empty() ? QString() : model.Participants.front().Name, flags & 8);
    if (!large)
        try {
            TUncertaintySettings settings;
            settings.Runs = 20;
            settings.Threads = 1;
            settings.ResampleParticipants = !model.Participants.empty() && (flags & 16);
            (void)SimulateUncertainty(model, model.Tree.FirstNode(), settings);
        } catch (const EKalvoError &) {
        }
    try {
        if (large) {
            (void)CriterionReport(model);
            (void)SolutionsReport(model);
        }
        (void)ModelReport(model);
    } catch (const EKalvoError &) {
    }
    return 0;
}
