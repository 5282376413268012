// CSerialComm: connecting, the four send and receive procedures, block transfers and the
// matrix hand-off. The frame-building operations of the catalogue are in Catalogue.cpp.
#include "comm/SerialComm.h"

#include "comm/CommLog.h"
#include "comm/CommState.h"
#include "comm/ModulePath.h"

#include <cstring>

using namespace SerialApi;

namespace {

// Pauses come from the profile; a negative one would make Sleep wait for weeks.
void PauseFor(int ms)
{
    if (ms > 0)
        Sleep(static_cast<DWORD>(ms));
}

}  // namespace

CSerialComm::~CSerialComm()
{
    m_channel.Close();
}

int CSerialComm::Release()
{
    m_channel.Close();
    if (g_commState.comm == this)
        g_commState.comm = nullptr;
    delete this;
    int unloaded = 0;
    if (g_commState.matrixModule) {
        unloaded = FreeLibrary(g_commState.matrixModule) ? 1 : 0;
        g_commState.matrixModule = nullptr;
        g_commState.dealMatrixSwitch = nullptr;
    }
    return unloaded;
}

int CSerialComm::Reconnect(const char* profileDirectory)
{
    const std::string directory = profileDirectory ? profileDirectory : "";
    m_profileDirectory = directory;
    m_channel.Close();
    return Connect(directory.c_str());
}

int CSerialComm::Connect(const char* profileDirectory)
{
    m_profileDirectory = profileDirectory ? profileDirectory : "";
    const std::string ini = JoinPath(m_profileDirectory, "com.ini");
    const int port = static_cast<int>(GetPrivateProfileIntA("comm", "commport", 999, ini.c_str()));
    int timeout = static_cast<int>(GetPrivateProfileIntA("comm", "timeout", 10, ini.c_str()));
    if (timeout < 10)
        timeout = 10;
    if (timeout > 60)
        timeout = 60;
    const DWORD baudRate = GetPrivateProfileIntA("comm", "baudrate", 0, ini.c_str());
    g_commLogSwitch = static_cast<int>(GetPrivateProfileIntA("comm", "log", 0, ini.c_str()));

    m_channel.SetPort(port);
    m_channel.SetTimeout(timeout);
    m_channel.SetBaudRate(baudRate);
    if (m_channel.IsPortOpen())
        return COMM_OK;  // the new settings apply at the next opening
    return m_channel.Open() ? COMM_OK : COMM_OPEN_FAILED;
}

int CSerialComm::Disconnect()
{
    m_channel.Close();
    return COMM_OK;
}

int CSerialComm::PurgeInput()
{
    // Deliberately outside any catch: the caller learns of a failure (also a closed port)
    // through CSerialException.
    m_channel.SerialPort().Purge(PURGE_RXCLEAR);
    return 1;
}

int CSerialComm::SendFrame(const unsigned char* frame)
{
    if (!m_channel.IsPortOpen())
        return COMM_NOT_CONNECTED;
    CCommLog::RecordFrame(frame);
    if (m_channel.WriteAll(frame, FRAME_SIZE) != FRAME_SIZE)
        return COMM_FAILED;
    // The processor takes a frame at a time; 50 ms lets it finish one before the next arrives.
    Sleep(50);
    return COMM_OK;
}

int CSerialComm::SendMatrixFrame(const unsigned char* frame, int pauseMs)
{
    if (!m_channel.IsPortOpen())
        return COMM_NOT_CONNECTED;
    CCommLog::RecordFrame(frame);
    if (m_channel.WriteAll(frame, FRAME_SIZE) != FRAME_SIZE)
        return COMM_FAILED;
    PauseFor(pauseMs);
    return COMM_OK;
}

int CSerialComm::WriteRaw(const unsigned char* bytes, int length, int pauseMs)
{
    if (!m_channel.IsPortOpen())
        return COMM_NOT_CONNECTED;
    if (m_channel.WriteAll(bytes, length) != (length > 0 ? length : 0))
        return COMM_FAILED;
    PauseFor(pauseMs);
    return COMM_OK;
}

int CSerialComm::ReadReply()
{
    if (!m_channel.IsPortOpen())
        return COMM_NOT_CONNECTED;
    if (m_channel.ReadAll(m_frame, FRAME_SIZE) != FRAME_SIZE)
        return COMM_FAILED;
    CCommLog::RecordFrame(m_frame);
    return COMM_OK;
}

int CSerialComm::Transfer(int kind, unsigned char* data, int)
{
    if (!m_channel.IsPortOpen())
        return COMM_NOT_CONNECTED;
    if (!data)
        return COMM_FAILED;
    if (kind >= 4 && kind <= 8) {
        m_builder.Device(m_frame, 0x07);
        m_builder.Put(m_frame, 4, kind);
        m_builder.Seal(m_frame);
        SendFrame(m_frame);
        const int length = kind == 8 ? 36 : 12;
        unsigned char reply[36];
        if (m_channel.ReadAll(reply, length) != length)
            return COMM_FAILED;
        std::memcpy(data, reply, static_cast<std::size_t>(length));
        return COMM_OK;
    }
    int block;
    switch (kind) {
    case 10: block = 0; break;
    case 11: block = 1; break;
    case 12: block = 2; break;
    case 13: block = 4; break;
    default: return COMM_FAILED;  // no such transfer: nothing goes on the line
    }
    return SendBlock(block, kind == 13 ? 3 : 1, data);
}

int CSerialComm::SendBracket(int block, int open)
{
    // The brackets carry no checksum: byte 11 stays the fill the device expects there.
    m_builder.Device(m_frame, 0x09);
    m_builder.Put(m_frame, 4, block);
    m_builder.Put(m_frame, 5, open);
    m_frame[11] = FRAME_FILL;
    return SendFrame(m_frame);
}

int CSerialComm::SendBlock(int block, int parts, const unsigned char* data)
{
    // Without its opening bracket the device is not in block mode and would take the data
    // frames for board commands: nothing more goes out.
    if (SendBracket(block, 1) != COMM_OK)
        return COMM_FAILED;
    bool failed = false;
    for (int part = 0; part < parts && !failed; ++part) {
        if (parts == 1) {
            m_builder.Board(m_frame, 0, data[0]);
        } else {
            const unsigned char* d = data + part * 4;
            m_builder.Board(m_frame, 0, 0x11 + part);
            m_builder.Put(m_frame, 5, d[0]);
            m_builder.Put(m_frame, 6, d[1]);
            m_builder.Put(m_frame, 7, d[2]);
            m_builder.Put(m_frame, 8, d[3]);
            m_builder.Put(m_frame, 9, 0);
        }
        m_builder.Seal(m_frame);
        failed = SendFrame(m_frame) != COMM_OK;
    }
    // The closing bracket is tried even after a failed data frame, so a device that got the
    // opening does not stay in block mode.
    if (SendBracket(block, 0) != COMM_OK)
        failed = true;
    return failed ? COMM_FAILED : COMM_OK;
}

int CSerialComm::MatrixSwitchAlt(int a1, int a2, int a3, int a4, int a5)
{
    return SwitchMatrix(1, a1, a2, a3, a4, a5);
}

int CSerialComm::MatrixSwitch(int a1, int a2, int a3, int a4, int a5)
{
    return SwitchMatrix(0, a1, a2, a3, a4, a5);
}

int CSerialComm::SwitchMatrix(std::int32_t mode, int a1, int a2, int a3, int a4, int a5)
{
    if (!g_commState.dealMatrixSwitch)
        return COMM_FAILED;  // no matrix library, nothing to send
    MatrixRecord records[MATRIX_RECORD_COUNT];
    std::memset(records, 0, sizeof(records));
    std::uint32_t count = 0;
    g_commState.dealMatrixSwitch(&count, reinterpret_cast<unsigned char*>(records), &mode, a1,
                                 a2, a3, a4, a5);
    // A reply beyond five records of 32 bytes would make us read past the buffer: refuse it
    // whole rather than send part of a switch.
    if (count > MATRIX_RECORD_COUNT)
        return COMM_FAILED;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (records[i].length > MATRIX_RECORD_DATA)
            return COMM_FAILED;
    }
    return SendMatrixRecords(records, count, mode);
}

int CSerialComm::SendMatrixRecords(const MatrixRecord* records, std::uint32_t count,
                                   std::int32_t mode)
{
    // Matrix controllers are slow to take a command: wait the full delay before each piece
    // and half of it after.
    const int delay = g_commState.matrixDelayMs;
    for (std::uint32_t i = 0; i < count; ++i) {
        const MatrixRecord& record = records[i];
        if (mode == 0) {
            std::uint32_t offset = 0;
            do {
                m_builder.Matrix(m_frame, record.data + offset);
                m_builder.Seal(m_frame);
                PauseFor(delay);
                const int result = SendMatrixFrame(m_frame, delay / 2);
                if (result != COMM_OK)
                    return result;
                offset += 8;
            } while (offset < record.length);
        } else {
            PauseFor(delay);
            const int result = WriteRaw(record.data, static_cast<int>(record.length), delay / 2);
            if (result != COMM_OK)
                return result;
        }
    }
    return COMM_OK;
}
