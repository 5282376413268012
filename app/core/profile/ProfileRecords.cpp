#include "app/core/profile/ProfileRecords.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Decimal-prefix conversion: leading white space and a sign, then digits until the first
// non-digit; no digits give 0. Values beyond int are held at its limits.
int decimalPrefix(const char* text)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (value > 2147483647L)
        return 2147483647;
    if (value < -2147483647L - 1)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

// Position of the first 'x' or 'X' that is a character of its own, or -1.
int findTimes(const CString& text)
{
    return text.FindOneOf("xX");
}

}  // namespace

void copyConfiguredToWorking(const SystemConfig& configured, SystemConfig& working)
{
    const int commonInputs = working.commonInputs;
    const int subSource = working.subSource;
    working = configured;
    working.commonInputs = commonInputs;
    working.subSource = subSource;
}

int listedMatrixInputs(int count)
{
    if (count < 0)
        return 0;
    return count > kMatrixInputs ? kMatrixInputs : count;
}

void parseCells(LPCSTR text, int* rows, int* columns)
{
    CString value(text ? text : "");
    value.TrimLeft(' ');
    value.TrimRight(' ');
    const int times = findTimes(value);
    if (times < 0) {
        *rows = 1;
        *columns = 1;
        return;
    }
    int parts[2] = {decimalPrefix(value.Left(times)), decimalPrefix(value.Mid(times + 1))};
    for (int& part : parts) {
        if (part <= 0)
            part = 1;
        else if (part > 128)
            part = 128;
    }
    *rows = parts[0];
    *columns = parts[1];
}

MpdSubGrid parseSubGrid(LPCSTR text)
{
    const CString value(text ? text : "");
    const int times = findTimes(value);
    MpdSubGrid grid;
    if (times < 0)
        return grid;
    grid.rows = decimalPrefix(value.Left(times));
    grid.columns = decimalPrefix(value.Mid(times + 1));
    if (grid.rows <= 0 || grid.columns <= 0)
        grid.rows = grid.columns = 0;
    else if (grid.rows > 128 || grid.columns > 128)
        grid.rows = grid.columns = 128;
    return grid;
}

CString resolutionText(int index)
{
    static const char* const kNames[] = {"1024x768", "1280x1024", "1366x768", "1280x768",
                                         "720P",     "1080i",     "1080p"};
    if (index < 0 || index >= static_cast<int>(sizeof(kNames) / sizeof(kNames[0])))
        return CString("配置错误");
    return CString(kNames[index]);
}

void mpdPixelSizeFor(int index, int* width, int* height)
{
    static const int kSizes[][2] = {{1024, 768}, {1280, 1024}, {1366, 768}, {1280, 768},
                                    {1280, 720}, {1920, 1080}, {1920, 1080}, {1728, 972}};
    if (index < 0 || index >= static_cast<int>(sizeof(kSizes) / sizeof(kSizes[0]))) {
        *width = 48;
        *height = 48;
        return;
    }
    *width = kSizes[index][0];
    *height = kSizes[index][1];
}

std::size_t gbkFitLength(const char* text, std::size_t maxBytes)
{
    std::size_t i = 0;
    while (text[i] != '\0') {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        const std::size_t n = CString::IsLeadByte(b) && text[i + 1] != '\0' ? 2 : 1;
        if (i + n > maxBytes)
            break;
        i += n;
    }
    return i;
}

void copyGbkCut(char* slot, std::size_t slotSize, const char* text)
{
    if (slotSize == 0)
        return;
    const std::size_t n = gbkFitLength(text, slotSize - 1);
    std::memcpy(slot, text, n);
    slot[n] = '\0';
}
