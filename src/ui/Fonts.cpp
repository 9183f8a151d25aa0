#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

void LoadInterfaceFonts()
{
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/ms_sans_serif.ttf"}) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

int AccentRoom(const QFont &font)
{
    const QFontMetrics metrics(font);
    return std::max(0, -metrics.tightBoundingRect(QStringLiteral("ŽŠČÁÉ")).top() - metrics.ascent());
}

int TextRowHeight(const QFont &font)
{
    return QFontMetrics(font).height() + 2 * AccentRoom(font) + 2;
}

void ShowPlainText(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
    const int room = AccentRoom(label->font());
    label->setContentsMargins(0, room, 0, 0);
}
