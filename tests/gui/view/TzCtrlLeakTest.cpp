// The wall view control over many lives: each one created on the page, given an MPD region with
// windows, painted, dragged, banded, its popup built and its scene saved when it goes. Afterwards
// the process holds as many GDI objects and windows as after the first life, so a program that
// keeps its wall view open all day does not run out of handles.
#include "tests/gui/fx_win/ResourceCounts.h"
#include "tests/gui/view/ViewGuiSupport.h"

namespace {

const int kLives = 12;

}  // namespace

class TzCtrlLeak : public ViewGuiTest {
protected:
    // One life of the control: everything that makes or selects GDI objects.
    void Live()
    {
        CTzCtrl control(scratch.path().c_str());
        CreateFrame(control);
        Press(100, 100);
        Release(100, 100);
        Command(ID_WALL_MPD);
        Command(ID_WALL_ADD_PIP);
        Command(ID_WALL_ADD_PIP);
        // A drag painted on the way, a resize, a rubber band over the region.
        Press(300, 240);
        MoveTo(320, 250);
        viewtest::PumpUntil([&] { return !::GetUpdateRect(View(), nullptr, FALSE); });
        Release(320, 250);
        Press(20, 20);
        MoveTo(200, 150);
        MoveTo(250, 180);
        Release(250, 180);
        // Painting into another DC, and the popup built for the current window.
        HDC screen = ::GetDC(View());
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 640, 480);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::SendMessageW(View(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(View(), screen);
        Press(330, 250);
        Release(330, 250);
        {
            CMenu menu;
            ASSERT_TRUE(control.buildContextMenu(menu));
            control.applyCommandStates(*menu.GetSubMenu(WALL_MENU_POP));
        }
        DestroyPage();
        viewtest::PumpUntil([] { return false; }, 20);
    }
};

TEST_F(TzCtrlLeak, ManyLivesLeaveNoGdiObjectsOrWindowsBehind)
{
    // The first life makes what is made once per process (the label font, the frame brush).
    Live();
    const int gdi = fxtest::CountGdiObjects();
    const int windows = fxtest::CountThreadWindows();
    for (int i = 0; i < kLives; ++i)
        Live();
    EXPECT_EQ(gdi, fxtest::CountGdiObjects());
    EXPECT_EQ(windows, fxtest::CountThreadWindows());
}
