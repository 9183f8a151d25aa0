#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// A ratio matrix with blank pairs (both mirrored cells empty: not compared),
// completed from the judged ones. The judged pairs form the comparison graph;
// while it is connected the logarithmic least squares weights are unique
// (y = log w minimises the sum over judged cells of (log a(r, c) - y_r + y_c)^2,
// a solve with the graph's Laplacian), and a blank cell (r, c) is completed with
// w_r / w_c. The next pair to ask is the blank one of largest effective
// resistance between its items (the judgement that adds the most spanning trees);
// while the graph is not connected, the first blank pair that joins two parts.
// Items and pairs count from 0 here; ties go to the first pair in row-major order.
class TCompletion
{
public:
    // From values a(r, c), row-major; a pair with a value that is not above 0 is
    // blank (a matrix's judged values: JudgedValues, matrix/Matrix.h).
    TCompletion(int order, const std::vector<double> &values);

    int Order() const { return FOrder; }
    bool Connected() const { return FParts.size() <= 1; }
    // The items of each part of the comparison graph, the part of item 0 first.
    const std::vector<std::vector<int>> &Parts() const { return FParts; }
    // Blank pairs (r < c) in row-major order.
    const std::vector<std::pair<int, int>> &Blank() const { return FBlank; }
    bool IsBlank(int r, int c) const;
    // The weights, summing to 1; only while connected.
    const std::vector<double> &Weights() const { return FWeights; }
    // The completed value of cell (r, c), w_r / w_c; only while connected.
    double Value(int r, int c) const;
    std::optional<std::pair<int, int>> NextPair() const { return FNext; }
    // Effective resistance between items i and j; only while connected.
    double Resistance(int i, int j) const;

    // The items outside the largest part of the graph, as numbers from 1.
    QStringList LooseItems() const;

private:
    void Build(const std::function<bool(int, int)> &isBlank, const std::function<double(int, int)> &logValue);

    int FOrder = 0;
    std::vector<char> FBlankCells;            // row-major, both triangles
    std::vector<std::pair<int, int>> FBlank;
    std::vector<std::vector<int>> FParts;
    std::vector<double> FLog;                 // y = log w, up to a constant
    std::vector<double> FWeights;
    std::vector<double> FGreen;               // inverse of the Laplacian grounded at item 0, (n-1) x (n-1)
    std::optional<std::pair<int, int>> FNext;
};

// "Primerjave ne povežejo »C«, »D« z ostalimi postavkami …": the weights of a
// matrix whose comparison graph falls apart are not determined.
QString DisconnectedMessage(const QStringList &items);
// The same for a completion whose graph falls apart, its items named (items[i] is
// item i), with the pair to compare next that joins two parts.
QString DisconnectedMessage(const TCompletion &completion, const QStringList &items);
// A completed value as an integer fraction every reader of the files takes ("2892:1000").
QString CompletedRatioText(double value);
