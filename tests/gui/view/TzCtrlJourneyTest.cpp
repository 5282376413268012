// Mouse journeys on the real control with posted messages: selecting, the rubber band, merging
// and splitting, an MPD region with a window added, dragged and resized by each edge, with the
// exact commands and device rectangles the recording link saw; the cursor of each zone; what is
// painted; capture taken away mid-drag; and the scene saved when the control goes.
#include "tests/gui/view/ViewGuiSupport.h"

#include "app/core/scene/SceneFile.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using viewtest::Geometry;

namespace {

COLORREF PixelOf(HWND hWnd, int x, int y)
{
    HDC screen = ::GetDC(hWnd);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 640, 480);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF color = ::GetPixel(memory, x, y);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(hWnd, screen);
    return color;
}

// The client area's 640 x 480 pixels, 32 bits each: as they are on the screen (copied from the
// window's own DC) or as the control paints them afresh (WM_PRINTCLIENT).
std::vector<DWORD> ClientPixels(HWND hWnd, bool fromScreen)
{
    const int width = 640, height = 480;
    HDC screen = ::GetDC(hWnd);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    if (fromScreen)
        ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    else
        ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    ::SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    ::GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(hWnd, screen);
    return pixels;
}

// Pixels on the screen that differ from a fresh paint, with the first one's position.
std::string ScreenDifferences(HWND hWnd)
{
    ::UpdateWindow(hWnd);
    ::GdiFlush();
    const std::vector<DWORD> shown = ClientPixels(hWnd, true);
    const std::vector<DWORD> fresh = ClientPixels(hWnd, false);
    size_t count = 0, first = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        if ((shown[i] & 0xFFFFFF) != (fresh[i] & 0xFFFFFF) && count++ == 0)
            first = i;
    if (count == 0)
        return "";
    return std::to_string(count) + " pixels, the first at (" + std::to_string(first % 640) + "," +
           std::to_string(first / 640) + ")";
}

HCURSOR Cursor(LPCSTR shape) { return ::LoadCursorA(nullptr, shape); }

}  // namespace

class TzCtrlJourney : public ViewGuiTest {
protected:
    // The one panel made the MPD region, with one window in its middle ninth:
    // (213,160)-(427,320) in view pixels, x 638, y 360, 642 x 360 on the 1920 x 1080 output.
    void RegionWithWindow()
    {
        Press(100, 100);
        Release(100, 100);
        Command(ID_WALL_MPD);
        Command(ID_WALL_ADD_PIP);
    }
};

TEST_F(TzCtrlJourney, MpdRegionAndAWindowAddedThroughCommands)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    RegionWithWindow();
    EXPECT_EQ("SelectInput(2,4) SelectInput(3,4) SelectInput(4,4) SelectInput(5,4) SelectInput(6,4) "
              "SelectInput(7,4) SelectInput(8,4) SelectInput(9,0) SetPip(2,0,1,85,85,85) " +
                  Geometry(2, 638, 360, 642, 360),
              link.Joined());
    EXPECT_EQ((std::vector<std::string>{"设置CBD", "开PIP"}), titles.titles);
    ASSERT_EQ(1, control.wall().cells().GetHead()->pipCount());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(TzCtrlJourney, DraggingAndResizingAWindowSendsItsGeometryOnRelease)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    RegionWithWindow();
    link.Clear();

    // Inside: the hand, the mouse captured, nothing sent until the button goes up.
    Press(300, 240);
    EXPECT_EQ(View(), ::GetCapture());
    EXPECT_EQ(Cursor(IDC_HAND), ::GetCursor());
    MoveTo(315, 250);
    MoveTo(330, 260);
    EXPECT_TRUE(link.calls.empty());
    Release(330, 260);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(Geometry(2, 728, 406, 642, 360), link.Joined());
    Press(330, 260);
    MoveTo(300, 240);
    Release(300, 240);

    struct Edge {
        int grabX, grabY, toX, toY;
        LPCSTR cursor;
        std::string sent;
    } edges[] = {
        {213, 240, 150, 240, IDC_SIZEWE, Geometry(2, 450, 360, 830, 360)},
        {300, 160, 300, 100, IDC_SIZENS, Geometry(2, 450, 226, 830, 496)},
        {426, 240, 500, 240, IDC_SIZEWE, Geometry(2, 450, 226, 1050, 496)},
        {300, 319, 300, 400, IDC_SIZENS, Geometry(2, 450, 226, 1050, 676)},
    };
    for (const Edge& e : edges) {
        SCOPED_TRACE(e.sent);
        link.Clear();
        Press(e.grabX, e.grabY);
        EXPECT_EQ(Cursor(e.cursor), ::GetCursor());
        MoveTo(e.toX, e.toY);
        Release(e.toX, e.toY);
        EXPECT_EQ(e.sent, link.Joined());
    }

    // A press and release without moving sends nothing.
    link.Clear();
    Press(300, 300);
    Release(300, 300);
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(TzCtrlJourney, CaptureTakenAwayMidDragFinishesTheDrag)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    RegionWithWindow();
    link.Clear();
    Press(300, 240);
    MoveTo(330, 260);
    // Another window takes the mouse.
    ::SetCapture(page.m_hWnd);
    viewtest::PumpUntil([] { return false; }, 50);
    EXPECT_EQ(DRAG_NONE, control.editor().dragMode());
    EXPECT_EQ(Geometry(2, 728, 406, 642, 360), link.Joined());
    ::ReleaseCapture();

    // WM_CANCELMODE ends a drag the same way.
    link.Clear();
    Press(330, 260);
    MoveTo(300, 240);
    viewtest::Post(View(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(Geometry(2, 638, 360, 642, 360), link.Joined());
    // The late button-up does nothing more.
    Release(300, 240);
    EXPECT_EQ(Geometry(2, 638, 360, 642, 360), link.Joined());
}

TEST_F(TzCtrlJourney, RubberBandMergesAndDoubleClickSplits)
{
    configuredSystem().wallRows = 2;
    configuredSystem().wallColumns = 2;
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    ASSERT_EQ(4, control.wall().cells().GetCount());

    Press(100, 100);
    MoveTo(400, 150);
    MoveTo(500, 300);
    Release(500, 300);
    // Four panels of 320 x 240, boards 9 .. 12.
    EXPECT_EQ("SetLayout(9,2,2,1) SetLayout(10,2,2,2) SetLayout(11,2,2,3) SetLayout(12,2,2,4)",
              link.Joined());
    EXPECT_EQ((std::vector<std::string>{"合成屏幕"}), titles.titles);
    ASSERT_EQ(1, control.wall().cells().GetCount());
    EXPECT_EQ(nullptr, control.editor().currentCell());

    link.Clear();
    titles.titles.clear();
    viewtest::Post(View(), WM_LBUTTONDBLCLK, MK_LBUTTON, viewtest::At(200, 200));
    EXPECT_EQ("SetLayout(9,1,1,1) SetLayout(10,1,1,1) SetLayout(11,1,1,1) SetLayout(12,1,1,1)",
              link.Joined());
    EXPECT_EQ((std::vector<std::string>{"屏幕分解"}), titles.titles);
    EXPECT_EQ(4, control.wall().cells().GetCount());
}

TEST_F(TzCtrlJourney, PaintShowsSelectionFramesAndWindows)
{
    configuredSystem().wallRows = 2;
    configuredSystem().wallColumns = 2;
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    EXPECT_EQ(RGB(0, 0, 0), PixelOf(View(), 320, 100)) << "the frame between two panels";
    EXPECT_EQ(RGB(100, 100, 100), PixelOf(View(), 20, 20));
    Press(20, 20);
    Release(20, 20);
    EXPECT_EQ(RGB(36, 106, 64), PixelOf(View(), 20, 20));
    EXPECT_EQ(RGB(100, 100, 100), PixelOf(View(), 340, 20));

    Command(ID_WALL_MPD);
    Command(ID_WALL_ADD_PIP);
    // The region (320 x 240) and its window in the middle ninth (106,80)-(214,160).
    EXPECT_EQ(RGB(0, 0, 0), PixelOf(View(), 106, 100));
    EXPECT_EQ(RGB(100, 100, 100), PixelOf(View(), 110, 85));
    Press(110, 85);
    Release(110, 85);
    EXPECT_EQ(RGB(36, 106, 64), PixelOf(View(), 110, 85));
    EXPECT_EQ(RGB(100, 100, 100), PixelOf(View(), 20, 20)) << "the region itself is not selected";
}

TEST_F(TzCtrlJourney, ADraggedWindowLeavesNothingBehindOnTheScreen)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    RegionWithWindow();
    // Dragged in six steps, each painted before the next, then its left edge pulled out and its
    // bottom edge pushed in.
    Press(300, 240);
    for (int i = 1; i <= 6; ++i) {
        MoveTo(300 + 15 * i, 240 + 8 * i);
        viewtest::PumpUntil([&] { return !::GetUpdateRect(View(), nullptr, FALSE); });
    }
    Release(390, 288);
    ASSERT_EQ((WallRect{303, 208, 517, 368}),
              control.wall().cells().GetHead()->pips().GetHead()->rect());
    Press(303, 300);
    for (int x : {280, 250, 200}) {
        MoveTo(x, 300);
        viewtest::PumpUntil([&] { return !::GetUpdateRect(View(), nullptr, FALSE); });
    }
    Release(200, 300);
    Press(400, 367);
    MoveTo(400, 330);
    viewtest::PumpUntil([&] { return !::GetUpdateRect(View(), nullptr, FALSE); });
    Release(400, 330);
    ASSERT_EQ((WallRect{200, 208, 517, 330}),
              control.wall().cells().GetHead()->pips().GetHead()->rect());
    EXPECT_EQ("", ScreenDifferences(View()));
}

TEST_F(TzCtrlJourney, TheSystemsCursorQueryKeepsTheZonesCursorOverAWindow)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    RegionWithWindow();
    link.Clear();
    auto cursorAfterQuery = [&](int x, int y) {
        CPoint screen(x, y);
        ::ClientToScreen(View(), &screen);
        ::SetCursorPos(screen.x, screen.y);
        viewtest::PumpUntil([] { return false; }, 50);
        // As the system asks before each mouse move.
        ::SendMessageW(View(), WM_SETCURSOR, reinterpret_cast<WPARAM>(View()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    const HCURSOR inside = cursorAfterQuery(300, 240);
    const HCURSOR leftEdge = cursorAfterQuery(213, 240);
    const HCURSOR bottomEdge = cursorAfterQuery(300, 319);
    const HCURSOR region = cursorAfterQuery(100, 100);
    ::SetCursorPos(1279, 799);
    viewtest::PumpUntil([] { return false; }, 50);
    EXPECT_EQ(Cursor(IDC_HAND), inside);
    EXPECT_EQ(Cursor(IDC_SIZEWE), leftEdge);
    EXPECT_EQ(Cursor(IDC_SIZENS), bottomEdge);
    EXPECT_EQ(Cursor(IDC_ARROW), region) << "the class's cursor outside the windows";
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(TzCtrlJourney, DeleteWithoutAWindowAsksForOne)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    Command(ID_WALL_DELETE_PIP);
    EXPECT_EQ((std::vector<std::string>{"请选中要删除的窗口"}), Shown());
    RegionWithWindow();
    Press(300, 240);
    Release(300, 240);
    link.Clear();
    Command(ID_WALL_DELETE_PIP);
    EXPECT_EQ("SetPip(2,0,0,85,85,85)", link.Joined());
    EXPECT_EQ(0, control.wall().cells().GetHead()->pipCount());
}

TEST_F(TzCtrlJourney, TheSceneIsSavedWhenTheControlGoes)
{
    {
        CTzCtrl control(scratch.path().c_str());
        CreateFrame(control);
        RegionWithWindow();
    }
    const std::string path = scratch.file("insidemode\\newmode.tzs");
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << path;
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 218u);
    EXPECT_EQ(0x7A, bytes[0]);
    EXPECT_EQ(0x63, bytes[1]);
    EXPECT_EQ(1, bytes[202]);   // rows
    EXPECT_EQ(1, bytes[206]);   // columns
    EXPECT_EQ(8, bytes[214]);   // MPD count
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(std::string::npos, text.find("CPIPCell"));
}
