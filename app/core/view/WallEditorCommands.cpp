// The wall view's commands: merging and splitting cells, the MPD region and its windows, input
// choices, and the state of their menu items.
#include "app/core/view/WallEditor.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/MatrixCommand.h"
#include "app/core/command/TargetCommands.h"
#include "app/core/view/InputMenu.h"
#include "app/core/wall/WallServices.h"
#include "app/res/WallViewRes.h"

namespace {

// Runs a command behind the progress window and shows its message when it is refused. TRUE
// when it succeeded.
BOOL runShown(DeviceCommand& command)
{
    if (runWithProgress(command) == RUN_OK)
        return TRUE;
    ShowCommandMessage(command.Message(), MB_OK);
    return FALSE;
}

// Input types whose selection a merged cell sends again once the device has merged it.
bool resentAfterMerge(int inputType)
{
    return inputType == INPUT_MPD_CHANNEL || inputType == INPUT_VGA || inputType == INPUT_CVBS ||
           inputType == INPUT_YUV || inputType == INPUT_DVI;
}

bool anyMpdRegion(const CCellObjImp& wall)
{
    for (const CCell* cell : wall.cells())
        if (!cell->isMember() && cell->isMpd())
            return true;
    return false;
}

}  // namespace

void WallEditor::combine()
{
    CCell* primary = m_pCurrent;
    if (primary == nullptr)
        return;
    const int inputType = primary->inputType();
    const int inputNo = primary->inputNo();
    CCombineCell* combined = m_wall.combineSelected(primary);
    if (combined == nullptr)
        return;
    // The current cell is a member now, hidden inside the merged cell, whatever the device says.
    m_pCurrent = nullptr;
    m_pPip = nullptr;
    combined->setInputType(inputType);
    combined->setInputNo(inputNo);
    repaint(combined->rect());

    CCombineCommand merge(combined);
    if (!runShown(merge))
        return;
    if (!resentAfterMerge(inputType))
        return;
    CSelectInputCommand select(combined, "选择输入");
    runShown(select);
    if (inputNo != 0) {
        CMatrixSwitchCommand matrix(combined, inputNo);
        runShown(matrix);
    }
}

void WallEditor::split()
{
    CCell* cell = m_pCurrent;
    if (cell == nullptr || cell->isMpd())
        return;
    if (m_wall.decomposeCombined(cell)) {
        m_pCurrent = nullptr;
        m_pPip = nullptr;
    }
}

void WallEditor::addWindow()
{
    // Only an MPD region shows windows (and the scene restore sends only a region's): a plain
    // cell takes none.
    if (m_pCurrent != nullptr && m_pCurrent->isMpd())
        m_wall.addPipTo(m_pCurrent);
}

void WallEditor::deleteWindow()
{
    if (m_pPip == nullptr) {
        ShowCommandMessage("请选中要删除的窗口", MB_OK);
        return;
    }
    CPIPCell* pip = m_pPip;
    m_pPip = nullptr;
    m_wall.removePipFrom(pip->parent(), pip);
}

void WallEditor::toggleMpd()
{
    CCell* cell = m_pCurrent;
    if (cell == nullptr)
        return;
    const BOOL wasRegion = cell->isMpd();
    // Leaving the MPD state deletes the region's windows, the current one among them.
    if (wasRegion && m_pPip != nullptr && m_pPip->parent() == cell)
        m_pPip = nullptr;
    cell->setMpd(!wasRegion);
    repaint(cell->rect());
    if (wasRegion) {
        std::unique_ptr<DeviceCommand> cancel = CreateCommand("取消CBD");
        if (cancel) {
            cancel->SetTarget(cell);
            runShown(*cancel);
        }
    } else {
        CMpdAssignCommand assign(cell, false);
        runShown(assign);
    }
}

BOOL WallEditor::applyInput(int inputType, int inputNo, LPCSTR lpszTitle)
{
    CCell* target = inputTarget();
    if (target == nullptr)
        return FALSE;
    target->setInputType(inputType);
    target->setInputNo(inputNo);
    repaint(target->rect());
    // The matrix of a later "切换矩阵通道" follows the operator's last choice.
    g_nCurrentInputType = inputType;
    CSelectInputCommand select(target, lpszTitle);
    runShown(select);
    return TRUE;
}

void WallEditor::selectInput(int inputType, LPCSTR lpszTitle) { applyInput(inputType, 0, lpszTitle); }

void WallEditor::selectMatrixInput(UINT nID)
{
    int inputNo = 0;
    const int inputType = matrixInputOf(nID, &inputNo);
    if (inputType == 0 || inputNo > matrixInputCount(inputType))
        return;
    LPCSTR title = inputType == INPUT_VGA ? "选择VGA" : inputType == INPUT_CVBS ? "选择CVBS" : "选择DVI1";
    if (!applyInput(inputType, inputNo, title))
        return;
    CMatrixSwitchCommand matrix(inputTarget(), inputNo);
    runShown(matrix);
}

void WallEditor::positionAll()
{
    std::unique_ptr<DeviceCommand> command = CreateCommand("全体定位");
    if (command)
        runShown(*command);
}

void WallEditor::openDialog(UINT nID)
{
    if (m_pDialogs == nullptr)
        return;
    switch (nID) {
    case ID_WALL_TRANSPARENCY:
        if (m_pPip != nullptr)
            m_pDialogs->pipTransparency(*m_pPip);
        break;
    case ID_WALL_PARAMETERS:
        if (CCell* target = inputTarget())
            m_pDialogs->pictureParameters(*target);
        break;
    case ID_WALL_PIP_PARAMETERS:
        if (m_pPip != nullptr)
            m_pDialogs->pictureParameters(*m_pPip);
        break;
    case ID_WALL_FINE_ADJUST:
        if (m_pPip != nullptr)
            m_pDialogs->pipFineAdjust(*m_pPip);
        break;
    case ID_WALL_EDGE_MASK:
        m_pDialogs->edgeMask(m_pCurrent);
        break;
    default:
        break;
    }
}

// ---- Menu item states ----

CommandState WallEditor::commandState(UINT nID) const
{
    CommandState state;
    const CCell* cell = m_pCurrent;
    const bool region = cell != nullptr && cell->isMpd();
    const bool combinedCell = cell != nullptr && cell->kind() == CELL_KIND_COMBINED;
    switch (nID) {
    case ID_WALL_MERGE:
        state.enabled = m_wall.canCombine() != FALSE;
        break;
    case ID_WALL_SPLIT:
        state.enabled = m_pPip == nullptr && combinedCell && !region;
        break;
    case ID_WALL_MPD: {
        int mpdCount = 0;
        if (WallServices* services = WallServices::current())
            mpdCount = services->mpdCount();
        state.checked = region;
        state.enabled = mpdCount > 0 && (region || !anyMpdRegion(m_wall));
        break;
    }
    case ID_WALL_ADD_PIP:
        state.enabled = region;
        break;
    case ID_WALL_DELETE_PIP:
    case ID_WALL_TRANSPARENCY:
    case ID_WALL_PIP_PARAMETERS:
    case ID_WALL_FINE_ADJUST:
        state.enabled = m_pPip != nullptr;
        break;
    case ID_WALL_EDGE_MASK:
        state.enabled = combinedCell && m_pPip == nullptr;
        break;
    case ID_WALL_INT_VGA:
        state.enabled = !region;
        break;
    default:
        break;
    }
    state.checked = state.checked || inputCheck(nID).checked;
    return state;
}

CommandState WallEditor::inputCheck(UINT nID) const
{
    CommandState state;
    const CCell* target = inputTarget();
    if (target == nullptr || (m_pCurrent != nullptr && m_pCurrent->isMpd()))
        return state;
    const int type = target->inputType();
    UINT marked = 0;
    if (type == INPUT_MPD_CHANNEL) {
        marked = ID_WALL_INT_VGA;
    } else if (type == INPUT_VGA || type == INPUT_CVBS || type == INPUT_DVI) {
        // Without matrix inputs the local entry stands for the type.
        marked = matrixInputCount(type) > 0
                     ? matrixInputBase(type) + static_cast<UINT>(target->inputNo())
                     : localInputId(type);
    }
    state.checked = marked != 0 && marked == nID;
    return state;
}
