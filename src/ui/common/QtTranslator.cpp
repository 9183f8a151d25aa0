#include "ui/common/QtTranslator.h"

#include <QHash>


namespace {

// Where Qt 6 looks for a text, and where the older catalog keeps it.
const char *OlderContext(const char *context)
{
    static const QHash<QByteArray, const char *> older = {
        {"QPlatformTheme", "QDialogButtonBox"},
        {"QAbstractFileIconProvider", "QFileDialog"},
    };
    return older.value(QByteArray(context), nullptr);
}

} // namespace

QString TQtTranslator::Supplement(const char *sourceText)
{
    static const QHash<QByteArray, QString> texts = {
        {"Page Layout", QStringLiteral("Postavitev strani")},
        {"Page order:", QStringLiteral("Vrstni red strani:")},
        {"Pages per sheet:", QStringLiteral("Strani na list:")},
        {"Custom", QStringLiteral("Po meri")},
        {"Left to Right, Top to Bottom", QStringLiteral("Od leve proti desni, od zgoraj navzdol")},
        {"Left to Right, Bottom to Top", QStringLiteral("Od leve proti desni, od spodaj navzgor")},
        {"Right to Left, Bottom to Top", QStringLiteral("Od desne proti levi, od spodaj navzgor")},
        {"Right to Left, Top to Bottom", QStringLiteral("Od desne proti levi, od zgoraj navzdol")},
        {"Bottom to Top, Left to Right", QStringLiteral("Od spodaj navzgor, od leve proti desni")},
        {"Bottom to Top, Right to Left", QStringLiteral("Od spodaj navzgor, od desne proti levi")},
        {"Top to Bottom, Left to Right", QStringLiteral("Od zgoraj navzdol, od leve proti desni")},
        {"Top to Bottom, Right to Left", QStringLiteral("Od zgoraj navzdol, od desne proti levi")},
    };
    return texts.value(QByteArray(sourceText));
}

QString TQtTranslator::translate(const char *context, const char *sourceText, const char *disambiguation,
                                 int n) const
{
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && disambiguation)
        text = QTranslator::translate(context, sourceText, nullptr, n);
    if (const char *older = text.isEmpty() && context ? OlderContext(context) : nullptr)
        text = QTranslator::translate(older, sourceText, nullptr, n);
    if (text.isEmpty())
        text = Supplement(sourceText);   // page set-up texts only, under whichever context asks
    return text;
}
