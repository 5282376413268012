// A device link that records every operation called on it, as "Name(a1,a2,...)", and answers
// with the results a test scripts. Stands in for TzComm.dll in the command-layer tests.
#pragma once

#include "comm/Comm.h"

#include <functional>
#include <string>
#include <vector>

class RecordingComm : public CComm {
public:
    // Result of the next calls: respond(name, call index) -> result code. Default 0.
    std::function<int(const std::string& call, int index)> respond;
    // Raise the serial port's exception from PurgeInput.
    bool throwOnPurge = false;
    // Values the read operations return (flag, then the date and time as plain numbers).
    unsigned char clock[7] = {1, 33, 6, 3, 7, 1, 12};
    unsigned char powerOff[6] = {1, 30, 8, 15, 6, 12};
    unsigned char powerOn[6] = {0, 0, 0, 0, 0, 0};
    // Called with each recorded call before it answers (tests that look around mid-command).
    std::function<void(const std::string& call)> onCall;
    int released = 0;

    std::vector<std::string> calls;
    std::vector<unsigned char> lastTransfer;

    // The calls since index `from`, joined by spaces.
    std::string Joined(std::size_t from = 0) const;
    void Clear() { calls.clear(); }

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

private:
    int Record(const char* name, std::initializer_list<int> args);
};
