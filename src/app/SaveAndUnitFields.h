#pragma once
// Two permanent fields of the status bar that tell where the window's set also is: whether it
// differs from the file last opened or saved ("Not saved"), and from what the unit last confirmed
// by a read, a program or a verify ("Not in unit"). Each shows its other state too, so a glance
// tells both.

#include "model/Normalize.h"
#include "model/ParamImage.h"

#include <optional>

class QLabel;
class QStatusBar;

class SaveAndUnitFields final {
public:
    // The window's image and settings outlive the fields.
    SaveAndUnitFields(QStatusBar* bar, const varko::ParamImage& image,
                      const varko::WindowSettings& settings);

    // The window's file holds this set (as the window's Open makes of it): opened, saved, or
    // found so at start.
    void fileHolds(const varko::ParamImage& set);
    // The unit confirmed holding this set.
    void unitHolds(const varko::ParamImage& set);
    // The link lost the unit; whichever unit answers next, nothing is known of its set.
    void unitUnknown();

    // After the image or the language changed.
    void show();

private:
    const varko::ParamImage& image_;
    const varko::WindowSettings& settings_;
    QLabel* fileField_;
    QLabel* unitField_;
    std::optional<varko::ParamImage> fileSet_;
    std::optional<varko::ParamImage> unitSet_;
};
