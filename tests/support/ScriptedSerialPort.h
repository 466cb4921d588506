#pragma once
// A serial port whose other end is the test: it records what the link writes and hands back
// whatever bytes the test queues, or what a responder (such as the simulated unit) answers.

#include "link/LinkFrame.h"
#include "link/SerialPort.h"

#include <QStringList>
#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

class ScriptedSerialPort final : public varko::SerialPort {
public:
    std::function<varko::PortError(const QString&)> openResult = [](const QString&) {
        return varko::PortError::None;
    };
    std::function<void(const varko::LinkFrame&)> respond;

    QStringList openedPaths; // every attempt, failed or not
    int closeCount = 0;
    std::vector<varko::LinkFrame> written;
    std::deque<std::uint8_t> incoming;
    bool gone = false; // the device has vanished

    void feed(const varko::LinkFrame& frame) {
        incoming.insert(incoming.end(), frame.bytes.begin(), frame.bytes.end());
    }
    std::vector<std::uint8_t> commandsWritten() const {
        std::vector<std::uint8_t> commands;
        for (const auto& frame : written)
            commands.push_back(frame.command());
        return commands;
    }

    varko::PortError open(const QString& devicePath) override {
        openedPaths << devicePath;
        const varko::PortError error = gone ? varko::PortError::NotFound : openResult(devicePath);
        open_ = error == varko::PortError::None;
        return error;
    }
    bool isOpen() const override { return open_; }
    int bytesWaiting() override {
        if (gone)
            return -1;
        return open_ ? static_cast<int>(incoming.size()) : 0;
    }
    int read(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), incoming.size());
        std::copy_n(incoming.begin(), n, buffer.begin());
        incoming.erase(incoming.begin(), incoming.begin() + static_cast<long>(n));
        return static_cast<int>(n);
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (!open_ || gone || bytes.size() != varko::kFrameSize)
            return false;
        varko::LinkFrame frame;
        std::copy(bytes.begin(), bytes.end(), frame.bytes.begin());
        written.push_back(frame);
        if (respond)
            respond(frame);
        return true;
    }
    void close() override {
        if (open_)
            ++closeCount;
        open_ = false;
    }

private:
    bool open_ = false;
};
