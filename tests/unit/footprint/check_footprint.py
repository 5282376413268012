#!/usr/bin/env python3
"""What the shipped modules cost every process that loads them, read from their files.

check_footprint.py MODULE...: for each PE file, fails when it imports a system library that the
program loads only on demand (comdlg32: it brings the print spooler and its libraries, about
6 MB of working set under Wine), or when DWARF sections lie inside the mapped image (the loader
maps them with the code). Prints one line per finding and exits 1 when there is any.
"""
import struct
import sys

ON_DEMAND = {"comdlg32.dll"}


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise ValueError("not an MZ file")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        coff = pe + 4
        (_, self.nsections, _, self.symtab, self.nsymbols, optsize, _) = struct.unpack_from(
            "<HHIIIHH", self.data, coff)
        opt = coff + 20
        magic = struct.unpack_from("<H", self.data, opt)[0]
        if magic != 0x20B:
            raise ValueError("not a 64-bit image")
        self.size_of_image = struct.unpack_from("<I", self.data, opt + 56)[0]
        self.import_rva = struct.unpack_from("<I", self.data, opt + 112 + 8)[0]
        self.sections = []
        first = opt + optsize
        for i in range(self.nsections):
            raw = self.data[first + 40 * i:first + 40 * (i + 1)]
            name = raw[:8].rstrip(b"\0").decode("latin-1")
            vsize, vaddr, rawsize, rawptr = struct.unpack_from("<IIII", raw, 8)
            self.sections.append((self.long_name(name), vaddr, vsize, rawptr, rawsize))

    def long_name(self, name):
        # Names past eight characters live in the string table after the symbols ("/4").
        if not name.startswith("/") or self.symtab == 0:
            return name
        strings = self.symtab + 18 * self.nsymbols
        start = strings + int(name[1:])
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def offset(self, rva):
        for _, vaddr, vsize, rawptr, rawsize in self.sections:
            if vaddr <= rva < vaddr + max(vsize, rawsize):
                return rawptr + rva - vaddr
        raise ValueError("address 0x%x is in no section" % rva)

    def imports(self):
        names = []
        if self.import_rva == 0:
            return names
        at = self.offset(self.import_rva)
        while True:
            desc = struct.unpack_from("<IIIII", self.data, at)
            if desc == (0, 0, 0, 0, 0):
                return names
            start = self.offset(desc[3])
            names.append(self.data[start:self.data.index(b"\0", start)].decode("latin-1"))
            at += 20

    def mapped_debug_sections(self):
        return [(name, vsize) for name, vaddr, vsize, _, _ in self.sections
                if name.startswith(".debug") and vaddr < self.size_of_image]


def check(path):
    findings = []
    pe = PeFile(path)
    for name in pe.imports():
        if name.lower() in ON_DEMAND:
            findings.append("%s imports %s, which is loaded on demand" % (path, name))
    for name, size in pe.mapped_debug_sections():
        findings.append("%s maps %s (%d bytes) into its image" % (path, name, size))
    return findings


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip())
        return 2
    findings = []
    for path in argv[1:]:
        try:
            findings += check(path)
        except (OSError, ValueError) as e:
            findings.append("%s: %s" % (path, e))
    for line in findings:
        print(line)
    if not findings:
        print("%d modules: no on-demand library imported, no debug sections mapped" % (len(argv) - 1))
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
