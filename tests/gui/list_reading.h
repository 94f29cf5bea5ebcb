#pragma once
// A ListView's cells and column titles as a reader in another program gets them: by the
// control's own messages, not through Zintar's objects.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace zintar::test {

inline std::wstring ListCellText(HWND list, int row, int column) {
    wchar_t text[512]{};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

inline std::wstring ListColumnTitle(HWND list, int column) {
    wchar_t text[128]{};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 128;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&info));
    return text;
}

} // namespace zintar::test
