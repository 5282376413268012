// Frame builders for the simulator's tests: the bytes TzComm puts on the line.
#pragma once

#include "tools/tzsim/Frame.h"

#include <vector>

namespace tzsim::test {

inline std::vector<std::uint8_t> bytes(const FrameBytes& f) { return {f.begin(), f.end()}; }

inline FrameBytes device(std::initializer_list<std::uint8_t> body)
{
    std::vector<std::uint8_t> b{0x00};
    b.insert(b.end(), body);
    FrameBytes f;
    f.fill(kFill);
    f[0] = kMagic1;
    f[1] = kMagic2;
    for (std::size_t i = 0; i < b.size() && i + 2 <= 10; ++i)
        f[i + 2] = b[i];
    f[11] = frameChecksum(f);
    return f;
}

inline FrameBytes board(std::uint8_t id, std::uint8_t event, std::initializer_list<std::uint8_t> params)
{
    FrameBytes f;
    f.fill(kFill);
    f[0] = kMagic1;
    f[1] = kMagic2;
    f[2] = kDestBoard;
    f[3] = id;
    f[4] = event;
    std::size_t i = 5;
    for (std::uint8_t p : params)
        f[i++] = p;
    f[11] = frameChecksum(f);
    return f;
}

inline FrameBytes bracket(std::uint8_t code, bool open)
{
    return FrameBytes{0xAA, 0xBB, 0x00, 0x09, code, static_cast<std::uint8_t>(open ? 1 : 0),
                      0x55, 0x55, 0x55, 0x55, 0x55, 0x55};
}

}  // namespace tzsim::test
