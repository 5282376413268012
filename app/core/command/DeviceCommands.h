// Commands for the device as a whole: the link itself, power, presets, clock and timers, factory
// settings, board modes, the power-up blocks and the panel size. None of them has a wall cell as
// target. Titles are the texts the progress window shows and by which the rest of the program
// names the commands.
#pragma once

#include "app/core/command/DeviceCommand.h"

#include <memory>

// A command whose whole behaviour follows from its title: "打开设备", "关闭设备", "连接设备",
// "开机", "关机", "进入升级模式", "恢复出厂设置", "保存出厂设置", "自然场景", "监控场景",
// "高清底图关", "高清底图开", "新建场景", "全体定位", "设置分辨率", "设置位置", "取消CBD",
// "打开边缘屏蔽", "关闭边缘屏蔽". Null for any other title.
std::unique_ptr<DeviceCommand> CreateCommand(LPCSTR lpszTitle);

// One fixed device call, with its counted and always-succeeds rules. CreateCommand makes these.
class CFixedCommand : public DeviceCommand {
public:
    enum Rule {
        PLAIN = 0,
        COUNTED = 1,          // CommandCount + 1 per call
        ALWAYS_SUCCEEDS = 2   // the result is kept, but only an exception fails the command
    };
    CFixedCommand(LPCSTR lpszTitle, int nRules, std::function<int(CComm&)> op);

protected:
    int Send() override;

private:
    int m_nRules;
    std::function<int(CComm&)> m_op;
};

// "设置预设场景": recalls preset scene n.
class CCallPresetCommand : public DeviceCommand {
public:
    explicit CCallPresetCommand(int nPreset);

protected:
    int Send() override;

private:
    int m_nPreset;
};

// RecordPreset(preset, begin), sent around a preset scene being stored. The failure message is
// composed, but the command reports success: the scene restore examines the closing result itself.
class CRecordPresetCommand : public DeviceCommand {
public:
    CRecordPresetCommand(int nPreset, int nBegin);

protected:
    int Send() override;

private:
    int m_nPreset;
    int m_nBegin;
};

// A date and time as the device keeps it: the enabled flag (1 = enabled) and plain numbers.
struct DeviceTime {
    int nEnabled = 0;
    int nYear = 0;     // full year (2000 + the device's two digits)
    int nMonth = 0;
    int nDay = 0;
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
};

// "读取状态信息": the clock, the power-off time and the power-on time. Stops at the first failed
// read; a record's date and time are filled only when its flag is 1.
class CReadStatusCommand : public DeviceCommand {
public:
    CReadStatusCommand();

    const DeviceTime& Clock() const { return m_clock; }
    const DeviceTime& PowerOff() const { return m_powerOff; }
    const DeviceTime& PowerOn() const { return m_powerOn; }

protected:
    int Send() override;

private:
    DeviceTime m_clock;
    DeviceTime m_powerOff;
    DeviceTime m_powerOn;
};

// "设置时钟": sets the device clock, or switches it off (flag 0 sends six zeros).
class CSetClockCommand : public DeviceCommand {
public:
    explicit CSetClockCommand(const DeviceTime& time);

protected:
    int Send() override;

private:
    DeviceTime m_time;
};

// "设置定时关机" / "设置定时开机": the daily power-off or power-on time (flag 0 sends five zeros).
class CPowerTimerCommand : public DeviceCommand {
public:
    CPowerTimerCommand(bool bPowerOff, const DeviceTime& time);

protected:
    int Send() override;

private:
    bool m_bPowerOff;
    DeviceTime m_time;
};

// "设置底图" (codes 4 and 3) / "设置Splash" (codes 1 and 0): the start-up image switch.
class CStartupImageCommand : public DeviceCommand {
public:
    explicit CStartupImageCommand(int nCode);

protected:
    int Send() override;

private:
    int m_nCode;
};

// "打开边缘屏蔽" (1), "关闭边缘屏蔽" (0), "打开或关闭边缘屏蔽" (the chosen state, 4 for the third
// choice): edge masking of the processor. Counted; always succeeds.
class CEdgeMaskCommand : public DeviceCommand {
public:
    CEdgeMaskCommand(LPCSTR lpszTitle, int nState);

protected:
    int Send() override;

private:
    int m_nState;
};

// "DRV", "MPD", "Subtitle", "Modify InitCmd_ShieldEdge": a power-up command block (kinds 10..13)
// written between two input purges.
class CTransferCommand : public DeviceCommand {
public:
    // Block kind 10..13 and its data (1 byte for 10..12, 12 bytes for 13; at most 36 are kept).
    CTransferCommand(int nKind, const unsigned char* pData, int nLength);

    // The title of a block kind.
    static LPCSTR TitleOf(int nKind);

protected:
    int Send() override;

private:
    int m_nKind;
    unsigned char m_data[36];
};

// The six panel-size values of the factory settings (millimetres).
struct PanelSizeValues {
    int nWidth = 0;
    int nHeight = 0;
    int nLeft = 0;
    int nRight = 0;
    int nTop = 0;
    int nBottom = 0;
};

// "设置屏幕物理尺寸": the three panel-size frames for each board of a range, each value as two
// bytes, high byte first. The first failure stops it.
class CPanelSizeCommand : public DeviceCommand {
public:
    CPanelSizeCommand(int nFirstBoard, int nLastBoard, const PanelSizeValues& values);

protected:
    int Send() override;

private:
    int m_nFirstBoard;
    int m_nLastBoard;
    PanelSizeValues m_values;
};
