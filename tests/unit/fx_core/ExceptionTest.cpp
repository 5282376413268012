#include "fx/core/Exception.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {
std::string g_reported;
UINT g_reportedType = 0;
int CaptureReport(LPCSTR text, UINT type)
{
    g_reported = text;
    g_reportedType = type;
    return 7;
}

// A library exception as TzComm derives one: its own message, the base's report.
class CProbeException : public CException {
public:
    explicit CProbeException(LPCSTR text) : m_text(text) {}
    BOOL GetErrorMessage(LPSTR buf, UINT size, UINT* ctx = nullptr) const override
    {
        return CopyMessage(m_text, buf, size, ctx);
    }
    CString m_text;
};
}  // namespace

TEST(Exceptions, ThrownByPointerAndDeletedByTheCatcher)
{
    int caught = 0;
    try {
        AfxThrowArchiveException(CArchiveException::badClass, "a.tzs");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException)));
        EXPECT_EQ(static_cast<CArchiveException*>(e)->m_cause, CArchiveException::badClass);
        EXPECT_EQ(static_cast<CArchiveException*>(e)->m_strFileName, "a.tzs");
        e->Delete();
        ++caught;
    }
    try {
        AfxThrowFileException(CFileException::diskFull, 112, "b.tzs");
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::diskFull);
        EXPECT_EQ(e->m_lOsError, 112);
        e->Delete();
        ++caught;
    }
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
        ++caught;
    }
    try {
        AfxThrowUserException();
    } catch (CUserException* e) {
        e->Delete();
        ++caught;
    }
    EXPECT_EQ(caught, 4);

    // One that is not heap-owned survives Delete.
    CException notOwned(FALSE);
    notOwned.Delete();  // must not free: ASan would report a bad free
}

TEST(Exceptions, GetErrorMessageCopiesWithinTheBuffer)
{
    UINT help = 99;
    char buf[64];
    std::memset(buf, 'x', sizeof buf);
    CUserException user;
    EXPECT_FALSE(user.GetErrorMessage(buf, sizeof buf, &help));
    EXPECT_EQ(help, 0u);
    EXPECT_EQ(buf[0], '\0');

    CProbeException probe("abcdef");
    help = 5;
    EXPECT_TRUE(probe.GetErrorMessage(buf, 4, &help));
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(help, 0u);
    EXPECT_TRUE(probe.GetErrorMessage(buf, sizeof buf));
    EXPECT_STREQ(buf, "abcdef");
    EXPECT_FALSE(probe.GetErrorMessage(buf, 0));

    // A cut never leaves the first byte of a two-byte character behind.
    CProbeException chinese("a通讯");
    EXPECT_TRUE(chinese.GetErrorMessage(buf, 3));
    EXPECT_STREQ(buf, "a");
    EXPECT_TRUE(chinese.GetErrorMessage(buf, 4));
    EXPECT_STREQ(buf, "a\xCD\xA8");

    CArchiveException ae(CArchiveException::endOfFile, "scene.tzs");
    ASSERT_TRUE(ae.GetErrorMessage(buf, sizeof buf));
    EXPECT_NE(std::strstr(buf, "scene.tzs"), nullptr);
    CArchiveException plain(CArchiveException::none);
    EXPECT_FALSE(plain.GetErrorMessage(buf, sizeof buf));
    CMemoryException me;
    EXPECT_TRUE(me.GetErrorMessage(buf, sizeof buf));
}

TEST(Exceptions, ReportErrorGoesThroughTheReportProcedure)
{
    FxReportErrorProc previous = FxSetReportErrorProc(CaptureReport);
    CProbeException probe("port failed");
    EXPECT_EQ(probe.ReportError(MB_ICONEXCLAMATION), 7);
    EXPECT_EQ(g_reported, "port failed");
    EXPECT_EQ(g_reportedType, MB_ICONEXCLAMATION);
    CUserException user;
    user.ReportError();
    EXPECT_FALSE(g_reported.empty());  // a general text when the exception has none
    FxSetReportErrorProc(previous);
}

TEST(Exceptions, FileErrorCodesMapToCauses)
{
#ifdef _WIN32
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_ACCESS_DENIED), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_SHARING_VIOLATION),
              CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_DISK_FULL), CFileException::diskFull);
#else
    EXPECT_EQ(CFileException::OsErrorToException(ENOENT), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(EACCES), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(ENOSPC), CFileException::diskFull);
#endif
    EXPECT_EQ(CFileException::OsErrorToException(0), CFileException::none);
    EXPECT_EQ(CFileException::OsErrorToException(987654), CFileException::genericException);
    CFileException::ThrowOsError(0);  // no error, no throw
}
