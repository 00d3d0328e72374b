#!/usr/bin/env bash
# `vantrel --wayland` against real compositors: headless sway (the layer
# shell) and headless Weston (the fullscreen fallback).
# usage: wayland_hack_test.sh HACK VIRTUAL_POINTER CASE EGL_WINDOW_SHIM
set -u
HACK=$1
POINTER=$2
CASE=$3
SHIM=${4:-}
. "$(dirname "$0")/wayland_session.sh"
trap end_session EXIT

# Every output lit, coloured and moving, and the compositor's magenta
# nowhere, edge to edge, once the hack has drawn there.
expect_covered() {
  local output figures
  for output in "$@"; do
    wait_for "covered $output" 10
    capture "$output" "$SESSION_DIR/a.ppm"
    sleep 0.5
    capture "$output" "$SESSION_DIR/b.ppm"
    read -r w h lit coloured magenta changed \
      <<<"$(picture_figures "$SESSION_DIR/b.ppm" "$SESSION_DIR/a.ppm")"
    local area=$((w * h))
    # NOTE: the scene's additive light can saturate a few pixels to the
    # background's exact magenta; a one-pixel strip left bare is still
    # more than a thousandth of the output.
    check "$output ($w x $h) shows no background ($magenta)" \
      "[ $magenta -lt $((area / 1000)) ]"
    check "$output is lit ($lit of $area)" "[ $lit -gt $((area / 20)) ]"
    check "$output is coloured ($coloured)" "[ $coloured -gt $((area / 100)) ]"
    check "$output moves ($changed changed)" "[ $changed -gt $((area / 50)) ]"
  done
}

start_lit_hack() {
  start_hack --wayland "$@"
}

# Outputs shown black: nothing lit, and the magenta desktop nowhere.
expect_black() {
  local output
  sleep 2
  for output in "$@"; do
    capture "$output" "$SESSION_DIR/a.ppm"
    read -r w h lit coloured magenta changed \
      <<<"$(picture_figures "$SESSION_DIR/a.ppm" "$SESSION_DIR/a.ppm")"
    check "$output ($w x $h) is black ($lit lit, $magenta bare)" \
      "[ $lit -eq 0 ] && [ $magenta -eq 0 ]"
  done
}

# The hack with the EGL windows $1 pixels wide (0: all) failing.
start_failing_hack() {
  VANTREL_TEST_FAILED_WIDTH=$1 LD_PRELOAD="$SHIM" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    start_hack --wayland
}

case_covers() {
  start_sway && add_sway_output
  check "two outputs" "[ $(sway_output_count) -eq 2 ]"
  start_lit_hack
  expect_covered HEADLESS-1 HEADLESS-2
  check "still running" hack_running
}

# SIGTERM (swayidle's resume, lockers), SIGINT and SIGHUP.
case_sigterm() {
  start_sway
  local signal code
  for signal in TERM INT HUP; do
    start_lit_hack
    wait_drawing HEADLESS-1
    kill -"$signal" "$HACK_PID"
    hack_exit_code 1; code=$?
    check "SIG$signal ends it within 1 s with code 0 (got $code)" "[ $code -eq 0 ]"
  done
}

case_pointer() {
  start_sway
  start_lit_hack
  wait_drawing HEADLESS-1
  # A one-pixel nudge, two seconds of rest, then a real move.
  "$POINTER" 1000 1:1:2000 60:40:0 &
  local pointer=$!
  sleep 2.5
  check "a one-pixel nudge does not end it" hack_running
  hack_exit_code 3; local code=$?
  check "pointer motion ends it within 2 s with code 0 (got $code)" "[ $code -eq 0 ]"
  check "the virtual pointer did its moves" "wait $pointer"
}

case_click() {
  start_sway
  start_lit_hack
  wait_drawing HEADLESS-1
  check "the virtual pointer clicked" "'$POINTER' 1000 click"
  hack_exit_code 2; local code=$?
  check "a button ends it with code 0 (got $code)" "[ $code -eq 0 ]"
}

case_key() {
  start_sway
  start_lit_hack
  wait_drawing HEADLESS-1
  wtype -s 1000 -k space
  hack_exit_code 2; local code=$?
  check "a key ends it with code 0 (got $code)" "[ $code -eq 0 ]"
}

case_added_output() {
  start_sway
  start_lit_hack
  wait_drawing HEADLESS-1
  add_sway_output
  expect_covered HEADLESS-2
  # A 1x1 output is drawn on, and harms no other.
  add_sway_output
  sleep 1
  check "HEADLESS-3 is 1x1" "[ '$(output_size HEADLESS-3)' = 1x1 ]"
  check "runs on with a 1x1 output" hack_running
  check "and draws on it without complaint" "[ ! -s '$SESSION_DIR/hack.err' ]"
  expect_covered HEADLESS-1
}

# A HiDPI output: the picture has the output's pixels, not half of them
# scaled up; the new scale resets it as a new size does.
case_scale() {
  start_sway
  start_lit_hack
  wait_drawing HEADLESS-1
  swaymsg output HEADLESS-1 scale 2 scale_filter nearest >/dev/null
  # The picture drawn before the change stays up, scaled, until the next.
  wait_for "capture HEADLESS-1 '$SESSION_DIR/s.ppm' && [ \$(fine_detail '$SESSION_DIR/s.ppm') -gt 50 ]" 10
  expect_covered HEADLESS-1
  local detail
  detail=$(fine_detail "$SESSION_DIR/b.ppm")
  check "sharp at scale 2 ($detail % of 2x2 blocks differ within)" "[ $detail -gt 50 ]"
}

# The output's new mode: the compositor configures the surface anew, and the
# picture follows edge to edge; at 120 Hz it is drawn on every other frame.
case_resize() {
  start_sway
  start_lit_hack --fps
  wait_drawing HEADLESS-1
  swaymsg output HEADLESS-1 mode 800x600@120Hz >/dev/null
  check "HEADLESS-1 is now 800x600" "[ '$(output_size HEADLESS-1)' = 800x600 ]"
  expect_covered HEADLESS-1
  sleep 3
  local rate
  rate=$(grep ' fps, ' "$SESSION_DIR/hack.err" | tail -1 | awk '{ print $2 + 0 }')
  check "at 120 Hz it draws every other refresh ($rate frames a second)" \
    "awk -v r='$rate' 'BEGIN { exit !(r > 20 && r <= 66) }'"
}

# An output whose GL start fails is covered black, at its new size too, and
# never drawn on; with every output so, a key still ends the run.
case_failed_output() {
  start_sway && add_sway_output
  start_failing_hack 320
  expect_covered HEADLESS-1
  expect_black HEADLESS-2
  swaymsg output HEADLESS-2 mode 400x300 >/dev/null
  expect_black HEADLESS-2
  check "runs on" hack_running
  check "one line on stderr" "[ $(wc -l <"$SESSION_DIR/hack.err") -eq 1 ]"
  kill -TERM "$HACK_PID"
  hack_exit_code 2
  start_failing_hack 0
  expect_black HEADLESS-1 HEADLESS-2
  wtype -s 1000 -k space
  hack_exit_code 3; local code=$?
  check "a key ends it with code 0 (got $code)" "[ $code -eq 0 ]"
}

# Outputs removed one by one: the saver goes on where it still can, and
# ends when no output is left.
case_removed_outputs() {
  start_sway && start_nested_sway
  check "two inner outputs" "[ '$(output_size WL-2)' != '' ]"
  start_lit_hack
  sleep 2
  remove_nested_output WL-2
  expect_covered WL-1
  check "runs on with one output" hack_running
  remove_nested_output WL-1
  hack_exit_code 3; local code=$?
  check "the last output's removal ends it with code 0 (got $code)" "[ $code -eq 0 ]"
}

case_compositor_gone() {
  start_sway
  start_lit_hack
  wait_drawing HEADLESS-1
  kill -TERM "$COMPOSITOR_PID"
  hack_exit_code 5; local code=$?
  check "the compositor's end ends it with code 0 (got $code)" "[ $code -eq 0 ]"
  COMPOSITOR_PID=""
}

# The pid of the vantrel that process $1 started, directly or through sh.
started_hack() {
  local child
  child=$(pgrep -P "$1" | head -1)
  [ -n "$child" ] || return 1
  if [ "$(ps -o comm= -p "$child")" = vantrel ]; then
    echo "$child"
  else
    pgrep -x vantrel -P "$child" | head -1
  fi
}

case_swayidle() {
  start_sway
  local bin="$SESSION_DIR/bin"
  mkdir "$bin" && ln -s "$(readlink -f "$HACK")" "$bin/vantrel"
  PATH="$bin:$PATH" swayidle -w timeout 2 'vantrel --wayland' \
    >"$SESSION_DIR/swayidle.log" 2>&1 &
  local idle=$!
  sleep 1
  check "not started before two idle seconds" "! started_hack $idle"
  wait_for "started_hack $idle" 6
  HACK_PID=$(started_hack "$idle")
  check "started by swayidle" "[ -n '$HACK_PID' ]"
  wait_drawing HEADLESS-1
  capture HEADLESS-1 "$SESSION_DIR/a.ppm"
  read -r w h lit coloured magenta changed \
    <<<"$(picture_figures "$SESSION_DIR/a.ppm" "$SESSION_DIR/a.ppm")"
  check "drawing ($lit lit)" "[ $lit -gt $((w * h / 20)) ] && [ $magenta -lt $((w * h / 1000)) ]"
  kill -TERM "$HACK_PID"
  kill "$idle"
  wait "$idle" 2>/dev/null
}

case_weston() {
  start_weston
  start_lit_hack
  sleep 3
  check "runs under Weston" hack_running
  capture_weston "$SESSION_DIR/a.ppm"
  sleep 0.5
  capture_weston "$SESSION_DIR/b.ppm"
  read -r w h lit coloured magenta changed \
    <<<"$(picture_figures "$SESSION_DIR/b.ppm" "$SESSION_DIR/a.ppm")"
  local area=$((w * h))
  check "the fullscreen window covers Weston's output ($w x $h, $magenta bare)" \
    "[ $area -eq $((640 * 480)) ] && [ $magenta -lt $((area / 1000)) ]"
  check "lit ($lit), coloured ($coloured) and moving ($changed)" \
    "[ $lit -gt $((area / 20)) ] && [ $coloured -gt $((area / 100)) ] && [ $changed -gt $((area / 50)) ]"
  kill -TERM "$HACK_PID"
  hack_exit_code 2; local code=$?
  check "SIGTERM ends it with code 0 (got $code)" "[ $code -eq 0 ]"
}

case_no_display() {
  WAYLAND_DISPLAY=vantrel-none-$$ "$HACK" --wayland >/dev/null 2>"$SESSION_DIR/hack.err"
  local code=$?
  check "no display: code 1 (got $code)" "[ $code -eq 1 ]"
  check "no display: one line on stderr" "[ $(wc -l <"$SESSION_DIR/hack.err") -eq 1 ]"
}

# No EGL vendor at all: one line and code 1, under a live compositor.
case_no_egl() {
  start_sway
  __EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json "$HACK" --wayland \
    >/dev/null 2>"$SESSION_DIR/hack.err"
  local code=$?
  check "no EGL: code 1 (got $code)" "[ $code -eq 1 ]"
  check "no EGL: one line on stderr" "[ $(wc -l <"$SESSION_DIR/hack.err") -eq 1 ]"
  cat "$SESSION_DIR/hack.err"
}

"case_$CASE"
[ "$FAILURES" -eq 0 ]
