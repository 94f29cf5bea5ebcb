#!/usr/bin/env bash
# The input method's composition in the capture box with Wine's own input method: the window
# test's case, run on an X display, where Wine gives the capture box an input context and its
# input method sends the messages (under the null driver the box has none, and the test sends
# the same messages itself).
#   input_method.sh GUI-TEST-EXE INSPECTOR PREFIX-DIR
source "$(dirname "$0")/lib.sh"
e2e_start_x
zintar_ensure_wine_prefix "$e2e_prefix" x11

e2e_wine "$e2e_exe" --gtest_filter='TextInput.TheComposition*' 2>&1 | tr -d '\r' >"$e2e_tmp/ime.txt" || true
cat "$e2e_tmp/ime.txt"
e2e_check "Wine's input method composed in the capture box" yes \
    "$(grep -q '^input method: the system' "$e2e_tmp/ime.txt" && echo yes || echo no)"
e2e_check "its rows came in order" yes \
    "$(grep -q '^\[  PASSED  \] 1 test' "$e2e_tmp/ime.txt" && echo yes || echo no)"
e2e_finish
