#!/usr/bin/env bash
# Prints each hardening property that a 64-bit Windows exe lacks, one a line, and exits 1 if
# there is any: address-space layout randomisation (dynamic base, high-entropy addresses and
# the relocations it needs), no-execute data (NX), no section both writable and executable,
# the stack protector linked in statically, and no toolchain runtime DLL imported.
set -euo pipefail

exe=$1
info=$("$(dirname "$0")/pe_info.sh" "$exe")

# Windows' IMAGE_FILE_* and IMAGE_DLLCHARACTERISTICS_* / IMAGE_SCN_* bits.
readonly relocs_stripped=0x0001
readonly high_entropy_va=0x0020 dynamic_base=0x0040 nx_compat=0x0100
readonly mem_execute=0x20000000 mem_write=0x80000000

field() { awk -v key="$1" '$1 == key { print $2 }' <<<"$info"; }

faults=()
dll=$(field dll_characteristics)
(((dll & dynamic_base) != 0)) || faults+=("no dynamic base (ASLR)")
(((dll & high_entropy_va) != 0)) || faults+=("no high-entropy virtual addresses")
(((dll & nx_compat) != 0)) || faults+=("not NX-compatible")
if (($(field characteristics) & relocs_stripped)) || [ "$(field relocations)" -eq 0 ]; then
    faults+=("no relocations, so the image cannot be moved (ASLR)")
fi
while read -r _ name flags _; do
    if (((flags & mem_execute) != 0 && (flags & mem_write) != 0)); then
        faults+=("section $name is writable and executable")
    fi
done < <(grep '^section ' <<<"$info")
# libssp's failure handler, linked in only when compiled code calls it: its message is the
# mark of the stack protector in a stripped exe.
LC_ALL=C grep -aq 'stack smashing detected' "$exe" ||
    faults+=("no stack protector (libssp's __stack_chk_fail is missing)")
while read -r _ dll_name _; do
    case ${dll_name,,} in
    lib*.dll) faults+=("imports the toolchain's runtime DLL $dll_name") ;;
    esac
done < <(grep '^import ' <<<"$info")

((${#faults[@]} == 0)) && exit 0
printf '%s\n' "${faults[@]}"
exit 1
