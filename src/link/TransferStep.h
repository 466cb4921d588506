#pragma once
// The steps of a transfer, one request each. A read asks for the unit's information record
// (block 0) and then its two parameter blocks; a program sends block 0 (answered with the
// information record as well) and then the two blocks; a verify reads the two blocks back and
// compares them. A read and a program both end in a verify of what was read or sent.

#include "link/LinkFrame.h"

#include <cstdint>

namespace varko {

enum class TransferStep : std::uint8_t {
    Idle,
    ReadBlock0,
    ReadBlock1,
    ReadBlock2,
    ProgramBlock0,
    ProgramBlock1,
    ProgramBlock2,
    VerifyBlock1,
    VerifyBlock2,
};

// The transfer a step belongs to; Idle for no transfer.
constexpr TransferMode transferModeOf(TransferStep step) {
    switch (step) {
    case TransferStep::ReadBlock0:
    case TransferStep::ReadBlock1:
    case TransferStep::ReadBlock2:
        return TransferMode::Read;
    case TransferStep::ProgramBlock0:
    case TransferStep::ProgramBlock1:
    case TransferStep::ProgramBlock2:
        return TransferMode::Program;
    case TransferStep::VerifyBlock1:
    case TransferStep::VerifyBlock2:
        return TransferMode::Verify;
    case TransferStep::Idle:
        break;
    }
    return TransferMode::Idle;
}

// The image block the step's request names (0..2); 0 while idle.
constexpr int blockOf(TransferStep step) {
    switch (step) {
    case TransferStep::ReadBlock1:
    case TransferStep::ProgramBlock1:
    case TransferStep::VerifyBlock1:
        return 1;
    case TransferStep::ReadBlock2:
    case TransferStep::ProgramBlock2:
    case TransferStep::VerifyBlock2:
        return 2;
    default:
        return 0;
    }
}

// The command byte of the step's request: reads and verifies ask for a report, a program asks
// the unit to store.
constexpr std::uint8_t requestCommand(TransferStep step) {
    const std::uint8_t block = static_cast<std::uint8_t>(blockOf(step));
    return transferModeOf(step) == TransferMode::Program ? block : Command::reportBit | block;
}

// The step after the given one within the same transfer; the last block stays where it is.
constexpr TransferStep nextStep(TransferStep step) {
    switch (step) {
    case TransferStep::ReadBlock0:
        return TransferStep::ReadBlock1;
    case TransferStep::ReadBlock1:
        return TransferStep::ReadBlock2;
    case TransferStep::ProgramBlock0:
        return TransferStep::ProgramBlock1;
    case TransferStep::ProgramBlock1:
        return TransferStep::ProgramBlock2;
    case TransferStep::VerifyBlock1:
        return TransferStep::VerifyBlock2;
    default:
        return step;
    }
}

} // namespace varko
