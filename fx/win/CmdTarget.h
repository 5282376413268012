// Command targets and message maps. A class that handles messages or commands lists them in a
// static table (its message map) with a pointer to its base class's table; dispatch walks the
// tables from the most derived class to CCmdTarget, so a derived entry hides a base entry for
// the same message or command and everything else falls through to the base handlers.
#pragma once

#include "fx/core/Object.h"

#include <windows.h>

class CCmdTarget;
class CCmdUI;
class CWnd;

// Notification codes carried with a command: a plain command, and the question whether the
// command is enabled (the extra pointer is then the CCmdUI).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (-1)

// Messages the framework sends itself.
#define WM_IDLEUPDATECMDUI 0x0363  // wParam: disable commands that have no handler
#define WM_RECALCPARENT 0x0368
#define WM_SIZEPARENT 0x0361
#define WM_KICKIDLE 0x036A         // a modal loop went idle; lParam: idle count

// A control's notification offered back to the control itself (message + this base).
#define WM_REFLECT_BASE 0xBC00
// Catch-all key for the WM_CTLCOLOR* family in message maps.
#define WM_CTLCOLOR 0x0019

namespace fx {

// One call being dispatched: the message with its parameters, the command fields when it is a
// command, and the result the handler leaves.
struct MsgCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    int nCode;
    void* pExtra;
    LRESULT result;
};

// Calls the handler an entry names with the arguments unpacked from the call. Returns FALSE
// only for handlers that decline (the _EX forms), so routing goes on.
using MsgThunk = BOOL (*)(CCmdTarget* target, MsgCall& call);

}  // namespace fx

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;           // window message, WM_COMMAND or WM_NOTIFY (reflected: + WM_REFLECT_BASE)
    UINT nCode;              // notification code for commands and notifications
    UINT nID;                // first command or control id
    UINT nLastID;            // last id of a range (equal to nID for one)
    const UINT* pnMessage;   // registered message: its number is known only at run time
    fx::MsgThunk pfn;        // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled instead of calling the handler, to learn whether a target handles a command.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

// The extra data of a WM_NOTIFY routed as a command.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Routes one command (nCode: CN_COMMAND, CN_UPDATE_COMMAND_UI or a control notification
    // code, with WM_NOTIFY in the high word for notifications). The base looks in this object's
    // message maps only; frames, views and containers override it to offer the command to
    // other targets as well. TRUE when a handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Called when the last reference goes; windows destroy themselves here.
    virtual void OnFinalRelease() { delete this; }

    // Runs the update handler for pCmdUI's id, if this target has one.
    BOOL DoUpdateCmdUI(CCmdUI* pCmdUI);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    // The first entry of the map chain for a command or notification: nMessage WM_COMMAND or
    // WM_NOTIFY (or their reflected forms), a code and an id.
    static const AFX_MSGMAP_ENTRY* FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                    UINT nCode, UINT nID);
};

// The state of one command's user interface (a menu item, a bar button, a dialog control)
// handed to update handlers: they enable, check or retitle it without knowing what it is.
class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    // An update handler that wants a later target to decide as well.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Offers this state to the target; when nobody handled it and bDisableIfNoHndler is set,
    // the item is disabled unless the target handles the command itself.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;          // position in the menu or bar
    HMENU m_hMenu = nullptr;    // the popup holding the item, or null
    HMENU m_hSubMenu = nullptr; // the item's own popup when it opens one
    CWnd* m_pOther = nullptr;   // the control or bar otherwise
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
