#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the interface: "sl", the program's own texts, or "en". The
// reports and the model's files stay Slovenian whatever the choice: they are
// part of the model's record.

// "--lang en" or "--lang=en" among the arguments; else, when environment (the
// value of LANGUAGE) starts with "en", "en"; else fallback.
QString LanguageFrom(const QStringList &arguments, const QString &environment, const QString &fallback);
// The arguments without the language option.
QStringList WithoutLanguage(const QStringList &arguments);

// The user's choice from the menu, kept in the user's settings ("sl" when none).
QString RememberedLanguage();
void RememberLanguage(const QString &language);

// Gives the application the texts of language, from the catalog carried in the
// program ("en": every text; "sl": only the plural forms, the texts themselves
// being Slovenian). False when the catalog cannot be loaded.
bool InstallLanguage(QCoreApplication &application, const QString &language);
