// CLuPropertySheet and CLuPropertyPage: a tabbed property dialog. The sheet is a skinned dialog
// whose template holds a tag control (the tabs) and a book control (the pages); each page is a
// skinned dialog created from its own template as a child page of the book. OK and Cancel ask
// every page in turn; the first page that refuses is shown with its reason and the sheet stays.
#pragma once

#include "skin/ctrl/BookCtrl.h"
#include "skin/ctrl/Dialog.h"
#include "skin/ctrl/TagCtrl.h"

#include <vector>

// Control ids a sheet's template gives its tag and book controls, unless the sheet says others.
#define LU_IDC_SHEET_TAG 0x7F10
#define LU_IDC_SHEET_BOOK 0x7F11

class LULIB_API CLuPropertyPage : public CLuDialog {
    DECLARE_DYNCREATE(CLuPropertyPage)
public:
    CLuPropertyPage();
    CLuPropertyPage(UINT nIDTemplate, CWnd* pParent);

    UINT GetTemplateID() const { return m_nIDTemplate; }
    // The tag's text and tip; by default both are the page's caption.
    virtual void GetTagAndTipStr(CString& strTag, CString& strTip);
    // Asked when the sheet is confirmed or cancelled: FALSE (with the reason in strError)
    // keeps the sheet open on this page.
    virtual BOOL OnOK(CString& strError);
    virtual BOOL OnCancel(CString& strError);

    // Keys are the sheet's: it navigates into the page and owns Enter and Escape.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Enter or Escape inside a page end the sheet, not the page.
    void OnOK() override;
    void OnCancel() override;
};

class LULIB_API CLuPropertySheet : public CLuDialog {
    DECLARE_DYNCREATE(CLuPropertySheet)
public:
    CLuPropertySheet();
    CLuPropertySheet(UINT nIDTemplate, CWnd* pParent);
    ~CLuPropertySheet() override;

    virtual UINT GetTagCtrlID();
    virtual UINT GetBookCtrlID();
    CLuTagCtrl* GetTagCtrl();
    CLuBookCtrl* GetBookCtrl();
    BOOL LoadTagImageList(UINT nIDBitmap, CSize size, COLORREF clrMask);

    // Adds a page at the end (or before nIndex) with its tag; before the sheet exists the page
    // waits and is created when the sheet is.
    void AddPage(CLuPropertyPage* pPage, int nImage = -1);
    void AddPage(int nIndex, CLuPropertyPage* pPage, int nImage = -1);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CLuPropertyPage* GetPage(int nIndex) const;
    int GetActiveIndex() const;
    void SetActivePage(int nIndex);

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    void OnCancel() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    struct Page {
        CLuPropertyPage* pPage;
        int nImage;
        bool bCreated;
    };
    void CreatePage(int nIndex);
    // The page that refuses (with its reason), or -1 when all agree.
    int FirstRefusal(bool bOK, CString& strError);

    std::vector<Page> m_pages;
};
