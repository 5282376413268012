// Turns one matrix switch request (maker code, signal kind, device address, output, input) into
// the bytes that maker's matrix understands, as the records TzComm sends on: binary commands in
// matrix frames (mode 0) or plain-text blocks written raw (mode 1).
#pragma once

#include <cstdint>

namespace tzcommfun {

constexpr int kMaxRecords = 5;
constexpr int kRecordData = 32;

// One record of TzComm's 180-byte buffer: a 32-bit length, then the data.
struct Record {
    std::uint32_t length;
    std::uint8_t data[kRecordData];
};
static_assert(sizeof(Record) == 36, "the record layout is part of the call contract");

enum Maker {
    kMakerSisText = 1,     // plain-text tie "<in>*<out>!", raw block
    kMakerP2000 = 2,       // 4-byte binary, high bit set on each argument, in a matrix frame
    kMakerTzb8 = 3,        // 8-byte binary with address, kind and sum, in a matrix frame
};

struct Request {
    int maker, kind, address, output, input;
};

// Fills records[0..count-1] and mode; count 0 for an unknown maker or values the maker's protocol
// cannot carry.
void encodeSwitch(const Request& r, Record records[kMaxRecords], std::uint32_t& count, int& mode);

}  // namespace tzcommfun
