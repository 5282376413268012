#!/usr/bin/env python3
"""Writes the installer's default new-scene file, defaults/insidemode/newmode.tzs: the blank
scene of the default TzView.ini (a wall of one panel, resolution 1080p, four MPD channels) laid
out over the wall view's 640 x 480 drawing area, byte for byte as the program saves it.
Run it after changing the default profile or the scene layout; its output is committed and
tests/unit/packaging checks it against the program's own blank scene."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "defaults", "insidemode", "newmode.tzs")

MAGIC = 0x637A
ROWS, COLUMNS = 1, 1
RESOLUTION = 6          # "1080p": resolution=6 in TzView.ini
MPD_COUNT = 4           # mpdnums=3 in TzView.ini, stored plus one
VIEW_WIDTH, VIEW_HEIGHT = 640, 480
INPUT_NONE = 12
NEW_CLASS = 0xFFFF


def cell(left, top, right, bottom, number):
    """A plain panel cell: rect, flags, isMpd, number, order, input type and number, kind 0,
    and an empty PIP list."""
    return (struct.pack("<4i", left, top, right, bottom) + struct.pack("<i", 0) + struct.pack("<H", 0)
            + struct.pack("<4i", number, number, INPUT_NONE, 0) + struct.pack("<H", 0) + struct.pack("<H", 0))


def scene():
    out = struct.pack("<h", MAGIC) + bytes(200) + struct.pack("<4i", ROWS, COLUMNS, RESOLUTION, MPD_COUNT)
    cells = []
    width, height = VIEW_WIDTH // COLUMNS, VIEW_HEIGHT // ROWS
    for i in range(ROWS):
        for j in range(COLUMNS):
            cells.append((j * width, i * height, j * width + width, i * height + height, len(cells) + 1))
    out += struct.pack("<H", len(cells))
    name = b"CCell"
    for index, c in enumerate(cells):
        # The first cell brings its class (index 1); the others refer to it.
        if index == 0:
            out += struct.pack("<HHH", NEW_CLASS, 0, len(name)) + name
        else:
            out += struct.pack("<H", 0x8000 | 1)
        out += cell(*c)
    return out


if __name__ == "__main__":
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "wb") as f:
        f.write(scene())
