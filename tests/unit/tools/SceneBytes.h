// Scene files written byte by byte from the file layout (header, object list, cell fields), not
// by the program's writer, so the tools' tests read what an installation's files hold.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

class SceneBytes {
public:
    SceneBytes& w16(std::uint32_t v)
    {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    SceneBytes& w32(std::int64_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
        return *this;
    }
    SceneBytes& newClass(const char* name)
    {
        w16(0xFFFF).w16(0).w16(static_cast<std::uint32_t>(std::strlen(name)));
        bytes_.insert(bytes_.end(), name, name + std::strlen(name));
        return *this;
    }
    // Magic, 200 zero bytes, rows, columns, resolution index, MPD count.
    SceneBytes& header(int rows, int columns, int resolution, int mpdCount, int magic = 0x637A)
    {
        w16(static_cast<std::uint32_t>(magic));
        bytes_.insert(bytes_.end(), 200, 0);
        return w32(rows).w32(columns).w32(resolution).w32(mpdCount);
    }
    // A cell's own fields up to its kind (the lists and the window fields follow).
    SceneBytes& cell(int left, int top, int right, int bottom, int flags, int mpd, int number,
                     int order, int inputType, int inputNo, int kind)
    {
        w32(left).w32(top).w32(right).w32(bottom).w32(flags).w16(static_cast<std::uint32_t>(mpd));
        return w32(number).w32(order).w32(inputType).w32(inputNo).w16(
            static_cast<std::uint32_t>(kind));
    }
    SceneBytes& pipFields(int transparency, int x, int y, int w, int h)
    {
        return w32(transparency).w32(x).w32(y).w32(w).w32(h);
    }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> cut(std::size_t n) const
    {
        return std::vector<std::uint8_t>(bytes_.begin(), bytes_.begin() + static_cast<long>(n));
    }

private:
    std::vector<std::uint8_t> bytes_;
};

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The golden scene: a 1x1 wall at resolution 5 with MPD count 4, its one panel an MPD region
// (no input chosen) with two PIP windows: window 2 on local VGA with transparency 3 and no stored
// device rectangle, window 3 on local DVI with the device rectangle 100, 200, 640 x 360 stored.
// Offsets: header 0..217, cell list count 218, the panel's class record 220..230 and fields
// 231..270 (number 253, inputType 261, kind 269), its PIP list count 271; window 2's class record
// 273..286, fields 287..326, list count 327, window fields 329..348; window 3's tag 349, fields
// 351..390, list count 391, window fields 393..412; 413 bytes in all.
inline SceneBytes goldenScene()
{
    SceneBytes s;
    s.header(1, 1, 5, 4).w16(1);
    s.newClass("CCell").cell(0, 0, 800, 600, 0, 1, 1, 1, 12, 0, 0).w16(2);
    s.newClass("CPIPCell").cell(100, 60, 300, 210, 0, 0, 2, 1, 2, 0, 1).w16(0);
    s.pipFields(3, -1, -1, -1, -1);
    s.w16(0x8003).cell(500, 300, 790, 590, 0, 0, 3, 2, 6, 0, 1).w16(0);
    s.pipFields(0, 100, 200, 640, 360);
    return s;
}
