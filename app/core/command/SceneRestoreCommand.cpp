#include "app/core/command/SceneRestoreCommand.h"

#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/MatrixCommand.h"
#include "app/core/command/PipCommands.h"
#include "app/core/command/TargetCommands.h"
#include "app/core/wall/Cell.h"
#include "fx/core/Exception.h"

CSceneRestoreCommand::CSceneRestoreCommand(const CCellList& cells, bool bStore, int nPreset)
    : DeviceCommand(bStore ? "存储预设场景" : "恢复场景"), m_cells(cells), m_bStore(bStore),
      m_nPreset(nPreset)
{
}

int CSceneRestoreCommand::Send()
{
    g_nCommandCount = 0;
    if (m_bStore) {
        CRecordPresetCommand begin(m_nPreset, 1);
        begin.Execute();
    }
    if (!RunNested(*CreateCommand("新建场景")))
        return 0;
    if (!RunNested(*CreateCommand("设置分辨率")))
        return 0;
    for (CCell* pCell : m_cells)
        if (!RestoreCell(*pCell))
            return 0;

    int nClosing = 0;
    if (m_bStore) {
        CRecordPresetCommand end(m_nPreset, 0);
        if (!end.Execute()) {
            m_strMessage = end.Message();
            return 0;
        }
        nClosing = end.Result();
        if (g_nCommandCount > MAX_PRESET_COMMANDS) {
            CString warning;
            warning.Format("该预设场景发送指令%d条,超过最大条数%d,可能设置无效!", g_nCommandCount,
                           MAX_PRESET_COMMANDS);
            ShowCommandMessage(warning, MB_OK | MB_ICONEXCLAMATION);
        }
    }
    m_nResult = nClosing;
    return checkResult();
}

int CSceneRestoreCommand::RestoreCell(CCell& cell)
{
    const int kind = cell.getKind();
    if (kind == CELL_KIND_PIP)
        return 1;
    if (cell.inputNo() >= 1) {
        CMatrixSwitchCommand matrix(&cell, cell.inputNo());
        if (!RunNested(matrix))
            return 0;
    }
    if (kind == CELL_KIND_PLAIN) {
        CDecomposeCommand single(&cell);
        single.Execute();
        if (cell.isMpd()) {
            CMpdAssignCommand assign(&cell, true);
            if (!RunNested(assign))
                return 0;
            RestorePips(cell);
        } else if (cell.inputType() < 12) {
            CSelectInputCommand input(&cell);
            if (!RunNested(input))
                return 0;
        }
        return 1;
    }
    if (kind == CELL_KIND_COMBINED) {
        CCombineCommand combine(&cell);
        if (!RunNested(combine))
            return 0;
        if (cell.isMpd()) {
            CMpdAssignCommand assign(&cell, true);
            if (!RunNested(assign))
                return 0;
            RestorePips(cell);
            return 1;
        }
        for (CCell* pMember : static_cast<CCombineCell&>(cell).members()) {
            if (pMember->inputType() > 11)
                break;
            CSelectInputCommand input(pMember);
            if (!RunNested(input))
                return 0;
        }
    }
    return 1;
}

void CSceneRestoreCommand::RestorePips(CCell& region)
{
    for (CCell* pCell : region.pips()) {
        if (pCell->getKind() != CELL_KIND_PIP)
            continue;
        CPIPCell* pPip = static_cast<CPIPCell*>(pCell);
        const int window = pPip->number();
        int x = 0, y = 0, w = 0, h = 0;
        if (region.deviceRectOf(pPip, &x, &y, &w, &h))
            SendPipGeometry(window, x, y, w, h);
        CPipSwitchCommand on(window, true);
        on.Execute();
        if (pPip->inputType() < 12) {
            CSelectInputCommand input(pPip);
            input.Execute();
        }
        CPipTransparencyCommand transparency(window, pPip->transparency());
        transparency.Execute();
    }
}
