// New and the four file flows of the main window, and where their menu items and toolbar
// buttons (with those of undo and redo) are connected.

#include "app/TFormHlav.h"
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

void TFormHlav::SetUpEditingFlows() {
    openDialog1 = {FileDialog::Kind::Open,
                   QStringLiteral("Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.*"),
                   1,
                   kParamFileExt,
                   {}};
    saveDialog1 = {FileDialog::Kind::Save,
                   QStringLiteral("Ignition Parametrs(*.ign)|*.ign"),
                   1,
                   kParamFileExt,
                   {}};

    struct Binding {
        const char* menuItem;
        const char* toolbarButton; // nullptr: none
        void (TFormHlav::*handler)();
    };
    const Binding bindings[] = {
        {"MenuNew", "SpeedButton6", &TFormHlav::MenuNewClick},
        {"MenuOpen", "SpeedButton5", &TFormHlav::MenuOpenClick},
        {"MenuOpenExeDir", nullptr, &TFormHlav::MenuOpenExeDirClick},
        {"MenuSave", "SpeedButton7", &TFormHlav::MenuSaveClick},
        {"MenuSaveExeDir", nullptr, &TFormHlav::MenuSaveExeDirClick},
        {"MenuZpet", "SpeedButtonZpet", &TFormHlav::SpeedButtonZpetClick},
        {"MenuZnovu", "SpeedButtonZnovu", &TFormHlav::SpeedButtonZnovuClick},
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
        GiveShortcutsToMenu(pair->edit(), {undoControls.menuZpet, undoControls.menuZnovu});
}

void TFormHlav::MenuNewClick() {
    const QString question = MessageText(Msg::defaultSettingQuestion, settings.language);
    if (MessageBoxes::Current().Ask(this, question) != MessageBoxes::Answer::Yes)
        return;
    bikeListChanged = false;
    ApplyBikePreset(paramImage, bikeListChanged);
    RefreshAfterChange();
    HideTransferStatus();
    ui.labelFile2->clear(); // the parameter set no longer belongs to a file
}

void TFormHlav::MenuSaveClick() {
    saveDialog1.filterIndex = 1;
    if (!FileDialogs::Current().Execute(this, saveDialog1))
        return;
    const QString path = saveDialog1.fileName;
    CollectImage();
    Normalize(paramImage, settings);
    ShowImage();
    // The old file is replaced only once the new one is complete.
    if (!SaveParamFile(path, paramImage)) {
        MessageBoxes::Current().Inform(this, MessageText(Msg::openFileError, settings.language));
        return;
    }
    RememberFile(path, openDialog1);
}

void TFormHlav::MenuOpenClick() {
    if (FileDialogs::Current().Execute(this, openDialog1))
        OpenParamFile(openDialog1.fileName);
    HideTransferStatus();
}

void TFormHlav::OpenParamFile(const QString& path) {
    // Parsed into a copy: the link ticks on while the version boxes are open, and a transfer
    // must not send a half-taken image meanwhile.
    ParamImage loaded = paramImage;
    std::uint8_t version = 0;
    std::vector<FileMessage> messages;
    const bool readable =
        LoadParamFile(path, loaded, version, [&messages](FileMessage m) { messages.push_back(m); });
    if (!readable) {
        MessageBoxes::Current().Inform(this, MessageText(Msg::openFileError, settings.language));
        return;
    }
    for (const FileMessage message : messages) {
        const int text = message == FileMessage::OlderVersion ? Msg::olderFileVersion
                                                              : Msg::unmatchedFileVersion;
        MessageBoxes::Current().Inform(this, MessageText(text, settings.language));
    }
    if (version == 0)
        return;
    paramImage = loaded;
    // Through the controls once, so that values they cannot show (a channel count of 0, a model
    // code without an entry) become what the window shows before the image is recorded for undo
    // or programmed into the unit.
    ShowImage();
    CollectImage();
    RefreshAfterChange();
    RememberFile(path, saveDialog1);
}

void TFormHlav::MenuOpenExeDirClick() {
    openDialog1.fileName = exeDirDataFile;
    saveDialog1.fileName = exeDirDataFile;
    MenuOpenClick();
}

void TFormHlav::MenuSaveExeDirClick() {
    openDialog1.fileName = exeDirDataFile;
    saveDialog1.fileName = exeDirDataFile;
    MenuSaveClick();
}

void TFormHlav::RememberFile(const QString& path, FileDialog& otherDialog) {
    ui.labelFile2->setText(path);
    lastFilePath = path;
    otherDialog.fileName = lastFilePath;
}

void TFormHlav::HideTransferStatus() {
    deviceLink().engine().HideStatus();
}
