// The skin gallery's text: the program renders its window into a bitmap, and the Latin labels of
// its cells, the Chinese of the themed elements (theme font and bold theme font) and the "..."
// of its shortened string are real glyphs, not empty boxes. The cells are found where the
// gallery lays them out (eight to a row, 88 by 80 pixels apart, label on top).
#include "GlyphInk.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using textcheck::InkMap;
using textcheck::kMinDistinctColumns;

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    InkMap Ink(const RECT& rc) const { return InkMap(pixels.data(), width, rc); }
};

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// Runs skin_gallery --save into `file`; its exit code, or -1 when it did not end in time.
int RunGallery(const std::wstring& file)
{
    std::wstring command = L"\"" + ProgramFolder() + L"skin_gallery.exe\" --save \"" + file + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

// A 32-bit top-down bitmap file as the gallery writes it.
bool ReadPicture(const std::wstring& file, Picture* picture)
{
    FILE* f = _wfopen(file.c_str(), L"rb");
    if (f == nullptr)
        return false;
    BITMAPFILEHEADER bfh{};
    BITMAPINFOHEADER bih{};
    bool ok = std::fread(&bfh, sizeof(bfh), 1, f) == 1 && std::fread(&bih, sizeof(bih), 1, f) == 1 &&
              bfh.bfType == 0x4D42 && bih.biBitCount == 32 && bih.biHeight < 0 && bih.biWidth > 0;
    if (ok) {
        picture->width = bih.biWidth;
        picture->height = -bih.biHeight;
        picture->pixels.resize(static_cast<std::size_t>(picture->width) * picture->height);
        ok = std::fseek(f, static_cast<long>(bfh.bfOffBits), SEEK_SET) == 0 &&
             std::fread(picture->pixels.data(), 4, picture->pixels.size(), f) == picture->pixels.size();
    }
    std::fclose(f);
    return ok;
}

// Cell n of the gallery's grid; its label band and the sample below it.
RECT Cell(int n)
{
    const int left = 10 + (n % 8) * 88, top = 10 + (n / 8) * 80;
    return RECT{left, top, left + 80, top + 72};
}
RECT Label(int n)
{
    const RECT c = Cell(n);
    return RECT{c.left, c.top, c.right, c.top + 16};
}
RECT Sample(int n)
{
    const RECT c = Cell(n);
    return RECT{c.left, c.top + 18, c.right, c.bottom};
}
// The text rectangle the gallery gives a themed element.
RECT ElementText(int n)
{
    const RECT s = Sample(n);
    return RECT{s.left + 10, s.top + 12, s.right - 10, s.bottom - 12};
}

// Cells of the gallery used here.
const int kGradientFillCell = 0;
const int kShortStringCell = 15;
const int kComboArrowCell = 25;
const int kCaptionCell = 28;
const int kTextCell = 37;

class GalleryText : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        wchar_t folder[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, folder);
        const std::wstring file = std::wstring(folder) + L"\\skin_gallery_text.bmp";
        ::DeleteFileW(file.c_str());
        s_exitCode = RunGallery(file);
        s_read = ReadPicture(file, &s_picture);
    }
    void SetUp() override
    {
        ASSERT_EQ(s_exitCode, 0) << "skin_gallery --save failed";
        ASSERT_TRUE(s_read) << "no 32-bit bitmap from the gallery";
        ASSERT_GE(s_picture.width, 720);
        ASSERT_GE(s_picture.height, 420);
    }
    static Picture s_picture;
    static int s_exitCode;
    static bool s_read;
};

Picture GalleryText::s_picture;
int GalleryText::s_exitCode = -1;
bool GalleryText::s_read = false;

}  // namespace

TEST_F(GalleryText, LatinLabelsAreGlyphs)
{
    for (int cell : {kGradientFillCell, kShortStringCell, kComboArrowCell})
        EXPECT_GE(s_picture.Ink(Label(cell)).DistinctColumns(), kMinDistinctColumns)
            << "label of cell " << cell << " drawn as boxes or not at all";
}

TEST_F(GalleryText, ChineseOfThemedElementsIsGlyphsInBothThemeFonts)
{
    EXPECT_GE(s_picture.Ink(ElementText(kTextCell)).DistinctColumns(), kMinDistinctColumns)
        << "theme font: Chinese drawn as boxes or not at all";
    EXPECT_GE(s_picture.Ink(ElementText(kCaptionCell)).DistinctColumns(), kMinDistinctColumns)
        << "bold theme font: Chinese drawn as boxes or not at all";
}

TEST_F(GalleryText, ShortenedStringEndsInDotsAfterChineseGlyphs)
{
    const RECT s = Sample(kShortStringCell);
    const InkMap ink = s_picture.Ink(RECT{s.left + 1, s.top + 1, s.right - 1, s.bottom - 1});
    std::string why;
    EXPECT_TRUE(textcheck::EndsInDots(ink, &why)) << why;
    const auto blobs = ink.Blobs();
    ASSERT_GE(blobs.size(), 4u);
    const InkMap before = ink.Columns(0, blobs[blobs.size() - 3].left);
    EXPECT_GE(before.DistinctColumns(), kMinDistinctColumns) << "Chinese before the dots drawn as boxes";
}
