// CLuClientWnd: the area a frame's bars leave free. It holds one main child (normally the
// program's view) and up to four side bars (CLuClientBar), one per side. A side bar is a region
// of the client window, not a window: an optional caption strip with a title and close box, an
// optional splitter the user drags to resize it, and one child window made from a create
// context, which can be taken out as a floating top-level window and docked back.
#pragma once

#include "fx/core/String.h"
#include "skin/core/CmdMsgPumper.h"
#include "skin/core/ControlBase.h"
#include "skin/core/LuLibDefs.h"
#include "skin/core/WinSink.h"
#include "skin/frame/TButton.h"

class CLuCContext;
class CLuClientWnd;

// Side of a bar, also its index.
enum bar_pos { BAR_TOP = 0, BAR_LEFT = 1, BAR_BOTTOM = 2, BAR_RIGHT = 3 };
#define LU_BAR_COUNT 4

// Bits of a side bar's style (the low 4 bits are the side).
#define LU_CBS_SIDE_MASK 0x0F
#define LU_CBS_SPLITTER 0x10    // the bar can be resized by dragging
#define LU_CBS_CAPTION 0x20     // a caption strip
#define LU_CBS_TITLE 0x40       // the caption shows the title (left and right bars)
#define LU_CBS_CLOSEBOX 0x80    // the caption has a close box (with LU_CBS_CAPTION)

// Metrics in pixels.
#define LU_CB_CAPTION 25        // caption strip thickness
#define LU_CB_SPLITTER 5        // splitter thickness
#define LU_CB_CLOSEBOX 15       // close box side
#define LU_CB_MINSIZE 30        // smallest size a drag leaves a bar
#define LU_CB_MAINMIN 50        // what a drag leaves the main area
#define LU_CB_CLOSEBOX_ID 100   // the close box's button number

// Sent to a bar's child: wParam 1 when it was created or docked, 0 when it is taken out to
// float; lParam points to a RECT, empty on entry, that a floating child may fill with the
// screen rectangle it wants.
#define LU_WM_BARDOCK (WM_USER + 0x1006)
// Messages from here up that the client window does not handle go to its parent.
#define LU_WM_FIRST_PASSED (WM_USER + 0xFFF)

// How SetMainChild re-parents a window the caller hands over (a container that must know).
class LULIB_API CLuSetParentAux {
public:
    virtual ~CLuSetParentAux() = default;
    virtual BOOL SetParentWnd(CWnd* pWnd, CWnd* pNewParent);
};

class LULIB_API CLuClientBar : public ILuWinSink {
public:
    CLuClientBar() = default;
    virtual ~CLuClientBar();
    CLuClientBar(const CLuClientBar&) = delete;
    CLuClientBar& operator=(const CLuClientBar&) = delete;

    // Makes the bar valid: owner, style (the side in its low bits), size and title.
    void InitBar(CLuClientWnd* pOwner, bar_pos nPos, DWORD dwStyle, int nSize, LPCSTR lpszTitle);
    BOOL IsValid() const { return m_pOwner != nullptr; }
    // Back to a bar that was never created (its child must be gone already).
    void ResetBar();

    void ShowClientBar(BOOL bShow);
    // While floating only the size to restore changes.
    void SetCurSize(int nSize);
    int GetCurSize() const;
    BOOL IsSizable() const;
    // The spelling "IsVisual" is part of the library's interface.
    BOOL IsVisual() const;
    BOOL HasChild() const;
    CWnd* GetChild() const;
    BOOL IsDocked() const;
    // Floating and its window visible; the spelling is part of the library's interface.
    BOOL IsFloatBarVisual() const;
    void ShowFloatBar(BOOL bShow);
    void SetTitle(LPCSTR lpszTitle);
    CString GetTitle() const;
    // TRUE when the bar is already in that state; FALSE when the window it needs is missing.
    BOOL DockClientBar(BOOL bDock);

    // The child from the context (first call only); null when it could not be made.
    CWnd* CreateChild(CLuCContext* pContext);
    // Destroys the child (caller-owned ones are destroyed, not deleted) or the floating window.
    void DestroyChild();
    CWnd* GetFloatWnd() const { return FloatAlive() ? m_pFloatWnd : nullptr; }
    // Whether pWnd still is the object of the live window hWnd (a view deletes itself with its
    // window, so a pointer alone may outlive its object).
    static BOOL IsAlive(const CWnd* pWnd, HWND hWnd);

    // ---- Layout and painting, for the client window ----
    bar_pos GetPos() const { return static_cast<bar_pos>(m_dwStyle & LU_CBS_SIDE_MASK); }
    BOOL IsHorz() const { return GetPos() == BAR_TOP || GetPos() == BAR_BOTTOM; }
    DWORD GetStyle() const { return m_dwStyle; }
    // Takes the bar's slice off rcFree and places the parts and the child.
    void Layout(CRect& rcFree, BOOL bRedraw);
    void Paint(CDC& dc);
    void PaintCaption(CDC& dc);
    const CRect& GetBarRect() const { return m_rcBar; }
    const CRect& GetChildRect() const { return m_rcChild; }
    const CRect& GetCaptionRect() const { return m_rcCaption; }
    const CRect& GetTitleRect() const { return m_rcTitle; }
    CLuSplitter& GetSplitter() { return m_splitter; }
    CLuTCloseBtn& GetCloseBox() { return m_closeBox; }
    void OnMouseMessage(UINT message, UINT nFlags, CPoint point);
    void CancelTracking();

    // ---- The sink of the splitter and the close box ("RelsCapture": the interface's spelling) ----
    void OnReLayout(POINT pt) override;
    BOOL IsCapture() override;
    void Capture() override;
    void RelsCapture() override;
    CImageList* GetImage() override { return nullptr; }
    void OnClick(UINT nButton) override;
    CWnd* GetSinkWnd() override;
    void RedrawSinkButton(UINT nButton) override;
    POINT GetSinkCursorPos() override;

    CLuClientBar* m_pNext = nullptr;

private:
    BOOL HasCloseBox() const { return (m_dwStyle & (LU_CBS_CAPTION | LU_CBS_CLOSEBOX)) == (LU_CBS_CAPTION | LU_CBS_CLOSEBOX); }
    BOOL CloseBoxPainted() const { return m_rcBar.Width() > 14 && m_rcBar.Height() > 14; }
    void Relayout();
    BOOL ChildAlive() const { return IsAlive(m_pChild, m_hChild); }
    BOOL FloatAlive() const { return IsAlive(m_pFloatWnd, m_hFloat); }
    void SetChild(CWnd* pWnd) { m_pChild = pWnd; m_hChild = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr; }
    void SetFloat(CWnd* pWnd) { m_pFloatWnd = pWnd; m_hFloat = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr; }

    CWnd* m_pChild = nullptr;
    BOOL m_bCustom = FALSE;  // the child is the caller's (made from a window context)
    DWORD m_dwStyle = 0;
    int m_nCurSize = 0;
    CRect m_rcBar;
    CString m_strTitle;
    CLuClientWnd* m_pOwner = nullptr;
    BOOL m_bVisible = FALSE;
    int m_nMinSize = LU_CB_MINSIZE;
    CLuSplitter m_splitter;
    CLuTCloseBtn m_closeBox;
    CWnd* m_pFloatWnd = nullptr;
    HWND m_hChild = nullptr;
    HWND m_hFloat = nullptr;
    int m_nRestoreSize = 0;
    BOOL m_bDocked = TRUE;
    // Parts of the bar, in the client window's coordinates.
    CRect m_rcCaption;
    CRect m_rcTitle;
    CRect m_rcChild;
};

class LULIB_API CLuClientWnd : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuClientWnd)
    LU_DECLARE_CONTROL(CLuClientWnd, CWnd)
public:
    CLuClientWnd();
    ~CLuClientWnd() override;

    virtual BOOL OnCreateClient(LPCREATESTRUCTW lpcs, CLuCContext* pContext);
    virtual BOOL OnCreateClient(LPCREATESTRUCTW lpcs, CCreateContext* pContext);
    // The spelling "ReCalcLayout" is part of the library's interface.
    virtual void ReCalcLayout(BOOL bRedraw = TRUE);
    // The largest size a drag may give the bar of that side.
    virtual int GetMaxSize(bar_pos nPos);

    // A visible child with an empty rectangle; the parent loses its client edge.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID);

    BOOL CreateBar(bar_pos nPos, DWORD dwStyle, int nSize, BOOL bShow = TRUE, LPCSTR lpszTitle = nullptr);
    CWnd* CreateBarChild(bar_pos nPos, CLuCContext* pContext);
    // The spelling "DestoryBarChild" is part of the library's interface.
    void DestoryBarChild(bar_pos nPos);
    CWnd* SetMainChild(CLuCContext* pContext, CWnd*& pOld);
    BOOL SetMainChild(CWnd* pWnd, CWnd*& pOld, CLuSetParentAux* pAux = nullptr);
    CWnd* GetMainChild() const;
    CWnd* GetBarChild(bar_pos nPos);
    void SetBarTitle(bar_pos nPos, LPCSTR lpszTitle);
    BOOL IsBarShow(bar_pos nPos);
    void ShowBar(bar_pos nPos, BOOL bShow);
    void SetBarWidth(bar_pos nPos, int nWidth);
    int GetBarWidth(bar_pos nPos);
    BOOL DockBar(bar_pos nPos, BOOL bDock);
    BOOL IsBarDock(bar_pos nPos);
    BOOL IsFloatBarShow(bar_pos nPos);
    void ShowFloatBar(bar_pos nPos, BOOL bShow);
    // The spelling "SetBoderColor" is part of the library's interface.
    void SetBoderColor(COLORREF clr);
    COLORREF GetBorderColor() const { return m_clrBorder; }
    // The child commands go to: the one that has (or last had) the focus.
    CWnd* GetActiveChild();

    // The bar of a side, valid or not; null for a position out of range.
    CLuClientBar* GetBar(bar_pos nPos);
    const CRect& GetMainRect() const { return m_rcMain; }
    // Paints bars and the empty main area on any DC.
    void PaintClient(CDC& dc);
    // The child is going: forget it wherever it is remembered.
    void ForgetChild(CWnd* pWnd);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnCaptureChanged(CWnd* pWnd);
    void PostNcDestroy() override {}

    // Passes a mouse message to every visible bar, then to the default handling.
    void RelayMouse(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HasBorder() const;
    BOOL ValidPos(int nPos) const { return nPos >= 0 && nPos < LU_BAR_COUNT; }
    CLuClientBar* ValidBar(bar_pos nPos);
    void MoveChild(CWnd* pWnd, const CRect& rc, BOOL bRedraw);
    void SetMain(CWnd* pWnd)
    {
        m_pMainChild = pWnd;
        m_hMainChild = CWnd::SafeHwnd(pWnd);
    }
    friend class CLuClientBar;

    CWnd* m_pMainChild = nullptr;
    HWND m_hMainChild = nullptr;
    CRect m_rcMain;
    CLuClientBar* m_pFirstBar = nullptr;
    CLuClientBar m_bars[LU_BAR_COUNT];
    BOOL m_bInLayout = FALSE;
    CLuCmdMsgPumper m_pumper;
    CWnd* m_pActiveChild = nullptr;
    HWND m_hActiveChild = nullptr;  // tells whether the remembered child is still the same window
    COLORREF m_clrBorder = 0xFFFFFFFF;

    DECLARE_MESSAGE_MAP()
};
