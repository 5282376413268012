// Support for the menu and toolbar tests: the library started once, an owner window that
// records what menus and bars send it and runs test steps from inside a modal menu loop, and
// small helpers for posted mouse input and text measurement in the theme font.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Theme.h"
#include "tests/gui/fx_win/GuiTestSupport.h"

#include <commctrl.h>

#include <deque>
#include <ostream>
#include <functional>
#include <vector>
#include "tests/gui/fx_win/ResourceCounts.h"

namespace menutest {

// A command as it arrived.
struct Command {
    WPARAM wParam;
    LPARAM lParam;
};

// A drop-down notification as it arrived.
struct DropDown {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
    int iItem;
    BOOL restZero;  // every other member of the record was 0
};

// A visible top-level window that owns the menus and parents the bars under test. One lives
// for the whole program (hiding an active window costs seconds under Wine without a window
// manager); each test starts from Owner(), which clears what the last test left.
class COwnerWnd : public CWnd {
public:
    COwnerWnd();
    ~COwnerWnd() override;
    void Reset();

    // Runs f from inside whatever loop is pumping messages (a menu's modal loop); steps run in
    // the order given, each once its condition holds (checked on a 10 ms timer, so a step also
    // waits for what earlier posted input set off).
    void During(std::function<void()> f);
    void When(std::function<bool()> cond, std::function<void()> f);

    std::vector<Command> commands;
    std::vector<DropDown> dropDowns;
    std::vector<UINT> initPopups;  // HMENU of each WM_INITMENUPOPUP, truncated
    int toggles = 0;               // 0x1404 messages
    std::function<void(const DropDown&)> onDropDown;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnToggleMenuBar(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);

    struct Step {
        std::function<bool()> cond;
        std::function<void()> run;
    };
    std::deque<Step> m_steps;
    DECLARE_MESSAGE_MAP()
};

// The program's owner window, cleared for the calling test.
COwnerWnd& Owner();
void DestroyOwner();

// Posts a client-area mouse message at pt (client coordinates of hWnd).
void PostMouse(HWND hWnd, UINT message, POINT pt, WPARAM wParam = 0);
// Posts a key press.
void PostKey(HWND hWnd, UINT nVirtKey);
// The extent of a text in the theme font (DrawText, single line, tabs expanded).
CSize ThemeTextSize(LPCSTR text, BOOL bBold = FALSE);
// The work area the menus keep within.
CRect WorkArea();
using fxtest::CountGdiObjects;
using fxtest::CountThreadWindows;

}  // namespace menutest

// Rectangles, points and sizes print as their coordinates in failure messages.
inline void PrintTo(const RECT& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const POINT& pt, std::ostream* os) { *os << "(" << pt.x << ", " << pt.y << ")"; }
inline void PrintTo(const SIZE& size, std::ostream* os) { *os << size.cx << " x " << size.cy; }
