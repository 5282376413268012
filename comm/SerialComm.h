// CSerialComm: the one implementation of CComm. It owns the one 12-byte frame buffer in which
// every operation builds its frame and the status queries receive their reply, the port channel,
// and the directory in which the last Connect looked for "com.ini".
#pragma once

#include "comm/Comm.h"
#include "comm/CommandFrame.h"
#include "comm/MatrixLibrary.h"
#include "comm/PortChannel.h"

#include <string>

class CSerialComm : public CComm {
public:
    CSerialComm() = default;
    ~CSerialComm() override;

    int Release() override;
    int Reconnect(const char* profileDirectory) override;
    int Connect(const char* profileDirectory) override;
    int Disconnect() override;
    int PurgeInput() override;
    int Transfer(int kind, unsigned char* data, int unused) override;
    int SetPower(int state) override;
    int CallPreset(int preset) override;
    int RecordPreset(int preset, int begin) override;
    int ReadClock(unsigned char* flag, unsigned char* second, unsigned char* minute,
                  unsigned char* hour, unsigned char* day, unsigned char* month,
                  unsigned char* year) override;
    int ReadPowerOffTimer(unsigned char* flag, unsigned char* minute, unsigned char* hour,
                          unsigned char* day, unsigned char* month, unsigned char* year) override;
    int ReadPowerOnTimer(unsigned char* flag, unsigned char* minute, unsigned char* hour,
                         unsigned char* day, unsigned char* month, unsigned char* year) override;
    int ReadStatusByte(unsigned char* status) override;
    int SetClock(int flag, int second, int minute, int hour, int day, int month,
                 int year) override;
    int SetPowerOffTimer(int flag, int minute, int hour, int day, int month, int year) override;
    int SetPowerOnTimer(int flag, int minute, int hour, int day, int month, int year) override;
    int EnterUpgradeMode() override;
    int SetMenu(int board, int on) override;
    int SetStartupImage(int code) override;
    int NewScene(int board) override;
    int AutoPosition(int board) override;
    int SetResolution(int board, int value) override;
    int SetBrightness(int board, int a2, int a3) override;
    int SetContrast(int board, int a2, int a3) override;
    int SetSaturation(int board, int a2, int a3) override;
    int ResetPicture(int board, int a2) override;
    int BoardEvent07(int board) override;
    int SelectInput(int board, int source) override;
    int SelectPipInput(int board, int source) override;
    int SetLayout(int board, int a2, int a3, int a4) override;
    int BoardEvent0B(int board, int a2, int a3) override;
    int BoardEvent0C(int board, int a2, int a3) override;
    int SetColorBalance(int board, int a2, int a3, int a4) override;
    int SetPip(int board, int a2, int a3, int a4, int a5, int a6) override;
    int BoardEvent16(int board, int a2, int a3, int a4, int a5, int a6) override;
    int BoardEvent16(int board, int a2, int a3, int a4, int a5, int a6, int a7) override;
    int FactorySettings(int board, int a2) override;
    int SetPanelSize(int board, int a2, int a3, int a4, int a5, int a6) override;
    int SetPanelSize(PanelSizeEvent12Tag, int board, int a2, int a3, int a4, int a5,
                     int a6) override;
    int SetPanelSize(PanelSizeEvent13Tag, int board, int a2, int a3, int a4, int a5,
                     int a6) override;
    int SetEdgeMask(int board, int a2, int a3, int a4, int a5, int a6) override;
    int MatrixSwitchAlt(int a1, int a2, int a3, int a4, int a5) override;
    int MatrixSwitch(int a1, int a2, int a3, int a4, int a5) override;
    int BoardEvent16(int board, int a2, int a3, int a4) override;
    int BoardEvent17(int board, int a2, int a3, int a4) override;
    int SetBoardMode(int board, int a2, int a3) override;
    int BoardEvent15(int board, int a2, int a3) override;
    int BoardEvent19(int board, int a2, int a3) override;
    int BoardEvent19(int board, int a2, int a3, int a4, int a5, int a6, int a7) override;
    int BoardEvent19(BoardEvent19DropTag, int board, int a2, int a3, int a4, int a5, int a6,
                     int a7) override;
    int BoardEvent18(int board, int a2, int a3, int a4, int a5, int a6, int a7) override;
    int BoardEvent1C(int board, int a2) override;

    // The four procedures every operation ends in. They are virtual (after the interface's
    // slots, which they leave as they are) so that a link can be built whose line is something
    // else: a recording of the frames (tools), or a line that fails on cue (tests).
    // Ordinary frame: log, write 12 bytes, sleep 50 ms.
    virtual int SendFrame(const unsigned char* frame);
    // Matrix chunk: log, write 12 bytes, sleep the pause when not 0.
    virtual int SendMatrixFrame(const unsigned char* frame, int pauseMs);
    // Raw matrix block: write the bytes unlogged, sleep the pause when not 0.
    virtual int WriteRaw(const unsigned char* bytes, int length, int pauseMs);
    // Status reply: read exactly 12 bytes into the frame buffer, then log them.
    virtual int ReadReply();

    const unsigned char* Frame() const { return m_frame; }
    CPortChannel& Channel() { return m_channel; }
    const std::string& ProfileDirectory() const { return m_profileDirectory; }

private:
    // A device frame with parameters p1.. from byte 4 on, sealed and sent.
    int SendDevice(int event, std::initializer_list<int> params);
    // A board frame with parameters p1.. from byte 5 on, sealed and sent.
    int SendBoard(int board, int event, std::initializer_list<int> params);
    // Request 00 07 query, then the 12-byte reply into the frame buffer.
    int Query(int query);
    // A timer query (1 power-off, 2 power-on): flag from reply byte 4, then minute, hour, day,
    // month and year from bytes 6..10 (a timer has no seconds: byte 5 is skipped).
    int ReadTimer(int query, unsigned char* flag, unsigned char* minute, unsigned char* hour,
                  unsigned char* day, unsigned char* month, unsigned char* year);
    // One block-transfer bracket (device event 09): open 1 or close 0, without a checksum.
    int SendBracket(int block, int open);
    // A bracketed block write: opening, the data frames (one, or three of four bytes), closing.
    // COMM_FAILED when any of its writes failed.
    int SendBlock(int block, int parts, const unsigned char* data);
    // The matrix hand-off with the mode asked for.
    int SwitchMatrix(std::int32_t mode, int a1, int a2, int a3, int a4, int a5);
    int SendMatrixRecords(const MatrixRecord* records, std::uint32_t count, std::int32_t mode);

    CFrameBuilder m_builder;
    FrameBytes m_frame = {};
    CPortChannel m_channel;
    std::string m_profileDirectory;
};
