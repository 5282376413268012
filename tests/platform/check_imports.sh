#!/usr/bin/env bash
# Every Windows program and DLL we build must run from a folder holding only our own files:
# no MinGW runtime DLL (C++ runtime, libgcc, winpthreads) may appear among its imports.
set -u
bin=$1
status=0
count=0
for file in "$bin"/*.exe "$bin"/*.dll; do
  [ -e "$file" ] || continue
  count=$((count + 1))
  imports=$(x86_64-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/ {print $3}')
  bad=$(grep -iE '^(libstdc\+\+|libgcc|libwinpthread|libssp|libgomp)' <<<"$imports")
  if [ -n "$bad" ]; then
    echo "$(basename "$file") imports MinGW runtime: $bad"
    status=1
  fi
done
echo "checked $count binaries"
[ "$count" -gt 0 ] || status=1
exit $status
