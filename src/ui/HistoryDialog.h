#pragma once
// File > History: the kept sets, newest first, with when, what, which unit and which file was
// open. One is chosen by a double click or Open.

#include "model/Language.h"
#include "storage/History.h"

#include <QList>
#include <cstdint>
#include <optional>

class QWidget;

// Shows the entries (newest first, as History::entries gives them) in a modal dialog; the chosen
// one, or nullopt when the dialog was cancelled.
std::optional<varko::HistoryEntry> chooseHistoryEntry(QWidget* parent,
                                                      const QList<varko::HistoryEntry>& entries,
                                                      varko::Language language);
