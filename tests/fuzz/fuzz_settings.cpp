// Any text as the settings file: no crash; the values it gives, written back into it, read back
// the same; and the rewrite keeps every line that holds none of the program's keys.

#include "storage/IniDocument.h"
#include "storage/SettingsFile.h"

#include "FuzzSupport.h"

using namespace varko;

namespace {

const QByteArrayList kKeys = {"Left",
                              "Top",
                              "Height",
                              "Width",
                              "ComPort",
                              "ComPortAuto",
                              "Language",
                              "File",
                              "IniDir",
                              "PageControl1->ActivePageIndex",
                              "BackupBeforeProgramming"};

bool holdsKey(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return false;
    const QByteArray name = line.first(equals).trimmed();
    for (const QByteArray& key : kKeys)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

// The lines of the text as the reader takes them, without those of the program's keys.
QByteArrayList otherLines(const QByteArray& text) {
    QByteArray body = IniDocument(text).text();
    if (body.startsWith(kByteOrderMark))
        body.remove(0, kByteOrderMark.size());
    QByteArrayList lines = body.split('\n');
    lines.removeIf([](const QByteArray& line) { return holdsKey(line); });
    return lines;
}

SettingsValues defaults() {
    SettingsValues values;
    values.left = 10;
    values.top = 20;
    values.height = 600;
    values.width = 800;
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = fuzzText(data, size);
    SettingsValues read = defaults();
    readSettingsText(text, read);

    const QByteArray written = settingsText(text, read);
    SettingsValues again = defaults();
    readSettingsText(written, again);
    FUZZ_REQUIRE(again == read);
    FUZZ_REQUIRE(settingsText(written, read) == written);

    // A missing section is added at the end; everything else stays in its place.
    FUZZ_REQUIRE(written.startsWith(kByteOrderMark) == text.startsWith(kByteOrderMark));
    QByteArrayList kept = otherLines(written);
    const QByteArrayList before = otherLines(text);
    if (kept.size() == before.size() + 1 && kept[kept.size() - 2] == "[FORM_HLAV]\r")
        kept.removeAt(kept.size() - 2);
    FUZZ_REQUIRE(kept == before);
    return 0;
}
