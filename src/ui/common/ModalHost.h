#pragma once

#include <QMessageBox>

#include <deque>
#include <functional>

class QDialog;
class QWidget;

// Every modal dialog and message box of the program is shown through here, so
// that tests can answer them with real key and mouse events: a queued answer is
// run once the modal window is up and its event loop is running.
class TModalHost
{
public:
    using TAnswer = std::function<void(QWidget *modal)>;

    static void PushAnswer(TAnswer answer);
    static int PendingAnswers();
    static void ClearAnswers();

    static int Exec(QDialog &dialog);
    static QMessageBox::StandardButton Message(QWidget *parent, const QString &caption, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::Ok,
                                               QMessageBox::Icon icon = QMessageBox::NoIcon);
    // A warning shown after the event being handled, once however often it is
    // asked for before then: from inside an editor's key handling a modal box
    // would take the focus and delete the editor under it.
    static void MessageLater(QWidget *parent, const QString &caption, const QString &text);

private:
    static std::deque<TAnswer> &Answers();
};
