// Builds the four PDF manuals at build time: each language's Markdown text with pictures of the
// program's own window in that language, under the file name the Help menu asks for.
//
//   varko-manual <folder of the texts> <folder for the PDFs> <list file> <varko-sim program>
//                <screenshot PNG>
//
// The simulator plays the unit whose live data the pictures show.
// The list file names the PDFs written, one full path a line, for the build to install.
// The screenshot, the English advance map page, is the one the desktop's software centre shows.

#include "ManualDocument.h"
#include "WindowPictures.h"

#include "app/VarkoApplication.h"
#include "link/PortNames.h"
#include "model/Messages.h"
#include "storage/ConfigPaths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

namespace {

// The text of each language, by its ISO code.
constexpr std::array<const char*, varko::kLanguageCount> kTextNames = {"en.md", "de.md", "fr.md",
                                                                       "cs.md"};

QtMessageHandler defaultMessageHandler = nullptr;

// The offscreen platform notes for every window that it cannot pass size hints on: no fault of
// the build, and noise in its log.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints")))
        defaultMessageHandler(type, context, text);
}

int fail(const QString& text) {
    std::fprintf(stderr, "varko-manual: %s\n", qPrintable(text));
    return 1;
}

// The window opens its port at start-up: every port leads to a device that does not exist (until
// the simulator links one of them), so building the manuals never touches a serial line of the
// build machine.
bool pointPortsNowhere() {
    const QString ports = varko::portOverrideDir();
    if (!QDir().mkpath(ports))
        return false;
    for (int n = 1; n <= varko::kPortCount; ++n) {
        const QString link = ports + QStringLiteral("/COM%1").arg(n);
        if (!QFile::link(ports + QStringLiteral("/none"), link))
            return false;
    }
    return true;
}

QString titleOf(const QString& markdown) {
    const QString firstLine = markdown.section(QLatin1Char('\n'), 0, 0);
    return firstLine.startsWith(QLatin1Char('#')) ? firstLine.mid(1).trimmed() : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    // The window is drawn offscreen with a settings folder of its own: the build reads and writes
    // none of the user's settings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    if (!config.isValid())
        return fail(QStringLiteral("no temporary folder: %1").arg(config.errorString()));
    varko::setConfigHome(config.path());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(config.path()));
    defaultMessageHandler = qInstallMessageHandler(dropPlatformNotes);
    VarkoApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 6)
        return fail(QStringLiteral("usage: varko-manual <folder of the texts> <folder for the "
                                   "PDFs> <list file> <varko-sim program> <screenshot PNG>"));
    if (!pointPortsNowhere())
        return fail(QStringLiteral("cannot make the port links in %1").arg(config.path()));
    const QDir texts(arguments[1]);
    const QDir output(arguments[2]);
    QStringList written;

    for (int number = 0; number < varko::kLanguageCount; ++number) {
        const varko::Language language = varko::languageNumber(number);
        const QString textPath = texts.filePath(QString::fromLatin1(kTextNames[number]));
        QFile text(textPath);
        if (!text.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1: %2").arg(textPath, text.errorString()));
        const QString markdown = QString::fromUtf8(text.readAll());
        const QString pdfPath =
            output.filePath(varko::messageText(varko::Msg::manualFile, language));
        const QMap<QString, QImage> pictures = renderWindowPictures(language, arguments[4]);
        const QString error = writeManual(markdown, pictures, titleOf(markdown), pdfPath);
        if (!error.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(textPath, error));
        if (language == varko::Language::English &&
            !pictures.value(QStringLiteral("page-advance-map")).save(arguments[5]))
            return fail(QStringLiteral("cannot write %1").arg(arguments[5]));
        written << pdfPath;
    }
    QSaveFile list(arguments[3]);
    if (!list.open(QIODevice::WriteOnly) || list.write((written.join('\n') + '\n').toUtf8()) < 0 ||
        !list.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(arguments[3], list.errorString()));
    return 0;
}
