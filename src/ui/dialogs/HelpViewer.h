#pragma once

#include <QWidget>

class QTextBrowser;

// Our help viewer: shows the help file (an HTML document) at its contents. A
// help file that cannot be found is reported in the viewer itself.
class THelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit THelpViewer(QWidget *parent = nullptr);

    // Opens helpFile (a name without a folder is looked for next to the program).
    void ShowContents(const QString &helpFile);
    QTextBrowser *Browser() const { return FBrowser; }

private:
    QTextBrowser *FBrowser;
};
