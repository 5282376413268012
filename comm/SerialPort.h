// The serial port: synchronous, blocking transfers over one port opened as "\\.\COMn". Every
// failure raises CSerialException (by pointer; the catcher deletes it).
#pragma once

#include "comm/KernelHandle.h"
#include "comm/SerialApi.h"
#include "fx/core/Exception.h"

class CSerialException : public CException {
    DECLARE_DYNAMIC(CSerialException)
public:
    explicit CSerialException(DWORD error) : m_dwError(error) {}

    // The system's text for the error code (system default language); FALSE with an empty
    // buffer when the system has none.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;

    DWORD m_dwError;
};

// Raises CSerialException with the code; 0 takes the platform's last error.
[[noreturn]] void ThrowSerialException(DWORD error = 0);

class CSerialPort : public CObject {
    DECLARE_DYNAMIC(CSerialPort)
public:
    enum Parity { EvenParity, MarkParity, NoParity, OddParity, SpaceParity };
    enum StopBits { OneStopBit, OnePointFiveStopBits, TwoStopBits };
    enum FlowControl { NoFlowControl, CtsRtsFlowControl, CtsDtrFlowControl, DsrRtsFlowControl,
                       DsrDtrFlowControl, XonXoffFlowControl };

    CSerialPort() = default;
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens "\\.\COM<port>" with the line settings; any failure closes what was opened and
    // raises, so a failed Open always leaves the port closed.
    void Open(int port, DWORD baudRate, Parity parity, BYTE dataBits, StopBits stopBits,
              FlowControl flowControl, BOOL overlapped);
    // Purges both directions and closes; does nothing when closed.
    void Close();
    BOOL IsPortOpen() const { return m_hComm.IsValid(); }

    // One blocking transfer; returns the count moved, which a time-out may cut short (even to 0).
    DWORD Read(void* buffer, DWORD count);
    DWORD Write(const void* buffer, DWORD count);

    void ReadSettings(SerialApi::DCB& dcb);
    void WriteSettings(SerialApi::DCB& dcb);
    void ApplyTimeouts(SerialApi::COMMTIMEOUTS& timeouts);
    void Purge(DWORD flags);

private:
    void Configure(DWORD baudRate, Parity parity, BYTE dataBits, StopBits stopBits,
                   FlowControl flowControl);

    // The open device, the overlapped flag it was opened with, and the auto-reset event made at
    // opening (kept for overlapped use; transfers here are synchronous).
    CKernelHandle m_hComm{INVALID_HANDLE_VALUE};
    BOOL m_bOverlapped = FALSE;
    CKernelHandle m_hEvent{nullptr};
};
