// One edit as the user makes it: a click on a map cell's up arrow, which collects every control,
// normalizes, shows the image again with the display rules and records the change for undo.
// Prints the median time of one such edit; holding an arrow key repeats it about 30 times a
// second, so it should stay well below 5 ms. Then the same for one bulk edit over the whole map
// (a degree added to all 100 cells), which should also stay below 5 ms.

#include "Controls.h"
#include "ProgramWindowParts.h"
#include "app/MapWorkbench.h"
#include "app/ProgramWindow.h"
#include "document/Document.h"
#include "ui/MapCellGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kEdits = 400;

// The median and 90th percentile of kEdits runs of edit(i), in milliseconds.
void measure(const char* what, const std::function<void(int)>& edit) {
    std::vector<double> millis;
    millis.reserve(kEdits);
    for (int i = 0; i < kEdits; ++i) {
        QElapsedTimer timer;
        timer.start();
        edit(i);
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    std::printf("%s: median %.3f ms, 90th percentile %.3f ms over %d edits\n", what,
                millis[kEdits / 2], millis[kEdits * 9 / 10], kEdits);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const auto window = startProgramWindow();
    window->show();
    varko::Document& document = ProgramWindowParts(*window).document();

    const auto arrows =
        window->findChild<QWidget*>(Control::mapCellUpDown(9, 5))->findChildren<QToolButton*>();
    const std::uint8_t before = document.image().advance(9, 5);
    arrows[0]->click();
    if (document.image().advance(9, 5) != before + 1) {
        std::printf("an up-down click did not reach the image\n");
        return 1;
    }
    arrows[1]->click();
    // Up and down in turn, so every edit changes the image and is recorded.
    measure("edit (up-down click to refreshed window)",
            [&arrows](int i) { arrows[i % 2]->click(); });
    if (document.image().advance(9, 5) != before) {
        std::printf("the edits did not come back to the start value\n");
        return 1;
    }

    // The whole map, every cell inside the limits, so each edit changes all 100 cells.
    document.apply(
        [](varko::ParamImage& image) {
            image.throttleMap() = 1;
            for (int cell = 0; cell < 100; ++cell)
                image[varko::Field::advance + cell] = 30;
        },
        varko::ChangeOrigin::Edit);
    window->findChild<MapCellGrid*>()->selectAll();
    auto* workbench = window->findChild<MapWorkbench*>();
    measure("bulk edit (a degree on all 100 cells to refreshed window)", [workbench](int i) {
        workbench->applyEdit(varko::BulkEdit::Add, i % 2 == 0 ? 1 : -1);
    });
    if (document.image().advance(0, 0) != 30 || document.image().advance(9, 9) != 30) {
        std::printf("the bulk edits did not come back to the start value\n");
        return 1;
    }
    return 0;
}
