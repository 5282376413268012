// Drawing through the GDI owners: objects are deleted and selections undone at the end of each
// scope (no GDI handle growth over 10,000 paint cycles), and a window that paints only in its
// WM_PAINT handler is read back pixel by pixel through PrintWindow.
#include "GuiTestSupport.h"
#include "TestApp.h"

#include "fx/win/Gdi.h"
#include "fx/win/ImageList.h"
#include "fx/win/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 200);
constexpr COLORREF kBox = RGB(230, 20, 10);
constexpr COLORREF kLine = RGB(0, 180, 0);

// Paints with every kind of owner each time and remembers the handles it made, so the test can
// check they are gone once the paint is over.
class CPainter : public CWnd {
public:
    int paints = 0;
    std::vector<HGDIOBJ> made;
    bool selectionsRestored = true;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        ++paints;
        made.clear();
        const HGDIOBJ stockPen = dc.GetCurrentObject(OBJ_PEN);
        const HGDIOBJ stockBrush = dc.GetCurrentObject(OBJ_BRUSH);
        const HGDIOBJ stockFont = dc.GetCurrentObject(OBJ_FONT);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kBackground);
        {
            CBrush brush(kBox);
            CPen pen(PS_SOLID, 1, kBox);
            CFont font;
            font.CreatePointFont(90, "SimSun", dc);
            CScopedSelect selBrush(dc, brush);
            CScopedSelect selPen(dc, pen);
            CScopedSelect selFont(dc, font);
            dc.Rectangle(10, 10, 50, 40);
            CRgn region;
            region.CreateRectRgn(60, 10, 70, 20);
            dc.FillRgn(&region, brush);
            CDC memory;
            memory.CreateCompatibleDC(dc);
            CBitmap bitmap;
            bitmap.CreateCompatibleBitmap(dc, 8, 8);
            CScopedSelect selBitmap(memory, bitmap);
            memory.FillSolidRect(0, 0, 8, 8, kLine);
            dc.BitBlt(80, 10, 8, 8, memory, 0, 0, SRCCOPY);
            dc.SetBkMode(TRANSPARENT);
            dc.TextOut(10, 50, "高清");
            made = {brush.GetSafeHandle(), pen.GetSafeHandle(), font.GetSafeHandle(), region.GetSafeHandle(),
                    bitmap.GetSafeHandle(), static_cast<HGDIOBJ>(memory.GetSafeHdc())};
            if (!selBrush.Previous() || !selPen.Previous() || !selFont.Previous() || !selBitmap.Previous())
                made.push_back(nullptr);  // a selection failed
        }
        selectionsRestored = dc.GetCurrentObject(OBJ_PEN) == stockPen &&
                             dc.GetCurrentObject(OBJ_BRUSH) == stockBrush &&
                             dc.GetCurrentObject(OBJ_FONT) == stockFont;
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainter, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

DWORD GdiObjects() { return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace

TEST(FxGdi, ObjectsAreReleasedAfterEveryPaint)
{
    CPainter wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "painter", WS_POPUP | WS_VISIBLE, 0, 0, 120, 80, nullptr, nullptr));
    wnd.UpdateWindow();
    ASSERT_TRUE(fxtest::PumpUntil([&] { return wnd.paints > 0; }));

    CDC target;
    ASSERT_TRUE(target.CreateCompatibleDC(nullptr));
    CBitmap canvas;
    ASSERT_TRUE(canvas.CreateDIBSection32(120, 80));
    CScopedSelect selCanvas(target, canvas);

    const DWORD before = GdiObjects();
    for (int i = 0; i < 10000; ++i) {
        // PrintWindow runs the paint handler with the DC it is given (WM_PRINTCLIENT).
        ASSERT_TRUE(::PrintWindow(wnd.m_hWnd, target, PRF_CLIENT)) << "cycle " << i;
        ASSERT_TRUE(wnd.selectionsRestored) << "cycle " << i;
        for (HGDIOBJ h : wnd.made) {
            // Wine's handle table holds about 16,000 objects: a leak of any of the six made
            // per cycle would make creation fail long before the last cycle.
            ASSERT_NE(nullptr, h) << "creation failed in cycle " << i;
            ASSERT_EQ(0u, ::GetObjectType(h)) << "a handle outlived its owner in cycle " << i;
        }
    }
    EXPECT_GE(wnd.paints, 10000);
    // Windows counts the process's GDI objects; Wine answers 0, and the checks above stand in.
    const DWORD after = GdiObjects();
    EXPECT_LE(after, before + 2) << "GDI objects before " << before << ", after " << after;
    wnd.DestroyWindow();
}

TEST(FxGdi, PaintedPixelsComeBackThroughPrintWindow)
{
    CPainter wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "pixels", WS_POPUP | WS_VISIBLE, 30, 30, 120, 80, nullptr, nullptr));
    wnd.UpdateWindow();

    CDC target;
    ASSERT_TRUE(target.CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    CBitmap canvas;
    ASSERT_TRUE(canvas.CreateDIBSection32(120, 80, &bits));
    CScopedSelect selCanvas(target, canvas);
    target.FillSolidRect(0, 0, 120, 80, RGB(255, 255, 255));
    ASSERT_TRUE(::PrintWindow(wnd.m_hWnd, target, PRF_CLIENT));
    ::GdiFlush();

    auto pixel = [&](int x, int y) {
        const DWORD v = static_cast<const DWORD*>(bits)[y * 120 + x];  // 0x00RRGGBB
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    };
    EXPECT_EQ(kBackground, pixel(2, 2));
    EXPECT_EQ(kBackground, pixel(115, 75));
    EXPECT_EQ(kBox, pixel(10, 10)) << "outline of the rectangle";
    EXPECT_EQ(kBox, pixel(30, 25)) << "inside the rectangle";
    EXPECT_EQ(kBackground, pixel(50, 25)) << "right edge is outside";
    EXPECT_EQ(kBox, pixel(65, 15)) << "the region";
    EXPECT_EQ(kBackground, pixel(70, 15));
    EXPECT_EQ(kLine, pixel(84, 14)) << "the memory bitmap copied in";
    int textPixels = 0;
    for (int y = 50; y < 70; ++y)
        for (int x = 10; x < 40; ++x)
            textPixels += pixel(x, y) != kBackground;
    EXPECT_GT(textPixels, 20) << "the GBK text was drawn";
    wnd.DestroyWindow();
}

TEST(FxGdi, OwnersAreMoveOnlyAndGiveBackWhatTheyDetach)
{
    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    const HGDIOBJ h = pen.GetSafeHandle();
    ASSERT_NE(nullptr, h);
    CPen moved(std::move(pen));
    EXPECT_EQ(nullptr, pen.GetSafeHandle());
    EXPECT_EQ(h, moved.GetSafeHandle());
    EXPECT_FALSE(moved.Attach(::GetStockObject(BLACK_PEN))) << "an owner holds one handle";
    const HGDIOBJ detached = moved.Detach();
    EXPECT_EQ(OBJ_PEN, static_cast<int>(::GetObjectType(detached))) << "detaching does not delete";
    ::DeleteObject(detached);

    LOGFONTA lf{};
    lf.lfHeight = -12;
    lstrcpyA(lf.lfFaceName, "宋体");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    LOGFONTA back{};
    ASSERT_TRUE(font.GetLogFont(&back));
    EXPECT_STREQ("宋体", back.lfFaceName) << "face names travel as GBK";

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4));
    CBitmap strip;
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    ASSERT_TRUE(strip.CreateCompatibleBitmap(screen, 48, 16));
    ::ReleaseDC(nullptr, screen.Detach());
    EXPECT_EQ(0, images.Add(&strip, RGB(255, 0, 255)));
    EXPECT_EQ(3, images.GetImageCount()) << "a 48-pixel strip is three 16-pixel images";
    EXPECT_EQ(CSize(16, 16), images.GetIconSize());
}
