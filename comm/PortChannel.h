// The device link's channel over one serial port: opens it with the profile's settings (no
// parity, 8 data bits, 1 stop bit, no flow control) and moves whole blocks, turning every
// raised CSerialException into a failure value.
#pragma once

#include "comm/SerialPort.h"

// Repeats transfer(offset, remaining) until n bytes moved. Returns n, or -1 as soon as one call
// moves nothing, reports an error or raises. n <= 0 returns 0 at once.
template <class Transfer>
int TransferAll(int n, Transfer transfer)
{
    if (n <= 0)
        return 0;
    int done = 0;
    while (done < n) {
        long moved;
        try {
            moved = transfer(done, n - done);
        } catch (CException* e) {
            e->Delete();
            moved = -1;
        }
        if (moved <= 0)
            return -1;
        done += static_cast<int>(moved);
    }
    return done;
}

class CPortChannel {
public:
    CPortChannel() = default;
    virtual ~CPortChannel();
    CPortChannel(const CPortChannel&) = delete;
    CPortChannel& operator=(const CPortChannel&) = delete;

    // 1 when the port is open with the settings and time-outs, else 0 with the port closed.
    virtual int Open();
    virtual void Close();
    virtual BOOL IsPortOpen() const;
    // n, or -1 on failure or time-out.
    virtual int WriteAll(const unsigned char* bytes, int n);
    virtual int ReadAll(unsigned char* buffer, int n);

    void SetPort(int port) { m_nPort = port; }
    void SetTimeout(int seconds) { m_nTimeout = seconds; }
    void SetBaudRate(DWORD baudRate) { m_dwBaudRate = baudRate; }

    int Port() const { return m_nPort; }
    int Timeout() const { return m_nTimeout; }
    DWORD BaudRate() const { return m_dwBaudRate; }
    CSerialPort& SerialPort() { return m_port; }

private:
    int m_nPort = 0;
    int m_nTimeout = 10;
    DWORD m_dwBaudRate = 0;
    CSerialPort m_port;
};
