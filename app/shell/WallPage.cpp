#include "app/shell/WallPage.h"

#include "skin/theme/Painter.h"

IMPLEMENT_DYNAMIC(CWallPage, CScrollDialog)

BEGIN_MESSAGE_MAP(CWallPage, CScrollDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CWallPage::CWallPage() : CScrollDialog(IDD, nullptr), m_dialogs(&m_view), m_brPage(BRUSH_COLOR)
{
    m_view.setDialogs(&m_dialogs);
}

CWallPage::CWallPage(const CString& profileDirectory)
    : CScrollDialog(IDD, nullptr), m_view(profileDirectory), m_dialogs(&m_view),
      m_brPage(BRUSH_COLOR)
{
    m_view.setDialogs(&m_dialogs);
}

BOOL CWallPage::OnInitDialog()
{
    const BOOL result = CScrollDialog::OnInitDialog();
    if (m_view.SubclassDlgItem(IDC_VIEW, this)) {
        m_view.SetWindowPos(nullptr, VIEW_LEFT, VIEW_TOP, VIEW_WIDTH, VIEW_HEIGHT, SWP_NOZORDER | SWP_NOACTIVATE);
        // The recent scene is shown as it was kept; it reaches the device only when recalled.
        m_view.loadAtStartup();
    }
    return result;
}

void CWallPage::PaintPage(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, FACE_COLOR);
    CRect frame(rc.left, rc.top, rc.right - FRAME_INSET_RIGHT, rc.bottom - FRAME_INSET_BOTTOM);
    CLuPainter::DrawRoundRect(dc, frame, FRAME_COLOR);
    frame.DeflateRect(1, 1);
    CLuPainter::DrawRoundRect(dc, frame, INNER_FRAME_COLOR);
}

void CWallPage::OnPaint()
{
    CPaintDC dc(this);
    PaintPage(dc);
}

BOOL CWallPage::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CWallPage::OnSize(UINT nType, int cx, int cy)
{
    CScrollDialog::OnSize(nType, cx, cy);
    // The frame follows the right and bottom edges.
    Invalidate(FALSE);
}

HBRUSH CWallPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_DLG) {
        pDC->SetBkMode(TRANSPARENT);
        return m_brPage;
    }
    return CScrollDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
