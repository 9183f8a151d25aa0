#include "TestMain.h"
#include "analysis/ConsistencyAdvice.h"
#include "model/ModelDocument.h"
#include "ModelFixtures.h"
#include "TestSupport.h"

#include <QRandomGenerator>

#include <cmath>
#include "matrix/Conversions.h"

namespace {

const QStringList ScaleTexts{"1", "2:1", "1:2", "3:1", "1:3", "4:1", "1:4", "5:1", "1:5",
                             "6:1", "1:6", "7:1", "1:7", "8:1", "1:8", "9:1", "1:9"};

TMatrix Relative(int n, const QStringList &upper)
{
    TMatrix m(n, ckRelative);
    SetUpperRatios(m, upper);
    return m;
}

double CROf(const TMatrix &matrix, const std::vector<TJudgementChange> &changes, bool exact)
{
    TMatrix m = matrix;
    ApplyAdvice(m, changes);
    m.Compute(exact);
    return m.CR;
}

} // namespace

class TestConsistencyAdvice : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithBruteForce();
    void examples_data();
    void examples();
    void refusals();
    void screeningAgreesWithCompute();
    void greedyAndUnreachable();
    void modelApplyAndUndo();
};

void TestConsistencyAdvice::agreesWithBruteForce()
{
    QRandomGenerator random(11);
    int checked = 0;
    for (int trial = 0; trial < 40 && checked < 10; ++trial) {
        const int n = 3 + int(random.bounded(4));
        const bool exact = trial % 2 == 0;
        QStringList upper;
        for (int i = 0; i < n * (n - 1) / 2; ++i)
            upper << ScaleTexts.at(int(random.bounded(ScaleTexts.size())));
        const TMatrix m = Relative(n, upper);
        TMatrix computed = m;
        computed.Compute(exact);
        if (computed.CR <= AcceptableCR)
            continue;
        ++checked;
        const TConsistencyAdvice advice = AdviseConsistency(m, exact);
        QCOMPARE(advice.CR, computed.CR);
        // Brute force: every single change, then every pair, by Compute itself; among
        // the fewest, the smallest move of the judgements, then the lowest CR.
        double best = 1e300, bestMove = 1e300;
        size_t fewest = 0;
        auto move = [&](int r, int c, const QString &to) {
            return std::fabs(std::log(RatioToFloat(to)) - std::log(RatioToFloat(m.Ratios[size_t(c)][size_t(r)])));
        };
        auto consider = [&](double cr, double distance) {
            if (cr > AcceptableCR)
                return;
            if (distance < bestMove - 1e-12 || (std::fabs(distance - bestMove) <= 1e-12 && cr < best)) {
                bestMove = distance;
                best = cr;
            }
        };
        for (size_t size : {size_t(1), size_t(2)}) {
            for (int r1 = 0; r1 < n; ++r1)
                for (int c1 = r1 + 1; c1 < n; ++c1)
                    for (const QString &t1 : ScaleTexts) {
                        if (m.Ratios[size_t(c1)][size_t(r1)] == t1)
                            continue;
                        const TJudgementChange first{r1 + 1, c1 + 1, m.Ratios[size_t(c1)][size_t(r1)], t1};
                        if (size == 1) {
                            consider(CROf(m, {first}, exact), move(r1, c1, t1));
                            continue;
                        }
                        for (int r2 = r1; r2 < n; ++r2)
                            for (int c2 = r2 + 1; c2 < n; ++c2) {
                                if (r2 == r1 && c2 <= c1)
                                    continue;
                                for (const QString &t2 : ScaleTexts) {
                                    if (m.Ratios[size_t(c2)][size_t(r2)] == t2)
                                        continue;
                                    consider(CROf(m, {first, {r2 + 1, c2 + 1, QString(), t2}}, exact),
                                             move(r1, c1, t1) + move(r2, c2, t2));
                                }
                            }
                    }
            if (best < 1e300) {
                fewest = size;
                break;
            }
        }
        if (fewest == 0) {
            QVERIFY(advice.Changes.size() > 2 || !advice.Reached);
            QVERIFY(!advice.Fewest);
            continue;
        }
        QCOMPARE(advice.Changes.size(), fewest);
        QVERIFY(advice.Fewest && advice.Reached);
        double adviceMove = 0.0;
        for (const TJudgementChange &c : advice.Changes)
            adviceMove += move(c.Row - 1, c.Col - 1, c.To);
        QVERIFY2(std::fabs(adviceMove - bestMove) < 1e-9, qPrintable(QStringLiteral("%1 %2").arg(adviceMove).arg(bestMove)));
        QVERIFY2(std::fabs(advice.CRAfter - best) < 1e-12, qPrintable(QStringLiteral("%1 %2").arg(advice.CRAfter).arg(best)));
        QCOMPARE(CROf(m, advice.Changes, exact), advice.CRAfter);   // what the status line will show
    }
    QVERIFY(checked >= 5);
}

void TestConsistencyAdvice::examples_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("upper");
    QTest::addColumn<int>("changes");
    // A car's three criteria judged against each other (CR 0,1407 in the status line).
    QTest::newRow("order 3, CR 0,14") << 3 << QStringList{"3:1", "5:1", "1:2"} << 1;
    QTest::newRow("order 4, a reversed judgement") << 4 << QStringList{"3:1", "5:1", "1:5", "2:1", "3:1", "2:1"} << 1;
    QTest::newRow("consistent: no advice") << 3 << QStringList{"2:1", "6:1", "3:1"} << 0;
    QTest::newRow("order 2: no advice") << 2 << QStringList{"9:1"} << 0;
}

void TestConsistencyAdvice::examples()
{
    QFETCH(int, order);
    QFETCH(QStringList, upper);
    QFETCH(int, changes);
    for (bool exact : {true, false}) {
        const TMatrix m = Relative(order, upper);
        const TConsistencyAdvice advice = AdviseConsistency(m, exact);
        QCOMPARE(int(advice.Changes.size()), changes);
        QVERIFY(advice.CRAfter <= AcceptableCR);
        TMatrix applied = m;
        ApplyAdvice(applied, advice.Changes);
        applied.Compute(exact);
        QCOMPARE(applied.CR, advice.CRAfter);
        for (const TJudgementChange &c : advice.Changes)   // both cells, as the ratio dialog writes them
            QCOMPARE(applied.Ratios[size_t(c.Row - 1)][size_t(c.Col - 1)], ReciprocalText(c.To));
    }
}

void TestConsistencyAdvice::refusals()
{
    TMatrix eleven(11, ckRelative);
    QCOMPARE(ErrorOf([&] { AdviseConsistency(eleven, true); }),
             QStringLiteral("Za matriko reda 11 ni slučajnega indeksa: njene doslednosti ni mogoče presoditi."));
    // Mirrored cells that disagree (as a file may bring them) give a CR below 0: refused, by cells.
    TMatrix clash = Relative(3, {"1:9", "1:9", "1:9"});
    clash.Ratios[0][1] = QStringLiteral("1:9");
    QCOMPARE(ErrorOf([&] { AdviseConsistency(clash, true); }),
             QStringLiteral("V matriki si celici (1, 2) in (2, 1) (1:9 in 1:9) nista obratni, zato predlogov ni "
                            "mogoče dati. Popravite eno od njiju."));
    TMatrix values(3, ckMoreIsBetter);
    QVERIFY(ErrorOf([&] { AdviseConsistency(values, true); }).startsWith(QStringLiteral("Predlogi za doslednost")));
    // A pair never judged has nothing to mend; a group's matrix is the aggregate of others' judgements.
    TMatrix blank = Relative(3, {"3:1", "5:1", "1:2"});
    blank.Ratios[2][0].clear();
    blank.Ratios[0][2].clear();
    QVERIFY(ErrorOf([&] { AdviseConsistency(blank, true); }).contains(QStringLiteral("neprimerjane pare")));
    TMatrix group = Relative(3, {"3:1", "5:1", "1:2"});
    group.Judges = {group.Ratios, group.Ratios};
    QVERIFY(ErrorOf([&] { AdviseConsistency(group, true); }).contains(QStringLiteral("presoja skupina")));
}

// The screen must rank candidates as Compute would: it agrees on random matrices.
void TestConsistencyAdvice::screeningAgreesWithCompute()
{
    QRandomGenerator random(5);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 3 + int(random.bounded(8));
        QStringList upper;
        for (int i = 0; i < n * (n - 1) / 2; ++i)
            upper << ScaleTexts.at(int(random.bounded(ScaleTexts.size())));
        for (bool exact : {true, false}) {
            TMatrix m = Relative(n, upper);
            const double quick = ScreeningCR(m, exact);
            m.Compute(exact);
            QVERIFY2(std::fabs(quick - m.CR) <= 1e-9 * std::max(1.0, std::fabs(m.CR)),
                     qPrintable(QStringLiteral("order %1: %2 against %3").arg(n).arg(quick).arg(m.CR)));
        }
    }
}

void TestConsistencyAdvice::greedyAndUnreachable()
{
    // Thoroughly inconsistent: more than two changes, each cell changed once.
    const TMatrix wild = Relative(6, {"9:1", "1:9", "9:1", "1:9", "9:1", "1:9", "9:1", "1:9", "9:1",
                                       "1:9", "9:1", "1:9", "9:1", "1:9", "9:1"});
    const TConsistencyAdvice advice = AdviseConsistency(wild, true);
    QVERIFY(advice.Changes.size() > 2 && !advice.Fewest);
    for (size_t i = 0; i < advice.Changes.size(); ++i)
        for (size_t j = i + 1; j < advice.Changes.size(); ++j)
            QVERIFY(advice.Changes[i].Row != advice.Changes[j].Row || advice.Changes[i].Col != advice.Changes[j].Col);
    // A diagonal that is not 1 (only a file brings one) cannot be mended by judgements.
    TMatrix diagonal = Relative(3, {"2:1", "6:1", "3:1"});
    diagonal.Ratios[0][0] = QStringLiteral("9:1");
    const TConsistencyAdvice none = AdviseConsistency(diagonal, true);
    QVERIFY(!none.Reached);
    QVERIFY(none.CRAfter > AcceptableCR);
}

void TestConsistencyAdvice::modelApplyAndUndo()
{
    TModelDocument document;
    TModel &model = document.WritableModel();
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Koren");
    AddCriteria(model, root, {"A", "B", "C"});
    model.FitNodeMatrix(root);
    SetUpperRatios(*root->Matrix, {"3:1", "5:1", "1:2"});
    root->Matrix->Ratios[0][1] = QStringLiteral("1/3");   // a mirror in the other spelling
    const auto before = root->Matrix->Ratios;
    const TConsistencyAdvice advice = AdviseConsistency(*root->Matrix, true);
    QVERIFY(!document.CanUndoAdvice(root));
    document.ApplyAdvice(root, advice.Changes);
    QVERIFY(root->Matrix->Ratios != before);
    QVERIFY(document.CanUndoAdvice(root));
    document.Undo();
    QCOMPARE(root->Matrix->Ratios, before);   // both cells of each pair as they were
    QVERIFY(!document.CanUndoAdvice(root));
    document.Redo();
    QVERIFY(document.CanUndoAdvice(root));
}

KALVO_TEST_GUILESS_MAIN(TestConsistencyAdvice)
#include "tst_consistencyadvice.moc"
