// The colour schemes' exact theme calls, against a theme that records them, and the control-class
// table's order and failure texts.
#include "app/shell/ColorScheme.h"
#include "app/shell/ShellControls.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Theme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CRecordingTheme : public CLuTheme {
public:
    std::vector<std::string> calls;
    // Calls the theme makes to itself while building a scheme are not the program's.
    int nInside = 0;

    COLORREF SetThemeColor(UINT nIndex, COLORREF clr) override
    {
        if (nInside == 0)
            calls.push_back("Set(" + std::to_string(nIndex) + "," + Hex(clr) + ")");
        return CLuTheme::SetThemeColor(nIndex, clr);
    }
    void AutoBuildColorTheme(COLORREF a, COLORREF b, COLORREF c, COLORREF d, COLORREF e) override
    {
        calls.push_back("Auto(" + Hex(a) + "," + Hex(b) + "," + Hex(c) + "," + Hex(d) + "," + Hex(e) + ")");
        ++nInside;
        CLuTheme::AutoBuildColorTheme(a, b, c, d, e);
        --nInside;
    }
    void BuildColorTheme() override
    {
        if (nInside == 0)
            calls.push_back("Build");
        CLuTheme::BuildColorTheme();
    }

    static std::string Hex(COLORREF c)
    {
        char text[16];
        snprintf(text, sizeof(text), "%06lX", static_cast<unsigned long>(c));
        return text;
    }
};

std::vector<std::string> CallsFor(int nScheme)
{
    CRecordingTheme theme;
    ApplySchemeColors(theme, nScheme);
    return theme.calls;
}

}  // namespace

TEST(ShellColorScheme, DefaultSchemeThreeMakesItsSixCallsInOrder)
{
    const std::vector<std::string> expected = {"Auto(8D6400,E2D8D8,000000,808080,F8E4C4)", "Set(1,CDAE61)",
                                               "Set(16,F6EAD2)", "Set(15,FAFAFA)", "Set(4,AB8A3D)", "Set(5,F8E28E)"};
    EXPECT_EQ(CallsFor(3), expected);
}

TEST(ShellColorScheme, SchemesOneAndTwo)
{
    const std::vector<std::string> one = {"Auto(B45829,F2ECDE,000000,808080,FFFFFF)", "Set(4,C87A26)", "Set(5,EED0B7)",
                                          "Set(1,D4831E)"};
    EXPECT_EQ(CallsFor(1), one);
    const std::vector<std::string> two = {"Auto(CE6108,F5EBE1,613622,9A9998,FAF2E9)", "Set(15,FFF9F2)"};
    EXPECT_EQ(CallsFor(2), two);
}

TEST(ShellColorScheme, SystemSchemeTakesSixteenSystemColoursThenBuilds)
{
    const std::vector<std::string> calls = CallsFor(0);
    ASSERT_EQ(calls.size(), 17u);
    const int indexes[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const int sysColors[] = {COLOR_WINDOWFRAME, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNFACE, COLOR_BTNSHADOW,
                             COLOR_BTNHIGHLIGHT, COLOR_GRADIENTACTIVECAPTION, COLOR_HIGHLIGHTTEXT, COLOR_INACTIVEBORDER,
                             COLOR_GRAYTEXT, COLOR_SCROLLBAR, COLOR_SCROLLBAR, COLOR_BTNFACE, COLOR_3DLIGHT, COLOR_MENU,
                             COLOR_MENU};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(calls[static_cast<size_t>(i)],
                  "Set(" + std::to_string(indexes[i]) + "," + CRecordingTheme::Hex(::GetSysColor(sysColors[i])) + ")");
    }
    EXPECT_EQ(calls.back(), "Build");
}

TEST(ShellColorScheme, AnyOtherValueChangesNothing)
{
    CRecordingTheme theme;
    const COLORREF before = theme.GetThemeColor(1);
    ApplySchemeColors(theme, 7);
    ApplySchemeColors(theme, -1);
    EXPECT_TRUE(theme.calls.empty());
    EXPECT_EQ(theme.GetThemeColor(1), before);
}

namespace {

std::vector<std::string> g_tableCalls;
int g_failAt = -1;

template <int N>
BOOL StubRegister()
{
    g_tableCalls.push_back("reg" + std::to_string(N));
    return N != g_failAt;
}
template <int N>
void StubUnregister()
{
    g_tableCalls.push_back("unreg" + std::to_string(N));
}

const ShellClassEntry kStubs[] = {
    {"CRibbonBar", &StubRegister<0>, &StubUnregister<0>},   {"CNavigation", &StubRegister<1>, &StubUnregister<1>},
    {"CSlideCtrl", &StubRegister<2>, &StubUnregister<2>},   {"CShortCut", &StubRegister<3>, &StubUnregister<3>},
    {"CSSAnimateCtrl", &StubRegister<4>, &StubUnregister<4>},
};

}  // namespace

TEST(ShellControlTable, FiveClassesInRegistrationOrder)
{
    int n = 0;
    const ShellClassEntry* table = ShellClassTable(&n);
    ASSERT_EQ(n, 5);
    const char* names[] = {"CRibbonBar", "CNavigation", "CSlideCtrl", "CShortCut", "CSSAnimateCtrl"};
    for (int i = 0; i < n; ++i)
        EXPECT_STREQ(table[i].lpszClassName, names[i]);
}

TEST(ShellControlTable, FirstFailureStopsAndNamesTheClass)
{
    const char* texts[] = {"Failed register CRibbonBar", "Failed register CNavigation", "Failed register CSlideCtrl",
                           "Failed register CShortCut", "Failed register CSSAnimateCtrl"};
    for (int fail = 0; fail < 5; ++fail) {
        g_tableCalls.clear();
        g_failAt = fail;
        LuLibAux::SetErrorCode(0);
        LuLibAux::SetErrorStr("");
        EXPECT_EQ(RunShellClassTable(kStubs, 5, 1), 0);
        EXPECT_EQ(LuLibAux::GetErrorCode(), 2);
        EXPECT_STREQ(LuLibAux::GetErrorStr(), texts[fail]);
        EXPECT_EQ(g_tableCalls.size(), static_cast<size_t>(fail + 1)) << "stops at the first failure";
    }
}

TEST(ShellControlTable, AllRegisteredAndUnregisteredInOrder)
{
    g_tableCalls.clear();
    g_failAt = -1;
    LuLibAux::SetErrorCode(0);
    EXPECT_EQ(RunShellClassTable(kStubs, 5, 1), 1);
    EXPECT_EQ(LuLibAux::GetErrorCode(), 0);
    EXPECT_EQ(RunShellClassTable(kStubs, 5, 0), 1);
    const std::vector<std::string> expected = {"reg0",   "reg1",   "reg2",   "reg3",   "reg4",
                                               "unreg0", "unreg1", "unreg2", "unreg3", "unreg4"};
    EXPECT_EQ(g_tableCalls, expected);
}
