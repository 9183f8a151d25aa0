#include "matrix/Completion.h"

#include <QCoreApplication>

#include "matrix/FloatMath.h"
#include "matrix/KalvoError.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

int Root(std::vector<int> &parent, int i)
{
    while (parent[size_t(i)] != i)
        i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
    return i;
}

// The inverse of a symmetric positive definite m x m matrix (row-major), by
// Gauss-Jordan elimination with partial pivoting.
std::vector<double> Inverse(std::vector<double> a, int m)
{
    std::vector<double> inverse(size_t(m) * size_t(m), 0.0);
    for (int i = 0; i < m; ++i)
        inverse[size_t(i) * m + i] = 1.0;
    for (int col = 0; col < m; ++col) {
        int pivot = col;
        for (int row = col + 1; row < m; ++row)
            if (std::fabs(a[size_t(row) * m + col]) > std::fabs(a[size_t(pivot) * m + col]))
                pivot = row;
        if (pivot != col)
            for (int k = 0; k < m; ++k) {
                std::swap(a[size_t(col) * m + k], a[size_t(pivot) * m + k]);
                std::swap(inverse[size_t(col) * m + k], inverse[size_t(pivot) * m + k]);
            }
        const double diagonal = a[size_t(col) * m + col];
        for (int k = 0; k < m; ++k) {
            a[size_t(col) * m + k] = Divide(a[size_t(col) * m + k], diagonal);
            inverse[size_t(col) * m + k] = Divide(inverse[size_t(col) * m + k], diagonal);
        }
        for (int row = 0; row < m; ++row) {
            const double factor = a[size_t(row) * m + col];
            if (row == col || factor == 0.0)
                continue;
            for (int k = 0; k < m; ++k) {
                a[size_t(row) * m + k] -= factor * a[size_t(col) * m + k];
                inverse[size_t(row) * m + k] -= factor * inverse[size_t(col) * m + k];
            }
        }
    }
    return inverse;
}

} // namespace

QString DisconnectedMessage(const QStringList &items)
{
    QStringList quoted;
    for (const QString &item : items)
        quoted << QStringLiteral("»%1«").arg(EKalvoError::Quote(item));
    return QCoreApplication::translate("Kalvo", "Nobena primerjava ne povezuje %1 z ostalimi postavkami, zato uteži niso določene. "
                          "Primerjajte vsaj en par med njimi in ostalimi.")
        .arg(quoted.join(QStringLiteral(", ")));
}

QString DisconnectedMessage(const TCompletion &completion, const QStringList &items)
{
    QStringList loose;
    for (const QString &number : completion.LooseItems())
        loose << items.value(number.toInt() - 1, number);
    QString message = DisconnectedMessage(loose);
    if (const auto next = completion.NextPair())
        message += QCoreApplication::translate("Kalvo", " Naslednja primerjava: »%1« : »%2«.")
                       .arg(EKalvoError::Quote(items.value(next->first)), EKalvoError::Quote(items.value(next->second)));
    return message;
}

QString CompletedRatioText(double value)
{
    constexpr double most = std::numeric_limits<qint32>::max();
    if (value >= 1.0)
        return QStringLiteral("%1:1000").arg(qint64(std::min(std::round(value * 1000.0), most)));
    return QStringLiteral("1000:%1").arg(qint64(std::min(std::round(1000.0 / value), most)));
}

TCompletion::TCompletion(int order, const std::vector<double> &values) : FOrder(std::max(order, 0))
{
    const size_t n = size_t(FOrder);
    auto at = [&](int r, int c) { return size_t(r) * n + size_t(c) < values.size() ? values[size_t(r) * n + size_t(c)] : 0.0; };
    Build([&](int r, int c) { return !(at(r, c) > 0.0) || !(at(c, r) > 0.0); },
          [&](int r, int c) { return std::log(at(r, c)); });
}

void TCompletion::Build(const std::function<bool(int, int)> &isBlank, const std::function<double(int, int)> &logValue)
{
    const int n = FOrder;
    FBlankCells.assign(size_t(n) * size_t(n), 0);
    std::vector<int> parent(static_cast<size_t>(n));
    std::iota(parent.begin(), parent.end(), 0);
    // The Laplacian of the comparison graph and the right-hand side of the
    // normal equations: a pair judged both ways counts the mean of its two logs.
    std::vector<double> laplacian(size_t(n) * size_t(n), 0.0), b(size_t(n), 0.0);
    for (int r = 0; r < n; ++r)
        for (int c = r + 1; c < n; ++c) {
            if (isBlank(r, c)) {
                FBlankCells[size_t(r) * n + c] = FBlankCells[size_t(c) * n + r] = 1;
                FBlank.emplace_back(r, c);
                continue;
            }
            const double d = 0.5 * (logValue(r, c) - logValue(c, r));
            laplacian[size_t(r) * n + r] += 1.0;
            laplacian[size_t(c) * n + c] += 1.0;
            laplacian[size_t(r) * n + c] -= 1.0;
            laplacian[size_t(c) * n + r] -= 1.0;
            b[size_t(r)] += d;
            b[size_t(c)] -= d;
            parent[size_t(Root(parent, r))] = Root(parent, c);
        }

    std::vector<int> partOf(size_t(n), -1);
    for (int i = 0; i < n; ++i) {
        const int root = Root(parent, i);
        if (partOf[size_t(root)] < 0) {
            partOf[size_t(root)] = int(FParts.size());
            FParts.emplace_back();
        }
        FParts[size_t(partOf[size_t(root)])].push_back(i);
    }

    if (!Connected()) {
        for (const auto &[r, c] : FBlank)
            if (Root(parent, r) != Root(parent, c)) {
                FNext = std::make_pair(r, c);
                break;
            }
        return;
    }
    if (n == 0)
        return;

    // Item 0 grounded (y_0 = 0): the rest of the Laplacian is positive definite
    // on a connected graph, and its inverse gives both y and the resistances.
    const int m = n - 1;
    std::vector<double> reduced(size_t(m) * size_t(m));
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < m; ++j)
            reduced[size_t(i) * m + j] = laplacian[size_t(i + 1) * n + (j + 1)];
    FGreen = Inverse(std::move(reduced), m);
    FLog.assign(size_t(n), 0.0);
    for (int i = 0; i < m; ++i) {
        double y = 0.0;
        for (int j = 0; j < m; ++j)
            y += FGreen[size_t(i) * m + j] * b[size_t(j + 1)];
        FLog[size_t(i + 1)] = Checked(y);
    }
    const double top = *std::max_element(FLog.begin(), FLog.end());
    double sum = 0.0;
    FWeights.resize(size_t(n));
    for (int i = 0; i < n; ++i)
        sum += FWeights[size_t(i)] = std::exp(FLog[size_t(i)] - top);
    for (double &w : FWeights)
        w = Divide(w, sum);

    double best = -1.0;
    for (const auto &[r, c] : FBlank) {
        const double resistance = Resistance(r, c);
        if (resistance > best + 1e-12 * std::max(1.0, best)) {
            best = resistance;
            FNext = std::make_pair(r, c);
        }
    }
}

bool TCompletion::IsBlank(int r, int c) const
{
    return r >= 0 && c >= 0 && r < FOrder && c < FOrder && FBlankCells[size_t(r) * FOrder + c];
}

double TCompletion::Value(int r, int c) const
{
    return Checked(std::exp(FLog[size_t(r)] - FLog[size_t(c)]));
}

double TCompletion::Resistance(int i, int j) const
{
    const int m = FOrder - 1;
    auto g = [&](int a, int b) { return a == 0 || b == 0 ? 0.0 : FGreen[size_t(a - 1) * m + (b - 1)]; };
    return g(i, i) + g(j, j) - 2.0 * g(i, j);
}

QStringList TCompletion::LooseItems() const
{
    // The largest part is "the rest"; every other item is loose.
    size_t largest = 0;
    for (size_t part = 1; part < FParts.size(); ++part)
        if (FParts[part].size() > FParts[largest].size())
            largest = part;
    std::vector<int> loose;
    for (size_t part = 0; part < FParts.size(); ++part)
        if (part != largest)
            loose.insert(loose.end(), FParts[part].begin(), FParts[part].end());
    std::sort(loose.begin(), loose.end());
    QStringList items;
    for (int item : loose)
        items << QString::number(item + 1);
    return items;
}
