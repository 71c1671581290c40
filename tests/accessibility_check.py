#!/usr/bin/python3
"""Reads the running window through AT-SPI, as a screen reader does: the window opens in
the middle of the screen, every control of the main window and the roster table has a
name, the table reports its rows, columns and cell texts, three foals chosen there and
compared are read column by column with the best of each row marked, focusing the table before any
row is current leaves the program running, and the language chosen through the bridge
renames the boxes at once.
Usage: accessibility_check.py PID ROSTER (the program, started with the bridge on, and
foalix-dump's table of the slot it opens with)."""
import os
import subprocess
import sys
import time

import pyatspi

pid = int(sys.argv[1])
with open(sys.argv[2], encoding="utf-8") as dump:
    # The dump's header and rows, its last line (the total) left out; "賢　" splits to "賢".
    header, *rows = [line.split() for line in dump.read().splitlines()[:-1]]
expected = [dict(zip(header, row)) for row in rows]
plain = [dict(foal) for foal in expected]


def mark_best(foals, caption, scores=False):
    """A graded column's best letter, where its foals differ, is heard as "A, best"; with
    `scores`, the best score too (the comparison marks it, the roster table does not)."""
    letters = [foal[caption] for foal in foals]
    if scores and caption == "評分" and len(set(letters)) > 1:
        best = max(letters, key=int)
    elif set(letters) <= set("SABCD") and len(set(letters)) > 1:
        best = max(letters, key="DCBAS".index)
    else:
        return
    for foal in foals:
        foal[caption] += ", best" if foal[caption] == best else ""


# The best of the roster marked; the last columns say whether the foal is starred and what
# the player noted (none is in this history).
for caption in header[2:]:
    mark_best(expected, caption)
for foal in expected:
    foal["★"] = "not starred"
    foal["備註"] = "no note"
failures = []


def wait_for(find, what, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}")


def app():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.get_process_id() == pid:
            return candidate
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def frame(title):
    return lambda: next((w for w in app() or [] if w.name.startswith(title)), None)


def named(root, name):
    return next((node for node in walk(root) if node.name == name), None)


def press(root, role, name):
    control = wait_for(lambda: find(root, role, name), name)
    action = control.queryAction()
    action.doAction(0)


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: {got!r}, expected {wanted!r}")


main = wait_for(frame("Foalix for RK5"), "the main window")
# The window opens in the middle of the 1024 × 768 screen.
box = main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
off_centre = abs(box.x + box.width // 2 - 512) + abs(box.y + box.height // 2 - 384)
if off_centre > 40:
    failures.append(f"the window opens {off_centre} pixels from the middle of the screen")
press(main, pyatspi.ROLE_PUSH_BUTTON, "實行")
press(main, pyatspi.ROLE_MENU_ITEM, "Roster Table")
table_window = wait_for(frame("Roster Table"), "the roster table")

# Every control that takes the focus, and every text box, has a name. Each window is read
# once: every call is a round trip to the program.
nodes = [
    (node.getRole(), node.getRoleName(), node.name, node.description, node.getState())
    for window in (main, table_window)
    for node in walk(window)
]
for role, role_name, name, _, states in nodes:
    readable = states.contains(pyatspi.STATE_FOCUSABLE) or role in (
        pyatspi.ROLE_TEXT,
        pyatspi.ROLE_ENTRY,
    )
    if readable and role != pyatspi.ROLE_TABLE_CELL and not name:
        failures.append(f"a {role_name} has no name")
descriptions = {}  # the main window's first: the table's headers bear the same names
for _, _, name, description, _ in nodes:
    descriptions.setdefault(name, description)
for name in ("ＳＰ", "賢", "素質", "共有", "馬名", "Filter by name or values", "Clear filter"):
    if name not in descriptions:
        failures.append(f"no control named {name}")
if "A best" not in descriptions.get("ＳＰ", ""):
    failures.append("the box ＳＰ does not say what its letters mean")

grid = wait_for(lambda: find(table_window, pyatspi.ROLE_TABLE, "Roster Table"), "the table")
table = grid.queryTable()
expect("columns", table.nColumns, len(header) + 2)
captions = [table.getColumnDescription(column).strip() for column in range(table.nColumns)]
shown = [
    {captions[column]: table.getAccessibleAt(row, column).name for column in range(table.nColumns)}
    for row in range(table.nRows)
]
expect("the rows", shown, expected)

# Focused with no row current: filtered to none, then clicked. A screen reader asks the
# table which cell has the focus.
find(table_window, pyatspi.ROLE_TEXT, "Filter by name or values").queryEditableText().setTextContents("#")
wait_for(lambda: table.nRows == 0 or None, "the filter")
box = grid.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                "click", "1"], check=True)
wait_for(lambda: grid.getState().contains(pyatspi.STATE_FOCUSED) or None, "the table's focus")
# The program answers in order: an answer after the focus means the focus was handled.
expect("rows selected", table.nSelectedRows, 0)
try:
    os.kill(pid, 0)
    expect("the program after focusing the table", app() is not None, True)
except ProcessLookupError:
    failures.append("the program ended when the table took the focus")

# The first three foals chosen in the table and compared: a column each, a row per value,
# the best of the three marked; the chart says the table is its text.
find(table_window, pyatspi.ROLE_TEXT, "Filter by name or values").queryEditableText().setTextContents("")
wait_for(lambda: table.nRows == len(expected) or None, "the filter cleared")
for row in range(3):
    table.addRowSelection(row)
press(main, pyatspi.ROLE_MENU_ITEM, "Compare Foals")
compare_window = wait_for(frame("Compare Foals"), "the compare window")
grid_compared = wait_for(lambda: find(compare_window, pyatspi.ROLE_TABLE, "Compared foals"),
                         "the compared foals")
compared = grid_compared.queryTable()
chosen = plain[:3]
for caption in header[2:]:
    mark_best(chosen, caption, scores=True)
expect("the compared foals' names",
       [compared.getColumnDescription(column) for column in range(compared.nColumns)],
       [foal["馬名"] for foal in chosen])
expect("the compared values",
       {compared.getRowDescription(row).strip():
        [compared.getAccessibleAt(row, column).name for column in range(compared.nColumns)]
        for row in range(compared.nRows)},
       {caption: [foal[caption] for foal in chosen] for caption in header[2:]})
chart = named(compare_window, "Chart of the graded values")
expect("the chart's description", chart and chart.description,
       "The same values as the table beside it, which a screen reader reads in its place")

# The stable at a glance: each bar heard as its field, its value and how many of the foals
# listed hold it, counted from the dump's rows; pressing one filters the table.
press(main, pyatspi.ROLE_MENU_ITEM, "Stable Overview")
overview = wait_for(frame("Stable Overview"), "the stable overview")
turf = sum(1 for foal in plain if foal["芝適"] == "A")
bar = wait_for(lambda: named(overview, f"芝適 A: {turf} of {len(plain)}"), "the turf's bar")
expect("the bar's role", bar.getRoleName(), "push button")
bar.queryAction().doAction(0)
wait_for(lambda: table.nRows == turf or None, "the table filtered by the bar")

# The language switched through the bridge, as a player who reads it would: the boxes'
# names and meanings follow at once.
press(main, pyatspi.ROLE_MENU_ITEM, "日本語")
speed = wait_for(lambda: find(main, pyatspi.ROLE_TEXT, "スピード"), "the Japanese captions")
expect("ＳＰ's meaning in Japanese", speed.description, "スピード — A B C D、A が最良")

for failure in failures:
    print(failure, file=sys.stderr)
sys.exit(1 if failures else 0)
