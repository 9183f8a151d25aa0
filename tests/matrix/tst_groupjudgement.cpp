#include "TestMain.h"
#include "matrix/Completion.h"
#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "matrix/Matrix.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

// Each vector puts a different item first at 9 against 1 (the most opposed group).
std::vector<std::vector<double>> Opposed(int n)
{
    std::vector<std::vector<double>> vectors;
    for (int k = 0; k < n; ++k) {
        std::vector<double> w(size_t(n), 1.0 / (n + 8));
        w[size_t(k)] = 9.0 / (n + 8);
        vectors.push_back(w);
    }
    return vectors;
}

// A whole-number ratio as the ratio dialog writes it: 4 is "4:1", 0.5 is "1:2".
QString Text(double v)
{
    return v >= 1.0 ? QStringLiteral("%1:1").arg(qRound(v)) : QStringLiteral("1:%1").arg(qRound(1.0 / v));
}

std::vector<double> NormalisedExp(const std::vector<double> &logs)
{
    std::vector<double> out;
    double sum = 0;
    for (double x : logs)
        sum += std::exp(x);
    for (double x : logs)
        out.push_back(std::exp(x) / sum);
    return out;
}

} // namespace

class TestGroupJudgement : public QObject
{
    Q_OBJECT

private slots:
    void identicalParticipantsAreOneJudge();
    void publishedGroupAndTheAipIdentity();
    void opposedParticipantsHaveNoConsensus_data();
    void opposedParticipantsHaveNoConsensus();
    void randomGroupsAgainstTheDefinitions();
    void consensusWords_data();
    void consensusWords();
    void edges();
};

// Identical participants give the single judge's weights, lambda and CR, and S* = 1.
// Five decision makers weighted 0.1, 0.3, 0.1, 0.2, 0.3 on four alternatives: the
// aggregate and the first one's GCI as published; and over random complete groups
// the geometric mean of the participants' row-geometric-mean weights equals the
// row geometric mean of the aggregate (which checks both computations).
void TestGroupJudgement::publishedGroupAndTheAipIdentity()
{
    const double upper[5][6] = {{4, 6, 7, 3, 4, 2}, {5, 7, 9, 4, 6, 2}, {3, 5, 8, 4, 5, 2},
                                {4, 5, 6, 3, 3, 2}, {0.5, 1, 2, 0.5, 3, 4}};
    const std::vector<double> weights{0.1, 0.3, 0.1, 0.2, 0.3};
    std::vector<TMatrix> own;
    for (const auto &u : upper) {
        TMatrix m(4, ckRelative);
        for (int r = 0, i = 0; r < 4; ++r)
            for (int c = r + 1; c < 4; ++c, ++i) {
                m.Ratios[size_t(c)][size_t(r)] = Text(u[i]);
                m.Ratios[size_t(r)][size_t(c)] = Text(1.0 / u[i]);
            }
        own.push_back(m);
    }
    std::vector<const TMatrix *> all;
    for (const TMatrix &m : own)
        all.push_back(&m);
    const std::vector<double> group = AggregateJudgements(all, weights, 4);
    const double expected[6] = {2.227, 3.4756, 5.0937, 1.9663, 4.0005, 2.4623};
    for (int r = 0, i = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c, ++i)
            QVERIFY2(std::fabs(group[size_t(r * 4 + c)] - expected[i]) < 5e-4, qPrintable(QString::number(group[size_t(r * 4 + c)])));
    QVERIFY(std::fabs(GeometricConsistencyIndex(JudgedValues(own[0]), 4) - 0.1349) < 5e-5);

    QRandomGenerator dice(33);
    for (int trial = 0; trial < 50; ++trial) {
        const int n = 3 + dice.bounded(6), people = 2 + dice.bounded(5);
        std::vector<std::vector<double>> values;
        std::vector<double> say;
        for (int p = 0; p < people; ++p) {
            std::vector<double> v(size_t(n * n), 1.0);
            for (int r = 0; r < n; ++r)
                for (int c = r + 1; c < n; ++c) {
                    const double a = dice.bounded(2) ? 1.0 + dice.bounded(9) : 1.0 / (1 + dice.bounded(9));
                    v[size_t(r * n + c)] = a;
                    v[size_t(c * n + r)] = 1.0 / a;
                }
            values.push_back(v);
            say.push_back(0.5 + dice.bounded(4));
        }
        std::vector<double> aggregate(size_t(n * n), 1.0), product(size_t(n), 0.0);
        double total = 0;
        for (double w : say)
            total += w;
        for (int k = 0; k < n * n; ++k) {
            double logs = 0;
            for (int p = 0; p < people; ++p)
                logs += say[size_t(p)] * std::log(values[size_t(p)][size_t(k)]);
            aggregate[size_t(k)] = std::exp(logs / total);
        }
        for (int p = 0; p < people; ++p) {
            const std::vector<double> w = RowGeometricMeans(values[size_t(p)], n);
            for (int i = 0; i < n; ++i)
                product[size_t(i)] += say[size_t(p)] * std::log(w[size_t(i)]) / total;
        }
        const std::vector<double> aip = NormalisedExp(product);
        const std::vector<double> aij = RowGeometricMeans(aggregate, n);
        for (int i = 0; i < n; ++i)
            QVERIFY(std::fabs(aip[size_t(i)] - aij[size_t(i)]) < 1e-12);
    }
}

void TestGroupJudgement::identicalParticipantsAreOneJudge()
{
    TMatrix judge(4, ckRelative);
    const QStringList upper = {"3:1", "5:1", "1:2", "2:1", "1", "1:3"};
    int k = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c, ++k) {
            judge.Ratios[size_t(c)][size_t(r)] = upper[k];
            judge.Ratios[size_t(r)][size_t(c)] = ReciprocalText(upper[k]);
        }
    for (const bool exact : {true, false}) {
        TMatrix group(4, ckRelative);
        group.Given = AggregateJudgements({&judge, &judge, &judge}, {1.0, 2.0, 0.5}, 4);
        group.Compute(exact);
        TMatrix single = judge;
        single.Compute(exact);
        for (size_t i = 0; i < 4; ++i)
            QVERIFY(std::fabs(group.Vector[i] - single.Vector[i]) < 1e-12);
        QVERIFY(std::fabs(group.CR - single.CR) < 1e-12);
        QCOMPARE(ConsensusIndex({single.Vector, single.Vector, single.Vector}), 1.0);
    }
}

void TestGroupJudgement::opposedParticipantsHaveNoConsensus_data()
{
    QTest::addColumn<int>("items");
    for (int n : {2, 3, 5, 9})
        QTest::addRow("%d items, %d participants", n, n) << n;
}

// k participants that each put a different item first at 9 give S* = 0.
void TestGroupJudgement::opposedParticipantsHaveNoConsensus()
{
    QFETCH(int, items);
    QVERIFY(std::fabs(ConsensusIndex(Opposed(items))) < 1e-12);
}

// Random groups (2 to 7 participants, orders 2 to 9, some pairs left blank by some)
// against the definitions written out another way: the aggregate as a product
// of powers, the consensus from the diversity as a ratio of products.
void TestGroupJudgement::randomGroupsAgainstTheDefinitions()
{
    QRandomGenerator dice(1983);
    static const QStringList scale = {"1", "2:1", "3:1", "5:1", "9:1", "1:2", "1:4", "1:7"};
    for (int round = 0; round < 200; ++round) {
        const int n = 2 + dice.bounded(8), people = 2 + dice.bounded(6);
        std::vector<TMatrix> judges(size_t(people), TMatrix(n, ckRelative));
        std::vector<double> weights;
        for (TMatrix &m : judges) {
            weights.push_back(0.5 + dice.bounded(4));
            for (int r = 0; r < n; ++r)
                for (int c = r + 1; c < n; ++c) {
                    const QString text = dice.bounded(4) == 0 ? QString() : scale[dice.bounded(scale.size())];
                    m.Ratios[size_t(c)][size_t(r)] = text;
                    m.Ratios[size_t(r)][size_t(c)] = text.isEmpty() ? QString() : ReciprocalText(text);
                }
        }
        std::vector<const TMatrix *> pointers;
        for (const TMatrix &m : judges)
            pointers.push_back(&m);
        const std::vector<double> group = AggregateJudgements(pointers, weights, n);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c) {
                if (r == c)
                    continue;
                double total = 0.0;
                for (int p = 0; p < people; ++p)
                    if (!IsBlankPair(judges[size_t(p)], r, c))
                        total += weights[size_t(p)];
                double product = total > 0.0 ? 1.0 : 0.0;
                for (int p = 0; p < people; ++p)
                    if (!IsBlankPair(judges[size_t(p)], r, c))
                        product *= std::pow(RatioToFloat(judges[size_t(p)].RatioText(c, r)), weights[size_t(p)] / total);
                QVERIFY2(std::fabs(group[size_t(r * n + c)] - product) < 1e-9 * std::max(1.0, product),
                         qPrintable(QStringLiteral("round %1, cell (%2, %3)").arg(round).arg(r + 1).arg(c + 1)));
            }

        // The consensus: D_beta = prod over items of mean^-mean / the mean over people of prod w^-w, in logs.
        std::vector<std::vector<double>> vectors;
        for (int p = 0; p < people; ++p) {
            std::vector<double> w(static_cast<size_t>(n));
            double sum = 0.0;
            for (double &x : w)
                sum += x = 1.0 + dice.bounded(9);
            for (double &x : w)
                x /= sum;
            vectors.push_back(w);
        }
        double logGamma = 0.0, logAlpha = 0.0;
        for (int j = 0; j < n; ++j) {
            double mean = 0.0;
            for (const auto &w : vectors)
                mean += w[size_t(j)] / people;
            logGamma += std::log(std::pow(mean, -mean));
        }
        for (const auto &w : vectors)
            for (double x : w)
                logAlpha += std::log(std::pow(x, -x)) / people;
        const double m = 9.0, items = n;
        const double minimum = std::pow(m / (items + m - 1), -m / (items + m - 1))
                               * std::pow(1.0 / (items + m - 1), -(items - 1) / (items + m - 1));
        const double cor = minimum / items;
        const double expected = (std::exp(logAlpha - logGamma) - cor) / (1.0 - cor);
        QVERIFY(std::fabs(ConsensusIndex(vectors) - expected) < 1e-9);
    }
}

void TestGroupJudgement::consensusWords_data()
{
    QTest::addColumn<double>("consensus");
    QTest::addColumn<QString>("word");
    QTest::newRow("50 %") << 0.50 << "zelo nizko";
    QTest::newRow("64 %") << 0.64 << "nizko";
    QTest::newRow("65 %") << 0.65 << "zmerno";
    QTest::newRow("75 %") << 0.75 << "visoko";
    QTest::newRow("80 %") << 0.80 << "visoko";
    QTest::newRow("85 %") << 0.85 << "zelo visoko";
}

void TestGroupJudgement::consensusWords()
{
    QFETCH(double, consensus);
    QTEST(ConsensusWord(consensus), "word");
}

// At the edges: one item leaves nothing to disagree on; a participant whose pairs
// fall apart has no weights at all (not zeros); a participant whose two cells of a
// pair disagree counts the mean of both logarithms, so the group stays reciprocal.
void TestGroupJudgement::edges()
{
    QCOMPARE(ConsensusIndex({{1.0}, {1.0}}), 1.0);

    TMatrix m(3, ckRelative);
    m.Judges = {UnjudgedTexts(3), UnjudgedTexts(3)};
    for (TJudgeTexts &judge : m.Judges) {
        judge[1][0] = QStringLiteral("4:1");   // a(0, 1)
        judge[0][1] = QStringLiteral("1");     // a(1, 0): not 1:4
        judge[2][1] = QStringLiteral("2:1");
        judge[1][2] = QStringLiteral("1:2");
    }
    m.Judges[1][2][1].clear();   // the second leaves item 3 alone
    m.Judges[1][1][2].clear();
    const std::vector<std::optional<TMatrix>> own = ComputedJudgeMatrices(m, 2, true);
    QVERIFY(own[0] && !own[1]);
    const std::vector<double> group = AggregateJudgements(m, {1.0, 1.0});
    QVERIFY(std::fabs(group[0 * 3 + 1] - 2.0) < 1e-12);   // exp((ln 4 - ln 1) / 2)
    QVERIFY(std::fabs(group[1 * 3 + 0] - 0.5) < 1e-12);
}

KALVO_TEST_GUILESS_MAIN(TestGroupJudgement)
#include "tst_groupjudgement.moc"
