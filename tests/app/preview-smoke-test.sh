#!/usr/bin/env bash
# The real program on a virtual X server: ПЕЧАТЬ opens a preview, the main window stays usable
# and a second ПЕЧАТЬ opens a second preview; the exit button then ends both previews and the
# program, with exit code 0.
#   preview-smoke-test.sh path/to/ostrameda
set -euo pipefail
program=$1

if [ "${2:-}" != --on-display ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is missing" >&2; exit 77; }
    done
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$program" --on-display
fi

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_DIRS=$config QT_QPA_PLATFORM=xcb "$program" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
[ -n "$window" ] || { echo "no window appeared" >&2; exit 1; }

previews() { xdotool search --onlyvisible --pid "$pid" | grep -vx "$window" || true; }
wait_for_previews() {
    for _ in $(seq 300); do
        [ "$(previews | wc -l)" -eq "$1" ] && return 0
        sleep 0.1
    done
    echo "expected $1 preview windows, found $(previews | wc -l)" >&2
    kill "$pid"
    exit 1
}
print_and_wait() {
    # ПЕЧАТЬ is at (631, 46), 153 x 33, in the window's client area.
    xdotool mousemove --sync --window "$window" 707 62 click 1
    wait_for_previews "$1"
    # Without a window manager a preview opens over the main window: move it aside.
    for preview in $(previews); do xdotool windowmove --sync "$preview" 800 0; done
}

print_and_wait 1
print_and_wait 2
# The exit button is at (632, 264), 153 x 33.
xdotool mousemove --sync --window "$window" 708 280 click 1
timeout 30 tail --pid="$pid" -f /dev/null || { echo "the program did not end" >&2; kill "$pid"; exit 1; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "exit code $status" >&2; exit 1; }
echo "two previews opened; the exit button ended them and the program; exit code 0"
