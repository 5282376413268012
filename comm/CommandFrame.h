// The 12-byte command frame on the serial line and the stateless builder that fills it.
//
//   0 0xAA | 1 0xBB | 2 dest | 3..10 body (unset bytes 0x55) | 11 checksum of bytes 2..10
//
// Device frames (dest 0) carry the event id in byte 3 and parameters in 4..10; board frames
// (dest 2) the board id in byte 3, the event id in byte 4 and parameters in 5..10; matrix frames
// (dest 1) eight data bytes from TzCommFun in 3..10.
#pragma once

#include <cstddef>

enum {
    FRAME_SIZE = 12,
    FRAME_MAGIC1 = 0xAA,
    FRAME_MAGIC2 = 0xBB,
    FRAME_FILL = 0x55,
    FRAME_DEST_DEVICE = 0,
    FRAME_DEST_MATRIX = 1,
    FRAME_DEST_BOARD = 2
};

typedef unsigned char FrameBytes[FRAME_SIZE];

// Sum of bytes 2..10, low 8 bits.
unsigned char FrameChecksum(const unsigned char* frame);

// BCD with the tens in the high nibble; a value outside 0..99 becomes 0.
unsigned char ToBcd(int value);
int FromBcd(unsigned char bcd);

// Builds frames in a caller's buffer. Every frame starts the same way (magic, 0x55 fill), gets
// its dest and body bytes, then its checksum; only the block-transfer brackets skip the checksum.
class CFrameBuilder {
public:
    // Magic bytes and fill of bytes 3..10; bytes 2 and 11 are left as they were.
    void Start(unsigned char* frame) const;
    // Start, dest 0, event id in byte 3.
    void Device(unsigned char* frame, int event) const;
    // Start, dest 2, board id in byte 3 and event id in byte 4.
    void Board(unsigned char* frame, int board, int event) const;
    // Start, dest 1 and the eight data bytes.
    void Matrix(unsigned char* frame, const unsigned char* data) const;
    // Stores the low 8 bits of value at offset (3..10); no clamping.
    void Put(unsigned char* frame, int offset, int value) const;
    // Writes the checksum into byte 11.
    void Seal(unsigned char* frame) const;
};

// Lowercase hex "aa bb 00 ..." of n bytes, for messages and tools.
void FormatHexBytes(const unsigned char* bytes, std::size_t n, char* out, std::size_t outSize);
