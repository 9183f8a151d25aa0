#include "ui/Main.h"

#include "ui/About.h"
#include "ui/CriteriaTreeView.h"
#include "ui/Fonts.h"
#include "ui/CommandRunner.h"
#include "ui/FrmIzpis.h"
#include "model/GridContent.h"
#include "model/GridEdits.h"
#include "ui/HelpViewer.h"
#include "matrix/KalvoError.h"
#include "matrix/Messages.h"
#include "ui/ModalHost.h"
#include "model/Model.h"
#include "storage/ModelFiles.h"
#include "ui/PopupUnit.h"
#include "ui/PopupUnit_kriterij.h"
#include "ui/ResultsPanel.h"
#include "storage/SettingsFile.h"
#include "ui/StringGrid.h"
#include "analysis/Synthesis.h"
#include "ui/UnitFormNewModel.h"
#include "ui/UnitRazmerje.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QWidget *Gap(int width)
{
    auto *gap = new QWidget;
    gap->setFixedWidth(width);
    return gap;
}

QString HelpFileName()
{
    return QStringLiteral("Kalvo.hlp");
}

} // namespace

// Resources of a static library must be registered by hand, outside any namespace.
static void InitResources()
{
    Q_INIT_RESOURCE(kalvo);
}

TFormKalvo::TFormKalvo(TModel &model, QWidget *parent)
    : QMainWindow(parent), Model(model)
{
    InitResources();
    setObjectName(QStringLiteral("FormKalvo"));
    setWindowTitle(QStringLiteral("Kalvo - študentska verzija"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kalvo.svg")));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();
    CreateStatusLine();

    // The windows of the program, each made once, in this order.
    FormPopup = new TFormPopup(this);
    FormNewModel = new TFormNewModel(this);
    FormRazmerje = new TFormRazmerje(this);
    FormPopup_kriterij = new TFormPopup_kriterij(this);
    AboutBox = new TAboutBox(this);
    // A window of its own, not owned by the main window; the main window ends it.
    frmIzpis = new TfrmIzpis(Model, AboutBox, [this] { HelpContentsItemClick(); });

    OpenDialog = new QFileDialog(this, QStringLiteral("Odpri model"));
    OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
    OpenDialog->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog->setOption(QFileDialog::ReadOnly, false);
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setNameFilters({QStringLiteral("Kalvo model (*.krt *.KRT)"), QStringLiteral("All files (*)")});
    SaveDialog = new QFileDialog(this, QStringLiteral("Shrani model"));
    SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog->setOption(QFileDialog::DontConfirmOverwrite);
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setFileMode(QFileDialog::AnyFile);
    SaveDialog->setNameFilters({QStringLiteral("Kalvo model (*)")});

    SetMessageHandler([this](const QString &text) { TModalHost::Message(this, QStringLiteral("Kalvo"), text); });

    // The client area (below the menu) is 833 x 664, centred on the screen.
    resize(833, 664 + menuBar()->sizeHint().height());
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    RebuildTree();
}

TFormKalvo::~TFormKalvo()
{
    delete frmIzpis;
    SetMessageHandler(nullptr);
}

void TFormKalvo::Bind(QAction *action, void (TFormKalvo::*handler)())
{
    connect(action, &QAction::triggered, this, [this, handler] { Run([this, handler] { (this->*handler)(); }); });
}

void TFormKalvo::CreateActions()
{
    // The command table: action, design name, caption, shortcut, tool-bar hint, icon, handler.
    const struct {
        QAction **action;
        const char *name;
        const char *caption;
        QKeySequence shortcut;
        const char *hint;
        const char *icon;
        void (TFormKalvo::*handler)();
    } commands[] = {
        {&Novmodel1, "Novmodel1", "&Nov model", Qt::CTRL | Qt::Key_N, "Nov model", "new",
         &TFormKalvo::SpeedButton3Click},
        {&Izbiramodela1, "Izbiramodela1", "&Odpri model", Qt::CTRL | Qt::Key_O, "Odpri model", "open",
         &TFormKalvo::SpeedButton2Click},
        {&Shrani1, "Shrani1", "&Shrani", Qt::CTRL | Qt::Key_S, "Shrani model", "save", &TFormKalvo::Shrani1Click},
        {&Shranjevanjmodela1, "Shranjevanjmodela1", "&Shrani model kot", Qt::CTRL | Qt::ALT | Qt::Key_S,
         "Shrani model kot", "saveas", &TFormKalvo::Shranjevanjmodela1Click},
        {&Izhod1, "Izhod1", "I&zhod", Qt::CTRL | Qt::Key_X, nullptr, nullptr, &TFormKalvo::Izhod1Click},
        {&Dodaj1, "Dodaj1", "&Dodaj", Qt::CTRL | Qt::Key_D, "Dodaj kriterij", "addcriterion", &TFormKalvo::Dodaj1Click},
        {&Izloi1, "Izloi1", "&Izloci", Qt::CTRL | Qt::Key_I, "Izloci kriterij", "removecriterion",
         &TFormKalvo::Brii1Click},
        {&Dodaj2, "Dodaj2", "&Dodaj", Qt::CTRL | Qt::Key_R, "Dodaj rešitev", "addsolution", &TFormKalvo::Dodaj4Click},
        {&Odstrani1, "Odstrani1", "&Odstrani", Qt::CTRL | Qt::Key_E, "Odstrani rešitev", "removesolution",
         &TFormKalvo::Brii2Click},
        {&Odstranivse1, "Odstranivse1", "Odstrani &vse", Qt::CTRL | Qt::Key_G, nullptr, nullptr,
         &TFormKalvo::Izbriivse1Click},
        {&Natannametoda1, "Natannametoda1", "Natancna metoda", {}, nullptr, nullptr, &TFormKalvo::Natannametoda1Click},
        {&Priblinametoda1, "Priblinametoda1", "Približna metoda", {}, nullptr, nullptr,
         &TFormKalvo::Priblinametoda1Click},
        {&Model1, "Model1", "Model", {}, nullptr, "report", &TFormKalvo::Model1Click},
        {&Izbran1, "Izbran1", "Kriterij", {}, nullptr, nullptr, &TFormKalvo::Izbran1Click},
        {&Izbran2, "Izbran2", "Rešitev", {}, nullptr, nullptr, &TFormKalvo::Izbran2Click},
        {&HelpContentsItem, "HelpContentsItem", "V&sebina", Qt::Key_F1, "Pomoc", "help",
         &TFormKalvo::HelpContentsItemClick},
        {&Debug1, "Debug1", "Debug", {}, nullptr, nullptr, &TFormKalvo::Debug1Click},
        {&HelpAboutItem, "HelpAboutItem", "&Vizitka", {}, nullptr, nullptr, &TFormKalvo::HelpAboutItemClick},
    };
    for (const auto &command : commands) {
        auto *action = new QAction(QString::fromUtf8(command.caption), this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        if (command.hint)
            action->setToolTip(QString::fromUtf8(command.hint));
        if (command.icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(command.icon))));
        *command.action = action;
        Bind(action, command.handler);
    }
    HelpContentsItem->setStatusTip(QStringLiteral("Display the help contents screen"));
    HelpAboutItem->setStatusTip(QStringLiteral("Informacije o programu"));

    FMethods = new QActionGroup(this);
    for (QAction *method : {Natannametoda1, Priblinametoda1}) {
        method->setCheckable(true);
        FMethods->addAction(method);
    }
    Natannametoda1->setChecked(true);
    Debug1->setCheckable(true);
    // A group of its own draws the radio-style dot; it may be switched off again.
    auto *debugGroup = new QActionGroup(this);
    debugGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    debugGroup->addAction(Debug1);
}

void TFormKalvo::CreateMenus()
{
    QMenu *datoteka = menuBar()->addMenu(QStringLiteral("&Datoteka"));
    datoteka->setObjectName(QStringLiteral("Datoteka1"));
    datoteka->addActions({Novmodel1, Izbiramodela1, Shrani1, Shranjevanjmodela1});
    datoteka->addSeparator();
    datoteka->addAction(Izhod1);

    QMenu *kriterij = menuBar()->addMenu(QStringLiteral("&Kriterij"));
    kriterij->setObjectName(QStringLiteral("Kriterij1"));
    kriterij->addActions({Dodaj1, Izloi1});

    QMenu *resitve = menuBar()->addMenu(QStringLiteral("&Rešitev"));
    resitve->setObjectName(QStringLiteral("Reitve1"));
    resitve->addActions({Dodaj2, Odstrani1});
    resitve->addSeparator();
    resitve->addAction(Odstranivse1);

    QMenu *analiza = menuBar()->addMenu(QStringLiteral("&Analiza"));
    analiza->setObjectName(QStringLiteral("Vrednotenje1"));
    analiza->addActions({Natannametoda1, Priblinametoda1});
    analiza->addSeparator();
    QMenu *izpisi = analiza->addMenu(QStringLiteral("&Izpisi"));
    izpisi->setObjectName(QStringLiteral("Izpisi1"));
    izpisi->addActions({Model1, Izbran1, Izbran2});

    QMenu *pomoc = menuBar()->addMenu(QStringLiteral("&Pomoc"));
    pomoc->setObjectName(QStringLiteral("HelpMenu"));
    pomoc->addAction(HelpContentsItem);
    pomoc->addSeparator();
    pomoc->addAction(Debug1);
    pomoc->addSeparator();
    pomoc->addAction(HelpAboutItem);

    // The pop-up menus carry their own captions but run the same handlers.
    auto twin = [this](QMenu *menu, const QString &caption, QAction *command) {
        QAction *item = menu->addAction(caption);
        connect(item, &QAction::triggered, command, &QAction::trigger);
    };
    popup_kriteriji = new QMenu(this);
    popup_kriteriji->setObjectName(QStringLiteral("popup_kriteriji"));
    twin(popup_kriteriji, QStringLiteral("Dodaj"), Dodaj1);
    twin(popup_kriteriji, QStringLiteral("Izloci"), Izloi1);
    popup_resitve = new QMenu(this);
    popup_resitve->setObjectName(QStringLiteral("popup_resitve"));
    twin(popup_resitve, QStringLiteral("Dodaj"), Dodaj2);
    twin(popup_resitve, QStringLiteral("Odstrani"), Odstrani1);
    popup_resitve->addSeparator();
    twin(popup_resitve, QStringLiteral("Odstrani vse"), Odstranivse1);
}

void TFormKalvo::CreateToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    ToolBar1->addActions({Novmodel1, Izbiramodela1});
    ToolBar1->addWidget(Gap(35));
    ToolBar1->addActions({Shrani1, Shranjevanjmodela1});
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addActions({Dodaj1, Izloi1});
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addActions({Dodaj2, Odstrani1});
    ToolBar1->addSeparator();
    ToolBar1->addAction(Model1);
    FReportButton = ToolBar1->widgetForAction(Model1);
    FReportButton->installEventFilter(this);   // this button has no tooltip
    ToolBar1->addWidget(Gap(23));
    ToolBar1->addAction(HelpContentsItem);
    for (QAction *action : ToolBar1->actions())
        if (QWidget *button = ToolBar1->widgetForAction(action))
            if (qobject_cast<QToolButton *>(button))
                button->setFixedSize(23, 25);
}

void TFormKalvo::CreateCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(380);
    auto *upper = new QHBoxLayout(Panel1);
    upper->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(4);
    Splitter2->setChildrenCollapsible(false);
    upper->addWidget(Splitter2);

    tv_kriteriji = new TCriteriaTreeView(Splitter2);
    tv_kriteriji->setObjectName(QStringLiteral("tv_kriteriji"));
    tv_kriteriji->setToolTip(QStringLiteral("Seznam kriterijev"));
    tv_kriteriji->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tv_kriteriji, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_kriteriji->popup(tv_kriteriji->viewport()->mapToGlobal(pos)); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeSelected, this,
            [this](TCriterionNode *node) { Run([this, node] { tv_kriterijiCurrentChanged(node); }); });
    connect(tv_kriteriji, &TCriteriaTreeView::NodeRenamed, this, [this](TCriterionNode *node, const QString &name) {
        Run([&] { Model.RenameCriterion(node, name); });
    });
    connect(tv_kriteriji, &TCriteriaTreeView::DblClick, this, [this] { Run([this] { tv_kriterijiDblClick(); }); });

    sg_matrika = new TStringGrid(Splitter2);
    sg_matrika->setObjectName(QStringLiteral("sg_matrika"));
    sg_matrika->setToolTip(QStringLiteral("Prikaz razmerja"));
    connect(sg_matrika, &TStringGrid::CellSelected, this, [this] { Run([this] { sg_matrikaClick(); }); });
    connect(sg_matrika, &TStringGrid::Exited, this, [this] { Run([this] { sg_matrikaExit(); }); });
    connect(sg_matrika, &TStringGrid::DblClick, this, [this] { Run([this] { sg_matrikaDblClick(); }); });
    connect(sg_matrika, &TStringGrid::EditText, this,
            [this](int c, int r, const QString &text, bool final) {
                Run([=, this] { sg_matrikaSetEditText(c, r, text, final); });
            });

    Splitter2->setSizes({160, 833 - 164});
    Splitter2->setStretchFactor(1, 1);
    Splitter2->handle(1)->installEventFilter(this);

    // Many solutions would push the tree and grid out of the window: the panel
    // takes at most half of it and scrolls.
    FResultsScroll = new QScrollArea(central);
    FResultsScroll->setObjectName(QStringLiteral("ResultsScroll"));
    FResultsScroll->setFrameShape(QFrame::NoFrame);
    FResultsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FResultsScroll->setWidgetResizable(true);
    Panel2 = new TResultsPanel;
    Panel2->SetRowMenu(popup_resitve);
    connect(Panel2, &TResultsPanel::RowClicked, this, &TFormKalvo::OznaciResitevKlik);
    FResultsScroll->setWidget(Panel2);

    layout->addWidget(Panel1);
    layout->addWidget(FResultsScroll, 1);
    setCentralWidget(central);
}

void TFormKalvo::CreateStatusLine()
{
    QStatusBar *status = statusBar();
    status->setObjectName(QStringLiteral("StatusLine"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(23);
    status->setToolTip(QStringLiteral("Statusna vrstica"));
    for (int i = 0; i < 7; ++i) {
        StatusPanels[i] = new QLabel(status);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setFixedWidth(120);
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        ShowPlainText(StatusPanels[i]);
        status->addWidget(StatusPanels[i]);
    }
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

void TFormKalvo::ShowGrid(const TGridContent &grid)
{
    const int col = std::max(sg_matrika->Col(), 1);
    const int row = std::max(sg_matrika->Row(), 1);
    sg_matrika->blockSignals(true);
    sg_matrika->SetSize(grid.ColCount, grid.RowCount);
    for (int c = 0; c < grid.ColCount; ++c)
        for (int r = 0; r < grid.RowCount; ++r)
            sg_matrika->SetCell(c, r, grid.Cell(c, r));
    // There is always a current data cell, kept where it was when it still exists.
    sg_matrika->setCurrentCell(std::min(row, grid.RowCount - 1) - 1, std::min(col, grid.ColCount - 1) - 1);
    sg_matrika->blockSignals(false);
}

void TFormKalvo::ShowStatus()
{
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setBold(Model.Status.Emphasis);
    font.setItalic(Model.Status.Emphasis);
    for (int i = 0; i < 7; ++i) {
        StatusPanels[i]->setFont(font);
        StatusPanels[i]->setText(Model.Status.Panels[size_t(i)]);
    }
}

void TFormKalvo::ShowResults()
{
    Panel2->SyncRows(Model);
    FitHeights(Panel2->Layout(Model));
    ShowStatus();
}

void TFormKalvo::FitHeights(int needed)
{
    // Panel1 and the results share the central area: the results are `needed`
    // high, but show at most half of it and scroll the rest.
    const int shown = std::min(needed, centralWidget()->height() / 2);
    Panel2->setFixedHeight(needed);
    Panel1->setFixedHeight(std::max(0, centralWidget()->height() - shown));
    centralWidget()->layout()->activate();
    // A scroll bar that came or went changed the panel's width: place the rows again.
    const int width = Panel2->width();
    FResultsScroll->widget()->adjustSize();
    if (Panel2->width() != width)
        Panel2->Layout(Model);
}

// Shows the whole model after it was replaced (new model, loading).
void TFormKalvo::ShowModel()
{
    RebuildTree();
    Panel2->SyncRows(Model);
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, nullptr, &shown);
    tv_kriteriji->setToolTip(grid.TreeTooltip);
    if (shown)
        ShowGrid(grid);
    ShowResults();
}

// --- Model operations ---------------------------------------------------------

void TFormKalvo::AnalizeAll()
{
    ::AnalizeAll(Model);
    ShowResults();
}

void TFormKalvo::tv_kriterijiChange(TCriterionNode *node)
{
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, node, &shown);
    tv_kriteriji->setToolTip(grid.TreeTooltip);
    if (!shown)
        return;
    ShowGrid(grid);
    AnalizeAll();
}

// The grid shows the selected criterion's current items after its items change.
void TFormKalvo::RefillGrid()
{
    bool shown = false;
    const TGridContent grid = TGridContent::Fill(Model, nullptr, &shown);
    if (shown)
        ShowGrid(grid);
}

void TFormKalvo::tv_kriterijiCurrentChanged(TCriterionNode *node)
{
    Model.Tree.Select(node);
    tv_kriterijiChange(node);
}

void TFormKalvo::OznaciResitevKlik(int row)
{
    Model.OznaciResitev(row);
    Panel2->SyncRows(Model);
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

void TFormKalvo::sg_matrikaDblClick()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    const int c = sg_matrika->Col();
    const int r = sg_matrika->Row();
    Model.FitNodeMatrix(node);
    if (node->Matrix->Kind == ckRelative && c != r) {
        FormRazmerje->setWindowTitle(QStringLiteral("Razmerje - ") + sg_matrika->Cell(0, 0));
        FormRazmerje->Label1->setText(sg_matrika->Cell(r, 0));
        FormRazmerje->Label2->setText(sg_matrika->Cell(0, c));
        const TRatioPreset preset = PresetRatio(sg_matrika->Cell(c, r));
        FormRazmerje->SetTrackMax(preset.TrackMax);
        FormRazmerje->SetStepCount(preset.Steps);
        FormRazmerje->SetPosition(preset.Position);
        if (TModalHost::Exec(*FormRazmerje) == QDialog::Accepted)
            ApplyRatioAnswer(Model, node, c, r,
                             RatioAnswer(FormRazmerje->Position(), FormRazmerje->TrackMax()));
    }
    RefillGrid();
    AnalizeAll();
}

void TFormKalvo::sg_matrikaSetEditText(int c, int r, const QString &text, bool final)
{
    QString restored;
    switch (TypeAbsoluteValue(Model.Tree.Selected(), sg_matrika->RowCount(), r, text, &restored, final)) {
    case TTypedValue::Ignored:
    case TTypedValue::Incomplete:
        return;
    case TTypedValue::Zero:
    case TTypedValue::Negative: {
        sg_matrika->SetCellAndEditor(c, r, restored);
        // This runs inside the editor's own key or close handling: a modal box now
        // would take the focus and delete the editor under it. It comes after the event.
        const QString message = text.contains(QLatin1Char('-')) ? NegativeValueMessage() : ZeroValueMessage();
        if (!FValueWarningPending) {
            FValueWarningPending = true;
            QTimer::singleShot(0, this, [this, message] {
                FValueWarningPending = false;
                TModalHost::Message(this, ZeroValueCaption(), message);
            });
        }
        return;
    }
    case TTypedValue::Restored:
        sg_matrika->SetCellAndEditor(c, r, restored);
        sg_matrika->ShowHint(c, r, NotANumberMessage(text));
        break;
    case TTypedValue::Stored:
        if (const QString stored = NormalizeTypedValue(text); stored != text)
            sg_matrika->SetCellAndEditor(c, r, stored);
        break;
    case TTypedValue::Relative:
        break;
    }
    AnalizeAll();
}

void TFormKalvo::tv_kriterijiDblClick()
{
    TCriterionNode *node = Model.Tree.Selected();
    if (!node)
        return;
    Model.FitNodeMatrix(node);
    FormPopup_kriterij->Edit1->setText(node->Name);
    FormPopup_kriterij->SetItemIndex(int(node->Matrix->Kind));
    FormPopup_kriterij->setWindowTitle(QStringLiteral("Popravi kriterij"));
    if (TModalHost::Exec(*FormPopup_kriterij) == QDialog::Accepted) {
        Model.EditCriterion(node, FormPopup_kriterij->Edit1->text(), TCriterionKind(FormPopup_kriterij->ItemIndex()));
        tv_kriteriji->ShowName(node);
    }
    tv_kriterijiChange(node);
    AnalizeAll();
}

// --- Commands -----------------------------------------------------------------

void TFormKalvo::Dodaj1Click()
{
    FormPopup_kriterij->setWindowTitle(QStringLiteral("Dodaj kriterij"));
    FormPopup_kriterij->Edit1->clear();
    if (TModalHost::Exec(*FormPopup_kriterij) == QDialog::Accepted) {
        const QString name = FormPopup_kriterij->Edit1->text();
        const auto kind = TCriterionKind(FormPopup_kriterij->ItemIndex());
        if (!Model.Tree.IsEmpty())
            Model.Tree.AddSelectedChild(name, Model.SolutionCount(), kind);
        else
            Model.Tree.AddRoot(name, Model.SolutionCount(), kind);
    }
    Model.Tree.Select(Model.Tree.FirstNode());
    RebuildTree();
    tv_kriterijiChange();
    AnalizeAll();
}

void TFormKalvo::Brii1Click()
{
    const TCriterionNode *selected = Model.Tree.Selected();
    if (!selected || !selected->Parent())
        return;
    Model.Tree.DeleteSelectedNode();
    RebuildTree();
    // The tree shows the parent as selected, and its selection handling runs for it.
    tv_kriterijiChange();
}

void TFormKalvo::Dodaj4Click()
{
    FormPopup->setWindowTitle(QStringLiteral("Dodaj rešitev"));
    if (TModalHost::Exec(*FormPopup) == QDialog::Accepted) {
        Model.AddSolution(FormPopup->Edit1->text());
        // Every leaf gets a weight for the new solution at once, not only when it is next shown.
        Model.FitLeafMatrices();
        Panel2->SyncRows(Model);
        RefillGrid();
        AnalizeAll();
    }
    AnalizeAll();
}

void TFormKalvo::Brii2Click()
{
    if (Model.SolutionCount() == 0)
        return;
    Model.RemoveMarkedSolution();
    Panel2->SyncRows(Model);
    RefillGrid();
    AnalizeAll();
}

void TFormKalvo::Izbriivse1Click()
{
    // Nothing is recomputed: status line, bars and layout stay until the next refresh.
    Model.RemoveAllSolutions();
    Panel2->SyncRows(Model);
    RefillGrid();
}

void TFormKalvo::Natannametoda1Click()
{
    Model.SetMethod(true);
    Natannametoda1->setChecked(true);
    // The second run shows the sub-criterion bars of the new method too.
    AnalizeAll();
    AnalizeAll();
}

void TFormKalvo::Priblinametoda1Click()
{
    Model.SetMethod(false);
    Priblinametoda1->setChecked(true);
    AnalizeAll();
    AnalizeAll();
}

void TFormKalvo::Debug1Click()
{
    Model.SetDebugMode(!Model.DebugMode);
    Debug1->setChecked(Model.DebugMode);
}

void TFormKalvo::HelpContentsItemClick()
{
    if (!FHelp)
        FHelp = new THelpViewer(this);
    FHelp->ShowContents(HelpFileName());
}

void TFormKalvo::HelpAboutItemClick()
{
    TModalHost::Exec(*AboutBox);
}

// The report commands: the file in the current directory, built, then shown.
void TFormKalvo::ShowReport(void (TfrmIzpis::*builder)(const QString &), const QString &fileName)
{
    const QString path = QDir::current().filePath(fileName);
    (frmIzpis->*builder)(path);
    frmIzpis->ShowReport(path);
}

void TFormKalvo::Model1Click()
{
    ShowReport(&TfrmIzpis::WriteModelReport, QStringLiteral("Model.htm"));
}

void TFormKalvo::Izbran1Click()
{
    ShowReport(&TfrmIzpis::WriteCriterionReport, QStringLiteral("Kriteriji.htm"));
}

void TFormKalvo::Izbran2Click()
{
    ShowReport(&TfrmIzpis::WriteSolutionsReport, QStringLiteral("Resitve.htm"));
}

// --- Project lifecycle ----------------------------------------------------------

QString TFormKalvo::ChooseFile(QFileDialog *dialog)
{
    if (TModalHost::Exec(*dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    const QString file = dialog->selectedFiles().constFirst();
    QDir::setCurrent(QFileInfo(file).absolutePath());
    return file;
}

void TFormKalvo::OpenModel(const QString &fileName)
{
    bool replaced = false;
    try {
        LoadProject(Model, fileName, &replaced);
    } catch (...) {
        // A set that could not be read changed nothing, and the window shows what
        // it showed; a model that came in whole is shown before its synthesis error.
        if (replaced)
            ShowModel();
        throw;
    }
    ShowModel();
}

void TFormKalvo::OpenStartModel(const QString &fileName)
{
    if (!ModelExists(fileName))
        throw EKalvoError(EKalvoError::ekFile, QStringLiteral("Modela »%1« ni.").arg(fileName));
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    QDir::setCurrent(QFileInfo(absolute).absolutePath());
    OpenModel(absolute);
}

void TFormKalvo::SpeedButton3Click()
{
    if (TModalHost::Exec(*FormNewModel) == QDialog::Accepted) {
        Model.NewModel(FormNewModel->Edit1->text());
        Panel2->SyncRows(Model);
        FitHeights(Panel2->Layout(Model));
    }
    Model.Tree.Select(Model.Tree.FirstNode());
    RebuildTree();
    tv_kriterijiChange();
    AnalizeAll();
}

void TFormKalvo::SpeedButton2Click()
{
    const QString file = ChooseFile(OpenDialog);
    if (!file.isEmpty())
        OpenModel(file);
}

bool TFormKalvo::SaveProjectTo(const QString &fileName)
{
    if (SavingReplacesOtherSet(Model, fileName)) {
        const auto answer = TModalHost::Message(
            this, QStringLiteral("Vprašanje"),
            QStringLiteral("Model »%1« že obstaja. Ga želite nadomestiti?").arg(QFileInfo(BaseName(fileName)).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Question);
        if (answer != QMessageBox::Yes)
            return false;
    }
    const bool saved = RunGuarded(this, [&] { SaveProject(Model, fileName); });
    RefillGrid();   // saving fits every matrix
    return saved;
}

void TFormKalvo::Shrani1Click()
{
    SaveProjectTo(Model.ProjectFileName);
}

void TFormKalvo::Shranjevanjmodela1Click()
{
    const QString file = ChooseFile(SaveDialog);
    if (file.isEmpty() || !SaveProjectTo(file))
        return;
    OpenModel(file);
}

void TFormKalvo::WriteSettings()
{
    WriteSettingsFile(QDir::current().filePath(QStringLiteral("Kalvo.ini")), Model.ProjectFileName);
}

void TFormKalvo::Izhod1Click()
{
    if (!SaveProjectTo(Model.ProjectFileName))
        return;
    WriteSettings();
    close();
}

void TFormKalvo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // FormShow. A focused tree shows its first node as selected, as the tree
    // control of a desktop does. A root that has no matrix yet (the start) gets
    // none: the grid stays empty and the status line says nothing of a 0x0 matrix.
    tv_kriteriji->setFocus();
    Model.SetDebugMode(false);
    Debug1->setChecked(false);
    TCriterionNode *first = Model.Tree.FirstNode();
    if (!tv_kriteriji->currentItem() && first) {
        Model.Tree.Select(first);
        tv_kriteriji->ShowCurrent(first);
        if (first->Matrix)
            Run([this] { tv_kriterijiChange(); });
    }
}

void TFormKalvo::closeEvent(QCloseEvent *event)
{
    FormClose(event);
    if (event->isAccepted()) {
        // The other windows end with the program.
        frmIzpis->close();
        if (FHelp)
            FHelp->close();
    }
}

void TFormKalvo::FormClose(QCloseEvent *event)
{
    if (Model.Tree.NodeCount() == 1) {
        event->accept();
        return;
    }
    const auto answer = TModalHost::Message(this, QStringLiteral("Vprašanje"),
                                            QStringLiteral("Želite shraniti projekt pred izhodom?"),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                            QMessageBox::Yes);
    if (answer == QMessageBox::Yes && !SaveProjectTo(Model.ProjectFileName)) {
        event->ignore();   // the failed save was shown; nothing is lost
        return;
    }
    Run([this] { WriteSettings(); });
    if (answer == QMessageBox::Cancel)
        event->ignore();
    else
        event->accept();
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
    if (watched == Splitter2->handle(1) && event->type() == QEvent::MouseButtonRelease)
        Run([this] { AnalizeAll(); });   // Splitter2Moved: the end of a drag
    return QMainWindow::eventFilter(watched, event);
}
