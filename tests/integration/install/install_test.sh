#!/usr/bin/env bash
# The installer under Wine, in a prefix of its own (so shortcuts and registrations never reach
# the build's test prefix or the host):
#   install_test.sh ROOT BIN INSTALLER VERSION PREFIX WORK
# ROOT the tree, BIN the built binaries, INSTALLER the setup program, VERSION version.txt's,
# PREFIX the Wine prefix to use (created on first use), WORK a scratch folder (emptied).
# Prints "ok - CASE" or "not ok - CASE: why" per case; exits 1 when any case failed.
set -u
ROOT=$1 BIN=$2 INSTALLER=$3 VERSION=$4 PREFIX=$5 WORK=$6
. "$ROOT/scripts/lib/wine.sh"
. "$ROOT/scripts/lib/xvfb.sh"
. "$ROOT/scripts/lib/program.sh"
HERE=$ROOT/tests/integration/install
DEFAULTS=$ROOT/packaging/defaults
PROGRAM_FILES=("TaveloPro.exe" "TzComm.dll" "LuLib20.dll" "TzCommFun.dll")
PROFILES=("TzView.ini" "com.ini" "button.ini" "insidemode/newmode.tzs")

failures=0
current=
faults=()
started=0
begin() { current=$1; faults=(); started=$SECONDS; }
fault() { faults+=("$*"); }
end() {
  if [ ${#faults[@]} -eq 0 ]; then
    echo "ok - $current ($((SECONDS - started)) s)"
  else
    echo "not ok - $current: ${faults[*]}"
    failures=$((failures + 1))
  fi
}

# --- the prefix ------------------------------------------------------------------------------

wine_boot "$PREFIX"
# A new prefix links the user's Desktop and documents to the host's home; make them folders of
# the prefix, so the installer's shortcuts stay inside it.
for link in "$PREFIX"/drive_c/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos,Templates}; do
  if [ -L "$link" ]; then rm -f "$link"; mkdir -p "$link"; fi
done
started_xvfb=0
if [ -z "${DISPLAY:-}" ]; then xvfb_start && started_xvfb=1; fi
cleanup() {
  "$WINESERVER_BIN" -k >/dev/null 2>&1
  "$WINESERVER_BIN" -w >/dev/null 2>&1
  [ "$started_xvfb" -eq 1 ] && xvfb_stop
}
trap cleanup EXIT
USERS=$PREFIX/drive_c/users/${USER:-$(id -un)}
USER_START=$USERS/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
USER_DESKTOP=$USERS/Desktop
MACHINE_START=$PREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
MACHINE_FOLDER=$PREFIX/drive_c/Program\ Files/TaveloPro

rm -rf "$WORK"
mkdir -p "$WORK"
LOG=$WORK/log
mkdir -p "$LOG"

# Wine's view of a host folder.
winpath() { echo "Z:${1//\//\\}"; }

# Runs a Windows program and waits until it and every process it started have ended (an
# uninstaller runs on from a copy of itself), then gives its exit code.
wine_wait() {
  local name=$1; shift
  "$WINE_BIN" "$@" >"$LOG/$name.out" 2>&1
  local code=$?
  "$WINESERVER_BIN" -w >/dev/null 2>&1
  return $code
}

# The prefix's registry as the server last wrote it out (it does when it ends, and wine_wait
# waits for that): user.reg for HKCU, system.reg for HKLM. Reading the files instead of asking
# reg.exe saves starting Wine for every look.
#   reg_value FILE KEY NAME   prints the value (empty when the key or value is missing)
#   reg_key_exists FILE KEY
UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\TaveloPro'
USER_REG=$PREFIX/user.reg
MACHINE_REG=$PREFIX/system.reg
reg_value() {
  python3 - "$@" <<'PY'
import sys
path, key, name = sys.argv[1:4]
header = "[" + key.replace("\\", "\\\\").lower() + "]"
inside = False
with open(path, encoding="utf-8", errors="replace") as f:
    for line in f:
        line = line.rstrip("\n")
        if line.startswith("["):
            inside = line.lower().startswith(header)
        elif inside and line.lower().startswith('"' + name.lower() + '"='):
            value = line[len(name) + 3:]
            if value.startswith('"'):
                value = value[1:-1].replace("\\\\", "\\")
            print(value)
            break
PY
}
reg_key_exists() {
  local header
  header="[$(sed 's/\\/\\\\/g' <<<"$2")]"
  grep -qiF "$header" "$1"
}

# Every program file and the uninstaller are there, the same bytes as the build's.
expect_binaries() {
  local folder=$1 f
  for f in "${PROGRAM_FILES[@]}"; do
    cmp -s "$BIN/$f" "$folder/$f" || fault "$f is not the built one"
  done
  [ -f "$folder/uninstall.exe" ] || fault "no uninstall.exe"
}
expect_no_binaries() {
  local folder=$1 f
  for f in "TaveloPro.exe" "TzComm.dll" "LuLib20.dll" "uninstall.exe"; do
    [ -e "$folder/$f" ] && fault "$f left behind"
  done
}
# A shortcut that starts the installed program in its own folder (Windows path), with its icon.
expect_shortcut() {
  local lnk=$1 win=$2 fields
  if [ ! -f "$lnk" ]; then fault "no shortcut $(basename "$(dirname "$lnk")")/$(basename "$lnk")"; return; fi
  fields=$(python3 "$HERE/shortcut.py" "$lnk" | tr '\n' ' ')
  grep -qiF "target=$win\\TaveloPro.exe " <<<"$fields" || fault "shortcut target: $fields"
  grep -qiF "workdir=$win " <<<"$fields" || fault "shortcut working directory: $fields"
  grep -qiF "icon=$win\\TaveloPro.exe " <<<"$fields" || fault "shortcut icon: $fields"
}

# Leftovers of an earlier run that stopped half-way.
reg_key_exists "$USER_REG" "$UNINSTALL_KEY" && wine_wait leftover-user reg delete "HKCU\\$UNINSTALL_KEY" /f
reg_key_exists "$MACHINE_REG" "$UNINSTALL_KEY" && wine_wait leftover-machine reg delete "HKLM\\$UNINSTALL_KEY" /f
rm -rf "$MACHINE_FOLDER"
rm -f "$USER_START/TaveloPro.lnk" "$USER_DESKTOP/TaveloPro.lnk" "$MACHINE_START/TaveloPro.lnk"

# --- the cases -------------------------------------------------------------------------------

begin "the installer carries the version and the program's icon and asks for no elevation"
[ "$(basename "$INSTALLER")" = "TaveloPro-setup-$VERSION.exe" ] || fault "named $(basename "$INSTALLER")"
python3 "$ROOT/tests/unit/packaging/check_resources.py" "$VERSION" \
  --icon "$ROOT/app/res/bitmaps/TaveloPro.ico" --installer "$INSTALLER" >"$LOG/resources.out" 2>&1 ||
  fault "$(head -n 5 "$LOG/resources.out" | tr '\n' ' ')"
end

APP=$WORK/TaveloPro
begin "a silent install for the user puts program, profiles, scene, shortcuts and registration in place"
wine_wait install "$INSTALLER" /S "/D=$(winpath "$APP")" || fault "exit code $?"
expect_binaries "$APP"
for f in "${PROFILES[@]}"; do cmp -s "$DEFAULTS/$f" "$APP/$f" || fault "$f differs from the default"; done
expect_shortcut "$USER_START/TaveloPro.lnk" "$(winpath "$APP")"
expect_shortcut "$USER_DESKTOP/TaveloPro.lnk" "$(winpath "$APP")"
[ "$(reg_value "$USER_REG" "$UNINSTALL_KEY" DisplayVersion)" = "$VERSION" ] || fault "registered version '$(reg_value "$USER_REG" "$UNINSTALL_KEY" DisplayVersion)'"
[ "$(reg_value "$USER_REG" "$UNINSTALL_KEY" InstallLocation)" = "$(winpath "$APP")" ] || fault "registered folder '$(reg_value "$USER_REG" "$UNINSTALL_KEY" InstallLocation)'"
reg_key_exists "$MACHINE_REG" "$UNINSTALL_KEY" && fault "registered for the machine"
end

begin "the installed program starts from its folder and ends through its exit prompt"
(cd "$APP" && exec "$WINE_BIN" TaveloPro.exe Administrator 807162) >"$LOG/program.out" 2>&1 &
pid=$!
frame=$(program_main_window 600 || true)
if [ -z "$frame" ]; then
  fault "no main window"
  xvfb_screenshot "$WORK/no-main-window.png" 2>/dev/null
elif ! program_close_through_prompt "$frame" "$pid"; then
  fault "still running after the exit prompt"
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
"$WINESERVER_BIN" -w >/dev/null 2>&1
end

begin "an upgrade replaces the binaries and keeps the operator's profiles and scenes"
printf '[application]\r\nmpdnums=7\r\n[manuset]\r\nwidth=1200\r\n' >"$APP/TzView.ini"
printf '[comm]\r\ncommport=7\r\ntimeout=30\r\nbaudrate=9600\r\n' >"$APP/com.ini"
printf '[quick2_text]\r\npreset_button0=Morning\r\n' >"$APP/button.ini"
printf 'operator scene' >"$APP/insidemode/newmode.tzs"
printf 'preset 0' >"$APP/insidemode/tzinsidemode20.tzs"
mkdir -p "$WORK/changed"
cp -r "$APP/TzView.ini" "$APP/com.ini" "$APP/button.ini" "$APP/insidemode" "$WORK/changed/"
printf 'stale program' >"$APP/TaveloPro.exe"
# No /D: the setup finds the installation it upgrades.
wine_wait upgrade "$INSTALLER" /S || fault "exit code $?"
expect_binaries "$APP"
for f in "${PROFILES[@]}" insidemode/tzinsidemode20.tzs; do
  cmp -s "$WORK/changed/$f" "$APP/$f" || fault "$f was changed"
done
end

begin "the uninstaller removes the program and keeps the operator's data"
wine_wait uninstall "$APP/uninstall.exe" /S || fault "exit code $?"
expect_no_binaries "$APP"
[ -e "$APP/TzCommFun.dll" ] && fault "the installed matrix library left behind"
for f in "${PROFILES[@]}" insidemode/tzinsidemode20.tzs; do
  cmp -s "$WORK/changed/$f" "$APP/$f" || fault "$f was not kept"
done
[ -e "$USER_START/TaveloPro.lnk" ] && fault "start menu shortcut left"
[ -e "$USER_DESKTOP/TaveloPro.lnk" ] && fault "desktop shortcut left"
reg_key_exists "$USER_REG" "$UNINSTALL_KEY" && fault "still registered"
end

MAKER=$WORK/WithMakersMatrix
begin "the maker's own matrix library is kept through install and uninstall; asked, data goes too"
mkdir -p "$MAKER"
printf "maker's matrix library" >"$MAKER/TzCommFun.dll"
cp "$MAKER/TzCommFun.dll" "$WORK/makers.dll"
wine_wait install-maker "$INSTALLER" /S "/D=$(winpath "$MAKER")" || fault "install exit code $?"
cmp -s "$WORK/makers.dll" "$MAKER/TzCommFun.dll" || fault "the maker's library was replaced"
cmp -s "$BIN/TaveloPro.exe" "$MAKER/TaveloPro.exe" || fault "the program was not installed"
wine_wait uninstall-maker "$MAKER/uninstall.exe" /S /REMOVEDATA || fault "uninstall exit code $?"
cmp -s "$WORK/makers.dll" "$MAKER/TzCommFun.dll" || fault "the maker's library was removed"
for f in "${PROFILES[@]}"; do [ -e "$MAKER/$f" ] && fault "$f kept though asked to remove"; done
[ -d "$MAKER/insidemode" ] && fault "insidemode kept though asked to remove"
[ "$(ls "$MAKER")" = "TzCommFun.dll" ] || fault "left: $(ls "$MAKER" | tr '\n' ' ')"
end

begin "an administrator's /ALLUSERS install goes to Program Files for every user"
wine_wait install-machine "$INSTALLER" /S /ALLUSERS || fault "exit code $?"
expect_binaries "$MACHINE_FOLDER"
[ -f "$MACHINE_FOLDER/tzview.log" ] || fault "no traffic log prepared for the users"
expect_shortcut "$MACHINE_START/TaveloPro.lnk" 'C:\Program Files\TaveloPro'
[ -e "$USER_START/TaveloPro.lnk" ] && fault "shortcut in the user's own start menu"
[ "$(reg_value "$MACHINE_REG" "$UNINSTALL_KEY" DisplayVersion)" = "$VERSION" ] || fault "not registered for the machine"
reg_key_exists "$USER_REG" "$UNINSTALL_KEY" && fault "registered for the user"
wine_wait uninstall-machine "$MACHINE_FOLDER/uninstall.exe" /S || fault "uninstall exit code $?"
expect_no_binaries "$MACHINE_FOLDER"
[ -e "$MACHINE_START/TaveloPro.lnk" ] && fault "shortcut left"
reg_key_exists "$MACHINE_REG" "$UNINSTALL_KEY" && fault "still registered"
[ -f "$MACHINE_FOLDER/TzView.ini" ] || fault "profiles not kept"
rm -rf "$MACHINE_FOLDER"
end

echo "$failures failed"
[ "$failures" -eq 0 ]
