// Narrow literals must reach the program as GBK bytes: messages, profile names and scene data are
// compared byte for byte with what the device's operators and stored files hold.
#include <gtest/gtest.h>

#include <cstring>

TEST(GbkLiteral, ChineseLiteralIsGbk)
{
    const char text[] = "高清";
    const unsigned char expected[] = {0xB8, 0xDF, 0xC7, 0xE5};
    ASSERT_EQ(sizeof(text) - 1, sizeof(expected));
    EXPECT_EQ(0, std::memcmp(text, expected, sizeof(expected)));
}

TEST(GbkLiteral, MessageWithFormatKeepsAsciiAndGbk)
{
    const char text[] = ";\n错误码:0X%04X";
    const unsigned char expected[] = {';', '\n', 0xB4, 0xED, 0xCE, 0xF3, 0xC2, 0xEB,
                                      ':', '0', 'X', '%', '0', '4', 'X'};
    ASSERT_EQ(sizeof(text) - 1, sizeof(expected));
    EXPECT_EQ(0, std::memcmp(text, expected, sizeof(expected)));
}
