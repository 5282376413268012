#include "app/core/wall/Cell.h"

#include "app/core/wall/WallServices.h"

#include <cmath>
#include <limits>

IMPLEMENT_SERIAL(CCell, CObject, 0)

namespace {
// The band either side of an edge that grabs it.
const int kEdgeBand = 2;

// float -> int truncation that saturates instead of overflowing: a cell read from a damaged file
// may lie far outside its region, and the device rectangle must still be a defined number.
int truncSaturated(float v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483520.0f)
        return std::numeric_limits<int>::max();
    if (v <= -2147483520.0f)
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Differences of rectangle coordinates from files can exceed int; keep them in range.
long long clampToInt(long long v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return v;
}
}  // namespace

CCell::CCell()
    : m_nFlags(0), m_bMpd(0), m_nNumber(0), m_nOrder(0), m_nInputType(INPUT_NONE),
      m_nInputNo(0), m_nKind(CELL_KIND_PLAIN), m_pParent(nullptr)
{
}

CCell::~CCell() { destroy(); }

BOOL CCell::isInside(const WallRect& rc) const { return m_rect.normalized().within(rc); }

BOOL CCell::intersects(const WallRect& rc) const { return m_rect.intersects(rc); }

int CCell::hitTest(int, int) const { return ZONE_OUTSIDE; }

int CCell::cursorFor(int) const { return CURSOR_ARROW; }

WallRect CCell::handleRect(int zone) const
{
    const WallRect& r = m_rect;
    switch (zone) {
    case ZONE_LEFT:
        return {r.left - kEdgeBand, r.top, r.left + kEdgeBand, r.bottom};
    case ZONE_TOP:
        return {r.left, r.top - kEdgeBand, r.right, r.top + kEdgeBand};
    case ZONE_RIGHT:
        return {r.right - kEdgeBand, r.top, r.right + kEdgeBand, r.bottom};
    case ZONE_BOTTOM:
        return {r.left, r.bottom - kEdgeBand, r.right, r.bottom + kEdgeBand};
    case ZONE_INSIDE:
        return r;
    default:
        return WallRect();
    }
}

void CCell::decompose(CCellList&) {}

void CCell::destroy()
{
    CCellList pips;
    pips.Swap(m_pips);
    for (CCell* pip : pips)
        delete pip;
}

BOOL CCell::resizeEdge(int, int, int) { return FALSE; }

BOOL CCell::moveTo(const WallRect&) { return FALSE; }

int CCell::getKind() const { return m_nKind; }

void CCell::setParent(CCell* parent) { m_pParent = parent; }

CCell* CCell::getParent() const { return m_pParent; }

void CCell::addPip(CPIPCell* pip)
{
    m_pips.AddTail(pip);
    pip->setParent(this);
}

CPIPCell* CCell::pipAt(WallPoint pt) const
{
    const WallRect probe{pt.x, pt.y, pt.x + 1, pt.y + 1};
    for (int i = m_pips.GetCount() - 1; i >= 0; --i) {
        CCell* pip = m_pips.GetAt(i);
        if (pip->intersects(probe))
            return static_cast<CPIPCell*>(pip);
    }
    return nullptr;
}

void CCell::removeAllPips(BOOL sendOff)
{
    while (!m_pips.IsEmpty())
        removePip(static_cast<CPIPCell*>(m_pips.GetHead()), sendOff);
}

void CCell::removePip(CPIPCell* pip, BOOL sendOff)
{
    if (m_pips.Find(pip) < 0)
        return;
    if (sendOff) {
        WallServices* services = WallServices::current();
        if (services != nullptr) {
            CString message;
            if (services->closePip(*pip, &message) != WALL_RUN_OK)
                services->showMessage(message);
        }
    }
    m_pips.Remove(pip);
    delete pip;
}

BOOL CCell::deviceRectOf(CPIPCell* pip, int* px, int* py, int* pw, int* ph)
{
    if (pip == nullptr || !pip->IsKindOf(RUNTIME_CLASS(CPIPCell)) ||
        IsKindOf(RUNTIME_CLASS(CPIPCell)))
        return FALSE;
    if (pip->hasDeviceRect()) {
        pip->deviceRect(px, py, pw, ph);
        return TRUE;
    }
    // An empty region has no scale; a window inside it has no device rectangle.
    if (m_rect.width() <= 0 || m_rect.height() <= 0)
        return FALSE;

    int W = 0;
    int H = 0;
    float sy = 0;
    float sx = 0;
    scaleFactors(&W, &H, &sy, &sx);

    const WallRect& r = pip->rect();
    long long dx = static_cast<long long>(r.left) - m_rect.left;
    long long dy = static_cast<long long>(r.top) - m_rect.top;
    dx = dx < 0 ? 0 : clampToInt(dx);
    dy = dy < 0 ? 0 : clampToInt(dy);
    int x = truncSaturated(static_cast<float>(dx) * sx);
    int y = truncSaturated(static_cast<float>(dy) * sy);
    // The device places windows on even pixels: x rounds down, y rounds up.
    if (x % 2 != 0)
        x -= 1;
    if (y % 2 != 0 && y < std::numeric_limits<int>::max())
        y += 1;
    // A window within 10 device pixels of the region's left or top edge snaps to it.
    if (x < 10)
        x = 0;
    if (y < 10)
        y = 0;
    const long long vw = clampToInt(static_cast<long long>(r.right) - r.left);
    const long long vh = clampToInt(static_cast<long long>(r.bottom) - r.top);
    int w = truncSaturated(static_cast<float>(vw) * sx);
    int h = truncSaturated(static_cast<float>(vh) * sy);
    if (w % 2 != 0)
        w -= 1;
    if (h % 2 != 0 && h < std::numeric_limits<int>::max())
        h += 1;
    // ... and one that ends within 10 device pixels of the right or bottom edge reaches it.
    if (static_cast<long long>(x) + w > static_cast<long long>(W) - 10)
        w = W - x;
    if (static_cast<long long>(y) + h > static_cast<long long>(H) - 10)
        h = H - y;

    pip->setDeviceRect(x, y, w, h);
    *px = x;
    *py = y;
    *pw = w;
    *ph = h;
    return TRUE;
}

BOOL CCell::canAddPip() const
{
    WallServices* services = WallServices::current();
    const int mpdCount = services != nullptr ? services->mpdCount() : 0;
    return m_pips.GetCount() < mpdCount - 1 && mpdCount - 1 <= 128;
}

int CCell::nextPipIndex() const
{
    WallServices* services = WallServices::current();
    const int mpdCount = services != nullptr ? services->mpdCount() : 0;
    for (int n = 2; n <= mpdCount; ++n) {
        bool used = false;
        for (const CCell* pip : m_pips) {
            if (pip->number() == n) {
                used = true;
                break;
            }
        }
        if (!used)
            return n;
    }
    return -1;
}

int CCell::pipOrdinal(const CPIPCell* pip) const { return m_pips.Find(pip) + 1; }

void CCell::scaleFactors(int* W, int* H, float* sy, float* sx) const
{
    int width = 48;
    int height = 48;
    if (WallServices* services = WallServices::current())
        services->mpdPixelSize(&width, &height);
    *W = width;
    *H = height;
    *sx = static_cast<float>(width) / static_cast<float>(m_rect.width());
    *sy = static_cast<float>(height) / static_cast<float>(m_rect.height());
}

void CCell::setMpd(BOOL flag)
{
    if (flag) {
        m_bMpd = 1;
        m_nInputType = INPUT_NONE;
        m_nInputNo = 0;
    } else {
        removeAllPips(TRUE);
        m_bMpd = 0;
        m_nInputType = INPUT_MPD_CHANNEL;
        m_nInputNo = 0;
    }
}

void CCell::setInputType(int inputType) { m_nInputType = inputType; }

void CCell::setInputNo(int inputNo) { m_nInputNo = inputNo; }

void CCell::setSelected(BOOL selected)
{
    if (selected)
        m_nFlags |= CELL_FLAG_SELECTED;
    else
        m_nFlags &= ~static_cast<DWORD>(CELL_FLAG_SELECTED);
}

CString CCell::inputText(int inputType, int inputNo)
{
    WallServices* services = WallServices::current();
    switch (inputType) {
    case INPUT_MPD_CHANNEL:
        return "MPD通道";
    case INPUT_MAIN_VIDEO:
        return "主视频";
    case INPUT_VGA:
        if (inputNo != 0 && services != nullptr)
            return services->matrixInputName(INPUT_VGA, inputNo);
        return "本地VGA";
    case INPUT_CVBS:
        if (inputNo != 0 && services != nullptr)
            return services->matrixInputName(INPUT_CVBS, inputNo);
        return "本地视频";
    case INPUT_TTL:
        return "TTL";
    case INPUT_YUV:
        return "本地YUV";
    case INPUT_DVI:
        if (inputNo != 0 && services != nullptr)
            return services->matrixInputName(INPUT_DVI, inputNo);
        return "本地DVI";
    default:
        return CString();
    }
}

CString CCell::label() const
{
    CString text;
    if (m_nKind == CELL_KIND_PIP)
        text.Format("MPD%d %s", static_cast<int>(static_cast<long long>(m_nNumber) - 1), static_cast<LPCSTR>(inputText(m_nInputType, m_nInputNo)));
    else if (!m_bMpd)
        text = "MPD";
    return text;
}
