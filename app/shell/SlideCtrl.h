// CSlideCtrl ("SildeCtrl", the name as the program registers it): hosts one child window centred
// in its client area over a background bitmap. On every resize it asks the child for the size it
// wants (WM_USER + 0x1011 with a SIZE in lParam); commands reach the child first.
#pragma once

#include "fx/win/Gdi.h"
#include "skin/core/CmdMsgPumper.h"
#include "skin/core/ControlBase.h"

#define SLIDE_CTRL_CLASS "SildeCtrl"
// Sent to the hosted child: lParam points to a SIZE (zeroed) that it fills with its size.
#define WM_SLIDE_PREFERRED_SIZE (WM_USER + 0x1011)

class CSlideCtrl : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CSlideCtrl)
    LU_DECLARE_CONTROL(CSlideCtrl, CWnd)
public:
    CSlideCtrl() = default;

    static BOOL Register();
    static void Unregister();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID = 0);

    // The child to host (null for none); it is placed at once when this window exists.
    void SetChild(CWnd* pChild);
    CWnd* GetChild() const { return m_pChild; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The background bitmap stretched over the client area (face colour without one).
    void DrawBackground(CDC& dc);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnSize(UINT nType, int cx, int cy);
    // Asks the child for its size and centres it.
    void PlaceChild();

    DECLARE_MESSAGE_MAP()

private:
    CLuCmdMsgPumper m_pumper;
    CBitmap m_bmBackground;
    CBitmap m_bmFrame;
    CWnd* m_pChild = nullptr;
};
