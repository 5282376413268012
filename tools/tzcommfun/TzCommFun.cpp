// TzCommFun's one export. TzComm passes the address of its record count, its 180-byte record
// buffer, the address of its mode word and the five matrix arguments unchanged; the return value
// is not looked at.
#include "comm/MatrixLibrary.h"
#include "tools/tzcommfun/MatrixEncoder.h"

#include <cstdint>
#include <type_traits>

#ifdef _WIN32
#define TZCOMMFUN_API extern "C" __declspec(dllexport)
#else
#define TZCOMMFUN_API extern "C" __attribute__((visibility("default")))
#endif

TZCOMMFUN_API int DealMaxtrixSwitch(std::uint32_t* count, unsigned char* buffer, std::int32_t* mode,
                                       int maker, int kind, int address, int output, int input)
{
    if (!count || !buffer || !mode)
        return 0;
    tzcommfun::Record records[tzcommfun::kMaxRecords];
    std::uint32_t n = 0;
    int m = *mode;
    tzcommfun::encodeSwitch({maker, kind, address, output, input}, records, n, m);
    // The buffer is TzComm's own, of no particular alignment: copy byte-wise.
    const unsigned char* from = reinterpret_cast<const unsigned char*>(records);
    for (std::size_t i = 0; i < sizeof records; ++i)
        buffer[i] = from[i];
    *count = n;
    *mode = m;
    return static_cast<int>(n);
}

static_assert(std::is_same_v<decltype(&DealMaxtrixSwitch), DealMaxtrixSwitchProc>,
              "the export must match the contract TzComm calls");
static_assert(sizeof(tzcommfun::Record) == sizeof(MatrixRecord), "one record of the buffer");
