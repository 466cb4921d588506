#include "link/LinkFrame.h"

namespace varko {

std::uint8_t checkByte(std::uint8_t command, std::span<const std::uint8_t, kFrameDataSize> data) {
    std::uint8_t check = static_cast<std::uint8_t>(~command);
    for (std::uint8_t b : data)
        check ^= b;
    return check;
}

bool checkByteValid(const LinkFrame& frame) {
    std::uint8_t all = 0xFF;
    for (std::uint8_t b : frame.bytes)
        all ^= b;
    return all == 0;
}

LinkFrame buildFrame(std::uint8_t command, std::span<const std::uint8_t, kFrameDataSize> data) {
    LinkFrame frame;
    frame.bytes[0] = command;
    std::copy(data.begin(), data.end(), frame.data().begin());
    frame.bytes[kFrameSize - 1] = checkByte(command, data);
    return frame;
}

LinkFrame buildIdleFrame() {
    const std::array<std::uint8_t, kFrameDataSize> zero{};
    return buildFrame(Command::monitorRequest, zero);
}

LinkFrame buildBlockFrame(std::uint8_t command, TransferMode mode, const ParamImage& image) {
    const int block = command & Command::blockMask;
    if (mode == TransferMode::Read || block == 0 || block > 2) {
        const std::array<std::uint8_t, kFrameDataSize> zero{};
        return buildFrame(command, zero);
    }
    return buildFrame(command, image.block(block));
}

} // namespace varko
