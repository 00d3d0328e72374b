#!/usr/bin/env bash
# Remakes the settings dialog's artwork in host/dialog/art/ from nothing but
# this script: the 24 banner frames (120x50 JPEG), the two 12x12 kind marks
# (JPEG), the 32x32 pointing-hand cursor (.cur, hot spot 12,1) and the 32x32
# 256-colour window and program icons (.ico). Output is deterministic: the
# same tools give the same bytes, so the committed files can be checked by
# running this again and looking at `git status`.
#
# Needs ImageMagick's convert (with the DejaVu fonts) and python3.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="${1:-$ROOT/host/dialog/art}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

# The address the banner advertises; the dialog opens the same one.
SITE_TEXT="www.vantrel.example"
FONT_BOLD="DejaVu-Sans-Bold"
FONT="DejaVu-Sans"
JPEG_OPTS=(-strip -quality 92 -sampling-factor 1x1 -interlace none)

# A five-pointed star polygon centred at (cx, cy) with outer radius r.
star_points() {
  python3 - "$1" "$2" "$3" <<'PY'
import math, sys
cx, cy, r = (float(a) for a in sys.argv[1:4])
pts = []
for k in range(10):
    rad = r if k % 2 == 0 else r * 0.42
    a = -math.pi / 2 + k * math.pi / 5
    pts.append("%.1f,%.1f" % (cx + rad * math.cos(a), cy + rad * math.sin(a)))
print(" ".join(pts))
PY
}

# Banner: a star flies in and leaves a trail (frames 1-8), the name types
# itself in (5-11), the web address appears and a "click" hint blinks
# (12-20), everything fades (21-23), and the last frame is the empty
# bordered black frame the box rests on.
make_banner_frame() {
  local n="$1" file
  # The fading frames show the last full picture, dimmed.
  local shown="$n"
  [ "$shown" -ge 21 ] && [ "$shown" -le 23 ] && shown=20
  file=$(printf '%s/banner%02d.jpg' "$OUT" "$n")
  local draw=()
  if [ "$n" -le 8 ]; then
    local x=$(( n * 2 - 1 )) i
    for i in 1 2 3; do
      local tx=$(( x - i * 5 ))
      [ "$tx" -gt 0 ] && draw+=(-fill "rgb($((255 - i * 60)),$((220 - i * 60)),0)" -draw "circle $tx,17 $((tx + 1)),17")
    done
    local r=$(( 3 + n / 2 ))
    draw+=(-fill "#ffd400" -draw "polygon $(star_points "$x" 17 "$r")")
  elif [ "$shown" -le 20 ]; then
    draw+=(-fill "#ffd400" -draw "polygon $(star_points 14 17 7)")
  fi
  if [ "$shown" -ge 5 ] && [ "$shown" -le 20 ]; then
    local name="Vantrel" letters=$(( shown - 4 ))
    [ "$letters" -gt 7 ] && letters=7
    draw+=(-font "$FONT_BOLD" -pointsize 17 -fill "#7fe0ff" -annotate +26+24 "${name:0:$letters}")
  fi
  if [ "$shown" -ge 12 ] && [ "$shown" -le 20 ]; then
    draw+=(-font "$FONT" -pointsize 10 -fill "#ffffa0" -annotate +6+42 "$SITE_TEXT")
  fi
  if [ "$shown" -ge 15 ] && [ "$shown" -le 20 ] && [ $(( shown % 2 )) -eq 1 ]; then
    draw+=(-fill "#ff6060" -draw "polygon 104,10 114,16 104,22")
  fi
  local fade=()
  case "$n" in
    21) fade=(-evaluate multiply 0.6) ;;
    22) fade=(-evaluate multiply 0.3) ;;
    23) fade=(-evaluate multiply 0.1) ;;
  esac
  convert -size 120x50 xc:black "${draw[@]}" "${fade[@]}" \
    -fill none -stroke "#707070" -strokewidth 1 -draw "rectangle 0,0 119,49" \
    -type TrueColor "${JPEG_OPTS[@]}" "$file"
}

for n in $(seq 1 24); do
  make_banner_frame "$n"
done

# Kind marks: an empty box (not selected) and a filled blue box (selected).
convert -size 12x12 xc:"rgb(224,224,224)" -fill white -stroke "rgb(64,64,64)" \
  -draw "rectangle 1,1 10,10" -type TrueColor "${JPEG_OPTS[@]}" -quality 100 "$OUT/mark_off.jpg"
convert -size 12x12 xc:"rgb(224,224,224)" -fill "rgb(30,80,220)" -stroke "rgb(10,30,110)" \
  -draw "rectangle 1,1 10,10" -type TrueColor "${JPEG_OPTS[@]}" -quality 100 "$OUT/mark_on.jpg"

# Icons are drawn by convert and packed as 8-bit (256-colour) .ico files
# below; the window's icon adds a music note to the program's star flight.
convert -size 32x32 xc:none -fill "#0b1a4a" -stroke "#4060c0" -draw "roundrectangle 0,0 31,31 6,6" \
  -stroke none -fill "#ffffff" -draw "point 6,7" -draw "point 24,5" -draw "point 27,20" -draw "point 9,25" \
  -fill "#a0c8ff" -draw "point 15,4" -draw "point 4,16" -draw "point 20,27" \
  -fill none -stroke "#40e0ff" -strokewidth 2 -draw "bezier 3,27 12,10 20,28 29,6" \
  -stroke "#ff60c0" -strokewidth 1 -draw "bezier 3,29 13,13 21,30 29,9" \
  -stroke none -fill "#ffd400" -draw "polygon $(star_points 22 11 5)" \
  -depth 8 "$WORK/program.rgba"
convert -size 32x32 -depth 8 "$WORK/program.rgba" \
  -stroke none -fill "#ffffff" -draw "ellipse 9,23 3,2 0,360" -draw "rectangle 11,10 12,23" \
  -draw "polygon 12,10 18,13 18,15 12,12" \
  -depth 8 "$WORK/window.rgba"

python3 - "$WORK" "$OUT" <<'PY'
import struct, sys
work, out = sys.argv[1], sys.argv[2]

def pack_icon(rgba_path, ico_path):
    """Writes a 32x32 8-bit ICO: palette of the image's colours, and an AND
    mask from its alpha (transparent where alpha < 128)."""
    data = open(rgba_path, "rb").read()
    assert len(data) == 32 * 32 * 4, rgba_path
    px = [data[i:i + 4] for i in range(0, len(data), 4)]
    opaque = [p[3] >= 128 for p in px]
    colours = sorted({p[:3] for p, o in zip(px, opaque) if o} | {b"\0\0\0"})
    if len(colours) > 256:
        raise SystemExit("icon has more than 256 colours: " + rgba_path)
    index = {c: i for i, c in enumerate(colours)}
    palette = b"".join(bytes([c[2], c[1], c[0], 0]) for c in colours)
    palette += b"\0" * (1024 - len(palette))
    xor = b""
    andm = b""
    for y in range(31, -1, -1):
        row = px[y * 32:(y + 1) * 32]
        xor += bytes(index[p[:3]] if opaque[y * 32 + x] else 0 for x, p in enumerate(row))
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (0 if opaque[y * 32 + x] else 1)
        andm += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 8, 0, len(xor) + len(andm), 0, 0, 256, 0)
    image = header + palette + xor + andm
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 8, len(image), 22)
    open(ico_path, "wb").write(struct.pack("<HHH", 0, 1, 1) + entry + image)

def pack_cursor(cur_path, hot_x, hot_y):
    """Writes a 32x32 monochrome cursor: a white pointing hand with a black
    outline, its index fingertip on the hot spot."""
    inside = [[False] * 32 for _ in range(32)]
    def fill(x0, y0, x1, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                inside[y][x] = True
    fill(12, 2, 15, 14)    # index finger, pointing up
    fill(17, 8, 19, 14)    # middle finger (folded)
    fill(21, 9, 23, 14)    # ring finger
    fill(25, 11, 27, 15)   # little finger
    fill(12, 14, 27, 24)   # palm
    fill(16, 13, 27, 14)
    fill(7, 16, 11, 19)    # thumb
    fill(9, 20, 11, 22)
    fill(14, 25, 25, 28)   # wrist
    black = [[False] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            if inside[y][x]:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    yy, xx = y + dy, x + dx
                    if 0 <= yy < 32 and 0 <= xx < 32 and inside[yy][xx]:
                        black[y][x] = True
    for x, y0, y1 in ((16, 8, 13), (20, 9, 13), (24, 11, 14)):
        for y in range(y0, y1 + 1):
            black[y][x] = True
    assert black[hot_y][hot_x], "hot spot must lie on the fingertip"
    xor = b""
    andm = b""
    for y in range(31, -1, -1):
        xbits = abits = 0
        for x in range(32):
            white = inside[y][x] and not black[y][x]
            drawn = inside[y][x] or black[y][x]
            xbits = (xbits << 1) | (1 if white else 0)
            abits = (abits << 1) | (0 if drawn else 1)
        xor += struct.pack(">I", xbits)
        andm += struct.pack(">I", abits)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + xor + andm
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hot_x, hot_y, len(image), 22)
    open(cur_path, "wb").write(struct.pack("<HHH", 0, 2, 1) + entry + image)

pack_icon(work + "/program.rgba", out + "/program.ico")
pack_icon(work + "/window.rgba", out + "/window.ico")
pack_cursor(out + "/hand.cur", 12, 1)
PY

echo "artwork written to $OUT"
