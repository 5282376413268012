#!/usr/bin/env python3
"""Checks the version resources and manifests of built Windows binaries, read back from the files
themselves through windres (resources as a .res stream):

  check_resources.py VERSION [--icon ICO] [--file F]... [--program F]... [--installer F]...

--file      the version resource: fixed and text versions equal VERSION (four numbers, the last 0),
            product "TaveloPro", the file's own name, file type program or DLL by extension
--program   the same, plus the program's manifest: asInvoker without UI access, DPI-unaware with
            GDI scaling, the assembly version equal to VERSION
--installer the version resource, plus a manifest that asks for no elevation
--icon      the program's icon file: every --program and --installer after it must carry its
            images
Prints one line per fault and exits 1 when there is any."""
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

WINDRES = "x86_64-w64-mingw32-windres"
RT_ICON, RT_VERSION, RT_MANIFEST = 3, 16, 24
VFT_APP, VFT_DLL = 1, 2
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
SETTINGS = {
    "dpiAware": "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware",
    "dpiAwareness": "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness",
    "gdiScaling": "{http://schemas.microsoft.com/SMI/2017/WindowsSettings}gdiScaling",
}


def align4(n):
    return (n + 3) & ~3


def read_id(data, pos):
    """A resource type or name: 0xFFFF then a number, or a zero-terminated UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16le"), end + 2


def resources(path):
    """(type, name, data) of every resource in a PE file."""
    with tempfile.TemporaryDirectory() as tmp:
        res = os.path.join(tmp, "out.res")
        # windres refuses a file without any resource at all.
        if subprocess.run([WINDRES, "-J", "coff", "-i", path, "-O", "res", "-o", res],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
            return []
        with open(res, "rb") as f:
            data = f.read()
    out = []
    pos = 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        kind, p = read_id(data, pos + 8)
        name, p = read_id(data, p)
        if size:
            out.append((kind, name, data[pos + header:pos + header + size]))
        pos = align4(pos + header + size)
    return out


def read_wstr(buf, pos):
    end = pos
    while end + 1 < len(buf) and (buf[end] or buf[end + 1]):
        end += 2
    return buf[pos:end].decode("utf-16le"), end + 2


def version_node(buf, off):
    """One node of a VS_VERSIONINFO tree: (key, value, children), end offset."""
    length, value_length, value_type = struct.unpack_from("<HHH", buf, off)
    end = off + length
    key, p = read_wstr(buf, off + 6)
    p = align4(p)
    if value_type == 1:
        value = buf[p:min(p + value_length * 2, end)].decode("utf-16le").split("\0")[0]
        p += value_length * 2
    else:
        value = buf[p:p + value_length]
        p += value_length
    children = []
    p = align4(p)
    while p < end:
        child, child_end = version_node(buf, p)
        children.append(child)
        p = align4(child_end)
    return (key, value, children), end


def version_info(data):
    """Fixed versions, file type and the strings of every string table."""
    (key, fixed, children), _ = version_node(data, 0)
    sig, _, fms, fls, pms, pls, _, _, _, ftype = struct.unpack_from("<10I", fixed)
    if key != "VS_VERSION_INFO" or sig != 0xFEEF04BD:
        raise ValueError("not a version resource")
    numbers = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    strings = {}
    for child_key, _, tables in children:
        if child_key == "StringFileInfo":
            for _, _, entries in tables:
                for name, value, _ in entries:
                    strings[name] = value
    return numbers(fms, fls), numbers(pms, pls), ftype, strings


def check_version(path, version, faults):
    found = [data for kind, _, data in resources(path) if kind == RT_VERSION]
    if len(found) != 1:
        faults.append(f"{path}: {len(found)} version resources")
        return
    file_numbers, product_numbers, ftype, strings = version_info(found[0])
    expected = tuple(int(n) for n in version.split(".")) + (0,)
    name = os.path.basename(path)
    if file_numbers != expected or product_numbers != expected:
        faults.append(f"{name}: versions {file_numbers} / {product_numbers}, expected {expected}")
    want = {"ProductName": "TaveloPro", "FileVersion": version, "ProductVersion": version,
            "OriginalFilename": name}
    for key, value in want.items():
        if strings.get(key, "").lower() != value.lower():
            faults.append(f"{name}: {key} is {strings.get(key)!r}, expected {value!r}")
    expected_type = VFT_DLL if name.lower().endswith(".dll") else VFT_APP
    if ftype != expected_type:
        faults.append(f"{name}: file type {ftype}, expected {expected_type}")


def manifest(path):
    found = [data for kind, name, data in resources(path) if kind == RT_MANIFEST and name == 1]
    return ET.fromstring(found[0]) if len(found) == 1 else None


def execution_level(root):
    node = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                     f"{ASM_V3}requestedExecutionLevel")
    return None if node is None else (node.get("level"), node.get("uiAccess", "false"))


def check_program_manifest(path, version, faults):
    name = os.path.basename(path)
    root = manifest(path)
    if root is None:
        faults.append(f"{name}: no application manifest")
        return
    identity = root.find(f"{ASM_V1}assemblyIdentity")
    if identity is None or identity.get("version") != version + ".0":
        faults.append(f"{name}: manifest assembly version is not {version}.0")
    if execution_level(root) != ("asInvoker", "false"):
        faults.append(f"{name}: execution level {execution_level(root)}, expected asInvoker")
    settings = root.find(f"{ASM_V3}application/{ASM_V3}windowsSettings")
    want = {"dpiAware": "false", "dpiAwareness": "unaware", "gdiScaling": "true"}
    for key, value in want.items():
        node = None if settings is None else settings.find(SETTINGS[key])
        got = None if node is None else (node.text or "").strip()
        if got != value:
            faults.append(f"{name}: {key} is {got!r}, expected {value!r}")


def check_installer_manifest(path, faults):
    root = manifest(path)
    level = None if root is None else execution_level(root)
    if level is None or level[0] != "asInvoker":
        faults.append(f"{os.path.basename(path)}: installer execution level {level}, expected asInvoker")


def icon_images(path):
    """The images of an .ico file (directory entries give size and offset of each)."""
    with open(path, "rb") as f:
        data = f.read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind != 1:
        raise ValueError(f"{path} is not an icon")
    images = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        images.append(data[offset:offset + size])
    return images


def check_icon(path, images, faults):
    carried = [data for kind, _, data in resources(path) if kind == RT_ICON]
    if not images or any(image not in carried for image in images):
        faults.append(f"{os.path.basename(path)}: does not carry the program's icon")


def main(argv):
    version = argv[1]
    faults = []
    args = argv[2:]
    icon = None
    checked = 0
    if not args:
        faults.append("no files given")
    for option, path in zip(args[0::2], args[1::2]):
        if not os.path.isfile(path):
            faults.append(f"{path}: missing")
            continue
        if option == "--icon":
            icon = icon_images(path)
            continue
        checked += 1
        check_version(path, version, faults)
        if option == "--program":
            check_program_manifest(path, version, faults)
        elif option == "--installer":
            check_installer_manifest(path, faults)
        elif option != "--file":
            faults.append(f"unknown option {option}")
        if icon is not None and option in ("--program", "--installer"):
            check_icon(path, icon, faults)
    for fault in faults:
        print(fault)
    print(f"checked {checked} files, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
