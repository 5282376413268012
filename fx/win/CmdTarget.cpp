#include "fx/win/CmdTarget.h"

#include "fx/win/Text.h"
#include "fx/win/Wnd.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                     UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e) {
            if (e->pnMessage == nullptr && e->nMessage == nMessage && e->nCode == nCode &&
                nID >= e->nID && nID <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The high word of a notification carries WM_NOTIFY; plain commands and the update
    // question have none.
    UINT nMessage = WM_COMMAND;
    UINT code = static_cast<UINT>(CN_UPDATE_COMMAND_UI);
    if (nCode != CN_UPDATE_COMMAND_UI) {
        nMessage = HIWORD(static_cast<UINT>(nCode));
        code = LOWORD(static_cast<UINT>(nCode));
        if (nMessage == 0)
            nMessage = WM_COMMAND;
    }
    const AFX_MSGMAP_ENTRY* entry = FindCommandEntry(GetMessageMap(), nMessage, code, nID);
    if (entry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = entry;
        return TRUE;
    }
    fx::MsgCall call{nMessage, 0, 0, nID, nCode, pExtra, 0};
    return entry->pfn(this, call);
}

BOOL CCmdTarget::DoUpdateCmdUI(CCmdUI* pCmdUI)
{
    return OnCmdMsg(pCmdUI->m_nID, CN_UPDATE_COMMAND_UI, pCmdUI, nullptr);
}

// ---- CCmdUI ----

void CCmdUI::Enable(BOOL bOn)
{
    if (m_hMenu != nullptr) {
        if (m_hSubMenu == nullptr)  // a popup's own item follows its contents, not a command
            ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther != nullptr) {
        HWND hWnd = m_pOther->GetSafeHwnd();
        // A control about to be disabled hands the focus on first, or the keyboard is lost.
        if (!bOn && ::GetFocus() == hWnd) {
            HWND hParent = ::GetParent(hWnd);
            ::SendMessageW(hParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_hMenu != nullptr) {
        if (m_hSubMenu == nullptr)
            ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr) {
        HWND hWnd = m_pOther->GetSafeHwnd();
        if (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageW(hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_hMenu != nullptr && m_hSubMenu == nullptr) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        if (::GetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info)) {
            info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~static_cast<UINT>(MFT_RADIOCHECK));
            ::SetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
        }
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_hMenu != nullptr) {
        if (m_hSubMenu != nullptr)
            return;
        std::wstring text = fx::ToWide(lpszText);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = text.data();
        ::SetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
    } else if (m_pOther != nullptr) {
        // Setting the same text again would only flicker.
        if (m_pOther->GetWindowText() != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and unnamed static controls have no state
    m_bEnableChanged = FALSE;
    const BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
