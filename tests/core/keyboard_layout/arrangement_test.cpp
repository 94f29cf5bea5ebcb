// Which keyboard a layout is drawn on, and the keyboards' geometry checked as geometry: key
// counts of the standards, no two keys on one spot, every key a key the identity tables know.
#include "core/keyboard_layout/keyboard_arrangement.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/key_identity/physical_key.h"
#include "core/keyboard_layout/layout_typing.h"
#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

using test::FixtureLayout;

TEST(Arrangement, ChosenFromTheLayoutsKeys) {
    EXPECT_EQ(ArrangementOf(FixtureLayout("us")), KeyboardArrangement::Ansi104);
    EXPECT_EQ(ArrangementOf(FixtureLayout("german")), KeyboardArrangement::Iso105);
    EXPECT_EQ(ArrangementOf(FixtureLayout("hungarian")), KeyboardArrangement::Iso105);
    EXPECT_EQ(ArrangementOf(FixtureLayout("french")), KeyboardArrangement::Iso105);

    KeyboardLayoutTables japanese = FixtureLayout("us");
    japanese.keyboardType = kKeyboardTypeJapanese;
    EXPECT_EQ(ArrangementOf(japanese), KeyboardArrangement::Jis109);

    // Brazilian ABNT: the key right of the period types / and ?.
    KeyboardLayoutTables brazilian = FixtureLayout("german");
    brazilian.keys.push_back({0xC1, 0, {{LayoutCharKind::Character, L'/'}}, {}});
    EXPECT_EQ(ArrangementOf(brazilian), KeyboardArrangement::Abnt107);
    EXPECT_EQ(ArrangementName(KeyboardArrangement::Abnt107), L"ABNT 107");
}

struct Rect {
    int left, top, right, bottom;
};

// A key's area in quarter keys, rows four quarters high; the L-shaped Enter as two parts.
std::vector<Rect> Parts(const KeyCap& key) {
    const int top = key.row * kQuartersPerKey;
    if (key.shape == KeyCapShape::LShapedEnter)
        return {{key.x, top, key.x + key.width, top + kQuartersPerKey},
                {key.x + 1, top + kQuartersPerKey, key.x + key.width, top + 2 * kQuartersPerKey}};
    return {{key.x, top, key.x + key.width, top + key.rows * kQuartersPerKey}};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(Arrangement, GeometryOfEachKeyboard) {
    const std::pair<KeyboardArrangement, size_t> counts[] = {
        {KeyboardArrangement::Ansi104, 104},
        {KeyboardArrangement::Iso105, 105},
        {KeyboardArrangement::Abnt107, 107},
        {KeyboardArrangement::Jis109, 109},
    };
    for (const auto& [arrangement, count] : counts) {
        SCOPED_TRACE(std::wstring(ArrangementName(arrangement)));
        const auto keys = ArrangementKeys(arrangement);
        EXPECT_EQ(keys.size(), count);
        std::set<std::pair<int, bool>> seen;
        std::vector<Rect> parts;
        for (const KeyCap& key : keys) {
            EXPECT_TRUE(seen.insert({key.scanCode, key.extended}).second)
                << "twice: " << int(key.scanCode);
            EXPECT_NE(FindPhysicalKey(key.scanCode, key.extended), nullptr) << int(key.scanCode);
            EXPECT_LE(key.row + key.rows, 6);
            for (const Rect& part : Parts(key)) {
                for (const Rect& other : parts)
                    EXPECT_FALSE(Overlap(part, other)) << "over another: " << int(key.scanCode);
                parts.push_back(part);
            }
        }
    }
}

TEST(Arrangement, EveryKeyOfAnIsoKeyboardGivesAKeyOnUs) {
    const KeyboardLayoutTables& us = FixtureLayout("us");
    for (const KeyCap& key : ArrangementKeys(KeyboardArrangement::Iso105))
        EXPECT_NE(VirtualKeyAt(us, PlaceOfReportedKey({key.scanCode, key.extended})), 0)
            << int(key.scanCode) << (key.extended ? " E0" : "");
}

TEST(Arrangement, MainBlockRowsEndTogether) {
    // On every keyboard the rows of the main block are 15 keys wide.
    for (auto arrangement : {KeyboardArrangement::Ansi104, KeyboardArrangement::Iso105,
                             KeyboardArrangement::Abnt107, KeyboardArrangement::Jis109}) {
        int right[6] = {};
        for (const KeyCap& key : ArrangementKeys(arrangement)) {
            if (key.x < 15 * kQuartersPerKey)
                for (int r = key.row; r < key.row + key.rows; ++r)
                    right[r] = std::max(right[r], key.x + key.width);
        }
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(right[r], 15 * kQuartersPerKey)
                << std::wstring(ArrangementName(arrangement)).c_str() << " row " << r;
    }
}

} // namespace
} // namespace zintar
