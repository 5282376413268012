// A memory bitmap kept between paints of a window (Windows only): made once for the window's size
// and again only when a paint needs more room, so a paint costs the drawing and one copy.
#pragma once

#include "fx/win/Gdi.h"

class CBackBuffer {
public:
    CBackBuffer() = default;
    ~CBackBuffer() { Release(); }
    CBackBuffer(const CBackBuffer&) = delete;
    CBackBuffer& operator=(const CBackBuffer&) = delete;

    // The memory DC, holding a bitmap of at least width x height compatible with `like`; null
    // when the system refuses one.
    CDC* Prepare(CDC& like, int width, int height);
    void Release();

private:
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
