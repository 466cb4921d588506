// Every page of the window: each control fits inside its parent, no two sibling controls
// overlap, and lists and warnings show their whole texts in every language. With
// VARKO_SCREENSHOT_DIR set, each page and the warnings are also written there as pictures.

#include "CodeNames.h"
#include "Controls.h"
#include "WholeText.h"
#include "WindowFixture.h"
#include "link/LiveMonitor.h"
#include "model/Messages.h"
#include "model/Presets.h"
#include "ui/AboutBox.h"
#include "ui/Texts.h"
#include "ui/WarningLabels.h"

#include <QAction>
#include <QTabWidget>
#include <QtTest>

class TestWindowPages : public QObject {
    Q_OBJECT
private slots:
    void pagesFitAndShowWholeTexts_data();
    void pagesFitAndShowWholeTexts();
    void aboutBoxShowsWholeTexts();
    void warningsShowTheirWholeText_data();
    void warningsShowTheirWholeText();
    void screenshots();
};

namespace {

constexpr const char* kLanguageNames[varko::kLanguageCount] = {"English", "German", "French",
                                                               "Czech"};

void addLanguageRows() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < varko::kLanguageCount; ++language)
        QTest::newRow(kLanguageNames[language]) << language;
}

void saveScreenshot(QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        QVERIFY(window.grab().save(QString("%1/%2.png").arg(dir, name)));
}

bool shownByName(const QWidget* w) {
    return !w->isHidden();
}

void checkChildren(QWidget* parent) {
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!shownByName(child) || child->objectName().isEmpty() || child->isWindow()) {
            continue;
        }
        QVERIFY2(parent->rect().contains(child->geometry()),
                 qPrintable(child->objectName() + " leaves " + parent->objectName()));
        for (QWidget* other : children) {
            if (other == child || !shownByName(other) || other->objectName().isEmpty() ||
                other->isWindow()) {
                continue;
            }
            QVERIFY2(!child->geometry().intersects(other->geometry()),
                     qPrintable(child->objectName() + " overlaps " + other->objectName()));
        }
        checkChildren(child);
    }
}

// The shown controls that do not show their whole text: captions, group titles, tabs, labels,
// and every entry of a list, as each may be chosen.
QStringList clippedTexts(QWidget* parent) {
    QStringList clipped;
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isHidden() || child->isWindow())
            continue;
        const QString name = child->objectName() + ": ";
        if (const auto* button = qobject_cast<QAbstractButton*>(child)) {
            if (!button->text().isEmpty() && !showsWholeCaption(*button))
                clipped << name + button->text();
        } else if (const auto* label = qobject_cast<QLabel*>(child)) {
            if (!showsWholeText(*label))
                clipped << name + label->text();
        } else if (const auto* group = qobject_cast<QGroupBox*>(child)) {
            if (!showsWholeTitle(*group))
                clipped << name + group->title();
        } else if (const auto* tabs = qobject_cast<QTabBar*>(child)) {
            if (!showsEveryTab(*tabs))
                clipped << parent->objectName() + " tabs";
        } else if (const auto* list = qobject_cast<QComboBox*>(child)) {
            for (int entry = 0; entry < list->count(); ++entry) {
                if (!showsWholeEntry(*list, entry))
                    clipped << name + list->itemText(entry);
            }
        }
        clipped << clippedTexts(child);
    }
    return clipped;
}

void chooseLanguage(WindowFixture& window, int language) {
    constexpr const char* items[varko::kLanguageCount] = {Control::englishItem, Control::germanItem,
                                                          Control::frenchItem, Control::czechItem};
    window.find<QAction>(items[language])->trigger();
}

} // namespace

// The most crowded look: the special setting with four channels and two pick-ups, the throttle
// map, the servo and the clutch master all on.
void showEverything(WindowFixture& window) {
    window.showWith([](varko::ParamImage& image) {
        image.bike() = varko::kBikeSpecial;
        image.synchroMethod() = Synchro::twoPickups;
        image.channelCount() = 4;
        image.throttleMap() = 1;
        image.servoEnable() = 1;
        image.input2() = InputFunction::clutchMaster;
        image.ignitionsPerRev() = 0; // the camshaft mode has the longest entry
    });
}

void TestWindowPages::pagesFitAndShowWholeTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("everything");
    for (int language = 0; language < varko::kLanguageCount; ++language) {
        for (bool everything : {false, true}) {
            QTest::newRow(qPrintable(QString("%1%2").arg(kLanguageNames[language],
                                                         everything ? ", everything shown" : "")))
                << language << everything;
        }
    }
}

void TestWindowPages::pagesFitAndShowWholeTexts() {
    QFETCH(int, language);
    QFETCH(bool, everything);
    WindowFixture window;
    if (everything) {
        showEverything(window);
    }
    chooseLanguage(window, language);
    window->show();
    auto* pages = window.find<QTabWidget>(Control::pages);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        checkChildren(window.find(Control::clientArea));
        const QStringList clipped = clippedTexts(window.find(Control::clientArea));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
    }
}

// Its labels are the same in every language.
void TestWindowPages::aboutBoxShowsWholeTexts() {
    const varko::Document document;
    AboutBox box(nullptr, document);
    box.show();
    checkChildren(&box);
    const QStringList clipped = clippedTexts(&box);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
}

void TestWindowPages::warningsShowTheirWholeText_data() {
    addLanguageRows();
}

// Both red warnings at once, the version warning with every unit version, in test mode, where
// the eight test values show as well.
void TestWindowPages::warningsShowTheirWholeText() {
    QFETCH(int, language);
    WindowFixture window;
    applyTexts(&*window, varko::languageNumber(language));
    for (int t = 1; t <= 8; ++t)
        window.find(Control::testModeLabel(t))->show();
    auto* dataError = window.find<QLabel>(Control::dataErrorWarning);
    auto* version = window.find<QLabel>(Control::versionWarning);
    dataError->show();
    version->show();
    window->show();
    QVERIFY2(showsWholeText(*dataError), qPrintable(dataError->text()));
    QString largest;
    QSize largestSize;
    for (int unitVersion = 0; unitVersion <= 255; ++unitVersion) {
        setWarningText(version,
                       varko::versionMismatchText(unitVersion, varko::languageNumber(language)));
        QVERIFY2(showsWholeText(*version), qPrintable(version->text()));
        const QSize size = version->size();
        if (size.height() > largestSize.height() ||
            (size.height() == largestSize.height() && size.width() > largestSize.width())) {
            largest = version->text();
            largestSize = size;
        }
    }
    setWarningText(version, largest);
    checkChildren(window.find(Control::clientArea));
    saveScreenshot(*window, QStringLiteral("warnings-%1").arg(language));
}

void TestWindowPages::screenshots() {
    const QString dir = qEnvironmentVariable("VARKO_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        QSKIP("VARKO_SCREENSHOT_DIR not set");
    }
    for (int language = 0; language < varko::kLanguageCount; ++language) {
        for (bool everything : {false, true}) {
            WindowFixture window;
            if (everything) {
                showEverything(window);
            }
            chooseLanguage(window, language);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(&*window));
            auto* pages = window.find<QTabWidget>(Control::pages);
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QTest::qWait(50);
                saveScreenshot(
                    *window,
                    QString("%1-%2page%3").arg(language).arg(everything ? "all-" : "").arg(page));
            }
        }
    }
}

QTEST_MAIN(TestWindowPages)
#include "tst_window_pages.moc"
