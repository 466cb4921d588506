// The main window's start-up and close, and the settings and last-state files they read and
// write.

#include "app/CommandLineLanguage.h"
#include "app/TFormHlav.h"
#include "app/WindowLink.h"

#include "model/Presets.h"
#include "storage/ConfigPaths.h"
#include "storage/SettingsFile.h"
#include "storage/TestSwitch.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>

using namespace varko;

namespace {
constexpr std::uint8_t kStartupBike = 20; // "Yamaha R6"
constexpr std::uint8_t kStartupPort = 1;  // COM2

// The window's placement as it is now; every other value as when the file lacks its key.
SettingsValues PlacementOf(const QWidget& window) {
    SettingsValues values;
    values.left = window.x();
    values.top = window.y();
    values.height = window.height();
    values.width = window.width();
    return values;
}
} // namespace

void TFormHlav::FormCreate() {
    BuildControlTables(this, ui);
    link = std::make_unique<WindowLink>(*this, ui, settings, unitTexts); // with the port menu
    ConnectHandlers();
    SetUpEditingFlows();
    settings.portSelection = kStartupPort;
    paramImage.bike() = kStartupBike;
    ApplyBikePreset(paramImage, bikeListChanged);
    CenterOnScreen();
    exeDirDataFile = QCoreApplication::applicationDirPath() + "/data.ign";
    LoadSettings();
    ApplyCommandLineLanguage();
    // The link starts in the no-connection state by itself.
    Normalize(paramImage, settings);
    ShowImage();
    UndoInit();
    OpenComPort();
    ApplyTexts();
    ShowImage();
    ui.labelHlaseni->hide();
    ui.gaugeProgram->hide();
    ui.gaugeProgram->setMaximum(2);
    ui.labelEeDataErr->hide();
    ui.labelVersion->hide();
    ReadTestSwitch();
    for (QLabel* label : ui.labelTest) {
        label->setVisible(testEnable);
    }
    ApplyUiRules();
}

void TFormHlav::FormClose() {
    CloseComPort();
    CollectImage();
    Normalize(paramImage, settings);
    SaveSettings();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFormHlav::CenterOnScreen() {
    const QRect screenArea = screen()->geometry();
    move((screenArea.width() - width()) / 2, (screenArea.height() - height()) / 2);
}

void TFormHlav::LoadSettings() {
    SettingsValues values = PlacementOf(*this);
    LoadSettingsFile(SettingsFilePath(), values);
    move(values.left, values.top);
    // A size far beyond the desktop cannot be meant and would cost the memory of its picture.
    const QSize largest = (screen()->virtualSize() * 2).expandedTo(size());
    resize(qMin(values.width, largest.width()), qMin(values.height, largest.height()));
    settings = values.window;
    ui.labelFile2->setText(values.file);
    lastFilePath = values.iniDir;
    openDialog1.fileName = lastFilePath;
    saveDialog1.fileName = lastFilePath;
    ui.pageControl->setCurrentIndex(values.activePage); // an index without a page changes nothing

    LastState state{paramImage, lastStateReserved};
    if (LoadLastStateFile(LastStateFilePath(), state)) {
        paramImage = state.image;
        lastStateReserved = state.reserved;
    }
}

// Files that cannot be written are skipped without a message: the program is closing.
void TFormHlav::SaveSettings() {
    SettingsValues values = PlacementOf(*this);
    values.window = settings;
    values.file = ui.labelFile2->text();
    values.iniDir = lastFilePath;
    values.activePage = ui.pageControl->currentIndex();
    SaveSettingsFile(SettingsFilePath(), values);
    SaveLastStateFile(LastStateFilePath(), LastState{paramImage, lastStateReserved});
}

void TFormHlav::ApplyCommandLineLanguage() {
    if (const auto language = CommandLineLanguage(QCoreApplication::arguments()))
        settings.language = *language;
}

void TFormHlav::ReadTestSwitch() {
    testEnable = varko::ReadTestSwitch();
}
