#!/usr/bin/env bash
# A click on either banner box opens the author's web page with the shell's
# "open" verb. Wine hands web addresses to the browsers listed in its
# WineBrowser key; a stand-in browser records what it was given.
set -euo pipefail
BIN="$1"
export LANG=C.UTF-8
source "$(dirname "$0")/../packaging/x_windows.sh"
KEY='HKCU\Software\Wine\WineBrowser'
work=$(mktemp -d /tmp/vantrel-browser.XXXXXX)
previous=$(wine reg query "$KEY" /v Browsers 2>/dev/null | tr -d '\r' | sed -n 's/^ *Browsers *REG_SZ *//p' || true)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  if [ -n "$previous" ]; then
    wine reg add "$KEY" /v Browsers /t REG_SZ /d "$previous" /f >/dev/null 2>&1 || true
  else
    wine reg delete "$KEY" /v Browsers /f >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened"\n' "$work" > "$work/browser"
chmod +x "$work/browser"
wine reg add "$KEY" /v Browsers /t REG_SZ /d "$work/browser" /f >/dev/null

wine "$BIN/Vantrel.scr" /c >/dev/null 2>&1 &
pid=$!
dialog=$(wait_for_window 'Vantrel■$')
if [ -z "$dialog" ]; then
  # For the log: whether the host still ran, and what the display showed.
  state="ended"
  kill -0 "$pid" 2>/dev/null && state="still running"
  fail "no settings dialog in 30 s; the host $state; windows:" \
    "$(xdotool search --name . getwindowname %@ 2>/dev/null | sort -u | tr '\n' ';')"
fi
sleep 1
# Pic_m(0) and Pic_m(1) sit at 180,2880 and 5400,2880 twips, 1845 x 780:
# their centres at 15 twips per pixel.
for box in "73 218" "421 218"; do
  : > "$work/opened"
  read -r x y <<<"$box"
  xdotool mousemove --window "$dialog" "$x" "$y" click 1
  for i in $(seq 1 50); do
    [ -s "$work/opened" ] && break
    sleep 0.2
  done
  [ "$(cat "$work/opened")" = "https://www.vantrel.example/" ] \
    || fail "a click on the banner at $box opened '$(cat "$work/opened")'"
done
echo "both banner boxes open https://www.vantrel.example/"
