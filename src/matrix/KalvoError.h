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
        ekFormat       // a model file whose content breaks its rules
    };

    EKalvoError(TKind kind, const QString &message)
        : FKind(kind), FMessage(message), FUtf8(message.toUtf8()) {}

    TKind kind() const noexcept { return FKind; }
    const QString &message() const noexcept { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

    static EKalvoError notInteger(const QString &text)
    { return EKalvoError(ekConvert, QStringLiteral("'%1' is not a valid integer value").arg(text)); }
    static EKalvoError notFloat(const QString &text)
    { return EKalvoError(ekConvert, QStringLiteral("'%1' is not a valid floating point value").arg(text)); }
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
