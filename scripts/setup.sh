#!/usr/bin/env bash
# Installs what the build and the tests need (only what is missing), then
# configures and builds. Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true

# Build: compiler, CMake, clang-format for the format check, Qt 6, libxcb for reading
# the window frame, libICE and libSM for the session manager's connection. End-to-end runs:
# Xvfb, xdotool for input, xclip for the clipboard, python3-xlib for the close request,
# imagemagick for screenshots, openbox for the runs under a window manager, xsm (and
# iceauth from x11-xserver-utils) for a real session manager, weston and Qt's Wayland
# plugin for the runs under Wayland, wl-clipboard to read the Wayland clipboard, the Adwaita styles, setxkbmap for other keyboard
# layouts, the accessibility bus with GObject's Python bindings (D-Bus, AT-SPI's names)
# for what a screen reader hears and where it finds the controls, and strace for the
# files the save dialog opens.
# Languages: lupdate and lrelease with their CMake functions for the program's
# translations, Qt's own translations for its dialogs and boxes, and Noto CJK so
# Chinese and Japanese show (DejaVu Sans covers Latin, Cyrillic and Arabic). Not
# fonts-noto-core: with it fontconfig maps the window's Verdana to Noto Sans,
# whose taller lines no longer fit the 20-pixel number boxes.
# Package checks: dpkg-dev for the shared-library dependencies, the desktop entry,
# AppStream and manual page validators, lintian for the built package.
packages=(
  build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxkbcommon-dev libxcb1-dev libice-dev libsm-dev
  xvfb xauth xdotool xclip x11-utils python3 python3-xlib imagemagick openbox
  x11-session-utils x11-xserver-utils weston qt6-wayland wl-clipboard adwaita-qt6 x11-xkb-utils
  at-spi2-core python3-gi gir1.2-atspi-2.0 dbus dbus-x11 strace
  fonts-dejavu-core
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-noto-cjk
  dpkg-dev desktop-file-utils appstream man-db lintian
)
if [[ "${ZOLVENAR_NEED_CLANG:-0}" == 1 ]]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) != 0 ]]; then
    sudo_cmd=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
