#!/usr/bin/env bash
# The set-up of the layout tests: the test layouts installed into the test prefix as Windows
# installs layouts (scripts/lib/test-layouts.sh).
# usage: install_test_layouts.sh PREFIX-DIR DLL-DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
source "$root/scripts/lib/steps.sh"
source "$root/scripts/lib/wine-prefix.sh"
source "$root/scripts/lib/test-layouts.sh"
zintar_step "preparing the Wine prefix $1"
zintar_ensure_wine_prefix "$(realpath -m "$1")" null
zintar_step "installing the test layouts from $2"
zintar_install_fixture_layouts "$(realpath -m "$1")" "$2"
