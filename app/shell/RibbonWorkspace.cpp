#include "app/shell/RibbonWorkspace.h"

#include "app/core/profile/ProfileRecords.h"
#include "app/shell/MainFrame.h"
#include "app/shell/WorkspacePage.h"
#include "fx/win/Menu.h"
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/menu/Menu.h"

#include <commctrl.h>

namespace {

const UINT PLAIN_TOOLBAR_ID = 59392;

}  // namespace

BEGIN_MESSAGE_MAP(CRibbonWorkspace, CCmdTarget)
    ON_NOTIFY_RANGE(TBN_DROPDOWN, CRibbonWorkspace::TAB_TOOLBAR_FIRST_ID, CRibbonWorkspace::TAB_TOOLBAR_FIRST_ID + 0xFF,
                    OnTabDropDown)
    ON_COMMAND_RANGE(CRibbonWorkspace::RIBBON_FIRST_COMMAND, CRibbonWorkspace::RIBBON_LAST_COMMAND, OnRibbonCommand)
    ON_UPDATE_COMMAND_UI_RANGE(CRibbonWorkspace::RIBBON_FIRST_COMMAND, CRibbonWorkspace::RIBBON_LAST_COMMAND,
                               OnUpdateRibbonCommand)
END_MESSAGE_MAP()

CRibbonWorkspace::CRibbonWorkspace(CMainFrame* pFrame) : m_pFrame(pFrame) {}

CRibbonWorkspace::~CRibbonWorkspace() = default;

BOOL CRibbonWorkspace::Create()
{
    m_wndToolBar.SafeShowBar(FALSE);
    m_wndRibbon.SafeShowBar(TRUE);
    m_pFrame->ShowMainMenuBar(FALSE);
    m_pFrame->RecalcLayout(TRUE);
    return TRUE;
}

void CRibbonWorkspace::Destroy()
{
    // The tab toolbars are children of the ribbon: their windows go before the ribbon's.
    for (int i = 0; i < m_nTabs; ++i) {
        if (m_pTabBars[i].GetSafeHwnd() != nullptr)
            m_pTabBars[i].DestroyWindow();
    }
    CLuDockBarMgr& docks = m_pFrame->GetDockBarMgr();
    docks.RemoveBar(&m_wndRibbon);
    docks.RemoveBar(CLuControlBar::FromToolBar(&m_wndToolBar));
    if (m_wndRibbon.GetSafeHwnd() != nullptr)
        m_wndRibbon.DestroyWindow();
    if (m_wndToolBar.GetSafeHwnd() != nullptr)
        m_wndToolBar.DestroyWindow();
    // The frame forgets the menu bar before its window goes.
    if (m_pFrame->GetMenuBar() == &m_wndMenuBar && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->SetMenu(nullptr);
    docks.RemoveBar(CLuControlBar::FromMenuBar(&m_wndMenuBar));
    m_wndMenuBar.DestoryMenu();
    if (m_wndMenuBar.GetSafeHwnd() != nullptr)
        m_wndMenuBar.DestroyWindow();
}

BOOL CRibbonWorkspace::TranslateKey(UINT nChar, UINT)
{
    LRESULT result = 0;
    return m_wndRibbon.TranslateMenuChar(nChar, &result);
}

BOOL CRibbonWorkspace::PreTranslate(MSG* pMsg)
{
    return m_wndRibbon.TranslateKey(pMsg);
}

BOOL CRibbonWorkspace::SetTabImages(int, CLuToolBar*)
{
    return FALSE;
}

CLuToolBar* CRibbonWorkspace::GetTabToolBar(int nTab) const
{
    return nTab >= 0 && nTab < m_nTabs ? &m_pTabBars[nTab] : nullptr;
}

BOOL CRibbonWorkspace::BuildRibbon()
{
    if (!m_wndRibbon.Create(m_pFrame, CRibbonBar::RIBBON_ID))
        return FALSE;
    // The plain toolbar exists for the frame's bar toggles; the ribbon stands in for it.
    if (!m_wndToolBar.Create(m_pFrame, LU_CBRS_NEWROW, PLAIN_TOOLBAR_ID) || !m_pFrame->AddToolBar(&m_wndToolBar))
        return FALSE;
    CLuMenu& menu = m_wndMenuBar.GetMenu();
    m_nTabs = static_cast<int>(m_wndMenuBar.GetMenuItemCount());
    m_pTabBars.reset(new CLuToolBar[static_cast<size_t>(m_nTabs)]);
    m_nFirstRibbonCommand = RIBBON_FIRST_COMMAND;
    for (int i = 0; i < m_nTabs; ++i) {
        wchar_t wide[ITEM_TEXT_MAX + 1] = {};
        ::GetMenuStringW(menu.GetSafeHmenu(), static_cast<UINT>(i), wide, ITEM_TEXT_MAX + 1, MF_BYPOSITION);
        char text[TAB_TEXT_MAX + 1] = {};
        copyGbkCut(text, sizeof(text), CString::FromWide(wide));
        CLuToolBar& bar = m_pTabBars[i];
        if (!bar.Create(&m_wndRibbon, TAB_TOOLBAR_STYLE, TAB_TOOLBAR_FIRST_ID + static_cast<UINT>(i)))
            return FALSE;
        if (!SetTabImages(i, &bar))
            return FALSE;
        if (!FillTab(CMenu::FromHandle(::GetSubMenu(menu.GetSafeHmenu(), i)), &bar))
            return FALSE;
        if (m_wndRibbon.AddTab(text, &bar) < 0)
            return FALSE;
    }
    return m_pFrame->GetDockBarMgr().AddBar(&m_wndRibbon);
}

BOOL CRibbonWorkspace::FillTab(CMenu* pSubMenu, CLuToolBar* pToolBar)
{
    if (pSubMenu == nullptr || pToolBar == nullptr)
        return FALSE;
    HMENU hMenu = pSubMenu->GetSafeHmenu();
    const int nItems = ::GetMenuItemCount(hMenu);
    int nImage = 0;
    for (int i = 0; i < nItems; ++i) {
        wchar_t wide[ITEM_TEXT_MAX + 1] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = wide;
        info.cch = ITEM_TEXT_MAX;
        if (!::GetMenuItemInfoW(hMenu, static_cast<UINT>(i), TRUE, &info))
            return FALSE;
        LUTBBUTTON button = {-1, 0, 0, 0, 0, nullptr};
        CString text;
        if (!(info.fType & MFT_SEPARATOR)) {
            button.iBitmap = nImage++;
            button.idCommand = static_cast<int>(info.wID);
            // A plain item shows its command's prompt string; an item with a sub-menu its own text.
            text = info.hSubMenu != nullptr ? CString::FromWide(wide)
                                            : fx::LoadStringGbk(AfxGetResourceHandle(), info.wID);
            // The sub-menu's handle rides along for the drop-down (handles fit in 32 bits).
            button.dwData = info.hSubMenu != nullptr ? static_cast<DWORD>(HandleToLong(info.hSubMenu)) : 0;
            button.pszText = text;
        }
        const int nIndex = pToolBar->GetButtonCount();
        if (!pToolBar->InsertButton(nIndex, &button))
            return FALSE;
        if (button.idCommand != 0) {
            pToolBar->SetButtonData(nIndex, button.dwData);
            pToolBar->SetButtonShowText(nIndex, TRUE);
            if (info.hSubMenu != nullptr)
                pToolBar->SetButtonDropDown(nIndex, TRUE);
        }
    }
    return TRUE;
}

void CRibbonWorkspace::OnTabDropDown(UINT nID, NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    CLuToolBar* pBar = GetTabToolBar(static_cast<int>(nID) - TAB_TOOLBAR_FIRST_ID);
    const NMTOOLBARA* pInfo = reinterpret_cast<const NMTOOLBARA*>(pNotify);
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    const int nIndex = pBar->CommandToIndex(static_cast<UINT>(pInfo->iItem));
    if (nIndex < 0)
        return;
    CRect rc;
    pBar->GetItemRect(nIndex, &rc);
    pBar->ClientToScreen(&rc);
    HMENU hMenu = static_cast<HMENU>(LongToHandle(static_cast<LONG>(pBar->GetButtonData(nIndex))));
    if (hMenu != nullptr && ::IsMenu(hMenu))
        TrackDropDown(hMenu, CPoint(rc.left, rc.bottom + 1));
}

void CRibbonWorkspace::TrackDropDown(HMENU hMenu, CPoint ptScreen)
{
    CLuMenu popup;
    popup.AttachMenu(hMenu);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, ptScreen.x, ptScreen.y, AfxGetMainWnd());
    popup.DetachMenu();
}

void CRibbonWorkspace::OnRibbonCommand(UINT)
{
}

void CRibbonWorkspace::OnUpdateRibbonCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

BOOL CRibbonWorkspace::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pActivePage != nullptr && m_pActivePage->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CRibbonWorkspace::ActivatePage(int nPage, CCmdTarget* pTarget)
{
    CWorkspacePage* pPage = dynamic_cast<CWorkspacePage*>(pTarget);
    if (m_pActivePage != nullptr)
        m_pActivePage->OnPageActivate(FALSE);
    m_pActivePage = pPage;
    m_wndBook.SetCurSel(nPage - PAGE_NUMBER_BASE);
    if (pPage != nullptr)
        pPage->OnPageActivate(TRUE);
    OnPageActivated(pPage);
    m_pFrame->SetActiveWindow();
}
