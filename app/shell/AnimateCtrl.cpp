#include "app/shell/AnimateCtrl.h"

#include "app/res/ShellRes.h"
#include "app/shell/DialogSkin.h"
#include "app/shell/ShellControls.h"

IMPLEMENT_DYNCREATE(CSSAnimateCtrl, CWnd)
LU_IMPLEMENT_CONTROL(CSSAnimateCtrl)
LU_DEFAULT_INITCTRL(CSSAnimateCtrl)

BEGIN_MESSAGE_MAP(CSSAnimateCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CSSAnimateCtrl::Register()
{
    return RegisterShellClass(SS_ANIMATE_CLASS, &LuNewClassProc<CSSAnimateCtrl>);
}

void CSSAnimateCtrl::Unregister()
{
    LuLibAux::UnregisterWndClass(SS_ANIMATE_CLASS);
}

BOOL CSSAnimateCtrl::Create(const RECT& rect, CWnd* pParent, UINT nID, DWORD dwStyle)
{
    return CreateEx(0, SS_ANIMATE_CLASS, "", dwStyle | WS_CHILD, rect, pParent, nID);
}

BOOL CSSAnimateCtrl::Load(UINT nIDBitmap, int nFrames)
{
    Stop();
    m_images.DeleteImageList();
    m_nFrameCount = 0;
    m_nFrame = 0;
    m_nFrameWidth = 0;
    m_nFrameHeight = 0;
    if (nFrames <= 0)
        return FALSE;
    CBitmap strip;
    if (!strip.LoadBitmap(nIDBitmap))
        return FALSE;
    const CSize size = strip.GetSize();
    const int nWidth = size.cx / nFrames;
    if (nWidth <= 0 || size.cy <= 0)
        return FALSE;
    if (!m_images.Create(nWidth, size.cy, ILC_COLOR24 | ILC_MASK, nFrames, 0))
        return FALSE;
    if (m_images.Add(&strip, RGB(255, 0, 255)) < 0) {
        m_images.DeleteImageList();
        return FALSE;
    }
    m_nFrameWidth = nWidth;
    m_nFrameHeight = size.cy;
    m_nFrameCount = nFrames;
    return TRUE;
}

BOOL CSSAnimateCtrl::Start()
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    m_nTimer = SetTimer(ANIMATION_TIMER, ANIMATION_PERIOD);
    return m_nTimer != 0;
}

void CSSAnimateCtrl::Stop()
{
    if (m_nTimer != 0 && GetSafeHwnd() != nullptr)
        KillTimer(ANIMATION_TIMER);
    m_nTimer = 0;
}

void CSSAnimateCtrl::StepFrame()
{
    // Without frames there is nothing to step through (and nothing to divide by).
    if (m_nFrameCount <= 0)
        return;
    Invalidate();
    m_nFrame = (m_nFrame + 1) % m_nFrameCount;
}

void CSSAnimateCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == ANIMATION_TIMER)
        StepFrame();
}

void CSSAnimateCtrl::OnDestroy()
{
    Stop();
    CWnd::OnDestroy();
}

void CSSAnimateCtrl::OnPaint()
{
    CPaintDC dc(this);
    DrawFrame(dc);
}

void CSSAnimateCtrl::DrawFrame(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    HBRUSH hBrush = nullptr;
    if (CWnd* pParent = GetParent())
        hBrush = reinterpret_cast<HBRUSH>(pParent->SendMessage(WM_CTLCOLORSTATIC,
                                                               reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                               reinterpret_cast<LPARAM>(GetSafeHwnd())));
    dc.FillRect(&rc, hBrush != nullptr ? hBrush : ::GetSysColorBrush(COLOR_BTNFACE));
    if (m_nFrameCount <= 0)
        return;
    const POINT pt = {rc.left + (rc.Width() - m_nFrameWidth) / 2, rc.top + (rc.Height() - m_nFrameHeight) / 2};
    m_images.Draw(&dc, m_nFrame, pt, ILD_TRANSPARENT);
}

bool StartBusyAnimation(HWND hAnimate)
{
    const int BUSY_FRAMES = 8;
    // The progress window is the animation's parent; it wears the program's dialog skin.
    SkinDialogWindow(::GetParent(hAnimate));
    CSSAnimateCtrl* pCtrl = DYNAMIC_DOWNCAST(CSSAnimateCtrl, CWnd::FromHandlePermanent(hAnimate));
    return pCtrl != nullptr && pCtrl->Load(IDB_BUSY_STRIP, BUSY_FRAMES) && pCtrl->Start();
}
