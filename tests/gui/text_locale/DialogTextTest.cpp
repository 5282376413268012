// Dialogs and message boxes draw Latin and Chinese whatever the code page: a template's font
// that lacks one script is exchanged in the template (the rest of it byte for byte), a dialog
// from a compiled template draws both of its lines, and a message box of the framework draws
// both lines of its text.
#include "GlyphInk.h"
#include "TextLocaleRes.h"

#include "fx/win/Dialog.h"
#include "fx/win/DialogFont.h"
#include "fx/win/TextFont.h"
#include "fx/win/WinApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using textcheck::Canvas;
using textcheck::InkMap;
using textcheck::kMinDistinctColumns;

namespace {

// Writes a dialog template the way a resource compiler lays it out.
class TemplateWriter {
public:
    void Word(WORD w) { m_bytes.insert(m_bytes.end(), reinterpret_cast<BYTE*>(&w), reinterpret_cast<BYTE*>(&w) + 2); }
    void Dword(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void String(const wchar_t* s)
    {
        for (; *s != L'\0'; ++s)
            Word(static_cast<WORD>(*s));
        Word(0);
    }
    void Align()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    std::size_t Size() const { return m_bytes.size(); }
    // Copied into DWORDs, so the template starts aligned as the system requires.
    std::vector<DWORD> Aligned() const
    {
        std::vector<DWORD> out((m_bytes.size() + 3) / 4, 0);
        std::memcpy(out.data(), m_bytes.data(), m_bytes.size());
        return out;
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

// An extended template with the given font and two controls: a static by class ordinal with
// creation data, and a button by class name.
TemplateWriter ExTemplate(const wchar_t* face, BYTE charSet, std::size_t* itemsAt)
{
    TemplateWriter w;
    w.Word(1);
    w.Word(0xFFFF);
    w.Dword(0);                        // help id
    w.Dword(0);                        // extended style
    w.Dword(DS_SETFONT | WS_POPUP | WS_CAPTION);
    w.Word(2);                         // controls
    for (short v : {0, 0, 120, 40})
        w.Word(static_cast<WORD>(v));
    w.Word(0);                         // no menu
    w.Word(0);                         // standard class
    w.String(L"TaveloPro");
    w.Word(9);                         // points
    w.Word(FW_BOLD);
    w.Word(static_cast<WORD>(TRUE | (charSet << 8)));  // italic, character set
    w.String(face);
    w.Align();
    *itemsAt = w.Size();
    w.Dword(0);                        // help id
    w.Dword(0);
    w.Dword(WS_CHILD | WS_VISIBLE);
    for (short v : {4, 4, 100, 10})
        w.Word(static_cast<WORD>(v));
    w.Dword(1001);
    w.Word(0xFFFF);
    w.Word(0x0082);                    // static
    w.String(L"\x9AD8\x6E05 Latin");
    w.Word(2);                         // two bytes of creation data
    w.Word(0xABCD);
    w.Align();
    w.Dword(0);
    w.Dword(0);
    w.Dword(WS_CHILD | WS_VISIBLE);
    for (short v : {4, 20, 40, 12})
        w.Word(static_cast<WORD>(v));
    w.Dword(IDOK);
    w.String(L"Button");
    w.String(L"OK");
    w.Word(0);
    return w;
}

std::wstring FaceOf(const fx::detail::DialogFontTemplate& t, std::size_t faceAt)
{
    return reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(t.get()) + faceAt);
}

// What a control of a window draws, through WM_PRINTCLIENT on a white canvas.
InkMap Printed(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    Canvas canvas(rc.right, rc.bottom);
    ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    return canvas.Ink();
}

}  // namespace

TEST(DialogFont, ATemplateFontWithoutOneScriptIsExchangedAndTheRestKept)
{
    std::size_t itemsAt = 0;
    const TemplateWriter source = ExTemplate(L"Tavelo No Such Face", ANSI_CHARSET, &itemsAt);
    const std::vector<DWORD> aligned = source.Aligned();
    const fx::detail::DialogFontTemplate fitted(reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()));
    ASSERT_TRUE(fitted.IsRewritten());
    const BYTE* out = reinterpret_cast<const BYTE*>(fitted.get());

    // Header up to the font: title, point size and weight as they were.
    const std::size_t fontAt = 26 + 2 + 2 + (std::wcslen(L"TaveloPro") + 1) * 2;
    EXPECT_EQ(0, std::memcmp(out, source.Bytes().data(), fontAt + 4));
    EXPECT_EQ(out[fontAt + 4], TRUE) << "italic kept";
    EXPECT_EQ(out[fontAt + 5], DEFAULT_CHARSET);
    const std::wstring face = FaceOf(fitted, fontAt + 6);
    EXPECT_NE(face, L"Tavelo No Such Face");

    // The face is one that draws both scripts, at the template's size and weight.
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    EXPECT_TRUE(fx::FontHasGlyphs(hFont, fx::kTextFontSample)) << "face chosen lacks glyphs";
    ::DeleteObject(hFont);

    // The controls follow on the next DWORD boundary, byte for byte.
    std::size_t newItems = fontAt + 6 + (face.size() + 1) * 2;
    newItems = (newItems + 3) & ~static_cast<std::size_t>(3);
    const std::size_t itemBytes = source.Size() - itemsAt;
    EXPECT_EQ(0, std::memcmp(out + newItems, source.Bytes().data() + itemsAt, itemBytes));
}

TEST(DialogFont, TemplatesThatNeedNoOtherFontStayAsTheyAre)
{
    const LOGFONTW good = fx::SystemTextFont(fx::SystemFont::Message);
    std::size_t itemsAt = 0;
    const TemplateWriter source = ExTemplate(good.lfFaceName, good.lfCharSet, &itemsAt);
    const std::vector<DWORD> aligned = source.Aligned();
    const fx::detail::DialogFontTemplate kept(reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()));
    EXPECT_FALSE(kept.IsRewritten());
    EXPECT_EQ(kept.get(), reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()));

    // A plain template without a font of its own: the dialog manager's font is not ours to pick.
    TemplateWriter plain;
    plain.Dword(WS_POPUP);
    plain.Dword(0);
    plain.Word(0);
    for (short v : {0, 0, 50, 20})
        plain.Word(static_cast<WORD>(v));
    plain.Word(0);
    plain.Word(0);
    plain.String(L"");
    const std::vector<DWORD> plainAligned = plain.Aligned();
    const fx::detail::DialogFontTemplate noFont(reinterpret_cast<LPCDLGTEMPLATEW>(plainAligned.data()));
    EXPECT_FALSE(noFont.IsRewritten());
    EXPECT_FALSE(fx::detail::DialogFontTemplate(nullptr).IsRewritten());
}

TEST(DialogFont, APlainTemplateIsJudgedByTheFontTheDialogManagerMakes)
{
    // A plain template has no character set: the dialog manager asks for DEFAULT_CHARSET, which
    // under code page 936 maps an unknown face to a Chinese font and under 1252 to a Western one.
    TemplateWriter w;
    w.Dword(DS_SETFONT | WS_POPUP);
    w.Dword(0);
    w.Word(1);
    for (short v : {0, 0, 50, 20})
        w.Word(static_cast<WORD>(v));
    w.Word(0);
    w.Word(0);
    w.String(L"T");
    const std::size_t faceAt = w.Size() + 2;
    w.Word(9);
    w.String(L"Tavelo No Such Face");
    w.Align();
    const std::size_t itemsAt = w.Size();
    w.Dword(WS_CHILD);
    w.Dword(0);
    for (short v : {1, 2, 3, 4})
        w.Word(static_cast<WORD>(v));
    w.Word(7);
    w.Word(0xFFFF);
    w.Word(0x0080);
    w.String(L"OK");
    w.Word(0);
    const std::vector<DWORD> aligned = w.Aligned();
    const fx::detail::DialogFontTemplate fitted(reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()));

    LOGFONTW asMade{};
    asMade.lfHeight = -12;
    asMade.lfCharSet = DEFAULT_CHARSET;
    wcscpy(asMade.lfFaceName, L"Tavelo No Such Face");
    HFONT hMade = ::CreateFontIndirectW(&asMade);
    const bool madeDrawsBoth = fx::FontHasGlyphs(hMade, fx::kTextFontSample);
    ::DeleteObject(hMade);
    if (madeDrawsBoth) {
        EXPECT_FALSE(fitted.IsRewritten());
        return;
    }
    ASSERT_TRUE(fitted.IsRewritten());
    const std::wstring face = FaceOf(fitted, faceAt);
    EXPECT_NE(face, L"Tavelo No Such Face");
    const BYTE* out = reinterpret_cast<const BYTE*>(fitted.get());
    std::size_t newItems = (faceAt + (face.size() + 1) * 2 + 3) & ~static_cast<std::size_t>(3);
    EXPECT_EQ(0, std::memcmp(out + newItems, w.Bytes().data() + itemsAt, w.Size() - itemsAt));
}

TEST(DialogText, ADialogFromACompiledTemplateDrawsLatinAndChinese)
{
    CDialog dlg(IDD_TEXT);
    ASSERT_TRUE(dlg.Create(IDD_TEXT));
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(dlg.m_hWnd, WM_GETFONT, 0, 0));
    EXPECT_TRUE(fx::FontHasGlyphs(hFont, fx::kTextFontSample));
    const InkMap latin = Printed(::GetDlgItem(dlg.m_hWnd, IDC_LATIN));
    const InkMap chinese = Printed(::GetDlgItem(dlg.m_hWnd, IDC_CHINESE));
    dlg.DestroyWindow();
    EXPECT_GE(latin.DistinctColumns(), kMinDistinctColumns) << "Latin line drawn as boxes or not at all";
    EXPECT_GE(chinese.DistinctColumns(), kMinDistinctColumns) << "Chinese line drawn as boxes or not at all";
}

namespace {

InkMap g_boxText;
bool g_boxSeen = false;

// Prints the text of the message box this thread shows and presses its OK button.
void CALLBACK ReadMessageBox(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            ::GetClassNameW(hWnd, cls, 16);
            if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hWnd))
                return TRUE;
            g_boxText = Printed(::GetDlgItem(hWnd, 0xFFFF));
            g_boxSeen = true;
            ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
            return FALSE;
        },
        0);
}

}  // namespace

TEST(DialogText, AMessageBoxDrawsBothLinesOfItsText)
{
    g_boxSeen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &ReadMessageBox);
    const int answer = AfxMessageBox("通讯失败;错误码\nTavelo COM3 9600", MB_OK | MB_ICONEXCLAMATION);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(IDOK, answer);
    ASSERT_TRUE(g_boxSeen);
    const auto lines = g_boxText.Lines();
    ASSERT_EQ(lines.size(), 2u) << "two lines, neither wrapped nor lost";
    EXPECT_GE(g_boxText.DistinctColumns(lines[0].first, lines[0].second), kMinDistinctColumns)
        << "Chinese line drawn as boxes";
    EXPECT_GE(g_boxText.DistinctColumns(lines[1].first, lines[1].second), kMinDistinctColumns)
        << "Latin line drawn as boxes";
    // Nothing cut off at the right: the text ends before the control does.
    int lastInk = -1;
    for (int x = 0; x < g_boxText.Width(); ++x)
        for (int y = 0; y < g_boxText.Height(); ++y)
            if (g_boxText.At(x, y))
                lastInk = x;
    EXPECT_LT(lastInk, g_boxText.Width() - 1);
}
