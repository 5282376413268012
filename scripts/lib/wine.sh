# Wine helpers shared by every script. Source this file; it never changes the caller's options.
#   wine_env PREFIX      export the environment for a prefix (GBK ANSI code page unless
#                        TAVELO_WINE_LOCALE names another locale; quiet)
#   wine_boot PREFIX     create the prefix once (about half a minute the first time)
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
