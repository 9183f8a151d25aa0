#include "ui/ModalHost.h"

#include "ui/Fonts.h"

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

QMessageBox::StandardButton TModalHost::Message(QWidget *parent, const QString &caption, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // Messages quote names: never markup. The carons of capitals need room above the first line.
    box.setTextFormat(Qt::PlainText);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setContentsMargins(0, AccentRoom(label->font()), 0, 0);
    return QMessageBox::StandardButton(Exec(box));
}
