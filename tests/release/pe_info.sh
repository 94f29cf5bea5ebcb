#!/usr/bin/env bash
# Reads the header of a 64-bit Windows executable (PE32+) and prints one fact a line:
#   timestamp VALUE
#   characteristics HEX OFFSET          (file header flags; OFFSET = where they are stored)
#   dll_characteristics HEX OFFSET
#   relocations SIZE                    (bytes of base-relocation data)
#   section NAME HEX OFFSET             (the section's flags)
#   import DLL-NAME OFFSET
# Offsets are decimal file offsets, so that tests can alter a copy. Exits 1, saying why, for
# a file that is no PE32+ image.
set -euo pipefail

file=$1
size=$(stat -L -c %s "$file")

fail() {
    echo "pe_info: $file: $*" >&2
    exit 1
}

# bytes OFFSET COUNT: raw bytes (fewer at the end of the file).
bytes() {
    dd if="$file" iflag=skip_bytes,count_bytes skip="$1" count="$2" bs=4096 status=none
}

# The headers are read once into an array of byte values; fields are taken from there.
readonly header_limit=4096
read -r -d '' -a header < <(bytes 0 "$header_limit" | od -An -v -tu1) || true

# u16/u32 OFFSET: little-endian unsigned numbers inside the headers, left in $v (no
# subshell: a header has many fields).
u16() { uint 2 "$1"; }
u32() { uint 4 "$1"; }
uint() {
    local width=$1 offset=$2 i
    v=0
    [ "$offset" -ge 0 ] && [ $((offset + width)) -le ${#header[@]} ] ||
        fail "a header field at $offset lies outside the file's first $header_limit bytes"
    for ((i = width - 1; i >= 0; i--)); do
        v=$(((v << 8) | header[offset + i]))
    done
}

# A NUL-terminated name of at most 256 bytes anywhere in the file.
name_at() {
    [ "$1" -lt "$size" ] || fail "a name at $1 lies outside the file"
    bytes "$1" 256 | tr '\0' '\n' | sed -n 1p
}

[ "${#header[@]}" -ge 64 ] && [ "${header[0]}" -eq 77 ] && [ "${header[1]}" -eq 90 ] ||
    fail "no MZ header"
u32 60 && pe=$v
[ $((pe + 4)) -le ${#header[@]} ] && u32 "$pe" && [ "$v" -eq $((0x4550)) ] || fail "no PE signature"
coff=$((pe + 4))
u16 $((coff + 2)) && sections=$v
u16 $((coff + 16)) && optional_size=$v
optional=$((coff + 20))
u16 "$optional" && [ "$v" -eq $((0x20b)) ] || fail "not a PE32+ (64-bit) image"
[ "$optional_size" -ge 112 ] || fail "optional header too short"

u32 $((coff + 4)) && echo "timestamp $v"
u16 $((coff + 18)) && printf 'characteristics 0x%04x %d\n' "$v" $((coff + 18))
u16 $((optional + 70)) && printf 'dll_characteristics 0x%04x %d\n' "$v" $((optional + 70))

u32 $((optional + 108)) && directories=$v
# directory INDEX: sets directory_rva and directory_size, both 0 when there is none.
directory() {
    directory_rva=0 directory_size=0
    if [ "$1" -lt "$directories" ] && [ $((112 + 8 * $1 + 8)) -le "$optional_size" ]; then
        u32 $((optional + 112 + 8 * $1)) && directory_rva=$v
        u32 $((optional + 116 + 8 * $1)) && directory_size=$v
    fi
}
directory 5
echo "relocations $directory_size"

table=$((optional + optional_size))
section_rva=() section_span=() section_raw=()
for ((i = 0; i < sections; i++)); do
    entry=$((table + 40 * i))
    u32 $((entry + 8)) && virtual_size=$v
    u32 $((entry + 16)) && raw_size=$v
    u32 $((entry + 12)) && section_rva+=("$v")
    u32 $((entry + 20)) && section_raw+=("$v")
    section_span+=($((virtual_size > raw_size ? virtual_size : raw_size)))
    u32 $((entry + 36))
    printf 'section %s 0x%08x %d\n' "$(bytes "$entry" 8 | tr -d '\0')" "$v" $((entry + 36))
done

# offset_of RVA: the file offset of a relative virtual address, left in $v.
offset_of() {
    local rva=$1 i
    for ((i = 0; i < ${#section_rva[@]}; i++)); do
        if [ "$rva" -ge "${section_rva[i]}" ] && [ "$rva" -lt $((section_rva[i] + section_span[i])) ]; then
            v=$((rva - section_rva[i] + section_raw[i]))
            return 0
        fi
    done
    fail "address 0x$(printf %x "$rva") is in no section"
}

directory 1
if [ "$directory_rva" -ne 0 ]; then
    offset_of "$directory_rva" && descriptor=$v
    # The descriptor list ends with an all-zero entry; a bound keeps a damaged file finite.
    for ((i = 0; i < 256; i++)); do
        read -r _ _ _ name_rva _ < <(bytes $((descriptor + 20 * i)) 20 | od -An -tu4 --endian=little)
        [ "${name_rva:-0}" -eq 0 ] && break
        offset_of "$name_rva"
        echo "import $(name_at "$v") $v"
    done
fi
