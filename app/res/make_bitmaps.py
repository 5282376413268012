#!/usr/bin/env python3
"""Draws the program's own bitmaps and icon (app/res/bitmaps/). Run it after changing a picture;
the outputs are committed so a build needs no Python.

Everything is drawn from simple shapes in the program's default blue scheme, so the pictures
stay small and belong to us."""
import os
import struct
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "bitmaps")
MAGENTA = (255, 0, 255)


class Canvas:
    def __init__(self, w, h, fill=(255, 255, 255)):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1):
            self.set(x, y0, c)
            self.set(x, y1 - 1, c)
        for y in range(y0, y1):
            self.set(x0, y, c)
            self.set(x1 - 1, y, c)

    def vgradient(self, x0, y0, x1, y1, a, b):
        n = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            t = (y - y0) / n
            c = tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))
            self.rect(x0, y, x1, y + 1, c)

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def bmp(self):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + bytes(data)

    def ico(self):
        # One 32-bit image with an all-visible AND mask.
        xor = bytearray()
        for y in range(self.h - 1, -1, -1):
            for (r, g, b) in self.px[y]:
                xor += bytes((b, g, r, 255))
        mask_row = ((self.w + 31) // 32) * 4
        mask = b"\0" * (mask_row * self.h)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        image = info + bytes(xor) + mask
        head = struct.pack("<HHH", 0, 1, 1)
        entry = struct.pack("<BBBBHHII", self.w, self.h, 0, 0, 1, 32, len(image), 22)
        return head + entry + image


BLUE = (0x00, 0x64, 0x8D)        # scheme colour 0 (0x8D6400 as COLORREF)
LIGHT = (0x61, 0xAE, 0xCD)       # scheme colour 1 (0xCDAE61)
PALE = (0xD8, 0xD8, 0xE2)
WHITE = (255, 255, 255)
DARK = (40, 40, 40)


def wall_glyph(c, x0, y0, size, cols, rows, fill, line):
    """A little video wall: cols x rows panels."""
    c.rect(x0, y0, x0 + size, y0 + size, line)
    cw, ch = (size - 2) // cols, (size - 2) // rows
    for i in range(cols):
        for j in range(rows):
            c.rect(x0 + 2 + i * cw, y0 + 2 + j * ch, x0 + (i + 1) * cw, y0 + (j + 1) * ch, fill)


def tab_strip(glyphs):
    """A strip of 32 x 32 toolbar images on magenta, one per command."""
    c = Canvas(32 * len(glyphs), 32, MAGENTA)
    for i, g in enumerate(glyphs):
        g(c, i * 32)
    return c


def g_new(c, x):
    c.rect(x + 6, 4, x + 24, 28, WHITE)
    c.frame(x + 6, 4, x + 24, 28, BLUE)
    c.rect(x + 18, 4, x + 24, 10, LIGHT)


def g_save(c, x):
    c.rect(x + 4, 4, x + 28, 28, BLUE)
    c.rect(x + 9, 4, x + 23, 13, WHITE)
    c.rect(x + 9, 18, x + 23, 28, PALE)


def g_load(c, x):
    c.rect(x + 3, 10, x + 29, 27, (230, 180, 60))
    c.rect(x + 3, 6, x + 13, 10, (230, 180, 60))
    c.rect(x + 6, 14, x + 29, 27, (250, 210, 100))


def g_exit(c, x):
    c.rect(x + 6, 4, x + 20, 28, BLUE)
    c.rect(x + 18, 14, x + 30, 18, (200, 40, 40))


def g_power(color):
    def draw(c, x):
        c.disc(x + 16, 16, 12, color)
        c.disc(x + 16, 16, 8, WHITE)
        c.rect(x + 14, 2, x + 18, 16, color)
    return draw


def g_settings(c, x):
    c.disc(x + 16, 16, 12, (110, 110, 110))
    c.disc(x + 16, 16, 5, MAGENTA)


def g_comm(c, x):
    c.rect(x + 4, 10, x + 28, 22, BLUE)
    for i in range(5):
        c.disc(x + 8 + i * 4, 16, 1, WHITE)


def g_factory(c, x):
    c.rect(x + 4, 14, x + 28, 28, (110, 110, 110))
    c.rect(x + 8, 4, x + 14, 14, (110, 110, 110))


def g_matrix(c, x):
    for i in range(3):
        c.rect(x + 4, 6 + i * 9, x + 28, 8 + i * 9, BLUE)
        c.rect(x + 6 + i * 9, 4, x + 8 + i * 9, 28, LIGHT)


def g_about(c, x):
    c.disc(x + 16, 16, 13, BLUE)
    c.rect(x + 14, 13, x + 18, 26, WHITE)
    c.rect(x + 14, 7, x + 18, 10, WHITE)


def banner():
    """Login banner: the title band with a small wall."""
    c = Canvas(300, 56)
    c.vgradient(0, 0, 300, 56, LIGHT, (0xF8, 0xE2, 0x8E)[::-1])
    wall_glyph(c, 14, 8, 40, 3, 3, WHITE, BLUE)
    c.rect(70, 22, 280, 26, WHITE)
    c.rect(70, 32, 220, 34, WHITE)
    return c


def logo():
    """Control view logo, 192 x 144."""
    c = Canvas(192, 144, (0xD8, 0xD8, 0xE2))
    c.vgradient(8, 8, 184, 136, WHITE, PALE)
    c.frame(8, 8, 184, 136, BLUE)
    wall_glyph(c, 46, 22, 100, 4, 4, LIGHT, BLUE)
    c.rect(46, 126, 146, 130, BLUE)
    return c


def slide_background():
    c = Canvas(64, 64)
    c.vgradient(0, 0, 64, 64, (0xD8, 0xD8, 0xE2), (0xF6, 0xF1, 0xEA))
    return c


def slide_overlay():
    c = Canvas(64, 64, MAGENTA)
    c.frame(0, 0, 64, 64, BLUE)
    return c


def icon():
    c = Canvas(32, 32, BLUE)
    wall_glyph(c, 3, 3, 26, 3, 3, LIGHT, WHITE)
    return c


def main():
    os.makedirs(OUT, exist_ok=True)
    files = {
        "LoginBanner.bmp": banner(),
        "Logo.bmp": logo(),
        "RibbonScene.bmp": tab_strip([g_new, g_save, g_load, g_exit]),
        "RibbonControl.bmp": tab_strip([g_power((40, 160, 40)), g_power((200, 40, 40)), g_settings,
                                        g_comm, g_factory, g_matrix]),
        "RibbonAbout.bmp": tab_strip([g_about]),
        "SlideBack.bmp": slide_background(),
        "SlideFrame.bmp": slide_overlay(),
    }
    for name, canvas in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(canvas.bmp())
    with open(os.path.join(OUT, "TaveloPro.ico"), "wb") as f:
        f.write(icon().ico())
    return 0


if __name__ == "__main__":
    sys.exit(main())
