#include "core/converter/conversion.h"

#include "core/converter/box_table.h"
#include "core/common/hex_text.h"
#include "core/key_identity/key_names.h"

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

    // An absent code clears every read-out of its kind, the source box too.
    const bool hasKey = codes.key >= 0;
    Set(texts, ReadOut::KeyDec, hasKey ? DecimalText(codes.key) : L"");
    Set(texts, ReadOut::KeyHex, hasKey ? ByteToHex(codes.key) : L"");
    Set(texts, ReadOut::KeyName, hasKey ? CombinationName(codes.key, codes.modifiers) : L"");

    const bool hasCharacter = codes.character >= 0;
    Set(texts, ReadOut::CharDec, hasCharacter ? DecimalText(codes.character) : L"");
    Set(texts, ReadOut::CharHex, hasCharacter ? ByteToHex(codes.character) : L"");
    Set(texts, ReadOut::Character, hasCharacter ? characters.CharacterOf(codes.character) : L"");

    // The box the user typed into keeps the user's own text ("065", "0a").
    for (const ReadOutRow& row : kReadOutTable) {
        if (!row.box || row.source != source)
            continue;
        if (IsCharacterBox(*row.box) ? hasCharacter : hasKey)
            texts[static_cast<size_t>(row.readOut)].reset();
    }
    return texts;
}

} // namespace zintar
