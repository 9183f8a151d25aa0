#include "TestMain.h"
#include "analysis/Ranking.h"
#include "analysis/Sensitivity.h"
#include "analysis/Synthesis.h"
#include "ModelFixtures.h"
#include "TestSupport.h"

#include <QRandomGenerator>

#include <algorithm>
#include <numeric>
#include <cmath>

namespace {

// A root over m criteria measuring n solutions (more is better), the root's
// matrix judged at random on the scale.
void BuildRandom(TModel &model, QRandomGenerator &random, int m, int n)
{
    for (int k = 0; k < n; ++k)
        model.AddSolution(QStringLiteral("R%1").arg(k));
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Cilj");
    for (int i = 0; i < m; ++i) {
        model.Tree.Select(root);
        TCriterionNode *c = model.Tree.AddSelectedChild(QStringLiteral("K%1").arg(i), n, ckMoreIsBetter);
        for (int k = 0; k < n; ++k)
            c->Matrix->AbsoluteValues[size_t(k)] = QString::number(1 + random.bounded(20));
    }
    model.FitNodeMatrix(root);
    QStringList upper;
    for (int r = 0; r < m; ++r)
        for (int c = r + 1; c < m; ++c) {
            const int term = 1 + int(random.bounded(5));
            upper << (random.bounded(2) ? QStringLiteral("%1:1").arg(term) : QStringLiteral("1:%1").arg(term));
        }
    SetUpperRatios(*root->Matrix, upper);
    model.Tree.Select(root);
}

// The definition itself: every other weight scaled to share 1 - x, then weighed sums.
std::vector<double> ScoresByDefinition(const TSensitivity &s, int i, double x)
{
    const size_t m = s.Criteria.size();
    std::vector<double> scores(s.Scores.size(), 0.0);
    double others = 0.0;
    for (size_t j = 0; j < m; ++j)
        if (int(j) != i)
            others += s.Criteria[j].Weight;
    for (size_t j = 0; j < m; ++j) {
        const double w = int(j) == i ? x : (others > 0 ? s.Criteria[j].Weight / others : 1.0 / double(m - 1)) * (1 - x);
        for (size_t k = 0; k < scores.size(); ++k)
            scores[k] += w * s.Criteria[j].AtOne[k];
    }
    return scores;
}

int TopOf(const std::vector<double> &scores)
{
    int top = 0;
    for (int k = 1; k < int(scores.size()); ++k)
        if (scores[size_t(k)] > scores[size_t(top)])
            top = k;
    return top;
}

// A root over measured criteria, one line of values each, and the root's judgements.
TSensitivity Analyzed(TModel &model, const QStringList &criteria, const QStringList &upper)
{
    const int n = int(criteria.first().split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    for (int k = 0; k < n; ++k)
        model.AddSolution(QString(QChar('A' + k)));
    TCriterionNode *root = model.Tree.FirstNode();
    for (const QString &values : criteria) {
        model.Tree.Select(root);
        TCriterionNode *c = model.Tree.AddSelectedChild(QStringLiteral("K"), n, ckMoreIsBetter);
        const QStringList texts = values.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        c->Matrix->AbsoluteValues = std::vector<QString>(texts.begin(), texts.end());
    }
    model.FitNodeMatrix(root);
    SetUpperRatios(*root->Matrix, upper);
    return AnalyzeSensitivity(model, root);
}

} // namespace

class TestSensitivity : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithBruteForceOnRandomModels();
    void edgeCases_data();
    void edgeCases();
    void criterionWithoutSubcriteriaIsAnError();
    void sharpCases();
    void ranks_data();
    void ranks();
};

void TestSensitivity::agreesWithBruteForceOnRandomModels()
{
    QRandomGenerator random(7);
    for (int trial = 0; trial < 60; ++trial) {
        TModel model;
        model.SetMethod(trial % 2 == 0);
        BuildRandom(model, random, 2 + int(random.bounded(4)), 2 + int(random.bounded(5)));
        AnalyzeAll(model);
        const TSensitivity s = AnalyzeSensitivity(model, model.Tree.FirstNode());
        for (size_t k = 0; k < s.Scores.size(); ++k)   // today's scores, as the synthesis gave them
            QVERIFY(std::fabs(s.Scores[k] - model.Solutions[k].Score) < 1e-12);
        QCOMPARE(s.Top, TopOf(s.Scores));
        for (int i = 0; i < int(s.Criteria.size()); ++i) {
            const TCriterionSensitivity &c = s.Criteria[size_t(i)];
            const std::vector<double> today = ScoresAt(c, c.Weight);
            for (size_t k = 0; k < today.size(); ++k)
                QVERIFY(std::fabs(today[k] - s.Scores[k]) < 1e-9);
            // On a fine grid: the lines are the definition; the top stays exactly inside [Low, High].
            int changes = 0;
            std::vector<double> previous = ScoresByDefinition(s, i, 0.0);
            for (int step = 0; step <= 2000; ++step) {
                const double x = step / 2000.0;
                const std::vector<double> lines = ScoresAt(c, x), defined = ScoresByDefinition(s, i, x);
                for (size_t k = 0; k < lines.size(); ++k)
                    QVERIFY(std::fabs(lines[k] - defined[k]) < 1e-9);
                const bool inside = x >= c.Low - 1e-9 && x <= c.High + 1e-9;
                const double lead = lines[size_t(s.Top)] - lines[size_t(TopOf(lines))];
                if (inside)
                    QVERIFY2(lead > -1e-9, qPrintable(QStringLiteral("x %1 in [%2, %3]").arg(x).arg(c.Low).arg(c.High)));
                else if (std::fabs(x - c.Low) > 1e-3 && std::fabs(x - c.High) > 1e-3)
                    QVERIFY(lead < 0);
                for (size_t j = 0; j < lines.size(); ++j)
                    for (size_t k = j + 1; k < lines.size(); ++k)
                        if ((previous[j] - previous[k]) * (lines[j] - lines[k]) < 0)
                            ++changes;
                previous = lines;
            }
            int streamed = 0;
            ForEachCrossing(c, [&](const TCrossing &) { ++streamed; });
            QCOMPARE(changes, streamed);   // every reversal found, none made up
            QCOMPARE(int(c.Crossings.size()), streamed);   // few solutions: all are followed
            for (size_t p = 1; p < c.Crossings.size(); ++p)
                QVERIFY(c.Crossings[p - 1].Weight <= c.Crossings[p].Weight);
            // Just beyond each end of the interval, the named rival is on top.
            if (c.Low > 1e-6)
                QCOMPARE(TopOf(ScoresAt(c, c.Low - 1e-7)), c.LowRival);
            if (c.High < 1 - 1e-6)
                QCOMPARE(TopOf(ScoresAt(c, c.High + 1e-7)), c.HighRival);
        }
        // Following only the best two (and the marked one): exactly their crossings are kept.
        model.MarkSolution(int(s.Scores.size()) - 1);
        const TSensitivity few = AnalyzeSensitivity(model, model.Tree.FirstNode(), 2);
        std::vector<int> best(s.Scores.size());
        std::iota(best.begin(), best.end(), 0);
        std::stable_sort(best.begin(), best.end(), [&](int a, int b) { return s.Scores[size_t(a)] > s.Scores[size_t(b)]; });
        best.resize(std::min<size_t>(2, best.size()));
        if (std::find(best.begin(), best.end(), int(s.Scores.size()) - 1) == best.end())
            best.push_back(int(s.Scores.size()) - 1);
        QCOMPARE(few.Followed, best);   // the best two, best first, then the marked one
        for (const TCriterionSensitivity &c : few.Criteria) {
            std::vector<TCrossing> expected;
            ForEachCrossing(c, [&](const TCrossing &x) {
                auto followed = [&](int k) { return std::count(few.Followed.begin(), few.Followed.end(), k) > 0; };
                if (followed(x.First) && followed(x.Second))
                    expected.push_back(x);
            });
            QCOMPARE(c.Crossings.size(), expected.size());
        }
        // The critical change is the smallest that puts another solution on top.
        if (s.Critical >= 0) {
            const TCriterionSensitivity &c = s.Criteria[size_t(s.Critical)];
            const double beyond = s.CriticalWeight + (s.CriticalChange > 0 ? 1e-7 : -1e-7);
            QVERIFY(TopOf(ScoresAt(c, beyond)) != s.Top);
            for (const TCriterionSensitivity &other : s.Criteria)
                QVERIFY(std::fabs(s.CriticalChange) <= std::min(other.Low > 0 ? other.Weight - other.Low : 2.0,
                                                                other.High < 1 ? other.High - other.Weight : 2.0) + 1e-12);
        }
    }
}

void TestSensitivity::edgeCases_data()
{
    QTest::addColumn<QStringList>("criteria");     // one line of values per sub-criterion
    QTest::addColumn<QStringList>("upper");         // the root's judgements
    QTest::addColumn<int>("top");
    QTest::addColumn<QList<double>>("interval");    // of the first sub-criterion
    QTest::addColumn<int>("crossings");             // of the first sub-criterion
    QTest::addColumn<int>("critical");
    QTest::newRow("one sub-criterion: a flat line") << QStringList{"1 3"} << QStringList() << 1
                                                    << QList<double>{0, 1} << 0 << -1;
    QTest::newRow("a tie: the first is on top") << QStringList{"1 1", "1 1"} << QStringList{"1"} << 0
                                                << QList<double>{0, 1} << 0 << -1;
    // K1 favours B, K2 favours A equally: at equal weights they tie, A first.
    QTest::newRow("two opposed criteria") << QStringList{"1 3", "3 1"} << QStringList{"1"} << 0
                                          << QList<double>{0, 0.5} << 1 << 0;
    QTest::newRow("no solutions") << QStringList{"", ""} << QStringList{"3:1"} << -1 << QList<double>{0, 1} << 0 << -1;
}

void TestSensitivity::edgeCases()
{
    QFETCH(QStringList, criteria);
    QFETCH(QStringList, upper);
    QFETCH(int, top);
    QFETCH(QList<double>, interval);
    QFETCH(int, crossings);
    QFETCH(int, critical);
    TModel model;
    const TSensitivity s = Analyzed(model, criteria, upper);
    QCOMPARE(s.Top, top);
    QCOMPARE(s.Criteria.front().Low, interval.at(0));
    QVERIFY(std::fabs(s.Criteria.front().High - interval.at(1)) < 1e-12);
    QCOMPARE(int(s.Criteria.front().Crossings.size()), crossings);
    QCOMPARE(s.Critical, critical);
}

void TestSensitivity::criterionWithoutSubcriteriaIsAnError()
{
    TModel model;
    model.Tree.FirstNode()->Name = QStringLiteral("List");
    QCOMPARE(ErrorOf([&] { AnalyzeSensitivity(model, model.Tree.FirstNode()); }),
             QStringLiteral("Kriterij »List« nima podkriterijev: občutljivosti ni mogoče izračunati."));
}

void TestSensitivity::sharpCases()
{
    const auto build = Analyzed;
    {   // Today's weight lies inside its interval, for every sub-criterion.
        TModel model;
        const TSensitivity s = build(model, {"4 3 2", "2 2 1", "3 4 2"}, {"1:3", "3:1", "1:3"});
        for (const TCriterionSensitivity &c : s.Criteria)
            QVERIFY2(c.Low <= c.Weight && c.Weight <= c.High,
                     qPrintable(QStringLiteral("%1 in [%2, %3]").arg(c.Weight).arg(c.Low).arg(c.High)));
    }
    {   // Crossings at one weight keep their pair order.
        TModel model;
        const TSensitivity s = build(model, {"1 1 4 4", "4 4 1 1"}, {"1"});
        const std::vector<TCrossing> &x = s.Criteria.front().Crossings;
        QCOMPARE(int(x.size()), 4);
        for (size_t p = 1; p < x.size(); ++p)
            QVERIFY(x[p - 1].Weight == x[p].Weight
                    && std::pair(x[p - 1].First, x[p - 1].Second) < std::pair(x[p].First, x[p].Second));
    }
    {   // Siblings that all weigh 0 share the rest equally.
        TModel model;
        TSensitivity s = build(model, {"1 3", "2 2", "4 1"}, {"9:1", "9:1", "1"});
        model.Tree.FirstNode()->Matrix->Kind = ckMoreIsBetter;
        model.Tree.FirstNode()->Matrix->AbsoluteValues = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")};
        s = AnalyzeSensitivity(model, model.Tree.FirstNode());
        const TCriterionSensitivity &first = s.Criteria.front();
        QCOMPARE(first.Weight, 1.0);
        QVERIFY(std::fabs(first.AtZero[0] - (0.5 * 0.5 + 0.5 * 0.8)) < 1e-12);   // (2/4 + 4/5) / 2
    }
}

void TestSensitivity::ranks_data()
{
    QTest::addColumn<QList<double>>("scores");
    QTest::addColumn<QList<int>>("ranks");
    QTest::newRow("distinct") << QList<double>{0.2, 0.5, 0.3} << QList<int>{3, 1, 2};
    QTest::newRow("all tied") << QList<double>{0.25, 0.25, 0.25, 0.25} << QList<int>{1, 1, 1, 1};
    QTest::newRow("tie below the top") << QList<double>{0.4, 0.3, 0.3 + 1e-17} << QList<int>{1, 2, 2};
    QTest::newRow("none") << QList<double>{} << QList<int>{};
}

void TestSensitivity::ranks()
{
    QFETCH(QList<double>, scores);
    QFETCH(QList<int>, ranks);
    const std::vector<int> got = CompetitionRanks(std::vector<double>(scores.begin(), scores.end()));
    QCOMPARE(QList<int>(got.begin(), got.end()), ranks);
}

KALVO_TEST_GUILESS_MAIN(TestSensitivity)
#include "tst_sensitivity.moc"
