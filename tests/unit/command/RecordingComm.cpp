#include "tests/unit/command/RecordingComm.h"

#include "fx/core/Exception.h"

std::string RecordingComm::Joined(std::size_t from) const
{
    std::string text;
    for (std::size_t i = from; i < calls.size(); ++i) {
        if (!text.empty())
            text += ' ';
        text += calls[i];
    }
    return text;
}

int RecordingComm::Record(const char* name, std::initializer_list<int> args)
{
    std::string call = name;
    call += '(';
    bool first = true;
    for (int a : args) {
        if (!first)
            call += ',';
        call += std::to_string(a);
        first = false;
    }
    call += ')';
    calls.push_back(call);
    if (onCall)
        onCall(call);
    return respond ? respond(call, static_cast<int>(calls.size()) - 1) : 0;
}

int RecordingComm::Release() { ++released; return 1; }
int RecordingComm::Reconnect(const char*) { return Record("Reconnect", {}); }
int RecordingComm::Connect(const char*) { return Record("Connect", {}); }
int RecordingComm::Disconnect() { return Record("Disconnect", {}); }

int RecordingComm::PurgeInput()
{
    Record("PurgeInput", {});
    if (throwOnPurge)
        throw new CException();  // as the serial port raises its own, by pointer
    return 1;
}

int RecordingComm::Transfer(int kind, unsigned char* data, int unused)
{
    lastTransfer.assign(data, data + (kind == 13 ? 12 : 1));
    return Record("Transfer", {kind, unused});
}

int RecordingComm::SetPower(int state) { return Record("SetPower", {state}); }
int RecordingComm::CallPreset(int preset) { return Record("CallPreset", {preset}); }
int RecordingComm::RecordPreset(int preset, int begin) { return Record("RecordPreset", {preset, begin}); }

int RecordingComm::ReadClock(unsigned char* flag, unsigned char* second, unsigned char* minute,
                             unsigned char* hour, unsigned char* day, unsigned char* month,
                             unsigned char* year)
{
    const int r = Record("ReadClock", {});
    if (r == 0) {
        *flag = clock[0]; *second = clock[1]; *minute = clock[2]; *hour = clock[3];
        *day = clock[4]; *month = clock[5]; *year = clock[6];
    }
    return r;
}

static void CopyTimer(const unsigned char* v, unsigned char* flag, unsigned char* minute,
                      unsigned char* hour, unsigned char* day, unsigned char* month,
                      unsigned char* year)
{
    *flag = v[0]; *minute = v[1]; *hour = v[2]; *day = v[3]; *month = v[4]; *year = v[5];
}

int RecordingComm::ReadPowerOffTimer(unsigned char* flag, unsigned char* minute,
                                     unsigned char* hour, unsigned char* day,
                                     unsigned char* month, unsigned char* year)
{
    const int r = Record("ReadPowerOffTimer", {});
    if (r == 0)
        CopyTimer(powerOff, flag, minute, hour, day, month, year);
    return r;
}

int RecordingComm::ReadPowerOnTimer(unsigned char* flag, unsigned char* minute,
                                    unsigned char* hour, unsigned char* day,
                                    unsigned char* month, unsigned char* year)
{
    const int r = Record("ReadPowerOnTimer", {});
    if (r == 0)
        CopyTimer(powerOn, flag, minute, hour, day, month, year);
    return r;
}

int RecordingComm::ReadStatusByte(unsigned char*) { return Record("ReadStatusByte", {}); }
int RecordingComm::SetClock(int f, int s, int mi, int h, int d, int mo, int y) { return Record("SetClock", {f, s, mi, h, d, mo, y}); }
int RecordingComm::SetPowerOffTimer(int f, int mi, int h, int d, int mo, int y) { return Record("SetPowerOffTimer", {f, mi, h, d, mo, y}); }
int RecordingComm::SetPowerOnTimer(int f, int mi, int h, int d, int mo, int y) { return Record("SetPowerOnTimer", {f, mi, h, d, mo, y}); }
int RecordingComm::EnterUpgradeMode() { return Record("EnterUpgradeMode", {}); }
int RecordingComm::SetMenu(int b, int on) { return Record("SetMenu", {b, on}); }
int RecordingComm::SetStartupImage(int code) { return Record("SetStartupImage", {code}); }
int RecordingComm::NewScene(int b) { return Record("NewScene", {b}); }
int RecordingComm::AutoPosition(int b) { return Record("AutoPosition", {b}); }
int RecordingComm::SetResolution(int b, int v) { return Record("SetResolution", {b, v}); }
int RecordingComm::SetBrightness(int b, int a2, int a3) { return Record("SetBrightness", {b, a2, a3}); }
int RecordingComm::SetContrast(int b, int a2, int a3) { return Record("SetContrast", {b, a2, a3}); }
int RecordingComm::SetSaturation(int b, int a2, int a3) { return Record("SetSaturation", {b, a2, a3}); }
int RecordingComm::ResetPicture(int b, int a2) { return Record("ResetPicture", {b, a2}); }
int RecordingComm::BoardEvent07(int b) { return Record("BoardEvent07", {b}); }
int RecordingComm::SelectInput(int b, int s) { return Record("SelectInput", {b, s}); }
int RecordingComm::SelectPipInput(int b, int s) { return Record("SelectPipInput", {b, s}); }
int RecordingComm::SetLayout(int b, int a2, int a3, int a4) { return Record("SetLayout", {b, a2, a3, a4}); }
int RecordingComm::BoardEvent0B(int b, int a2, int a3) { return Record("BoardEvent0B", {b, a2, a3}); }
int RecordingComm::BoardEvent0C(int b, int a2, int a3) { return Record("BoardEvent0C", {b, a2, a3}); }
int RecordingComm::SetColorBalance(int b, int a2, int a3, int a4) { return Record("SetColorBalance", {b, a2, a3, a4}); }
int RecordingComm::SetPip(int b, int a2, int a3, int a4, int a5, int a6) { return Record("SetPip", {b, a2, a3, a4, a5, a6}); }
int RecordingComm::BoardEvent16(int b, int a2, int a3, int a4, int a5, int a6) { return Record("BoardEvent16", {b, a2, a3, a4, a5, a6}); }
int RecordingComm::BoardEvent16(int b, int a2, int a3, int a4, int a5, int a6, int a7) { return Record("BoardEvent16", {b, a2, a3, a4, a5, a6, a7}); }
int RecordingComm::FactorySettings(int b, int a2) { return Record("FactorySettings", {b, a2}); }
int RecordingComm::SetPanelSize(int b, int a2, int a3, int a4, int a5, int a6) { return Record("SetPanelSize11", {b, a2, a3, a4, a5, a6}); }
int RecordingComm::SetPanelSize(PanelSizeEvent12Tag, int b, int a2, int a3, int a4, int a5, int a6) { return Record("SetPanelSize12", {b, a2, a3, a4, a5, a6}); }
int RecordingComm::SetPanelSize(PanelSizeEvent13Tag, int b, int a2, int a3, int a4, int a5, int a6) { return Record("SetPanelSize13", {b, a2, a3, a4, a5, a6}); }
int RecordingComm::SetEdgeMask(int b, int a2, int a3, int a4, int a5, int a6) { return Record("SetEdgeMask", {b, a2, a3, a4, a5, a6}); }
int RecordingComm::MatrixSwitchAlt(int a1, int a2, int a3, int a4, int a5) { return Record("MatrixSwitchAlt", {a1, a2, a3, a4, a5}); }
int RecordingComm::MatrixSwitch(int a1, int a2, int a3, int a4, int a5) { return Record("MatrixSwitch", {a1, a2, a3, a4, a5}); }
int RecordingComm::BoardEvent16(int b, int a2, int a3, int a4) { return Record("BoardEvent16", {b, a2, a3, a4}); }
int RecordingComm::BoardEvent17(int b, int a2, int a3, int a4) { return Record("BoardEvent17", {b, a2, a3, a4}); }
int RecordingComm::SetBoardMode(int b, int a2, int a3) { return Record("SetBoardMode", {b, a2, a3}); }
int RecordingComm::BoardEvent15(int b, int a2, int a3) { return Record("BoardEvent15", {b, a2, a3}); }
int RecordingComm::BoardEvent19(int b, int a2, int a3) { return Record("BoardEvent19", {b, a2, a3}); }
int RecordingComm::BoardEvent19(int b, int a2, int a3, int a4, int a5, int a6, int a7) { return Record("BoardEvent19", {b, a2, a3, a4, a5, a6, a7}); }
int RecordingComm::BoardEvent19(BoardEvent19DropTag, int b, int a2, int a3, int a4, int a5, int a6, int a7) { return Record("BoardEvent19", {b, a2, a3, a4, a5, a6, a7}); }
int RecordingComm::BoardEvent18(int b, int a2, int a3, int a4, int a5, int a6, int a7) { return Record("BoardEvent18", {b, a2, a3, a4, a5, a6, a7}); }
int RecordingComm::BoardEvent1C(int b, int a2) { return Record("BoardEvent1C", {b, a2}); }
