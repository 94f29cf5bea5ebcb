#include "core/keyboard_layout/layout_texts.h"

#include "core/keyboard_layout/layout_captions.h"

namespace zintar {

namespace {

constexpr wchar_t kCaretOffset = 0x40; // U+0001 is ^A
constexpr wchar_t kDelete = 0x7F;

void AppendVisible(std::wstring& text, wchar_t c, Language language) {
    if (c < L' ') {
        text += L'^';
        text += static_cast<wchar_t>(c + kCaretOffset);
    } else if (c == kDelete) {
        text += L"^?";
    } else if (c == L' ') {
        text += SpaceName(language);
    } else {
        text += c;
    }
}

} // namespace

std::wstring TypedCellText(const Typed& typed, Language language) {
    std::wstring text;
    for (wchar_t c : typed.text)
        AppendVisible(text, c, language);
    if (typed.kind == Typed::Kind::Dead)
        text += L" (" + std::wstring(DeadMark(language)) + L")";
    return text;
}

std::wstring TabbedLine(std::span<const std::wstring> cells) {
    std::wstring line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += L'\t';
        for (wchar_t c : cells[i])
            line += (c == L'\t' || c == L'\r' || c == L'\n') ? L' ' : c;
    }
    return line;
}

std::wstring TabbedTable(std::span<const std::wstring> titles,
                         std::span<const std::vector<std::wstring>> rows) {
    std::wstring text = TabbedLine(titles) + L"\r\n";
    for (const auto& row : rows)
        text += TabbedLine(row) + L"\r\n";
    return text;
}

} // namespace zintar
