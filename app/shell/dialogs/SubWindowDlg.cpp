#include "app/shell/dialogs/SubWindowDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/PipCommands.h"
#include "app/core/wall/Cell.h"
#include "app/shell/dialogs/DialogRules.h"
#include "fx/win/WinApp.h"

namespace {

// Each direction button and the adjustment it asks for: position moves (kind 0, directions
// left, up, right, down) and size changes (kind 1, width or height, sign 0 grows, 1 shrinks).
struct Direction {
    UINT nID;
    CPIPCell::Adjust how;
};

const Direction kDirections[] = {
    {IDC_SUB_LEFT, CPIPCell::MOVE_LEFT},
    {IDC_SUB_UP, CPIPCell::MOVE_UP},
    {IDC_SUB_RIGHT, CPIPCell::MOVE_RIGHT},
    {IDC_SUB_DOWN, CPIPCell::MOVE_DOWN},
    {IDC_SUB_WIDTH_GROW, CPIPCell::WIDTH_GROW},
    {IDC_SUB_WIDTH_SHRINK, CPIPCell::WIDTH_SHRINK},
    {IDC_SUB_HEIGHT_GROW, CPIPCell::HEIGHT_GROW},
    {IDC_SUB_HEIGHT_SHRINK, CPIPCell::HEIGHT_SHRINK},
};

const Direction* FindDirection(UINT nID)
{
    for (const Direction& d : kDirections)
        if (d.nID == nID)
            return &d;
    return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSubWindowDlg, CLuDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_SUB_HEIGHT_GROW, IDC_SUB_RIGHT, OnDirection)
END_MESSAGE_MAP()

CSubWindowDlg::CSubWindowDlg(CWnd* pView, CPIPCell* pPip)
    : CLuDialog(IDD, pView), m_pView(pView), m_pPip(pPip)
{
}

BOOL CSubWindowDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    SetDlgItemText(IDC_SUB_STEP, "1");
    if (m_spin.SubclassWindow(::GetDlgItem(m_hWnd, IDC_SUB_STEP_SPIN))) {
        m_spin.SetBuddy(GetDlgItem(IDC_SUB_STEP));
        m_spin.SetRange32(dlgrules::STEP_MIN, dlgrules::STEP_MAX);
    }
    m_bReady = TRUE;
    return TRUE;
}

LRESULT CSubWindowDlg::OnKickIdle(WPARAM wParam, LPARAM lParam)
{
    CLuDialog::OnKickIdle(wParam, lParam);
    if (m_bReady)
        UpdateDirectionButtons();
    return 0;
}

void CSubWindowDlg::UpdateDirectionButtons()
{
    CString text;
    GetDlgItemText(IDC_SUB_STEP, text);
    int step = 0;
    const BOOL bValid = dlgrules::StepValid(text, &step) ? TRUE : FALSE;
    // The up button stands for all eight: they are always switched together.
    if (bValid == ::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_SUB_UP)))
        return;
    for (const Direction& d : kDirections)
        ::EnableWindow(::GetDlgItem(m_hWnd, static_cast<int>(d.nID)), bValid);
}

void CSubWindowDlg::OnDirection(UINT nID)
{
    const Direction* pDirection = FindDirection(nID);
    if (pDirection == nullptr || m_pPip == nullptr)
        return;
    CString text;
    GetDlgItemText(IDC_SUB_STEP, text);
    int step = 0;
    if (!dlgrules::StepValid(text, &step))
        return;
    const WallRect before = m_pPip->rect().inflated(step);
    CPipFineAdjustCommand command(m_pPip, pDirection->how, step);
    if (runWithProgress(command) != RUN_OK) {
        AfxMessageBox(command.Message());
        return;
    }
    if (m_pView != nullptr && m_pView->GetSafeHwnd() != nullptr) {
        const RECT rc = {before.left, before.top, before.right, before.bottom};
        m_pView->InvalidateRect(&rc, TRUE);
    }
}
