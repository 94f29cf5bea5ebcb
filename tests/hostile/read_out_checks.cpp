#include "tests/hostile/read_out_checks.h"

#include <algorithm>

#include "core/common/hex_text.h"
#include "core/key_identity/key_names.h"
#include "tests/hostile/hostile_texts.h"

namespace zintar::hostile {

namespace {

constexpr int kLargestCode = 255;
constexpr int kNoCode = -1;
constexpr int kLargestModifierMask = 7;
constexpr size_t kDecimalDigits = 3;
constexpr size_t kHexDigits = 2;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool IsHexDigit(wchar_t c) {
    return IsDigit(c) || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}
int HexValue(wchar_t c) {
    if (IsDigit(c))
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return 0;
}
bool AllOf(std::wstring_view text, bool (*digit)(wchar_t)) {
    return std::all_of(text.begin(), text.end(), digit);
}

// A run of decimal digits, held at 256 once it is past the largest code.
int SaturatedValue(std::wstring_view digits) {
    int value = 0;
    for (wchar_t c : digits)
        value = std::min(value * 10 + (c - L'0'), kLargestCode + 1);
    return value;
}

std::string Name(Field field) {
    // In the order of ReadOut, by the controls' design names.
    constexpr const char* kNames[kFieldCount] = {"lblShift", "Tcode_dec", "Tcode_hex", "lblSpec",
                                                 "Tcc",      "Thex",      "Tchar"};
    return kNames[static_cast<size_t>(field)];
}

std::string Shows(Field field, const Shown& shown) {
    return Name(field) + " \"" + Describe(Get(shown, field)) + "\"";
}

// The code that a decimal box's text stands for, if it is a valid text at all.
std::optional<int> DecimalCode(std::wstring_view text) {
    if (text.size() > kDecimalDigits || !AllOf(text, IsDigit))
        return std::nullopt;
    return SaturatedValue(text);
}

std::optional<int> HexCode(std::wstring_view text) {
    if (text.size() > kHexDigits || !AllOf(text, IsHexDigit))
        return std::nullopt;
    int value = 0;
    for (wchar_t c : text)
        value = value * 16 + HexValue(c);
    return value;
}

struct Kind {
    Field dec, hex, derived; // derived: the key's name or the character
    const char* what;
};
constexpr Kind kKey{Field::KeyDec, Field::KeyHex, Field::KeyName, "key"};
constexpr Kind kCharacter{Field::CharDec, Field::CharHex, Field::Character, "character"};

// The one code that a kind's two boxes tell, or kNoCode when both are empty. Either box may
// be the one the user typed into (keeping "065" or "0a"); an emptied box stands for 0.
std::optional<int> CodeOfKind(const Kind& kind, const Shown& shown,
                              std::vector<std::string>& problems) {
    const auto dec = DecimalCode(Get(shown, kind.dec));
    const auto hex = HexCode(Get(shown, kind.hex));
    if (!dec)
        problems.push_back(Shows(kind.dec, shown) + " is no decimal code of 0 to 3 digits");
    if (!hex)
        problems.push_back(Shows(kind.hex, shown) + " is no hexadecimal code of 0 to 2 digits");
    if (!dec || !hex)
        return std::nullopt;
    if (*dec > kLargestCode)
        problems.push_back(Shows(kind.dec, shown) + " is above 255");
    const bool decEmpty = Get(shown, kind.dec).empty(), hexEmpty = Get(shown, kind.hex).empty();
    if (decEmpty && hexEmpty)
        return kNoCode;
    if (!decEmpty && !hexEmpty && *dec != *hex) {
        problems.push_back(std::string("the ") + kind.what + " boxes disagree: " +
                           Shows(kind.dec, shown) + ", " + Shows(kind.hex, shown));
        return std::nullopt;
    }
    // One box emptied by the user: it stands for 0, and the other must say so.
    if (decEmpty && Get(shown, kind.hex) != ByteToHex(0))
        problems.push_back(Shows(kind.dec, shown) + " is empty but " + Shows(kind.hex, shown) +
                           " does not show code 0");
    if (hexEmpty && Get(shown, kind.dec) != DecimalText(0))
        problems.push_back(Shows(kind.hex, shown) + " is empty but " + Shows(kind.dec, shown) +
                           " does not show code 0");
    return decEmpty ? *hex : *dec;
}

void CheckDerived(const Kind& kind, std::optional<int> code, const std::wstring& want,
                  const Shown& shown, std::vector<std::string>& problems) {
    if (code && Get(shown, kind.derived) != want)
        problems.push_back(Shows(kind.derived, shown) + " should be \"" + Describe(want) +
                           "\" for " + kind.what + " code " + std::to_string(*code));
}

} // namespace

std::vector<std::string> ConsistencyProblems(const Shown& shown,
                                             const CharacterOfCode& characterOf) {
    std::vector<std::string> problems;
    const std::wstring& modifiers = Get(shown, Field::Modifiers);
    const auto mask = DecimalCode(modifiers);
    if (!mask || modifiers.empty() || *mask > kLargestModifierMask)
        problems.push_back(Shows(Field::Modifiers, shown) + " is no modifier mask of 0 to 7");

    const auto key = CodeOfKind(kKey, shown, problems);
    if (key && mask)
        CheckDerived(kKey, key, *key < 0 ? L"" : CombinationName(*key, *mask), shown, problems);

    const auto character = CodeOfKind(kCharacter, shown, problems);
    if (Get(shown, Field::Character).size() > 1)
        problems.push_back(Shows(Field::Character, shown) + " holds more than one character");
    else if (character)
        CheckDerived(kCharacter, character, *character < 0 ? L"" : characterOf(*character), shown,
                     problems);
    return problems;
}

std::vector<std::string> EntryProblems(CodeBox box, const Shown& shown) {
    std::vector<std::string> problems;
    if (Get(shown, Field::Modifiers) != L"0")
        problems.push_back(Shows(Field::Modifiers, shown) + " should be \"0\" after a box entry");
    const Kind& other = IsCharacterBox(box) ? kKey : kCharacter;
    for (Field field : {other.dec, other.hex, other.derived})
        if (!Get(shown, field).empty())
            problems.push_back(Shows(field, shown) +
                               " should be cleared by an entry of the other kind");
    return problems;
}

Expected ExpectedEntry(CodeBox box, std::wstring_view text) {
    const BoxEntry entry = ReadBoxText(box, text);
    return Expected{entry.text, entry.code};
}

std::vector<std::string> ExpectationProblems(CodeBox box, const Expected& expected,
                                             const Shown& shown) {
    std::vector<std::string> problems;
    const Field field = RowOf(box).readOut;
    if (Get(shown, field) != expected.boxText)
        problems.push_back(Shows(field, shown) + " should hold \"" + Describe(expected.boxText) +
                           "\"");
    const bool isDec = box == CodeBox::CharDec || box == CodeBox::KeyDec;
    const Kind& kind = IsCharacterBox(box) ? kCharacter : kKey;
    const Field other = isDec ? kind.hex : kind.dec;
    const std::wstring want = expected.code < 0 ? L""
                              : isDec           ? ByteToHex(expected.code)
                                                : DecimalText(expected.code);
    if (Get(shown, other) != want)
        problems.push_back(Shows(other, shown) + " should be \"" + Describe(want) + "\" for code " +
                           std::to_string(expected.code));
    if (expected.code < 0 && !Get(shown, kind.derived).empty())
        problems.push_back(Shows(kind.derived, shown) + " should be cleared with no code");
    return problems;
}

} // namespace zintar::hostile
