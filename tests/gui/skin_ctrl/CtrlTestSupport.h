// Shared by the skin control tests: the program object (one per process, recording message
// boxes), a dialog that records every notification its controls send, and helpers to show a
// window, read back its pixels and compare them with theme colours.
#pragma once

#include "fx/win/WinApp.h"
#include "skin/ctrl/Dialog.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "tests/gui/fx_win/GuiTestSupport.h"

#include <string>
#include <utility>
#include <vector>
#include "tests/gui/fx_win/ResourceCounts.h"

namespace ctrltest {

class CCtrlTestApp : public CWinApp {
public:
    CCtrlTestApp() : CWinApp("SkinCtrlTest") {}
    std::vector<std::string> m_messages;
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        m_messages.emplace_back(lpszPrompt);
        return IDOK;
    }
};
CCtrlTestApp& App();

// A notification as the parent received it: control id and code.
using Note = std::pair<UINT, UINT>;

// A skinned dialog that records the WM_COMMAND notifications of its controls.
class CRecordingDlg : public CLuDialog {
public:
    explicit CRecordingDlg(UINT nIDTemplate, CWnd* pParent = nullptr) : CLuDialog(nIDTemplate, pParent) {}
    std::vector<Note> m_notes;
    // The notes of one control only.
    std::vector<UINT> CodesOf(UINT nID) const
    {
        std::vector<UINT> codes;
        for (const Note& n : m_notes)
            if (n.first == nID)
                codes.push_back(n.second);
        return codes;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam != 0)
            m_notes.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CLuDialog::OnCommand(wParam, lParam);
    }
};

inline COLORREF ThemeColor(UINT nIndex) { return CLuThemeManager::Instance()->GetTheme()->GetThemeColor(nIndex); }

// Colours equal within tol per channel (gradients pass through 16-bit vertex colours).
inline bool Near(COLORREF a, COLORREF b, int tol = 2)
{
    auto close = [tol](int x, int y) { return x - y <= tol && y - x <= tol; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) && close(GetBValue(a), GetBValue(b));
}

// Keeps the pointer off the windows under test, so nothing is drawn hot.
inline void MoveCursorAway() { ::SetCursorPos(1270, 790); }

// Shows a top-level window above everything and waits until it has painted.
inline void ShowAndPaint(HWND hWnd)
{
    ::SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fxtest::PumpPending();
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::GdiFlush();
}

// A pixel of the window (window coordinates, non-client area included).
inline COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    HDC hdc = ::GetWindowDC(hWnd);
    const COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return c;
}

inline COLORREF ClientPixel(HWND hWnd, int x, int y)
{
    HDC hdc = ::GetDC(hWnd);
    const COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return c;
}

inline LPARAM Pt(int x, int y) { return MAKELPARAM(x, y); }

// A click as the mouse makes it: button down and up at a client point.
inline void Click(HWND hWnd, int x, int y)
{
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, Pt(x, y));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, Pt(x, y));
}

using fxtest::CountGdiObjects;

}  // namespace ctrltest
