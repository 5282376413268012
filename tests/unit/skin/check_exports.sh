#!/bin/sh
# The two builds of the skin library export the same interface: every name LuLib20.dll exports
# appears in OwLib.dll with the prefix Ow in place of Lu, and nothing else differs. With the
# skin source folder as third argument, every name a folder promises in its exports.txt must be
# among them (in OwLib.dll under its Ow name).
set -eu
lu=$1
ow=$2
src=${3:-}
# Ordinals from 1000 on fill their brackets ("[1000] name"), below they are padded ("[ 999] name").
names() { x86_64-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '$1 ~ /^\[/ {print $NF}' | sort; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ow_names() { sed -e 's/CLu/COw/g; s/ILu/IOw/g; s/LuLibAux/OwLibAux/g; s/_LUDRAW/_OWDRAW/g; s/LUARROW/OWARROW/g; s/LUGRIPPER/OWGRIPPER/g; s/LUBLUR/OWBLUR/g; s/LuCtrlClassProc/OwCtrlClassProc/g; s/LuNewClassProc/OwNewClassProc/g; s/_LuBookData/_OwBookData/g'; }
names "$lu" | ow_names | sort >"$tmp/lu"
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
if [ -n "$src" ]; then
  # A promised name is a demangled function or data name without its parameters.
  filt=$(command -v x86_64-w64-mingw32-c++filt || command -v c++filt)
  cat "$src"/*/exports.txt | sed -e 's/#.*//' -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' | grep -v '^$' | sort -u >"$tmp/promised"
  bare() { "$filt" <"$1" | awk '{ i = index($0, "("); print (i > 0 ? substr($0, 1, i - 1) : $0) }' | sort -u; }
  names "$lu" >"$tmp/lu.raw"
  bare "$tmp/lu.raw" >"$tmp/lu.bare"
  bare "$tmp/ow" >"$tmp/ow.bare"
  ow_names <"$tmp/promised" | sort -u >"$tmp/promised.ow"
  missing=$(comm -23 "$tmp/promised" "$tmp/lu.bare"; comm -23 "$tmp/promised.ow" "$tmp/ow.bare")
  if [ -n "$missing" ]; then
    echo "promised but not exported:"; echo "$missing"; exit 1
  fi
  echo "$(wc -l <"$tmp/promised") promised names exported by both"
fi
echo "$count names, identical apart from the prefix"
