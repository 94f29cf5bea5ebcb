# Makes sure the Debian packages and the Hungarian locale that building, running and
# testing need are present. As root it installs what is missing; otherwise it prints the one
# command that would, and stops the script.

zintar_packages=(
    cmake g++-mingw-w64-x86-64 wine wine64 xvfb xauth xdotool x11-xkb-utils xclip
    locales imagemagick fonts-liberation fonts-wine googletest clang clang-format-14 clang-tidy-14
    libgif-dev zlib1g-dev zip faketime
    x11-xserver-utils linux-libc-dev libsdl2-dev nodejs mono-mcs
    libmono-system-windows-forms4.0-cil
)

# zintar_missing_packages PACKAGE...: prints those not installed, one a line.
zintar_missing_packages() {
    local p
    for p in "$@"; do
        if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
            printf '%s\n' "$p"
        fi
    done
}

zintar_has_hungarian_locale() {
    locale -a 2>/dev/null | grep -qix 'hu_HU.utf8'
}

zintar_locale_command="localedef -i hu_HU -f UTF-8 hu_HU.UTF-8"

# zintar_ensure_packages [EXTRA-PACKAGE...]: the project's packages, the extra ones and the
# Hungarian locale.
zintar_ensure_packages() {
    zintar_ensure_debian_packages "${zintar_packages[@]}" "$@" --locale
}

# zintar_ensure_debian_packages PACKAGE... [--locale]: just these (and the locale).
zintar_ensure_debian_packages() {
    zintar_step "checking the Debian packages"
    local missing= needs_locale= p
    for p in "$@"; do
        if [ "$p" == --locale ]; then
            zintar_has_hungarian_locale || needs_locale=1
        elif [ -n "$(zintar_missing_packages "$p")" ]; then
            missing="${missing:+$missing }$p"
        fi
    done
    [ -z "$missing" ] && [ -z "$needs_locale" ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        # One line that does everything, to paste into a root shell.
        local line= what="the hu_HU.UTF-8 locale is"
        if [ -n "$missing" ]; then
            what="Debian packages ${needs_locale:+and the hu_HU.UTF-8 locale }are"
        fi
        [ -n "$missing" ] && line="apt-get update && apt-get install -y $missing"
        [ -n "$needs_locale" ] && line="${line:+$line && }$zintar_locale_command"
        zintar_fail "$what missing; as root, run:
  $line"
    fi
    if [ -n "$missing" ]; then
        zintar_step "installing the Debian packages ($missing)"
        echo "Installing: $missing" >&2
        apt-get update -qq >&2
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >&2
    fi
    if [ -n "$needs_locale" ]; then
        zintar_step "generating the hu_HU.UTF-8 locale"
        $zintar_locale_command >&2
    fi
}
