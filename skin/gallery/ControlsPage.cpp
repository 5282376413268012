// The gallery's controls page: one skinned dialog holding every kind of button, an edit field,
// combo boxes, a list, a hyperlink, a book with two pages and a scroll window. With a file name
// the dialog is shown, captured from the screen into a bitmap file and closed; without one it
// stays until it is closed.
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/gallery/GalleryShot.h"
#include "skin/ctrl/BookCtrl.h"
#include "skin/ctrl/Button.h"
#include "skin/ctrl/ComboBox.h"
#include "skin/ctrl/Dialog.h"
#include "skin/ctrl/Edit.h"
#include "skin/ctrl/HyperLink.h"
#include "skin/ctrl/ListBox.h"
#include "skin/ctrl/ScrollWnd.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 560, kHeight = 420;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

// An in-memory dialog template with a caption, a font and no controls: the page makes its
// controls by code, through the library's own Create operations.
std::vector<WORD> EmptyDialogTemplate(const std::wstring& caption)
{
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto text = [&t](const std::wstring& s) {
        t.insert(t.end(), s.begin(), s.end());
        t.push_back(0);
    };
    dword(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    dword(0);
    t.push_back(0);  // no items
    for (short v : {0, 0, 300, 200})
        t.push_back(static_cast<WORD>(v));
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    text(caption);
    t.push_back(9);
    text(L"SimSun");
    return t;
}

// A plain page: its face and one line of text.
class CTextPanel : public CWnd {
public:
    CString m_strText;
    CLuScrollWnd* m_pScroll = nullptr;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CLuPainter::GradientFill(dc, rc, Theme().GetThemeColor(LUCLR_WINDOW), Theme().GetThemeColor(LUCLR_FACE), FALSE);
        CScopedSelect font(dc, *Theme().GetThemeFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(Theme().GetThemeColor(LUCLR_TEXT));
        rc.DeflateRect(8, 8);
        dc.DrawText(m_strText, rc, DT_LEFT | DT_TOP | DT_WORDBREAK);
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    // A framed pane offers its messages to its scroll window first.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT r = 0;
        if (m_pScroll != nullptr && m_pScroll->HookMsg(message, wParam, lParam, &r))
            return r;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTextPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class CControlsDlg : public CLuDialog {
public:
    CControlsDlg() = default;

protected:
    BOOL OnInitDialog() override;
    // Closing the page (caption button, Escape) ends the gallery; Enter does nothing.
    void OnOK() override {}
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { ::PostQuitMessage(0); }

private:
    void MakeButtons();
    void MakeFields();
    void MakeBookAndScroll();
    template <class T>
    T& Font(T& wnd)
    {
        wnd.SetFont(GetFont(), FALSE);
        return wnd;
    }

    CLuButton m_push, m_def, m_disabled, m_check, m_three, m_checkDisabled, m_radio1, m_radio2, m_group;
    CLuEdit m_edit;
    CLuComboBox m_dropList, m_dropDown;
    CLuListBox m_list;
    CLuHyperLink m_link;
    CLuBookCtrl m_book;
    CTextPanel m_page1, m_page2, m_scrolled;
    CLuScrollWnd m_scroll;
};

BOOL CControlsDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    SetWindowPos(nullptr, 20, 20, kWidth, kHeight, SWP_NOZORDER);
    MakeButtons();
    MakeFields();
    MakeBookAndScroll();
    return TRUE;
}

void CControlsDlg::MakeButtons()
{
    const DWORD v = WS_VISIBLE | WS_TABSTOP;
    m_group.Create("按钮", v | BS_GROUPBOX, CRect(10, 8, 260, 150), this, 100);
    Font(m_group);
    m_push.Create("普通", v | BS_PUSHBUTTON, CRect(20, 28, 90, 52), this, 101);
    m_def.Create("确定", v | BS_DEFPUSHBUTTON, CRect(100, 28, 170, 52), this, IDOK);
    m_disabled.Create("禁用", v | BS_PUSHBUTTON | WS_DISABLED, CRect(180, 28, 250, 52), this, 102);
    m_check.Create("复选框", v | BS_AUTOCHECKBOX, CRect(20, 60, 120, 80), this, 103);
    m_three.Create("三态", v | BS_AUTO3STATE, CRect(130, 60, 250, 80), this, 104);
    m_checkDisabled.Create("禁用复选", v | BS_AUTOCHECKBOX | WS_DISABLED, CRect(20, 86, 120, 106), this, 105);
    m_radio1.Create("单选一", v | BS_AUTORADIOBUTTON | WS_GROUP, CRect(20, 114, 120, 134), this, 106);
    m_radio2.Create("单选二", v | BS_AUTORADIOBUTTON, CRect(130, 114, 250, 134), this, 107);
    for (CLuButton* p : {&m_push, &m_def, &m_disabled, &m_check, &m_three, &m_checkDisabled, &m_radio1, &m_radio2})
        Font(*p);
    m_check.SetCheck(BST_CHECKED);
    m_three.SetCheck(BST_INDETERMINATE);
    m_checkDisabled.SetCheck(BST_CHECKED);
    m_radio2.SetCheck(BST_CHECKED);
}

void CControlsDlg::MakeFields()
{
    const DWORD v = WS_VISIBLE | WS_TABSTOP;
    m_edit.Create(v | WS_BORDER | ES_AUTOHSCROLL, CRect(280, 12, 540, 36), this, 201);
    Font(m_edit).SetWindowText("编辑框 Edit");
    m_dropList.Create(v | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(280, 44, 405, 200), this, 202);
    m_dropDown.Create(v | CBS_DROPDOWN | WS_VSCROLL, CRect(415, 44, 540, 200), this, 203);
    for (CLuComboBox* p : {&m_dropList, &m_dropDown}) {
        Font(*p);
        for (LPCSTR s : {"9600", "19200", "115200"})
            p->AddString(s);
        p->SetCurSel(2);
    }
    m_list.Create(v | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, CRect(280, 76, 540, 150), this, 204);
    Font(m_list);
    for (LPCSTR s : {"列表项一", "列表项二", "列表项三"})
        m_list.AddString(s);
    m_list.SetCurSel(1);
    m_link.Create("高清多画面分割器", WS_VISIBLE | LU_HLS_NOTIFY, CRect(280, 158, 540, 178), this, 205);
    m_link.SetURL("http://www.example.com/");
}

void CControlsDlg::MakeBookAndScroll()
{
    m_book.Create(WS_VISIBLE | WS_BORDER, CRect(10, 186, 270, 370), this, 301);
    for (CTextPanel* p : {&m_page1, &m_page2})
        p->CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 0, 0), &m_book, 0);
    m_page1.m_strText = "第一页：书本控件的页面";
    m_page2.m_strText = "第二页";
    m_book.AddPage("第一页", &m_page1);
    m_book.AddPage("第二页", &m_page2);
    m_book.SetCurSel(0);

    m_scroll.Create(WS_VISIBLE | LU_SCROLLWND_CUSTOM, CRect(280, 186, 540, 370), this, 302);
    m_scrolled.m_strText = "滚动窗口：两条滚动条围着一个子窗口";
    m_scrolled.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_scroll, 0);
    m_scrolled.m_pScroll = &m_scroll;
    m_scroll.SetChild(&m_scrolled);
    m_scroll.EnableScrollBarCtrl(SB_BOTH, TRUE);
    m_scroll.SetScrollRange(SB_VERT, 0, 400);
    m_scroll.SetScrollPos(SB_VERT, 120);
    m_scroll.SetScrollRange(SB_HORZ, 0, 300);
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_PAGE;
    si.nPage = 100;
    m_scroll.SetScrollInfo(SB_HORZ, &si);
    m_scroll.SetScrollInfo(SB_VERT, &si);
}

}  // namespace

// The controls page; savePath null: interactive.
int RunControlsPage(const char* savePath)
{
    const std::vector<WORD> dlgTemplate = EmptyDialogTemplate(fx::ToWide("控件"));
    CControlsDlg dlg;
    if (!dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATEW>(dlgTemplate.data()), nullptr))
        return 1;
    ::SetCursorPos(0, 0);  // nothing under the pointer is drawn hot
    ::SetWindowPos(dlg.GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(dlg.GetSafeHwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (savePath != nullptr) {
        gallery::PumpUntilQuiet();
        CRect rc;
        dlg.GetWindowRect(&rc);
        const bool ok = gallery::SaveScreenRect(rc, savePath);
        if (!ok)
            std::fprintf(stderr, "cannot write %s\n", savePath);
        dlg.DestroyWindow();
        return ok ? 0 : 1;
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!dlg.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return 0;
}
