#!/usr/bin/env bash
# The exe imports only what its first window needs: the kernel, the C runtime, the windowing
# and drawing DLLs and the registry's. The common controls (tooltip, key history) and the
# shell (home page link) are loaded when first used; COM and the imaging component not at
# all. A new import here is a DLL that every start would load.
# usage: imports_test.sh EXE
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
expected="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll"
actual=$("$here/pe_info.sh" "$1" | awk '$1 == "import" { print tolower($2) }' | sort -u | xargs)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: the exe imports: $actual"
    echo "      expected only:   $expected"
    exit 1
fi
echo "imports: $actual"
