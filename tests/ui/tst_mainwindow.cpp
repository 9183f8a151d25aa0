#include "TestMain.h"
#include <QSet>
#include "ui/dialogs/AboutBox.h"
#include "ui/common/Fonts.h"
#include "ui/dialogs/HelpViewer.h"
#include "matrix/KalvoError.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/common/ModalHost.h"
#include "model/Model.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/mainwindow/RatingsPanel.h"
#include "ui/analysis/UncertaintyWindow.h"
#include <QChartView>
#include <QHorizontalStackedBarSeries>
#include <QBarSet>
#include <QBarCategoryAxis>
#include <QSpinBox>
#include <QTableWidget>
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/analysis/AdviceDialog.h"
#include "ui/analysis/SensitivityWindow.h"
#include "ui/mainwindow/StringGrid.h"
#include "analysis/Synthesis.h"
#include "storage/TextFiles.h"
#include "matrix/Matrix.h"
#include "UiTestSupport.h"
#include "ui/mainwindow/CriteriaTreeView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QListWidget>
#include <QSlider>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QPainter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QProcess>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QValueAxis>
#include <QScatterSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QToolTip>
#include <cmath>
#include <QTableWidgetItem>

#include <memory>



class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startState();
    void exportsFromTheFileMenu_data();
    void exportsFromTheFileMenu();
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
    void doubleClickOnTheSelectedCriterionOpensOneEditor();
    void caronsHaveRoom();
    void namesAreShownAsTyped();
    void manySolutionsLeaveTheTreeInView();
    void emphasisIsVisiblyBold();
    void standardButtonsInSlovenian();
    void errorEscapingASlotIsShown();
    void sensitivityWindow();
    void consistencyAdvice();
    void theWindowKeepsItsSize();
    void sensitivityOfManyOrNoSolutions();
    void ratingsLeafByMouseAndKeyboard();
    void uncertaintyRunsCancelsAndFollows();

private:
    QTemporaryDir FDir;
    QString FPreviousDir;
};

void TestMainWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    FPreviousDir = QDir::currentPath();
    QDir::setCurrent(FDir.path());
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
    QVERIFY(!w.Model.DebugMode);
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
    // Relations, not pixels: name, value and bar side by side on a row, the bar as
    // long as the score; the sub-criteria beside the solutions, or none.
    TResultsPanel *panel = w.Form.Panel2;
    QCOMPARE(panel->SubcriterionBarCount(), 4);
    QCOMPARE(panel->SubcriterionName(1)->text(), QStringLiteral("Varnost"));
    QVERIFY(panel->SubcriterionBar(0)->geometry().right() < panel->NameLabel(0)->x());
    for (int k = 0; k < 3; ++k) {
        QVERIFY(panel->NameLabel(k)->geometry().right() < panel->ValueLabel(k)->x());
        QVERIFY(panel->ValueLabel(k)->geometry().right() < panel->Bar(k)->x());
        QCOMPARE(panel->Bar(k)->y(), panel->NameLabel(k)->y());
    }
    QCOMPARE(panel->Bar(0)->value(), 3036);   // 0,3036 of 1
    const int beside = panel->Bar(1)->width();
    w.ClickNode(QStringLiteral("Varnost"));
    QCOMPARE(panel->SubcriterionBarCount(), 0);
    QVERIFY(panel->Bar(1)->width() > 2 * beside);   // alone, the rows take the room
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
    QVERIFY(!w.Model.ExactMethod);
    QVERIFY(w.Form.Panel2->ValueLabel(0)->text() != exact);
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.Natannametoda1);
    QCOMPARE(w.Form.Panel2->ValueLabel(0)->text(), exact);

    // The ideal mode: one edit, undone with Ctrl+Z; the status line's tooltip names the mode.
    w.ClickNode(QStringLiteral("Nakup avtomobila"));
    const QString distributive = w.Form.Panel2->ValueLabel(0)->text();
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.IdealModeAction);
    QVERIFY(w.Model.IdealMode && w.Form.IdealModeAction->isChecked());
    QVERIFY(w.Form.Panel2->ValueLabel(0)->text() != distributive);
    QVERIFY(w.Form.statusBar()->toolTip().startsWith(QStringLiteral("Idealni način")));
    QVERIFY(w.Form.UndoAction->text().endsWith(QStringLiteral("idealni način")));
    QTest::keyClick(&w.Form, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!w.Model.IdealMode && w.Form.DistributiveModeAction->isChecked());
    QCOMPARE(w.Form.Panel2->ValueLabel(0)->text(), distributive);

    ClickMenuItem(w.Form, "HelpMenu", w.Form.Debug1);
    QVERIFY(w.Model.DebugMode);
    QVERIFY(w.Form.Debug1->isChecked());
    ClickMenuItem(w.Form, "HelpMenu", w.Form.Debug1);
    QVERIFY(!w.Model.DebugMode);
    QVERIFY(!w.Form.Debug1->isChecked());
    ClickMenuItem(w.Form, "HelpMenu", w.Form.Debug1);
    w.Form.hide();
    w.Form.show();   // showing the window switches Debug off
    QVERIFY(!w.Model.DebugMode);
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
    QCOMPARE(captions, (QStringList{"Dodaj", "Preimenuj", "Odstrani", "-", "Odstrani vse"}));
    // "Odstrani vse" from the pop-up runs the same command as Ctrl+G.
    QAction *removeAll = w.Form.popup_resitve->actions().at(4);
    QTest::mouseClick(w.Form.popup_resitve, Qt::LeftButton, {},
                      w.Form.popup_resitve->actionGeometry(removeAll).center());
    QCOMPARE(w.Model.SolutionCount(), 0);
}

void TestMainWindow::splitterDragRecomputes()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    const QString before = w.Score(0);
    TMatrix &root = *w.Model.Tree.FirstNode()->Matrix;
    root.Ratios[1][0] = QStringLiteral("9:1");   // changed behind the window's back
    root.Ratios[0][1] = QStringLiteral("1:9");
    QCOMPARE(w.Score(0), before);
    QWidget *handle = w.Form.Splitter2->handle(1);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseMove(handle, QPoint(30, 50));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 50));
    QVERIFY(w.Score(0) != before);
}

void TestMainWindow::exportsFromTheFileMenu_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QByteArray>("start");   // what the written file starts with
    QTest::newRow("workbook") << "izid.xlsx" << false << QByteArray("PK");
    QTest::newRow("csv") << "izid.csv" << false << QByteArray("\xEF\xBB\xBFRešitev");
    QTest::newRow("png") << "rezultati.png" << true << QByteArray("\x89PNG");
    QTest::newRow("svg") << "rezultati.svg" << true << QByteArray("<?xml");
}

// "Datoteka › Izvozi rezultate" and "Izvozi sliko rezultatov": the file named in
// the dialog, in the format its extension names.
void TestMainWindow::exportsFromTheFileMenu()
{
    QFETCH(QString, file);
    QFETCH(bool, picture);
    QFETCH(QByteArray, start);
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    AnswerFile(FDir.filePath(file));
    ClickMenuItem(w.Form, "Datoteka1", picture ? w.Form.ExportPictureAction : w.Form.ExportResultsAction);
    QTRY_VERIFY(QFile::exists(FDir.filePath(file)));
    QFile written(FDir.filePath(file));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith(start));
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
    QCOMPARE(w.Form.AboutBox()->Version->text(), QStringLiteral("Verzija: 1.3.1.6"));

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
    // A blank name is not taken: the criterion would vanish from the tree.
    w.Key(Qt::Key_F2);
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("  "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(w.Model.Tree.FirstNode()->Name, QStringLiteral("Cilj"));
    QCOMPARE(w.Form.tv_kriteriji->topLevelItem(0)->text(0), QStringLiteral("Cilj"));
}

void TestMainWindow::doubleClickOnTheSelectedCriterionOpensOneEditor()
{
    TWindow w;
    AnswerCriterion(QStringLiteral("Cena"), 1);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    w.ClickNode(QStringLiteral("Cena"));
    AnswerCriterion(QStringLiteral(" 2"), 1);   // typed after the name
    w.DoubleClickNode(QStringLiteral("Cena"));
    QTest::qWait(QApplication::doubleClickInterval() + 200);
    QVERIFY(!w.Form.tv_kriteriji->findChild<QLineEdit *>());   // no rename editor behind it
    QCOMPARE(w.Model.Tree.FirstNode()->Child(0)->Name, QStringLiteral("Cena 2"));
    AnswerCriterion(QString(), 1);
    w.DoubleClickNode(QStringLiteral("Cena 2"));   // the next double-click is not swallowed
}

void TestMainWindow::caronsHaveRoom()
{
    // Tahoma's carons rise above its ascent: where the text sits, there must be room for them.
    auto fits = [](const QFont &font, int spaceAboveBaseline) {
        const QFontMetrics metrics(font);
        return spaceAboveBaseline >= -metrics.tightBoundingRect(QStringLiteral("ŽŠČ")).top();
    };
    WriteModelSet(FDir.filePath(QStringLiteral("strehe")), {"Čas", "\tŽivljenjska doba", "\tŠum"}, {}, {"Škoda"});
    TWindow w;
    QVERIFY(AccentRoom(w.Form.tv_kriteriji->font()) > 0);   // the font does need it
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("strehe"))); });

    const QRect row = w.Form.tv_kriteriji->visualItemRect(w.Item(QStringLiteral("Življenjska doba")));
    const QFontMetrics tree(w.Form.tv_kriteriji->font());
    QVERIFY2(fits(w.Form.tv_kriteriji->font(), (row.height() - tree.height()) / 2 + tree.ascent()),
             qPrintable(QString::number(row.height())));
    // Labels: what they draw has the carons' ink above the capitals' tops.
    for (QLabel *label : {w.Form.Panel2->SubcriterionName(0), w.Form.Panel2->NameLabel(0), w.Form.StatusPanels[0]})
        QVERIFY2(DrawsCarons(label), qPrintable(label->text()));
    QStringList log;
    TModalHost::PushAnswer([&](QWidget *modal) {
        log << QString::number(DrawsCarons(modal->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    w.Key(Qt::Key_G, Qt::ControlModifier);   // an unsaved change
    w.Key(Qt::Key_X, Qt::ControlModifier);   // asks "Želite shraniti projekt pred izhodom?"
    QCOMPARE(log, QStringList{"1"});
}

void TestMainWindow::namesAreShownAsTyped()
{
    // As a model file or a rename in the tree may bring them: markup, and no length limit.
    const QString longName = QStringLiteral("Zelo dolgo ime ") + QString(200, QLatin1Char('x'));
    WriteModelSet(FDir.filePath(QStringLiteral("imena")), {"Koren", "\tStan <A>", "\tLega"}, {},
                  {"<b>x</b>", longName});
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("imena"))); });
    // Markup is text: the label is as wide as the characters "<b>x</b>", not as a bold x.
    QLabel *name = w.Form.Panel2->NameLabel(0);
    QCOMPARE(name->text(), QStringLiteral("<b>x</b>"));
    QVERIFY(name->sizeHint().width() >= name->fontMetrics().horizontalAdvance(QStringLiteral("<b>x</b>")));
    QLabel *bar = w.Form.Panel2->SubcriterionName(0);
    QVERIFY(bar->sizeHint().width() >= bar->fontMetrics().horizontalAdvance(QStringLiteral("Stan <A>")));

    // A long name is cut with "…" before its value and shown whole in the tooltip.
    QLabel *cut = w.Form.Panel2->NameLabel(1);
    QVERIFY(cut->text().endsWith(QChar(0x2026)));
    QVERIFY(cut->x() + cut->width() <= w.Form.Panel2->ValueLabel(1)->x());
    QCOMPARE(cut->toolTip(), longName);
    // In the grid it keeps the header column narrow, and the cells in view.
    w.ClickNode(QStringLiteral("Lega"));
    QVERIFY(w.Grid()->verticalHeader()->width() <= 150);
    QVERIFY(w.Grid()->visualRect(w.Grid()->model()->index(0, 0)).right() < w.Grid()->viewport()->width());
    // A column heading and the corner are cut at their end with "…", whole in the tooltip.
    QTableWidgetItem *heading = w.Grid()->horizontalHeaderItem(1);
    QVERIFY2(heading->text().startsWith(QStringLiteral("Zelo")) && heading->text().endsWith(QChar(0x2026)),
             qPrintable(heading->text()));
    QCOMPARE(heading->toolTip(), longName);
    QCOMPARE(w.Grid()->Cell(2, 0), longName);
    AnswerCriterion(longName.left(12), 0, true);
    w.DoubleClickNode(QStringLiteral("Lega"));
    w.Model.Tree.Selected()->Name = longName;   // as a file may bring it
    w.ClickNode(QStringLiteral("Koren"));
    w.ClickNode(longName.left(12));
    auto *corner = w.Grid()->findChild<QLabel *>(QStringLiteral("Corner"));
    QVERIFY2(corner->text().endsWith(QChar(0x2026)), qPrintable(corner->text()));
    QCOMPARE(corner->toolTip(), longName);
    QVERIFY(!corner->testAttribute(Qt::WA_TransparentForMouseEvents));   // the tooltip can show

    // The ratio dialog's labels are plain text too.
    QStringList labels;
    TModalHost::PushAnswer([&](QWidget *dialog) {
        for (const char *label : {"Label1", "Label2"})
            labels << dialog->findChild<QLabel *>(QString::fromLatin1(label))->text()
                          + QString::number(dialog->findChild<QLabel *>(QString::fromLatin1(label))->textFormat());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w.DoubleClickCell(2, 1);
    QCOMPARE(labels, (QStringList{"<b>x</b>" + QString::number(Qt::PlainText), longName + QString::number(Qt::PlainText)}));
}

void TestMainWindow::manySolutionsLeaveTheTreeInView()
{
    QStringList solutions;
    for (int i = 0; i < 1000; ++i)
        solutions << QStringLiteral("R%1").arg(i);
    WriteModelSet(FDir.filePath(QStringLiteral("velik")), {"Koren"}, {"2", "0"}, solutions);
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("velik"))); });
    QCOMPARE(w.Form.Panel2->RowCount(), 1000);
    const int central = w.Form.centralWidget()->height();
    QVERIFY(w.Form.Panel1->height() >= central / 2);
    QVERIFY(w.Form.tv_kriteriji->isVisible() && w.Form.tv_kriteriji->height() > 100);
    // The rows scroll: the last one can be brought into view.
    auto *scroll = w.Form.findChild<QScrollArea *>(QStringLiteral("ResultsScroll"));
    QVERIFY(scroll->height() <= central / 2 + 1);
    scroll->ensureWidgetVisible(w.Form.Panel2->NameLabel(999));
    QVERIFY(w.Form.Panel2->NameLabel(999)->visibleRegion().boundingRect().height() > 0);
}

void TestMainWindow::emphasisIsVisiblyBold()
{
    WriteModelSet(FDir.filePath(QStringLiteral("nedosleden")), {"Koren", "\tA", "\tB", "\tC"},
                  {"0", "3", "1", "1:3", "1:5", "3:1", "1", "2:1", "5:1", "1:2", "1"}, {});
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("nedosleden"))); });
    QCOMPARE(w.Status(4), QStringLiteral("CR= 0,1407"));
    QVERIFY(w.Model.Status.Emphasis);
    // The same text in the panel's font and in that font without bold: bold has clearly more ink.
    auto ink = [](const QFont &font) {
        QImage image(200, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(5, 20, QStringLiteral("CR= 0,1407"));
        painter.end();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += 255 - qGray(image.pixel(x, y));
        return dark;
    };
    QFont shown = w.Form.StatusPanels[4]->font();
    QVERIFY(shown.bold() && shown.italic());
    QFont plain = shown;
    plain.setBold(false);
    QVERIFY2(ink(shown) > ink(plain) * 6 / 5, qPrintable(QStringLiteral("%1 %2").arg(ink(shown)).arg(ink(plain))));
}

void TestMainWindow::standardButtonsInSlovenian()
{
    TWindow w;
    AnswerCriterion(QStringLiteral("A"), 0);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    QStringList buttons;
    TModalHost::PushAnswer([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            buttons << box->button(b)->text();
        QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
    });
    w.Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(buttons, (QStringList{"&Da", "&Ne", "Prekliči"}));
}

void TestMainWindow::errorEscapingASlotIsShown()
{
    TWindow w;
    // A slot that no command guard wraps, reached by a real click.
    auto *button = new QPushButton(QStringLiteral("x"), w.Form.centralWidget());
    button->show();
    connect(button, &QPushButton::clicked, &w.Form,
            [] { throw EKalvoError(EKalvoError::ekConvert, QStringLiteral("'x' is not a valid integer value")); });
    QStringList log;
    AnswerAndRecord(&log);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(log, QStringList{"Kalvo: 'x' is not a valid integer value"});
    // The program goes on.
    AnswerCriterion(QStringLiteral("Cena"), 1);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(w.Model.Tree.FirstNode()->ChildCount(), 1);
}

void TestMainWindow::sensitivityWindow()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.SensitivityAction);
    TSensitivityWindow *window = w.Form.Sensitivity();
    QVERIFY(window && window->isVisible());
    // The most critical sub-criterion comes first; one line per solution, the marker, the crossings.
    QCOMPARE(window->SubcriterionChoice->count(), 4);
    QCOMPARE(window->SubcriterionChoice->currentText(), QStringLiteral("Prtljažnik"));
    QVERIFY(window->Heading->text().contains(QStringLiteral("»Prtljažnik«")));
    const QList<QAbstractSeries *> series = window->Chart->chart()->series();
    QCOMPARE(series.size(), 3 + 1 + 1);
    QCOMPARE(series.at(0)->name(), QStringLiteral("Corolla"));   // the best first
    // The interval, who overtakes and where; the heading names the new winner.
    QCOMPARE(window->Interval->text(), QStringLiteral("»Corolla« ostane najboljša pri uteži od 0,0000 do 0,4456. "
                                                      "Nad 0,4456 jo prehiti »Octavia«."));
    QVERIFY2(window->Heading->text().endsWith(QStringLiteral("bi bila najboljša rešitev »Octavia«.")),
             qPrintable(window->Heading->text()));
    // Axes in the decimal comma with round ticks.
    QChart *chart = window->Chart->chart();
    QVERIFY(chart->localizeNumbers() && chart->locale().decimalPoint() == QLatin1Char(','));
    const auto *y = static_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
    const double step = y->max() / (y->tickCount() - 1);
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    QVERIFY2(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9,
             qPrintable(QString::number(step)));
    QCOMPARE(static_cast<QValueAxis *>(chart->axes(Qt::Horizontal).value(0))->tickCount(), 11);
    // A crossing mark says which solutions change places at which weight.
    auto *marks = qobject_cast<QScatterSeries *>(series.at(3));
    QVERIFY(marks);
    const QPointF mark = marks->at(0);
    const QPoint at = window->Chart->mapFromScene(chart->mapToScene(chart->mapToPosition(mark, marks)));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseMove(window->Chart->viewport(), at + QPoint(20, 20));
    QTest::qWait(50);
    QTest::mouseMove(window->Chart->viewport(), at);
    QTRY_VERIFY2(QToolTip::text().contains(QStringLiteral("se zamenjata")), qPrintable(QToolTip::text()));
    QCOMPARE(window->WeightSlider->value(), 88);   // today's weight 0,0882
    const QString before = w.Score(1);
    QVERIFY2(window->Ranking->text().startsWith(QStringLiteral("Pri uteži 0,0882 (danes 0,0882): 1. Corolla ") + before),
             qPrintable(window->Ranking->text()));   // today's scores at today's weight

    // The slider shows the scores at another weight; the model keeps its own.
    window->WeightSlider->setFocus();
    QTest::keyClick(window->WeightSlider, Qt::Key_End);
    QCOMPARE(window->SliderWeight(), 1.0);
    QVERIFY2(window->Ranking->text().startsWith(QStringLiteral("Pri uteži 1,0000 (danes 0,0882): 1. Octavia 0,4425")),
             qPrintable(window->Ranking->text()));
    QCOMPARE(w.Score(1), before);
    QTest::mouseClick(window->ResetButton, Qt::LeftButton);
    QCOMPARE(window->WeightSlider->value(), 88);

    // It follows the selection: another criterion with sub-criteria, then a leaf.
    w.ClickNode(QStringLiteral("Stroški"));
    QVERIFY(window->SubcriterionChoice->findText(QStringLiteral("Prtljažnik")) < 0);
    QVERIFY(window->SubcriterionChoice->count() > 0);
    w.ClickNode(QStringLiteral("Prtljažnik"));
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("Sentence"))->isVisible());

    // The chart as a picture.
    w.ClickNode(QStringLiteral("Nakup avtomobila"));
    TModalHost::PushAnswer([this](QWidget *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(FDir.filePath(QStringLiteral("graf.png")));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::mouseClick(window->SavePictureButton, Qt::LeftButton);
    QImage image(FDir.filePath(QStringLiteral("graf.png")));
    QVERIFY(!image.isNull() && image.width() > 100);
}

// A thousand solutions: ten and the marked one are named, the chart keeps its
// room; with none, or all equal, there is nothing to rank.
void TestMainWindow::sensitivityOfManyOrNoSolutions()
{
    QStringList solutions;
    QStringList first{"2", "1000"}, second{"2", "1000"};
    for (int i = 0; i < 1000; ++i) {
        solutions << QStringLiteral("R%1 – avtomobil s predolgim imenom, ki ne gre v legendo, številka %1").arg(i);
        first << QString::number(1 + i % 97);
        second << QString::number(1 + (i * 7) % 89);
    }
    WriteModelSet(FDir.filePath(QStringLiteral("velik")), {"Koren", "\tA", "\tB"},
                  QStringList{"0", "2", "1", "1:2", "2:1", "1"} + first + second, solutions);
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("velik"))); });
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.SensitivityAction);
    TSensitivityWindow *window = w.Form.Sensitivity();
    int named = 0;
    QSet<QString> labels;
    for (QLegendMarker *marker : window->Chart->chart()->legend()->markers())
        if (marker->isVisible() && marker->series()->type() == QAbstractSeries::SeriesTypeLine
            && marker->label().startsWith(QLatin1Char('R'))) {
            ++named;
            // cut in the middle: the number at the end tells the names apart
            QVERIFY2(marker->label().contains(QChar(0x2026)) && marker->label().contains(QStringLiteral("številka ")),
                     qPrintable(marker->label()));
            labels.insert(marker->label().mid(marker->label().lastIndexOf(QLatin1Char(' '))));
        }
    QVERIFY2(named >= 10 && named <= 11, qPrintable(QString::number(named)));   // ten and the marked one
    QCOMPARE(labels.size(), named);
    QVERIFY(window->Ranking->text().count(QStringLiteral(". R")) <= 11);
    QVERIFY(window->Ranking->text().contains(QStringLiteral("R0 ")));   // the marked one
    QVERIFY(window->Chart->height() >= 200);

    // No solutions; then two that tie.
    w.Key(Qt::Key_G, Qt::ControlModifier);
    window->Refresh();
    QVERIFY2(window->Heading->text().contains(QStringLiteral("ni česa razvrstiti")), qPrintable(window->Heading->text()));
    WriteModelSet(FDir.filePath(QStringLiteral("enako")), {"Koren", "\tA", "\tB"},
                  {"0", "2", "1", "1", "1", "1", "2", "2", "5", "5", "2", "2", "5", "5"}, {"X", "Y"});
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("enako"))); });
    QVERIFY2(window->Ranking->text().contains(QStringLiteral("ni česa razvrstiti")), qPrintable(window->Ranking->text()));
    QVERIFY(!window->Heading->text().contains(QStringLiteral("nobena sprememba")));
}

void TestMainWindow::consistencyAdvice()
{
    WriteModelSet(FDir.filePath(QStringLiteral("nedosleden")), {"Koren", "\tA", "\tB", "\tC"},
                  {"0", "3", "1", "1:3", "1:5", "3:1", "1", "2:1", "5:1", "1:2", "1"}, {});
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("nedosleden"))); });
    QCOMPARE(w.Status(4), QStringLiteral("CR= 0,1407"));
    const QStringList grid = [&] {
        QStringList cells;
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 3; ++r)
                cells << w.Grid()->Cell(c, r);
        return cells;
    }();

    // From the status line's link: the proposal with the items' names, the cells marked; cancelled.
    QStringList seen;
    QString weights;
    bool marked = false;
    TModalHost::PushAnswer([&](QWidget *dialog) {
        auto *form = static_cast<TAdviceDialog *>(dialog);
        for (int i = 0; i < form->Changes->count(); ++i)
            seen << form->Changes->item(i)->text();
        seen << form->Summary->text();
        weights = form->Weights->text();
        // Both cells of each changed pair are marked, and only those.
        int count = 0;
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 3; ++r)
                if (w.Grid()->item(r - 1, c - 1)->background().style() != Qt::NoBrush) {
                    ++count;
                    marked = w.Grid()->item(c - 1, r - 1)->background().style() != Qt::NoBrush;
                }
        marked = marked && count == 2 * form->Changes->count();
        QTest::mouseClick(form->Preklici, Qt::LeftButton);
    });
    QTest::mouseClick(w.Form.StatusPanels[4], Qt::LeftButton);
    QCOMPARE(seen.size(), 2);
    QVERIFY2(seen.first().contains(QStringLiteral(" → ")), qPrintable(seen.first()));
    QVERIFY(seen.last().startsWith(QStringLiteral("CR je danes 0,1407, po teh spremembah bo 0,0")));
    QVERIFY(marked);
    // Before "Uporabi": each item's weight now and after.
    QVERIFY2(weights.startsWith(QStringLiteral("Uteži: A 0,6571 → ")) && weights.count(QStringLiteral(" → ")) == 3,
             qPrintable(weights));
    QCOMPARE(w.Status(4), QStringLiteral("CR= 0,1407"));   // "Prekliči" changes nothing

    // Applied from the menu: the status line shows what the dialog promised.
    QString promised;
    TModalHost::PushAnswer([&](QWidget *dialog) {
        auto *form = static_cast<TAdviceDialog *>(dialog);
        promised = form->Summary->text().section(QStringLiteral("bo "), 1).left(6);
        QTest::mouseClick(form->Uporabi, Qt::LeftButton);
    });
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.AdviceAction);
    QCOMPARE(w.Status(4), QStringLiteral("CR= ") + promised);
    QVERIFY(!w.Model.Status.Emphasis);
    QVERIFY(w.Grid()->item(0, 0)->background().style() == Qt::NoBrush);   // marks gone

    // Taken back in one step.
    TModalHost::PushAnswer([](QWidget *dialog) {
        auto *form = static_cast<TAdviceDialog *>(dialog);
        QVERIFY(form->UndoButton->isVisible());
        QTest::mouseClick(form->UndoButton, Qt::LeftButton);
    });
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.AdviceAction);
    QCOMPARE(w.Status(4), QStringLiteral("CR= 0,1407"));
    w.Key(Qt::Key_Y, Qt::ControlModifier);   // the advice is an edit like any other
    QCOMPARE(w.Status(4), QStringLiteral("CR= ") + promised);
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QStringList after;
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            after << w.Grid()->Cell(c, r);
    QCOMPARE(after, grid);
}

// Without a window manager the program's own resize requests are obeyed: selecting
// criteria must not make any.
void TestMainWindow::theWindowKeepsItsSize()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    const QSize size = w.Form.size();
    for (int i = 0; i < 6; ++i) {
        w.ClickNode(QStringLiteral("Cena"));
        w.ClickNode(QStringLiteral("Poraba"));
        w.ClickNode(QStringLiteral("Nakup avtomobila"));
        QApplication::processEvents();
    }
    QCOMPARE(w.Form.size(), size);
}

// A ratings leaf made in the criterion dialog, its solutions rated by typing in
// their drop-downs, its scale edited, undone and redone, saved and opened again.
void TestMainWindow::ratingsLeafByMouseAndKeyboard()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    w.ClickNode(QStringLiteral("Nakup avtomobila"));
    AnswerCriterion(QStringLiteral("Videz"), TFormPopup_kriterij::RatingsItem);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    w.ClickNode(QStringLiteral("Videz"));
    QVERIFY(w.Form.Ratings->isVisible());
    QCOMPARE(w.Grid()->Cell(0, 1), QStringLiteral("Odlično"));   // the grid compares the intensities
    const QString before = w.Score(0);

    // Typing the first letter rates: "d" is "Dobro", one edit.
    auto *choice = w.Form.Ratings->Solutions->cellWidget(0, 1);
    choice->setFocus();
    QTest::keyClick(choice, Qt::Key_D);
    TCriterionNode *leaf = w.Model.Tree.Selected();
    QCOMPARE(leaf->Matrix->Scale->Ratings[0], 2);
    QVERIFY(w.Score(0) != before);
    QVERIFY(w.Form.UndoAction->text().contains(QStringLiteral("Dobro")));
    QTest::keyClick(&w.Form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.Model.Tree.Selected()->Matrix->Scale->Ratings[0], -1);
    QTest::keyClick(&w.Form, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.Model.Tree.Selected()->Matrix->Scale->Ratings[0], 2);

    // The scale: a sixth intensity named in the name dialog, the first moved down.
    AnswerName(QStringLiteral("Povprecno"));
    QTest::mouseClick(w.Form.Ratings->AddButton, Qt::LeftButton);
    QCOMPARE(w.Model.Tree.Selected()->Matrix->Order, 6);
    QCOMPARE(w.Grid()->Cell(0, 6), QStringLiteral("Povprecno"));
    w.ClickCell(2, 1);
    QTest::mouseClick(w.Form.Ratings->DownButton, Qt::LeftButton);
    QCOMPARE(w.Grid()->Cell(0, 2), QStringLiteral("Odlično"));
    QCOMPARE(w.Model.Tree.Selected()->Matrix->Scale->Ratings[0], 2);   // still "Dobro"

    // Saved as a new set and opened again: the scale and the ratings come back.
    const QString saved = FDir.filePath(QStringLiteral("ocene"));
    AnswerFile(saved);
    ClickMenuItem(w.Form, "Datoteka1", w.Form.Shranjevanjmodela1);
    TWindow again;
    again.Form.Run([&] { again.Form.OpenModel(saved); });
    again.ClickNode(QStringLiteral("Videz"));
    const TMatrix &m = *again.Model.Tree.Selected()->Matrix;
    QVERIFY(m.IsRatings());
    QCOMPARE(m.Scale->Intensities.size(), size_t(6));
    QCOMPARE(m.Scale->Ratings[0], 2);
    again.ClickNode(QStringLiteral("Nakup avtomobila"));
    w.ClickNode(QStringLiteral("Nakup avtomobila"));
    QCOMPARE(again.Score(0), w.Score(0));
}

// The uncertainty window from the menu: it runs at once, a long run is cancelled
// with "Prekini", a rerun shows the probabilities, and an edit runs it again.
void TestMainWindow::uncertaintyRunsCancelsAndFollows()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.UncertaintyAction);
    TUncertaintyWindow *u = w.Form.Uncertainty();
    QVERIFY(u && u->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!u->IsRunning(), 20000);
    QVERIFY(u->Result().has_value());
    QCOMPARE(u->Result()->First.size(), size_t(3));
    QCOMPARE(u->Table->item(0, 0)->text(), QStringLiteral("Corolla"));   // the best first
    auto *series = qobject_cast<QHorizontalStackedBarSeries *>(u->Chart->chart()->series().value(0));
    QVERIFY(series && series->count() == 3);
    QVERIFY(std::fabs(series->barSets().at(0)->at(2) - u->Result()->First[1]) < 1e-12);   // Corolla, on top

    // A long run, cancelled by a click.
    u->Runs->selectAll();
    QTest::keyClicks(u->Runs, QStringLiteral("1000000"));
    QTest::mouseClick(u->RunButton, Qt::LeftButton);
    QVERIFY(u->IsRunning());
    QTest::mouseClick(u->CancelButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!u->IsRunning(), 20000);
    QVERIFY(u->Summary->text().contains(QStringLiteral("Prekinjeno")));
    u->Runs->selectAll();
    QTest::keyClicks(u->Runs, QStringLiteral("2000"));
    QTest::mouseClick(u->RunButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!u->IsRunning(), 20000);
    QCOMPARE(u->Result()->Runs, 2000);

    // An edit of the model: the window runs again.
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.Priblinametoda1);
    QVERIFY(u->IsRunning() || u->Result()->Runs == 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!u->IsRunning(), 20000);

    // Fourteen solutions measured on two criteria: the ten best and the marked one
    // by name, the rest in one bar.
    TWindow m;
    m.Form.Run([&] {
        m.Document.NewModel(QStringLiteral("Cilj"));
        TCriterionNode *root = m.Model.Tree.FirstNode();
        m.Document.AddCriterion(root, QStringLiteral("A"), ckMoreIsBetter);   // before the solutions: no
        m.Document.AddCriterion(root, QStringLiteral("B"), ckLessIsBetter);   // ratio matrix of 14 items
        for (int k = 0; k < 14; ++k)
            m.Document.AddSolution(QStringLiteral("R%1").arg(k));
        for (int k = 0; k < 14; ++k) {
            m.Document.SetValue(root->Child(0), k + 1, QString::number(1 + k));
            m.Document.SetValue(root->Child(1), k + 1, QString::number(1 + (k * 5) % 14));
        }
        m.Document.SetRatio(root, 2, 1, QStringLiteral("2:1"), QStringLiteral("1:2"));
        m.Document.MarkSolution(0);
    });
    ClickMenuItem(m.Form, "Vrednotenje1", m.Form.UncertaintyAction);
    TUncertaintyWindow *mu = m.Form.Uncertainty();
    QTRY_VERIFY_WITH_TIMEOUT(!mu->IsRunning() && mu->Result() && mu->Result()->Scores.size() == 14, 20000);
    auto *many = qobject_cast<QHorizontalStackedBarSeries *>(mu->Chart->chart()->series().value(0));
    QVERIFY(many);
    double rest = 0;
    for (QBarSet *set : many->barSets())
        rest += set->at(0);
    // The rest first, then the ten best and the marked one (when it is not among them).
    QVERIFY(many->barSets().at(0)->count() == 11 || many->barSets().at(0)->count() == 12);
    auto *names = qobject_cast<QBarCategoryAxis *>(mu->Chart->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(names && names->categories().first().startsWith(QStringLiteral("Ostale (")));
    QVERIFY(std::fabs(rest - 1.0) < 1e-9);
}

KALVO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
