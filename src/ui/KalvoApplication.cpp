#include "ui/KalvoApplication.h"

#include "ui/CommandRunner.h"
#include "ui/Fonts.h"
#include "ui/QtTranslator.h"

#include <QFont>
#include <QLibraryInfo>

TKalvoApplication::TKalvoApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // No display name: the window system would append it to every caption.
    setApplicationName(QStringLiteral("Kalvo"));
    LoadInterfaceFonts();
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto *translator = new TQtTranslator(this);
    if (translator->load(QStringLiteral("qt_sl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool TKalvoApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
