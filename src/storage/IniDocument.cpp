#include "storage/IniDocument.h"

namespace varko {

namespace {

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The name inside "[name]", or nullopt for a line that is no section header.
std::optional<QByteArrayView> sectionName(QByteArrayView line) {
    line = line.trimmed();
    if (!line.startsWith('[') || !line.endsWith(']'))
        return std::nullopt;
    return line.sliced(1, line.size() - 2);
}

} // namespace

IniDocument::IniDocument(const QByteArray& text) {
    byteOrderMark_ = text.startsWith(kByteOrderMark);
    const QByteArray body = byteOrderMark_ ? text.sliced(kByteOrderMark.size()) : text;
    if (body.isEmpty())
        return;
    lines_ = body.split('\n');
    for (QByteArray& line : lines_)
        if (line.endsWith('\r'))
            line.chop(1);
    // The line end of the last line leaves an empty piece behind.
    if (lines_.last().isEmpty())
        lines_.removeLast();
}

std::optional<IniDocument::Range> IniDocument::findSection(QByteArrayView section) const {
    for (qsizetype header = 0; header < lines_.size(); ++header) {
        const std::optional<QByteArrayView> name = sectionName(lines_[header]);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = header + 1;
        while (end < lines_.size() && !sectionName(lines_[end]))
            ++end;
        return Range{header + 1, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniDocument::findKey(const Range& body, QByteArrayView key) const {
    for (qsizetype i = body.first; i < body.end; ++i) {
        const qsizetype equals = lines_[i].indexOf('=');
        if (equals >= 0 && sameName(QByteArrayView(lines_[i]).first(equals), key))
            return i;
    }
    return std::nullopt;
}

std::optional<QByteArray> IniDocument::value(QByteArrayView section, QByteArrayView key) const {
    const std::optional<Range> body = findSection(section);
    if (!body)
        return std::nullopt;
    const std::optional<qsizetype> line = findKey(*body, key);
    if (!line)
        return std::nullopt;
    const QByteArray& text = lines_[*line];
    return text.sliced(text.indexOf('=') + 1).trimmed();
}

void IniDocument::setValue(QByteArrayView section, QByteArrayView key, const QByteArray& value) {
    // Only a line feed ends a line for the reader; a carriage return inside a value reads back.
    const bool fitsOnALine = !value.contains('\n');
    const QByteArray line = key.toByteArray() + '=' + (fitsOnALine ? value : QByteArray());

    const std::optional<Range> body = findSection(section);
    if (!body) {
        lines_.append('[' + section.toByteArray() + ']');
        lines_.append(line);
        return;
    }
    if (const std::optional<qsizetype> existing = findKey(*body, key)) {
        lines_[*existing] = line;
        return;
    }
    // Behind the section's last non-blank line, so blank lines before the next section stay.
    qsizetype insertAt = body->end;
    while (insertAt > body->first && lines_[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    lines_.insert(insertAt, line);
}

QByteArray IniDocument::text() const {
    QByteArray text = byteOrderMark_ ? kByteOrderMark.toByteArray() : QByteArray();
    for (const QByteArray& line : lines_)
        text += line + "\r\n";
    return text;
}

} // namespace varko
