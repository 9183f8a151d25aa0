#pragma once

#include <QStatusBar>

class QLabel;
struct TStatusLine;

// The status line: seven sunken panels of 120 pixels showing the synthesis's
// status texts, bold italic when the consistency ratio is too high. Item hints
// do not cover it (the main window swallows them). While CR is too high, its
// panel is a link to the consistency advice.
class TStatusLineView : public QStatusBar
{
    Q_OBJECT

public:
    explicit TStatusLineView(QWidget *parent = nullptr);

    void Show(const TStatusLine &status);

    QLabel *Panels[7];

signals:
    // A click on the CR panel while CR is too high: the way to the consistency advice.
    void AdviceRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool FEmphasis = false;
};
