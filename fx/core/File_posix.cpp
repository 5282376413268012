// CFile natively: POSIX descriptors. Errors are errno values. The share flags have no POSIX
// counterpart and are accepted without effect; the program opens each scene file once.
#include "fx/core/File.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int Fd(std::intptr_t h) { return static_cast<int>(h); }
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        Abort();
    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3) {
    case modeRead: flags |= O_RDONLY; break;
    case modeWrite: flags |= O_WRONLY; break;
    default: flags |= O_RDWR; break;
    }
    if (nOpenFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & modeNoTruncate))
            flags |= O_TRUNC;
    }
    int fd;
    do {
        fd = ::open(lpszFileName != nullptr ? lpszFileName : "", flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int err = errno;
        if (pError != nullptr) {
            pError->m_lOsError = err;
            pError->m_cause = CFileException::OsErrorToException(err);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (pError != nullptr) {
            pError->m_lOsError = EISDIR;
            pError->m_cause = CFileException::accessDenied;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = fd;
    m_strFileName = lpszFileName;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    const int err = errno;
    AfxThrowFileException(CFileException::OsErrorToException(err), err, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    UINT total = 0;
    char* p = static_cast<char*>(lpBuf);
    while (total < nCount) {
        const ssize_t n = ::read(Fd(m_hFile), p + total, nCount - total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError();
        }
        if (n == 0)
            break;
        total += static_cast<UINT>(n);
    }
    return total;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    UINT total = 0;
    const char* p = static_cast<const char*>(lpBuf);
    while (total < nCount) {
        const ssize_t n = ::write(Fd(m_hFile), p + total, nCount - total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowLastError();
        }
        if (n == 0)
            AfxThrowFileException(CFileException::diskFull, ENOSPC, m_strFileName);
        total += static_cast<UINT>(n);
    }
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    const int whence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    const off_t pos = ::lseek(Fd(m_hFile), static_cast<off_t>(lOff), whence);
    if (pos < 0)
        ThrowLastError();
    return static_cast<LONG>(pos);
}

DWORD CFile::GetLength() const
{
    struct stat st;
    if (::fstat(Fd(m_hFile), &st) != 0)
        ThrowLastError();
    return static_cast<DWORD>(st.st_size);
}

void CFile::SetLength(DWORD dwNewLen)
{
    if (::ftruncate(Fd(m_hFile), static_cast<off_t>(dwNewLen)) != 0)
        ThrowLastError();
}

DWORD CFile::GetPosition() const
{
    const off_t pos = ::lseek(Fd(m_hFile), 0, SEEK_CUR);
    if (pos < 0)
        ThrowLastError();
    return static_cast<DWORD>(pos);
}

void CFile::Flush()
{
    if (IsOpen() && ::fsync(Fd(m_hFile)) != 0 && errno != EINVAL)
        ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    const int fd = Fd(m_hFile);
    m_hFile = hFileNull;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowLastError();
}

void CFile::Abort()
{
    if (IsOpen())
        ::close(Fd(m_hFile));
    m_hFile = hFileNull;
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (std::rename(lpszOldName, lpszNewName) != 0) {
        const int err = errno;
        AfxThrowFileException(CFileException::OsErrorToException(err), err, lpszOldName);
    }
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (::unlink(lpszFileName) != 0) {
        const int err = errno;
        AfxThrowFileException(CFileException::OsErrorToException(err), err, lpszFileName);
    }
}
