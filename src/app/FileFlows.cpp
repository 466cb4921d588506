#include "app/FileFlows.h"

#include "app/WindowLink.h"
#include "document/Document.h"
#include "model/FormMapping.h"
#include "model/Messages.h"
#include "model/Presets.h"
#include "storage/ParamFile.h"
#include "ui/BusyCursor.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <vector>

using namespace varko;

namespace {
const QString kParamFileExt = QStringLiteral("ign");

} // namespace

FileFlows::FileFlows(QMainWindow& window, MainWindowUi& ui, Document& document, FormBinder& form,
                     WindowLink& link)
    : QObject(&window), window_(window), document_(document), form_(form),
      link_(link), openDialog_{FileDialog::Kind::Open,
                               QStringLiteral(
                                   "Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.*"),
                               1,
                               kParamFileExt,
                               {}},
      saveDialog_{FileDialog::Kind::Save,
                  QStringLiteral("Ignition Parametrs(*.ign)|*.ign"),
                  1,
                  kParamFileExt,
                  {}},
      programFolderFile_(QCoreApplication::applicationDirPath() + "/data.ign") {
    struct Binding {
        QAction* command;
        void (FileFlows::*handler)();
    };
    const Binding bindings[] = {
        {ui.menu.newImage, &FileFlows::newImage},
        {ui.menu.open, &FileFlows::open},
        {ui.menu.openFromProgramFolder, &FileFlows::openFromProgramFolder},
        {ui.menu.compareFile, &FileFlows::compareWithFile},
        {ui.menu.save, &FileFlows::save},
        {ui.menu.saveToProgramFolder, &FileFlows::saveToProgramFolder},
    };
    for (const Binding& b : bindings)
        connect(b.command, &QAction::triggered, this, b.handler);
}

void FileFlows::setLastFilePath(const QString& path) {
    lastFilePath_ = path;
    startDialogsAt(path);
}

void FileFlows::compareWithLastFile() {
    ParamImage opened = document_.image();
    std::uint8_t version = 0;
    if (lastFilePath_.isEmpty() ||
        !loadParamFile(lastFilePath_, opened, version, [](FileMessage) {}) || version == 0)
        return;
    takeAsWindowOpens(opened, document_.testMode(), form_.listedBike());
    document_.fileHolds(opened);
}

void FileFlows::startDialogsAt(const QString& path) {
    openDialog_.fileName = path;
    saveDialog_.fileName = path;
}

void FileFlows::newImage() {
    const QString question = messageText(Msg::defaultSettingQuestion, document_.language());
    if (MessageBoxes::current().ask(&window_, question) != MessageBoxes::Answer::Yes)
        return;
    ParamImage defaults = document_.image();
    bool listChanged = false;
    applyBikePreset(defaults, listChanged);
    form_.passThrough(defaults);
    document_.replace(defaults, SetOrigin::New); // no longer the file's
    hideTransferStatus();
}

void FileFlows::save() {
    saveDialog_.filterIndex = 1;
    if (!FileDialogs::current().execute(&window_, saveDialog_))
        return;
    const QString path = saveDialog_.fileName;
    form_.commit(ChangeOrigin::Commit);
    // The old file is replaced only once the new one is complete.
    if (!whileBusy([&] { return saveParamFile(path, document_.image()); })) {
        tellOpenFileError();
        return;
    }
    rememberFile(path, openDialog_);
}

void FileFlows::open() {
    if (FileDialogs::current().execute(&window_, openDialog_))
        openParamFile(openDialog_.fileName);
    hideTransferStatus();
}

void FileFlows::openFromCommandLine(const QString& path) {
    openDialog_.fileName = QFileInfo(path).absoluteFilePath();
    openParamFile(openDialog_.fileName);
    hideTransferStatus();
}

void FileFlows::openParamFile(const QString& path) {
    if (loadIntoWindow(path, SetOrigin::Open))
        rememberFile(path, saveDialog_);
}

void FileFlows::openKeptCopy(const QString& path) {
    loadIntoWindow(path, SetOrigin::History);
    hideTransferStatus();
}

std::optional<ParamImage> FileFlows::readParamFile(const QString& path) {
    // Parsed into a copy: the link ticks on while the version boxes are open, and a transfer
    // must not send a half-taken image meanwhile.
    ParamImage loaded = document_.image();
    std::uint8_t version = 0;
    std::vector<FileMessage> messages;
    const bool readable = whileBusy([&] {
        return loadParamFile(path, loaded, version,
                             [&messages](FileMessage m) { messages.push_back(m); });
    });
    if (!readable) {
        tellOpenFileError();
        return std::nullopt;
    }
    for (const FileMessage message : messages) {
        const int text = message == FileMessage::OlderVersion ? Msg::olderFileVersion
                                                              : Msg::unmatchedFileVersion;
        MessageBoxes::current().inform(&window_, messageText(text, document_.language()));
    }
    if (version == 0)
        return std::nullopt;
    // Values the controls cannot show (a channel count of 0, a model code without an entry)
    // become what the window shows before the set is recorded, compared or programmed.
    takeAsWindowOpens(loaded, document_.testMode(), form_.listedBike());
    return loaded;
}

bool FileFlows::loadIntoWindow(const QString& path, SetOrigin origin) {
    const std::optional<ParamImage> loaded = readParamFile(path);
    if (!loaded)
        return false;
    document_.replace(*loaded, origin);
    return true;
}

void FileFlows::compareWithFile() {
    // A dialog of its own that starts where Open's does: choosing a file to compare with does
    // not move where Open and Save start.
    FileDialog dialog = openDialog_;
    if (!FileDialogs::current().execute(&window_, dialog))
        return;
    const std::optional<ParamImage> other = readParamFile(dialog.fileName);
    if (other)
        emit comparisonAsked(*other, dialog.fileName);
}

void FileFlows::openFromProgramFolder() {
    startDialogsAt(programFolderFile_);
    open();
}

void FileFlows::saveToProgramFolder() {
    startDialogsAt(programFolderFile_);
    save();
}

void FileFlows::rememberFile(const QString& path, FileDialog& otherDialog) {
    document_.fileHolds(document_.image());
    document_.setFile(path);
    lastFilePath_ = path;
    otherDialog.fileName = lastFilePath_;
}

void FileFlows::hideTransferStatus() {
    link_.engine().hideStatus();
}

void FileFlows::tellOpenFileError() {
    MessageBoxes::current().inform(&window_, messageText(Msg::openFileError, document_.language()));
}
