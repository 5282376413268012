#include "skin/core/LuWinApp.h"

#include "skin/core/CreateContext.h"

CLuWinApp::PFNMENUACCELATOR CLuWinApp::m_pfnMenuAccelator = nullptr;

CLuWinApp::CLuWinApp(LPCSTR lpszAppName) : CWinApp(lpszAppName) {}

BOOL CLuWinApp::CreateFrame(UINT nIDResource, CRuntimeClass* pFrameClass, CLuCContext* pMainChild)
{
    if (pFrameClass == nullptr)
        return FALSE;
    CObject* pObject = pFrameClass->CreateObject();
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pObject);
    if (pFrame == nullptr) {
        delete pObject;
        return FALSE;
    }
    CLuCreateBlock block(pMainChild);
    if (!pFrame->LoadFrame(nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &block)) {
        // A frame whose window failed has finished itself (or never had a window): drop it.
        return FALSE;
    }
    m_pLuFrame = pFrame;
    m_hLuFrame = pFrame->GetSafeHwnd();
    m_pMainWnd = pFrame;
    return TRUE;
}

BOOL CLuWinApp::PreTranslateMessage(MSG* pMsg)
{
    // The frame deletes itself with its window, so it is looked up by handle, never trusted.
    CFrameWnd* pFrame = m_pLuFrame != nullptr && CWnd::FromHandlePermanent(m_hLuFrame) == m_pLuFrame ? m_pLuFrame : nullptr;
    if (pFrame != nullptr && m_pfnMenuAccelator != nullptr && ::GetActiveWindow() == m_hLuFrame &&
        m_pfnMenuAccelator(pFrame, pMsg))
        return TRUE;
    return CWinApp::PreTranslateMessage(pMsg);
}
