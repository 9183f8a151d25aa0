#pragma once

#include "ui/dialogs/NameDialog.h"

// The solution-name dialog: one field of at most 12 characters, emptied each time
// it is shown; no buttons and no close box: Enter with a name or Escape ends it.
class TFormPopup : public TNameDialog
{
    Q_OBJECT

public:
    explicit TFormPopup(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
