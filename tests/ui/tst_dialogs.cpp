#include "TestMain.h"
#include "ui/common/ModalHost.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/dialogs/FormNewModel.h"
#include "ui/dialogs/FormRazmerje.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QAbstractItemView>
#include <QApplication>

#include <memory>

namespace {

// Shows the dialog modally and lets answer drive it with events once it is up.
int ExecWith(QDialog &dialog, const TModalHost::TAnswer &answer)
{
    TModalHost::PushAnswer(answer);
    return TModalHost::Exec(dialog);
}

QString RatioDisplay(const TFormRazmerje &form)
{
    return form.Label5->text() + QStringLiteral(" : ") + form.Label7->text();
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void ratioDialogStartsAtSixSteps();
    void ratioDisplay_data();
    void ratioDisplay();
    void stepCountMovesThePosition();
    void ratioKeys_data();
    void ratioKeys();
    void solutionNameDialog();
    void criterionDialog();
    void newModelDialog();
    void blankNamesAreRefused_data();
    void blankNamesAreRefused();
    void qtDialogsSpeakSlovenian();
};

void TestDialogs::ratioDialogStartsAtSixSteps()
{
    TFormRazmerje form;
    QCOMPARE(form.SpinEdit1->value(), 6);
    QCOMPARE(form.TrackMax(), 10);
    QCOMPARE(form.Position(), 5);
    QCOMPARE(RatioDisplay(form), QStringLiteral("1 : 1"));
    QCOMPARE(form.Label3->text(), QStringLiteral("6:1"));
    QCOMPARE(form.Label4->text(), QStringLiteral("1:6"));
    QVERIFY(form.SpinEdit1->isHidden());
    QVERIFY(form.Label8->isHidden());
    QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestDialogs::ratioDisplay_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("display");
    QTest::newRow("9 steps, left end") << 9 << 0 << "9 : 1";
    QTest::newRow("9 steps, middle") << 9 << 8 << "1 : 1";
    QTest::newRow("9 steps, right end") << 9 << 16 << "1 : 9";
    QTest::newRow("9 steps, position 5") << 9 << 5 << "4 : 1";
    QTest::newRow("9 steps, position 11") << 9 << 11 << "1 : 4";
    QTest::newRow("2 steps, 0") << 2 << 0 << "2 : 1";
    QTest::newRow("2 steps, 1") << 2 << 1 << "1 : 1";
    QTest::newRow("2 steps, 2") << 2 << 2 << "1 : 2";
    QTest::newRow("15 steps, right end") << 15 << 28 << "1 : 15";
}

void TestDialogs::ratioDisplay()
{
    QFETCH(int, steps);
    QFETCH(int, position);
    QFETCH(QString, display);
    TFormRazmerje form;
    form.SetTrackMax(2 * steps - 2);
    form.SetStepCount(steps);
    form.SetPosition(position);
    QCOMPARE(RatioDisplay(form), display);
    QCOMPARE(form.Label3->text(), QStringLiteral("%1:1").arg(steps));
    QCOMPARE(form.Label4->text(), QStringLiteral("1:%1").arg(steps));
}

void TestDialogs::stepCountMovesThePosition()
{
    TFormRazmerje form;
    form.SetStepCount(12);
    form.SetPosition(20);
    form.SetStepCount(9);
    QCOMPARE(form.Position(), 16);
    QCOMPARE(RatioDisplay(form), QStringLiteral("1 : 9"));
    form.SetPosition(8);
    form.SetStepCount(12);
    QCOMPARE(form.Position(), 8);
    QCOMPARE(RatioDisplay(form), QStringLiteral("4 : 1"));
    form.SpinEdit1->setValue(500);   // the step field holds 2 to 100
    QCOMPARE(form.SpinEdit1->value(), 100);
}

void TestDialogs::ratioKeys_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("position");
    QTest::newRow("Enter on the slider") << "enter" << int(QDialog::Accepted) << 8;
    QTest::newRow("Escape") << "escape" << int(QDialog::Rejected) << 8;
    QTest::newRow("click on the free surface") << "click" << int(QDialog::Accepted) << 8;
    QTest::newRow("arrow moves by one") << "left" << int(QDialog::Accepted) << 7;
    QTest::newRow("page moves by two") << "pagedown" << int(QDialog::Accepted) << 6;
}

void TestDialogs::ratioKeys()
{
    QFETCH(QString, action);
    QFETCH(int, result);
    QFETCH(int, position);
    TFormRazmerje form;
    form.SetTrackMax(16);
    form.SetStepCount(9);
    form.SetPosition(8);
    const int got = ExecWith(form, [&](QWidget *) {
        if (action == QLatin1String("enter")) {
            QTest::keyClick(form.TrackBar1, Qt::Key_Return);
        } else if (action == QLatin1String("escape")) {
            QTest::keyClick(form.TrackBar1, Qt::Key_Escape);
        } else if (action == QLatin1String("click")) {
            QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(200, 110));
        } else {
            QTest::keyClick(form.TrackBar1, action == QLatin1String("left") ? Qt::Key_Left : Qt::Key_PageDown);
            QTest::keyClick(form.TrackBar1, Qt::Key_Return);
        }
    });
    QCOMPARE(got, result);
    QCOMPARE(form.Position(), position);
}

void TestDialogs::solutionNameDialog()
{
    TFormPopup form;
    bool stayedOpen = false;
    int result = ExecWith(form, [&](QWidget *) {
        QTest::keyClick(form.Edit1, Qt::Key_Return);   // empty: nothing happens
        stayedOpen = form.isVisible();
        QTest::keyClicks(form.Edit1, QStringLiteral("abcdefghijklm"));
        QCOMPARE(form.Edit1->text(), QStringLiteral("abcdefghijkl"));   // the 13th character is refused
        QTest::keyClick(form.Edit1, Qt::Key_Return);
    });
    QVERIFY(stayedOpen);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(form.Edit1->text(), QStringLiteral("abcdefghijkl"));

    QString atShow;
    result = ExecWith(form, [&](QWidget *) {
        atShow = form.Edit1->text();
        QTest::keyClicks(form.Edit1, QStringLiteral("   "));
        QTest::keyClick(form.Edit1, Qt::Key_Escape);
    });
    QCOMPARE(atShow, QString());   // emptied on every showing
    QCOMPARE(result, int(QDialog::Rejected));
}

void TestDialogs::criterionDialog()
{
    TFormPopup_kriterij form;
    QCOMPARE(form.ItemIndex(), 0);
    auto *more = form.RG_Tip->findChildren<QRadioButton *>().at(2);
    int result = ExecWith(form, [&](QWidget *) {
        QTest::keyClicks(form.Edit1, QStringLiteral("Prtljaznik"));
        QTest::mouseClick(more, Qt::LeftButton);
        QTest::keyClick(more, Qt::Key_Return);   // Enter outside the name field does nothing
        QTest::keyClick(more, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(form.ItemIndex(), 2);

    // The next use keeps the kind, and typing goes into the name at once.
    form.Edit1->clear();
    result = ExecWith(form, [&](QWidget *) {
        QTest::keyClicks(form.focusWidget(), QStringLiteral("Cena"));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(form.Edit1->text(), QStringLiteral("Cena"));
    QCOMPARE(form.ItemIndex(), 2);
    result = ExecWith(form, [&](QWidget *) { QTest::mouseClick(form.Button2, Qt::LeftButton); });
    QCOMPARE(result, int(QDialog::Rejected));
    result = ExecWith(form, [&](QWidget *) { QTest::keyClick(form.Edit1, Qt::Key_Escape); });
    QCOMPARE(result, int(QDialog::Rejected));
}

void TestDialogs::newModelDialog()
{
    TFormNewModel form;
    int result = ExecWith(form, [&](QWidget *) {
        QTest::keyClick(form.Edit1, Qt::Key_Return);
        QVERIFY(form.isVisible());
        QTest::keyClicks(form.Edit1, QStringLiteral("Izbira avtomobila"));
        QTest::keyClick(form.Edit1, Qt::Key_Enter);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(form.Edit1->text(), QStringLiteral("Izbira avtomobi"));   // 15 characters
    QString atShow;
    result = ExecWith(form, [&](QWidget *) {
        atShow = form.Edit1->text();
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    QCOMPARE(atShow, QStringLiteral("Izbira avtomobi"));   // the last name stays
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestDialogs::blankNamesAreRefused_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byButton");
    for (const char *dialog : {"solution", "criterion", "model"}) {
        QTest::addRow("%s, empty, Enter", dialog) << dialog << QString() << false;
        QTest::addRow("%s, blanks, Enter", dialog) << dialog << QStringLiteral("   ") << false;
        if (qstrcmp(dialog, "solution") != 0)
            QTest::addRow("%s, blanks, OK", dialog) << dialog << QStringLiteral(" ") << true;
    }
}

// A blank name would be an invisible criterion or solution: the dialog stays open
// and says why, whether Enter or OK was pressed; a real name then goes through.
void TestDialogs::blankNamesAreRefused()
{
    QFETCH(QString, dialog);
    QFETCH(QString, name);
    QFETCH(bool, byButton);
    std::unique_ptr<TNameDialog> form;
    if (dialog == QLatin1String("solution"))
        form = std::make_unique<TFormPopup>();
    else if (dialog == QLatin1String("criterion"))
        form = std::make_unique<TFormPopup_kriterij>();
    else
        form = std::make_unique<TFormNewModel>();
    form->Edit1->setText(QStringLiteral("staro"));
    bool refused = false;
    QString said;
    const int result = ExecWith(*form, [&](QWidget *) {
        QCOMPARE(form->focusWidget(), form->Edit1);
        form->Edit1->selectAll();
        QTest::keyClick(form->Edit1, Qt::Key_Backspace);
        QTest::keyClicks(form->Edit1, name);
        if (byButton)
            QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        else
            QTest::keyClick(form->Edit1, Qt::Key_Return);
        refused = form->isVisible();
        said = QToolTip::text();
        QTest::keyClicks(form->Edit1, QStringLiteral("Ime"));
        QTest::keyClick(form->Edit1, Qt::Key_Return);
    });
    QVERIFY(refused);
    QCOMPARE(said, TNameDialog::EmptyNameMessage());
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(form->Edit1->text().trimmed(), QStringLiteral("Ime"));
}

// Qt's page set-up and file dialogs in Slovenian: the older catalog's renamed
// contexts are found, and the texts no catalog has are ours.
void TestDialogs::qtDialogsSpeakSlovenian()
{
    QStringList texts;
    auto collect = [&texts](QWidget *dialog) {
        for (auto *box : dialog->findChildren<QGroupBox *>())
            texts << box->title();
        for (auto *label : dialog->findChildren<QLabel *>())
            texts << label->text();
        for (auto *combo : dialog->findChildren<QComboBox *>())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        for (auto *view : dialog->findChildren<QAbstractItemView *>())
            if (QAbstractItemModel *model = view->model(); model && view->isVisible())
                for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                    for (int c = 0; c < model->columnCount(view->rootIndex()); ++c)
                        texts << model->index(r, c, view->rootIndex()).data().toString();
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPageSetupDialog setup(&printer);
    ExecWith(setup, [&](QWidget *) {
        collect(&setup);
        setup.reject();
    });
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mapa")));
    QFileDialog files(nullptr, QStringLiteral("Odpri model"), dir.path());
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setViewMode(QFileDialog::Detail);
    ExecWith(files, [&](QWidget *) {
        QTest::qWait(300);   // the folder is read on a thread of its own
        collect(&files);
        files.reject();
    });
    for (const char *english : {"Page Layout", "Page order:", "Pages per sheet:", "Left to Right, Top to Bottom",
                                "Top to Bottom, Right to Left", "Paper", "Orientation", "Folder"})
        QVERIFY2(!texts.contains(QString::fromLatin1(english)), english);
    QVERIFY(texts.contains(QStringLiteral("Postavitev strani")));
    QVERIFY(texts.contains(QStringLiteral("Mapa")));
}

KALVO_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
