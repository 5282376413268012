#include "app/core/wall/Cell.h"

#include "app/core/wall/WallServices.h"

#include <exception>
#include <new>

IMPLEMENT_SERIAL(CCellObjImp, CObject, 0)

namespace {
// The area repainted around a decomposed cell, so its frame goes too.
const int kDecomposeMargin = 5;
}

CCellObjImp::CCellObjImp()
    : m_nColumns(0), m_nRows(0), m_nCellWidth(0), m_nCellHeight(0), m_pViewSink(nullptr)
{
}

CCellObjImp::~CCellObjImp() { deleteAllCells(); }

void CCellObjImp::invalidateRect(const WallRect& rc, BOOL erase)
{
    if (m_pViewSink != nullptr)
        m_pViewSink->invalidateRect(rc, erase);
}

void CCellObjImp::deleteAllCells()
{
    CCellList cells;
    cells.Swap(m_cells);
    for (CCell* cell : cells)
        delete cell;
}

void CCellObjImp::takeCellsFrom(CCellObjImp& other)
{
    deleteAllCells();
    m_cells.Swap(other.m_cells);
    // The grid's geometry stays: a loaded scene was made for the same rows and columns, so the
    // next layout over the same area resets the loaded cells in place and keeps their inputs and
    // numbers. A scene without cells leaves nothing to reset, so the next layout builds afresh.
    if (m_cells.IsEmpty())
        forgetGrid();
}

void CCellObjImp::forgetGrid()
{
    m_nColumns = 0;
    m_nRows = 0;
    m_nCellWidth = 0;
    m_nCellHeight = 0;
}

namespace {

// The cells of a columns x rows grid over rc, numbered row by row, into grid; false (and grid
// empty) when memory runs out part way.
bool buildGrid(int columns, int rows, const WallRect& rc, CCellList& grid)
{
    const std::size_t count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    try {
        grid.items().reserve(count);
    } catch (const std::exception&) {
        return false;
    }
    const int cw = rc.width() / columns;
    const int ch = rc.height() / rows;
    int number = 1;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            CCell* cell = new (std::nothrow) CCell;
            if (cell == nullptr) {
                for (CCell* made : grid)
                    delete made;
                grid.RemoveAll();
                return false;
            }
            cell->setRect({j * cw, i * ch, j * cw + cw, i * ch + ch});
            cell->setNumber(number);
            cell->setOrder(number);
            grid.AddTail(cell);
            ++number;
        }
    }
    return true;
}

}  // namespace

BOOL CCellObjImp::setLayout(int columns, int rows, const WallRect& rc)
{
    if (columns <= 0)
        columns = 1;
    if (rows <= 0)
        rows = 1;
    // The same grid over the same area is reset in place: regions and combinations go, the
    // panel cells (and their inputs) stay.
    if (m_nColumns != 0 && columns == m_nColumns && rows == m_nRows && rc == m_rect) {
        resetInPlace();
        return TRUE;
    }

    // The new grid is complete before the old one goes, so running out of memory leaves the
    // wall as it was.
    CCellList grid;
    if (!buildGrid(columns, rows, rc, grid))
        return FALSE;
    deleteAllCells();
    m_cells.Swap(grid);
    m_rect = rc;
    m_nColumns = columns;
    m_nRows = rows;
    m_nCellWidth = rc.width() / columns;
    m_nCellHeight = rc.height() / rows;
    repaint(m_rect);
    return TRUE;
}

void CCellObjImp::resetInPlace()
{
    // Combined cells first: their members come back as plain cells at the end of the list.
    for (int i = 0; i < m_cells.GetCount();) {
        CCell* cell = m_cells.GetAt(i);
        if (cell->kind() == CELL_KIND_COMBINED) {
            m_cells.RemoveAt(i);
            cell->decompose(m_cells);
            delete cell;
        } else {
            ++i;
        }
    }
    // The device is about to be told of a new scene, so the windows go without "关PIP".
    for (CCell* cell : m_cells) {
        if (cell->isMpd()) {
            cell->removeAllPips(FALSE);
            cell->m_bMpd = 0;
            cell->m_nInputType = INPUT_MPD_CHANNEL;
            cell->m_nInputNo = 0;
        }
    }
    repaint(m_rect);
}

CCell* CCellObjImp::cellAt(WallPoint pt) const
{
    const WallRect probe{pt.x, pt.y, pt.x + 1, pt.y + 1};
    for (int i = m_cells.GetCount() - 1; i >= 0; --i) {
        CCell* cell = m_cells.GetAt(i);
        if (!cell->isMember() && cell->intersects(probe))
            return cell;
    }
    return nullptr;
}

void CCellObjImp::select(CCell* cell, BOOL keepOthers)
{
    if (!keepOthers)
        deselectAll();
    if (cell == nullptr)
        return;
    cell->setSelected(TRUE);
    repaint(cell->rect());
}

void CCellObjImp::deselect(CCell* cell)
{
    if (cell == nullptr)
        return;
    cell->setSelected(FALSE);
    repaint(cell->rect());
}

void CCellObjImp::deselectAll()
{
    for (CCell* cell : m_cells) {
        if (cell->isSelected())
            deselect(cell);
    }
}

void CCellObjImp::selectInRect(const WallRect& rc, BOOL extend)
{
    if (!extend)
        deselectAll();
    for (const CCell* cell : m_cells) {
        if (cell->isMember() || !cell->intersects(rc))
            continue;
        if (cell->kind() == CELL_KIND_COMBINED || cell->isMpd())
            return;
    }
    for (CCell* cell : m_cells) {
        if (!cell->isMember() && cell->intersects(rc))
            select(cell, TRUE);
    }
}

void CCellObjImp::selectedCells(CCellList* out) const
{
    for (CCell* cell : m_cells) {
        if (!cell->isMember() && cell->isSelected())
            out->AddTail(cell);
    }
}

BOOL CCellObjImp::canCombine() const
{
    int selected = 0;
    for (const CCell* cell : m_cells) {
        if (cell->isMember() || !cell->isSelected())
            continue;
        if (cell->kind() == CELL_KIND_COMBINED || cell->isMpd())
            return FALSE;
        ++selected;
    }
    return selected > 1;
}

CCombineCell* CCellObjImp::combineSelected(CCell* primary)
{
    if (!canCombine())
        return nullptr;
    CCellList selected;
    selectedCells(&selected);
    if (primary == nullptr || selected.Find(primary) < 0)
        primary = selected.GetHead();

    CCombineCell* combined = new (std::nothrow) CCombineCell;
    if (combined == nullptr)
        return nullptr;
    WallRect area;
    for (CCell* cell : selected) {
        area = area.united(cell->rect().normalized());
        m_cells.Remove(cell);
        combined->addMember(cell);
    }
    combined->setRect(area);
    combined->sortMembers();
    m_cells.AddTail(combined);

    if (primary->isMpd()) {
        // The region carries on as the combined cell, with its windows.
        CCellList pips;
        pips.Swap(primary->m_pips);
        for (CCell* pip : pips)
            combined->addPip(static_cast<CPIPCell*>(pip));
        primary->m_bMpd = 0;
        combined->m_bMpd = 1;
        combined->m_nInputType = INPUT_NONE;
        combined->m_nInputNo = 0;
        combined->setNumber(primary->number());
        combined->setOrder(primary->order());
    } else {
        for (CCell* member : combined->members()) {
            if (member->isMpd()) {
                member->removeAllPips(FALSE);
                member->m_bMpd = 0;
            }
        }
        combined->setInputType(primary->inputType());
        combined->setInputNo(primary->inputNo());
    }
    repaint(area);
    return combined;
}

BOOL CCellObjImp::decomposeCombined(CCell* cell)
{
    if (cell == nullptr || cell->kind() != CELL_KIND_COMBINED || m_cells.Find(cell) < 0)
        return FALSE;
    CCombineCell* combined = static_cast<CCombineCell*>(cell);
    if (WallServices* services = WallServices::current()) {
        CString message;
        if (services->decompose(*combined, &message) != WALL_RUN_OK) {
            services->showMessage(message);
            return FALSE;
        }
    }
    const WallRect area = combined->rect().normalized().inflated(kDecomposeMargin);
    m_cells.Remove(combined);
    combined->decompose(m_cells);
    delete combined;
    repaint(area);
    return TRUE;
}

void CCellObjImp::subGridSlot(const CCell* region, int slot, WallRect* out)
{
    int subRows = 0;
    int subColumns = 0;
    if (WallServices* services = WallServices::current())
        services->subGrid(&subRows, &subColumns);
    const WallRect& r = region->rect();
    if (subRows != 0 && subColumns != 0) {
        const int cw = r.width() / subColumns;
        const int ch = r.height() / subRows;
        const int k = slot % (subRows * subColumns);
        const int j = k % subColumns;
        const int i = k / subColumns;
        // The last column and row take the pixels the division leaves over.
        *out = r.deflated(j * cw, i * ch, (subColumns - j - 1) * cw, (subRows - i - 1) * ch);
    } else {
        const int dx = r.width() / 3;
        const int dy = r.height() / 3;
        *out = r.deflated(dx, dy, dx, dy);
    }
}

CPIPCell* CCellObjImp::addPipTo(CCell* region)
{
    WallServices* services = WallServices::current();
    if (region == nullptr || services == nullptr)
        return nullptr;
    if (!region->canAddPip()) {
        services->showMessage("MPD窗口已添加至最大");
        return nullptr;
    }
    WallRect rc;
    subGridSlot(region, region->pipCount(), &rc);
    const int number = region->nextPipIndex();
    if (number < 0)
        return nullptr;
    CPIPCell* pip = new (std::nothrow) CPIPCell;
    if (pip == nullptr)
        return nullptr;
    pip->setRect(rc);
    pip->setNumber(number);
    region->addPip(pip);
    pip->setOrder(region->pipCount());

    CString message;
    if (services->openPip(*pip, &message) != WALL_RUN_OK)
        services->showMessage(message);

    repaint(pip->rect());
    int x = 0, y = 0, w = 0, h = 0;
    if (region->deviceRectOf(pip, &x, &y, &w, &h))
        services->sendPipGeometry(number, x, y, w, h);
    return pip;
}

void CCellObjImp::removePipFrom(CCell* region, CPIPCell* pip)
{
    if (region == nullptr || pip == nullptr)
        return;
    region->removePip(pip, TRUE);
    repaint(region->rect());
}

void CCellObjImp::removeCell(CCell* cell, BOOL destroy)
{
    if (cell == nullptr || !m_cells.Remove(cell))
        return;
    repaint(cell->rect());
    if (destroy)
        delete cell;
}
