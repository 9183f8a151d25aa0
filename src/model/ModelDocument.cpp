#include "model/ModelDocument.h"
#include "model/GridEdits.h"
#include "model/Group.h"

#include <QCoreApplication>
#include <QLocale>

#include "matrix/KalvoError.h"
#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "model/NodePath.h"
#include "storage/ModelFiles.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using TPath = std::vector<int>;

TPath PathOf(const TCriterionNode *node)
{
    return TCriteriaTree::IndexPath(node);
}

std::shared_ptr<const TMatrix> CopyOf(const TCriterionNode *node)
{
    return node && node->Matrix ? std::make_shared<const TMatrix>(*node->Matrix) : nullptr;
}

std::unique_ptr<TMatrix> Restored(const std::shared_ptr<const TMatrix> &saved)
{
    return saved ? std::make_unique<TMatrix>(*saved) : nullptr;
}

// The leaves whose matrices compare the solutions.
// The leaves whose matrices compare the solutions (a ratings leaf's compares its
// intensities: RatingLeaves, whose ratings follow the solutions).
std::vector<TCriterionNode *> SolutionMatrices(const TModel &model)
{
    std::vector<TCriterionNode *> leaves;
    for (TCriterionNode *node : model.Tree.Nodes())
        if (!node->HasChildren() && node->Matrix && !node->Matrix->IsRatings())
            leaves.push_back(node);
    return leaves;
}

std::vector<TCriterionNode *> RatingLeaves(const TModel &model)
{
    std::vector<TCriterionNode *> leaves;
    for (TCriterionNode *node : model.Tree.Nodes())
        if (!node->HasChildren() && node->Matrix && node->Matrix->IsRatings())
            leaves.push_back(node);
    return leaves;
}

bool Contains(const TCriterionNode *root, const TCriterionNode *node)
{
    for (; node; node = node->Parent())
        if (node == root)
            return true;
    return false;
}

// The selection leaves a subtree that is about to go.
void SelectOutside(TModel &model, const TCriterionNode *going, TCriterionNode *fallback)
{
    if (Contains(going, model.Tree.Selected()))
        model.Tree.Select(fallback);
}

// A pair's two texts as the ratio dialog writes them: a ratio and its reciprocal,
// or both blank. Anything else is refused before the edit is made.
void CheckPair(const QString &clicked, const QString &mirror)
{
    if (!IsJudgementPair(clicked, mirror, false))
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "»%1« in »%2« nista razmerje in njegova obratna vrednost.")
                              .arg(EKalvoError::Quote(clicked), EKalvoError::Quote(mirror)));
}

// A group whose participants would all weigh 0 has nobody with a say: its
// matrices would compute nothing. A weight beyond the limit is refused as well.
void CheckWeights(const std::vector<TParticipant> &participants)
{
    for (const TParticipant &participant : participants)
        if (!(participant.Weight >= 0.0 && participant.Weight <= MaxParticipantWeight))
            throw EKalvoError(EKalvoError::ekInvalidOp,
                              QCoreApplication::translate("Kalvo", "Utež udeleženca je število od 0 do %1.")
                                  .arg(QLocale().toString(MaxParticipantWeight, 'f', 0)));
    if (!participants.empty()
        && std::all_of(participants.begin(), participants.end(), [](const TParticipant &p) { return p.Weight == 0.0; }))
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Vsaj en udeleženec mora imeti utež nad 0, sicer nihče ne presoja."));
}

// The node at path, or the nearest of its ancestors that exists, or the first node.
TCriterionNode *NearestNode(const TCriteriaTree &tree, TPath path)
{
    for (; !path.empty(); path.pop_back())
        if (TCriterionNode *node = tree.NodeAt(path))
            return node;
    return tree.FirstNode();
}

} // namespace

TModelDocument::TModelDocument(QObject *parent) : QObject(parent)
{
}

TModelDocument::~TModelDocument() = default;

// --- The history ------------------------------------------------------------------

bool TModelDocument::Run(std::unique_ptr<TEditCommand> command)
{
    // Every refusal is checked before a command is made: its first run changes
    // the model whole, as its runs after an undo do.
    command->SelectedBefore = PathOf(FModel.Tree.Selected());
    command->Redo(FModel);
    command->SelectedAfter = PathOf(FModel.Tree.Selected());
    FHistory.resize(size_t(FIndex));
    if (FClean > FIndex)
        FClean = -1;
    // Clicks from row to row are one edit: the mark before the first comes back.
    if (command->Change == TModelChange::Mark && FIndex > 0 && FHistory.back()->Change == TModelChange::Mark) {
        command->Undo = std::move(FHistory.back()->Undo);
        command->SelectedBefore = FHistory.back()->SelectedBefore;
        FHistory.pop_back();
        --FIndex;
        if (FClean > FIndex)
            FClean = FIndex;
    }
    FHistory.push_back(std::move(command));
    ++FIndex;
    // The history first: a view that fails while it redraws leaves the captions right.
    emit HistoryChanged();
    Notify(*FHistory.back());
    return true;
}

void TModelDocument::Notify(const TEditCommand &command)
{
    FChangedParticipant = command.Participant;
    if (command.Change == TModelChange::Group)
        KeepParticipant();
    emit Changed(command.Change, command.Node.empty() ? nullptr : FModel.Tree.NodeAt(command.Node));
}

void TModelDocument::KeepParticipant()
{
    if (FParticipant >= int(FModel.Participants.size()))
        SetParticipant(-1);   // the one whose judgements were shown is gone
}

bool TModelDocument::SetParticipant(int participant)
{
    participant = std::max(participant, -1);
    if (participant == FParticipant || participant >= int(FModel.Participants.size()))
        return false;
    FParticipant = participant;
    emit ViewChanged(TViewChange::Participant);
    return true;
}

bool TModelDocument::Select(TCriterionNode *node)
{
    if (node == FModel.Tree.Selected())
        return false;
    FModel.Tree.Select(node);
    emit ViewChanged(TViewChange::Selection);
    return true;
}

bool TModelDocument::SetMethod(bool exact)
{
    if (exact == FModel.ExactMethod)
        return false;
    FModel.SetMethod(exact);
    emit ViewChanged(TViewChange::Method);
    return true;
}

bool TModelDocument::SetDebugMode(bool on)
{
    if (on == FModel.DebugMode)
        return false;
    FModel.SetDebugMode(on);
    emit ViewChanged(TViewChange::Debug);
    return true;
}

QString TModelDocument::UndoText() const
{
    return CanUndo() ? FHistory[size_t(FIndex - 1)]->Text : QString();
}

QString TModelDocument::RedoText() const
{
    return CanRedo() ? FHistory[size_t(FIndex)]->Text : QString();
}

void TModelDocument::Undo()
{
    if (!CanUndo())
        return;
    const TEditCommand &command = *FHistory[size_t(FIndex - 1)];
    command.Undo(FModel);
    --FIndex;
    FModel.Tree.Select(NearestNode(FModel.Tree, command.SelectedBefore));
    emit HistoryChanged();
    Notify(command);
}

void TModelDocument::Redo()
{
    if (!CanRedo())
        return;
    const TEditCommand &command = *FHistory[size_t(FIndex)];
    command.Redo(FModel);
    ++FIndex;
    FModel.Tree.Select(NearestNode(FModel.Tree, command.SelectedAfter));
    emit HistoryChanged();
    Notify(command);
}

bool TModelDocument::CanUndoAdvice(const TCriterionNode *node) const
{
    const TEditCommand *last = LastCommand();
    return node && last && last->Advice && last->Node == PathOf(node);
}

bool TModelDocument::IsModified() const
{
    if (FClean < 0)
        return true;
    const auto from = FHistory.begin() + std::min(FClean, FIndex);
    const auto to = FHistory.begin() + std::max(FClean, FIndex);
    return std::any_of(from, to, [](const auto &command) { return command->ChangesFiles; });
}

void TModelDocument::SetClean()
{
    FClean = FIndex;
    emit HistoryChanged();
}

void TModelDocument::ClearHistory()
{
    FHistory.clear();
    FIndex = FClean = 0;
    emit HistoryChanged();
}

// --- Replacing the model ------------------------------------------------------------

void TModelDocument::NewModel(const QString &name)
{
    FModel.NewModel(name);
    FParticipant = -1;
    // The new root compares its items (none yet) by ratios from the start.
    FModel.FitNodeMatrix(FModel.Tree.FirstNode());
    ClearHistory();
    emit Changed(TModelChange::Model, FModel.Tree.FirstNode());
}

QStringList TModelDocument::Open(const QString &fileName)
{
    const QStringList notes = LoadProject(FModel, fileName);
    ModelReplaced();
    return notes;
}

QStringList TModelDocument::Save(const QString &fileName)
{
    const QStringList notes = SaveProject(FModel, fileName);
    SetClean();
    return notes;
}

void TModelDocument::ModelReplaced()
{
    FParticipant = -1;
    // A file may hold matrices of another order than their items; from here on
    // every matrix follows its items.
    for (TCriterionNode *node : FModel.Tree.Nodes())
        if (node->Matrix && node->Matrix->Order != FModel.ItemCount(node))
            FModel.FitNodeMatrix(node);
    ClearHistory();
    emit Changed(TModelChange::Model, FModel.Tree.Selected());
}

// --- Judgements -------------------------------------------------------------------

bool TModelDocument::EditRatios(TCriterionNode *node, std::vector<TJudgementChange> cells, const QString &text,
                                bool advice)
{
    if (FParticipant >= 0 && node->Matrix && !node->Matrix->Judges.empty()) {
        return EditJudgements(node, std::move(cells), text);
    }
    CheckRatiosEditable(node);
    const bool created = !node->Matrix;
    // The texts before: a node without a matrix compares as its first matrix will.
    const TMatrix *m = node->Matrix.get();
    for (TJudgementChange &cell : cells)
        cell.From = m ? m->RatioText(cell.Col - 1, cell.Row - 1) : QStringLiteral("1");
    cells.erase(std::remove_if(cells.begin(), cells.end(), [](const TJudgementChange &c) { return c.From == c.To; }),
                cells.end());
    if (cells.empty())
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = text;
    command->Advice = advice;
    command->Node = PathOf(node);
    command->Redo = [path = command->Node, cells](TModel &model) {
        TCriterionNode *n = model.Tree.NodeAt(path);
        model.FitNodeMatrix(n);
        for (const TJudgementChange &c : cells)
            n->Matrix->Ratios[size_t(c.Col - 1)][size_t(c.Row - 1)] = c.To;
    };
    command->Undo = [path = command->Node, cells, created](TModel &model) {
        TCriterionNode *n = model.Tree.NodeAt(path);
        if (created) {
            n->Matrix.reset();
            return;
        }
        for (const TJudgementChange &c : cells)
            n->Matrix->Ratios[size_t(c.Col - 1)][size_t(c.Row - 1)] = c.From;
    };
    return Run(std::move(command));
}

void TModelDocument::CheckRatiosEditable(const TCriterionNode *node) const
{
    if (FParticipant < 0 && node && node->Matrix && !node->Matrix->Judges.empty() && !FModel.Participants.empty())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Kriterij »%1« presoja skupina: njegova razmerja so izračunana iz sodb "
                                         "udeležencev, zato jih tu ni mogoče spreminjati.")
                              .arg(EKalvoError::Quote(node->Name)));
}

// A participant's own judgements of a group's matrix.
bool TModelDocument::EditJudgements(TCriterionNode *node, std::vector<TJudgementChange> cells, const QString &text)
{
    TMatrix *m = node->Matrix.get();
    const size_t p = size_t(FParticipant);
    if (!m || m->Kind != ckRelative || p >= m->Judges.size() || p >= FModel.Participants.size())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Kriterija »%1« udeleženci ne presojajo.").arg(EKalvoError::Quote(node->Name)));
    for (TJudgementChange &cell : cells)
        cell.From = m->Judges[p][size_t(cell.Col - 1)][size_t(cell.Row - 1)];
    cells.erase(std::remove_if(cells.begin(), cells.end(), [](const TJudgementChange &c) { return c.From == c.To; }),
                cells.end());
    if (cells.empty())
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = FModel.Participants[p].Name + QStringLiteral(": ") + text;
    command->Node = PathOf(node);
    command->Participant = int(p);
    auto write = [path = command->Node, p, cells](bool redo) {
        return [path, p, cells, redo](TModel &model) {
            TJudgeTexts &texts = model.Tree.NodeAt(path)->Matrix->Judges[p];
            for (const TJudgementChange &c : cells)
                texts[size_t(c.Col - 1)][size_t(c.Row - 1)] = redo ? c.To : c.From;
        };
    };
    command->Redo = write(true);
    command->Undo = write(false);
    return Run(std::move(command));
}

bool TModelDocument::EditPair(TCriterionNode *node, int c, int r, const QString &clicked, const QString &mirror,
                              const QString &caption)
{
    if (!node)
        return false;
    const int n = FModel.ItemCount(node);
    if ((node->Matrix && node->Matrix->Kind != ckRelative) || c == r || c < 1 || r < 1 || c > n || r > n)
        return false;
    CheckPair(clicked, mirror);
    const QStringList items = FModel.ItemNames(node);
    return EditRatios(node, {{r, c, {}, clicked}, {c, r, {}, mirror}}, caption.arg(items.value(r - 1), items.value(c - 1)));
}

bool TModelDocument::SetRatio(TCriterionNode *node, int c, int r, const QString &clicked, const QString &mirror)
{
    return EditPair(node, c, r, clicked, mirror, QCoreApplication::translate("Kalvo", "razmerje %1 : %2"));
}

bool TModelDocument::SetBlank(TCriterionNode *node, int c, int r)
{
    return EditPair(node, c, r, QString(), QString(), QCoreApplication::translate("Kalvo", "ni primerjano %1 : %2"));
}

bool TModelDocument::ApplyAdvice(TCriterionNode *node, const std::vector<TJudgementChange> &changes)
{
    if (!node || (node->Matrix && node->Matrix->Kind != ckRelative))
        return false;
    const int n = FModel.ItemCount(node);
    std::vector<TJudgementChange> cells;
    for (const TJudgementChange &change : changes) {
        if (change.Row == change.Col || change.Row < 1 || change.Col < 1 || change.Row > n || change.Col > n)
            continue;
        CheckPair(change.To, ReciprocalText(change.To));
        cells.push_back({change.Row, change.Col, {}, change.To});
        cells.push_back({change.Col, change.Row, {}, ReciprocalText(change.To)});
    }
    return EditRatios(node, cells, QCoreApplication::translate("Kalvo", "predlogi za doslednost %1").arg(node->Name), true);
}

bool TModelDocument::SetValue(TCriterionNode *node, int r, const QString &text)
{
    if (!node || !node->Matrix || node->Matrix->Kind == ckRelative || r < 1 || r > node->Matrix->Order)
        return false;
    CheckAbsoluteValue(text);
    const QString before = node->Matrix->AbsoluteValues[size_t(r - 1)];
    const bool wasUntyped = node->Matrix->IsUntyped(r - 1);
    if (before == text && !wasUntyped)
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "vrednost %1").arg(FModel.ItemNames(node).value(r - 1));
    command->Node = PathOf(node);
    command->ChangesFiles = before != text;   // typing the placeholder's own value changes no file
    auto write = [path = command->Node, r](const QString &value, bool untyped) {
        return [path, r, value, untyped](TModel &model) {
            TMatrix &m = *model.Tree.NodeAt(path)->Matrix;
            m.AbsoluteValues[size_t(r - 1)] = value;
            if (size_t(r - 1) < m.Untyped.size())
                m.Untyped[size_t(r - 1)] = untyped;
        };
    };
    command->Redo = write(text, false);
    command->Undo = write(before, wasUntyped);
    return Run(std::move(command));
}

// --- Criteria ---------------------------------------------------------------------

bool TModelDocument::AddCriterion(TCriterionNode *parent, const QString &name, TCriterionKind kind, bool ratings)
{
    const qint32 order = FModel.SolutionCount();
    if (kind == ckRelative && !ratings && order > MaxRelativeOrder)
        throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(order));
    if (parent && !parent->HasChildren() && parent->Matrix && parent->Matrix->IsRatings())
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Kriterij z ocenami nima podkriterijev.")).AddContext(CriterionPlace(parent));
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "dodaj kriterij %1").arg(name);
    command->Change = TModelChange::Tree;
    const TPath parentPath = parent ? PathOf(parent) : TPath();
    command->Node = parentPath;
    command->Node.push_back(parent ? parent->ChildCount() : FModel.Tree.TopLevelCount());
    command->Redo = [parentPath, name, kind, ratings](TModel &model) {
        TCriterionNode *p = model.Tree.NodeAt(parentPath);
        const qint32 order = model.SolutionCount();
        auto matrix = ratings ? DefaultRatingScale(order) : p || order > 0 ? std::make_unique<TMatrix>(order, kind) : nullptr;
        if (ratings && kind != ckRelative)
            model.SetDirectValues(*matrix);
        model.Tree.Append(p, name)->Matrix = std::move(matrix);
        if (p)
            model.FitNodeMatrix(p);   // it now compares its children
    };
    command->Undo = [parentPath, before = CopyOf(parent)](TModel &model) {
        TCriterionNode *p = model.Tree.NodeAt(parentPath);
        const int last = (p ? p->ChildCount() : model.Tree.TopLevelCount()) - 1;
        TCriterionNode *added = p ? p->Child(last) : model.Tree.TopLevel(last);
        if (!added)
            return;
        SelectOutside(model, added, p ? p : model.Tree.FirstNode());
        model.Tree.Take(added);
        if (p)
            p->Matrix = Restored(before);
    };
    return Run(std::move(command));
}

bool TModelDocument::RemoveCriterion(TCriterionNode *node)
{
    if (!node || !node->Parent())
        return false;
    const TCriterionNode *parent = node->Parent();
    if (parent->ChildCount() == 1 && parent->Matrix && parent->Matrix->Kind == ckRelative
        && FModel.SolutionCount() > MaxRelativeOrder)
        throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(FModel.SolutionCount()))
            .AddContext(CriterionPlace(parent));
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "izloči kriterij %1").arg(node->Name);
    command->Change = TModelChange::Tree;
    const TPath parentPath = PathOf(node->Parent());
    const int index = node->Index();
    command->Node = parentPath;
    auto held = std::make_shared<std::unique_ptr<TCriterionNode>>();
    command->Redo = [parentPath, index, held](TModel &model) {
        TCriterionNode *p = model.Tree.NodeAt(parentPath);
        TCriterionNode *going = p->Child(index);
        const bool fitted = p->Matrix && p->Matrix->Order == p->ChildCount();
        model.Tree.Select(p);
        *held = model.Tree.Take(going);
        if (fitted)
            p->Matrix->RemoveItem(index);
        if (p->Matrix)
            model.FitNodeMatrix(p);   // a parent left without children compares the solutions
    };
    command->Undo = [parentPath, index, held, before = CopyOf(node->Parent())](TModel &model) {
        TCriterionNode *p = model.Tree.NodeAt(parentPath);
        if (*held)
            model.Tree.Insert(p, index, std::move(*held));
        p->Matrix = Restored(before);
    };
    Run(std::move(command));
    return true;
}

bool TModelDocument::EditCriterion(TCriterionNode *node, const QString &name, TCriterionKind kind, bool ratings)
{
    if (!node)
        return false;
    ratings = ratings && !node->HasChildren();   // only a leaf rates the solutions
    const bool wasRatings = node->Matrix && node->Matrix->IsRatings();
    if (node->Matrix && node->Name == name && node->Matrix->Kind == kind && wasRatings == ratings)
        return false;
    // The items a ratio matrix will compare after the edit: its children, or the
    // solutions (a ratings leaf's intensities are no longer its items then).
    const int items = node->HasChildren() ? node->ChildCount() : FModel.SolutionCount();
    if (kind == ckRelative && !ratings && items > MaxRelativeOrder)
        throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(items)).AddContext(CriterionPlace(node));
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "popravi kriterij %1").arg(name);
    command->Change = TModelChange::Criterion;
    command->Node = PathOf(node);
    // A new kind may grow or drop texts: the whole matrix comes back on undo.
    const bool newMatrix = !node->Matrix || node->Matrix->Kind != kind || wasRatings != ratings;
    command->Redo = [path = command->Node, name, kind, ratings](TModel &model) {
        model.EditCriterion(model.Tree.NodeAt(path), name, kind, ratings);
    };
    command->Undo = [path = command->Node, oldName = node->Name, newMatrix,
                     before = newMatrix ? CopyOf(node) : nullptr](TModel &model) {
        TCriterionNode *n = model.Tree.NodeAt(path);
        n->Name = oldName;
        if (newMatrix)
            n->Matrix = Restored(before);
    };
    return Run(std::move(command));
}

bool TModelDocument::EditScale(TCriterionNode *node, const QString &text, const std::function<void(TMatrix &)> &change)
{
    if (!node || !node->Matrix || !node->Matrix->IsRatings())
        return false;
    auto after = std::make_shared<TMatrix>(*node->Matrix);
    change(*after);
    auto command = std::make_unique<TEditCommand>();
    command->Text = text;
    command->Change = TModelChange::Judgements;
    command->Node = PathOf(node);
    auto put = [path = command->Node](std::shared_ptr<const TMatrix> matrix) {
        return [path, matrix](TModel &model) { model.Tree.NodeAt(path)->Matrix = std::make_unique<TMatrix>(*matrix); };
    };
    command->Redo = put(after);
    command->Undo = put(std::make_shared<const TMatrix>(*node->Matrix));
    return Run(std::move(command));
}

bool TModelDocument::RateSolution(TCriterionNode *node, int solution, int intensity)
{
    if (!node || !node->Matrix || !node->Matrix->IsRatings() || solution < 0 || solution >= FModel.SolutionCount())
        return false;
    const TRatingScale &scale = *node->Matrix->Scale;
    if (intensity < -1 || intensity >= int(scale.Intensities.size()))
        throw EKalvoError(EKalvoError::ekInvalidOp, QCoreApplication::translate("Kalvo", "Ocene %1 ni na lestvici.").arg(intensity + 1))
            .AddContext(CriterionPlace(node));
    if (size_t(solution) < scale.Ratings.size() && scale.Ratings[size_t(solution)] == intensity)
        return false;
    const QString name = FModel.Solutions[size_t(solution)].Name;
    return EditScale(node, QCoreApplication::translate("Kalvo", "ocena %1: %2")
                               .arg(name, intensity < 0 ? QCoreApplication::translate("Kalvo", "ni ocenjeno")
                                                        : scale.Intensities[size_t(intensity)]),
                     [&](TMatrix &m) {
                         m.Scale->Ratings.resize(size_t(FModel.SolutionCount()), -1);
                         m.Scale->Ratings[size_t(solution)] = intensity;
                     });
}

bool TModelDocument::AddIntensity(TCriterionNode *node, const QString &name)
{
    if (node && node->Matrix && node->Matrix->IsRatings() && node->Matrix->Order + 1 > MaxRelativeOrder)
        throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(node->Matrix->Order + 1)).AddContext(CriterionPlace(node));
    return EditScale(node, QCoreApplication::translate("Kalvo", "dodaj oceno %1").arg(name), [&](TMatrix &m) {
        m.Scale->Intensities.push_back(name);
        m.SetOrder(m.Order + 1);
    });
}

bool TModelDocument::RenameIntensity(TCriterionNode *node, int intensity, const QString &name)
{
    if (!node || !node->Matrix || !node->Matrix->IsRatings() || intensity < 0
        || intensity >= node->Matrix->Order || node->Matrix->Scale->Intensities[size_t(intensity)] == name)
        return false;
    return EditScale(node, QCoreApplication::translate("Kalvo", "preimenuj oceno %1").arg(name),
                     [&](TMatrix &m) { m.Scale->Intensities[size_t(intensity)] = name; });
}

bool TModelDocument::RemoveIntensity(TCriterionNode *node, int intensity)
{
    if (!node || !node->Matrix || !node->Matrix->IsRatings() || intensity < 0 || intensity >= node->Matrix->Order)
        return false;
    if (node->Matrix->Order <= 2)
        throw EKalvoError(EKalvoError::ekInvalidOp,
                          QCoreApplication::translate("Kalvo", "Lestvica ocen ima vsaj dve oceni.")).AddContext(CriterionPlace(node));
    return EditScale(node, QCoreApplication::translate("Kalvo", "odstrani oceno %1").arg(node->Matrix->Scale->Intensities[size_t(intensity)]),
                     [&](TMatrix &m) {
                         m.RemoveItem(intensity);
                         m.Scale->Intensities.erase(m.Scale->Intensities.begin() + intensity);
                         for (qint32 &rating : m.Scale->Ratings)
                             rating = rating == intensity ? -1 : rating > intensity ? rating - 1 : rating;
                     });
}

bool TModelDocument::MoveIntensity(TCriterionNode *node, int from, int to)
{
    if (!node || !node->Matrix || !node->Matrix->IsRatings() || from == to || from < 0 || to < 0
        || from >= node->Matrix->Order || to >= node->Matrix->Order)
        return false;
    return EditScale(node, QCoreApplication::translate("Kalvo", "premakni oceno %1").arg(node->Matrix->Scale->Intensities[size_t(from)]),
                     [&](TMatrix &m) {
                         // The items in their new order: order[new] = old.
                         std::vector<int> order(size_t(m.Order));
                         for (int i = 0; i < m.Order; ++i)
                             order[size_t(i)] = i;
                         order.erase(order.begin() + from);
                         order.insert(order.begin() + to, from);
                         const TMatrix before = m;
                         for (int c = 0; c < m.Order; ++c) {
                             if (size_t(c) < m.AbsoluteValues.size())
                                 m.AbsoluteValues[size_t(c)] = before.AbsoluteValues[size_t(order[size_t(c)])];
                             m.Scale->Intensities[size_t(c)] = before.Scale->Intensities[size_t(order[size_t(c)])];
                             for (int r = 0; r < m.Order && size_t(c) < m.Ratios.size(); ++r)
                                 if (size_t(r) < m.Ratios[size_t(c)].size())
                                     m.Ratios[size_t(c)][size_t(r)] = before.RatioText(order[size_t(c)], order[size_t(r)]);
                         }
                         for (qint32 &rating : m.Scale->Ratings) {
                             if (rating == from)
                                 rating = to;
                             else if (from < to && rating > from && rating <= to)
                                 --rating;
                             else if (from > to && rating >= to && rating < from)
                                 ++rating;
                         }
                     });
}

bool TModelDocument::RenameCriterion(TCriterionNode *node, const QString &name)
{
    if (!node || node->Name == name)
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "preimenuj kriterij %1").arg(name);
    command->Change = TModelChange::Criterion;
    command->Node = PathOf(node);
    auto rename = [path = command->Node](const QString &to) {
        return [path, to](TModel &model) { model.Tree.NodeAt(path)->Name = to; };
    };
    command->Redo = rename(name);
    command->Undo = rename(node->Name);
    return Run(std::move(command));
}

// --- Solutions --------------------------------------------------------------------

bool TModelDocument::AddSolution(const QString &name)
{
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "dodaj rešitev %1").arg(name);
    command->Change = TModelChange::Solutions;
    command->Redo = [name](TModel &model) {
        model.AddSolution(name);
        model.FitLeafMatrices();
        // Its measured values are the placeholder "1" until the user types them.
        const size_t last = size_t(model.SolutionCount() - 1);
        for (TCriterionNode *leaf : SolutionMatrices(model)) {
            std::vector<bool> &untyped = leaf->Matrix->Untyped;
            untyped.resize(last + 1, false);
            untyped[last] = true;
        }
    };
    command->Undo = [mark = FModel.MarkedSolution](TModel &model) {
        const int last = model.SolutionCount() - 1;
        if (last < 0)
            return;
        for (TCriterionNode *leaf : SolutionMatrices(model))
            if (leaf->Matrix->Order > last)
                leaf->Matrix->RemoveItem(last);
        for (TCriterionNode *leaf : RatingLeaves(model))
            leaf->Matrix->Scale->Ratings.resize(size_t(last));
        model.Solutions.pop_back();
        model.MarkedSolution = mark;
    };
    return Run(std::move(command));
}

bool TModelDocument::RenameSolution(int index, const QString &name)
{
    if (index < 0 || index >= FModel.SolutionCount() || FModel.Solutions[size_t(index)].Name == name)
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "preimenuj rešitev %1").arg(name);
    command->Change = TModelChange::Solutions;
    auto rename = [index](const QString &to) {
        return [index, to](TModel &model) { model.Solutions[size_t(index)].Name = to; };
    };
    command->Redo = rename(name);
    command->Undo = rename(FModel.Solutions[size_t(index)].Name);
    return Run(std::move(command));
}

bool TModelDocument::SetIdealMode(bool ideal)
{
    if (FModel.IdealMode == ideal)
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = ideal ? QCoreApplication::translate("Kalvo", "idealni način")
                          : QCoreApplication::translate("Kalvo", "distributivni način");
    command->Change = TModelChange::Mode;
    command->Redo = [ideal](TModel &model) { model.IdealMode = ideal; };
    command->Undo = [ideal](TModel &model) { model.IdealMode = !ideal; };
    return Run(std::move(command));
}

bool TModelDocument::SetGroupMethod(TGroupMethod method)
{
    if (FModel.GroupMethod == method)
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "združevanje sodb %1").arg(GroupMethodName(method).toUpper());
    command->Change = TModelChange::Group;
    command->Redo = [method](TModel &model) { model.GroupMethod = method; };
    command->Undo = [before = FModel.GroupMethod](TModel &model) { model.GroupMethod = before; };
    return Run(std::move(command));
}

bool TModelDocument::MarkSolution(int index)
{
    if (index == FModel.MarkedSolution)
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "označi rešitev %1")
                        .arg(index >= 0 && index < FModel.SolutionCount() ? FModel.Solutions[size_t(index)].Name
                                                                                  : QString());
    command->Change = TModelChange::Mark;
    command->ChangesFiles = false;
    command->Redo = [index](TModel &model) { model.MarkSolution(index); };
    command->Undo = [before = FModel.MarkedSolution](TModel &model) { model.MarkSolution(before); };
    return Run(std::move(command));
}

bool TModelDocument::RemoveSolution(int index)
{
    if (index < 0 || index >= FModel.SolutionCount())
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "odstrani rešitev %1").arg(FModel.Solutions[size_t(index)].Name);
    command->Change = TModelChange::Solutions;
    // Each leaf's share of the solution, as the last removal took it.
    struct TTaken
    {
        TSolution Solution;
        std::vector<std::pair<TPath, TMatrixItem>> Items;
        std::vector<std::pair<TPath, qint32>> Ratings;
    };
    auto taken = std::make_shared<TTaken>();
    command->Redo = [index, taken](TModel &model) {
        taken->Items.clear();
        taken->Ratings.clear();
        for (TCriterionNode *leaf : SolutionMatrices(model))
            if (index < leaf->Matrix->Order)
                taken->Items.emplace_back(PathOf(leaf), leaf->Matrix->TakeItem(index));
        for (TCriterionNode *leaf : RatingLeaves(model)) {
            std::vector<qint32> &ratings = leaf->Matrix->Scale->Ratings;
            if (size_t(index) < ratings.size()) {
                taken->Ratings.emplace_back(PathOf(leaf), ratings[size_t(index)]);
                ratings.erase(ratings.begin() + index);
            }
        }
        taken->Solution = model.Solutions[size_t(index)];
        model.Solutions.erase(model.Solutions.begin() + index);
        model.MarkSolution(0);
    };
    command->Undo = [index, taken, mark = FModel.MarkedSolution](TModel &model) {
        model.Solutions.insert(model.Solutions.begin() + index, taken->Solution);
        for (auto &[path, item] : taken->Items)
            model.Tree.NodeAt(path)->Matrix->PutItem(index, std::move(item));
        for (const auto &[path, rating] : taken->Ratings) {
            std::vector<qint32> &ratings = model.Tree.NodeAt(path)->Matrix->Scale->Ratings;
            ratings.insert(ratings.begin() + std::min<qsizetype>(index, qsizetype(ratings.size())), rating);
        }
        taken->Items.clear();
        taken->Ratings.clear();
        model.MarkSolution(mark);
    };
    return Run(std::move(command));
}

bool TModelDocument::RemoveAllSolutions()
{
    if (FModel.Solutions.empty())
        return false;
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "odstrani vse rešitve");
    command->Change = TModelChange::Solutions;
    // The solutions and the leaves' matrices move into the command and back:
    // nothing is copied.
    struct TTaken
    {
        std::vector<TSolution> Solutions;
        std::vector<std::pair<TPath, std::unique_ptr<TMatrix>>> Matrices;
        std::vector<std::pair<TPath, std::vector<qint32>>> Ratings;
    };
    auto taken = std::make_shared<TTaken>();
    command->Redo = [taken](TModel &model) {
        taken->Matrices.clear();
        taken->Ratings.clear();
        for (TCriterionNode *leaf : RatingLeaves(model)) {
            taken->Ratings.emplace_back(PathOf(leaf), std::move(leaf->Matrix->Scale->Ratings));
            leaf->Matrix->Scale->Ratings.clear();
        }
        for (TCriterionNode *leaf : SolutionMatrices(model)) {
            const TCriterionKind kind = leaf->Matrix->Kind;
            taken->Matrices.emplace_back(PathOf(leaf), std::move(leaf->Matrix));
            leaf->Matrix = std::make_unique<TMatrix>(0, kind);
        }
        taken->Solutions.swap(model.Solutions);
        model.Solutions.clear();
    };
    command->Undo = [taken](TModel &model) {
        for (auto &[path, matrix] : taken->Matrices)
            model.Tree.NodeAt(path)->Matrix = std::move(matrix);
        for (auto &[path, ratings] : taken->Ratings)
            model.Tree.NodeAt(path)->Matrix->Scale->Ratings = std::move(ratings);
        taken->Matrices.clear();
        taken->Ratings.clear();
        model.Solutions.swap(taken->Solutions);
        taken->Solutions.clear();
    };
    return Run(std::move(command));
}

// --- The group ------------------------------------------------------------------

bool TModelDocument::AddParticipant(const QString &name, double weight)
{
    std::vector<TParticipant> after = FModel.Participants;
    after.push_back({name, weight});
    CheckWeights(after);
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "dodaj udeleženca %1").arg(name);
    command->Change = TModelChange::Group;
    // The matrices that got a judge, so that the undo takes back exactly those.
    auto touched = std::make_shared<std::vector<std::vector<int>>>();
    command->Redo = [participant = TParticipant{name, weight}, touched](TModel &model) {
        const bool first = model.Participants.empty();
        model.Participants.push_back(participant);
        touched->clear();
        for (TCriterionNode *node : model.Tree.Nodes()) {
            if (!node->Matrix)
                continue;
            TMatrix &m = *node->Matrix;
            if (first && m.Kind == ckRelative && !m.IsRatings()) {   // a scale is the model's own
                m.Judges = {m.Ratios};
            } else if (!first && !m.Judges.empty()) {
                m.Judges.push_back(UnjudgedTexts(m.Judges.front().size()));
            } else {
                continue;
            }
            touched->push_back(TCriteriaTree::IndexPath(node));
        }
    };
    command->Undo = [touched](TModel &model) {
        model.Participants.pop_back();
        for (const std::vector<int> &path : *touched) {
            TMatrix &m = *model.Tree.NodeAt(path)->Matrix;
            if (model.Participants.empty())
                m.Judges.clear();
            else
                m.Judges.pop_back();
        }
    };
    return Run(std::move(command));
}

bool TModelDocument::EditParticipant(int index, const QString &name, double weight)
{
    if (index < 0 || size_t(index) >= FModel.Participants.size())
        return false;
    const TParticipant before = FModel.Participants[size_t(index)];
    const TParticipant after{name, weight};
    if (after == before)
        return false;
    std::vector<TParticipant> group = FModel.Participants;
    group[size_t(index)] = after;
    CheckWeights(group);
    auto command = std::make_unique<TEditCommand>();
    command->Text = after.Name != before.Name && after.Weight != before.Weight
        ? QCoreApplication::translate("Kalvo", "popravi udeleženca %1").arg(name)
        : after.Name != before.Name ? QCoreApplication::translate("Kalvo", "preimenuj udeleženca %1").arg(name)
                                    : QCoreApplication::translate("Kalvo", "utež udeleženca %1").arg(name);
    command->Change = TModelChange::Group;
    auto set = [index](const TParticipant &to) {
        return [index, to](TModel &model) { model.Participants[size_t(index)] = to; };
    };
    command->Redo = set(after);
    command->Undo = set(before);
    return Run(std::move(command));
}

bool TModelDocument::RenameParticipant(int index, const QString &name)
{
    return index >= 0 && size_t(index) < FModel.Participants.size()
        && EditParticipant(index, name, FModel.Participants[size_t(index)].Weight);
}

bool TModelDocument::SetParticipantWeight(int index, double weight)
{
    return index >= 0 && size_t(index) < FModel.Participants.size()
        && EditParticipant(index, FModel.Participants[size_t(index)].Name, weight);
}

bool TModelDocument::RemoveParticipant(int index)
{
    if (index < 0 || size_t(index) >= FModel.Participants.size())
        return false;
    std::vector<TParticipant> rest = FModel.Participants;
    rest.erase(rest.begin() + index);
    CheckWeights(rest);
    auto command = std::make_unique<TEditCommand>();
    command->Text = QCoreApplication::translate("Kalvo", "odstrani udeleženca %1").arg(FModel.Participants[size_t(index)].Name);
    command->Change = TModelChange::Group;
    // What each matrix gives up: the participant's texts, and for the last one the
    // matrix's own texts that theirs replace.
    struct TTaken
    {
        TParticipant Participant;
        std::vector<std::tuple<std::vector<int>, TJudgeTexts, TJudgeTexts>> Matrices;
    };
    auto taken = std::make_shared<TTaken>();
    command->Redo = [index, taken](TModel &model) {
        taken->Matrices.clear();
        taken->Participant = model.Participants[size_t(index)];
        model.Participants.erase(model.Participants.begin() + index);
        const bool last = model.Participants.empty();
        for (TCriterionNode *node : model.Tree.Nodes()) {
            if (!node->Matrix || size_t(index) >= node->Matrix->Judges.size())
                continue;
            TMatrix &m = *node->Matrix;
            TJudgeTexts judge = std::move(m.Judges[size_t(index)]);
            m.Judges.erase(m.Judges.begin() + index);
            TJudgeTexts own;
            if (last) {
                own = std::move(m.Ratios);
                m.Ratios = judge;
                m.Judges.clear();
            }
            taken->Matrices.emplace_back(TCriteriaTree::IndexPath(node), std::move(judge), std::move(own));
        }
    };
    command->Undo = [index, taken](TModel &model) {
        const bool last = model.Participants.empty();
        model.Participants.insert(model.Participants.begin() + index, taken->Participant);
        for (auto &[path, judge, own] : taken->Matrices) {
            TMatrix &m = *model.Tree.NodeAt(path)->Matrix;
            if (last)
                m.Ratios = std::move(own);
            m.Judges.insert(m.Judges.begin() + qMin(qsizetype(index), qsizetype(m.Judges.size())), std::move(judge));
        }
        taken->Matrices.clear();
    };
    return Run(std::move(command));
}

bool TModelDocument::ReplaceGroup(const TGroup &group, const QString &text)
{
    // A group after which the results would not compute is refused whole.
    CheckWeights(group.Participants);
    CheckGroupDetermines(FModel, group);
    auto command = std::make_unique<TEditCommand>();
    command->Text = text;
    command->Change = TModelChange::Group;
    command->Redo = [group](TModel &model) { SetGroup(model, group); };
    command->Undo = [before = GroupOf(FModel)](TModel &model) { SetGroup(model, before); };
    return Run(std::move(command));
}
