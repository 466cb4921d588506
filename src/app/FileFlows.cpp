#include "app/FileFlows.h"

#include "app/WindowLink.h"
#include "document/Document.h"
#include "model/FormMapping.h"
#include "model/Messages.h"
#include "model/Presets.h"
#include "storage/FileNames.h"
#include "storage/ParamFile.h"
#include "ui/BusyCursor.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <vector>

using namespace varko;

namespace {
const QString kParamFileExt = QStringLiteral("ign");

// clang-format off
const TextRow kNoFileKey = {
    "%1\nis not a parameter file: it holds no KALUBREN_KEY.",
    "%1\nist keine Parameterdatei: sie enthält kein KALUBREN_KEY.",
    "%1\nn'est pas un fichier de paramètres : il ne contient aucun KALUBREN_KEY.",
    "%1\nnení soubor parametrů: neobsahuje žádný KALUBREN_KEY.",
}; // ours
// clang-format on

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
    ParamImage held = document_.image();
    std::uint8_t version = 0;
    FileGaps gaps;
    if (lastFilePath_.isEmpty() ||
        !loadParamFile(
            lastFilePath_, held, version, [](FileMessage) {}, &gaps) ||
        version == 0)
        return;
    document_.fileHolds(held, gaps.bytes);
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
    rememberFile(path, document_.image(), {}, openDialog_);
}

void FileFlows::open() {
    if (FileDialogs::current().execute(&window_, openDialog_))
        openParamFile(openDialog_.fileName, NoKey::Silent);
    hideTransferStatus();
}

void FileFlows::openFromCommandLine(const QString& path) {
    openDialog_.fileName = absoluteFileName(path);
    openParamFile(openDialog_.fileName, NoKey::Told);
    hideTransferStatus();
}

void FileFlows::openParamFile(const QString& path, NoKey noKey) {
    if (const std::optional<ReadFile> file = loadIntoWindow(path, SetOrigin::Open, noKey))
        rememberFile(path, file->asRead, file->lacking, saveDialog_);
}

void FileFlows::openKeptCopy(const QString& path) {
    loadIntoWindow(path, SetOrigin::History, NoKey::Silent);
    hideTransferStatus();
}

std::optional<FileFlows::ReadFile> FileFlows::readParamFile(const QString& path, NoKey noKey) {
    // Parsed into a copy: the link ticks on while the version boxes are open, and a transfer
    // must not send a half-taken image meanwhile.
    ReadFile file{document_.image(), {}, {}};
    std::uint8_t version = 0;
    std::vector<FileMessage> messages;
    FileGaps gaps;
    const bool readable = whileBusy([&] {
        return loadParamFile(
            path, file.asRead, version, [&messages](FileMessage m) { messages.push_back(m); },
            &gaps);
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
    if (gaps.noFileKey && noKey == NoKey::Told)
        MessageBoxes::current().warn(&window_, textIn(kNoFileKey, document_.language()).arg(path));
    if (version == 0)
        return std::nullopt;
    // Values the controls cannot show (a channel count of 0, a model code without an entry)
    // become what the window shows before the set is recorded, compared or programmed.
    file.taken = file.asRead;
    takeAsWindowOpens(file.taken, document_.testMode(), form_.listedBike());
    file.lacking = gaps.bytes;
    return file;
}

std::optional<FileFlows::ReadFile> FileFlows::loadIntoWindow(const QString& path, SetOrigin origin,
                                                             NoKey noKey) {
    const std::optional<ReadFile> file = readParamFile(path, noKey);
    if (file)
        document_.replace(file->taken, origin);
    return file;
}

void FileFlows::compareWithFile() {
    // A dialog of its own that starts where Open's does: choosing a file to compare with does
    // not move where Open and Save start.
    FileDialog dialog = openDialog_;
    if (!FileDialogs::current().execute(&window_, dialog))
        return;
    if (const std::optional<ReadFile> other = readParamFile(dialog.fileName, NoKey::Told))
        emit comparisonAsked({other->taken, other->lacking}, dialog.fileName);
}

void FileFlows::openFromProgramFolder() {
    startDialogsAt(programFolderFile_);
    open();
}

void FileFlows::saveToProgramFolder() {
    startDialogsAt(programFolderFile_);
    save();
}

void FileFlows::rememberFile(const QString& path, const ParamImage& held, const ImageBytes& lacking,
                             FileDialog& otherDialog) {
    document_.fileHolds(held, lacking);
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
