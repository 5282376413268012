// Property sheets: pages added before the sheet exists become tags and book pages, a click on a
// tag shows its page, and OK asks every page, staying open on the first that refuses.
#include "skin/ctrl/PropertySheet.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"
#include "tests/gui/skin_ctrl/SkinCtrlTestRes.h"

#include <gtest/gtest.h>

using namespace ctrltest;

static_assert(IDC_SHEET_TAG == LU_IDC_SHEET_TAG && IDC_SHEET_BOOK == LU_IDC_SHEET_BOOK, "template ids");

namespace {

class CTestPage : public CLuPropertyPage {
public:
    explicit CTestPage(UINT nID) : CLuPropertyPage(nID, nullptr) {}
    CString m_strRefusal;  // non-empty: OK is refused with it
    int m_nAsked = 0;
    BOOL OnOK(CString& strError) override
    {
        ++m_nAsked;
        strError = m_strRefusal;
        return m_strRefusal.IsEmpty();
    }
};

// Runs modally: once up, presses OK (refused by the second page), then lets the page agree and
// presses OK again.
class CTestSheet : public CLuPropertySheet {
public:
    CTestSheet() : CLuPropertySheet(IDD_SHEET, nullptr) {}
    CTestPage m_page1{IDD_PAGE1};
    CTestPage m_page2{IDD_PAGE2};
    int m_nActiveAfterRefusal = -2;
    size_t m_nBoxesAfterRefusal = 0;

protected:
    BOOL OnInitDialog() override
    {
        CLuPropertySheet::OnInitDialog();
        PostMessage(WM_APP);
        return TRUE;
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_APP)
            return CLuPropertySheet::OnWndMsg(message, wParam, lParam, pResult);
        SendMessage(WM_COMMAND, IDOK, 0);
        m_nActiveAfterRefusal = GetActiveIndex();
        m_nBoxesAfterRefusal = App().m_messages.size();
        m_page2.m_strRefusal.Empty();
        SendMessage(WM_COMMAND, IDOK, 0);
        *pResult = 0;
        return TRUE;
    }
};

}  // namespace

TEST(SkinPropertySheet, PagesBecomeTagsAndATagClickShowsItsPage)
{
    CLuPropertySheet sheet(IDD_SHEET, nullptr);
    CTestPage page1(IDD_PAGE1), page2(IDD_PAGE2);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    ASSERT_TRUE(sheet.Create(IDD_SHEET, nullptr));
    CLuTagCtrl* pTag = sheet.GetTagCtrl();
    CLuBookCtrl* pBook = sheet.GetBookCtrl();
    ASSERT_NE(pTag, nullptr);
    ASSERT_NE(pBook, nullptr);
    ASSERT_EQ(pTag->GetItemCount(), 2);
    EXPECT_EQ(pTag->GetItemText(0), "第一页");
    EXPECT_EQ(pTag->GetItemTip(1), "第二页");
    EXPECT_EQ(pBook->GetPageCount(), 2);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(pTag->GetCurSel(), 0);
    EXPECT_TRUE(page1.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(::GetParent(page1.GetSafeHwnd()), pBook->GetSafeHwnd());

    const CPoint onSecond = pTag->GetItemRect(1).CenterPoint();
    pTag->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onSecond.x, onSecond.y));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(pTag->GetCurSel(), 1);
    EXPECT_TRUE(page2.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(page1.GetStyle() & WS_VISIBLE);

    // A page inserted in front of the others gets the first tag.
    CTestPage page0(IDD_PAGE2);
    sheet.AddPage(0, &page0);
    EXPECT_EQ(pTag->GetItemCount(), 3);
    EXPECT_EQ(sheet.GetPage(0), &page0);
    sheet.SetActivePage(0);
    EXPECT_EQ(pBook->GetCurPageWnd(), &page0);
    EXPECT_EQ(pTag->GetCurSel(), 0);
    sheet.DestroyWindow();
}

TEST(SkinPropertySheet, OkStaysOnTheFirstRefusingPage)
{
    fxtest::ModalTimeout guard(10000);
    CTestSheet sheet;
    sheet.m_page2.m_strRefusal = "第二页有错";
    sheet.AddPage(&sheet.m_page1);
    sheet.AddPage(&sheet.m_page2);
    const size_t boxes = App().m_messages.size();
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.m_nActiveAfterRefusal, 1);
    ASSERT_EQ(sheet.m_nBoxesAfterRefusal, boxes + 1);
    EXPECT_EQ(App().m_messages.back(), "第二页有错");
    // Asked in order: the first page both times, the second both times.
    EXPECT_EQ(sheet.m_page1.m_nAsked, 2);
    EXPECT_EQ(sheet.m_page2.m_nAsked, 2);
}
