#!/usr/bin/env bash
# Hostile pastes with the real clipboard: a megabyte of digits and a mark with the letter it
# belongs to, each pasted with Ctrl+V. The window must take each within a second, hold what
# the box's rules allow, and go on converting a digit typed next within a second.
source "$(dirname "$0")/lib.sh"

# The times come from a reader that is started and ready before the keys are pressed, so
# that no program's start-up is in them; it is built beside the hostile-input test.
field_watch=$(cd "$(dirname "$e2e_inspector")/.." && pwd)/tests/hostile/zintar_field_watch.exe
[ -f "$field_watch" ] || { echo "not built: $field_watch" >&2; exit 1; }

e2e_start_x
e2e_start_zintar

# Presses keys with a reader watching one field; prints the milliseconds from the keys to the
# field showing the text, or "never" and what it showed instead (after 3 s).
e2e_time_keys() { # control expected keys...
    local control=$1 want=$2 out=$e2e_tmp/watch.txt pid start seen
    shift 2
    : >"$out"
    e2e_wine "$field_watch" "$control" "$want" 3000 >"$out" 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        grep -q ready "$out" && break
        sleep 0.05
    done
    start=$(date +%s%3N)
    xdotool key --delay 40 "$@"
    wait "$pid" || true
    seen=$(tr -d '\r' <"$out" | awk '$1 == "seen" { print $2 }')
    if [ -n "$seen" ]; then
        echo $((seen - start))
    else
        echo "never ($(tr -d '\r' <"$out" | tail -n 1))"
    fi
}

e2e_within_second() { # label control expected keys...
    local label=$1 ms
    shift
    ms=$(e2e_time_keys "$@")
    if [[ $ms =~ ^[0-9]+$ ]] && [ "$ms" -le 1000 ]; then
        printf 'ok    %s: %s = "%s" after %d ms\n' "$label" "$1" "$2" "$ms"
    else
        printf 'FAIL  %s: %s = "%s" not within 1 s: %s ms\n' "$label" "$1" "$2" "$ms"
        e2e_failures=$((e2e_failures + 1))
    fi
}

# Tchar -> Tcc -> Thex -> Tcode_dec -> Tcode_hex
e2e_keys Tab
e2e_inspect
e2e_expect "focus" Tcc e2e_focus

head -c 1048576 /dev/zero | tr '\0' '9' | xclip -selection clipboard
e2e_within_second "a megabyte of digits pasted" Tcc 255 ctrl+a ctrl+v
e2e_inspect
e2e_expect_field Tcc 255
e2e_expect_field Thex FF
e2e_expect_field Tcode_hex ""
e2e_within_second "a digit typed after it" Tcode_hex 07 Tab Tab 7
e2e_inspect
e2e_expect_field Tcode_dec 7
e2e_expect_field Tcc ""

# A combining hamza below and the letter after it: two characters that are no hexadecimal
# digits count 0.
e2e_keys shift+Tab
printf '\xd9\x95\xd8\xa8' | xclip -selection clipboard
e2e_within_second "hamza below and beh pasted" Thex 00 ctrl+a ctrl+v
e2e_inspect
e2e_expect_field Thex 00
e2e_expect_field Tcc 0
e2e_expect_field Tcode_hex ""
e2e_within_second "a digit typed after it" Tcode_hex 07 Tab 7
e2e_inspect
e2e_expect_field Tcode_dec 7
e2e_expect_field Thex ""

e2e_finish
