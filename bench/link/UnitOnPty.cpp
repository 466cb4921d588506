#include "UnitOnPty.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using varko::kFrameSize;

UnitOnPty::UnitOnPty() {
    unit_.store() = varko::sim::SimulatedUnit::factoryImage();
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, nullptr, nullptr) != 0)
        return;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
    ::close(slave); // the master now reports a hang-up until the program opens the line
}

UnitOnPty::~UnitOnPty() {
    stop();
    if (master_ >= 0)
        ::close(master_);
}

void UnitOnPty::start() {
    stopping_ = false;
    thread_ = std::thread([this] { serve(); });
}

void UnitOnPty::stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void UnitOnPty::serve() {
    std::vector<std::uint8_t> pending;
    bool open = false;
    while (!stopping_) {
        pollfd p{master_, POLLIN, 0};
        poll(&p, 1, 1);
        const bool hungUp = (p.revents & POLLHUP) != 0;
        if (hungUp == open) {
            open = !hungUp;
            (open ? opens : closes).push_back(Clock::now());
            pending.clear();
        }
        if (hungUp) {
            // A hung-up master polls ready at once; wait for the program to open the line.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        if (!(p.revents & POLLIN))
            continue;
        std::uint8_t chunk[4096];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0)
            continue;
        pending.insert(pending.end(), chunk, chunk + n);
        while (pending.size() >= kFrameSize) {
            varko::LinkFrame request;
            std::copy_n(pending.begin(), kFrameSize, request.bytes.begin());
            pending.erase(pending.begin(), pending.begin() + kFrameSize);
            requests.push_back({Clock::now(), request.command()});
            if (const auto answer = unit_.answer(request))
                if (::write(master_, answer->bytes.data(), answer->bytes.size()) != kFrameSize)
                    ++lostAnswers;
        }
    }
}
