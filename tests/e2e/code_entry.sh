#!/usr/bin/env bash
# Codes typed and pasted into the code boxes with real keys and the real clipboard.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_zintar

# Tchar -> Tcc -> Thex -> Tcode_dec -> Tcode_hex
e2e_keys Tab Tab Tab Tab
e2e_inspect
e2e_expect "focus" Tcode_hex e2e_focus
e2e_keys 1 b
e2e_inspect
e2e_expect_field Tcode_hex 1b
e2e_expect_field Tcode_dec 27
e2e_expect_field lblSpec Escape
e2e_expect_field lblShift 0

# A letter that is no hexadecimal digit is refused.
e2e_keys BackSpace BackSpace g
e2e_inspect
e2e_expect_field Tcode_hex ""

# Back to the character code: the third digit of 300 makes it 255, caret behind.
e2e_keys shift+Tab shift+Tab shift+Tab
e2e_keys 3
e2e_inspect
e2e_expect_field Tcc 3
e2e_keys 0
e2e_inspect
e2e_expect_field Tcc 30
e2e_expect_field Thex 1E
e2e_keys 0
e2e_inspect
e2e_expect_field Tcc 255
e2e_expect_field Thex FF
e2e_expect_field Tcode_dec ""
# The caret stands behind the digits: a backspace takes the last one.
e2e_keys BackSpace
e2e_inspect
e2e_expect_field Tcc 25

# A real paste of -5: every code box, the capture box and the name are cleared.
printf '%s' "-5" | xclip -selection clipboard
e2e_keys ctrl+a ctrl+v
e2e_inspect
for field in Tcc Thex Tcode_dec Tcode_hex Tchar lblSpec; do
    e2e_expect_field "$field" ""
done
e2e_expect_field lblShift 0

# Ctrl+C in the decimal key code puts its digits on the clipboard.
e2e_keys Tab Tab 6 5 ctrl+a ctrl+c
e2e_inspect
e2e_expect_field Tcode_dec 65
e2e_expect_field lblSpec A
e2e_clipboard() { xclip -o -selection clipboard 2>/dev/null; }
e2e_expect "clipboard" 65 e2e_clipboard

e2e_finish
