#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the run and the tests
# need and is not there yet. Sourced by run.sh and test.sh; safe to run alone.

VANTREL_PACKAGES=(
  cmake make g++ git pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64
  xvfb xauth x11-utils xdotool imagemagick
  libgl1-mesa-dri libglu1-mesa
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
  libasound2-plugins alsa-utils sox lame
  fonts-ipafont-gothic
  nsis zip unzip python3
  libx11-dev libgl-dev libglu1-mesa-dev libxrandr-dev dpkg-dev xscreensaver procps
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  lintian desktop-file-utils man-db binutils util-linux
  mate-screensaver xsecurelock dbus libglib2.0-bin dconf-service dconf-gsettings-backend
  libwayland-dev wayland-protocols libegl-dev libopengl-dev
  sway swayidle grim wtype weston
  libsystemd-dev python3-dbusmock
)

vantrel_missing_packages() {
  local p missing=()
  for p in "${VANTREL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

vantrel_ensure_deps() {
  local missing
  missing=$(vantrel_missing_packages)
  [ -z "${missing// /}" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  vantrel_ensure_deps
fi
