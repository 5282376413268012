# Wine helpers shared by every script. Source this file; it never changes the caller's options.
#   wine_env PREFIX      export the environment for a prefix (GBK ANSI code page unless
#                        TAVELO_WINE_LOCALE names another locale; quiet)
#   wine_boot PREFIX     create the prefix once (about half a minute the first time) and
#                        let Wine draw and manage the windows itself (wine_unmanaged)
#   wine_server_start    keep one wineserver alive so each program starts quickly
#   wine_server_stop     shut that server down and wait for it
#   wine_link_com PREFIX N PTY   make \\.\COMN open the pseudo-terminal PTY
#   wine_add_serialcomm N        list COMN under HARDWARE\DEVICEMAP\SERIALCOMM

WINE_BIN=/usr/lib/wine/wine64
WINESERVER_BIN=/usr/lib/wine/wineserver64
[ -x "$WINESERVER_BIN" ] || WINESERVER_BIN=$(command -v wineserver 2>/dev/null || echo /usr/lib/wine/wineserver)

wine_env() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # No Mono or Gecko installer prompts; no menu entries or desktop files on the host for the
  # shortcuts a program (an installer) creates.
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
  # Code page 936 (GBK) as the ANSI code page; the locale need not be installed for Wine.
  # TAVELO_WINE_LOCALE runs programs (and makes a new prefix) under another one, for example
  # en_US.UTF-8 for code page 1252.
  export LC_ALL=${TAVELO_WINE_LOCALE:-zh_CN.UTF-8} 2>/dev/null
}

wine_boot() {
  wine_env "$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE_BIN" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER_BIN" -w
  fi
  wine_unmanaged
}

# Wine's X11 driver hands top-level windows to the X window manager unless "Managed" is "N". On
# Xvfb there is none: nobody draws captions or borders, and before hiding a window it has mapped
# Wine waits for the window manager to acknowledge the map (WM_STATE), two seconds for each
# dialog, message box or progress window that closes. With "Managed" = "N" Wine draws the whole
# window and runs activation itself, as Windows does, and a close takes milliseconds. The
# registry file is read first, so a program start pays a registry call only until the server has
# saved the value. bench/startup measures start-up both ways.
wine_unmanaged() {
  awk '/^\[Software\\\\Wine\\\\X11 Driver\]/ { s = 1; next } /^\[/ { s = 0 }
       s && /^"Managed"="N"/ { found = 1 } END { exit !found }' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  "$WINE_BIN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

wine_server_start() {
  "$WINESERVER_BIN" -p >/dev/null 2>&1 || true
}

wine_server_stop() {
  "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
  "$WINESERVER_BIN" -w >/dev/null 2>&1 || true
}

wine_link_com() {
  local prefix=$1 n=$2 pty=$3
  mkdir -p "$prefix/dosdevices"
  ln -sfn "$pty" "$prefix/dosdevices/com$n"
}

wine_add_serialcomm() {
  "$WINE_BIN" reg add 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v "\\Device\\Serial$1" /d "COM$1" /f >/dev/null 2>&1
}
