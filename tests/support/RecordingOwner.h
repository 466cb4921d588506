#pragma once
// The owner side of the link engine for tests: records every call, answers message boxes at
// once (as the window's queued box would when the user presses OK) and keeps the image's
// normalization real or skipped as the test chooses.

#include "link/LinkEngine.h"
#include "link/LinkOwner.h"
#include "model/Normalize.h"

#include <QStringList>
#include <optional>
#include <vector>

class RecordingOwner : public varko::LinkOwner {
public:
    RecordingOwner(varko::ParamImage& image, varko::WindowSettings& settings)
        : image_(image), settings_(settings) {}

    bool normalizeForReal = false;
    varko::LinkEngine* engine = nullptr; // told when a box "closes"

    int collects = 0;
    int normalizes = 0;
    int shows = 0;
    int monitorFrames = 0;
    std::vector<varko::LinkMessage> messages;
    std::vector<varko::TransferResult> results;
    std::vector<varko::TransferMode> startedModes;        // of each ended transfer
    std::vector<std::optional<varko::ParamImage>> copies; // what each copy read brought
    std::vector<bool> endedCopyReads;                     // for each end: whether a copy read ended
    varko::LinkStatus lastStatus;

    void collectImage() override { ++collects; }
    void normalize() override {
        ++normalizes;
        if (normalizeForReal)
            varko::normalize(image_, settings_);
    }
    void showImage() override { ++shows; }
    void showMessage(const varko::LinkMessage& message) override {
        messages.push_back(message);
        pendingBoxes_.push_back(message.kind);
    }
    void linkStatusChanged(const varko::LinkStatus& status) override { lastStatus = status; }
    void onMonitorFrame(const varko::LinkFrame&) override { ++monitorFrames; }
    void transferEnded(varko::TransferMode started, varko::TransferResult result) override {
        startedModes.push_back(started);
        results.push_back(result);
        endedCopyReads.push_back(engine && engine->state().copyRead);
    }
    void copyReadEnded(varko::TransferResult,
                       const std::optional<varko::ParamImage>& unitSet) override {
        copies.push_back(unitSet);
    }

    // Closes the boxes asked for so far, outside the engine's call, as the window does.
    void closeBoxes() {
        const auto boxes = std::move(pendingBoxes_);
        pendingBoxes_.clear();
        for (auto kind : boxes)
            if (engine)
                engine->messageBoxClosed(kind);
    }

private:
    varko::ParamImage& image_;
    varko::WindowSettings& settings_;
    std::vector<varko::LinkMessageKind> pendingBoxes_;
};
