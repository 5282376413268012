// The device operations: each builds its frame in the one frame buffer and sends it; the read
// operations then take their values from the reply in the same buffer.
#include "comm/SerialComm.h"

namespace {

void Store(unsigned char* out, unsigned char value)
{
    if (out)
        *out = value;
}

void StoreBcd(unsigned char* out, unsigned char bcd)
{
    if (out)
        *out = static_cast<unsigned char>(FromBcd(bcd));
}

}  // namespace

int CSerialComm::SendDevice(int event, std::initializer_list<int> params)
{
    m_builder.Device(m_frame, event);
    int offset = 4;
    for (int value : params)
        m_builder.Put(m_frame, offset++, value);
    m_builder.Seal(m_frame);
    return SendFrame(m_frame);
}

int CSerialComm::SendBoard(int board, int event, std::initializer_list<int> params)
{
    m_builder.Board(m_frame, board, event);
    int offset = 5;
    for (int value : params)
        m_builder.Put(m_frame, offset++, value);
    m_builder.Seal(m_frame);
    return SendFrame(m_frame);
}

int CSerialComm::Query(int query)
{
    const int result = SendDevice(0x07, {query});
    return result != COMM_OK ? result : ReadReply();
}

// Device frames.

int CSerialComm::SetPower(int state) { return SendDevice(0x00, {state}); }
int CSerialComm::CallPreset(int preset) { return SendDevice(0x01, {preset}); }
int CSerialComm::RecordPreset(int preset, int begin) { return SendDevice(0x02, {preset, begin}); }
int CSerialComm::EnterUpgradeMode() { return SendDevice(0x03, {0x11, 0x22}); }

int CSerialComm::SetClock(int flag, int second, int minute, int hour, int day, int month,
                          int year)
{
    return SendDevice(0x04, {flag, ToBcd(second), ToBcd(minute), ToBcd(hour), ToBcd(day),
                             ToBcd(month), ToBcd(year)});
}

int CSerialComm::SetPowerOffTimer(int flag, int minute, int hour, int day, int month, int year)
{
    return SendDevice(0x05, {flag, FRAME_FILL, ToBcd(minute), ToBcd(hour), ToBcd(day),
                             ToBcd(month), ToBcd(year)});
}

int CSerialComm::SetPowerOnTimer(int flag, int minute, int hour, int day, int month, int year)
{
    return SendDevice(0x06, {flag, FRAME_FILL, ToBcd(minute), ToBcd(hour), ToBcd(day),
                             ToBcd(month), ToBcd(year)});
}

int CSerialComm::ReadClock(unsigned char* flag, unsigned char* second, unsigned char* minute,
                           unsigned char* hour, unsigned char* day, unsigned char* month,
                           unsigned char* year)
{
    const int result = Query(0);
    if (result != COMM_OK)
        return result;
    Store(flag, m_frame[4]);
    StoreBcd(second, m_frame[5]);
    StoreBcd(minute, m_frame[6]);
    StoreBcd(hour, m_frame[7]);
    StoreBcd(day, m_frame[8]);
    StoreBcd(month, m_frame[9]);
    StoreBcd(year, m_frame[10]);
    return COMM_OK;
}

int CSerialComm::ReadTimer(int query, unsigned char* flag, unsigned char* minute,
                           unsigned char* hour, unsigned char* day, unsigned char* month,
                           unsigned char* year)
{
    const int result = Query(query);
    if (result != COMM_OK)
        return result;
    Store(flag, m_frame[4]);
    StoreBcd(minute, m_frame[6]);
    StoreBcd(hour, m_frame[7]);
    StoreBcd(day, m_frame[8]);
    StoreBcd(month, m_frame[9]);
    StoreBcd(year, m_frame[10]);
    return COMM_OK;
}

int CSerialComm::ReadPowerOffTimer(unsigned char* flag, unsigned char* minute, unsigned char* hour,
                                   unsigned char* day, unsigned char* month, unsigned char* year)
{
    return ReadTimer(1, flag, minute, hour, day, month, year);
}

int CSerialComm::ReadPowerOnTimer(unsigned char* flag, unsigned char* minute, unsigned char* hour,
                                  unsigned char* day, unsigned char* month, unsigned char* year)
{
    return ReadTimer(2, flag, minute, hour, day, month, year);
}

int CSerialComm::ReadStatusByte(unsigned char* status)
{
    const int result = Query(3);
    if (result != COMM_OK)
        return result;
    Store(status, m_frame[4]);
    return COMM_OK;
}

// Board frames.

int CSerialComm::NewScene(int board) { return SendBoard(board, 0x00, {}); }
int CSerialComm::AutoPosition(int board) { return SendBoard(board, 0x01, {}); }
int CSerialComm::SetResolution(int board, int value) { return SendBoard(board, 0x02, {value}); }
int CSerialComm::SetBrightness(int board, int a2, int a3) { return SendBoard(board, 0x03, {a2, a3}); }
int CSerialComm::SetContrast(int board, int a2, int a3) { return SendBoard(board, 0x04, {a2, a3}); }
int CSerialComm::SetSaturation(int board, int a2, int a3) { return SendBoard(board, 0x05, {a2, a3}); }
int CSerialComm::ResetPicture(int board, int a2) { return SendBoard(board, 0x06, {a2}); }
int CSerialComm::BoardEvent07(int board) { return SendBoard(board, 0x07, {}); }
int CSerialComm::SelectInput(int board, int source) { return SendBoard(board, 0x08, {source}); }
int CSerialComm::SelectPipInput(int board, int source) { return SendBoard(board, 0x09, {source}); }

int CSerialComm::SetLayout(int board, int a2, int a3, int a4)
{
    return SendBoard(board, 0x0A, {a2, a3, a4});
}

int CSerialComm::BoardEvent0B(int board, int a2, int a3) { return SendBoard(board, 0x0B, {a2, a3}); }
int CSerialComm::BoardEvent0C(int board, int a2, int a3) { return SendBoard(board, 0x0C, {a2, a3}); }

int CSerialComm::SetColorBalance(int board, int a2, int a3, int a4)
{
    return SendBoard(board, 0x0D, {a2, a3, a4});
}

int CSerialComm::SetPip(int board, int a2, int a3, int a4, int a5, int a6)
{
    return SendBoard(board, 0x0E, {a2, a3, a4, a5, a6});
}

int CSerialComm::SetBoardMode(int board, int a2, int a3) { return SendBoard(board, 0x0F, {a2, a3}); }
int CSerialComm::SetMenu(int board, int on) { return SendBoard(board, 0x0F, {0x02, on}); }

// The start-up image is a setting of the whole processor: always board 0.
int CSerialComm::SetStartupImage(int code) { return SendBoard(0, 0x0F, {code}); }

int CSerialComm::FactorySettings(int board, int a2) { return SendBoard(board, 0x10, {a2}); }

int CSerialComm::SetPanelSize(int board, int a2, int a3, int a4, int a5, int a6)
{
    return SendBoard(board, 0x11, {a2, a3, a4, a5, a6});
}

int CSerialComm::SetPanelSize(PanelSizeEvent12Tag, int board, int a2, int a3, int a4, int a5,
                              int a6)
{
    return SendBoard(board, 0x12, {a2, a3, a4, a5, a6});
}

int CSerialComm::SetPanelSize(PanelSizeEvent13Tag, int board, int a2, int a3, int a4, int a5,
                              int a6)
{
    return SendBoard(board, 0x13, {a2, a3, a4, a5, a6});
}

int CSerialComm::BoardEvent15(int board, int a2, int a3) { return SendBoard(board, 0x15, {a2, a3}); }

int CSerialComm::BoardEvent16(int board, int a2, int a3, int a4, int a5, int a6)
{
    return SendBoard(board, 0x16, {a2, a3, a4, a5, a6});
}

int CSerialComm::BoardEvent16(int board, int a2, int a3, int a4, int a5, int a6, int a7)
{
    return SendBoard(board, 0x16, {a2, a3, a4, a5, a6, a7});
}

int CSerialComm::BoardEvent16(int board, int a2, int a3, int a4)
{
    return SendBoard(board, 0x16, {a2, a3, a4});
}

int CSerialComm::BoardEvent17(int board, int a2, int a3, int a4)
{
    return SendBoard(board, 0x17, {a2, a3, a4});
}

int CSerialComm::BoardEvent18(int board, int a2, int a3, int a4, int a5, int a6, int a7)
{
    return SendBoard(board, 0x18, {a2, a3, a4, a5, a6, a7});
}

int CSerialComm::BoardEvent19(int board, int a2, int a3) { return SendBoard(board, 0x19, {a2, a3}); }

int CSerialComm::BoardEvent19(int board, int a2, int a3, int a4, int a5, int a6, int a7)
{
    return SendBoard(board, 0x19, {a2, a3, a4, a5, a6, a7});
}

int CSerialComm::BoardEvent19(BoardEvent19DropTag, int board, int a2, int, int, int, int a6,
                              int a7)
{
    return SendBoard(board, 0x19, {a2, FRAME_FILL, FRAME_FILL, FRAME_FILL, a6, a7});
}

int CSerialComm::BoardEvent1C(int board, int a2) { return SendBoard(board, 0x1C, {a2}); }

int CSerialComm::SetEdgeMask(int board, int a2, int a3, int a4, int a5, int a6)
{
    return SendBoard(board, 0xFF, {a2, a3, a4, a5, a6});
}
