#!/usr/bin/env bash
# The physical key's Linux evdev code in the key history, against an oracle that Zintar does
# not compute: the X server's own keycode of the key, as `xmodmap -pke` lists it, minus 8
# (the evdev keycode set is the kernel's numbering shifted by 8). Each key of the top letter
# row and each modifier is pressed by that keycode; its key-down and key-up rows must both
# name that evdev code.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_zintar

command -v xmodmap >/dev/null || {
    echo "xmodmap is missing (Debian package x11-xserver-utils)" >&2
    exit 1
}
xmodmap -pke >"$e2e_tmp/keymap.txt"

# The first keycode whose first keysym is the given one.
keycode_of() { # keysym
    awk -v sym="$1" '$1 == "keycode" && $3 == "=" && $4 == sym { print $2; exit }' \
        "$e2e_tmp/keymap.txt"
}

# Columns of the list, counted from 0: 1 message, 20 Linux evdev.
evdev_column=20
hist_open() {
    e2e_inspect
    e2e_pointer_to lblSpec 20 8
    xdotool click --repeat 2 --delay 80 1
    sleep 0.5
}

# The evdev numbers of the newest key-down and key-up rows, oldest first; character rows
# between them are passed over.
last_key_rows_evdev() {
    e2e_wine "$e2e_inspector" --list --last 4 | tr -d '\r' |
        awk -F'\t' -v col=$((evdev_column + 3)) '
            $1 == "row" && $4 ~ /key (down|up)$/ { split($col, f, " "); previous = last; last = f[1] }
            END { print previous " " last }'
}

column_title() { # index
    e2e_wine "$e2e_inspector" --list --last 0 | tr -d '\r' |
        awk -F'\t' -v i="$1" '$1 == "column" && $2 == i { print $3 }'
}

hist_open
e2e_expect "the history shows the evdev column" "Linux evdev" column_title $evdev_column

# Each key pressed by its own keycode, so the server cannot pick another key for the keysym.
for sym in q w e r t y u i o p bracketleft bracketright \
    Shift_L Shift_R Control_L Control_R Alt_L Alt_R Super_L; do
    code=$(keycode_of "$sym")
    if [ -z "$code" ]; then
        e2e_check "keycode of $sym in the X key map" "a keycode" "none"
        continue
    fi
    e2e_keys "$code"
    e2e_expect "$sym (X keycode $code): evdev code on key-down and key-up" \
        "$((code - 8)) $((code - 8))" last_key_rows_evdev
done

e2e_finish
