// The private-profile functions against the case table. On Windows these are the platform's
// own functions, which is what proves the table; natively they are ours.
#include "fx/seam/Win32Seam.h"
#include "tests/unit/profile/ProfileCases.h"
#include "tests/unit/profile/ProfileTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace profilecases;
using namespace profiletest;

namespace {

std::string readString(const char* section, const char* key, const char* def, unsigned size,
                       const std::string& path, DWORD& result)
{
    std::vector<char> buffer(size + 16, '#');
    result = GetPrivateProfileStringA(section, key, def, buffer.data(), size, path.c_str());
    return std::string(buffer.data(), result + 1 <= size ? result + 1 : size);
}

std::string describe(const StringCase& c)
{
    return std::string(c.section ? c.section : "NULL") + " / " + (c.key ? c.key : "NULL") +
           " / " + (c.defaultValue ? c.defaultValue : "NULL") + " / " + std::to_string(c.size);
}

}  // namespace

TEST(PrivateProfileRead, HandWrittenFileAnswersEveryCaseOfTheTable)
{
    const std::string path = profilePath("pp_handwritten");
    writeFile(path, kHandWritten);
    for (const StringCase& c : kStringCases) {
        DWORD result = 0;
        const std::string got = readString(c.section, c.key, c.defaultValue, c.size, path, result);
        EXPECT_EQ(c.result, result) << describe(c);
        EXPECT_EQ(escaped(c.expected), escaped(got)) << describe(c);
    }
}

TEST(PrivateProfileRead, MissingFileGivesTheDefault)
{
    const std::string path = profilePath("pp_never_written");
    removeFile(path);
    DWORD result = 0;
    EXPECT_EQ("qd", std::string(readString("s", "k", "\"qd\"", 64, path, result).c_str()));
    EXPECT_EQ(2u, result);
    EXPECT_EQ(static_cast<UINT>(-3), GetPrivateProfileIntA("s", "k", -3, path.c_str()));
    EXPECT_EQ(999u, GetPrivateProfileIntA("comm", "commport", 999, path.c_str()));
    EXPECT_EQ("<none>", readFile(path));
}

TEST(PrivateProfileRead, IntegersFollowThePlatformsNumberRules)
{
    const std::string path = profilePath("pp_numbers");
    writeFile(path, kNumbers);
    for (const IntCase& c : kIntCases)
        EXPECT_EQ(c.expected, static_cast<int>(GetPrivateProfileIntA("n", c.key, c.defaultValue, path.c_str())))
            << c.key;
}

TEST(PrivateProfileRead, CutGbkValuesKeepWholeCharactersOnly)
{
    const std::string path = profilePath("pp_gbk");
    writeFile(path, kGbkFile);
    const char* section = "\xCA\xD3\xC6\xB5";
    const char* key = "\xC3\xFB";
    struct Cut {
        unsigned size;
        DWORD result;
        const char* whole;  // the whole characters at the start of the buffer
    } cuts[] = {{64, 5, "\xCA\xD3\xC6\xB5\x31"}, {6, 5, "\xCA\xD3\xC6\xB5\x31"}, {5, 4, "\xCA\xD3\xC6\xB5"},
                {4, 3, "\xCA\xD3"}, {3, 2, "\xCA\xD3"}, {2, 1, ""}};
    for (const Cut& c : cuts) {
        std::vector<char> buffer(c.size + 4, '#');
        const DWORD result = GetPrivateProfileStringA(section, key, "d", buffer.data(), c.size, path.c_str());
        EXPECT_EQ(c.result, result) << c.size;
        EXPECT_EQ(0, std::memcmp(buffer.data(), c.whole, std::strlen(c.whole))) << c.size;
        EXPECT_EQ('\0', buffer[result]) << c.size;
        EXPECT_EQ('#', buffer[c.size]) << c.size;  // nothing written past the buffer
    }
}

TEST(PrivateProfileWrite, EachStepLeavesExactlyTheExpectedFile)
{
    for (const WriteCase& c : kWriteCases) {
        const std::string path = profilePath(std::string("pp_write_") + c.name);
        removeFile(path);
        if (c.initial)
            writeFile(path, c.initial);
        for (const WriteStep& step : c.steps) {
            if (!step.section && !step.key && !step.value && !step.fileAfter)
                break;
            const BOOL result = WritePrivateProfileStringA(step.section, step.key, step.value, path.c_str());
            EXPECT_EQ(step.result, result ? 1 : 0) << c.name << " " << (step.key ? step.key : "NULL");
            EXPECT_EQ(escaped(step.fileAfter ? step.fileAfter : "<none>"), escaped(readFile(path)))
                << c.name << " " << (step.key ? step.key : "NULL");
        }
    }
}

TEST(PrivateProfileWrite, WrittenValuesReadBackAsStored)
{
    const std::string path = profilePath("pp_readback");
    removeFile(path);
    ASSERT_TRUE(WritePrivateProfileStringA("comm", "commport", "3", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("comm", "timeout", "20", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("comm", "baudrate", "115200", path.c_str()));
    EXPECT_EQ(3u, GetPrivateProfileIntA("comm", "commport", 999, path.c_str()));
    EXPECT_EQ(20u, GetPrivateProfileIntA("COMM", "TimeOut", 10, path.c_str()));
    EXPECT_EQ(115200u, GetPrivateProfileIntA("comm", "baudrate", 0, path.c_str()));
    EXPECT_EQ("[comm]\r\ncommport=3\r\ntimeout=20\r\nbaudrate=115200\r\n", readFile(path));
}

TEST(PrivateProfileWrite, WriteIntoMissingFolderFails)
{
    const std::string path = ".\\pp_no_such_folder\\x.ini";
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", path.c_str()));
    EXPECT_EQ("<none>", readFile(path));
}

TEST(PrivateProfileWrite, LooseFileKeepsItsOtherKeys)
{
    const std::string path = profilePath("pp_loose");
    writeFile(path, kLooseFile);
    ASSERT_TRUE(WritePrivateProfileStringA("manuset", "height", "20", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("application", "mpdnums", "5", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("application", "recentfilename", "C:\\a.tzs", path.c_str()));
    char buffer[64];
    EXPECT_EQ(5u, GetPrivateProfileIntA("application", "mpdnums", -1, path.c_str()));
    GetPrivateProfileStringA("application", "cells", "", buffer, sizeof(buffer), path.c_str());
    EXPECT_STREQ("2x2", buffer);
    GetPrivateProfileStringA("application", "recentfilename", "", buffer, sizeof(buffer), path.c_str());
    EXPECT_STREQ("C:\\a.tzs", buffer);
    EXPECT_EQ(10u, GetPrivateProfileIntA("manuset", "width", -1, path.c_str()));
    EXPECT_EQ(20u, GetPrivateProfileIntA("manuset", "height", -1, path.c_str()));
    EXPECT_EQ(2u, GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof(buffer), path.c_str()) > 0 ? 2u : 0u);
}

#ifndef _WIN32
// Windows edits the file in place; Wine writes it out anew in its own layout, so this part is
// checked on the native implementation only.
TEST(PrivateProfileWrite, NativeWriteKeepsEveryOtherByte)
{
    const std::string path = profilePath("pp_loose_bytes");
    writeFile(path, kLooseFile);
    ASSERT_TRUE(WritePrivateProfileStringA("manuset", "height", "20", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("application", "mpdnums", "5", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("application", "recentfilename", "C:\\a.tzs", path.c_str()));
    EXPECT_EQ(escaped("; wall settings\n\n[application]\nmpdnums=5\n\ncells = 2x2\nrecentfilename=C:\\a.tzs\r\n"
                      "\n\n[manuset]\nwidth=10\n; end\nheight=20\r\n"),
              escaped(readFile(path)));
}
#endif
