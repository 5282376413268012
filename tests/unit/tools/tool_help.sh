#!/usr/bin/env bash
# Every tool and script answers --help and -h with its usage on standard output, nothing on
# standard error, and exit status 0; scripts refuse an unknown argument with status 2 before any
# work (a script that ignored it would start a build or a test run); tzctl, when it cannot
# connect, names the port and the profile it used. Each call is bounded, so a script that does not
# know --help cannot run on here.
#   tool_help.sh WORKDIR [RUNNER...] -- TOOL...     (RUNNER: the Wine runner for Windows tools)
# Output goes to files, never through a pipe (Wine's services would hold a pipe open).
set -u
work=$1; shift
runner=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do runner+=("$1"); shift; done
shift
mkdir -p "$work"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for tool in "$@"; do
  name=$(basename "$tool")
  for option in --help -h; do
    timeout 120 "${runner[@]}" "$tool" "$option" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    [ "$status" -eq 0 ] || fail "$name $option: exit status $status"
    head -c 6 "$work/out" | grep -q '^usage:' || fail "$name $option: no usage on standard output"
    [ ! -s "$work/err" ] || fail "$name $option: standard error: $(head -c 200 "$work/err")"
  done
done

for tool in "$@"; do
  case $tool in
    */scripts/*) ;;
    *) continue ;;
  esac
  timeout 20 "$tool" --no-such-option >"$work/out" 2>"$work/err" </dev/null
  status=$?
  [ "$status" -eq 2 ] || fail "$(basename "$tool") --no-such-option: exit status $status"
  grep -q 'unknown' "$work/err" || fail "$(basename "$tool") --no-such-option said: $(head -c 200 "$work/err")"
done

for tool in "$@"; do
  case $(basename "$tool") in
    tzctl|tzctl.exe) ;;
    *) continue ;;
  esac
  empty=$work/no-profile
  mkdir -p "$empty"
  rm -f "$empty/com.ini"
  dir=$empty
  [ ${#runner[@]} -gt 0 ] && dir="Z:$(echo "$empty" | tr / '\\')"
  "${runner[@]}" "$tool" --dir "$dir" SetPower 0 >"$work/out" 2>"$work/err" </dev/null
  status=$?
  [ "$status" -eq 2 ] || fail "tzctl without com.ini: exit status $status"
  line=$(head -n 1 "$work/out" | tr -d '\r')
  case $line in
    "Connect 2 (opening the serial port failed: COM999 from $dir"?"com.ini, which does not exist)") ;;
    *) fail "tzctl without com.ini said: $line" ;;
  esac
done
[ "$failed" -eq 0 ] && echo "all tools and scripts answer --help and -h"
exit $failed
