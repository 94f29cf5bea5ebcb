#!/usr/bin/env bash
# The copied lines of code, checked by each API's own tools: every line the core gives for the
# printer's key combinations goes into a small key handler of its API, which is compiled
# (Win32 with mingw-w64) or compiled and run against events made by hand here (SDL 2, the DOM
# with node, WinForms with mono): each event must fire exactly the line of its combination.
# The lines come from the printer, never from this file; their body "{ }" is given a counter.
#
# WPF and AutoHotkey have no compiler or interpreter here. Their lines were checked against
# the documentation instead: WPF's KeyEventArgs.Key is Key.System when Alt is held (the key
# is then in SystemKey), Keyboard.Modifiers is a ModifierKeys flags value, and
# KeyInterop.KeyFromVirtualKey maps codes without a member; AutoHotkey's hotkey labels are
# "modifiers key::" with ^ Ctrl, + Shift, ! Alt, key names from its key list or vkNN, and
# fire only with exactly those modifiers unless prefixed with "*".
#
# Exits 77 (skipped) only when a tool cannot be had at all.
set -euo pipefail
printer=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# lines LANGUAGE: the printer's lines with "{ hit(N); }" for the body of line N.
lines() {
    "$printer" "$1" | awk '{ n++; if (sub(/\{ \}$/, "{ hit(" n "); }")) print; else print }'
}

# Which lines fired, space-separated, compared with what the combination list says.
expect_hits() { # what got expected
    [ "$2" == "$3" ] || fail "$1: lines fired: '$2', expected '$3'"
    echo "ok: $1"
}

for tool in x86_64-w64-mingw32-g++ sdl2-config node mcs mono; do
    command -v "$tool" >/dev/null || skip "$tool is missing (see scripts/lib/packages.sh)"
done
forms=$(ls /usr/lib/mono/4.5/System.Windows.Forms.dll 2>/dev/null) ||
    skip "mono's System.Windows.Forms is missing (libmono-system-windows-forms4.0-cil)"

# Win32: the lines in a window procedure; GetKeyState and the VK_ constants from windows.h.
{
    echo '#include <windows.h>'
    echo 'static void hit(int) {}'
    echo 'LRESULT CALLBACK KeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {'
    echo '    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {'
    lines win32 | sed 's/^/        /'
    echo '    }'
    echo '    return DefWindowProcW(hwnd, message, wParam, lParam);'
    echo '}'
} >"$work/win32.cpp"
x86_64-w64-mingw32-g++ -std=c++20 -Wall -Wextra -Werror -c "$work/win32.cpp" -o "$work/win32.o" ||
    fail "the Win32 lines do not compile"
echo "ok: Win32 lines compile with mingw-w64"

# SDL 2: the lines in an event handler, run on key-down events filled in by hand.
{
    echo '#include <SDL.h>'
    echo '#include <stdio.h>'
    echo 'static void hit(int n) { printf(" %d", n); }'
    echo 'static void handle(SDL_Event e) {'
    echo '    if (e.type == SDL_KEYDOWN) {'
    lines sdl | sed 's/^/        /'
    echo '    }'
    echo '}'
    echo 'static void press(SDL_Scancode code, Uint16 mod) {'
    echo '    SDL_Event e; SDL_zero(e); e.type = SDL_KEYDOWN;'
    echo '    e.key.keysym.scancode = code; e.key.keysym.mod = mod;'
    echo '    handle(e); printf("\n");'
    echo '}'
    echo 'int main(int argc, char** argv) {'
    echo '    (void)argc; (void)argv;'
    echo '    press(SDL_SCANCODE_F5, KMOD_LCTRL | KMOD_RSHIFT | KMOD_NUM);'
    echo '    press(SDL_SCANCODE_F5, KMOD_LCTRL);'
    echo '    press(SDL_SCANCODE_KP_ENTER, KMOD_RALT);'
    echo '    press(SDL_SCANCODE_RCTRL, KMOD_RCTRL);'
    echo '    press(SDL_SCANCODE_AUDIOPLAY, KMOD_NONE);'
    echo '    return 0;'
    echo '}'
} >"$work/sdl.c"
# shellcheck disable=SC2046
gcc -std=c11 -Wall -Wextra -Werror "$work/sdl.c" -o "$work/sdl" $(sdl2-config --cflags --libs) ||
    fail "the SDL lines do not compile"
mapfile -t got < <("$work/sdl")
expect_hits "SDL Ctrl+Shift+F5 (Num Lock on)" "${got[0]}" " 1"
expect_hits "SDL Ctrl+F5 fires nothing" "${got[1]}" ""
expect_hits "SDL Alt+Numpad Enter" "${got[2]}" " 3"
expect_hits "SDL right Ctrl" "${got[3]}" " 8"
expect_hits "SDL Play/Pause" "${got[4]}" " 9"

# The DOM: the lines in a keydown listener, run by node on event objects as browsers fill them.
{
    echo 'let hits = [];'
    echo 'function hit(n) { hits.push(n); }'
    echo 'function onKeyDown(e) {'
    lines javascript | sed 's/^/    /'
    echo '}'
    echo 'function press(e) {'
    echo '    hits = [];'
    echo '    onKeyDown(Object.assign({ ctrlKey: false, shiftKey: false, altKey: false, metaKey: false }, e));'
    echo '    console.log(hits.map((n) => " " + n).join(""));'
    echo '}'
    echo 'press({ code: "F5", key: "F5", keyCode: 116, ctrlKey: true, shiftKey: true });'
    echo 'press({ code: "F5", key: "F5", keyCode: 116, shiftKey: true });'
    echo 'press({ code: "NumpadEnter", key: "Enter", keyCode: 13, altKey: true });'
    echo 'press({ code: "Enter", key: "Enter", keyCode: 13, altKey: true });'
    echo 'press({ code: "Semicolon", key: ";", keyCode: 186, ctrlKey: true });'
    echo 'press({ code: "", key: "Unidentified", keyCode: 232, ctrlKey: true, shiftKey: true, altKey: true });'
} >"$work/dom.js"
mapfile -t got < <(node "$work/dom.js") || fail "the JavaScript lines do not run"
expect_hits "DOM Ctrl+Shift+F5" "${got[0]}" " 1"
expect_hits "DOM Shift+F5 fires nothing" "${got[1]}" ""
expect_hits "DOM Alt+Numpad Enter" "${got[2]}" " 3"
expect_hits "DOM Alt+Enter is not the keypad's" "${got[3]}" ""
expect_hits "DOM Ctrl+;" "${got[4]}" " 5"
expect_hits "DOM a code without a name" "${got[5]}" " 10"

# WinForms: the lines in a KeyDown handler, compiled by mcs and run by mono on KeyEventArgs.
{
    echo 'using System;'
    echo 'using System.Windows.Forms;'
    echo 'static class Check {'
    echo '    static string hits;'
    echo '    static void hit(int n) { hits += " " + n; }'
    echo '    static void OnKeyDown(object sender, KeyEventArgs e) {'
    lines winforms | sed 's/^/        /'
    echo '    }'
    echo '    static void Press(Keys keyData) {'
    echo '        hits = "";'
    echo '        OnKeyDown(null, new KeyEventArgs(keyData));'
    echo '        Console.WriteLine(hits);'
    echo '    }'
    echo '    static void Main() {'
    echo '        Press(Keys.F5 | Keys.Shift | Keys.Control);'
    echo '        Press(Keys.F5 | Keys.Control);'
    echo '        Press(Keys.Return | Keys.Alt);'
    echo '        Press(Keys.OemSemicolon | Keys.Control);'
    echo '        Press(Keys.ControlKey | Keys.Control);'
    echo '        Press((Keys)0xE8 | Keys.Control | Keys.Shift | Keys.Alt);'
    echo '    }'
    echo '}'
} >"$work/forms.cs"
mcs -warnaserror -nowarn:219 -r:"$forms" -out:"$work/forms.exe" "$work/forms.cs" >"$work/mcs.log" 2>&1 ||
    { cat "$work/mcs.log" >&2; fail "the WinForms lines do not compile"; }
mapfile -t got < <(mono "$work/forms.exe") || fail "the WinForms lines do not run"
expect_hits "WinForms Ctrl+Shift+F5" "${got[0]}" " 1"
expect_hits "WinForms Ctrl+F5 fires nothing" "${got[1]}" ""
expect_hits "WinForms Alt+Enter" "${got[2]}" " 3"
expect_hits "WinForms Ctrl+;" "${got[3]}" " 5"
expect_hits "WinForms Ctrl key" "${got[4]}" " 8"
expect_hits "WinForms a code without a member" "${got[5]}" " 10"
