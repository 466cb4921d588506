#pragma once
// A link engine on a scripted port with a recording owner; port numbers resolve to "COMn".

#include "RecordingOwner.h"
#include "ScriptedSerialPort.h"
#include "link/LinkEngine.h"

#include <memory>

struct LinkRig {
    varko::ParamImage image;
    varko::WindowSettings settings;
    RecordingOwner owner{image, settings};
    ScriptedSerialPort* port = nullptr;
    std::unique_ptr<varko::LinkEngine> engine;

    explicit LinkRig(std::uint8_t portSelection = 0, std::uint8_t scanIndex = 0) {
        settings.portSelection = portSelection;
        settings.scanIndex = scanIndex;
        auto scripted = std::make_unique<ScriptedSerialPort>();
        port = scripted.get();
        engine = std::make_unique<varko::LinkEngine>(image, settings, owner, std::move(scripted));
        engine->setPortResolver([](int number) { return QStringLiteral("COM%1").arg(number); });
        owner.engine = engine.get();
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
