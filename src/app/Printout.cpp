#include "app/Printout.h"

#include "link/LinkEngine.h"
#include "model/PrintMessages.h"
#include "ui/FormBinder.h"
#include "ui/MainWindowUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMainWindow>
#include <QTabWidget>

namespace {

void setLabelBackground(QLabel* label, const QColor& colour, bool filled) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(filled);
}

// Entered on construction, left on destruction, whatever ends the printout.
class PrintingState {
public:
    explicit PrintingState(const PrintedWindow& printed)
        : printed_(printed), ui_(printed.ui), page_(ui_.pageControl->currentIndex()),
          labelGeometry_(ui_.statusLabel->geometry()) {
        MainWindowUi& ui = ui_;
        const QString stamp =
            varko::printStamp(printed.language, QDateTime::currentDateTime(), QLocale());
        statusBefore_ = printed.link.showPrintStamp(stamp);
        setLabelBackground(ui.statusLabel, Qt::white, true);
        // The stamp, with a long time format, is longer than the status line: on paper it wraps
        // into the room of the transfer gauge, which the printout does not show.
        ui.statusLabel->setWordWrap(true);
        ui.statusLabel->resize(
            labelGeometry_.width(),
            qMax(labelGeometry_.height(), ui.statusLabel->heightForWidth(labelGeometry_.width())));
        ui.toolbar.verify->setFocus();
        setPrinting(true);
    }
    ~PrintingState() {
        if (pageChanged_) {
            printed_.form.showEveryTab();
            printed_.form.showPage(page_);
        }
        setPrinting(false);
        setLabelBackground(ui_.statusLabel, QApplication::palette().color(QPalette::Button), false);
        ui_.statusLabel->setWordWrap(false);
        ui_.statusLabel->setGeometry(labelGeometry_);
        if (!keepStamp_)
            printed_.link.restoreStatusLine(statusBefore_);
    }
    PrintingState(const PrintingState&) = delete;
    PrintingState& operator=(const PrintingState&) = delete;

    void showOnly(int page) {
        pageChanged_ = true;
        printed_.form.showOnlyTab(page);
        printed_.form.applyDisplayRules();
    }
    void keepStamp() { keepStamp_ = true; }

private:
    // The link's tick then shows neither the status nor the connection label.
    void setPrinting(bool on) {
        printed_.link.setPrinting(on);
        printed_.form.setPrinting(on);
    }

    const PrintedWindow& printed_;
    MainWindowUi& ui_;
    const int page_;
    const QRect labelGeometry_;
    varko::LinkEngine::StatusLine statusBefore_;
    bool pageChanged_ = false;
    bool keepStamp_ = false;
};

// Everything inside the window's frame below the menu bar, as drawn now. Recorded rather than
// rastered, so the texts reach the printer as texts.
QPicture pictureOfClientArea(QMainWindow& window) {
    // A window that was never shown has its parts placed only once its layout runs.
    if (QLayout* layout = window.layout())
        layout->activate();
    const QWidget* menuBar = window.menuWidget();
    const int top =
        menuBar != nullptr && !menuBar->isHidden() ? menuBar->geometry().bottom() + 1 : 0;
    const QRect area(0, top, window.width(), window.height() - top);
    QPicture picture;
    window.render(&picture, QPoint(), QRegion(area));
    picture.setBoundingRect(QRect(QPoint(), area.size()));
    return picture;
}

} // namespace

QList<QPicture> takePrintout(const PrintedWindow& subject, PrintScope scope,
                             const PagePrinter& print) {
    PrintingState state(subject);
    QMainWindow& window = subject.window;
    MainWindowUi& ui = subject.ui;
    QList<QPicture> pages;
    bool printed = static_cast<bool>(print);
    const auto takePage = [&] {
        pages << pictureOfClientArea(window);
        printed = printed && print(pages.constLast());
    };
    if (scope == PrintScope::ShownPage) {
        takePage();
    } else {
        for (int page = 0; page < ui.pageControl->count(); ++page) {
            state.showOnly(page);
            takePage();
        }
    }
    if (printed)
        state.keepStamp();
    return pages;
}
