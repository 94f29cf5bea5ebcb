#!/usr/bin/env bash
# Two release builds of the same sources give the same bytes: scripts/package runs in two
# copies of the source tree in different folders, with the clocks 400 days apart, different
# time zones, locales and umasks and, when run as root, as two different users. The exes,
# the archives and their checksums must be identical, the exe without a link time or a
# build folder.
# usage: reproducible_test.sh SOURCE-DIR
set -euo pipefail

source_dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zintar-reproducible.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
passed=0 failed=0
pass() { passed=$((passed + 1)); }
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

first=$tmp/a/zintar
second=$tmp/second-builder/src/Zintar-checkout
for copy in "$first" "$second"; do
    mkdir -p "$copy"
    # The sources as they are, with the git data that dates the archive; no earlier build.
    tar -C "$source_dir" --exclude=./build --exclude=./dist -c . | tar -x -C "$copy"
done
unset SOURCE_DATE_EPOCH
if ! git -C "$first" rev-parse --show-toplevel >/dev/null 2>&1; then
    # Sources without git data: the release's date is given, as scripts/package asks.
    export SOURCE_DATE_EPOCH=1700000000
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
    local copy=$1 log=$2
    shift 2
    if ! (cd "$copy" && "$@" ./scripts/package) >"$log" 2>&1; then
        fail "scripts/package failed in $copy:"
        tail -n 30 "$log"
    fi
}
build "$first" "$tmp/first.log" env TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8 bash -c 'umask 022 && exec "$@"' umask
build "$second" "$tmp/second.log" "${as_other_user[@]}" env HOME="$tmp/second-builder" \
    TZ=Pacific/Kiritimati LANG=hu_HU.UTF-8 LC_ALL=hu_HU.UTF-8 FAKETIME_DONT_FAKE_MONOTONIC=1 \
    faketime -f +400d bash -c 'umask 077 && exec "$@"' umask

exe=build/package/app/Varnick_Zintar.exe
archive=$(cd "$first/dist" 2>/dev/null && ls ./*.zip 2>/dev/null | head -n 1)
archive=${archive#./}
# same NAME PATH: the file is in both copies, byte for byte.
same() {
    if [ ! -f "$first/$2" ] || [ ! -f "$second/$2" ]; then
        fail "$1: missing ($2)"
    elif cmp -s "$first/$2" "$second/$2"; then
        pass
    else
        fail "$1 differs ($2); first differing bytes (offset, octal values):"
        { cmp -l "$first/$2" "$second/$2" | head -n 8; } || true
    fi
}
same "the exe" "$exe"
same "the archive" "dist/${archive:-no archive written}"
same "the checksum" "dist/$archive.sha256"

if [ -f "$first/$exe" ]; then
    stamp=$("$here/pe_info.sh" "$first/$exe" | awk '$1 == "timestamp" { print $2 }')
    if [ "$stamp" == 0 ]; then pass; else fail "the exe carries a link time ($stamp)"; fi
    for copy in "$first" "$second"; do
        if LC_ALL=C grep -aqF "$copy" "$first/$exe" "$second/$exe"; then
            fail "an exe names the build folder $copy"
        else
            pass
        fi
    done
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
