#include "app/core/wall/Cell.h"

#include "app/core/wall/WallServices.h"

#include <algorithm>

IMPLEMENT_SERIAL(CPIPCell, CCell, 0)

namespace {
// The smallest view size an edge drag or a shrink leaves a window.
const int kMinViewSize = 8;
}

CPIPCell::CPIPCell()
    : m_nTransparency(0), m_nDevX(-1), m_nDevY(-1), m_nDevW(-1), m_nDevH(-1)
{
    m_nKind = CELL_KIND_PIP;
}

int CPIPCell::hitTest(int x, int y) const
{
    const WallPoint p{x, y};
    for (int zone = ZONE_LEFT; zone <= ZONE_INSIDE; ++zone) {
        if (handleRect(zone).contains(p))
            return zone;
    }
    return ZONE_OUTSIDE;
}

int CPIPCell::cursorFor(int zone) const
{
    switch (zone) {
    case ZONE_LEFT:
    case ZONE_RIGHT:
        return CURSOR_SIZE_WE;
    case ZONE_TOP:
    case ZONE_BOTTOM:
        return CURSOR_SIZE_NS;
    case ZONE_INSIDE:
        return CURSOR_HAND;
    default:
        return CURSOR_ARROW;
    }
}

BOOL CPIPCell::resizeEdge(int zone, int x, int y)
{
    WallRect rc = m_rect;
    switch (zone) {
    case ZONE_LEFT:
        rc.left = x;
        break;
    case ZONE_TOP:
        rc.top = y;
        break;
    case ZONE_RIGHT:
        rc.right = x;
        break;
    case ZONE_BOTTOM:
        rc.bottom = y;
        break;
    default:
        return FALSE;
    }
    rc = rc.normalized();
    if (rc.width() < kMinViewSize)
        rc.right = rc.left + kMinViewSize;
    if (rc.height() < kMinViewSize)
        rc.bottom = rc.top + kMinViewSize;
    if (!applyInsideRegion(rc))
        return FALSE;
    resetDeviceRect();
    return TRUE;
}

BOOL CPIPCell::moveTo(const WallRect& rc)
{
    if (!applyInsideRegion(rc))
        return FALSE;
    resetDeviceRect();
    return TRUE;
}

BOOL CPIPCell::canAddPip() const { return FALSE; }

BOOL CPIPCell::applyInsideRegion(const WallRect& rc)
{
    if (m_pParent != nullptr && !rc.within(m_pParent->rect()))
        return FALSE;
    m_rect = rc;
    return TRUE;
}

BOOL CPIPCell::hasDeviceRect() const
{
    return m_nDevX > 0 && m_nDevY > 0 && m_nDevW > 0 && m_nDevH > 0;
}

void CPIPCell::deviceRect(int* x, int* y, int* w, int* h) const
{
    *x = m_nDevX;
    *y = m_nDevY;
    *w = m_nDevW;
    *h = m_nDevH;
}

void CPIPCell::setDeviceRect(int x, int y, int w, int h)
{
    m_nDevX = x;
    m_nDevY = y;
    m_nDevW = w;
    m_nDevH = h;
}

BOOL CPIPCell::deviceRectNow(int* x, int* y, int* w, int* h)
{
    if (m_pParent == nullptr)
        return FALSE;
    return m_pParent->deviceRectOf(this, x, y, w, h);
}

void CPIPCell::fineAdjust(Adjust how, int step)
{
    int W = 48;
    int H = 48;
    WallServices* services = WallServices::current();
    if (services != nullptr)
        services->mpdPixelSize(&W, &H);

    long long x = m_nDevX;
    long long y = m_nDevY;
    long long w = m_nDevW;
    long long h = m_nDevH;
    if (!hasDeviceRect()) {
        int cx = 0, cy = 0, cw = 0, ch = 0;
        if (deviceRectNow(&cx, &cy, &cw, &ch)) {
            x = cx;
            y = cy;
            w = cw;
            h = ch;
        }
    }

    WallRect rc = m_rect;
    switch (how) {
    case MOVE_LEFT:
        rc = rc.offset(-step, 0);
        x -= step;
        break;
    case MOVE_UP:
        rc = rc.offset(0, -step);
        y -= step;
        break;
    case MOVE_RIGHT:
        rc = rc.offset(step, 0);
        x += step;
        if (x + w > W - 10)
            x = W - w;
        break;
    case MOVE_DOWN:
        rc = rc.offset(0, step);
        y += step;
        if (y + h > H - 10)
            y = H - h;
        break;
    case WIDTH_GROW:
    case WIDTH_SHRINK: {
        const int d = how == WIDTH_GROW ? step : -step;
        rc.right = std::max(rc.right + d, rc.left + kMinViewSize);
        w += d;
        break;
    }
    case HEIGHT_GROW:
    case HEIGHT_SHRINK: {
        const int d = how == HEIGHT_GROW ? step : -step;
        rc.bottom = std::max(rc.bottom + d, rc.top + kMinViewSize);
        h += d;
        break;
    }
    }
    // The view follows only while it stays inside the region; the device cache is kept.
    applyInsideRegion(rc);

    x = std::max(0LL, x);
    y = std::max(0LL, y);
    w = std::max(0LL, w);
    h = std::max(0LL, h);
    x = std::min<long long>(x, W);
    y = std::min<long long>(y, H);
    w = std::min<long long>(w, W - x);
    h = std::min<long long>(h, H - y);
    setDeviceRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                  static_cast<int>(h));

    if (m_pParent != nullptr && services != nullptr)
        services->sendPipGeometry(m_nNumber, m_nDevX, m_nDevY, m_nDevW, m_nDevH);
}
