#!/usr/bin/env bash
# The window at 96, 120, 144 and 192 dpi (LogPixels of the prefix, set before the program
# starts): every control of a fixed size where the design puts it, scaled to the DPI within
# a pixel; no caption wider or taller than its control; the flags light under the pointer at
# their scaled places and go out when it leaves the window. The prefix's own LogPixels is put
# back at the end: the other end-to-end tests share it.
source "$(dirname "$0")/lib.sh"

desktop_key='HKCU\Control Panel\Desktop'
shots=$(dirname "$e2e_prefix")/screenshots
mkdir -p "$shots"
zintar_ensure_wine_prefix "$e2e_prefix" x11
saved_dpi=$(e2e_wine reg query "$desktop_key" /v LogPixels 2>/dev/null | tr -d '\r' |
    awk '$1 == "LogPixels" { print $3 }' || true)
if [ -n "$saved_dpi" ]; then
    saved_dpi=$((saved_dpi)) # reg prints it in hex
fi

restore_dpi() {
    [ -n "$e2e_app_pid" ] && kill "$e2e_app_pid" 2>/dev/null || true
    WINEPREFIX=$e2e_prefix wineserver -k 2>/dev/null || true
    if [ -n "$saved_dpi" ]; then
        e2e_wine reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$saved_dpi" /f >/dev/null 2>&1
    else
        e2e_wine reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1
    fi
    WINEPREFIX=$e2e_prefix wineserver -w 2>/dev/null || true
    e2e_cleanup
}
trap restore_dpi EXIT

# Controls whose size the design fixes, in twips (1/1440 inch): name left top width height.
fixed_controls="
imgLangEng 4680 60 315 300
imgLangHUN 5040 60 315 300
Image2 150 615 240 240
lblHomepage 3765 780 1575 255
Tchar 360 1560 1935 1245
Tcc 2520 1560 1455 405
Thex 4080 1560 975 405
Tcode_dec 2520 2400 1455 405
Tcode_hex 4080 2400 975 405
lblShift 120 3240 495 405
lblSpec 720 3240 4575 405"
client_twips="5415 3735"

pixels() { # twips dpi: MulDiv rounding
    echo $((($1 * $2 + 720) / 1440))
}

near() { # label expected actual: within one pixel
    local d=$(($2 - $3))
    if [ "${d#-}" -le 1 ]; then
        e2e_check "$1" "$2±1" "$2±1"
    else
        e2e_check "$1" "$2±1" "$3"
    fi
}

e2e_start_x
for dpi in 96 120 144 192; do
    if [ -n "$e2e_app_pid" ]; then kill "$e2e_app_pid" 2>/dev/null || true; fi
    WINEPREFIX=$e2e_prefix wineserver -k 2>/dev/null || true
    e2e_wine reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    WINEPREFIX=$e2e_prefix wineserver -w 2>/dev/null || true
    e2e_start_zintar
    e2e_inspect

    read -r cw ch <<<"$client_twips"
    near "$dpi dpi client width" "$(pixels "$cw" "$dpi")" \
        "$(awk -F'\t' '$1 == "window" { print $8 }' "$e2e_tmp/inspect.txt")"
    near "$dpi dpi client height" "$(pixels "$ch" "$dpi")" \
        "$(awk -F'\t' '$1 == "window" { print $9 }' "$e2e_tmp/inspect.txt")"
    while read -r name x y w h; do
        [ -n "$name" ] || continue
        near "$dpi dpi $name left" "$(pixels "$x" "$dpi")" "$(e2e_column "$name" 3)"
        near "$dpi dpi $name top" "$(pixels "$y" "$dpi")" "$(e2e_column "$name" 4)"
        near "$dpi dpi $name width" "$(pixels "$w" "$dpi")" "$(e2e_column "$name" 5)"
        near "$dpi dpi $name height" "$(pixels "$h" "$dpi")" "$(e2e_column "$name" 6)"
    done <<<"$fixed_controls"

    # Every text in its design font at this DPI fits the control that shows it.
    e2e_wine "$e2e_inspector" --extents | tr -d '\r' >"$e2e_tmp/extents.txt"
    e2e_check "$dpi dpi: texts measured" yes "$([ -s "$e2e_tmp/extents.txt" ] && echo yes || echo no)"
    e2e_check "$dpi dpi: measured at the window's DPI" "" \
        "$(awk -F'\t' -v d="$dpi" '$1 == "extent" && $3 != d { printf "%s ", $2 }' "$e2e_tmp/extents.txt")"
    e2e_check "$dpi dpi: clipped captions" "" \
        "$(awk -F'\t' '$1 == "extent" && ($4 > $6 || $5 > $7) { printf "%s(%sx%s in %sx%s) ", $2, $4, $5, $6, $7 }' \
            "$e2e_tmp/extents.txt")"

    # The flags under the pointer, at the places the design gives them at this DPI.
    read -r wx wy _ _ < <(e2e_window_rect)
    read -r ox oy < <(e2e_client_origin)
    for flag in imgLangHUN imgLangEng; do
        read -r _ x y w h < <(grep "^$flag " <<<"$fixed_controls")
        xdotool mousemove $((wx + ox + $(pixels $((x + w / 2)) "$dpi"))) \
            $((wy + oy + $(pixels $((y + h / 2)) "$dpi")))
        sleep 0.3
        e2e_inspect
        e2e_expect "$dpi dpi: $flag lit under the pointer" visible e2e_column "${flag}_hl" 7
        xdotool mousemove 2 2
        sleep 0.4
        e2e_inspect
        e2e_expect "$dpi dpi: $flag out once the pointer left" hidden e2e_column "${flag}_hl" 7
    done

    # The README's picture of the window at 150 %.
    if [ "$dpi" = 144 ]; then
        e2e_pointer_to Tchar 60 40
        xdotool click 1
        e2e_keys ctrl+shift+F5
        e2e_screenshot "$shots/zintar-150.png"
    fi
done
e2e_finish
