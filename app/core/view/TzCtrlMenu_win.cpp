// The wall view control's popup "POP": building it for the current state, showing it, and the
// enabled and checked states of its items when it opens.
#include "app/core/view/TzCtrl.h"

#include "app/core/view/InputMenu.h"
#include "app/res/WallViewRes.h"

namespace {

// Position of an item by its command id in a popup, or -1.
int positionOf(const CMenu& menu, UINT nID)
{
    const UINT count = menu.GetMenuItemCount();
    for (UINT i = 0; i < count; ++i)
        if (menu.GetMenuItemID(static_cast<int>(i)) == nID)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

void CTzCtrl::fillInputMenu(CMenu* submenu, int inputType)
{
    if (submenu == nullptr)
        return;
    const std::vector<InputMenuItem> items = matrixInputItems(inputType);
    const int local = positionOf(*submenu, localInputId(inputType));
    if (items.empty() || local < 0)
        return;
    UINT position = static_cast<UINT>(local);
    for (const InputMenuItem& item : items) {
        const UINT flags = MF_BYPOSITION | MF_STRING | (item.columnBreak ? MF_MENUBARBREAK : 0);
        submenu->InsertMenu(position++, flags, item.id, item.text);
    }
    submenu->DeleteMenu(localInputId(inputType), MF_BYCOMMAND);
}

BOOL CTzCtrl::buildContextMenu(CMenu& menu)
{
    if (!menu.LoadMenu(IDR_WALL_MENU))
        return FALSE;
    CMenu* popup = menu.GetSubMenu(WALL_MENU_POP);
    if (popup == nullptr)
        return FALSE;
    fillInputMenu(popup->GetSubMenu(POP_MENU_DVI), INPUT_DVI);
    fillInputMenu(popup->GetSubMenu(POP_MENU_VGA), INPUT_VGA);
    fillInputMenu(popup->GetSubMenu(POP_MENU_CVBS), INPUT_CVBS);
    return TRUE;
}

void CTzCtrl::trackContextMenu(CMenu& popup, CPoint screen)
{
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void CTzCtrl::OnContextMenu(CWnd*, CPoint point)
{
    // Every entry works on the current cell or window: without one there is nothing to offer.
    if (m_editor.currentCell() == nullptr)
        return;
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: at the middle of what is current.
        const CCell* target = m_editor.inputTarget();
        const WallRect& rc = target->rect();
        point = CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        ClientToScreen(&point);
    }
    CMenu menu;
    if (!buildContextMenu(menu))
        return;
    trackContextMenu(*menu.GetSubMenu(WALL_MENU_POP), point);
}

void CTzCtrl::applyCommandStates(CMenu& popup)
{
    const UINT count = popup.GetMenuItemCount();
    for (UINT i = 0; i < count; ++i) {
        const UINT id = popup.GetMenuItemID(static_cast<int>(i));
        // Separators (0) and sub-menus (-1) have no command.
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        const CommandState state = m_editor.commandState(id);
        popup.EnableMenuItem(i, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        popup.CheckMenuItem(i, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CTzCtrl::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    applyCommandStates(*pPopupMenu);
}
