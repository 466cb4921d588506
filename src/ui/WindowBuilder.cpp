// The frame of the main window: menus, toolbar, notebook, the link's labels, the file and
// status area and the status bar. The pages are filled by PageBuilder.

#include "ui/WindowBuilder.h"

#include "ui/ChartDocks.h"
#include "ui/CommandButton.h"
#include "ui/LiveColumn.h"
#include "ui/MainWindowUi.h"
#include "ui/PageBuilder.h"
#include "ui/Place.h"
#include "ui/Texts.h"
#include "ui/ToolbarIcons.h"
#include "ui/WarningLabels.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>

namespace {

constexpr int kClientWidth = 954;
constexpr int kClientHeight = 750;
constexpr int kStatusBarHeight = 19;
constexpr int kLiveColumnX = 676;
constexpr int kNotebookRight = 4 + 653;

QAction* addItem(QMainWindow* window, QMenu* menu, const char* name, const QKeySequence& keys) {
    auto* action = new QAction(window);
    action->setObjectName(name);
    action->setShortcut(keys);
    menu->addAction(action);
    return action;
}

QMenu* addMenu(QMainWindow* window, const char* name) {
    auto* menu = new QMenu(window);
    menu->setObjectName(name);
    window->menuBar()->addMenu(menu);
    return menu;
}

void buildMapMenu(QMainWindow* window, QMenu* tools, MainWindowUi::MenuActions::MapItems& map) {
    map.menu = new QMenu(window);
    map.menu->setObjectName("MenuMap");
    tools->addMenu(map.menu);
    constexpr const char* editNames[varko::kBulkEditCount] = {
        "MenuMapSet",      "MenuMapAdd",      "MenuMapScale", "MenuMapSpeed",
        "MenuMapThrottle", "MenuMapBilinear", "MenuMapSmooth"};
    for (int e = 0; e < varko::kBulkEditCount; ++e)
        map.edits[e] = addItem(window, map.menu, editNames[e], {});
    map.menu->addSeparator();
    // The keys act in the map's cells, which take them before any window shortcut.
    map.copy = addItem(window, map.menu, "MenuMapCopy", QKeySequence::Copy);
    map.paste = addItem(window, map.menu, "MenuMapPaste", QKeySequence::Paste);
    map.selectAll = addItem(window, map.menu, "MenuMapSelectAll", QKeySequence::SelectAll);
    for (QAction* item : {map.copy, map.paste, map.selectAll})
        item->setShortcutContext(Qt::WidgetShortcut);
    map.menu->addSeparator();
    auto* scales = new QActionGroup(window);
    constexpr const char* scaleNames[] = {"MenuMapColoursOff", "MenuMapColoursValue",
                                          "MenuMapColoursTime"};
    for (std::size_t s = 0; s < map.scales.size(); ++s) {
        map.scales[s] = addItem(window, map.menu, scaleNames[s], {});
        map.scales[s]->setCheckable(true);
        scales->addAction(map.scales[s]);
    }
    map.scales[0]->setChecked(true);
    map.resetTime = addItem(window, map.menu, "MenuMapResetTime", {});
}

void buildMenus(QMainWindow* window, MainWindowUi& ui) {
    MainWindowUi::MenuActions& m = ui.menu;
    QMenu* file = addMenu(window, "MenuFile");
    m.newImage = addItem(window, file, "MenuNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    m.open = addItem(window, file, "MenuOpen", QKeySequence(Qt::Key_F3));
    m.openFromProgramFolder = addItem(window, file, "MenuOpenExeDir", {});
    m.history = addItem(window, file, "MenuHistory", {});
    m.compareFile = addItem(window, file, "MenuCompareFile", {});
    m.openLiveDataLog = addItem(window, file, "OpenLiveDataLog", {});
    file->addSeparator();
    m.save = addItem(window, file, "MenuSave", QKeySequence(Qt::Key_F2));
    m.saveToProgramFolder = addItem(window, file, "MenuSaveExeDir", {});
    file->addSeparator();
    m.print = addItem(window, file, "MenuPrint", QKeySequence(Qt::CTRL | Qt::Key_P));
    m.printAll = addItem(window, file, "MenuPrintAll", {});
    file->addSeparator();
    m.exit = addItem(window, file, "MenuExit", {});

    ui.portMenu = addMenu(window, "MenuCom");

    QMenu* device = addMenu(window, "MenuDevice");
    m.read = addItem(window, device, "MenuRead", QKeySequence(Qt::Key_F7));
    m.verify = addItem(window, device, "MenuVerify", QKeySequence(Qt::Key_F8));
    m.program = addItem(window, device, "MenuProgram", QKeySequence(Qt::Key_F9));
    device->addSeparator();
    m.compareUnit = addItem(window, device, "MenuCompareUnit", {});
    device->addSeparator();
    m.recordLiveData = addItem(window, device, "RecordLiveData", {});
    m.recordLiveData->setCheckable(true);

    QMenu* tools = addMenu(window, "MenuTools");
    m.advanceMinus = addItem(window, tools, "AdvanceMinus", QKeySequence(Qt::Key_F4));
    setHint(m.advanceMinus, "Curve A minus|Take off 1 degree of curve A", false);
    m.advancePlus = addItem(window, tools, "AdvancePlus", QKeySequence(Qt::Key_F5));
    setHint(m.advancePlus, "Curve A plus|Add 1 degree of curve A", false);
    m.undo = addItem(window, tools, "MenuZpet", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.redo = addItem(window, tools, "MenuZnovu", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    buildMapMenu(window, tools, m.map);
    tools->addSeparator();
    m.backupBeforeProgramming = addItem(window, tools, "MenuBackupBeforeProgramming", {});
    m.backupBeforeProgramming->setCheckable(true);

    addMenu(window, "MenuView");

    QMenu* language = addMenu(window, "MenuLanguage");
    auto* languages = new QActionGroup(window);
    struct LanguageItem {
        const char* name;
        const char* hint; // the same in every language, each in its own language
    };
    constexpr LanguageItem items[varko::kLanguageCount] = {{"MenuEnglish", "Set English menu"},
                                                           {"MenuGerman", "Deutsches Menü"},
                                                           {"MenuFrench", "Installer en Francais "},
                                                           {"MenuCzech", "Nastavit české menu"}};
    for (int l = 0; l < varko::kLanguageCount; ++l) {
        QAction* action = addItem(window, language, items[l].name, {});
        action->setCheckable(true);
        languages->addAction(action);
        setHint(action, QString::fromUtf8(items[l].hint), false);
        m.languages[l] = action;
    }

    QMenu* help = addMenu(window, "MenuHelp");
    setHint(help->menuAction(), "Not available jet", false);
    m.contents = addItem(window, help, "MenuContens", QKeySequence(Qt::Key_F1));
    m.about = addItem(window, help, "MenuAbout", {});
}

void buildToolbar(QWidget* client, MainWindowUi& ui) {
    MainWindowUi::ToolbarButtons& b = ui.toolbar;
    const MainWindowUi::MenuActions& m = ui.menu;
    auto* group = placeWidget<QGroupBox>(client, "GroupBoxToolBar", 3, 0, 463, 43);
    const auto place = [group](const char* name, QAction* command, int x, int y, int width,
                               int height) {
        auto* button = new CommandButton(group, command);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(x, y, width, height);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    struct PictureButton {
        QAbstractButton* MainWindowUi::ToolbarButtons::*member;
        QAction* command;
        const char* name;
        ToolbarPicture picture;
        int x;
        int width;
        int height;
    };
    using B = MainWindowUi::ToolbarButtons;
    const PictureButton pictures[] = {
        {&B::newImage, m.newImage, "SpeedButton6", ToolbarPicture::New, 8, 24, 23},
        {&B::open, m.open, "SpeedButton5", ToolbarPicture::Open, 33, 24, 23},
        {&B::save, m.save, "SpeedButton7", ToolbarPicture::Save, 58, 24, 23},
        {&B::print, m.print, "SpeedButtonPrint", ToolbarPicture::Print, 83, 24, 23},
        {&B::undo, m.undo, "SpeedButtonZpet", ToolbarPicture::Undo, 116, 23, 22},
        {&B::redo, m.redo, "SpeedButtonZnovu", ToolbarPicture::Redo, 140, 23, 22},
        {&B::recordLiveData, m.recordLiveData, "RecordLiveDataButton", ToolbarPicture::Record, 432,
         24, 23},
    };
    for (const PictureButton& p : pictures) {
        CommandButton* button = place(p.name, p.command, p.x, 12, p.width, p.height);
        button->setIcon(toolbarIcon(p.picture));
        button->setAutoRaise(true);
        b.*p.member = button;
    }
    struct TextButton {
        QAbstractButton* MainWindowUi::ToolbarButtons::*member;
        QAction* command;
        const char* name;
        int x;
        int width;
    };
    // As wide as the longest caption of the four languages needs.
    const TextButton texts[] = {{&B::read, m.read, "ButtonRead", 176, 60},
                                {&B::verify, m.verify, "BitBtnVerify", 241, 82},
                                {&B::program, m.program, "BitBtnProgram", 328, 96}};
    for (const TextButton& t : texts) {
        CommandButton* button = place(t.name, t.command, t.x, 13, t.width, 23);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b.*t.member = button;
    }
}

void buildLinkWidgets(QWidget* client, MainWindowUi& ui) {
    ui.connectionLabel = placeWidget<QLabel>(client, "LabelSpojeni", 480, 9, 174, 29);
    setPixelFont(ui.connectionLabel, 13, true);
    ui.connectionLabel->setAlignment(Qt::AlignCenter);
    ui.connectionLabel->setStyleSheet("background-color: red;");

    ui.comLabel = placeWidget<QLabel>(client, "LabelCom", kLiveColumnX, 502, 270, 22);
    ui.comLabel->setText("COM = ---");
    setPixelFont(ui.comLabel, 16, false);

    ui.statusLabel = placeWidget<QLabel>(client, "LabelHlaseni", kLiveColumnX, 528, 270, 22);
    setPixelFont(ui.statusLabel, 13, true);
    ui.statusLabel->hide();

    ui.programGauge =
        placeWidget<QProgressBar>(client, "CGaugeProgram", kLiveColumnX, 556, 270, 18);
    ui.programGauge->setTextVisible(true);
    ui.programGauge->setStyleSheet("QProgressBar { text-align: center; }"
                                   "QProgressBar::chunk { background-color: aqua; }");
    ui.programGauge->hide();
}

void buildFileArea(QWidget* client, MainWindowUi& ui) {
    placeWidget<QLabel>(client, "LabelFile1", 20, 554, 48, 17);
    ui.fileLabel = placeWidget<QLabel>(client, "LabelFile2", 70, 554, 590, 17);
    ui.fileLabel->setText("----------");
    ui.programAfterChange = placeWidget<QCheckBox>(client, "CheckBoxProgHned", 20, 574, 177, 16);
    ui.dataErrorLabel = placeWarning(client, "LabelEeDataErr", 598, kNotebookRight);
    setWarningText(ui.dataErrorLabel, "Programmed data error");
    ui.versionWarningLabel = placeWarning(client, "LabelVersion", 628, kNotebookRight);
    // Under the live column, in two columns of four: the warnings may take the whole width
    // beside the notebook, and the test values show with the unit's live data.
    for (int t = 0; t < 8; ++t) {
        auto* label =
            placeWidget<QLabel>(client, QString("LabelTest%1").arg(t + 1),
                                kLiveColumnX + (t / 4) * 135, 598 + (t % 4) * 25, 118, 18);
        setPixelFont(label, 13, true);
        label->hide();
        ui.testLabels[t] = label;
    }
}

} // namespace

void buildMainWindow(QMainWindow* window, MainWindowUi& ui) {
    window->setObjectName("FormHlav");
    QFont font = window->font();
    font.setPixelSize(11);
    window->setFont(font);

    buildMenus(window, ui);

    ui.client = new QWidget(window);
    ui.client->setObjectName("ClientArea");
    ui.client->setMinimumSize(kClientWidth, kClientHeight - kStatusBarHeight);
    window->setCentralWidget(ui.client);

    auto* statusBar = new QStatusBar(window);
    statusBar->setObjectName("StatusBar1");
    statusBar->setFixedHeight(kStatusBarHeight);
    statusBar->setSizeGripEnabled(false);
    window->setStatusBar(statusBar);

    buildToolbar(ui.client, ui);
    buildLinkWidgets(ui.client, ui);
    LiveColumn::build(ui.client);
    ui.pageControl =
        placeWidget<QTabWidget>(ui.client, "PageControl1", 4, 48, kNotebookRight - 4, 497);
    buildPages(ui);
    // The four tabs always fit; with only one visible (Print all) Qt would otherwise show its
    // scroll arrows beside it, over the page.
    ui.pageControl->setUsesScrollButtons(false);
    buildFileArea(ui.client, ui);
    buildChartDocks(window, ui);

    window->resize(kClientWidth, kClientHeight + window->menuBar()->sizeHint().height());
}
