#include "platform/system/ansi_code_page.h"

#include <windows.h>

namespace zintar::win32 {

short AnsiCodeOfChar(wchar_t ch) {
    char bytes[8]{};
    int written = 0;
    if (GetACP() == CP_UTF8) {
        // UTF-8 takes neither of the flags below; only ASCII is a single byte there.
        written = WideCharToMultiByte(CP_UTF8, 0, &ch, 1, bytes, sizeof(bytes), nullptr, nullptr);
    } else {
        BOOL usedDefault = FALSE;
        written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &ch, 1, bytes, sizeof(bytes),
                                      nullptr, &usedDefault);
        if (usedDefault)
            return kNoCharCode;
    }
    if (written != 1)
        return kNoCharCode;
    return static_cast<short>(static_cast<unsigned char>(bytes[0]));
}

std::wstring CharOfAnsiCode(short code) {
    if (code < 0 || code > 255)
        return {};
    const char byte = static_cast<char>(static_cast<unsigned char>(code));
    if (IsDBCSLeadByte(static_cast<BYTE>(byte)))
        return {};
    wchar_t ch[2]{};
    if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, ch, 2) != 1)
        return {};
    return std::wstring(1, ch[0]);
}

} // namespace zintar::win32
