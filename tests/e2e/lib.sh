# End-to-end test kit: the built exe under Wine on a private Xvfb, real key presses and
# pointer moves with xdotool, and the window read back from outside with the inspector.
#
# A test script sources this file and is started as:  script EXE INSPECTOR PREFIX-DIR
set -euo pipefail

e2e_exe=$1
e2e_inspector=$2
e2e_prefix=$3
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$e2e_root/scripts/lib/wine-prefix.sh"

e2e_tmp=$(mktemp -d)
e2e_failures=0
e2e_app_pid=
e2e_xvfb_pid=

e2e_cleanup() {
    [ -n "$e2e_app_pid" ] && kill "$e2e_app_pid" 2>/dev/null || true
    WINEPREFIX=$e2e_prefix wineserver -k 2>/dev/null || true
    [ -n "$e2e_xvfb_pid" ] && kill "$e2e_xvfb_pid" 2>/dev/null || true
    rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT

# A private X server on the first free display number; arguments go to Xvfb (-noreset).
e2e_start_x() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp "$@" >/dev/null 2>&1 &
    e2e_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.05
    done
    echo "Xvfb did not start" >&2
    return 1
}

e2e_wine() {
    WINEPREFIX=$e2e_prefix WINEDEBUG=-all "$zintar_wine" "$@"
}

# Starts the program (the settings store keeps what earlier runs stored) and waits until
# its window is shown.
e2e_start_zintar() {
    zintar_ensure_wine_prefix "$e2e_prefix" x11
    e2e_wine "$e2e_exe" >/dev/null 2>&1 &
    e2e_app_pid=$!
    if ! e2e_wine "$e2e_inspector" --wait 60 >/dev/null; then
        echo "the Zintar window did not appear" >&2
        return 1
    fi
}

e2e_inspect() {
    e2e_wine "$e2e_inspector" | tr -d '\r' >"$e2e_tmp/inspect.txt"
}

# The text of one control as the last inspection read it.
e2e_field() {
    awk -F'\t' -v name="$1" '$1 == name { print $8 }' "$e2e_tmp/inspect.txt"
}

# One column of one control's line (1 name, 2 class, 3 x, 4 y, 5 width, 6 height, 7 shown).
e2e_column() {
    awk -F'\t' -v name="$1" -v col="$2" '$1 == name { print $col }' "$e2e_tmp/inspect.txt"
}

e2e_window_title() {
    awk -F'\t' '$1 == "window" { print $2 }' "$e2e_tmp/inspect.txt"
}

e2e_focus() {
    awk -F'\t' '$1 == "focus" { print $2 }' "$e2e_tmp/inspect.txt"
}

e2e_check() { # what expected actual
    if [ "$2" == "$3" ]; then
        printf 'ok    %s = "%s"\n' "$1" "$3"
    else
        printf 'FAIL  %s: expected "%s", got "%s"\n' "$1" "$2" "$3"
        e2e_failures=$((e2e_failures + 1))
    fi
}

# Reads the window again, for up to 3 s, until the reading gives the expected value: a busy
# machine may take longer than the pause after the keys to show their effect.
e2e_expect() { # label expected reader [reader arguments...]
    local label=$1 want=$2 got
    shift 2
    for _ in $(seq 30); do
        got=$("$@")
        [ "$got" == "$want" ] && break
        sleep 0.1
        e2e_inspect
    done
    e2e_check "$label" "$want" "$got"
}

e2e_expect_field() { # control expected
    e2e_expect "$1" "$2" e2e_field "$1"
}

# Real key presses (xdotool key syntax), then a moment for the program to take them.
e2e_keys() {
    xdotool key --delay 40 "$@"
    sleep 0.3
}

# Presses keys again, up to 8 times, until a control shows the expected text. For keys that
# xdotool binds to a spare keycode just for the press: Wine may take the press before it has
# learnt the new binding, and a busy machine makes that likelier. Pressing such a key again
# gives the same result, so a repeat is harmless; the checks after it say whether it came.
e2e_keys_until() { # control expected keys...
    local control=$1 want=$2
    shift 2
    for _ in $(seq 8); do
        xdotool key --delay 40 "$@"
        for _ in $(seq 5); do
            sleep 0.2
            e2e_inspect
            [ "$(e2e_field "$control")" == "$want" ] && return 0
        done
    done
}

# The window's outer rectangle on the screen: x y width height.
e2e_window_rect() {
    awk -F'\t' '$1 == "window" { print $3, $4, $5, $6 }' "$e2e_tmp/inspect.txt"
}

# Moves the pointer to a point of a control, in client pixels of the window.
e2e_pointer_to() { # control dx dy
    local wx wy cx cy
    read -r wx wy _ _ < <(e2e_window_rect)
    read -r cx cy < <(e2e_client_origin)
    xdotool mousemove $((wx + cx + $(e2e_column "$1" 3) + $2)) $((wy + cy + $(e2e_column "$1" 4) + $3))
    sleep 0.2
}

# Where the client area starts inside the outer rectangle (frame and title bar).
e2e_client_origin() {
    awk -F'\t' '$1 == "window" { print int(($5 - $8) / 2), $6 - $9 - int(($5 - $8) / 2) }' \
        "$e2e_tmp/inspect.txt"
}

# A value of the key details pane of the window titled TITLE, by its caption, as a screen
# reader pairs them: captions and values alternate in creation order, so the n-th static
# control is the n-th edit's caption.
e2e_pane_value() { # title caption
    e2e_wine "$e2e_inspector" --children --title "$1" | tr -d '\r' |
        awk -F'\t' -v want="$2" '
            $1 == "child" && tolower($2) == "static" { c[++n] = $9 }
            $1 == "child" && tolower($2) == "edit" { v[++m] = $9 }
            END { for (i = 1; i <= n; i++) if (c[i] == want) print v[i] }'
}

# A screenshot of the window alone.
e2e_screenshot() { # file.png
    local x y w h
    e2e_inspect
    read -r x y w h < <(e2e_window_rect)
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
}

e2e_finish() {
    if [ "$e2e_failures" -ne 0 ]; then
        echo "$e2e_failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}
