#include "TestMain.h"
#include "ui/report/FormIzpis.h"
#include "ui/report/PrintHandler.h"
#include "ui/report/ReportView.h"
#include "analysis/Synthesis.h"
#include "UiTestSupport.h"
#include "model/Group.h"
#include "report/Questionnaire.h"
#include "storage/SurveyImport.h"

#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTcpServer>
#include <QTreeWidget>

namespace {

QString PlainText(TReportView *view)
{
    QString text;
    bool done = false;
    view->ToPlainText([&](const QString &result) {
        text = result;
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 20000)
        QTest::qWait(20);
    return text;
}

// Runs a report command and waits until the page has loaded.
void Report(TWindow &w, QAction *command)
{
    QSignalSpy loaded(w.Form.frmIzpis()->WebBrowser1, &TReportView::LoadFinished);
    if (command == w.Form.Model1) {
        // The printer button of the tool bar runs the model report too.
        QTest::mouseClick(w.Form.ToolBar1->widgetForAction(command), Qt::LeftButton);
    } else {
        auto *analiza = w.Form.findChild<QMenu *>(QStringLiteral("Vrednotenje1"));
        auto *izpisi = w.Form.findChild<QMenu *>(QStringLiteral("Izpisi1"));
        w.Form.menuBar()->setActiveAction(analiza->menuAction());
        QTRY_VERIFY(analiza->isVisible());
        QTest::mouseClick(analiza, Qt::LeftButton, {}, analiza->actionGeometry(izpisi->menuAction()).center());
        QTRY_VERIFY(izpisi->isVisible());
        QTest::mouseClick(izpisi, Qt::LeftButton, {}, izpisi->actionGeometry(command).center());
    }
    QVERIFY(loaded.count() > 0 || loaded.wait(30000));
    QCOMPARE(loaded.first().first().toBool(), true);
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void reportShowsSlovenianLetters();
    void namesWithMarkupRunNothing();
    void secondReportReplacesTheFirst();
    void printingAndPreview();
    void aSlowPrintSystemFreezesNothing();
    void previewOfALongReport();
    void questionnaireInABrowser();

private:
    QTemporaryDir FDir;
    QString FPrevious;
};

void TestReportWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    TModalHost::ClearAnswers();
    FPrevious = QDir::currentPath();
    QDir::setCurrent(FDir.path());
}

void TestReportWindow::cleanup()
{
    QCOMPARE(TModalHost::PendingAnswers(), 0);
    TModalHost::ClearAnswers();
    QDir::setCurrent(FPrevious);
}

void TestReportWindow::reportShowsSlovenianLetters()
{
    TWindow w;
    QVERIFY(!w.Form.frmIzpis()->WebBrowser1->HasEngine());   // the engine waits for the first report
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Zaposlitev")); });
    QDir::setCurrent(FDir.path());
    Report(w, w.Form.Model1);
    QVERIFY(w.Form.frmIzpis()->isVisible());
    QVERIFY(QFile::exists(FDir.filePath(QStringLiteral("Model.htm"))));
    const QString text = PlainText(w.Form.frmIzpis()->WebBrowser1);
    QVERIFY2(text.contains(QStringLiteral("Model - Izbira službe")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Plača")));
    QVERIFY(text.contains(QStringLiteral("Tabela primerjav")));
}

void TestReportWindow::namesWithMarkupRunNothing()
{
    TWindow w;
    AnswerCriterion(QStringLiteral("x"), 0);
    w.Key(Qt::Key_D, Qt::ControlModifier);
    // A name as a model file may bring it: no length limit, any markup.
    w.Model.Tree.FirstNode()->Child(0)->Name =
        QStringLiteral("<script>document.title='vdor'</script><iframe src='https://127.0.0.1:9/'></iframe>"
                       "<a id='l' href='file:///etc/hostname'>povezava</a>");
    QStringList log;
    AnswerAndRecord(&log);   // for a false "could not be shown", if one came
    Report(w, w.Form.Model1);
    TReportView *view = w.Form.frmIzpis()->WebBrowser1;
    QTest::qWait(500);
    QVERIFY(view->Title() != QStringLiteral("vdor"));
    QVERIFY(PlainText(view).contains(QStringLiteral("povezava")));
    QCOMPARE(log, QStringList());   // the report was shown: no failure is reported
    TModalHost::ClearAnswers();
}

void TestReportWindow::secondReportReplacesTheFirst()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    QDir::setCurrent(FDir.path());
    Report(w, w.Form.Model1);
    Report(w, w.Form.Izbran2);
    TReportView *view = w.Form.frmIzpis()->WebBrowser1;
    QCOMPARE(view->CurrentFile(), FDir.filePath(QStringLiteral("Resitve.htm")));
    QVERIFY(PlainText(view).contains(QStringLiteral("Resitve - Nakup avtomobila")));
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget *t) { return qobject_cast<TFormIzpis *>(t); }), 1);

    // Closed, then asked for again: the window comes back with the new page.
    w.Form.frmIzpis()->close();
    QVERIFY(!w.Form.frmIzpis()->isVisible());
    Report(w, w.Form.Izbran1);
    QVERIFY(w.Form.frmIzpis()->isVisible());
    QVERIFY(PlainText(view).contains(QStringLiteral("Kriterij - Nakup avtomobila")));
}

void TestReportWindow::printingAndPreview()
{
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    QDir::setCurrent(FDir.path());
    Report(w, w.Form.Model1);
    TFormIzpis *report = w.Form.frmIzpis();
    QTRY_VERIFY_WITH_TIMEOUT(report->Printing->Ready(), 30000);   // found from the first report on

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(FDir.filePath(QStringLiteral("izpis.pdf")));
    report->Printing->PrintDocument(&pdf);
    QFile file(FDir.filePath(QStringLiteral("izpis.pdf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));

    int pages = 0;
    // The preview paints while it opens; look at its pages once that is over.
    std::function<void(QWidget *, int)> look = [&](QWidget *preview, int attempts) {
        auto *widget = preview->findChild<QPrintPreviewWidget *>();
        if (widget->pageCount() > 0 || attempts == 0) {
            pages = widget->pageCount();
            QTest::keyClick(preview, Qt::Key_Escape);
            return;
        }
        QTimer::singleShot(100, preview, [&look, preview, attempts] { look(preview, attempts - 1); });
    };
    TModalHost::PushAnswer([&](QWidget *preview) { look(preview, 200); });
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(pages >= 1);

    QStringList log;
    AnswerAndRecord(&log);
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier);
    if (QPrinterInfo::defaultPrinter().isNull())
        QCOMPARE(log, QStringList{"Izpis: Privzeti tiskalnik ni nastavljen, zato izpisa ni mogoče natisniti."});
    else
        QVERIFY(log.isEmpty() || !log.first().contains(QStringLiteral("Privzeti")));
    TModalHost::ClearAnswers();

    Report(w, w.Form.Izbran2);   // the main window still works
}

// A print system that takes the connection but never answers (CUPS on a dead
// network): the print commands wait for it without holding the window, and the
// page can still be saved as PDF.
void TestReportWindow::aSlowPrintSystemFreezesNothing()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    qputenv("CUPS_SERVER", QByteArrayLiteral("127.0.0.1:") + QByteArray::number(silent.serverPort()));
    struct Restore {
        ~Restore() { qunsetenv("CUPS_SERVER"); }
    } restore;

    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(QStringLiteral(KALVO_EXAMPLES_DIR "/Avto")); });
    QDir::setCurrent(FDir.path());
    Report(w, w.Form.Model1);
    TFormIzpis *report = w.Form.frmIzpis();
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    // Both came back while the print system is still being asked; nothing was shown.
    QVERIFY(!report->Printing->Ready());
    QCOMPARE(TModalHost::PendingAnswers(), 0);

    const QString pdf = FDir.filePath(QStringLiteral("Model.pdf"));
    AnswerFile(pdf);
    QTest::keyClick(report, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    QVERIFY(!report->Printing->Ready());
    Report(w, w.Form.Izbran2);   // the main window goes on too
}

// The solutions report of a thousand solutions runs to dozens of pages; its preview
// opens with all of them and can be asked again (zoom, page set-up) without harm.
void TestReportWindow::previewOfALongReport()
{
    QStringList matrices{"0", "2", "1", "1", "1", "1"};
    QStringList solutions;
    for (const int kind : {1, 2}) {
        matrices << QString::number(kind) << QStringLiteral("1000");
        for (int k = 0; k < 1000; ++k)
            matrices << QString::number(1 + (k * 37 + kind) % 97);
    }
    for (int k = 0; k < 1000; ++k)
        solutions << QStringLiteral("Avtomobil številka %1").arg(k + 1);
    WriteModelSet(FDir.filePath(QStringLiteral("tisoc")), {"Izbira", "\tCena", "\tMoč"}, matrices, solutions);
    TWindow w;
    w.Form.Run([&] { w.Form.OpenModel(FDir.filePath(QStringLiteral("tisoc"))); });
    QDir::setCurrent(FDir.path());
    Report(w, w.Form.Izbran2);
    TFormIzpis *report = w.Form.frmIzpis();
    QTRY_VERIFY_WITH_TIMEOUT(report->Printing->Ready(), 30000);
    int pages = 0, again = 0;
    TModalHost::PushAnswer([&](QWidget *preview) {
        auto *widget = preview->findChild<QPrintPreviewWidget *>();
        QTRY_VERIFY_WITH_TIMEOUT(widget->pageCount() > 0, 60000);
        pages = widget->pageCount();
        widget->updatePreview();   // as a zoom or a page set-up asks again
        widget->updatePreview();
        QTRY_VERIFY_WITH_TIMEOUT(widget->pageCount() == pages, 60000);
        again = widget->pageCount();
        QTest::keyClick(preview, Qt::Key_Escape);
    });
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY2(pages > 30, qPrintable(QString::number(pages)));
    QCOMPARE(again, pages);
}

int main(int argc, char *argv[])
{
    TReportView::Prepare();
    TKalvoApplication app(argc, argv);
    TestReportWindow test;
    return RunEachTestFunction(&test, argc, argv);
}

namespace {

// Fails the page on any request that is not of the questionnaire itself.
class TLocalOnly : public QWebEngineUrlRequestInterceptor
{
public:
    QStringList Foreign;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        if (!url.isLocalFile() && url.scheme() != QLatin1String("blob") && url.scheme() != QLatin1String("data")) {
            Foreign << url.toString();
            info.block(true);
        }
    }
};

// A page that records alerts instead of showing them.
class TAlertPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList Alerts;

protected:
    void javaScriptAlert(const QUrl &, const QString &message) override { Alerts << message; }
};

QVariant Evaluate(QWebEnginePage &page, const QString &script)
{
    QVariant result;
    bool done = false;
    page.runJavaScript(script, [&](const QVariant &value) { result = value; done = true; });
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 10000)
        QTest::qWait(10);
    return result;
}

// The centre of the element a selector finds, in the view's coordinates.
QPoint Centre(QWebEnginePage &page, const QString &selector)
{
    const QVariantList box = Evaluate(page, QStringLiteral("(function(){const r=document.querySelector('%1')"
                                                           ".getBoundingClientRect();return [r.x+r.width/2,r.y+r.height/2];})()")
                                                .arg(selector)).toList();
    return box.size() == 2 ? QPoint(qRound(box[0].toDouble()), qRound(box[1].toDouble())) : QPoint();
}

} // namespace

// The questionnaire in a real browser engine: pairs answered by clicks, a name
// typed, the answers saved by the page's own button; they merge into the model
// as clicked. Nothing is fetched from elsewhere, and a name that is markup stays text.
void TestReportWindow::questionnaireInABrowser()
{
    TModel model;
    for (const char *name : {"X", "<script>alert(1)</script>", "Z"})
        model.AddSolution(QString::fromLatin1(name));
    model.Tree.FirstNode()->Name = QStringLiteral("Cilj");
    model.FitNodeMatrix(model.Tree.FirstNode());
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("vprasalnik.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QuestionnaireHtml(model, QString(), false));
    file.close();

    QWebEngineProfile profile;
    TLocalOnly interceptor;
    profile.setUrlRequestInterceptor(&interceptor);
    QString saved;
    QObject::connect(&profile, &QWebEngineProfile::downloadRequested, [&](QWebEngineDownloadRequest *download) {
        download->setDownloadDirectory(dir.path());
        download->accept();
        QObject::connect(download, &QWebEngineDownloadRequest::isFinishedChanged, [&, download] {
            saved = QDir(download->downloadDirectory()).filePath(download->downloadFileName());
        });
    });
    TAlertPage webPage(&profile);
    QWebEngineView view;
    view.setPage(&webPage);
    view.resize(1000, 700);
    view.show();
    QSignalSpy loaded(&webPage, &QWebEnginePage::loadFinished);
    view.load(QUrl::fromLocalFile(page));
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
    QVERIFY(loaded.first().at(0).toBool());
    QTRY_VERIFY_WITH_TIMEOUT(view.focusProxy(), 10000);
    QWidget *surface = view.focusProxy();

    QVERIFY(Evaluate(webPage, QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("<script>alert(1)</script>")));
    QCOMPARE(Evaluate(webPage, QStringLiteral("document.getElementById('progress').textContent")).toString(),
             QStringLiteral("0 od 3 parov"));
    // X : <script> three times X (left 3), X : Z equal, the last pair not known.
    QTest::mouseClick(surface, Qt::LeftButton, {}, Centre(webPage, QStringLiteral("input[name=p0_0][value=\"-2\"]")));
    QTest::mouseClick(surface, Qt::LeftButton, {}, Centre(webPage, QStringLiteral("input[name=p0_1][value=\"0\"]")));
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(webPage, QStringLiteral("document.getElementById('progress').textContent")).toString(),
                              QStringLiteral("2 od 3 parov"), 5000);
    QTest::mouseClick(surface, Qt::LeftButton, {}, Centre(webPage, QStringLiteral("#name")));
    QTest::keyClicks(surface, QStringLiteral("Ana"));
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(webPage, QStringLiteral("document.getElementById('name').value")).toString(),
                              QStringLiteral("Ana"), 5000);
    QTest::mouseClick(surface, Qt::LeftButton, {}, Centre(webPage, QStringLiteral("#save")));
    QTRY_VERIFY_WITH_TIMEOUT(!saved.isEmpty() && QFile::exists(saved), 20000);
    QVERIFY(webPage.Alerts.isEmpty());
    QCOMPARE(interceptor.Foreign, QStringList());

    QFile answers(saved);
    QVERIFY(answers.open(QIODevice::ReadOnly));
    const TGroup group = MergeAnswers(model, {{saved, answers.readAll()}});
    QCOMPARE(group.Participants.size(), size_t(1));
    QCOMPARE(group.Participants[0].Name, QStringLiteral("Ana"));
    SetGroup(model, group);
    const TMatrix &m = *model.Tree.FirstNode()->Matrix;
    QCOMPARE(m.Judges[0][1][0], QStringLiteral("3:1"));   // a(X, <script>)
    QCOMPARE(m.Judges[0][2][0], QStringLiteral("1"));
    QCOMPARE(m.Judges[0][2][1], QString());              // not compared
}

#include "tst_reportwindow.moc"
