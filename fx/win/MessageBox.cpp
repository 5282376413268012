#include "fx/win/MessageBox.h"

#include "fx/win/Gdi.h"
#include "fx/win/Text.h"
#include "fx/win/TextFont.h"

#include <string>
#include <utility>
#include <vector>

namespace fx {

namespace {

// One message box on its way: the hook that sees it initialised and the fonts made for it,
// which live until the box is gone.
struct BoxFonts {
    HHOOK hHook = nullptr;
    bool fitted = false;
    std::vector<std::pair<HFONT, CFont>> made;  // the system's font -> the one used instead
};

// The hook has no argument of its own; the box being shown by this thread is found here.
thread_local BoxFonts* t_pBox = nullptr;

bool IsClass(HWND hWnd, LPCWSTR name)
{
    wchar_t cls[32] = {};
    ::GetClassNameW(hWnd, cls, 32);
    return ::lstrcmpiW(cls, name) == 0;
}

std::wstring WindowText(HWND hWnd)
{
    const int n = ::GetWindowTextLengthW(hWnd);
    if (n <= 0)
        return std::wstring();
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hWnd, text.data(), n + 1)));
    return text;
}

// The font to use instead of `current`, or null when there is no better one.
HFONT FittingFont(BoxFonts& box, HFONT current)
{
    for (auto& entry : box.made)
        if (entry.first == current)
            return static_cast<HFONT>(entry.second.GetSafeHandle());
    LOGFONTW lf{};
    if (::GetObjectW(current != nullptr ? current : ::GetStockObject(SYSTEM_FONT), sizeof(lf), &lf) == 0)
        return nullptr;
    const LOGFONTW chosen = TextLogFont(lf);
    CFont font;
    if (::lstrcmpW(chosen.lfFaceName, lf.lfFaceName) != 0)
        font.CreateFontIndirect(&chosen);
    box.made.emplace_back(current, std::move(font));
    return static_cast<HFONT>(box.made.back().second.GetSafeHandle());
}

void Resize(HWND hWnd, int dx, int dy)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rc.right - rc.left + dx, rc.bottom - rc.top + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The text was laid out for the system's font: gives it the room it needs in `font`, moving the
// buttons below it down (and right by half, as they are centred) and growing the box. Lines
// grow as long as they are up to three quarters of the screen's width, and wrap beyond.
void MakeRoom(HWND hBox, HWND hText, HFONT font, const std::wstring& text)
{
    RECT rc, box;
    ::GetWindowRect(hText, &rc);
    ::GetWindowRect(hBox, &box);
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    const int widest = ::GetSystemMetrics(SM_CXSCREEN) * 3 / 4 - ((box.right - box.left) - width);
    const UINT format = DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX;
    HDC hDC = ::GetDC(hText);
    HGDIOBJ old = ::SelectObject(hDC, font);
    RECT natural{0, 0, 0, 0};
    ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &natural, format);
    int lineWidth = natural.right > width ? natural.right : width;
    if (lineWidth > widest)
        lineWidth = widest > width ? widest : width;
    RECT need{0, 0, lineWidth, 0};
    ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &need, format | DT_WORDBREAK);
    ::SelectObject(hDC, old);
    ::ReleaseDC(hText, hDC);
    const int dx = need.right > width ? need.right - width : 0;
    const int dy = need.bottom > height ? need.bottom - height : 0;
    if (dx == 0 && dy == 0)
        return;
    Resize(hText, dx, dy);
    for (HWND h = ::GetWindow(hBox, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!IsClass(h, L"Button"))
            continue;
        RECT b;
        ::GetWindowRect(h, &b);
        ::MapWindowPoints(nullptr, hBox, reinterpret_cast<POINT*>(&b), 2);
        ::SetWindowPos(h, nullptr, b.left + dx / 2, b.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Resize(hBox, dx, dy);
}

void FitBox(BoxFonts& box, HWND hBox)
{
    for (HWND h = ::GetWindow(hBox, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        const std::wstring text = WindowText(h);
        if (text.empty())
            continue;
        HFONT current = reinterpret_cast<HFONT>(::SendMessageW(h, WM_GETFONT, 0, 0));
        if (FontHasGlyphs(current != nullptr ? current : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)),
                          text.c_str()))
            continue;
        HFONT font = FittingFont(box, current);
        if (font == nullptr)
            continue;
        ::SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (IsClass(h, L"Static"))
            MakeRoom(hBox, h, font, text);
    }
}

const wchar_t BOX_PROC_PROP[] = L"fx.MessageBox.Proc";

// The box's own procedure ends the box on any command from one of its buttons, whatever the
// notification, with the whole wParam as the result. The process's skinned buttons also tell
// their parent when they are pushed and released, so a press on Yes would end the box at once
// with a result that is no button's id (and the program would read it as No). The box hears
// the clicks only, as it does from the system's own buttons.
LRESULT CALLBACK ClicksOnly(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto old = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, BOX_PROC_PROP));
    if (message == WM_COMMAND && lParam != 0 && HIWORD(wParam) != BN_CLICKED)
        return 0;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        ::RemovePropW(hWnd, BOX_PROC_PROP);
    }
    return ::CallWindowProcW(old, hWnd, message, wParam, lParam);
}

void HearClicksOnly(HWND hBox)
{
    const LONG_PTR old = ::GetWindowLongPtrW(hBox, GWLP_WNDPROC);
    if (old != 0 && ::SetPropW(hBox, BOX_PROC_PROP, reinterpret_cast<HANDLE>(old)))
        ::SetWindowLongPtrW(hBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClicksOnly));
}

// Sees the box's WM_INITDIALOG come back: the system has laid it out and not yet shown it.
LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    BoxFonts* box = t_pBox;
    if (code == HC_ACTION && box != nullptr && !box->fitted) {
        const CWPRETSTRUCT* ret = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (ret->message == WM_INITDIALOG && IsClass(ret->hwnd, L"#32770")) {
            box->fitted = true;
            FitBox(*box, ret->hwnd);
            HearClicksOnly(ret->hwnd);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int MessageBoxGbk(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    BoxFonts box;
    BoxFonts* outer = t_pBox;  // a box shown from within another box's loop
    t_pBox = &box;
    box.hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterMessage, nullptr, ::GetCurrentThreadId());
    const int result = ::MessageBoxW(hOwner, WideArg(lpszText), WideArg(lpszCaption), nType);
    if (box.hHook != nullptr)
        ::UnhookWindowsHookEx(box.hHook);
    t_pBox = outer;
    return result;
}

}  // namespace fx
