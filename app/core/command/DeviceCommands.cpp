#include "app/core/command/DeviceCommands.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "comm/Comm.h"

#include <cstring>
#include <utility>

namespace {

struct FixedEntry {
    LPCSTR title;
    int rules;
    int (*op)(CComm&);
};

// The argument-free catalogue. The program directory is looked up when the command runs, since
// the link reads its "com.ini" from there.
const FixedEntry kFixed[] = {
    {"打开设备", CFixedCommand::PLAIN,
     [](CComm& c) { return c.Connect(ProgramDirectory()); }},
    {"关闭设备", CFixedCommand::PLAIN, [](CComm& c) { return c.Disconnect(); }},
    {"连接设备", CFixedCommand::PLAIN,
     [](CComm& c) { return c.Reconnect(ProgramDirectory()); }},
    {"开机", CFixedCommand::PLAIN, [](CComm& c) { return c.SetPower(0); }},
    {"关机", CFixedCommand::PLAIN, [](CComm& c) { return c.SetPower(1); }},
    {"进入升级模式", CFixedCommand::PLAIN, [](CComm& c) { return c.EnterUpgradeMode(); }},
    {"恢复出厂设置", CFixedCommand::PLAIN, [](CComm& c) { return c.FactorySettings(0, 0); }},
    {"保存出厂设置", CFixedCommand::PLAIN, [](CComm& c) { return c.FactorySettings(0, 1); }},
    {"自然场景", CFixedCommand::PLAIN, [](CComm& c) { return c.SetBoardMode(0, 6, 0); }},
    {"监控场景", CFixedCommand::PLAIN, [](CComm& c) { return c.SetBoardMode(0, 6, 1); }},
    {"高清底图关", CFixedCommand::PLAIN, [](CComm& c) { return c.SetBoardMode(0, 5, 0); }},
    {"高清底图开", CFixedCommand::PLAIN, [](CComm& c) { return c.SetBoardMode(0, 5, 1); }},
    {"新建场景", CFixedCommand::COUNTED, [](CComm& c) { return c.NewScene(0); }},
    {"全体定位", CFixedCommand::PLAIN, [](CComm& c) { return c.AutoPosition(0); }},
    {"设置分辨率", CFixedCommand::COUNTED | CFixedCommand::ALWAYS_SUCCEEDS,
     [](CComm& c) { return c.SetResolution(0, CommandConfig::Current().Resolution()); }},
    {"设置位置", CFixedCommand::PLAIN, [](CComm& c) { return c.SetLayout(0, 1, 1, 1); }},
    // Leaving an MPD region needs nothing from the device.
    {"取消CBD", CFixedCommand::PLAIN, nullptr},
    {"打开边缘屏蔽", CFixedCommand::COUNTED | CFixedCommand::ALWAYS_SUCCEEDS,
     [](CComm& c) { return c.SetEdgeMask(0, 0xAC, 0xFE, 0xFD, 0x07, 1); }},
    {"关闭边缘屏蔽", CFixedCommand::COUNTED | CFixedCommand::ALWAYS_SUCCEEDS,
     [](CComm& c) { return c.SetEdgeMask(0, 0xAC, 0xFE, 0xFD, 0x07, 0); }},
};

}  // namespace

std::unique_ptr<DeviceCommand> CreateCommand(LPCSTR lpszTitle)
{
    for (const FixedEntry& entry : kFixed) {
        if (std::strcmp(entry.title, lpszTitle) == 0) {
            std::function<int(CComm&)> op;
            if (entry.op)
                op = entry.op;
            return std::unique_ptr<DeviceCommand>(new CFixedCommand(entry.title, entry.rules, op));
        }
    }
    return nullptr;
}

CFixedCommand::CFixedCommand(LPCSTR lpszTitle, int nRules, std::function<int(CComm&)> op)
    : DeviceCommand(lpszTitle), m_nRules(nRules), m_op(std::move(op))
{
    SetCounted((nRules & COUNTED) != 0);
}

int CFixedCommand::Send()
{
    if (!m_op)
        return 1;
    Call(m_op);
    if (m_nRules & ALWAYS_SUCCEEDS)
        return 1;
    return checkResult();
}

CCallPresetCommand::CCallPresetCommand(int nPreset)
    : DeviceCommand("设置预设场景"), m_nPreset(nPreset)
{
}

int CCallPresetCommand::Send()
{
    Call([&](CComm& c) { return c.CallPreset(m_nPreset); });
    return checkResult();
}

CRecordPresetCommand::CRecordPresetCommand(int nPreset, int nBegin)
    : DeviceCommand("存储预设场景"), m_nPreset(nPreset), m_nBegin(nBegin)
{
}

int CRecordPresetCommand::Send()
{
    Call([&](CComm& c) { return c.RecordPreset(m_nPreset, m_nBegin); });
    checkResult();
    return 1;
}

namespace {

// A record read back from the device: the flag as it arrives, the date and time only when the
// flag says the record is enabled.
void FillTime(DeviceTime& time, unsigned char flag, unsigned char year, unsigned char month,
              unsigned char day, unsigned char hour, unsigned char minute, unsigned char second)
{
    time = DeviceTime();
    time.nEnabled = flag;
    if (flag != 1)
        return;
    time.nYear = 2000 + year;
    time.nMonth = month;
    time.nDay = day;
    time.nHour = hour;
    time.nMinute = minute;
    time.nSecond = second;
}

}  // namespace

CReadStatusCommand::CReadStatusCommand() : DeviceCommand("读取状态信息") {}

int CReadStatusCommand::Send()
{
    // PurgeInput answers nonzero for success and raises on failure, so only the reads are checked.
    Call([](CComm& c) { c.PurgeInput(); return 0; });
    if (m_nResult != 0)
        return checkResult();
    unsigned char f = 0, s = 0, mi = 0, h = 0, d = 0, mo = 0, y = 0;
    if (Call([&](CComm& c) { return c.ReadClock(&f, &s, &mi, &h, &d, &mo, &y); }) != 0)
        return checkResult();
    FillTime(m_clock, f, y, mo, d, h, mi, s);
    f = mi = h = d = mo = y = 0;
    if (Call([&](CComm& c) { return c.ReadPowerOffTimer(&f, &mi, &h, &d, &mo, &y); }) != 0)
        return checkResult();
    FillTime(m_powerOff, f, y, mo, d, h, mi, 0);
    f = mi = h = d = mo = y = 0;
    if (Call([&](CComm& c) { return c.ReadPowerOnTimer(&f, &mi, &h, &d, &mo, &y); }) != 0)
        return checkResult();
    FillTime(m_powerOn, f, y, mo, d, h, mi, 0);
    return checkResult();
}

CSetClockCommand::CSetClockCommand(const DeviceTime& time)
    : DeviceCommand("设置时钟"), m_time(time)
{
}

int CSetClockCommand::Send()
{
    const DeviceTime& t = m_time;
    if (t.nEnabled)
        Call([&](CComm& c) {
            return c.SetClock(1, t.nSecond, t.nMinute, t.nHour, t.nDay, t.nMonth, t.nYear - 2000);
        });
    else
        Call([](CComm& c) { return c.SetClock(0, 0, 0, 0, 0, 0, 0); });
    return checkResult();
}

CPowerTimerCommand::CPowerTimerCommand(bool bPowerOff, const DeviceTime& time)
    : DeviceCommand(bPowerOff ? "设置定时关机" : "设置定时开机"), m_bPowerOff(bPowerOff),
      m_time(time)
{
}

int CPowerTimerCommand::Send()
{
    const DeviceTime& t = m_time;
    const int flag = t.nEnabled ? 1 : 0;
    const int minute = flag ? t.nMinute : 0;
    const int hour = flag ? t.nHour : 0;
    const int day = flag ? t.nDay : 0;
    const int month = flag ? t.nMonth : 0;
    const int year = flag ? t.nYear - 2000 : 0;
    Call([&](CComm& c) {
        return m_bPowerOff ? c.SetPowerOffTimer(flag, minute, hour, day, month, year)
                           : c.SetPowerOnTimer(flag, minute, hour, day, month, year);
    });
    return checkResult();
}

CStartupImageCommand::CStartupImageCommand(int nCode)
    : DeviceCommand(nCode >= 3 ? "设置底图" : "设置Splash"), m_nCode(nCode)
{
}

int CStartupImageCommand::Send()
{
    Call([&](CComm& c) { return c.SetStartupImage(m_nCode); });
    return checkResult();
}

CEdgeMaskCommand::CEdgeMaskCommand(LPCSTR lpszTitle, int nState)
    : DeviceCommand(lpszTitle), m_nState(nState)
{
    SetCounted(true);
}

int CEdgeMaskCommand::Send()
{
    Call([&](CComm& c) { return c.SetEdgeMask(0, 0xAC, 0xFE, 0xFD, 0x07, m_nState); });
    return 1;
}

CTransferCommand::CTransferCommand(int nKind, const unsigned char* pData, int nLength)
    : DeviceCommand(TitleOf(nKind)), m_nKind(nKind), m_data()
{
    if (pData && nLength > 0)
        std::memcpy(m_data, pData, nLength < 36 ? static_cast<std::size_t>(nLength) : 36u);
}

LPCSTR CTransferCommand::TitleOf(int nKind)
{
    switch (nKind) {
    case 10: return "DRV";
    case 11: return "MPD";
    case 12: return "Subtitle";
    case 13: return "Modify InitCmd_ShieldEdge";
    default: return "";
    }
}

int CTransferCommand::Send()
{
    Call([](CComm& c) { c.PurgeInput(); return 0; });
    if (m_nResult != 0)
        return checkResult();
    Call([&](CComm& c) { return c.Transfer(m_nKind, m_data, 0); });
    const int nResult = m_nResult;
    Call([](CComm& c) { c.PurgeInput(); return 0; });
    m_nResult = nResult;
    return checkResult();
}

CPanelSizeCommand::CPanelSizeCommand(int nFirstBoard, int nLastBoard,
                                     const PanelSizeValues& values)
    : DeviceCommand("设置屏幕物理尺寸"), m_nFirstBoard(nFirstBoard), m_nLastBoard(nLastBoard),
      m_values(values)
{
}

int CPanelSizeCommand::Send()
{
    const PanelSizeValues& v = m_values;
    auto hi = [](int value) { return (value >> 8) & 0xFF; };
    auto lo = [](int value) { return value & 0xFF; };
    for (int board = m_nFirstBoard; board <= m_nLastBoard; ++board) {
        m_nBoard = board;
        if (Call([&](CComm& c) {
                return c.SetPanelSize(board, hi(v.nWidth), lo(v.nWidth), hi(v.nHeight),
                                      lo(v.nHeight), 0);
            }) != 0)
            break;
        if (Call([&](CComm& c) {
                return c.SetPanelSize(CComm::PanelSizeEvent12, board, hi(v.nLeft), lo(v.nLeft),
                                      hi(v.nRight), lo(v.nRight), 0);
            }) != 0)
            break;
        if (Call([&](CComm& c) {
                return c.SetPanelSize(CComm::PanelSizeEvent13, board, hi(v.nTop), lo(v.nTop),
                                      hi(v.nBottom), lo(v.nBottom), 1);
            }) != 0)
            break;
    }
    return checkResult();
}
