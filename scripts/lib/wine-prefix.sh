# Private Wine prefixes under the build folder; ~/.wine is never touched.
#   null: the "null" graphics driver, windows and controls work without an X server
#   x11:  a real X driver (Xvfb in tests) without window-manager waits

zintar_wine=/usr/lib/wine/wine64
[ -x "$zintar_wine" ] || zintar_wine=$(command -v wine)

zintar_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# zintar_ensure_wine_prefix DIR KIND
zintar_ensure_wine_prefix() {
    local prefix=$1 kind=$2
    mkdir -p "$(dirname "$prefix")"
    # The settings files' checksum marks a finished prefix; changed settings are applied again.
    local settings
    settings=$(cat "$zintar_lib_dir/prefix-common.reg" "$zintar_lib_dir/prefix-$kind.reg" | md5sum)
    (
        flock 9
        [ "$(cat "$prefix/.zintar-ready" 2>/dev/null)" == "$settings" ] && exit 0
        if [ ! -f "$prefix/system.reg" ]; then
            rm -rf "$prefix"
            # No Mono or Gecko: the program needs neither, and their installers would ask.
            WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= \
                "$zintar_wine" wineboot -i >/dev/null 2>&1
        fi
        local file
        for file in prefix-common.reg "prefix-$kind.reg"; do
            WINEPREFIX=$prefix WINEDEBUG=-all DISPLAY= \
                "$zintar_wine" regedit /S "$(winepath_of "$zintar_lib_dir/$file")" >/dev/null 2>&1
        done
        WINEPREFIX=$prefix wineserver -w
        printf '%s' "$settings" >"$prefix/.zintar-ready"
    ) 9>"$prefix.lock"
}

# Wine maps the Unix root to drive Z:.
winepath_of() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}
