#include "storage/JsonDuplicates.h"

#include <QSet>

#include <vector>

namespace {

struct TFrame
{
    bool Object = false;
    QSet<QString> Keys;
    QString Key;      // the member being read, in an object
    int Index = 0;    // the element being read, in an array
};

QString PlaceOf(const std::vector<TFrame> &stack, size_t depth)
{
    QString place;
    for (size_t i = 0; i + 1 < depth; ++i) {
        const TFrame &frame = stack[i];
        if (frame.Object)
            place += (place.isEmpty() ? QString() : QStringLiteral(".")) + frame.Key;
        else
            place += QStringLiteral("[%1]").arg(frame.Index);
    }
    return place;
}

// A string's characters from after its opening quote, its escapes read as a
// parser reads them (\u0041 and "A" are the same key); at ends after the closing quote.
QString ReadString(const QByteArray &json, qsizetype &at)
{
    QByteArray raw;
    while (at < json.size() && json.at(at) != '"') {
        if (json.at(at) == '\\' && at + 1 < json.size())
            raw += json.at(at++);
        raw += json.at(at++);
    }
    ++at;
    const QString text = QString::fromUtf8(raw);
    if (!raw.contains('\\'))
        return text;
    QString decoded;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\') || i + 1 >= text.size()) {
            decoded += text.at(i);
            continue;
        }
        const QChar escaped = text.at(++i);
        switch (escaped.unicode()) {
        case 'n': decoded += QLatin1Char('\n'); break;
        case 't': decoded += QLatin1Char('\t'); break;
        case 'r': decoded += QLatin1Char('\r'); break;
        case 'b': decoded += QLatin1Char('\b'); break;
        case 'f': decoded += QLatin1Char('\f'); break;
        case 'u':
            decoded += QChar(char16_t(text.mid(i + 1, 4).toUShort(nullptr, 16)));
            i += 4;
            break;
        default: decoded += escaped; break;
        }
    }
    return decoded;
}

} // namespace

TDuplicateKey FirstDuplicateKey(const QByteArray &json)
{
    std::vector<TFrame> stack;
    bool expectKey = false;
    for (qsizetype at = 0; at < json.size();) {
        const char ch = json.at(at++);
        switch (ch) {
        case '{':
            stack.push_back({true, {}, {}, 0});
            expectKey = true;
            break;
        case '[':
            stack.push_back({false, {}, {}, 0});
            break;
        case '}':
        case ']':
            if (!stack.empty())
                stack.pop_back();
            break;
        case ',':
            if (!stack.empty()) {
                if (stack.back().Object)
                    expectKey = true;
                else
                    ++stack.back().Index;
            }
            break;
        case ':':
            expectKey = false;
            break;
        case '"': {
            const QString text = ReadString(json, at);
            if (expectKey && !stack.empty() && stack.back().Object) {
                TFrame &frame = stack.back();
                if (frame.Keys.contains(text))
                    return {PlaceOf(stack, stack.size()), text};
                frame.Keys.insert(text);
                frame.Key = text;
            }
            break;
        }
        default:
            break;
        }
    }
    return {};
}
