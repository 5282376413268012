// CFile on Windows: CreateFileA and friends. Errors are GetLastError codes.
#include "fx/core/File.h"

namespace {
HANDLE H(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        Abort();
    DWORD access = GENERIC_READ;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;  // compatibility and exclusive: nobody else
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    HANDLE h = CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        if (pError != nullptr) {
            pError->m_lOsError = static_cast<LONG>(err);
            pError->m_cause = CFileException::OsErrorToException(static_cast<LONG>(err));
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = reinterpret_cast<std::intptr_t>(h);
    m_strFileName = lpszFileName;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    const LONG err = static_cast<LONG>(GetLastError());
    AfxThrowFileException(CFileException::OsErrorToException(err), err, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD read = 0;
    if (nCount == 0)
        return 0;
    if (!ReadFile(H(m_hFile), lpBuf, nCount, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD written = 0;
    if (nCount == 0)
        return;
    if (!WriteFile(H(m_hFile), lpBuf, nCount, &written, nullptr))
        ThrowLastError();
    if (written != nCount)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER pos;
    const DWORD method = nFrom == current ? FILE_CURRENT : nFrom == end ? FILE_END : FILE_BEGIN;
    if (!SetFilePointerEx(H(m_hFile), distance, &pos, method))
        ThrowLastError();
    return static_cast<LONG>(pos.QuadPart);
}

DWORD CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(H(m_hFile), &size))
        ThrowLastError();
    return static_cast<DWORD>(size.QuadPart);
}

void CFile::SetLength(DWORD dwNewLen)
{
    Seek(static_cast<LONG>(dwNewLen), begin);
    if (!SetEndOfFile(H(m_hFile)))
        ThrowLastError();
}

DWORD CFile::GetPosition() const
{
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    LARGE_INTEGER pos;
    if (!SetFilePointerEx(H(m_hFile), zero, &pos, FILE_CURRENT))
        ThrowLastError();
    return static_cast<DWORD>(pos.QuadPart);
}

void CFile::Flush()
{
    if (IsOpen() && !FlushFileBuffers(H(m_hFile)))
        ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    HANDLE h = H(m_hFile);
    m_hFile = hFileNull;
    if (!CloseHandle(h))
        ThrowLastError();
}

void CFile::Abort()
{
    if (IsOpen())
        CloseHandle(H(m_hFile));
    m_hFile = hFileNull;
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!MoveFileA(lpszOldName, lpszNewName)) {
        const LONG err = static_cast<LONG>(GetLastError());
        AfxThrowFileException(CFileException::OsErrorToException(err), err, lpszOldName);
    }
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (!DeleteFileA(lpszFileName)) {
        const LONG err = static_cast<LONG>(GetLastError());
        AfxThrowFileException(CFileException::OsErrorToException(err), err, lpszFileName);
    }
}
