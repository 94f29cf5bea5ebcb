#include "layout_description.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "core/key_identity/virtual_key_names.h"
#include "core/keyboard_layout/standard_scan_codes.h"

namespace zintar {

namespace {

struct Error {
    std::string message;
};

struct Column {
    std::string_view name;
    uint8_t bits;
};
constexpr Column kColumns[] = {
    {"plain", 0},
    {"shift", kModifierBitShift},
    {"ctrl", kModifierBitCtrl},
    {"shift+ctrl", kModifierBitShift | kModifierBitCtrl},
    {"alt", kModifierBitAlt},
    {"shift+alt", kModifierBitShift | kModifierBitAlt},
    {"altgr", kModifierBitCtrl | kModifierBitAlt},
    {"shift+altgr", kModifierBitShift | kModifierBitCtrl | kModifierBitAlt},
};
constexpr size_t kCombinations = 8;

struct Word {
    std::string_view name;
    uint32_t value;
};
constexpr Word kAttributes[] = {{"caplok", kAttributeCapsLock},
                                {"sgcaps", kAttributeSgCaps},
                                {"caplokaltgr", kAttributeCapsLockAltGr},
                                {"kanalok", kAttributeKanaLock}};
constexpr Word kScanFlags[] = {{"ext", kScanFlagExtended},
                               {"multivk", kScanFlagMultiVk},
                               {"special", kScanFlagSpecial},
                               {"numpad", kScanFlagNumpad}};
constexpr Word kLocaleFlags[] = {
    {"altgr", kLocaleAltGr}, {"shiftlock", kLocaleShiftLock}, {"lrm_rlm", kLocaleLrmRlm}};
constexpr uint32_t kDefaultVersion = 1;

std::optional<uint32_t> WordValue(std::span<const Word> words, std::string_view name) {
    for (const Word& w : words) {
        if (w.name == name)
            return w.value;
    }
    return std::nullopt;
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

// The code points of UTF-8 text; an error for a malformed sequence.
std::u32string Decode(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80         ? 1
                           : (b >> 5) == 6  ? 2
                           : (b >> 4) == 14 ? 3
                           : (b >> 3) == 30 ? 4
                                            : 0;
        if (length == 0 || i + static_cast<size_t>(length) > text.size())
            throw Error{"malformed UTF-8"};
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
        out += c;
        i += static_cast<size_t>(length);
    }
    return out;
}

unsigned Hex(std::string_view digits, unsigned max) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || end != digits.data() + digits.size() || value > max)
        throw Error{"not a hexadecimal number up to " + std::to_string(max) + ": " +
                    std::string(digits)};
    return value;
}

// Values the tables reserve for their marks cannot be characters.
wchar_t Character(std::string_view word) {
    char32_t c = 0;
    if (word == "space")
        c = U' ';
    else if (word.size() > 2 && word.substr(0, 2) == "U+")
        c = Hex(word.substr(2), 0xFFFF);
    else {
        const std::u32string decoded = Decode(word);
        if (decoded.size() != 1)
            throw Error{"not one character: " + std::string(word)};
        c = decoded[0];
    }
    if (c == 0 || c > 0xFFFF || (c >= 0xF000 && c <= 0xF002))
        throw Error{"a character the tables cannot hold: " + std::string(word)};
    return static_cast<wchar_t>(c);
}

struct Cell {
    LayoutChar ch;
    std::wstring ligature;
};

Cell ParseCell(std::string_view word) {
    if (word == "-")
        return {};
    if (word == "U+0000") // Ctrl+Shift+2 types NUL; no accent or base can be one
        return {{LayoutCharKind::Character, 0}, {}};
    if (word.substr(0, 5) == "dead:")
        return {{LayoutCharKind::Dead, Character(word.substr(5))}, {}};
    if (word.substr(0, 4) == "lig:") {
        std::wstring text;
        for (char32_t c : Decode(word.substr(4)))
            text += static_cast<wchar_t>(c);
        if (text.size() < 2)
            throw Error{"a ligature types at least two characters: " + std::string(word)};
        return {{LayoutCharKind::Ligature, 0}, text};
    }
    return {{LayoutCharKind::Character, Character(word)}, {}};
}

uint8_t VirtualKey(std::string_view name) {
    if (name.size() > 2 && name.substr(0, 2) == "0x")
        return static_cast<uint8_t>(Hex(name.substr(2), 0xFE));
    std::wstring wanted;
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        wanted = {L'\'', static_cast<wchar_t>(name[0]), L'\''};
    else
        wanted = L"VK_" + std::wstring(name.begin(), name.end());
    for (int vk = 1; vk < 0xFF; ++vk) {
        if (VirtualKeyConstantName(vk) == wanted)
            return static_cast<uint8_t>(vk);
    }
    throw Error{"unknown virtual key " + std::string(name)};
}

class Parser {
  public:
    Parser() : tables_(StandardScanCodes()) { tables_.localeFlags = kDefaultVersion << 16; }

    void Line(std::string_view line) {
        const auto words = Split(line);
        if (words.empty() || words[0][0] == '#')
            return;
        const std::string_view what = words[0];
        const std::span<const std::string_view> rest(words.begin() + 1, words.end());
        if (what == "type")
            Type(rest);
        else if (what == "flags")
            Flags(rest);
        else if (what == "version")
            tables_.localeFlags = (tables_.localeFlags & 0xFFFF) | (Number(rest, 0) << 16);
        else if (what == "columns")
            Columns(rest);
        else if (what == "scan")
            Scan(rest);
        else if (what == "key")
            Key(rest);
        else if (what == "caps")
            Caps(rest);
        else if (what == "dead")
            Dead(rest);
        else if (what == "name" || what == "name-ext")
            Name(line, rest, what == "name" ? tables_.keyNames : tables_.keyNamesExtended);
        else if (what == "name-dead")
            DeadName(line, rest);
        else
            throw Error{"unknown line: " + std::string(what)};
    }

    KeyboardLayoutTables Finish() {
        if (columns_ == 0)
            throw Error{"no columns line"};
        return std::move(tables_);
    }

  private:
    static uint32_t Number(std::span<const std::string_view> words, size_t i) {
        uint32_t value = 0;
        if (i >= words.size())
            throw Error{"a number is missing"};
        const auto [end, ec] =
            std::from_chars(words[i].data(), words[i].data() + words[i].size(), value);
        if (ec != std::errc() || end != words[i].data() + words[i].size())
            throw Error{"not a number: " + std::string(words[i])};
        return value;
    }

    void Type(std::span<const std::string_view> words) {
        tables_.keyboardType = Number(words, 0);
        tables_.keyboardSubtype = words.size() > 1 ? Number(words, 1) : 0;
    }

    void Flags(std::span<const std::string_view> words) {
        for (std::string_view w : words) {
            const auto flag = WordValue(kLocaleFlags, w);
            if (!flag)
                throw Error{"unknown flag " + std::string(w)};
            tables_.localeFlags |= *flag;
        }
    }

    void Columns(std::span<const std::string_view> words) {
        if (words.empty() || words.size() > kCombinations)
            throw Error{"one to eight columns"};
        tables_.modificationOfBits.assign(kCombinations, kNoModification);
        for (size_t i = 0; i < words.size(); ++i) {
            auto column = std::find_if(std::begin(kColumns), std::end(kColumns),
                                       [&](const Column& c) { return c.name == words[i]; });
            if (column == std::end(kColumns))
                throw Error{"unknown column " + std::string(words[i])};
            tables_.modificationOfBits[column->bits] = static_cast<uint8_t>(i);
        }
        columns_ = words.size();
    }

    void Scan(std::span<const std::string_view> words) {
        const bool e0 = !words.empty() && words[0] == "e0";
        const size_t first = e0 ? 1 : 0;
        if (words.size() < first + 2)
            throw Error{"scan needs a scan code and a virtual key"};
        const auto scan = static_cast<uint8_t>(Hex(words[first], 0x7F));
        uint16_t value = VirtualKey(words[first + 1]);
        for (std::string_view w : words.subspan(first + 2)) {
            const auto flag = WordValue(kScanFlags, w);
            if (!flag)
                throw Error{"unknown scan-code flag " + std::string(w)};
            value |= static_cast<uint16_t>(*flag);
        }
        if (!e0) {
            tables_.scanCodes.at(scan) = value;
            return;
        }
        auto& rows = tables_.scanCodesE0;
        auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const PrefixedScanCode& r) { return r.scanCode == scan; });
        if (row != rows.end())
            row->value = value;
        else
            rows.push_back({scan, value});
    }

    std::vector<LayoutChar> Cells(uint8_t virtualKey, std::span<const std::string_view> words) {
        if (columns_ == 0)
            throw Error{"keys come after the columns line"};
        if (words.size() > columns_)
            throw Error{"more cells than columns"};
        std::vector<LayoutChar> cells(columns_);
        for (size_t i = 0; i < words.size(); ++i) {
            Cell cell = ParseCell(words[i]);
            cells[i] = cell.ch;
            if (cell.ch.kind == LayoutCharKind::Ligature)
                tables_.ligatures.push_back({virtualKey, static_cast<uint8_t>(i), cell.ligature});
        }
        return cells;
    }

    void Key(std::span<const std::string_view> words) {
        if (words.empty())
            throw Error{"key needs a virtual key"};
        KeyCharacters key;
        key.virtualKey = VirtualKey(words[0]);
        size_t i = 1;
        for (; i < words.size(); ++i) {
            const auto attribute = WordValue(kAttributes, words[i]);
            if (!attribute)
                break;
            key.attributes |= static_cast<uint8_t>(*attribute);
        }
        key.byModification = Cells(key.virtualKey, words.subspan(i));
        tables_.keys.push_back(std::move(key));
    }

    void Caps(std::span<const std::string_view> words) {
        if (tables_.keys.empty() || !(tables_.keys.back().attributes & kAttributeSgCaps))
            throw Error{"a caps line follows a key with sgcaps"};
        KeyCharacters& key = tables_.keys.back();
        key.capsLock = Cells(key.virtualKey, words);
    }

    void Dead(std::span<const std::string_view> words) {
        if (words.size() < 2)
            throw Error{"dead needs an accent and compositions"};
        const wchar_t accent = Character(words[0]);
        for (std::string_view pair : words.subspan(1)) {
            // The first "=" that leaves a cell on either side: "==x" composes "=".
            const size_t split = pair.find('=', 1);
            if (split == std::string_view::npos)
                throw Error{"a composition is base=result: " + std::string(pair)};
            const wchar_t base = Character(pair.substr(0, split));
            const Cell result = ParseCell(pair.substr(split + 1));
            if (result.ch.kind != LayoutCharKind::Character &&
                result.ch.kind != LayoutCharKind::Dead)
                throw Error{"a composition gives a character or dead:X"};
            tables_.deadKeys.push_back(
                {accent, base, result.ch.ch, result.ch.kind == LayoutCharKind::Dead});
        }
    }

    // What follows a word of the line (a view into it), blanks trimmed.
    static std::wstring RestOfLine(std::string_view line, std::string_view after) {
        const auto at = static_cast<size_t>(after.data() + after.size() - line.data());
        const std::u32string decoded = Decode(line.substr(at));
        std::wstring text;
        for (char32_t c : decoded)
            text += static_cast<wchar_t>(c);
        const size_t first = text.find_first_not_of(L" \t");
        const size_t last = text.find_last_not_of(L" \t\r");
        if (first == std::wstring::npos)
            throw Error{"a name is missing"};
        return text.substr(first, last - first + 1);
    }

    void Name(std::string_view line, std::span<const std::string_view> words,
              std::vector<LayoutKeyName>& names) {
        if (words.size() < 2)
            throw Error{"a name line has a scan code and a name"};
        const auto scan = static_cast<uint8_t>(Hex(words[0], 0x7F));
        names.push_back({scan, RestOfLine(line, words[0])});
    }

    void DeadName(std::string_view line, std::span<const std::string_view> words) {
        if (words.size() < 2)
            throw Error{"a name-dead line has an accent and a name"};
        tables_.deadKeyNames.push_back({Character(words[0]), RestOfLine(line, words[0])});
    }

    KeyboardLayoutTables tables_;
    size_t columns_ = 0;
};

} // namespace

LayoutDescription ParseLayoutDescription(std::string_view text) {
    LayoutDescription description;
    Parser parser;
    size_t number = 0;
    size_t start = 0;
    try {
        while (start <= text.size()) {
            const size_t end = std::min(text.find('\n', start), text.size());
            ++number;
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            parser.Line(line);
            start = end + 1;
        }
        description.tables = parser.Finish();
    } catch (const Error& error) {
        description.error = "line " + std::to_string(number) + ": " + error.message;
    } catch (const std::out_of_range&) {
        description.error = "line " + std::to_string(number) + ": out of range";
    }
    return description;
}

} // namespace zintar
