#pragma once
// The inspector's own arguments as UTF-16 text, so that a window title with letters outside
// the ANSI code page ("ő" under code page 1252) reaches it whole: main's argv has already
// been converted to that code page.
#include <windows.h>

#include <string>
#include <vector>

namespace inspector {

// The arguments after the program name, split by the rules of the C runtime: blanks separate
// arguments outside double quotes; 2n backslashes before a quote give n backslashes and the
// quote opens or closes a quoted part, 2n + 1 give n backslashes and a literal quote; other
// backslashes are literal.
inline std::vector<std::wstring> ArgumentsOf(const wchar_t* commandLine) {
    std::vector<std::wstring> arguments;
    const wchar_t* p = commandLine;
    // The program name ends at the closing quote or the first blank; backslashes are literal.
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p)
            ++p;
    } else {
        for (; *p && *p != L' ' && *p != L'\t'; ++p) {
        }
    }
    for (;;) {
        while (*p == L' ' || *p == L'\t')
            ++p;
        if (!*p)
            return arguments;
        std::wstring argument;
        bool quoted = false;
        for (; *p && (quoted || (*p != L' ' && *p != L'\t')); ++p) {
            size_t backslashes = 0;
            while (*p == L'\\') {
                ++backslashes;
                ++p;
            }
            if (*p == L'"') {
                argument.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1)
                    argument += L'"';
                else if (quoted && p[1] == L'"')
                    argument += *++p; // "" inside quotes is one literal quote
                else
                    quoted = !quoted;
            } else {
                argument.append(backslashes, L'\\');
                if (!*p)
                    break;
                if (!quoted && (*p == L' ' || *p == L'\t'))
                    break;
                argument += *p;
            }
        }
        arguments.push_back(std::move(argument));
    }
}

inline std::vector<std::wstring> CommandLineArguments() {
    return ArgumentsOf(GetCommandLineW());
}

} // namespace inspector
