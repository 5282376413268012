// CLuCmdMsgPumper: lets a container offer a command to another window (a child) without the
// two offering it back and forth for ever: while a pump runs, its owner is on the pump stack,
// and a command arriving back at the owner, or sent to the window already being pumped, stops.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/LuLibDefs.h"

class LULIB_API CLuCmdMsgPumper {
public:
    CLuCmdMsgPumper();
    ~CLuCmdMsgPumper();
    CLuCmdMsgPumper(const CLuCmdMsgPumper&) = delete;
    CLuCmdMsgPumper& operator=(const CLuCmdMsgPumper&) = delete;

    void InitPumper(CWnd* pOwner);
    BOOL Pump(CWnd* pTarget, UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo);

    CWnd* m_pOwner = nullptr;
    // The window whose pump is running (process-wide; the user-interface thread only).
    static CWnd* m_pPumpStack;
};
