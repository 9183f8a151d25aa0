#include "TestMain.h"
#include "ModelFixtures.h"
#include "TestSupport.h"
#include "matrix/Matrix.h"
#include "matrix/Conversions.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

// A relative matrix from its cells above the diagonal (see SetUpperRatios).
TMatrix Relative(int n, const QStringList &upper)
{
    TMatrix m(n, ckRelative);
    SetUpperRatios(m, upper);
    return m;
}

TMatrix Absolute(TCriterionKind kind, const QStringList &values)
{
    TMatrix m(values.size(), kind);
    for (int i = 0; i < values.size(); ++i)
        m.AbsoluteValues[i] = values.at(i);
    return m;
}

QString Four(double value)
{
    return QString::number(value, 'f', 4);
}

// The principal eigenvector by power iteration to convergence, normalised to sum 1.
std::vector<double> PrincipalEigenvector(const TMatrix &m)
{
    const int n = m.Order;
    std::vector<double> v(n, 1.0 / n);
    for (int iteration = 0; iteration < 10000; ++iteration) {
        std::vector<double> next(n, 0.0);
        double sum = 0.0;
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c)
                next[r] += RatioToFloat(m.Ratios[c][r]) * v[c];
            sum += next[r];
        }
        double change = 0.0;
        for (int r = 0; r < n; ++r) {
            next[r] /= sum;
            change = std::max(change, std::fabs(next[r] - v[r]));
        }
        v = next;
        if (change < 1e-14)
            break;
    }
    return v;
}


} // namespace

class TestMatrix : public QObject
{
    Q_OBJECT

private slots:
    void setOrderGrowsAndShrinksAtTheEnd();
    void setOrderRoundTripKeepsTexts();
    void absoluteKinds_data();
    void absoluteKinds();
    void workedExamples_data();
    void workedExamples();
    void poweredMatrixEntries();
    void orderOneAndTwo_data();
    void orderOneAndTwo();
    void orderAboveTenWarnsAndLeavesCrZero_data();
    void orderAboveTenWarnsAndLeavesCrZero();
    void randomIndexByOrder_data();
    void randomIndexByOrder();
    void failures_data();
    void failures();
    void failureKeepsLaterFields();
    void unknownKindComputesNothing();
    void orderZeroDoesNothing();
    void consistentMatricesGiveTheirWeights();
    void exactMatchesPrincipalEigenvector();
    void removeItemDropsItsRowAndColumn();
    void switchingKindsKeepsBothSets();
    void boundaries();
};


void TestMatrix::setOrderGrowsAndShrinksAtTheEnd()
{
    TMatrix m = Relative(2, {QStringLiteral("3:1")});
    m.AbsoluteValues = {QStringLiteral("5"), QStringLiteral("")};
    m.Lambda = 7.0;
    m.MaxDRow = 2;
    m.SetOrder(3);
    QCOMPARE(m.Ratios[1][0], QStringLiteral("3:1"));
    QCOMPARE(m.Ratios[0][1], QStringLiteral("1:3"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m.Ratios[2][i], QStringLiteral("1"));
        QCOMPARE(m.Ratios[i][2], QStringLiteral("1"));
    }
    QCOMPARE(m.AbsoluteValues, (std::vector<QString>{"5", "1", "1"}));
    QCOMPARE(m.Lambda, 7.0);   // measures are not touched
    QCOMPARE(m.MaxDRow, 2);

    m.Vector = {0.5, 0.3, 0.2};
    m.SetOrder(2);
    QCOMPARE(m.Order, 2);
    QCOMPARE(m.Ratios.size(), size_t(2));
    QCOMPARE(m.Ratios[0].size(), size_t(2));
    QCOMPARE(m.Vector, (std::vector<double>{0.5, 0.3}));
    QCOMPARE(m.AbsoluteValues.size(), size_t(2));
}

void TestMatrix::setOrderRoundTripKeepsTexts()
{
    TMatrix m = Relative(4, {"3:1", "1:5", "7:1", "2:1", "1:9", "4:1"});
    const auto ratios = m.Ratios;
    m.SetOrder(9);
    m.SetOrder(4);
    QCOMPARE(m.Ratios, ratios);
}

void TestMatrix::absoluteKinds_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("vector");
    QTest::newRow("more is better") << "," << int(ckMoreIsBetter) << QStringList{"2", "3", "5"}
                                    << QStringList{"0.200000", "0.300000", "0.500000"};
    QTest::newRow("less is better") << "," << int(ckLessIsBetter) << QStringList{"1", "2", "4"}
                                    << QStringList{"0.571429", "0.285714", "0.142857"};
    QTest::newRow("decimal comma") << "," << int(ckMoreIsBetter) << QStringList{"1,5", "0,5"}
                                   << QStringList{"0.750000", "0.250000"};
    QTest::newRow("decimal point") << "." << int(ckMoreIsBetter) << QStringList{"1.5", "0.5"}
                                   << QStringList{"0.750000", "0.250000"};
}

void TestMatrix::absoluteKinds()
{
    QFETCH(QString, separator);
    QFETCH(int, kind);
    QFETCH(QStringList, values);
    QFETCH(QStringList, vector);
    TLocaleScope locale(separator);
    TMatrix m = Absolute(TCriterionKind(kind), values);
    m.Lambda = 9.0;
    m.MaxDCol = 3;
    m.Compute(true);
    QStringList got;
    for (double w : m.Vector)
        got << QString::number(w, 'f', 6);
    QCOMPARE(got, vector);
    QCOMPARE(m.Lambda, 9.0);    // the absolute kinds leave the measures alone
    QCOMPARE(m.MaxDCol, 3);
}

void TestMatrix::workedExamples_data()
{
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QStringList>("upper");
    QTest::addColumn<QStringList>("vector");
    QTest::addColumn<QString>("lambda");
    QTest::addColumn<QString>("ci");
    QTest::addColumn<QString>("cr");
    QTest::addColumn<QString>("maxd");
    QTest::addColumn<int>("maxdRow");
    QTest::addColumn<int>("maxdCol");
    const QStringList inconsistent{"3:1", "5:1", "1:2"};
    QTest::newRow("approximate, inconsistent") << false << inconsistent
        << QStringList{"0.6405", "0.1537", "0.2059"} << "3.1671" << "0.0835" << "0.1440" << "3.1110" << 3 << 1;
    QTest::newRow("exact, inconsistent") << true << inconsistent
        << QStringList{"0.6571", "0.1466", "0.1963"} << "3.1632" << "0.0816" << "0.1407" << "3.3471" << 3 << 1;
}

void TestMatrix::workedExamples()
{
    QFETCH(bool, exact);
    QFETCH(QStringList, upper);
    QFETCH(QStringList, vector);
    const bool exactMethod = exact;
    TMatrix m = Relative(3, upper);
    m.Compute(exactMethod);
    QStringList got;
    for (double w : m.Vector)
        got << Four(w);
    QCOMPARE(got, vector);
    QTEST(Four(m.Lambda), "lambda");
    QTEST(Four(m.CI), "ci");
    QTEST(Four(m.CR), "cr");
    QTEST(Four(m.MaxD), "maxd");
    QTEST(int(m.MaxDRow), "maxdRow");
    QTEST(int(m.MaxDCol), "maxdCol");
}

void TestMatrix::poweredMatrixEntries()
{
    TMatrix m = Relative(3, {"3:1", "5:1", "1:2"});
    m.ComputeExact();
    QCOMPARE(m.PoweredMatrix.size(), size_t(4));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(Four(m.PoweredMatrix[i][i]), QStringLiteral("3341.4400"));
    QCOMPARE(Four(m.PoweredMatrix[1][0]), QStringLiteral("14974.0044"));
    QCOMPARE(Four(m.PoweredMatrix[2][0]), QStringLiteral("11184.3128"));

    // The approximate method leaves the last power in place.
    const auto powered = m.PoweredMatrix;
    m.Ratios[1][0] = QStringLiteral("9:1");
    m.ComputeApproximate();
    QCOMPARE(m.PoweredMatrix, powered);
}

void TestMatrix::orderOneAndTwo_data()
{
    QTest::addColumn<bool>("exact");
    QTest::newRow("approximate") << false;
    QTest::newRow("exact") << true;
}

void TestMatrix::orderOneAndTwo()
{
    QFETCH(bool, exact);
    const bool exactMethod = exact;

    TMatrix one(1, ckRelative);
    one.CI = 0.5;
    one.CR = 0.25;
    one.MaxDRow = 4;
    one.Compute(exactMethod);
    QCOMPARE(one.Vector, std::vector<double>{1.0});
    QCOMPARE(one.Lambda, 1.0);
    QCOMPARE(one.CI, 0.5);       // order 1 keeps CI and CR
    QCOMPARE(one.CR, 0.25);
    QCOMPARE(one.MaxD, 0.0);
    QCOMPARE(one.MaxDRow, 4);    // no cell deviates, so the old cell stays

    TMatrix two = Relative(2, {"4:1"});
    two.Compute(exactMethod);
    QVERIFY(std::fabs(two.Vector[0] - 0.8) < 1e-12);
    QVERIFY(std::fabs(two.Vector[1] - 0.2) < 1e-12);
    QVERIFY(std::fabs(two.Lambda - 2.0) < 1e-12);
    QVERIFY(std::fabs(two.CI) < 1e-12);
    QVERIFY(std::fabs(two.CR) < 1e-12);
}

void TestMatrix::orderAboveTenWarnsAndLeavesCrZero_data()
{
    orderOneAndTwo_data();
}

void TestMatrix::orderAboveTenWarnsAndLeavesCrZero()
{
    QFETCH(bool, exact);
    const bool exactMethod = exact;
    TMessageRecorder recorder;
    QStringList upper;
    for (int r = 0; r < 11; ++r)
        for (int c = r + 1; c < 11; ++c)
            upper << ((r + c) % 3 == 0 ? QStringLiteral("3:1") : QStringLiteral("1:2"));
    TMatrix m = Relative(11, upper);
    m.CR = 5.0;
    m.Compute(exactMethod);
    QCOMPARE(recorder.Messages, QStringList{NoRandomIndexMessage()});
    QCOMPARE(m.CR, 0.0);
    QVERIFY(m.CI > 0.0);
    QVERIFY(m.Lambda > 11.0);

    TMatrix ten = Relative(10, upper.mid(0, 45));
    ten.Compute(exactMethod);
    QCOMPARE(recorder.Messages.size(), 1);
}

void TestMatrix::randomIndexByOrder_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("index");
    const double published[] = {0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.51};
    for (int n = 3; n <= 10; ++n)
        QTest::newRow(QByteArray::number(n)) << n << published[n - 3];
}

void TestMatrix::randomIndexByOrder()
{
    QFETCH(int, order);
    QFETCH(double, index);
    for (bool exact : {true, false}) {
        const bool exactMethod = exact;
        QStringList upper;
        for (int r = 0; r < order; ++r)
            for (int c = r + 1; c < order; ++c)
                upper << (r == 0 && c == 1 ? QStringLiteral("3:1") : r == 1 && c == 2 ? QStringLiteral("1:2")
                                                                                      : QStringLiteral("1"));
        TMatrix m = Relative(order, upper);
        m.Compute(exactMethod);
        QVERIFY(m.CI > 0.0);
        QCOMPARE(m.CR, m.CI / index);
    }
}

void TestMatrix::failures_data()
{
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("texts");   // ratio texts above the diagonal, or absolute values
    QTest::addColumn<QString>("message");

    for (bool exact : {false, true}) {
        const QByteArray method = exact ? "exact: " : "approximate: ";
        QTest::newRow(method + "zero denominator") << exact << int(ckRelative) << QStringList{"3:", "1"}
                                                   << "Floating point division by zero\ncelica (1, 2)";
        QTest::newRow(method + "zero over zero") << exact << int(ckRelative) << QStringList{"0:0", "1"}
                                                 << "Invalid floating point operation\ncelica (1, 2)";
        QTest::newRow(method + "letter") << exact << int(ckRelative) << QStringList{"x", "1"}
                                         << "'x' is not a valid integer value\ncelica (1, 2)";
    }
    // The squaring reads decimal texts, the lambda step does not.
    QTest::newRow("exact: decimal text fails at lambda") << true << int(ckRelative)
                                                         << QStringList{"2,5", "1"} << "',' is not a valid integer value\ncelica (1, 2)";
    QTest::newRow("exact: overflow") << true << int(ckRelative)
                                     << QStringList{"1,0e200", "1"} << "Floating point overflow";
    QTest::newRow("approximate: zero numerator fails at the deviation search")
        << false << int(ckRelative) << QStringList{"0:1", "1"} << "Floating point division by zero";
    QTest::newRow("less is better: zero") << false << int(ckLessIsBetter) << QStringList{"1", "0"}
                                          << "Floating point division by zero\nvrednost 2";
    QTest::newRow("more is better: all zero") << false << int(ckMoreIsBetter) << QStringList{"0", "0"}
                                              << "Invalid floating point operation";
    QTest::newRow("more is better: negative value") << false << int(ckMoreIsBetter) << QStringList{"2", "-2"}
                                                    << "Negativna vrednost »-2« ni dovoljena.\nvrednost 2";
    QTest::newRow("less is better: negative value") << false << int(ckLessIsBetter) << QStringList{"-0,5", "2"}
                                                    << "Negativna vrednost »-0,5« ni dovoljena.\nvrednost 1";
    QTest::newRow("absolute: not a number") << false << int(ckMoreIsBetter) << QStringList{"1", "abc"}
                                            << "'abc' is not a valid floating point value\nvrednost 2";
    QTest::newRow("absolute: foreign separator") << false << int(ckLessIsBetter) << QStringList{"2.5", "1"}
                                                 << "'2.5' is not a valid floating point value\nvrednost 1";
}

void TestMatrix::failures()
{
    QFETCH(bool, exact);
    QFETCH(int, kind);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    TLocaleScope locale(QStringLiteral(","));
    const bool exactMethod = exact;
    TMatrix m = kind == ckRelative ? TMatrix(3, ckRelative) : Absolute(TCriterionKind(kind), texts);
    if (kind == ckRelative) {
        m.Ratios[1][0] = texts.at(0);
        m.Ratios[2][1] = texts.at(1);
    }
    QCOMPARE(ErrorOf([&] { m.Compute(exactMethod); }), message);
}

void TestMatrix::failureKeepsLaterFields()
{
    // A zero numerator passes the vector and lambda steps and fails in the deviation
    // search: CI and CR are new, MaxD has been reset, the cell is still the old one.
    TMatrix m(2, ckRelative);
    m.Ratios[1][0] = QStringLiteral("0:1");
    m.Ratios[0][1] = QStringLiteral("1:1");
    m.MaxDRow = 7;
    m.MaxDCol = 8;
    m.MaxD = 5.0;
    m.CI = 9.0;
    const bool exactMethod = false;
    QCOMPARE(ErrorOf([&] { m.Compute(exactMethod); }), QStringLiteral("Floating point division by zero"));
    QVERIFY(m.CI != 9.0);
    QCOMPARE(m.MaxD, 0.0);
    QCOMPARE(m.MaxDRow, 7);
    QCOMPARE(m.MaxDCol, 8);

    // An unreadable absolute value keeps the values converted before it, not normalised.
    TLocaleScope locale(QStringLiteral(","));
    TMatrix a = Absolute(ckMoreIsBetter, {"4", "x", "2"});
    a.Vector = {0.1, 0.2, 0.3};
    QVERIFY(!ErrorOf([&] { a.Compute(exactMethod); }).isEmpty());
    QCOMPARE(a.Vector, (std::vector<double>{4.0, 0.2, 0.3}));
}

void TestMatrix::unknownKindComputesNothing()
{
    TMatrix m(2, TCriterionKind(7));
    m.Vector = {0.4, 0.6};
    m.Lambda = 3.0;
    m.Compute(true);
    QCOMPARE(m.Vector, (std::vector<double>{0.4, 0.6}));
    QCOMPARE(m.Lambda, 3.0);
}

void TestMatrix::orderZeroDoesNothing()
{
    for (TCriterionKind kind : {ckRelative, ckLessIsBetter, ckMoreIsBetter})
        for (bool exact : {false, true}) {
            const bool exactMethod = exact;
            TMatrix m(0, kind);
            m.Lambda = 2.0;
            m.Compute(exactMethod);
            QVERIFY(m.Vector.empty());
            QCOMPARE(m.Lambda, 2.0);
        }
}

void TestMatrix::consistentMatricesGiveTheirWeights()
{
    QRandomGenerator random(20261207);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 2 + int(random.bounded(9));
        std::vector<int> weights(n);
        double total = 0;
        for (int &w : weights) {
            w = 1 + int(random.bounded(9));
            total += w;
        }
        TMatrix m(n, ckRelative);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                if (r != c)
                    m.Ratios[c][r] = QStringLiteral("%1:%2").arg(weights[r]).arg(weights[c]);
        for (bool exact : {false, true}) {
            const bool exactMethod = exact;
            m.Compute(exactMethod);
            for (int i = 0; i < n; ++i)
                QVERIFY2(std::fabs(m.Vector[i] - weights[i] / total) < 1e-9,
                         qPrintable(QStringLiteral("trial %1 item %2").arg(trial).arg(i)));
            QVERIFY(std::fabs(m.Lambda - n) < 1e-9);
            QVERIFY(std::fabs(m.CR) < 1e-9);
        }
    }
}

void TestMatrix::exactMatchesPrincipalEigenvector()
{
    // Judgements as people give them: the scale value nearest to the true ratio,
    // often one step off. (Three squarings do not settle arbitrary random tables.)
    QRandomGenerator random(7);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + int(random.bounded(9));
        std::vector<double> weights(n);
        for (double &w : weights)
            w = 1.0 + random.bounded(8.0);
        QStringList upper;
        for (int r = 0; r < n; ++r)
            for (int c = r + 1; c < n; ++c) {
                const double ratio = weights[r] / weights[c];
                const bool rowWins = ratio >= 1.0;
                int term = int(std::lround(rowWins ? ratio : 1.0 / ratio));
                term = qBound(1, term + int(random.bounded(3)) - 1, 9);
                upper << (rowWins ? QStringLiteral("%1:1") : QStringLiteral("1:%1")).arg(term);
            }
        TMatrix m = Relative(n, upper);
        const bool exactMethod = true;
        m.Compute(exactMethod);
        const std::vector<double> expected = PrincipalEigenvector(m);
        for (int i = 0; i < n; ++i)
            QVERIFY2(std::fabs(m.Vector[i] - expected[i]) < 1e-3,
                     qPrintable(QStringLiteral("trial %1: %2 against %3").arg(trial).arg(m.Vector[i]).arg(expected[i])));
    }
}

void TestMatrix::removeItemDropsItsRowAndColumn()
{
    TMatrix m = Relative(3, {"3:1", "5:1", "1:2"});
    m.AbsoluteValues = {"10", "20", "30"};
    m.ComputeExact();
    m.RemoveItem(1);
    QCOMPARE(m.Order, 2);
    QCOMPARE(m.Ratios[1][0], QStringLiteral("5:1"));
    QCOMPARE(m.Ratios[0][1], QStringLiteral("1:5"));
    QCOMPARE(m.Ratios[0][0], QStringLiteral("1"));
    QCOMPARE(m.AbsoluteValues, (std::vector<QString>{"10", "30"}));
    QCOMPARE(m.Vector.size(), size_t(2));
    m.RemoveItem(5);   // beyond the order: nothing to drop
    QCOMPARE(m.Order, 2);
}

void TestMatrix::switchingKindsKeepsBothSets()
{
    TMatrix m = Relative(3, {"3:1", "5:1", "1:2"});
    m.Kind = ckMoreIsBetter;
    m.AbsoluteValues = {"4", "5", "6"};
    m.SetOrder(4);
    m.SetOrder(3);
    m.Kind = ckRelative;
    m.Compute(true);   // completes the texts itself, even before the next fitting
    QCOMPARE(m.Ratios[1][0], QStringLiteral("3:1"));
    QCOMPARE(m.AbsoluteValues, (std::vector<QString>{"4", "5", "6"}));

    // A matrix made absolute holds no ratio texts, but reads as "1" everywhere and
    // gets all of them when it becomes relative.
    TMatrix a(2, ckLessIsBetter);
    QCOMPARE(a.RatioText(1, 0), QStringLiteral("1"));
    a.SetOrder(3);
    a.Kind = ckRelative;
    a.SetOrder(3);
    QCOMPARE(a.Ratios, std::vector<std::vector<QString>>(3, std::vector<QString>(3, QStringLiteral("1"))));
    a.Kind = ckLessIsBetter;
    a.RemoveItem(0);
    QCOMPARE(a.Ratios.size(), size_t(2));
}

// The edges of the limits: each is one step from the other side.
void TestMatrix::boundaries()
{
    TMatrix largest(MaxRelativeOrder, ckRelative);
    QCOMPARE(largest.Order, 200);
    QCOMPARE(ErrorOf([&] { largest.SetOrder(MaxRelativeOrder + 1); }), TooLargeMessage(201));
    QCOMPARE(largest.Order, 200);
    const QString sixty(60, QLatin1Char('x'));
    QCOMPARE(EKalvoError::Quote(sixty), sixty);   // exactly 60: whole
    QCOMPARE(EKalvoError::Quote(sixty + QLatin1Char('y')), sixty + QChar(0x2026));
}

KALVO_TEST_GUILESS_MAIN(TestMatrix)
#include "tst_matrix.moc"
