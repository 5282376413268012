#!/usr/bin/env bash
# A modal dialog over the shown skinned frame, as the screen shows it:
#   modal_screen_test.sh ROOT BIN PREFIX WORK ARTIFACTS MODE
# ROOT the tree, BIN the built binaries, PREFIX the Wine prefix, WORK a scratch folder (emptied),
# ARTIFACTS where the screenshot is kept, MODE "managed" (Wine's X11 "Managed" = Y: windows
# handed to a window manager) or "unmanaged" ("Managed" = N, as the prefix runs every program). modal_screen_probe opens the dialog and
# says when it is on the screen; the screen is photographed with the scripts' own helper and
# handed back to the probe, which compares it with what the dialog paints.
set -u
ROOT=$1 BIN=$2 PREFIX=$3 WORK=$4 ARTIFACTS=$5 MODE=$6
. "$ROOT/scripts/lib/wine.sh"
. "$ROOT/scripts/lib/xvfb.sh"
[ -n "${DISPLAY:-}" ] || { echo "modal_screen_test: no display"; exit 1; }
wine_env "$PREFIX"
rm -rf "$WORK"; mkdir -p "$WORK" "$ARTIFACTS"
# The probe under a name of its own per mode: Wine reads "Managed" per program name, so the
# setting reaches no other program of the prefix.
EXE=modal_screen_probe_$MODE.exe
cp "$BIN/modal_screen_probe.exe" "$WORK/$EXE"
cp "$BIN/LuLib20.dll" "$WORK/"
KEY="HKCU\\Software\\Wine\\AppDefaults\\$EXE\\X11 Driver"
# Set both ways: the prefix itself says "N" (scripts/lib/wine.sh), so "managed" must say "Y".
if [ "$MODE" = unmanaged ]; then
  "$WINE_BIN" reg add "$KEY" /v Managed /d N /f >"$WORK/reg.out" 2>&1
else
  "$WINE_BIN" reg add "$KEY" /v Managed /d Y /f >"$WORK/reg.out" 2>&1
fi
(cd "$WORK" && exec "$WINE_BIN" "$EXE" 'ready.txt' 'shot.bmp') >"$WORK/probe.out" 2>&1 &
probe=$!
for _ in $(seq 1 600); do
  [ -f "$WORK/ready.txt" ] && break
  kill -0 "$probe" 2>/dev/null || break
  sleep 0.1
done
if [ ! -f "$WORK/ready.txt" ]; then
  echo "modal_screen_test: the dialog never came up"; cat "$WORK/probe.out"
  kill "$probe" 2>/dev/null; exit 1
fi
xvfb_screenshot "$WORK/shot.png"
cp "$WORK/shot.png" "$ARTIFACTS/modal_dialog_$MODE.png"
# Whole, or not at all: the probe reads the file as soon as it is there.
convert "$WORK/shot.png" -type TrueColor BMP3:"$WORK/shot.tmp" && mv "$WORK/shot.tmp" "$WORK/shot.bmp"
wait "$probe"
status=$?
cat "$WORK/probe.out"
echo "modal_screen_test: $MODE, probe exit $status, screen in $ARTIFACTS/modal_dialog_$MODE.png"
exit "$status"
