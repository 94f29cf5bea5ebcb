#pragma once
// Reads a ListView of another process: its column titles, the text of every cell and which
// rows are selected. LVM_GETITEMTEXTW and HDM_GETITEMW take a structure and a text buffer by
// address, and the control dereferences both in its own process: they are placed in memory
// committed there, and the text is read back from it.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "remote_memory.h"

namespace inspector {

constexpr wchar_t kListViewClass[] = L"SysListView32";

struct ListViewContents {
    std::vector<std::wstring> columns;
    std::vector<int> widths; // per column in pixels; 0 for a hidden one
    int rowCount = 0;
    int firstRow = 0;                            // the index of rows[0]
    std::vector<std::vector<std::wstring>> rows; // every row has one cell per column
    std::vector<int> selected;                   // ascending row indexes
};

namespace detail {

struct ListViewSearch {
    const wchar_t* name = nullptr; // null: any
    int id = -1;                   // -1: any
    HWND found = nullptr;
};

inline BOOL CALLBACK FirstListView(HWND child, LPARAM searchAddress) {
    auto& wanted = *reinterpret_cast<ListViewSearch*>(searchAddress);
    wchar_t name[64]{};
    GetClassNameW(child, name, 64);
    if (lstrcmpiW(name, kListViewClass) != 0 ||
        (wanted.id >= 0 && GetDlgCtrlID(child) != wanted.id))
        return TRUE;
    if (wanted.name) {
        wchar_t text[256]{};
        GetWindowTextW(child, text, 256);
        if (lstrcmpW(text, wanted.name) != 0)
            return TRUE;
    }
    wanted.found = child;
    return FALSE;
}

} // namespace detail

// The first ListView among the window's descendants; where a window has several, the first
// whose own text (its name for screen readers) is `name`, or the one with the control id `id`;
// nullptr when there is none.
inline HWND FindListView(HWND topLevel, const wchar_t* name = nullptr, int id = -1) {
    detail::ListViewSearch search{name, id};
    EnumChildWindows(topLevel, detail::FirstListView, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class ListViewReader {
  public:
    explicit ListViewReader(HWND list) : list_(list) {}

    // Everything or nothing: false, with the reason in error, when any step fails, so that a
    // caller never takes a half-read list for the whole. lastRows limits the rows read to the
    // newest ones: each cell costs a message to the other process, about a millisecond under
    // Wine, so all 18 columns of 1000 rows take some 15 seconds.
    bool Read(ListViewContents& out, std::wstring& error, int lastRows = INT_MAX) {
        DWORD processId = 0;
        GetWindowThreadProcessId(list_, &processId);
        buffer_.reset();
        process_ = std::make_unique<ProcessAccess>(processId);
        if (!*process_)
            return Fail(error, L"cannot open the list's process");
        if (!process_->SameBitnessAsThisProcess())
            return Fail(error, L"the list's process has another pointer width than the inspector");

        LRESULT count = 0;
        if (!Send(list_, LVM_GETITEMCOUNT, 0, 0, count) || count < 0)
            return Fail(error, L"no item count");
        const HWND header = SendHeader();
        LRESULT columns = 0;
        if (header && (!Send(header, HDM_GETITEMCOUNT, 0, 0, columns) || columns < 0))
            return Fail(error, L"no column count");

        ListViewContents contents;
        for (int c = 0; c < static_cast<int>(columns); ++c) {
            std::wstring title;
            if (!HeaderText(header, c, title))
                return Fail(error, L"column " + std::to_wstring(c) + L" unreadable");
            contents.columns.push_back(std::move(title));
            // Answered by value: no memory of the other process is needed.
            LRESULT width = 0;
            if (!Send(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0, width))
                return Fail(error, L"column " + std::to_wstring(c) + L" has no width");
            contents.widths.push_back(static_cast<int>(width));
        }
        // A list without a header (not report view) still has its items' own text.
        const int cells = columns > 0 ? static_cast<int>(columns) : 1;
        contents.rowCount = static_cast<int>(count);
        contents.firstRow = std::max(0, contents.rowCount - lastRows);
        for (int row = contents.firstRow; row < contents.rowCount; ++row) {
            std::vector<std::wstring> line;
            if (!RowTexts(row, cells, line))
                return Fail(error, L"row " + std::to_wstring(row) + L" unreadable");
            contents.rows.push_back(std::move(line));
        }
        if (!Selection(static_cast<int>(count), contents.selected))
            return Fail(error, L"no selection");
        out = std::move(contents);
        return true;
    }

  private:
    // The structure first, the text behind it.
    static constexpr size_t kTextOffset = 128;
    static_assert(sizeof(LVITEMW) <= kTextOffset && sizeof(HDITEMW) <= kTextOffset);
    static constexpr size_t kFirstTextChars = 512;
    static constexpr size_t kMaxTextChars = size_t{1} << 16;
    static constexpr UINT kTimeoutMs = 2000;

    static bool Fail(std::wstring& error, const std::wstring& reason) {
        error = reason;
        return false;
    }

    bool Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(to, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs,
                                 &answer))
            return false;
        result = static_cast<LRESULT>(answer);
        return true;
    }

  public:
    HWND SendHeader() const {
        LRESULT header = 0;
        return Send(list_, LVM_GETHEADER, 0, 0, header) ? reinterpret_cast<HWND>(header) : nullptr;
    }

  private:
    bool EnsureBuffer(size_t size) {
        if (buffer_ && buffer_->size() >= size)
            return true;
        buffer_.reset();
        buffer_ = std::make_unique<RemoteBuffer>(process_->get(), size);
        return static_cast<bool>(*buffer_);
    }

    // Places the structure (its text pointer aimed at the remote buffer) with an empty text
    // behind it, sends the message, and reads the text back. A text that fills the buffer may
    // have been cut, so it is asked for again with twice the room.
    template <typename Item, typename Prepare>
    bool RemoteText(HWND to, UINT message, WPARAM wParam, Prepare prepare, bool resultIsLength,
                    std::wstring& text) {
        for (size_t chars = kFirstTextChars;; chars *= 2) {
            if (!EnsureBuffer(kTextOffset + chars * sizeof(wchar_t)))
                return false;
            Item item{};
            prepare(item);
            item.pszText = static_cast<wchar_t*>(buffer_->At(kTextOffset));
            item.cchTextMax = static_cast<int>(chars);
            unsigned char block[kTextOffset + sizeof(wchar_t)]{};
            std::memcpy(block, &item, sizeof(item));
            LRESULT result = 0;
            if (!buffer_->Write(0, block, sizeof(block)) ||
                !Send(to, message, wParam, reinterpret_cast<LPARAM>(buffer_->At(0)), result))
                return false;
            if (!resultIsLength && !result)
                return false;
            const size_t readable =
                resultIsLength ? std::min(static_cast<size_t>(result) + 1, chars) : chars;
            std::wstring got(readable, L'\0');
            if (!buffer_->Read(kTextOffset, got.data(), readable * sizeof(wchar_t)))
                return false;
            got.resize(wcsnlen(got.c_str(), readable));
            if (got.size() + 1 < chars || chars >= kMaxTextChars) {
                text = std::move(got);
                return true;
            }
        }
    }

    // All cells of a row through one block in the other process: a structure per cell, then
    // a text buffer per cell, written once and read back once. A cell that fills its buffer
    // may have been cut and is asked for again alone, with more room.
    bool RowTexts(int row, int cells, std::vector<std::wstring>& line) {
        const size_t n = static_cast<size_t>(cells);
        const size_t textStart = n * kTextOffset;
        const size_t textBytes = kFirstTextChars * sizeof(wchar_t);
        if (!EnsureBuffer(textStart + n * textBytes))
            return false;
        std::vector<unsigned char> block(textStart);
        for (size_t c = 0; c < n; ++c) {
            LVITEMW item{};
            item.iSubItem = static_cast<int>(c);
            item.pszText = static_cast<wchar_t*>(buffer_->At(textStart + c * textBytes));
            item.cchTextMax = static_cast<int>(kFirstTextChars);
            std::memcpy(block.data() + c * kTextOffset, &item, sizeof(item));
        }
        if (!buffer_->Write(0, block.data(), block.size()))
            return false;
        std::vector<size_t> lengths(n);
        for (size_t c = 0; c < n; ++c) {
            LRESULT length = 0;
            if (!Send(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(buffer_->At(c * kTextOffset)), length) ||
                length < 0)
                return false;
            lengths[c] = std::min(static_cast<size_t>(length), kFirstTextChars - 1);
        }
        std::wstring texts(n * kFirstTextChars, L'\0');
        if (!buffer_->Read(textStart, texts.data(), n * textBytes))
            return false;
        line.clear();
        for (size_t c = 0; c < n; ++c) {
            std::wstring text = texts.substr(c * kFirstTextChars, lengths[c]);
            if (lengths[c] + 1 >= kFirstTextChars && !ItemText(row, static_cast<int>(c), text))
                return false;
            line.push_back(std::move(text));
        }
        return true;
    }

    bool ItemText(int row, int column, std::wstring& text) {
        return RemoteText<LVITEMW>(
            list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
            [column](LVITEMW& item) { item.iSubItem = column; }, true, text);
    }

    bool HeaderText(HWND header, int column, std::wstring& text) {
        return RemoteText<HDITEMW>(
            header, HDM_GETITEMW, static_cast<WPARAM>(column),
            [](HDITEMW& item) { item.mask = HDI_TEXT; }, false, text);
    }

    bool Selection(int count, std::vector<int>& selected) const {
        LRESULT next = -1;
        // Each answer lies after the one before; anything else would loop for ever.
        for (int from = -1;; from = static_cast<int>(next)) {
            if (!Send(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(from), LVNI_SELECTED, next))
                return false;
            if (next < 0 || next <= from || next >= count)
                return true;
            selected.push_back(static_cast<int>(next));
        }
    }

    HWND list_;
    // Declared before the buffer, so the buffer is released while the handle is still open.
    std::unique_ptr<ProcessAccess> process_;
    std::unique_ptr<RemoteBuffer> buffer_;
};

} // namespace inspector
