#include "ui/Application.h"

#include "ui/Fonts.h"
#include "ui/QtTranslator.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>

void SetUpApplication(QApplication &app)
{
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("Kalvo"));
    LoadInterfaceFonts();
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto *translator = new TQtTranslator(&app);
    if (translator->load(QStringLiteral("qt_sl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
