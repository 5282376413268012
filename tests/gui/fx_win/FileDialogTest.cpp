// The standard save dialog with a '|' filter: a GBK file name typed into it comes back as the
// same GBK path, and cancelling gives IDCANCEL.
#include "GuiTestSupport.h"
#include "TestApp.h"

#include "fx/win/FileDialog.h"
#include "fx/win/Text.h"

#include <gtest/gtest.h>

namespace {

std::wstring g_typedName;
bool g_cancel = false;
std::wstring g_dialogTitle;

// Finds the calling thread's file dialog, types the name (or cancels) and confirms.
void CALLBACK AnswerFileDialog(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            ::GetClassNameW(hWnd, cls, 16);
            if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hWnd))
                return TRUE;
            wchar_t title[64] = {};
            ::GetWindowTextW(hWnd, title, 64);
            g_dialogTitle = title;
            if (g_cancel) {
                ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
                return FALSE;
            }
            constexpr int kNameCombo = 0x047C;  // cmb13
            constexpr int kNameEdit = 0x0480;   // edt1
            ::SetDlgItemTextW(hWnd, kNameCombo, g_typedName.c_str());
            ::SetDlgItemTextW(hWnd, kNameEdit, g_typedName.c_str());
            ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
            return FALSE;
        },
        0);
}

}  // namespace

TEST(FxFileDialog, TypedGbkNameComesBackAsGbkPath)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const CString folder = fx::ToGbk(temp);
    g_typedName = fx::ToWide(folder + "场景一.tzs");
    g_cancel = false;
    g_dialogTitle.clear();

    CFileDialog dlg(FALSE, "tzs", nullptr, OFN_HIDEREADONLY, "场景文件 (*.tzs)|*.tzs|所有文件 (*.*)|*.*||");
    dlg.SetTitle("保存场景");
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, &AnswerFileDialog);
    fxtest::ModalTimeout guard(60000);
    const INT_PTR result = dlg.DoModal();
    ::KillTimer(nullptr, timer);
    ASSERT_EQ(IDOK, result);
    EXPECT_EQ(fx::ToWide("保存场景"), g_dialogTitle);
    EXPECT_EQ(folder + "场景一.tzs", dlg.GetPathName());
    EXPECT_EQ(CString("场景一.tzs"), dlg.GetFileName());
    EXPECT_EQ(CString("场景一"), dlg.GetFileTitle());
    EXPECT_EQ(CString("tzs"), dlg.GetFileExt());
}

TEST(FxFileDialog, CancelGivesIdCancel)
{
    g_cancel = true;
    CFileDialog dlg(TRUE, "tzs", nullptr, OFN_FILEMUSTEXIST, "场景文件 (*.tzs)|*.tzs||");
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, &AnswerFileDialog);
    fxtest::ModalTimeout guard(60000);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    ::KillTimer(nullptr, timer);
}
