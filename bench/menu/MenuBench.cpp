// Figures for the library's menus and toolbar: open/close cycles of a popup through its modal
// loop (keys posted in advance), item painting into a memory bitmap, and toolbar layout and
// painting. Prints milliseconds per operation.
#include "fx/win/Gdi.h"
#include "fx/win/Wnd.h"
#include "skin/core/LuLibAux.h"
#include "skin/menu/Menu.h"
#include "skin/menu/ToolBar.h"
#include "skin/theme/Painter.h"

#include <cstdio>
#include <cstdlib>

namespace {

double Now()
{
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

void PostKey(HWND hWnd, UINT vk) { ::PostMessageW(hWnd, WM_KEYDOWN, vk, 1); }

void Drain()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : 100;
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    LuLibAux::InitLuLib(hInst, nullptr);
    CWnd owner;
    owner.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
    ::SetForegroundWindow(owner.m_hWnd);
    Drain();

    CLuMenu menu;
    menu.CreatePopupMenu();
    CLuMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 2001, "子项一");
    sub.AppendMenu(MF_STRING, 2002, "子项二");
    for (int i = 0; i < 8; ++i)
        menu.AppendMenu(MF_STRING, 1001 + i, "菜单项目");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.DetachMenu()), "子菜单(&S)");

    double t0 = Now();
    for (int i = 0; i < n; ++i) {
        PostKey(owner.m_hWnd, VK_ESCAPE);
        menu.TrackPopupMenu(0, 50, 50, &owner);
    }
    const double tOpen = (Now() - t0) / n;
    t0 = Now();
    for (int i = 0; i < n; ++i) {
        PostKey(owner.m_hWnd, 'S');
        PostKey(owner.m_hWnd, VK_ESCAPE);
        menu.TrackPopupMenu(0, 50, 50, &owner);
    }
    const double tCascade = (Now() - t0) / n;

    // Painting the open popup's items, as WM_PAINT does, into a memory bitmap: measured from
    // inside the popup's loop by a thread timer, which then ends the menu.
    static double s_tPaint = 0;
    static int s_n = 0;
    s_n = n;
    ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        CLuMenu* p = CLuMenu::GetTopLevelMenu();
        if (p == nullptr)
            return;
        CDC mem;
        mem.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateDIBSection32(400, 400);
        CScopedSelect sel(mem, bitmap);
        const double t = Now();
        for (int i = 0; i < s_n; ++i)
            p->PaintMenu(mem, TRUE);
        s_tPaint = (Now() - t) / s_n;
        p->EndMenu();
    });
    PostKey(owner.m_hWnd, VK_DOWN);
    menu.TrackPopupMenu(0, 50, 50, &owner);
    const double tPaint = s_tPaint;

    // A ribbon tab's toolbar: 20 buttons with 32 x 32 images and captions.
    t0 = Now();
    double tLayout = 0, tBarPaint = 0;
    {
        CLuToolBar bar;
        bar.Create(&owner, WS_VISIBLE | 0x4400, 59424);
        bar.SetImageSize(CSize(32, 32));
        HDC hScreen = ::GetDC(nullptr);
        HBITMAP hStrip = ::CreateCompatibleBitmap(hScreen, 32 * 20, 32);
        ::ReleaseDC(nullptr, hScreen);
        bar.SetBitmap(hStrip);
        ::DeleteObject(hStrip);
        for (int i = 0; i < 20; ++i) {
            LUTBBUTTON b{i, 3001 + i, 0, 0, 0, "提示\n按钮文字"};
            bar.InsertButton(i, &b);
            bar.SetButtonShowText(i, TRUE);
        }
        tLayout = Now() - t0;
        const CSize size = bar.CalcFixedLayout();
        bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER);
        CDC mem;
        mem.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateDIBSection32(size.cx, size.cy);
        CScopedSelect sel(mem, bitmap);
        t0 = Now();
        for (int i = 0; i < n; ++i)
            bar.PaintBar(mem);
        tBarPaint = (Now() - t0) / n;
        bar.DestroyWindow();
    }
    std::printf("popup open+close (10 items):          %7.2f ms\n", tOpen);
    std::printf("popup with its sub-menu open+close:   %7.2f ms\n", tCascade);
    std::printf("popup items painted:                  %7.3f ms\n", tPaint);
    std::printf("toolbar, 20 captioned buttons added:  %7.2f ms\n", tLayout);
    std::printf("toolbar painted:                      %7.3f ms\n", tBarPaint);
    std::printf("(%d cycles each; alpha blending %s)\n", n, CLuPainter::IsSupportAlphaBlend() ? "on: fade-in of 15 frames" : "off");
    owner.DestroyWindow();
    LuLibAux::UninitLuLib(hInst, nullptr);
    return 0;
}
