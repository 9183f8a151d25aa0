#include "TestMain.h"
#include "analysis/Synthesis.h"
#include "analysis/Uncertainty.h"
#include "matrix/Conversions.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "model/ModelDocument.h"

#include <atomic>
#include <cmath>
#include <functional>

namespace {

// Solutions A and B compared at the root alone ("ratio" A : B), or, with criteria,
// a root over two measured criteria weighed by "ratio" (the first criterion
// values A 2 and B 1, the second the other way round).
void Build(TModelDocument &document, const QString &ratio, bool criteria)
{
    document.NewModel(QStringLiteral("Cilj"));
    TCriterionNode *root = document.Model().Tree.FirstNode();
    document.AddSolution(QStringLiteral("A"));
    document.AddSolution(QStringLiteral("B"));
    if (criteria) {
        document.AddCriterion(root, QStringLiteral("K1"), ckMoreIsBetter);
        document.AddCriterion(root, QStringLiteral("K2"), ckMoreIsBetter);
        document.SetValue(root->Child(0), 1, QStringLiteral("2"));
        document.SetValue(root->Child(0), 2, QStringLiteral("1"));
        document.SetValue(root->Child(1), 1, QStringLiteral("1"));
        document.SetValue(root->Child(1), 2, QStringLiteral("2"));
    }
    document.SetRatio(root, 2, 1, ratio, ReciprocalText(ratio));
    document.Select(root);
}

bool Same(const TUncertainty &a, const TUncertainty &b)
{
    const auto ranges = [](const std::vector<TRange> &r) {
        std::vector<double> out;
        for (const TRange &x : r)
            out.insert(out.end(), {x.Min, x.P05, x.Median, x.P95, x.Max});
        return out;
    };
    bool same = a.UsedRuns == b.UsedRuns && a.RankShares == b.RankShares && a.Wins == b.Wins
                && ranges(a.ScoreRanges) == ranges(b.ScoreRanges) && a.Criteria.size() == b.Criteria.size();
    for (size_t i = 0; same && i < a.Criteria.size(); ++i)
        same = ranges(a.Criteria[i].Weights) == ranges(b.Criteria[i].Weights);
    return same;
}

} // namespace

class TestUncertainty : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void aModelWithoutCriteriaIsRefused();
    void runsKeepTheirWarningsToThemselves();
};

// Each row a model, settings and what the simulation must give.
void TestUncertainty::cases_data()
{
    using TCheck = std::function<void(const TModel &, const TUncertainty &)>;
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<double>("spread");
    QTest::addColumn<int>("participants");   // identical participants, resampled
    QTest::addColumn<TCheck>("check");
    // 3:1 sits at 2; moved by at most 0.5 it lies in [2.5, 3.5]: the first weight in [5/7, 7/9].
    QTest::newRow("two items 3:1, spread 0.5") << "3:1" << true << 0.5 << 0 << TCheck([](const TModel &, const TUncertainty &u) {
        const TRange &w = u.Criteria.at(0).Weights.at(0);
        QVERIFY(w.Min >= 5.0 / 7 - 1e-12 && w.Max <= 7.0 / 9 + 1e-12);
        QVERIFY(w.Min - 5.0 / 7 < 0.002 && 7.0 / 9 - w.Max < 0.002);
    });
    QTest::newRow("spread 0: today's result every run") << "3:1" << true << 0.0 << 0 << TCheck([](const TModel &m, const TUncertainty &u) {
        QCOMPARE(u.First[0], 1.0);
        QCOMPARE(u.RankShares[1][1], 1.0);
        QCOMPARE(u.ScoreRanges[0].Min, u.ScoreRanges[0].Max);
        QVERIFY(std::fabs(u.ScoreRanges[0].Median - m.Solutions[0].Score) < 1e-15);
        QCOMPARE(u.Wins[0][1], 1.0);
    });
    // 2:1 sits at 1; spread 2 moves it below 0 (B first) with probability 1/4.
    QTest::newRow("one judgement decides") << "2:1" << false << 2.0 << 0 << TCheck([](const TModel &, const TUncertainty &u) {
        const double se = std::sqrt(0.75 * 0.25 / u.UsedRuns);
        QVERIFY2(std::fabs(u.First[0] - 0.75) < 4 * se, qPrintable(QString::number(u.First[0])));
        QVERIFY(std::fabs(u.First[0] + u.First[1] - 1.0) < 1e-12);
    });
    QTest::newRow("identical participants resampled, spread 0") << "4:1" << false << 0.0 << 3
        << TCheck([](const TModel &, const TUncertainty &u) { QCOMPARE(u.First[0], 1.0); });
}

void TestUncertainty::cases()
{
    using TCheck = std::function<void(const TModel &, const TUncertainty &)>;
    QFETCH(QString, ratio);
    QFETCH(bool, criteria);
    QFETCH(double, spread);
    QFETCH(int, participants);
    QFETCH(TCheck, check);
    TModelDocument document;
    Build(document, ratio, criteria);
    for (int p = 0; p < participants; ++p)
        document.AddParticipant(QStringLiteral("P%1").arg(p), 1.0 + p);
    if (participants > 1) {   // each judges as the first does
        TMatrix &m = *document.WritableModel().Tree.FirstNode()->Matrix;
        for (size_t p = 1; p < m.Judges.size(); ++p)
            m.Judges[p] = m.Judges[0];
    }
    TModel &model = document.WritableModel();
    AnalyzeAll(model);
    TUncertaintySettings settings;
    settings.Spread = spread;
    settings.ResampleParticipants = participants > 0;
    settings.Threads = 1;
    const TUncertainty one = SimulateUncertainty(model, model.Tree.FirstNode(), settings);
    QCOMPARE(one.UsedRuns, 10000);
    check(model, one);
    // The same random stream on two threads: the same numbers, bit for bit.
    settings.Threads = 2;
    QVERIFY(Same(one, SimulateUncertainty(model, model.Tree.FirstNode(), settings)));
}

void TestUncertainty::aModelWithoutCriteriaIsRefused()
{
    TModel model;
    model.Tree.DeleteAllNodes();   // as a file without a criterion brings it
    QVERIFY_THROWS_EXCEPTION(EKalvoError, SimulateUncertainty(model, nullptr, TUncertaintySettings()));
}

// Eleven items have no random index: computing them warns. The runs (on worker
// threads) must not reach the handler, which in the window is a message box.
void TestUncertainty::runsKeepTheirWarningsToThemselves()
{
    TModelDocument document;
    document.NewModel(QStringLiteral("Cilj"));
    for (int k = 0; k < 11; ++k)
        document.AddSolution(QStringLiteral("R%1").arg(k));
    TCriterionNode *root = document.Model().Tree.FirstNode();
    document.SetRatio(root, 2, 1, QStringLiteral("3:1"), QStringLiteral("1:3"));
    std::atomic<int> warnings{0};
    const TMessageHandlerScope counting([&](const QString &) { ++warnings; });
    TUncertaintySettings settings;
    settings.Runs = 200;
    settings.Threads = 2;
    SimulateUncertainty(document.Model(), root, settings);
    QCOMPARE(warnings.load(), 0);
}

KALVO_TEST_GUILESS_MAIN(TestUncertainty)
#include "tst_uncertainty.moc"
