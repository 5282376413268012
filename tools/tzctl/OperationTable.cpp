#include "tools/tzctl/OperationTable.h"

namespace {

typedef std::vector<int> Args;
typedef OperationOutput Out;

template <int N>
int ReadBytes(int result, const unsigned char (&bytes)[N], Out& out)
{
    if (result == COMM_OK) {
        for (unsigned char b : bytes)
            out.values.push_back(b);
    }
    return result;
}

int DoTransfer(CComm& c, const Args& a, const std::string&, Out& out)
{
    unsigned char data[36] = {};
    for (std::size_t i = 1; i < a.size(); ++i)
        data[i - 1] = static_cast<unsigned char>(a[i]);
    const int result = c.Transfer(a[0], data, 0);
    if (result == COMM_OK && a[0] >= 4 && a[0] <= 8)
        out.bytes.assign(data, data + (a[0] == 8 ? 36 : 12));
    return result;
}

int DoReadClock(CComm& c, const Args&, const std::string&, Out& out)
{
    unsigned char v[7] = {};
    return ReadBytes(c.ReadClock(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]), v, out);
}

int DoReadPowerOffTimer(CComm& c, const Args&, const std::string&, Out& out)
{
    unsigned char v[6] = {};
    return ReadBytes(c.ReadPowerOffTimer(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), v, out);
}

int DoReadPowerOnTimer(CComm& c, const Args&, const std::string&, Out& out)
{
    unsigned char v[6] = {};
    return ReadBytes(c.ReadPowerOnTimer(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), v, out);
}

int DoReadStatusByte(CComm& c, const Args&, const std::string&, Out& out)
{
    unsigned char v[1] = {};
    return ReadBytes(c.ReadStatusByte(&v[0]), v, out);
}

#define OP0(name, slot, call) \
    {name, slot, 0, 0, "", [](CComm& c, const Args&, const std::string&, Out&) { return call; }}
#define OPN(name, slot, n, argNames, call)                                      \
    {name, slot, n, n, argNames,                                                \
     [](CComm& c, const Args& a, const std::string&, Out&) { return call; }}

const std::vector<Operation> kOperations = {
    OP0("Release", 1, c.Release()),
    {"Reconnect", 2, 0, 0, "",
     [](CComm& c, const Args&, const std::string& dir, Out&) { return c.Reconnect(dir.c_str()); }},
    {"Connect", 3, 0, 0, "",
     [](CComm& c, const Args&, const std::string& dir, Out&) { return c.Connect(dir.c_str()); }},
    OP0("Disconnect", 4, c.Disconnect()),
    OP0("PurgeInput", 5, c.PurgeInput()),
    {"Transfer", 6, 1, 37, "KIND [DATA...]", DoTransfer},
    OPN("SetPower", 7, 1, "STATE", c.SetPower(a[0])),
    OPN("CallPreset", 8, 1, "PRESET", c.CallPreset(a[0])),
    OPN("RecordPreset", 9, 2, "PRESET BEGIN", c.RecordPreset(a[0], a[1])),
    {"ReadClock", 10, 0, 0, "", DoReadClock},
    {"ReadPowerOffTimer", 11, 0, 0, "", DoReadPowerOffTimer},
    {"ReadPowerOnTimer", 12, 0, 0, "", DoReadPowerOnTimer},
    {"ReadStatusByte", 13, 0, 0, "", DoReadStatusByte},
    OPN("SetClock", 14, 7, "FLAG SECOND MINUTE HOUR DAY MONTH YEAR",
        c.SetClock(a[0], a[1], a[2], a[3], a[4], a[5], a[6])),
    OPN("SetPowerOffTimer", 15, 6, "FLAG MINUTE HOUR DAY MONTH YEAR",
        c.SetPowerOffTimer(a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("SetPowerOnTimer", 16, 6, "FLAG MINUTE HOUR DAY MONTH YEAR",
        c.SetPowerOnTimer(a[0], a[1], a[2], a[3], a[4], a[5])),
    OP0("EnterUpgradeMode", 17, c.EnterUpgradeMode()),
    OPN("SetMenu", 18, 2, "BOARD ON", c.SetMenu(a[0], a[1])),
    OPN("SetStartupImage", 19, 1, "CODE", c.SetStartupImage(a[0])),
    OPN("NewScene", 20, 1, "BOARD", c.NewScene(a[0])),
    OPN("AutoPosition", 21, 1, "BOARD", c.AutoPosition(a[0])),
    OPN("SetResolution", 22, 2, "BOARD VALUE", c.SetResolution(a[0], a[1])),
    OPN("SetBrightness", 23, 3, "BOARD A2 A3", c.SetBrightness(a[0], a[1], a[2])),
    OPN("SetContrast", 24, 3, "BOARD A2 A3", c.SetContrast(a[0], a[1], a[2])),
    OPN("SetSaturation", 25, 3, "BOARD A2 A3", c.SetSaturation(a[0], a[1], a[2])),
    OPN("ResetPicture", 26, 2, "BOARD A2", c.ResetPicture(a[0], a[1])),
    OPN("BoardEvent07", 27, 1, "BOARD", c.BoardEvent07(a[0])),
    OPN("SelectInput", 28, 2, "BOARD SOURCE", c.SelectInput(a[0], a[1])),
    OPN("SelectPipInput", 29, 2, "BOARD SOURCE", c.SelectPipInput(a[0], a[1])),
    OPN("SetLayout", 30, 4, "BOARD A2 A3 A4", c.SetLayout(a[0], a[1], a[2], a[3])),
    OPN("BoardEvent0B", 31, 3, "BOARD A2 A3", c.BoardEvent0B(a[0], a[1], a[2])),
    OPN("BoardEvent0C", 32, 3, "BOARD A2 A3", c.BoardEvent0C(a[0], a[1], a[2])),
    OPN("SetColorBalance", 33, 4, "BOARD A2 A3 A4", c.SetColorBalance(a[0], a[1], a[2], a[3])),
    OPN("SetPip", 34, 6, "BOARD A2 A3 A4 A5 A6", c.SetPip(a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("BoardEvent16", 35, 6, "BOARD A2 A3 A4 A5 A6",
        c.BoardEvent16(a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("BoardEvent16", 36, 7, "BOARD A2 A3 A4 A5 A6 A7",
        c.BoardEvent16(a[0], a[1], a[2], a[3], a[4], a[5], a[6])),
    OPN("FactorySettings", 37, 2, "BOARD A2", c.FactorySettings(a[0], a[1])),
    OPN("SetPanelSize", 38, 6, "BOARD A2 A3 A4 A5 A6",
        c.SetPanelSize(a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("SetPanelSize", 39, 6, "BOARD A2 A3 A4 A5 A6",
        c.SetPanelSize(CComm::PanelSizeEvent12, a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("SetPanelSize", 40, 6, "BOARD A2 A3 A4 A5 A6",
        c.SetPanelSize(CComm::PanelSizeEvent13, a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("SetEdgeMask", 41, 6, "BOARD A2 A3 A4 A5 A6",
        c.SetEdgeMask(a[0], a[1], a[2], a[3], a[4], a[5])),
    OPN("MatrixSwitchAlt", 42, 5, "MAKER KIND ADDRESS OUTPUT INPUT",
        c.MatrixSwitchAlt(a[0], a[1], a[2], a[3], a[4])),
    OPN("MatrixSwitch", 43, 5, "MAKER KIND ADDRESS OUTPUT INPUT",
        c.MatrixSwitch(a[0], a[1], a[2], a[3], a[4])),
    OPN("BoardEvent16", 44, 4, "BOARD A2 A3 A4", c.BoardEvent16(a[0], a[1], a[2], a[3])),
    OPN("BoardEvent17", 45, 4, "BOARD A2 A3 A4", c.BoardEvent17(a[0], a[1], a[2], a[3])),
    OPN("SetBoardMode", 46, 3, "BOARD A2 A3", c.SetBoardMode(a[0], a[1], a[2])),
    OPN("BoardEvent15", 47, 3, "BOARD A2 A3", c.BoardEvent15(a[0], a[1], a[2])),
    OPN("BoardEvent19", 48, 3, "BOARD A2 A3", c.BoardEvent19(a[0], a[1], a[2])),
    OPN("BoardEvent19", 49, 7, "BOARD A2 A3 A4 A5 A6 A7",
        c.BoardEvent19(a[0], a[1], a[2], a[3], a[4], a[5], a[6])),
    OPN("BoardEvent19", 50, 7, "BOARD A2 A3 A4 A5 A6 A7",
        c.BoardEvent19(CComm::BoardEvent19Drop, a[0], a[1], a[2], a[3], a[4], a[5], a[6])),
    OPN("BoardEvent18", 51, 7, "BOARD A2 A3 A4 A5 A6 A7",
        c.BoardEvent18(a[0], a[1], a[2], a[3], a[4], a[5], a[6])),
    OPN("BoardEvent1C", 52, 2, "BOARD A2", c.BoardEvent1C(a[0], a[1])),
};

}  // namespace

const std::vector<Operation>& Operations()
{
    return kOperations;
}

const Operation* OperationBySlot(int slot)
{
    for (const Operation& op : kOperations) {
        if (op.slot == slot)
            return &op;
    }
    return nullptr;
}

const Operation* OperationByName(const std::string& name, int argCount, bool& nameKnown)
{
    nameKnown = false;
    for (const Operation& op : kOperations) {
        if (name != op.name)
            continue;
        nameKnown = true;
        if (argCount >= op.minArgs && argCount <= op.maxArgs)
            return &op;
    }
    return nullptr;
}
