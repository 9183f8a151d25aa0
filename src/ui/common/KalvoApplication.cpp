#include "ui/common/KalvoApplication.h"

#include "ui/common/CommandRunner.h"
#include "ui/common/Fonts.h"
#include "ui/common/QtTranslator.h"
#include "storage/Language.h"

#include <QFont>
#include <QLibraryInfo>

TKalvoApplication::TKalvoApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // No display name: the window system would append it to every caption.
    setApplicationName(QStringLiteral("Kalvo"));
    LoadInterfaceFonts();
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    FLanguage = LanguageFrom(arguments(), QString(), RememberedLanguage());
    if (FLanguage == QLatin1String("en")) {
        // The program's English texts; Qt's own texts are English already.
        InstallLanguage(*this, FLanguage);
        return;
    }
    InstallLanguage(*this, FLanguage);   // the plural forms
    // Qt's Slovenian catalogs: the whole-Qt one and the modules' own, where the system has them.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *catalog : {"qt_sl", "qtbase_sl", "qtwebengine_sl", "qtdeclarative_sl", "qt_help_sl"}) {
        auto *translator = new TQtTranslator(this);
        if (translator->load(QString::fromLatin1(catalog), folder))
            installTranslator(translator);
        else
            delete translator;
    }
}

QString TKalvoApplication::Language()
{
    auto *application = qobject_cast<TKalvoApplication *>(QCoreApplication::instance());
    return application ? application->FLanguage : QStringLiteral("sl");
}

bool TKalvoApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
