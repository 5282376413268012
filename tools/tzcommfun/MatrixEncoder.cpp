#include "tools/tzcommfun/MatrixEncoder.h"

#include <cstdio>
#include <cstring>

namespace tzcommfun {

namespace {

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

void sisText(const Request& r, Record& rec, std::uint32_t& count, int& mode)
{
    // Point-to-point RS-232 text protocol: no address on the line. Ties audio and video ("!").
    if (!inRange(r.input, 1, 999) || !inRange(r.output, 1, 999))
        return;
    char text[kRecordData + 1];
    const int n = std::snprintf(text, sizeof text, "%d*%d!", r.input, r.output);
    std::memcpy(rec.data, text, static_cast<std::size_t>(n));
    rec.length = static_cast<std::uint32_t>(n);
    count = 1;
    mode = 1;
}

void p2000(const Request& r, Record& rec, std::uint32_t& count, int& mode)
{
    // Instruction 1 (switch video), input, output, machine number: 7-bit values, high bit set.
    if (!inRange(r.input, 1, 127) || !inRange(r.output, 1, 127) || !inRange(r.address, 0, 127))
        return;
    rec.data[0] = 0x01;
    rec.data[1] = static_cast<std::uint8_t>(0x80 | r.input);
    rec.data[2] = static_cast<std::uint8_t>(0x80 | r.output);
    rec.data[3] = static_cast<std::uint8_t>(0x80 | r.address);
    rec.length = 4;
    count = 1;
    mode = 0;
}

void tzb8(const Request& r, Record& rec, std::uint32_t& count, int& mode)
{
    // A5, address, 01 switch, kind, output, input, 00, sum of the six bytes after A5.
    if (!inRange(r.input, 1, 255) || !inRange(r.output, 1, 255) || !inRange(r.address, 0, 255) ||
        !inRange(r.kind, 0, 2))
        return;
    const std::uint8_t body[6] = {static_cast<std::uint8_t>(r.address), 0x01,
                                  static_cast<std::uint8_t>(r.kind),
                                  static_cast<std::uint8_t>(r.output),
                                  static_cast<std::uint8_t>(r.input), 0x00};
    unsigned sum = 0;
    rec.data[0] = 0xA5;
    for (int i = 0; i < 6; ++i) {
        rec.data[1 + i] = body[i];
        sum += body[i];
    }
    rec.data[7] = static_cast<std::uint8_t>(sum & 0xFF);
    rec.length = 8;
    count = 1;
    mode = 0;
}

}  // namespace

void encodeSwitch(const Request& r, Record records[kMaxRecords], std::uint32_t& count, int& mode)
{
    count = 0;
    std::memset(records, 0, sizeof(Record) * kMaxRecords);
    switch (r.maker) {
    case kMakerSisText: sisText(r, records[0], count, mode); break;
    case kMakerP2000: p2000(r, records[0], count, mode); break;
    case kMakerTzb8: tzb8(r, records[0], count, mode); break;
    default: break;
    }
}

}  // namespace tzcommfun
