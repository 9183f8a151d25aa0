#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>

// The key rule of the name dialogs: Escape cancels; Enter confirms only when the
// name field holds text; every other key goes into the field. True when the key
// was taken.
inline bool NameKeyRule(QDialog *dialog, const QLineEdit *name, const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        dialog->reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!name->text().isEmpty())
            dialog->accept();
        return true;
    default:
        return false;
    }
}

// Enter and Escape outside the name field do nothing (no default button, no close).
inline bool IsDialogKey(const QKeyEvent *event)
{
    const int key = event->key();
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}
