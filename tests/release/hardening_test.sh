#!/usr/bin/env bash
# The release exe has every hardening property (see hardening_faults.sh), and the check
# notices each one missing: every case below takes one away from a copy of the exe and
# expects exactly that fault to be reported.
# usage: hardening_test.sh EXE
set -euo pipefail

exe=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passed=0 failed=0

pass() { passed=$((passed + 1)); }
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

if faults=$("$here/hardening_faults.sh" "$exe" 2>&1); then
    pass
else
    fail "the exe lacks hardening:"$'\n'"$faults"
fi

info=$("$here/pe_info.sh" "$exe")
# offset_of KEY [NAME]: where a field of the header is stored (see pe_info.sh).
offset_of() { awk -v key="$1" -v name="${2:-}" '$1 == key && (name == "" || $2 == name) { print $NF }' <<<"$info"; }
value_of() { awk -v key="$1" -v name="${2:-}" '$1 == key && (name == "" || $2 == name) { print $(NF - 1) }' <<<"$info"; }

# put FILE OFFSET WIDTH VALUE: writes a little-endian number in place.
put() {
    local file=$1 offset=$2 width=$3 value=$4 escapes= i
    for ((i = 0; i < width; i++)); do
        escapes+=$(printf '\\x%02x' $(((value >> (8 * i)) & 0xff)))
    done
    printf "$escapes" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}

# replace FILE TEXT NEW: overwrites the first occurrence of TEXT with NEW (same length).
replace() {
    local at
    at=$(LC_ALL=C grep -abo -m1 -F "$2" "$1" | head -n 1 | cut -d: -f1)
    [ -n "$at" ] || return 1
    printf '%s' "$3" | dd of="$1" bs=1 seek="$at" conv=notrunc status=none
}

dll=$(value_of dll_characteristics) dll_at=$(offset_of dll_characteristics)
file_flags=$(value_of characteristics) file_flags_at=$(offset_of characteristics)
text=$(value_of section .text) text_at=$(offset_of section .text)
runtime_import=$(awk '$1 == "import" && tolower($2) == "msvcrt.dll" { print $2 }' <<<"$info")

# name | change to a copy of the exe | the one fault expected
cases=(
    "dynamic base|put \$copy $dll_at 2 $((dll & ~0x40))|no dynamic base (ASLR)"
    "high entropy|put \$copy $dll_at 2 $((dll & ~0x20))|no high-entropy virtual addresses"
    "NX|put \$copy $dll_at 2 $((dll & ~0x100))|not NX-compatible"
    "relocations|put \$copy $file_flags_at 2 $((file_flags | 0x1))|no relocations, so the image cannot be moved (ASLR)"
    "W+X section|put \$copy $text_at 4 $((text | 0x80000000))|section .text is writable and executable"
    "stack protector|replace \$copy 'stack smashing detected' 'stack-smashing detected'|no stack protector (libssp's __stack_chk_fail is missing)"
    "runtime DLL|replace \$copy '$runtime_import' 'libssp.dll'|imports the toolchain's runtime DLL libssp.dll"
)
for case in "${cases[@]}"; do
    IFS='|' read -r name change expected <<<"$case"
    copy=$tmp/copy.exe
    cp "$exe" "$copy"
    if ! eval "$change"; then
        fail "$name: the copy could not be changed ($change)"
        continue
    fi
    if got=$("$here/hardening_faults.sh" "$copy" 2>&1); then
        fail "$name: the check passed an exe without it"
    elif [ "$got" != "$expected" ]; then
        fail "$name: expected only '$expected', got:"$'\n'"$got"
    else
        pass
    fi
done

# Files that are no 64-bit PE image are refused with a reason, never passed.
head -c 100 "$exe" >"$tmp/truncated.exe"
printf 'MZ' >"$tmp/mz-only.exe"
for bad in /dev/null "$tmp/truncated.exe" "$tmp/mz-only.exe"; do
    if got=$("$here/hardening_faults.sh" "$bad" 2>&1); then
        fail "$bad: passed as a hardened exe"
    elif [[ "$got" != pe_info:* ]]; then
        fail "$bad: refused without a reason: $got"
    else
        pass
    fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
