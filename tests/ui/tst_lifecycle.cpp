#include "TestMain.h"
#include "storage/ModelFiles.h"
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/mainwindow/StringGrid.h"
#include "analysis/Synthesis.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// What the window shows: tree, grid, rows, scores and status line.
QStringList Shown(TWindow &w)
{
    QStringList shown{w.Model.ProjectFileName};
    for (QTreeWidgetItemIterator it(w.Form.tv_kriteriji); *it; ++it)
        shown << (*it)->text(0) + ((*it)->isSelected() ? QStringLiteral(" *") : QString());
    for (int c = 0; c < w.Grid()->ColCount(); ++c)
        for (int r = 0; r < w.Grid()->RowCount(); ++r)
            shown << w.Grid()->Cell(c, r);
    shown << w.RowNames();
    for (int i = 0; i < w.RowNames().size(); ++i)
        shown << w.Score(i);
    for (int i = 0; i < 7; ++i)
        shown << w.Status(i);
    return shown;
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A model of a root with two criteria and two solutions, built through the menus.
void BuildSmallModel(TWindow &w)
{
    AnswerCriterion(QStringLiteral("Cena"), 1);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    AnswerCriterion(QStringLiteral("Lega"), 0);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    for (const char *name : {"A", "B"}) {
        AnswerName(QString::fromLatin1(name));
        w.Key(Qt::Key_R, Qt::ControlModifier);
    }
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newModelThenSave();
    void openRebuildsTheModel();
    void saveAsReloadsFromTheNewFiles();
    void exitAsksBeforeWriting_data();
    void exitAsksBeforeWriting();
    void cancelKeepsTheWindow();
    void onlyARootClosesWithoutAQuestion();
    void failedSaveLosesNothing();
    void startModelArgument();
    void failedOpenShowsWhatWasThere();
    void savingOverAnotherModelAsks_data();
    void savingOverAnotherModelAsks();
    void twoWindowsOnOneModel_data();
    void twoWindowsOnOneModel();
    void saveBesideSomeoneElsesJson_data();
    void saveBesideSomeoneElsesJson();

private:
    QTemporaryDir FDir;
    QString FPrevious;
};

void TestLifecycle::failedOpenShowsWhatWasThere()
{
    TWindow w;
    for (const char *ext : {".KRT", ".MAT", ".RST"})
        QFile::copy(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto") + ext, FDir.filePath(QStringLiteral("Avto") + ext));
    AnswerFile(FDir.filePath(QStringLiteral("Avto.KRT")));
    w.Key(Qt::Key_O, Qt::ControlModifier);
    w.ClickNode(QStringLiteral("Cena"));
    const QStringList before = Shown(w);
    // The criteria read, then an "x" where a kind should be.
    QDir().mkpath(FDir.filePath(QStringLiteral("slabi")));
    WriteModelSet(FDir.filePath(QStringLiteral("slabi/slab")), {"Drugi", "\tA", "\tB"},
                  {"0", "2", "1", "1", "1", "1", "x"}, {"R"});
    AnswerFile(FDir.filePath(QStringLiteral("slabi/slab.KRT")));
    QStringList log;
    AnswerAndRecord(&log);
    w.Key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.constFirst().contains(QStringLiteral("vrstica 7")), qPrintable(log.constFirst()));
    QCOMPARE(Shown(w), before);
}

void TestLifecycle::savingOverAnotherModelAsks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Shrani, No") << int(Qt::Key_S) << int(QMessageBox::No) << false;
    QTest::newRow("Shrani, Yes") << int(Qt::Key_S) << int(QMessageBox::Yes) << true;
    QTest::newRow("Izhod, Da, then No: no save, no exit") << int(Qt::Key_X) << int(QMessageBox::No) << false;
}

void TestLifecycle::savingOverAnotherModelAsks()
{
    QFETCH(int, key);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    WriteModelSet(FDir.filePath(QStringLiteral("Avto")), {"Star model", "\tA"}, {}, {"R"});
    const QByteArray before = Bytes(FDir.filePath("Avto.KRT"));
    TWindow w;
    AnswerName(QStringLiteral("Avto"));
    w.Key(Qt::Key_N, Qt::ControlModifier);
    BuildSmallModel(w);
    QStringList log;
    if (key == Qt::Key_X)
        AnswerAndRecord(&log, QMessageBox::Yes);   // save before leaving
    AnswerAndRecord(&log, QMessageBox::StandardButton(answer));
    w.Key(key, Qt::ControlModifier);
    QCOMPARE(log.constLast(), QStringLiteral("Vprašanje: Model »Avto« že obstaja. Ga želite nadomestiti?"));
    QCOMPARE(Bytes(FDir.filePath("Avto.KRT")) == before, !replaced);
    QVERIFY(w.Form.isVisible());
    // The set it was saved to is its own now: the next save asks nothing.
    if (replaced) {
        w.Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log.size(), 1);
        w.Key(Qt::Key_X, Qt::ControlModifier);   // saved: leaves without a question
        QVERIFY(!w.Form.isVisible());
    }
}

// Another window saved the same model since this one opened it: saving asks
// first, and "Ne" leaves the other window's files as they are.
void TestLifecycle::twoWindowsOnOneModel_data()
{
    QTest::addColumn<QString>("changed");   // the file the second window's save changes
    QTest::newRow("a solution added") << "skupni.RST";
    QTest::newRow("only the companion: a participant renamed") << "skupni.JSON";
}

// Another window saved the set since this one read it, in any of its files: the
// save asks before replacing its work.
void TestLifecycle::twoWindowsOnOneModel()
{
    QFETCH(QString, changed);
    WriteGroupModelSet(FDir.filePath(QStringLiteral("skupni")), {"Cilj", "\tA", "\tB"}, {"Ana", "Bine"}, {"1", "1", "1", "1"});
    TWindow first, second;
    first.Form.Run([&] { first.Form.OpenModel(FDir.filePath(QStringLiteral("skupni"))); });
    second.Form.Run([&] { second.Form.OpenModel(FDir.filePath(QStringLiteral("skupni"))); });
    if (changed.endsWith(QLatin1String(".RST"))) {
        AnswerName(QStringLiteral("Druga"));
        second.Key(Qt::Key_R, Qt::ControlModifier);
    } else {
        second.Form.Run([&] { second.Document.RenameParticipant(0, QStringLiteral("Anica")); });
    }
    second.Key(Qt::Key_S, Qt::ControlModifier);
    const QByteArray saved = Bytes(FDir.filePath(changed));

    QStringList log;
    AnswerAndRecord(&log, QMessageBox::No);
    first.Form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&first.Form));
    first.Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(log, QStringList{"Vprašanje: Model »skupni« je bil medtem spremenjen. Ga želite nadomestiti?"});
    QCOMPARE(Bytes(FDir.filePath(changed)), saved);
    AnswerAndRecord(&log, QMessageBox::Yes);
    first.Key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(Bytes(FDir.filePath(changed)) != saved);
    first.Key(Qt::Key_S, Qt::ControlModifier);   // its own files now: no question
    QCOMPARE(log.size(), 2);
}

void TestLifecycle::saveBesideSomeoneElsesJson_data()
{
    QTest::addColumn<QString>("beside");   // a file that is not the model's companion
    QTest::addColumn<bool>("refused");
    QTest::newRow("Kopija.json: another name, left alone") << "Kopija.json" << false;
    QTest::newRow("Kopija.JSON: the companion's name, the save refused") << "Kopija.JSON" << true;
}

// "Shrani model kot" a model that needs its companion, beside a JSON file of the
// user's own: that file is never replaced; where the companion would have to
// replace it, the save is refused, naming it.
void TestLifecycle::saveBesideSomeoneElsesJson()
{
    QFETCH(QString, beside);
    QFETCH(bool, refused);
    const QByteArray mine = R"({"moj": "dokument"})";
    QFile file(FDir.filePath(beside));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(mine) == mine.size());
    file.close();
    WriteGroupModelSet(FDir.filePath(QStringLiteral("skupina")), {"Cilj", "\tA", "\tB"}, {"Ana", "Bine"}, {"1", "1", "1", "1"});
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("skupina"))); });
    QStringList log;
    AnswerFile(FDir.filePath(QStringLiteral("Kopija")));
    AnswerAndRecord(&log);   // none but the refusal may come
    w.Key(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(Bytes(FDir.filePath(beside)), mine);
    QCOMPARE(QFile::exists(FDir.filePath(QStringLiteral("Kopija.KRT"))), !refused);
    if (refused) {
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.first().contains(FDir.filePath(beside)), qPrintable(log.first()));
    } else {
        QCOMPARE(log, QStringList());
        QVERIFY(Bytes(FDir.filePath(QStringLiteral("Kopija.JSON"))).contains("kalvo-model-extras"));
        TModalHost::ClearAnswers();
    }
}

void TestLifecycle::init()
{
    QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    TModalHost::ClearAnswers();
    FPrevious = QDir::currentPath();
    QDir::setCurrent(FDir.path());
}

void TestLifecycle::cleanup()
{
    QCOMPARE(TModalHost::PendingAnswers(), 0);
    TModalHost::ClearAnswers();
    QDir::setCurrent(FPrevious);
    QDir(FDir.path()).removeRecursively();
    QDir().mkpath(FDir.path());
}

void TestLifecycle::newModelThenSave()
{
    TWindow w;
    AnswerName(QStringLiteral("Model 1.5"));
    w.Key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.Model.Tree.FirstNode()->Name, QStringLiteral("Model 1.5"));
    QCOMPARE(w.Model.ProjectFileName, QStringLiteral("Model 1.5"));
    QCOMPARE(w.Model.Tree.Selected(), w.Model.Tree.FirstNode());
    w.Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Bytes(FDir.filePath("Model 1.KRT")), QByteArray("Model 1.5\r\n"));
    QCOMPARE(Bytes(FDir.filePath("Model 1.MAT")), QByteArray("0\r\n0\r\n"));
    QCOMPARE(Bytes(FDir.filePath("Model 1.RST")), QByteArray());

    // The dialog keeps the last name; a cancelled dialog changes no model data.
    BuildSmallModel(w);
    QStringList log;
    AnswerAndRecord(&log, QMessageBox::No);   // unsaved changes: asked first
    TModalHost::PushAnswer([&](QWidget *dialog) {
        log << dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    });
    w.Key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(log, (QStringList{"Vprašanje: Želite shraniti spremembe modela »Model 1«?", "Model 1.5"}));
    QCOMPARE(w.Model.Tree.NodeCount(), 3);
    QCOMPARE(w.RowNames(), (QStringList{"A", "B"}));
}

void TestLifecycle::openRebuildsTheModel()
{
    TWindow w;
    const QString folder = FDir.filePath(QStringLiteral("modeli"));
    QDir().mkpath(folder);
    for (const char *ext : {".KRT", ".MAT", ".RST"})
        QFile::copy(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto") + ext, folder + QStringLiteral("/Avto") + ext);
    QVERIFY(w.Form.OpenDialog()->nameFilters().constFirst().contains(QStringLiteral("*.krt *.KRT")));
    AnswerFile(folder + QStringLiteral("/Avto.KRT"));
    w.Key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(w.Model.ProjectFileName, folder + QStringLiteral("/Avto.KRT"));
    QCOMPARE(QDir::currentPath(), QDir(folder).canonicalPath());
    QCOMPARE(w.Form.tv_kriteriji->topLevelItem(0)->text(0), QStringLiteral("Nakup avtomobila"));
    QCOMPARE(w.Form.tv_kriteriji->topLevelItem(0)->childCount(), 4);
    QCOMPARE(w.RowNames(), (QStringList{"Octavia", "Corolla", "Ceed"}));
    QCOMPARE(w.Grid()->Cell(4, 1), QStringLiteral("5:1"));
    QCOMPARE(w.Score(1), QStringLiteral("0,4172"));

    // A cancelled dialog changes nothing.
    QStringList log;
    AnswerAndRecord(&log);
    w.Key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(w.Model.ProjectFileName, folder + QStringLiteral("/Avto.KRT"));
}

void TestLifecycle::saveAsReloadsFromTheNewFiles()
{
    TWindow w;
    BuildSmallModel(w);
    const QString folder = FDir.filePath(QStringLiteral("drugam"));
    QDir().mkpath(folder);
    AnswerFile(folder + QStringLiteral("/Kopija"));
    w.Key(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(w.Model.ProjectFileName, folder + QStringLiteral("/Kopija"));
    QCOMPARE(QDir::currentPath(), QDir(folder).canonicalPath());
    QCOMPARE(Bytes(folder + QStringLiteral("/Kopija.KRT")), QByteArray("\r\n\tCena\r\n\tLega\r\n"));
    QCOMPARE(Bytes(folder + QStringLiteral("/Kopija.RST")), QByteArray("A\r\nB\r\n"));
    // Rebuilt from the files: every matrix fitted, the leaves over both solutions.
    QCOMPARE(w.Model.Tree.FirstNode()->Child(1)->Matrix->Order, 2);
    QCOMPARE(w.RowNames(), (QStringList{"A", "B"}));
}

void TestLifecycle::exitAsksBeforeWriting_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("left");
    QTest::newRow("Da: save, then leave") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("Ne: leave, nothing written") << int(QMessageBox::No) << false << true;
    QTest::newRow("Prekliči: stay, nothing written") << int(QMessageBox::Cancel) << false << false;
}

// "Izhod" asks before anything is written: a slip answered "Ne" leaves the files as they were.
void TestLifecycle::exitAsksBeforeWriting()
{
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, left);
    TWindow w;
    BuildSmallModel(w);
    QStringList log;
    AnswerAndRecord(&log, QMessageBox::No);   // the small model is dropped
    AnswerName(QStringLiteral("Izhod"));
    w.Key(Qt::Key_N, Qt::ControlModifier);
    BuildSmallModel(w);
    log.clear();
    TModalHost::PushAnswer([&](QWidget *modal) {
        log << static_cast<QMessageBox *>(modal)->windowTitle() + QStringLiteral(": ")
                   + static_cast<QMessageBox *>(modal)->text();
        log << QString::number(QFile::exists(FDir.filePath("Izhod.KRT")));
        QTest::mouseClick(static_cast<QMessageBox *>(modal)->button(QMessageBox::StandardButton(answer)),
                          Qt::LeftButton);
    });
    w.Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(log, (QStringList{"Vprašanje: Želite shraniti projekt pred izhodom?", "0"}));
    QCOMPARE(QFile::exists(FDir.filePath("Izhod.KRT")), saved);
    QCOMPARE(w.Form.isVisible(), !left);
    QCOMPARE(Bytes(FDir.filePath("Kalvo.ini")), QByteArray("[GENERAL]\r\nPROJECT=Izhod\r\n"));
}

void TestLifecycle::cancelKeepsTheWindow()
{
    TWindow w;
    BuildSmallModel(w);
    {
        QFile ini(FDir.filePath("Kalvo.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Tuje]\r\nX=\xFF\r\n");
    }
    QStringList log;
    AnswerAndRecord(&log, QMessageBox::Cancel);
    w.Form.close();
    QVERIFY(w.Form.isVisible());
    QCOMPARE(log.size(), 1);
    // Written nevertheless, the foreign section untouched.
    QCOMPARE(Bytes(FDir.filePath("Kalvo.ini")), QByteArray("[Tuje]\r\nX=\xFF\r\n[GENERAL]\r\nPROJECT=\r\n"));
    QVERIFY(!QFile::exists(FDir.filePath(".KRT")));   // nothing saved

    AnswerAndRecord(&log, QMessageBox::No);
    w.Form.close();
    QVERIFY(!w.Form.isVisible());
    QVERIFY(!QFile::exists(FDir.filePath(".KRT")));
}

void TestLifecycle::onlyARootClosesWithoutAQuestion()
{
    TWindow w;
    w.Form.close();
    QVERIFY(!w.Form.isVisible());
    QVERIFY(!QFile::exists(FDir.filePath("Kalvo.ini")));
}

void TestLifecycle::failedSaveLosesNothing()
{
    TWindow w;
    BuildSmallModel(w);
    QStringList log;
    AnswerAndRecord(&log, QMessageBox::No);   // unsaved: dropped
    AnswerName(QStringLiteral("Varno"));
    w.Key(Qt::Key_N, Qt::ControlModifier);
    BuildSmallModel(w);
    w.Key(Qt::Key_S, Qt::ControlModifier);
    const QByteArray krt = Bytes(FDir.filePath("Varno.KRT"));
    QVERIFY(QFile::remove(FDir.filePath("Varno.MAT")));
    QVERIFY(QDir(FDir.path()).mkdir(QStringLiteral("Varno.MAT")));   // cannot be replaced

    AnswerName(QStringLiteral("C"));
    w.Key(Qt::Key_R, Qt::ControlModifier);
    log.clear();
    AnswerAndRecord(&log);
    w.Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(FDir.filePath("Varno.MAT")), qPrintable(log.first()));
    QCOMPARE(Bytes(FDir.filePath("Varno.KRT")), krt);
    QCOMPARE(Bytes(FDir.filePath("Varno.RST")), QByteArray("A\r\nB\r\n"));
    QCOMPARE(w.RowNames(), (QStringList{"A", "B", "C"}));

    // Exit with a failing save shows the error and goes no further.
    AnswerAndRecord(&log, QMessageBox::Yes);
    AnswerAndRecord(&log);
    w.Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(log.size(), 3);
    QVERIFY(w.Form.isVisible());
    QVERIFY(!QFile::exists(FDir.filePath("Kalvo.ini")));

    // The close question's Yes with a failing save keeps the window open.
    AnswerAndRecord(&log, QMessageBox::Yes);
    AnswerAndRecord(&log);
    w.Form.close();
    QVERIFY(w.Form.isVisible());
    QVERIFY(!QFile::exists(FDir.filePath("Kalvo.ini")));
}

void TestLifecycle::startModelArgument()
{
    TWindow w;
    const QString folder = FDir.filePath(QStringLiteral("zacetek"));
    QDir().mkpath(folder);
    WriteModelSet(folder + QStringLiteral("/m"), {"Koren", "\tA"}, {"0", "1", "1", "0", "0"}, {"R1"});
    w.Form.Run([&] { w.Form.OpenStartModel(folder + QStringLiteral("/m.krt")); });
    QCOMPARE(w.Model.Tree.NodeCount(), 2);
    QCOMPARE(QDir::currentPath(), QDir(folder).canonicalPath());

    QStringList log;
    AnswerAndRecord(&log);
    w.Form.Run([&] { w.Form.OpenStartModel(folder + QStringLiteral("/ni")); });
    QCOMPARE(log.size(), 1);
    QVERIFY(!QFile::exists(folder + QStringLiteral("/ni.KRT")));   // nothing is created
    QCOMPARE(w.Model.Tree.NodeCount(), 2);
}

KALVO_TEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
