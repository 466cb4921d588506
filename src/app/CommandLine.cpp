#include "app/CommandLine.h"

#include "model/Messages.h"
#include "model/ProgramVersion.h"
#include "storage/FileIo.h"
#include "storage/FileNames.h"

#include <QDir>

namespace {

// In the order of the language numbers.
const QStringList kLanguageWords = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};

const varko::TextRow kIgnored = {
    "These command-line arguments are neither a language word (ENGLISH, DEUTSCH, FRANCE, CESKY) "
    "nor a file to open, and were ignored:\n%1",
    "Diese Argumente der Befehlszeile sind weder ein Sprachwort (ENGLISH, DEUTSCH, FRANCE, CESKY) "
    "noch eine zu öffnende Datei und wurden übergangen:\n%1",
    "Ces arguments de la ligne de commande ne sont ni un mot de langue (ENGLISH, DEUTSCH, FRANCE, "
    "CESKY) ni un fichier à ouvrir ; ils ont été ignorés :\n%1",
    "Tyto argumenty příkazové řádky nejsou ani slovo jazyka (ENGLISH, DEUTSCH, FRANCE, CESKY), ani "
    "soubor k otevření, a byly vynechány:\n%1"}; // ours

} // namespace

WindowArguments parseWindowArguments(const QStringList& arguments,
                                     const QString& workingDirectory) {
    WindowArguments parsed;
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty()) {
        const qsizetype language = kLanguageWords.indexOf(rest.first());
        if (language >= 0) {
            parsed.language = varko::languageNumber(static_cast<int>(language));
            rest.removeFirst();
        }
    }
    for (const QString& argument : rest) {
        const QString path = workingDirectory.isEmpty() || QDir::isAbsolutePath(argument)
                                 ? argument
                                 : workingDirectory + '/' + argument;
        if (parsed.file.isEmpty() && varko::isRegularFile(path))
            parsed.file = varko::absoluteFileName(path);
        else
            parsed.ignored << argument;
    }
    return parsed;
}

std::optional<QString> informationRequest(const QStringList& arguments) {
    const QStringList words = arguments.mid(1);
    if (words.contains("--version"))
        return QStringLiteral("varko %1\n").arg(QLatin1String(programVersion()));
    if (!words.contains("--help") && !words.contains("-h"))
        return std::nullopt;
    return QStringLiteral(
        "Usage: varko [LANGUAGE] [FILE.ign]\n"
        "The VARKO Tool: reads, edits, programs and verifies the parameter set of a VARKO\n"
        "programmable motorcycle ignition unit over a serial port, and shows the live data the\n"
        "unit streams.\n"
        "\n"
        "Arguments:\n"
        "  LANGUAGE    ENGLISH, DEUTSCH, FRANCE or CESKY, exactly so (upper case), as the first\n"
        "              argument: the language of this run instead of the one last chosen.\n"
        "  FILE.ign    a parameter file, opened as File > Open does once the window has started.\n"
        "              Any other argument is reported in a message and otherwise ignored.\n"
        "\n"
        "Options:\n"
        "  -h, --help  Shows this text and ends.\n"
        "  --version   Shows the program's version and ends.\n"
        "\n"
        "Files:\n"
        "  $XDG_CONFIG_HOME/varko/VARKO_v75ini    the settings (default ~/.config/varko)\n"
        "  $XDG_CONFIG_HOME/varko/_VARKO_v75ini   the set the window showed when it closed\n"
        "  $XDG_CONFIG_HOME/varko/ports/COMn      when present, the device that port COMn opens;\n"
        "                                         otherwise COM1-4 are /dev/ttyS0-3, COM5-12\n"
        "                                         /dev/ttyUSB0-7, COM13-21 /dev/ttyACM0-8.\n"
        "Opening a serial device needs membership of the dialout group.\n");
}

QString ignoredArgumentsText(const QStringList& ignored, varko::Language language) {
    return varko::textIn(kIgnored, language).arg(ignored.join('\n'));
}
