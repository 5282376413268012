#include "fx/core/Archive.h"
#include "fx/core/File.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = std::string("fx_core_") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".bin";
        std::remove(m_path.c_str());
    }
    void TearDown() override { std::remove(m_path.c_str()); }

    void WriteText(const char* text, UINT flags = CFile::modeCreate | CFile::modeWrite)
    {
        CFile f(m_path.c_str(), flags);
        f.Write(text, static_cast<UINT>(std::strlen(text)));
        f.Close();
    }
    std::string ReadAll()
    {
        CFile f(m_path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
        std::string s(f.GetLength(), '\0');
        EXPECT_EQ(f.Read(&s[0], static_cast<UINT>(s.size())), s.size());
        return s;
    }

    std::string m_path;
};
}  // namespace

TEST_F(FileTest, CreateTruncatesAndNoTruncateKeeps)
{
    WriteText("0123456789");
    WriteText("abc");
    EXPECT_EQ(ReadAll(), "abc");

    {
        CFile f(m_path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(f.GetLength(), 3u);
        f.SeekToEnd();
        f.Write("de", 2);
    }
    EXPECT_EQ(ReadAll(), "abcde");
}

TEST_F(FileTest, OpeningAMissingFileFails)
{
    CFile f;
    CFileException error;
    EXPECT_FALSE(f.Open(m_path.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_NE(error.m_lOsError, 0);
    EXPECT_FALSE(f.IsOpen());

    bool thrown = false;
    try {
        CFile g(m_path.c_str(), CFile::modeRead);
    } catch (CFileException* e) {
        thrown = true;
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(e->m_strFileName, m_path.c_str());
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST_F(FileTest, SeekLengthAndPosition)
{
    CFile f(m_path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
    f.Write("hello world", 11);
    EXPECT_EQ(f.GetPosition(), 11u);
    EXPECT_EQ(f.GetLength(), 11u);
    EXPECT_EQ(f.Seek(6, CFile::begin), 6);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, 16), 5u);
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(f.Read(buf, 16), 0u);
    EXPECT_EQ(f.Seek(-5, CFile::end), 6);
    EXPECT_EQ(f.Seek(-1, CFile::current), 5);
    f.SetLength(5);
    EXPECT_EQ(f.GetLength(), 5u);
    f.Flush();
    EXPECT_EQ(f.GetFileName(), m_path.c_str());
    f.Close();
    EXPECT_FALSE(f.IsOpen());
    f.Close();  // closing twice does nothing
}

TEST_F(FileTest, WritingAFileOpenedForReadingThrows)
{
    WriteText("x");
    CFile f(m_path.c_str(), CFile::modeRead);
    bool thrown = false;
    try {
        f.Write("y", 1);
    } catch (CFileException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST_F(FileTest, RemoveAndRename)
{
    WriteText("x");
    const std::string other = m_path + ".moved";
    CFile::Rename(m_path.c_str(), other.c_str());
    bool thrown = false;
    try {
        CFile::Remove(m_path.c_str());
    } catch (CFileException* e) {
        thrown = true;
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    CFile::Remove(other.c_str());
}

#ifdef _WIN32
TEST_F(FileTest, ShareDenyWriteKeepsWritersOut)
{
    WriteText("x");
    CFile reader(m_path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    CFile writer;
    CFileException error;
    EXPECT_FALSE(writer.Open(m_path.c_str(), CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    CFile secondReader;
    EXPECT_TRUE(secondReader.Open(m_path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
}
#endif

// An archive over a real file, with data several times the buffer, in both directions.
TEST_F(FileTest, ArchiveRoundTripAcrossBufferBoundaries)
{
    std::vector<BYTE> block(10000);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<BYTE>(i * 7);
    {
        CFile f(m_path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&f, CArchive::store, 4096);
        for (int i = 0; i < 3000; ++i)
            ar << static_cast<WORD>(i) << static_cast<LONG>(-i) << static_cast<BYTE>(i);
        ar.Write(block.data(), static_cast<UINT>(block.size()));
        ar << 1.5 << 2.25f << static_cast<long long>(-3);
        ar.Close();
    }
    EXPECT_EQ(ReadAll().size(), 3000u * 7 + block.size() + 8 + 4 + 8);

    CFile f(m_path.c_str(), CFile::modeRead);
    CArchive ar(&f, CArchive::load, 4096);
    for (int i = 0; i < 3000; ++i) {
        WORD w;
        LONG l;
        BYTE b;
        ar >> w >> l >> b;
        ASSERT_EQ(w, static_cast<WORD>(i));
        ASSERT_EQ(l, -i);
        ASSERT_EQ(b, static_cast<BYTE>(i));
    }
    std::vector<BYTE> back(block.size());
    EXPECT_EQ(ar.Read(back.data(), static_cast<UINT>(back.size())), back.size());
    EXPECT_EQ(back, block);
    double d;
    float fl;
    long long ll;
    ar >> d >> fl >> ll;
    EXPECT_EQ(d, 1.5);
    EXPECT_EQ(fl, 2.25f);
    EXPECT_EQ(ll, -3);
    BYTE extra;
    bool eof = false;
    try {
        ar >> extra;
    } catch (CArchiveException* e) {
        eof = e->m_cause == CArchiveException::endOfFile;
        e->Delete();
    }
    EXPECT_TRUE(eof);
}
