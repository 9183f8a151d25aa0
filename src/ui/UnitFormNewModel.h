#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The new-model dialog: the model's name, at most 15 characters; the field keeps
// the name last typed.
class TFormNewModel : public QDialog
{
    Q_OBJECT

public:
    explicit TFormNewModel(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Button1Click();
    void Button2Click();
};
