#!/usr/bin/env python3
"""Checks the skin library's export tables against the names it promises.

Every skin/<folder>/exports.txt lists, one per line, the demangled qualified names (without
parameters) that the library promises in their Lu spelling; '#' starts a comment. LuLib20.dll
must export each name. OwLib.dll must export each name in its Ow spelling, which is what
skin/core/LuLibDefs.h renames for the Ow build (CLuTheme -> COwTheme, LuLibAux -> OwLibAux; a
member such as InitLuLib keeps its name), and OwLib.dll must export no name that still holds one
of the Lu names the Ow build renames. Lists are read when the check runs, so a folder's new list
counts at once.

usage: check_exports.py --lu LuLib20.dll --ow OwLib.dll --defs LuLibDefs.h --skin SKIN_DIR
                        [--objdump TOOL] [--cxxfilt TOOL]
"""
import argparse
import glob
import os
import re
import subprocess
import sys

IDENTIFIER = re.compile(r"[A-Za-z_]\w*")


def exported_symbols(objdump, dll):
    """The names in the DLL's export name table."""
    out = subprocess.run([objdump, "-p", dll], check=True, stdout=subprocess.PIPE,
                         universal_newlines=True).stdout
    names, inside = [], False
    for line in out.splitlines():
        if "[Ordinal/Name Pointer] Table" in line:
            inside = True
            continue
        if inside:
            fields = line.split()
            if not fields:
                break
            if fields[0].startswith("[") and len(fields) >= 2:
                names.append(fields[-1])
    return names


def without_parameters(demangled):
    """'A::B(int, C<int>)' -> 'A::B'; a name without a parameter list stays as it is."""
    depth = 0
    for i, c in enumerate(demangled):
        if c == "<":
            depth += 1
        elif c == ">":
            depth -= 1
        elif c == "(" and depth == 0 and not demangled[:i].endswith("operator"):
            return demangled[:i]
    return demangled


def exported_names(objdump, cxxfilt, dll):
    symbols = exported_symbols(objdump, dll)
    demangled = subprocess.run([cxxfilt], input="\n".join(symbols), check=True,
                               stdout=subprocess.PIPE, universal_newlines=True).stdout.splitlines()
    return {without_parameters(name.strip()) for name in demangled}


def ow_renames(defs_path):
    """Identifier -> its Ow spelling, from the #define lines of the Ow build."""
    renames, in_ow = {}, False
    with open(defs_path) as f:
        for line in f:
            line = line.strip()
            if line.startswith("#ifdef LULIB_OW"):
                in_ow = True
            elif line.startswith("#else") or line.startswith("#endif"):
                in_ow = False
            elif in_ow:
                m = re.match(r"#define\s+([A-Za-z_]\w*)\s+([A-Za-z_]\w*)\s*$", line)
                if m:
                    renames[m.group(1)] = m.group(2)
    return renames


def ow_spelling(name, renames):
    return IDENTIFIER.sub(lambda m: renames.get(m.group(0), m.group(0)), name)


def promised_names(skin_dir):
    """(list file, line number, name) for every name of every skin/*/exports.txt."""
    entries = []
    for path in sorted(glob.glob(os.path.join(skin_dir, "*", "exports.txt"))):
        with open(path) as f:
            for number, line in enumerate(f, 1):
                name = line.split("#", 1)[0].strip()
                if name:
                    entries.append((os.path.relpath(path, os.path.dirname(skin_dir)), number, name))
    return entries


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lu", required=True)
    parser.add_argument("--ow", required=True)
    parser.add_argument("--defs", required=True)
    parser.add_argument("--skin", required=True)
    parser.add_argument("--objdump", default="x86_64-w64-mingw32-objdump")
    parser.add_argument("--cxxfilt", default="x86_64-w64-mingw32-c++filt")
    args = parser.parse_args()

    entries = promised_names(args.skin)
    if not entries:
        print("no promised names under %s/*/exports.txt" % args.skin)
        return 1
    renames = ow_renames(args.defs)
    if "LuLibAux" not in renames:
        print("%s names no Ow spellings" % args.defs)
        return 1
    lu = exported_names(args.objdump, args.cxxfilt, args.lu)
    ow = exported_names(args.objdump, args.cxxfilt, args.ow)

    problems = 0
    for where, number, name in entries:
        if "(" in name or " " in name:
            print("%s:%d: '%s' is not a qualified name without parameters" % (where, number, name))
            problems += 1
            continue
        if name not in lu:
            print("%s:%d: LuLib20.dll does not export %s" % (where, number, name))
            problems += 1
        ow_name = ow_spelling(name, renames)
        if ow_name not in ow:
            print("%s:%d: OwLib.dll does not export %s" % (where, number, ow_name))
            problems += 1
        if ow_name in lu and ow_name != name:
            print("%s:%d: LuLib20.dll exports the Ow spelling %s" % (where, number, ow_name))
            problems += 1
    # The Ow build carries none of the Lu names it renames.
    for name in sorted(ow):
        lu_tokens = [t for t in IDENTIFIER.findall(name) if t in renames]
        if lu_tokens:
            print("OwLib.dll exports %s, which keeps the Lu name %s" % (name, lu_tokens[0]))
            problems += 1
    files = len({where for where, _, _ in entries})
    print("%d promised names from %d lists; %d problems" % (len(entries), files, problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
