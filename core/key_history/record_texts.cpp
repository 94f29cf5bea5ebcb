#include "core/key_history/record_texts.h"

#include <algorithm>
#include <vector>

#include "core/key_history/character_text.h"

namespace zintar {

namespace {

constexpr wchar_t kEllipsis = L'\u2026';

bool Before(const std::pair<uint64_t, RecordTexts::Texts>& entry, uint64_t record) {
    return entry.first < record;
}

bool IsHighHalf(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

std::wstring BoundedText(std::wstring_view text, size_t maxUnits) {
    // The text in pieces that are never parted: a control character's visible form, a
    // surrogate pair, any other unit.
    std::vector<std::wstring> pieces;
    size_t length = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        std::wstring piece;
        if (IsControlCharacter(static_cast<char32_t>(text[i])))
            piece = CaretText(static_cast<char32_t>(text[i]));
        else if (IsHighHalf(text[i]) && i + 1 < text.size())
            piece = {text[i], text[++i]};
        else
            piece = std::wstring(1, text[i]);
        length += piece.size();
        pieces.push_back(std::move(piece));
    }
    std::wstring kept;
    if (length <= maxUnits) {
        for (const std::wstring& piece : pieces)
            kept += piece;
        return kept;
    }
    for (const std::wstring& piece : pieces) {
        if (kept.size() + piece.size() + 1 > maxUnits)
            break;
        kept += piece;
    }
    if (maxUnits > 0)
        kept += kEllipsis;
    return kept;
}

void RecordTexts::Keep(uint64_t record, std::wstring_view composition, std::wstring_view result) {
    texts_.push_back(
        {record, {BoundedText(composition, kMaxUnits), BoundedText(result, kMaxUnits)}});
}

const RecordTexts::Texts* RecordTexts::Find(uint64_t record) const {
    const auto it = std::lower_bound(
        texts_.begin(), texts_.end(), record,
        [](const std::pair<uint64_t, Texts>& e, uint64_t n) { return e.first < n; });
    return it != texts_.end() && it->first == record ? &it->second : nullptr;
}

void RecordTexts::DropBefore(uint64_t record) {
    if (texts_.empty() || texts_.front().first >= record)
        return;
    texts_.erase(texts_.begin(), std::lower_bound(texts_.begin(), texts_.end(), record, Before));
}

} // namespace zintar
