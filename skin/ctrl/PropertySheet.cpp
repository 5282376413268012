#include "skin/ctrl/PropertySheet.h"

#include "fx/win/WinApp.h"
#include "skin/core/CreateContext.h"

IMPLEMENT_DYNCREATE(CLuPropertyPage, CLuDialog)
IMPLEMENT_DYNCREATE(CLuPropertySheet, CLuDialog)

// ---- Page ----

CLuPropertyPage::CLuPropertyPage() = default;

CLuPropertyPage::CLuPropertyPage(UINT nIDTemplate, CWnd* pParent) : CLuDialog(nIDTemplate, pParent) {}

void CLuPropertyPage::GetTagAndTipStr(CString& strTag, CString& strTip)
{
    strTag = m_hWnd != nullptr ? GetWindowText() : CString();
    strTip = strTag;
}

BOOL CLuPropertyPage::OnOK(CString&) { return TRUE; }
BOOL CLuPropertyPage::OnCancel(CString&) { return TRUE; }

BOOL CLuPropertyPage::PreTranslateMessage(MSG*) { return FALSE; }

namespace {

// The sheet a page belongs to: the nearest window above it with a property-sheet object.
CWnd* SheetOf(HWND hPage)
{
    for (HWND h = ::GetParent(hPage); h != nullptr; h = ::GetParent(h)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (DYNAMIC_DOWNCAST(CLuPropertySheet, pWnd) != nullptr)
            return pWnd;
    }
    return nullptr;
}

}  // namespace

void CLuPropertyPage::OnOK()
{
    if (CWnd* pSheet = SheetOf(m_hWnd))
        pSheet->SendMessage(WM_COMMAND, IDOK, 0);
}

void CLuPropertyPage::OnCancel()
{
    if (CWnd* pSheet = SheetOf(m_hWnd))
        pSheet->SendMessage(WM_COMMAND, IDCANCEL, 0);
}

// ---- Sheet ----

CLuPropertySheet::CLuPropertySheet() = default;

CLuPropertySheet::CLuPropertySheet(UINT nIDTemplate, CWnd* pParent) : CLuDialog(nIDTemplate, pParent) {}

CLuPropertySheet::~CLuPropertySheet() = default;

UINT CLuPropertySheet::GetTagCtrlID() { return LU_IDC_SHEET_TAG; }
UINT CLuPropertySheet::GetBookCtrlID() { return LU_IDC_SHEET_BOOK; }

CLuTagCtrl* CLuPropertySheet::GetTagCtrl()
{
    return m_hWnd != nullptr ? DYNAMIC_DOWNCAST(CLuTagCtrl, GetDlgItem(static_cast<int>(GetTagCtrlID()))) : nullptr;
}

CLuBookCtrl* CLuPropertySheet::GetBookCtrl()
{
    return m_hWnd != nullptr ? DYNAMIC_DOWNCAST(CLuBookCtrl, GetDlgItem(static_cast<int>(GetBookCtrlID()))) : nullptr;
}

BOOL CLuPropertySheet::LoadTagImageList(UINT nIDBitmap, CSize size, COLORREF clrMask)
{
    CLuTagCtrl* pTag = GetTagCtrl();
    return pTag != nullptr && pTag->LoadImageList(nIDBitmap, size, clrMask);
}

void CLuPropertySheet::AddPage(CLuPropertyPage* pPage, int nImage) { AddPage(GetPageCount(), pPage, nImage); }

void CLuPropertySheet::AddPage(int nIndex, CLuPropertyPage* pPage, int nImage)
{
    if (pPage == nullptr)
        return;
    if (nIndex < 0 || nIndex > GetPageCount())
        nIndex = GetPageCount();
    m_pages.insert(m_pages.begin() + nIndex, Page{pPage, nImage, false});
    if (m_hWnd != nullptr)
        CreatePage(nIndex);
}

void CLuPropertySheet::CreatePage(int nIndex)
{
    Page& page = m_pages[nIndex];
    CLuBookCtrl* pBook = GetBookCtrl();
    CLuTagCtrl* pTag = GetTagCtrl();
    if (page.bCreated || pBook == nullptr || pTag == nullptr)
        return;
    CLuCDlgCContext context(page.pPage, page.pPage->GetTemplateID());
    const int nBookIndex = pBook->CreatePage("", &context);
    if (nBookIndex < 0)
        return;
    page.bCreated = true;
    CString strTag, strTip;
    page.pPage->GetTagAndTipStr(strTag, strTip);
    pBook->GetItemData(nBookIndex).strTitle = strTag;
    // Tags before this one that are not created yet have no tag either.
    int nTagIndex = 0;
    for (int i = 0; i < nIndex; ++i)
        nTagIndex += m_pages[i].bCreated ? 1 : 0;
    pTag->InsertItem(nTagIndex, strTag, strTip, page.nImage);
}

CLuPropertyPage* CLuPropertySheet::GetPage(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetPageCount() ? m_pages[nIndex].pPage : nullptr;
}

int CLuPropertySheet::GetActiveIndex() const
{
    CLuBookCtrl* pBook = const_cast<CLuPropertySheet*>(this)->GetBookCtrl();
    CWnd* pCurrent = pBook != nullptr ? pBook->GetCurPageWnd() : nullptr;
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[i].pPage == pCurrent)
            return i;
    return -1;
}

void CLuPropertySheet::SetActivePage(int nIndex)
{
    CLuBookCtrl* pBook = GetBookCtrl();
    CLuTagCtrl* pTag = GetTagCtrl();
    if (pBook == nullptr || pTag == nullptr || nIndex < 0 || nIndex >= GetPageCount())
        return;
    for (int i = 0; i < pBook->GetPageCount(); ++i) {
        if ((*pBook)[i] == m_pages[nIndex].pPage) {
            pBook->SetCurSel(i);
            pTag->SetCurSel(nIndex);
            return;
        }
    }
}

BOOL CLuPropertySheet::OnInitDialog()
{
    const BOOL result = CLuDialog::OnInitDialog();
    for (int i = 0; i < GetPageCount(); ++i)
        CreatePage(i);
    if (GetPageCount() > 0)
        SetActivePage(0);
    return result;
}

BOOL CLuPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    CLuTagCtrl* pTag = GetTagCtrl();
    if (pTag != nullptr && hdr->hwndFrom == pTag->GetSafeHwnd() && hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
        SetActivePage(pTag->GetCurSel());
        *pResult = 0;
        return TRUE;
    }
    return CLuDialog::OnNotify(wParam, lParam, pResult);
}

int CLuPropertySheet::FirstRefusal(bool bOK, CString& strError)
{
    for (int i = 0; i < GetPageCount(); ++i) {
        strError.Empty();
        CLuPropertyPage* pPage = m_pages[i].pPage;
        if (!(bOK ? pPage->OnOK(strError) : pPage->OnCancel(strError)))
            return i;
    }
    return -1;
}

void CLuPropertySheet::OnOK()
{
    CString strError;
    const int nRefused = FirstRefusal(true, strError);
    if (nRefused >= 0) {
        SetActivePage(nRefused);
        AfxMessageBox(strError);
        return;
    }
    CLuDialog::OnOK();
}

void CLuPropertySheet::OnCancel()
{
    CString strError;
    const int nRefused = FirstRefusal(false, strError);
    if (nRefused >= 0) {
        SetActivePage(nRefused);
        AfxMessageBox(strError);
        return;
    }
    CLuDialog::OnCancel();
}
