#!/bin/sh
# The two builds of the skin library export the same interface: every name LuLib20.dll exports
# appears in OwLib.dll with the prefix Ow in place of Lu, and nothing else differs.
set -eu
lu=$1
ow=$2
# Entries read "[ 998] name" or "[1023] name": the name is the last field either way.
names() { x86_64-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '$1 ~ /^\[/ {print $NF}' | sort; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
names "$lu" | sed -e 's/CLu/COw/g; s/ILu/IOw/g; s/LuLibAux/OwLibAux/g; s/_LUDRAW/_OWDRAW/g; s/LUARROW/OWARROW/g; s/LUGRIPPER/OWGRIPPER/g; s/LUBLUR/OWBLUR/g; s/LUTBBUTTON/OWTBBUTTON/g; s/_LuBookData/_OwBookData/g; s/LuCtrlClassProc/OwCtrlClassProc/g; s/LuNewClassProc/OwNewClassProc/g' | sort >"$tmp/lu"
names "$ow" >"$tmp/ow"
count=$(wc -l <"$tmp/lu")
lucount=$(grep -c 'CLu\|LuLibAux' "$tmp/lu" || true)
if [ "$count" -lt 100 ] || grep -q 'CLu\|LuLibAux' "$tmp/ow"; then
  echo "unexpected export tables ($count names)"; exit 1
fi
if ! diff "$tmp/lu" "$tmp/ow"; then
  echo "export tables differ"; exit 1
fi
for name in _ZN8OwLibAux9InitLuLibEP11HINSTANCE__PFiiE _ZN8OwLibAux10DestoryWndEP4CWndi _ZN10COwPainter12GradientFillER3CDCRK5CRectmmi; do
  grep -qx "$name" "$tmp/ow" || { echo "missing $name"; exit 1; }
done
echo "$count names, identical apart from the prefix"
