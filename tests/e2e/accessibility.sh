#!/usr/bin/env bash
# What a screen reader gets from another process through MSAA, in both languages: the five
# boxes named for their captions (the two hex boxes told apart), the flags as buttons named
# for their languages, the home page as a link to its address, and the pressed-keys read-out
# naming the combination after a key. Leaves English stored, as it found the prefix.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_zintar

e2e_msaa() {
    e2e_wine "$e2e_inspector" --msaa | tr -d '\r' >"$e2e_tmp/msaa.txt"
}

# One column of a control's msaa line: 3 role, 4 name, 5 value.
e2e_msaa_column() { # control column
    awk -F'\t' -v name="$1" -v col="$2" '$1 == "msaa" && $2 == name { print $col }' \
        "$e2e_tmp/msaa.txt"
}

check_names() { # character char-code key-code hex
    local character=$1 char_code=$2 key_code=$3 hex=$4 box
    e2e_msaa
    e2e_check "Tchar name" "$character" "$(e2e_msaa_column Tchar 4)"
    e2e_check "Tcc name" "$char_code" "$(e2e_msaa_column Tcc 4)"
    e2e_check "Thex name" "$char_code, $hex" "$(e2e_msaa_column Thex 4)"
    e2e_check "Tcode_dec name" "$key_code" "$(e2e_msaa_column Tcode_dec 4)"
    e2e_check "Tcode_hex name" "$key_code, $hex" "$(e2e_msaa_column Tcode_hex 4)"
    for box in Tchar Tcc Thex Tcode_dec Tcode_hex; do
        e2e_check "$box role" editable "$(e2e_msaa_column "$box" 3)"
    done
    # The flags keep their languages' own names whatever the window's language.
    e2e_check "English flag role" button "$(e2e_msaa_column imgLangEng 3)"
    e2e_check "English flag name" English "$(e2e_msaa_column imgLangEng 4)"
    e2e_check "Hungarian flag role" button "$(e2e_msaa_column imgLangHUN 3)"
    e2e_check "Hungarian flag name" Magyar "$(e2e_msaa_column imgLangHUN 4)"
    e2e_check "home page role" link "$(e2e_msaa_column lblHomepage 3)"
    e2e_check "home page value" "https://morvaly.example/" "$(e2e_msaa_column lblHomepage 5)"
    e2e_check "home page name" "morvaly.example" "$(e2e_msaa_column lblHomepage 4)"
}

check_names character "character code" "key code" hex

# After a key the read-out's name or value is the combination it shows.
e2e_inspect
e2e_pointer_to Tchar 60 40
xdotool click 1
e2e_keys ctrl+shift+a
e2e_inspect
e2e_msaa
combination=$(e2e_field lblSpec)
e2e_check "a combination shows" yes "$([ -n "$combination" ] && echo yes || echo no)"
spoken="$(e2e_msaa_column lblSpec 4)|$(e2e_msaa_column lblSpec 5)"
case "|$spoken|" in
*"|$combination|"*) e2e_check "read-out tells the combination" "$combination" "$combination" ;;
*) e2e_check "read-out tells the combination (name|value)" "$combination" "$spoken" ;;
esac

# Hungarian, by the flag.
e2e_pointer_to imgLangHUN 10 10
xdotool click 1
sleep 0.3
e2e_inspect
e2e_expect_field lblKeys "lenyomott billentyűk"
check_names karakter "karakter kód" "billentyű kód" hexa

e2e_pointer_to imgLangEng 10 10
xdotool click 1
sleep 0.3
e2e_inspect
e2e_expect_field lblKeys "pressed keys"
e2e_finish
