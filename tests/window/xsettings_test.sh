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
xpid=""
opid=""
trap '[ -n "$opid" ] && kill "$opid" 2>/dev/null; [ -n "$xpid" ] && kill "$xpid" 2>/dev/null; wait 2>/dev/null' EXIT

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/setup.sh installs it)"
display=""
for n in $(seq 161 230); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || skip "no free X display number"
Xvfb ":$display" -screen 0 64x64x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xpid=$!
export DISPLAY=":$display"
for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    kill -0 "$xpid" 2>/dev/null || skip "Xvfb could not start: $(tail -1 "$out/xvfb.log")"
    sleep 0.05
done
[ -e "/tmp/.X11-unix/X$display" ] || skip "Xvfb did not start"

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
