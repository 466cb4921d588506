#include "model/MapClipboardText.h"

#include "model/MapTools.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace varko {
namespace {

std::optional<int> degreesIn(QString field) {
    field = field.trimmed();
    field.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return int(std::clamp(std::round(value), 0.0, double(kAdvanceMax)));
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
        std::vector<int> row;
        for (qsizetype f = 0; f < fields.size(); ++f) {
            const std::optional<int> value = degreesIn(fields[f]);
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
            const auto value = static_cast<std::uint8_t>(grid.rows[r][c]);
            ++result.written;
            if (cell != value) {
                cell = value;
                ++result.changed;
            }
        }
    }
    return result;
}

} // namespace varko
