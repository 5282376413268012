// Telling drawn text from empty boxes by its pixels. Dark text on a light background becomes a
// map of ink; a line of real glyphs has many different columns of ink (strokes cross a column
// at different heights from letter to letter), while a row of the empty boxes a font without
// those glyphs draws has only a few (the box's sides, its top and bottom, nothing), and nothing
// drawn has none. The dots of "..." are small blobs sitting on the line's bottom, where boxes
// would be as tall as letters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace textcheck {

// Fewer different ink columns than this in a line of several characters means boxes or nothing.
const int kMinDistinctColumns = 7;

class InkMap {
public:
    InkMap() = default;
    // From 32-bit pixels (0x00RRGGBB, rows of `stride` pixels, top-down), the part in `area`.
    InkMap(const std::uint32_t* pixels, int stride, const RECT& area)
        : m_width(area.right - area.left), m_height(area.bottom - area.top)
    {
        m_ink.resize(static_cast<std::size_t>(m_width) * m_height);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const std::uint32_t p = pixels[(area.top + y) * stride + area.left + x];
                const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                m_ink[static_cast<std::size_t>(y) * m_width + x] = (r * 30 + g * 59 + b * 11) / 100 < 110;
            }
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool At(int x, int y) const { return m_ink[static_cast<std::size_t>(y) * m_width + x]; }

    int Count() const
    {
        int n = 0;
        for (bool b : m_ink)
            n += b;
        return n;
    }

    // Bands of rows with ink, separated by rows without: the lines of a text.
    std::vector<std::pair<int, int>> Lines() const
    {
        std::vector<std::pair<int, int>> lines;
        int start = -1;
        for (int y = 0; y <= m_height; ++y) {
            bool any = false;
            for (int x = 0; y < m_height && x < m_width && !any; ++x)
                any = At(x, y);
            if (any && start < 0)
                start = y;
            if (!any && start >= 0) {
                lines.emplace_back(start, y);
                start = -1;
            }
        }
        return lines;
    }

    // Different non-empty columns of ink between rows top and bottom.
    int DistinctColumns(int top, int bottom) const
    {
        std::set<std::string> columns;
        for (int x = 0; x < m_width; ++x) {
            std::string column;
            bool any = false;
            for (int y = top; y < bottom; ++y) {
                column += At(x, y) ? '#' : '.';
                any = any || At(x, y);
            }
            if (any)
                columns.insert(column);
        }
        return static_cast<int>(columns.size());
    }
    int DistinctColumns() const { return DistinctColumns(0, m_height); }

    // Runs of columns with ink, left to right, each with the rows its ink spans.
    struct Blob {
        int left, right, top, bottom;
    };
    std::vector<Blob> Blobs() const
    {
        std::vector<Blob> blobs;
        int start = -1;
        for (int x = 0; x <= m_width; ++x) {
            int top = m_height, bottom = -1;
            for (int y = 0; x < m_width && y < m_height; ++y)
                if (At(x, y)) {
                    top = y < top ? y : top;
                    bottom = y + 1;
                }
            if (bottom > 0 && start < 0) {
                start = x;
                blobs.push_back({x, x + 1, top, bottom});
            } else if (bottom > 0) {
                Blob& b = blobs.back();
                b.right = x + 1;
                b.top = top < b.top ? top : b.top;
                b.bottom = bottom > b.bottom ? bottom : b.bottom;
            } else {
                start = -1;
            }
        }
        return blobs;
    }

    // The columns from `from` up to `to`.
    InkMap Columns(int from, int to) const
    {
        InkMap part;
        part.m_width = to - from;
        part.m_height = m_height;
        for (int y = 0; y < m_height; ++y)
            for (int x = from; x < to; ++x)
                part.m_ink.push_back(At(x, y));
        return part;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<bool> m_ink;
};

// The line's last three blobs are the dots of "...": each at most 3 pixels wide and tall,
// within the lower part of the line (boxes would reach up to the letters' height).
inline bool EndsInDots(const InkMap& ink, std::string* why)
{
    const std::vector<InkMap::Blob> blobs = ink.Blobs();
    if (blobs.size() < 4) {
        *why = "fewer than four blobs of ink";
        return false;
    }
    int textTop = ink.Height();
    for (const InkMap::Blob& b : blobs)
        textTop = b.top < textTop ? b.top : textTop;
    for (std::size_t i = blobs.size() - 3; i < blobs.size(); ++i) {
        const InkMap::Blob& b = blobs[i];
        if (b.right - b.left > 3 || b.bottom - b.top > 3) {
            *why = "a blob at the end is " + std::to_string(b.right - b.left) + "x" +
                   std::to_string(b.bottom - b.top) + ", no dot";
            return false;
        }
        if (b.top - textTop < 4) {
            *why = "a blob at the end sits at the top of the text, no dot";
            return false;
        }
    }
    return true;
}

// A 32-bit top-down DIB section with a memory DC, white, for drawing text into.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height), m_dc(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = width;
        bmi.bmiHeader.biHeight = -height;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<std::uint32_t*>(bits);
        m_old = ::SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, width, height};
        ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    InkMap Ink() const
    {
        ::GdiFlush();
        return InkMap(m_bits, m_width, RECT{0, 0, m_width, m_height});
    }

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
};

}  // namespace textcheck
