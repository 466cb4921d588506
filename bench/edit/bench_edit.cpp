// One edit as the user makes it: a click on a map cell's up arrow, which collects every control,
// normalizes, shows the image again with the display rules and records the change for undo.
// Prints the median time of one such edit; holding an arrow key repeats it about 30 times a
// second, so it should stay well below 5 ms.

#include "app/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    MainWindow window;
    window.startUp();
    window.show();

    const auto arrows = window.findChild<QWidget*>("UpDown145")->findChildren<QToolButton*>();
    const std::uint8_t before = window.image().advance(9, 5);
    arrows[0]->click();
    if (window.image().advance(9, 5) != before + 1) {
        std::printf("an up-down click did not reach the image\n");
        return 1;
    }
    arrows[1]->click();
    constexpr int kEdits = 400;
    std::vector<double> millis;
    millis.reserve(kEdits);
    for (int i = 0; i < kEdits; ++i) {
        // Up and down in turn, so every edit changes the image and is recorded.
        QToolButton* arrow = arrows[i % 2];
        QElapsedTimer timer;
        timer.start();
        arrow->click();
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (window.image().advance(9, 5) != before) {
        std::printf("the edits did not come back to the start value\n");
        return 1;
    }
    std::sort(millis.begin(), millis.end());
    std::printf("edit (up-down click to refreshed window): median %.3f ms, 90th percentile %.3f "
                "ms over %d edits\n",
                millis[kEdits / 2], millis[kEdits * 9 / 10], kEdits);
    return 0;
}
