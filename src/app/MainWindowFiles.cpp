// New and the four file flows of the main window, and where their menu items and toolbar
// buttons (with those of undo and redo) are connected.

#include "app/MainWindow.h"
#include "app/WindowLink.h"

#include "model/Messages.h"
#include "model/Presets.h"
#include "storage/ParamFile.h"
#include "ui/MenuShortcuts.h"
#include "ui/MessageBoxes.h"
#include "ui/NumberPair.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <vector>

using namespace varko;

namespace {
const QString kParamFileExt = QStringLiteral("ign");
} // namespace

void MainWindow::setUpEditingFlows() {
    openDialog = {FileDialog::Kind::Open,
                  QStringLiteral("Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.*"),
                  1,
                  kParamFileExt,
                  {}};
    saveDialog = {FileDialog::Kind::Save,
                  QStringLiteral("Ignition Parametrs(*.ign)|*.ign"),
                  1,
                  kParamFileExt,
                  {}};

    struct Binding {
        const char* menuItem;
        const char* toolbarButton; // nullptr: none
        void (MainWindow::*handler)();
    };
    const Binding bindings[] = {
        {"MenuNew", "SpeedButton6", &MainWindow::newImage},
        {"MenuOpen", "SpeedButton5", &MainWindow::openFile},
        {"MenuOpenExeDir", nullptr, &MainWindow::openFromProgramFolder},
        {"MenuSave", "SpeedButton7", &MainWindow::saveFile},
        {"MenuSaveExeDir", nullptr, &MainWindow::saveToProgramFolder},
        {"MenuZpet", "SpeedButtonZpet", &MainWindow::undo},
        {"MenuZnovu", "SpeedButtonZnovu", &MainWindow::redo},
    };
    for (const Binding& b : bindings) {
        connect(findChild<QAction*>(QLatin1String(b.menuItem)), &QAction::triggered, this,
                b.handler);
        if (b.toolbarButton != nullptr) {
            connect(findChild<QAbstractButton*>(QLatin1String(b.toolbarButton)),
                    &QAbstractButton::clicked, this, b.handler);
        }
    }
    undoControls = {findChild<QAction*>("MenuZpet"), findChild<QAction*>("MenuZnovu"),
                    findChild<QWidget*>("SpeedButtonZpet"),
                    findChild<QWidget*>("SpeedButtonZnovu")};
    for (NumberPair* pair : ui.pairs)
        giveShortcutsToMenu(pair->edit(), {undoControls.undoAction, undoControls.redoAction});
}

void MainWindow::newImage() {
    const QString question = messageText(Msg::defaultSettingQuestion, settings.language);
    if (MessageBoxes::current().ask(this, question) != MessageBoxes::Answer::Yes)
        return;
    bikeListChanged = false;
    applyBikePreset(paramImage, bikeListChanged);
    refreshAfterChange();
    hideTransferStatus();
    ui.fileLabel->clear(); // the parameter set no longer belongs to a file
}

void MainWindow::saveFile() {
    saveDialog.filterIndex = 1;
    if (!FileDialogs::current().execute(this, saveDialog))
        return;
    const QString path = saveDialog.fileName;
    collectImage();
    normalize(paramImage, settings);
    showImage();
    // The old file is replaced only once the new one is complete.
    if (!saveParamFile(path, paramImage)) {
        MessageBoxes::current().inform(this, messageText(Msg::openFileError, settings.language));
        return;
    }
    rememberFile(path, openDialog);
}

void MainWindow::openFile() {
    if (FileDialogs::current().execute(this, openDialog))
        openParamFile(openDialog.fileName);
    hideTransferStatus();
}

void MainWindow::openParamFile(const QString& path) {
    // Parsed into a copy: the link ticks on while the version boxes are open, and a transfer
    // must not send a half-taken image meanwhile.
    ParamImage loaded = paramImage;
    std::uint8_t version = 0;
    std::vector<FileMessage> messages;
    const bool readable =
        loadParamFile(path, loaded, version, [&messages](FileMessage m) { messages.push_back(m); });
    if (!readable) {
        MessageBoxes::current().inform(this, messageText(Msg::openFileError, settings.language));
        return;
    }
    for (const FileMessage message : messages) {
        const int text = message == FileMessage::OlderVersion ? Msg::olderFileVersion
                                                              : Msg::unmatchedFileVersion;
        MessageBoxes::current().inform(this, messageText(text, settings.language));
    }
    if (version == 0)
        return;
    paramImage = loaded;
    // Through the controls once, so that values they cannot show (a channel count of 0, a model
    // code without an entry) become what the window shows before the image is recorded for undo
    // or programmed into the unit.
    showImage();
    collectImage();
    refreshAfterChange();
    rememberFile(path, saveDialog);
}

void MainWindow::openFromProgramFolder() {
    openDialog.fileName = exeDirDataFile;
    saveDialog.fileName = exeDirDataFile;
    openFile();
}

void MainWindow::saveToProgramFolder() {
    openDialog.fileName = exeDirDataFile;
    saveDialog.fileName = exeDirDataFile;
    saveFile();
}

void MainWindow::rememberFile(const QString& path, FileDialog& otherDialog) {
    ui.fileLabel->setText(path);
    lastFilePath = path;
    otherDialog.fileName = lastFilePath;
}

void MainWindow::hideTransferStatus() {
    deviceLink().engine().hideStatus();
}
