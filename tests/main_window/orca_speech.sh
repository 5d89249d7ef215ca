#!/bin/sh
# The real program heard through Orca at its default settings: on a virtual X display, with
# its own session and accessibility buses and a speech-dispatcher whose only voice writes
# each utterance to a file, the keys of a blind user's round are pressed and the words Orca
# speaks after each one are checked: the new day or control named once, within a second.
# Skipped (77) when one of the tools is missing.
# Usage: orca_speech.sh PATH_TO_DOVRIN [DIRECTORY_TO_KEEP_THE_WORDS_IN]
set -u

program=${1:?usage: orca_speech.sh PATH_TO_DOVRIN [DIRECTORY]}
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3
[ -x "$python" ] || python=python3

. "$(dirname "$0")/x_display.sh"
if [ -z "${DOVRIN_ORCA_BUS:-}" ]; then
    require_tools Xvfb xdotool xwininfo faketime dbus-run-session dbus-send orca speech-dispatcher
    [ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
    [ -x /usr/lib/speech-dispatcher-modules/sd_generic ] ||
        { echo "SKIP: speech-dispatcher's generic module is not installed"; exit 77; }
    DOVRIN_ORCA_BUS=1 exec timeout 400 dbus-run-session -- sh "$0" "$@"
fi

work=$(mktemp -d)
out=${2:-$work/words}
mkdir -p "$out"
launcher_pid=
speech_pid=
orca_pid=
stop_all() {
    end_run
    for pid in $orca_pid $speech_pid $launcher_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 1' INT TERM
start_display
use_private_home

start_accessibility_bus

# A voice that speaks into a file: each utterance one line, after the time it was said.
mkdir -p "$work/speech/modules"
cat > "$work/speech/speechd.conf" <<CONF
LogLevel 2
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "zh"
CONF
cat > "$work/speech/modules/file.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\t%s\\\\n' \\\$(date +%s.%N) \\'\\\$DATA\\' >> $out/spoken"
GenericMaxChunkLength 100000
GenericDelimiters "\\\\x01"
AddVoice "zh" "male1" "zh"
AddVoice "en" "male1" "en"
GenericLanguage "zh" "zh" "utf-8"
GenericLanguage "en" "en" "utf-8"
CONF
: > "$out/spoken"
: > "$out/keys"
speech-dispatcher -C "$work/speech" -S "$work/speech.sock" -c unix_socket -t 0 -s -L "$work" >"$out/speechd.txt" 2>&1 &
speech_pid=$!
export SPEECHD_ADDRESS="unix_socket:$work/speech.sock"
tries=0
until [ -S "$work/speech.sock" ]; do
    tries=$((tries + 1))
    [ "$tries" -gt 300 ] && { echo "FAIL: speech-dispatcher did not start"; exit 1; }
    sleep 0.1
done

# Orca at its default settings: a home of its own with no settings in it.
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    orca --replace --debug-file="$out/orca-debug.txt" >/dev/null 2>&1 &
orca_pid=$!
tries=0
until grep -q 'Screen reader on' "$out/spoken" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -gt 150 ] && { echo "FAIL: Orca did not start"; exit 1; }
    sleep 0.1
done

start_accessible_program
sleep 3  # Orca has read the window and the table

# quiet: waits at least 2 s and until Orca has said nothing new for 0.6 s (at most 4 s), so
# that the next key, whose echo interrupts Orca, does not cut off words still on their way.
quiet() {
    last=-1
    still=0
    steps=0  # tenths of a second
    while [ "$steps" -lt 40 ]; do
        size=$(wc -c < "$out/spoken")
        if [ "$size" = "$last" ]; then still=$((still + 3)); else still=0; fi
        [ "$still" -ge 6 ] && [ "$steps" -ge 20 ] && return
        last=$size
        sleep 0.3
        steps=$((steps + 3))
    done
}

# press NAME KEYS...: the keys, then time for Orca to speak.
press() {
    name=$1
    shift
    printf '%s\t%s\n' "$(date +%s.%N)" "$name" >> "$out/keys"
    xdotool key "$@"
    quiet
}
# switch_to NAME WINDOW: the window given the focus, as a window switch does.
switch_to() {
    printf '%s\t%s\n' "$(date +%s.%N)" "$1" >> "$out/keys"
    xdotool windowfocus "$2"
    quiet
}
press to-today-button shift+Tab shift+Tab
press today-on-today space
press tab-back-to-grid Tab Tab
press right Right
press down Down
press where-am-i KP_Enter
press read-title Insert+KP_Enter
press page-down Next
press to-the-term Right Right Right Right
press back-from-the-term Left Left Left Left
press page-up Prior
press page-up-again Prior
press page-up-into-2025 Prior
press tab-to-button Tab
press space-on-button space
press right-after-button Right
press space-again Tab space
press tab-to-button-again Tab
press print-from-button ctrl+p
press print-tab Tab
press close-print Escape
# Without a window manager nobody gives the focus back to the window below the dialog.
switch_to back-from-print "$main"
press back-to-grid shift+Tab
press tab-into-font-list shift+Tab
press font-down Down
press font-up Up
press open-font-list alt+Down
press close-font-list Escape
info=$(xdotool search --name '^日程信息$' 2>/dev/null | head -n 1)
switch_to information-window "$info"
press info-line-2 Down
press info-line-3 Down
press flat-review-bottom Insert+KP_Page_Up
press flat-review-off Insert+minus
press print-from-info ctrl+p
press close-print-again Escape
switch_to away-to-main "$main"
press alt-on-the-grid Alt_L
switch_to back-to-info "$info"
fc-list :lang=zh family > "$out/fonts" 2>/dev/null

kill "$orca_pid" && wait "$orca_pid" 2>/dev/null
orca_pid=

# Per action, what Orca said up to the next one; the words as speech-dispatcher got them
# (Orca turns the full-width punctuation into its ASCII form). A move of the day names one
# day, not its week; "where am I" (KP_Enter) gives the day, then its column of 7 and row of 6
# in Orca's own words, whose numbers are checked.
"$python" - "$out" <<'CHECK'
import re
import sys

out = sys.argv[1]
keys = [line.rstrip("\n").split("\t", 1) for line in open(f"{out}/keys", encoding="utf-8")]
spoken = [line.rstrip("\n").split("\t", 1) for line in open(f"{out}/spoken", encoding="utf-8") if "\t" in line]
expected = {
    "today-on-today": "已是今天 2026年2月16日",
    "right": "2026年2月17日 星期二,农历一月初一,春节,休(春节)",
    "down": "2026年2月24日 星期二,农历一月初八",
    "where-am-i": "2026年2月24日 星期二,农历一月初八",
    "read-title": "2026年2月24日 星期二  丙午(马)",
    "page-down": "2026年3月1日 星期日,农历一月十三",
    "to-the-term": "2026年3月5日 星期四,农历一月十七,惊蛰",
    "page-up": "2026年2月1日 星期日,农历十二月十四",
    "page-up-again": "2026年1月1日 星期四,农历十一月十三,元旦,休(元旦)",
    "page-up-into-2025": "2025年12月1日 星期一",
    "tab-to-button": "上一年",
    "space-on-button": "2024年12月1日 星期日",
    "right-after-button": "2024年12月2日 星期一",
    "space-again": "2023年12月1日 星期五",
    "tab-to-button-again": "上一年",
    "print-from-button": "打印日历",
    "print-tab": "本月:2023年12月",
    "tab-into-font-list": "字体",
    "information-window": "日程信息 (2023年12月1日)",
    "info-line-3": "年份:",
    # The bottom line in sight lies in the flower's record, the box's height below the
    # heading, not at the end of the text far out of sight.
    "flat-review-bottom": "【花语】",
    "print-from-info": "打印日历",
    "back-to-info": "年份:",
}
# Beside the one expected utterance, words that must be heard somewhere in the step.
also = {
    "to-the-term": "惊蛰 21:58:52(北京时间)",
    "print-from-button": "打印到文件(PDF)",
}
fonts = open(f"{out}/fonts", encoding="utf-8").read()
failures = 0


def fail(message):
    global failures
    print(f"FAIL: {message}")
    failures += 1


def plain(words):
    return words.replace("，", ",").replace("：", ":").replace("（", "(").replace("）", ")")


def font_said(said):
    """The first utterance that names one of the fonts installed."""
    names = (w.strip(". ").removeprefix("notification ") for _, w in said)
    return next((n for n in names if len(n) > 3 and n in fonts), None)


heard_in = {}
with open(f"{out}/heard.txt", "w", encoding="utf-8") as heard:
    for i, (at, name) in enumerate(keys):
        start = float(at)
        end = float(keys[i + 1][0]) if i + 1 < len(keys) else float("inf")
        said = [(float(t) - start, words) for t, words in spoken if start <= float(t) < end]
        heard_in[name] = said
        heard.write(f"{name}:\n" + "".join(f"  +{d:.2f}s {w}\n" for d, w in said))
        days = sum(1 for _, w in said if re.search(r"\d+年\d+月\d+日", w))
        if name in ("right", "down", "page-down", "page-up", "space-on-button", "right-after-button") and days != 1:
            fail(f"{name}: {days} days named; heard {[w for _, w in said]}")
        if name == "where-am-i" and not any(re.search(r"(?<!\d)3\D+7\D+4\D+6(?!\d)", w) for _, w in said):
            fail(f"{name}: no column 3 of 7, row 4 of 6; heard {[w for _, w in said]}")
        if name == "info-line-2" and any("=" in w or "equal" in w or "等号" in w for _, w in said):
            fail(f"{name}: a separator line read as signs: {said}")
        if name.startswith("print-from") and any(re.search(r"\b(Printer|Name|Cancel|Print)\b", w) for _, w in said):
            fail(f"{name}: the print dialog speaks English: {[w for _, w in said]}")
        if name in also and not any(also[name] in plain(w) for _, w in said):
            fail(f"{name}: {also[name]!r} not heard; heard {[w for _, w in said]}")
        want = expected.get(name)
        if want is None:
            continue
        hits = [d for d, w in said if want in plain(w)]
        # Several keys at once, or a dialog opening, take longer than one move.
        limit = 3.0 if name in ("to-the-term", "space-again") or name.startswith("print-from") else 1.0
        if len(hits) == 1 and hits[0] <= limit:
            print(f"ok: {name}: {want!r} said once, {hits[0]:.2f} s after the key")
        else:
            fail(f"{name}: {want!r} said {len(hits)} times {hits}; heard {[w for _, w in said]}")
# The font list: Down names the next font, Up the first again, and the list opens on it.
first = font_said(heard_in.get("tab-into-font-list", []))
following = font_said(heard_in.get("font-down", []))
if not first or not following or following == first:
    fail(f"font-down: no new font named after {first!r}: {heard_in.get('font-down')}")
for name in ("font-up", "open-font-list"):
    if font_said(heard_in.get(name, [])) != first:
        fail(f"{name}: {first!r} not named: {heard_in.get(name)}")

print(open(f"{out}/heard.txt", encoding="utf-8").read())
sys.exit(1 if failures else 0)
CHECK
