#include "app/shell/dialogs/ParamDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/TargetCommands.h"
#include "fx/win/WinApp.h"
#include "skin/ctrl/Button.h"

#include <memory>

namespace {

// The step buttons: colour balance (channel 0 red, 1 green, 2 blue; mode 0 bright, 1 dark) and
// the three picture settings, each one step up ("+") or down ("-").
enum StepKind { STEP_BALANCE, STEP_BRIGHTNESS, STEP_CONTRAST, STEP_SATURATION };

struct StepButton {
    UINT nID;
    StepKind kind;
    bool bUp;
    int nChannel;
    int nMode;
};

const StepButton kStepButtons[] = {
    {IDC_PARAM_BRIGHT_RED_UP, STEP_BALANCE, true, 0, 0},
    {IDC_PARAM_BRIGHT_RED_DOWN, STEP_BALANCE, false, 0, 0},
    {IDC_PARAM_BRIGHT_GREEN_UP, STEP_BALANCE, true, 1, 0},
    {IDC_PARAM_BRIGHT_GREEN_DOWN, STEP_BALANCE, false, 1, 0},
    {IDC_PARAM_BRIGHT_BLUE_UP, STEP_BALANCE, true, 2, 0},
    {IDC_PARAM_BRIGHT_BLUE_DOWN, STEP_BALANCE, false, 2, 0},
    {IDC_PARAM_DARK_RED_UP, STEP_BALANCE, true, 0, 1},
    {IDC_PARAM_DARK_RED_DOWN, STEP_BALANCE, false, 0, 1},
    {IDC_PARAM_DARK_GREEN_UP, STEP_BALANCE, true, 1, 1},
    {IDC_PARAM_DARK_GREEN_DOWN, STEP_BALANCE, false, 1, 1},
    {IDC_PARAM_DARK_BLUE_UP, STEP_BALANCE, true, 2, 1},
    {IDC_PARAM_DARK_BLUE_DOWN, STEP_BALANCE, false, 2, 1},
    {IDC_PARAM_BRIGHTNESS_UP, STEP_BRIGHTNESS, true, 0, 0},
    {IDC_PARAM_BRIGHTNESS_DOWN, STEP_BRIGHTNESS, false, 0, 0},
    {IDC_PARAM_CONTRAST_UP, STEP_CONTRAST, true, 0, 0},
    {IDC_PARAM_CONTRAST_DOWN, STEP_CONTRAST, false, 0, 0},
    {IDC_PARAM_SATURATION_UP, STEP_SATURATION, true, 0, 0},
    {IDC_PARAM_SATURATION_DOWN, STEP_SATURATION, false, 0, 0},
};

const int BALANCE_MODE_BRIGHT = 0;

const StepButton* FindStep(UINT nID)
{
    for (const StepButton& b : kStepButtons)
        if (b.nID == nID)
            return &b;
    return nullptr;
}

std::unique_ptr<DeviceCommand> MakeStep(const StepButton& b, CCell* pCell)
{
    switch (b.kind) {
    case STEP_BALANCE:
        return std::make_unique<CColorBalanceCommand>(b.nMode == BALANCE_MODE_BRIGHT ? "亮平衡" : "暗平衡", pCell,
                                                      b.nChannel, b.bUp ? 1 : 0, b.nMode);
    case STEP_BRIGHTNESS:
        return std::make_unique<CPictureStepCommand>(pCell, CPictureStepCommand::BRIGHTNESS, b.bUp);
    case STEP_CONTRAST:
        return std::make_unique<CPictureStepCommand>(pCell, CPictureStepCommand::CONTRAST, b.bUp);
    case STEP_SATURATION:
        return std::make_unique<CPictureStepCommand>(pCell, CPictureStepCommand::SATURATION, b.bUp);
    }
    return nullptr;
}

// SetEdgeMask's state byte for the hidden choice: neither radio button checked sends 4.
const int EDGE_MASK_UNCHOSEN = 4;
// SetStartupImage codes.
const int IMAGE_BASEMAP_ON = 4;
const int IMAGE_BASEMAP_OFF = 3;
const int IMAGE_SPLASH_ON = 1;
const int IMAGE_SPLASH_OFF = 0;

}  // namespace

BOOL CParamDlg::s_bStepRunning = FALSE;

BEGIN_MESSAGE_MAP(CParamDlg, CLuDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_PARAM_EDGE_ON, OnEdgeMaskOn)
    ON_BN_CLICKED(IDC_PARAM_EDGE_OFF, OnEdgeMaskOff)
    ON_BN_CLICKED(IDC_PARAM_EDGE_SEND, OnEdgeMaskSend)
    ON_BN_CLICKED(IDC_PARAM_AUTO_POSITION, OnAutoPosition)
    ON_BN_CLICKED(IDC_PARAM_BALANCE_RESET, OnBalanceReset)
    ON_BN_CLICKED(IDC_PARAM_PICTURE_RESET, OnPictureReset)
    ON_BN_CLICKED(IDC_PARAM_MENU_ON, OnMenuOn)
    ON_BN_CLICKED(IDC_PARAM_MENU_OFF, OnMenuOff)
    ON_BN_CLICKED(IDC_PARAM_BASEMAP_ON, OnBaseMapOn)
    ON_BN_CLICKED(IDC_PARAM_BASEMAP_OFF, OnBaseMapOff)
    ON_BN_CLICKED(IDC_PARAM_SPLASH_ON, OnSplashOn)
    ON_BN_CLICKED(IDC_PARAM_SPLASH_OFF, OnSplashOff)
    ON_BN_CLICKED(IDC_PARAM_CLOSE, OnCloseButton)
END_MESSAGE_MAP()

CParamDlg::CParamDlg(CWnd* pOwner, CCell* pCell) : CLuDialog(IDD, pOwner), m_pCell(pCell) {}

BOOL CParamDlg::IsRepeatingButton(UINT nID) { return FindStep(nID) != nullptr; }

// ---- Press and hold ----

BOOL CParamDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    switch (HIWORD(wParam)) {
    case LU_BN_PUSHED:
        if (lParam != 0) {
            BeginHold(nID);
            return TRUE;
        }
        break;
    case LU_BN_RELEASED:
        if (lParam != 0) {
            StopRepeat();
            return TRUE;
        }
        break;
    case LU_BN_CLICKED:
        StopRepeat();
        break;
    default:
        break;
    }
    return CLuDialog::OnCommand(wParam, lParam);
}

void CParamDlg::BeginHold(UINT nID)
{
    StopRepeat();
    if (!IsRepeatingButton(nID))
        return;
    m_nHeld = nID;
    // The repetition starts only after a first step the device took, so a failing step is
    // reported once.
    if (!RunHeld())
        return;
    if (IsStillHeld())
        m_nTimer = SetTimer(REPEAT_TIMER, REPEAT_PERIOD);
    else
        m_nHeld = 0;
}

void CParamDlg::StopRepeat()
{
    if (m_nTimer != 0 && m_hWnd != nullptr)
        KillTimer(REPEAT_TIMER);
    m_nTimer = 0;
    m_nHeld = 0;
}

BOOL CParamDlg::IsStillHeld() const
{
    HWND hButton = ::GetDlgItem(m_hWnd, static_cast<int>(m_nHeld));
    return hButton != nullptr && ::GetCapture() == hButton &&
           (::SendMessageW(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void CParamDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != REPEAT_TIMER) {
        CLuDialog::OnTimer(nIDEvent);
        return;
    }
    // Whatever the button told us, a button no longer held sends nothing more.
    if (!IsStillHeld()) {
        StopRepeat();
        return;
    }
    if (!s_bStepRunning)
        RunHeld();
}

BOOL CParamDlg::RunHeld()
{
    const StepButton* pStep = FindStep(m_nHeld);
    if (pStep == nullptr)
        return FALSE;
    std::unique_ptr<DeviceCommand> command = MakeStep(*pStep, m_pCell);
    s_bStepRunning = TRUE;
    const int result = runDirect(*command);
    s_bStepRunning = FALSE;
    if (result == RUN_OK)
        return TRUE;
    StopRepeat();
    AfxMessageBox(command->Message());
    return FALSE;
}

void CParamDlg::OnDestroy()
{
    StopRepeat();
    CLuDialog::OnDestroy();
}

// ---- Single-shot buttons ----

void CParamDlg::RunOnce(DeviceCommand& command)
{
    if (runWithProgress(command) != RUN_OK)
        AfxMessageBox(command.Message());
}

void CParamDlg::OnEdgeMaskOn()
{
    CEdgeMaskCommand command("打开边缘屏蔽", 1);
    RunOnce(command);
}

void CParamDlg::OnEdgeMaskOff()
{
    CEdgeMaskCommand command("关闭边缘屏蔽", 0);
    RunOnce(command);
}

void CParamDlg::OnEdgeMaskSend()
{
    int nState = EDGE_MASK_UNCHOSEN;
    if (IsDlgButtonChecked(IDC_PARAM_EDGE_RADIO_ON) == BST_CHECKED)
        nState = 1;
    else if (IsDlgButtonChecked(IDC_PARAM_EDGE_RADIO_OFF) == BST_CHECKED)
        nState = 0;
    CEdgeMaskCommand command("打开或关闭边缘屏蔽", nState);
    RunOnce(command);
}

void CParamDlg::OnAutoPosition()
{
    CAutoPositionCommand command(m_pCell);
    RunOnce(command);
}

void CParamDlg::OnBalanceReset()
{
    CColorBalanceCommand command("亮平衡复位", m_pCell, 2, 0, 2);
    RunOnce(command);
}

void CParamDlg::OnPictureReset()
{
    CResetPictureCommand command(m_pCell);
    RunOnce(command);
}

void CParamDlg::OnMenuOn()
{
    CMenuCommand command(m_pCell, true);
    RunOnce(command);
}

void CParamDlg::OnMenuOff()
{
    CMenuCommand command(m_pCell, false);
    RunOnce(command);
}

void CParamDlg::OnBaseMapOn()
{
    CStartupImageCommand command(IMAGE_BASEMAP_ON);
    RunOnce(command);
}

void CParamDlg::OnBaseMapOff()
{
    CStartupImageCommand command(IMAGE_BASEMAP_OFF);
    RunOnce(command);
}

void CParamDlg::OnSplashOn()
{
    CStartupImageCommand command(IMAGE_SPLASH_ON);
    RunOnce(command);
}

void CParamDlg::OnSplashOff()
{
    CStartupImageCommand command(IMAGE_SPLASH_OFF);
    RunOnce(command);
}

void CParamDlg::OnCloseButton() { EndDialog(IDOK); }
