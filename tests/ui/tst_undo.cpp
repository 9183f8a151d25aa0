#include "TestMain.h"
#include "UiTestSupport.h"
#include "storage/ModelFiles.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/dialogs/ParticipantsDialog.h"
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/mainwindow/StringGrid.h"
#include "ui/dialogs/FormRazmerje.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QListWidget>
#include <QLineEdit>
#include <QDoubleSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// What a user sees and what a save would write.
QStringList Seen(TWindow &w)
{
    const TModelSetBytes files = EncodeProject(w.Model);
    QStringList seen{QString::fromLatin1((files.Criteria + files.Matrices + files.Solutions).toHex())};
    seen << w.RowNames() << QString::number(w.Model.MarkedSolution);
    for (QTreeWidgetItemIterator it(w.Form.tv_kriteriji); *it; ++it)
        seen << (*it)->text(0);
    for (int c = 0; c < w.Grid()->ColCount(); ++c)
        for (int r = 0; r < w.Grid()->RowCount(); ++r)
            seen << w.Grid()->Cell(c, r);
    return seen;
}

enum TEdit { Ratio, Value, AddCriterion, RemoveCriterion, EditCriterion, RenameInPlace, AddSolution,
             RenameSolution, MarkSolution, RemoveSolution, RemoveAll };

// Goes where the edit is made: an undo shows the criterion it took back.
void GoTo(TWindow &w, int edit)
{
    const char *node = edit == Value || edit == EditCriterion ? "Cena"
                       : edit == RemoveCriterion ? "Stroški" : edit == RenameInPlace ? "Udobje" : nullptr;
    if (node)
        w.ClickNode(QString::fromUtf8(node));
}

void MakeEdit(TWindow &w, int edit)
{
    switch (edit) {
    case Ratio:
        TModalHost::PushAnswer([](QWidget *dialog) {
            auto *form = static_cast<TFormRazmerje *>(dialog);
            QTest::keyClick(form->TrackBar1, Qt::Key_PageUp);
            QTest::keyClick(form->TrackBar1, Qt::Key_Return);
        });
        w.DoubleClickCell(3, 1);
        break;
    case Value:
        w.ClickCell(1, 2);
        w.Type(QStringLiteral("19990"));
        w.Key(Qt::Key_Return);
        QTRY_COMPARE(w.Model.Tree.Selected()->Matrix->AbsoluteValues[1], QStringLiteral("19990"));
        break;
    case AddCriterion:
        AnswerCriterion(QStringLiteral("Barva"), 0);
        w.Key(Qt::Key_D, Qt::ControlModifier);
        break;
    case RemoveCriterion:
        w.Key(Qt::Key_I, Qt::ControlModifier);
        break;
    case EditCriterion:
        AnswerCriterion(QStringLiteral("Cena"), 2, true);
        w.DoubleClickNode(QStringLiteral("Cena"));
        break;
    case RenameInPlace:
        w.Key(Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Prostor"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(w.Model.Tree.Selected()->Name, QStringLiteral("Prostor"));
        break;
    case AddSolution:
        AnswerName(QStringLiteral("Golf"));
        w.Key(Qt::Key_R, Qt::ControlModifier);
        break;
    case RenameSolution:
        AnswerName(QStringLiteral("Octavia RS"));
        ClickMenuItem(w.Form, "Reitve1", w.Form.Preimenuj1);
        break;
    case MarkSolution:
        QTest::mouseClick(w.Form.Panel2->NameLabel(2), Qt::LeftButton);
        break;
    case RemoveSolution:
        w.Key(Qt::Key_E, Qt::ControlModifier);
        break;
    case RemoveAll:
        w.Key(Qt::Key_G, Qt::ControlModifier);
        break;
    }
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void everyEditUndoesAndRedoes_data();
    void everyEditUndoesAndRedoes();
    void savingMarksTheCleanState();
    void participantsDialog();
    void surveyFromTheWindow();
};

void TestUndo::everyEditUndoesAndRedoes_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("caption");
    QTest::newRow("ratio") << int(Ratio) << "razmerje Stroški : Udobje";
    QTest::newRow("typed value") << int(Value) << "vrednost Corolla";
    QTest::newRow("add criterion") << int(AddCriterion) << "dodaj kriterij Barva";
    QTest::newRow("remove criterion") << int(RemoveCriterion) << "izloči kriterij Stroški";
    QTest::newRow("criterion kind") << int(EditCriterion) << "popravi kriterij Cena";
    QTest::newRow("rename in the tree") << int(RenameInPlace) << "preimenuj kriterij Prostor";
    QTest::newRow("add solution") << int(AddSolution) << "dodaj rešitev Golf";
    QTest::newRow("rename solution") << int(RenameSolution) << "preimenuj rešitev Octavia RS";
    QTest::newRow("mark solution") << int(MarkSolution) << "označi rešitev Ceed";
    QTest::newRow("remove solution") << int(RemoveSolution) << "odstrani rešitev Octavia";
    QTest::newRow("remove all") << int(RemoveAll) << "odstrani vse rešitve";
}

// Each kind of edit by keys and mouse, then Ctrl+Z shows the model as before it,
// and Ctrl+Y and Ctrl+Shift+Z as after it.
void TestUndo::everyEditUndoesAndRedoes()
{
    QFETCH(int, edit);
    QFETCH(QString, caption);
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    QVERIFY(!w.Form.UndoAction->isEnabled() && !w.Form.RedoAction->isEnabled());
    GoTo(w, edit);
    const QStringList before = Seen(w);
    MakeEdit(w, edit);
    const QStringList after = Seen(w);
    QVERIFY(after != before);
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: ") + caption);
    QVERIFY(w.Form.UndoAction->isEnabled() && !w.Form.RedoAction->isEnabled());

    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Seen(w), before);
    QCOMPARE(w.Form.RedoAction->text(), QStringLiteral("&Uveljavi: ") + caption);
    QVERIFY(!w.Form.UndoAction->isEnabled() && w.Form.RedoAction->isEnabled());
    w.Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Seen(w), after);
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    w.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Seen(w), after);
}

// Saving marks the clean state: the questions come only with unsaved changes.
void TestUndo::savingMarksTheCleanState()
{
    QTemporaryDir dir;
    for (const char *ext : {".KRT", ".MAT", ".RST"})
        QFile::copy(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto") + ext, dir.filePath(QStringLiteral("Avto") + ext));
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(dir.filePath(QStringLiteral("Avto"))); });
    QStringList log;
    AnswerAndRecord(&log);   // would record the new-model dialog, were a question skipped
    w.Key(Qt::Key_N, Qt::ControlModifier);   // nothing changed: no question
    QCOMPARE(log, QStringList{"FormNewModel"});

    MakeEdit(w, AddSolution);
    w.Key(Qt::Key_S, Qt::ControlModifier);
    MakeEdit(w, MarkSolution);   // no file holds the mark
    log.clear();
    AnswerAndRecord(&log);
    w.Key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(log, QStringList{"FormNewModel"});

    w.Key(Qt::Key_Z, Qt::ControlModifier);
    w.Key(Qt::Key_Z, Qt::ControlModifier);   // back before the save: unsaved again
    log.clear();
    AnswerAndRecord(&log, QMessageBox::Cancel);
    w.Key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(log, QStringList{"Vprašanje: Želite shraniti spremembe modela »Avto«?"});
    QCOMPARE(w.RowNames(), (QStringList{"Octavia", "Corolla", "Ceed"}));
}

// "Udeleženci": the first participant takes over the judgements (the results stay),
// a later one starts with none; each is one edit that Ctrl+Z takes back.
void TestUndo::participantsDialog()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    const QString score = w.Score(1);
    TModalHost::PushAnswer([](QWidget *dialog) {
        auto *form = static_cast<TParticipantsDialog *>(dialog);
        QTest::keyClicks(form->NameEdit, QStringLiteral("Ana"));
        QTest::mouseClick(form->AddButton, Qt::LeftButton);
        form->NameEdit->clear();
        QTest::keyClicks(form->NameEdit, QStringLiteral("Bine"));
        form->WeightBox->selectAll();
        QTest::keyClicks(form->WeightBox, QStringLiteral("2"));
        QTest::mouseClick(form->AddButton, Qt::LeftButton);
        QCOMPARE(form->List->count(), 2);
        // The fields show the one just added: "Spremeni" changes Bine, in one edit.
        QCOMPARE(form->NameEdit->text(), QStringLiteral("Bine"));
        form->NameEdit->selectAll();
        QTest::keyClicks(form->NameEdit, QStringLiteral("Bojan"));
        form->WeightBox->selectAll();
        QTest::keyClicks(form->WeightBox, QStringLiteral("3"));
        QTest::mouseClick(form->ChangeButton, Qt::LeftButton);
        QTest::mouseClick(form->CloseButton, Qt::LeftButton);
    });
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.ParticipantsAction);
    QCOMPARE(w.Model.Participants, (std::vector<TParticipant>{{"Ana", 1.0}, {"Bojan", 3.0}}));
    QCOMPARE(w.Score(1), score);   // Bojan has judged nothing: the group is Ana, who is the model
    QTRY_VERIFY(w.Form.ParticipantSelector->isVisible());
    QCOMPARE(w.Form.ParticipantSelector->count(), 3);
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: popravi udeleženca Bojan"));
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.Model.Participants, (std::vector<TParticipant>{{"Ana", 1.0}, {"Bine", 2.0}}));
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.Model.Participants.empty());
    QTRY_VERIFY(!w.Form.ParticipantSelector->isVisible());
    QCOMPARE(w.Score(1), score);
}

// "Uvozi anketo": a survey becomes the group in one edit; a faulty one is told and changes nothing.
void TestUndo::surveyFromTheWindow()
{
    QTemporaryDir dir;
    auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("dobra.csv", "Ime;Nakup avtomobila: Stro\xC5\xA1ki : Varnost;Nakup avtomobila: Varnost : Udobje;"
                       "Nakup avtomobila: Udobje : Prtlja\xC5\xBEnik\nAna;3:1;1;2:1\nBine;1:2;1:3;1\n");
    write("barva.csv", "Ime;Nakup avtomobila: Stro\xC5\xA1ki : Barva\nAna;3:1\n");
    // One pair of the root's four items: Udobje and Prtljažnik would hang loose.
    write("malo.csv", "Ime;Nakup avtomobila: Stro\xC5\xA1ki : Varnost\nAna;3:1\n");
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    const QString score = w.Score(0);
    for (const auto &[file, why] : {std::pair{"barva.csv", "Barva"}, std::pair{"malo.csv", "»Udobje«, »Prtljažnik«"}}) {
        QStringList log;
        AnswerFile(dir.filePath(QString::fromLatin1(file)));
        AnswerAndRecord(&log);
        ClickMenuItem(w.Form, "Vrednotenje1", w.Form.ImportSurveyAction);
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.first().contains(QString::fromUtf8(why)), qPrintable(log.first()));
        QVERIFY(w.Model.Participants.empty());
        QVERIFY(!w.Document.CanUndo() && !w.Document.IsModified());
        QCOMPARE(w.Score(0), score);
    }

    AnswerFile(dir.filePath(QStringLiteral("dobra.csv")));
    ClickMenuItem(w.Form, "Vrednotenje1", w.Form.ImportSurveyAction);
    QCOMPARE(w.Model.Participants.size(), size_t(2));
    QTRY_VERIFY(w.Form.ParticipantSelector->isVisible());
    QCOMPARE(w.Form.UndoAction->text(), QStringLiteral("&Razveljavi: uvozi anketo dobra.csv (2 udeleženca)"));
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.Model.Participants.empty());
}

KALVO_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
