#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with, when any is missing.
# `make test` builds the suite twice, the second time with gcc's AddressSanitizer and
# UndefinedBehaviorSanitizer: their runtimes (libasan8, libubsan1) are named here although
# gcc pulls them in, so that a machine with a trimmed compiler gets them too; ccache keeps
# the second build cheap after the first.
#
# libre2-dev runs the report list's regular-expression filter.
# doxygen builds the API reference (make docs). libx11-dev gives the SDL backend the X11
# clipboard with several formats (SDL's own carries text only), libxml2-dev the HTML parser
# that reads tables pasted from spreadsheets, and xclip lets the window test look at and fill
# the X11 clipboard from outside. libdbus-1-dev lets a window follow the desktop's light or
# dark preference (the settings portal on the session bus); dbus-daemon, python3-dbus and
# python3-gi run the window test's stand-in portal.
#
# The SDL backend's accessibility bridge builds on ATK and its at-spi2-atk bridge; its window
# test reads the gallery with python3-pyatspi in a private D-Bus session (dbus) whose
# accessibility bus at-spi2-core starts.
#
# usage: setup.sh [fuzz]    fuzz: also clang and its libFuzzer runtime, for `make fuzz`
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache libasan8 libubsan1
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation2
  libsdl2-dev libpng-dev libjpeg-dev libre2-dev libx11-dev libxml2-dev libdbus-1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils xclip dbus-daemon python3-dbus python3-gi
  libatk1.0-dev libatk-bridge2.0-dev at-spi2-core dbus python3-pyatspi
  doxygen
)
if [[ ${1:-} == fuzz ]]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
