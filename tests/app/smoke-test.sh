#!/usr/bin/env bash
# Starts the real program on a virtual X server, waits for its main window, closes it with a
# click on the exit button as a user does, and expects the program to end with exit code 0.
#   smoke-test.sh path/to/ostrameda
set -euo pipefail
program=$1

if [ "${2:-}" != --on-display ]; then
    for tool in xvfb-run xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is missing" >&2; exit 77; }
    done
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" --on-display
fi

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_DIRS=$config QT_QPA_PLATFORM=xcb "$program" &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
[ -n "$window" ] || { echo "no window appeared" >&2; exit 1; }
title=$(xdotool getwindowname "$window")
case "$title" in
    *"ОПРЕДЕЛЕНИЕ ПОЛОВОЙ ПРИНАДЛЕЖНОСТИ ЛОПАТКИ"*) ;;
    *) echo "unexpected main window title: $title" >&2; exit 1 ;;
esac
xwininfo -id "$window" | grep -q 'Width: 792' || { echo "main window is not 792 wide" >&2; exit 1; }

# The exit button is at (632, 264), 153 x 33, in the window's client area.
xdotool mousemove --sync --window "$window" 708 280 click 1
status=0
timeout 30 tail --pid="$pid" -f /dev/null || { echo "the program did not end" >&2; kill "$pid"; exit 1; }
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "exit code $status" >&2; exit 1; }
echo "main window shown and closed; exit code 0"
