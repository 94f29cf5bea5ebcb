#!/usr/bin/env bash
# Real key presses in the capture box, read back from outside the process.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_zintar

e2e_inspect
e2e_expect "focus at start" Tchar e2e_focus

e2e_keys shift+a
e2e_inspect
e2e_expect_field lblShift 1
e2e_expect_field Tcode_dec 65
e2e_expect_field Tcode_hex 41
e2e_expect_field lblSpec "Shift + A"
e2e_expect_field Tcc 65
e2e_expect_field Thex 41
e2e_expect_field Tchar A

e2e_keys F5
e2e_inspect
e2e_expect_field lblSpec F5
e2e_expect_field Tcode_dec 116
e2e_expect_field Tcode_hex 74
e2e_expect_field Tcc ""
e2e_expect_field Thex ""
e2e_expect_field Tchar ""

e2e_keys ctrl+c
e2e_inspect
e2e_expect_field lblSpec "Ctrl + C"
e2e_expect_field lblShift 2
e2e_expect_field Tcc 3
e2e_expect_field Thex 03

e2e_keys ctrl+shift+F5
e2e_inspect
e2e_expect_field lblSpec "Ctrl + Shift + F5"
e2e_expect_field lblShift 3

# Alt alone is captured, and does not leave the window in menu mode: the next key counts.
e2e_keys alt
e2e_inspect
e2e_expect_field lblSpec Alt
e2e_expect_field lblShift 4
e2e_keys Return
e2e_inspect
e2e_expect_field lblSpec Enter
e2e_expect_field Tcode_dec 13
e2e_expect_field Tcode_hex 0D
e2e_expect_field Tcc 13

# F10 alone the same.
e2e_keys F10
e2e_inspect
e2e_expect_field lblSpec F10
e2e_keys x
e2e_inspect
e2e_expect_field lblSpec X
e2e_expect_field Tchar x

# Tab is never captured: it moves the focus, and Shift+Tab moves it back.
e2e_keys Tab
e2e_inspect
e2e_expect "focus after Tab" Tcc e2e_focus
e2e_expect_field lblSpec X
e2e_keys shift+Tab
e2e_inspect
e2e_expect "focus after Shift+Tab" Tchar e2e_focus

# Alt+F4 keeps its meaning: the window closes and the program ends.
e2e_keys alt+F4
for _ in $(seq 50); do
    kill -0 "$e2e_app_pid" 2>/dev/null || break
    sleep 0.1
done
e2e_check "program ended by Alt+F4" yes "$(kill -0 "$e2e_app_pid" 2>/dev/null && echo no || echo yes)"

e2e_finish
