#include "app/core/view/WallEditor.h"

#include "app/core/view/InputMenu.h"
#include "app/core/wall/WallServices.h"

namespace {
// A rubber band is repainted this much beyond its own rectangle, so its frame goes as well.
const int kBandMargin = 5;

bool isEdgeZone(int zone) { return zone >= ZONE_LEFT && zone <= ZONE_BOTTOM; }

WallRect bandRect(const RubberBand& band)
{
    return WallRect{band.anchor.x, band.anchor.y, band.corner.x, band.corner.y}.normalized();
}

bool samePoint(WallPoint a, WallPoint b) { return a.x == b.x && a.y == b.y; }
}  // namespace

WallEditor::WallEditor(CCellObjImp& wall, WallEditorHost& host)
    : m_wall(wall), m_host(host), m_pDialogs(nullptr), m_nHitZone(ZONE_OUTSIDE),
      m_nDragMode(DRAG_NONE), m_last{-1, -1}, m_pCurrent(nullptr), m_pPip(nullptr),
      m_bBandShown(FALSE)
{
}

RubberBand& WallEditor::band()
{
    static RubberBand s_band;
    return s_band;
}

void WallEditor::reset()
{
    m_nHitZone = ZONE_OUTSIDE;
    m_nDragMode = DRAG_NONE;
    m_last = WallPoint{-1, -1};
    m_pCurrent = nullptr;
    m_pPip = nullptr;
    m_bBandShown = FALSE;
    band() = RubberBand();
}

void WallEditor::repaint(const WallRect& rc) { m_wall.invalidateRect(rc, TRUE); }

void WallEditor::clearCurrent()
{
    if (m_pPip != nullptr)
        m_wall.deselect(m_pPip);
    if (m_pCurrent != nullptr)
        m_wall.deselect(m_pCurrent);
    m_pPip = nullptr;
    m_pCurrent = nullptr;
}

void WallEditor::makeCurrentPip(CCell* region, CPIPCell* pip)
{
    m_pCurrent = region;
    m_pPip = pip;
    m_wall.select(pip, TRUE);
}

void WallEditor::makeCurrentCell(CCell* cell)
{
    m_pCurrent = cell;
    m_wall.select(cell, TRUE);
}

CCell* WallEditor::inputTarget() const
{
    return m_pPip != nullptr ? static_cast<CCell*>(m_pPip) : m_pCurrent;
}

// ---- Mouse ----

void WallEditor::press(WallPoint p)
{
    CCell* cell = m_wall.cellAt(p);
    clearCurrent();
    if (cell == nullptr)
        return;
    if (CPIPCell* pip = cell->pipAt(p)) {
        makeCurrentPip(cell, pip);
        m_nHitZone = pip->hitTest(p.x, p.y);
        m_nDragMode = isEdgeZone(m_nHitZone) ? DRAG_RESIZE : DRAG_MOVE;
        m_host.setCursor(pip->cursorFor(m_nHitZone));
    } else {
        makeCurrentCell(cell);
        m_nHitZone = ZONE_OUTSIDE;
        m_nDragMode = DRAG_BAND;
    }
    m_last = p;
    m_host.captureMouse();
    band().anchor = p;
    band().corner = p;
}

void WallEditor::move(WallPoint p)
{
    switch (m_nDragMode) {
    case DRAG_BAND: {
        eraseBand();
        RubberBand next = band();
        next.corner = p;
        m_host.drawBand(bandRect(next));
        m_bBandShown = TRUE;
        m_host.setCursor(CURSOR_ARROW);
        break;
    }
    case DRAG_MOVE:
        if (m_pPip != nullptr) {
            const WallRect before = m_pPip->rect();
            m_pPip->moveTo(before.offset(p.x - m_last.x, p.y - m_last.y));
            repaintMoved(before);
            m_host.setCursor(m_pPip->cursorFor(m_nHitZone));
        }
        break;
    case DRAG_RESIZE:
        if (m_pPip != nullptr && isEdgeZone(m_nHitZone)) {
            const WallRect before = m_pPip->rect();
            m_pPip->resizeEdge(m_nHitZone, p.x, p.y);
            repaintMoved(before);
            m_host.setCursor(m_pPip->cursorFor(m_nHitZone));
        }
        break;
    default: {
        const int cursor = hoverCursor(p);
        if (cursor >= 0)
            m_host.setCursor(cursor);
        break;
    }
    }
    m_last = p;
    band().corner = p;
}

int WallEditor::hoverCursor(WallPoint p) const
{
    CCell* cell = m_wall.cellAt(p);
    CPIPCell* pip = cell != nullptr ? cell->pipAt(p) : nullptr;
    return pip != nullptr ? pip->cursorFor(pip->hitTest(p.x, p.y)) : -1;
}

void WallEditor::repaintMoved(const WallRect& before)
{
    // A window draws nothing outside its own rectangle (its label is clipped to it), so only the
    // pixels it left and the ones it covers now change; the rest of its region stays as painted.
    // A drag repaints that much on every mouse move, and the whole region is most of the wall.
    const WallRect after = m_pPip->rect();
    if (after != before)
        repaint(before.united(after));
}

void WallEditor::eraseBand()
{
    if (m_bBandShown)
        m_host.drawBand(bandRect(band()));
    m_bBandShown = FALSE;
}

void WallEditor::finishBand(BOOL select)
{
    eraseBand();
    const WallRect rc = bandRect(band());
    if (!select)
        return;
    m_wall.selectInRect(rc, TRUE);
    repaint(rc.inflated(kBandMargin));
    if (m_wall.canCombine())
        combine();
}

void WallEditor::release(WallPoint p)
{
    // The drag is over before the mouse is let go: losing the capture must not end it twice.
    const int mode = m_nDragMode;
    m_nDragMode = DRAG_NONE;
    m_last = p;
    m_host.releaseMouse();
    if (mode == DRAG_BAND)
        finishBand(TRUE);
    else if ((mode == DRAG_MOVE || mode == DRAG_RESIZE) && !samePoint(band().corner, band().anchor))
        sendGeometry(m_pPip);
}

void WallEditor::captureLost()
{
    const int mode = m_nDragMode;
    m_nDragMode = DRAG_NONE;
    if (mode == DRAG_BAND)
        finishBand(FALSE);
    else if ((mode == DRAG_MOVE || mode == DRAG_RESIZE) && !samePoint(band().corner, band().anchor))
        sendGeometry(m_pPip);
}

void WallEditor::sendGeometry(CPIPCell* pip)
{
    if (pip == nullptr || pip->parent() == nullptr)
        return;
    WallServices* services = WallServices::current();
    int x = 0, y = 0, w = 0, h = 0;
    if (services != nullptr && pip->parent()->deviceRectOf(pip, &x, &y, &w, &h))
        services->sendPipGeometry(pip->number(), x, y, w, h);
}

void WallEditor::doubleClick(WallPoint p)
{
    CCell* cell = m_wall.cellAt(p);
    clearCurrent();
    if (cell == nullptr)
        return;
    if (CPIPCell* pip = cell->pipAt(p)) {
        makeCurrentPip(cell, pip);
        WallRect target = cell->rect();
        if (pip->rect() == cell->rect()) {
            // A window filling its region goes back to its own slot of the sub-grid (the middle
            // ninth without a sub-grid).
            const int slot = cell->pipOrdinal(pip) - 1;
            if (slot < 0)
                return;
            CCellObjImp::subGridSlot(cell, slot, &target);
        }
        pip->moveTo(target);
        sendGeometry(pip);
        repaint(cell->rect());
    } else {
        makeCurrentCell(cell);
        if (!cell->isMpd() && cell->kind() == CELL_KIND_COMBINED && m_wall.decomposeCombined(cell))
            m_pCurrent = nullptr;
    }
    band().anchor = p;
    band().corner = p;
}

BOOL WallEditor::pointAt(WallPoint p)
{
    CCell* cell = m_wall.cellAt(p);
    clearCurrent();
    if (cell == nullptr)
        return FALSE;
    if (CPIPCell* pip = cell->pipAt(p)) {
        makeCurrentPip(cell, pip);
        return TRUE;
    }
    makeCurrentCell(cell);
    return FALSE;
}
