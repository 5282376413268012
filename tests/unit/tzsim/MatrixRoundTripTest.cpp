// What the matrix library writes, the simulator reads back as the same crosspoint.
#include "tools/tzcommfun/MatrixEncoder.h"
#include "tools/tzsim/MatrixProtocols.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tzcommfun::Record;

TEST(MatrixRoundTrip, EveryProtocolDecodesToWhatWasAsked)
{
    for (int maker = 1; maker <= 3; ++maker) {
        for (const auto& [kind, address, output, input] :
             {std::tuple{0, 0, 1, 1}, std::tuple{2, 5, 7, 3}, std::tuple{1, 127, 127, 64}}) {
            Record records[tzcommfun::kMaxRecords];
            std::uint32_t count = 0;
            int mode = 0;
            tzcommfun::encodeSwitch({maker, kind, address, output, input}, records, count, mode);
            ASSERT_EQ(1u, count) << maker;
            std::string why;
            std::optional<tzsim::Crosspoint> c;
            if (mode == 1) {
                c = tzsim::decodeTextCommand(
                    std::string(reinterpret_cast<const char*>(records[0].data), records[0].length), why);
            } else {
                // A matrix frame carries eight bytes of the record, zero beyond its length.
                c = tzsim::decodeMatrixData(records[0].data, why);
            }
            ASSERT_TRUE(c) << maker << ": " << why;
            EXPECT_EQ(output, c->output);
            EXPECT_EQ(input, c->input);
            if (maker != 1) {
                EXPECT_EQ(address, c->address);
            }
            if (maker == 3) {
                EXPECT_EQ(kind, c->kind);
            }
        }
    }
}

TEST(MatrixRoundTrip, DecoderRefusesDamagedCommands)
{
    std::string why;
    const std::uint8_t badSum[8] = {0xA5, 0x01, 0x01, 0x00, 0x02, 0x03, 0x00, 0x08};
    EXPECT_FALSE(tzsim::decodeMatrixData(badSum, why));
    EXPECT_EQ("8-byte switch with a bad sum", why);
    const std::uint8_t noHighBit[8] = {0x01, 0x03, 0x87, 0x81, 0, 0, 0, 0};
    EXPECT_FALSE(tzsim::decodeMatrixData(noHighBit, why));
    const std::uint8_t unknown[8] = {0x02, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(tzsim::decodeMatrixData(unknown, why));
    EXPECT_FALSE(tzsim::decodeTextCommand("3*!", why));
    EXPECT_FALSE(tzsim::decodeTextCommand("0*4!", why));
    EXPECT_FALSE(tzsim::decodeTextCommand("1234*4!", why));
}

}  // namespace
