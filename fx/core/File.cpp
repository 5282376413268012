// The parts of CFile that do not touch the platform, and CMemFile.
#include "fx/core/File.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, lpszFileName);
}

CFile::~CFile()
{
    if (IsOpen())
        Abort();
}

CString CFile::GetFileName() const
{
    int cut = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
    return m_strFileName.Mid(cut + 1);
}

CMemFile::CMemFile(const BYTE* lpBuffer, UINT nBufferSize)
    : m_pView(lpBuffer), m_nViewSize(nBufferSize)
{
}

BOOL CMemFile::Open(LPCSTR, UINT, CFileException* pError)
{
    if (pError != nullptr) {
        pError->m_cause = CFileException::genericException;
        pError->m_lOsError = -1;
    }
    return FALSE;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    const BYTE* data = m_pView != nullptr ? m_pView : m_data.data();
    const DWORD size = GetLength();
    if (m_nPosition >= size)
        return 0;
    const UINT n = std::min<UINT>(nCount, size - m_nPosition);
    if (n > 0)
        std::memcpy(lpBuf, data + m_nPosition, n);
    m_nPosition += n;
    return n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (m_pView != nullptr)
        AfxThrowFileException(CFileException::accessDenied);
    if (nCount == 0)
        return;
    if (m_nPosition > 0xFFFFFFFFu - nCount)
        AfxThrowFileException(CFileException::diskFull);
    const std::size_t end = static_cast<std::size_t>(m_nPosition) + nCount;
    try {
        if (end > m_data.size())
            m_data.resize(end);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    std::memcpy(m_data.data() + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    long long base = 0;
    if (nFrom == current)
        base = m_nPosition;
    else if (nFrom == end)
        base = GetLength();
    const long long target = base + lOff;
    if (target < 0 || target > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = static_cast<DWORD>(target);
    return static_cast<LONG>(target);
}

DWORD CMemFile::GetLength() const
{
    return m_pView != nullptr ? m_nViewSize : static_cast<DWORD>(m_data.size());
}

void CMemFile::SetLength(DWORD dwNewLen)
{
    if (m_pView != nullptr)
        AfxThrowFileException(CFileException::accessDenied);
    try {
        m_data.resize(dwNewLen);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    m_nPosition = std::min<DWORD>(m_nPosition, dwNewLen);
}

void CMemFile::Close()
{
    m_data.clear();
    m_pView = nullptr;
    m_nViewSize = 0;
    m_nPosition = 0;
}
