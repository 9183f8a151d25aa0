#include "ui/common/ModalHost.h"

#include "ui/common/Fonts.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>

std::deque<TModalHost::TAnswer> &TModalHost::Answers()
{
    static std::deque<TAnswer> answers;
    return answers;
}

void TModalHost::PushAnswer(TAnswer answer)
{
    Answers().push_back(std::move(answer));
}

int TModalHost::PendingAnswers()
{
    return int(Answers().size());
}

void TModalHost::ClearAnswers()
{
    Answers().clear();
}

int TModalHost::Exec(QDialog &dialog)
{
    if (!Answers().empty()) {
        TAnswer answer = std::move(Answers().front());
        Answers().pop_front();
        QTimer::singleShot(0, &dialog, [answer = std::move(answer), &dialog] { answer(&dialog); });
    }
    return dialog.exec();
}

void TModalHost::MessageLater(QWidget *parent, const QString &caption, const QString &text)
{
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(0, parent, [parent, caption, text] {
        pending = false;
        Message(parent, caption, text);
    });
}

QMessageBox::StandardButton TModalHost::Message(QWidget *parent, const QString &caption, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // Messages quote names: never markup. The carons of capitals need room above the first line.
    box.setTextFormat(Qt::PlainText);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        // A selectable label lays its text out in a document clipped to the lines
        // themselves, which cuts the carons of capitals off whatever room is given.
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        GiveAccentRoom(label);
    }
    return QMessageBox::StandardButton(Exec(box));
}
