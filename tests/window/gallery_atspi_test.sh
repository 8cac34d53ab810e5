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
xpid=""

cleanup() {
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

skip() { echo "SKIPPED: $*"; exit 77; }

command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/setup.sh installs it)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (scripts/setup.sh installs dbus)"
dbus-run-session -- true >/dev/null 2>&1 || skip "no D-Bus session can be started"

display=""
for n in $(seq 161 230); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || skip "no free X display number"
Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp >"$out/xvfb-atspi.log" 2>&1 &
xpid=$!
export DISPLAY=":$display"
for _ in $(seq 1 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    kill -0 "$xpid" 2>/dev/null || skip "Xvfb could not start: $(tail -1 "$out/xvfb-atspi.log")"
    sleep 0.05
done
xdotool getmouselocation >/dev/null 2>&1 || skip "Xvfb did not answer"

# The service's own processes end with the session.
unset AT_SPI_BUS DBUS_SESSION_BUS_ADDRESS
# Debian's own interpreter, for which python3-pyatspi is installed (a python3 earlier on the
# PATH may be another one).
py=/usr/bin/python3
[ -x "$py" ] || py=python3
timeout 60 dbus-run-session -- "$py" "$here/gallery_atspi_check.py" "$gallery" "$out" 2>&1 \
    | grep -v "Failed to set fd limit"
exit "${PIPESTATUS[0]}"
