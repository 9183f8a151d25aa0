#include "TestMain.h"
#include "model/ModelDocument.h"
#include "model/Model.h"
#include "ModelFixtures.h"
#include "model/NodePath.h"
#include "TestSupport.h"

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void addingCriteria();
    void fitNodeMatrix_data();
    void fitNodeMatrix();
    void removingACriterionKeepsJudgementsWithTheirItems();
    void removingFromALaggingParentLeavesItsMatrix();
    void removingACriterionRemovesItsSubtree();
    void solutions();
    void removingASolutionKeepsJudgementsWithTheirItems();
    void nodePaths();
};


void TestModel::addingCriteria()
{
    TModel model;
    model.AddSolution(QStringLiteral("A"));
    model.AddSolution(QStringLiteral("B"));
    TCriterionNode *root = model.Tree.FirstNode();
    QVERIFY(!model.Tree.AddSelectedChild(QStringLiteral("x"), 2, ckRelative));   // nothing selected
    model.Tree.Select(root);
    TCriterionNode *cena = model.Tree.AddSelectedChild(QStringLiteral("Cena"), model.SolutionCount(), ckLessIsBetter);
    TCriterionNode *lega = model.Tree.AddSelectedChild(QStringLiteral("Lega"), model.SolutionCount(), ckRelative);
    QCOMPARE(root->ChildCount(), 2);
    QCOMPARE(root->Child(1), lega);
    QCOMPARE(cena->Matrix->Kind, ckLessIsBetter);
    QCOMPARE(cena->Matrix->Order, 2);
    QCOMPARE(cena->Matrix->AbsoluteValues, (std::vector<QString>{"1", "1"}));
    QCOMPARE(lega->Parent(), root);
    QCOMPARE(lega->Depth(), 1);
    QVERIFY(!root->Parent());

    // A second root only through AddRoot, which gives a matrix only for order > 0.
    TCriterionNode *second = model.Tree.AddRoot(QStringLiteral("Drugi"), 0, ckMoreIsBetter);
    QVERIFY(!second->Matrix);
    QCOMPARE(model.Tree.TopLevelCount(), 2);
    QCOMPARE(model.Tree.Nodes(), (std::vector<TCriterionNode *>{root, cena, lega, second}));
}

void TestModel::fitNodeMatrix_data()
{
    QTest::addColumn<int>("children");
    QTest::addColumn<int>("solutions");
    QTest::addColumn<bool>("hadMatrix");
    QTest::addColumn<int>("order");
    QTest::newRow("leaf compares the solutions") << 0 << 3 << true << 3;
    QTest::newRow("inner node compares its children") << 2 << 5 << true << 2;
    QTest::newRow("no matrix yet: a new relative one") << 0 << 4 << false << 4;
    QTest::newRow("no solutions") << 0 << 0 << false << 0;
}

void TestModel::fitNodeMatrix()
{
    QFETCH(int, children);
    QFETCH(int, solutions);
    QFETCH(bool, hadMatrix);
    QFETCH(int, order);
    TModel model;
    for (int i = 0; i < solutions; ++i)
        model.AddSolution(QString::number(i));
    TCriterionNode *root = model.Tree.FirstNode();
    if (hadMatrix)
        root->Matrix = std::make_unique<TMatrix>(1, ckMoreIsBetter);
    TMatrix *before = root->Matrix.get();
    model.Tree.Select(root);
    for (int i = 0; i < children; ++i)
        model.Tree.AddSelectedChild(QString::number(i), solutions, ckRelative);
    model.FitNodeMatrix(root);
    QVERIFY(root->Matrix);
    QCOMPARE(root->Matrix->Order, order);
    if (hadMatrix) {
        QCOMPARE(root->Matrix.get(), before);   // the same object, refitted
        QCOMPARE(root->Matrix->Kind, ckMoreIsBetter);
    } else {
        QCOMPARE(root->Matrix->Kind, ckRelative);
    }
}

void TestModel::removingACriterionKeepsJudgementsWithTheirItems()
{
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    AddCriteria(model, root, {"A", "B", "C"});
    model.FitNodeMatrix(root);
    root->Matrix->Ratios[2][0] = QStringLiteral("5:1");   // A against C
    root->Matrix->Ratios[0][2] = QStringLiteral("1:5");
    root->Matrix->Ratios[1][0] = QStringLiteral("3:1");   // A against B
    model.Tree.Select(root->Child(1));
    model.Tree.DeleteSelectedNode();
    QCOMPARE(model.Tree.Selected(), root);
    QCOMPARE(model.ItemNames(root), (QStringList{"A", "C"}));
    QCOMPARE(root->Matrix->Order, 2);
    QCOMPARE(root->Matrix->Ratios[1][0], QStringLiteral("5:1"));
    QCOMPARE(root->Matrix->Ratios[0][1], QStringLiteral("1:5"));
}

void TestModel::removingFromALaggingParentLeavesItsMatrix()
{
    // A leaf comparing three solutions gets a child and loses it again before it
    // was fitted: its judgements of the solutions stay.
    TModel model;
    for (const char *name : {"A", "B", "C"})
        model.AddSolution(QString::fromLatin1(name));
    TCriterionNode *root = model.Tree.FirstNode();
    model.Tree.Select(root);
    TCriterionNode *leaf = model.Tree.AddSelectedChild(QStringLiteral("Leaf"), 3, ckRelative);
    leaf->Matrix->Ratios[1][0] = QStringLiteral("7:1");
    model.Tree.Select(leaf);
    model.Tree.AddSelectedChild(QStringLiteral("Sub"), 3, ckRelative);
    model.Tree.Select(leaf->Child(0));
    model.Tree.DeleteSelectedNode();
    QCOMPARE(leaf->Matrix->Order, 3);
    QCOMPARE(leaf->Matrix->Ratios[1][0], QStringLiteral("7:1"));
}

void TestModel::removingACriterionRemovesItsSubtree()
{
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    model.Tree.Select(root);
    TCriterionNode *a = model.Tree.AddSelectedChild(QStringLiteral("A"), 0, ckRelative);
    model.Tree.Select(a);
    model.Tree.AddSelectedChild(QStringLiteral("A1"), 0, ckRelative);
    model.Tree.AddSelectedChild(QStringLiteral("A2"), 0, ckRelative);
    QCOMPARE(model.Tree.NodeCount(), 4);
    model.Tree.DeleteSelectedNode();
    QCOMPARE(model.Tree.NodeCount(), 1);
    QCOMPARE(model.Tree.Selected(), root);
    model.Tree.DeleteAllNodes();
    QVERIFY(model.Tree.IsEmpty());
    QVERIFY(!model.Tree.Selected());
}

void TestModel::solutions()
{
    TModelDocument document;
    const TModel &model = document.WritableModel();
    for (const char *name : {"A", "B", "C"})
        document.AddSolution(QString::fromLatin1(name));
    QCOMPARE(model.MarkedSolution, 2);   // adding marks the new row
    document.MarkSolution(1);
    document.RemoveSolution(1);
    QCOMPARE(model.ItemNames(model.Tree.FirstNode()), (QStringList{"A", "C"}));
    QCOMPARE(model.MarkedSolution, 0);
    document.MarkSolution(1);
    document.RemoveAllSolutions();
    QCOMPARE(model.SolutionCount(), 0);
    QCOMPARE(model.MarkedSolution, 1);   // "remove all" leaves the mark alone
    QVERIFY(!document.RemoveSolution(0));   // nothing to remove
    document.AddSolution(QString());        // any text, the empty one included
    QCOMPARE(model.SolutionCount(), 1);
}

void TestModel::removingASolutionKeepsJudgementsWithTheirItems()
{
    TModelDocument document;
    TModel &model = document.WritableModel();
    for (const char *name : {"A", "B", "C", "D"})
        model.AddSolution(QString::fromLatin1(name));
    TCriterionNode *root = model.Tree.FirstNode();
    model.Tree.Select(root);
    TCriterionNode *ratios = model.Tree.AddSelectedChild(QStringLiteral("R"), 4, ckRelative);
    TCriterionNode *values = model.Tree.AddSelectedChild(QStringLiteral("V"), 4, ckMoreIsBetter);
    TCriterionNode *lagging = model.Tree.AddSelectedChild(QStringLiteral("L"), 2, ckMoreIsBetter);
    ratios->Matrix->Ratios[2][0] = QStringLiteral("4:1");    // A against C
    ratios->Matrix->Ratios[3][2] = QStringLiteral("1:6");    // C against D
    values->Matrix->AbsoluteValues = {"10", "20", "30", "40"};
    lagging->Matrix->AbsoluteValues = {"1", "2"};
    model.FitNodeMatrix(root);
    root->Matrix->Ratios[1][0] = QStringLiteral("9:1");      // the root compares criteria, not solutions

    document.RemoveSolution(1);   // B goes
    QCOMPARE(ratios->Matrix->Order, 3);
    QCOMPARE(ratios->Matrix->Ratios[1][0], QStringLiteral("4:1"));
    QCOMPARE(ratios->Matrix->Ratios[2][1], QStringLiteral("1:6"));
    QCOMPARE(values->Matrix->AbsoluteValues, (std::vector<QString>{"10", "30", "40"}));
    QCOMPARE(lagging->Matrix->AbsoluteValues, (std::vector<QString>{"1"}));
    QCOMPARE(root->Matrix->Order, 3);
    QCOMPARE(root->Matrix->Ratios[1][0], QStringLiteral("9:1"));

    document.RemoveSolution(2);   // D goes; the lagging leaf never had it
    QCOMPARE(lagging->Matrix->Order, 1);
    QCOMPARE(values->Matrix->AbsoluteValues, (std::vector<QString>{"10", "30"}));
}

void TestModel::nodePaths()
{
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Avto");
    model.Tree.Select(root);
    TCriterionNode *costs = model.Tree.AddSelectedChild(QStringLiteral("Stroški"), 0, ckRelative);
    model.Tree.Select(costs);
    TCriterionNode *price = model.Tree.AddSelectedChild(QStringLiteral("Cena"), 0, ckRelative);
    QCOMPARE(NodePath(price), QStringLiteral("Avto/Stroški/Cena"));
    QCOMPARE(FindNode(model.Tree, QStringLiteral("Avto/Stroški/Cena")), price);
    QCOMPARE(FindNode(model.Tree, QStringLiteral("Avto")), root);
    QVERIFY(!FindNode(model.Tree, QStringLiteral("Cena")));
}

KALVO_TEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
