// CWallPage: the wall page, a scroll dialog on template 130 whose one control is the wall view
// control (id 1000, window class "TzViewCtrl"). On initialisation it takes the control over,
// places it at (5, 5), 640 x 480, and loads the recent scene without sending it (the blank scene
// without one). It paints a face with a double rounded frame, and its statics and background use
// the page's light brush. The view's commands for its current window open the picture dialogs
// over it.
#pragma once

#include "app/core/view/TzCtrl.h"
#include "app/shell/ScrollDialog.h"
#include "app/shell/dialogs/WallViewDialogs.h"
#include "fx/win/Gdi.h"

class CWallPage : public CScrollDialog {
    DECLARE_DYNAMIC(CWallPage)
public:
    enum {
        IDD = 130,
        IDC_VIEW = 1000,
        VIEW_LEFT = 5,
        VIEW_TOP = 5,
        VIEW_WIDTH = 640,
        VIEW_HEIGHT = 480,
        FRAME_INSET_RIGHT = 5,     // the frame's right and bottom insets (left and top: none)
        FRAME_INSET_BOTTOM = 12
    };
    static constexpr COLORREF BRUSH_COLOR = 0xFFFFFD;
    static constexpr COLORREF FACE_COLOR = 0xE2D8D8;
    static constexpr COLORREF FRAME_COLOR = 0xA69C9C;
    static constexpr COLORREF INNER_FRAME_COLOR = 0xFFFFFF;

    // The wall view's profiles beside the program.
    CWallPage();
    // The wall view's profiles in another folder (tests).
    explicit CWallPage(const CString& profileDirectory);

    CTzCtrl& GetView() { return m_view; }
    // Face and frames on any DC of the client area.
    void PaintPage(CDC& dc);

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape do not end the page.
    void OnOK() override {}
    void OnCancel() override {}
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    CTzCtrl m_view;
    CWallViewDialogs m_dialogs;  // given to m_view; its commands come only while its window lives
    CBrush m_brPage;
};
