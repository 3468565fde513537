#!/usr/bin/env bash
# Installs everything Tavrin needs to build, run and test, from Debian's
# packages. Run as root on Debian 12.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6test6 qt6-qpa-plugins libqt6svg6
  libsqlite3-dev libjpeg62-turbo-dev libgtest-dev libx11-dev libxext-dev
  # running: CJK font, icon theme, the desktop's opener, demo targets
  fonts-wqy-zenhei adwaita-icon-theme xdg-utils libglib2.0-bin xdg-user-dirs
  xterm x11-apps sqlite3
  # the test desktop
  xvfb openbox trayer xdotool x11-utils x11-xserver-utils imagemagick
  dbus dbus-x11 at-spi2-core python3-pyatspi python3-gi libxfixes-dev
)

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root (apt-get needs it)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
