// The external matrices' own protocols as they pass the processor's line: binary commands carried
// in matrix frames, and plain-text tie commands written as raw blocks. Each decoded switch is a
// crosspoint: on the matrix at this address, this output now shows this input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tzsim {

struct Crosspoint {
    std::string protocol;   // "sis" text, "p2000" 4-byte binary, "tzb8" 8-byte binary
    int address = 0;        // the matrix's device address (0 where the protocol has none)
    int kind = -1;          // signal kind 0 CVBS, 1 VGA, 2 DVI where the protocol carries it
    int output = 0;
    int input = 0;
};

// Bytes 3..10 of a matrix frame.
std::optional<Crosspoint> decodeMatrixData(const std::uint8_t data[8], std::string& why);

// One complete text command, its terminator included ("3*7!").
std::optional<Crosspoint> decodeTextCommand(const std::string& command, std::string& why);

// The terminator that ends a text command.
constexpr char kTextTerminator = '!';

}  // namespace tzsim
