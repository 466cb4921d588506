#pragma once
// The owner side of the link engine for tests: records every call and answers message boxes at
// once (as the window's queued box would when the user presses OK).

#include "link/LinkEngine.h"
#include "link/LinkOwner.h"

#include <QStringList>
#include <optional>
#include <vector>

class RecordingOwner : public varko::LinkOwner {
public:
    varko::LinkEngine* engine = nullptr; // told when a box "closes"

    int monitorFrames = 0;
    int unitAnswers = 0;
    std::vector<varko::LinkMessage> messages;
    std::vector<varko::ParamImage> arrivedSets; // each read's set as brought into range
    std::vector<varko::ParamImage> sentSets;    // and as the unit sent it
    std::vector<varko::TransferResult> results;
    std::vector<varko::TransferMode> startedModes;          // of each ended transfer
    std::vector<std::optional<varko::ParamImage>> unitSets; // what each ended transfer brought
    std::vector<std::optional<varko::ParamImage>> copies;   // what each copy read brought
    std::vector<bool> endedCopyReads; // for each end: whether a copy read ended
    varko::LinkStatus lastStatus;

    void showMessage(const varko::LinkMessage& message) override {
        messages.push_back(message);
        pendingBoxes_.push_back(message.kind);
    }
    void linkStatusChanged(const varko::LinkStatus& status) override { lastStatus = status; }
    void onMonitorFrame(const varko::LinkFrame&) override { ++monitorFrames; }
    void unitAnswered() override { ++unitAnswers; }
    void unitSetArrived(const varko::ParamImage& asSent,
                        const varko::ParamImage& inRange) override {
        sentSets.push_back(asSent);
        arrivedSets.push_back(inRange);
    }
    void transferEnded(varko::TransferMode started, varko::TransferResult result,
                       const std::optional<varko::ParamImage>& unitSet) override {
        startedModes.push_back(started);
        results.push_back(result);
        unitSets.push_back(unitSet);
        const bool copyRead = engine && engine->state().copyRead;
        endedCopyReads.push_back(copyRead);
        if (copyRead)
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
    std::vector<varko::LinkMessageKind> pendingBoxes_;
};
