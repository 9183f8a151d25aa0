#include "model/GridEdits.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"
#include "matrix/Conversions.h"
#include "model/NodePath.h"

#include <algorithm>
#include <cstdlib>

TRatioPreset PresetRatio(const QString &cellText)
{
    const TRatio ratio = ParseRatio(cellText);
    const int a = ratio.Numerator;
    const int b = ratio.Denominator;
    auto scale = [](int term) { return std::min(term, 100); };
    TRatioPreset preset;
    if (a == 1 && b == 1) {
        preset.Position = 8;
    } else if (a == 1 && b <= 9) {
        preset.Position = b + 7;
    } else if (a == 1) {
        preset.Steps = scale(b);
        preset.TrackMax = 2 * preset.Steps - 2;
        preset.Position = preset.TrackMax;
    } else if (a <= 9) {
        preset.Position = 9 - a;
    } else {
        preset.Steps = scale(a);
        preset.TrackMax = 2 * preset.Steps - 2;
        preset.Position = 0;
    }
    return preset;
}

TRatioPreset PresetForPair(const TModel &model, const TCriterionNode *node, int c, int r, int participant)
{
    if (!node || !node->Matrix || c < 1 || r < 1 || c == r)
        return {};
    std::unique_ptr<TMatrix> scratch;
    const TMatrix &m = model.FittedMatrix(node, scratch);
    if (c > m.Order || r > m.Order)
        return {};
    const bool judge = participant >= 0 && size_t(participant) < m.Judges.size();
    auto text = [&](int col, int row) {
        return judge ? m.Judges[size_t(participant)][size_t(col - 1)][size_t(row - 1)] : m.RatioText(col - 1, row - 1);
    };
    if (text(c, r).isEmpty() || text(r, c).isEmpty())
        return {};
    return WithContext([&] { return CriterionPlace(node) + QStringLiteral(", ") + CellPlace(r - 1, c - 1); },
                       [&] { return PresetRatio(text(c, r)); });
}

TRatioAnswer RatioAnswer(int position, int trackMax)
{
    const int h = trackMax / 2;
    const QString k = QString::number(std::abs(position - h) + 1);
    TRatioAnswer answer;
    if (position > h) {
        answer.Mirror = k + QStringLiteral(":1");
        answer.Clicked = QStringLiteral("1:") + k;
    } else {
        answer.Mirror = QStringLiteral("1:") + k;
        answer.Clicked = k + QStringLiteral(":1");
    }
    if (answer.Mirror == QLatin1String("1:1"))
        answer.Mirror = answer.Clicked = QStringLiteral("1");
    return answer;
}

namespace {

TTypedValue KindOf(const TCriterionNode *node, int r, const QString &value, bool final)
{
    if (value.isEmpty() || !node)
        return TTypedValue::Ignored;
    if (!node->Matrix || node->Matrix->Kind == ckRelative)
        return TTypedValue::Relative;
    if (r < 1 || r > node->Matrix->Order)
        return TTypedValue::Ignored;
    if (IsFloat(value)) {
        const double number = StrToFloat(value);
        if (number <= 0.0)
            return !final ? TTypedValue::Incomplete : number == 0.0 ? TTypedValue::Zero : TTypedValue::Negative;
        return final ? TTypedValue::Stored : TTypedValue::Typing;
    }
    if (!final && IsFloat(value + QLatin1Char('0')))
        return TTypedValue::Incomplete;
    return TTypedValue::Restored;
}

} // namespace

TTypedEntry TypeAbsoluteValue(const TCriterionNode *node, int r, const QString &text, bool final)
{
    const QString value = NormalizeTypedValue(text);
    TTypedEntry entry;
    entry.Kind = KindOf(node, r, value, final);
    entry.Text = text;
    if (entry.Kind == TTypedValue::Ignored || entry.Kind == TTypedValue::Relative)
        return entry;
    entry.Stored = node->Matrix->AbsoluteValues[size_t(r - 1)];
    switch (entry.Kind) {
    case TTypedValue::Typing:
    case TTypedValue::Stored:
        entry.Text = value;
        break;
    case TTypedValue::Zero:
        entry.Text = entry.Stored;
        entry.Message = ZeroValueMessage();
        break;
    case TTypedValue::Negative:
        entry.Text = entry.Stored;
        entry.Message = NegativeValueMessage();
        break;
    case TTypedValue::Restored:
        entry.Text = entry.Stored;
        entry.Message = NotANumberMessage(text);
        break;
    default:
        break;
    }
    return entry;
}

void CheckAbsoluteValue(const QString &text)
{
    if (!IsFloat(text))
        throw EKalvoError(EKalvoError::ekConvert, NotANumberMessage(text));
    const double number = StrToFloat(text);
    if (number <= 0.0)
        throw EKalvoError(EKalvoError::ekConvert, number == 0.0 ? ZeroValueMessage() : NegativeValueMessage());
}

QString NormalizeTypedValue(const QString &text)
{
    const QString decimal = DecimalSeparator();
    const QString foreign = ForeignSeparator();
    if (foreign.isEmpty() || text.contains(decimal))
        return text;
    QString value = text;
    return value.replace(foreign, decimal);
}

QString NegativeValueMessage()
{
    return QCoreApplication::translate("Kalvo", "Negativna vrednost ni dovoljena!");
}

QString NotANumberMessage(const QString &text)
{
    return QCoreApplication::translate("Kalvo", "»%1« ni število; vrednost ni spremenjena.").arg(EKalvoError::Quote(text));
}

QString ZeroValueMessage()
{
    return QCoreApplication::translate("Kalvo", "Vrednost 0 ni dovoljena!");
}

QString ZeroValueCaption()
{
    return QCoreApplication::translate("Kalvo", "Opozorilo");
}
