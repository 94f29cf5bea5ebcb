#!/usr/bin/env bash
# The keyboard layouts window with real keys, read from outside by the inspector: the four
# test layouts installed into the prefix as Windows installs a layout; opened from the window
# menu, it lists them, draws the chosen one's keys (each key a window whose text names it),
# checks the main window's combination on every layout, and counts the keys held down while
# it is in front. Then a Hungarian user's machine, the X keymap switched to hu and the
# registry naming the Hungarian test layout's DLL for 0000040E as Windows names kbdhu.dll:
# the active layout's row, and the key details pane reading AltGr+F from the layout's tables.
#
# usage: keyboard_layouts.sh EXE INSPECTOR PREFIX-DIR LAYOUT-DLL-DIR
source "$(dirname "$0")/lib.sh"
source "$e2e_root/scripts/lib/test-layouts.sh"
layout_dlls=$4

# -noreset: the X keymap set for the second part must outlive the setxkbmap that sets it.
e2e_start_x -noreset
zintar_ensure_wine_prefix "$e2e_prefix" x11
zintar_install_fixture_layouts "$e2e_prefix" "$layout_dlls"
hu_key='HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layouts\0000040E'
# The language is the program's one stored value: none stored is English, whatever a run
# that stopped half-way left behind.
english() { e2e_wine reg delete 'HKCU\Software\Morvaly' /v Language /f >/dev/null 2>&1 || true; }
cleanup_hu() { e2e_wine reg delete "$hu_key" /f >/dev/null 2>&1 || true; }
trap 'cleanup_hu; english; e2e_cleanup' EXIT
cleanup_hu
english
e2e_start_zintar

title="Keyboard layouts"
list_layouts=100
list_shortcuts=201
list_keys=400

# One list of the layouts window, read from outside; its rows' cells are fields 3 on.
read_list() { # control-id
    e2e_wine "$e2e_inspector" --list --title "$title" --list-id "$1" | tr -d '\r' \
        >"$e2e_tmp/list.txt" || true
}
# The cell in column `want` of the first row whose column `key` holds `value`.
cell() { # control-id key-column value want-column
    read_list "$1"
    awk -F'\t' -v k="$2" -v v="$3" -v w="$4" '$1 == "row" && $(k + 3) == v { print $(w + 3); exit }' \
        "$e2e_tmp/list.txt"
}
# A cell's text up to its first ":" or ",", where a verdict gives its detail.
verdict() { # layout-name
    cell "$list_shortcuts" 0 "$1" 3 | sed 's/[:,].*//'
}
children() {
    e2e_wine "$e2e_inspector" --children --title "$title" | tr -d '\r' >"$e2e_tmp/children.txt"
}
# The text of the first child of a class whose text starts so.
child_text() { # class prefix
    children
    awk -F'\t' -v c="$1" -v p="$2" 'tolower($2) == tolower(c) && index($9, p) == 1 { print $9; exit }' \
        "$e2e_tmp/children.txt"
}
held_now() { child_text static "$held_word"; }
window_title() {
    read_list "$list_layouts"
    awk -F'\t' '$1 == "list" { print $2 }' "$e2e_tmp/list.txt"
}
# Clicks the middle of the first child of a class whose text is exactly `text`.
click_child() { # class text
    local left top width height
    children
    read -r left top width height < <(awk -F'\t' -v c="$1" -v t="$2" \
        'tolower($2) == tolower(c) && $9 == t { print $4, $5, $6, $7; exit }' "$e2e_tmp/children.txt")
    xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
    sleep 0.3
}
# The window menu's last item, Keyboard layouts, as a keyboard user chooses it: Alt+Space,
# Up, Enter. A busy machine may take the keys before the menu is up: then the menu is closed
# and the keys pressed again.
open_layouts() {
    for _ in $(seq 5); do
        xdotool key alt+space
        sleep 0.6
        xdotool key Up
        sleep 0.3
        xdotool key Return
        sleep 0.8
        [ -n "$(window_title 2>/dev/null)" ] && return 0
        xdotool key Escape
        sleep 0.3
    done
}
# Selects a row of the layouts list with real keys: a click on its first row, then Down.
select_layout() { # KLID
    local index left top width height
    read_list "$list_layouts"
    index=$(awk -F'\t' -v k="$1" '$1 == "row" && $4 == k { print $2; exit }' "$e2e_tmp/list.txt")
    read -r left top width height < <(awk -F'\t' '$1 == "header" { print $2, $3, $4, $5 }' "$e2e_tmp/list.txt")
    xdotool mousemove $((left + 40)) $((top + height + 8)) click 1
    sleep 0.3
    e2e_keys Home
    for _ in $(seq "$index"); do e2e_keys Down; done
}

# Opened from the window menu (Alt+Space, its last item), beside the main window, which keeps
# the keyboard: the combination pressed next is the main window's, and is checked here.
open_layouts
e2e_expect "window open" "Keyboard layouts" window_title
e2e_inspect
e2e_expect "the capture box keeps the focus" Tchar e2e_focus
# Wine lists every installed layout as loaded.
for pair in "A07A0409|US (Zintar test) (loaded)" "A07A040E|Hungarian (Zintar test) (loaded)" \
    "A07A0407|German (Zintar test) (loaded)" "A07A040C|French (Zintar test) (loaded)"; do
    e2e_expect "listed ${pair%%|*}" "${pair#*|}" cell "$list_layouts" 1 "${pair%%|*}" 0
done

e2e_keys ctrl+alt+f
e2e_expect "Ctrl+Alt+F on Hungarian" "AltGr collision" verdict "Hungarian (Zintar test)"
e2e_expect "Ctrl+Alt+F on US" "works" verdict "US (Zintar test)"
e2e_keys ctrl+z
e2e_expect "Ctrl+Z on German" "moved" verdict "German (Zintar test)"
e2e_keys ctrl+alt+f

# The Hungarian layout chosen with real keys: its table and its keys read from outside.
select_layout A07A040E
e2e_expect "Hungarian AltGr+F" "[" cell "$list_keys" 0 21 6
e2e_expect "Hungarian AltGr+Q" "\\x5C" cell "$list_keys" 0 10 6
e2e_expect "the F key's window" "F: f, F, AltGr [" child_text zintar.keycap "F:"

# A rollover test: four keys held down with the keyboard in front.
held_word="held now"
click_child zintar.keycap "Esc"
xdotool keydown a s d f
sleep 0.8 # past the check for lost key-ups: the keys are still down
e2e_expect "four keys held" "held now: 4" held_now
xdotool keyup a s d f
e2e_expect "none held" "held now: 0" held_now

shots=$(dirname "$e2e_prefix")/screenshots
mkdir -p "$shots"
# The window alone, for the README.
layouts_screenshot() { # file
    local X Y WIDTH HEIGHT
    eval "$(xdotool search --name "^$title\$" getwindowgeometry --shell | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1" || true
}
# The Hungarian keyboard with one key held.
xdotool keydown a
e2e_expect "one key held" "held now: 1" held_now
sleep 0.5
layouts_screenshot "$shots/zintar-layouts-keyboard.png"
xdotool keyup a
sleep 0.3

# Both languages. On this small screen the window covers the main window: it is closed
# (Alt+F4 in it), the language chosen by the main window's flag, and it is opened again,
# which reads the layouts anew; Alt+Space in the capture box is a combination like any
# other, so the shortcut is pressed again.
reopen_in() { # flag
    e2e_keys alt+F4
    e2e_inspect
    e2e_pointer_to "$1" 10 10
    xdotool click 1
    sleep 0.4
    open_layouts
    e2e_keys ctrl+alt+f
}
reopen_in imgLangHUN
title="Billentyűzetkiosztások"
held_word="most lenyomva"
e2e_expect "Hungarian title" "$title" window_title
read_list "$list_layouts"
e2e_check "Hungarian column titles" "Kiosztás|KLID|Kiosztásfájl" \
    "$(awk -F'\t' '$1 == "column" { printf "%s%s", (n++ ? "|" : ""), $3 }' "$e2e_tmp/list.txt")"
e2e_expect "Hungarian verdict" "AltGr-ütközés" verdict "Hungarian (Zintar test)"
e2e_expect "Hungarian count" "most lenyomva: 0" held_now
select_layout A07A040E # opened again, the window shows the active layout: US, no file here
e2e_expect "Hungarian key" "F: f, F, AltGr [" child_text zintar.keycap "F:"
reopen_in imgLangEng
title="Keyboard layouts"
held_word="held now"
e2e_expect "English again" "works" verdict "US (Zintar test)"
# The shortcut check of Ctrl+Alt+F with the Hungarian layout drawn under it, once drawn.
select_layout A07A040E
e2e_expect "Hungarian drawn" "F: f, F, AltGr [" child_text zintar.keycap "F:"
sleep 0.5
layouts_screenshot "$shots/zintar-shortcut-check.png"
kill "$e2e_app_pid"
WINEPREFIX=$e2e_prefix wineserver -k || true

# A Hungarian user: the X keymap hu, the locale hu_HU (the active layout is 0000040E), and
# the registry naming the Hungarian test layout's DLL for it.
setxkbmap -display "$DISPLAY" -rules evdev -model pc105 -layout hu
e2e_check "X keymap" hu "$(setxkbmap -display "$DISPLAY" -query | awk '$1 == "layout:" { print $2 }')"
e2e_wine reg add "$hu_key" /v "Layout File" /t REG_SZ /d ztkbdhu.dll /f >/dev/null
e2e_wine reg add "$hu_key" /v "Layout Text" /t REG_SZ /d Hungarian /f >/dev/null
LANG=hu_HU.UTF-8 LC_ALL=hu_HU.UTF-8 e2e_start_zintar
# The key details pane first, while the main window is in view: the real F key, and what it
# types read from the active layout's tables.
e2e_inspect
e2e_pointer_to lblSpec 20 8
xdotool click --repeat 2 --delay 80 1
sleep 0.5
e2e_keys f
pane_value() { # caption
    { e2e_wine "$e2e_inspector" --children --title "Key history" || true; } | tr -d '\r' |
        awk -F'\t' -v want="$1" '
            $1 == "child" && tolower($2) == "static" { c[++n] = $9 }
            $1 == "child" && tolower($2) == "edit" { v[++m] = $9 }
            END { for (i = 1; i <= n; i++) if (c[i] == want) print v[i] }'
}
e2e_expect "pane: layout" "0000040E Hungarian" pane_value "Layout"
e2e_expect "pane: F plain" "f" pane_value "Types plain"
e2e_expect "pane: F with AltGr" "[" pane_value "With AltGr"
open_layouts
e2e_expect "the active layout's row" "Hungarian (active)" cell "$list_layouts" 1 0000040E 0
e2e_expect "its file" ztkbdhu.dll cell "$list_layouts" 1 0000040E 2
e2e_expect "its keyboard" "F: f, F, AltGr [" child_text zintar.keycap "F:"

e2e_finish
