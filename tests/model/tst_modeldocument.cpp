#include "TestMain.h"
#include "matrix/KalvoError.h"
#include "model/Group.h"
#include "model/ModelDocument.h"
#include "analysis/ModelResults.h"
#include "analysis/Synthesis.h"
#include "storage/ModelFiles.h"
#include "storage/ModelJson.h"

#include <QRandomGenerator>
#include <QSignalSpy>

#include <algorithm>
#include <functional>

namespace {

QByteArray Files(const TModel &model)
{
    const TModelSetBytes set = EncodeProject(model);
    return set.Criteria + "|" + set.Matrices + "|" + set.Solutions + "|" + set.Extras;
}

// The model written out as one JSON document and read back: the same files.
QByteArray FilesThroughJson(const TModel &model)
{
    TModel copy;
    ModelFromJson(copy, ModelToJson(model));
    return Files(copy);
}

// What the results object keeps (computed only where an edit touched) is what a
// computation from scratch gives.
QStringList Shown(const TModel &model)
{
    QStringList shown{model.Status.Panels[1], model.Status.Panels[2], model.Status.BlankPairs};
    for (const TSolution &solution : model.Solutions) {
        shown << solution.ValueText;
        for (int rank : solution.Ranks)
            shown << QString::number(rank);
    }
    return shown;
}

bool ResultsAreFresh(TModelDocument &document)
{
    const QStringList kept = Shown(document.Model());
    RefreshResults(document.WritableModel(), document.Participant());
    return Shown(document.Model()) == kept;
}

// The model's set written and read back (the companion with it): the same files.
QByteArray FilesThroughSet(const TModel &model)
{
    TModelSetBytes set = EncodeProject(model);
    set.CriteriaPath = QStringLiteral("m.KRT");
    set.MatrixPath = QStringLiteral("m.MAT");
    set.SolutionsPath = QStringLiteral("m.RST");
    set.ExtrasPath = QStringLiteral("m.JSON");
    TModel copy;
    LoadProjectFrom(copy, QStringLiteral("m"), set);
    copy.MarkSolution(model.MarkedSolution);
    return Files(copy);
}

bool SelectionIsInTree(const TModel &model)
{
    const auto nodes = model.Tree.Nodes();
    return !model.Tree.Selected() || std::count(nodes.begin(), nodes.end(), model.Tree.Selected()) == 1;
}

// One random edit of any kind; false when the dice chose one that does not apply.
bool RandomEdit(TModelDocument &document, QRandomGenerator &dice)
{
    TModel &model = document.WritableModel();
    const auto nodes = model.Tree.Nodes();
    TCriterionNode *node = nodes[dice.bounded(int(nodes.size()))];
    const QString name = QStringLiteral("N%1").arg(dice.bounded(100));
    static const QStringList ratios = {"1", "3:1", "1:5", "9:1", "2", "1/4"};
    const int solutions = model.SolutionCount();
    switch (dice.bounded(13)) {
    case 12: {
        // The group: a participant in or out, renamed or weighed again.
        const int people = int(model.Participants.size());
        const int what = dice.bounded(4);
        if (what == 0 || people == 0)
            document.AddParticipant(name, double(1 + dice.bounded(3)));
        else if (what == 1)
            document.RemoveParticipant(dice.bounded(people));
        else if (what == 2)
            document.RenameParticipant(dice.bounded(people), name);
        else
            document.SetParticipantWeight(dice.bounded(people), double(dice.bounded(4)));
        if (dice.bounded(2) == 0)
            document.SetParticipant(int(model.Participants.size()) > 0 ? dice.bounded(int(model.Participants.size())) : -1);
        // What is shown changes too: the start criterion, the method.
        document.Select(node);
        document.SetMethod(dice.bounded(2) == 0);
        return true;
    }
    case 0:
    case 1: {
        const int n = model.ItemCount(node);
        if (n < 2 || (node->Matrix && node->Matrix->Kind != ckRelative))
            return false;
        const int c = 1 + dice.bounded(n), r = 1 + dice.bounded(n);
        if (dice.bounded(3) == 0)
            document.SetBlank(node, c, r);   // a pair not compared
        else
            document.SetRatio(node, c, r, ratios[dice.bounded(ratios.size())], ratios[dice.bounded(ratios.size())]);
        return true;
    }
    case 2:
        if (!node->Matrix || node->Matrix->Kind == ckRelative || node->Matrix->Order == 0)
            return false;
    {
        // Now and then a text that is no value: refused, nothing changes.
        static const QStringList bad = {"0", "-3", "abc", ""};
        const int pick = dice.bounded(12);
        document.SetValue(node, 1 + dice.bounded(node->Matrix->Order),
                          pick < int(bad.size()) ? bad[pick] : QString::number(pick));
        return true;
    }
    case 3:
        if (nodes.size() > 8)
            return false;
        document.AddCriterion(node, name, TCriterionKind(dice.bounded(3)));
        return true;
    case 4:
        return document.RemoveCriterion(node);
    case 5:
        // Now and then a leaf rates the solutions, its intensities compared or given values.
        document.EditCriterion(node, dice.bounded(2) ? name : node->Name, TCriterionKind(dice.bounded(3)),
                               dice.bounded(3) == 0);
        return true;
    case 6:
        document.RenameCriterion(node, name);
        return true;
    case 7:
        if (solutions > 6)
            return false;
        document.AddSolution(name);
        return true;
    case 8:
        if (node->Matrix && node->Matrix->IsRatings() && !node->HasChildren()) {
            // The scale and the ratings: rate, add, rename, move or remove an intensity.
            const int k = node->Matrix->Order;
            switch (dice.bounded(5)) {
            case 0:
                if (solutions > 0)
                    document.RateSolution(node, dice.bounded(solutions), dice.bounded(k + 1) - 1);
                break;
            case 1: document.AddIntensity(node, name); break;
            case 2: document.RenameIntensity(node, dice.bounded(k), name); break;
            case 3: document.MoveIntensity(node, dice.bounded(k), dice.bounded(k)); break;
            default: document.RemoveIntensity(node, dice.bounded(k)); break;
            }
            return true;
        }
        if (solutions == 0)
            return false;
        dice.bounded(2) ? document.RenameSolution(dice.bounded(solutions), name)
                        : document.MarkSolution(dice.bounded(solutions));
        return true;
    case 9:
        if (solutions == 0)
            return false;
        document.RemoveSolution(dice.bounded(solutions));
        return true;
    case 10:
        if (dice.bounded(2) != 0) {
            document.SetIdealMode(!model.IdealMode);   // an edit only the companion holds
            return true;
        }
        document.RemoveAllSolutions();
        return true;
    case 11: {
        const int n = model.ItemCount(node);
        if (n < 2 || (node->Matrix && node->Matrix->Kind != ckRelative))
            return false;
        std::vector<TJudgementChange> changes;
        for (int k = 0; k < 2; ++k)
            changes.push_back({1 + dice.bounded(n), 1 + dice.bounded(n), {}, ratios[dice.bounded(ratios.size())]});
        document.ApplyAdvice(node, changes);
        return true;
    }
    }
    return false;
}

} // namespace

class TestModelDocument : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoGiveTheSameFiles();
    void eachEditSignalsOnce_data();
    void eachEditSignalsOnce();
    void historyAndCleanState();
    void refusedEditChangesNothing();
    void groupEditsMeanWhatTheySay();
};

// Any sequence of edits, undone, saves the files from before it; redone, the
// files from after it; and a new edit after some undos drops the rest.
void TestModelDocument::undoAndRedoGiveTheSameFiles()
{
    for (quint32 sequence = 1; sequence <= 300; ++sequence) {
        QRandomGenerator dice(sequence);
        TModelDocument document;
        TModelResults results(document);
        document.NewModel(QStringLiteral("P"));
        QList<QByteArray> files{Files(document.Model())};
        while (files.size() <= 16) {
            QVERIFY(ResultsAreFresh(document));
            const int before = document.HistorySize();
            bool made = false;
            try {
                made = RandomEdit(document, dice);
            } catch (const EKalvoError &) {
                // A refused edit (a group's own cells) changes nothing.
                QCOMPARE(document.HistorySize(), before);
                QVERIFY(Files(document.Model()) == files.last());
                continue;
            }
            if (made && document.HistorySize() != before)
                files << Files(document.Model());
            if (made) {
                QCOMPARE(FilesThroughJson(document.Model()), Files(document.Model()));
                QCOMPARE(FilesThroughSet(document.Model()), Files(document.Model()));
            }
            else if (document.HistorySize() != before)
                files.last() = Files(document.Model());   // marks merged into one edit
            QVERIFY(SelectionIsInTree(document.Model()));
        }
        const auto where = [&](int step) { return qPrintable(QStringLiteral("sequence %1, step %2").arg(sequence).arg(step)); };
        for (qsizetype step = document.HistorySize(); step > 0; --step) {
            document.Undo();
            QVERIFY2(Files(document.Model()) == files[step - 1], where(int(step)));
            QVERIFY(SelectionIsInTree(document.Model()));
        }
        QVERIFY(!document.IsModified());
        for (qsizetype step = 1; step <= document.HistorySize(); ++step) {
            document.Redo();
            QVERIFY2(Files(document.Model()) == files[step], where(int(step)));
            QVERIFY(SelectionIsInTree(document.Model()));
        }
        for (int k = document.HistorySize() / 2; k > 0; --k)
            document.Undo();
        const QByteArray branch = Files(document.Model());
        for (int tries = 0; document.CanRedo() && tries < 100; ++tries) {
            try {
                RandomEdit(document, dice);
            } catch (const EKalvoError &) {
            }
        }
        QVERIFY(!document.CanRedo());
        document.Undo();
        QVERIFY2(Files(document.Model()) == branch, where(-1));
    }
}

// Each kind of edit: one Changed of its kind and criterion, one new result; none
// for an edit that changes nothing; one each for its undo and redo.
void TestModelDocument::eachEditSignalsOnce_data()
{
    using TEdit = std::function<bool(TModelDocument &, TCriterionNode *root)>;
    QTest::addColumn<TEdit>("edit");
    QTest::addColumn<int>("change");   // -1: no edit
    QTest::addColumn<bool>("atRoot");
    const int judgements = int(TModelChange::Judgements), tree = int(TModelChange::Tree),
              criterion = int(TModelChange::Criterion), solutions = int(TModelChange::Solutions),
              group = int(TModelChange::Group);
    QTest::newRow("ratio") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.SetRatio(n, 2, 1, "3:1", "1:3"); })
                           << judgements << true;
    QTest::newRow("ratio as it is") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.SetRatio(n, 2, 1, "1", "1"); })
                                    << -1 << true;
    QTest::newRow("blank pair") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.SetBlank(n, 3, 1); })
                                << judgements << true;
    QTest::newRow("value") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.SetValue(n->Child(1), 1, "4"); })
                           << judgements << false;
    QTest::newRow("criterion added") << TEdit([](TModelDocument &d, TCriterionNode *n) {
        return d.AddCriterion(n->Child(0), "Nov", ckRelative); }) << tree << false;
    QTest::newRow("criterion removed") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.RemoveCriterion(n->Child(2)); })
                                       << tree << true;
    QTest::newRow("renamed") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.RenameCriterion(n->Child(0), "Druga"); })
                             << criterion << false;
    QTest::newRow("renamed as it is") << TEdit([](TModelDocument &d, TCriterionNode *n) { return d.RenameCriterion(n->Child(0), "A"); })
                                      << -1 << false;
    QTest::newRow("solution added") << TEdit([](TModelDocument &d, TCriterionNode *) { return d.AddSolution("Z"); })
                                    << solutions << false;
    QTest::newRow("solution removed") << TEdit([](TModelDocument &d, TCriterionNode *) { return d.RemoveSolution(0); })
                                      << solutions << false;
    QTest::newRow("ideal mode") << TEdit([](TModelDocument &d, TCriterionNode *) { return d.SetIdealMode(true); })
                                << int(TModelChange::Mode) << false;
    QTest::newRow("distributive as it is") << TEdit([](TModelDocument &d, TCriterionNode *) { return d.SetIdealMode(false); })
                                           << -1 << false;
    QTest::newRow("participant added") << TEdit([](TModelDocument &d, TCriterionNode *) { return d.AddParticipant("Ana", 1); })
                                       << group << false;
}

void TestModelDocument::eachEditSignalsOnce()
{
    using TEdit = std::function<bool(TModelDocument &, TCriterionNode *root)>;
    QFETCH(TEdit, edit);
    QFETCH(int, change);
    QFETCH(bool, atRoot);
    TModelDocument document;
    TModelResults results(document);
    document.NewModel(QStringLiteral("R"));
    TCriterionNode *root = document.Model().Tree.FirstNode();
    document.AddSolution(QStringLiteral("X"));
    document.AddSolution(QStringLiteral("Y"));
    document.AddCriterion(root, QStringLiteral("A"), ckRelative);
    document.AddCriterion(root, QStringLiteral("B"), ckMoreIsBetter);
    document.AddCriterion(root, QStringLiteral("C"), ckRelative);
    document.Select(root);

    QSignalSpy changed(&document, &TModelDocument::Changed);
    QSignalSpy updated(&results, &TModelResults::Updated);
    const auto once = [&](const char *what) {
        QVERIFY2(changed.size() == 1 && updated.size() == 1, what);
        QCOMPARE(changed.first().at(0).value<TModelChange>(), TModelChange(change));
        if (atRoot)
            QCOMPARE(changed.first().at(1).value<TCriterionNode *>(), document.Model().Tree.FirstNode());
        changed.clear();
        updated.clear();
    };
    QCOMPARE(edit(document, root), change >= 0);
    if (change < 0) {
        QCOMPARE(changed.size(), 0);
        QCOMPARE(updated.size(), 0);
        return;
    }
    once("the edit");
    document.Undo();
    once("its undo");
    document.Redo();
    once("its redo");
    // A switch of what is shown: one new result, no Changed.
    QVERIFY(document.SetMethod(false));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(updated.size(), 1);
}

void TestModelDocument::historyAndCleanState()
{
    TModelDocument document;
    int changes = 0;
    connect(&document, &TModelDocument::Changed, this, [&] { ++changes; });
    document.NewModel(QStringLiteral("Stan"));
    QCOMPARE(changes, 1);
    QVERIFY(!document.CanUndo() && !document.IsModified());
    document.AddSolution(QStringLiteral("A"));
    document.AddSolution(QStringLiteral("B"));
    TCriterionNode *root = document.Model().Tree.FirstNode();
    document.SetRatio(root, 2, 1, QStringLiteral("3:1"), QStringLiteral("1:3"));
    QCOMPARE(document.UndoText(), QStringLiteral("razmerje A : B"));
    QCOMPARE(changes, 4);
    document.SetClean();
    QVERIFY(!document.IsModified());
    document.MarkSolution(1);
    document.MarkSolution(0);
    QCOMPARE(document.HistorySize(), 4);   // row after row is one edit
    QVERIFY(!document.IsModified());       // no file holds the mark
    document.Undo();
    document.Undo();
    QCOMPARE(document.RedoText(), QStringLiteral("razmerje A : B"));
    QVERIFY(document.IsModified());
    document.Redo();
    QVERIFY(!document.IsModified());
    document.Undo();
    document.RenameSolution(0, QStringLiteral("Prvi"));   // the redo is gone, and with it the clean state
    QVERIFY(!document.CanRedo());
    QVERIFY(document.IsModified());
    document.SetRatio(root, 1, 1, QStringLiteral("3:1"), QStringLiteral("1:3"));   // the diagonal: no edit
    document.RenameSolution(0, QStringLiteral("Prvi"));                            // the same name: no edit
    QCOMPARE(document.UndoText(), QStringLiteral("preimenuj rešitev Prvi"));
    QCOMPARE(document.HistorySize(), 3);
}

void TestModelDocument::refusedEditChangesNothing()
{
    TModelDocument document;
    document.NewModel(QStringLiteral("Velik"));
    TModel &model = document.WritableModel();
    for (int k = 0; k <= MaxRelativeOrder; ++k)
        model.Solutions.push_back(TSolution{QStringLiteral("R%1").arg(k), 0.0, QStringLiteral(" "), {}});
    TCriterionNode *root = model.Tree.FirstNode();
    root->Matrix = std::make_unique<TMatrix>(MaxRelativeOrder + 1, ckMoreIsBetter);
    const QByteArray before = Files(model);
    QVERIFY_THROWS_EXCEPTION(EKalvoError, document.AddCriterion(root, QStringLiteral("K"), ckRelative));
    QVERIFY_THROWS_EXCEPTION(EKalvoError, document.EditCriterion(root, QStringLiteral("K"), ckRelative));
    QCOMPARE(Files(model), before);
    QCOMPARE(document.HistorySize(), 0);
    document.AddCriterion(root, QStringLiteral("Cena"), ckLessIsBetter);   // measured values have no such limit
    QCOMPARE(root->ChildCount(), 1);
}

// Beyond undo giving the files back: what each group edit does to the judgements.
void TestModelDocument::groupEditsMeanWhatTheySay()
{
    TModelDocument document;
    document.NewModel(QStringLiteral("Koren"));
    for (const char *name : {"A", "B", "C"})
        document.AddSolution(QString::fromLatin1(name));
    TModel &model = document.WritableModel();
    TCriterionNode *root = model.Tree.FirstNode();
    document.SetRatio(root, 2, 1, QStringLiteral("2:1"), QStringLiteral("1:2"));
    document.AddCriterion(root, QStringLiteral("K"), ckRelative);
    document.AddCriterion(root, QStringLiteral("L"), ckMoreIsBetter);
    const TJudgeTexts own = root->Matrix->Ratios;
    for (const char *name : {"Ana", "Bine", "Cene"})
        document.AddParticipant(QString::fromLatin1(name), 1.0);
    document.SetParticipant(1);
    document.SetRatio(root, 2, 1, QStringLiteral("5:1"), QStringLiteral("1:5"));
    document.SetRatio(root->Child(0), 2, 1, QStringLiteral("3:1"), QStringLiteral("1:3"));
    const TJudgeTexts bine = root->Matrix->Judges[1];
    const std::vector<TJudgeTexts> leaf = root->Child(0)->Matrix->Judges;

    // An undone removal puts the participant back in its place, with their judgements.
    document.RemoveParticipant(1);
    QCOMPARE(model.Participants[1].Name, QStringLiteral("Cene"));
    document.Undo();
    QCOMPARE(model.Participants[1].Name, QStringLiteral("Bine"));
    QCOMPARE(root->Matrix->Judges[1], bine);

    // A new group names the root only: the leaf's judgements go, and come back whole.
    TGroup group = GroupOf(model);
    group.Judges.erase(std::remove_if(group.Judges.begin(), group.Judges.end(),
                                      [](const auto &entry) { return entry.first != std::vector<int>{0}; }),
                       group.Judges.end());
    document.ReplaceGroup(group, QStringLiteral("skupina"));
    QVERIFY(root->Child(0)->Matrix->Judges.empty());
    QCOMPARE(root->Matrix->Judges[1], bine);
    document.Undo();
    QCOMPARE(root->Child(0)->Matrix->Judges, leaf);

    // Without its last participant the model judges as that participant did.
    document.RemoveParticipant(2);
    document.RemoveParticipant(0);
    document.RemoveParticipant(0);
    QVERIFY(model.Participants.empty() && root->Matrix->Judges.empty());
    QCOMPARE(root->Matrix->Ratios, bine);
    document.Undo();
    QCOMPARE(root->Matrix->Ratios, own);
    QCOMPARE(root->Matrix->Judges[0], bine);
}

KALVO_TEST_GUILESS_MAIN(TestModelDocument)
#include "tst_modeldocument.moc"
