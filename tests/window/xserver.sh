# Sourced by the window tests: the exits CTest reads, an X server of the test's own on a
# free display, stopping a program under test, and polling the state file it keeps.
#
# A test sets `out` (its output folder) before start_xserver, and `state` and `app_pid`
# before wait_for. It may define on_failure to print what helps when it fails.

# 77 is the SKIP_RETURN_CODE of every window test: only a missing X server (or bus) skips.
skip() { echo "SKIPPED: $*"; exit 77; }
fail() {
    echo "FAILED: $*"
    if declare -F on_failure >/dev/null; then on_failure; fi
    exit 1
}

# needs TOOL...: fails (does not skip) when a tool scripts/setup.sh installs is missing.
needs() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
    done
}

xpid=""
# start_xserver GEOMETRY: starts Xvfb on a display number the server picks itself (so tests
# run side by side never race for one), exports DISPLAY and sets display; the log goes to
# $out. Skips when no server answers.
start_xserver() {
    local geometry=$1 numfile=$out/xvfb-display.$$ log=$out/xvfb.$$.log
    command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/setup.sh installs it)"
    rm -f "$numfile"
    # -displayfd: the server takes the first display whose lock it can get and writes the
    # number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$numfile" >"$log" 2>&1 &
    xpid=$!
    display=""
    for _ in $(seq 1 200); do
        display=$(tr -dc 0-9 <"$numfile" 2>/dev/null)
        [ -n "$display" ] && break
        kill -0 "$xpid" 2>/dev/null || skip "Xvfb could not start: $(tail -1 "$log")"
        sleep 0.05
    done
    rm -f "$numfile"
    [ -n "$display" ] || skip "Xvfb did not start"
    export DISPLAY=":$display"
}

# stop_process PID: asks it to end, and forces it after two seconds.
stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null
    for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.05; done
    kill -9 "$pid" 2>/dev/null
}

stop_xserver() {
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    xpid=""
}

# value KEY: the value of KEY=... in the state file.
value() { sed -n "s/^$1=//p" "$state" 2>/dev/null; }

# wait_for KEY VALUE [what]: polls the state file for up to 5 seconds; fails when the
# program under test ($app_pid) ends first.
wait_for() {
    for _ in $(seq 1 100); do
        [ "$(value "$1")" = "$2" ] && return 0
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"
        sleep 0.05
    done
    fail "${3:-$1} should be \"$2\" but is \"$(value "$1")\""
}

# end_app [what]: ends the program under test with SIGTERM, as a desktop session would, and
# fails unless it ends within five seconds with status 0.
end_app() {
    kill -TERM "$app_pid"
    for _ in $(seq 1 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$app_pid" 2>/dev/null && fail "${1:-the program} did not end on SIGTERM"
    local rc=0
    wait "$app_pid" || rc=$?
    app_pid=""
    [ "$rc" -eq 0 ] || fail "${1:-the program} exited with $rc"
}
