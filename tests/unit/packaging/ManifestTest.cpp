// The program's application manifest as the Windows loader reads it: this test program carries
// the same manifest resource as TaveloPro.exe, so the process's own activation context shows
// what the program gets: no elevation, DPI-unaware windows drawn with GDI scaling. (Wine itself
// runs every process per-monitor aware, so the declaration is what can be checked here; the
// static check of the built binaries is tests/integration/install.)
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

const wchar_t SETTINGS_2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
const wchar_t SETTINGS_2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";
const wchar_t SETTINGS_2017[] = L"http://schemas.microsoft.com/SMI/2017/WindowsSettings";

// A windowsSettings value of the process's default activation context; empty when absent.
std::wstring Setting(const wchar_t* ns, const wchar_t* name)
{
    wchar_t value[64] = {};
    SIZE_T written = 0;
    if (!::QueryActCtxSettingsW(0, nullptr, ns, name, value, 64, &written))
        return std::wstring();
    return value;
}

}  // namespace

TEST(ProgramManifest, DeclaresUnawareWindowsWithGdiScaling)
{
    EXPECT_EQ(Setting(SETTINGS_2005, L"dpiAware"), L"false");
    EXPECT_EQ(Setting(SETTINGS_2016, L"dpiAwareness"), L"unaware");
    EXPECT_EQ(Setting(SETTINGS_2017, L"gdiScaling"), L"true");
}

TEST(ProgramManifest, RunsAsInvokerWithoutUiAccess)
{
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION info = {};
    SIZE_T written = 0;
    // The process's own context (GetCurrentActCtx gives none while the default one is active).
    HANDLE context = nullptr;
    ASSERT_TRUE(::GetCurrentActCtx(&context));
    ASSERT_TRUE(::QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &info, sizeof(info),
                               &written));
    EXPECT_EQ(info.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(info.UiAccess, 0u);
}
