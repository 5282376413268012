#include "tools/tzsim/FrameDecoder.h"
#include "tests/unit/tzsim/Frames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tzsim {
namespace {

using test::bytes;

std::vector<StreamEvent> feed(FrameDecoder& d, const std::vector<std::uint8_t>& data, double ms = 0)
{
    std::vector<StreamEvent> out;
    d.feed(data.data(), data.size(), ms, out);
    return out;
}

TEST(FrameDecoder, AcceptsThePowerOnFrameAndChecksBytes2To10)
{
    FrameDecoder d;
    const std::vector<std::uint8_t> powerOn{0xAA, 0xBB, 0x00, 0x00, 0x00, 0x55,
                                            0x55, 0x55, 0x55, 0x55, 0x55, 0xFE};
    const auto events = feed(d, powerOn);
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(StreamEvent::kFrame, events[0].kind);
    EXPECT_EQ(0xFE, events[0].frame.bytes[11]);
    // The checksum of the worked board example: 02 05 0A 03 80 32 55 55 55 -> C5.
    EXPECT_EQ(0xC5, frameChecksum(makeFrame({0x02, 0x05, 0x0A, 0x03, 0x80, 0x32})));
}

TEST(FrameDecoder, FrameSplitAcrossReadsKeepsItsFirstByteTime)
{
    FrameDecoder d;
    const auto f = bytes(test::device({0x00, 0x01}));
    std::vector<StreamEvent> out;
    d.feed(f.data(), 5, 10.0, out);
    EXPECT_TRUE(out.empty());
    d.feed(f.data() + 5, 7, 12.5, out);
    ASSERT_EQ(1u, out.size());
    EXPECT_DOUBLE_EQ(10.0, out[0].frame.startMs);
    EXPECT_DOUBLE_EQ(12.5, out[0].frame.endMs);
}

TEST(FrameDecoder, ResynchronisesAfterJunkAndPassesItOnAsRaw)
{
    FrameDecoder d;
    std::vector<std::uint8_t> data{0x01, 0xAA, 0x02, 0xAA};
    const auto f = bytes(test::device({0x01, 0x03}));
    data.insert(data.end(), f.begin(), f.end());
    const auto events = feed(d, data);
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(StreamEvent::kRaw, events[0].kind);
    EXPECT_EQ((std::vector<std::uint8_t>{0x01, 0xAA, 0x02, 0xAA}), events[0].raw);
    EXPECT_EQ(StreamEvent::kFrame, events[1].kind);
    EXPECT_EQ(0x03, events[1].frame.bytes[4]);
}

TEST(FrameDecoder, ReportsBadChecksumUnknownDestAndCarriesOn)
{
    FrameDecoder d;
    auto bad = bytes(test::device({0x00, 0x00}));
    bad[11] ^= 1;
    auto dest = bytes(makeFrame({0x03, 0x00}));
    const auto good = bytes(test::device({0x00, 0x01}));
    std::vector<std::uint8_t> data = bad;
    data.insert(data.end(), dest.begin(), dest.end());
    data.insert(data.end(), good.begin(), good.end());
    const auto events = feed(d, data);
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(StreamEvent::kAnomaly, events[0].kind);
    EXPECT_EQ("bad checksum: carries 0xFF, bytes 2..10 sum to 0xFE", events[0].text);
    EXPECT_EQ(12u, events[0].raw.size());
    EXPECT_EQ("unknown dest 0x03", events[1].text);
    EXPECT_EQ(StreamEvent::kFrame, events[2].kind);
}

TEST(FrameDecoder, FrameCutShortByANewStartOrBySilence)
{
    FrameDecoder d;
    const auto f = bytes(test::device({0x00, 0x00}));
    std::vector<std::uint8_t> data(f.begin(), f.begin() + 6);
    data.insert(data.end(), f.begin(), f.end());
    auto events = feed(d, data);
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ("truncated frame: 6 bytes, then a new frame start", events[0].text);
    EXPECT_EQ(StreamEvent::kFrame, events[1].kind);

    std::vector<StreamEvent> out;
    d.feed(f.data(), 4, 100.0, out);
    d.idle(120.0, out);
    EXPECT_TRUE(out.empty()) << "20 ms of silence is not yet a cut";
    d.idle(131.0, out);
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ("truncated frame: 4 of 12 bytes, then silence", out[0].text);
    EXPECT_EQ(0u, d.pending());
}

TEST(FrameDecoder, BracketsOnlyInTheirExactForm)
{
    FrameDecoder d;
    // Opening bracket of kind 10 and closing bracket: 55 where the checksum would be.
    auto events = feed(d, bytes(test::bracket(0, true)));
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(StreamEvent::kFrame, events[0].kind);
    events = feed(d, bytes(test::bracket(4, false)));
    EXPECT_EQ(StreamEvent::kFrame, events.at(0).kind);

    // The same opening frame with its checksum (B3) instead of the fill is refused.
    auto summed = test::bracket(0, true);
    summed[11] = frameChecksum(summed);
    EXPECT_EQ(0xB3, summed[11]);
    events = feed(d, bytes(summed));
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(StreamEvent::kAnomaly, events[0].kind);
    // Kind code 3 does not exist.
    events = feed(d, bytes(test::bracket(3, true)));
    EXPECT_EQ(StreamEvent::kAnomaly, events.at(0).kind);
}

}  // namespace
}  // namespace tzsim

namespace tzsim {
namespace {

// Whatever arrives, in whatever pieces, every byte leaves the decoder exactly once: in a frame,
// as raw bytes or among the discarded bytes of an anomaly.
TEST(FrameDecoder, EveryByteIsAccountedForInAnyStream)
{
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<std::uint8_t> stream;
        for (int piece = 0; piece < 40; ++piece) {
            const int choice = next() % 4;
            if (choice == 0) {
                const auto f = test::bytes(test::board(next(), next(), {next(), next()}));
                stream.insert(stream.end(), f.begin(), f.end());
            } else if (choice == 1) {
                const auto f = test::bytes(test::device({0x00, 0x00}));
                stream.insert(stream.end(), f.begin(), f.begin() + 1 + next() % 11);
            } else {
                for (int i = next() % 5; i >= 0; --i)
                    stream.push_back(next() % 3 == 0 ? 0xAA : next());
            }
        }
        FrameDecoder d;
        std::vector<StreamEvent> out;
        std::size_t at = 0;
        double ms = 0;
        while (at < stream.size()) {
            const std::size_t n = std::min<std::size_t>(stream.size() - at, 1 + next() % 20);
            d.feed(stream.data() + at, n, ms += 1, out);
            at += n;
        }
        d.idle(ms + 1000, out);
        std::size_t accounted = 0;
        for (const StreamEvent& e : out)
            accounted += e.kind == StreamEvent::kFrame ? kFrameSize : e.raw.size();
        EXPECT_EQ(stream.size(), accounted) << "round " << round;
        EXPECT_EQ(0u, d.pending());
    }
}

}  // namespace
}  // namespace tzsim
