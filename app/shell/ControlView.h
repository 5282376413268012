// CControlView: the control view "控制视图" (template 132) in the frame's left bar: 功能选择 with
// the buttons 新建场景 (the split menu), 添加窗口, 删除窗口, 开机 and 关机, and the buttons the
// template keeps hidden (联机/脱机, 系统设置, 加载场景, 保存场景, 退出). Every button is handed to
// the workspace. It paints a light face with a double rounded frame; a hyperlink control that
// only shows picture 165 is its logo near the bottom-left corner.
#pragma once

#include "app/shell/ScrollDialog.h"
#include "fx/win/Gdi.h"
#include "skin/ctrl/HyperLink.h"

class CWorkspace;

class CControlView : public CScrollDialog {
    DECLARE_DYNAMIC(CControlView)
public:
    enum {
        IDD = 132,
        LOGO_LEFT = 12,
        LOGO_WIDTH = 192,
        LOGO_HEIGHT = 144,
        LOGO_BOTTOM_GAP = 30,      // from the logo's bottom to the view's bottom
        FRAME_INSET = 10,          // left, top and right of the outer rounded frame
        FRAME_INSET_BOTTOM = 5,
        IDC_LOGO = 1100
    };
    static const COLORREF FACE_COLOR = 0xE2D8D8;
    static const COLORREF FRAME_COLOR = 0xA69C9C;
    static const COLORREF INNER_FRAME_COLOR = 0xFFFFFF;

    CControlView();

    void SetWorkspace(CWorkspace* pWorkspace) { m_pWorkspace = pWorkspace; }
    CWorkspace* GetWorkspace() const { return m_pWorkspace; }

    // The logo's place for a client area of that size.
    static CRect LogoRect(const CSize& sizeClient);
    // Face and frames on any DC of the client area.
    void PaintView(CDC& dc);
    CLuHyperLink& GetLogo() { return m_wndLogo; }

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape do not end a view.
    void OnOK() override {}
    void OnCancel() override {}
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    void OnNewScene();
    void OnAddWindow();
    void OnDeleteWindow();
    void OnPowerOn();
    void OnPowerOff();
    void OnOnlineToggle();
    void OnSystemSettings();
    void OnLoadScene();
    void OnSaveScene();
    void OnExit();

    DECLARE_MESSAGE_MAP()

private:
    CWorkspace* m_pWorkspace = nullptr;
    CLuHyperLink m_wndLogo;
    CBrush m_brFace;

    void PlaceLogo(int cx, int cy);
};
