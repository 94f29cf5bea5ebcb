#include "core/converter/captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/key_history/history_captions.h"
#include "core/key_history/history_columns.h"
#include "core/key_history/history_words.h"
#include "core/key_history/key_details.h"
#include "core/keyboard_layout/typed_by_layout.h"

namespace zintar {
namespace {

constexpr Language kEn = Language::English, kHu = Language::Hungarian;

// One set of texts that the user sees together: its titles must tell its entries apart.
struct CaptionSet {
    std::string name;
    std::vector<Bilingual> texts;
};

template <typename Key, size_t N>
CaptionSet Words(std::string name, const std::array<Worded<Key>, N>& table) {
    CaptionSet set{std::move(name), {}};
    for (const Worded<Key>& row : table)
        set.texts.push_back(row.text);
    return set;
}

// Every text that follows the language, visited through the tables that hold them, so a text
// added to any of them is checked without a line here.
std::vector<CaptionSet> EveryCaptionSet() {
    CaptionSet window{"the windows' captions and commands", {}};
    for (const auto field : kMainWindowCaptionFields)
        window.texts.push_back({CaptionsOf(kEn).*field, CaptionsOf(kHu).*field});
    for (const auto field : kHistoryCaptionFields)
        window.texts.push_back({HistoryCaptionsOf(kEn).*field, HistoryCaptionsOf(kHu).*field});
    CaptionSet columns{"column titles", {}};
    for (const HistoryColumnInfo& column : HistoryColumns())
        columns.texts.push_back(column.title);
    CaptionSet details{"detail captions", {}};
    for (const DetailRowInfo& row : DetailRows())
        details.texts.push_back(row.caption);
    CaptionSet states{"shift states", {}};
    for (int s = 0; s < kShiftStateCount; ++s)
        states.texts.push_back({ShiftStateName(static_cast<ShiftState>(s), kEn),
                                ShiftStateName(static_cast<ShiftState>(s), kHu)});
    return {window,
            columns,
            details,
            states,
            Words("message names", kKeyMessageNames),
            Words("yes and no", kYesNo),
            Words("sides", kSideNames),
            Words("views of a key", kKeySourceNames),
            Words("reasons a key went elsewhere", kNotDeliveredReasons),
            Words("shortcut answers", kHotkeyAnswers),
            Words("detail values", kDetailValues)};
}

// Names of programs, APIs, encodings and keys, which Hungarian writes as English does.
const std::set<std::wstring_view> kSameInBothLanguages = {
    L"Zintar",  L"Unicode", L"UTF-8", L"Linux evdev", L"WinForms Keys",
    L"WPF Key", L"Shift",   L"AltGr", L"Shift+AltGr", L"Caps Lock",
};

std::string Shown(std::wstring_view text) {
    return testing::PrintToString(std::wstring(text));
}

// The texts go into a tab-separated copy and into single-line controls.
void ExpectOneClearLine(std::wstring_view text) {
    constexpr std::wstring_view kBlanks = L" \u00A0";
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of(L"\t\r\n"), std::wstring_view::npos) << Shown(text);
    if (!text.empty()) {
        EXPECT_EQ(kBlanks.find(text.front()), std::wstring_view::npos) << Shown(text);
        EXPECT_EQ(kBlanks.find(text.back()), std::wstring_view::npos) << Shown(text);
    }
}

TEST(Captions, EveryTextIsOneClearLineInBothLanguages) {
    for (const CaptionSet& set : EveryCaptionSet())
        for (const Bilingual& text : set.texts) {
            SCOPED_TRACE(set.name);
            ExpectOneClearLine(text.english);
            ExpectOneClearLine(text.hungarian);
        }
}

TEST(Captions, HungarianIsTranslatedButForNamesThatStayTheSame) {
    std::set<std::wstring_view> unchanged;
    for (const CaptionSet& set : EveryCaptionSet())
        for (const Bilingual& text : set.texts)
            if (text.english == text.hungarian) {
                EXPECT_TRUE(kSameInBothLanguages.count(text.english))
                    << set.name << ": " << Shown(text.english) << " is not translated";
                unchanged.insert(text.english);
            }
    for (std::wstring_view name : kSameInBothLanguages)
        EXPECT_TRUE(unchanged.count(name)) << Shown(name) << " is listed, but no text is it";
}

TEST(Captions, NoTwoTextsOfOneSetAlikeInALanguage) {
    for (const CaptionSet& set : EveryCaptionSet())
        for (Language language : {kEn, kHu}) {
            std::set<std::wstring_view> seen;
            for (const Bilingual& text : set.texts)
                EXPECT_TRUE(seen.insert(text.In(language)).second)
                    << set.name << " repeats " << Shown(text.In(language));
        }
}

// Texts that the end-to-end tests read from outside, written out here by hand.
TEST(Captions, TextsOtherProgramsReadStayPut) {
    EXPECT_EQ(CaptionsOf(kEn).title, L"Zintar");
    EXPECT_EQ(HistoryCaptionsOf(kEn).keyHistory, L"Key history");
    EXPECT_EQ(HistoryCaptionsOf(kHu).keyHistory, L"Billenty\u0171napl\u00F3");
    EXPECT_EQ(HistoryCaptionsOf(kHu).copyAsCode, L"M\u00E1sol\u00E1s k\u00F3dk\u00E9nt");
    EXPECT_EQ(HistoryColumnTitle(HistoryColumn::Elapsed, kEn), L"Elapsed (ms)");
    EXPECT_EQ(HistoryColumnTitle(HistoryColumn::Message, kEn), L"Message");
    EXPECT_EQ(HistoryColumnTitle(HistoryColumn::KeyCode, kEn), L"Key code");
    EXPECT_EQ(DetailCaption(DetailRow::Shortcut, kHu), L"Billenty\u0171parancs");
    EXPECT_EQ(TextOf(kHotkeyAnswers, HotkeyAnswer::Free, kHu), L"szabad");
    // Hungarian needs the double-acute letter, which no Western code page has: the texts must
    // reach the controls as UTF-16, not through a code page.
    EXPECT_EQ(CaptionsOf(kHu).keyCode, L"billenty\u0171 k\u00F3d");
}

TEST(Captions, AnyNonzeroCodeIsEnglish) {
    for (int code : {1, 5, -1, 65535})
        EXPECT_EQ(LanguageOfCode(code), Language::English) << code;
    EXPECT_EQ(LanguageOfCode(0), Language::Hungarian);
    EXPECT_EQ(CodeOfLanguage(Language::English), 1);
    EXPECT_EQ(CodeOfLanguage(Language::Hungarian), 0);
}

TEST(Captions, VersionTextHasNoPadding) {
    EXPECT_EQ(VersionText(1, 2, 1), L"v1.2.1");
    EXPECT_EQ(VersionText(10, 0, 300), L"v10.0.300");
}

} // namespace
} // namespace zintar

namespace zintar {
namespace {

// A screen reader tells the boxes apart by these names alone: the hex boxes need their rows.
TEST(Captions, AccessibleNamesComeFromTheCaptionsOfEitherLanguage) {
    struct Case {
        Control control;
        const wchar_t* english;
        const wchar_t* hungarian;
    };
    const Case cases[] = {
        {Control::CaptureBox, L"character", L"karakter"},
        {Control::CharCodeBox, L"character code", L"karakter k\u00F3d"},
        {Control::CharHexBox, L"character code, hex", L"karakter k\u00F3d, hexa"},
        {Control::KeyCodeBox, L"key code", L"billenty\u0171 k\u00F3d"},
        {Control::KeyHexBox, L"key code, hex", L"billenty\u0171 k\u00F3d, hexa"},
        {Control::CombinationReadOut, L"pressed keys", L"lenyomott billenty\u0171k"},
        // The flags keep their own languages' names.
        {Control::EnglishFlag, L"English", L"English"},
        {Control::HungarianFlagLit, L"Magyar", L"Magyar"},
        {Control::HomepageLink, L"morvaly.example", L"morvaly.example"},
        {Control::HeaderBand, L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessibleName(c.control, Language::English), c.english) << c.english;
        EXPECT_EQ(AccessibleName(c.control, Language::Hungarian), c.hungarian) << c.hungarian;
    }
}

} // namespace
} // namespace zintar
