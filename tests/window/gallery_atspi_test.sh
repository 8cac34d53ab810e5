#!/usr/bin/env bash
# The gallery read and worked through the desktop accessibility service, as a screen
# reader would.
#
# usage: gallery_atspi_test.sh GALLERY OUTPUT_DIR
#
# Starts Xvfb on a free display and a private D-Bus session whose accessibility bus the
# service starts on demand (at-spi2-core), then runs gallery_atspi_check.py in it (see
# there for what it reads). Exits 77 (skipped) only when no X server or no D-Bus session
# can be started.
set -u

gallery=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
source "$here/xserver.sh"
trap 'stop_xserver; wait 2>/dev/null' EXIT

command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (scripts/setup.sh installs dbus)"
dbus-run-session -- true >/dev/null 2>&1 || skip "no D-Bus session can be started"
start_xserver 1280x900x24

# The service's own processes end with the session.
unset AT_SPI_BUS DBUS_SESSION_BUS_ADDRESS
# Debian's own interpreter, for which python3-pyatspi is installed (a python3 earlier on the
# PATH may be another one).
py=/usr/bin/python3
[ -x "$py" ] || py=python3
timeout 60 dbus-run-session -- "$py" "$here/gallery_atspi_check.py" "$gallery" "$out" 2>&1 \
    | grep -v "Failed to set fd limit"
exit "${PIPESTATUS[0]}"
