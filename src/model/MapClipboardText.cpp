#include "model/MapClipboardText.h"

#include "model/MapTools.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace varko {
namespace {

std::optional<PastedValue> degreesIn(QString field) {
    field = field.trimmed();
    field.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::round(value);
    const double inRange = std::clamp(whole, 0.0, double(kAdvanceMax));
    return PastedValue{int(inRange), inRange != whole};
}

} // namespace

QString mapCellsText(const ParamImage& image, const MapRect& rect) {
    QString text;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int column = rect.left; column <= rect.right; ++column) {
            if (column > rect.left)
                text += QLatin1Char('\t');
            text += QString::number(image.advance(row, column));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

ParsedPaste parsePastedText(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return {std::nullopt, {1, 1}};
    PastedGrid grid;
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QStringList fields = lines[l].split(QLatin1Char('\t'));
        // A spreadsheet may end every line with a tab.
        if (fields.size() > 1 && fields.last().trimmed().isEmpty())
            fields.removeLast();
        std::vector<PastedValue> row;
        for (qsizetype f = 0; f < fields.size(); ++f) {
            const std::optional<PastedValue> value = degreesIn(fields[f]);
            if (!value)
                return {std::nullopt, {int(l + 1), int(f + 1)}};
            row.push_back(*value);
        }
        grid.rows.push_back(std::move(row));
    }
    return {std::move(grid), {}};
}

PasteResult pasteGrid(ParamImage& image, const PastedGrid& grid, const MapRect& target) {
    const bool single = target.cells() == 1;
    const int lastRow = single ? kBreakpoints - 1 : target.bottom;
    const int lastColumn = single ? kBreakpoints - 1 : target.right;
    PasteResult result;
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        const int row = target.top + int(r);
        for (std::size_t c = 0; c < grid.rows[r].size(); ++c) {
            const int column = target.left + int(c);
            if (row > lastRow || column > lastColumn) {
                ++result.dropped;
                continue;
            }
            std::uint8_t& cell = image.advance(row, column);
            const PastedValue& pasted = grid.rows[r][c];
            const auto value = static_cast<std::uint8_t>(pasted.degrees);
            ++result.written;
            if (pasted.broughtIntoRange)
                ++result.broughtIntoRange;
            if (cell != value) {
                cell = value;
                ++result.changed;
            }
        }
    }
    return result;
}

} // namespace varko
