#!/bin/sh
# The real program read as a screen reader reads it: on a virtual X display, with a session
# bus and an accessibility bus of its own, accessibility_tree.py walks the program's AT-SPI
# tree on a faked clock, prints it and checks the month table, the named controls and the
# focused day after a key. Skipped (77) when one of the tools is missing.
# Usage: accessibility_tree.sh PATH_TO_DOVRIN
set -u

program=${1:?usage: accessibility_tree.sh PATH_TO_DOVRIN}
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's own interpreter, which has pyatspi; another python3 may come first on PATH.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

. "$(dirname "$0")/x_display.sh"
if [ -z "${DOVRIN_ACCESSIBILITY_BUS:-}" ]; then
    require_tools Xvfb xdotool xwininfo faketime dbus-run-session dbus-send
    [ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
    "$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    # Again inside a session bus of its own, which ends with the run.
    DOVRIN_ACCESSIBILITY_BUS=1 exec timeout 100 dbus-run-session -- sh "$0" "$program"
fi

here=$(cd "$(dirname "$0")" && pwd)
launcher_pid=
stop_all() {
    end_run
    [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null && wait "$launcher_pid" 2>/dev/null
}
trap stop_all EXIT
trap 'exit 1' INT TERM
start_display

start_accessibility_bus

# The user's files in a private home, for the days the test adds.
use_private_home
start_accessible_program

timeout 60 "$python" "$here/accessibility_tree.py"
