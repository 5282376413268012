// The device-link interface of TzComm.dll. The program loads the library, calls its one export
// CreateComm and from then on reaches the processor only through these virtual operations.
//
// The order of the virtual operations is the binary contract between the program and the
// library: never reorder, insert or remove one. Slot 0 is the destructor; the operations follow
// as slots 1..52 in exactly the order written below (overloads are distinct slots).
//
// Every operation returns a result code (CommResult): 0 success, 1 not connected, 2 opening the
// serial port failed, 3 communication failed. Arguments called "byte" are integers of which only
// the low 8 bits go on the line. The object is not thread-safe: one operation at a time.
#pragma once

// Result codes of the device operations.
enum CommResult {
    COMM_OK = 0,
    COMM_NOT_CONNECTED = 1,
    COMM_OPEN_FAILED = 2,
    COMM_FAILED = 3
};

class CComm {
public:
    // Tags for the overloads whose arguments are alike: SetPanelSize(CComm::PanelSizeEvent12,
    // board, ...) is slot 39, BoardEvent19(CComm::BoardEvent19Drop, board, ...) slot 50.
    enum PanelSizeEvent12Tag { PanelSizeEvent12 };
    enum PanelSizeEvent13Tag { PanelSizeEvent13 };
    enum BoardEvent19DropTag { BoardEvent19Drop };

    virtual ~CComm() {}

    // 1: closes the port, destroys the object and unloads TzCommFun; nonzero if that unload
    // succeeded. The pointer is invalid afterwards.
    virtual int Release() = 0;
    // 2: stores the directory, closes the port and connects again with re-read settings.
    virtual int Reconnect(const char* profileDirectory) = 0;
    // 3: reads "com.ini" in the directory and opens the port unless it is open; 0 or 2.
    virtual int Connect(const char* profileDirectory) = 0;
    // 4: closes the port; 0.
    virtual int Disconnect() = 0;
    // 5: discards what waits in the receive buffer; nonzero on success. Raises CSerialException
    // (by pointer, the caller deletes it) on failure, also when the port is closed.
    virtual int PurgeInput() = 0;
    // 6: kinds 4..7 read 12 reply bytes into data, kind 8 reads 36; kinds 10..13 write the
    // bracketed power-up blocks from data (1 byte for 10..12, 12 bytes for 13). The third
    // argument is not used.
    virtual int Transfer(int kind, unsigned char* data, int unused) = 0;
    // 7..9
    virtual int SetPower(int state) = 0;
    virtual int CallPreset(int preset) = 0;
    virtual int RecordPreset(int preset, int begin) = 0;
    // 10..13: the read operations. Dates and times come back as plain numbers decoded from the
    // device's BCD (second, minute, hour, day, month, year - 2000); the flag (1 = enabled) and
    // the status byte as they arrive. Outputs are untouched on failure.
    virtual int ReadClock(unsigned char* flag, unsigned char* second, unsigned char* minute,
                          unsigned char* hour, unsigned char* day, unsigned char* month,
                          unsigned char* year) = 0;
    virtual int ReadPowerOffTimer(unsigned char* flag, unsigned char* minute, unsigned char* hour,
                                  unsigned char* day, unsigned char* month,
                                  unsigned char* year) = 0;
    virtual int ReadPowerOnTimer(unsigned char* flag, unsigned char* minute, unsigned char* hour,
                                 unsigned char* day, unsigned char* month,
                                 unsigned char* year) = 0;
    virtual int ReadStatusByte(unsigned char* status) = 0;
    // 14..16: dates and times are given as plain numbers (year - 2000) and sent as BCD; a value
    // outside 0..99 goes as 0.
    virtual int SetClock(int flag, int second, int minute, int hour, int day, int month,
                         int year) = 0;
    virtual int SetPowerOffTimer(int flag, int minute, int hour, int day, int month, int year) = 0;
    virtual int SetPowerOnTimer(int flag, int minute, int hour, int day, int month, int year) = 0;
    // 17..22
    virtual int EnterUpgradeMode() = 0;
    virtual int SetMenu(int board, int on) = 0;
    virtual int SetStartupImage(int code) = 0;
    virtual int NewScene(int board) = 0;
    virtual int AutoPosition(int board) = 0;
    virtual int SetResolution(int board, int value) = 0;
    // 23..29
    virtual int SetBrightness(int board, int a2, int a3) = 0;
    virtual int SetContrast(int board, int a2, int a3) = 0;
    virtual int SetSaturation(int board, int a2, int a3) = 0;
    virtual int ResetPicture(int board, int a2) = 0;
    virtual int BoardEvent07(int board) = 0;
    virtual int SelectInput(int board, int source) = 0;
    virtual int SelectPipInput(int board, int source) = 0;
    // 30..37
    virtual int SetLayout(int board, int a2, int a3, int a4) = 0;
    virtual int BoardEvent0B(int board, int a2, int a3) = 0;
    virtual int BoardEvent0C(int board, int a2, int a3) = 0;
    virtual int SetColorBalance(int board, int a2, int a3, int a4) = 0;
    virtual int SetPip(int board, int a2, int a3, int a4, int a5, int a6) = 0;
    virtual int BoardEvent16(int board, int a2, int a3, int a4, int a5, int a6) = 0;
    virtual int BoardEvent16(int board, int a2, int a3, int a4, int a5, int a6, int a7) = 0;
    virtual int FactorySettings(int board, int a2) = 0;
    // 38..40: the three panel-size frames, events 0x11, 0x12 and 0x13 in this order. The two
    // later ones take the same arguments as the first, so a tag tells them apart in C++.
    virtual int SetPanelSize(int board, int a2, int a3, int a4, int a5, int a6) = 0;
    virtual int SetPanelSize(PanelSizeEvent12Tag, int board, int a2, int a3, int a4, int a5,
                             int a6) = 0;
    virtual int SetPanelSize(PanelSizeEvent13Tag, int board, int a2, int a3, int a4, int a5,
                             int a6) = 0;
    // 41
    virtual int SetEdgeMask(int board, int a2, int a3, int a4, int a5, int a6) = 0;
    // 42, 43: the five arguments go unchanged to TzCommFun's DealMaxtrixSwitch (maker code,
    // matrix kind, device address, output, input); Alt asks for mode 1, the plain one mode 0.
    virtual int MatrixSwitchAlt(int a1, int a2, int a3, int a4, int a5) = 0;
    virtual int MatrixSwitch(int a1, int a2, int a3, int a4, int a5) = 0;
    // 44..52
    virtual int BoardEvent16(int board, int a2, int a3, int a4) = 0;
    virtual int BoardEvent17(int board, int a2, int a3, int a4) = 0;
    virtual int SetBoardMode(int board, int a2, int a3) = 0;
    virtual int BoardEvent15(int board, int a2, int a3) = 0;
    virtual int BoardEvent19(int board, int a2, int a3) = 0;
    virtual int BoardEvent19(int board, int a2, int a3, int a4, int a5, int a6, int a7) = 0;
    // 50: a3..a5 are accepted and dropped; the tag tells it apart from slot 49.
    virtual int BoardEvent19(BoardEvent19DropTag, int board, int a2, int a3, int a4, int a5,
                             int a6, int a7) = 0;
    virtual int BoardEvent18(int board, int a2, int a3, int a4, int a5, int a6, int a7) = 0;
    virtual int BoardEvent1C(int board, int a2) = 0;

protected:
    CComm() {}

private:
    CComm(const CComm&);
    CComm& operator=(const CComm&);
};

// The export of TzComm.dll, looked up by this plain name.
#define TZCOMM_CREATE_COMM_EXPORT "CreateComm"
typedef CComm* (*CreateCommProc)();
