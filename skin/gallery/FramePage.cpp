// The gallery's frame page: a skinned frame with its caption, caption buttons and border, a
// status bar with two panes and the gripper, and a client window whose main child sits between
// a left and a bottom side bar (captions, close boxes, splitters), so the whole family shows in
// one window. "--page frame --save file.bmp" captures the window as it is on the screen.
#include "fx/win/Gdi.h"
#include "fx/win/Wnd.h"
#include "skin/gallery/GalleryShot.h"
#include "skin/core/CreateContext.h"
#include "skin/frame/FrameWnd.h"
#include "skin/frame/StatusBar.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdio>

namespace {

const int kLeft = 30, kTop = 30, kWidth = 760, kHeight = 520;

// A child that shows a label on a plain background, standing in for the program's views.
class CLabelPanel : public CWnd {
public:
    CLabelPanel(LPCSTR lpszLabel, COLORREF clrBack) : m_strLabel(lpszLabel), m_clrBack(clrBack) {}

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, m_clrBack);
        CLuTheme& t = *CLuThemeManager::Instance()->GetTheme();
        CScopedSelect font(dc, *t.GetThemeFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(t.GetThemeColor(LUCLR_TEXT));
        CRect rcText(rc.left + 8, rc.top + 4, rc.right - 4, rc.top + 24);
        CLuPainter::DrawHorizText(dc, m_strLabel, rcText, TRUE);
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void PostNcDestroy() override { delete this; }

    CString m_strLabel;
    COLORREF m_clrBack;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLabelPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class CGalleryFrame : public CLuFrameWnd {
public:
    BOOL Build()
    {
        if (!Create(nullptr, "高清多画面分割器 - 皮肤库", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CRect(kLeft, kTop, kLeft + kWidth, kTop + kHeight)))
            return FALSE;
        const UINT ids[] = {0, 0};
        if (!m_status.Create(this, LU_ID_VIEW_STATUS_BAR) || !m_status.SetIndicators(ids, 2))
            return FALSE;
        m_status.SetPaneInfo(1, 0, 0, 160);
        m_status.SetPaneText(0, "   MPD区路数为:4.  拼接屏数目:3x3.  分辨率为:1920x1080");
        m_status.SetPaneText(1, "COM1 连接");
        SetStatusBar(&m_status);

        CLuClientWnd& client = GetClientWnd();
        const DWORD dwSideStyle = LU_CBS_SPLITTER | LU_CBS_CAPTION | LU_CBS_TITLE | LU_CBS_CLOSEBOX;
        client.CreateBar(BAR_LEFT, dwSideStyle, 200, TRUE, "控制视图");
        client.CreateBar(BAR_BOTTOM, LU_CBS_SPLITTER | LU_CBS_CAPTION | LU_CBS_CLOSEBOX, 110, TRUE);
        AddChild(BAR_LEFT, "左侧栏: 控制视图", RGB(250, 250, 246));
        AddChild(BAR_BOTTOM, "底部栏: 预置场景", RGB(246, 248, 252));
        auto* pMain = new CLabelPanel("主视图", RGB(255, 255, 253));
        pMain->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), &client, 1);
        CWnd* pOld = nullptr;
        SetMainChild(pMain, pOld);
        ShowWindow(SW_SHOW);
        UpdateWindow();
        return TRUE;
    }

protected:
    void AddChild(bar_pos nPos, LPCSTR lpszLabel, COLORREF clrBack)
    {
        auto* pPanel = new CLabelPanel(lpszLabel, clrBack);
        pPanel->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), &GetClientWnd(), 100 + nPos);
        CLuCContext context(pPanel);
        GetClientWnd().CreateBarChild(nPos, &context);
    }
    void PostNcDestroy() override
    {
        ::PostQuitMessage(0);
        CLuFrameWnd::PostNcDestroy();
    }

    CLuStatusBar m_status;
};

void PumpFor(DWORD dwMilliseconds)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < dwMilliseconds) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

}  // namespace

int RunFramePage(const char* pszSave)
{
    auto* pFrame = new CGalleryFrame;
    if (!pFrame->Build()) {
        std::fprintf(stderr, "cannot create the frame page\n");
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        return 1;
    }
    if (pszSave == nullptr) {
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        return 0;
    }
    // Everything painted once the queue has been quiet for a while.
    PumpFor(500);
    ::RedrawWindow(pFrame->GetSafeHwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(200);
    const bool ok = gallery::SaveWindowDc(pFrame->GetSafeHwnd(), pszSave);
    if (!ok)
        std::fprintf(stderr, "cannot write %s\n", pszSave);
    pFrame->DestroyWindow();
    PumpFor(50);
    return ok ? 0 : 1;
}
