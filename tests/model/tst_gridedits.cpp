#include "TestMain.h"
#include "model/GridContent.h"
#include "model/GridEdits.h"
#include "model/ModelDocument.h"
#include "ModelFixtures.h"
#include "TestSupport.h"

class TestGridEdits : public QObject
{
    Q_OBJECT

private slots:
    void presets_data();
    void presets();
    void answers_data();
    void answers();
    void ratioAnswerGoesTheRightWayRound();
    void typedValues_data();
    void typedValues();
    void fillRelativeLeaf();
    void fillAbsoluteInnerNode();
    void fillWithoutItemsAndTooltips();
};

void TestGridEdits::presets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("position");
    QTest::newRow("1") << "1" << 9 << 16 << 8;
    QTest::newRow("1:7") << "1:7" << 9 << 16 << 14;
    QTest::newRow("7:1") << "7:1" << 9 << 16 << 2;
    QTest::newRow("9:1") << "9:1" << 9 << 16 << 0;
    QTest::newRow("1:9") << "1:9" << 9 << 16 << 16;
    QTest::newRow("12:1") << "12:1" << 12 << 22 << 0;
    QTest::newRow("1:15") << "1:15" << 15 << 28 << 28;
    QTest::newRow("3:2 by its first term") << "3:2" << 9 << 16 << 6;
    QTest::newRow("slash") << "1/4" << 9 << 16 << 11;
    QTest::newRow("term above 100") << "150:1" << 100 << 198 << 0;
    QTest::newRow("second term above 100") << "1:250" << 100 << 198 << 198;
}

void TestGridEdits::presets()
{
    QFETCH(QString, text);
    const TRatioPreset preset = PresetRatio(text);
    QTEST(preset.Steps, "steps");
    QTEST(preset.TrackMax, "max");
    QTEST(preset.Position, "position");
}

void TestGridEdits::answers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("mirror");
    QTest::newRow("position 5") << 5 << 16 << "4:1" << "1:4";
    QTest::newRow("position 11") << 11 << 16 << "1:4" << "4:1";
    QTest::newRow("middle") << 8 << 16 << "1" << "1";
    QTest::newRow("12 steps, left end") << 0 << 22 << "12:1" << "1:12";
    QTest::newRow("15 steps, right end") << 28 << 28 << "1:15" << "15:1";
    QTest::newRow("3:2 accepted unmoved") << 6 << 16 << "3:1" << "1:3";
}

void TestGridEdits::answers()
{
    QFETCH(int, position);
    QFETCH(int, max);
    const TRatioAnswer answer = RatioAnswer(position, max);
    QTEST(answer.Clicked, "clicked");
    QTEST(answer.Mirror, "mirror");
}

// The dialog's answer for cell (column 2, row 1): the clicked cell states row
// item 1 against column item 2, its mirror the reciprocal.
void TestGridEdits::ratioAnswerGoesTheRightWayRound()
{
    TModelDocument document;
    TModel &model = document.WritableModel();
    AddCriteria(model, model.Tree.FirstNode(), {"A", "B", "C"});
    TCriterionNode *root = model.Tree.FirstNode();
    const TRatioAnswer answer = RatioAnswer(5, 16);   // 4:1 for A against B
    document.SetRatio(root, 2, 1, answer.Clicked, answer.Mirror);
    QCOMPARE(root->Matrix->Ratios[1][0], QStringLiteral("4:1"));   // column 2, row 1
    QCOMPARE(root->Matrix->Ratios[0][1], QStringLiteral("1:4"));
    QCOMPARE(root->Matrix->Ratios[2][0], QStringLiteral("1"));     // nothing else
}

void TestGridEdits::typedValues_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");    // while typing
    QTest::addColumn<int>("closing");   // when the editor closes on the text
    QTest::addColumn<QString>("stored");
    const int stored = int(TTypedValue::Stored), incomplete = int(TTypedValue::Incomplete),
              restoredResult = int(TTypedValue::Restored), typing = int(TTypedValue::Typing);
    QTest::newRow("number") << int(ckMoreIsBetter) << "12,5" << typing << stored << "12,5";
    QTest::newRow("foreign separator is the decimal one") << int(ckMoreIsBetter) << "2.5" << typing << stored << "2,5";
    QTest::newRow("foreign beside own separator") << int(ckMoreIsBetter) << "1.000,5" << restoredResult
                                                  << restoredResult << "7";
    QTest::newRow("unfinished decimal") << int(ckLessIsBetter) << "12," << typing << stored << "12,";
    QTest::newRow("negative") << int(ckLessIsBetter) << "-3" << incomplete << int(TTypedValue::Negative) << "7";
    QTest::newRow("zero") << int(ckMoreIsBetter) << "0" << incomplete << int(TTypedValue::Zero) << "7";
    QTest::newRow("zero with decimals") << int(ckMoreIsBetter) << "0,00" << incomplete << int(TTypedValue::Zero)
                                        << "7";
    QTest::newRow("minus zero") << int(ckMoreIsBetter) << "-0" << incomplete << int(TTypedValue::Zero) << "7";
    QTest::newRow("leading zero of a number") << int(ckMoreIsBetter) << "0,5" << typing << stored << "0,5";
    QTest::newRow("letter") << int(ckMoreIsBetter) << "7a" << restoredResult << restoredResult << "7";
    QTest::newRow("a lone sign") << int(ckMoreIsBetter) << "-" << incomplete << restoredResult << "7";
    QTest::newRow("a lone separator") << int(ckMoreIsBetter) << "," << incomplete << restoredResult << "7";
    QTest::newRow("an open exponent") << int(ckMoreIsBetter) << "1e-" << incomplete << restoredResult << "7";
    QTest::newRow("cleared") << int(ckMoreIsBetter) << "" << int(TTypedValue::Ignored) << int(TTypedValue::Ignored)
                             << "7";
    QTest::newRow("relative criterion") << int(ckRelative) << "5" << int(TTypedValue::Relative)
                                        << int(TTypedValue::Relative) << "7";
}

void TestGridEdits::typedValues()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, result);
    QFETCH(int, closing);
    QFETCH(QString, stored);
    TLocaleScope locale(QStringLiteral(","));
    TCriterionNode node(QStringLiteral("K"));
    node.Matrix = std::make_unique<TMatrix>(2, TCriterionKind(kind));
    node.Matrix->AbsoluteValues = {"5", "7"};
    QCOMPARE(int(TypeAbsoluteValue(&node, 2, text).Kind), result);
    const TTypedEntry entry = TypeAbsoluteValue(&node, 2, text, true);
    QCOMPARE(int(entry.Kind), closing);
    QCOMPARE(node.Matrix->AbsoluteValues[1], QStringLiteral("7"));   // the caller makes the edit
    if (kind == ckRelative || text.isEmpty())
        return;
    QCOMPARE(entry.Text, stored);   // the value to store, or the one that stays
    // A refusal says why; the document refuses the same texts.
    QCOMPARE(entry.Message.isEmpty(), closing == int(TTypedValue::Stored));
    bool refused = false;
    try {
        CheckAbsoluteValue(text);
    } catch (const EKalvoError &e) {
        refused = true;
        if (closing == int(TTypedValue::Zero) || closing == int(TTypedValue::Negative))
            QCOMPARE(e.message(), entry.Message);
    }
    QCOMPARE(refused, closing != int(TTypedValue::Stored) || text != stored);
}

void TestGridEdits::fillRelativeLeaf()
{
    TModel model;
    for (const char *name : {"A", "B", "C"})
        model.AddSolution(QString::fromLatin1(name));
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Lega");
    const TGridContent grid = TGridContent::Fill(model, root);
    QCOMPARE(grid.ColCount, 4);
    QCOMPARE(grid.RowCount, 4);
    QCOMPARE(grid.Cell(0, 0), QStringLiteral("Lega"));
    QCOMPARE(grid.Cell(2, 0), QStringLiteral("B"));
    QCOMPARE(grid.Cell(0, 3), QStringLiteral("C"));
    QCOMPARE(grid.Cell(2, 2), QStringLiteral("1"));
    QVERIFY(!root->Matrix);   // reading the model does not change it
    model.FitNodeMatrix(root);
    root->Matrix->Ratios[1][0] = QStringLiteral("5:1");
    QCOMPARE(TGridContent::Fill(model, root).Cell(2, 1), QStringLiteral("5:1"));
}

void TestGridEdits::fillAbsoluteInnerNode()
{
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    AddCriteria(model, root, {"X", "Y", "Z"});
    root->Matrix = std::make_unique<TMatrix>(3, ckMoreIsBetter);
    root->Matrix->AbsoluteValues = {"2", "3,5", "4"};
    const TGridContent grid = TGridContent::Fill(model, nullptr);
    QCOMPARE(grid.ColCount, 2);
    QCOMPARE(grid.RowCount, 4);
    QCOMPARE(grid.Cell(1, 0), QStringLiteral("Več je boljše"));
    QCOMPARE(grid.Cell(0, 2), QStringLiteral("Y"));
    QCOMPARE(grid.Cell(1, 2), QStringLiteral("3,5"));   // shown as stored
}

void TestGridEdits::fillWithoutItemsAndTooltips()
{
    TModel model;
    TCriterionNode *root = model.Tree.FirstNode();
    root->Name = QStringLiteral("Prazen");
    bool shown = true;
    TGridContent grid = TGridContent::Fill(model, nullptr, &shown);
    QVERIFY(!shown);   // nothing selected: nothing to show
    QCOMPARE(grid.TreeTooltip, QStringLiteral("Kriteriji"));

    grid = TGridContent::Fill(model, root, &shown);
    QVERIFY(shown);
    QCOMPARE(grid.ColCount, 2);
    QCOMPARE(grid.RowCount, 2);
    QCOMPARE(grid.Cell(1, 0), QString());
    QCOMPARE(grid.TreeTooltip, QStringLiteral("Kriteriji"));   // no matrix, no kind to tell
    root->Matrix = std::make_unique<TMatrix>(0, ckLessIsBetter);
    grid = TGridContent::Fill(model, root);
    QCOMPARE(grid.TreeTooltip, QStringLiteral("Prazen - Absolutne vrednosti - manj je boljše"));
    QCOMPARE(grid.Cell(1, 0), QStringLiteral("Manj je boljše"));
}

KALVO_TEST_GUILESS_MAIN(TestGridEdits)
#include "tst_gridedits.moc"
