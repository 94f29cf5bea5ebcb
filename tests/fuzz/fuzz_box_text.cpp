// What a code box holds for any text that reaches it: text that typing could produce, no
// longer than the box, read again to the same text and code; a code within 255; and a
// paste of any clipboard text into any box text read no further than the limit.
#include "core/converter/code_box.h"
#include "fuzz_support.h"

namespace {

using zintar::CodeBox;

bool Typeable(CodeBox box, const std::wstring& text) {
    if (text.size() > static_cast<size_t>(zintar::MaxLength(box)))
        return false;
    // Backspace passes the filter but edits the text rather than entering it.
    for (wchar_t c : text)
        if (c == L'\b' || !zintar::PassesTypingFilter(box, c))
            return false;
    return true;
}

void Check(CodeBox box, const std::wstring& text) {
    const zintar::BoxEntry entry = zintar::ReadBoxText(box, text);
    FUZZ_CHECK(Typeable(box, entry.text));
    FUZZ_CHECK(entry.code <= 255);
    // A negative code leaves the box empty: the refresh clears it with the rest of its kind.
    FUZZ_CHECK(entry.code >= 0 || entry.text.empty());
    const zintar::BoxEntry again = zintar::ReadBoxText(box, entry.text);
    FUZZ_CHECK(again.text == entry.text);
    FUZZ_CHECK(entry.code < 0 || again.code == entry.code);
    // Text that typing could produce stays as typed, unless a decimal code is above 255.
    if (Typeable(box, text) && entry.text != L"255")
        FUZZ_CHECK(entry.text == text);

    // The same text pasted into the middle of a box's text.
    const std::wstring pasted = zintar::TextAfterPaste(L"12", 1, 1, text);
    FUZZ_CHECK(pasted.size() <= zintar::kBoxReadLimit + 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const std::wstring& text : zintar::fuzz::WideTexts(data, size))
        for (CodeBox box : {CodeBox::CharDec, CodeBox::CharHex, CodeBox::KeyDec, CodeBox::KeyHex})
            Check(box, text);
    return 0;
}
