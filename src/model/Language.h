#pragma once
// The language the program speaks. Kept in the settings file as its number, which is also its
// column in every four-language text table.

#include <cstddef>
#include <cstdint>

namespace varko {

enum class Language : std::uint8_t { English, German, French, Czech };

constexpr int kLanguageCount = 4;

// The language's column of a text table. A settings file may hold any number: one that names no
// language reads as English.
constexpr std::size_t columnOf(Language language) {
    const auto column = static_cast<std::size_t>(language);
    return column < kLanguageCount ? column : 0;
}

// Language number n, or English for a number that names none.
constexpr Language languageNumber(int n) {
    return n >= 0 && n < kLanguageCount ? static_cast<Language>(n) : Language::English;
}

} // namespace varko
