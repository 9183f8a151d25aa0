#include "ui/QtTranslator.h"

#include <cstring>

QString TQtTranslator::translate(const char *context, const char *sourceText, const char *disambiguation,
                                 int n) const
{
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && context && std::strcmp(context, "QPlatformTheme") == 0)
        text = QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    return text;
}
