// Create contexts: how a container (client window, book control, tab window, toolbar) is told
// which child window to build — a run-time class to instantiate, a framework creation context
// naming a view class, or a window object the caller already owns — and how to create its
// window. CLuCreateBlock is the creation parameter library windows pass to CreateEx.
#pragma once

#include "fx/win/FrameWnd.h"
#include "skin/core/LuLibDefs.h"

// A framework creation context followed by one more pointer: the window object being created
// (library controls) or the frame's main child context (CLuWinApp::CreateFrame). Live blocks
// are known to the library, so a class procedure can tell a block from any other creation
// parameter.
struct LULIB_API CLuCreateBlock : public CCreateContext {
    explicit CLuCreateBlock(void* pExtra = nullptr);
    ~CLuCreateBlock();
    CLuCreateBlock(const CLuCreateBlock&) = delete;
    CLuCreateBlock& operator=(const CLuCreateBlock&) = delete;

    // The block passed as lpCreateParams, or null when the parameter is something else.
    static const CLuCreateBlock* FromParam(const void* lpCreateParams);

    void* m_pLuObject;
};

class LULIB_API CLuCContext {
public:
    enum { kindRuntime = 0, kindContext = 1, kindCustom = 2 };

    // Defined in the library, not inline, so the program calls them through its export table.
    explicit CLuCContext(CRuntimeClass* pClass);
    explicit CLuCContext(CCreateContext* pContext);
    explicit CLuCContext(CWnd* pWnd);

    BOOL IsRuntime() const;
    BOOL IsContext() const;
    BOOL IsCustom() const;
    CWnd* GetWnd() const;
    CRuntimeClass* GetRuntimeClass() const;
    CCreateContext* GetCreateContext() const;

    // Slot order: IsView, Create, then the destructor.
    virtual BOOL IsView();
    virtual BOOL Create(CWnd* pWnd, CWnd* pParent);
    virtual ~CLuCContext();

protected:
    int m_nKind;
    void* m_pData;
};

// A view as the child: created visible with an empty rectangle, then its initial update.
class LULIB_API CLuViewCContext : public CLuCContext {
public:
    CLuViewCContext(CRuntimeClass* pClass, UINT nID);
    CLuViewCContext(CCreateContext* pContext, UINT nID);
    CLuViewCContext(CWnd* pWnd, UINT nID);

    BOOL IsView() override;
    BOOL Create(CWnd* pWnd, CWnd* pParent) override;

    UINT m_nID;
};

// A modeless dialog from a template, turned into a hidden plain child of the container.
class LULIB_API CLuCDlgCContext : public CLuCContext {
public:
    CLuCDlgCContext(CWnd* pDialog, UINT nIDTemplate);
    BOOL Create(CWnd* pWnd, CWnd* pParent) override;

    UINT m_nIDTemplate;
};

// The frame's client window as the child.
class LULIB_API CLuCWCContext : public CLuCContext {
public:
    CLuCWCContext(CWnd* pWnd, DWORD dwStyle, UINT nID);
    BOOL Create(CWnd* pWnd, CWnd* pParent) override;

    DWORD m_dwStyle;
    UINT m_nID;
};
