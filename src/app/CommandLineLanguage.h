#pragma once
// The one command-line word the program looks at: its first argument may choose the language.

#include <QStringList>
#include <cstdint>
#include <optional>

// The language of the first argument after the program's name when it is exactly "ENGLISH",
// "DEUTSCH", "FRANCE" or "CESKY" (upper case); nullopt for any other word or none.
std::optional<std::uint8_t> languageFromArguments(const QStringList& arguments);
