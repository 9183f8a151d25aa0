#pragma once

#include "model/GroupMethod.h"

#include "model/CriteriaTree.h"
#include "model/Participant.h"
#include "model/Solution.h"
#include "model/StatusLine.h"
#include "model/SubcriterionBar.h"

#include <QStringList>

#include <vector>

// The decision model: the criteria tree, the solutions, the current file name and
// what the last synthesis derived (scores, status line, sub-criterion bars).
// It is the one place that holds names; views read them from here.
// A new ratings leaf's scale: five intensities from "Odlično" to "Slabo", each step
// down worth about half as much again, every solution not rated yet.
std::unique_ptr<TMatrix> DefaultRatingScale(int solutions);

class TModel
{
public:
    TModel();
    TModel(const TModel &) = delete;
    TModel &operator=(const TModel &) = delete;

    TCriteriaTree Tree;
    std::vector<TSolution> Solutions;
    int MarkedSolution = 0;
    QString ProjectFileName;
    // The absolute base name of the file set this model was last read from or
    // written to; saving over any other existing set asks first.
    QString KnownFileSet;
    // A fingerprint of that set's files as this model read or wrote them: a save
    // asks first when the files on disk have changed since (another window saved).
    QByteArray KnownFileStamp;

    // How the synthesis computes a relative matrix: the exact method (the 8th
    // power of the matrix) or the approximate one; and whether the criterion
    // report adds its working tables ("Debug"). They belong to the program's
    // session, so replacing the model's content (Swap) keeps them.
    bool ExactMethod = true;
    bool DebugMode = false;
    void SetMethod(bool exact) { ExactMethod = exact; }
    void SetDebugMode(bool on) { DebugMode = on; }

    // How the leaves' shares add up: distributive (each leaf's shares sum to 1) or
    // ideal (each leaf's shares divided by its best one, so that adding a copy of
    // a solution keeps the others' order). A property of the model, stored with it.
    bool IdealMode = false;
    // How a group's judgements are combined (stored with the set).
    TGroupMethod GroupMethod = TGroupMethod::Aij;

    // A group that judges the model: the ratio matrices that hold their
    // judgements (TMatrix::Judges, one per participant) compute from the group's
    // aggregate. Empty: one judge, the matrices' own texts.
    std::vector<TParticipant> Participants;

    TStatusLine Status;
    std::vector<TSubcriterionBar> SubcriterionBars;
    // The last refresh failed: the scores, bars and status say that the weights
    // are not determined (RefreshResults).
    bool Undetermined = false;

    int SolutionCount() const { return int(Solutions.size()); }

    // The items a node's matrix compares: its children, or the solutions for a leaf.
    int ItemCount(const TCriterionNode *node) const;
    QStringList ItemNames(const TCriterionNode *node) const;

    // The dimension rule: the node's matrix gets the order of its items, or a new
    // ckRelative matrix of that order when it has none.
    void FitNodeMatrix(TCriterionNode *node);
    // The node's matrix as the dimension rule makes it, without changing the
    // model: the matrix itself when it already follows its items, else a fitted
    // copy in scratch.
    const TMatrix &FittedMatrix(const TCriterionNode *node, std::unique_ptr<TMatrix> &scratch) const;

    // The measured leaves whose value of solution k is not typed yet, in tree order.
    std::vector<TCriterionNode *> AwaitingValues(int k) const;

    // Fits the matrix of every leaf criterion that has one to the solutions.
    void FitLeafMatrices();

    // Appends a solution and marks it. The caller refreshes (AnalyzeAll). A solution
    // that a relative leaf could not compare (beyond MaxRelativeOrder) is refused.
    void AddSolution(const QString &name);
    void MarkSolution(int index);
    // The criterion dialog's edit: a new name and kind. Both sets of judgements
    // (ratio texts and measured values) stay, so switching back loses nothing.
    void EditCriterion(TCriterionNode *node, const QString &name, TCriterionKind kind, bool ratings = false);
    // A ratings leaf's intensities given direct values, from the best down: k, ..., 1.
    static void SetDirectValues(TMatrix &scale);
    // "Nov model": a root named name without a matrix, no solutions, no bars, the
    // name as the file name; the root is selected.
    void NewModel(const QString &name);

    // Back to the start state: one nameless root without a matrix, no solutions,
    // no file name, nothing derived.
    void Reset();
    // Exchanges everything with another model: a model read whole elsewhere
    // replaces this one in one step.
    void Swap(TModel &other);
};
