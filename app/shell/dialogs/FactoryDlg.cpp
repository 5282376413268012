#include "app/shell/dialogs/FactoryDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/profile/ProfileState.h"
#include "app/shell/DialogItems.h"
#include "app/shell/dialogs/DialogRules.h"
#include "fx/win/WinApp.h"

#include <memory>
#include <utility>

namespace {

// The geometry edits in the order of the block: width, height, left, right, top, bottom.
const UINT kGeometryEdits[dlgrules::PANEL_VALUES] = {IDC_FAC_WIDTH, IDC_FAC_HEIGHT, IDC_FAC_LEFT,
                                                     IDC_FAC_RIGHT, IDC_FAC_TOP,    IDC_FAC_BOTTOM};

// Block kinds of the power-up commands this dialog writes.
const int BLOCK_DRV = 10;
const int BLOCK_MPD = 11;
const int BLOCK_SUBTITLE = 12;
const int BLOCK_SHIELD_EDGE = 13;
// The MPD block's value: 1 for the first resolution, 7 for any later one.
const int MPD_FIRST_RESOLUTION = 1;
const int MPD_OTHER_RESOLUTION = 7;

void ShowFailure(DeviceCommand& command)
{
    if (runWithProgress(command) != RUN_OK)
        AfxMessageBox(command.Message());
}

}  // namespace

BEGIN_MESSAGE_MAP(CFactoryDlg, CLuDialog)
    ON_UPDATE_COMMAND_UI(IDC_FAC_SEND, OnUpdateSend)
    ON_BN_CLICKED(IDC_FAC_SEND, OnSend)
    ON_BN_CLICKED(IDC_FAC_MONITOR, OnMonitorScene)
    ON_BN_CLICKED(IDC_FAC_NATURAL, OnNaturalScene)
    ON_BN_CLICKED(IDC_FAC_DRV_SEND, OnDrvSend)
    ON_BN_CLICKED(IDC_FAC_MPD_SEND, OnMpdSend)
    ON_BN_CLICKED(IDC_FAC_SUBTITLE_SEND, OnSubtitleSend)
END_MESSAGE_MAP()

CFactoryDlg::CFactoryDlg(CWnd* pParent) : CLuDialog(IDD, pParent) {}

CFactoryDlg::CFactoryDlg(const CString& profileDirectory, CWnd* pParent)
    : CLuDialog(IDD, pParent), m_store(profileDirectory)
{
}

BOOL CFactoryDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    const SystemConfig& working = workingSystem();
    dlgrules::BoardRange(working.mpdCount, working.wallColumns, working.wallRows, &m_nFirstBoard, &m_nLastBoard);
    CString text;
    text.Format("%d", m_nFirstBoard);
    SetDlgItemText(IDC_FAC_BOARD_FROM, text);
    text.Format("%d", m_nLastBoard);
    SetDlgItemText(IDC_FAC_BOARD_TO, text);
    PanelGeometry panel;
    m_store.readPanel(panel);
    const int values[dlgrules::PANEL_VALUES] = {panel.width,     panel.height,  panel.leftEdge,
                                                panel.rightEdge, panel.topEdge, panel.bottomEdge};
    for (int i = 0; i < dlgrules::PANEL_VALUES; ++i) {
        text.Format("%d", values[i]);
        SetDlgItemText(static_cast<int>(kGeometryEdits[i]), text);
    }
    return TRUE;
}

CString CFactoryDlg::ItemText(UINT nID) const { return dlgitem::GetText(m_hWnd, static_cast<int>(nID)); }

BOOL CFactoryDlg::CanSend() const
{
    CString texts[dlgrules::PANEL_VALUES];
    const char* values[dlgrules::PANEL_VALUES];
    for (int i = 0; i < dlgrules::PANEL_VALUES; ++i) {
        texts[i] = ItemText(kGeometryEdits[i]);
        values[i] = texts[i];
    }
    return dlgrules::FactorySendAllowed(values, ItemText(IDC_FAC_BOARD_FROM), ItemText(IDC_FAC_BOARD_TO),
                                        m_nFirstBoard, m_nLastBoard)
               ? TRUE
               : FALSE;
}

void CFactoryDlg::OnUpdateSend(CCmdUI* pCmdUI) { pCmdUI->Enable(CanSend()); }

void CFactoryDlg::OnSend()
{
    if (!CanSend())
        return;
    int values[dlgrules::PANEL_VALUES] = {};
    for (int i = 0; i < dlgrules::PANEL_VALUES; ++i)
        dlgrules::ReadNumber(ItemText(kGeometryEdits[i]), 0, &values[i]);
    int nFrom = 0;
    int nTo = 0;
    dlgrules::ReadNumber(ItemText(IDC_FAC_BOARD_FROM), 0, &nFrom);
    dlgrules::ReadNumber(ItemText(IDC_FAC_BOARD_TO), 0, &nTo);
    if (nTo < nFrom)
        std::swap(nFrom, nTo);

    PanelSizeValues size;
    size.nWidth = values[0];
    size.nHeight = values[1];
    size.nLeft = values[2];
    size.nRight = values[3];
    size.nTop = values[4];
    size.nBottom = values[5];
    CPanelSizeCommand panelSize(nFrom, nTo, size);
    ShowFailure(panelSize);

    // The profile and the power-up block follow whatever the boards answered: they are what the
    // operator typed, and the device reads the block at its next start.
    PanelGeometry panel;
    m_store.readPanel(panel);
    panel.width = size.nWidth;
    panel.height = size.nHeight;
    panel.leftEdge = size.nLeft;
    panel.rightEdge = size.nRight;
    panel.topEdge = size.nTop;
    panel.bottomEdge = size.nBottom;
    m_store.writePanel(panel);

    unsigned char block[dlgrules::PANEL_BLOCK_BYTES];
    dlgrules::PanelBlock(values, block);
    CTransferCommand transfer(BLOCK_SHIELD_EDGE, block, dlgrules::PANEL_BLOCK_BYTES);
    ShowFailure(transfer);
}

void CFactoryDlg::OnMonitorScene()
{
    std::unique_ptr<DeviceCommand> command = CreateCommand("监控场景");
    ShowFailure(*command);
}

void CFactoryDlg::OnNaturalScene()
{
    std::unique_ptr<DeviceCommand> command = CreateCommand("自然场景");
    ShowFailure(*command);
}

void CFactoryDlg::SendBlock(int nKind, int nValue)
{
    const unsigned char data = static_cast<unsigned char>(nValue);
    CTransferCommand command(nKind, &data, 1);
    ShowFailure(command);
}

void CFactoryDlg::OnDrvSend() { SendBlock(BLOCK_DRV, dlgitem::GetCurSel(m_hWnd, IDC_FAC_DRV_RESOLUTION)); }

void CFactoryDlg::OnMpdSend()
{
    const int nIndex = dlgitem::GetCurSel(m_hWnd, IDC_FAC_MPD_RESOLUTION);
    SendBlock(BLOCK_MPD, nIndex >= 1 ? MPD_OTHER_RESOLUTION : MPD_FIRST_RESOLUTION);
}

void CFactoryDlg::OnSubtitleSend() { SendBlock(BLOCK_SUBTITLE, dlgitem::GetCurSel(m_hWnd, IDC_FAC_SUBTITLE_SOURCE)); }
