#pragma once

#include <QString>
#include <QByteArray>
#include <exception>

// The one exception type of the core. Its message is what the user sees in the
// error box, so conversion and arithmetic failures carry the runtime's wording.
class EKalvoError : public std::exception
{
public:
    enum TKind {
        ekConvert,     // a text that is not a valid integer or floating point value
        ekZeroDivide,  // "Floating point division by zero"
        ekInvalidOp,   // "Invalid floating point operation"
        ekOverflow,    // "Floating point overflow"
        ekFile,        // a file that cannot be opened, read or written
        ekFormat,      // a model file whose content breaks its rules
        ekTooLarge,    // more than memory or a person can hold: refused before allocating
        ekUndetermined // judged pairs that fall apart: the weights are not determined
    };

    EKalvoError(TKind kind, const QString &message)
        : FKind(kind), FMessage(message), FUtf8(message.toUtf8()) {}

    TKind kind() const noexcept { return FKind; }
    const QString &message() const noexcept { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

    // The first line stays the exact text; where it happened goes on a second
    // line, the outermost place first ("Kriterij »A/B«, celica (2, 3)").
    EKalvoError &AddContext(const QString &where)
    {
        const qsizetype end = FMessage.indexOf(QLatin1Char('\n'));
        if (end < 0)
            FMessage += QLatin1Char('\n') + where;
        else
            FMessage.insert(end + 1, where + QStringLiteral(", "));
        FUtf8 = FMessage.toUtf8();
        return *this;
    }

    // An offending text as a message quotes it: at most 60 characters.
    static QString Quote(const QString &text)
    {
        return text.size() <= 60 ? text : text.left(60) + QChar(0x2026);
    }

    static EKalvoError notInteger(const QString &text)
    { return EKalvoError(ekConvert, QStringLiteral("'%1' is not a valid integer value").arg(Quote(text))); }
    static EKalvoError notFloat(const QString &text)
    { return EKalvoError(ekConvert, QStringLiteral("'%1' is not a valid floating point value").arg(Quote(text))); }
    static EKalvoError zeroDivide()
    { return EKalvoError(ekZeroDivide, QStringLiteral("Floating point division by zero")); }
    static EKalvoError invalidOp()
    { return EKalvoError(ekInvalidOp, QStringLiteral("Invalid floating point operation")); }
    static EKalvoError overflow()
    { return EKalvoError(ekOverflow, QStringLiteral("Floating point overflow")); }

private:
    TKind FKind;
    QString FMessage;
    QByteArray FUtf8;
};

// Runs one step; an EKalvoError it throws gets where() as its place. The place is
// formatted only when something failed, so this costs nothing in a loop.
template <typename Where, typename Step>
auto WithContext(Where where, Step step)
{
    try {
        return step();
    } catch (EKalvoError &e) {
        e.AddContext(where());
        throw;
    }
}
