// The matrix library's call contract and the bytes of each maker's protocol.
#include "tools/tzcommfun/MatrixEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int DealMaxtrixSwitch(std::uint32_t* count, unsigned char* buffer, std::int32_t* mode, int maker,
                                 int kind, int address, int output, int input);

namespace {

struct Call {
    std::uint32_t count = 99;
    std::int32_t mode = 7;
    unsigned char buffer[180];
    Call(int maker, int kind, int address, int output, int input, int modeIn = 0)
    {
        std::memset(buffer, 0xEE, sizeof buffer);
        mode = modeIn;
        DealMaxtrixSwitch(&count, buffer, &mode, maker, kind, address, output, input);
    }
    std::uint32_t length(int record) const
    {
        std::uint32_t n;
        std::memcpy(&n, buffer + 36 * record, 4);
        return n;
    }
    std::vector<std::uint8_t> data(int record, std::size_t n) const
    {
        return {buffer + 36 * record + 4, buffer + 36 * record + 4 + n};
    }
};

TEST(TzCommFun, TextTieIsOneRawRecord)
{
    const Call c(1, 2, 9, 7, 3, 0);
    EXPECT_EQ(1u, c.count);
    EXPECT_EQ(1, c.mode) << "raw block, whatever mode the caller passed";
    EXPECT_EQ(4u, c.length(0));
    EXPECT_EQ((std::vector<std::uint8_t>{'3', '*', '7', '!'}), c.data(0, 4));
    EXPECT_EQ(0, c.buffer[36 + 4]) << "records past the count are zeroed";
}

TEST(TzCommFun, FourByteBinarySetsTheHighBitOnEachArgument)
{
    const Call c(2, 0, 1, 7, 3, 1);
    EXPECT_EQ(1u, c.count);
    EXPECT_EQ(0, c.mode);
    EXPECT_EQ(4u, c.length(0));
    EXPECT_EQ((std::vector<std::uint8_t>{0x01, 0x83, 0x87, 0x81, 0, 0, 0, 0}), c.data(0, 8));
}

TEST(TzCommFun, EightByteBinaryCarriesAddressKindAndSum)
{
    const Call c(3, 2, 0x10, 200, 12);
    EXPECT_EQ(1u, c.count);
    EXPECT_EQ(0, c.mode);
    EXPECT_EQ(8u, c.length(0));
    // Sum of 10 01 02 C8 0C 00 = 0xE7.
    EXPECT_EQ((std::vector<std::uint8_t>{0xA5, 0x10, 0x01, 0x02, 0xC8, 0x0C, 0x00, 0xE7}),
              c.data(0, 8));
}

TEST(TzCommFun, UnknownMakersAndValuesOutsideTheProtocolGiveNothing)
{
    EXPECT_EQ(0u, Call(0, 0, 1, 1, 1).count);
    EXPECT_EQ(0u, Call(9, 0, 1, 1, 1).count);
    EXPECT_EQ(0u, Call(2, 0, 1, 128, 1).count) << "7-bit output";
    EXPECT_EQ(0u, Call(2, 0, 1, 1, 0).count) << "input 0";
    EXPECT_EQ(0u, Call(3, 3, 1, 1, 1).count) << "no kind 3";
    EXPECT_EQ(0u, Call(1, 0, 0, 1000, 1).count);
    EXPECT_EQ(0u, Call(0, 0, 1, 1, 1).length(0));
}

}  // namespace
