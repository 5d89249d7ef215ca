#!/usr/bin/python3
"""Reads the running program through AT-SPI as a screen reader does, prints the tree it
read and checks it: the month as a table of named days, the named controls, the title read
once, and the focused day and its focus event after a Right key. The program runs on
2026-02-16. Exits 1 when a check fails."""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

EVE = "2026年2月16日 星期一，农历十二月廿九，除夕，休（春节）"
NEW_YEAR = "2026年2月17日 星期二，农历一月初一，春节，休（春节）"
MARCH_FIRST = "2026年3月1日 星期日，农历一月十三"
BUTTONS = ["上一年", "上一月", "下一月", "下一年", "转到今天"]
WEEKDAYS = ["星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"]

failures = 0


def check(what, expected, actual):
    global failures
    if expected == actual:
        print(f"ok: {what}")
    else:
        print(f"FAIL: {what}: expected {expected!r}, got {actual!r}")
        failures += 1


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def find(node, role):
    """Every object of that role under node, depth first."""
    found = [node] if node.getRole() == role else []
    for child in children(node):
        found += find(child, role)
    return found


def wait_for(what, read, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = read()
        except GLib.Error:
            value = None
        if value or time.monotonic() > deadline:
            if not value:
                print(f"FAIL: {what} did not appear")
                sys.exit(1)
            return value
        time.sleep(0.1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in children(desktop) if a.name == "dovrin"), None)


def main_window(app):
    return next((w for w in children(app) if w.name.startswith("Dovrin万年历 - ")), None)


def flags(node):
    states = node.getState()
    shown = [n for n, s in (("focused", pyatspi.STATE_FOCUSED), ("selected", pyatspi.STATE_SELECTED))
             if states.contains(s)]
    if node.getRole() == pyatspi.ROLE_TABLE_CELL and not states.contains(pyatspi.STATE_ENABLED):
        shown.append("unavailable")
    return f" [{', '.join(shown)}]" if shown else ""


def dump(node, depth=0):
    """The tree as the checks read it; the font list's entries, which vary by machine, are counted."""
    role = node.getRoleName()
    line = f"{'  ' * depth}{role} {node.name!r}"
    if node.getRole() == pyatspi.ROLE_TABLE:
        table = node.queryTable()
        line += f" {table.nRows} rows x {table.nColumns} columns"
    if node.getRole() == pyatspi.ROLE_TABLE_CELL:
        table, index = node.parent.queryTable(), node.getIndexInParent()
        line += f" ({table.getRowAtIndex(index)},{table.getColumnAtIndex(index)})"
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            line += f" labelled by {relation.getTarget(0).name!r}"
    if node.getRole() == pyatspi.ROLE_TEXT:
        line += f" ({node.queryText().characterCount} characters of text)"
    print(line + flags(node))
    if node.getRole() == pyatspi.ROLE_LIST and depth > 0 and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
        print(f"{'  ' * (depth + 1)}({node.childCount} list items)")
        return
    for child in children(node):
        dump(child, depth + 1)


def focused_cell(table):
    return next((c for c in children(table) if c.getState().contains(pyatspi.STATE_FOCUSED)), None)


app = wait_for("the program on the accessibility bus", application)
window = wait_for("the main window", lambda: main_window(app))
table = wait_for("the month table", lambda: find(window, pyatspi.ROLE_TABLE))[0]
wait_for("the focused day", lambda: focused_cell(table), 5)
dump(app)
print()

grid = table.queryTable()
check("the table's name is its month", "2026年2月", table.name)
check("6 rows of 7 days", (6, 7), (grid.nRows, grid.nColumns))
cells = [grid.getAccessibleAt(r, c) for r in range(6) for c in range(7)]
check("42 table cells", 42, sum(1 for c in cells if c.getRole() == pyatspi.ROLE_TABLE_CELL))
named = [c.name for c in cells if c.name]
check("the 28 days of February named in order", [f"2026年2月{d}日" for d in range(1, 29)],
      [n.split(" ")[0] for n in named])
check("the weekdays head the columns", WEEKDAYS, [grid.getColumnHeader(c).name for c in range(7)])
check("the cell of the 16th reads its whole text", EVE, cells[2 * 7 + 1].name)
check("the focused cell is the selected day", EVE, focused_cell(table).name)

buttons = find(window, pyatspi.ROLE_PUSH_BUTTON)
check("five buttons named as their tooltips", BUTTONS, [b.name for b in buttons])
check("no unnamed image", [], [i.name for i in find(window, pyatspi.ROLE_IMAGE) if not i.name])
title = window.name[len("Dovrin万年历 - ["):-1]
check("the title read once", 1, sum(1 for label in find(window, pyatspi.ROLE_LABEL) if label.name == title))
combo = find(window, pyatspi.ROLE_COMBO_BOX)[0]
labels = [r.getTarget(0).name for r in combo.getRelationSet()
          if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
check("the font list is labelled 字体", ["字体"], labels)
# Both windows are frames named by their titles, which a screen reader reads as the title.
check("both windows are frames with their titles", [(pyatspi.ROLE_FRAME, True), (pyatspi.ROLE_FRAME, True)],
      sorted((w.getRole(), w.name == "日程信息" or w.name.startswith("Dovrin万年历 - ")) for w in children(app)))
texts = [t for t in find(app, pyatspi.ROLE_TEXT) if t.name == "日程信息"]
check("the information text is named 日程信息", 1, len(texts))
if texts:
    text = texts[0].queryText()
    check("its text is readable", True, "2026年2月16日" in text.getText(0, text.characterCount))
    # Each line where it is shown: the lines' tops go down the box and on past its bottom,
    # so that a review of the screen finds only the lines in sight.
    box = texts[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    tops, offset = [], 0
    while offset < text.characterCount and len(tops) < 80:
        _, start, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        tops.append(text.getCharacterExtents(start, pyatspi.DESKTOP_COORDS)[1])
        offset = max(end, offset + 1)
    check("the lines go down the box and past it", (True, True),
          (tops == sorted(tops), tops[-1] > box.y + box.height))

# The focus events a screen reader hears: one for the new day, none for a redraw of the same.
def run_for(seconds, done=lambda: False):
    """Lets the events come in for that long, or until done() holds."""
    loop = GLib.MainLoop()
    deadline = time.monotonic() + seconds

    def tick():
        if time.monotonic() < deadline and not done():
            return True
        loop.quit()
        return False

    GLib.timeout_add(50, tick)
    loop.run()


heard = []
listener = Atspi.EventListener.new(lambda event: heard.append(event.source.name) if event.detail1 else None)
listener.register("object:state-changed:focused")
run_for(3)  # the program learns that someone listens
subprocess.run(["xdotool", "key", "Right"], check=False)
run_for(10, lambda: heard)
run_for(1)  # a second event would have come by now
check("one focus event for the new day after Right", [NEW_YEAR], heard)
heard.clear()
subprocess.run(["xdotool", "key", "F5"], check=False)
run_for(2)
check("no focus event for a redraw of the same day", [], heard)
listener.deregister("object:state-changed:focused")

check("the focused cell's name after Right", NEW_YEAR,
      wait_for("the next focused day", lambda: (focused_cell(table) or table).name == NEW_YEAR and NEW_YEAR, 5))

# Another month: the table is renamed and its cells are March's.
subprocess.run(["xdotool", "key", "Next"], check=False)
check("the table names the next month after Page Down", "2026年3月",
      wait_for("the next month", lambda: table.name == "2026年3月" and table.name, 5))
check("the focused cell is the 1st of March", MARCH_FIRST, (focused_cell(table) or table).name)

# The day's menu and its dialog from the keyboard: every control named by its label, and
# Tab through them in the order they stand.
subprocess.run(["xdotool", "key", "shift+F10"], check=False)
time.sleep(0.5)
subprocess.run(["xdotool", "key", "Return"], check=False)
dialog = wait_for("the dialog", lambda: next((w for w in children(app) if w.name == "添加我的日子"), None))


def label_of(node):
    """What a screen reader reads as the control's label: the label it is labelled by, else its name."""
    labels = [r.getTarget(0).name for r in node.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    return labels[0] if labels else node.name


showing = [n for n in find(dialog, pyatspi.ROLE_TEXT) + find(dialog, pyatspi.ROLE_COMBO_BOX)
           + find(dialog, pyatspi.ROLE_CHECK_BOX) if n.getState().contains(pyatspi.STATE_SHOWING)]
check("the dialog's fields labelled",
      sorted(["标题：", "每年重复：", "月：", "日：", "闰月", "起始年份：", "类别：", "有闰正月的年份：", "提前几天提醒："]),
      sorted(label_of(n) for n in showing))
focused = []
tabbing = Atspi.EventListener.new(lambda event: focused.append(label_of(event.source)) if event.detail1 else None)
tabbing.register("object:state-changed:focused")
for _ in range(10):
    subprocess.run(["xdotool", "key", "Tab"], check=False)
    run_for(0.4)
tabbing.deregister("object:state-changed:focused")
check("Tab goes through the fields, the dates and the buttons",
      ["每年重复：", "月：", "日：", "闰月", "起始年份：", "类别：", "有闰正月的年份：", "提前几天提醒：",
       "接下来的日期：", "保存"], focused)
check("the dates read with their label", ["接下来的日期：2026年3月1日（农历正月十三）"],
      [n.name.split("\n")[0] for n in find(dialog, pyatspi.ROLE_LABEL) if n.name.startswith("接下来的日期：2")])
subprocess.run(["xdotool", "key"] + ["shift+Tab"] * 10, check=False)
subprocess.run(["xdotool", "type", "--delay", "30", "元宵节前"], check=False)
subprocess.run(["xdotool", "key", "Return"], check=False)
texts = [t for t in find(app, pyatspi.ROLE_TEXT) if t.name == "日程信息"]
day_text = lambda: texts[0].queryText().getText(0, texts[0].queryText().characterCount)
check("the saved day in the day text", True,
      wait_for("the day in the day text", lambda: "我的日子：元宵节前" in day_text(), 5))

if failures:
    print(f"{failures} check(s) failed")
    sys.exit(1)
print("all checks passed")
