#include "app/core/wall/ColorNames.h"

#include <cctype>

namespace {

const NamedColor kColors[kNamedColorCount] = {
    {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},    {"Grey", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fushcia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};

bool sameName(LPCSTR a, LPCSTR b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

}  // namespace

const NamedColor* namedColors() { return kColors; }

BOOL colorByName(LPCSTR name, COLORREF* color)
{
    if (name == nullptr)
        return FALSE;
    for (const NamedColor& entry : kColors) {
        if (sameName(entry.name, name)) {
            *color = entry.color;
            return TRUE;
        }
    }
    return FALSE;
}

LPCSTR nameOfColor(COLORREF color)
{
    for (const NamedColor& entry : kColors)
        if (entry.color == color)
            return entry.name;
    return nullptr;
}
