#include "TestMain.h"
#include "ui/mainwindow/FormKalvo.h"
#include "ui/common/ModalHost.h"
#include "model/Model.h"
#include "model/NodePath.h"
#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/mainwindow/StatusLineView.h"
#include "ui/mainwindow/StringGrid.h"
#include "analysis/Synthesis.h"
#include "ui/dialogs/FormRazmerje.h"
#include "matrix/Conversions.h"
#include "storage/ModelFiles.h"
#include "storage/ModelJson.h"
#include "UiTestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>
#include <QPushButton>
#include <QComboBox>
#include <QToolBar>
#include <QTemporaryDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {

struct TRatioSeen
{
    QString Caption, Left, Right;
    int Steps = 0, Max = 0, Position = -1;
};

// Answers the ratio dialog: records what it showed, presses keys on the slider, then Enter or Escape.
void AnswerRatio(TRatioSeen *seen, const QList<int> &keys, bool confirm = true)
{
    TModalHost::PushAnswer([=](QWidget *dialog) {
        auto *form = static_cast<TFormRazmerje *>(dialog);
        if (seen)
            *seen = {form->windowTitle(), form->Label1->text(), form->Label2->text(),
                     form->SpinEdit1->value(), form->TrackMax(), form->Position()};
        for (int key : keys)
            QTest::keyClick(form->TrackBar1, Qt::Key(key));
        QTest::keyClick(form->TrackBar1, confirm ? Qt::Key_Return : Qt::Key_Escape);
    });
}




// A root "Izbira" over three solutions, its matrix relative.
// Fills the grid again for the selected node: the criterion dialog, cancelled.
// With a log, the refresh that follows is expected to report an error.
void Refill(TWindow &w, QStringList *log = nullptr)
{
    TModalHost::PushAnswer([](QWidget *dialog) {
        QTest::mouseClick(static_cast<TFormPopup_kriterij *>(dialog)->Button2, Qt::LeftButton);
    });
    if (log)
        AnswerAndRecord(log);
    const auto items = w.Form.tv_kriteriji->selectedItems();
    QVERIFY(!items.isEmpty());
    QTest::mouseDClick(w.Form.tv_kriteriji->viewport(), Qt::LeftButton, {},
                       w.Form.tv_kriteriji->visualItemRect(items.first()).center());
}

void ThreeSolutions(TWindow &w)
{
    AnswerCriterion(QStringLiteral("Izbira"), 0, true);
    w.DoubleClickNode(QString());
    for (const char *name : {"Prvi", "Drugi", "Tretji"}) {
        AnswerName(QString::fromLatin1(name));
        w.Key(Qt::Key_R, Qt::ControlModifier);
    }
    w.ClickNode(QStringLiteral("Izbira"));
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
        TModalHost::ClearAnswers();
    }
    void cleanup()
    {
        QCOMPARE(TModalHost::PendingAnswers(), 0);
        TModalHost::ClearAnswers();
    }
    void ratioEdits_data();
    void ratioEdits();
    void blankPairs();
    void groupParticipants();
    void groupAsEachParticipantJudges();
    void weightsNotDetermined();
    void newSolutionAwaitsItsValues();
    void barsFollowTheEditAtOnce();
    void presetFromTheCell_data();
    void presetFromTheCell();
    void diagonalAndCancelStillRecompute();
    void enterOpensTheDialog();
    void decimalTextCannotBePreset();
    void typedAbsoluteValues();
    void closingWithAnOpenEditor();
    void switchingKindKeepsBothSets();
    void gridFollowsItemChanges();
    void stanovanjeByMouseAndKeyboard();
};

void TestGrid::ratioEdits_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("mirror");
    QTest::newRow("position 5") << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left} << "4:1" << "1:4";
    QTest::newRow("position 11") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << "1:4" << "4:1";
    QTest::newRow("position 8") << QList<int>{} << "1" << "1";
}

void TestGrid::ratioEdits()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, clicked);
    QFETCH(QString, mirror);
    TWindow w;
    ThreeSolutions(w);
    TRatioSeen seen;
    AnswerRatio(&seen, keys);
    w.DoubleClickCell(2, 1);
    QCOMPARE(seen.Caption, QStringLiteral("Razmerje - Izbira"));
    QCOMPARE(seen.Left, QStringLiteral("Prvi"));
    QCOMPARE(seen.Right, QStringLiteral("Drugi"));
    QCOMPARE(seen.Steps, 9);
    QCOMPARE(seen.Position, 8);
    QCOMPARE(w.Grid()->Cell(2, 1), clicked);
    QCOMPARE(w.Grid()->Cell(1, 2), mirror);
    QCOMPARE(w.Selected().Ratios[1][0], clicked);
    QCOMPARE(w.Selected().Ratios[0][1], mirror);
}

void TestGrid::barsFollowTheEditAtOnce()
{
    TWindow w;
    for (const char *name : {"A", "B", "C"}) {
        AnswerCriterion(QString::fromLatin1(name), 0);
        w.Key(Qt::Key_D, Qt::ControlModifier);
    }
    AnswerRatio(nullptr, {Qt::Key_Left, Qt::Key_Left});   // A : B = 3:1
    w.DoubleClickCell(2, 1);
    // The bars show the weights the edit gave, without selecting the node again.
    const TMatrix &m = w.Selected();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.Form.Panel2->SubcriterionValue(i)->text(), FormatFloat4(m.Vector[size_t(i)]));
    QVERIFY(w.Form.Panel2->SubcriterionValue(0)->text() != QStringLiteral("0,3333"));   // not the weights before
}

void TestGrid::presetFromTheCell_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("written");
    QTest::newRow("1:7") << "1:7" << 9 << 14 << "1:7";
    QTest::newRow("7:1") << "7:1" << 9 << 2 << "7:1";
    QTest::newRow("12:1") << "12:1" << 12 << 0 << "12:1";
    QTest::newRow("1:15") << "1:15" << 15 << 28 << "1:15";
    QTest::newRow("3:2 becomes 3:1") << "3:2" << 9 << 6 << "3:1";
}

void TestGrid::presetFromTheCell()
{
    QFETCH(QString, text);
    QFETCH(int, steps);
    QFETCH(int, position);
    QFETCH(QString, written);
    TWindow w;
    ThreeSolutions(w);
    w.Selected().Ratios[2][1] = text;   // as a model file may bring it
    Refill(w);
    TRatioSeen seen;
    AnswerRatio(&seen, {});
    w.DoubleClickCell(3, 2);
    QCOMPARE(seen.Steps, steps);
    QCOMPARE(seen.Max, 2 * steps - 2);
    QCOMPARE(seen.Position, position);
    QCOMPARE(w.Grid()->Cell(3, 2), written);
    QCOMPARE(w.Selected().Ratios[2][1], written);
}

void TestGrid::diagonalAndCancelStillRecompute()
{
    TWindow w;
    ThreeSolutions(w);
    w.Selected().Ratios[1][0] = QStringLiteral("3:1");   // changed behind the grid's back
    QCOMPARE(w.Score(0), QStringLiteral("0,3333"));
    w.DoubleClickCell(2, 2);                             // no dialog, but a recompute
    QCOMPARE(w.Selected().Ratios[1][0], QStringLiteral("3:1"));
    QVERIFY(w.Score(0) != QStringLiteral("0,3333"));

    AnswerRatio(nullptr, {Qt::Key_Left}, false);
    w.DoubleClickCell(3, 1);
    QCOMPARE(w.Grid()->Cell(3, 1), QStringLiteral("1"));
    QCOMPARE(w.Selected().Ratios[1][0], QStringLiteral("3:1"));
}

void TestGrid::enterOpensTheDialog()
{
    TWindow w;
    ThreeSolutions(w);
    w.ClickCell(3, 1);
    TRatioSeen seen;
    AnswerRatio(&seen, {Qt::Key_PageUp});   // 8 -> 10: the column's item wins 3:1
    QTest::keyClick(w.Grid(), Qt::Key_Return);
    QCOMPARE(seen.Right, QStringLiteral("Tretji"));
    QCOMPARE(w.Grid()->Cell(3, 1), QStringLiteral("1:3"));
    QCOMPARE(w.Grid()->Cell(1, 3), QStringLiteral("3:1"));
    // Arrow keys move between data cells; F2 opens the dialog too.
    QTest::keyClick(w.Grid(), Qt::Key_Down);
    QCOMPARE(w.Grid()->Row(), 2);
    AnswerRatio(&seen, {});
    QTest::keyClick(w.Grid(), Qt::Key_F2);
    QCOMPARE(seen.Left, QStringLiteral("Drugi"));
}

void TestGrid::decimalTextCannotBePreset()
{
    TWindow w;
    ThreeSolutions(w);
    w.Selected().Ratios[1][0] = QStringLiteral("2,5");
    QStringList log;
    Refill(w, &log);   // the exact method reads 2,5 in the power but not in lambda
    AnswerAndRecord(&log);
    w.DoubleClickCell(2, 1);
    QCOMPARE(log, (QStringList{"Kalvo: ',' is not a valid integer value\nKriterij »Izbira«, celica (1, 2)",
                               "Kalvo: ',' is not a valid integer value\nKriterij »Izbira«, celica (1, 2)"}));
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("2,5"));
    QCOMPARE(w.Grid()->Cell(1, 2), QStringLiteral("1"));
}

void TestGrid::typedAbsoluteValues()
{
    TWindow w;
    AnswerCriterion(QStringLiteral("Cena"), 1);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    for (const char *name : {"A", "B"}) {
        AnswerName(QString::fromLatin1(name));
        w.Key(Qt::Key_R, Qt::ControlModifier);
    }
    w.ClickNode(QStringLiteral("Cena"));
    QCOMPARE(w.Grid()->Cell(1, 0), QStringLiteral("Manj je boljše"));
    QVERIFY(!w.Grid()->Typing());
    w.ClickCell(1, 1);
    QVERIFY(w.Grid()->Typing());   // an absolute value switches typing on

    w.Type(QStringLiteral("4"));
    QCOMPARE(w.Selected().AbsoluteValues[0], QStringLiteral("1"));   // one finished cell is one edit
    w.Type(QStringLiteral("a"));                       // a letter is undone at once, with a word why
    QTRY_VERIFY(QToolTip::text().contains(QStringLiteral("ni število")));
    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(), QStringLiteral("4"));
    w.Key(Qt::Key_Return);
    QTRY_COMPARE(w.Selected().AbsoluteValues[0], QStringLiteral("4"));   // the view commits after the key
    QCOMPARE(w.Score(0), QStringLiteral("0,2000"));   // 1/4 against 1/1

    // Zero and negative values are refused once, after the editor closed (a box
    // shown from inside its key handling used to delete it under itself).
    QStringList log;
    const struct {
        const char *typed;
        const char *stored;
        const char *warning;
    } rows[] = {
        {"0", "1", "Opozorilo: Vrednost 0 ni dovoljena!"},
        {"0,5", "0,5", nullptr},   // a leading zero is not a zero
        {"-3", "0,5", "Opozorilo: Negativna vrednost ni dovoljena!"},
        {"2.5", "2,5", nullptr},   // the other separator is the decimal one, not undone
    };
    for (const auto &row : rows) {
        log.clear();
        if (row.warning)
            AnswerAndRecord(&log);
        w.ClickCell(1, 2);
        QTest::qWait(QApplication::doubleClickInterval() + 100);   // a click on the current cell opens its editor
        w.Type(QString::fromLatin1(row.typed));
        w.Key(Qt::Key_Return);
        QTRY_COMPARE(log, row.warning ? QStringList{QString::fromUtf8(row.warning)} : QStringList());
        QTRY_COMPARE(w.Selected().AbsoluteValues[1], QString::fromLatin1(row.stored));
        QCOMPARE(w.Grid()->Cell(1, 2), QString::fromLatin1(row.stored));
    }

    // A refused value leaves what the cell held before the editing, not a keystroke's value.
    log.clear();
    AnswerAndRecord(&log);
    w.ClickCell(1, 2);
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    w.Type(QStringLiteral("5"));
    w.Key(Qt::Key_Backspace);
    w.Type(QStringLiteral("0"));
    w.Key(Qt::Key_Return);
    QTRY_COMPARE(log, QStringList{QStringLiteral("Opozorilo: Vrednost 0 ni dovoljena!")});
    QCOMPARE(w.Selected().AbsoluteValues[1], QStringLiteral("2,5"));
    QCOMPARE(w.Grid()->Cell(1, 2), QStringLiteral("2,5"));

    // Escape drops the typing: nothing stored, and the next editing starts from the stored value.
    w.ClickCell(1, 1);
    w.Key(Qt::Key_F2);
    w.Key(Qt::Key_End);
    w.Type(QStringLiteral("7"));
    w.Key(Qt::Key_Escape);
    QTest::qWait(50);
    QCOMPARE(w.Selected().AbsoluteValues[0], QStringLiteral("4"));
    w.Key(Qt::Key_F2);
    w.Key(Qt::Key_End);
    w.Type(QStringLiteral("x"));
    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(), QStringLiteral("4"));
    w.Key(Qt::Key_Escape);

    // Clearing the cell stores nothing; the next fill shows the stored value again.
    w.ClickCell(1, 1);
    w.Key(Qt::Key_F2);
    w.Key(Qt::Key_Backspace);
    w.Key(Qt::Key_Return);
    QCOMPARE(w.Selected().AbsoluteValues[0], QStringLiteral("4"));
    Refill(w);
    QCOMPARE(w.Grid()->Cell(1, 1), QStringLiteral("4"));

    // Leaving the grid switches typing off.
    w.ClickCell(1, 1);
    QVERIFY(w.Grid()->Typing());
    w.Form.tv_kriteriji->setFocus();
    QTRY_VERIFY(!w.Grid()->Typing());
}

// The editor commits as the window goes; nothing may reach the half-destroyed window.
void TestGrid::closingWithAnOpenEditor()
{
    {
        TWindow w;
        AnswerCriterion(QStringLiteral("Cena"), 1);
        w.Key(Qt::Key_D, Qt::ControlModifier);
        AnswerName(QStringLiteral("A"));
        w.Key(Qt::Key_R, Qt::ControlModifier);
        w.ClickNode(QStringLiteral("Cena"));
        w.ClickCell(1, 1);
        w.Type(QStringLiteral("5"));
        w.Key(Qt::Key_Return);
        w.Type(QStringLiteral("7"));   // open, committed on Return only after the window is gone
        w.Key(Qt::Key_Return);
    }
    QTest::qWait(50);
}

void TestGrid::switchingKindKeepsBothSets()
{
    TWindow w;
    ThreeSolutions(w);
    AnswerRatio(nullptr, {Qt::Key_Left});   // 2:1
    w.DoubleClickCell(2, 1);
    AnswerCriterion(QStringLiteral("Ocena"), 2, true);
    w.DoubleClickNode(QStringLiteral("Izbira"));
    QCOMPARE(w.Model.Tree.FirstNode()->Name, QStringLiteral("Ocena"));
    QCOMPARE(w.Grid()->Cell(0, 0), QStringLiteral("Ocena"));
    QCOMPARE(w.Grid()->Cell(1, 0), QStringLiteral("Več je boljše"));
    QCOMPARE(w.Form.tv_kriteriji->toolTip(), QStringLiteral("Ocena - Absolutne vrednosti - več je boljše"));
    w.ClickCell(1, 3);
    w.Type(QStringLiteral("5"));
    w.Key(Qt::Key_Return);
    QTRY_COMPARE(w.Score(2), QStringLiteral("0,7143"));

    AnswerCriterion(QString(), 0);
    w.DoubleClickNode(QStringLiteral("Ocena"));
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("2:1"));
    AnswerCriterion(QString(), 2);
    w.DoubleClickNode(QStringLiteral("Ocena"));
    QCOMPARE(w.Grid()->Cell(1, 3), QStringLiteral("5"));
}

void TestGrid::gridFollowsItemChanges()
{
    TWindow w;
    ThreeSolutions(w);
    AnswerRatio(nullptr, {Qt::Key_Left, Qt::Key_Left});   // Prvi 3:1 over Drugi
    w.DoubleClickCell(2, 1);
    AnswerRatio(nullptr, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});   // Tretji 5:1 over Drugi
    w.DoubleClickCell(3, 2);
    // Remove Drugi: its row and column go; Prvi against Tretji keeps its own cell.
    QTest::mouseClick(w.Form.Panel2->NameLabel(1), Qt::LeftButton);
    w.Key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(w.Grid()->ColCount(), 3);
    QCOMPARE(w.Grid()->Cell(2, 0), QStringLiteral("Tretji"));
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("1"));
    AnswerName(QStringLiteral("Novi"));
    w.Key(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(w.Grid()->ColCount(), 4);
    QCOMPARE(w.Grid()->Cell(0, 3), QStringLiteral("Novi"));
}

void TestGrid::stanovanjeByMouseAndKeyboard()
{
    TWindow w;
    AnswerName(QStringLiteral("Stanovanje"));
    w.Key(Qt::Key_N, Qt::ControlModifier);
    AnswerCriterion(QStringLiteral("Cena"), 1);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    AnswerCriterion(QStringLiteral("Lega"), 0);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    for (const char *name : {"Stan A", "Stan B"}) {
        AnswerName(QString::fromLatin1(name));
        w.Key(Qt::Key_R, Qt::ControlModifier);
    }
    w.ClickNode(QStringLiteral("Stanovanje"));
    AnswerRatio(nullptr, {Qt::Key_Left, Qt::Key_Left});   // Cena 3:1 over Lega
    w.DoubleClickCell(2, 1);

    w.ClickNode(QStringLiteral("Cena"));
    w.ClickCell(1, 1);
    w.Type(QStringLiteral("1250,5"));
    w.Key(Qt::Key_Return);
    w.ClickCell(1, 2);
    w.Type(QStringLiteral("980"));
    w.Key(Qt::Key_Return);

    w.ClickNode(QStringLiteral("Lega"));
    AnswerRatio(nullptr, {Qt::Key_Left, Qt::Key_Left});   // Stan A 3:1 over Stan B
    w.DoubleClickCell(2, 1);

    w.ClickNode(QStringLiteral("Stanovanje"));
    QCOMPARE(w.Score(0), QStringLiteral("0,5170"));
    QCOMPARE(w.Score(1), QStringLiteral("0,4830"));
    QCOMPARE(w.Form.StatusPanels[1]->text(), QStringLiteral("Matrika 2x2"));
}

// A pair left blank by Delete or by "Ni primerjano": the grid shows its completed
// value apart, the line under it the pair to ask next, which a double-click opens.
void TestGrid::blankPairs()
{
    TWindow w;
    ThreeSolutions(w);
    auto *line = w.Form.BlankPairs;
    QVERIFY(!line->isVisible());
    w.ClickCell(3, 1);
    w.Key(Qt::Key_Delete);
    QVERIFY(w.Selected().Ratios[2][0].isEmpty() && w.Selected().Ratios[0][2].isEmpty());
    for (const QPoint cell : {QPoint(3, 1), QPoint(1, 3)}) {
        const QTableWidgetItem *item = w.Grid()->item(cell.y() - 1, cell.x() - 1);
        QCOMPARE(item->text(), QStringLiteral("1,0000"));   // completed from 1 and 1
        QVERIFY(item->font().italic());
        QCOMPARE(item->toolTip(), QStringLiteral("Ni primerjano; dopolnjeno iz ostalih primerjav"));
    }
    QVERIFY(!w.Grid()->item(1, 0)->font().italic());
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), QStringLiteral("Neprimerjani pari: 1. Naslednja primerjava: »Prvi« : »Tretji«"));
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: ni primerjano Prvi : Tretji"));

    // The line's double-click asks that pair; the answer fills it again.
    TRatioSeen seen;
    AnswerRatio(&seen, {Qt::Key_PageUp});
    QTest::mouseDClick(line, Qt::LeftButton);
    QCOMPARE(seen.Left, QStringLiteral("Prvi"));
    QCOMPARE(seen.Right, QStringLiteral("Tretji"));
    QCOMPARE(seen.Position, 8);   // from equal importance, not from the completed value
    QCOMPARE(w.Grid()->Cell(3, 1), QStringLiteral("1:3"));
    QVERIFY(!w.Grid()->item(0, 2)->font().italic());
    QVERIFY(!line->isVisible());

    // "Ni primerjano" in the ratio dialog, and Ctrl+Z takes it back.
    TModalHost::PushAnswer([](QWidget *dialog) {
        QTest::mouseClick(static_cast<TFormRazmerje *>(dialog)->BlankButton, Qt::LeftButton);
    });
    w.DoubleClickCell(2, 1);
    QVERIFY(w.Selected().Ratios[1][0].isEmpty());
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("0,3333"));   // Prvi : Tretji is 1:3, Drugi : Tretji 1
    QCOMPARE(line->text(), QStringLiteral("Neprimerjani pari: 1. Naslednja primerjava: »Prvi« : »Drugi«"));
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("1"));
    QVERIFY(!line->isVisible());
}

// A group's model: the selector shows whose judgements the grid edits; an edit as
// a participant changes the group's result, and the group's own cells stay read-only.
void TestGrid::groupParticipants()
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("skupina"));
    WriteGroupModelSet(base, {"Koren", "\tA", "\tB"}, {"Ana", "Bine"}, {"1", "1", "1", "1"});
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(base); });
    QComboBox *who = w.Form.ParticipantSelector;
    QCOMPARE(who->count(), 3);
    QTRY_VERIFY(who->isVisible());
    QCOMPARE(w.Score(0), QStringLiteral("0,4330"));   // A : B is the geometric mean of 3 and 1
    // Ana puts A at 0,75, Bine at 0,5: their consensus, under the grid.
    QVERIFY2(w.Form.BlankPairs->text().startsWith(QStringLiteral("Soglasje udeležencev: ")), qPrintable(w.Form.BlankPairs->text()));
    // Beside each score, the solution's rank by each participant alone.
    QLabel *ranks = w.Form.Panel2->RanksLabel(0);
    QVERIFY(ranks->isVisible());
    QVERIFY2(QRegularExpression(QStringLiteral("^[12] · [12]$")).match(ranks->text()).hasMatch(), qPrintable(ranks->text()));
    QVERIFY(ranks->toolTip().contains(QStringLiteral("Ana: ")) && ranks->toolTip().contains(QStringLiteral("Bine: ")));
    auto *status = w.Form.findChild<TStatusLineView *>();
    QCOMPARE(status->Panels[1]->text(), QStringLiteral("Matrika 2x2"));

    // The group's cells are computed: an edit there is refused with a message.
    QStringList log;
    AnswerAndRecord(&log);
    w.ClickCell(2, 1);
    w.Key(Qt::Key_Delete);
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QStringLiteral("presoja skupina")), qPrintable(log.first()));

    // As Ana: her judgement in the grid, her edit moves the group.
    who->setFocus();
    QTest::keyClick(who, Qt::Key_Down);
    QCOMPARE(who->currentText(), QStringLiteral("Ana"));
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("3:1"));
    QCOMPARE(status->Panels[1]->text(), QStringLiteral("Matrika 2x2 · Ana"));   // the status line is hers
    AnswerRatio(nullptr, {Qt::Key_Home});   // 9:1
    w.DoubleClickCell(2, 1);
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("9:1"));
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: Ana: razmerje A : B"));
    QCOMPARE(w.Score(0), QStringLiteral("0,3750"));   // A : B now 3, the mean of 9 and 1
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.Score(0), QStringLiteral("0,4330"));
}

// Ana judges the root's three items and leaf A; Bine leaves A : C blank and leaf
// A unjudged. "Skupina" shows the aggregate, read-only; Bine's view shows his own
// matrix's figures and lets him judge the pair whose completed value is shown.
void TestGrid::groupAsEachParticipantJudges()
{
    QTemporaryDir dir;
    const QByteArray json = R"({"format": "kalvo-model", "version": 1, "solutions": ["X", "Y"],
        "participants": [{"name": "Ana", "weight": 1}, {"name": "Bine", "weight": 1}],
        "criteria": [
          {"name": "Koren", "level": 0, "kind": "relative",
           "ratios": [["1", "1", "1"], ["1", "1", "1"], ["1", "1", "1"]],
           "judgements": [[["1", "3:1", "4:1"], ["1:3", "1", "2:1"], ["1:4", "1:2", "1"]],
                          [["1", "1", ""], ["1", "1", "3:1"], ["", "1:3", "1"]]]},
          {"name": "A", "level": 1, "kind": "relative", "ratios": [["1", "1"], ["1", "1"]],
           "judgements": [[["1", "3:1"], ["1:3", "1"]], [["1", ""], ["", "1"]]]},
          {"name": "B", "level": 1, "kind": "more_is_better", "values": ["1", "2"]},
          {"name": "C", "level": 1, "kind": "less_is_better", "values": ["1", "2"]}]})";
    TModel model;
    ModelFromJson(model, json);
    SaveProject(model, dir.filePath(QStringLiteral("skupina")));
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(dir.filePath(QStringLiteral("skupina"))); });
    QCOMPARE(w.Grid()->Cell(2, 1), QStringLiteral("1,73:1"));   // the geometric mean of 3 and 1
    QCOMPARE(w.Grid()->Cell(1, 2), QStringLiteral("1:1,73"));
    QCOMPARE(w.Grid()->Cell(3, 1), QStringLiteral("4:1"));       // Ana's alone
    QVERIFY(!w.Grid()->item(0, 1)->toolTip().isEmpty());
    QStringList log;
    AnswerAndRecord(&log);   // refused before the ratio dialog, which would take an answer in vain
    w.DoubleClickCell(2, 1);
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QStringLiteral("presoja skupina")), qPrintable(log.first()));

    QComboBox *who = w.Form.ParticipantSelector;
    QTRY_VERIFY(who->isVisible());
    who->setFocus();
    QTest::keyClick(who, Qt::Key_Down);
    QTest::keyClick(who, Qt::Key_Down);
    QCOMPARE(who->currentText(), QStringLiteral("Bine"));
    auto *status = w.Form.findChild<TStatusLineView *>();
    QCOMPARE(status->Panels[1]->text(), QStringLiteral("Matrika 3x3 · Bine"));   // his, though leaf A is not judged by him
    QCOMPARE(status->Panels[2]->text(), QStringLiteral("lambda= 3,0000"));      // A : C completed from 1 and 3
    QVERIFY(w.Grid()->item(0, 2)->font().italic());
    QVERIFY(w.Form.BlankPairs->text().contains(QStringLiteral("Naslednja primerjava: »A« : »C«")));
    TRatioSeen seen;
    AnswerRatio(&seen, {Qt::Key_PageUp});
    w.DoubleClickCell(3, 1);
    QCOMPARE(seen.Position, 8);   // equal importance, not the completed value
    QCOMPARE(seen.Max, 16);
    QCOMPARE(w.Model.Tree.FirstNode()->Matrix->Judges[1][2][0], QStringLiteral("1:3"));
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: Bine: razmerje A : C"));
}

// Pairs deleted until Prtljažnik is compared with nothing: no box, but every view
// says the weights are not determined and which pair joins it again; the undo
// caption follows; the model saved and opened again shows the same.
void TestGrid::weightsNotDetermined()
{
    QTemporaryDir dir;
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    w.ClickNode(QStringLiteral("Nakup avtomobila"));
    QStringList log;
    AnswerAndRecord(&log);   // none may come
    for (int r = 1; r <= 3; ++r) {
        w.ClickCell(4, r);
        w.Key(Qt::Key_Delete);
    }
    auto notDetermined = [&] {
        QCOMPARE(w.Score(0), QStringLiteral("–"));
        QCOMPARE(w.Status(1), QStringLiteral("Uteži niso določene"));
        QVERIFY2(w.Form.BlankPairs->text().contains(QStringLiteral("»Prtljažnik«"))
                     && w.Form.BlankPairs->text().contains(QStringLiteral("Naslednja primerjava: »Stroški« : »Prtljažnik«")),
                 qPrintable(w.Form.BlankPairs->text()));
    };
    notDetermined();
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: ni primerjano Udobje : Prtljažnik"));
    QCOMPARE(log, QStringList());
    TModalHost::ClearAnswers();
    AnswerFile(dir.filePath(QStringLiteral("narazen")));
    w.Key(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    AnswerAndRecord(&log);
    notDetermined();
    w.Form.Run([&] { w.Form.OpenModel(dir.filePath(QStringLiteral("narazen"))); });
    w.ClickNode(QStringLiteral("Udobje"));
    w.ClickNode(QStringLiteral("Nakup avtomobila"));
    notDetermined();
    QCOMPARE(log, QStringList());
    TModalHost::ClearAnswers();

    // The line's double-click asks the pair that joins Prtljažnik again.
    TRatioSeen seen;
    AnswerRatio(&seen, {});
    QTest::mouseDClick(w.Form.BlankPairs, Qt::LeftButton);
    QCOMPARE(seen.Right, QStringLiteral("Prtljažnik"));
    QVERIFY(w.Score(0) != QStringLiteral("–"));
    QCOMPARE(w.Status(1), QStringLiteral("Matrika 4x4"));
}

// A new solution's measured values are placeholders: shown apart, named under the
// grid, reached by a double-click; typing one makes it a value like any other.
void TestGrid::newSolutionAwaitsItsValues()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    QVERIFY(!w.Form.AwaitingValues->isVisible());
    AnswerName(QStringLiteral("Golf"));
    w.Key(Qt::Key_R, Qt::ControlModifier);
    QLabel *note = w.Form.AwaitingValues;
    QTRY_VERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("Rešitev »Golf« še nima vnesenih vrednosti (za zdaj 1): Cena, Poraba, Prtljažnik"));
    QTest::mouseDClick(note, Qt::LeftButton);
    QCOMPARE(w.Grid()->Cell(0, 0), QStringLiteral("Cena"));
    QCOMPARE(w.Grid()->Row(), 4);
    QVERIFY(w.Grid()->item(3, 0)->font().italic());
    QVERIFY(!w.Grid()->item(2, 0)->font().italic());
    w.Type(QStringLiteral("1"));   // the placeholder's own value, typed: a value now
    w.Key(Qt::Key_Return);
    QTRY_COMPARE(note->text(), QStringLiteral("Rešitev »Golf« še nima vnesenih vrednosti (za zdaj 1): Poraba, Prtljažnik"));
    QVERIFY(!w.Grid()->item(3, 0)->font().italic());
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.Grid()->item(3, 0)->font().italic());
    QVERIFY(note->text().endsWith(QStringLiteral("Cena, Poraba, Prtljažnik")));
}

KALVO_TEST_MAIN(TestGrid)
#include "tst_grid.moc"
