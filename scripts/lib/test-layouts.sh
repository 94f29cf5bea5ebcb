# Installs the test keyboard layouts into a Wine prefix the way Windows installs a layout:
# the DLL into the prefix's windows/system32 and a KLID key under
# HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layouts with "Layout File" and "Layout Text".
# Wine ships no layout DLLs and its prefix has no layout list, so tests that read layouts
# bring their own. Source scripts/lib/wine-prefix.sh first.
#
#   zintar_install_fixture_layouts PREFIX DLLDIR
#       DLLDIR is the build's test-layout folder (tests/layouts/dlls): its layouts.tsv lists
#       one layout a line, KLID, file and name separated by tabs.

zintar_install_fixture_layouts() {
    local prefix=$1 dlls=$2 klid file text reg
    local system32=$prefix/drive_c/windows/system32
    if [ ! -f "$dlls/layouts.tsv" ]; then
        echo "no test layouts in $dlls (build the target zintar_test_layouts)" >&2
        return 1
    fi
    if [ ! -d "$system32" ]; then
        echo "$prefix is no Wine prefix: $system32 is missing" >&2
        return 1
    fi
    zintar_find_wine || return 1
    reg=$(mktemp --suffix=.reg) || return 1
    printf 'Windows Registry Editor Version 5.00\n' >"$reg"
    while IFS=$'\t' read -r klid file text; do
        [ -n "$klid" ] || continue
        if ! cp "$dlls/$file" "$system32/$file"; then
            rm -f "$reg"
            return 1
        fi
        # The names hold no quote or backslash, which a .reg file would need escaped.
        printf '\n[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts\\%s]\n' \
            "$klid" >>"$reg"
        printf '"Layout File"="%s"\n"Layout Text"="%s"\n' "$file" "$text" >>"$reg"
    done <"$dlls/layouts.tsv"
    if ! WINEPREFIX=$prefix WINEDEBUG=-all DISPLAY= "$zintar_wine" regedit /S \
        "$(winepath_of "$reg")"; then
        echo "Wine's regedit could not add the test layouts to $prefix" >&2
        rm -f "$reg"
        return 1
    fi
    rm -f "$reg"
    # regedit ran without a display; the Wine session it started must be gone before a
    # program that wants one starts, or that program's windows land on no display.
    WINEPREFIX=$prefix wineserver -w
}
