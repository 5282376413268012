// The wall view control's window: class registration, creation, painting and the mouse.
#include "app/core/view/TzCtrl.h"

#include "app/res/WallViewRes.h"
#include "fx/core/Exception.h"
#include "fx/win/Text.h"

IMPLEMENT_DYNAMIC(CTzCtrl, CWnd)

BEGIN_MESSAGE_MAP(CTzCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_CONTEXTMENU()
    ON_WM_KEYDOWN()
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(ID_WALL_MERGE, OnMerge)
    ON_COMMAND(ID_WALL_SPLIT, OnSplit)
    ON_COMMAND(ID_WALL_ADD_PIP, OnAddWindow)
    ON_COMMAND(ID_WALL_DELETE_PIP, OnDeleteWindow)
    ON_COMMAND(ID_WALL_MPD, OnMpdToggle)
    ON_COMMAND(ID_WALL_LOCAL_VGA, OnLocalVga)
    ON_COMMAND(ID_WALL_INT_VGA, OnInternalVga)
    ON_COMMAND(ID_WALL_LOCAL_CVBS, OnLocalCvbs)
    ON_COMMAND(ID_WALL_LOCAL_DVI, OnLocalDvi)
    ON_COMMAND(ID_WALL_LOCAL_YUV, OnLocalYuv)
    ON_COMMAND_RANGE(ID_WALL_VGA_BASE + 1, ID_WALL_VGA_BASE + WALL_MATRIX_INPUT_LIMIT, OnMatrixInput)
    ON_COMMAND_RANGE(ID_WALL_CVBS_BASE + 1, ID_WALL_CVBS_BASE + WALL_MATRIX_INPUT_LIMIT, OnMatrixInput)
    ON_COMMAND_RANGE(ID_WALL_DVI_BASE + 1, ID_WALL_DVI_BASE + WALL_MATRIX_INPUT_LIMIT, OnMatrixInput)
    ON_COMMAND_RANGE(ID_WALL_TRANSPARENCY, ID_WALL_TRANSPARENCY, OnDialogCommand)
    ON_COMMAND_RANGE(ID_WALL_PARAMETERS, ID_WALL_PIP_PARAMETERS, OnDialogCommand)
    ON_COMMAND_RANGE(ID_WALL_FINE_ADJUST, ID_WALL_FINE_ADJUST, OnDialogCommand)
    ON_COMMAND_RANGE(ID_WALL_EDGE_MASK, ID_WALL_EDGE_MASK, OnDialogCommand)
    ON_COMMAND(ID_WALL_POSITION_ALL, OnPositionAll)
END_MESSAGE_MAP()

namespace {

WallPoint wallPoint(CPoint p) { return WallPoint{p.x, p.y}; }

RECT toRect(const WallRect& rc) { return RECT{rc.left, rc.top, rc.right, rc.bottom}; }

}  // namespace

void CTzCtrl::RegisterWindowClass()
{
    const fx::WideArg name(WindowClassName());
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (::GetClassInfoW(instance, name, &existing))
        return;
    // The platform's own procedure: the page subclasses the control once its template made it.
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = name;
    if (::RegisterClassW(&wc) == 0)
        AfxThrowResourceException();
}

CTzCtrl::CTzCtrl() : m_editor(m_wall, *this), m_scenes(m_wall, *this), m_bInSize(FALSE)
{
    attachWall();
}

CTzCtrl::CTzCtrl(const CString& profileDirectory)
    : ProgramSceneHost(profileDirectory), m_editor(m_wall, *this), m_scenes(m_wall, *this),
      m_bInSize(FALSE)
{
    attachWall();
}

CTzCtrl::~CTzCtrl()
{
    // A window still alive is destroyed here, while the wall and the scene operations exist.
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_wall.setViewSink(nullptr);
}

void CTzCtrl::attachWall()
{
    m_wall.setViewSink(this);
    m_editor.reset();
}

BOOL CTzCtrl::Create(DWORD dwStyle, const RECT& rc, CWnd* pParentWnd, UINT nID)
{
    RegisterWindowClass();
    return CWnd::Create(WindowClassName(), "", dwStyle, rc, pParentWnd, nID);
}

void CTzCtrl::PreSubclassWindow()
{
    attachWall();
    ModifyStyle(0, WS_CLIPCHILDREN);
}

// ---- Painting ----

void CTzCtrl::OnPaint()
{
    CPaintDC dc(this);
    paintWall(dc, dc.m_ps.rcPaint);
}

BOOL CTzCtrl::OnEraseBkgnd(CDC*)
{
    // Every pixel is painted through the memory bitmap; erasing first would only flicker.
    return TRUE;
}

void CTzCtrl::paintWall(CDC& dc, const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // The buffer stands for the client area from (0, 0); only `area` is drawn and copied.
    CDC* memory = m_backBuffer.Prepare(dc, area.right, area.bottom);
    if (memory == nullptr)
        return;
    {
        CScopedSaveDC saved(memory->GetSafeHdc());
        memory->IntersectClipRect(&area);
        memory->FillSolidRect(&area, ::GetSysColor(COLOR_BTNFACE));
        m_wall.draw(memory);
    }
    dc.BitBlt(area.left, area.top, width, height, *memory, area.left, area.top, SRCCOPY);
}

void CTzCtrl::invalidateRect(const WallRect& rc, BOOL erase)
{
    if (m_hWnd == nullptr)
        return;
    const RECT r = toRect(rc.normalized());
    InvalidateRect(&r, erase);
}

void CTzCtrl::repaintAll()
{
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

void CTzCtrl::OnSize(UINT, int, int)
{
    // Sizing a child can come back here through the parent's layout; once is enough.
    if (m_bInSize)
        return;
    m_bInSize = TRUE;
    Default();
    m_bInSize = FALSE;
}

void CTzCtrl::OnDestroy()
{
    // The scene goes to the recent scene file before the wall is emptied.
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_scenes.saveAtExit();
    m_editor.reset();
    m_wall.deleteAllCells();
    m_backBuffer.Release();
    Default();
}

// ---- SceneHost: the view's part ----

WallRect CTzCtrl::clientRect() const
{
    RECT rc{0, 0, 0, 0};
    if (m_hWnd != nullptr)
        GetClientRect(&rc);
    return WallRect{rc.left, rc.top, rc.right, rc.bottom};
}

void CTzCtrl::clearInteraction()
{
    if (m_hWnd != nullptr && ::GetCapture() == m_hWnd) {
        // Let go of the mouse without finishing a drag over cells that are about to go.
        m_editor.reset();
        ::ReleaseCapture();
    }
    m_editor.reset();
}

void CTzCtrl::setCurrentCell(CCell* cell) { m_editor.setCurrentCell(cell); }

CCell* CTzCtrl::currentCell() const { return m_editor.currentCell(); }

// ---- Mouse ----

void CTzCtrl::setCursor(int cellCursor)
{
    LPCSTR shape = IDC_ARROW;
    switch (cellCursor) {
    case CURSOR_SIZE_WE:
        shape = IDC_SIZEWE;
        break;
    case CURSOR_SIZE_NS:
        shape = IDC_SIZENS;
        break;
    case CURSOR_HAND:
        shape = IDC_HAND;
        break;
    default:
        break;
    }
    ::SetCursor(::LoadCursorA(nullptr, shape));
}

void CTzCtrl::captureMouse() { SetCapture(); }

void CTzCtrl::releaseMouse()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CTzCtrl::drawBand(const WallRect& rc)
{
    if (rc.isEmpty())
        return;
    // A paint still pending would land over the inverted rectangle and spoil its erasing.
    UpdateWindow();
    CClientDC dc(this);
    const RECT r = toRect(rc);
    dc.DrawFocusRect(&r);
}

void CTzCtrl::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    m_editor.press(wallPoint(point));
}

void CTzCtrl::OnMouseMove(UINT, CPoint point) { m_editor.move(wallPoint(point)); }

void CTzCtrl::OnLButtonUp(UINT, CPoint point)
{
    if (::GetCapture() != m_hWnd)
        return;
    m_editor.release(wallPoint(point));
}

void CTzCtrl::OnLButtonDblClk(UINT, CPoint point) { m_editor.doubleClick(wallPoint(point)); }

BOOL CTzCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT)
{
    // The system asks before every mouse move; the class's arrow would replace the zone's cursor
    // the move sets, and over a window the pointer would flicker between the two.
    if (pWnd == this && nHitTest == HTCLIENT && m_editor.dragMode() == DRAG_NONE) {
        CPoint point;
        if (::GetCursorPos(&point)) {
            ScreenToClient(&point);
            const int cursor = m_editor.hoverCursor(wallPoint(point));
            if (cursor >= 0) {
                setCursor(cursor);
                return TRUE;
            }
        }
    }
    return static_cast<BOOL>(Default());
}

void CTzCtrl::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse (or it was cancelled) in the middle of a drag.
    if (pWnd == nullptr || pWnd->GetSafeHwnd() != m_hWnd)
        m_editor.captureLost();
}

void CTzCtrl::OnCancelMode()
{
    m_editor.captureLost();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Default();
}

void CTzCtrl::OnRButtonUp(UINT, CPoint point)
{
    // Over a PIP window the default handling asks for the context menu.
    if (m_editor.pointAt(wallPoint(point)))
        Default();
}

void CTzCtrl::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_RETURN || nChar == VK_ESCAPE || nChar == VK_SPACE)
        return;
    Default();
}
