#include "app/shell/dialogs/TransparencyDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/PipCommands.h"
#include "app/core/wall/Cell.h"
#include "app/shell/DialogItems.h"
#include "fx/win/WinApp.h"

BEGIN_MESSAGE_MAP(CTransparencyDlg, CLuDialog)
    ON_BN_CLICKED(IDC_TRANSPARENCY_SEND, OnSend)
END_MESSAGE_MAP()

CTransparencyDlg::CTransparencyDlg(CCell* pWindow, CWnd* pParent)
    : CLuDialog(IDD, pParent), m_pWindow(pWindow)
{
}

BOOL CTransparencyDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    if (m_pWindow == nullptr || m_pWindow->getKind() != CELL_KIND_PIP)
        return TRUE;
    for (int level = 0; level <= LEVEL_MAX; ++level) {
        CString text;
        text.Format("%d", level);
        dlgitem::AddString(m_hWnd, IDC_TRANSPARENCY_LEVEL, text, level);
    }
    // A stored level above the list shows as its top; a negative one selects nothing.
    const int stored = static_cast<CPIPCell*>(m_pWindow)->transparency();
    if (stored >= 0)
        dlgitem::SetCurSel(m_hWnd, IDC_TRANSPARENCY_LEVEL, stored > LEVEL_MAX ? LEVEL_MAX : stored);
    return TRUE;
}

void CTransparencyDlg::OnSend()
{
    const int nIndex = dlgitem::GetCurSel(m_hWnd, IDC_TRANSPARENCY_LEVEL);
    if (nIndex < 0 || m_pWindow == nullptr || m_pWindow->getKind() != CELL_KIND_PIP)
        return;
    CPIPCell* pPip = static_cast<CPIPCell*>(m_pWindow);
    const int level = static_cast<int>(dlgitem::GetItemData(m_hWnd, IDC_TRANSPARENCY_LEVEL, nIndex)) & 0xFF;
    CPipTransparencyCommand command(pPip->number(), level);
    if (runWithProgress(command) != RUN_OK) {
        AfxMessageBox(command.Message());
        return;
    }
    pPip->setTransparency(level);
}
