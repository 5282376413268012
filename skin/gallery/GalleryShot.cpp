#include "skin/gallery/GalleryShot.h"

#include <cstdio>

namespace gallery {

bool WriteBitmapFile(const void* pBits, int cx, int cy, const char* path)
{
    BITMAPINFOHEADER bih{};
    bih.biSize = sizeof(bih);
    bih.biWidth = cx;
    bih.biHeight = -cy;  // top-down, as a DIB section is
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    const DWORD nBytes = static_cast<DWORD>(cx) * static_cast<DWORD>(cy) * 4;
    BITMAPFILEHEADER bfh{};
    bfh.bfType = 0x4D42;  // "BM"
    bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
    bfh.bfSize = bfh.bfOffBits + nBytes;
    FILE* f = std::fopen(path, "wb");
    if (f == nullptr)
        return false;
    bool ok = std::fwrite(&bfh, sizeof(bfh), 1, f) == 1 && std::fwrite(&bih, sizeof(bih), 1, f) == 1 &&
              std::fwrite(pBits, nBytes, 1, f) == 1;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

bool SaveDcRect(HDC hSource, int x, int y, int cx, int cy, const char* path)
{
    CDC mem;
    mem.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    void* pBits = nullptr;
    if (!bitmap.CreateDIBSection32(cx, cy, &pBits) || pBits == nullptr)
        return false;
    CScopedSelect select(mem, bitmap);
    ::BitBlt(mem.GetSafeHdc(), 0, 0, cx, cy, hSource, x, y, SRCCOPY);
    ::GdiFlush();
    return WriteBitmapFile(pBits, cx, cy, path);
}

bool SaveScreenRect(const CRect& rc, const char* path)
{
    HDC hScreen = ::GetDC(nullptr);
    const bool ok = SaveDcRect(hScreen, rc.left, rc.top, rc.Width(), rc.Height(), path);
    ::ReleaseDC(nullptr, hScreen);
    return ok;
}

bool SaveWindowDc(HWND hWnd, const char* path)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    HDC hWindow = ::GetWindowDC(hWnd);
    const bool ok = SaveDcRect(hWindow, 0, 0, rc.Width(), rc.Height(), path);
    ::ReleaseDC(hWnd, hWindow);
    return ok;
}

void PumpUntilQuiet()
{
    DWORD quietSince = ::GetTickCount();
    const DWORD start = quietSince;
    while (::GetTickCount() - quietSince < 300 && ::GetTickCount() - start < 10000) {
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            quietSince = ::GetTickCount();
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
}

}  // namespace gallery
