#include "storage/Language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace {

const QString LanguageKey = QStringLiteral("language");

QString Known(const QString &language)
{
    return language == QLatin1String("en") ? QStringLiteral("en") : QStringLiteral("sl");
}

} // namespace

QString LanguageFrom(const QStringList &arguments, const QString &environment, const QString &fallback)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--lang") && i + 1 < arguments.size())
            return Known(arguments.at(i + 1));
        if (arguments.at(i).startsWith(QLatin1String("--lang=")))
            return Known(arguments.at(i).mid(7));
    }
    if (environment.startsWith(QLatin1String("en")))
        return QStringLiteral("en");
    return fallback;
}

QStringList WithoutLanguage(const QStringList &arguments)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--lang")) {
            ++i;
            continue;
        }
        if (!arguments.at(i).startsWith(QLatin1String("--lang=")))
            rest << arguments.at(i);
    }
    return rest;
}

QString RememberedLanguage()
{
    return Known(QSettings(QStringLiteral("Kalvo"), QStringLiteral("Kalvo")).value(LanguageKey).toString());
}

void RememberLanguage(const QString &language)
{
    QSettings settings(QStringLiteral("Kalvo"), QStringLiteral("Kalvo"));
    settings.setValue(LanguageKey, Known(language));
    settings.sync();
}

bool InstallLanguage(QCoreApplication &application, const QString &language)
{
    // Slovenian is the texts themselves; its catalog holds only the plural forms.
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/i18n/kalvo_%1.qm").arg(Known(language)))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
