#pragma once

class QFont;
class QLabel;

// Makes the interface font (Tahoma) known to Qt from Debian's fonts-wine when it
// is not installed system-wide. Only the regular face: the bold face there is
// hardly heavier than the regular one, and Qt's own emboldening is plainly bold.
void LoadInterfaceFonts();

// How many pixels the carons of capitals (Č, Š, Ž) rise above the font's ascent;
// Tahoma's are drawn there, and a row or label as high as the font clips them.
int AccentRoom(const QFont &font);
// The height of a row of text with room for those carons above and below.
int TextRowHeight(const QFont &font);
// Gives a label the room the carons of its first line need. A label draws its
// text clipped to its contents: the room must lie inside them, above the text,
// which the label then centres in a height that holds it.
void GiveAccentRoom(QLabel *label);
// The same for a label showing a user's text, made plain text: a name is never
// read as markup.
void ShowPlainText(QLabel *label);
