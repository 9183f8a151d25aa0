#include "ui/mainwindow/FormKalvo.h"

#include "ui/dialogs/AboutBox.h"
#include "ui/mainwindow/CriteriaTreeView.h"
#include "ui/common/Fonts.h"
#include "ui/common/CommandRunner.h"
#include "ui/report/FormIzpis.h"
#include "model/GridContent.h"
#include "model/GridEdits.h"
#include "ui/dialogs/HelpViewer.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "ui/common/ModalHost.h"
#include "model/Model.h"
#include "model/ModelDocument.h"
#include "ui/dialogs/FormPopup.h"
#include "ui/mainwindow/ProjectCommands.h"
#include "ui/dialogs/FormPopup_kriterij.h"
#include "ui/mainwindow/RatingsPanel.h"
#include "ui/mainwindow/ResultsPanel.h"
#include "ui/analysis/AdviceDialog.h"
#include "ui/analysis/SensitivityWindow.h"
#include "ui/analysis/UncertaintyWindow.h"
#include "ui/mainwindow/StatusLineView.h"
#include "ui/mainwindow/StringGrid.h"
#include "analysis/ModelResults.h"
#include "ui/mainwindow/AnalysisHandler.h"
#include "ui/mainwindow/CriterionHandler.h"
#include "ui/mainwindow/EditHandler.h"
#include "ui/mainwindow/JudgementHandler.h"
#include "ui/mainwindow/FileHandler.h"
#include "ui/mainwindow/SolutionHandler.h"
#include "ui/dialogs/FormNewModel.h"
#include "ui/dialogs/FormRazmerje.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

// Resources of a static library must be registered by hand, outside any namespace.
static void InitResources()
{
    Q_INIT_RESOURCE(kalvo);
}

TFormKalvo::TFormKalvo(TModelDocument &document, QWidget *parent)
    : QMainWindow(parent), Document(document), Model(std::as_const(document).Model())
{
    InitResources();
    setObjectName(QStringLiteral("FormKalvo"));
    setWindowTitle(tr("Kalvo - študentska verzija"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kalvo.svg")));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    FFile = new TFileHandler(*this);
    FEdit = new TEditHandler(*this);
    FCriteria = new TCriterionHandler(*this);
    FSolutions = new TSolutionHandler(*this);
    FAnalysis = new TAnalysisHandler(*this);
    FJudgements = new TJudgementHandler(*this);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    CreateStatusLine();

    FProject = std::make_unique<TProjectCommands>(Document, this);
    // The start: its root selected; without a matrix yet it leaves the grid empty.
    Document.Select(Model.Tree.FirstNode());
    // The model's own views redraw first, then the results follow and their views.
    connect(&Document, &TModelDocument::Changed, this, &TFormKalvo::ModelChanged);
    connect(&Document, &TModelDocument::ViewChanged, this, &TFormKalvo::ViewChanged);
    FResults = new TModelResults(Document, this);
    connect(FResults, &TModelResults::Updated, this, &TFormKalvo::ShowResults);
    connect(FResults, &TModelResults::Failed, this, [this](const QString &message) {
        TModalHost::Message(this, QStringLiteral("Kalvo"), message, QMessageBox::Ok, QMessageBox::Ok,
                            QMessageBox::Critical);
    });
    connect(&Document, &TModelDocument::HistoryChanged, this, &TFormKalvo::ShowHistory);
    ShowHistory();

    SetMessageHandler([this](const QString &text) { TModalHost::Message(this, QStringLiteral("Kalvo"), text); });

    // The client area (below the menu) is 833 x 664, centred on the screen.
    resize(833, 664 + menuBar()->sizeHint().height());
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    RebuildTree();
    ShowParticipants();
}

TFormKalvo::~TFormKalvo()
{
    // An editor still open commits as the grid goes: not into a window half gone.
    disconnect(sg_matrika, nullptr, this, nullptr);
    delete FReport;
    SetMessageHandler(nullptr);
}

void TFormKalvo::CreateCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *upper = new QHBoxLayout(Panel1);
    upper->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(4);
    Splitter2->setChildrenCollapsible(false);
    upper->addWidget(Splitter2);

    tv_kriteriji = new TCriteriaTreeView(Splitter2);
    tv_kriteriji->setObjectName(QStringLiteral("tv_kriteriji"));
    tv_kriteriji->setToolTip(tr("Seznam kriterijev"));
    tv_kriteriji->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tv_kriteriji, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_kriteriji->popup(tv_kriteriji->viewport()->mapToGlobal(pos)); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeSelected, this,
            [this](TCriterionNode *node) { Run([this, node] { tv_kriterijiCurrentChanged(node); }); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeRenamed, this, [this](TCriterionNode *node, const QString &name) {
        Run([&] { FCriteria->Rename(node, name); });
    });
    connect(tv_kriteriji, &TCriteriaTreeView::DblClick, this, [this] { Run([this] { FCriteria->Edit(); }); });

    // The grid with the blank pairs' line under it.
    auto *gridArea = new QWidget(Splitter2);
    auto *gridLayout = new QVBoxLayout(gridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    // The grid, and beside it for a ratings leaf the solutions' ratings.
    auto *gridRow = new QHBoxLayout;
    gridRow->setContentsMargins(0, 0, 0, 0);
    gridRow->setSpacing(0);
    sg_matrika = new TStringGrid(gridArea);
    gridRow->addWidget(sg_matrika, 1);
    Ratings = new TRatingsPanel(gridArea);
    gridRow->addWidget(Ratings);
    gridLayout->addLayout(gridRow, 1);
    connect(Ratings, &TRatingsPanel::Rated, this, [this](int k, int intensity) { Run([=, this] { FJudgements->Rate(k, intensity); }); });
    connect(Ratings, &TRatingsPanel::AddIntensity, this, [this] { Run([this] { FJudgements->AddIntensity(); }); });
    connect(Ratings, &TRatingsPanel::RenameIntensity, this, [this] { Run([this] { FJudgements->RenameIntensity(); }); });
    connect(Ratings, &TRatingsPanel::RemoveIntensity, this, [this] { Run([this] { FJudgements->RemoveIntensity(); }); });
    connect(Ratings, &TRatingsPanel::MoveIntensity, this, [this](int step) { Run([=, this] { FJudgements->MoveIntensity(step); }); });
    connect(Ratings, &TRatingsPanel::DirectValuesChosen, this, [this](bool direct) { Run([=, this] { FJudgements->SetDirectValues(direct); }); });
    BlankPairs = new QLabel(gridArea);
    BlankPairs->setObjectName(QStringLiteral("BlankPairs"));
    BlankPairs->setToolTip(tr("Dvoklik odpre naslednjo primerjavo"));
    BlankPairs->setMinimumWidth(0);
    BlankPairs->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    ShowPlainText(BlankPairs);
    BlankPairs->hide();
    BlankPairs->installEventFilter(this);
    gridLayout->addWidget(BlankPairs);
    AwaitingValues = new QLabel(gridArea);
    AwaitingValues->setObjectName(QStringLiteral("AwaitingValues"));
    AwaitingValues->setToolTip(tr("Dvoklik odpre prvo vrednost, ki še ni vnesena"));
    AwaitingValues->setMinimumWidth(0);
    AwaitingValues->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    ShowPlainText(AwaitingValues);
    AwaitingValues->hide();
    AwaitingValues->installEventFilter(this);
    gridLayout->addWidget(AwaitingValues);
    sg_matrika->setObjectName(QStringLiteral("sg_matrika"));
    sg_matrika->setToolTip(tr("Prikaz razmerja"));
    connect(sg_matrika, &TStringGrid::CellSelected, this, [this] { Run([this] { sg_matrikaClick(); }); });
    connect(sg_matrika, &TStringGrid::Exited, this, [this] { Run([this] { sg_matrikaExit(); }); });
    connect(sg_matrika, &TStringGrid::DblClick, this, [this] { Run([this] { FJudgements->AskRatio(); }); });
    connect(sg_matrika, &TStringGrid::DeletePressed, this, [this] { Run([this] { FJudgements->LeaveBlank(); }); });
    connect(sg_matrika, &TStringGrid::EditorClosed, this, [this] { FJudgements->EditorClosed(); });
    connect(sg_matrika, &TStringGrid::EditText, this,
            [this](int c, int r, const QString &text, bool final) {
                Run([=, this] { FJudgements->Type(c, r, text, final); });
            });

    Splitter2->setSizes({160, 833 - 164});
    Splitter2->setStretchFactor(1, 1);
    Splitter2->handle(1)->installEventFilter(this);

    Panel2 = new TResultsPanel;
    Panel2->SetRowMenu(popup_resitve);
    connect(Panel2, &TResultsPanel::RowClicked, this, [this](int row) { Run([this, row] { FSolutions->Mark(row); }); });
    FResultsScroll = Panel2->InScrollArea(central);
    // Panel1 takes whatever the results leave: 380 of the first window's 609.
    FResultsScroll->setFixedHeight(229);

    layout->addWidget(Panel1, 1);
    layout->addWidget(FResultsScroll);
    setCentralWidget(central);
}

void TFormKalvo::CreateStatusLine()
{
    FStatusLine = new TStatusLineView(this);
    setStatusBar(FStatusLine);
    connect(FStatusLine, &TStatusLineView::AdviceRequested, AdviceAction, &QAction::trigger);
    std::copy(std::begin(FStatusLine->Panels), std::end(FStatusLine->Panels), StatusPanels);
}

// --- Windows made on first use ---------------------------------------------------

namespace {

template <typename T, typename Make>
T *Once(T *&window, Make make)
{
    if (!window)
        window = make();
    return window;
}

} // namespace

TFormPopup *TFormKalvo::FormPopup()
{
    return Once(FFormPopup, [this] { return new TFormPopup(this); });
}

TFormNewModel *TFormKalvo::FormNewModel()
{
    return Once(FFormNewModel, [this] { return new TFormNewModel(this); });
}

TFormRazmerje *TFormKalvo::FormRazmerje()
{
    return Once(FFormRazmerje, [this] { return new TFormRazmerje(this); });
}

TFormPopup_kriterij *TFormKalvo::FormPopup_kriterij()
{
    return Once(FFormPopup_kriterij, [this] { return new TFormPopup_kriterij(this); });
}

TAdviceDialog *TFormKalvo::AdviceDialog()
{
    return Once(FAdviceDialog, [this] { return new TAdviceDialog(this); });
}

TAboutBox *TFormKalvo::AboutBox()
{
    return Once(FAboutBox, [this] { return new TAboutBox(this); });
}

TFormIzpis *TFormKalvo::frmIzpis()
{
    // A window of its own, not owned by the main window; the main window ends it.
    return Once(FReport, [this] { return new TFormIzpis(Model, AboutBox(), [this] { FAnalysis->Help(); }); });
}

QFileDialog *TFormKalvo::OpenDialog()
{
    return Once(FOpenDialog, [this] { return TProjectCommands::MakeOpenDialog(this); });
}

QFileDialog *TFormKalvo::SaveDialog()
{
    return Once(FSaveDialog, [this] { return TProjectCommands::MakeSaveDialog(this); });
}

// --- Errors -------------------------------------------------------------------

void TFormKalvo::Run(const std::function<void()> &command)
{
    RunGuarded(this, command);
}

// --- Views --------------------------------------------------------------------

QTreeWidgetItem *TFormKalvo::ItemOf(const TCriterionNode *node) const
{
    return tv_kriteriji->ItemOf(node);
}

void TFormKalvo::RebuildTree()
{
    tv_kriteriji->Rebuild(Model.Tree);
}

void TFormKalvo::ShowResults()
{
    Panel2->SyncRows(Model);
    FitHeights(Panel2->Layout(Model));
    FStatusLine->Show(Model.Status);
    FStatusLine->setToolTip(Model.IdealMode ? tr("Idealni način: vsak list deli deleže z najboljšim")
                                            : tr("Distributivni način: deleži vsakega lista se seštejejo v 1"));
    QStringList notes{Model.Status.Consensus, Model.Status.BlankPairs};
    notes.removeAll(QString());
    BlankPairs->setText(notes.join(QStringLiteral(". ")));
    BlankPairs->setVisible(!notes.isEmpty());
    ShowAwaitingValues();
}

void TFormKalvo::FitHeights(int needed)
{
    // Panel1 and the results share the central area: the results are `needed`
    // high, but show at most half of it and scroll the rest. Only the results'
    // height is fixed; Panel1 takes the rest, so the window's own size never
    // changes (a fixed Panel1 plus the scroll area's minimum made it grow).
    const int shown = std::min(needed, centralWidget()->height() / 2);
    Panel2->setFixedHeight(needed);
    FResultsScroll->setFixedHeight(shown);
    centralWidget()->layout()->activate();
    // A scroll bar that came or went changed the panel's width: place the rows again.
    const int width = Panel2->width();
    FResultsScroll->widget()->adjustSize();
    if (Panel2->width() != width)
        Panel2->Layout(Model);
}

// Every edit, undo and redo ends here: each view redraws the part the change
// touched (the results have followed already).
void TFormKalvo::ModelChanged(TModelChange change, TCriterionNode *node)
{
    switch (change) {
    case TModelChange::Mark:
        Panel2->SyncRows(Model);
        return;
    case TModelChange::Model:
        ShowParticipants();
        RebuildTree();
        break;
    case TModelChange::Group:
        ShowParticipants();
        break;
    case TModelChange::Tree:
        RebuildTree();
        break;
    case TModelChange::Criterion:
        tv_kriteriji->ShowName(node);
        break;
    case TModelChange::Judgements:
    case TModelChange::Solutions:
    case TModelChange::Mode:
        break;
    }
    (Model.IdealMode ? IdealModeAction : DistributiveModeAction)->setChecked(true);
    // An undo shows the criterion it took back.
    tv_kriteriji->ShowCurrent(Model.Tree.Selected());
    Panel2->SyncRows(Model);
    RefillGrid();
}

void TFormKalvo::ViewChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Selection:
        tv_kriteriji->ShowCurrent(Model.Tree.Selected());
        RefillGrid();
        break;
    case TViewChange::Participant: {
        const QSignalBlocker quiet(ParticipantSelector);
        ParticipantSelector->setCurrentIndex(Document.Participant() + 1);
        RefillGrid();
        break;
    }
    case TViewChange::Method:
        (Model.ExactMethod ? Natannametoda1 : Priblinametoda1)->setChecked(true);
        break;
    case TViewChange::Debug:
        Debug1->setChecked(Model.DebugMode);
        break;
    }
}

// The participant selector: "Skupina" and each participant, shown for a group's model.
void TFormKalvo::ShowParticipants()
{
    const QSignalBlocker quiet(ParticipantSelector);
    ParticipantSelector->clear();
    ParticipantSelector->addItem(tr("Skupina"));
    for (const TParticipant &participant : Model.Participants)
        ParticipantSelector->addItem(participant.Name);
    ParticipantSelector->setCurrentIndex(Document.Participant() + 1);
    FParticipantAction->setVisible(!Model.Participants.empty());
}

// The undo and redo commands name the edit they would take back or do again.
void TFormKalvo::ShowHistory()
{
    auto caption = [](const QString &command, const QString &edit) {
        return edit.isEmpty() ? command : command + QStringLiteral(": ") + edit;
    };
    UndoAction->setEnabled(Document.CanUndo());
    UndoAction->setText(caption(tr("&Razveljavi"), Document.UndoText()));
    RedoAction->setEnabled(Document.CanRedo());
    RedoAction->setText(caption(tr("&Uveljavi"), Document.RedoText()));
}

// --- Model operations ---------------------------------------------------------

// The grid shows the selected criterion as the model holds it now.
void TFormKalvo::RefillGrid()
{
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, nullptr, &shown, Document.Participant());
    tv_kriteriji->setToolTip(grid.TreeTooltip);
    if (shown)
        sg_matrika->Show(grid);
    Ratings->Show(Model, Model.Tree.Selected());
}

void TFormKalvo::tv_kriterijiCurrentChanged(TCriterionNode *node)
{
    Document.Select(node);
}

// --- The comparison grid -------------------------------------------------------

void TFormKalvo::sg_matrikaClick()
{
    const TCriterionNode *node = Model.Tree.Selected();
    if (!node || !node->Matrix || sg_matrika->Cell(sg_matrika->Col(), sg_matrika->Row()).isEmpty())
        return;
    const TCriterionKind kind = node->Matrix->Kind;
    sg_matrika->SetTyping(kind == ckLessIsBetter || kind == ckMoreIsBetter);
}

void TFormKalvo::sg_matrikaExit()
{
    sg_matrika->SetTyping(false);
}





// The latest solution whose measured values are still the placeholder: which criteria.
void TFormKalvo::ShowAwaitingValues()
{
    for (int k = Model.SolutionCount() - 1; k >= 0; --k) {
        const std::vector<TCriterionNode *> leaves = Model.AwaitingValues(k);
        if (leaves.empty())
            continue;
        QStringList names;
        for (const TCriterionNode *leaf : leaves)
            names << leaf->Name;
        AwaitingValues->setText(tr("Rešitev »%1« še nima vnesenih vrednosti (za zdaj 1): %2")
                                    .arg(Model.Solutions[size_t(k)].Name, names.join(QStringLiteral(", "))));
        AwaitingValues->show();
        return;
    }
    AwaitingValues->hide();
}



// --- Project lifecycle ----------------------------------------------------------

void TFormKalvo::OpenModel(const QString &fileName)
{
    FProject->Open(fileName);
}

void TFormKalvo::OpenStartModel(const QString &fileName)
{
    FProject->OpenStart(fileName);
}

void TFormKalvo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // FormShow. A focused tree shows its first node as selected, as the tree
    // control of a desktop does. A root that has no matrix yet (the start) gets
    // none: the grid stays empty and the status line says nothing of a 0x0 matrix.
    tv_kriteriji->setFocus();
    Document.SetDebugMode(false);
    TCriterionNode *first = Model.Tree.FirstNode();
    if (!tv_kriteriji->currentItem() && first)
        Run([this, first] {
            tv_kriteriji->ShowCurrent(first);
            if (!Document.Select(first) && first->Matrix)
                RefillGrid();
        });
}

void TFormKalvo::closeEvent(QCloseEvent *event)
{
    // FormClose: the close question; the other windows end with the program.
    if (!FProject->Close()) {
        event->ignore();
        return;
    }
    event->accept();
    if (FReport)
        FReport->close();
    if (TSensitivityWindow *sensitivity = Sensitivity())
        sensitivity->close();
    if (TUncertaintyWindow *uncertainty = Uncertainty())
        uncertainty->close();
    if (QWidget *help = HelpViewer())
        help->close();
}

bool TFormKalvo::event(QEvent *event)
{
    // The status line belongs to the synthesis: item hints must not cover its panels.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool TFormKalvo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FReportButton && event->type() == QEvent::ToolTip)
        return true;
    if (watched == BlankPairs && event->type() == QEvent::MouseButtonDblClick) {
        Run([this] { FJudgements->AskNextPair(); });
        return true;
    }
    if (watched == AwaitingValues && event->type() == QEvent::MouseButtonDblClick) {
        Run([this] { FJudgements->GoToAwaitingValue(); });
        return true;
    }
    if (watched == Splitter2->handle(1) && event->type() == QEvent::MouseButtonRelease)
        Run([this] { FResults->Recompute(); });   // the end of a drag: computed and placed afresh
    return QMainWindow::eventFilter(watched, event);
}

TSensitivityWindow *TFormKalvo::Sensitivity() const
{
    return FAnalysis->SensitivityWindow();
}

THelpViewer *TFormKalvo::HelpViewer() const
{
    return FAnalysis->HelpViewer();
}

TUncertaintyWindow *TFormKalvo::Uncertainty() const
{
    return FAnalysis->UncertaintyWindow();
}
