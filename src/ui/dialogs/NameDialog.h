#pragma once

#include <QDialog>

class QLineEdit;

// A dialog that asks for a name, with the key rule of the name dialogs: in the
// name field Escape cancels and Enter confirms only when the field holds text.
// Elsewhere in the window Enter and Escape do nothing, unless windowKeys is set,
// in which case the window follows the same rule.
class TNameDialog : public QDialog
{
    Q_OBJECT

public:
    QLineEdit *Edit1;

    // An empty or blank-only name is refused: the dialog stays open and says why.
    void done(int result) override;

    static QString EmptyNameMessage();

    // Every showing starts with the keyboard in the name field, after the name.
    void setVisible(bool visible) override;

protected:
    TNameDialog(QWidget *parent, Qt::WindowFlags flags, int maxLength, bool windowKeys);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool Edit1KeyPress(const QKeyEvent *event);
    bool FWindowKeys;
};
