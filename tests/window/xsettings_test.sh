#!/usr/bin/env bash
# The desktop theme lookup reading an X settings manager on a private Xvfb, with no session
# bus: a manager naming a "-dark" theme gives "dark", another name "light", no manager "".
#
# usage: xsettings_test.sh PROBE OWNER OUTPUT_DIR
#
# Exits 77 (skipped) only when no X server can be started.
set -u

probe=$1
owner=$2
out=$3
mkdir -p "$out"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
opid=""
source "$(cd "$(dirname "$0")" && pwd)/xserver.sh"
trap '[ -n "$opid" ] && kill "$opid" 2>/dev/null; stop_xserver; wait 2>/dev/null' EXIT

start_xserver 64x64x24

answer_of() { sed -n 's/^answer=\([a-z]*\) .*/\1/p' <<<"$("$probe")"; }

# Starts the stand-in manager naming theme $1 and waits for it to own the selection.
start_owner() {
    [ -n "$opid" ] && { kill "$opid" 2>/dev/null; wait "$opid" 2>/dev/null; }
    coproc OWNER { exec "$owner" "$1"; }
    opid=$OWNER_PID
    local line=""
    read -r -t 5 line <&"${OWNER[0]}" || true
    [ "$line" = ready ] || fail "the settings manager ($1) did not start"
}

a=$(answer_of)
[ -z "$a" ] || fail "without a settings manager the answer was \"$a\""
start_owner Adwaita-Dark
a=$(answer_of)
[ "$a" = dark ] || fail "theme Adwaita-Dark gave \"$a\", not dark"
start_owner Adwaita
a=$(answer_of)
[ "$a" = light ] || fail "theme Adwaita gave \"$a\", not light"
echo "PASSED (display :$display)"
