#!/usr/bin/env bash
# The flags and the link under a real pointer, the language choice by click, and the choice
# kept for the next start. Leaves English stored, as it found the prefix.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_zintar
shots=$(dirname "$e2e_prefix")/screenshots
mkdir -p "$shots"

e2e_inspect
e2e_pointer_to imgLangHUN 10 10
e2e_inspect
e2e_expect "Hungarian frame under the pointer" visible e2e_column imgLangHUN_hl 7
e2e_expect "English frame" hidden e2e_column imgLangEng_hl 7

xdotool click 1
sleep 0.3
e2e_inspect
e2e_expect_field lblChar karakter
e2e_expect_field lblCharCode "karakter kód"
e2e_expect_field lblZintar "billentyű kód"
e2e_expect_field lblHex hexa
e2e_expect_field lblKeys "lenyomott billentyűk"
e2e_expect "title" Zintar e2e_window_title
e2e_expect "frame stays lit after the click" visible e2e_column imgLangHUN_hl 7

# Over the white band (no control there): the effect goes out at once.
e2e_pointer_to lblTitle 140 5
e2e_inspect
e2e_expect "frame over the band" hidden e2e_column imgLangHUN_hl 7

# Onto the English flag, then straight out of the window: the timer notices.
e2e_pointer_to imgLangEng 10 10
e2e_inspect
e2e_expect "English frame under the pointer" visible e2e_column imgLangEng_hl 7
xdotool mousemove 2 2
sleep 0.4
e2e_inspect
e2e_expect "English frame once the pointer left" hidden e2e_column imgLangEng_hl 7

# The choice survives a restart.
e2e_keys shift+a
e2e_screenshot "$shots/zintar-hungarian.png"
kill "$e2e_app_pid"
WINEPREFIX=$e2e_prefix wineserver -k || true
e2e_start_zintar
e2e_inspect
e2e_expect_field lblKeys "lenyomott billentyűk"

# Back to English by the flag, and that is kept too.
e2e_pointer_to imgLangEng 10 10
xdotool click 1
sleep 0.3
e2e_inspect
e2e_expect_field lblKeys "pressed keys"
e2e_pointer_to lblTitle 140 5
e2e_pointer_to Tchar 60 40
e2e_keys ctrl+shift+F5
e2e_screenshot "$shots/zintar-english.png"
kill "$e2e_app_pid"
WINEPREFIX=$e2e_prefix wineserver -k || true
e2e_start_zintar
e2e_inspect
e2e_expect_field lblKeys "pressed keys"

e2e_finish
