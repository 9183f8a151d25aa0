#include "ui/common/Fonts.h"

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
    // Bold rises a pixel higher; a label may turn bold later (the marked solution).
    QFont bold = font;
    bold.setBold(true);
    int room = 0;
    for (const QFont &f : {font, bold}) {
        const QFontMetrics metrics(f);
        room = std::max(room, -metrics.tightBoundingRect(QStringLiteral("ŽŠČÁÉ")).top() - metrics.ascent());
    }
    return room;
}

int TextRowHeight(const QFont &font)
{
    return QFontMetrics(font).height() + 2 * AccentRoom(font) + 2;
}

void GiveAccentRoom(QLabel *label)
{
    const int room = AccentRoom(label->font());
    label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    const int text = label->wordWrap() ? label->heightForWidth(label->sizeHint().width()) : label->sizeHint().height();
    label->setMinimumHeight(std::max(text, QFontMetrics(label->font()).height()) + 2 * room);
}

void ShowPlainText(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
    GiveAccentRoom(label);
}
