// Exceptions of the framework. They are thrown by pointer and the catcher owns them:
//
//     try { ar >> pCell; } catch (CException* e) { e->Delete(); }
//
// Every exception class derives from CException; libraries add their own (the serial port's
// CSerialException) by deriving from it and overriding GetErrorMessage.
#pragma once

#include "fx/core/Object.h"
#include "fx/core/String.h"

#ifndef MB_OK
#define MB_OK 0x00000000u
#define MB_ICONEXCLAMATION 0x00000030u
#endif

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // bAutoDelete: TRUE for exceptions made with new (Delete frees them), FALSE for one that
    // lives elsewhere (Delete then does nothing).
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    ~CException() override = default;

    // Copies at most nMaxError - 1 characters of the message plus a terminator into lpszError
    // and sets *pnHelpContext to 0 when given. Returns FALSE with an empty buffer when the
    // exception has no message.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                 UINT* pnHelpContext = nullptr) const;
    // Shows the message (or a general one) through the report procedure; returns its answer.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    // Frees an exception made with new; the catcher calls it instead of delete.
    void Delete();

protected:
    // Copies text into the caller's buffer the way every GetErrorMessage does.
    static BOOL CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext);

    BOOL m_bAutoDelete;
};

// Reading or writing an archive failed: a malformed or truncated file, an unknown class, a bad
// reference, or an archive used in the wrong direction.
class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,     // stored into an archive that is loading
        endOfFile,    // the data ended inside a record
        writeOnly,    // loaded from an archive that is storing
        badIndex,     // a class or object reference to an index not given, a bad count
        badClass,     // an unknown class name, or an object of an unexpected class
        badSchema     // a class written with another schema than the program's
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

// A file operation failed. m_lOsError holds the platform's error code (GetLastError on Windows,
// errno natively).
class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;

    // The cause for a platform error code (Windows error codes on Windows, errno natively).
    static int OsErrorToException(LONG lOsError);
    // Throws a CFileException for the platform error code unless it is 0.
    static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;
};

// Thrown to end an operation the user has already been told about; it carries no message.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;
};

// A system resource (a window class, a GDI object, a resource of the module) could not be had.
class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1,
                                        LPCSTR lpszFileName = nullptr);
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();

// How ReportError shows a message: the windowing layer installs its message box here. Without
// one, Windows builds call MessageBoxA and native builds write to stderr. Returns the previous.
typedef int (*FxReportErrorProc)(LPCSTR lpszText, UINT nType);
FxReportErrorProc FxSetReportErrorProc(FxReportErrorProc proc);
