#include "layout_dll_source.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace zintar {

namespace {

constexpr uint16_t kNone = 0xF000, kDead = 0xF001, kLigature = 0xF002;
constexpr int kContinuationKey = 0xFF;

struct Failed {
    std::string message;
};

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%X", value);
    return text;
}

uint16_t Mark(const LayoutChar& cell) {
    switch (cell.kind) {
    case LayoutCharKind::Character:
        return static_cast<uint16_t>(cell.ch);
    case LayoutCharKind::Dead:
        return kDead;
    case LayoutCharKind::Ligature:
        return kLigature;
    case LayoutCharKind::None:
        break;
    }
    return kNone;
}

class Writer {
  public:
    explicit Writer(const KeyboardLayoutTables& tables) : t_(tables) {}

    std::string Write(const std::string& headerName) {
        out_ = "/* A keyboard layout DLL written by zintar_layout_dll_source. */\n#include \"" +
               headerName + "\"\n\n";
        const std::string modifiers = Modifiers();
        const std::string characters = Characters();
        const std::string deadKeys = DeadKeys();
        const std::string names = Names(t_.keyNames, "keyNames");
        const std::string namesExt = Names(t_.keyNamesExtended, "keyNamesExt");
        const std::string deadNames = DeadNames();
        const std::string scanCodes = ScanCodes();
        const std::string e0 = Prefixed(t_.scanCodesE0, "scanCodesE0");
        const std::string e1 = Prefixed(t_.scanCodesE1, "scanCodesE1");
        const auto [ligatures, length] = Ligatures();
        out_ += "static const KbdTables tables = {\n    " + modifiers + ",\n    " + characters +
                ",\n    " + deadKeys + ",\n    " + names + ",\n    " + namesExt + ",\n    " +
                deadNames + ",\n    " + scanCodes + ",\n    " +
                std::to_string(t_.scanCodes.size()) + ",\n    " + e0 + ",\n    " + e1 + ",\n    " +
                Hex(t_.localeFlags) + ",\n    " + std::to_string(length) + ",\n    " +
                std::to_string(length == 0 ? 0 : 4 + 2 * length) + ",\n    " + ligatures +
                ",\n    " + std::to_string(t_.keyboardType) + ",\n    " +
                std::to_string(t_.keyboardSubtype) + ",\n};\n\n";
        out_ += "KBD_EXPORT const KbdTables* KbdLayerDescriptor(void) { return &tables; }\n\n";
        out_ += "KBD_DLL_ENTRY\n";
        return out_;
    }

  private:
    std::string Modifiers() {
        if (t_.modificationOfBits.empty())
            throw Failed{"no modification numbers"};
        out_ += "static const KbdVkToBit vkToBit[] = {";
        for (const ModifierKey& m : t_.modifierKeys)
            out_ += "{" + Hex(m.virtualKey) + ", " + Hex(m.bits) + "}, ";
        out_ += "{0, 0}};\n";
        const size_t count = t_.modificationOfBits.size();
        out_ += "static const struct {\n    const KbdVkToBit* vkToBit;\n    uint16_t maxBits;\n"
                "    uint8_t numbers[" +
                std::to_string(count) + "];\n} modifiers = {vkToBit, " + std::to_string(count - 1) +
                ", {";
        for (uint8_t n : t_.modificationOfBits)
            out_ += std::to_string(n) + ", ";
        out_ += "}};\n\n";
        return "&modifiers";
    }

    // The rows of one key: its own, the Caps Lock row of an SGCAPS key, and after each row
    // that holds a dead key, the row with the accents.
    static void KeyRows(const KeyCharacters& key, std::vector<std::vector<uint16_t>>& rows,
                        std::vector<int>& keys, std::vector<int>& attributes) {
        auto add = [&](int vk, int attr, std::vector<uint16_t> cells) {
            keys.push_back(vk);
            attributes.push_back(attr);
            rows.push_back(std::move(cells));
        };
        auto marks = [](const std::vector<LayoutChar>& cells) {
            std::vector<uint16_t> row;
            for (const LayoutChar& c : cells)
                row.push_back(Mark(c));
            return row;
        };
        auto accents = [](const std::vector<LayoutChar>& cells) {
            std::vector<uint16_t> row;
            bool any = false;
            for (const LayoutChar& c : cells) {
                any = any || c.kind == LayoutCharKind::Dead;
                row.push_back(c.kind == LayoutCharKind::Dead ? static_cast<uint16_t>(c.ch) : kNone);
            }
            return any ? row : std::vector<uint16_t>();
        };
        add(key.virtualKey, key.attributes, marks(key.byModification));
        const auto ownAccents = accents(key.byModification);
        if (key.attributes & kAttributeSgCaps) {
            // The Caps Lock row follows at once, so it also holds the main row's accents.
            std::vector<uint16_t> caps = marks(key.capsLock);
            caps.resize(key.byModification.size(), kNone);
            for (size_t i = 0; i < ownAccents.size(); ++i) {
                if (key.byModification[i].kind == LayoutCharKind::Dead && caps[i] != ownAccents[i])
                    throw Failed{"an SGCAPS key's dead cell needs its accent in the Caps Lock row"};
            }
            add(kContinuationKey, 0, caps);
            const auto capsAccents = accents(key.capsLock);
            if (!capsAccents.empty())
                add(kContinuationKey, 0, capsAccents);
        } else if (!ownAccents.empty()) {
            add(kContinuationKey, 0, ownAccents);
        }
    }

    // A key's row is as wide as its last cell that types something: narrow keys (the
    // number pad) go to narrow tables, as in Windows' own layouts.
    static size_t Width(const KeyCharacters& key) {
        size_t width = 1;
        for (const auto* cells : {&key.byModification, &key.capsLock}) {
            for (size_t i = 0; i < cells->size(); ++i) {
                if ((*cells)[i].kind != LayoutCharKind::None)
                    width = std::max(width, i + 1);
            }
        }
        return width;
    }

    std::string Characters() {
        // One table per row width, narrow first.
        std::map<size_t, std::vector<KeyCharacters>> byWidth;
        for (KeyCharacters key : t_.keys) {
            const size_t width = Width(key);
            key.byModification.resize(width);
            if (!key.capsLock.empty())
                key.capsLock.resize(width);
            byWidth[width].push_back(std::move(key));
        }
        std::string entries;
        for (const auto& [width, keys] : byWidth) {
            if (width > 15)
                throw Failed{"a key row of " + std::to_string(width) + " cells"};
            const std::string type = "Row" + std::to_string(width);
            out_ += "typedef struct {\n    uint8_t virtualKey;\n    uint8_t attributes;\n"
                    "    uint16_t cells[" +
                    std::to_string(width) + "];\n} " + type + ";\nstatic const " + type + " rows" +
                    std::to_string(width) + "[] = {\n";
            for (const KeyCharacters& key : keys) {
                std::vector<std::vector<uint16_t>> rows;
                std::vector<int> vks, attributes;
                KeyRows(key, rows, vks, attributes);
                for (size_t r = 0; r < rows.size(); ++r) {
                    out_ += "    {" + Hex(static_cast<unsigned>(vks[r])) + ", " +
                            Hex(static_cast<unsigned>(attributes[r])) + ", {";
                    for (uint16_t c : rows[r])
                        out_ += Hex(c) + ", ";
                    out_ += "}},\n";
                }
            }
            out_ += "    {0, 0, {0}},\n};\n";
            entries += "{rows" + std::to_string(width) + ", " + std::to_string(width) +
                       ", sizeof(" + type + ")}, ";
        }
        out_ +=
            "static const KbdCharacterTable characterTables[] = {" + entries + "{0, 0, 0}};\n\n";
        return "characterTables";
    }

    std::string DeadKeys() {
        if (t_.deadKeys.empty())
            return "0";
        out_ += "static const KbdDeadKey deadKeys[] = {\n";
        for (const DeadKeyEntry& d : t_.deadKeys)
            out_ += "    {" +
                    Hex(static_cast<unsigned>(d.accent) << 16 | static_cast<unsigned>(d.base)) +
                    ", " + Hex(static_cast<unsigned>(d.composed)) + ", " + (d.chained ? "1" : "0") +
                    "},\n";
        out_ += "    {0, 0, 0},\n};\n\n";
        return "deadKeys";
    }

    std::string String(const std::wstring& text) {
        const std::string name = "text" + std::to_string(strings_++);
        out_ += "static const uint16_t " + name + "[] = {";
        for (wchar_t c : text)
            out_ += Hex(static_cast<unsigned>(c)) + ", ";
        out_ += "0};\n";
        return name;
    }

    std::string Names(const std::vector<LayoutKeyName>& names, const std::string& array) {
        if (names.empty())
            return "0";
        std::string rows;
        for (const LayoutKeyName& n : names)
            rows += "    {" + Hex(n.scanCode) + ", " + String(n.name) + "},\n";
        out_ += "static const KbdKeyName " + array + "[] = {\n" + rows + "    {0, 0},\n};\n\n";
        return array;
    }

    std::string DeadNames() {
        if (t_.deadKeyNames.empty())
            return "0";
        std::string rows;
        for (const DeadKeyName& n : t_.deadKeyNames)
            rows += "    " + String(std::wstring(1, n.accent) + n.name) + ",\n";
        out_ += "static const uint16_t* const deadKeyNames[] = {\n" + rows + "    0,\n};\n\n";
        return "deadKeyNames";
    }

    std::string ScanCodes() {
        if (t_.scanCodes.empty() || t_.scanCodes.size() > 0x80)
            throw Failed{"the scan-code table has 1 to 128 entries"};
        out_ += "static const uint16_t scanCodes[] = {";
        for (uint16_t v : t_.scanCodes)
            out_ += Hex(v) + ", ";
        out_ += "};\n\n";
        return "scanCodes";
    }

    std::string Prefixed(const std::vector<PrefixedScanCode>& rows, const std::string& array) {
        if (rows.empty())
            return "0";
        out_ += "static const KbdScanCode " + array + "[] = {";
        for (const PrefixedScanCode& r : rows)
            out_ += "{" + Hex(r.scanCode) + ", " + Hex(r.value) + "}, ";
        out_ += "{0, 0}};\n\n";
        return array;
    }

    std::pair<std::string, size_t> Ligatures() {
        if (t_.ligatures.empty())
            return {"0", 0};
        size_t length = 0;
        for (const Ligature& l : t_.ligatures)
            length = std::max(length, l.text.size());
        out_ += "typedef struct {\n    uint8_t virtualKey;\n    uint16_t modification;\n"
                "    uint16_t characters[" +
                std::to_string(length) +
                "];\n} LigatureRow;\nstatic const LigatureRow ligatures[] = {\n";
        for (const Ligature& l : t_.ligatures) {
            out_ += "    {" + Hex(l.virtualKey) + ", " + std::to_string(l.modification) + ", {";
            for (size_t i = 0; i < length; ++i)
                out_ += Hex(i < l.text.size() ? static_cast<unsigned>(l.text[i]) : kNone) + ", ";
            out_ += "}},\n";
        }
        out_ += "    {0, 0, {0}},\n};\n\n";
        return {"ligatures", length};
    }

    const KeyboardLayoutTables& t_;
    std::string out_;
    int strings_ = 0;
};

} // namespace

LayoutDllSource WriteLayoutDllSource(const KeyboardLayoutTables& tables,
                                     const std::string& headerName) {
    LayoutDllSource result;
    try {
        result.source = Writer(tables).Write(headerName);
    } catch (const Failed& failed) {
        result.error = failed.message;
    }
    return result;
}

} // namespace zintar
