#include "TestMain.h"
#include "About.h"
#include "HelpViewer.h"
#include "Main.h"
#include "ModalHost.h"
#include "Model.h"
#include "PopupUnit.h"
#include "PopupUnit_kriterij.h"
#include "ResultsPanel.h"
#include "StringGrid.h"
#include "Synthesis.h"
#include "TextFiles.h"
#include "UnitMatrika.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QProcess>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <memory>



class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startState();
    void shortcutsReachTheirCommands_data();
    void shortcutsReachTheirCommands();
    void buildingAModelThroughTheMenus();
    void resultsPanelGeometry();
    void methodAndDebugSwitches();
    void contextMenus();
    void splitterDragRecomputes();
    void errorsAreShownAndTheProgramGoesOn();
    void helpAndAbout();
    void renamingInTheTree();

private:
    QTemporaryDir FDir;
    QString FPreviousDir;
};

void TestMainWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    FPreviousDir = QDir::currentPath();
    QDir::setCurrent(FDir.path());
    ExactMethod = true;
    TModalHost::ClearAnswers();
}

void TestMainWindow::cleanup()
{
    QCOMPARE(TModalHost::PendingAnswers(), 0);   // every expected dialog came up
    TModalHost::ClearAnswers();
    QDir::setCurrent(FPreviousDir);
    for (const QString &file : QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(FDir.filePath(file));
}

void TestMainWindow::startState()
{
    TWindow w;
    QCOMPARE(w.Form.windowTitle(), QStringLiteral("Kalvo - študentska verzija"));
    QCOMPARE(w.Form.centralWidget()->width(), 833);
    QCOMPARE(w.Form.tv_kriteriji->topLevelItemCount(), 1);
    QCOMPARE(w.Model.Tree.Selected(), w.Model.Tree.FirstNode());   // the focused tree shows its root
    QVERIFY(w.Form.Natannametoda1->isChecked());
    QVERIFY(!w.Form.Priblinametoda1->isChecked());
    QVERIFY(!DebugMode);
    // The root has no matrix yet: six empty columns and five empty rows, no matrix text.
    QVERIFY(!w.Model.Tree.FirstNode()->Matrix);
    QCOMPARE(w.Grid()->ColCount(), 6);
    QCOMPARE(w.Grid()->RowCount(), 5);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 5; ++r)
            QCOMPARE(w.Grid()->Cell(c, r), QString());
    QCOMPARE(w.Status(1), QString());

    // The window system shows the caption exactly, with no program name added.
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", QString::number(w.Form.winId()), "_NET_WM_NAME"});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        QSKIP("xprop is not available");
    QCOMPARE(QString::fromUtf8(xprop.readAllStandardOutput()).trimmed(),
             QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Kalvo - študentska verzija\""));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(w.Form.StatusPanels[i]->width(), 120);
}

void TestMainWindow::shortcutsReachTheirCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("modal");
    QTest::newRow("Ctrl+N new model") << int(Qt::Key_N) << int(Qt::ControlModifier) << "FormNewModel";
    QTest::newRow("Ctrl+O open") << int(Qt::Key_O) << int(Qt::ControlModifier) << "OpenDialog";
    QTest::newRow("Ctrl+Alt+S save as") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::AltModifier) << "SaveDialog";
    QTest::newRow("Ctrl+D add criterion") << int(Qt::Key_D) << int(Qt::ControlModifier) << "FormPopup_kriterij";
    QTest::newRow("Ctrl+R add solution") << int(Qt::Key_R) << int(Qt::ControlModifier) << "FormPopup";
}

void TestMainWindow::shortcutsReachTheirCommands()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, modal);
    TWindow w;
    QStringList log;
    AnswerAndRecord(&log);
    w.Key(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(log, QStringList{modal});
}

void TestMainWindow::buildingAModelThroughTheMenus()
{
    TWindow w;
    AnswerCriterion(QStringLiteral("Cena"), 1);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    AnswerCriterion(QStringLiteral("Lega"), 0);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(w.Form.tv_kriteriji->topLevelItem(0)->childCount(), 2);
    QCOMPARE(w.Model.Tree.Selected(), w.Model.Tree.FirstNode());
    QCOMPARE(w.Form.sg_matrika->ColCount(), 3);
    QCOMPARE(w.Form.sg_matrika->Cell(2, 0), QStringLiteral("Lega"));

    for (const char *name : {"A", "B", "C"}) {
        AnswerName(QString::fromLatin1(name));
        w.Key(Qt::Key_R, Qt::ControlModifier);
    }
    QCOMPARE(w.RowNames(), (QStringList{"A", "B", "C"}));
    QVERIFY(w.Form.Panel2->NameLabel(2)->font().bold());
    QCOMPARE(w.Form.Panel2->ValueLabel(0)->text(), QStringLiteral("0,3333"));

    QTest::mouseClick(w.Form.Panel2->NameLabel(1), Qt::LeftButton);
    QVERIFY(w.Form.Panel2->NameLabel(1)->font().bold());
    QVERIFY(!w.Form.Panel2->NameLabel(2)->font().bold());
    w.Key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(w.RowNames(), (QStringList{"A", "C"}));
    QVERIFY(w.Form.Panel2->NameLabel(0)->font().bold());
    QCOMPARE(w.Form.Panel2->ValueLabel(0)->text(), QStringLiteral("0,5000"));

    // A leaf shows the solutions in the grid; removing the leaf empties the tree below the root.
    w.ClickNode(QStringLiteral("Cena"));
    QCOMPARE(w.Form.sg_matrika->Cell(1, 0), QStringLiteral("Manj je boljše"));
    QCOMPARE(w.Form.sg_matrika->Cell(0, 2), QStringLiteral("C"));
    QCOMPARE(w.Status(3), QStringLiteral("Manj je bolje"));
    w.Key(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(w.Form.tv_kriteriji->topLevelItem(0)->childCount(), 1);
    QCOMPARE(w.Model.Tree.Selected(), w.Model.Tree.FirstNode());
    w.ClickNode(QString());
    w.Key(Qt::Key_I, Qt::ControlModifier);   // the root is never removed
    QCOMPARE(w.Model.Tree.NodeCount(), 2);

    w.Key(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(w.Form.Panel2->RowCount(), 0);
}

void TestMainWindow::resultsPanelGeometry()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    const int h = w.Form.Panel2->RowHeight();
    TResultsPanel *panel = w.Form.Panel2;
    QCOMPARE(panel->width(), 833);
    QCOMPARE(panel->SubcriterionBarCount(), 4);
    QCOMPARE(panel->SubcriterionBar(0)->geometry(), QRect(150, 5, 246, h));
    QCOMPARE(panel->SubcriterionValue(1)->pos(), QPoint(100, 5 + h));
    QCOMPARE(panel->SubcriterionName(1)->text(), QStringLiteral("Varnost"));
    QCOMPARE(panel->NameLabel(2)->pos(), QPoint(426, 5 + 2 * h));
    QCOMPARE(panel->ValueLabel(2)->pos(), QPoint(526, 5 + 2 * h));
    QCOMPARE(panel->Bar(2)->geometry(), QRect(576, 5 + 2 * h, 246, h));
    QCOMPARE(panel->Bar(0)->maximum(), 10000);
    QCOMPARE(panel->Bar(0)->value(), 3036);
    QCOMPARE(panel->height(), 4 * h + 10);   // four bars beside three solutions

    w.ClickNode(QStringLiteral("Varnost"));
    QCOMPARE(panel->SubcriterionBarCount(), 0);
    QCOMPARE(panel->NameLabel(0)->pos(), QPoint(10, 5));
    QCOMPARE(panel->Bar(1)->geometry(), QRect(160, 5 + h, 663, h));
    QCOMPARE(panel->height(), 3 * h + 10);
    QCOMPARE(w.Status(0), QStringLiteral("Varnost"));
}

void TestMainWindow::methodAndDebugSwitches()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    w.ClickNode(QStringLiteral("Varnost"));
    const QString exact = w.Form.Panel2->ValueLabel(0)->text();
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.Priblinametoda1);
    QVERIFY(w.Form.Priblinametoda1->isChecked());
    QVERIFY(!w.Form.Natannametoda1->isChecked());
    QVERIFY(!ExactMethod);
    QVERIFY(w.Form.Panel2->ValueLabel(0)->text() != exact);
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.Natannametoda1);
    QCOMPARE(w.Form.Panel2->ValueLabel(0)->text(), exact);

    ClickMenuItem(w.Form, "HelpMenu", w.Form.Debug1);
    QVERIFY(DebugMode);
    QVERIFY(w.Form.Debug1->isChecked());
    ClickMenuItem(w.Form, "HelpMenu", w.Form.Debug1);
    QVERIFY(!DebugMode);
    QVERIFY(!w.Form.Debug1->isChecked());
    DebugMode = true;
    w.Form.hide();
    w.Form.show();   // showing the window switches Debug off
    QVERIFY(!DebugMode);
}

void TestMainWindow::contextMenus()
{
    TWindow w;
    AnswerName(QStringLiteral("A"));
    w.Key(Qt::Key_R, Qt::ControlModifier);
    QContextMenuEvent onTree(QContextMenuEvent::Mouse, QPoint(20, 5), w.Form.tv_kriteriji->viewport()->mapToGlobal(QPoint(20, 5)));
    QApplication::sendEvent(w.Form.tv_kriteriji->viewport(), &onTree);
    QTRY_VERIFY(w.Form.popup_kriteriji->isVisible());
    QStringList captions;
    for (QAction *action : w.Form.popup_kriteriji->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Dodaj", "Izloci"}));
    w.Form.popup_kriteriji->close();

    QContextMenuEvent onBar(QContextMenuEvent::Mouse, QPoint(5, 5), w.Form.Panel2->Bar(0)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w.Form.Panel2->Bar(0), &onBar);
    QTRY_VERIFY(w.Form.popup_resitve->isVisible());
    captions.clear();
    for (QAction *action : w.Form.popup_resitve->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(captions, (QStringList{"Dodaj", "Odstrani", "-", "Odstrani vse"}));
    // "Odstrani vse" from the pop-up runs the same command as Ctrl+G.
    QAction *removeAll = w.Form.popup_resitve->actions().at(3);
    QTest::mouseClick(w.Form.popup_resitve, Qt::LeftButton, {},
                      w.Form.popup_resitve->actionGeometry(removeAll).center());
    QCOMPARE(w.Model.SolutionCount(), 0);
}

void TestMainWindow::splitterDragRecomputes()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    w.ClickNode(QStringLiteral("Varnost"));
    const int h = w.Form.Panel2->RowHeight();
    w.Key(Qt::Key_G, Qt::ControlModifier);   // removes the rows, lays out nothing
    QCOMPARE(w.Form.Panel2->height(), 3 * h + 10);
    QWidget *handle = w.Form.Splitter2->handle(1);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseMove(handle, QPoint(30, 50));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 50));
    QCOMPARE(w.Form.Panel2->height(), 10);
}

void TestMainWindow::errorsAreShownAndTheProgramGoesOn()
{
    TWindow w;
    WriteModelSet(FDir.filePath(QStringLiteral("slab")), {"Koren"}, {"0", "2", "1", "0:0", "1", "1"}, {"A", "B"});
    AnswerFile(FDir.filePath(QStringLiteral("slab.KRT")));
    QStringList log;
    AnswerAndRecord(&log);
    w.Key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(log, QStringList{"Kalvo: Invalid floating point operation\nKriterij »Koren«, celica (2, 1)"});
    QCOMPARE(w.RowNames(), (QStringList{"A", "B"}));   // the model came in whole
    QCOMPARE(QDir::currentPath(), QDir(FDir.path()).canonicalPath());

    // The program goes on: the next command works.
    AnswerName(QStringLiteral("C"));
    AnswerAndRecord(&log);   // the refresh after adding fails the same way, once
    w.Key(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(log.size(), 2);
    QCOMPARE(w.RowNames(), (QStringList{"A", "B", "C"}));
}

void TestMainWindow::helpAndAbout()
{
    TWindow w;
    w.Key(Qt::Key_F1);
    QVERIFY(w.Form.HelpViewer());
    QTRY_VERIFY(w.Form.HelpViewer()->isVisible());
    QVERIFY(w.Form.HelpViewer()->Browser()->toPlainText().contains(QStringLiteral("Lambda, CI in CR")));

    THelpViewer missing;
    missing.ShowContents(FDir.filePath(QStringLiteral("Kalvo.hlp")));
    QVERIFY(missing.Browser()->toPlainText().contains(FDir.filePath(QStringLiteral("Kalvo.hlp"))));

    QStringList log;
    AnswerAndRecord(&log);
    ClickMenuItem(w.Form, "HelpMenu", w.Form.HelpAboutItem);
    QCOMPARE(log, QStringList{"AboutBox"});
    QCOMPARE(w.Form.AboutBox->Version->text(), QStringLiteral("Verzija: 1.3.1.6"));

    w.Form.close();   // a model of its root only closes without a question
    QVERIFY(!w.Form.HelpViewer()->isVisible());
}

void TestMainWindow::renamingInTheTree()
{
    TWindow w;
    w.ClickNode(QString());
    w.Key(Qt::Key_F2);   // the tree's own label editing
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Cilj"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(w.Model.Tree.FirstNode()->Name, QStringLiteral("Cilj"));   // the view commits after the key
    QCOMPARE(w.Form.tv_kriteriji->topLevelItem(0)->text(0), QStringLiteral("Cilj"));
}

KALVO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
