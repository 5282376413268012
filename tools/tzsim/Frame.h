// The 12-byte command frame as the processor sees it on its serial input.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tzsim {

constexpr std::size_t kFrameSize = 12;
constexpr std::uint8_t kMagic1 = 0xAA;
constexpr std::uint8_t kMagic2 = 0xBB;
constexpr std::uint8_t kFill = 0x55;

enum Dest : std::uint8_t { kDestDevice = 0, kDestMatrix = 1, kDestBoard = 2 };

using FrameBytes = std::array<std::uint8_t, kFrameSize>;

// Sum of bytes 2..10, low 8 bits: what byte 11 must carry.
inline std::uint8_t frameChecksum(const FrameBytes& f)
{
    unsigned sum = 0;
    for (std::size_t i = 2; i <= 10; ++i)
        sum += f[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

// A block-transfer bracket: device event 0x09, kind code 0, 1, 2 or 4, open 1 / close 0, and
// 0x55 in bytes 6..11 -- byte 11 carries the fill, not a checksum.
inline bool isExactBracket(const FrameBytes& f)
{
    if (f[0] != kMagic1 || f[1] != kMagic2 || f[2] != kDestDevice || f[3] != 0x09)
        return false;
    if (f[4] != 0 && f[4] != 1 && f[4] != 2 && f[4] != 4)
        return false;
    if (f[5] != 0 && f[5] != 1)
        return false;
    for (std::size_t i = 6; i <= 11; ++i)
        if (f[i] != kFill)
            return false;
    return true;
}

// Space-separated upper-case hex, "AA BB 00 ...".
std::string hexBytes(const std::uint8_t* data, std::size_t length);
inline std::string hexBytes(const FrameBytes& f) { return hexBytes(f.data(), f.size()); }

// Builds a frame with fill bytes and a valid checksum from bytes 2..10 (used for replies and tests).
FrameBytes makeFrame(std::initializer_list<std::uint8_t> bytes2to10);

}  // namespace tzsim
