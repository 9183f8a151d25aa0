#pragma once

#include <QDialog>

class QLineEdit;

// The solution-name dialog: one field of at most 12 characters, emptied each time
// it is shown; no buttons and no close box: Enter with a name or Escape ends it.
class TFormPopup : public QDialog
{
    Q_OBJECT

public:
    explicit TFormPopup(QWidget *parent = nullptr);

    QLineEdit *Edit1;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
