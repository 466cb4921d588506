#pragma once
// A small INI text kept line by line, so that whatever a user put into the file (other sections,
// other keys, comments, odd bytes) survives a rewrite exactly. Keys are written literally; the
// file format has no escapes, which is why a key like "PageControl1->ActivePageIndex" works.

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

namespace varko {

class IniDocument {
public:
    // Accepts CR LF and LF line ends, and a UTF-8 byte-order mark before the first line (as
    // some editors save), which text() puts back.
    explicit IniDocument(const QByteArray& text = {});

    // Names of sections and keys are matched without regard to case or surrounding blanks, as
    // the desktop's profile files do; the first of several equal sections or keys counts. The
    // value comes without its surrounding blanks.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;

    // Replaces the key's line in place, or adds it at the end of its section, or adds the
    // section at the end of the text. A value holding a line feed cannot live on one line and
    // is stored empty; a carriage return alone is no line end and stays in the value.
    void setValue(QByteArrayView section, QByteArrayView key, const QByteArray& value);

    // CR LF line ends, one after every line.
    QByteArray text() const;

private:
    // Lines [first, end) of the section's body; nullopt when the section is missing.
    struct Range {
        qsizetype first;
        qsizetype end;
    };
    std::optional<Range> findSection(QByteArrayView section) const;
    std::optional<qsizetype> findKey(const Range& body, QByteArrayView key) const;

    QByteArrayList lines_;
    bool byteOrderMark_ = false;
};

} // namespace varko
