#include "app/core/preset/PresetSceneDlg.h"

#include "app/core/profile/ProfilePaths.h"
#include "app/res/WallViewRes.h"
#include "fx/win/WinApp.h"

// ---- Prompts ----

BOOL MessageBoxPrompts::ask(LPCSTR question)
{
    return AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void MessageBoxPrompts::tell(LPCSTR text, UINT type) { AfxMessageBox(text, type); }

// ---- Rename dialog ----

CPresetRenameDlg::CPresetRenameDlg(PresetScenes& presets, int n, CWnd* pParent)
    : CLuDialog(IDD_PRESET_RENAME, pParent), m_presets(presets), m_nPreset(n)
{
}

BOOL CPresetRenameDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    if (CWnd* edit = GetDlgItem(IDC_PRESET_NEW_NAME))
        edit->SetFocus();
    return FALSE;
}

void CPresetRenameDlg::OnOK()
{
    CString name;
    GetDlgItemText(IDC_PRESET_NEW_NAME, name);
    if (!m_presets.rename(m_nPreset, name))
        return;
    m_strName = name;
    EndDialog(IDOK);
}

// ---- Panel ----

BEGIN_MESSAGE_MAP(CPresetSceneDlg, CLuDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PRESET_0, IDC_PRESET_19, OnPresetButton)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PRESET_1, IDC_PRESET_18, OnPresetButton)
    ON_COMMAND(ID_PRESET_LOAD, OnLoad)
    ON_COMMAND(ID_PRESET_SAVE_SEND, OnSaveAndSend)
    ON_COMMAND(ID_PRESET_DELETE, OnDelete)
    ON_COMMAND(ID_PRESET_RENAME, OnRename)
END_MESSAGE_MAP()

CPresetSceneDlg::CPresetSceneDlg(PresetSceneOps& ops, CWnd* pParent)
    : CLuDialog(IDD_PRESET_PANEL, pParent), m_presets(ops, m_defaultPrompts, programDirectory()),
      m_nClicked(-1), m_nClickedControl(0)
{
}

CPresetSceneDlg::CPresetSceneDlg(PresetSceneOps& ops, PresetPrompts& prompts,
                                 const CString& programDir, CWnd* pParent)
    : CLuDialog(IDD_PRESET_PANEL, pParent), m_presets(ops, prompts, programDir), m_nClicked(-1),
      m_nClickedControl(0)
{
}

BOOL CPresetSceneDlg::Create(CWnd* pParent) { return CLuDialog::Create(IDD_PRESET_PANEL, pParent); }

BOOL CPresetSceneDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    for (int n = 0; n < kPresetCount; ++n)
        SetDlgItemText(static_cast<int>(kPresetButtonIds[n]), PresetScenes::caption(n));
    return TRUE;
}

BOOL CPresetSceneDlg::BuildPresetMenu(CMenu& menu, int n) const
{
    if (!menu.LoadMenu(IDR_WALL_MENU))
        return FALSE;
    CMenu* popup = menu.GetSubMenu(WALL_MENU_BTNPOP);
    if (popup == nullptr)
        return FALSE;
    if (!m_presets.offersDelete(n)) {
        // The item goes with the separator after it, so no two separators meet.
        const UINT count = popup->GetMenuItemCount();
        for (UINT i = 0; i < count; ++i) {
            if (popup->GetMenuItemID(static_cast<int>(i)) != ID_PRESET_DELETE)
                continue;
            popup->DeleteMenu(i, MF_BYPOSITION);
            if (i < popup->GetMenuItemCount() && popup->GetMenuItemID(static_cast<int>(i)) == 0)
                popup->DeleteMenu(i, MF_BYPOSITION);
            break;
        }
    }
    return TRUE;
}

void CPresetSceneDlg::TrackPresetMenu(CMenu& popup, CPoint screen)
{
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void CPresetSceneDlg::OnPresetButton(UINT nID)
{
    const int n = presetOfButton(nID);
    if (n < 0)
        return;
    m_nClicked = n;
    m_nClickedControl = nID;
    CMenu menu;
    if (!BuildPresetMenu(menu, n))
        return;
    RECT rc{};
    if (CWnd* button = GetDlgItem(static_cast<int>(nID)))
        button->GetWindowRect(&rc);
    TrackPresetMenu(*menu.GetSubMenu(WALL_MENU_BTNPOP), CPoint(rc.right, rc.bottom));
}

void CPresetSceneDlg::OnLoad()
{
    if (m_nClicked >= 0)
        m_presets.load(m_nClicked);
}

void CPresetSceneDlg::OnSaveAndSend()
{
    if (m_nClicked >= 0)
        m_presets.saveAndSend(m_nClicked);
}

void CPresetSceneDlg::OnDelete()
{
    if (m_nClicked >= 0)
        m_presets.remove(m_nClicked);
}

void CPresetSceneDlg::OnRename()
{
    if (m_nClicked < 0)
        return;
    CPresetRenameDlg dialog(m_presets, m_nClicked, this);
    if (dialog.DoModal() != IDOK)
        return;
    SetDlgItemText(static_cast<int>(m_nClickedControl), dialog.NewName());
}
