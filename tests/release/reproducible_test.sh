#!/usr/bin/env bash
# Release builds of the same sources give the same bytes. scripts/package runs in a copy of
# the source tree in another folder, with the clock 400 days ahead, another time zone, locale
# and umask and, when run as root, as another user; its exe must be the exe that the test
# build made in the source folder (the same preset and target), without a link time or a
# build folder. A second scripts/package run in the copy, back in this user's clock, zone,
# locale and umask, finds the exe built and makes only the archive again: archive and
# checksum must be the same bytes. One full build instead of two proves the same.
# usage: reproducible_test.sh SOURCE-DIR BUILT-EXE
set -euo pipefail

source_dir=$(cd "$1" && pwd)
built_exe=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zintar-reproducible.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
passed=0 failed=0
pass() { passed=$((passed + 1)); }
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

copy=$tmp/second-builder/src/Zintar-checkout
mkdir -p "$copy"
# The sources as they are, with the git data that dates the archive; no earlier build.
tar -C "$source_dir" --exclude=./build --exclude=./dist -c . | tar -x -C "$copy"
unset SOURCE_DATE_EPOCH
if [ ! -d "$copy/.git" ] || ! git -C "$copy" rev-parse --show-toplevel >/dev/null 2>&1; then
    # Sources without git data of their own (none, or a worktree's pointer to a repository
    # that another user cannot read): the release's date is given, as scripts/package asks,
    # and it is the commit's when the sources can tell it.
    SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || echo 1700000000)
    export SOURCE_DATE_EPOCH
fi

as_other_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$tmp/second-builder"
    chmod 0755 "$tmp"
    as_other_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# The second build's clock really runs 400 days ahead.
clock_now=$(date +%Y%m%d) clock_shifted=$(faketime -f +400d date +%Y%m%d)
if [ "$clock_shifted" -gt "$clock_now" ]; then
    pass
else
    fail "faketime did not move the clock ($clock_now, $clock_shifted)"
fi

build() {
    local log=$1
    shift
    if ! (cd "$copy" && "$@" ./scripts/package) >"$log" 2>&1; then
        fail "scripts/package failed in $copy:"
        tail -n 30 "$log"
    fi
}
exe=build/package/app/Varnick_Zintar.exe
# The full build, as the other builder in the shifted world.
build "$tmp/shifted.log" "${as_other_user[@]}" env HOME="$tmp/second-builder" \
    TZ=Pacific/Kiritimati LANG=hu_HU.UTF-8 LC_ALL=hu_HU.UTF-8 FAKETIME_DONT_FAKE_MONOTONIC=1 \
    faketime -f +400d bash -c 'umask 077 && exec "$@"' umask
mkdir -p "$tmp/shifted"
cp -p "$copy/$exe" "$copy"/dist/* "$tmp/shifted/" 2>/dev/null || true
# The archive again, as this user in this world; git may read the other builder's copy.
build "$tmp/plain.log" env GIT_CONFIG_COUNT=1 GIT_CONFIG_KEY_0=safe.directory \
    GIT_CONFIG_VALUE_0="$copy" TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8 bash -c 'umask 022 && exec "$@"' umask

archive=$(cd "$copy/dist" 2>/dev/null && ls ./*.zip 2>/dev/null | head -n 1)
archive=${archive#./}
# same NAME FIRST SECOND: the two files exist and are equal byte for byte.
same() {
    if [ ! -f "$2" ] || [ ! -f "$3" ]; then
        fail "$1: missing ($2 or $3)"
    elif cmp -s "$2" "$3"; then
        pass
    else
        fail "$1 differs ($2, $3); first differing bytes (offset, octal values):"
        { cmp -l "$2" "$3" | head -n 8; } || true
    fi
}
same "the exe against the test build's" "$built_exe" "$tmp/shifted/Varnick_Zintar.exe"
same "the exe after the second run" "$tmp/shifted/Varnick_Zintar.exe" "$copy/$exe"
same "the archive" "$tmp/shifted/${archive:-no archive written}" "$copy/dist/${archive:-none}"
same "the checksum" "$tmp/shifted/$archive.sha256" "$copy/dist/$archive.sha256"

if [ -f "$tmp/shifted/Varnick_Zintar.exe" ]; then
    stamp=$("$here/pe_info.sh" "$tmp/shifted/Varnick_Zintar.exe" | awk '$1 == "timestamp" { print $2 }')
    if [ "$stamp" == 0 ]; then pass; else fail "the exe carries a link time ($stamp)"; fi
    for folder in "$copy" "$source_dir"; do
        if LC_ALL=C grep -aqF "$folder" "$tmp/shifted/Varnick_Zintar.exe" "$built_exe"; then
            fail "an exe names the build folder $folder"
        else
            pass
        fi
    done
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
