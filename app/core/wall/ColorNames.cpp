#include "app/core/wall/ColorNames.h"

namespace {

const ColorName kColorNames[COLOR_NAME_COUNT] = {
    {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},    {"Grey", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fushcia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(LPCSTR a, LPCSTR b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (foldAscii(*a) != foldAscii(*b))
            return false;
    }
    return *a == *b;
}

}  // namespace

const ColorName* colorNames() { return kColorNames; }

bool colorOfName(LPCSTR name, COLORREF* color)
{
    if (name == nullptr)
        return false;
    for (const ColorName& entry : kColorNames) {
        if (sameName(entry.name, name)) {
            if (color != nullptr)
                *color = entry.color;
            return true;
        }
    }
    return false;
}

LPCSTR nameOfColor(COLORREF color)
{
    for (const ColorName& entry : kColorNames) {
        if (entry.color == color)
            return entry.name;
    }
    return nullptr;
}
