// Commands aimed at a wall cell: picture settings, input selection, the on-screen menu and auto
// position (each sent per target, see DeviceCommand::Dispatch), the MPD assignment, and combining
// and splitting panels.
#pragma once

#include "app/core/command/DeviceCommand.h"

// "开菜单" / "关菜单": the board's on-screen debug menu.
class CMenuCommand : public DeviceCommand {
public:
    CMenuCommand(CCell* pTarget, bool bOn);

protected:
    int Send() override;

private:
    bool m_bOn;
};

// "自动定位": automatic position of the target's boards.
class CAutoPositionCommand : public DeviceCommand {
public:
    explicit CAutoPositionCommand(CCell* pTarget);

protected:
    int Send() override;
};

// "调整亮度", "调整对比度", "调整饱合度": one step up or down.
class CPictureStepCommand : public DeviceCommand {
public:
    enum Setting { BRIGHTNESS, CONTRAST, SATURATION };
    CPictureStepCommand(CCell* pTarget, Setting setting, bool bUp);

protected:
    int Send() override;

private:
    Setting m_setting;
    bool m_bUp;
};

// "明暗调节复位": brightness, contrast and saturation back to their defaults.
class CResetPictureCommand : public DeviceCommand {
public:
    explicit CResetPictureCommand(CCell* pTarget);

protected:
    int Send() override;
};

// "亮平衡", "暗平衡", "亮平衡复位", "暗平衡复位": colour balance with the picture dialog's values
// (channel, increase, mode).
class CColorBalanceCommand : public DeviceCommand {
public:
    CColorBalanceCommand(LPCSTR lpszTitle, CCell* pTarget, int nChannel, int nIncrease, int nMode);

protected:
    int Send() override;

private:
    int m_nChannel;
    int m_nIncrease;
    int m_nMode;
};

// Input selection ("选择输入", "选择HDMI", "选择YUV", "选择DVI1", "选择VGA", "选择CVBS",
// "选择EXTVGA", "选择INTVGA"): the target's input type as source; a PIP window through
// SelectPipInput. Counted.
class CSelectInputCommand : public DeviceCommand {
public:
    explicit CSelectInputCommand(CCell* pTarget, LPCSTR lpszTitle = "选择输入");

protected:
    int Send() override;
};

// "设置CBD": makes the target (a plain or combined cell) the MPD region. Every MPD board but the
// first gets input 4; the first gets the region's input type (12 when none is chosen) only when
// bSetInput is set (the scene restore sets it, making a region by hand does not); then each of
// the region's panels gets input 0. Counted. A failure on boards 2 .. n or on a panel ends it.
class CMpdAssignCommand : public DeviceCommand {
public:
    CMpdAssignCommand(CCell* pTarget, bool bSetInput);

protected:
    int Send() override;

private:
    bool m_bSetInput;
};

// "合成屏幕": tells each member of a combined cell the size of the combined area (distinct
// columns and rows of its members) and its own order. Counted. Fails with "组合错误" without
// sending anything when there is no member.
class CCombineCommand : public DeviceCommand {
public:
    explicit CCombineCommand(CCell* pTarget);

    // Distinct left edges and top edges of the members, each counted up to 128.
    static void CountColumnsRows(const CCell& combined, int* pColumns, int* pRows);

protected:
    int Send() override;
};

// "屏幕分解": each member of a combined cell back to a single panel (SetLayout 1, 1, 1); a plain
// cell is sent the same for itself (the scene restore does this for every plain cell).
class CDecomposeCommand : public DeviceCommand {
public:
    explicit CDecomposeCommand(CCell* pTarget);

protected:
    int Send() override;
};
