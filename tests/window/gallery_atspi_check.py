#!/usr/bin/env python3
"""What a screen reader reads of the gallery, over the desktop accessibility service.

usage: gallery_atspi_check.py GALLERY OUTPUT_DIR WINDOW_ID_FINDER

Runs inside a session with an X server and the accessibility bus (gallery_atspi_test.sh
starts them). Starts the gallery on four pages in turn with ZYN_ACCESSIBILITY=1, finds
its application and frame in the service's tree and reads: the report list's table (rows,
columns, a header's name, a cell's text, a cell's position and table, and the cell found
again by asking for the object under its middle, from the frame down); the instruments'
meter and progress bar values and a value change told as an event; on the switches page
an on/off button pressed through its action (its new state), after a Tab key the focus
event naming the control that took the focus, and another control given the focus
through the service; on the folder tree page a folder opened through its action, whose
placeholder child is told removed. Each time the gallery must end cleanly on SIGTERM.
Exits 1 with a message on the first thing that is not as it should be.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

gallery, out = sys.argv[1], sys.argv[2]
proc = None
events = []


def fail(message):
    print("FAILED: " + message)
    if proc is not None:
        proc.kill()
    sys.exit(1)


def pump(seconds):
    """Lets the service's events arrive for a while."""
    ctx = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while ctx.iteration(False):
            pass
        time.sleep(0.01)


def poll(what, test, seconds=5.0):
    end = time.time() + seconds
    while time.time() < end:
        pump(0.02)
        try:
            value = test()
        except Exception:  # the tree changes under us while the page is built
            value = None
        if value:
            return value
        if proc is not None and proc.poll() is not None:
            fail("the gallery ended early while waiting for " + what)
    fail("no " + what + " within %.0f s" % seconds)


def walk_states(node, depth=0):
    """The shown objects below node (itself included) with their states, parents first."""
    if node is None or depth > 30:
        return
    state = node.getState()
    # The other pages are there but hidden: only what is shown is read.
    if depth > 0 and not state.contains(pyatspi.STATE_SHOWING):
        return
    yield node, state
    # A table's cells are made on demand; the tree below it is read through its table.
    if state.contains(pyatspi.STATE_MANAGES_DESCENDANTS) or node.childCount > 1000:
        return
    for i in range(node.childCount):
        yield from walk_states(node.getChildAtIndex(i), depth + 1)


def walk(node):
    return (n for n, _ in walk_states(node))


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def start(page):
    global proc
    log = open(os.path.join(out, "atspi-%s.log" % page), "w")
    env = dict(os.environ, ZYN_BACKEND="sdl", ZYN_ACCESSIBILITY="1")
    proc = subprocess.Popen([gallery, "--page", page], env=env, stdout=log, stderr=log)

    def app():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.get_process_id() == proc.pid:
                return a
        return None

    application = poll("application of the gallery on the bus", app, 10)
    if application.get_toolkit_name() != "zyn":
        fail("toolkit is " + repr(application.get_toolkit_name()))
    frame = poll("frame", lambda: find(application, pyatspi.ROLE_FRAME))
    if "Component Gallery" not in frame.name:
        fail("the frame is named " + repr(frame.name))
    return frame


def stop():
    global proc
    proc.terminate()
    try:
        rc = proc.wait(5)
    except subprocess.TimeoutExpired:
        fail("the gallery did not end on SIGTERM")
    proc = None
    # The bridge leaves the service at exit while the service still holds its objects.
    if rc != 0:
        fail("the gallery ended with %s on SIGTERM" % ("signal %d" % -rc if rc < 0 else "status %d" % rc))


def record(event):
    try:
        name = event.source.name if event.source else ""
    except GLib.GError:  # told by a gallery that has ended since
        return
    events.append((event.type, name, event.detail1))


pyatspi.Registry.registerEventListener(
    record, "object:property-change:accessible-value", "object:value-changed",
    "object:state-changed:focused", "object:children-changed")

# ---- the report list: its table, a header and a cell
frame = start("report-list")
table = poll("table", lambda: find(frame, pyatspi.ROLE_TABLE, "Sample list"))
t = table.queryTable()
if t.nRows != 100000:
    fail("the report list has %d rows, not 100000" % t.nRows)
if t.nColumns < 3:
    fail("the report list has only %d columns" % t.nColumns)


def cell_text(row, column):
    cell = t.getAccessibleAt(row, column)
    if cell is None or cell.getRole() != pyatspi.ROLE_TABLE_CELL:
        fail("no table cell at row %d, column %d" % (row, column))
    try:
        return cell.queryText().getText(0, -1)
    except NotImplementedError:
        return cell.name


texts = [cell_text(0, c) for c in range(t.nColumns)]
if "A-000001" not in texts:
    fail("no cell of the first row reads the first order: %r" % texts)
column = texts.index("A-000001")
header = t.getColumnHeader(column)
if header is None or not header.name:
    fail("the order column has no header name")
text = texts[column]
print("table: %d x %d, header %r, cell %r" % (t.nRows, t.nColumns, header.name, text))

# A cell knows where it stands and its table.
cell = t.getAccessibleAt(2, column)
tc = cell.queryTableCell()
position = tuple(tc.position)[-2:]
if position != (2, column):
    fail("the cell at row 2, column %d says it stands at %r" % (column, position))
if tc.table is None or tc.table.getRole() != pyatspi.ROLE_TABLE or tc.table.name != table.name:
    fail("the cell's table is %r" % tc.table)

# The object under the cell's middle, asked from the frame down, is that cell.
box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = box.x + box.width // 2, box.y + box.height // 2
node, path = frame, []
for _ in range(20):
    child = node.queryComponent().getAccessibleAtPoint(x, y, pyatspi.DESKTOP_COORDS)
    if child is None:
        break
    node = child
    path.append(pyatspi.Accessible.getRoleName(node))
if node.getRole() != pyatspi.ROLE_TABLE_CELL or tuple(node.queryTableCell().position)[-2:] != (2, column):
    fail("the object at (%d, %d) is %r (through %r), not the cell at row 2" % (x, y, node, path))
print("cell at row 2: %r at %r, found at (%d, %d) through %s" % (cell.name, position, x, y, " > ".join(path)))
stop()

# ---- the instruments: meter and progress bar values, a change told as an event
frame = start("instruments")
meter = poll("meter", lambda: find(frame, pyatspi.ROLE_DIAL) or find(frame, pyatspi.ROLE_SLIDER))
bar = poll("progress bar", lambda: find(frame, pyatspi.ROLE_PROGRESS_BAR, "Pressure"))
mv, bv = meter.queryValue(), bar.queryValue()
if not (mv.minimumValue <= mv.currentValue <= mv.maximumValue) or mv.maximumValue <= mv.minimumValue:
    fail("meter value %g outside %g..%g" % (mv.currentValue, mv.minimumValue, mv.maximumValue))
if not (bv.minimumValue <= bv.currentValue <= bv.maximumValue) or bv.maximumValue <= bv.minimumValue:
    fail("bar value %g outside %g..%g" % (bv.currentValue, bv.minimumValue, bv.maximumValue))
first = mv.currentValue
del events[:]
# The page's timer moves the meters every half second.
poll("value-changed event of the meter",
     lambda: any(e[1] == meter.name and "value" in e[0] for e in events), 4)
poll("new meter value", lambda: meter.queryValue().currentValue != first, 2)
print("meter %r %g -> %g, bar %r %g" % (meter.name, first, meter.queryValue().currentValue,
                                         bar.name, bv.currentValue))
stop()

# ---- the switches: an on/off button's action, then the focus moved by Tab
frame = start("switches")
button = poll("toggle button", lambda: find(frame, pyatspi.ROLE_TOGGLE_BUTTON))
action = button.queryAction()
names = [action.getName(i) for i in range(action.nActions)]
index = next((i for i, n in enumerate(names) if n in ("toggle", "press")), None)
if index is None:
    fail("the on/off button offers no toggle or press action: %r" % names)
before = button.getState().contains(pyatspi.STATE_CHECKED)
if not action.doAction(index):
    fail("the on/off button refused its action")
poll("new state of the on/off button",
     lambda: button.getState().contains(pyatspi.STATE_CHECKED) != before, 3)
print("on/off button %r: checked %s -> %s" % (button.name, before, not before))

del events[:]
wid = subprocess.run(["xdotool", "search", "--sync", "--name", "Component Gallery"],
                     capture_output=True, text=True, timeout=10).stdout.split()
if not wid:
    fail("no gallery window for the keys")
subprocess.run(["xdotool", "mousemove", "--window", wid[0], "5", "5"], check=True)
subprocess.run(["xdotool", "key", "Tab"], check=True)
got = poll("focus event after Tab", lambda: [e for e in events if e[0].endswith("focused") and e[2] == 1], 4)
name = got[-1][1]
if not name:
    fail("the focus event names no control")
shown = list(walk_states(frame))
focused = [n for n, st in shown if st.contains(pyatspi.STATE_FOCUSED)]
if not any(n.name == name for n in focused):
    fail("the focus event names %r, but the focused controls are %r" % (name, [n.name for n in focused]))
print("focus after Tab: %r" % name)

# The focus given to another control through the service.
others = [n for n, st in shown if st.contains(pyatspi.STATE_FOCUSABLE) and st.contains(pyatspi.STATE_ENABLED)
          and not st.contains(pyatspi.STATE_FOCUSED) and n.getRole() == pyatspi.ROLE_TOGGLE_BUTTON
          and n.name and n.name != name]
if not others:
    fail("no other focusable on/off button")
target = others[-1]
del events[:]
if not target.queryComponent().grabFocus():
    fail("%r refused the focus" % target.name)
poll("focus event of %r" % target.name,
     lambda: any(e[0].endswith("focused") and e[2] == 1 and e[1] == target.name for e in events), 3)
if not target.getState().contains(pyatspi.STATE_FOCUSED):
    fail("%r is not focused after grabFocus" % target.name)
print("focus given to %r" % target.name)
stop()

# ---- the folder tree: a folder opened through its action loses its placeholder
frame = start("folder-tree")
tree = poll("folder tree", lambda: find(frame, pyatspi.ROLE_TREE, "Folders"))


def closed_folder():
    for n in walk(tree):
        st = n.getState()
        if n.getRole() == pyatspi.ROLE_TREE_ITEM and n.name == "Music" and st.contains(pyatspi.STATE_EXPANDABLE) \
                and not st.contains(pyatspi.STATE_EXPANDED) and n.childCount > 0:
            return n
    return None


folder = poll("closed folder Music", closed_folder)
placeholder = folder.getChildAtIndex(0)
action = folder.queryAction()
names = [action.getName(i) for i in range(action.nActions)]
if "expand" not in names:
    fail("the closed folder offers no expand action: %r" % names)
del events[:]
if not action.doAction(names.index("expand")):
    fail("the folder refused to open")
got = poll("children-changed:remove of Music",
           lambda: [e for e in events if e[0] == "object:children-changed:remove" and e[1] == "Music"], 3)
poll("the opened folder's subfolders",
     lambda: sorted(folder.getChildAtIndex(i).name for i in range(folder.childCount)) == ["Albums", "Playlists"], 2)
print("opened %r: the placeholder was told removed, subfolders %r" %
      (folder.name, [folder.getChildAtIndex(i).name for i in range(folder.childCount)]))
stop()
print("gallery accessibility test passed")
