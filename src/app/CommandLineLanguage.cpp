#include "app/CommandLineLanguage.h"

std::optional<std::uint8_t> languageFromArguments(const QStringList& arguments) {
    // In the order of the language numbers.
    static const QStringList words = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    if (arguments.size() < 2)
        return std::nullopt;
    const qsizetype language = words.indexOf(arguments[1]);
    if (language < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(language);
}
