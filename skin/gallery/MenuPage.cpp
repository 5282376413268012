// The gallery's menu page: a window with a menu bar and, below it, a toolbar like one of the
// program's ribbon tabs (32 x 32 images, captions, a separator, a disabled and a checked button,
// a drop-down). With a file name the "场景" popup is opened from the menu bar with its sub-menu,
// and the screen under the window is saved into a bitmap file; without one the page stays
// until it is closed.
#include "fx/win/Text.h"
#include "skin/gallery/GalleryShot.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/ToolBar.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdio>
#include <functional>

#include "skin/gallery/MenuPageRes.h"

namespace {

typedef CLuPainter P;
constexpr int kWidth = 640, kHeight = 400;
constexpr UINT kToolBarID = 59424;
constexpr UINT_PTR kStepTimer = 1;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

// A strip of simple glyphs drawn in code: a coloured body with a darker frame on magenta, the
// strip's transparent colour.
HBITMAP MakeGlyphStrip(int nSize, int nCount)
{
    static const COLORREF kColors[] = {RGB(70, 130, 200), RGB(60, 160, 90), RGB(220, 150, 40),
                                       RGB(200, 70, 60), RGB(120, 90, 170), RGB(90, 90, 100)};
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nSize * nCount, nSize);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    {
        CDC dc;
        dc.Attach(hMem);
        dc.FillSolidRect(0, 0, nSize * nCount, nSize, RGB(255, 0, 255));
        const int inset = nSize / 8;
        for (int i = 0; i < nCount; ++i) {
            const COLORREF clr = kColors[i % 6];
            CRect rc(i * nSize + inset, inset, (i + 1) * nSize - inset, nSize - inset);
            P::DrawFillRect(dc, rc, P::BlendColors(clr, RGB(0, 0, 0), 60), clr);
            rc.DeflateRect(nSize / 4, nSize / 4);
            dc.FillSolidRect(rc, P::LightColor(clr, 70));
        }
        dc.Detach();
    }
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    return hBitmap;
}

// One glyph of the strip as a bitmap of its own (for menu item icons).
HBITMAP MakeGlyph(int nSize, int nIndex)
{
    HBITMAP hStrip = MakeGlyphStrip(nSize, nIndex + 1);
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hOne = ::CreateCompatibleBitmap(hScreen, nSize, nSize);
    HDC hSrc = ::CreateCompatibleDC(hScreen), hDst = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOldSrc = ::SelectObject(hSrc, hStrip), hOldDst = ::SelectObject(hDst, hOne);
    ::BitBlt(hDst, 0, 0, nSize, nSize, hSrc, nIndex * nSize, 0, SRCCOPY);
    ::SelectObject(hSrc, hOldSrc);
    ::SelectObject(hDst, hOldDst);
    ::DeleteDC(hSrc);
    ::DeleteDC(hDst);
    ::DeleteObject(hStrip);
    return hOne;
}

class CMenuPageWnd : public CWnd {
public:
    BOOL Build();
    // Opens the popup and its sub-menu, then calls done from inside the menu loop.
    void OpenMenusThen(std::function<void()> done);

    CLuMenuBar m_menuBar;
    CLuToolBar m_toolBar;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void PostNcDestroy() override { ::PostQuitMessage(0); }

    std::function<void()> m_done;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuPageWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CMenuPageWnd::Build()
{
    if (!CreateEx(0, nullptr, "菜单", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, kWidth, kHeight, nullptr, nullptr))
        return FALSE;
    if (!m_menuBar.Create(this, WS_VISIBLE, IDR_GALLERYMENU))
        return FALSE;
    m_menuBar.SetWindowPos(nullptr, 0, 0, kWidth, m_menuBar.GetBarHeight(), SWP_NOZORDER);
    // Icons for the popups' commands.
    const UINT iconIDs[] = {ID_SCENE_NEW, ID_SCENE_SAVE, ID_SCENE_LOAD};
    for (int i = 0; i < 3; ++i) {
        HBITMAP hIcon = MakeGlyph(16, i);
        m_menuBar.GetMenu().SetMenuItemIcon(iconIDs[i], hIcon);
        ::DeleteObject(hIcon);
    }

    if (!m_toolBar.Create(this, WS_VISIBLE | 0x4400, kToolBarID))
        return FALSE;
    m_toolBar.SetImageSize(CSize(32, 32));
    HBITMAP hStrip = MakeGlyphStrip(32, 6);
    m_toolBar.SetBitmap(hStrip);
    ::DeleteObject(hStrip);
    LUTBBUTTON buttons[] = {
        {0, ID_SCENE_NEW, 0, 0, 0, "新建场景\n新建场景"},  {1, ID_SCENE_SAVE, 0, 0, 0, "保存场景\n保存场景"},
        {2, ID_SCENE_LOAD, 0, 0, 0, "加载场景\n加载场景"}, {0, 0, 0, 0, 0, nullptr},
        {3, ID_POWER_ON, 0, 0, 0, "开机\n开机"},           {4, ID_POWER_OFF, 0, 0, 0, "关机\n关机"},
        {0, 0, 0, 0, 0, nullptr},                            {5, ID_MATRIX, 0, 0, 0, "矩阵切换\n矩阵切换"},
    };
    m_toolBar.AddButtons(8, buttons);
    for (int i = 0; i < m_toolBar.GetButtonCount(); ++i)
        m_toolBar.SetButtonShowText(i, TRUE);
    m_toolBar.EnableButton(m_toolBar.CommandToIndex(ID_POWER_OFF), FALSE);
    m_toolBar.CheckedButton(m_toolBar.CommandToIndex(ID_POWER_ON), TRUE);
    m_toolBar.SetButtonDropDown(m_toolBar.CommandToIndex(ID_MATRIX), TRUE);
    const CSize size = m_toolBar.CalcFixedLayout();
    m_toolBar.SetWindowPos(nullptr, 0, m_menuBar.GetBarHeight(), kWidth, size.cy, SWP_NOZORDER);
    return TRUE;
}

void CMenuPageWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(rc, Theme().GetThemeColor(LUCLR_FACE));
}

BOOL CMenuPageWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CMenuPageWnd::OpenMenusThen(std::function<void()> done)
{
    m_done = std::move(done);
    SetTimer(kStepTimer, 50);
    // From the keyboard, as Alt+F would: the popup opens with its first item selected.
    m_menuBar.OnMenuAccelator(WM_SYSKEYDOWN, 'F', 0);
    KillTimer(kStepTimer);
}

void CMenuPageWnd::OnTimer(UINT_PTR)
{
    CLuMenu* pTop = CLuMenu::GetTopLevelMenu();
    if (pTop == nullptr || !m_done)
        return;
    if (pTop->GetOpenSubMenu() == nullptr) {
        // "最近场景": its sub-menu opens with its first item.
        ::PostMessageW(m_hWnd, WM_KEYDOWN, 'R', 1);
        return;
    }
    std::function<void()> done = std::move(m_done);
    m_done = nullptr;
    done();
    pTop->EndMenu();
}

}  // namespace

// The menu page; savePath null: interactive.
int RunMenuPage(const char* savePath)
{
    CMenuPageWnd* pPage = new CMenuPageWnd;
    if (!pPage->Build()) {
        delete pPage;
        return 1;
    }
    ::SetCursorPos(kWidth + 100, kHeight + 100);  // nothing under the pointer is drawn hot
    ::SetForegroundWindow(pPage->GetSafeHwnd());
    pPage->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    int result = 0;
    if (savePath != nullptr) {
        gallery::PumpUntilQuiet();
        bool ok = false;
        pPage->OpenMenusThen([&] {
            CRect rc;
            pPage->GetWindowRect(&rc);
            ok = gallery::SaveScreenRect(rc, savePath);
        });
        if (!ok)
            std::fprintf(stderr, "cannot write %s\n", savePath);
        result = ok ? 0 : 1;
        pPage->DestroyWindow();
    } else {
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    delete pPage;
    return result;
}
