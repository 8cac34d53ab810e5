#!/usr/bin/env bash
# The table editor and the X11 clipboard of a real X server, looked at from outside with
# xclip.
#
# usage: clipboard_window_test.sh APP HTML_FIXTURE OUTPUT_DIR [GALLERY|-] [RACE_PROGRAM|-]
#
# Starts Xvfb on a free display and the table editor program with the SDL backend; selects
# a 2 x 2 block with the mouse and Shift+arrows and copies it with Ctrl+C; xclip must then
# list text/plain, text/csv and text/html among the clipboard's TARGETS and read the block
# back in each. Then xclip offers an HTML table as a spreadsheet would, and Ctrl+V on a cell
# pastes it there. Outcomes are read from the state file the program keeps. With the
# gallery given, the same is done in its report list: Ctrl+C there offers the three forms, an
# HTML table from xclip pastes into the editable column (and Ctrl+Z takes it back), read
# back through the gallery's --dump-state. With the race program given, it checks that an
# offer made just after another program took the selection is the one everybody reads.
# Exits 77 (skipped) only when no X server can be started.
set -u

app=$1
fixture=$2
out=$3
gallery=${4:--}
race=${5:--}
mkdir -p "$out"
state=$out/clipboard-state.txt
rm -f "$state"
cpid=""
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xserver.sh"
app_pid=""

on_failure() {
    echo "---- state file"; cat "$state" 2>/dev/null
    echo "---- program output"; cat "$out/clipboard-app.log" 2>/dev/null
}
cleanup() {
    [ -n "$cpid" ] && kill "$cpid" 2>/dev/null
    stop_process "$app_pid"
    stop_xserver
    wait 2>/dev/null
}
trap cleanup EXIT
# Ends the program under test and waits for it.
stop_app() {
    stop_process "$app_pid"
    [ -n "$app_pid" ] && wait "$app_pid" 2>/dev/null
    app_pid=""
}

needs xdotool xclip
start_xserver 800x600x24

click_cell() {
    read -r x y w h <<<"$(value "rect.$1.$2")"
    [ -n "${h:-}" ] || fail "no rectangle for cell $1 $2"
    xdotool mousemove --window "$wid" $((x + w / 2)) $((y + h / 2)) click 1
}
# clip TARGET: what the clipboard gives for TARGET, with its line ends kept visible.
clip() { timeout 5 xclip -selection clipboard -t "$1" -o 2>/dev/null | od -An -c | tr -s ' \n' ' '; }
# expect_targets WHAT: the clipboard's TARGETS list text/plain, text/csv and text/html (polled
# until the offer is there).
expect_targets() {
    local targets="" t
    for _ in $(seq 1 40); do
        targets=$(timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null)
        grep -qx "text/html" <<<"$targets" && break
        sleep 0.05
    done
    for t in text/plain text/csv text/html; do
        grep -qx "$t" <<<"$targets" || fail "$1 should list $t but is: $(tr '\n' ' ' <<<"$targets")"
    done
}
expect_clip() {
    local want got
    want=$(printf '%b' "$2" | od -An -c | tr -s ' \n' ' ')
    for _ in $(seq 1 40); do
        got=$(clip "$1")
        [ "$got" = "$want" ] && return 0
        sleep 0.05
    done
    fail "the clipboard's $1 should be [$want] but is [$got]"
}

ZYN_BACKEND=sdl "$app" "$state" >"$out/clipboard-app.log" 2>&1 &
app_pid=$!
wid=$(timeout 10 xdotool search --sync --name "NTabEd clipboard" | head -1)
[ -n "$wid" ] || fail "the window did not appear"
wait_for ready 1 "the program"

# 1. Cells (1,1)..(2,2) selected and copied with Ctrl+C.
click_cell 1 1
xdotool key shift+Right shift+Down ctrl+c
expect_targets "TARGETS"
expect_clip text/plain ' 1.50\t-2.00\r\n 1000.00\t0.25\r\n'
expect_clip UTF8_STRING ' 1.50\t-2.00\r\n 1000.00\t0.25\r\n'
expect_clip text/csv '1.50,-2.00\r\n1000.00,0.25\r\n'
html=$(timeout 5 xclip -selection clipboard -t text/html -o 2>/dev/null)
for cell in 1.50 -2.00 1000.00 0.25; do
    grep -q "<td align=\"right\" style=\"text-align:right\">$cell</td>" <<<"$html" \
        || fail "the HTML should hold the right-aligned cell $cell: $html"
done

# 2. A spreadsheet's HTML table from xclip, pasted with Ctrl+V at cell (2,2).
xclip -quiet -selection clipboard -t text/html -i "$fixture" >/dev/null 2>&1 &
cpid=$!
for _ in $(seq 1 40); do
    timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx text/html && \
        ! timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx text/csv && break
    sleep 0.05
done
click_cell 2 2
xdotool key ctrl+v
wait_for cell.2.2 "12.5 0" "the pasted 12,5"
wait_for cell.3.2 "-3 0" "the pasted -3"
wait_for cell.2.3 "0 1" "the pasted text (no number)"
wait_for cell.3.3 "4000 0" "the pasted 4e3"
wait_for cell.1.1 "1.5 0" "a cell outside the paste"
stop_app
[ -n "$cpid" ] && kill "$cpid" 2>/dev/null
cpid=""

# 3. The report list of the gallery: Ctrl+C on a selected row offers the three forms, and
#    a spreadsheet's HTML table pastes into the editable customer column only.
if [ "$gallery" != "-" ]; then
    state=$out/clipboard-gallery-state.txt
    rm -f "$state"
    R=report-list
    ZYN_BACKEND=sdl SDL_VIDEODRIVER=x11 "$gallery" --page report-list --dump-state "$state" \
        >"$out/clipboard-app.log" 2>&1 &
    app_pid=$!
    wid=$(timeout 20 xdotool search --sync --name "Component Gallery" | head -1)
    [ -n "$wid" ] || fail "the gallery window did not appear"
    wait_for gallery.page report-list "the report list page"
    wait_for $R.row1 "Kofi H.|Lyon|1655.16" "the first row before the paste"
    read -r x y w h <<<"$(value $R.cell.rect)"
    [ -n "${h:-}" ] || fail "no rectangle for the first row's customer cell"
    xdotool mousemove --window "$wid" $((x + w / 2)) $((y + h / 2)) click 1
    sleep 0.2
    xdotool key ctrl+c
    expect_targets "the list's TARGETS"
    expect_clip text/plain 'paid\tA-000001\tKofi H.\tLyon\t1655.16\tlead\t******\n'
    expect_clip text/csv 'paid,A-000001,Kofi H.,Lyon,1655.16,lead,******\r\n'
    html=$(timeout 5 xclip -selection clipboard -t text/html -o 2>/dev/null)
    grep -q '<td align="right" style="text-align:right">1655.16</td>' <<<"$html" \
        || fail "the list's HTML should hold the right-aligned amount: $html"

    xclip -quiet -selection clipboard -t text/html -i "$(dirname "$fixture")/report-list-block.html" >/dev/null 2>&1 &
    cpid=$!
    for _ in $(seq 1 40); do
        timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx text/html && \
            ! timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx text/csv && break
        sleep 0.05
    done
    xdotool key ctrl+v
    wait_for $R.row1 "Fish & Chips Ltd|Lyon|1655.16" "the first row after the paste"
    wait_for $R.row2 "Second <row>|Oslo|152.63" "the second row after the paste"
    xdotool key ctrl+z
    wait_for $R.row1 "Kofi H.|Lyon|1655.16" "the first row after Ctrl+Z"
    wait_for $R.row2 "Fatima O.|Oslo|152.63" "the second row after Ctrl+Z"
    stop_app
    [ -n "$cpid" ] && kill "$cpid" 2>/dev/null
    cpid=""
fi

# 4. Another program takes the selection just before this one offers new data.
if [ "$race" != "-" ]; then
    timeout 30 "$race" 30 >"$out/clipboard-race.log" 2>&1 || {
        cat "$out/clipboard-race.log"
        fail "an offer made just after another program took the selection was lost"
    }
fi
echo "PASSED"
