#include "TestMain.h"
#include "TestSupport.h"
#include "matrix/Completion.h"
#include "matrix/Conversions.h"
#include "matrix/KalvoError.h"
#include "matrix/Matrix.h"

#include <QRandomGenerator>

#include <array>
#include <cmath>

namespace {

// A ratio matrix from its upper triangle, row by row; "" leaves a pair blank.
TMatrix Upper(int n, const QStringList &upper)
{
    TMatrix m(n, ckRelative);
    int k = 0;
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c, ++k) {
            const QString text = upper.value(k);
            m.Ratios[size_t(c)][size_t(r)] = text;
            m.Ratios[size_t(r)][size_t(c)] = ReciprocalText(text);
        }
    return m;
}

// Gauss-Seidel on a graph's grounded Laplacian: x_k = (source_k + sum over
// neighbours of x_j +- d) / degree, until nothing moves. Another road to the
// least-squares weights and to effective resistances than the solver's elimination.
std::vector<double> Iterate(int n, const std::vector<std::array<double, 3>> &edges, int grounded,
                            const std::vector<double> &source, bool withJudgements)
{
    std::vector<double> x(size_t(n), 0.0);
    for (int sweep = 0; sweep < 200000; ++sweep) {
        double moved = 0.0;
        for (int k = 0; k < n; ++k) {
            if (k == grounded)
                continue;
            double sum = source[size_t(k)], degree = 0.0;
            for (const auto &[r, c, d] : edges) {
                if (int(r) == k) { sum += x[size_t(c)] + (withJudgements ? d : 0.0); degree += 1; }
                if (int(c) == k) { sum += x[size_t(r)] - (withJudgements ? d : 0.0); degree += 1; }
            }
            const double next = sum / degree;
            moved = std::max(moved, std::fabs(next - x[size_t(k)]));
            x[size_t(k)] = next;
        }
        if (moved < 1e-15)
            break;
    }
    return x;
}

} // namespace

class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void publishedCases_data();
    void publishedCases();
    void randomGraphsAgainstIteration();
    void disconnectedGraph_data();
    void disconnectedGraph();
    void computeUsesTheCompletion();
    void storedText_data();
    void storedText();
};

void TestCompletion::publishedCases_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("upper");
    QTest::addColumn<QList<double>>("weights");
    QTest::addColumn<int>("blankRow");
    QTest::addColumn<int>("blankCol");
    QTest::addColumn<double>("completed");
    // Bozóki, Fülöp, Rónyai, "On optimal completion of incomplete pairwise comparison
    // matrices", Math. Comput. Modelling 52 (2010): the 4 x 4 example, cell (3, 4) missing.
    QTest::newRow("Bozoki, Fulop, Ronyai 2010, 4x4")
        << 4 << QStringList{"1", "5:1", "2:1", "3:1", "4:1", ""} << QList<double>{0.3742, 0.3916, 0.0988, 0.1353}
        << 3 << 4 << 0.7303;
    // A complete matrix: the row geometric means (Crawford and Williams 1985), no blank pair.
    QTest::newRow("complete 3x3: row geometric means")
        << 3 << QStringList{"2:1", "6:1", "3:1"} << QList<double>{0.6, 0.3, 0.1} << 0 << 0 << 0.0;
    // One blank pair in a consistent matrix is completed to the consistent value.
    QTest::newRow("consistent 3x3 with (1, 3) blank")
        << 3 << QStringList{"2:1", "", "3:1"} << QList<double>{0.6, 0.3, 0.1} << 1 << 3 << 6.0;
}

void TestCompletion::publishedCases()
{
    QFETCH(int, order);
    QFETCH(QStringList, upper);
    QFETCH(QList<double>, weights);
    QFETCH(int, blankRow);
    QFETCH(int, blankCol);
    QFETCH(double, completed);
    const TCompletion completion = CompletionOf(Upper(order, upper));
    QVERIFY(completion.Connected());
    for (int i = 0; i < order; ++i)
        QVERIFY2(std::fabs(completion.Weights()[size_t(i)] - weights[i]) < 5e-5, qPrintable(QString::number(i)));
    if (blankRow > 0) {
        QVERIFY(completion.IsBlank(blankRow - 1, blankCol - 1) && completion.IsBlank(blankCol - 1, blankRow - 1));
        QVERIFY(std::fabs(completion.Value(blankRow - 1, blankCol - 1) - completed) < 5e-5);
        QCOMPARE(completion.NextPair(), std::make_optional(std::make_pair(blankRow - 1, blankCol - 1)));
    } else {
        QVERIFY(!completion.NextPair());
    }
}

// Random connected comparison graphs up to order 12 with random judgements: the
// weights against an iterated least-squares solve, the next pair against every
// blank pair's effective resistance.
void TestCompletion::randomGraphsAgainstIteration()
{
    QRandomGenerator dice(2010);
    static const QStringList scale = {"1", "2:1", "3:1", "5:1", "7:1", "9:1", "1:2", "1:4", "1:8"};
    for (int round = 0; round < 60; ++round) {
        const int n = 2 + dice.bounded(11);
        TMatrix m(n, ckRelative);
        std::vector<std::array<double, 3>> edges;
        for (int r = 0; r < n; ++r)
            for (int c = r + 1; c < n; ++c) {
                // A chain keeps the graph connected; other pairs are judged at random.
                if (c != r + 1 && dice.bounded(3) == 0) {
                    m.Ratios[size_t(c)][size_t(r)] = m.Ratios[size_t(r)][size_t(c)] = QString();
                    continue;
                }
                const QString text = scale[dice.bounded(scale.size())];
                m.Ratios[size_t(c)][size_t(r)] = text;
                m.Ratios[size_t(r)][size_t(c)] = ReciprocalText(text);
                edges.push_back({double(r), double(c), std::log(RatioToFloat(text))});
            }
        const TCompletion completion = CompletionOf(m);
        QVERIFY(completion.Connected());
        const std::vector<double> y = Iterate(n, edges, 0, std::vector<double>(size_t(n), 0.0), true);
        double sum = 0.0;
        for (double v : y)
            sum += std::exp(v);
        for (int i = 0; i < n; ++i)
            QVERIFY2(std::fabs(completion.Weights()[size_t(i)] - std::exp(y[size_t(i)]) / sum) < 1e-9,
                     qPrintable(QStringLiteral("round %1, item %2").arg(round).arg(i)));
        std::optional<std::pair<int, int>> expected;
        double best = -1.0;
        for (const auto &[r, c] : completion.Blank()) {
            std::vector<double> current(size_t(n), 0.0);
            current[size_t(r)] = 1.0;   // a unit current in at r, out at the grounded c
            const double resistance = Iterate(n, edges, c, current, false)[size_t(r)];
            QVERIFY(std::fabs(resistance - completion.Resistance(r, c)) < 1e-9);
            if (resistance > best + 1e-9) {
                best = resistance;
                expected = std::make_pair(r, c);
            }
        }
        QCOMPARE(completion.NextPair(), expected);
    }
}

void TestCompletion::disconnectedGraph_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("upper");   // row-major above the diagonal, "" blank
    QTest::addColumn<QStringList>("loose");
    QTest::addColumn<int>("nextRow");         // from 0
    QTest::addColumn<int>("nextCol");
    QTest::newRow("items 3 and 4 compared with each other only")
        << 4 << QStringList{"2:1", "", "", "", "", "3:1"} << QStringList{"3", "4"} << 0 << 2;
    QTest::newRow("a blank pair inside a part comes first, the next joins")
        << 4 << QStringList{"", "2:1", "", "3:1", "", ""} << QStringList{"4"} << 0 << 3;
    QTest::newRow("loose items of two parts, in item order")
        << 6 << QStringList{"", "", "2:1", "", "", "", "", "", "", "", "3:1", "", "", "", "2:1"}
        << QStringList{"1", "2", "4"} << 0 << 1;
}

// While the judged pairs fall apart the weights are not determined: the items
// outside the largest part, in item order, and the first pair that joins two parts.
void TestCompletion::disconnectedGraph()
{
    QFETCH(int, order);
    QFETCH(QStringList, upper);
    QFETCH(QStringList, loose);
    QFETCH(int, nextRow);
    QFETCH(int, nextCol);
    TMatrix m = Upper(order, upper);
    const TCompletion completion = CompletionOf(m);
    QVERIFY(!completion.Connected());
    QCOMPARE(completion.LooseItems(), loose);
    QCOMPARE(completion.NextPair(), std::make_optional(std::make_pair(nextRow, nextCol)));
    QCOMPARE(ErrorOf([&] { m.Compute(true); }), DisconnectedMessage(loose));
}

// The completed matrix goes through the ordinary methods; the deviation search
// skips the blank cells.
void TestCompletion::computeUsesTheCompletion()
{
    for (const bool exact : {true, false}) {
        // A consistent matrix completes to its consistent value: the same results as judged.
        TMatrix blank = Upper(3, {"2:1", "", "3:1"});
        TMatrix judged = Upper(3, {"2:1", "6:1", "3:1"});
        blank.Compute(exact);
        judged.Compute(exact);
        for (int i = 0; i < 3; ++i)
            QVERIFY(std::fabs(blank.Vector[size_t(i)] - judged.Vector[size_t(i)]) < 1e-12);
        QVERIFY(std::fabs(blank.Lambda - judged.Lambda) < 1e-12);
        QVERIFY(blank.IsCompleted(2, 0) && blank.IsCompleted(0, 2) && !blank.IsCompleted(1, 0));
        // The deviation search never lands on a pair the user did not judge.
        TMatrix published = Upper(4, {"1", "5:1", "2:1", "3:1", "4:1", ""});
        published.Compute(exact);
        QVERIFY(published.MaxDRow > 0);
        QVERIFY(!published.IsCompleted(published.MaxDCol - 1, published.MaxDRow - 1));
    }
}

void TestCompletion::storedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("above 1") << 2.8924 << "2892:1000";
    QTest::newRow("below 1") << 0.7303 << "1000:1369";
    QTest::newRow("one") << 1.0 << "1000:1000";
    QTest::newRow("beyond 32 bits") << 1e12 << "2147483647:1000";
}

void TestCompletion::storedText()
{
    QFETCH(double, value);
    QTEST(CompletedRatioText(value), "text");
    ParseRatio(CompletedRatioText(value));   // every reader takes it
}

KALVO_TEST_GUILESS_MAIN(TestCompletion)
#include "tst_completion.moc"
