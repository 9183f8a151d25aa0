#include "ModalHost.h"

#include <QDialog>
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

QMessageBox::StandardButton TModalHost::Message(QWidget *parent, const QString &caption, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(Exec(box));
}
