#!/usr/bin/env bash
# The form designer in a real X server, worked with real input events.
#
# usage: designer_window_test.sh DESIGNER OUTPUT_DIR [GALLERY]
#
# Drops a meter and a report list from the palette onto the form, selects the meter again
# on the surface, sets its caption and colour in the inspector, saves, and checks the
# saved form file, the recent-files list, the preview window, that the file opens again
# and that the gallery's form loader (gallery --form) loads it to the same state.
# Outcomes are read from the state file the designer keeps (--dump-state). Exits 77
# (skipped) only when no X server can be started.
set -u

designer=$(realpath "$1")
out=$2
gallery=${3:+$(realpath "$3")}
mkdir -p "$out"
out=$(realpath "$out")
state=$out/designer-state.txt
saved=$out/form1.dfm
rm -f "$state" "$saved"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xserver.sh"
app_pid=""

on_failure() {
    echo "---- state file"; cat "$state" 2>/dev/null
    echo "---- designer output"; cat "$out/designer.log" 2>/dev/null
}
cleanup() { stop_process "$app_pid"; stop_xserver; wait 2>/dev/null; }
trap cleanup EXIT

needs xdotool
start_xserver 1280x900x24

wait_key() {
    for _ in $(seq 1 100); do
        [ -n "$(value "$1")" ] && return 0
        sleep 0.05
    done
    fail "no $1 in the state"
}
# at KEY: clicks the middle of the rectangle "x y w h" the state gives for KEY.
at() {
    wait_key "$1"
    read -r x y w h <<<"$(value "$1")"
    xdotool mousemove --window "$wid" $((x + w / 2)) $((y + h / 2)) click 1
}
# on_form DX DY: clicks the designed form's client point (DX, DY).
on_form() {
    read -r x y _ _ <<<"$(value surface.form)"
    xdotool mousemove --window "$wid" $((x + $1)) $((y + $2)) click 1
}
# row KEY: scrolls the inspector (wheel) towards row KEY until it is in view, then clicks it.
row() {
    local path=${1#row.}
    for _ in $(seq 1 40); do
        if [ -n "$(value "$1")" ]; then at "$1"; return 0; fi
        wait_key rows.all
        read -r -a all <<<"$(value rows.all)"
        local index=-1 k
        for k in "${!all[@]}"; do [ "${all[$k]}" = "$path" ] && index=$k; done
        [ "$index" -ge 0 ] || fail "the inspector has no row $path"
        read -r x y w h <<<"$(value rows.rect)"
        # A notch of the wheel scrolls one row: up (4) to a row above the first one in view,
        # else down (5), as many notches as the rows between them.
        local top distance
        top=$(value rows.top)
        distance=$((index - top))
        xdotool mousemove --window "$wid" $((x + w / 2)) $((y + h / 2)) \
            click --repeat $((distance < 0 ? -distance : distance > 0 ? distance : 1)) --delay 5 \
            $([ "$distance" -lt 0 ] && echo 4 || echo 5)
        sleep 0.2
    done
    fail "the inspector did not scroll to row $path"
}
# pick CLASS: scrolls the palette (wheel, down then up) until CLASS is in view, then clicks it.
pick() {
    for i in $(seq 1 30); do
        if [ -n "$(value "palette.$1")" ]; then at "palette.$1"; return 0; fi
        wait_key palette.rect
        read -r x y w h <<<"$(value palette.rect)"
        xdotool mousemove --window "$wid" $((x + w / 2)) $((y + h / 2)) click $([ "$i" -le 10 ] && echo 5 || echo 4)
        sleep 0.1
    done
    fail "the palette has no $1"
}
# set_value KEY TEXT: picks the inspector row KEY, types TEXT as its value and sets it.
set_value() {
    row "row.$1"
    wait_for row "$1" "the inspector row picked"
    at value.rect
    xdotool key End
    for _ in $(seq 1 30); do xdotool key BackSpace; done
    xdotool type --delay 30 "$2"
    wait_for value "$2" "the value typed"
    at set.rect
}

cd "$out" || fail "no output folder"
# The recent-files list goes to a folder of the test's own.
rm -rf "$out/config"
export XDG_CONFIG_HOME=$out/config
ZYN_BACKEND=sdl "$designer" --dump-state "$state" >"$out/designer.log" 2>&1 &
app_pid=$!
wid=$(timeout 10 xdotool search --sync --name "Form designer" | head -1)
[ -n "$wid" ] || fail "the designer window did not appear"
wait_for selection Form1 "the new form selected"

# 1. Two drops from the palette.
pick TMeter
on_form 16 16
wait_for selection Meter1 "the dropped meter"
pick TReportListView
on_form 200 180
wait_for selection ReportListView1 "the dropped report list"
wait_for components 2

# 2. The meter again, by a click on the surface; caption and colour in the inspector.
on_form 40 40
wait_for selection Meter1 "the meter clicked"
set_value Caption "Pressure"
wait_for status "" "the caption taken"
wait_for value "Pressure" "the caption shown"
set_value Color "clRed"
wait_for status "" "the colour taken"
wait_for modified 1

# 3. Save.
at save.rect
wait_for modified 0 "saved"
[ -f "$saved" ] || fail "no $saved"
grep -q "object Meter1: TMeter" "$saved" || fail "no meter in the saved form"
grep -q "object ReportListView1: TReportListView" "$saved" || fail "no report list in the saved form"
grep -q "Caption = 'Pressure'" "$saved" || fail "the caption was not saved"
grep -q "Color = clRed" "$saved" || fail "the colour was not saved"

wait_for recent "$saved" "the saved file first among the recent files"
[ "$(head -1 "$XDG_CONFIG_HOME/zyn-designer/recent-files" 2>/dev/null)" = "$saved" ] \
    || fail "the recent-files list does not start with $saved"

# 4. Preview: the form runs in a window of its own.
at preview.rect
wait_for preview Form1 "the preview shown"
timeout 10 xdotool search --sync --name "(preview)" >/dev/null || fail "no preview window"

# 5. The saved file opens again (headless) and saves the same text.
cp "$saved" "$out/reopened.dfm"
ZYN_BACKEND=headless "$designer" --png "$out/reopened.png" "$out/reopened.dfm" >>"$out/designer.log" 2>&1 \
    || fail "the saved form does not open"

# 6. The gallery's form loader reads the file to the same state: the text it writes back
# is the file, and the meter's caption and colour are there.
if [ -n "$gallery" ]; then
    gstate=$out/gallery-state.txt
    rm -f "$gstate"
    ZYN_BACKEND=headless "$gallery" --form "$saved" --png "$out/gallery" --dump-state "$gstate" \
        >"$out/gallery.log" 2>&1 || { cat "$out/gallery.log"; fail "the gallery does not load the saved form"; }
    gvalue() { sed -n "s/^$1=//p" "$gstate"; }
    [ "$(gvalue gallery.page)" = form ] || fail "the gallery shows page \"$(gvalue gallery.page)\", not the form"
    [ "$(gvalue form.Meter1)" = TMeter ] || fail "no meter in the gallery's form"
    [ "$(gvalue form.ReportListView1)" = TReportListView ] || fail "no report list in the gallery's form"
    [ "$(gvalue form.Meter1.Caption)" = Pressure ] || fail "the gallery's meter is captioned \"$(gvalue form.Meter1.Caption)\""
    [ "$(gvalue form.Meter1.Color)" = clRed ] || fail "the gallery's meter is coloured \"$(gvalue form.Meter1.Color)\""
    python3 - "$saved" "$gstate" <<'PY' || fail "the gallery's form writes back other text than the file"
import sys
saved = open(sys.argv[1], encoding="utf-8").read()
value = next(l[len("form.text="):] for l in open(sys.argv[2], encoding="utf-8").read().split("\n")
             if l.startswith("form.text="))
text = value.replace("\\\\", "\0").replace("\\n", "\n").replace("\\r", "\r").replace("\0", "\\")
sys.exit(0 if text == saved else 1)
PY
    [ -s "$out/gallery/form.png" ] || fail "no picture of the gallery's form page"
fi
echo "designer window test passed"
