# Private Wine prefixes under the build folder; ~/.wine is never touched.
#   null: the "null" graphics driver, windows and controls work without an X server
#   x11:  a real X driver (Xvfb in tests) without window-manager waits
#
# Sourcing this file needs no Wine yet: a fresh machine gets it from the package step that
# runs afterwards. zintar_find_wine resolves it once it is needed.

zintar_wine=
zintar_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Sets zintar_wine, or says that Wine is missing and fails.
zintar_find_wine() {
    if [ -x /usr/lib/wine/wine64 ]; then
        zintar_wine=/usr/lib/wine/wine64
    elif ! zintar_wine=$(command -v wine); then
        echo "Wine is not installed: run ./scripts/test or ./scripts/start as root once." >&2
        return 1
    fi
}
# Scripts that run after the package step may use $zintar_wine straight away.
zintar_find_wine 2>/dev/null || true

# zintar_ensure_wine_prefix DIR KIND
zintar_ensure_wine_prefix() {
    local prefix=$1 kind=$2
    zintar_find_wine
    mkdir -p "$(dirname "$prefix")"
    # The settings files' checksum marks a finished prefix; changed settings are applied again.
    local settings
    # "marlett" stands for the font copy below, so prefixes made before it get it too.
    settings=$( (cat "$zintar_lib_dir/prefix-common.reg" "$zintar_lib_dir/prefix-$kind.reg"
        echo marlett) | md5sum)
    (
        flock 9
        [ "$(cat "$prefix/.zintar-ready" 2>/dev/null)" == "$settings" ] && exit 0
        local log=$prefix.log
        if [ ! -f "$prefix/system.reg" ]; then
            rm -rf "$prefix"
            # No Mono or Gecko: the program needs neither, and their installers would ask.
            if ! WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= \
                "$zintar_wine" wineboot -i >"$log" 2>&1; then
                echo "Wine could not create the prefix $prefix; its output is in $log" >&2
                exit 1
            fi
        fi
        local file
        for file in prefix-common.reg "prefix-$kind.reg"; do
            if ! WINEPREFIX=$prefix WINEDEBUG=-all DISPLAY= \
                "$zintar_wine" regedit /S "$(winepath_of "$zintar_lib_dir/$file")" >>"$log" 2>&1; then
                echo "Wine could not apply $file to the prefix $prefix; see $log" >&2
                exit 1
            fi
        done
        # Without a window manager Wine draws the title bar's buttons with Marlett, which a
        # fresh prefix lacks: the close button would show the letter "r".
        if ! zintar_copy_marlett "$prefix"; then
            echo "Marlett is missing from Wine's fonts (Debian package fonts-wine)" >&2
            exit 1
        fi
        WINEPREFIX=$prefix wineserver -w
        printf '%s' "$settings" >"$prefix/.zintar-ready"
    ) 9>"$prefix.lock"
}

# zintar_copy_marlett PREFIX-DIR: Wine's own marlett.ttf into the prefix's Fonts folder.
zintar_copy_marlett() {
    local fonts=$1/drive_c/windows/Fonts font
    font=$(dpkg -L fonts-wine 2>/dev/null | grep -m1 '/marlett\.ttf$') || return 1
    [ -f "$font" ] || return 1
    mkdir -p "$fonts" && cp "$font" "$fonts/marlett.ttf"
}

# Wine maps the Unix root to drive Z:.
winepath_of() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}
