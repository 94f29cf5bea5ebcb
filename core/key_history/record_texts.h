#pragma once
// The input method's strings of the records that carry them (WM_IME_COMPOSITION's
// composition and result), beside the history's ring of numbers. An input method's strings
// can be long and come from another program: each is kept cut to kMaxUnits, with control
// characters made visible so that a row and its tab-separated copy stay one line. Nothing is
// allocated before the first such record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zintar {

class RecordTexts {
  public:
    // A list cell shows a few dozen characters; an input method composes a phrase.
    static constexpr size_t kMaxUnits = 64;

    struct Texts {
        std::wstring composition;
        std::wstring result;
    };

    // The texts of the record of this number; numbers come in increasing order.
    void Keep(uint64_t record, std::wstring_view composition, std::wstring_view result);
    // Null for a record that keeps no texts.
    const Texts* Find(uint64_t record) const;
    // The records before this number left the history.
    void DropBefore(uint64_t record);
    void Clear() { texts_.clear(); }

  private:
    // Oldest first; a vector allocates nothing while it is empty, and few records keep texts.
    std::vector<std::pair<uint64_t, Texts>> texts_;
};

// The text as a record keeps it: control characters in caret notation, and at most maxUnits
// UTF-16 units (or code points where wchar_t is wider), the last of them "…" when it was cut;
// a cut never parts a surrogate pair.
std::wstring BoundedText(std::wstring_view text, size_t maxUnits);

} // namespace zintar
