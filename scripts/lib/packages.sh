# Makes sure the Debian packages and the Hungarian locale that building, running and
# testing need are present. Installs what is missing when run as root; otherwise prints
# the one command that would and fails.

zintar_packages=(
    cmake g++-mingw-w64-x86-64 wine wine64 xvfb xauth xdotool x11-xkb-utils xclip
    locales imagemagick fonts-liberation googletest clang libgif-dev
)

zintar_missing_packages() {
    local p
    for p in "${zintar_packages[@]}"; do
        if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
            printf '%s\n' "$p"
        fi
    done
}

zintar_has_hungarian_locale() {
    locale -a 2>/dev/null | grep -qix 'hu_HU.utf8'
}

zintar_ensure_packages() {
    local missing
    missing=$(zintar_missing_packages | tr '\n' ' ')
    missing=${missing% }
    if [ -n "$missing" ]; then
        if [ "$(id -u)" -ne 0 ]; then
            echo "Missing Debian packages. Install them with:" >&2
            echo "  sudo apt-get update && sudo apt-get install -y $missing" >&2
            return 1
        fi
        echo "Installing: $missing" >&2
        apt-get update -qq >&2
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >&2
    fi
    if ! zintar_has_hungarian_locale; then
        if [ "$(id -u)" -ne 0 ]; then
            echo "The hu_HU.UTF-8 locale is missing. Generate it with:" >&2
            echo "  sudo localedef -i hu_HU -f UTF-8 hu_HU.UTF-8" >&2
            return 1
        fi
        localedef -i hu_HU -f UTF-8 hu_HU.UTF-8 >&2
    fi
}
