#pragma once

#include <QTranslator>

// Qt's own Slovenian texts (qt_sl.qm of qt6-translations-l10n and whatever module
// catalogs are there). That catalog was made for an older Qt: it files some texts
// under contexts that Qt 6 renamed (the standard buttons under QDialogButtonBox
// where Qt 6 asks QPlatformTheme, "Folder" under QFileDialog where it asks
// QAbstractFileIconProvider, with a disambiguation it did not have), and it lacks
// the page set-up's newer texts, which are given here.
class TQtTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;

    // Qt's texts that no Slovenian catalog of the system has, in Slovenian.
    static QString Supplement(const char *sourceText);
};
