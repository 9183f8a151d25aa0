#pragma once

#include "matrix/Completion.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

// How a criterion's priority vector is obtained. Stored as these numbers in the
// matrix file; a file may bring any other 32-bit value, which computes nothing.
enum TCriterionKind : qint32 {
    ckRelative = 0,      // pairwise ratio texts
    ckLessIsBetter = 1,  // reciprocals of the absolute values
    ckMoreIsBetter = 2   // the absolute values themselves
};

// Random consistency index by matrix order; defined for orders 2 to 10 only.
inline constexpr std::array<double, 11> RandomIndex = {
    0.0, 0.0, 0.5, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.51
};

// Whether a relative matrix of this order has a consistency ratio at all: CR
// divides by the random index, known for orders 2 to 10. Above that the CR field
// holds 0, which must never be shown as perfect consistency.
inline constexpr bool HasRandomIndex(qint32 order)
{
    return order >= 2 && size_t(order) < RandomIndex.size();
}

// "celica (2, 3)": where in a matrix an error happened, row and column from 0 shown from 1.
QString CellPlace(qint32 r, qint32 c);

// Shown (through ShowMessage) when a relative matrix above order 10 is computed,
// once for each order the matrix takes.
QString NoRandomIndexMessage();

// No one compares more items by hand, and order n costs n x n texts: a relative
// matrix of a higher order is refused before anything is allocated.
inline constexpr qint32 MaxRelativeOrder = 200;
QString TooLargeMessage(qint32 order);
// A measured value below zero, met when an absolute matrix is computed.
QString NegativeValueError(const QString &text);

// The consistency ratio above which the status line warns.
inline constexpr double AcceptableCR = 0.1;
// The consistency ratio up to which the cell of largest deviation is not shown.
inline constexpr double MaxDThreshold = 0.001;

// The first pair of mirrored cells (row r < column c, 1-based) whose judgements
// are not each other's reciprocal, as "celici (r, c) in (c, r) (x in y)", or ""
// when every pair agrees. Only a file can bring such a pair; the ratio dialog
// always writes both cells.
QString NonReciprocalPair(const class TMatrix &matrix);

// One item's share of a matrix, as RemoveItem drops it, so that it can be put
// back exactly: its column and its cells in the other columns (only where the
// matrix held ratio texts for it), its measured value and its weight.
// One participant's ratio texts of a matrix, [column][row] as Ratios; "" where
// they left a pair blank.
using TJudgeTexts = std::vector<std::vector<QString>>;

struct TMatrixItem
{
    bool InRatios = false;
    std::vector<QString> Column;
    std::vector<QString> Row;
    std::vector<std::pair<std::vector<QString>, std::vector<QString>>> Judges;   // each judge's column and row
    QString Value;
    bool Untyped = false;
    double Weight = 0.0;
};

// A ratings leaf's scale: its matrix compares these intensities (by ratio texts,
// or by a direct value each when the matrix measures "more is better"), and each
// solution is rated with one of them (its index; -1: not rated). Ratings follow
// the solutions, the intensities the matrix's items.
struct TRatingScale
{
    std::vector<QString> Intensities;
    std::vector<qint32> Ratings;
};

// The comparison matrix of one criterion node: the texts the user entered and
// what is derived from them. Ratios[c][r] (column first) states how item r
// relates to item c, so its value is the matrix entry a(r, c). Ratios holds
// Order x Order texts whenever Kind is ckRelative; a matrix of another kind keeps
// only the texts it had when it was relative (readers use RatioText).
class TMatrix
{
public:
    TCriterionKind Kind = ckRelative;
    qint32 Order = 0;
    std::vector<std::vector<QString>> Ratios;
    std::vector<std::vector<double>> PoweredMatrix;   // (n+1) x (n+1), [column][row]
    std::vector<QString> AbsoluteValues;
    // Measured values not typed yet: a new solution's placeholder "1" (the files
    // hold it as any value; only the open model knows). Empty: all typed.
    std::vector<bool> Untyped;
    bool IsUntyped(qint32 item) const { return item >= 0 && size_t(item) < Untyped.size() && Untyped[size_t(item)]; }
    std::vector<double> Vector;
    double Lambda = 0.0;
    double CI = 0.0;
    double CR = 0.0;
    double MaxD = 0.0;
    qint32 MaxDRow = 0;
    qint32 MaxDCol = 0;
    // The completed values of blank pairs (both mirrored texts empty: not
    // compared) as the last Compute found them, row-major a(r, c); empty when the
    // matrix had none. See TCompletion.
    std::vector<double> Completed;
    bool IsCompleted(qint32 c, qint32 r) const;
    // Values a(r, c), row-major, that stand for the ratio texts when given (a
    // group's aggregate, computed at full precision); a pair whose value is not
    // above 0 is blank and is completed as a blank pair is.
    std::vector<double> Given;
    // Weights that stand for the computed vector when given (a group combined by
    // the aggregate of its participants' own weights, AIP).
    std::vector<double> GivenVector;
    // A group's judgements: each participant's texts, following the items as
    // Ratios does; the group's matrix is their aggregate (Given), not Ratios.
    std::vector<TJudgeTexts> Judges;
    // Set for a ratings leaf (see TRatingScale): the matrix's items are its intensities.
    std::optional<TRatingScale> Scale;
    bool IsRatings() const { return Scale.has_value(); }
    // A ratings leaf's idealised value of intensity m (its share over the best
    // share), from the last computation; 0 for none.
    double IdealValue(qint32 intensity) const;
    // The value a(r, c) the last computation used: a given or completed value, or the text's.
    double CellValue(qint32 c, qint32 r) const;

    // Create: a matrix of the given order and kind whose texts are all "1". A
    // relative matrix above MaxRelativeOrder throws (as SetOrder).
    TMatrix(qint32 order, TCriterionKind kind);

    // Resizes at the end, keeping every text whose indices stay in range; new
    // cells and empty measured values become "1" (an empty ratio text is a blank
    // pair and stays). Derived measures are left alone.
    void SetOrder(qint32 n);

    // The text of cell (c, r), "1" where an absolute matrix holds none.
    QString RatioText(qint32 c, qint32 r) const;

    // Recomputes Vector (and for ckRelative the consistency measures) by Kind and,
    // for ckRelative, by the method: exactMethod for the 8th power of the matrix,
    // otherwise the approximate one. Failures throw EKalvoError; fields written
    // before the failing step keep their new values.
    void Compute(bool exactMethod);

    void ComputeApproximate();
    void ComputeExact();
    void ComputePowered();
    void ComputeLessIsBetter();
    void ComputeMoreIsBetter();

    // Drops one item's row and column (and absolute value and weight), so the
    // remaining judgements stay with their items when an item is removed.
    void RemoveItem(qint32 index);
    // RemoveItem that hands back what it dropped, and its inverse.
    TMatrixItem TakeItem(qint32 index);
    void PutItem(qint32 index, TMatrixItem item);

private:
    qint32 FWarnedOrder = -1;    // the order the missing random index was last shown for
    void CheckOrder(qint32 n) const;
    void CompleteRatios();       // Order x Order texts, the missing ones "1" (empty ones are blank pairs)
    void CompleteBlankPairs();   // Completed, or the error of a comparison graph that falls apart
    void ComputeConsistency();   // lambda, CI, CR and the cell of largest deviation
};

// Whether the pair (r, c) of a ratio matrix is blank: a mirrored cell is empty.
bool IsBlankPair(const TMatrix &matrix, int r, int c);
bool HasBlankPairs(const TMatrix &matrix);
// The values a(r, c) of the judged cells, row-major, 0 for a blank pair: what a
// completion reads. A text that is no ratio, or not above 0, throws, naming its
// cell (pairs in row-major order, each cell before its mirror).
std::vector<double> JudgedValues(const TMatrix &matrix);
// The completion of the judged cells (throws as JudgedValues), or none when a
// judged text is no ratio (the synthesis reports that).
TCompletion CompletionOf(const TMatrix &matrix);
std::optional<TCompletion> TryCompletion(const TMatrix &matrix);
// The blank pairs of a matrix as it is computed: the group's aggregate (Given)
// when it has one, else its own texts'; nothing when it has none. A judged text
// that is no ratio throws (BlankPairsOf) or gives none (TryBlankPairsOf).
std::optional<TCompletion> BlankPairsOf(const TMatrix &matrix);
std::optional<TCompletion> TryBlankPairsOf(const TMatrix &matrix);
