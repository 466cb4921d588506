#include "app/MapWorkbench.h"

#include "app/WindowLink.h"
#include "document/Document.h"
#include "model/MapClipboardText.h"
#include "model/Normalize.h"
#include "ui/BulkEditDialog.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"
#include "ui/MapCellGrid.h"
#include "ui/MessageBoxes.h"
#include "ui/Texts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>

using namespace varko;

namespace {

constexpr int kStatusMessageMs = 10000;

struct NumberRange {
    MapText prompt;
    double lowest;
    double highest;
    int decimals;
};

NumberRange rangeOf(BulkEdit edit) {
    switch (edit) {
    case BulkEdit::Add:
        return {MapText::AddPrompt, -kAdvanceMax, kAdvanceMax, 0};
    case BulkEdit::Scale:
        return {MapText::ScalePrompt, 0, 1000, 1};
    case BulkEdit::Smooth:
        return {MapText::SmoothPrompt, 0, 100, 0};
    default:
        return {MapText::SetPrompt, 0, kAdvanceMax, 0};
    }
}

// A menu caption as a dialog's title: without its mnemonic and its dots.
QString titleOf(const QAction* item) {
    QString title = item->text();
    title.remove(QLatin1Char('&'));
    if (title.endsWith(QLatin1String("...")))
        title.chop(3);
    return title;
}

} // namespace

MapWorkbench::MapWorkbench(QMainWindow& window, MainWindowUi& ui, Document& document,
                           FormBinder& form, WindowLink& link)
    : QObject(&window), window_(window), ui_(ui), document_(document), form_(form), link_(link) {
    const auto& items = ui.menu.map;
    for (int e = 0; e < kBulkEditCount; ++e)
        connect(items.edits[e], &QAction::triggered, this,
                [this, e] { askAndEdit(static_cast<BulkEdit>(e)); });
    connect(items.copy, &QAction::triggered, this, &MapWorkbench::copy);
    connect(items.paste, &QAction::triggered, this, &MapWorkbench::paste);
    connect(items.selectAll, &QAction::triggered, ui.mapCells, &MapCellGrid::selectAll);
    for (std::size_t s = 0; s < items.scales.size(); ++s)
        connect(items.scales[s], &QAction::triggered, this,
                [this, s] { setScale(static_cast<CellScale>(s)); });
    connect(items.resetTime, &QAction::triggered, this, &MapWorkbench::resetTime);

    MapCellGrid* cells = ui.mapCells;
    connect(cells, &MapCellGrid::copyAsked, this, &MapWorkbench::copy);
    connect(cells, &MapCellGrid::pasteAsked, this, &MapWorkbench::paste);
    connect(cells, &MapCellGrid::menuAsked, this,
            [menu = items.menu](const QPoint& where) { menu->popup(where); });
}

void MapWorkbench::applyToMap(const std::function<void(ParamImage&)>& edit) {
    form_.commit(ChangeOrigin::Edit, [&](ParamImage& image) {
        normalize(image, document_.settings());
        edit(image);
    });
}

void MapWorkbench::askAndEdit(BulkEdit edit) {
    if (!takesNumber(edit)) {
        applyEdit(edit, 0);
        return;
    }
    // The preview counts on the set with the pending edit taken.
    form_.commit(ChangeOrigin::Commit);
    const MapRect rect = ui_.mapCells->selection().rect();
    const NumberRange range = rangeOf(edit);
    const Language language = document_.language();
    BulkEditQuestion question{titleOf(ui_.menu.map.edits[int(edit)]),
                              mapText(range.prompt, language),
                              range.lowest,
                              range.highest,
                              range.decimals,
                              lastNumbers_[int(edit)],
                              historyText(HistoryText::Cancel, language),
                              [this, edit, rect, language](double number) {
                                  return mapText(MapText::Preview, language)
                                      .arg(cellsChangedBy(document_.image(), rect, edit, number))
                                      .arg(rect.cells());
                              }};
    const std::optional<double> number = askBulkEditNumber(&window_, question);
    if (!number)
        return;
    lastNumbers_[int(edit)] = *number;
    applyEdit(edit, *number);
}

void MapWorkbench::applyEdit(BulkEdit edit, double number) {
    const MapRect rect = ui_.mapCells->selection().rect();
    applyToMap([&](ParamImage& image) { applyBulkEdit(image, rect, edit, number); });
}

void MapWorkbench::copy() {
    const QString text = mapCellsText(document_.image(), ui_.mapCells->selection().rect());
    QGuiApplication::clipboard()->setText(text);
}

void MapWorkbench::paste() {
    const ParsedPaste parsed = parsePastedText(QGuiApplication::clipboard()->text());
    const Language language = document_.language();
    if (!parsed.grid) {
        MessageBoxes::current().inform(&window_, mapText(MapText::NotNumbers, language)
                                                     .arg(parsed.refusal.line)
                                                     .arg(parsed.refusal.field));
        return;
    }
    const MapRect rect = ui_.mapCells->selection().rect();
    PasteResult result;
    applyToMap([&](ParamImage& image) { result = pasteGrid(image, *parsed.grid, rect); });
    // What the paste changed beyond the plain values, as the status bar's one message.
    QStringList notes;
    if (result.dropped > 0)
        notes << mapText(MapText::Dropped, language).arg(result.dropped);
    if (result.broughtIntoRange > 0)
        notes << mapText(MapText::BroughtIntoRange, language).arg(result.broughtIntoRange);
    if (!notes.isEmpty())
        window_.statusBar()->showMessage(notes.join(QLatin1Char(' ')), kStatusMessageMs);
}

void MapWorkbench::setScale(CellScale scale) {
    ui_.menu.map.scales[std::size_t(scale)]->setChecked(true);
    ui_.mapCells->setScale(scale);
}

void MapWorkbench::resetTime() {
    link_.resetCellTime();
}
