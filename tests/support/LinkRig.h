#pragma once
// A link engine on a scripted port with a recording owner; port numbers resolve to "COMn".

#include "RecordingOwner.h"
#include "ScriptedSerialPort.h"
#include "link/LinkEngine.h"

#include <memory>

struct LinkRig {
    varko::ParamImage image; // what the rig's program and verify hand to the engine
    varko::WindowSettings settings;
    RecordingOwner owner;
    ScriptedSerialPort* port = nullptr;
    std::unique_ptr<varko::LinkEngine> engine;

    explicit LinkRig(std::uint8_t portSelection = 0, std::uint8_t scanIndex = 0) {
        settings.portSelection = portSelection;
        settings.scanIndex = scanIndex;
        auto scripted = std::make_unique<ScriptedSerialPort>();
        port = scripted.get();
        engine = std::make_unique<varko::LinkEngine>(settings, owner, std::move(scripted));
        engine->setPortResolver([](int number) { return QStringLiteral("COM%1").arg(number); });
        owner.engine = engine.get();
    }

    // Starts the transfer as the menu would, the rig's image handed over; idle starts nothing.
    void start(varko::TransferMode mode) {
        switch (mode) {
        case varko::TransferMode::Read:
            engine->startRead();
            break;
        case varko::TransferMode::Program:
            engine->startProgram(image);
            break;
        case varko::TransferMode::Verify:
            engine->startVerify(image);
            break;
        case varko::TransferMode::Idle:
            break;
        }
    }

    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            engine->tick();
            owner.closeBoxes();
        }
    }
    const varko::LinkState& state() const { return engine->state(); }
    const varko::LinkStatus& status() const { return engine->status(); }
};
