// Chinese text reaches the screen: GBK bytes are converted through code page 936, drawn with the
// W API into a real window, and the pixels read back show two different glyphs (a missing font
// would draw the same empty box for both).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring fromGbk(const char* text)
{
    const int length = MultiByteToWideChar(936, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    if (length > 1)
        MultiByteToWideChar(936, 0, text, -1, wide.data(), length);
    return wide;
}

const int kCell = 100;

LRESULT CALLBACK paintTwoGlyphs(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT all{0, 0, 2 * kCell, kCell};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontW(-64, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                             DEFAULT_PITCH, L"WenQuanYi Micro Hei");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring text = fromGbk("高清");
    TextOutW(dc, 10, 10, text.c_str(), 1);
    TextOutW(dc, kCell + 10, 10, text.c_str() + 1, 1);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(hwnd, &ps);
    return 0;
}

std::vector<bool> darkPixels(HDC dc, int left)
{
    std::vector<bool> dark;
    for (int y = 0; y < kCell; y += 2)
        for (int x = left; x < left + kCell; x += 2)
            dark.push_back(GetRValue(GetPixel(dc, x, y)) < 128);
    return dark;
}

int count(const std::vector<bool>& bits)
{
    int n = 0;
    for (bool b : bits)
        n += b;
    return n;
}

}  // namespace

TEST(GdiText, GbkConvertsThroughCodePage936)
{
    EXPECT_EQ(std::wstring(L"\u9AD8\u6E05"), fromGbk("高清"));
}

TEST(GdiText, ChineseGlyphsAreDrawnInAWindow)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = paintTwoGlyphs;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TaveloGlyphTest";
    ASSERT_TRUE(RegisterClassW(&wc));
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"glyphs", WS_POPUP | WS_VISIBLE, 0, 0,
                                2 * kCell, kCell, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hwnd);
    UpdateWindow(hwnd);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    UpdateWindow(hwnd);

    HDC dc = GetDC(hwnd);
    const std::vector<bool> first = darkPixels(dc, 0);
    const std::vector<bool> second = darkPixels(dc, kCell);
    ReleaseDC(hwnd, dc);
    DestroyWindow(hwnd);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);

    EXPECT_GT(count(first), 40);
    EXPECT_GT(count(second), 40);
    EXPECT_NE(first, second) << "both characters drew the same shape: no Chinese font";
}
