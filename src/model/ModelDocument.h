#pragma once

#include "model/EditCommand.h"
#include "model/Group.h"
#include "model/JudgementChange.h"
#include "model/Model.h"
#include "model/ModelChange.h"

#include <QObject>

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

    TModel &Model() { return FModel; }
    const TModel &Model() const { return FModel; }

    // --- Edits: each is one command; an edit that is refused throws before
    // anything changes, and one that would change nothing adds no command.
    // Whose judgements the ratio edits below change: a participant's (from 0) in a
    // matrix the group judges, or the matrix's own (-1). Not part of the history.
    void SetParticipant(int participant) { FParticipant = participant; }
    int Participant() const { return FParticipant; }
    // Throws the refusal when the ratio edits cannot change node's matrix: a group's
    // matrix while no participant is shown (it is their aggregate).
    void CheckRatiosEditable(const TCriterionNode *node) const;
    // Grid cell (c, r) of node's ratio matrix and its mirror, as the ratio dialog answers.
    void SetRatio(TCriterionNode *node, int c, int r, const QString &clicked, const QString &mirror);
    // The measured value of grid row r (from 1) of node's absolute matrix.
    void SetValue(TCriterionNode *node, int r, const QString &text);
    // Leaves the pair of grid cell (c, r) and its mirror not compared (blank).
    void SetBlank(TCriterionNode *node, int c, int r);
    // Consistency advice: both cells of every change.
    void ApplyAdvice(TCriterionNode *node, const std::vector<TJudgementChange> &changes);
    // A last child of parent (a top-level node without one) comparing the solutions.
    void AddCriterion(TCriterionNode *parent, const QString &name, TCriterionKind kind);
    // Removes a criterion with its subtree; the parent becomes selected. A
    // top-level node is not removed (false).
    bool RemoveCriterion(TCriterionNode *node);
    void EditCriterion(TCriterionNode *node, const QString &name, TCriterionKind kind);
    void RenameCriterion(TCriterionNode *node, const QString &name);
    void AddSolution(const QString &name);
    void RenameSolution(int index, const QString &name);
    void MarkSolution(int index);
    void RemoveSolution(int index);
    void RemoveAllSolutions();
    // The group. The first participant takes over every ratio matrix's judgements
    // (the results stay as they were); later ones start with none. Removing the
    // last gives the model their judgements back as its own.
    void AddParticipant(const QString &name, double weight);
    // A participant's name and weight at once: one edit.
    void EditParticipant(int index, const QString &name, double weight);
    void RenameParticipant(int index, const QString &name);
    void SetParticipantWeight(int index, double weight);
    void RemoveParticipant(int index);
    // A whole group at once (a survey read): one edit. A group whose judgements
    // would leave a matrix's pairs apart is refused (CheckGroupDetermines).
    void ReplaceGroup(const TGroup &group, const QString &text);

    // --- Not edits: they replace the model and start a new history.
    void NewModel(const QString &name);
    // After the model was replaced in place (a file read into it): its matrices
    // fitted to their items, a new history.
    void ModelReplaced();
    // The selected criterion (the synthesis' start); not part of the history.
    void Select(TCriterionNode *node) { FModel.Tree.Select(node); }

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

private:
    void Run(std::unique_ptr<TEditCommand> command);
    void Notify(const TEditCommand &command);
    void EditRatios(TCriterionNode *node, std::vector<TJudgementChange> cells, const QString &text,
                    bool advice = false);

    void EditJudgements(TCriterionNode *node, std::vector<TJudgementChange> cells, const QString &text);
    // Grid cell (c, r) and its mirror; caption names the items with %1 and %2.
    void EditPair(TCriterionNode *node, int c, int r, const QString &clicked, const QString &mirror,
                  const QString &caption);

    TModel FModel;
    int FParticipant = -1;
    std::vector<std::unique_ptr<TEditCommand>> FHistory;
    int FIndex = 0;    // commands before it are done, from it on undone
    int FClean = 0;    // the index at which the model was as its files; -1 when gone
};
