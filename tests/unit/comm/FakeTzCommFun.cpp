// A TzCommFun for the device-link tests. DealMaxtrixSwitch answers from its arguments so each
// test picks the reply it needs without shared state:
//   a1 = record count returned (only the first five are written), a2 = mode returned,
//   record i has length a3 + i * a4, and data byte j of record i is (i * 0x20 + j) ^ a5.
// FakeLastCall reports the count, mode and arguments of the last call as TzComm passed them.
#include "comm/MatrixLibrary.h"

#include <cstring>

#ifdef _WIN32
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
std::uint32_t g_countIn;
std::int32_t g_modeIn;
int g_args[5];
unsigned char g_bufferWasZero;
}  // namespace

FAKE_EXPORT int DealMaxtrixSwitch(std::uint32_t* count, unsigned char* records, std::int32_t* mode,
                                  int a1, int a2, int a3, int a4, int a5)
{
    g_countIn = *count;
    g_modeIn = *mode;
    const int args[5] = {a1, a2, a3, a4, a5};
    std::memcpy(g_args, args, sizeof(args));
    g_bufferWasZero = 1;
    for (int i = 0; i < MATRIX_BUFFER_SIZE; ++i)
        g_bufferWasZero &= records[i] == 0;

    MatrixRecord* out = reinterpret_cast<MatrixRecord*>(records);
    for (int i = 0; i < a1 && i < MATRIX_RECORD_COUNT; ++i) {
        out[i].length = static_cast<std::uint32_t>(a3 + i * a4);
        for (int j = 0; j < MATRIX_RECORD_DATA; ++j)
            out[i].data[j] = static_cast<unsigned char>((i * 0x20 + j) ^ a5);
    }
    *count = static_cast<std::uint32_t>(a1);
    *mode = a2;
    return 1;
}

// values: count in, mode in, buffer was zeroed, then the five arguments.
FAKE_EXPORT void FakeLastCall(int* values)
{
    values[0] = static_cast<int>(g_countIn);
    values[1] = g_modeIn;
    values[2] = g_bufferWasZero;
    std::memcpy(values + 3, g_args, sizeof(g_args));
}
