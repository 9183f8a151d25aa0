#include "TestMain.h"
#include "LocaleScope.h"
#include "matrix/Completion.h"
#include "storage/FileSetCommit.h"
#include "storage/ModelFiles.h"
#include "storage/ModelJson.h"
#include "model/NodePath.h"
#include "analysis/Synthesis.h"
#include "TestSupport.h"
#include "ModelSetWriter.h"
#include "MessageRecorder.h"
#include "storage/TextFiles.h"
#include "matrix/Conversions.h"

#include "report/Reports.h"

#include <QDir>
#include <QLockFile>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <thread>

namespace {

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}


// The flat example: Cena (less is better) and Lega (ratios), Stan A and Stan B.
void BuildStanovanje(TModel &model)
{
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Stanovanje");
    model.Tree.Select(root);
    TCriterionNode *cena = model.Tree.AddSelectedChild(QStringLiteral("Cena"), 0, ckLessIsBetter);
    model.Tree.AddSelectedChild(QStringLiteral("Lega"), 0, ckRelative);
    model.AddSolution(QStringLiteral("Stan A"));
    model.AddSolution(QStringLiteral("Stan B"));
    model.FitNodeMatrix(root);
    root->Matrix->Ratios[0][1] = QStringLiteral("1:3");
    root->Matrix->Ratios[1][0] = QStringLiteral("3:1");
    model.FitNodeMatrix(cena);
    cena->Matrix->AbsoluteValues = {"1250,5", "980"};
}

struct TNodeState
{
    QString Path;
    int Kind;
    int Order;
    std::vector<std::vector<QString>> Ratios;
    std::vector<QString> Values;
    bool operator==(const TNodeState &) const = default;
};

std::vector<TNodeState> State(const TModel &model)
{
    std::vector<TNodeState> state;
    for (const TCriterionNode *node : model.Tree.Nodes()) {
        const TMatrix *m = node->Matrix.get();
        state.push_back({NodePath(node), m ? int(m->Kind) : -1, m ? m->Order : -1,
                         m && m->Kind == ckRelative ? m->Ratios : std::vector<std::vector<QString>>(),
                         m && m->Kind != ckRelative ? m->AbsoluteValues : std::vector<QString>()});
    }
    return state;
}

QStringList Names(const TModel &model)
{
    QStringList names;
    for (const TSolution &s : model.Solutions)
        names << s.Name;
    return names;
}

} // namespace

class TestModelFiles : public QObject
{
    Q_OBJECT

private slots:
    void interruptedSaveLeavesOneWholeSet();
    void blankPairsRoundTrip();
    void groupRoundTrip();
    void damagedCompanion_data();
    void damagedCompanion();
    void savesTheDocumentedBytes();
    void roundTripKeepsEverything_data();
    void roundTripKeepsEverything();
    void inMemoryAndFileModelsAgree();
    void baseNames_data();
    void baseNames();
    void anyCaseOfTheNameFindsTheSet();
    void missingPartnersAreCreated();
    void decimalSeparatorIsSwapped_data();
    void decimalSeparatorIsSwapped();
    void unusableDecimalSeparator();
    void criteriaOutline_data();
    void criteriaOutline();
    void badMatrixFiles_data();
    void badMatrixFiles();
    void rootIsFittedAgainstTheLoadedSolutions();
    void failingRefreshStillLoadsEverything();
    void unreadableFileLeavesTheModel();
    void failedSaveKeepsThePreviousFiles();
    void nameOutsideTheCodePageIsRefused();
    void fullDiskKeepsThePreviousFiles_data();
    void fullDiskKeepsThePreviousFiles();
    void tinyFilesAskingForHugeMatrices_data();
    void tinyFilesAskingForHugeMatrices();
    void twoProgramsOneSet();
    void orderTwoHundredIsRead();
    void openingMarksTheFirstAndSavingKnowsTheSet();
    void straightThroughToDevices();
    void mirroredCellsThatDisagreeAreTold();
};

void TestModelFiles::savesTheDocumentedBytes()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    TModel model;
    BuildStanovanje(model);
    SaveProject(model, dir.filePath(QStringLiteral("Stanovanje.krt")));
    QCOMPARE(Bytes(dir.filePath("Stanovanje.KRT")), QByteArray("Stanovanje\r\n\tCena\r\n\tLega\r\n"));
    QCOMPARE(Bytes(dir.filePath("Stanovanje.RST")), QByteArray("Stan A\r\nStan B\r\n"));
    QCOMPARE(Bytes(dir.filePath("Stanovanje.MAT")),
             QByteArray("0\r\n2\r\n1\r\n1:3\r\n3:1\r\n1\r\n"
                        "1\r\n2\r\n1250,5\r\n980\r\n"
                        "0\r\n2\r\n1\r\n1\r\n1\r\n1\r\n"));
    QVERIFY(model.ProjectFileName.isEmpty());   // saving does not rename the model

    // Windows-1250 bytes, and an empty list gives an empty file.
    model.Tree.FirstNode()->Name = QStringLiteral("Plača in šola");
    model.Solutions.clear();
    SaveProject(model, dir.filePath(QStringLiteral("Drugi")));
    QVERIFY(Bytes(dir.filePath("Drugi.KRT")).startsWith("Pla\xE8" "a in \x9A" "ola\r\n"));
    QCOMPARE(Bytes(dir.filePath("Drugi.RST")), QByteArray());
}

void TestModelFiles::roundTripKeepsEverything_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("separator");
    for (const char *name : {"Stanovanje", "Avto", "Zaposlitev"})
        for (const char *sep : {",", "."})
            QTest::newRow(QByteArray(name) + " " + sep) << QString::fromLatin1(name) << QString::fromLatin1(sep);
}

void TestModelFiles::roundTripKeepsEverything()
{
    QFETCH(QString, example);
    QFETCH(QString, separator);
    TLocaleScope locale(separator);
    QTemporaryDir dir;
    TModel first;
    LoadProject(first, QStringLiteral(KALVO_EXAMPLES_DIR "/") + example);
    SaveProject(first, dir.filePath(example));
    TModel second;
    LoadProject(second, dir.filePath(example + ".KRT"));
    QCOMPARE(State(second), State(first));
    QCOMPARE(Names(second), Names(first));
    for (int k = 0; k < first.SolutionCount(); ++k)
        QCOMPARE(second.Solutions[k].Score, first.Solutions[k].Score);
    QCOMPARE(second.ProjectFileName, dir.filePath(example + ".KRT"));
    // Saving again writes the same bytes.
    SaveProject(second, dir.filePath(QStringLiteral("again")));
    for (const char *ext : {".KRT", ".MAT", ".RST"})
        QCOMPARE(Bytes(dir.filePath("again") + ext), Bytes(dir.filePath(example) + ext));
}

void TestModelFiles::inMemoryAndFileModelsAgree()
{
    for (const QString &separator : {QStringLiteral(","), QStringLiteral(".")}) {
        TLocaleScope locale(separator);
        for (bool exact : {true, false}) {
            TModel built;
            built.SetMethod(exact);
            BuildStanovanje(built);
            TCriterionNode *lega = built.Tree.FirstNode()->Child(1);
            built.FitNodeMatrix(lega);
            lega->Matrix->Ratios[1][0] = QStringLiteral("3:1");
            lega->Matrix->Ratios[0][1] = QStringLiteral("1:3");
            if (separator == QLatin1String("."))
                built.Tree.FirstNode()->Child(0)->Matrix->AbsoluteValues[0] = QStringLiteral("1250.5");
            AnalyzeAll(built);
            TModel loaded;
            loaded.SetMethod(exact);
            LoadProject(loaded, QStringLiteral(KALVO_EXAMPLES_DIR "/Stanovanje"));
            AnalyzeAll(loaded);
            for (int k = 0; k < 2; ++k)
                QCOMPARE(loaded.Solutions[k].ValueText, built.Solutions[k].ValueText);
            QCOMPARE(loaded.Solutions[0].ValueText, QStringLiteral("0") + separator + QStringLiteral("5170"));
            // The bars of the opened root show its weights, not the zeros before the first run.
            QCOMPARE(loaded.SubcriterionBars.at(0).ValueText, QStringLiteral("0") + separator + QStringLiteral("7500"));
        }
    }
}

void TestModelFiles::baseNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::newRow("extension") << "/m/stan.krt" << "/m/stan";
    QTest::newRow("no extension") << "/m/stan" << "/m/stan";
    QTest::newRow("other extension") << "/m/stan.xyz" << "/m/stan";
    QTest::newRow("dot in a folder name") << "/m.d/stan" << "/m.d/stan";
    QTest::newRow("only the last dot goes") << "Model 1.5" << "Model 1";
    QTest::newRow("empty") << "" << "";
}

void TestModelFiles::baseNames()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QCOMPARE(BaseName(name), base);
}

void TestModelFiles::anyCaseOfTheNameFindsTheSet()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    // A set whose extensions were written in lower case elsewhere.
    WriteModelSet(dir.filePath("lower"), {"Koren", "\tA"}, {"0", "1", "1", "1", "0", "1", "1"}, {"R1"});
    for (const char *ext : {".KRT", ".MAT", ".RST"})
        QVERIFY(QFile::rename(dir.filePath("lower") + ext, dir.filePath("lower") + QString::fromLatin1(ext).toLower()));
    for (const QString &name : {QStringLiteral("lower"), QStringLiteral("lower.krt"), QStringLiteral("lower.KRT")}) {
        TModel model;
        LoadProject(model, dir.filePath(name));
        QCOMPARE(model.Tree.NodeCount(), 2);
        QCOMPARE(Names(model), QStringList{"R1"});
        QCOMPARE(model.ProjectFileName, dir.filePath(name));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);   // no partner was created
}

// Reading writes nothing; opening in the window creates the partners first.
void TestModelFiles::missingPartnersAreCreated()
{
    QTemporaryDir dir;
    TModel model;
    model.AddSolution(QStringLiteral("old"));
    LoadProject(model, dir.filePath(QStringLiteral("nov.krt")));
    QVERIFY(QDir(dir.path()).isEmpty());
    CreateMissingPartners(dir.filePath(QStringLiteral("nov.krt")));
    LoadProject(model, dir.filePath(QStringLiteral("nov.krt")));
    QCOMPARE(model.Tree.NodeCount(), 1);
    QCOMPARE(model.Tree.FirstNode()->Name, dir.filePath(QStringLiteral("nov")));
    QCOMPARE(model.SolutionCount(), 0);
    QCOMPARE(model.MarkedSolution, 0);
    QCOMPARE(Bytes(dir.filePath("nov.KRT")), (dir.filePath("nov") + "\r\n").toUtf8());
    QCOMPARE(Bytes(dir.filePath("nov.RST")), QByteArray());
    QCOMPARE(Bytes(dir.filePath("nov.MAT")), QByteArray());
}

void TestModelFiles::decimalSeparatorIsSwapped_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("comma to point") << "." << "1250,5" << "1250.5";
    QTest::newRow("only the last comma") << "." << "1.250,5" << "1.250.5";
    QTest::newRow("the last of two commas") << "." << "1,250,5" << "1,250.5";
    QTest::newRow("point to comma") << "," << "12.5" << "12,5";
    QTest::newRow("no foreign separator") << "," << "980" << "980";
    QTest::newRow("own separator stays") << "," << "2,5" << "2,5";
}

void TestModelFiles::decimalSeparatorIsSwapped()
{
    QFETCH(QString, separator);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    TLocaleScope locale(separator);
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), {"Cena"}, {"1", "2", stored, "1:3"}, {"A", "B"});
    TModel model;
    ErrorOf([&] { LoadProject(model, dir.filePath("m")); });
    QCOMPARE(model.Tree.FirstNode()->Matrix->AbsoluteValues[0], loaded);
    QCOMPARE(model.Tree.FirstNode()->Matrix->AbsoluteValues[1], QStringLiteral("1:3"));   // as read
}

void TestModelFiles::unusableDecimalSeparator()
{
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), {"Koren", "\tA"}, {"0", "1", "1", "1", "0"}, {"R"});
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    if (DecimalSeparator() == QLatin1String(",") || DecimalSeparator() == QLatin1String(".")) {
        QLocale::setDefault(previous);
        QSKIP("this Qt gives the Arabic locale a Latin decimal separator");
    }
    TModel model;
    QStringList notes;
    const QString error = ErrorOf([&] { notes = LoadProject(model, dir.filePath("m")); });
    QLocale::setDefault(previous);
    QCOMPARE(error, QString());
    QCOMPARE(notes, QStringList{BadDecimalSeparatorMessage()});
    QCOMPARE(model.Tree.NodeCount(), 2);
    QCOMPARE(model.Tree.FirstNode()->Matrix->Order, 1);   // fitted afresh, nothing from the file
    QVERIFY(!model.Tree.FirstNode()->Child(0)->Matrix);
}

void TestModelFiles::criteriaOutline_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("error");
    QTest::newRow("nested, back up two levels") << QByteArray("R\r\n\tA\r\n\t\tA1\r\n\tB\r\n")
        << QStringList{"R", "R/A", "R/A/A1", "R/B"} << "";
    QTest::newRow("first line is top-level whatever its level") << QByteArray("\t\tR\r\n\tA\r\n")
        << QStringList{"R", "R/A"} << "";
    QTest::newRow("blanks count as levels and leave the name") << QByteArray("R\n A\n \tB\n")
        << QStringList{"R", "R/A", "R/A/B"} << "";
    QTest::newRow("lone CR, lone LF, no final end") << QByteArray("R\r\tA\n\tB")
        << QStringList{"R", "R/A", "R/B"} << "";
    QTest::newRow("several top-level lines") << QByteArray("R\r\nS\r\n\tS1\r\n")
        << QStringList{"R", "S", "S/S1"} << "";
    QTest::newRow("jump of two levels leaves the model as it was")
        << QByteArray("R\r\n\tA\r\n\t\t\tX\r\n\tB\r\n") << QStringList{""} << "Napačna raven 3 v vrstici 3 datoteke »%1«: »X« je več kot eno raven globlje od kriterija pred njim.";
    QTest::newRow("empty file gives an empty tree") << QByteArray() << QStringList() << "";
}

void TestModelFiles::criteriaOutline()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, paths);
    QFETCH(QString, error);
    QTemporaryDir dir;
    Put(dir.filePath("m.KRT"), bytes);
    Put(dir.filePath("m.MAT"), QByteArray());
    Put(dir.filePath("m.RST"), QByteArray("A\r\n"));
    TModel model;
    model.ProjectFileName = QStringLiteral("prej");
    const QString got = ErrorOf([&] { LoadProject(model, dir.filePath("m")); });
    QCOMPARE(got, error.isEmpty() ? error : error.arg(dir.filePath("m.KRT")));
    QStringList loaded;
    for (const TCriterionNode *node : model.Tree.Nodes())
        loaded << NodePath(node);
    QCOMPARE(loaded, paths);
    // A failed outline reads no solutions and keeps the file name.
    QCOMPARE(model.ProjectFileName, error.isEmpty() ? dir.filePath("m") : QStringLiteral("prej"));
    QCOMPARE(model.SolutionCount(), error.isEmpty() ? 1 : 0);
}

void TestModelFiles::badMatrixFiles_data()
{
    QTest::addColumn<QStringList>("matrix");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("orders");      // per node after the load, -1 for no matrix
    QTest::addColumn<bool>("solutionsRead");
    const QString root = QStringLiteral("0"), two = QStringLiteral("2");
    // A set that cannot be read leaves the model as it was: its nameless root without a matrix.
    const QStringList untouched{"-1"};
    QTest::newRow("kind is not a number") << QStringList{"x", "2"}
        << "'x' is not a valid integer value\nDatoteka »%1«, vrstica 1" << untouched << false;
    QTest::newRow("blank line where a record should begin") << QStringList{"0", "2", "1", "1:3", "3:1", "1", ""}
        << "'' is not a valid integer value\nDatoteka »%1«, vrstica 7" << untouched << false;
    QTest::newRow("order is a decimal") << QStringList{"0", "2,5"}
        << "'2,5' is not a valid integer value\nDatoteka »%1«, vrstica 2" << untouched << false;
    QTest::newRow("a long bad text is cut") << QStringList{"0", QString(70, QLatin1Char('9')) + "x"}
        << "'" + QString(60, QLatin1Char('9')) + "…' is not a valid integer value\nDatoteka »%1«, vrstica 2"
        << untouched << false;
    QTest::newRow("negative order") << QStringList{"0", "-2"}
        << "Neveljaven red matrike »-2« v vrstici 2 datoteke »%1«." << untouched << false;
    QTest::newRow("relative order beyond comparing by hand") << QStringList{"0", "201"}
        << TooLargeMessage(201) + "\nDatoteka »%1«, vrstica 2" << untouched << false;
    QTest::newRow("value order beyond what the file holds") << QStringList{"2", "2000000"}
        << "Neveljaven red matrike »2000000« v vrstici 2 datoteke »%1«." << untouched << false;
    QTest::newRow("record cut short reads empty texts, fitted to 1")
        << QStringList{"0", "2", "1", "1:3", "3:1", "1", "1", "2", "7"}
        << "'' is not a valid floating point value\nKriterij »Koren/A«, vrednost 2" << QStringList{"2", "2", "-1"} << true;
    QTest::newRow("fewer records than nodes") << QStringList{"0", "2", "1", "1", "1", "1"} << ""
                                              << QStringList{"2", "-1", "-1"} << true;
    QTest::newRow("more records than nodes are passed over")
        << QStringList{"0", "2", "1", "1", "1", "1", "2", "2", "5", "6", "2", "2", "1", "1", "0", "2", "x", "y"} << ""
        << QStringList{"2", "2", "2"} << true;
    QTest::newRow("unknown kind is read like values")
        << QStringList{"0", "2", "1", "1", "1", "1", "7", "2", "5", "6", "2", "2", "1", "1"} << ""
        << QStringList{"2", "2", "2"} << true;
    QTest::newRow("order that does not fit is kept until fitted")
        << QStringList{"0", "2", "1", "1", "1", "1", "1", "3", "5", "6", "7"} << ""
        << QStringList{"2", "3", "-1"} << true;
}

void TestModelFiles::badMatrixFiles()
{
    QFETCH(QStringList, matrix);
    QFETCH(QString, error);
    QFETCH(QStringList, orders);
    QFETCH(bool, solutionsRead);
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), {"Koren", "\tA", "\tB"}, matrix, {"S1", "S2"});
    TModel model;
    model.AddSolution(QStringLiteral("staro"));
    // An error of reading, or of the synthesis that follows it.
    const QString got = ErrorOf([&] {
        LoadProject(model, dir.filePath("m"));
        AnalyzeAll(model);
    });
    QCOMPARE(got, error.isEmpty() ? error : error.arg(dir.filePath("m.MAT")));
    QStringList loaded;
    for (const TCriterionNode *node : model.Tree.Nodes())
        loaded << QString::number(node->Matrix ? node->Matrix->Order : -1);
    QCOMPARE(loaded, orders);
    const QStringList expected = solutionsRead ? QStringList{"S1", "S2"} : QStringList{"staro"};
    QCOMPARE(Names(model), expected);
    if (QTest::currentDataTag() == QByteArrayLiteral("record cut short reads empty texts, fitted to 1")) {
        const TMatrix &a = *model.Tree.FirstNode()->Child(0)->Matrix;
        QCOMPARE(a.AbsoluteValues, (std::vector<QString>{"7", ""}));
        model.FitNodeMatrix(model.Tree.FirstNode()->Child(0));
        QCOMPARE(a.AbsoluteValues, (std::vector<QString>{"7", "1"}));
    }
}

void TestModelFiles::rootIsFittedAgainstTheLoadedSolutions()
{
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), {"Sam koren"},
           {"0", "3", "1", "1:2", "1:4", "2:1", "1", "1:3", "4:1", "3:1", "1"}, {"A", "B", "C"});
    TModel model;   // the model open before has fewer solutions than the one loaded
    model.AddSolution(QStringLiteral("edina"));
    LoadProject(model, dir.filePath("m"));
    const TMatrix &m = *model.Tree.FirstNode()->Matrix;
    QCOMPARE(m.Order, 3);
    QCOMPARE(m.Ratios[1][2], QStringLiteral("1:3"));
    QCOMPARE(model.Tree.Selected(), model.Tree.FirstNode());
}

// A model that reads but does not compute comes in whole: the synthesis says why.
void TestModelFiles::failingRefreshStillLoadsEverything()
{
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), {"Koren"}, {"0", "2", "1", "0:0", "1", "1"}, {"A", "B"});
    TModel model;
    QCOMPARE(ErrorOf([&] { LoadProject(model, dir.filePath("m")); }), QString());
    const QString error = ErrorOf([&] { AnalyzeAll(model); });
    QCOMPARE(error, QStringLiteral("Invalid floating point operation\nKriterij »Koren«, celica (2, 1)"));
    QCOMPARE(Names(model), (QStringList{"A", "B"}));
    QCOMPARE(model.ProjectFileName, dir.filePath("m"));
    QCOMPARE(model.Tree.FirstNode()->Matrix->Ratios[0][1], QStringLiteral("0:0"));
}

void TestModelFiles::unreadableFileLeavesTheModel()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), {"Koren"}, {}, {});
    QFile::remove(dir.filePath("m.MAT"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("m.MAT")));   // a folder where the file should be
    TModel model;
    BuildStanovanje(model);
    AnalyzeAll(model);
    const auto before = State(model);
    const QString error = ErrorOf([&] { LoadProject(model, dir.filePath("m")); });
    QVERIFY2(error.contains(dir.filePath("m.MAT")), qPrintable(error));
    QCOMPARE(State(model), before);
    QCOMPARE(Names(model), (QStringList{"Stan A", "Stan B"}));
}

void TestModelFiles::failedSaveKeepsThePreviousFiles()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    TModel model;
    BuildStanovanje(model);
    SaveProject(model, dir.filePath("m"));
    const QByteArray krt = Bytes(dir.filePath("m.KRT"));
    const QByteArray mat = Bytes(dir.filePath("m.MAT"));
    QVERIFY(QFile::remove(dir.filePath("m.RST")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("m.RST")));   // cannot be replaced by a file
    model.Tree.FirstNode()->Name = QStringLiteral("Preimenovan");
    model.AddSolution(QStringLiteral("Stan C"));
    const QString error = ErrorOf([&] { SaveProject(model, dir.filePath("m")); });
    QVERIFY2(error.contains(dir.filePath("m.RST")), qPrintable(error));
    QCOMPARE(Bytes(dir.filePath("m.KRT")), krt);
    QCOMPARE(Bytes(dir.filePath("m.MAT")), mat);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"m.KRT", "m.MAT"}));   // no temporaries left
}

void TestModelFiles::fullDiskKeepsThePreviousFiles_data()
{
    QTest::addColumn<bool>("report");
    QTest::newRow("model set") << false;
    QTest::newRow("report") << true;
}

void TestModelFiles::fullDiskKeepsThePreviousFiles()
{
    QFETCH(bool, report);
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    // A real full disk: a small file system of its own, filled to the last byte.
    if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("a small tmpfs cannot be mounted here (needs root)");
    struct TUnmount {
        QString Path;
        ~TUnmount() { ::umount2(QFile::encodeName(Path).constData(), MNT_DETACH); }
    } unmount{dir.path()};
    TModel model;
    BuildStanovanje(model);
    AnalyzeAll(model);
    const QString target = dir.filePath(report ? "Model.htm" : "m");
    auto save = [&] { report ? WriteModelReport(model, target) : (void)SaveProject(model, target); };
    save();
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    std::vector<QByteArray> before;
    for (const QString &file : files)
        before.push_back(Bytes(dir.filePath(file)));
    {
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
    }
    model.Tree.FirstNode()->Name = QStringLiteral("Preimenovan");
    const QString error = ErrorOf(save);
    QVERIFY2(error.startsWith(QStringLiteral("Datoteke ni mogoče")) && error.contains(dir.path()), qPrintable(error));
    QStringList after = QDir(dir.path()).entryList(QDir::Files);
    after.removeOne(QStringLiteral("filler"));
    QCOMPARE(after, files);   // no temporaries left
    for (size_t i = 0; i < before.size(); ++i)
        QCOMPARE(Bytes(dir.filePath(files.at(qsizetype(i)))), before[i]);
}

void TestModelFiles::tinyFilesAskingForHugeMatrices_data()
{
    // Each set is a few kilobytes; each once took gigabytes or minutes.
    QTest::addColumn<QStringList>("criteria");
    QTest::addColumn<QStringList>("matrix");
    QTest::addColumn<int>("solutions");
    QTest::addColumn<QString>("error");
    QStringList children{"Koren"};
    for (int i = 0; i < 2000; ++i)
        children << QStringLiteral("\t%1").arg(i);
    QTest::newRow("10,000 blank solutions under a root") << QStringList{"Koren"} << QStringList() << 10000
        << TooLargeMessage(10000) + "\nKriterij »Koren«";
    QTest::newRow("2,000 children compared by ratios") << children << QStringList() << 0
        << TooLargeMessage(2000) + "\nKriterij »Koren«";
    QTest::newRow("one relative record of order 1000") << QStringList{"Koren"} << QStringList{"0", "1000"} << 0
        << TooLargeMessage(1000) + "\nDatoteka »MAT«, vrstica 2";
    QTest::newRow("a 201st solution for a relative leaf") << QStringList{"Koren"} << QStringList{"0", "1", "1"}
        << 201 << TooLargeMessage(201) + "\nDatoteka »RST«, vrstica 201, Kriterij »Koren«";
}

void TestModelFiles::tinyFilesAskingForHugeMatrices()
{
    QFETCH(QStringList, criteria);
    QFETCH(QStringList, matrix);
    QFETCH(int, solutions);
    QFETCH(QString, error);
    QTemporaryDir dir;
    WriteModelSet(dir.filePath("m"), criteria, matrix, QStringList(solutions, QString()));
    TModel model;
    BuildStanovanje(model);
    const auto before = State(model);
    QCOMPARE(ErrorOf([&] { LoadProject(model, dir.filePath("m")); }),
             QString(error).replace("»MAT«", "»" + dir.filePath("m.MAT") + "«")
                 .replace("»RST«", "»" + dir.filePath("m.RST") + "«"));
    QCOMPARE(State(model), before);
}

void TestModelFiles::nameOutsideTheCodePageIsRefused()
{
    QTemporaryDir dir;
    TModel model;
    BuildStanovanje(model);
    SaveProject(model, dir.filePath("m"));
    const QByteArray rst = Bytes(dir.filePath("m.RST"));
    model.AddSolution(QStringLiteral("Стан В"));
    const QString error = ErrorOf([&] { SaveProject(model, dir.filePath("m")); });
    // The line that cannot be written, not the whole file around it.
    QCOMPARE(error, QStringLiteral("Besedila »Стан В« ni mogoče zapisati v kodni strani Windows-1250."));
    QCOMPARE(Bytes(dir.filePath("m.RST")), rst);
}

void TestModelFiles::orderTwoHundredIsRead()
{
    QTemporaryDir dir;
    QStringList matrix{"0", "200"};
    for (int i = 0; i < 200 * 200; ++i)
        matrix << QStringLiteral("1");
    WriteModelSet(dir.filePath("m"), {"Koren"}, matrix, QStringList(200, QStringLiteral("R")));
    TModel model;
    LoadProject(model, dir.filePath("m"));
    QCOMPARE(model.Tree.FirstNode()->Matrix->Order, 200);
}

void TestModelFiles::openingMarksTheFirstAndSavingKnowsTheSet()
{
    QTemporaryDir dir;
    TModel model;
    BuildStanovanje(model);
    model.MarkSolution(1);
    SaveProject(model, dir.filePath("m"));
    QVERIFY(!SavingReplacesOtherSet(model, dir.filePath("m")));   // its own set now
    TModel other;
    other.AddSolution(QStringLiteral("X"));
    other.AddSolution(QStringLiteral("Y"));
    other.MarkSolution(1);
    QVERIFY(SavingReplacesOtherSet(other, dir.filePath("m")));
    LoadProject(other, dir.filePath("m"));
    QCOMPARE(other.MarkedSolution, 0);
    QVERIFY(!SavingReplacesOtherSet(other, dir.filePath("m")));
}

// Devices and pipes are written straight through, and their errors are told.
void TestModelFiles::straightThroughToDevices()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("cev"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QByteArray received;
    std::thread reader([&] {
        QFile in(fifo);
        if (in.open(QIODevice::ReadOnly))
            received = in.readAll();
    });
    WriteFiles({{fifo, QByteArrayLiteral("vsebina\r\n")}});
    reader.join();
    QCOMPARE(received, QByteArrayLiteral("vsebina\r\n"));
    QVERIFY(QFileInfo(fifo).isFile() == false);   // still the pipe, not replaced by a file
    if (QFileInfo::exists(QStringLiteral("/dev/full")))
        QVERIFY(ErrorOf([] { WriteFiles({{QStringLiteral("/dev/full"), QByteArray(1 << 16, 'x')}}); })
                    .contains(QStringLiteral("/dev/full")));
}

// A save notices a set changed since it was read, and a set being saved (locked)
// is neither written nor read half.
void TestModelFiles::twoProgramsOneSet()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("skupni"));
    WriteModelSet(name, {"Cilj", "\tA"}, {}, {"R"});
    TModel a, b;
    LoadProject(a, name);
    LoadProject(b, name);
    QVERIFY(!SetChangedOnDisk(a, name));
    b.AddSolution(QStringLiteral("S"));
    SaveProject(b, name);
    QVERIFY(SetChangedOnDisk(a, name));
    QVERIFY(!SetChangedOnDisk(b, name));
    SaveProject(a, name);
    QVERIFY(!SetChangedOnDisk(a, name) && SetChangedOnDisk(b, name));

    QLockFile other(BaseName(name) + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));
    const QByteArray before = ReadFileBytes(name + QStringLiteral(".RST"));
    QCOMPARE(ErrorOf([&] { SaveProject(b, name); }),
             QStringLiteral("Model »skupni« pravkar shranjuje drug program (%1). Poskusite znova.").arg(name + ".lock"));
    QCOMPARE(ReadFileBytes(name + QStringLiteral(".RST")), before);
    QVERIFY(!ErrorOf([&] { LoadProject(b, name); }).isEmpty());
    other.unlock();
    LoadProject(b, name);
    QCOMPARE(b.SolutionCount(), 1);

    // A lock file its maker never wrote its process into (killed in between) holds nothing.
    Put(name + QStringLiteral(".lock"), QByteArray());
    QCOMPARE(ErrorOf([&] { SaveProject(b, name); }), QString());
}

void TestModelFiles::mirroredCellsThatDisagreeAreTold()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("zrcalo"));
    WriteModelSet(name, {"Koren", "\tA", "\tB", "\tC"}, {"0", "3", "1", "1:9", "1:9", "1:9", "1", "1:9", "1:9", "1:9", "1"}, {});
    TModel model;
    const QStringList notes = LoadProject(model, name);
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.at(0).contains(QStringLiteral("Kriterij »Koren«: celici (1, 2) in (2, 1) (1:9 in 1:9)")),
             qPrintable(notes.at(0)));
}

namespace {

// A root comparing A, B and C: A : B judged 2:1, B : C 3:1, A : C blank.
void BuildBlankPair(TModel &model)
{
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Koren");
    for (const char *name : {"A", "B", "C"})
        model.Tree.Append(root, QString::fromLatin1(name));
    model.FitNodeMatrix(root);
    for (int i = 0; i < 3; ++i)
        model.FitNodeMatrix(root->Child(i));
    auto &ratios = root->Matrix->Ratios;
    ratios[1][0] = QStringLiteral("2:1");
    ratios[0][1] = QStringLiteral("1:2");
    ratios[2][1] = QStringLiteral("3:1");
    ratios[1][2] = QStringLiteral("1:3");
    ratios[2][0].clear();
    ratios[0][2].clear();
}

} // namespace

// Blank pairs go into the companion, their completed values into the .MAT: the
// set reads back whole, and the three files alone as a complete model.
void TestModelFiles::blankPairsRoundTrip()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Prazni"));
    TModel model;
    BuildBlankPair(model);
    SaveProject(model, name);
    QVERIFY(Bytes(name + ".MAT").startsWith("0\r\n3\r\n1\r\n1:2\r\n1000:6000\r\n"));
    const QByteArray extras = Bytes(name + ".JSON");
    QVERIFY2(extras.contains("\"format\": \"kalvo-model-extras\"") && extras.contains("\"path\": \"Koren\""),
             extras.constData());

    TModel back;
    LoadProject(back, name);
    QVERIFY(IsBlankPair(*back.Tree.FirstNode()->Matrix, 0, 2));
    const TModelSetBytes again = EncodeProject(back), first = EncodeProject(model);
    QCOMPARE(again.Matrices, first.Matrices);
    QCOMPARE(again.Extras, first.Extras);
    const std::vector<double> weights = back.Tree.FirstNode()->Matrix->Vector;

    // Without the companion: complete, the completion as a judgement, the same weights.
    QVERIFY(QFile::remove(name + ".JSON"));
    TModel alone;
    LoadProject(alone, name);
    QVERIFY(!HasBlankPairs(*alone.Tree.FirstNode()->Matrix));
    for (size_t i = 0; i < 3; ++i)
        QVERIFY(std::fabs(alone.Tree.FirstNode()->Matrix->Vector[i] - weights[i]) < 1e-9);

    // A model without blank pairs writes none, and empties one left from before.
    SaveProject(alone, name);
    QVERIFY(!QFile::exists(name + ".JSON"));
    SaveProject(model, name);
    SaveProject(alone, name);
    TModel complete;
    LoadProject(complete, name);
    QVERIFY(!HasBlankPairs(*complete.Tree.FirstNode()->Matrix));
}

// A group's judgements go into the companion, its aggregate into the .MAT: the
// set reads back whole, and the three files alone as one judge with the group's result.
void TestModelFiles::groupRoundTrip()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Skupina"));
    TModel model;
    BuildBlankPair(model);
    TMatrix &root = *model.Tree.FirstNode()->Matrix;
    model.Participants = {{QStringLiteral("Ana"), 1.0}, {QStringLiteral("Bine"), 2.0}};
    TJudgeTexts ana = root.Ratios, bine = root.Ratios;
    ana[2][0] = QStringLiteral("5:1");   // Ana judges A : C; Bine leaves it blank
    ana[0][2] = QStringLiteral("1:5");
    bine[1][0] = QStringLiteral("4:1");  // and they differ on A : B
    bine[0][1] = QStringLiteral("1:4");
    root.Judges = {ana, bine};
    AnalyzeAll(model);
    const std::vector<double> weights = root.Vector;
    // A : B is the weighted geometric mean of 2 and 4; A : C Ana's 5 alone.
    QVERIFY(std::fabs(root.Given[0 * 3 + 1] - std::pow(2.0, 1.0 / 3.0) * std::pow(4.0, 2.0 / 3.0)) < 1e-12);
    QVERIFY(std::fabs(root.Given[0 * 3 + 2] - 5.0) < 1e-12);
    SaveProject(model, name);
    QVERIFY(Bytes(name + ".MAT").startsWith("0\r\n3\r\n1\r\n1000:3175\r\n1000:5000\r\n"));

    TModel back;
    LoadProject(back, name);
    AnalyzeAll(back);
    QCOMPARE(back.Participants, model.Participants);
    QCOMPARE(back.Tree.FirstNode()->Matrix->Judges, root.Judges);
    for (size_t i = 0; i < 3; ++i)
        QVERIFY(std::fabs(back.Tree.FirstNode()->Matrix->Vector[i] - weights[i]) < 1e-12);   // full precision
    QCOMPARE(EncodeProject(back).Extras, EncodeProject(model).Extras);

    QVERIFY(QFile::remove(name + ".JSON"));
    TModel alone;
    LoadProject(alone, name);
    AnalyzeAll(alone);
    QVERIFY(alone.Participants.empty());
    for (size_t i = 0; i < 3; ++i)
        QVERIFY(std::fabs(alone.Tree.FirstNode()->Matrix->Vector[i] - weights[i]) < 1e-3);
}

void TestModelFiles::damagedCompanion_data()
{
    QTest::addColumn<QByteArray>("companion");
    QTest::addColumn<QString>("error");            // a part of the message; empty: the set loads
    QTest::addColumn<QList<double>>("weights");    // the participants', when it loads
    QTest::addColumn<QString>("told");             // a part of the warning, when it loads with one
    const QByteArray head = "{\"format\": \"kalvo-model-extras\", \"version\": 1, \"criteria\": ";
    const QByteArray group = "{\"format\": \"kalvo-model-extras\", \"version\": 1, \"participants\": ";
    const QByteArray ana = "[{\"name\": \"Ana\"}], \"criteria\": [{\"index\": 0, \"path\": \"Koren\", \"blank\": [], ";
    QTest::newRow("a blank pair on the diagonal")
        << head + "[{\"index\": 0, \"path\": \"Koren\", \"blank\": [[2, 2]]}]}" << "criteria[0].blank[0]" << QList<double>() << "";
    QTest::newRow("judgements of a participant not listed")
        << group + ana + "\"judgements\": [{\"participant\": 1, \"ratios\": [\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"]}]}]}"
        << "criteria[0].judgements[0]" << QList<double>() << "";
    QTest::newRow("a short judgement list")
        << group + ana + "\"judgements\": [{\"participant\": 0, \"ratios\": [\"1\", \"1\", \"1\", \"1\"]}]}]}"
        << "criteria[0].judgements[0]" << QList<double>() << "";
    QTest::newRow("a nameless participant") << group + "[{\"name\": \"\"}]}" << "participants[0]" << QList<double>() << "";
    auto judged = [&](const QByteArray &ratios) {
        return group + ana + "\"judgements\": [{\"participant\": 0, \"ratios\": [" + ratios + "]}]}]}";
    };
    QTest::newRow("a number for a ratio text") << judged("\"1\", 3, \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\"")
                                               << "judgements[0].ratios[1] ni besedilo" << QList<double>() << "";
    QTest::newRow("no ratio") << judged("\"1\", \"x\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\"")
                              << "judgements[0].ratios[1]: »x« ni sodba" << QList<double>() << "";
    QTest::newRow("not reciprocal") << judged("\"1\", \"3:1\", \"1\", \"1:2\", \"1\", \"1\", \"1\", \"1\", \"1\"")
                                    << "judgements[0].ratios[1]: »3:1« ni sodba" << QList<double>() << "";
    QTest::newRow("a judged diagonal") << judged("\"3:1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\"")
                                       << "judgements[0].ratios[0]: »3:1« ni sodba" << QList<double>() << "";
    QTest::newRow("judgements without participants")
        << head + "[{\"index\": 0, \"path\": \"Koren\", \"blank\": [], \"judgements\": [{\"participant\": 0, \"ratios\": []}]}]}"
        << "criteria[0].judgements: udeleženci niso našteti" << QList<double>() << "";
    QTest::newRow("taken: no weight is 1, weight 0 stays")
        << group + "[{\"name\": \"Ana\"}, {\"name\": \"Bine\", \"weight\": 0}]}" << "" << QList<double>{1.0, 0.0} << "";
    QTest::newRow("not JSON: not the companion, not read") << QByteArray("{\"format\": ") << "" << QList<double>()
                              << "ni dodatek modela Kalvo";
    QTest::newRow("another format: not the companion, not read") << QByteArray("{\"format\": \"x\", \"version\": 1}") << ""
                                    << QList<double>() << "ni dodatek modela Kalvo";
    QTest::newRow("a later version") << QByteArray("{\"format\": \"kalvo-model-extras\", \"version\": 2}")
                                     << "različica 2" << QList<double>() << "";
    QTest::newRow("criteria not a list") << head + "7}" << "\"criteria\" ni seznam" << QList<double>() << "";
    QTest::newRow("pair outside the matrix") << head + "[{\"index\": 0, \"path\": \"Koren\", \"blank\": [[1, 4]]}]}"
                                             << "criteria[0].blank[0]" << QList<double>() << "";
    QTest::newRow("pair the wrong way round")
        << head + "[{\"index\": 0, \"path\": \"Koren\", \"blank\": [[3, 1]]}]}" << "criteria[0].blank[0]" << QList<double>() << "";
    QTest::newRow("index not a position") << head + "[{\"index\": -1}]}" << "criteria[0].index" << QList<double>() << "";
    QTest::newRow("path of another node: passed over")
        << head + "[{\"index\": 0, \"path\": \"Drugi\", \"blank\": [[1, 3]]}], \"unknown\": true}" << "" << QList<double>() << "criteria[0]";
}

// A damaged companion is an error naming the file and the fault, and the model
// stays as it was; a stray entry is only passed over.
void TestModelFiles::damagedCompanion()
{
    QFETCH(QByteArray, companion);
    QFETCH(QString, error);
    QFETCH(QList<double>, weights);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Prazni"));
    {
        TModel model;
        BuildBlankPair(model);
        SaveProject(model, name);
    }
    Put(name + ".JSON", companion);
    TModel model;
    model.ProjectFileName = QStringLiteral("prej");
    QStringList notes;
    const QString message = ErrorOf([&] { notes = LoadProject(model, name); });
    if (error.isEmpty()) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QList<double> taken;
        for (const TParticipant &participant : model.Participants)
            taken << participant.Weight;
        QCOMPARE(taken, weights);
        QCOMPARE(notes.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty()) {   // passed over: the three files alone
            QVERIFY2(notes.first().contains(told), qPrintable(notes.first()));
            QVERIFY(!HasBlankPairs(*model.Tree.FirstNode()->Matrix));
        }
        return;
    }
    QVERIFY2(message.contains(error) && message.contains(QFileInfo(name + ".JSON").absoluteFilePath()),
             qPrintable(message));
    QCOMPARE(model.ProjectFileName, QStringLiteral("prej"));
}

namespace {

// Two group models of different shape, each with a companion.
QByteArray GroupModel(const char *root, const char *solution, double weight)
{
    return QStringLiteral(R"({"format": "kalvo-model", "version": 1, "solutions": ["%2", "Y", "Z"],
        "participants": [{"name": "Ana", "weight": %3}, {"name": "Bine", "weight": 1}],
        "criteria": [{"name": "%1", "level": 0, "kind": "relative",
                      "ratios": [["1", "2:1", ""], ["1:2", "1", "3:1"], ["", "1:3", "1"]],
                      "judgements": [[["1", "2:1", ""], ["1:2", "1", "3:1"], ["", "1:3", "1"]],
                                     [["1", "5:1", "1"], ["1:5", "1", "1"], ["1", "1", "1"]]]}]})")
        .arg(QLatin1String(root), QLatin1String(solution)).arg(weight).toUtf8();
}

QByteArray SetOnDisk(const QString &base)
{
    QByteArray bytes;
    for (const char *ext : {".KRT", ".MAT", ".RST", ".JSON"})
        bytes += Bytes(base + QLatin1String(ext)) + '|';
    return bytes;
}

} // namespace

// A save killed before each of its steps in turn (a child process that ends at that
// step): the next open finds the old set or the new one, byte for byte, leaves no
// temporary and says when it had to finish or drop what the save left.
void TestModelFiles::interruptedSaveLeavesOneWholeSet()
{
    TLocaleScope locale(QStringLiteral(","));
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("skupina"));
    TModel before, after;
    ModelFromJson(before, GroupModel("Prej", "X", 1.0));
    ModelFromJson(after, GroupModel("Potem", "W", 3.0));
    SaveProject(after, base);
    const QByteArray newSet = SetOnDisk(base);
    bool finished = false;
    for (int step = 0; !finished; ++step) {
        QVERIFY(step < 50);
        SaveProject(before, base);
        const QByteArray oldSet = SetOnDisk(base);
        QVERIFY(oldSet != newSet);
        const pid_t child = fork();
        if (child == 0) {
            SetCommitStepHook([step](int at) {
                if (at == step)
                    _exit(3);
            });
            SaveProject(after, base);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        const QStringList left = QDir(dir.path()).entryList({QStringLiteral("*.kalvo-*")}, QDir::Files);
        TModel opened;
        const QStringList notes = LoadProject(opened, base);
        const QByteArray onDisk = SetOnDisk(base);
        QVERIFY2(onDisk == oldSet || onDisk == newSet, qPrintable(QStringLiteral("step %1").arg(step)));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.kalvo-*")}, QDir::Files), QStringList());
        // Told exactly when something was left: finished once the journal was there.
        QCOMPARE(notes.size(), left.isEmpty() ? 0 : 1);
        if (!left.isEmpty())
            QCOMPARE(notes.first().contains(QStringLiteral("dokončano")), onDisk == newSet);
        QCOMPARE(opened.Tree.FirstNode()->Name, onDisk == newSet ? QStringLiteral("Potem") : QStringLiteral("Prej"));
    }
}

KALVO_TEST_GUILESS_MAIN(TestModelFiles)
#include "tst_modelfiles.moc"
