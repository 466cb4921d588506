// Print and Print all on a printer that keeps the pages: the printing state while a page is
// taken, the four jobs of Print all, and a print that fails (no printer, a refused job), which
// leaves the window as it was, says why and offers a PDF file instead.

#include "CodeNames.h"
#include "Controls.h"
#include "FlowsFixture.h"
#include "RecordingPrinters.h"
#include "app/PrintMenu.h"
#include "app/WindowLink.h"
#include "link/LinkEngine.h"
#include "model/Messages.h"
#include "model/PrintMessages.h"

#include <QAbstractButton>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace varko;

namespace {

// Controls the printing state hides, one of each kind the rules list.
const QStringList kHiddenWhilePrinting = {
    Control::toolBar,       Control::statusBar,         Control::programAfterChange,
    Control::advanceAllBox, Control::advancePlusButton, Control::servoMinusButton,
    Control::rpmGauge,      Control::tps0Button,        Control::connectionLabel,
    Control::limiterUpDown};
const QStringList kPageOrder = {Control::miscellaneousPage, Control::bikePage,
                                Control::advanceMapPage, Control::servoPage};

// Everything of the window a print could leave changed.
struct WindowLook {
    QMap<QString, QPair<bool, bool>> controls; // hidden, enabled
    QList<bool> tabsVisible;
    int page = -1;
    QString status;
    QColor statusBackground;
    QRect statusGeometry;
    bool statusFilled = false;
    QColor windowBackground;
    int statusTicks = -1;

    bool operator==(const WindowLook&) const = default;
};

WindowLook lookOf(FlowsFixture& f) {
    WindowLook look;
    // The tab bar's scroll buttons come and go as Qt lays the bar out, not by the program.
    for (const QWidget* widget : f.window->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !qobject_cast<QTabBar*>(widget->parent()))
            look.controls[widget->objectName()] = {widget->isHidden(), widget->isEnabled()};
    QTabWidget* pages = f.pages();
    for (int p = 0; p < pages->count(); ++p)
        look.tabsVisible << pages->isTabVisible(p);
    look.page = pages->currentIndex();
    const auto* label = f.window.find<QLabel>(Control::statusLine);
    look.status = label->text();
    look.statusBackground = label->palette().color(QPalette::Window);
    look.statusGeometry = label->geometry();
    look.statusFilled = label->autoFillBackground();
    look.windowBackground = f.window->palette().color(QPalette::Window);
    look.statusTicks = f.window.link().engine().state().statusTicks;
    return look;
}

// What differs between two looks, for the failure message.
QString differences(const WindowLook& before, const WindowLook& after) {
    QStringList changed;
    for (auto it = before.controls.cbegin(); it != before.controls.cend(); ++it)
        if (after.controls.value(it.key()) != it.value())
            changed << it.key();
    if (before.tabsVisible != after.tabsVisible)
        changed << "tab visibility";
    if (before.page != after.page)
        changed << "page in front";
    if (before.status != after.status || before.statusTicks != after.statusTicks)
        changed << "status line";
    if (before.statusBackground != after.statusBackground ||
        before.statusFilled != after.statusFilled || before.statusGeometry != after.statusGeometry)
        changed << "status background";
    if (before.windowBackground != after.windowBackground)
        changed << "window background";
    return changed.join(", ");
}

QString stampLeadIn(varko::Language language) {
    return messageText(Msg::printDateTime, language);
}

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(R"(/Type\s*/Page\b(?!s))");
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

class TestWindowPrinting : public QObject {
    Q_OBJECT
private slots:
    void printTakesTheWindowInItsPrintingState_data() {
        QTest::addColumn<bool>("fromToolbar");
        QTest::newRow("File > Print") << false;
        QTest::newRow("toolbar") << true;
    }
    void printTakesTheWindowInItsPrintingState() {
        QFETCH(bool, fromToolbar);
        FlowsFixture f;
        RecordingPrinters printers;
        const WindowLook before = lookOf(f);
        QStringList shownWhilePrinting;
        QString stamp;
        bool stampOnWhite = false;
        bool windowWhite = false;
        printers.whilePrinting = [&] {
            for (const QString& name : kHiddenWhilePrinting)
                if (f.window.shown(name))
                    shownWhilePrinting << name;
            const auto* label = f.window.find<QLabel>(Control::statusLine);
            stamp = f.window.shown(Control::statusLine) ? label->text() : QString();
            stampOnWhite = label->autoFillBackground() &&
                           label->palette().color(QPalette::Window) == Qt::white;
            windowWhite = f.window->palette().color(QPalette::Window) == Qt::white;
        };
        if (fromToolbar)
            f.window.find<QAbstractButton>(Control::printButton)->click();
        else
            f.trigger(Control::printItem);

        QCOMPARE(printers.pages.size(), 1);
        QCOMPARE(shownWhilePrinting, QStringList());
        QVERIFY2(stamp.startsWith(stampLeadIn(varko::Language::English)), qPrintable(stamp));
        QVERIFY(stampOnWhite);
        QVERIFY(windowWhite);
        // The page is the client area below the menu bar, in its proportions.
        const QSize client(f.window->width(),
                           f.window->height() - f.window->menuBar()->geometry().bottom() - 1);
        QCOMPARE(printers.pages[0].size(), client);
        QCOMPARE(printers.pages[0].pixel(client.width() / 2, client.height() - 2),
                 QColor(Qt::white).rgb()); // where the status bar was
        QCOMPARE(printers.titles, QStringList{f.window->windowTitle()});

        // Afterwards the stamp stays for its 200 ticks on the normal background, the connection
        // label waits for the next tick to come back, and every other control is as it was.
        const WindowLook after = lookOf(f);
        QCOMPARE(after.status, stamp);
        QCOMPARE(after.statusTicks, LinkLimits::statusTicks);
        QVERIFY(!after.statusFilled);
        QVERIFY(f.window.shown(Control::statusLine));
        QCOMPARE(after.controls.value(Control::statusLine).first, false);
        WindowLook rest = after;
        rest.status = before.status;
        rest.statusTicks = before.statusTicks;
        for (const char* name : {Control::statusLine, Control::connectionLabel})
            rest.controls[name] = before.controls.value(name);
        QVERIFY2(rest == before, qPrintable(differences(before, rest)));
    }

    void printIsCtrlP() {
        FlowsFixture f;
        QCOMPARE(f.window.find<QAction>(Control::printItem)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
    }

    void printAllPrintsFourPagesInOrder() {
        FlowsFixture f;
        RecordingPrinters printers;
        f.window.form().showPage(3);
        QStringList pagesInFront;
        QList<int> visibleTabs;
        printers.whilePrinting = [&] {
            pagesInFront << f.pages()->currentWidget()->objectName();
            int visible = 0;
            for (int p = 0; p < f.pages()->count(); ++p)
                visible += f.pages()->isTabVisible(p) ? 1 : 0;
            visibleTabs << visible;
        };
        f.trigger(Control::printAllItem);
        QCOMPARE(pagesInFront, kPageOrder);
        QCOMPARE(visibleTabs, QList<int>(4, 1));
        QCOMPARE(printers.pages.size(), 4);
        QCOMPARE(f.pages()->currentIndex(), 3);
        for (int p = 0; p < f.pages()->count(); ++p)
            QVERIFY(f.pages()->isTabVisible(p));
    }

    void germanStamp() {
        FlowsFixture f;
        RecordingPrinters printers;
        f.trigger(Control::germanItem);
        QString stamp;
        printers.whilePrinting = [&] {
            stamp = f.window.find<QLabel>(Control::statusLine)->text();
        };
        f.trigger(Control::printItem);
        const QString lead = QStringLiteral("Zeitpunkt des Ausdruckes   ");
        QVERIFY2(stamp.startsWith(lead +
                                  QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) +
                                  "    "),
                 qPrintable(stamp));
    }

    // Whatever fails, nothing of the printing state stays and the user is told why, in the
    // window's language.
    void failedPrintLeavesTheWindowAsItWas_data() {
        QTest::addColumn<QString>("printer"); // empty: none is set up
        QTest::addColumn<int>("refuseFromJob");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<int>("jobsOffered");
        QTest::newRow("no printer") << QString() << -1 << Control::printItem << 0;
        QTest::newRow("no printer, print all") << QString() << -1 << Control::printAllItem << 0;
        QTest::newRow("job refused") << "Office" << 0 << Control::printItem << 1;
        QTest::newRow("third page of print all refused")
            << "Office" << 2 << Control::printAllItem << 3;
    }
    void failedPrintLeavesTheWindowAsItWas() {
        QFETCH(QString, printer);
        QFETCH(int, refuseFromJob);
        QFETCH(QString, menuItem);
        QFETCH(int, jobsOffered);
        FlowsFixture f;
        RecordingPrinters printers;
        printers.name = printer;
        printers.refuseFromJob = refuseFromJob;
        f.trigger(Control::frenchItem);
        f.window.form().showPage(2);
        const WindowLook before = lookOf(f);

        f.trigger(qPrintable(menuItem)); // the question is answered Cancel
        const WindowLook after = lookOf(f);
        QVERIFY2(after == before, qPrintable(differences(before, after)));
        QCOMPARE(printers.jobsOffered, jobsOffered);
        const QString told =
            printer.isEmpty() ? noPrinterText(varko::Language::French)
                              : printFailedText(printer, printers.refusal, varko::Language::French);
        QCOMPARE(f.window.boxes.asked, QStringList{told});
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    // Nothing of the window has changed yet when the user learns there is no printer, and the
    // PDF's pages are taken only after the save dialog.
    void noPrinterIsSaidFirst() {
        FlowsFixture f;
        RecordingPrinters printers;
        printers.name.clear();
        const WindowLook before = lookOf(f);
        bool unchangedWhileAsking = false;
        f.window.boxes.whileAsking = [&] { unchangedWhileAsking = lookOf(f) == before; };
        f.window.boxes.answers << MessageBoxes::Answer::Yes;
        f.trigger(Control::printAllItem);
        QVERIFY(unchangedWhileAsking);
        QCOMPARE(f.dialogs.shown.size(), 1); // cancelled
        QVERIFY2(lookOf(f) == before, qPrintable(differences(before, lookOf(f))));
    }

    void escapingErrorLeavesTheWindowAsItWas() {
        FlowsFixture f;
        RecordingPrinters printers;
        printers.whilePrinting = [] { throw std::runtime_error("printer driver"); };
        f.window.form().showPage(1);
        const WindowLook before = lookOf(f);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.window->findChild<PrintMenu*>()->printAll());
        const WindowLook after = lookOf(f);
        QVERIFY2(after == before, qPrintable(differences(before, after)));
    }

    // On yes, the save dialog; the PDF holds the pages the printer would have had.
    void failedPrintSavedAsPdf_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<int>("pages");
        QTest::newRow("no printer") << QString() << Control::printItem << 1;
        QTest::newRow("refused print all") << "Office" << Control::printAllItem << 4;
    }
    void failedPrintSavedAsPdf() {
        QFETCH(QString, printer);
        QFETCH(QString, menuItem);
        QFETCH(int, pages);
        FlowsFixture f;
        RecordingPrinters printers;
        printers.name = printer;
        printers.refuseFromJob = 0;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("record.pdf");
        f.window.boxes.answers << MessageBoxes::Answer::Yes;
        f.dialogs.paths << pdf;
        f.trigger(qPrintable(menuItem));
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown[0].kind, FileDialog::Kind::Save);
        QCOMPARE(pdfPageCount(pdf), pages);
        QVERIFY(f.window.boxes.warnings.isEmpty());
        QVERIFY(f.window.shown(Control::statusBar));
    }

    void pdfThatCannotBeWrittenIsNamed() {
        FlowsFixture f;
        RecordingPrinters printers;
        printers.name.clear();
        QTemporaryDir dir;
        const QString pdf = dir.filePath("missing folder/record.pdf");
        f.window.boxes.answers << MessageBoxes::Answer::Yes;
        f.dialogs.paths << pdf;
        f.trigger(Control::printItem);
        QCOMPARE(f.window.boxes.warnings,
                 QStringList{pdfNotWrittenText(pdf, varko::Language::English)});
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestWindowPrinting)
#include "tst_window_printing.moc"
