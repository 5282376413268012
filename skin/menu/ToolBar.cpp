// CLuToolBar: creation, images, the button list and its operations, and the layout that places
// the buttons (and their tooltip tools and hosted controls).
#include "skin/menu/ToolBar.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/ClassTable.h"
#include "skin/core/LuLibAux.h"
#include "skin/menu/MenuIcon.h"
#include "skin/menu/ToolBarMetrics.h"
#include "skin/menu/PlainNames.h"
#include "skin/theme/Theme.h"

#include <algorithm>
#include <cstring>

using namespace lutoolbar;

IMPLEMENT_DYNCREATE(CLuToolBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CLuToolBar)
LU_PROVIDE_LIBRARY_CLASS(CLuToolBar, LU_ROW_TOOLBAR, LuNewClassProc)

// ---- CTBButton ----

CRect CTBButton::DropRect() const
{
    if (m_nStyle & LUTBS_WHOLEDROPDOWN)
        return m_rect;
    if (m_nStyle & LUTBS_DROPDOWN)
        return CRect(m_rect.right - kDropWidth, m_rect.top, m_rect.right, m_rect.bottom);
    return CRect();
}

void CTBButton::SetText(LPCSTR lpszText)
{
    const CString text = lpszText != nullptr ? lpszText : "";
    const int nBreak = text.Find('\n');
    if (nBreak < 0) {
        m_strToolTip.Empty();
        m_strCaption = text;
    } else {
        m_strToolTip = text.Left(nBreak);
        m_strCaption = text.Mid(nBreak + 1);
    }
}

// ---- Creation ----

CLuToolBar::CLuToolBar() = default;

CLuToolBar::~CLuToolBar()
{
    for (auto& p : m_buttons)
        ReleaseButton(*p);
    m_buttons.clear();
}

void CLuToolBar::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    m_pumper.InitPumper(this);
    if (m_toolTip.GetSafeHwnd() == nullptr)
        m_toolTip.Create(this, TTS_ALWAYSTIP);
    // Buttons added before the window existed get their tools now.
    for (auto& p : m_buttons)
        RegisterTool(*p);
    RecalcLayout();
}

BOOL CLuToolBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return FALSE;
    CLuCreateBlock block(this);
    return CWnd::CreateEx(0, LU_WNDCLASS_NAME("ToolBar"), "", dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParent, nID,
                          &block);
}

void CLuToolBar::OnDestroy()
{
    // Hosted controls go while the bar's window still exists (they are its children).
    for (auto& p : m_buttons)
        ReleaseButton(*p);
    Default();
}

// ---- Images ----

BOOL CLuToolBar::LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
BOOL CLuToolBar::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
CSize CLuToolBar::GetImageSize() const { return m_sizeImage; }
int CLuToolBar::GetButtonCount() const { return static_cast<int>(m_buttons.size()); }

BOOL CLuToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    lumenu::ToolBarResource res;
    if (!lumenu::ReadToolBarResource(AfxGetResourceHandle(), lpszResourceName, res))
        return FALSE;
    SetImageSize(res.sizeImage);
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    for (auto& p : m_buttons)
        ReleaseButton(*p);
    m_buttons.clear();
    int nImage = 0;
    for (UINT nID : res.ids) {
        LUTBBUTTON button{nID != 0 ? nImage++ : -1, static_cast<int>(nID), 0, 0, 0, nullptr};
        InsertButton(GetButtonCount(), &button);
    }
    return TRUE;
}

BOOL CLuToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    fx::WideArg name(lpszResourceName);
    HRSRC hRsrc = ::FindResourceW(hInst, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    HBITMAP hBitmap = hRsrc != nullptr ? LuLibAux::LoadSysColorBitmap(hInst, hRsrc, FALSE) : nullptr;
    if (hBitmap == nullptr)
        return FALSE;
    const BOOL ok = SetBitmap(hBitmap);
    ::DeleteObject(hBitmap);
    return ok;
}

BOOL CLuToolBar::SetBitmap(HBITMAP hBitmap)
{
    m_imageList.DeleteImageList();
    BOOL ok = FALSE;
    HBITMAP hCopy = hBitmap != nullptr ? static_cast<HBITMAP>(::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
    if (hCopy != nullptr && m_imageList.Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLOR32 | ILC_MASK, 8, 8))
        ok = ImageList_AddMasked(m_imageList, hCopy, lumenu::CornerColor(hCopy)) >= 0;
    if (hCopy != nullptr)
        ::DeleteObject(hCopy);
    if (!ok)
        m_imageList.DeleteImageList();
    RecalcLayout();
    return ok;
}

void CLuToolBar::SetImageSize(SIZE size)
{
    if (size.cx == m_sizeImage.cx && size.cy == m_sizeImage.cy)
        return;
    // Images of another size no longer fit the buttons.
    m_imageList.DeleteImageList();
    m_sizeImage = size;
    RecalcLayout();
}

void CLuToolBar::DestoryToolBar()
{
    for (auto& p : m_buttons)
        ReleaseButton(*p);
    m_buttons.clear();
    m_imageList.DeleteImageList();
    m_nHot = m_nPressed = -1;
    m_bCapture = FALSE;
    RecalcLayout();
}

// ---- Button list ----

CTBButton* CLuToolBar::Button(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetButtonCount() ? m_buttons[static_cast<size_t>(nIndex)].get() : nullptr;
}

const CTBButton* CLuToolBar::GetButton(int nIndex) const { return Button(nIndex); }

BOOL CLuToolBar::InsertButtonObject(int nIndex, std::unique_ptr<CTBButton> pButton)
{
    nIndex = std::max(0, std::min(nIndex, GetButtonCount()));
    CTBButton& button = *pButton;
    m_buttons.insert(m_buttons.begin() + nIndex, std::move(pButton));
    // Hot and pressed indexes follow their buttons.
    if (m_nHot >= nIndex)
        ++m_nHot;
    if (m_nPressed >= nIndex)
        ++m_nPressed;
    RegisterTool(button);
    RecalcLayout();
    return TRUE;
}

BOOL CLuToolBar::InsertButton(int nIndex, LUTBBUTTON* pButton)
{
    if (pButton == nullptr)
        return FALSE;
    pButton->fsState = 0;
    pButton->fsStyle = pButton->idCommand == 0 ? LUTBS_SEPARATOR : 0;
    auto p = std::make_unique<CTBButton>();
    p->m_nID = static_cast<UINT>(pButton->idCommand);
    p->m_nStyle = pButton->fsStyle;
    p->m_iImage = pButton->iBitmap;
    p->m_dwData = pButton->dwData;
    if (!p->IsSeparator())
        p->SetText(pButton->pszText);
    return InsertButtonObject(nIndex, std::move(p));
}

BOOL CLuToolBar::AddButtons(int nCount, LUTBBUTTON* pButtons)
{
    if (nCount < 0 || (nCount > 0 && pButtons == nullptr))
        return FALSE;
    for (int i = 0; i < nCount; ++i) {
        if (!InsertButton(GetButtonCount(), &pButtons[i]))
            return FALSE;
    }
    return TRUE;
}

BOOL CLuToolBar::InsertButtonEx(int nIndex, LUTBBUTTON* pButton, CLuCContext* pContext, SIZE* pSize, BOOL bDestroy)
{
    if (pButton == nullptr || pContext == nullptr || m_hWnd == nullptr)
        return FALSE;
    int bCustom = 0;
    CWnd* pWnd = LuLibAux::CreateWnd(pContext, this, bCustom);
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) {
        // Nothing is left behind by a control that could not be made.
        if (pWnd != nullptr && !bCustom)
            LuLibAux::DestoryWnd(pWnd, FALSE);
        return FALSE;
    }
    nIndex = std::max(0, std::min(nIndex, GetButtonCount()));
    if (!InsertButtonEx(nIndex, pButton, pWnd, pSize, bDestroy)) {
        if (!bCustom)
            LuLibAux::DestoryWnd(pWnd, FALSE);
        return FALSE;
    }
    Button(nIndex)->m_bCustomControl = bCustom;
    return TRUE;
}

BOOL CLuToolBar::InsertButtonEx(int nIndex, LUTBBUTTON* pButton, CWnd* pWnd, SIZE* pSize, BOOL bDestroy)
{
    if (pButton == nullptr || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    pButton->fsState = 0;
    pButton->fsStyle = 0;
    auto p = std::make_unique<CTBButton>();
    p->m_nID = static_cast<UINT>(pButton->idCommand);
    p->m_nStyle = LUTBS_CONTROL;
    p->m_iImage = -1;
    p->m_dwData = pButton->dwData;
    p->SetText(pButton->pszText);
    p->m_pControl = pWnd;
    p->m_bCustomControl = 1;
    p->m_bDestroyControl = bDestroy;
    if (pSize != nullptr) {
        p->m_sizeControl = *pSize;
    } else {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        p->m_sizeControl = rc.Size();
    }
    if (pWnd->GetParent() != this)
        pWnd->SetParent(this);
    return InsertButtonObject(nIndex, std::move(p));
}

void CLuToolBar::ReleaseButton(CTBButton& button)
{
    if (button.m_bToolRegistered && m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.DelTool(this, button.m_nToolID);
    button.m_bToolRegistered = FALSE;
    CWnd* pControl = button.m_pControl;
    button.m_pControl = nullptr;
    if (pControl != nullptr && button.m_bDestroyControl) {
        // A caller's object loses its window only; one the bar made goes altogether.
        LuLibAux::DestoryWnd(pControl, button.m_bCustomControl);
    }
}

BOOL CLuToolBar::DeleteButton(int nIndex)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr)
        return FALSE;
    if (m_nPressed == nIndex && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ReleaseButton(*p);
    m_buttons.erase(m_buttons.begin() + nIndex);
    auto follow = [nIndex](int& n) {
        if (n == nIndex)
            n = -1;
        else if (n > nIndex)
            --n;
    };
    follow(m_nHot);
    follow(m_nPressed);
    RecalcLayout();
    return TRUE;
}

void CLuToolBar::RegisterTool(CTBButton& button)
{
    if (button.m_bToolRegistered || button.IsSeparator() || (button.m_nStyle & LUTBS_CONTROL) ||
        m_toolTip.GetSafeHwnd() == nullptr)
        return;
    if (button.m_nToolID == 0)
        button.m_nToolID = m_nNextToolID++;
    button.m_bToolRegistered = m_toolTip.AddTool(this, button.m_strToolTip, button.m_rect, button.m_nToolID);
}

// ---- Layout ----

CSize CLuToolBar::MeasureButton(CDC& dc, CTBButton& button) const
{
    if (button.IsSeparator())
        return CSize(kSeparatorSize, kSeparatorSize);
    if (button.m_nStyle & LUTBS_CONTROL)
        return CSize(button.m_sizeControl.cx + kButtonPadding, button.m_sizeControl.cy + kButtonPadding);
    const BOOL bImage = button.m_iImage >= 0 && m_imageList.GetSafeHandle() != nullptr;
    CSize size = bImage ? CSize(m_sizeImage.cx + kButtonPadding, m_sizeImage.cy + kButtonPadding)
                        : CSize(kButtonPadding, kButtonPadding);
    button.m_cxCaption = button.m_cyCaption = 0;
    if ((button.m_nStyle & LUTBS_SHOWTEXT) && !button.m_strCaption.IsEmpty()) {
        CRect rc(0, 0, 0, 0);
        dc.DrawText(button.m_strCaption, rc, DT_CALCRECT | DT_SINGLELINE);
        button.m_cxCaption = rc.Width();
        button.m_cyCaption = rc.Height();
        size.cx += button.m_cxCaption + kCaptionGap;
        size.cy = std::max(static_cast<int>(size.cy), button.m_cyCaption);
    }
    if (button.HasDropPart())
        size.cx += kDropWidth;
    return size;
}

void CLuToolBar::RecalcLayout()
{
    const BOOL bVert = IsVertical();
    std::vector<CSize> sizes;
    sizes.reserve(m_buttons.size());
    int nLength = 0, nThickness = 0;
    // One screen DC with the theme font measures every caption.
    HDC hScreen = ::GetDC(nullptr);
    {
        CLuAttachDC dc(hScreen);
        CScopedSelect font(dc, *CLuThemeManager::Instance()->GetTheme()->GetThemeFont());
        for (auto& p : m_buttons) {
            const CSize size = MeasureButton(dc, *p);
            sizes.push_back(size);
            nLength += bVert ? size.cy : size.cx;
            nThickness = std::max(nThickness, static_cast<int>(bVert ? size.cx : size.cy));
        }
    }
    ::ReleaseDC(nullptr, hScreen);
    m_sizeBar = bVert ? CSize(nThickness, nLength) : CSize(nLength, nThickness);
    m_nStretch = nLength + kTailSize;
    // Buttons sit across the middle of the bar's thickness.
    CRect rcClient(0, 0, m_sizeBar.cx, m_sizeBar.cy);
    if (m_hWnd != nullptr)
        GetClientRect(&rcClient);
    const int nBand = std::max(nThickness, static_cast<int>(bVert ? rcClient.Width() : rcClient.Height()));
    int nPos = 0;
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CTBButton& b = *m_buttons[i];
        const CSize& s = sizes[i];
        b.m_nIndex = static_cast<int>(i);
        b.m_rect = bVert ? CRect((nBand - s.cx) / 2, nPos, (nBand - s.cx) / 2 + s.cx, nPos + s.cy)
                         : CRect(nPos, (nBand - s.cy) / 2, nPos + s.cx, (nBand - s.cy) / 2 + s.cy);
        nPos += bVert ? s.cy : s.cx;
        if (b.HasControl() && ::IsWindow(b.m_pControl->GetSafeHwnd()))
            ::SetWindowPos(b.m_pControl->GetSafeHwnd(), nullptr, b.m_rect.left + kButtonPadding / 2,
                           b.m_rect.top + kButtonPadding / 2, b.m_sizeControl.cx, b.m_sizeControl.cy,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bNeedLayout = FALSE;
    UpdateToolRects();
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CLuToolBar::UpdateToolRects()
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        return;
    for (auto& p : m_buttons) {
        if (p->m_bToolRegistered)
            m_toolTip.SetToolRect(this, p->m_nToolID, p->m_rect);
    }
}

CSize CLuToolBar::CalcFixedLayout()
{
    if (m_bNeedLayout)
        RecalcLayout();
    return IsVertical() ? CSize(m_sizeBar.cx, m_sizeBar.cy + kTailSize) : CSize(m_sizeBar.cx + kTailSize, m_sizeBar.cy);
}

int CLuToolBar::GetStrecthSize() const { return m_nStretch; }

BOOL CLuToolBar::IsVertical() const
{
    // Bars docked at the left or right run vertically.
    const UINT nSide = m_dwCtrlStyle & LU_CBRS_SIDE_MASK;
    return nSide == LU_DOCK_LEFT || nSide == LU_DOCK_RIGHT;
}

void CLuToolBar::OnSize(UINT, int, int) { RecalcLayout(); }

// ---- Button operations (every index is checked) ----

int CLuToolBar::CommandToIndex(UINT nID) const
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->m_nID == nID)
            return static_cast<int>(i);
    }
    return -1;
}

UINT CLuToolBar::GetItemID(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr ? p->m_nID : 0;
}

void CLuToolBar::GetItemRect(int nIndex, RECT* pRect) const
{
    if (pRect == nullptr)
        return;
    const CTBButton* p = Button(nIndex);
    *pRect = p != nullptr ? static_cast<RECT>(p->m_rect) : RECT{0, 0, 0, 0};
}

void CLuToolBar::GetButtonRect(UINT nID, RECT* pRect) const { GetItemRect(CommandToIndex(nID), pRect); }

UINT CLuToolBar::GetButtonStyle(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr ? p->m_nStyle : 0;
}

void CLuToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr || p->m_nStyle == nStyle)
        return;
    // Hosting a control is fixed when the button is made.
    p->m_nStyle = (nStyle & ~LUTBS_CONTROL) | (p->m_nStyle & LUTBS_CONTROL);
    RecalcLayout();
}

void CLuToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    const CTBButton* p = Button(nIndex);
    nID = p != nullptr ? p->m_nID : 0;
    nStyle = p != nullptr ? p->m_nStyle : 0;
    iImage = p != nullptr ? p->m_iImage : -1;
}

void CLuToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr)
        return;
    p->m_nID = nID;
    p->m_iImage = iImage;
    p->m_nStyle = (nStyle & ~LUTBS_CONTROL) | (p->m_nStyle & LUTBS_CONTROL);
    RecalcLayout();
}

BOOL CLuToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr || p->IsSeparator())
        return FALSE;
    p->SetText(lpszText);
    if (p->m_bToolRegistered)
        m_toolTip.UpdateTipText(p->m_strToolTip, this, p->m_nToolID);
    RecalcLayout();
    return TRUE;
}

CString CLuToolBar::GetButtonText(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr ? p->m_strCaption : CString();
}

CString CLuToolBar::GetButtonToolTip(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr ? p->m_strToolTip : CString();
}

DWORD CLuToolBar::GetButtonData(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr ? p->m_dwData : 0;
}

BOOL CLuToolBar::SetButtonData(int nIndex, DWORD dwData)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr)
        return FALSE;
    p->m_dwData = dwData;
    return TRUE;
}

void CLuToolBar::EnableButton(int nIndex, BOOL bEnable)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr || (p->IsEnabled() != FALSE) == (bEnable != FALSE))
        return;
    p->m_nState = bEnable ? (p->m_nState | LUTBST_ENABLED) : (p->m_nState & ~(LUTBST_ENABLED | LUTBST_PRESSED));
    if (p->HasControl())
        p->m_pControl->EnableWindow(bEnable);
    InvalidateButton(nIndex);
}

BOOL CLuToolBar::IsButtonEnable(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr && p->IsEnabled();
}

void CLuToolBar::CheckedButton(int nIndex, BOOL bChecked)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr || (p->IsChecked() != FALSE) == (bChecked != FALSE))
        return;
    p->m_nState = bChecked ? (p->m_nState | LUTBST_CHECKED) : (p->m_nState & ~LUTBST_CHECKED);
    InvalidateButton(nIndex);
}

BOOL CLuToolBar::IsButtonChecked(int nIndex) const
{
    const CTBButton* p = Button(nIndex);
    return p != nullptr && p->IsChecked();
}

BOOL CLuToolBar::SetButtonShowText(int nIndex, BOOL bShow)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr)
        return FALSE;
    p->m_nStyle = bShow ? (p->m_nStyle | LUTBS_SHOWTEXT) : (p->m_nStyle & ~LUTBS_SHOWTEXT);
    RecalcLayout();
    return TRUE;
}

BOOL CLuToolBar::SetButtonDropDown(int nIndex, BOOL bDropDown)
{
    CTBButton* p = Button(nIndex);
    if (p == nullptr)
        return FALSE;
    p->m_nStyle = bDropDown ? (p->m_nStyle | LUTBS_DROPDOWN) : (p->m_nStyle & ~LUTBS_DROPDOWN);
    RecalcLayout();
    return TRUE;
}
