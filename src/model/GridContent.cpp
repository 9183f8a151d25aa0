#include "model/GridContent.h"

#include <QCoreApplication>

#include "matrix/Completion.h"
#include "matrix/Conversions.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/Group.h"

#include <QLocale>

QString TGridContent::Cell(int c, int r) const
{
    const auto it = FCells.find({c, r});
    return it == FCells.end() ? QString() : it->second;
}

TGridContent::TLook TGridContent::Look(int c, int r) const
{
    const auto it = FLooks.find({c, r});
    return it == FLooks.end() ? TLook::Judged : it->second;
}

QString TGridContent::LookTooltip(TLook look)
{
    switch (look) {
    case TLook::Completed:
        return QCoreApplication::translate("Kalvo", "Ni primerjano; dopolnjeno iz ostalih primerjav");
    case TLook::Group:
        return QCoreApplication::translate("Kalvo", "Skupina: tehtana geometrična sredina sodb udeležencev. "
                                                    "Sodbe spreminjate, ko izberete udeleženca.");
    case TLook::Untyped:
        return QCoreApplication::translate("Kalvo", "Vrednost še ni vnesena (za zdaj 1)");
    case TLook::Judged:
        break;
    }
    return QString();
}

QString TGridContent::GroupText(double value)
{
    auto number = [](double v) {
        QString text = QLocale().toString(v, 'f', 2);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLocale().decimalPoint()))
            text.chop(QLocale().decimalPoint().size());
        return text;
    };
    if (!(value > 0.0))
        return QString();
    if (number(value) == QLatin1String("1") && number(1.0 / value) == QLatin1String("1"))
        return QStringLiteral("1");
    return value >= 1.0 ? number(value) + QStringLiteral(":1") : QStringLiteral("1:") + number(1.0 / value);
}

void TGridContent::ShowGroup(const TModel &model, const TMatrix &m)
{
    // A text that is no ratio is reported by the synthesis; the cells stay empty until then.
    std::vector<double> values;
    try {
        values = GroupAggregate(model, m);
    } catch (const EKalvoError &) {
        values.assign(size_t(m.Order) * size_t(m.Order), 0.0);
    }
    const TCompletion completion(m.Order, values);
    for (int r = 0; r < m.Order; ++r)
        for (int c = 0; c < m.Order; ++c) {
            const double value = values[size_t(r) * size_t(m.Order) + size_t(c)];
            if (r == c) {
                SetCell(c + 1, r + 1, QStringLiteral("1"));
            } else if (value > 0.0) {
                SetCell(c + 1, r + 1, GroupText(value));
                FLooks[{c + 1, r + 1}] = TLook::Group;
            } else {
                SetCell(c + 1, r + 1, completion.Connected() ? FormatFloat4(completion.Value(r, c)) : QString());
                FLooks[{c + 1, r + 1}] = TLook::Completed;
            }
        }
}

void TGridContent::ShowCompletion(const TMatrix &m)
{
    // A judged text that is no ratio is reported by the synthesis; until it is
    // mended the blank cells stay empty, as while the graph falls apart.
    const std::optional<TCompletion> completion = TryCompletion(m);
    for (int r = 0; r < m.Order; ++r)
        for (int c = 0; c < m.Order; ++c)
            if (IsBlankPair(m, r, c)) {
                FLooks[{c + 1, r + 1}] = TLook::Completed;
                SetCell(c + 1, r + 1, completion && completion->Connected()
                                          ? FormatFloat4(completion->Value(r, c)) : QString());
            }
}

QString TGridContent::AbsoluteHeading(TCriterionKind kind)
{
    return kind == ckLessIsBetter ? QCoreApplication::translate("Kalvo", "Manj je boljše") : QCoreApplication::translate("Kalvo", "Več je boljše");
}

QString TGridContent::KindTooltip(TCriterionKind kind)
{
    switch (kind) {
    case ckRelative: return QCoreApplication::translate("Kalvo", " - Relativna razmerja");
    case ckLessIsBetter: return QCoreApplication::translate("Kalvo", " - Absolutne vrednosti - manj je boljše");
    case ckMoreIsBetter: return QCoreApplication::translate("Kalvo", " - Absolutne vrednosti - več je boljše");
    }
    return QString();
}

TGridContent TGridContent::Fill(const TModel &model, const TCriterionNode *node, bool *shown, int participant)
{
    TGridContent grid;
    grid.TreeTooltip = QCoreApplication::translate("Kalvo", "Kriteriji");
    if (!node)
        node = model.Tree.Selected();
    if (shown)
        *shown = node != nullptr;
    if (!node)
        return grid;

    grid.SetCell(0, 0, node->Name);
    // A criterion without a matrix yet (a new root) has no kind to tell.
    if (node->Matrix)
        grid.TreeTooltip = node->Name + KindTooltip(node->Matrix->Kind);
    std::unique_ptr<TMatrix> scratch;
    const TMatrix &m = model.FittedMatrix(node, scratch);
    const QStringList items = model.ItemNames(node);
    const int n = m.Order;
    if (m.Kind == ckLessIsBetter || m.Kind == ckMoreIsBetter) {
        for (int k = 1; k <= n; ++k) {
            grid.SetCell(1, k, m.AbsoluteValues[size_t(k - 1)]);
            if (m.IsUntyped(k - 1))
                grid.FLooks[{1, k}] = TLook::Untyped;
        }
        grid.SetCell(1, 0, AbsoluteHeading(m.Kind));
        grid.ColCount = 2;
        for (int k = 1; k <= n; ++k) {
            grid.SetCell(0, k, items.value(k - 1));
            grid.RowCount = k + 1;
        }
    } else if (m.Kind == ckRelative) {
        const bool judge = participant >= 0 && size_t(participant) < m.Judges.size();
        const TMatrix own = judge ? JudgeMatrix(m, size_t(participant)) : TMatrix(0, ckRelative);
        const TMatrix &texts = judge ? own : m;
        if (!judge && !m.Judges.empty() && !model.Participants.empty()) {
            grid.ShowGroup(model, m);   // the group's own matrix, which nobody edits
        } else {
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r)
                    grid.SetCell(c, r, texts.Ratios[size_t(c - 1)][size_t(r - 1)]);
            if (HasBlankPairs(texts))
                grid.ShowCompletion(texts);
        }
        for (int k = 1; k <= n; ++k) {
            grid.SetCell(k, 0, items.value(k - 1));
            grid.SetCell(0, k, items.value(k - 1));
            grid.ColCount = k + 1;
            grid.RowCount = k + 1;
        }
    }
    return grid;
}
