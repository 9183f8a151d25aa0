#pragma once

#include "model/EditCommand.h"
#include "model/Group.h"
#include "model/JudgementChange.h"
#include "model/Model.h"
#include "model/ModelChange.h"
#include "model/ViewChange.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// The model being edited, and the only way to change it: every edit is a command
// that keeps the model's rules at once (every matrix has the order of its items),
// goes into the history and can be undone and redone exactly. After each edit,
// undo or redo, Changed says what changed, and the views redraw from that alone.
// Reading (the grid, saving, the synthesis) goes through Model().
class TModelDocument : public QObject
{
    Q_OBJECT

public:
    explicit TModelDocument(QObject *parent = nullptr);
    ~TModelDocument() override;

    // The model, for reading: the views change it only through the edits below.
    const TModel &Model() const { return FModel; }
    // The model to write into: for the results object (the derived results), the
    // core's readers and tests; never a view.
    TModel &WritableModel() { return FModel; }

    // --- What the window shows: outside the history; each emits ViewChanged when
    // it changes something and says whether it did.
    // Whose judgements the ratio edits below change: a participant's (from 0) in a
    // matrix the group judges, or the matrix's own (-1).
    bool SetParticipant(int participant);
    int Participant() const { return FParticipant; }
    // The selected criterion (the synthesis' start).
    bool Select(TCriterionNode *node);
    bool SetMethod(bool exact);
    bool SetDebugMode(bool on);
    // Whose judgements the last edit, undo or redo changed (-1: the model's own, or
    // not judgements), so that results can recompute that participant's alone.
    int ChangedParticipant() const { return FChangedParticipant; }

    // --- Edits: each is one command; an edit that is refused throws before
    // anything changes, and one that would change nothing adds no command and
    // returns false.
    // Throws the refusal when the ratio edits cannot change node's matrix: a group's
    // matrix while no participant is shown (it is their aggregate).
    void CheckRatiosEditable(const TCriterionNode *node) const;
    // Grid cell (c, r) of node's ratio matrix and its mirror, as the ratio dialog answers.
    bool SetRatio(TCriterionNode *node, int c, int r, const QString &clicked, const QString &mirror);
    // The measured value of grid row r (from 1) of node's absolute matrix.
    bool SetValue(TCriterionNode *node, int r, const QString &text);
    // Leaves the pair of grid cell (c, r) and its mirror not compared (blank).
    bool SetBlank(TCriterionNode *node, int c, int r);
    // Consistency advice: both cells of every change.
    bool ApplyAdvice(TCriterionNode *node, const std::vector<TJudgementChange> &changes);
    // A last child of parent (a top-level node without one) comparing the solutions.
    // With ratings, a ratings leaf (kind: ckRelative compares its intensities,
    // ckMoreIsBetter gives each a direct value) on the default scale.
    bool AddCriterion(TCriterionNode *parent, const QString &name, TCriterionKind kind, bool ratings = false);
    // Removes a criterion with its subtree; the parent becomes selected. A
    // top-level node is not removed (false).
    bool RemoveCriterion(TCriterionNode *node);
    bool EditCriterion(TCriterionNode *node, const QString &name, TCriterionKind kind, bool ratings = false);
    // A ratings leaf's scale and ratings; each one edit. A scale keeps at least
    // two intensities; a removed intensity's solutions are no longer rated.
    bool RateSolution(TCriterionNode *node, int solution, int intensity);
    bool AddIntensity(TCriterionNode *node, const QString &name);
    bool RenameIntensity(TCriterionNode *node, int intensity, const QString &name);
    bool RemoveIntensity(TCriterionNode *node, int intensity);
    bool MoveIntensity(TCriterionNode *node, int from, int to);
    bool RenameCriterion(TCriterionNode *node, const QString &name);
    bool AddSolution(const QString &name);
    bool RenameSolution(int index, const QString &name);
    bool MarkSolution(int index);
    bool RemoveSolution(int index);
    bool RemoveAllSolutions();
    // The distributive (false) or the ideal mode (true) of the synthesis.
    bool SetIdealMode(bool ideal);
    // How the group's judgements are combined (AIJ, AIP, AIP-arithmetic).
    bool SetGroupMethod(TGroupMethod method);
    // The group. The first participant takes over every ratio matrix's judgements
    // (the results stay as they were); later ones start with none. Removing the
    // last gives the model their judgements back as its own.
    bool AddParticipant(const QString &name, double weight);
    // A participant's name and weight at once: one edit.
    bool EditParticipant(int index, const QString &name, double weight);
    bool RenameParticipant(int index, const QString &name);
    bool SetParticipantWeight(int index, double weight);
    bool RemoveParticipant(int index);
    // A whole group at once (a survey read): one edit. A group whose judgements
    // would leave a matrix's pairs apart is refused (CheckGroupDetermines).
    bool ReplaceGroup(const TGroup &group, const QString &text);

    // --- Not edits: they replace the model and start a new history.
    void NewModel(const QString &name);
    // Reads the set fileName names into the model (all or nothing: a refused set
    // leaves the model and its history as they were) and returns what the reader
    // has to tell (storage/ModelFiles' notes).
    QStringList Open(const QString &fileName);
    // Writes the model's set (all or nothing), marks the history clean and returns
    // what the writer has to tell.
    QStringList Save(const QString &fileName);
    // After the model was replaced in place (a file read into it): its matrices
    // fitted to their items, a new history.
    void ModelReplaced();

    // --- The history.
    bool CanUndo() const { return FIndex > 0; }
    bool CanRedo() const { return FIndex < int(FHistory.size()); }
    QString UndoText() const;
    QString RedoText() const;
    // The edit the next undo takes back, or none.
    const TEditCommand *LastCommand() const { return CanUndo() ? FHistory[size_t(FIndex - 1)].get() : nullptr; }
    // Whether the next undo takes back consistency advice applied to node.
    bool CanUndoAdvice(const TCriterionNode *node) const;
    void Undo();
    void Redo();
    int HistorySize() const { return int(FHistory.size()); }
    // Whether the files would differ from those last saved or read: an edit that
    // no file holds (the mark) does not count.
    bool IsModified() const;
    // The model is as its files are (after saving).
    void SetClean();
    void ClearHistory();

signals:
    // node: the criterion the edit concerns (after an undo, the one it concerned), or none.
    void Changed(TModelChange change, TCriterionNode *node);
    void HistoryChanged();
    void ViewChanged(TViewChange change);

private:
    bool Run(std::unique_ptr<TEditCommand> command);
    void Notify(const TEditCommand &command);
    bool EditRatios(TCriterionNode *node, std::vector<TJudgementChange> cells, const QString &text,
                    bool advice = false);

    bool EditJudgements(TCriterionNode *node, std::vector<TJudgementChange> cells, const QString &text);
    // One edit of a ratings leaf's matrix: change works on a copy (a refusal
    // throws before anything changes); the copy replaces the matrix.
    bool EditScale(TCriterionNode *node, const QString &text, const std::function<void(TMatrix &)> &change);
    // The shown participant is one the group has (after a group edit, undo or redo).
    void KeepParticipant();
    // Grid cell (c, r) and its mirror; caption names the items with %1 and %2.
    bool EditPair(TCriterionNode *node, int c, int r, const QString &clicked, const QString &mirror,
                  const QString &caption);

    TModel FModel;
    int FParticipant = -1;
    int FChangedParticipant = -1;
    std::vector<std::unique_ptr<TEditCommand>> FHistory;
    int FIndex = 0;    // commands before it are done, from it on undone
    int FClean = 0;    // the index at which the model was as its files; -1 when gone
};
