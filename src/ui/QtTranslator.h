#pragma once

#include <QTranslator>

// Qt's own Slovenian texts (qt_sl.qm of qt6-translations-l10n). That catalog
// still files the standard buttons (Yes, No, Cancel, ...) under QDialogButtonBox,
// where Qt 6 asks for them under QPlatformTheme: those are looked up there too.
class TQtTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
};
