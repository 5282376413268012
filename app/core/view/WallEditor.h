// The editing logic of the wall view control: mouse gestures (selection, the rubber band,
// moving and resizing PIP windows, double-click placement), the control's commands (merge,
// split, MPD toggle, add and delete windows, input choices) and the state of their menu items.
// Edits change the wall model and go to the device through the command layer; the window part
// (CTzCtrl) turns messages into these calls and gives the editor its cursor, mouse capture and
// rubber-band drawing. Portable, so the gestures are tested natively as well.
#pragma once

#include "app/core/wall/Cell.h"

// What the editor needs from its window.
class WallEditorHost {
public:
    // CellCursor of the zone under the pointer.
    virtual void setCursor(int cellCursor) = 0;
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    // Draws the rubber band's focus rectangle inverted, so drawing it again erases it.
    virtual void drawBand(const WallRect& rc) = 0;

protected:
    ~WallEditorHost() = default;
};

// The dialogs some commands open, each with the cell or PIP window it works on.
class WallViewDialogs {
public:
    virtual void pipTransparency(CPIPCell& pip) = 0;          // 1079
    virtual void pictureParameters(CCell& target) = 0;       // 1080, 1081
    virtual void pipFineAdjust(CPIPCell& pip) = 0;           // 1065
    virtual void edgeMask(CCell* combined) = 0;              // 1082

protected:
    ~WallViewDialogs() = default;
};

enum WallDragMode {
    DRAG_NONE = 0,
    DRAG_BAND = 1,     // rubber band
    DRAG_MOVE = 2,     // moving a PIP window
    DRAG_RESIZE = 3    // dragging one edge of a PIP window
};

// The rubber band's two corners: the anchor where the press was and the moving corner, -1 when
// idle. They exist once for the process.
struct RubberBand {
    WallPoint anchor{-1, -1};
    WallPoint corner{-1, -1};
};

// Enabled and checked state of one command's menu item.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class WallEditor {
public:
    WallEditor(CCellObjImp& wall, WallEditorHost& host);
    WallEditor(const WallEditor&) = delete;
    WallEditor& operator=(const WallEditor&) = delete;

    // ---- Mouse ----
    void press(WallPoint p);
    void move(WallPoint p);
    // The left button went up while the view held the mouse.
    void release(WallPoint p);
    // The view lost the mouse in the middle of a drag: the drag ends as if released at the last
    // point seen, except that a rubber band is only erased (nothing is selected or merged).
    void captureLost();
    void doubleClick(WallPoint p);
    // The cursor of the PIP window zone at p (CellCursor), or -1 where no window is.
    int hoverCursor(WallPoint p) const;
    // Right button up: the cell (and PIP window) under the pointer become current. TRUE when a PIP
    // window is there, so the context menu opens.
    BOOL pointAt(WallPoint p);

    // ---- Commands ----
    void combine();                 // 1072, and after a rubber band
    void split();                   // 1074
    void addWindow();               // 1075
    void deleteWindow();            // 1085
    void toggleMpd();               // 1078
    // Local inputs: 1076, 32801, 1086, 32809, 32810.
    void selectInput(int inputType, LPCSTR lpszTitle);
    // Matrix inputs 1280 + n, 1536 + n, 1792 + n; ignored beyond the working input count.
    void selectMatrixInput(UINT nID);
    void positionAll();             // 1084
    // 1079, 1080, 1081, 1065, 1082 through the installed dialogs.
    void openDialog(UINT nID);
    void setDialogs(WallViewDialogs* dialogs) { m_pDialogs = dialogs; }

    // Enabled and checked state of a command's menu item (the popup's initialisation rules).
    CommandState commandState(UINT nID) const;

    // ---- State ----
    // No current cell or PIP window, no drag; the band idle. Deselects nothing (a scene load
    // replaced the cells).
    void reset();
    CCell* currentCell() const { return m_pCurrent; }
    CPIPCell* currentPip() const { return m_pPip; }
    void setCurrentCell(CCell* cell) { m_pCurrent = cell; }
    int hitZone() const { return m_nHitZone; }
    int dragMode() const { return m_nDragMode; }
    WallPoint lastPoint() const { return m_last; }
    // Whose input the input commands set: the current PIP window, else the current cell.
    CCell* inputTarget() const;

    static RubberBand& band();

private:
    // Deselects and forgets the current cell and PIP window.
    void clearCurrent();
    void makeCurrentPip(CCell* region, CPIPCell* pip);
    void makeCurrentCell(CCell* cell);
    // Size and position of the window as the device sees it (nothing when it has no region).
    void sendGeometry(CPIPCell* pip);
    void finishBand(BOOL select);
    void repaint(const WallRect& rc);
    // After the current window moved or changed size during a drag: the area it covered before
    // and covers now (nothing when the change was refused).
    void repaintMoved(const WallRect& before);
    void eraseBand();
    // Sets the target's input, repaints it and sends the selection under lpszTitle; TRUE when a
    // target was there.
    BOOL applyInput(int inputType, int inputNo, LPCSTR lpszTitle);
    CommandState inputCheck(UINT nID) const;

    CCellObjImp& m_wall;
    WallEditorHost& m_host;
    WallViewDialogs* m_pDialogs;
    int m_nHitZone;
    int m_nDragMode;
    WallPoint m_last;
    CCell* m_pCurrent;
    CPIPCell* m_pPip;
    BOOL m_bBandShown;
};
