// CFile: a file opened through the platform's file calls, raising CFileException on failure.
// CMemFile: the same interface over memory (archives built or read in memory: tests, fuzzing,
// thumbnails). Both are move-free owners: one object, one open handle, closed on destruction.
#pragma once

#include "fx/core/Exception.h"
#include "fx/core/Object.h"
#include "fx/core/String.h"

#include <cstdint>
#include <vector>

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,  // with modeCreate: open an existing file as it is
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    static const std::intptr_t hFileNull = -1;

    CFile() = default;
    // Opens or throws CFileException.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // Returns FALSE on failure and fills *pError when given (no exception).
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Returns the number of bytes read; fewer than asked (0 at the end) is not an error.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes everything or throws (a short write is reported as diskFull).
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return static_cast<DWORD>(Seek(0, end)); }
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);
    virtual DWORD GetPosition() const;
    // Asks the system to write its buffers for this file to the disk.
    virtual void Flush();
    // Closes the file; a failure to close throws. Abort closes and ignores failures.
    virtual void Close();
    virtual void Abort();

    BOOL IsOpen() const { return m_hFile != hFileNull; }
    const CString& GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;  // the part after the last '\' or '/'

    static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void Remove(LPCSTR lpszFileName);

    // The platform handle (HANDLE on Windows, descriptor natively); hFileNull when closed.
    std::intptr_t m_hFile = hFileNull;

protected:
    [[noreturn]] void ThrowLastError() const;

    CString m_strFileName;
};

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty, growing file.
    CMemFile() = default;
    // A read-only view of bytes owned by the caller, which must outlive the file.
    CMemFile(const BYTE* lpBuffer, UINT nBufferSize);

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    DWORD GetPosition() const override { return m_nPosition; }
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

    // The bytes written so far (the whole file).
    const std::vector<BYTE>& Data() const { return m_data; }

private:
    std::vector<BYTE> m_data;
    const BYTE* m_pView = nullptr;  // set for a read-only view
    DWORD m_nViewSize = 0;
    DWORD m_nPosition = 0;
};
