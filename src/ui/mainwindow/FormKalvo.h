#pragma once

#include <QMainWindow>
#include <QPoint>

#include <functional>
#include <memory>

class EKalvoError;
class QAction;
class QActionGroup;
class QFileDialog;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TAboutBox;
class TCriteriaTreeView;
class TCriterionNode;
class TFormNewModel;
class TFormPopup;
class TFormPopup_kriterij;
class TFormRazmerje;
class TFormIzpis;
class TGridContent;
class THelpViewer;
class TModel;
class TModelDocument;
class TModelResults;
enum class TViewChange;
enum class TModelChange;
class TProjectCommands;
class TResultsPanel;
class TStringGrid;

// FormKalvo, the main window: criteria tree, comparison grid, results panel and
// status line over one TModelDocument, with every command of the program. It
// keeps no model state: each command makes one edit of the document, and the
// views redraw from the document's Changed notification.
class TFormKalvo : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormKalvo(TModelDocument &document, QWidget *parent = nullptr);
    ~TFormKalvo() override;

    TModelDocument &Document;
    // The document's model, for reading; edits go through Document.
    const TModel &Model;
    // What the window shows of the results comes from here alone.
    TModelResults &Results() const { return *FResults; }

    // Controls, by their design names.
    QToolBar *ToolBar1;
    QWidget *Panel1;
    TCriteriaTreeView *tv_kriteriji;
    QSplitter *Splitter2;
    TStringGrid *sg_matrika;
    TResultsPanel *Panel2;
    QLabel *StatusPanels[7];
    // Under the grid, for a matrix with blank pairs: how many, and the pair to ask
    // next; a double-click opens that pair in the ratio dialog.
    QLabel *BlankPairs;
    // Under it, while a solution's measured values are not typed yet (a new
    // solution's placeholders): which criteria; a double-click goes to the first.
    QLabel *AwaitingValues;
    // In the tool bar for a group's model: whose judgements the grid shows and edits.
    class QComboBox *Udelezenec;
    QMenu *popup_kriteriji;
    QMenu *popup_resitve;

    // One action per command, shared by menu, tool bar and pop-up menus.
    QAction *Novmodel1, *Izbiramodela1, *Shrani1, *Shranjevanjmodela1, *Izvozirezultate1, *Izvozisliko1, *Izhod1;
    QAction *Razveljavi1, *Uveljavi1;
    QAction *Dodaj1, *Izloi1;
    QAction *Dodaj2, *Preimenuj1, *Odstrani1, *Odstranivse1;
    QAction *Natannametoda1, *Priblinametoda1, *Model1, *Izbran1, *Izbran2, *Obcutljivost1, *Predlogi1, *Udelezenci1, *Uvozianketo1;
    QAction *HelpContentsItem, *Debug1, *HelpAboutItem;

    // The dialogs and the report window, each made on its first use and reused:
    // the first screen shows none of them, and the two file dialogs alone cost
    // tens of milliseconds to make.
    TFormPopup *FormPopup();
    TFormNewModel *FormNewModel();
    TFormRazmerje *FormRazmerje();
    TFormPopup_kriterij *FormPopup_kriterij();
    class TFormPredlogi *FormPredlogi();
    TAboutBox *AboutBox();
    TFormIzpis *frmIzpis();
    QFileDialog *OpenDialog();
    QFileDialog *SaveDialog();
    // Whether the report window has been made (it is not before the first report).
    bool HasReportWindow() const { return FReport != nullptr; }

    THelpViewer *HelpViewer() const { return FHelp; }
    class TFormObcutljivost *Sensitivity() const { return FSensitivity; }
    QTreeWidgetItem *ItemOf(const TCriterionNode *node) const;

    // Opens a model as "Odpri model" does after its dialog.
    void OpenModel(const QString &fileName);
    // The program's argument: an existing model is opened as "Odpri model" opens
    // the chosen file, its folder becoming the current directory.
    void OpenStartModel(const QString &fileName);

    // Runs one command; a conversion, arithmetic or file error of it is shown in
    // a message box and the program goes on.
    void Run(const std::function<void()> &command);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateCentralArea();
    void CreateStatusLine();
    void Bind(QAction *action, void (TFormKalvo::*handler)());

    // Views of the model.
    void ModelChanged(TModelChange change, TCriterionNode *node);
    void ViewChanged(TViewChange change);
    void ShowHistory();
    void ShowParticipants();
    void RebuildTree();
    void ShowResults();
    void FitHeights(int needed);

    // Model operations of the window.
    void RefillGrid();
    void OznaciResitevKlik(int row);
    void sg_matrikaClick();
    void sg_matrikaExit();
    void sg_matrikaDblClick();
    void sg_matrikaSetEditText(int c, int r, const QString &text, bool final);
    void sg_matrikaDelete();
    void AskNextPair();
    void ShowAwaitingValues();
    void GoToAwaitingValue();
    void tv_kriterijiDblClick();
    void tv_kriterijiCurrentChanged(TCriterionNode *node);

    // Command handlers, named after the commands they serve.
    void NovModel();
    void OdpriModel();
    void Shrani();
    void ShraniKot();
    void Izhod();
    void Razveljavi();
    void Uveljavi();
    void DodajKriterij();
    void IzlociKriterij();
    void DodajResitev();
    void PreimenujResitev();
    void OdstraniResitev();
    void OdstraniVse();
    void NatancnaMetoda();
    void PribliznaMetoda();
    void Debug();
    void IzpisModela();
    void IzpisKriterija();
    void IzpisResitev();
    void Obcutljivost();          // the sensitivity window
    void Predlogi();              // consistency advice
    void Udelezenci();            // the group's participants
    void UvoziAnketo();           // a survey's answers as the group
    void IzvoziRezultate();       // the results as a spreadsheet (.xlsx, .csv)
    void IzvoziSliko();           // the results panel as a picture (PNG, SVG)
    void IzberiJezik(const QString &language);   // the interface language from the next start
    void Pomoc();
    void Vizitka();

    void ShowReport(void (TFormIzpis::*builder)(const QString &), const QString &fileName);

    THelpViewer *FHelp = nullptr;
    TFormPopup *FFormPopup = nullptr;
    TFormNewModel *FFormNewModel = nullptr;
    TFormRazmerje *FFormRazmerje = nullptr;
    TFormPopup_kriterij *FFormPopup_kriterij = nullptr;
    class TFormPredlogi *FFormPredlogi = nullptr;
    class TFormUdelezenci *FFormUdelezenci = nullptr;
    TAboutBox *FAboutBox = nullptr;
    TFormIzpis *FReport = nullptr;
    QFileDialog *FOpenDialog = nullptr;
    QFileDialog *FSaveDialog = nullptr;
    QFileDialog *FSurveyDialog = nullptr;
    QFileDialog *FExportDialog = nullptr;
    QFileDialog *FPictureDialog = nullptr;
    class TFormObcutljivost *FSensitivity = nullptr;
    std::unique_ptr<TProjectCommands> FProject;
    class TStatusLineView *FStatusLine = nullptr;
    QActionGroup *FMethods;
    QWidget *FReportButton = nullptr;
    QAction *FParticipantAction = nullptr;
    TModelResults *FResults = nullptr;
    QPoint FTypedCell;        // the cell whose editor is open, (0, 0) when none
    QString FTypedSoFar;      // the number its editor held last
    class QScrollArea *FResultsScroll = nullptr;
};
