#!/usr/bin/env bash
# Puts C:\orlek_temp on a tiny file system of its own, first read-only and
# then full, and runs the drills that check a saver run and the settings
# dialog's save keep the previous settings file whole. Needs the Wine environment of scripts/test.sh and the
# right to mount (root); exits 77 (skipped) without it.
#   settings_mount_drill.sh <test.exe>...
set -u

TEST_EXES=("$@")
DIR="${WINEPREFIX:?needs the Wine environment}/drive_c/orlek_temp"
mkdir -p "$DIR"
# A drill cut short (a timeout kills this script) leaves its mount behind.
if findmnt -n -o SOURCE "$DIR" 2>/dev/null | grep -qx vantrel-drill; then
  umount "$DIR" 2>/dev/null || umount -l "$DIR"
fi

if ! mount -t tmpfs -o size=64k,mode=0777 vantrel-drill "$DIR" 2>/dev/null; then
  echo "cannot mount a small file system over $DIR here: drill skipped"
  exit 77
fi
cleanup() {
  mount -o remount,rw "$DIR" 2>/dev/null
  umount "$DIR" 2>/dev/null || umount -l "$DIR"
}
trap cleanup EXIT

status=0
for mode in readonly full; do
  for exe in "${TEST_EXES[@]}"; do
    mount -o remount,rw "$DIR"
    rm -rf "${DIR:?}"/*
    printf '[Settings]\r\nWidth= 800\r\nHeight= 600\r\n\r\n[Section]\r\nBGM\x8b\xe6\x95\xaa= 0\r\n' \
      > "$DIR/Vantrel.ini"
    case "$mode" in
      readonly) mount -o remount,ro "$DIR" ;;
      # NOTE: filled to the last block, so the new file's first write fails.
      full) dd if=/dev/zero of="$DIR/filler" bs=1k 2>/dev/null || true ;;
    esac
    echo "== C:\\orlek_temp $mode ($(df -k --output=avail "$DIR" | tail -1 | tr -d ' ') KiB free): $(basename "$exe")"
    if ! VANTREL_DRILL_SETTINGS_MOUNT="$mode" wine "$exe" --gtest_color=no \
         --gtest_filter='*.SettingsFolderReadOnlyOrDiskFull*'; then
      status=1
    fi
  done
done
exit "$status"
