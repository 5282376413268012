// The call contract of the matrix library TzCommFun.dll, which composes the bytes that switch an
// outside signal matrix. TzComm loads it from the program's folder and calls its export
// DealMaxtrixSwitch(&count, records, &mode, a1..a5) with a zeroed 180-byte buffer of five
// records, count 0 and the mode asked for; the library fills records, count and mode:
//   mode 0: each record is sent as matrix frames of 8 data bytes (dest 1, with checksum);
//   mode 1: each record's bytes are written to the line as they are.
// At most 5 records of at most 32 data bytes; TzComm refuses anything beyond that.
#pragma once

#include <cstdint>

enum {
    MATRIX_RECORD_COUNT = 5,
    MATRIX_RECORD_DATA = 32,
    MATRIX_BUFFER_SIZE = 180
};

// One record as laid out in the buffer: a 32-bit length, then the data bytes.
struct MatrixRecord {
    std::uint32_t length;
    unsigned char data[MATRIX_RECORD_DATA];
};
static_assert(sizeof(MatrixRecord) * MATRIX_RECORD_COUNT == MATRIX_BUFFER_SIZE,
              "five records of 36 bytes");

#define TZCOMMFUN_DLL_NAME "TzCommFun.dll"
#define TZCOMMFUN_EXPORT "DealMaxtrixSwitch"

// a1..a5: maker code, matrix kind (0 CVBS, 1 VGA, 2 DVI), device address, output, input.
typedef int (*DealMaxtrixSwitchProc)(std::uint32_t* count, unsigned char* records,
                                     std::int32_t* mode, int a1, int a2, int a3, int a4, int a5);
