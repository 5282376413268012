// The section reader answers exactly as the private-profile functions do: the case table, and
// every record read from a full TzView.ini compared with the key-by-key reads.
#include "app/core/profile/ProfileReader.h"
#include "app/core/profile/ProfileStore.h"
#include "tests/unit/profile/FullViewProfile.h"
#include "tests/unit/profile/ProfileCases.h"
#include "tests/unit/profile/ProfileTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace profilecases;
using namespace profiletest;

TEST(SectionReader, AnswersTheCaseTableLikeThePlatform)
{
    SectionProfileReader reader = SectionProfileReader::fromBytes(kHandWritten);
    for (const StringCase& c : kStringCases) {
        if (!c.section || !c.key)
            continue;  // lists are not asked of the section reader
        std::vector<char> buffer(c.size + 16, '#');
        const DWORD result = reader.readString(c.section, c.key, c.defaultValue, buffer.data(), c.size);
        EXPECT_EQ(c.result, result) << c.section << " / " << c.key << " / " << c.size;
        EXPECT_EQ(escaped(c.expected), escaped(std::string(buffer.data(), result + 1)))
            << c.section << " / " << c.key << " / " << c.size;
    }
    SectionProfileReader numbers = SectionProfileReader::fromBytes(kNumbers);
    for (const IntCase& c : kIntCases)
        EXPECT_EQ(c.expected, numbers.readInt("n", c.key, c.defaultValue)) << c.key;
}

TEST(SectionReader, AgreesWithThePlatformOnTheCaseFilesKeyByKey)
{
    const std::string path = profilePath("sr_handwritten");
    writeFile(path, kHandWritten);
    SectionProfileReader cached(path.c_str());
    DirectProfileReader direct(path.c_str());
    const char* sections[] = {"Comm", "comm", "sp", "x", "t", "a]b", "g", "h", "gbk", "", "nosuch", "[last"};
    const char* keys[] = {"key1", "key2", ";c", "noeq", "a", "b", "c", "e", "q1", "q2", "q3", "q4", "lead",
                          "k1", "k4", "k5", "k6", "x", "\x81\x41", "\x81\x61", "", "zz"};
    const unsigned sizes[] = {1, 2, 3, 4, 5, 7, 64};
    for (const char* s : sections)
        for (const char* k : keys) {
            EXPECT_EQ(direct.readInt(s, k, -9), cached.readInt(s, k, -9)) << s << "/" << k;
            for (unsigned size : sizes) {
                char a[80], b[80];
                std::memset(a, '#', sizeof(a));
                std::memset(b, '#', sizeof(b));
                const DWORD ra = direct.readString(s, k, "dflt", a, size);
                const DWORD rb = cached.readString(s, k, "dflt", b, size);
                EXPECT_EQ(ra, rb) << s << "/" << k << "/" << size;
                EXPECT_EQ(0, std::memcmp(a, b, std::strlen(a) + 1)) << s << "/" << k << "/" << size;
            }
        }
}

TEST(SectionReader, FullViewProfileReadsTheSameRecordsAsKeyByKey)
{
    const std::string path = profilePath("sr_full_view");
    writeFile(path, fullViewProfile());
    DirectProfileReader direct(path.c_str());
    SectionProfileReader cached(path.c_str());
    SystemConfig a, b;
    ProfileStore::readSystemFrom(direct, a);
    ProfileStore::readSystemFrom(cached, b);
    EXPECT_EQ(0, std::memcmp(&a, &b, sizeof(a)));
    EXPECT_EQ(8, b.mpdCount);
    auto ma = std::make_unique<MatrixConfig>();
    auto mb = std::make_unique<MatrixConfig>();
    ProfileStore::readMatricesFrom(direct, *ma);
    ProfileStore::readMatricesFrom(cached, *mb);
    EXPECT_EQ(0, std::memcmp(ma.get(), mb.get(), sizeof(MatrixConfig)));
    EXPECT_EQ(10, (*mb)[MATRIX_CVBS].devNo);
    // "摄像机主视角" + 2 is 14 bytes; "摄像机主视角" + 200 would be 15.
    EXPECT_STREQ("\xC9\xE3\xCF\xF1\xBB\xFA\xD6\xF7\xCA\xD3\xBD\xC7" "200", (*mb)[MATRIX_DVI].inputName(199));
}

#ifdef _WIN32
// A profile saved as UTF-16 with a byte-order mark: the platform reads it as text, so the
// section reader, which asks the platform, gives what the key-by-key functions give.
TEST(SectionReader, UnicodeFileWithByteOrderMarkReadsAsThePlatformReadsIt)
{
    const std::u16string text = u"[application]\r\nmpdnums = 3\r\nmpdsubcells=2x2\r\n"
                                u"[CVBS_Matrix]\r\nnumofinput=4\r\ninput2=\u89C6\u9891\u4E8C\r\n";
    std::string bytes("\xFF\xFE", 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    const std::string path = profilePath("sr_utf16");
    writeFile(path, bytes);
    SectionProfileReader cached(path.c_str());
    DirectProfileReader direct(path.c_str());
    EXPECT_EQ(3, cached.readInt("application", "mpdnums", -1));
    EXPECT_EQ(4, cached.readInt("cvbs_matrix", "NUMOFINPUT", -1));
    char name[20] = {};
    EXPECT_EQ(6u, cached.readString("CVBS_Matrix", "input2", "", name, sizeof name));
    EXPECT_STREQ("\xCA\xD3\xC6\xB5\xB6\xFE", name) << "GBK, as the ANSI functions give it";
    char fromPlatform[20] = {};
    direct.readString("CVBS_Matrix", "input2", "", fromPlatform, sizeof fromPlatform);
    EXPECT_STREQ(fromPlatform, name);
    auto a = std::make_unique<MatrixConfig>();
    auto b = std::make_unique<MatrixConfig>();
    ProfileStore::readMatricesFrom(direct, *a);
    ProfileStore::readMatricesFrom(cached, *b);
    EXPECT_EQ(0, std::memcmp(a.get(), b.get(), sizeof(MatrixConfig)));
}
#endif
