#include "TestMain.h"
#include "report/Reports.h"
#include "report/ResultsTables.h"
#include "storage/ModelFiles.h"
#include "LocaleScope.h"
#include "ModelFixtures.h"
#include "analysis/Synthesis.h"
#include "TestSupport.h"
#include "matrix/Conversions.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// A root over n criteria (or, with children = false, a leaf root over n solutions).
void Build(TModel &model, int n, bool children, TCriterionKind kind = ckRelative)
{
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Cilj");
    model.Tree.Select(root);
    for (int i = 0; i < n; ++i) {
        if (children)
            model.Tree.AddSelectedChild(QStringLiteral("K%1").arg(i + 1), 0, ckRelative);
        else
            model.AddSolution(QStringLiteral("R%1").arg(i + 1));
    }
    model.FitNodeMatrix(root);
    root->Matrix->Kind = kind;
    model.FitNodeMatrix(root);
}

QStringList SplitCrLf(const QByteArray &bytes)
{
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}


} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void emptyModelReportIsElevenLines();
    void lineCounts_data();
    void lineCounts();
    void modelReportOfALeafRootLabelsSolutions();
    void criterionReportHeadings();
    void debugTablesInOrder();
    void debugTableCellsAtTheirPositions();
    void noSelectionFallsBackToTheModelReport();
    void absoluteReport();
    void solutionsReport();
    void barCells_data();
    void barCells();
    void windows1250AndEscapedNames();
    void writesTheFile();
    void resultsTables_data();
    void resultsTables();
};

void TestReports::emptyModelReportIsElevenLines()
{
    TModel model;
    QCOMPARE(SplitCrLf(ModelReport(model)),
             (QStringList{"<HTML>", "<BODY>", "<Center><B>Model - <BR></B></center>",
                          R"(<TABLE border="1" width="100%" cellspacing="0" cellpadding="0">)", "<BR></BR>",
                          "<TR><TD><center>Tabela primerjav</center></TD>", "</TR>", "</TR>", "</TABLE>",
                          "</BODY>", "</HTML>"}));
    QVERIFY(ModelReport(model).endsWith("</HTML>\r\n"));
}

void TestReports::lineCounts_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("debug");
    for (int n : {0, 1, 3, 5}) {
        const QByteArray tag = QByteArray::number(n);
        QTest::newRow("relative " + tag) << n << int(ckRelative) << false;
        QTest::newRow("relative, Debug " + tag) << n << int(ckRelative) << true;
        QTest::newRow("absolute, Debug " + tag) << n << int(ckMoreIsBetter) << true;
    }
}

void TestReports::lineCounts()
{
    QFETCH(int, n);
    QFETCH(int, kind);
    QFETCH(bool, debug);
    TModel model;
    model.SetDebugMode(debug);
    Build(model, n, true, TCriterionKind(kind));
    AnalyzeAll(model);
    QCOMPARE(SplitCrLf(ModelReport(model)).size(), n * n + 4 * n + 11);
    const int expected = kind != ckRelative ? 3 * n + 8 : debug ? 4 * n * n + 11 * n + 25 : n * n + 4 * n + 11;
    QCOMPARE(SplitCrLf(CriterionReport(model)).size(), expected);
    QVERIFY(CriterionReport(model).endsWith("</BODY>\r\n</HTML>\r\n"));
}

void TestReports::modelReportOfALeafRootLabelsSolutions()
{
    TModel model;
    Build(model, 2, false);
    model.Tree.FirstNode()->Matrix->Ratios[1][0] = QStringLiteral("3:1");
    const QStringList lines = SplitCrLf(ModelReport(model));
    QCOMPARE(lines.mid(6, 3), (QStringList{"<TD><center>R1</center></TD>", "<TD><center>R2</center></TD>", "</TR>"}));
    QCOMPARE(lines.mid(9, 5), (QStringList{"<TR>", "<TD><center>R1</center></TD>", "<TD><center>1</center></TD>",
                                           "<TD><center>3:1</center></TD>", "</TR>"}));
}

void TestReports::criterionReportHeadings()
{
    // A relative leaf: plain column headings, bold row labels.
    TModel leaf;
    Build(leaf, 2, false);
    QStringList lines = SplitCrLf(CriterionReport(leaf));
    QCOMPARE(lines.mid(2, 4), (QStringList{"<center><B>Kriterij - Cilj</center></B>",
                                           R"(<TABLE border="1" width="100%" cellspacing="0" cellpadding="0">)",
                                           "<TR><TD><B><center>Cilj</center></B></TD>",
                                           "<TD><center>R1</center></TD>"}));
    QCOMPARE(lines.at(9), QStringLiteral("<TD><B><center>R1</center></B></TD>"));
    // Sub-criteria are bold both ways.
    TModel inner;
    Build(inner, 2, true);
    lines = SplitCrLf(CriterionReport(inner));
    QCOMPARE(lines.at(5), QStringLiteral("<TD><B><center>K1</center></B></TD>"));
}

void TestReports::debugTablesInOrder()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    model.SetDebugMode(true);
    Build(model, 3, true);
    TMatrix &m = *model.Tree.FirstNode()->Matrix;
    SetUpperRatios(m, {"3:1", "5:1", "1:2"});
    m.Compute(true);
    const QStringList lines = SplitCrLf(CriterionReport(model));
    QStringList headings;
    for (const QString &line : lines)
        if (line.contains(QStringLiteral("<I>**")))
            headings << line;
    QCOMPARE(headings, (QStringList{"<BR><center><B><I>** Matrika **</I></B></center>",
                                    "<BR><center><B><I>** Potencirana matrika **</I></B></center>",
                                    "<BR><center><B><I>** Lastni vektor **</I></B></center>",
                                    "<BR><center><B><I>** Prava matrika **</I></B></center>"}));
    const QString all = lines.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("<TD><center>0,3333</center></TD>")));   // 1:3 as a number
    QVERIFY(all.contains(QStringLiteral("<TD><center>14974,0044</center></TD>")));
    QVERIFY(all.contains(QStringLiteral("<TD><center>0,6571</center></TD>")));
    // The single row of the vector, and 1 on the diagonal of the consistent matrix.
    const int vector = int(lines.indexOf(headings.at(2)));
    QCOMPARE(lines.at(vector + 2), QStringLiteral("<TR>"));
    QCOMPARE(lines.at(vector + 6), QStringLiteral("</TR>"));
    QCOMPARE(lines.at(vector + 7), QStringLiteral("</TABLE>"));
    const int consistent = int(lines.indexOf(headings.at(3)));
    QCOMPARE(lines.at(consistent + 3), QStringLiteral("<TD><center>1,0000</center></TD>"));
}

// The rows of the Debug table under heading: the texts of its cells.
QList<QStringList> DebugRows(const QStringList &lines, const QString &heading)
{
    QList<QStringList> rows;
    qsizetype i = lines.indexOf(QStringLiteral("<BR><center><B><I>** %1 **</I></B></center>").arg(heading));
    for (i += 2; i < lines.size() && lines.at(i) != QLatin1String("</TABLE>"); ++i) {
        if (lines.at(i) == QLatin1String("<TR>"))
            rows << QStringList();
        else if (lines.at(i).startsWith(QLatin1String("<TD>")))
            rows.last() << QString(lines.at(i)).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    }
    return rows;
}

void TestReports::debugTableCellsAtTheirPositions()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    model.SetDebugMode(true);
    Build(model, 3, true);
    TMatrix &m = *model.Tree.FirstNode()->Matrix;
    SetUpperRatios(m, {"3:1", "5:1", "1:2"});   // row 1 over column 2 is 3, so a transposed table shows
    m.Compute(true);
    const QStringList lines = SplitCrLf(CriterionReport(model));
    QCOMPARE(DebugRows(lines, QStringLiteral("Matrika")),
             (QList<QStringList>{{"1,0000", "3,0000", "5,0000"}, {"0,3333", "1,0000", "0,5000"},
                                 {"0,2000", "2,0000", "1,0000"}}));
    const QList<QStringList> powered = DebugRows(lines, QStringLiteral("Potencirana matrika"));
    const QList<QStringList> consistent = DebugRows(lines, QStringLiteral("Prava matrika"));
    QCOMPARE(DebugRows(lines, QStringLiteral("Lastni vektor")),
             (QList<QStringList>{{FormatFloat4(m.Vector[0]), FormatFloat4(m.Vector[1]), FormatFloat4(m.Vector[2])}}));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(powered.at(r).at(c), FormatFloat4(m.PoweredMatrix[size_t(c)][size_t(r)]));
            QCOMPARE(consistent.at(r).at(c), FormatFloat4(m.Vector[size_t(r)] / m.Vector[size_t(c)]));
        }
}

void TestReports::noSelectionFallsBackToTheModelReport()
{
    TModel model;
    Build(model, 2, true);
    model.Tree.Select(nullptr);
    QCOMPARE(CriterionReport(model), ModelReport(model));
}

void TestReports::absoluteReport()
{
    TModel model;
    model.SetDebugMode(true);
    Build(model, 2, false, ckLessIsBetter);
    model.Tree.FirstNode()->Matrix->AbsoluteValues = {"1250,5", "980"};
    QCOMPARE(SplitCrLf(CriterionReport(model)),
             (QStringList{"<HTML>", "<BODY>", "<BR><center><B>Absolutni kriterij - Cilj </center></B>",
                          R"(<TABLE border="1" width="100%" cellspacing="0" cellpadding="0">)",
                          QString::fromLatin1("<TR><TD><center>Manj je bolj\x9A" "e</center></TD></TR>"),
                          "<TR><TD><left>R1</left></TD>", "<TD><left>1250,5</left></TD>", "</TR>",
                          "<TR><TD><left>R2</left></TD>", "<TD><left>980</left></TD>", "</TR>",
                          "</TABLE>", "</BODY>", "</HTML>"}));
}

void TestReports::solutionsReport()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    QCOMPARE(SolutionsReport(model),
             QByteArray("<HTML><BODY><center><B>Resitve - </B></center><BR></BR></BODY></HTML>"));
    Build(model, 2, false, ckMoreIsBetter);
    model.Tree.FirstNode()->Matrix->AbsoluteValues = {"3", "1"};
    AnalyzeAll(model);
    const QByteArray report = SolutionsReport(model);
    QVERIFY(!report.contains('\r') && !report.contains('\n'));
    const QByteArray row = "R1&nbsp0,7500<TABLE table border=0 cellspacing=0 cellpadding=0 bgcolor=blue> <tr height= 15>"
                           + QByteArray("<td width=5>").repeated(150) + "</td></tr></table><BR></BR>";
    QVERIFY(report.startsWith("<HTML><BODY><center><B>Resitve - Cilj</B></center><BR></BR>" + row));
    QVERIFY(report.endsWith("</BODY></HTML>"));
}

void TestReports::barCells_data()
{
    QTest::addColumn<double>("score");
    QTest::addColumn<int>("cells");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("negative") << -0.3 << 1;
    QTest::newRow("0.25") << 0.25 << 50;
    QTest::newRow("0.5") << 0.5 << 100;
    QTest::newRow("0.75") << 0.75 << 150;
    QTest::newRow("1") << 1.0 << 200;
    QTest::newRow("not a number ends") << std::nan("") << 1;
    QTest::newRow("huge ends") << 1e300 << 10000;
}

void TestReports::barCells()
{
    QFETCH(double, score);
    QTEST(BarCellCount(score), "cells");
}

void TestReports::windows1250AndEscapedNames()
{
    TModel model;
    Build(model, 1, true);
    model.Tree.FirstNode()->Child(0)->Name = QStringLiteral("Varnost & <b>čš</b>");
    const QByteArray report = ModelReport(model);
    QVERIFY(report.contains("<TD><center>Varnost &amp; &lt;b&gt;\xE8\x9A&lt;/b&gt;</center></TD>"));
    QVERIFY(!report.startsWith("\xEF\xBB\xBF"));

    // Every name and cell text of every report is text, never markup.
    model.Tree.FirstNode()->Name = QStringLiteral("<!-- x");
    model.Tree.Select(model.Tree.FirstNode());
    model.AddSolution(QStringLiteral("Žale <i>z</i>"));
    model.Tree.FirstNode()->Matrix->Ratios[0][0] = QStringLiteral("<u>");
    for (const QByteArray &page : {ModelReport(model), CriterionReport(model), SolutionsReport(model)})
        QVERIFY2(!page.contains("<!--") && !page.contains("<i>") && !page.contains("<u>") && page.contains("&lt;!-- x"),
                 page.constData());
    QVERIFY(SolutionsReport(model).contains("\x8E" "ale &lt;i&gt;z&lt;/i&gt;&nbsp"));
    model.Tree.FirstNode()->Matrix->Kind = ckMoreIsBetter;
    model.Tree.FirstNode()->Matrix->AbsoluteValues[0] = QStringLiteral("<b>");
    QVERIFY(CriterionReport(model).contains("<TD><left>&lt;b&gt;</left></TD>"));
    model.Tree.FirstNode()->Matrix->Kind = ckRelative;
    // A letter outside the code page does not stop a report, unlike a save.
    model.Tree.FirstNode()->Child(0)->Name = QStringLiteral("Ωmega");
    QVERIFY(ModelReport(model).contains("<TD><center>?mega</center></TD>"));
}

void TestReports::writesTheFile()
{
    QTemporaryDir dir;
    TModel model;
    Build(model, 2, true);
    const QString path = dir.filePath(QStringLiteral("Model.htm"));
    WriteModelReport(model, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ModelReport(model));
    const QString error = ErrorOf([&] { WriteSolutionsReport(model, dir.filePath(QStringLiteral("ni/Resitve.htm"))); });
    QVERIFY2(error.contains(QStringLiteral("Resitve.htm")), qPrintable(error));
}

KALVO_TEST_GUILESS_MAIN(TestReports)
// The car example's results as tables and CSV, in process: the columns, a rank
// per solution by competition ranking, the sheet per ratio matrix, and the CSV's
// separator following the locale.
void TestReports::resultsTables_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("matrices");
    QTest::newRow("comma, no matrices") << "," << false;
    QTest::newRow("point, matrices") << "." << true;
}

void TestReports::resultsTables()
{
    QFETCH(QString, separator);
    QFETCH(bool, matrices);
    TLocaleScope locale(separator);
    TModel model;
    LoadProject(model, QStringLiteral(KALVO_EXAMPLES_DIR "/Avto"));
    AnalyzeAll(model);
    const std::vector<TResultsTable> tables = ResultsTables(model, matrices);
    QStringList names;
    for (const TResultsTable &table : tables) {
        names << table.Name;
        for (const auto &row : table.Rows)
            QCOMPARE(row.size(), table.Rows.front().size());   // every row as wide as the header
    }
    QCOMPARE(names.mid(0, 3), (QStringList{"Rezultati", "Uteži", "Model"}));
    QCOMPARE(names.size() > 3, matrices);
    const TResultsTable &results = tables.front();
    QCOMPARE(results.Rows.front().at(2).toString(), QStringLiteral("Mesto"));
    QCOMPARE(int(results.Rows.size()), model.SolutionCount() + 1);
    double sum = 0;
    for (size_t k = 1; k < results.Rows.size(); ++k) {
        sum += results.Rows[k].at(1).toDouble();
        int better = 0;
        for (size_t j = 1; j < results.Rows.size(); ++j)
            better += results.Rows[j].at(1).toDouble() > results.Rows[k].at(1).toDouble() + 1e-12 ? 1 : 0;
        QCOMPARE(results.Rows[k].at(2).toInt(), better + 1);
    }
    QVERIFY(qAbs(sum - 1.0) < 1e-9);
    const QByteArray csv = ResultsCsv(tables);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QString first = QString::fromUtf8(csv.mid(3, csv.indexOf("\r\n") - 3));
    QVERIFY2(first.startsWith(separator == QLatin1String(",") ? QStringLiteral("Rešitev;") : QStringLiteral("Rešitev,")),
             qPrintable(first));
}

#include "tst_reports.moc"
