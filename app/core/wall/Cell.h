// The cells of the wall model: panel cells (CCell), PIP windows inside an MPD region (CPIPCell)
// and combined cells (CCombineCell). All geometry is in view pixels; device coordinates of a
// PIP window are computed from its region only when a command is sent.
//
// The class names, the order of the fields and the order of the virtual operations are fixed:
// the names and fields go into scene files, and the command layer, the view and the scene code
// rely on the operations as declared here. Extend at the end; never rename or reorder.
#pragma once

#include "app/core/wall/CellList.h"
#include "app/core/wall/WallGeometry.h"
#include "fx/core/Object.h"
#include "fx/core/String.h"

class CDC;

// Cell kinds as stored in scene files.
enum CellKind {
    CELL_KIND_PLAIN = 0,
    CELL_KIND_PIP = 1,
    CELL_KIND_COMBINED = 2
};

// Bits of CCell::flags().
enum CellFlag {
    CELL_FLAG_SELECTED = 0x1,
    CELL_FLAG_MEMBER = 0x2   // merged into a combined cell: not drawn, not hit
};

// Input types of a cell (the source kind); 12 means that no input was chosen.
enum CellInputType {
    INPUT_MPD_CHANNEL = 0,
    INPUT_MAIN_VIDEO = 1,
    INPUT_VGA = 2,
    INPUT_CVBS = 3,
    INPUT_TTL = 4,
    INPUT_YUV = 5,
    INPUT_DVI = 6,
    INPUT_NONE = 12
};

// Hit zones of a cell, tested in this order.
enum CellZone {
    ZONE_LEFT = 0,
    ZONE_TOP = 1,
    ZONE_RIGHT = 2,
    ZONE_BOTTOM = 3,
    ZONE_INSIDE = 4,
    ZONE_OUTSIDE = 5
};

// The cursor a zone asks for; the view maps it to the platform cursor.
enum CellCursor {
    CURSOR_ARROW = 0,
    CURSOR_SIZE_WE = 1,   // horizontal resize
    CURSOR_SIZE_NS = 2,   // vertical resize
    CURSOR_HAND = 3
};

class CPIPCell;

// One panel cell of the wall; also the base of PIP windows and combined cells. A cell owns the
// PIP windows in its list and deletes them with itself.
class CCell : public CObject {
    DECLARE_SERIAL(CCell)
public:
    CCell();
    ~CCell() override;

    void Serialize(CArchive& ar) override;

    // Virtual operations, in this order.
    // The normalised cell rect lies within rc.
    virtual BOOL isInside(const WallRect& rc) const;
    virtual BOOL intersects(const WallRect& rc) const;
    // The zone (CellZone) at a view point.
    virtual int hitTest(int x, int y) const;
    virtual int cursorFor(int zone) const;
    // The band of view pixels that belongs to an edge zone (2 px either side of the edge), the
    // cell itself for ZONE_INSIDE, an empty rectangle otherwise.
    virtual WallRect handleRect(int zone) const;
    // A combined cell hands its members back to wallCells; other cells do nothing.
    virtual void decompose(CCellList& wallCells);
    // Deletes the cell's PIP windows without sending anything.
    virtual void destroy();
    // Drags one edge to the view point; returns TRUE when the cell changed.
    virtual BOOL resizeEdge(int zone, int x, int y);
    // Moves the cell to a new view rectangle; returns TRUE when it was accepted.
    virtual BOOL moveTo(const WallRect& rc);
    virtual int getKind() const;
    virtual void setParent(CCell* parent);
    virtual CCell* getParent() const;
    // Windows only: draws the cell and, for an MPD region, its PIP windows over it.
    virtual void draw(CDC* pDC);
    // Appends a PIP window to this region's list and parents it here.
    virtual void addPip(CPIPCell* pip);
    // The topmost PIP window at the point (searched from the end of the list), or null.
    virtual CPIPCell* pipAt(WallPoint pt) const;
    // Removes and deletes every PIP window, sending "关PIP" for each when sendOff is set.
    virtual void removeAllPips(BOOL sendOff);
    // Removes and deletes one PIP window, sending "关PIP" first when sendOff is set.
    virtual void removePip(CPIPCell* pip, BOOL sendOff);
    // The device rectangle of one of this region's PIP windows (cached in the window). FALSE
    // when pip is not a PIP window or this cell is itself one.
    virtual BOOL deviceRectOf(CPIPCell* pip, int* x, int* y, int* w, int* h);
    // Room for another PIP window under the working MPD count.
    virtual BOOL canAddPip() const;
    // The smallest free window number in 2 .. mpdCount, or -1 when none is free.
    virtual int nextPipIndex() const;
    // 1-based position of the window in this region's list, 0 when it is not there.
    virtual int pipOrdinal(const CPIPCell* pip) const;
    // MPD pixel size W x H and the view-to-device factors of this region.
    virtual void scaleFactors(int* W, int* H, float* sy, float* sx) const;
    virtual void setMpd(BOOL flag);
    virtual void setInputType(int inputType);
    virtual void setInputNo(int inputNo);

    // Plain accessors.
    const WallRect& rect() const { return m_rect; }
    void setRect(const WallRect& rc) { m_rect = rc; }
    DWORD flags() const { return m_nFlags; }
    void setFlags(DWORD flags) { m_nFlags = flags; }
    BOOL isSelected() const { return (m_nFlags & CELL_FLAG_SELECTED) != 0; }
    void setSelected(BOOL selected);
    BOOL isMember() const { return (m_nFlags & CELL_FLAG_MEMBER) != 0; }
    BOOL isMpd() const { return m_bMpd != 0; }
    int number() const { return m_nNumber; }
    void setNumber(int number) { m_nNumber = number; }
    int order() const { return m_nOrder; }
    void setOrder(int order) { m_nOrder = order; }
    int inputType() const { return m_nInputType; }
    int inputNo() const { return m_nInputNo; }
    int kind() const { return m_nKind; }
    CCell* parent() const { return m_pParent; }
    const CCellList& pips() const { return m_pips; }
    int pipCount() const { return m_pips.GetCount(); }

    // The label drawn in the cell: "MPD%d %s" for a PIP window, nothing for an MPD region,
    // "MPD" for any other cell.
    CString label() const;
    // The text of an input type (and input number for the matrix kinds).
    static CString inputText(int inputType, int inputNo);

protected:
    // Writes or reads the fields common to every cell, up to and including the PIP list.
    void serializeCell(CArchive& ar);

    WallRect m_rect;
    DWORD m_nFlags;
    WORD m_bMpd;
    int m_nNumber;
    int m_nOrder;
    int m_nInputType;
    int m_nInputNo;
    WORD m_nKind;
    CCell* m_pParent;   // not stored in files
    CCellList m_pips;

    friend class CCellObjImp;
};

// A picture-in-picture window inside an MPD region.
class CPIPCell : public CCell {
    DECLARE_SERIAL(CPIPCell)
public:
    CPIPCell();

    void Serialize(CArchive& ar) override;
    int hitTest(int x, int y) const override;
    int cursorFor(int zone) const override;
    BOOL resizeEdge(int zone, int x, int y) override;
    BOOL moveTo(const WallRect& rc) override;
    BOOL canAddPip() const override;

    int transparency() const { return m_nTransparency; }
    void setTransparency(int value) { m_nTransparency = value; }
    // The cached device rectangle; it counts as unset when any value is <= 0.
    BOOL hasDeviceRect() const;
    void deviceRect(int* x, int* y, int* w, int* h) const;
    void setDeviceRect(int x, int y, int w, int h);
    void resetDeviceRect() { setDeviceRect(-1, -1, -1, -1); }
    // The device rectangle through the region (deviceRectOf), FALSE without a usable region.
    BOOL deviceRectNow(int* x, int* y, int* w, int* h);

    // Fine adjustment by a step s ("位置微调", "PIP大小微调"). Each moves or resizes the view
    // rectangle and the device rectangle, stores the device rectangle within the MPD pixel size
    // and, when the window has a region, sends the two window-geometry commands.
    enum Adjust { MOVE_LEFT, MOVE_UP, MOVE_RIGHT, MOVE_DOWN, WIDTH_GROW, WIDTH_SHRINK,
                  HEIGHT_GROW, HEIGHT_SHRINK };
    void fineAdjust(Adjust how, int step);

private:
    // Applies a new view rectangle when it lies wholly inside the region.
    BOOL applyInsideRegion(const WallRect& rc);

    int m_nTransparency;
    int m_nDevX;
    int m_nDevY;
    int m_nDevW;
    int m_nDevH;
};

// Plain cells merged into one. The combined cell owns its members.
class CCombineCell : public CCell {
    DECLARE_SERIAL(CCombineCell)
public:
    CCombineCell();
    ~CCombineCell() override;

    void Serialize(CArchive& ar) override;
    void decompose(CCellList& wallCells) override;
    void setMpd(BOOL flag) override;
    void setInputType(int inputType) override;
    void setInputNo(int inputNo) override;

    const CCellList& members() const { return m_members; }
    // Takes a plain cell in as a member: parented here, flagged as member, appended.
    void addMember(CCell* cell);
    // Sorts the members by top edge, then left edge, and renumbers their orders 1 .. n.
    void sortMembers();

private:
    CCellList m_members;
};

// Told which rectangle of the view to repaint. The wall is one (it forwards to the view), and the
// view of the wall is one.
class ICellInvalidate {
public:
    virtual void invalidateRect(const WallRect& rc, BOOL erase) = 0;

protected:
    ~ICellInvalidate() = default;
};

// The wall: the grid of top-level cells over the view's drawing area. It owns its cells.
class CCellObjImp : public CObject, public ICellInvalidate {
    DECLARE_SERIAL(CCellObjImp)
public:
    CCellObjImp();
    ~CCellObjImp() override;

    // Writes or reads the top-level cell list (an object list). Reading replaces the list.
    void Serialize(CArchive& ar) override;
    void invalidateRect(const WallRect& rc, BOOL erase) override;

    void setViewSink(ICellInvalidate* sink) { m_pViewSink = sink; }
    ICellInvalidate* viewSink() const { return m_pViewSink; }

    // Builds the grid (or resets it in place when only that is needed). FALSE when memory ran
    // out, with the wall unchanged.
    BOOL setLayout(int columns, int rows, const WallRect& rc);
    // The topmost visible top-level cell at the point, or null.
    CCell* cellAt(WallPoint pt) const;
    void select(CCell* cell, BOOL keepOthers);
    void deselect(CCell* cell);
    void deselectAll();
    // Selects every visible cell meeting rc, unless one of them is combined or an MPD region.
    void selectInRect(const WallRect& rc, BOOL extend = FALSE);
    // More than one visible cell is selected and none of them is combined or an MPD region.
    BOOL canCombine() const;
    // Merges the selected cells ("合成屏幕"); primary is the cell chosen first. Returns the new
    // combined cell, or null when the selection cannot be combined.
    CCombineCell* combineSelected(CCell* primary);
    // Runs "屏幕分解" and, when the device confirms, puts the members back. TRUE on success.
    BOOL decomposeCombined(CCell* cell);
    // Adds a PIP window to an MPD region with its commands; the new window or null.
    CPIPCell* addPipTo(CCell* region);
    // Removes a PIP window from its region with "关PIP" and repaints the region.
    void removePipFrom(CCell* region, CPIPCell* pip);
    // The rectangle of sub-grid slot `slot` of a region (the middle ninth without a sub-grid).
    static void subGridSlot(const CCell* region, int slot, WallRect* out);
    // Takes a top-level cell out of the list; deletes it when destroy is set.
    void removeCell(CCell* cell, BOOL destroy);
    // Windows only.
    void draw(CDC* pDC);

    const CCellList& cells() const { return m_cells; }
    // Deletes every cell.
    void deleteAllCells();
    // Hands the cells of other to this wall (this wall's own are deleted); other ends empty. The
    // grid's columns, rows and area stay, so a later layout of the same grid resets in place.
    void takeCellsFrom(CCellObjImp& other);
    // The selected visible cells in list order.
    void selectedCells(CCellList* out) const;

    const WallRect& wallRect() const { return m_rect; }
    int columns() const { return m_nColumns; }
    int rows() const { return m_nRows; }
    int cellWidth() const { return m_nCellWidth; }
    int cellHeight() const { return m_nCellHeight; }

private:
    void repaint(const WallRect& rc) { invalidateRect(rc, TRUE); }
    void resetInPlace();
    // No grid laid out: the next layout builds.
    void forgetGrid();

    CCellList m_cells;
    WallRect m_rect;
    int m_nColumns;
    int m_nRows;
    int m_nCellWidth;
    int m_nCellHeight;
    ICellInvalidate* m_pViewSink;
};
