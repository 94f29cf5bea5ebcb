#!/usr/bin/env bash
# Text that is no keystroke, with real input on a real X server: "ő" and an emoji sent with
# SendInput's KEYEVENTF_UNICODE, one UTF-16 unit per input as on-screen keyboards send them,
# become VK_PACKET rows that name their character and no key, the emoji's halves one row; the
# main window shows the sent character as a typed one; Shift+Super+F23 pressed as one key is
# the Copilot key's chord. Columns are found by their titles, which may move.
#   sent_text.sh EXE INSPECTOR PREFIX-DIR HELPER-DIR   (HELPER-DIR holds zintar_key_sender.exe)
helpers=$4
source "$(dirname "$0")/lib.sh"
e2e_start_x

# The newest rows, the named columns of each joined by "|", one row a line.
rows() { # count title...
    local count=$1
    shift
    e2e_wine "$e2e_inspector" --list --last "$count" | tr -d '\r' >"$e2e_tmp/list.txt" || true
    awk -F'\t' -v want="$(printf '%s\t' "$@")" '
        BEGIN { n = split(want, titles, "\t") - 1 }
        $1 == "column" { index_of[$3] = $2 }
        $1 == "row" {
            line = ""
            for (i = 1; i <= n; i++) line = line (i > 1 ? "|" : "") $(index_of[titles[i]] + 3)
            print line
        }' "$e2e_tmp/list.txt"
}
focus_capture_box() {
    e2e_inspect
    e2e_pointer_to Tchar 60 10
    xdotool click 1
    sleep 0.5
}
send_text() { # hexadecimal UTF-16 units
    e2e_wine "$helpers/zintar_key_sender.exe" text "$@" >/dev/null
    sleep 1
}

# Code page 1250 writes "ő" as 245, so the main window shows it as it shows a typed one.
export LANG=hu_HU.UTF-8 LC_ALL=hu_HU.UTF-8
e2e_start_zintar
e2e_inspect
e2e_pointer_to lblSpec 20 8
xdotool click --repeat 2 --delay 80 1 # opens the key history, which starts the hook
sleep 1
focus_capture_box

send_text 0151
e2e_inspect
e2e_expect_field Tcc 245
e2e_expect_field Tchar ő
columns=(Message Constant "Scan code" Extended Character Unicode UTF-8 "DOM code" "USB usage"
    "Linux evdev" "macOS key code" Device Delivered "Seen by" Note)
e2e_expect "ő: a VK_PACKET row, its character and no key; the character; the key-up" \
    "key down|VK_PACKET|||ő|U+0151|C5 91||||||yes|window, hook, raw input|sent text
character||||ő|U+0151|C5 91||||||||sent text
key up|VK_PACKET|||ő|U+0151|C5 91||||||yes|window, hook, raw input|sent text" \
    rows 3 "${columns[@]}"

send_text D83D DE00
e2e_expect "the emoji: its two halves one character row, between the packets that carry them" \
    "key down|VK_PACKET||U+D83D||yes|window, hook, raw input
key up|VK_PACKET||U+D83D||yes|window, hook, raw input
key down|VK_PACKET||U+DE00||yes|window, hook, raw input
character||😀|U+1F600|F0 9F 98 80||
key up|VK_PACKET||U+DE00||yes|window, hook, raw input" \
    rows 5 Message Constant Character Unicode UTF-8 Delivered "Seen by"
e2e_inspect
e2e_expect_field Tcc ""

# The Copilot key, as xdotool sends it: Shift, Super and F23 down together, then up in the
# same order (the key itself lets F23 go first; the grouping does not mind). F23 is bound to
# a spare keycode for the press, which Wine may learn only at the first one, and on a loaded
# machine it can lose the press's last key-up when xdotool unbinds the keycode: each press is
# given time for its six rows, and pressed again until they come whole.
copilot_want="key down|VK_SHIFT|one key: Copilot key
key down|VK_LWIN|one key: Copilot key
key down|VK_F23|one key: Copilot key
key up|VK_SHIFT|one key: Copilot key
key up|VK_LWIN|one key: Copilot key
key up|VK_F23|one key: Copilot key"
copilot_rows() { rows 6 Message Constant Note; }
for _ in $(seq 5); do
    xdotool key shift+super+F23
    for _ in $(seq 15); do
        [ "$(copilot_rows)" == "$copilot_want" ] && break 2
        sleep 0.2
    done
done
e2e_expect "shift+super+F23: the Copilot key's six rows under one note" "$copilot_want" \
    copilot_rows

# The notes and the column's title follow the language.
e2e_pointer_to imgLangHUN 10 10
xdotool click 1
sleep 0.3
hungarian_note() { rows 1 "Megjegyzés"; }
e2e_expect "the Note column in Hungarian" "egy billentyű: Copilot-billentyű" hungarian_note
e2e_pointer_to imgLangEng 10 10
xdotool click 1
sleep 0.3

e2e_finish
