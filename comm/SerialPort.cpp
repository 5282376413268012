#include "comm/SerialPort.h"

#include <algorithm>
#include <cstring>
#include <string>

using namespace SerialApi;

IMPLEMENT_DYNAMIC(CSerialException, CException)
IMPLEMENT_DYNAMIC(CSerialPort, CObject)

BOOL CSerialException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
    char text[1024] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, m_dwError, kSystemDefaultLanguage, text,
                                        sizeof(text), nullptr);
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lpszError[0] = '\0';
    if (length == 0)
        return FALSE;
    const std::size_t copy = std::min<std::size_t>(std::strlen(text), nMaxError - 1);
    std::memcpy(lpszError, text, copy);
    lpszError[copy] = '\0';
    return TRUE;
}

void ThrowSerialException(DWORD error)
{
    if (error == 0)
        error = GetLastError();
    throw new CSerialException(error);
}

CSerialPort::~CSerialPort()
{
    Close();
}

void CSerialPort::Open(int port, DWORD baudRate, Parity parity, BYTE dataBits, StopBits stopBits,
                       FlowControl flowControl, BOOL overlapped)
{
    Close();
    const std::string name = "\\\\.\\COM" + std::to_string(port);
    m_hComm.Attach(CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING,
                               overlapped ? FILE_FLAG_OVERLAPPED : FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!m_hComm.IsValid())
        ThrowSerialException();
    m_hEvent.Attach(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!m_hEvent.IsValid()) {
        const DWORD error = GetLastError();
        Close();
        ThrowSerialException(error);
    }
    m_bOverlapped = overlapped;
    try {
        Configure(baudRate, parity, dataBits, stopBits, flowControl);
    } catch (CSerialException*) {
        // A device whose settings were refused is not usable with the settings asked for;
        // leaving it open would let later commands go out with whatever it had.
        Close();
        throw;
    }
}

void CSerialPort::Configure(DWORD baudRate, Parity parity, BYTE dataBits, StopBits stopBits,
                            FlowControl flowControl)
{
    static const BYTE parities[] = {EVENPARITY, MARKPARITY, NOPARITY, ODDPARITY, SPACEPARITY};
    static const BYTE stops[] = {ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS};
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    ReadSettings(dcb);
    dcb.BaudRate = baudRate;
    dcb.Parity = parities[parity];
    dcb.ByteSize = dataBits;
    dcb.StopBits = stops[stopBits];
    dcb.fDsrSensitivity = FALSE;
    switch (flowControl) {
    case NoFlowControl:
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        break;
    case CtsRtsFlowControl:
        dcb.fOutxCtsFlow = TRUE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        break;
    case CtsDtrFlowControl:
        dcb.fOutxCtsFlow = TRUE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        break;
    case DsrRtsFlowControl:
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = TRUE;
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        break;
    case DsrDtrFlowControl:
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = TRUE;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        break;
    case XonXoffFlowControl:
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fOutX = TRUE;
        dcb.fInX = TRUE;
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
        dcb.XoffLim = 100;
        dcb.XonLim = 100;
        break;
    }
    WriteSettings(dcb);
}

void CSerialPort::Close()
{
    if (IsPortOpen()) {
        PurgeComm(m_hComm.Get(), PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
        m_hComm.Close();
        m_bOverlapped = FALSE;
    }
    m_hEvent.Close();
}

DWORD CSerialPort::Read(void* buffer, DWORD count)
{
    DWORD read = 0;
    if (!ReadFile(m_hComm.Get(), buffer, count, &read, nullptr))
        ThrowSerialException();
    return read;
}

DWORD CSerialPort::Write(const void* buffer, DWORD count)
{
    DWORD written = 0;
    if (!WriteFile(m_hComm.Get(), buffer, count, &written, nullptr))
        ThrowSerialException();
    return written;
}

void CSerialPort::ReadSettings(DCB& dcb)
{
    if (!GetCommState(m_hComm.Get(), &dcb))
        ThrowSerialException();
}

void CSerialPort::WriteSettings(DCB& dcb)
{
    if (!SetCommState(m_hComm.Get(), &dcb))
        ThrowSerialException();
}

void CSerialPort::ApplyTimeouts(COMMTIMEOUTS& timeouts)
{
    if (!SetCommTimeouts(m_hComm.Get(), &timeouts))
        ThrowSerialException();
}

void CSerialPort::Purge(DWORD flags)
{
    if (!PurgeComm(m_hComm.Get(), flags))
        ThrowSerialException();
}
