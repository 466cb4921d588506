#include "storage/SettingsFile.h"

#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/IniDocument.h"

#include <QFileInfo>

namespace varko {

namespace {

constexpr QByteArrayView kSection = "FORM_HLAV";

// Visits every key with its field, in the order the file is written. A byte field comes with
// the amount the file's value is above the field's.
template <typename Values, typename Visit> void forEachKey(Values& values, Visit&& visit) {
    visit("Left", values.left);
    visit("Top", values.top);
    visit("Height", values.height);
    visit("Width", values.width);
    visit("ComPort", values.window.portSelection, 1);
    visit("ComPortAuto", values.window.scanIndex, 1);
    visit("Language", values.window.language, 0);
    visit("File", values.file);
    visit("IniDir", values.iniDir);
    visit("PageControl1->ActivePageIndex", values.activePage);
    visit("BackupBeforeProgramming", values.window.backupBeforeProgramming);
}

struct KeyReader {
    const IniDocument& ini;

    std::optional<int> integer(QByteArrayView key) const {
        const std::optional<QByteArray> text = ini.value(kSection, key);
        bool ok = false;
        const int value = text ? text->toInt(&ok, 10) : 0;
        return ok ? std::optional<int>(value) : std::nullopt;
    }
    void operator()(QByteArrayView key, int& field) const {
        if (const std::optional<int> value = integer(key))
            field = *value;
    }
    void operator()(QByteArrayView key, std::uint8_t& field, int fileOffset) const {
        if (const std::optional<int> value = integer(key))
            field = static_cast<std::uint8_t>((*value & 0xFF) - fileOffset);
    }
    // Kept as the file's number, even one that names no language: normalization reads it.
    void operator()(QByteArrayView key, Language& field, int fileOffset) const {
        auto number = static_cast<std::uint8_t>(field);
        (*this)(key, number, fileOffset);
        field = static_cast<Language>(number);
    }
    void operator()(QByteArrayView key, bool& field) const {
        if (const std::optional<int> value = integer(key))
            field = *value != 0;
    }
    // The two strings are file names, kept byte for byte whatever their encoding.
    void operator()(QByteArrayView key, QString& field) const {
        if (const std::optional<QByteArray> text = ini.value(kSection, key))
            field = decodeFileName(*text);
    }
};

struct KeyWriter {
    IniDocument& ini;

    void operator()(QByteArrayView key, int field) const {
        ini.setValue(kSection, key, QByteArray::number(field));
    }
    void operator()(QByteArrayView key, std::uint8_t field, int fileOffset) const {
        ini.setValue(kSection, key, QByteArray::number(field + fileOffset));
    }
    void operator()(QByteArrayView key, Language field, int fileOffset) const {
        (*this)(key, static_cast<std::uint8_t>(field), fileOffset);
    }
    void operator()(QByteArrayView key, bool field) const {
        ini.setValue(kSection, key, field ? "1" : "0");
    }
    void operator()(QByteArrayView key, const QString& field) const {
        ini.setValue(kSection, key, encodeFileName(field));
    }
};

} // namespace

SettingsLoad loadSettingsFile(const QString& path, SettingsValues& values) {
    bool missing = false;
    const std::optional<QByteArray> text = readSmallFile(path, &missing);
    if (!text) {
        if (missing)
            return {};
        return {.unreadable = true, .movedTo = moveAside(path).value_or(QString())};
    }
    readSettingsText(*text, values);
    return {};
}

void readSettingsText(const QByteArray& text, SettingsValues& values) {
    const IniDocument ini(text);
    forEachKey(values, KeyReader{ini});
}

QByteArray settingsText(const QByteArray& existing, const SettingsValues& values) {
    IniDocument ini(existing);
    forEachKey(values, KeyWriter{ini});
    return ini.text();
}

bool saveSettingsFile(const QString& path, const SettingsValues& values) {
    std::optional<QByteArray> existing = QByteArray();
    if (QFileInfo::exists(path))
        existing = readSmallFile(path);
    if (!existing)
        return false;
    return replaceFile(path, settingsText(*existing, values), MissingFolder::Create);
}

} // namespace varko
