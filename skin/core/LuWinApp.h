// CLuWinApp: the application base of skinned programs. It creates the main frame with its main
// child context and gives the frame's menu bar the first look at keyboard messages.
#pragma once

#include "fx/win/FrameWnd.h"
#include "fx/win/WinApp.h"
#include "skin/core/LuLibDefs.h"

class CLuCContext;

class LULIB_API CLuWinApp : public CWinApp {
public:
    explicit CLuWinApp(LPCSTR lpszAppName = nullptr);

    // Makes the frame from pFrameClass and loads it from nIDResource; its creation parameter
    // carries pMainChild. On success the frame is the application's and the thread's main window.
    BOOL CreateFrame(UINT nIDResource, CRuntimeClass* pFrameClass, CLuCContext* pMainChild);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The skinned frame's keyboard hook for its menu bar, installed by the frame's own module;
    // TRUE when the menu bar consumed the message.
    // The spelling "m_pfnMenuAccelator" is part of the library's interface.
    typedef BOOL (*PFNMENUACCELATOR)(CFrameWnd* pFrame, MSG* pMsg);
    static PFNMENUACCELATOR m_pfnMenuAccelator;

    // The frame CreateFrame made; its window handle tells whether it is still there.
    CFrameWnd* m_pLuFrame = nullptr;
    HWND m_hLuFrame = nullptr;
};
