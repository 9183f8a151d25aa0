// The command table of the main window: one QAction per command, shared by the
// menus, the tool bar and the pop-up menus.
#include "ui/mainwindow/FormKalvo.h"

#include "model/ModelDocument.h"
#include "ui/common/CommandRunner.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QWidget *Gap(int width)
{
    auto *gap = new QWidget;
    gap->setFixedWidth(width);
    return gap;
}

} // namespace

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
         &TFormKalvo::NovModel},
        {&Izbiramodela1, "Izbiramodela1", "&Odpri model", Qt::CTRL | Qt::Key_O, "Odpri model", "open",
         &TFormKalvo::OdpriModel},
        {&Shrani1, "Shrani1", "&Shrani", Qt::CTRL | Qt::Key_S, "Shrani model", "save", &TFormKalvo::Shrani},
        {&Shranjevanjmodela1, "Shranjevanjmodela1", "&Shrani model kot", Qt::CTRL | Qt::ALT | Qt::Key_S,
         "Shrani model kot", "saveas", &TFormKalvo::ShraniKot},
        {&Izvozirezultate1, "Izvozirezultate1", "&Izvozi rezultate...", {}, nullptr, nullptr,
         &TFormKalvo::IzvoziRezultate},
        {&Izvozisliko1, "Izvozisliko1", "Izvozi s&liko rezultatov...", {}, nullptr, nullptr, &TFormKalvo::IzvoziSliko},
        {&Izhod1, "Izhod1", "I&zhod", Qt::CTRL | Qt::Key_X, nullptr, nullptr, &TFormKalvo::Izhod},
        {&Razveljavi1, "Razveljavi1", "&Razveljavi", Qt::CTRL | Qt::Key_Z, "Razveljavi", "undo",
         &TFormKalvo::Razveljavi},
        {&Uveljavi1, "Uveljavi1", "&Uveljavi", Qt::CTRL | Qt::Key_Y, "Uveljavi", "redo", &TFormKalvo::Uveljavi},
        {&Dodaj1, "Dodaj1", "&Dodaj", Qt::CTRL | Qt::Key_D, "Dodaj kriterij", "addcriterion", &TFormKalvo::DodajKriterij},
        {&Izloi1, "Izloi1", "&Izloci", Qt::CTRL | Qt::Key_I, "Izloci kriterij", "removecriterion",
         &TFormKalvo::IzlociKriterij},
        {&Dodaj2, "Dodaj2", "&Dodaj", Qt::CTRL | Qt::Key_R, "Dodaj rešitev", "addsolution", &TFormKalvo::DodajResitev},
        {&Preimenuj1, "Preimenuj1", "&Preimenuj", {}, nullptr, nullptr, &TFormKalvo::PreimenujResitev},
        {&Odstrani1, "Odstrani1", "&Odstrani", Qt::CTRL | Qt::Key_E, "Odstrani rešitev", "removesolution",
         &TFormKalvo::OdstraniResitev},
        {&Odstranivse1, "Odstranivse1", "Odstrani &vse", Qt::CTRL | Qt::Key_G, nullptr, nullptr,
         &TFormKalvo::OdstraniVse},
        {&Natannametoda1, "Natannametoda1", "Natancna metoda", {}, nullptr, nullptr, &TFormKalvo::NatancnaMetoda},
        {&Priblinametoda1, "Priblinametoda1", "Približna metoda", {}, nullptr, nullptr,
         &TFormKalvo::PribliznaMetoda},
        {&Model1, "Model1", "Model", {}, nullptr, "report", &TFormKalvo::IzpisModela},
        {&Izbran1, "Izbran1", "Kriterij", {}, nullptr, nullptr, &TFormKalvo::IzpisKriterija},
        {&Izbran2, "Izbran2", "Rešitev", {}, nullptr, nullptr, &TFormKalvo::IzpisResitev},
        {&Obcutljivost1, "Obcutljivost1", "&Občutljivost", {}, nullptr, nullptr, &TFormKalvo::Obcutljivost},
        {&Predlogi1, "Predlogi1", "&Predlogi za doslednost", {}, "Predlogi za doslednost", nullptr,
         &TFormKalvo::Predlogi},
        {&Udelezenci1, "Udelezenci1", "&Udeleženci", {}, nullptr, nullptr, &TFormKalvo::Udelezenci},
        {&Uvozianketo1, "Uvozianketo1", "Uvozi &anketo...", {}, nullptr, nullptr, &TFormKalvo::UvoziAnketo},
        {&HelpContentsItem, "HelpContentsItem", "V&sebina", Qt::Key_F1, "Pomoc", "help",
         &TFormKalvo::Pomoc},
        {&Debug1, "Debug1", "Debug", {}, nullptr, nullptr, &TFormKalvo::Debug},
        {&HelpAboutItem, "HelpAboutItem", "&Vizitka", {}, nullptr, nullptr, &TFormKalvo::Vizitka},
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
    // The desktop's own undo and redo icons where it has them.
    Razveljavi1->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), Razveljavi1->icon()));
    Uveljavi1->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), Uveljavi1->icon()));
    Uveljavi1->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
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
    datoteka->addActions({Izvozirezultate1, Izvozisliko1});
    datoteka->addSeparator();
    datoteka->addAction(Izhod1);

    QMenu *urejanje = menuBar()->addMenu(QStringLiteral("&Urejanje"));
    urejanje->setObjectName(QStringLiteral("Urejanje1"));
    urejanje->addActions({Razveljavi1, Uveljavi1});

    QMenu *kriterij = menuBar()->addMenu(QStringLiteral("&Kriterij"));
    kriterij->setObjectName(QStringLiteral("Kriterij1"));
    kriterij->addActions({Dodaj1, Izloi1});

    QMenu *resitve = menuBar()->addMenu(QStringLiteral("&Rešitev"));
    resitve->setObjectName(QStringLiteral("Reitve1"));
    resitve->addActions({Dodaj2, Preimenuj1, Odstrani1});
    resitve->addSeparator();
    resitve->addAction(Odstranivse1);

    QMenu *analiza = menuBar()->addMenu(QStringLiteral("&Analiza"));
    analiza->setObjectName(QStringLiteral("Vrednotenje1"));
    analiza->addActions({Natannametoda1, Priblinametoda1});
    analiza->addSeparator();
    QMenu *izpisi = analiza->addMenu(QStringLiteral("&Izpisi"));
    izpisi->setObjectName(QStringLiteral("Izpisi1"));
    izpisi->addActions({Model1, Izbran1, Izbran2});
    analiza->addSeparator();
    analiza->addActions({Obcutljivost1, Predlogi1});
    analiza->addSeparator();
    analiza->addActions({Udelezenci1, Uvozianketo1});

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
    twin(popup_resitve, QStringLiteral("Preimenuj"), Preimenuj1);
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
    ToolBar1->addActions({Razveljavi1, Uveljavi1});
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
    ToolBar1->addWidget(Gap(23));
    Udelezenec = new QComboBox;
    Udelezenec->setObjectName(QStringLiteral("Udelezenec"));
    Udelezenec->setToolTip(QStringLiteral("Čigave sodbe kaže in ureja mreža"));
    Udelezenec->setMinimumContentsLength(12);
    FParticipantAction = ToolBar1->addWidget(Udelezenec);
    FParticipantAction->setVisible(false);
    connect(Udelezenec, &QComboBox::currentIndexChanged, this, [this](int index) {
        Run([this, index] {
            Document.SetParticipant(index - 1);
            RefillGrid();
            AnalyzeAll();   // the status line and blank pairs are the shown participant's
        });
    });
    for (QAction *action : ToolBar1->actions())
        if (QWidget *button = ToolBar1->widgetForAction(action))
            if (qobject_cast<QToolButton *>(button))
                button->setFixedSize(23, 25);
}

