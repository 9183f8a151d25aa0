#pragma once

#include <QApplication>

// The program's application object. It sets up what the program needs before its
// first window: its name, the interface font (Tahoma 8), and Qt's own Slovenian
// texts for standard buttons and dialogs (window captions stay exactly as the
// windows give them). It is also the exception boundary that cannot be
// forgotten: an error that escapes any event handler or slot is shown in a
// message box by the one top-level handler, and the program goes on.
class TKalvoApplication : public QApplication
{
    Q_OBJECT

public:
    TKalvoApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The interface language of this run: "sl" or "en" ("--lang en", else the
    // language chosen in the menu at an earlier run).
    static QString Language();

private:
    QString FLanguage;
};
