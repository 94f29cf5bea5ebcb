// The refresh: what it writes for each change tag, in which order, and that its own writes
// never feed back into the conversion state.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

class Display : public FormFixture {
  protected:
    // State iKey 65, iChar 97, iShift 0, through the capture box.
    void PressA() { TypeKey(Ctl::Tchar, 'A', L'a'); }
};

TEST_F(Display, EveryFieldIsWrittenInOrderForTheCaptureBoxTags) {
    PressA();
    WriteLog log(form());
    form().fDisplay(L"char");
    const std::vector<Ctl> want = {Ctl::lblShift, Ctl::Tcode_dec, Ctl::Tcode_hex, Ctl::lblSpec,
                                   Ctl::lblSpec,  Ctl::Tcc,       Ctl::Thex,      Ctl::Tchar};
    EXPECT_EQ(log.TextWrites(), want);
    // The caret move is the last thing the refresh does.
    ASSERT_FALSE(log.entries().empty());
    EXPECT_EQ(log.entries().back().control, Ctl::Tchar);
    EXPECT_EQ(log.entries().back().message, static_cast<UINT>(EM_SETSEL));
    EXPECT_EQ(log.entries().back().text, L"1,1");
}

TEST_F(Display, TheTaggedSourceFieldIsNotRewritten) {
    PressA();
    const std::pair<const wchar_t*, Ctl> cases[] = {{L"key_dec", Ctl::Tcode_dec},
                                                    {L"key_hex", Ctl::Tcode_hex},
                                                    {L"char_dec", Ctl::Tcc},
                                                    {L"char_hex", Ctl::Thex}};
    for (auto [tag, skipped] : cases) {
        WriteLog log(form());
        form().fDisplay(tag);
        const std::vector<Ctl> writes = log.TextWrites();
        EXPECT_EQ(std::count(writes.begin(), writes.end(), skipped), 0) << tag;
        EXPECT_EQ(writes.size(), 7u) << tag; // the eight writes of the full refresh less one
    }
    // Tags compare exactly: a different case suppresses nothing.
    WriteLog log(form());
    form().fDisplay(L"KEY_DEC");
    EXPECT_EQ(log.TextWrites().size(), 8u);
}

TEST_F(Display, ItsOwnWritesNeverReachTheChangeHandlers) {
    KeyDown(Ctl::Tchar, VK_F5, kCtrl | kShift);
    const auto before = State();
    form().fDisplay(L"key");
    const auto after = State();
    EXPECT_EQ(after.iKey, before.iKey);
    EXPECT_EQ(after.iChar, before.iChar);
    EXPECT_EQ(after.iShift, 3);
    EXPECT_TRUE(after.bEvents);
}

TEST_F(Display, NegativeCodesClearTheirFieldsWhateverTheTag) {
    PressA();
    KeyDown(Ctl::Tchar, VK_F5); // iChar -1
    form().fDisplay(L"char_dec");
    EXPECT_EQ(Text(Ctl::Tcc), L"");
    EXPECT_EQ(Text(Ctl::Thex), L"");
    EXPECT_EQ(Text(Ctl::Tchar), L"");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"116");
}

TEST_F(Display, HexadecimalCodesHaveTwoUpperCaseDigits) {
    TypeKey(Ctl::Tchar, VK_RETURN, L'\n'); // character code 10
    EXPECT_EQ(Text(Ctl::Thex), L"0A");
    TypeKey(Ctl::Tchar, 'Y', L'\u00FF'); // ÿ, code 255 in 1252
    EXPECT_EQ(Text(Ctl::Thex), L"FF");
    EXPECT_EQ(Text(Ctl::Tcc), L"255");
}

} // namespace
} // namespace zintar::test
