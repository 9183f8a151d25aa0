#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QToolBar;
class TAboutBox;
class TModel;
class TPrintHandler;
class TReportView;

// frmIzpis, the report window: one report at a time in the browser view, with
// print, print preview and page set-up. It is not modal; a new report replaces
// the page. The builders are its operations, over the model it is given.
class TFormIzpis : public QMainWindow
{
    Q_OBJECT

public:
    TFormIzpis(const TModel &model, TAboutBox *about, std::function<void()> help, QWidget *parent = nullptr);

    QToolBar *ToolBar1;
    TReportView *WebBrowser1;
    TPrintHandler *Printing;
    QAction *Natisni1, *Predogledstrani1, *ShraniPdf1, *Nastavitevstrani1, *Izhod1, *Vsebina1, *Vizitka1;

    void WriteModelReport(const QString &fileName);
    void WriteCriterionReport(const QString &fileName);
    void WriteSolutionsReport(const QString &fileName);
    // Loads the file into the browser view and shows the window, or brings it to the front.
    void ShowReport(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShraniPdf1Click();
    void RunPrintCommand(void (TPrintHandler::*command)());
    void Bind(QAction *action, const std::function<void()> &handler);

    const TModel &FModel;
    TAboutBox *FAbout;
    std::function<void()> FHelp;
};
