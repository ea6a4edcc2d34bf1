#!/usr/bin/env bash
# The real program through a whole session (start, type, print with the preview, close) with its
# settings folder and HOME read-only: it must work and leave every file there untouched.
#   nothing-written.sh path/to/ostrameda
#
# Read-only mounts rather than permission bits: root, which CI runs as, ignores permission bits,
# while a read-only mount refuses every writer. As root the script re-runs itself in a mount
# namespace of its own (unshare -m), so the mounts vanish with it; as any other user, folders
# without write permission do the same job.
set -euo pipefail
program=$(realpath "$1")
stage=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "skipped: $*" >&2; exit 77; }

if [ -z "$stage" ]; then
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null || skip "$tool is missing"
    done
    if [ "$(id -u)" -eq 0 ]; then
        unshare -m true 2>/dev/null || skip "no mount namespace for read-only mounts (unshare -m)"
        exec unshare -m "$here/nothing-written.sh" "$program" --prepare
    fi
    exec "$here/nothing-written.sh" "$program" --prepare
fi

if [ "$stage" = --prepare ]; then
    work=$(mktemp -d)
    trap 'umount "$work/settings" "$work/home" 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT
    chmod 0755 "$work"
    mkdir -p "$work/settings/Gorvud" "$work/home"
    printf 'Name1=Иванов И.И.\nName2=Петрова П.П.\nTitle=Бюро судебно-медицинской экспертизы\n' \
        >"$work/settings/Gorvud/Ostrameda.conf"
    touch -d '2001-02-03 04:05:06' "$work/settings/Gorvud/Ostrameda.conf" "$work/settings/Gorvud"
    if [ "$(id -u)" -eq 0 ]; then
        for dir in settings home; do
            mount --bind "$work/$dir" "$work/$dir"
            mount -o remount,ro,bind "$work/$dir"
        done
    else
        chmod -R a-w "$work/settings" "$work/home"
    fi
    if touch "$work/settings/probe" 2>/dev/null || touch "$work/home/probe" 2>/dev/null; then
        echo "the folders could not be made read-only" >&2
        exit 1
    fi

    # Names, sizes, modes, times and contents of everything there.
    snapshot() {
        (cd "$work" && find settings home -printf '%p %y %s %m %T@\n' | sort &&
            find settings home -type f -exec sha256sum {} + | sort)
    }
    before=$(snapshot)
    status=0
    # Our own X server rather than xvfb-run's, which loses its clients when the preview opens
    # inside a mount namespace; the server picks a free display itself.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    xserver=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || { echo "the X server did not start" >&2; exit 1; }
    DISPLAY=:$(cat "$work/display") HOME=$work/home XDG_CONFIG_DIRS=$work/settings XDG_CONFIG_HOME= \
        XDG_CACHE_HOME= XDG_DATA_HOME= "$here/nothing-written.sh" "$program" --on-display || status=$?
    kill "$xserver"
    after=$(snapshot)
    [ "$status" -eq 0 ] || exit "$status"
    if [ "$before" != "$after" ]; then
        echo "the settings folder or HOME changed:" >&2
        diff <(echo "$before") <(echo "$after") >&2 || true
        exit 1
    fi
    echo "nothing written: $(echo "$before" | wc -l) entries of the settings folder and HOME unchanged"
    exit 0
fi

# --on-display: the session itself.
QT_QPA_PLATFORM=xcb "$program" &
pid=$!
fail() {
    echo "$*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }

main=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
[ -n "$main" ] || fail "no main window appeared"
xdotool windowfocus --sync "$main"
# The first measurement box has the focus when the window opens.
xdotool type --delay 20 "168"

# The print button is at (631, 46), 153 x 33, in the window's client area.
xdotool mousemove --sync --window "$main" 707 62 click 1
preview=
for _ in $(seq 300); do
    preview=$(windows | grep -vx "$main" | head -n 1)
    [ -n "$preview" ] && break
    sleep 0.1
done
[ -n "$preview" ] || fail "no preview appeared"
xdotool windowfocus --sync "$preview" key Escape
for _ in $(seq 300); do
    [ -z "$(windows | grep -vx "$main")" ] && break
    sleep 0.1
done
[ -z "$(windows | grep -vx "$main")" ] || fail "the preview did not close"

# The exit button is at (632, 264), 153 x 33.
xdotool mousemove --sync --window "$main" 708 280 click 1
timeout 30 tail --pid="$pid" -f /dev/null || fail "the program did not end"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit code $status"
echo "session: typed, previewed, closed; exit code 0"
