#include "fx/core/Exception.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
int DefaultReport(LPCSTR text, UINT nType)
{
#ifdef _WIN32
    return MessageBoxA(nullptr, text, nullptr, nType);
#else
    (void)nType;
    std::fprintf(stderr, "%s\n", text);
    return 1;  // IDOK
#endif
}

FxReportErrorProc g_reportProc = DefaultReport;

LPCSTR ArchiveCauseText(int cause)
{
    switch (cause) {
    case CArchiveException::readOnly: return "试图写入正在读取的档案";
    case CArchiveException::endOfFile: return "档案意外结束";
    case CArchiveException::writeOnly: return "试图读取正在写入的档案";
    case CArchiveException::badIndex: return "档案格式错误: 无效的引用或计数";
    case CArchiveException::badClass: return "档案格式错误: 未知或不符的类";
    case CArchiveException::badSchema: return "档案格式错误: 类的版本不符";
    default: return "读写档案时发生错误";
    }
}

LPCSTR FileCauseText(int cause)
{
    switch (cause) {
    case CFileException::fileNotFound: return "找不到文件";
    case CFileException::badPath: return "路径无效";
    case CFileException::tooManyOpenFiles: return "打开的文件过多";
    case CFileException::accessDenied: return "拒绝访问";
    case CFileException::invalidFile: return "无效的文件句柄";
    case CFileException::removeCurrentDir: return "不能删除当前目录";
    case CFileException::directoryFull: return "目录已满";
    case CFileException::badSeek: return "文件定位错误";
    case CFileException::hardIO: return "硬件输入输出错误";
    case CFileException::sharingViolation: return "共享冲突";
    case CFileException::lockViolation: return "锁定冲突";
    case CFileException::diskFull: return "磁盘已满";
    case CFileException::endOfFile: return "文件意外结束";
    default: return "访问文件时发生错误";
    }
}

// "text: name" when the exception names a file, otherwise the text alone.
CString WithName(LPCSTR text, const CString& name)
{
    CString s(text);
    if (!name.IsEmpty()) {
        s += ": ";
        s += name;
    }
    return s;
}
}  // namespace

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CException::CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    if (text == nullptr || *text == '\0') {
        *lpszError = '\0';
        return FALSE;
    }
    std::size_t n = std::strlen(text);
    if (n > nMaxError - 1) {
        n = nMaxError - 1;
        // Never leave half of a two-byte character at the end.
        std::size_t i = 0;
        while (i < n)
            i += CString::IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i > n)
            n -= 1;
    }
    std::memcpy(lpszError, text, n);
    lpszError[n] = '\0';
    return TRUE;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
    return CopyMessage(nullptr, lpszError, nMaxError, pnHelpContext);
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    (void)nMessageID;
    char text[512];
    if (!GetErrorMessage(text, sizeof text))
        std::snprintf(text, sizeof text, "%s", "没有可用的错误信息");
    return g_reportProc(text, nType);
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

FxReportErrorProc FxSetReportErrorProc(FxReportErrorProc proc)
{
    FxReportErrorProc previous = g_reportProc;
    g_reportProc = proc != nullptr ? proc : DefaultReport;
    return previous;
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                        UINT* pnHelpContext) const
{
    if (m_cause == none)
        return CopyMessage(nullptr, lpszError, nMaxError, pnHelpContext);
    return CopyMessage(WithName(ArchiveCauseText(m_cause), m_strFileName), lpszError, nMaxError,
                       pnHelpContext);
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
    if (m_cause == none)
        return CopyMessage(nullptr, lpszError, nMaxError, pnHelpContext);
    return CopyMessage(WithName(FileCauseText(m_cause), m_strFileName), lpszError, nMaxError,
                       pnHelpContext);
}

int CFileException::OsErrorToException(LONG lOsError)
{
#ifdef _WIN32
    switch (lOsError) {
    case 0: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_NETPATH: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_CRC:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT: return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
#else
    switch (lOsError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE: return badSeek;
    case EIO: return hardIO;
    case EBUSY:
    case ETXTBSY: return sharingViolation;
    case EWOULDBLOCK: return lockViolation;
    case ENOSPC:
    case EDQUOT: return diskFull;
    default: return genericException;
    }
#endif
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                       UINT* pnHelpContext) const
{
    return CopyMessage("内存不足", lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                             UINT* pnHelpContext) const
{
    return CopyMessage("不支持该操作", lpszError, nMaxError, pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                         UINT* pnHelpContext) const
{
    return CopyMessage("系统资源不足", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowMemoryException()
{
    // Allocating the exception may itself fail when memory is short; std::bad_alloc then
    // travels instead, which callers that catch everything handle the same way.
    throw new CMemoryException();
}

void AfxThrowUserException() { throw new CUserException(); }

void AfxThrowNotSupportedException() { throw new CNotSupportedException(); }

void AfxThrowResourceException() { throw new CResourceException(); }
