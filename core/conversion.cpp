#include "core/conversion.h"

#include "core/hex_text.h"
#include "core/key_names.h"

namespace zintar {

namespace {

constexpr int kLargestKeyCode = 255;
constexpr int kAllModifiers = 7;

void Set(ReadOutTexts& texts, ReadOut readOut, std::wstring text) {
    texts[static_cast<size_t>(readOut)] = std::move(text);
}

} // namespace

void Conversion::KeyDown(int keyCode, int modifiers) {
    codes_.character = -1;
    codes_.key = static_cast<int16_t>(keyCode & kLargestKeyCode);
    codes_.modifiers = static_cast<int16_t>(modifiers & kAllModifiers);
}

void Conversion::KeyPress(int16_t charCode) {
    codes_.character = charCode;
}

void Conversion::Entered(CodeBox box, int16_t code) {
    // The boxes never stand for more than 255; the clamp keeps the refresh's tables safe.
    const int16_t clamped = code > kLargestKeyCode ? int16_t{kLargestKeyCode} : code;
    if (IsCharacterBox(box)) {
        codes_.character = clamped;
        codes_.key = -1;
    } else {
        codes_.key = clamped;
        codes_.character = -1;
    }
    codes_.modifiers = 0;
}

ReadOutTexts Refresh(const Codes& codes, Source source, const CharacterSet& characters) {
    ReadOutTexts texts;
    Set(texts, ReadOut::Modifiers, DecimalText(codes.modifiers));

    if (codes.key < 0) {
        // No key: the source box is cleared too.
        Set(texts, ReadOut::KeyDec, L"");
        Set(texts, ReadOut::KeyHex, L"");
        Set(texts, ReadOut::KeyName, L"");
    } else {
        if (source != Source::KeyDec)
            Set(texts, ReadOut::KeyDec, DecimalText(codes.key));
        if (source != Source::KeyHex)
            Set(texts, ReadOut::KeyHex, ByteToHex(codes.key));
        Set(texts, ReadOut::KeyName, CombinationName(codes.key, codes.modifiers));
    }

    if (codes.character < 0) {
        Set(texts, ReadOut::CharDec, L"");
        Set(texts, ReadOut::CharHex, L"");
        Set(texts, ReadOut::Character, L"");
    } else {
        if (source != Source::CharDec)
            Set(texts, ReadOut::CharDec, DecimalText(codes.character));
        if (source != Source::CharHex)
            Set(texts, ReadOut::CharHex, ByteToHex(codes.character));
        Set(texts, ReadOut::Character, characters.CharacterOf(codes.character));
    }
    return texts;
}

} // namespace zintar
