#include "fx/core/String.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
// GBK bytes of 当前 (U+5F53 U+524D).
const char kDangQian[] = "\xB5\xB1\xC7\xB0";
// A GBK character whose second byte is '\' (0x5C), and one whose second byte is 'A' (0x41).
const char kTrailBackslash[] = "\x81\x5C";
const char kTrailA[] = "\x81\x41";
}  // namespace

TEST(CStringText, LiteralsAreGbkAndFormatComposesMessages)
{
    EXPECT_STREQ(CString("当前"), kDangQian);
    CString s;
    s.Format("当前场景为:%dx%d,加载场景为:%dx%d", 4, 3, 2, 1);
    EXPECT_STREQ(s, "\xB5\xB1\xC7\xB0\xB3\xA1\xBE\xB0\xCE\xAA:4x3,\xBC\xD3\xD4\xD8\xB3\xA1\xBE\xB0\xCE\xAA:2x1");
    s.Format("%s;\n错误码:0X%04X", "通讯失败", 0x3u);
    EXPECT_EQ(s.Right(15), CString(";\n\xB4\xED\xCE\xF3\xC2\xEB:0X0003"));

    // A CString argument formats as its text, not as the object's bytes.
    const CString name("newmode.tzs");
    CString path("insidemode");
    s.Format("%s\\%s (%d)", path, name, 1);
    EXPECT_EQ(s, "insidemode\\newmode.tzs (1)");
    s.AppendFormat(" %s", CString("x"));
    EXPECT_EQ(s.Right(2), " x");

    CString longText;
    longText.Format("%s|%s", std::string(3000, 'a').c_str(), std::string(3000, 'b').c_str());
    EXPECT_EQ(longText.GetLength(), 6001);
    EXPECT_EQ(longText.Find('|'), 3000);
    longText.AppendFormat("%d", 42);
    EXPECT_EQ(longText.Right(3), "b42");
}

TEST(CStringText, SubstringsClampToTheText)
{
    const CString s("abcdef");
    EXPECT_EQ(s.Left(3), "abc");
    EXPECT_EQ(s.Left(99), "abcdef");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(2), "cdef");
    EXPECT_EQ(s.Mid(2, 2), "cd");
    EXPECT_EQ(s.Mid(5, 10), "f");
    EXPECT_EQ(s.Mid(9), "");
    EXPECT_EQ(s.Mid(-3, 2), "ab");
    EXPECT_EQ(s.Right(2), "ef");
    EXPECT_EQ(s.Right(99), "abcdef");
    EXPECT_EQ(CString().GetLength(), 0);
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_EQ(CString("abc", 2), "ab");
}

TEST(CStringText, SearchingStepsOverTwoByteCharacters)
{
    // "C:" + char with trail '\' + "\dir" : the only real '\' is at byte 4.
    CString path = CString("C:") + kTrailBackslash + "\\dir";
    EXPECT_EQ(path.Find('\\'), 4);
    EXPECT_EQ(path.ReverseFind('\\'), 4);
    EXPECT_EQ(path.Left(path.ReverseFind('\\')), CString("C:") + kTrailBackslash);
    EXPECT_EQ(path.Find("\\d"), 4);
    EXPECT_EQ(path.FindOneOf("\\/"), 4);
    EXPECT_EQ(CString(kTrailBackslash).Find('\\'), -1);

    CString s("a,b,c");
    EXPECT_EQ(s.Find(','), 1);
    EXPECT_EQ(s.Find(',', 2), 3);
    EXPECT_EQ(s.Find(',', 4), -1);
    EXPECT_EQ(s.ReverseFind(','), 3);
    EXPECT_EQ(s.Find("b,c"), 2);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.SpanExcluding(","), "a");
    EXPECT_EQ(CString("aab:c").SpanIncluding("ab"), "aab");

    CString t = CString(kTrailBackslash) + "\\\\";
    t.TrimRight('\\');
    EXPECT_EQ(t, kTrailBackslash);
    EXPECT_EQ(CString(kTrailBackslash).Replace('\\', '/'), 0);
}

TEST(CStringText, CaseChangesAndComparisonsLeaveTwoByteCharactersAlone)
{
    CString s = CString("ab") + kTrailA + "Cd";
    s.MakeUpper();
    EXPECT_EQ(s, CString("AB") + kTrailA + "CD");
    s.MakeLower();
    EXPECT_EQ(s, CString("ab") + kTrailA + "cd");
    EXPECT_NE(CString(kTrailA).CompareNoCase("\x81\x61"), 0);
    EXPECT_EQ(CString("TzView.INI").CompareNoCase("tzview.ini"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);

    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("abc") != CString("abd"));
    EXPECT_TRUE(CString("abc") < "abd");
    EXPECT_TRUE(CString("\x81") > "z");  // bytes compare unsigned
    EXPECT_TRUE(CString("b") >= CString("a"));
    EXPECT_TRUE(CString("a") <= "a");

    CString r = CString("x") + kDangQian + "y";
    r.MakeReverse();
    EXPECT_EQ(r, CString("y") + "\xC7\xB0\xB5\xB1" + "x");
}

TEST(CStringText, EditingOperations)
{
    CString s("  a b  \t");
    s.TrimLeft();
    EXPECT_EQ(s, "a b  \t");
    s.TrimRight();
    EXPECT_EQ(s, "a b");
    EXPECT_EQ(s.Replace(" ", "--"), 1);
    EXPECT_EQ(s, "a--b");
    EXPECT_EQ(s.Remove('-'), 2);
    EXPECT_EQ(s.Insert(1, "xy"), 4);
    EXPECT_EQ(s, "axyb");
    EXPECT_EQ(s.Delete(1, 2), 2);
    EXPECT_EQ(s, "ab");
    s.Insert(99, 'c');
    EXPECT_EQ(s, "abc");
    s += 'd';
    s += "e";
    s += CString("f");
    EXPECT_EQ(s, "abcdef");
    s.SetAt(0, 'A');
    EXPECT_EQ(s[0], 'A');
    EXPECT_EQ(s.GetAt(5), 'f');
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());

    CString b;
    char* p = b.GetBuffer(32);
    std::strcpy(p, "written");
    b.ReleaseBuffer();
    EXPECT_EQ(b.GetLength(), 7);
    EXPECT_EQ(b, "written");
    p = b.GetBufferSetLength(3);
    p[0] = 'X';
    b.ReleaseBuffer(3);
    EXPECT_EQ(b, "Xri");
}

TEST(CStringText, ConvertsBetweenGbkAndUnicode)
{
    const CString gbk(kDangQian);
    EXPECT_EQ(gbk.ToUtf16(), std::u16string(u"\u5F53\u524D"));
    EXPECT_EQ(CString::FromUtf16(u"\u5F53\u524D:1"), CString(kDangQian) + ":1");
    EXPECT_EQ(gbk.ToUtf8(), std::string("\xE5\xBD\x93\xE5\x89\x8D"));
    EXPECT_EQ(CString::FromUtf8("\xE5\xBD\x93\xE5\x89\x8D"), gbk);
    EXPECT_EQ(CString::FromUtf16(u"ab", 1), "a");
    EXPECT_TRUE(CString().ToUtf16().empty());
    const CString message("非法的场景文件,加载失败!");
    EXPECT_EQ(CString::FromUtf16(message.ToUtf16().c_str()), message);
}
