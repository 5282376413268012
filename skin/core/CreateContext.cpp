#include "skin/core/CreateContext.h"

#include "fx/win/Dialog.h"
#include "fx/win/WinApp.h"
#include "skin/core/LuLibAux.h"

#include <set>

namespace {

std::set<const void*>& LiveBlocks()
{
    static std::set<const void*> blocks;
    return blocks;
}

}  // namespace

CLuCreateBlock::CLuCreateBlock(void* pExtra) : m_pLuObject(pExtra) { LiveBlocks().insert(this); }

CLuCreateBlock::~CLuCreateBlock() { LiveBlocks().erase(this); }

const CLuCreateBlock* CLuCreateBlock::FromParam(const void* p)
{
    return p != nullptr && LiveBlocks().count(p) != 0 ? static_cast<const CLuCreateBlock*>(p) : nullptr;
}

CLuCContext::CLuCContext(CRuntimeClass* pClass) : m_nKind(kindRuntime), m_pData(pClass) {}
CLuCContext::CLuCContext(CCreateContext* pContext) : m_nKind(kindContext), m_pData(pContext) {}
CLuCContext::CLuCContext(CWnd* pWnd) : m_nKind(kindCustom), m_pData(pWnd) {}
CLuCContext::~CLuCContext() = default;

BOOL CLuCContext::IsRuntime() const { return m_nKind == kindRuntime; }
BOOL CLuCContext::IsContext() const { return m_nKind == kindContext; }
BOOL CLuCContext::IsCustom() const { return m_nKind == kindCustom; }
CWnd* CLuCContext::GetWnd() const { return static_cast<CWnd*>(m_pData); }
CRuntimeClass* CLuCContext::GetRuntimeClass() const { return static_cast<CRuntimeClass*>(m_pData); }
CCreateContext* CLuCContext::GetCreateContext() const { return static_cast<CCreateContext*>(m_pData); }

BOOL CLuCContext::IsView() { return FALSE; }
BOOL CLuCContext::Create(CWnd*, CWnd*) { return FALSE; }

CLuViewCContext::CLuViewCContext(CRuntimeClass* pClass, UINT nID) : CLuCContext(pClass), m_nID(nID) {}
CLuViewCContext::CLuViewCContext(CCreateContext* pContext, UINT nID) : CLuCContext(pContext), m_nID(nID) {}
CLuViewCContext::CLuViewCContext(CWnd* pWnd, UINT nID) : CLuCContext(pWnd), m_nID(nID) {}
BOOL CLuViewCContext::IsView() { return TRUE; }

CLuCDlgCContext::CLuCDlgCContext(CWnd* pDialog, UINT nIDTemplate)
    : CLuCContext(pDialog), m_nIDTemplate(nIDTemplate)
{
}

CLuCWCContext::CLuCWCContext(CWnd* pWnd, DWORD dwStyle, UINT nID)
    : CLuCContext(pWnd), m_dwStyle(dwStyle), m_nID(nID)
{
}

BOOL CLuViewCContext::Create(CWnd* pWnd, CWnd* pParent)
{
    if (pWnd == nullptr)
        return FALSE;
    CCreateContext empty;
    if (!pWnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, m_nID, &empty))
        return FALSE;
    if (CView* pView = DYNAMIC_DOWNCAST(CView, pWnd))
        pView->OnInitialUpdate();
    return TRUE;
}

BOOL CLuCDlgCContext::Create(CWnd* pWnd, CWnd* pParent)
{
    CDialog* pDialog = DYNAMIC_DOWNCAST(CDialog, pWnd);
    if (pDialog == nullptr || !pDialog->Create(m_nIDTemplate, pParent))
        return FALSE;
    // A page of its container: a plain hidden child, shown when the container chooses.
    HWND hDlg = pDialog->GetSafeHwnd();
    ::SetWindowLongPtrW(hDlg, GWL_STYLE, WS_CHILD);
    ::SetWindowLongPtrW(hDlg, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    ::SetParent(hDlg, CWnd::SafeHwnd(pParent));
    return TRUE;
}

BOOL CLuCWCContext::Create(CWnd* pWnd, CWnd* pParent)
{
    if (pWnd == nullptr)
        return FALSE;
    return pWnd->Create(LU_WNDCLASS_NAME("ClientWnd"), nullptr, m_dwStyle, CRect(0, 0, 0, 0), pParent, m_nID, nullptr);
}

// ---- The facade's creation helpers ----

CWnd* LuLibAux::CreateView(CCreateContext* pContext, UINT nID, CWnd* pParent)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pContext->m_pNewViewClass->CreateObject());
    if (pView == nullptr)
        return nullptr;
    CCreateContext copy = *pContext;
    // A view whose window fails has already deleted itself: never hand it out.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID, &copy))
        return nullptr;
    return pView;
}

CWnd* LuLibAux::CreateWnd(CLuCContext* pCtx, CWnd* pParent, int& bCustom)
{
    bCustom = 0;
    if (pCtx == nullptr)
        return nullptr;
    if (pCtx->IsView() && pCtx->IsContext())
        return CreateView(pCtx->GetCreateContext(), 0, pParent);
    if (pCtx->IsCustom()) {
        bCustom = 1;
        CWnd* pWnd = pCtx->GetWnd();
        pCtx->Create(pWnd, pParent);
        return pWnd;
    }
    CRuntimeClass* pClass = pCtx->IsRuntime() ? pCtx->GetRuntimeClass()
                            : pCtx->GetCreateContext() != nullptr ? pCtx->GetCreateContext()->m_pNewViewClass
                                                                   : nullptr;
    if (pClass == nullptr)
        return nullptr;
    CObject* pObject = pClass->CreateObject();
    CWnd* pWnd = DYNAMIC_DOWNCAST(CWnd, pObject);
    if (pWnd == nullptr) {
        delete pObject;
        return nullptr;
    }
    if (!pCtx->Create(pWnd, pParent) && pWnd->GetSafeHwnd() == nullptr) {
        // An object made here whose window never came: a view has deleted itself already,
        // anything else goes now, so the container never holds a dangling object.
        if (!pWnd->IsKindOf(RUNTIME_CLASS(CView)))
            delete pWnd;
        return nullptr;
    }
    return pWnd;
}

void LuLibAux::DestoryWnd(CWnd* pWnd, BOOL bDestroyWindow)
{
    if (pWnd == nullptr)
        return;
    if (CView* pView = DYNAMIC_DOWNCAST(CView, pWnd)) {
        CFrameWnd* pFrame = pView->GetSafeHwnd() != nullptr ? pView->GetParentFrame() : nullptr;
        if (pFrame != nullptr && pFrame->GetActiveView() == pView)
            pFrame->SetActiveView(nullptr);
    }
    if (bDestroyWindow) {
        pWnd->DestroyWindow();
    } else if (pWnd->GetSafeHwnd() != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
        // A view finishes itself when its window goes.
        pWnd->DestroyWindow();
    } else {
        pWnd->OnFinalRelease();
    }
}
