// GBK text on its way to and from the W functions: exact code points, null and resource-number
// arguments passed through, buffers filled without splitting a two-byte character.
#include "fx/win/FileDialog.h"
#include "fx/win/Text.h"

#include <gtest/gtest.h>

TEST(FxText, GbkConvertsToTheExactCodePointsAndBack)
{
    const std::wstring wide = fx::ToWide("高清多画面分割器");
    EXPECT_EQ(std::wstring(L"\u9ad8\u6e05\u591a\u753b\u9762\u5206\u5272\u5668"), wide);
    EXPECT_EQ(CString("高清多画面分割器"), fx::ToGbk(wide.c_str()));
    EXPECT_EQ(std::wstring(L"COM3"), fx::ToWide("COM3"));
    EXPECT_EQ(std::wstring(L"\u9ad8"), fx::ToWide("高清", 2)) << "a length counts bytes";
    EXPECT_TRUE(fx::ToWide(nullptr).empty());
    EXPECT_TRUE(fx::ToGbk(nullptr).IsEmpty());
    // "数" is 0xCA 0xFD and "\" shows up as the second byte of some GBK characters: the
    // conversion works on characters, not bytes.
    EXPECT_EQ(std::wstring(L"\u8868\\"), fx::ToWide("表\\"));
}

TEST(FxText, WideArgPassesNullAndResourceNumbersThrough)
{
    const fx::WideArg none(nullptr);
    EXPECT_EQ(nullptr, none.get());
    const fx::WideArg id(MAKEINTRESOURCEA(139));
    EXPECT_EQ(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(139)), id.get());
    const fx::WideArg text("连接设备");
    EXPECT_STREQ(L"\u8fde\u63a5\u8bbe\u5907", text.get());
}

TEST(FxText, CopyToBufferNeverSplitsACharacter)
{
    char buffer[8];
    EXPECT_EQ(6, fx::CopyToBuffer("高清多画面", buffer, 7)) << "six bytes fit, the seventh is the terminator";
    EXPECT_STREQ("高清多", buffer);
    EXPECT_EQ(4, fx::CopyToBuffer("高清多画面", buffer, 6)) << "half of 多 would not fit";
    EXPECT_STREQ("高清", buffer);
    EXPECT_EQ(3, fx::CopyToBuffer("a高b", buffer, 4));
    EXPECT_STREQ("a高", buffer);
    EXPECT_EQ(1, fx::CopyToBuffer("a高b", buffer, 3));
    EXPECT_STREQ("a", buffer);
    EXPECT_EQ(0, fx::CopyToBuffer("abc", buffer, 1));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(0, fx::CopyToBuffer("abc", nullptr, 4));
}

TEST(FxText, FileDialogFilterBecomesTheSystemsList)
{
    const std::wstring filter = CFileDialog::ConvertFilter("场景文件 (*.tzs)|*.tzs|所有文件 (*.*)|*.*||");
    const std::wstring expected = std::wstring(L"\u573a\u666f\u6587\u4ef6 (*.tzs)") + L'\0' + L"*.tzs" + L'\0' +
                                  L"\u6240\u6709\u6587\u4ef6 (*.*)" + L'\0' + L"*.*" + L'\0' + L'\0' + L'\0';
    EXPECT_EQ(expected, filter);
    EXPECT_TRUE(CFileDialog::ConvertFilter(nullptr).empty());
}
