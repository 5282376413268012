#include "app/core/command/TargetCommands.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/wall/Cell.h"
#include "comm/Comm.h"

namespace {

int PipFlag(const CCell* pCell)
{
    return pCell && pCell->getKind() == CELL_KIND_PIP ? 1 : 0;
}

}  // namespace

CMenuCommand::CMenuCommand(CCell* pTarget, bool bOn)
    : DeviceCommand(bOn ? "开菜单" : "关菜单", pTarget), m_bOn(bOn)
{
}

int CMenuCommand::Send()
{
    return Dispatch([&](CComm& c, int board, bool) { return c.SetMenu(board, m_bOn ? 1 : 0); });
}

CAutoPositionCommand::CAutoPositionCommand(CCell* pTarget) : DeviceCommand("自动定位", pTarget) {}

int CAutoPositionCommand::Send()
{
    return Dispatch([](CComm& c, int board, bool) { return c.AutoPosition(board); });
}

namespace {

LPCSTR PictureTitle(CPictureStepCommand::Setting setting)
{
    switch (setting) {
    case CPictureStepCommand::BRIGHTNESS: return "调整亮度";
    case CPictureStepCommand::CONTRAST: return "调整对比度";
    default: return "调整饱合度";
    }
}

}  // namespace

CPictureStepCommand::CPictureStepCommand(CCell* pTarget, Setting setting, bool bUp)
    : DeviceCommand(PictureTitle(setting), pTarget), m_setting(setting), m_bUp(bUp)
{
}

int CPictureStepCommand::Send()
{
    const int pip = PipFlag(m_pTarget);
    const int up = m_bUp ? 1 : 0;
    return Dispatch([&](CComm& c, int board, bool) {
        switch (m_setting) {
        case BRIGHTNESS: return c.SetBrightness(board, pip, up);
        case CONTRAST: return c.SetContrast(board, pip, up);
        default: return c.SetSaturation(board, pip, up);
        }
    });
}

CResetPictureCommand::CResetPictureCommand(CCell* pTarget)
    : DeviceCommand("明暗调节复位", pTarget)
{
}

int CResetPictureCommand::Send()
{
    const int pip = PipFlag(m_pTarget);
    return Dispatch([&](CComm& c, int board, bool) { return c.ResetPicture(board, pip); });
}

CColorBalanceCommand::CColorBalanceCommand(LPCSTR lpszTitle, CCell* pTarget, int nChannel,
                                           int nIncrease, int nMode)
    : DeviceCommand(lpszTitle, pTarget), m_nChannel(nChannel), m_nIncrease(nIncrease),
      m_nMode(nMode)
{
}

int CColorBalanceCommand::Send()
{
    return Dispatch([&](CComm& c, int board, bool) {
        return c.SetColorBalance(board, m_nChannel, m_nIncrease, m_nMode);
    });
}

CSelectInputCommand::CSelectInputCommand(CCell* pTarget, LPCSTR lpszTitle)
    : DeviceCommand(lpszTitle, pTarget)
{
    SetCounted(true);
}

int CSelectInputCommand::Send()
{
    if (!m_pTarget)
        return 0;
    const int source = m_pTarget->inputType();
    return Dispatch([&](CComm& c, int board, bool bPip) {
        return bPip ? c.SelectPipInput(board, source) : c.SelectInput(board, source);
    });
}

CMpdAssignCommand::CMpdAssignCommand(CCell* pTarget, bool bSetInput)
    : DeviceCommand("设置CBD", pTarget), m_bSetInput(bSetInput)
{
    SetCounted(true);
}

int CMpdAssignCommand::Send()
{
    CCell* pRegion = m_pTarget;
    if (!pRegion)
        return 0;
    const int mpdCount = CommandConfig::Current().MpdCount();
    for (int board = 1; board <= mpdCount; ++board) {
        m_nBoard = board;
        if (board == 1) {
            // The region's own board gets the region's input type as it stands, 12 ("none")
            // included; its answer does not stop the assignment.
            if (m_bSetInput)
                Call([&](CComm& c) { return c.SelectInput(1, pRegion->inputType()); });
            continue;
        }
        if (Call([&](CComm& c) { return c.SelectInput(board, 4); }) != 0)
            return checkResult();
    }
    if (pRegion->getKind() == CELL_KIND_COMBINED) {
        for (CCell* pMember : static_cast<CCombineCell*>(pRegion)->members()) {
            m_nBoard = PanelBoard(*pMember);
            if (Call([&](CComm& c) { return c.SelectInput(m_nBoard, 0); }) != 0)
                break;
        }
    } else {
        m_nBoard = PanelBoard(*pRegion);
        Call([&](CComm& c) { return c.SelectInput(m_nBoard, 0); });
    }
    return checkResult();
}

CCombineCommand::CCombineCommand(CCell* pTarget) : DeviceCommand("合成屏幕", pTarget)
{
    SetCounted(true);
}

void CCombineCommand::CountColumnsRows(const CCell& combined, int* pColumns, int* pRows)
{
    // The device takes at most 128 columns and rows; further distinct edges are not counted.
    const int kMax = 128;
    int lefts[kMax];
    int tops[kMax];
    int columns = 0;
    int rows = 0;
    if (combined.getKind() == CELL_KIND_COMBINED) {
        for (const CCell* pMember : static_cast<const CCombineCell&>(combined).members()) {
            const WallRect& rc = pMember->rect();
            bool seen = false;
            for (int i = 0; i < columns && !seen; ++i)
                seen = lefts[i] == rc.left;
            if (!seen && columns < kMax)
                lefts[columns++] = rc.left;
            seen = false;
            for (int i = 0; i < rows && !seen; ++i)
                seen = tops[i] == rc.top;
            if (!seen && rows < kMax)
                tops[rows++] = rc.top;
        }
    }
    *pColumns = columns;
    *pRows = rows;
}

int CCombineCommand::Send()
{
    if (!m_pTarget)
        return 0;
    int columns = 0;
    int rows = 0;
    CountColumnsRows(*m_pTarget, &columns, &rows);
    if (columns < 1 || rows < 1) {
        m_strMessage = "组合错误";
        return 0;
    }
    for (CCell* pMember : static_cast<CCombineCell*>(m_pTarget)->members()) {
        m_nBoard = PanelBoard(*pMember);
        if (Call([&](CComm& c) {
                return c.SetLayout(m_nBoard, columns, rows, pMember->order());
            }) != 0)
            break;
    }
    return checkResult();
}

CDecomposeCommand::CDecomposeCommand(CCell* pTarget) : DeviceCommand("屏幕分解", pTarget) {}

int CDecomposeCommand::Send()
{
    if (!m_pTarget)
        return 0;
    if (m_pTarget->getKind() == CELL_KIND_COMBINED) {
        for (CCell* pMember : static_cast<CCombineCell*>(m_pTarget)->members()) {
            m_nBoard = PanelBoard(*pMember);
            if (Call([&](CComm& c) { return c.SetLayout(m_nBoard, 1, 1, 1); }) != 0)
                break;
        }
    } else {
        m_nBoard = PanelBoard(*m_pTarget);
        Call([&](CComm& c) { return c.SetLayout(m_nBoard, 1, 1, 1); });
    }
    return checkResult();
}
