#!/usr/bin/env bash
# A real two-monitor desktop for the Windows programs: Xorg with the dummy
# driver, two 1024x768 screens side by side under Xinerama, and a Wine prefix
# of its own that sees both monitors. Source it, call vantrel_two_monitors
# WORK_DIR (config, log and prefix go there), and vantrel_two_monitors_cleanup
# at the end; it stops only what it started.

source "$(dirname "${BASH_SOURCE[0]}")/xorg-dummy.sh"

# Writes the server's configuration into $1/xorg.conf.
vantrel_two_monitors_config() {
  local timings="65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync"
  {
    vantrel_xorg_server_flags
    vantrel_xorg_dummy_screen 0 1024x768 "$timings"
    vantrel_xorg_dummy_screen 1 1024x768 "$timings"
    cat <<'CONF'
Section "ServerLayout"
  Identifier "two"
  Screen 0 "scr0"
  Screen 1 "scr1" RightOf "scr0"
  Option "Xinerama" "on"
EndSection
CONF
  } > "$1/xorg.conf"
}

# Starts Xorg on a free display and exports DISPLAY; false when it cannot.
vantrel_two_monitors_display() {
  vantrel_two_monitors_config "$1"
  vantrel_xorg_display "$1"
}

# Both: the display, then the prefix.
vantrel_two_monitors() {
  mkdir -p "$1"
  vantrel_two_monitors_display "$1" && vantrel_xorg_wine_prefix "$1"
}

vantrel_two_monitors_cleanup() {
  vantrel_xorg_wine_stop
  vantrel_xorg_stop
}
