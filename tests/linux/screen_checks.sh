# Sourced by the host tests: is the star flight on the screen?
# Needs $WORK (a scratch folder) and a fail function from the sourcing test.

# Lit, coloured and moving: window $1 ("root" or an id), at least $2 pixels
# changed in half a second (default 20000), three seconds after the start.
expect_flight() {
  local window="$1" least="${2:-20000}" brightness saturation changed
  sleep 3
  import -window "$window" "$WORK/first.png"
  sleep 0.5
  import -window "$window" "$WORK/second.png"
  read -r brightness saturation < <(convert "$WORK/second.png" -colorspace HSL \
    -format '%[fx:mean.b] %[fx:mean.g]\n' info:)
  changed=$(compare -metric AE "$WORK/first.png" "$WORK/second.png" null: 2>&1 || true)
  echo "window $window: brightness $brightness, saturation $saturation, $changed pixels changed in 0.5 s"
  awk -v b="$brightness" 'BEGIN { exit !(b > 0.03) }' || fail "$window is not lit"
  awk -v s="$saturation" 'BEGIN { exit !(s > 0.1) }' || fail "$window has no colour"
  [ "${changed%%.*}" -gt "$least" ] 2>/dev/null || fail "the picture in $window does not move"
  echo "ok: $window is lit, coloured and moving"
}
