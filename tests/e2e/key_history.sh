#!/usr/bin/env bash
# The key history window with real keys: opened by a double click on the pressed keys, it
# shows left against right Shift, Numpad Enter against Enter, the Menu key followed by Alt,
# auto-repeat, and a dead key of the Hungarian keyboard; its own keys, its language, closing
# it, and that nothing of it is stored; the details pane in both languages and a right click
# on the column titles. The rows and the pane are read from outside by the inspector.
# Leaves English stored, as it found the prefix.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_zintar

# The newest rows of the list, read from outside.
hist_read() { # [rows]
    e2e_wine "$e2e_inspector" --list --last "${1:-40}" | tr -d '\r' >"$e2e_tmp/list.txt" || true
}

# Cells of the last N rows, joined by "|" within a row and ";" between rows. Columns are
# numbered as the list shows them, from 0: 0 elapsed, 1 message, 2 key code, 5 scan code,
# 6 extended, 7 auto-repeat, 9 side, 10 side-specific code, 11 modifiers, 12 combination,
# 13 character, 14 ANSI code, 15 ANSI hex, 16 Unicode, 17 UTF-8, 18 DOM code, 19 USB usage,
# 20 Linux evdev, 21 macOS key code, 22 DOM key, 23 Delivered, 24 Injected, 25 Device,
# 26 Seen by.
hist_tail() { # rows column...
    local rows=$1
    shift
    hist_read "$rows"
    awk -F'\t' -v columns="$*" '
        BEGIN { n = split(columns, c, " ") }
        $1 == "row" {
            line = ""
            for (i = 1; i <= n; i++) line = line (i > 1 ? "|" : "") $(c[i] + 3)
            out = out (out == "" ? "" : ";") line
        }
        END { print out }' "$e2e_tmp/list.txt"
}

# A click into the history window's list, wherever the window was placed.
hist_click_into() {
    local X Y
    eval "$(xdotool search --name '^Key history$' getwindowgeometry --shell | grep -E '^[XY]=')"
    xdotool mousemove $((X + 60)) $((Y + 90)) click 1
}

# Each reader reads the list anew; the "_last" ones look at what the last reading gave, so
# that several checks of one moment cost one reading.
hist_list_field_last() { # field of the "list" line: 2 title, 4 rows
    awk -F'\t' -v f="$1" '$1 == "list" { print $f }' "$e2e_tmp/list.txt"
}
hist_list_field() {
    hist_read 0
    hist_list_field_last "$1"
}

hist_column_title_last() { # index
    awk -F'\t' -v i="$1" '$1 == "column" && $2 == i { print $3 }' "$e2e_tmp/list.txt"
}

hist_selected_count() {
    hist_read 0
    awk -F'\t' '$1 == "selected" { print NF - 1 }' "$e2e_tmp/list.txt"
}

# Auto-repeat rows of one key among the newest rows: "first-down repeats up".
hist_repeat_shape() { # key-code
    hist_read 120
    awk -F'\t' -v key="$1" '
        $1 == "row" && $5 == key && $4 == "key down" { if ($10 == "yes") r++; else d++ }
        $1 == "row" && $5 == key && $4 == "key up" { u++ }
        $1 == "row" { last = $4 "|" $5 }
        END { printf "%d %s %d, newest %s\n", d, (r >= 2 ? "repeats" : "no-repeats"), u, last }' \
        "$e2e_tmp/list.txt"
}

# Opens the history as a user would: a double click on the pressed-keys read-out.
hist_open_by_double_click() {
    e2e_inspect
    e2e_pointer_to lblSpec 20 8
    xdotool click --repeat 2 --delay 80 1
    sleep 0.5
}

hist_open_by_double_click
e2e_expect "history window open" "Key history" hist_list_field 2
e2e_check "no rows yet" 0 "$(hist_list_field_last 4)"
e2e_inspect
e2e_expect "the capture box keeps the focus" Tchar e2e_focus

# xdotool presses a modifier keysym together with the first key of that modifier (left
# Shift for Shift_R), so each Shift is pressed by its own key code, looked up in the
# server's key map.
x_keycode() { # xkb key name
    xkbcomp -xkb "$DISPLAY" - 2>/dev/null |
        awk -v key="<$1>" '$1 == key && $2 == "=" { sub(";", "", $3); print $3; exit }'
}
e2e_keys "$(x_keycode LFSH)"
e2e_keys "$(x_keycode RTSH)"
e2e_expect "left Shift, then right Shift" \
    "key down|16|2A|left|160 VK_LSHIFT;key up|16|2A|left|160 VK_LSHIFT;key down|16|36|right|161 VK_RSHIFT;key up|16|36|right|161 VK_RSHIFT" \
    hist_tail 4 1 2 5 9 10

e2e_keys KP_Enter Return
e2e_expect "Numpad Enter, then Enter" \
    "key down|13|E0 1C|yes;character||E0 1C|yes;key up|13|E0 1C|yes;key down|13|1C|no;character||1C|no;key up|13|1C|no" \
    hist_tail 6 1 2 5 6

# The Menu key opens no menu: the Alt after it reaches the capture box, and so does the key
# after Alt.
e2e_keys Menu alt
e2e_expect "Menu key, then Alt" \
    "key down|93|VK_APPS;key up|93|VK_APPS;system key down|18|VK_MENU;system key up|18|VK_MENU" \
    hist_tail 4 1 2 4
e2e_inspect
e2e_expect_field lblSpec Alt
e2e_keys x
e2e_inspect
e2e_expect_field lblSpec X
e2e_expect_field Tchar x

# The README's picture of the key details pane: the newest key, Ctrl+Shift+F5.
e2e_keys ctrl+shift+F5
sleep 0.4
shots=$(dirname "$e2e_prefix")/screenshots
mkdir -p "$shots"
# Without a window manager the windows are the screen's only content: both of them.
import -window root "$shots/zintar-key-details.png" || true

# The key details pane read from outside, as a screen reader reads it: each caption beside
# its value, in both languages.
pane_value() { # caption
    e2e_pane_value "$hist_title" "$1"
}
hist_title="Key history"
e2e_expect "pane: virtual key" "116 0x74 VK_F5" pane_value "Virtual-key code"
e2e_expect "pane: DOM code" "F5" pane_value "DOM code"
e2e_expect "pane: WinForms" "Keys.Control | Keys.Shift | Keys.F5" pane_value "WinForms Keys"
e2e_expect "pane: the last row" "free" pane_value "Shortcut"
e2e_pointer_to imgLangHUN 10 10
xdotool click 1
sleep 0.3
hist_title="Billentyűnapló"
e2e_expect "pane in Hungarian: virtual key" "116 0x74 VK_F5" pane_value "Virtuális billentyűkód"
e2e_expect "pane in Hungarian: DOM code" "F5" pane_value "DOM-kód"
e2e_expect "pane in Hungarian: the last row" "szabad" pane_value "Billentyűparancs"
e2e_pointer_to imgLangEng 10 10
xdotool click 1
sleep 0.3
hist_title="Key history"
e2e_expect "pane in English again" "Keys.Control | Keys.Shift | Keys.F5" pane_value "WinForms Keys"

# A real right click on the column titles opens the column chooser; Down Down Enter takes the
# second column (Message) away, and the same again brings it back.
hist_column_width() { # index
    hist_read 0
    awk -F'\t' -v i="$1" '$1 == "column" && $2 == i { print $4 }' "$e2e_tmp/list.txt"
}
hist_choose_second_column() {
    local left top width height
    hist_read 0
    read -r left top width height < <(awk -F'\t' '$1 == "header" { print $2, $3, $4, $5 }' "$e2e_tmp/list.txt")
    xdotool mousemove $((left + 30)) $((top + height / 2)) click 3
    sleep 0.4
    e2e_keys Down Down Return
    sleep 0.3
}
message_width=$(hist_column_width 1)
hist_choose_second_column
e2e_expect "header menu hides the Message column" 0 hist_column_width 1
hist_choose_second_column
hist_shown() { [ "$(hist_column_width 1)" -gt 0 ] && echo shown || echo hidden; }
e2e_expect "header menu shows it again" shown hist_shown
e2e_check "Message column width before" yes "$([ "${message_width:-0}" -gt 0 ] && echo yes || echo no)"
# The right click activated the history window: a click into the capture box takes the keys
# back there.
e2e_inspect
e2e_pointer_to Tchar 10 5
xdotool click 1
sleep 0.3
e2e_inspect
e2e_expect "the capture box has the focus again" Tchar e2e_focus

# A key held down: one first key-down, auto-repeated key-downs, one key-up.
xdotool keydown b
sleep 1.5
xdotool keyup b
sleep 0.3
e2e_expect "auto-repeat of B" "1 repeats 1, newest key up|66" hist_repeat_shape 66

# Into the list: Ctrl+A, Ctrl+C, Delete act there and are not captured.
hist_read 0
rows=$(hist_list_field_last 4)
hist_click_into

sleep 0.3
e2e_keys ctrl+a
e2e_expect "Ctrl+A selects every row" "$rows" hist_selected_count
e2e_keys ctrl+c
clip() { xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
clip_lines() { clip | wc -l; }
# awk reads the whole copy: head stops after the first line, and once the copy takes more
# than one write, the writer's next write gets a broken pipe that pipefail makes fatal.
clip_header() { clip | awk 'NR == 1' | cut -f1-3; }
e2e_expect "copied rows under a title line" "$rows" clip_lines # line ends: rows, no end after the last
e2e_expect "copied title line" "$(printf 'Elapsed (ms)\tMessage\tKey code')" clip_header
e2e_inspect
e2e_expect_field lblSpec B
e2e_keys Delete
e2e_expect "Delete empties the list" 0 hist_list_field 4

# Its captions follow the language chosen in the main window.
e2e_pointer_to imgLangHUN 10 10
xdotool click 1
sleep 0.3
e2e_expect "Hungarian title" "Billentyűnapló" hist_list_field 2
e2e_check "Hungarian column" "Üzenet" "$(hist_column_title_last 1)"
e2e_pointer_to imgLangEng 10 10
xdotool click 1
sleep 0.3
e2e_expect "English title again" "Key history" hist_list_field 2

# Alt+F4 in the history window closes it alone.
hist_click_into
sleep 0.3
e2e_keys alt+F4
hist_gone() { e2e_wine "$e2e_inspector" --list >/dev/null 2>&1 && echo open || echo closed; }
e2e_expect "history window closed" closed hist_gone
e2e_check "main window still running" yes "$(kill -0 "$e2e_app_pid" 2>/dev/null && echo yes || echo no)"
e2e_inspect
e2e_expect "main window still shown" Zintar e2e_window_title

# Nothing of the history window is stored: the language is the program's only value.
stored() {
    e2e_wine reg query 'HKCU\Software\Morvaly' /s 2>/dev/null | tr -d '\r' |
        awk '/REG_/ { print $1 }' | paste -sd,
}
e2e_check "stored values" Language "$(stored)"
kill "$e2e_app_pid"
WINEPREFIX=$e2e_prefix wineserver -k || true

# A Hungarian user: dead keys compose with the next letter, in code page 1250. The keys are
# sent by their X keysyms and each first press only teaches Wine the new binding (see
# hungarian_keyboard.sh). X's input method composes the letter, so the dead key's press
# reaches no window on this machine; the composed letter arrives as one character.
LANG=hu_HU.UTF-8 LC_ALL=hu_HU.UTF-8 e2e_start_zintar
hist_open_by_double_click
e2e_keys dead_doubleacute dead_doubleacute o
e2e_keys dead_doubleacute o
hist_newest_character() {
    hist_read 10
    awk -F'\t' '$1 == "row" && $4 == "character" { line = $16 "|" $17 "|" $18 "|" $19 "|" $20 }
                END { print line }' "$e2e_tmp/list.txt"
}
e2e_expect "dead double acute + o" "ő|245|F5|U+0151|C5 91" hist_newest_character
e2e_inspect
e2e_expect_field Tcc 245
e2e_keys dead_acute a
e2e_expect "dead acute + a" "á|225|E1|U+00E1|C3 A1" hist_newest_character

e2e_finish
