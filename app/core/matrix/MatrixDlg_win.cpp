#include "app/core/matrix/MatrixDlg.h"

#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/matrix/MatrixRows.h"
#include "app/core/profile/ProfileState.h"
#include "app/res/MatrixRes.h"
#include "fx/win/WinApp.h"

BEGIN_MESSAGE_MAP(CMatrixDlg, CLuDialog)
    ON_WM_CLOSE()
    ON_CONTROL_RANGE(BN_CLICKED, IDC_MATRIX_DVI_SWITCH, IDC_MATRIX_COMMON_SWITCH, OnSwitch)
END_MESSAGE_MAP()

namespace {

void AddItem(HWND hDlg, UINT nID, const CString& text)
{
    ::SendDlgItemMessageW(hDlg, static_cast<int>(nID), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.ToWide().c_str()));
}

int Selection(HWND hDlg, UINT nID)
{
    return static_cast<int>(::SendDlgItemMessageW(hDlg, static_cast<int>(nID), CB_GETCURSEL, 0, 0));
}

}  // namespace

CMatrixDlg::CMatrixDlg(CWnd* pParent)
    : CMatrixDlg(configuredSystem(), matrixConfig(), deviceLink(), pParent)
{
}

CMatrixDlg::CMatrixDlg(const SystemConfig& configured, const MatrixConfig& matrices, CComm* pComm, CWnd* pParent)
    : CLuDialog(IDD_MATRIX_SWITCH, pParent), m_configured(configured), m_matrices(matrices), m_pComm(pComm)
{
}

BOOL CMatrixDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    for (int nRow = 0; nRow < MATRIX_ROWS; ++nRow)
        FillRow(nRow);
    return TRUE;
}

void CMatrixDlg::FillRow(int nRow)
{
    const MatrixRow& row = matrixRow(nRow);
    HWND hDlg = GetSafeHwnd();
    const int nListed = matrixRowListed(m_configured, nRow);
    const BOOL bEnable = nListed > 0 ? TRUE : FALSE;
    for (UINT nID : {row.nInputList, row.nButton, row.nOutputList})
        ::EnableWindow(::GetDlgItem(hDlg, static_cast<int>(nID)), bEnable);
    if (!bEnable)
        return;
    const MatrixBlock& block = m_matrices[row.nMatrix];
    for (int i = 0; i < nListed; ++i)
        AddItem(hDlg, row.nInputList, block.inputName(i));
    for (int n = 1; n <= MATRIX_OUTPUTS; ++n)
        AddItem(hDlg, row.nOutputList, matrixOutputText(n));
    ::SendDlgItemMessageW(hDlg, static_cast<int>(row.nInputList), CB_SETCURSEL, 0, 0);
    ::SendDlgItemMessageW(hDlg, static_cast<int>(row.nOutputList), CB_SETCURSEL, 0, 0);
}

CString CMatrixDlg::SwitchRow(int nRow)
{
    const MatrixRow& row = matrixRow(nRow);
    const int nInput = Selection(GetSafeHwnd(), row.nInputList);
    const int nOutput = Selection(GetSafeHwnd(), row.nOutputList);
    return switchMatrixRow(m_pComm, m_matrices, nRow, nInput, nOutput);
}

void CMatrixDlg::OnSwitch(UINT nID)
{
    for (int nRow = 0; nRow < MATRIX_ROWS; ++nRow) {
        if (matrixRow(nRow).nButton != nID)
            continue;
        const CString message = SwitchRow(nRow);
        if (!message.IsEmpty())
            Tell(message);
        return;
    }
}

void CMatrixDlg::Tell(LPCSTR lpszText)
{
    AfxMessageBox(lpszText);
}

void CMatrixDlg::OnClose()
{
    EndDialog(IDCANCEL);
}

void openMatrixDialog(CWnd* pParent)
{
    if (g_nOnline == 0) {
        AfxMessageBox("当前为脱机状态,请联机!");
        return;
    }
    CMatrixDlg dialog(pParent);
    dialog.DoModal();
}
