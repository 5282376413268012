#include "app/core/view/BackBuffer_win.h"

#include <algorithm>

CDC* CBackBuffer::Prepare(CDC& like, int width, int height)
{
    if (m_dc.GetSafeHdc() != nullptr && width <= m_nWidth && height <= m_nHeight)
        return &m_dc;
    Release();
    // Grown to the larger of old and new, so alternating sizes do not remake it every time.
    const int w = std::max(width, m_nWidth);
    const int h = std::max(height, m_nHeight);
    if (!m_dc.CreateCompatibleDC(like) || !m_bitmap.CreateCompatibleBitmap(like, w, h)) {
        Release();
        return nullptr;
    }
    m_hOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_nWidth = w;
    m_nHeight = h;
    return &m_dc;
}

void CBackBuffer::Release()
{
    // The bitmap leaves the DC before either is deleted.
    if (m_hOldBitmap != nullptr)
        m_dc.SelectObject(m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_dc.DeleteDC();
    m_bitmap.DeleteObject();
}
