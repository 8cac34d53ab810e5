#!/usr/bin/env bash
# The desktop theme lookup against a settings portal on a private session bus.
#
# usage: desktop_theme_test.sh PROBE SERVICE
#
# Under dbus-run-session, with no X display: without a portal the lookup answers "" at
# once; a portal answering color-scheme 1 makes it "dark", 2 "light"; a portal that never
# answers is given up after half a second. Exits 77 (skipped) only when dbus-run-session
# cannot start a bus.
set -u

probe=$1
service=$2

if [ "${1:-}" != --inside ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIPPED: no dbus-run-session"; exit 77; }
    dbus-run-session -- true 2>/dev/null || { echo "SKIPPED: dbus-run-session cannot start a bus"; exit 77; }
    exec dbus-run-session -- bash "$0" --inside "$probe" "$service"
fi
probe=$2
service=$3
unset DISPLAY WAYLAND_DISPLAY

fail() { echo "FAILED: $*"; exit 1; }

# The interpreter with the D-Bus and GLib bindings (a user's own python3 may lack them).
python=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c "import dbus, gi" 2>/dev/null; then python=$candidate; break; fi
done
[ -n "$python" ] || fail "no python3 with the dbus and gi modules (scripts/setup.sh installs them)"

spid=""
trap '[ -n "$spid" ] && kill "$spid" 2>/dev/null; wait 2>/dev/null' EXIT

# Starts the service in mode $1 and waits for it to own its name.
start_service() {
    [ -n "$spid" ] && { kill "$spid" 2>/dev/null; wait "$spid" 2>/dev/null; }
    coproc SERVICE { exec "$python" "$service" "$1"; }
    spid=$SERVICE_PID
    local line=""
    read -r -t 5 line <&"${SERVICE[0]}" || true
    [ "$line" = ready ] || fail "the portal service ($1) did not start"
}

# Runs the probe; sets answer and ms.
ask() {
    local out
    out=$("$probe") || fail "probe failed: $out"
    answer=$(sed -n 's/^answer=\([a-z]*\) .*/\1/p' <<<"$out")
    ms=$(sed -n 's/.* ms=\([0-9]*\)$/\1/p' <<<"$out")
    [ -n "$ms" ] || fail "probe printed \"$out\""
    echo "$1: answer=\"$answer\" after $ms ms"
}

ask "no portal"
[ -z "$answer" ] || fail "without a portal the answer was \"$answer\""
[ "$ms" -lt 500 ] || fail "without a portal the lookup took $ms ms"

start_service 1
ask "portal, scheme 1"
[ "$answer" = dark ] || fail "color-scheme 1 gave \"$answer\", not dark"

start_service 2
ask "portal, scheme 2"
[ "$answer" = light ] || fail "color-scheme 2 gave \"$answer\", not light"

start_service silent
ask "silent portal"
[ -z "$answer" ] || fail "a portal that never answers gave \"$answer\""
[ "$ms" -ge 450 ] && [ "$ms" -lt 1500 ] || fail "a silent portal was given up after $ms ms, not half a second"

echo "PASSED"
