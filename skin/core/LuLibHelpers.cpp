// The facade's small helpers: accelerator letters, the top-level parent, and bitmaps whose
// greys follow the system's button colours.
#include "skin/core/LuLibAux.h"

#include <cstring>
#include <vector>

char LuLibAux::CalcAccVKey(CString& str)
{
    const int n = str.GetLength();
    for (int i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(str[i]);
        if (CString::IsLeadByte(c)) {
            ++i;  // a two-byte character: its second byte may look like '&'
            continue;
        }
        if (c == '&') {
            if (i + 1 >= n)
                return 0;
            const char next = str[i + 1];
            return next >= 'a' && next <= 'z' ? static_cast<char>(next - 'a' + 'A') : next;
        }
    }
    return 0;
}

HWND LuLibAux::GetTopLevelParent(HWND hWnd)
{
    HWND hParent = hWnd;
    while (hParent != nullptr) {
        HWND hNext = ::GetParent(hParent);
        if (hNext == nullptr)
            break;
        hParent = hNext;
    }
    return hParent;
}

HBITMAP LuLibAux::LoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono)
{
    HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    const auto* pSource = hGlobal != nullptr ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hGlobal)) : nullptr;
    const DWORD nResource = hGlobal != nullptr ? ::SizeofResource(hInst, hRsrc) : 0;
    if (pSource == nullptr || nResource < sizeof(BITMAPINFOHEADER) || pSource->biSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    const int nColors = pSource->biBitCount <= 8
                            ? (pSource->biClrUsed != 0 ? static_cast<int>(pSource->biClrUsed) : 1 << pSource->biBitCount)
                            : 0;
    const size_t nHeader = pSource->biSize + static_cast<size_t>(nColors) * sizeof(RGBQUAD);
    if (nHeader > nResource)
        return nullptr;
    // A private copy of header and colour table: the resource itself is read-only.
    std::vector<unsigned char> header(nHeader);
    std::memcpy(header.data(), pSource, nHeader);
    auto* pTable = reinterpret_cast<RGBQUAD*>(header.data() + pSource->biSize);

    struct Mapping {
        COLORREF from;
        int nSysColor;
    };
    static const Mapping kMap[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                                   {RGB(128, 128, 128), COLOR_BTNSHADOW},
                                   {RGB(192, 192, 192), COLOR_BTNFACE},
                                   {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (int i = 0; i < nColors && i < 16; ++i) {
        const COLORREF clr = RGB(pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue);
        for (const Mapping& m : kMap) {
            if (clr != m.from)
                continue;
            COLORREF to = ::GetSysColor(m.nSysColor);
            if (bMono && m.nSysColor != COLOR_BTNTEXT)
                to = RGB(255, 255, 255);
            pTable[i].rgbRed = GetRValue(to);
            pTable[i].rgbGreen = GetGValue(to);
            pTable[i].rgbBlue = GetBValue(to);
            break;
        }
    }
    const int cx = pSource->biWidth;
    const int cy = pSource->biHeight < 0 ? -pSource->biHeight : pSource->biHeight;
    const auto* pBits = reinterpret_cast<const unsigned char*>(pSource) + nHeader;
    const size_t nStride = ((static_cast<size_t>(cx) * pSource->biBitCount + 31) / 32) * 4;
    if (cx <= 0 || cy <= 0 || nHeader + nStride * static_cast<size_t>(cy) > nResource)
        return nullptr;

    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hMem = hBitmap != nullptr ? ::CreateCompatibleDC(hScreen) : nullptr;
    if (hMem != nullptr) {
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::StretchDIBits(hMem, 0, 0, cx, cy, 0, 0, cx, cy, pBits,
                        reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
    } else if (hBitmap != nullptr) {
        ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}
