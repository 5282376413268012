#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) holds, one "field=value" line each: target (the local
path of its link information), workdir, icon, description. Reads the shell-link binary layout:
header, optional item list, optional link information, then the counted strings."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH = 0x1, 0x2, 0x4, 0x8
HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON_LOCATION, IS_UNICODE = 0x10, 0x20, 0x40, 0x80
HEADER_SIZE = 0x4C


def c_string(data, pos, wide):
    if wide:
        end = pos
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[pos:end].decode("utf-16le")
    end = data.index(b"\0", pos)
    return data[pos:end].decode("mbcs" if sys.platform == "win32" else "gbk", "replace")


def fields(data):
    if struct.unpack_from("<I", data, 0)[0] != HEADER_SIZE:
        raise ValueError("not a shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    pos = HEADER_SIZE
    out = {}
    if flags & HAS_ID_LIST:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    if flags & HAS_LINK_INFO:
        size, header, info_flags, _, base = struct.unpack_from("<5I", data, pos)
        if info_flags & 1:
            if header >= 0x24:
                wide_base = struct.unpack_from("<I", data, pos + 0x1C)[0]
                out["target"] = c_string(data, pos + wide_base, True)
            else:
                out["target"] = c_string(data, pos + base, False)
        pos += size
    wide = bool(flags & IS_UNICODE)
    for flag, name in ((HAS_NAME, "description"), (HAS_RELATIVE_PATH, "relative"),
                       (HAS_WORKING_DIR, "workdir"), (HAS_ARGUMENTS, "arguments"),
                       (HAS_ICON_LOCATION, "icon")):
        if flags & flag:
            count = struct.unpack_from("<H", data, pos)[0]
            pos += 2
            size = count * 2 if wide else count
            raw = data[pos:pos + size]
            text = raw.decode("utf-16le") if wide else raw.decode("gbk", "replace")
            # Some writers count the terminating zero too.
            out[name] = text.rstrip("\0")
            pos += size
    return out


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as f:
        for key, value in fields(f.read()).items():
            print(f"{key}={value}")
