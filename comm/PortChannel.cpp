#include "comm/PortChannel.h"

using namespace SerialApi;

CPortChannel::~CPortChannel()
{
    Close();
}

int CPortChannel::Open()
{
    Close();
    try {
        m_port.Open(m_nPort, m_dwBaudRate, CSerialPort::NoParity, 8, CSerialPort::OneStopBit,
                    CSerialPort::NoFlowControl, FALSE);
        // A read returns at once with what is waiting, else waits up to the time-out for the
        // first byte; a write of n bytes may take 10 ms per byte plus the time-out.
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
        timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(m_nTimeout) * 1000;
        timeouts.WriteTotalTimeoutMultiplier = 10;
        timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(m_nTimeout) * 1000;
        m_port.ApplyTimeouts(timeouts);
    } catch (CException* e) {
        e->Delete();
        // Connect reports the failure; a port left open here would carry later commands with
        // line settings or time-outs nobody asked for.
        m_port.Close();
        return 0;
    }
    return 1;
}

void CPortChannel::Close()
{
    m_port.Close();
}

BOOL CPortChannel::IsPortOpen() const
{
    return m_port.IsPortOpen();
}

int CPortChannel::WriteAll(const unsigned char* bytes, int n)
{
    return TransferAll(n, [&](int offset, int remaining) -> long {
        return static_cast<long>(m_port.Write(bytes + offset, static_cast<DWORD>(remaining)));
    });
}

int CPortChannel::ReadAll(unsigned char* buffer, int n)
{
    return TransferAll(n, [&](int offset, int remaining) -> long {
        return static_cast<long>(m_port.Read(buffer + offset, static_cast<DWORD>(remaining)));
    });
}
