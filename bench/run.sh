#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine, then says which machine the figures are from.
#
# usage: bench/run.sh [START-UP-RUNS [KEY-PRESS-BATCHES [CYCLES-PER-BATCH]]]
#
#   key press: in-process, in the null-driver prefix that the GUI tests use (no X server):
#              control writes per key, then a key press against the writes it needs
#   idle:      the same way: the window's wake-ups while nothing happens
#   text from outside: the same way: a code box set from outside and pasted into, 1 character
#              to 1 MB
#   layouts:   the same way: a layout read from its DLL, the shortcut table of 20 layouts, the
#              keyboard layouts window's openings; the test layouts are installed into that
#              prefix first
#   start-up:  the real exe on a private Xvfb, in a prefix of its own with the X driver, so
#              that neither the end-to-end tests' stored settings nor their wineserver are
#              shared; that Xvfb and that wineserver are stopped at the end
#
# Each benchmark prints its baseline beside its figures; both come from the same run.
# ZINTAR_BUILD_DIR names another build folder of the mingw preset (default build/mingw).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZINTAR_BUILD_DIR:-$root/build/mingw}
source "$root/scripts/lib/wine-prefix.sh"
source "$root/scripts/lib/test-layouts.sh"

startup_runs=${1:-}
keypress_args=("${@:2}")

# One fixed locale, as the tests use: the ANSI code page (1252) does not follow the machine.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset mingw -B "$build" >/dev/null)
fi
cmake --build "$build" -j2 --target zintar_bench_startup zintar_bench_minimal_window \
    zintar_bench_phases zintar_bench_minimal_phases zintar_bench_minimal_controls \
    zintar_bench_dll_loads zintar_bench_keypress zintar_bench_idle zintar_bench_outside_text \
    zintar_bench_route_burst zintar_bench_layouts zintar_bench_layouts_window zintar_test_layouts \
    Varnick_Zintar >/dev/null

exe_of() { # target name
    local found
    found=$(find "$build" -name "$1.exe" -path "*/$2/*" -print -quit)
    [ -n "$found" ] || { echo "not built: $1.exe" >&2; exit 1; }
    printf '%s' "$found"
}
bench_prefix=$build/wine/bench-x11
xvfb_pid=
stage=$(mktemp -d)

cleanup() {
    rm -rf "$stage"
    if [ -d "$bench_prefix" ]; then WINEPREFIX=$bench_prefix wineserver -k 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# The programs run from a copy of this build: other work in the same tree may relink them
# while the benchmarks run. The start-up benchmark finds its baseline and probes beside itself.
cp "$(exe_of Varnick_Zintar app)" "$(exe_of zintar_bench_startup bench)" \
    "$(exe_of zintar_bench_minimal_window bench)" "$(exe_of zintar_bench_phases bench)" \
    "$(exe_of zintar_bench_minimal_phases bench)" "$(exe_of zintar_bench_minimal_controls bench)" \
    "$(exe_of zintar_bench_dll_loads bench)" "$(exe_of zintar_bench_keypress bench)" \
    "$(exe_of zintar_bench_idle bench)" "$(exe_of zintar_bench_outside_text bench)" \
    "$(exe_of zintar_bench_layouts bench)" "$(exe_of zintar_bench_layouts_window bench)" "$stage/"
zintar_exe=$stage/Varnick_Zintar.exe
startup_exe=$stage/zintar_bench_startup.exe
keypress_exe=$stage/zintar_bench_keypress.exe
idle_exe=$stage/zintar_bench_idle.exe
outside_text_exe=$stage/zintar_bench_outside_text.exe

# A private X server on the first display number that is free; should another script take
# the same number at the same moment, that Xvfb exits and the next number is tried.
start_xvfb() {
    local n
    for n in $(seq 90 140); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            kill -0 "$xvfb_pid" 2>/dev/null || break
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    echo "no Xvfb could be started" >&2
    return 1
}

load_now() { cut -d' ' -f1-3 /proc/loadavg; }

echo "== Machine"
echo "CPU:     $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)"
echo "Cores:   $(nproc) available to this process, $(grep -c '^processor' /proc/cpuinfo) in the machine"
echo "Memory:  $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
echo "Wine:    $("$zintar_wine" --version)"
echo "Kernel:  $(uname -sr)"
echo "Date:    $(date -u '+%Y-%m-%d %H:%M:%S UTC')"
echo "Load:    $(load_now) (1, 5, 15 min) at the start"
echo

echo "== Key press (in-process, null graphics driver)"
"$root/scripts/wine-run" "$build/wine/null" null "$keypress_exe" "${keypress_args[@]}" | tr -d '\r'
echo "Load:    $(load_now) after the key-press benchmark"
echo

echo "== Idle (in-process, null graphics driver)"
"$root/scripts/wine-run" "$build/wine/null" null "$idle_exe" | tr -d '\r'
echo

echo "== Text from outside (in-process, null graphics driver)"
"$root/scripts/wine-run" "$build/wine/null" null "$outside_text_exe" | tr -d '\r'
echo "Load:    $(load_now) after the text-from-outside benchmark"
echo

echo "== A burst of sent keys matched to their messages (the core's router)"
"$root/scripts/wine-run" "$build/wine/null" null "$(exe_of zintar_bench_route_burst bench)" | tr -d '\r'
echo "Load:    $(load_now) after the burst benchmark"
echo

echo "== Keyboard layouts read from their DLLs (in-process, null graphics driver)"
zintar_ensure_wine_prefix "$build/wine/null" null
zintar_install_fixture_layouts "$build/wine/null" "$build/tests/layouts/dlls"
"$root/scripts/wine-run" "$build/wine/null" null "$stage/zintar_bench_layouts.exe" | tr -d '\r'
"$root/scripts/wine-run" "$build/wine/null" null "$stage/zintar_bench_layouts_window.exe" | tr -d '\r'
echo "Load:    $(load_now) after the layout benchmark"
echo

echo "== Start-up (real exe, Xvfb, X11 driver without window manager)"
echo "The exe imports: $(x86_64-w64-mingw32-objdump -p "$zintar_exe" | awk '/DLL Name:/ { printf "%s ", $3 }')"
zintar_ensure_wine_prefix "$bench_prefix" x11
start_xvfb
# shellcheck disable=SC2086 # an empty run count is no argument at all
WINEPREFIX=$bench_prefix WINEDEBUG=-all "$zintar_wine" "$startup_exe" \
    "$(winepath_of "$zintar_exe")" $startup_runs | tr -d '\r'
echo "Load:    $(load_now) after the start-up benchmark"
