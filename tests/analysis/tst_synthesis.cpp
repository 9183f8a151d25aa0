#include "TestMain.h"
#include "ModelFixtures.h"
#include "analysis/Ranking.h"
#include "analysis/Synthesis.h"
#include "matrix/Completion.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "TestSupport.h"
#include "matrix/Conversions.h"
#include "model/ModelDocument.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

// Root "Cilj" weighing two leaves 3:1; the leaves value three solutions as more is better.
void BuildExample(TModel &model)
{
    for (const char *name : {"A", "B", "C"})
        model.AddSolution(QString::fromLatin1(name));
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Cilj");
    model.Tree.Select(root);
    TCriterionNode *first = model.Tree.AddSelectedChild(QStringLiteral("K1"), 3, ckMoreIsBetter);
    TCriterionNode *second = model.Tree.AddSelectedChild(QStringLiteral("K2"), 3, ckMoreIsBetter);
    first->Matrix->AbsoluteValues = {"5", "3", "2"};
    second->Matrix->AbsoluteValues = {"1", "1", "3"};
    model.FitNodeMatrix(root);
    root->Matrix->Ratios[1][0] = QStringLiteral("3:1");
    root->Matrix->Ratios[0][1] = QStringLiteral("1:3");
}

QStringList ValueTexts(const TModel &model)
{
    QStringList texts;
    for (const TSolution &s : model.Solutions)
        texts << s.ValueText;
    return texts;
}

} // namespace

class TestSynthesis : public QObject
{
    Q_OBJECT

private slots:
    void aNewItemOfAGroupNamesWhoShouldJudgeIt();
    void rankReversalAndTheIdealMode_data();
    void rankReversalAndTheIdealMode();
    void ratingsGiveEverySolutionItsIdealValue_data();
    void ratingsGiveEverySolutionItsIdealValue();
    void workedExample_data();
    void workedExample();
    void startNodeDecidesTheComposition();
    void missingMatricesAndWeightsCountZero();
    void statusLine_data();
    void statusLine();
    void noSolutionsStillComputesTheStartCriterion();
    void subcriterionBarsShowTheWeightsJustComputed();
    void noRandomIndexWarningOncePerMatrixOrder();
    void failureStopsBeforeAnyRowChanges();
    void blankPairsThatCutTheItemsApart();
    void participantsOwnRankingAndStatus_data();
    void participantsOwnRankingAndStatus();
    void matrixWithMoreItemsThanChildren();
    void cachedRunAgreesWithPlainAnalize();
    void roundHalfEven_data();
    void roundHalfEven();
    void sharpEdges();
};

// Three criteria of equal weight over A, B, C (consistent judgements), then D, a
// copy of B: the distributive mode puts B ahead of A before and A ahead of B
// after; the ideal mode keeps B (= D) ahead of A, and A's and B's totals as they were.
void TestSynthesis::rankReversalAndTheIdealMode_data()
{
    QTest::addColumn<bool>("ideal");
    QTest::addColumn<bool>("copy");
    QTest::addColumn<QList<double>>("scores");
    QTest::addColumn<QList<double>>("totals");
    const double third = 1.0 / 3.0;
    QTest::newRow("distributive, A B C") << false << false
        << QList<double>{(1.0 / 11 + 9.0 / 11 + 8.0 / 18) * third, (9.0 / 11 + 1.0 / 11 + 9.0 / 18) * third,
                         (1.0 / 11 + 1.0 / 11 + 1.0 / 18) * third} << QList<double>{};
    QTest::newRow("distributive, D copies B") << false << true
        << QList<double>{(1.0 / 20 + 9.0 / 12 + 8.0 / 27) * third, (9.0 / 20 + 1.0 / 12 + 9.0 / 27) * third,
                         (1.0 / 20 + 1.0 / 12 + 1.0 / 27) * third, (9.0 / 20 + 1.0 / 12 + 9.0 / 27) * third}
        << QList<double>{};
    const QList<double> totals{(1.0 / 9 + 1 + 8.0 / 9) * third, (1 + 1.0 / 9 + 1) * third, (1.0 / 9 + 1.0 / 9 + 1.0 / 9) * third};
    const double sum3 = totals[0] + totals[1] + totals[2], sum4 = sum3 + totals[1];
    QTest::newRow("ideal, A B C") << true << false
        << QList<double>{totals[0] / sum3, totals[1] / sum3, totals[2] / sum3} << totals;
    QTest::newRow("ideal, D copies B") << true << true
        << QList<double>{totals[0] / sum4, totals[1] / sum4, totals[2] / sum4, totals[1] / sum4}
        << (totals + QList<double>{totals[1]});
}

void TestSynthesis::rankReversalAndTheIdealMode()
{
    QFETCH(bool, ideal);
    QFETCH(bool, copy);
    QFETCH(QList<double>, scores);
    QFETCH(QList<double>, totals);
    TModel model;
    model.IdealMode = ideal;
    for (const char *name : {"A", "B", "C", "D"})
        if (copy || name[0] != 'D')
            model.AddSolution(QString::fromLatin1(name));
    TCriterionNode *root = model.Tree.FirstNode();
    AddCriteria(model, root, {"a", "b", "c"}, model.SolutionCount());
    model.FitNodeMatrix(root);
    const QStringList upper[2][3] = {
        {{"1:9", "1:1", "9:1"}, {"9:1", "9:1", "1:1"}, {"8:9", "8:1", "9:1"}},
        {{"1:9", "1:1", "1:9", "9:1", "1:1", "1:9"}, {"9:1", "9:1", "9:1", "1:1", "1:1", "1:1"},
         {"8:9", "8:1", "8:9", "9:1", "1:1", "1:9"}}};
    for (int i = 0; i < 3; ++i)
        SetUpperRatios(*root->Child(i)->Matrix, upper[copy ? 1 : 0][i]);
    model.Tree.Select(root);
    AnalyzeAll(model);
    for (int k = 0; k < model.SolutionCount(); ++k) {
        QVERIFY2(std::fabs(model.Solutions[size_t(k)].Score - scores[k]) < 1e-12,
                 qPrintable(QStringLiteral("%1: %2, not %3").arg(k).arg(model.Solutions[size_t(k)].Score, 0, 'g', 17).arg(scores[k], 0, 'g', 17)));
        if (!totals.isEmpty())
            QVERIFY(std::fabs(model.Solutions[size_t(k)].Total - totals[k]) < 1e-12);
    }
    // Who is ahead of whom: B over A, except distributively once D is there.
    QCOMPARE(model.Solutions[1].Score > model.Solutions[0].Score, ideal || !copy);
}

// Four categories compared 2, 4, 6 / 2, 4 / 2: every solution gets its category's
// ideal value as its total, in either mode, whatever other solutions there are.
void TestSynthesis::ratingsGiveEverySolutionItsIdealValue_data()
{
    QTest::addColumn<bool>("exact");
    QTest::addColumn<bool>("ideal");
    QTest::addColumn<QList<double>>("values");
    QTest::newRow("exact method") << true << false << QList<double>{1, 0.5360, 0.2680, 0.1444};
    QTest::newRow("approximate method") << false << false << QList<double>{1, 0.5375, 0.2688, 0.1450};
    QTest::newRow("exact method, ideal mode") << true << true << QList<double>{1, 0.5360, 0.2680, 0.1444};
}

void TestSynthesis::ratingsGiveEverySolutionItsIdealValue()
{
    QFETCH(bool, exact);
    QFETCH(bool, ideal);
    QFETCH(QList<double>, values);
    TModelDocument document;
    document.NewModel(QStringLiteral("Izbor"));
    TCriterionNode *root = document.Model().Tree.FirstNode();
    for (const char *name : {"S1", "S2", "S3", "S4", "S5"})
        document.AddSolution(QString::fromLatin1(name));
    document.AddCriterion(root, QStringLiteral("Ocena"), ckRelative, true);
    document.AddCriterion(root, QStringLiteral("Cena"), ckLessIsBetter);
    TCriterionNode *leaf = root->Child(0);
    while (leaf->Matrix->Order > 4)
        QVERIFY(document.RemoveIntensity(leaf, 4));
    const QStringList upper{"2:1", "4:1", "6:1", "2:1", "4:1", "2:1"};
    for (int r = 0, i = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c, ++i)
            document.SetRatio(leaf, c + 1, r + 1, upper[i], ReciprocalText(upper[i]));
    for (int k = 0; k < 4; ++k)
        QVERIFY(document.RateSolution(leaf, k, k));   // S5 is not rated
    document.SetMethod(exact);
    document.SetIdealMode(ideal);
    document.Select(leaf);
    TModel &model = document.WritableModel();
    AnalyzeAll(model);
    for (int k = 0; k < 4; ++k)
        QVERIFY2(std::fabs(model.Solutions[size_t(k)].Total - values[k]) < 5e-5,
                 qPrintable(QStringLiteral("%1: %2").arg(k).arg(model.Solutions[size_t(k)].Total)));
    QCOMPARE(model.Solutions[4].Total, 0.0);
    double sum = 0;
    for (const TSolution &solution : model.Solutions)
        sum += solution.Score;
    QVERIFY(std::fabs(sum - 1.0) < 1e-12);   // scores are the totals normalised
    // Removing a solution, or adding one, leaves every other's total as it was.
    QVERIFY(document.RemoveSolution(0));
    AnalyzeAll(model);
    for (int k = 0; k < 3; ++k)
        QVERIFY(std::fabs(model.Solutions[size_t(k)].Total - values[k + 1]) < 5e-5);
    QVERIFY(document.AddSolution(QStringLiteral("S6")));
    AnalyzeAll(model);
    for (int k = 0; k < 3; ++k)
        QVERIFY(std::fabs(model.Solutions[size_t(k)].Total - values[k + 1]) < 5e-5);
}

void TestSynthesis::workedExample_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("decimal comma") << "," << QStringList{"0,4250", "0,2750", "0,3000"};
    QTest::newRow("decimal point") << "." << QStringList{"0.4250", "0.2750", "0.3000"};
}

void TestSynthesis::workedExample()
{
    QFETCH(QString, separator);
    QFETCH(QStringList, texts);
    TLocaleScope locale(separator);
    TModel model;
    BuildExample(model);
    AnalyzeAll(model);
    QCOMPARE(ValueTexts(model), texts);
    QVERIFY(std::fabs(model.Solutions[0].Score - 0.425) < 1e-12);
}

void TestSynthesis::startNodeDecidesTheComposition()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    BuildExample(model);
    TCriterionNode *root = model.Tree.FirstNode();
    model.Tree.Select(root->Child(1));
    AnalyzeAll(model);
    QCOMPARE(ValueTexts(model), (QStringList{"0,2000", "0,2000", "0,6000"}));
    QCOMPARE(model.Status.Panels[0], QStringLiteral("K2"));

    // An inner criterion composes its own subtree only.
    model.Tree.Select(root->Child(0));
    TCriterionNode *inner = model.Tree.AddSelectedChild(QStringLiteral("K1a"), 3, ckMoreIsBetter);
    inner->Matrix->AbsoluteValues = {"1", "1", "2"};
    model.FitNodeMatrix(root->Child(0));
    AnalyzeAll(model);
    QCOMPARE(ValueTexts(model), (QStringList{"0,2500", "0,2500", "0,5000"}));

    // With nothing selected the run starts at the first node.
    model.Tree.Select(nullptr);
    AnalyzeAll(model);
    QCOMPARE(model.Status.Panels[0], QStringLiteral("Cilj"));
}

void TestSynthesis::missingMatricesAndWeightsCountZero()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    BuildExample(model);
    TCriterionNode *root = model.Tree.FirstNode();
    root->Child(1)->Matrix.reset();          // a child without a matrix contributes 0
    model.AddSolution(QStringLiteral("D"));  // no leaf has a weight for D yet
    AnalyzeAll(model);
    QCOMPARE(ValueTexts(model), (QStringList{"0,3750", "0,2250", "0,1500", "0,0000"}));

    // A matrix larger than the number of children: the missing children count 0.
    root->Matrix->SetOrder(3);
    model.Tree.Select(root);
    AnalyzeAll(model);
    QCOMPARE(model.SolutionCount(), 4);
}

void TestSynthesis::statusLine_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("upper");
    QTest::addColumn<QStringList>("panels");
    QTest::addColumn<bool>("emphasis");
    QTest::newRow("order 2") << int(ckRelative) << 2 << QStringList{"3:1"}
                             << QStringList{"Matrika 2x2", "", "", "", "", ""} << false;
    QTest::newRow("inconsistent order 3") << int(ckRelative) << 3 << QStringList{"3:1", "5:1", "1:2"}
                                          << QStringList{"Matrika 3x3", "lambda= 3,1632", "CI= 0,0816",
                                                         "CR= 0,1407", "MaxD= 3,3471", "(3,1)"} << true;
    QTest::newRow("slightly inconsistent order 3") << int(ckRelative) << 3 << QStringList{"2:1", "6:1", "4:1"}
                                                   << QStringList{"Matrika 3x3", "lambda= 3,0092", "CI= 0,0046",
                                                                  "CR= 0,0079", "MaxD= 6,6039", "(3,1)"} << false;
    QTest::newRow("CR between 0.01 and 0.1 stays plain") << int(ckRelative) << 3 << QStringList{"3:1", "5:1", "3:1"}
                                                         << QStringList{"Matrika 3x3", "lambda= 3,0385", "CI= 0,0193", "CR= 0,0332", "MaxD= 6,0822", "(3,1)"} << false;
    QTest::newRow("consistent order 3") << int(ckRelative) << 3 << QStringList{"2:1", "6:1", "3:1"}
                                        << QStringList{"Matrika 3x3", "lambda= 3,0000", "CI= 0,0000",
                                                       "CR= 0,0000", "", ""} << false;
    QTest::newRow("less is better") << int(ckLessIsBetter) << 3 << QStringList()
                                    << QStringList{"Vektor", "Absolutne vrednosti", "Manj je bolje", "", "", ""} << false;
    QTest::newRow("more is better") << int(ckMoreIsBetter) << 3 << QStringList()
                                    << QStringList{"Vektor", "Absolutne vrednosti", "Več je bolje", "", "", ""} << false;
}

void TestSynthesis::statusLine()
{
    QFETCH(int, kind);
    QFETCH(int, order);
    QFETCH(QStringList, upper);
    QFETCH(QStringList, panels);
    QFETCH(bool, emphasis);
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Izbran");
    for (int i = 0; i < order; ++i)
        model.AddSolution(QString::number(i));
    model.Tree.Select(root);
    model.FitNodeMatrix(root);
    root->Matrix->Kind = TCriterionKind(kind);
    if (kind == ckRelative)
        SetUpperRatios(*root->Matrix, upper);
    // A previous run's emphasis must not linger.
    model.Status.Emphasis = true;
    model.Status.Panels[6] = QStringLiteral("(9,9)");
    AnalyzeAll(model);
    QCOMPARE(model.Status.Panels[0], QStringLiteral("Izbran"));
    QStringList got(model.Status.Panels.begin() + 1, model.Status.Panels.end());
    QCOMPARE(got, panels);
    QCOMPARE(model.Status.Emphasis, emphasis);
}

void TestSynthesis::noSolutionsStillComputesTheStartCriterion()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    AddCriteria(model, root, {"A", "B", "C"});
    model.FitNodeMatrix(root);
    SetUpperRatios(*root->Matrix, {"3:1", "5:1", "1:2"});
    root->Matrix->Lambda = 4.5;   // as a previous computation left it: not shown again
    AnalyzeAll(model);
    QCOMPARE(model.Status.Panels[2], QStringLiteral("lambda= 3,1632"));
    QCOMPARE(model.SubcriterionBars.size(), size_t(3));
    QVERIFY(model.SubcriterionBars[0].Position > 0);

    model.Tree.FirstNode()->Matrix.reset();   // a start node without a matrix shows its name only
    AnalyzeAll(model);
    QCOMPARE(model.Status, TStatusLine{});
}

void TestSynthesis::subcriterionBarsShowTheWeightsJustComputed()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    BuildExample(model);
    TCriterionNode *root = model.Tree.FirstNode();
    AnalyzeAll(model);   // the first run already shows the weights it computed
    QCOMPARE(model.SubcriterionBars.size(), size_t(2));
    QCOMPARE(model.SubcriterionBars[0].Name, QStringLiteral("K1"));
    QCOMPARE(model.SubcriterionBars[0].ValueText, QStringLiteral("0,7500"));
    QCOMPARE(model.SubcriterionBars[0].Position, 75);
    QCOMPARE(model.SubcriterionBars[1].Position, 25);
    QCOMPARE(model.Solutions[0].Score, 0.425);

    // With nothing selected the bars stay as they were; a leaf has none.
    model.Tree.Select(nullptr);
    AnalyzeAll(model);
    QCOMPARE(model.SubcriterionBars.size(), size_t(2));
    model.Tree.Select(root->Child(0));
    AnalyzeAll(model);
    QVERIFY(model.SubcriterionBars.empty());

    // A node with children but no matrix: bars at 0 with empty texts.
    root->Matrix.reset();
    model.Tree.Select(root);
    AnalyzeAll(model);
    QCOMPARE(model.SubcriterionBars.size(), size_t(2));
    QCOMPARE(model.SubcriterionBars[1].Position, 0);
    QVERIFY(model.SubcriterionBars[1].Name.isEmpty());
}

void TestSynthesis::noRandomIndexWarningOncePerMatrixOrder()
{
    TModel model;
    for (int i = 0; i < 11; ++i)
        model.AddSolution(QString::number(i));
    TCriterionNode *root = model.Tree.FirstNode();
    model.Tree.Select(root);
    model.Tree.AddSelectedChild(QStringLiteral("Velik"), 11, ckRelative);
    model.Tree.AddSelectedChild(QStringLiteral("Tudi velik"), 11, ckRelative);
    model.FitNodeMatrix(root);
    TMessageRecorder recorder;
    AnalyzeAll(model);
    QCOMPARE(recorder.Messages.size(), 2);   // once per matrix, not once per solution
    QVERIFY(recorder.Messages.at(0) == NoRandomIndexMessage());
    AnalyzeAll(model);
    QCOMPARE(recorder.Messages.size(), 2);   // nor again at the next refresh
    model.AddSolution(QStringLiteral("11"));
    model.FitLeafMatrices();
    AnalyzeAll(model);
    QCOMPARE(recorder.Messages.size(), 4);   // a new order is told again

    // No random index, no CR: the status line says so instead of an invented 0.
    TLocaleScope locale(QStringLiteral(","));
    TCriterionNode *big = root->Child(0);
    big->Matrix->Ratios[1][0] = QStringLiteral("1:9");
    big->Matrix->Ratios[0][1] = QStringLiteral("9:1");
    model.Tree.Select(big);
    AnalyzeAll(model);
    QCOMPARE(model.Status.Panels[4], QStringLiteral("CR= –"));
    QVERIFY(!model.Status.Panels[5].isEmpty());   // the worst cell still shows
}

void TestSynthesis::failureStopsBeforeAnyRowChanges()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    BuildExample(model);
    AnalyzeAll(model);
    AnalyzeAll(model);
    const TStatusLine status = model.Status;
    const std::vector<TSubcriterionBar> bars = model.SubcriterionBars;
    model.Tree.FirstNode()->Child(1)->Matrix->AbsoluteValues[1] = QStringLiteral("x");
    model.Tree.FirstNode()->Matrix->Ratios[1][0] = QStringLiteral("5:1");
    QCOMPARE(ErrorOf([&] { AnalyzeAll(model); }), QStringLiteral("'x' is not a valid floating point value\nKriterij »Cilj/K2«, vrednost 2"));
    QCOMPARE(ValueTexts(model), (QStringList{"0,4250", "0,2750", "0,3000"}));
    QCOMPARE(model.Status, status);
    QCOMPARE(model.SubcriterionBars, bars);   // the root's new weights were computed, but nothing shows them
}

// Blank pairs that leave an item without any judgement: the weights are not
// determined, and the error names the item by its name; the status line tells
// the blank pairs of a connected matrix and the pair to ask next.
void TestSynthesis::blankPairsThatCutTheItemsApart()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    BuildExample(model);
    TCriterionNode *leaf = model.Tree.FirstNode()->Child(0);
    leaf->Matrix = std::make_unique<TMatrix>(3, ckRelative);
    auto &ratios = leaf->Matrix->Ratios;
    ratios[2][0].clear();   // A : C
    ratios[0][2].clear();
    AnalyzeAll(model);
    model.Tree.Select(leaf);
    AnalyzeAll(model);
    QCOMPARE(model.Status.BlankPairs, QStringLiteral("Neprimerjani pari: 1. Naslednja primerjava: »A« : »C«"));
    QCOMPARE(model.Status.NextRow, 1);
    QCOMPARE(model.Status.NextCol, 3);
    ratios[2][1].clear();   // B : C as well: C is compared with nothing
    ratios[1][2].clear();
    model.Tree.Select(model.Tree.FirstNode());
    const QString why = DisconnectedMessage({QStringLiteral("C")}) + QStringLiteral(" Naslednja primerjava: »A« : »C«.");
    QCOMPARE(ErrorOf([&] { AnalyzeAll(model); }), why + QStringLiteral("\nKriterij »Cilj/K1«"));
    // The refresh the window shows says so instead of keeping the last results;
    // the pair to ask is the start's own only when its pairs are the ones apart.
    for (TCriterionNode *start : {model.Tree.FirstNode(), leaf}) {
        model.Tree.Select(start);
        const std::optional<EKalvoError> error = RefreshResults(model);
        QVERIFY(error && error->kind() == EKalvoError::ekUndetermined && model.Undetermined);
        QCOMPARE(model.Solutions[0].ValueText, QStringLiteral("–"));
        QCOMPARE(model.Status.Panels[1], QStringLiteral("Uteži niso določene"));
        QCOMPARE(model.Status.BlankPairs, QStringLiteral("Kriterij »Cilj/K1«: ") + why);
        QCOMPARE(model.Status.NextRow, start == leaf ? 1 : 0);
        QCOMPARE(model.Status.NextCol, start == leaf ? 3 : 0);
    }
    ratios[2][1] = QStringLiteral("1");
    ratios[1][2] = QStringLiteral("1");
    QVERIFY(!RefreshResults(model) && !model.Undetermined && model.Status.Panels[1] == QStringLiteral("Matrika 3x3"));
}

namespace {

// The example with a third leaf, so that the root's 3x3 matrix has a CR.
void BuildThreeLeaves(TModel &model)
{
    BuildExample(model);
    TCriterionNode *root = model.Tree.FirstNode();
    model.Tree.Select(root);
    model.Tree.AddSelectedChild(QStringLiteral("K3"), 3, ckLessIsBetter)->Matrix->AbsoluteValues = {"4", "1", "2"};
    model.FitNodeMatrix(root);
    model.Tree.Select(root);
}

// The root's judgements from its upper triangle (K1:K2, K1:K3, K2:K3); "" leaves a pair blank.
TJudgeTexts Judgements(const QStringList &upper)
{
    TJudgeTexts texts(3, std::vector<QString>(3, QStringLiteral("1")));
    const std::pair<int, int> pairs[] = {{0, 1}, {0, 2}, {1, 2}};
    for (int i = 0; i < 3; ++i) {
        const auto [r, c] = pairs[i];
        texts[size_t(c)][size_t(r)] = upper[i];
        texts[size_t(r)][size_t(c)] = upper[i].isEmpty() ? QString() : ReciprocalText(upper[i]);
    }
    return texts;
}

} // namespace

void TestSynthesis::participantsOwnRankingAndStatus_data()
{
    QTest::addColumn<QStringList>("ana");
    QTest::addColumn<QStringList>("bojan");
    QTest::addColumn<int>("selected");
    QTest::newRow("consistent and not, group shown") << QStringList{"3:1", "5:1", "2:1"} << QStringList{"1:5", "3:1", "7:1"} << -1;
    QTest::newRow("Ana shown") << QStringList{"3:1", "5:1", "2:1"} << QStringList{"1:5", "3:1", "7:1"} << 0;
    QTest::newRow("Bojan shown, inconsistent") << QStringList{"3:1", "5:1", "2:1"} << QStringList{"1:5", "3:1", "7:1"} << 1;
    QTest::newRow("Bojan with a blank pair") << QStringList{"3:1", "5:1", "2:1"} << QStringList{"1:5", "", "7:1"} << 1;
    QTest::newRow("Bojan's pairs fall apart") << QStringList{"3:1", "5:1", "2:1"} << QStringList{"", "", "7:1"} << 1;
}

// Each participant's ranking and, when shown, status line are those of a model
// judged by them alone; the group's scores are the aggregate's.
void TestSynthesis::participantsOwnRankingAndStatus()
{
    QFETCH(QStringList, ana);
    QFETCH(QStringList, bojan);
    QFETCH(int, selected);
    const std::vector<TJudgeTexts> judges{Judgements(ana), Judgements(bojan)};

    TModel group;
    BuildThreeLeaves(group);
    group.Participants = {{QStringLiteral("Ana"), 1.0}, {QStringLiteral("Bojan"), 2.0}};
    group.Tree.FirstNode()->Matrix->Judges = judges;
    AnalyzeAll(group, selected);

    for (size_t p = 0; p < judges.size(); ++p) {
        TModel alone;
        BuildThreeLeaves(alone);
        alone.Tree.FirstNode()->Matrix->Ratios = judges[p];
        std::vector<double> scores;
        TStatusLine status;
        bool determined = true;
        try {
            AnalyzeAll(alone);
            for (const TSolution &solution : alone.Solutions)
                scores.push_back(solution.Score);
            status = alone.Status;
        } catch (const EKalvoError &) {
            determined = false;
        }
        const std::vector<int> ranks = determined ? CompetitionRanks(scores) : std::vector<int>(3, 0);
        for (size_t k = 0; k < 3; ++k)
            QCOMPARE(group.Solutions[k].Ranks.at(p), ranks[k]);
        if (int(p) != selected)
            continue;
        if (determined) {
            status.Panels[1] += QStringLiteral(" · ") + group.Participants[p].Name;
            QCOMPARE(group.Status.Panels, status.Panels);
            QCOMPARE(group.Status.Emphasis, status.Emphasis);
        }
        QCOMPARE(group.Status.BlankPairs.isEmpty(), !bojan.contains(QString()) || p == 0);
    }

    TCriterionNode *root = group.Tree.FirstNode();
    TMatrix aggregate(3, ckRelative);
    aggregate.Given = AggregateJudgements(*root->Matrix, {1.0, 2.0});
    aggregate.Compute(group.ExactMethod);
    for (size_t k = 0; k < 3; ++k) {
        double score = 0.0;
        for (int i = 0; i < 3; ++i)
            score += aggregate.Vector[size_t(i)] * root->Child(i)->Matrix->Vector[k];
        QVERIFY(std::fabs(group.Solutions[k].Score - score) < 1e-12);
    }
}

void TestSynthesis::matrixWithMoreItemsThanChildren()
{
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    BuildExample(model);
    TCriterionNode *root = model.Tree.FirstNode();
    // A third item the tree no longer has (a record that was never fitted): its
    // weight goes to no child, so it counts 0, and the two children keep theirs.
    root->Matrix->SetOrder(3);
    SetUpperRatios(*root->Matrix, {"1", "1", "1"});
    AnalyzeAll(model);
    const double third = 1.0 / 3.0;
    QVERIFY(std::fabs(model.Solutions[0].Score - third * (0.5 + 0.2)) < 1e-12);
    QVERIFY(std::fabs(model.Solutions[2].Score - third * (0.2 + 0.6)) < 1e-12);
}

void TestSynthesis::cachedRunAgreesWithPlainAnalize()
{
    QRandomGenerator random(42);
    for (int trial = 0; trial < 20; ++trial) {
        TModel model;
        const int solutions = 1 + int(random.bounded(6));
        for (int i = 0; i < solutions; ++i)
            model.AddSolution(QString::number(i));
        TCriterionNode *root = model.Tree.FirstNode();
        std::vector<TCriterionNode *> nodes{root};
        for (int i = 0; i < 8; ++i) {
            model.Tree.Select(nodes[random.bounded(int(nodes.size()))]);
            const auto kind = TCriterionKind(random.bounded(3));
            nodes.push_back(model.Tree.AddSelectedChild(QString::number(i), solutions, kind));
        }
        for (TCriterionNode *node : nodes) {
            model.FitNodeMatrix(node);
            TMatrix &m = *node->Matrix;
            for (int c = 0; c < m.Order; ++c) {
                m.AbsoluteValues[c] = QString::number(1 + random.bounded(9));
                for (int r = c + 1; r < m.Order && m.Kind == ckRelative; ++r) {
                    const int term = 1 + int(random.bounded(9));
                    m.Ratios[c][r] = QStringLiteral("%1:1").arg(term);
                    m.Ratios[r][c] = QStringLiteral("1:%1").arg(term);
                }
            }
        }
        model.Tree.Select(root);
        AnalyzeAll(model);
        for (int k = 0; k < solutions; ++k)
            QCOMPARE(model.Solutions[k].Score, Analyze(root, k, true));
    }
}

void TestSynthesis::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("half down to even") << 12.5 << 12;
    QTest::newRow("half up to even") << 13.5 << 14;
    QTest::newRow("score bar") << 4250.0 << 4250;
    QTest::newRow("negative") << -2.5 << -2;
    QTest::newRow("huge") << 1e300 << std::numeric_limits<int>::max();
}

void TestSynthesis::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
}

void TestSynthesis::sharpEdges()
{
    TLocaleScope locale(QStringLiteral(","));
    {   // CR of exactly 0.1 is acceptable; just above it is not.
        TCriterionNode node(QStringLiteral("K"));
        node.Matrix = std::make_unique<TMatrix>(3, ckRelative);
        node.Matrix->CR = AcceptableCR;
        QVERIFY(!StatusFor(&node).Emphasis);
        node.Matrix->CR = std::nextafter(AcceptableCR, 1.0);
        QVERIFY(StatusFor(&node).Emphasis);
    }
    {   // Bars are rounded, not cut: 2:1 gives 67 and 33.
        TModel model;
        AddCriteria(model, model.Tree.FirstNode(), {"A", "B"});
        model.FitNodeMatrix(model.Tree.FirstNode());
        SetUpperRatios(*model.Tree.FirstNode()->Matrix, {"2:1"});
        model.Tree.Select(model.Tree.FirstNode());
        AnalyzeAll(model);
        QCOMPARE(model.SubcriterionBars[0].Position, 67);
        QCOMPARE(model.SubcriterionBars[1].Position, 33);
    }
    {   // A 3x3 root: after a failed run the status line keeps every old figure.
        TModel model;
        BuildExample(model);
        TCriterionNode *root = model.Tree.FirstNode();
        TCriterionNode *third = model.Tree.AddSelectedChild(QStringLiteral("K3"), 3, ckMoreIsBetter);
        model.FitNodeMatrix(root);
        SetUpperRatios(*root->Matrix, {"3:1", "5:1", "1:2"});
        AnalyzeAll(model);
        const TStatusLine before = model.Status;
        QCOMPARE(before.Panels[4], QStringLiteral("CR= 0,1407"));
        SetUpperRatios(*root->Matrix, {"2:1", "6:1", "3:1"});
        third->Matrix->AbsoluteValues[0] = QStringLiteral("x");
        QVERIFY(!ErrorOf([&] { AnalyzeAll(model); }).isEmpty());
        QCOMPARE(model.Status, before);
        // A root matrix of order 2 over three children never reads the third.
        root->Matrix->SetOrder(2);
        AnalyzeAll(model);
        QCOMPARE(ValueTexts(model), (QStringList{"0,4000", "0,2667", "0,3333"}));   // 2:1 over K1 and K2
    }
}

// A solution added to a model a group judges: nobody compared it yet, so the
// weights are not determined, and the reason says which pair and who should judge it.
void TestSynthesis::aNewItemOfAGroupNamesWhoShouldJudgeIt()
{
    TModelDocument document;
    document.NewModel(QStringLiteral("Koren"));
    document.AddSolution(QStringLiteral("A"));
    document.AddSolution(QStringLiteral("B"));
    document.SetRatio(document.Model().Tree.FirstNode(), 2, 1, QStringLiteral("2:1"), QStringLiteral("1:2"));
    document.AddParticipant(QStringLiteral("Ana"), 1.0);
    document.AddParticipant(QStringLiteral("Bine"), 1.0);
    document.AddSolution(QStringLiteral("C"));
    const std::optional<EKalvoError> error = RefreshResults(document.WritableModel());
    QVERIFY(error && error->kind() == EKalvoError::ekUndetermined);
    QVERIFY2(error->message().contains(QStringLiteral("»C«"))
                 && error->message().contains(QStringLiteral("Naslednja primerjava: »A« : »C«"))
                 && error->message().contains(QStringLiteral("Presodi naj ga kdo od udeležencev: Ana, Bine.")),
             qPrintable(error->message()));
}

KALVO_TEST_GUILESS_MAIN(TestSynthesis)
#include "tst_synthesis.moc"
