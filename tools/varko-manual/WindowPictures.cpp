#include "WindowPictures.h"

#include "UnitSimulator.h"
#include "app/ProgramWindow.h"
#include "document/Document.h"
#include "model/Presets.h"
#include "ui/AboutBox.h"
#include "ui/FormBinder.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr int kLiveDataMs = 10000;
constexpr int kSettleMs = 700;

// Boxes the window would show while it is photographed (the start-up port, which leads nowhere)
// are not part of any picture; they are answered at once.
class UnseenMessageBoxes final : public MessageBoxes {
public:
    UnseenMessageBoxes() { install(this); }
    ~UnseenMessageBoxes() override { install(nullptr); }
    UnseenMessageBoxes(const UnseenMessageBoxes&) = delete;
    UnseenMessageBoxes& operator=(const UnseenMessageBoxes&) = delete;

    void inform(QWidget*, const QString&) override {}
    void warn(QWidget*, const QString&) override {}
    Answer ask(QWidget*, const QString&) override { return Answer::Cancel; }
};

// The pages in tab order with the names the manual's text uses for their pictures.
constexpr std::array<const char*, 4> kPagePictures = {"page-miscellaneous", "page-bike",
                                                      "page-advance-map", "page-servo"};

// Numbers in the window are grouped as a user of that language sees them.
QLocale localeOf(varko::Language language) {
    switch (language) {
    case varko::Language::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case varko::Language::French:
        return QLocale(QLocale::French, QLocale::France);
    case varko::Language::Czech:
        return QLocale(QLocale::Czech, QLocale::CzechRepublic);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

// A model whose preset fills every page, its servo curve included.
std::uint8_t shownModelCode() {
    const auto& texts = varko::BikeListTexts;
    const auto entry = std::find(texts.begin(), texts.end(), std::string_view("Yamaha R1"));
    return varko::BikeCodeTable[entry - texts.begin()];
}

// Runs the window's event loop (its link tick included) for a while.
void runFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the window lay itself out and paint before it is grabbed.
void settle() {
    runFor(50);
}

// Switches the window to the simulator's port, as the port menu does, and runs it until the live
// data have come in: "No connection with PC" is gone.
bool connectToUnit(QMainWindow& window) {
    window.findChild<QAction*>(QStringLiteral("MenuCom%1").arg(UnitSimulator::kPort))->trigger();
    const auto* noConnection = window.findChild<QLabel*>(QStringLiteral("LabelSpojeni"));
    const QDeadlineTimer deadline(kLiveDataMs);
    while (!deadline.hasExpired()) {
        runFor(100);
        if (noConnection->isHidden()) {
            runFor(kSettleMs); // a few more frames: every live label and gauge filled
            return true;
        }
    }
    return false;
}

// The window as grabbed, with a thin grey line on its outermost pixels: on the white page the
// white about box and the window's light edges would otherwise have no border.
QImage framed(const QPixmap& grabbed) {
    QImage picture = grabbed.toImage();
    QPainter painter(&picture);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

} // namespace

QMap<QString, QImage> renderWindowPictures(varko::Language language, const QString& simulator) {
    UnseenMessageBoxes boxes;
    UnitSimulator unit;
    const QString unitError = unit.start(simulator);
    QLocale::setDefault(localeOf(language));
    const std::unique_ptr<QMainWindow> shown = startProgramWindow();
    QMainWindow& window = *shown;
    // As a user chooses it: the language menu lists the languages in their order.
    window.findChild<QMenu*>(QStringLiteral("MenuLanguage"))
        ->actions()
        .at(static_cast<int>(varko::columnOf(language)))
        ->trigger();
    window.findChild<varko::Document*>()->apply(
        [](varko::ParamImage& image) {
            image.bike() = shownModelCode();
            bool listChanged = false;
            varko::applyBikePreset(image, listChanged);
            image.throttleMap() = 1; // the advance map with all its rows
        },
        varko::ChangeOrigin::Commit);
    window.show();
    settle();
    if (!unitError.isEmpty())
        qWarning("varko-manual: pictures without live data: %s", qPrintable(unitError));
    else if (!connectToUnit(window))
        qWarning("varko-manual: pictures without live data: the simulated unit did not answer");

    QMap<QString, QImage> pictures;
    for (int page = 0; page < int(kPagePictures.size()); ++page) {
        window.findChild<FormBinder*>()->showPage(page);
        settle();
        pictures.insert(QString::fromLatin1(kPagePictures[page]), framed(window.grab()));
    }
    auto* about = window.findChild<AboutBox*>();
    about->show();
    settle();
    pictures.insert(QStringLiteral("about-box"), framed(about->grab()));
    about->hide();
    return pictures;
}
