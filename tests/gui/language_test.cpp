// The two caption sets, the flag clicks that store the choice, and the window menu items.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

constexpr UINT kMenuEnglish = 0x0010;
constexpr UINT kMenuHungarian = 0x0020;

class Language : public FormFixture {
  protected:
    void Click(Control id) {
        SendMessageW(Window(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(Window(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    void ClickFlag(Control flag, Control frame) {
        SendMessageW(Window(flag), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        Click(frame);
    }
    std::wstring Title() {
        wchar_t title[64]{};
        GetWindowTextW(form().hwnd(), title, 64);
        return title;
    }
    std::optional<FakeRegistry::Value> Stored() {
        return registry_.GetValue("Software\\Morvaly", "Language");
    }
    void Store(std::vector<BYTE> bytes) {
        registry_.SetValue("Software\\Morvaly", "Language", REG_BINARY, std::move(bytes));
    }
    UINT MenuState(UINT command) {
        return GetMenuState(GetSystemMenu(form().hwnd(), FALSE), command, MF_BYCOMMAND);
    }
    void ExpectCaptions(bool english) {
        struct Row {
            Control id;
            const wchar_t* english;
            const wchar_t* hungarian;
        };
        const Row rows[] = {
            {Control::TitleLabel, L"Zintar", L"Zintar"},
            {Control::CharacterCaption, L"character", L"karakter"},
            {Control::CharCodeCaption, L"character code", L"karakter k\u00F3d"},
            {Control::KeyCodeCaption, L"key code", L"billenty\u0171 k\u00F3d"},
            {Control::CharHexCaption, L"hex", L"hexa"},
            {Control::PressedKeysCaption, L"pressed keys", L"lenyomott billenty\u0171k"}};
        for (const Row& row : rows)
            EXPECT_EQ(Text(row.id), english ? row.english : row.hungarian) << Design(row.id).name;
        EXPECT_EQ(Title(), L"Zintar");
        EXPECT_EQ((MenuState(kMenuEnglish) & MF_CHECKED) != 0, english);
        EXPECT_EQ((MenuState(kMenuHungarian) & MF_CHECKED) != 0, !english);
    }
    void ExpectEnglish() { ExpectCaptions(true); }
    void ExpectHungarian() { ExpectCaptions(false); }
};

TEST_F(Language, ClickingTheLitHungarianFlagStoresTheChoiceAndSwitchesTheCaptions) {
    ExpectEnglish();
    ClickFlag(Control::HungarianFlag, Control::HungarianFlagLit);
    EXPECT_EQ(Stored(), (FakeRegistry::Value{REG_BINARY, {0x00, 0x00}}));
    ExpectHungarian();
    EXPECT_EQ(Text(Control::ModifiersCaption), L"shift"); // the same in both languages
    EXPECT_EQ(Text(Control::CombinationReadOut), L"");    // key names stay English and untouched
    // The clicked flag stays lit until the pointer moves on.
    EXPECT_EQ(State().lit, HoverSpot::HungarianFlag);
    EXPECT_TRUE(IsWindowVisible(Window(Control::HungarianFlagLit)));

    ClickFlag(Control::EnglishFlag, Control::EnglishFlagLit);
    EXPECT_EQ(Stored(), (FakeRegistry::Value{REG_BINARY, {0x01, 0x00}}));
    ExpectEnglish();
    EXPECT_EQ(registry_.OpenHandleCount(), 0);
}

TEST_F(Language, AutoSizedCaptionsFollowTheirNewTextsFromTheSameCorner) {
    RECT before{}, after{};
    GetWindowRect(Window(Control::PressedKeysCaption), &before);
    ClickFlag(Control::HungarianFlag, Control::HungarianFlagLit);
    GetWindowRect(Window(Control::PressedKeysCaption), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_GT(after.right - after.left, (before.right - before.left) + 30);
}

TEST_F(Language, TheFlagOfTheCurrentLanguageIsStoredAgain) {
    ClickFlag(Control::EnglishFlag, Control::EnglishFlagLit);
    const int writes = registry_.CallCount(FakeRegistry::Call::Set);
    Click(Control::EnglishFlagLit);
    EXPECT_EQ(registry_.CallCount(FakeRegistry::Call::Set), writes + 1);
    ExpectEnglish();
}

TEST_F(Language, AFlagWhoseFrameIsNotLitTakesNoClick) {
    Click(Control::HungarianFlag);
    ExpectEnglish();
    EXPECT_EQ(registry_.CallCount(FakeRegistry::Call::Set), 0);
    // A press that is released outside the frame is no click either.
    SendMessageW(Window(Control::HungarianFlag), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONUP, 0, MAKELPARAM(40, 3));
    ExpectEnglish();
}

TEST_F(Language, AnUnwritableStoreStillSwitchesTheCaptions) {
    registry_.FailEveryCall(FakeRegistry::Call::Create, ERROR_ACCESS_DENIED);
    ClickFlag(Control::HungarianFlag, Control::HungarianFlagLit);
    ExpectHungarian();
    EXPECT_FALSE(Stored().has_value());
    registry_.ClearFaults();
    Restart(); // the next start shows what was stored before: nothing, so English
    ExpectEnglish();
}

TEST_F(Language, StartUpAppliesTheStoredLanguage) {
    Store({0x00, 0x00});
    Restart();
    ExpectHungarian();
    for (std::vector<BYTE> bytes :
         {std::vector<BYTE>{0x01, 0x00}, {0x05, 0x00}, {0xFF, 0xFF}, {0x00, 0x80}, {0x05}}) {
        Store(bytes);
        Restart();
        ExpectEnglish();
    }
    Store({0x00}); // one byte, 0: Hungarian
    Restart();
    ExpectHungarian();
    registry_.SetValue("Software\\Morvaly", "Language", REG_DWORD, {0, 0, 0, 0});
    Restart(); // four bytes do not fit: read fails, English
    ExpectEnglish();
    EXPECT_EQ(registry_.OpenHandleCount(), 0);
}

TEST_F(Language, TheWindowMenuOffersBothLanguagesToKeyboardUsers) {
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    ExpectHungarian();
    EXPECT_EQ(Stored(), (FakeRegistry::Value{REG_BINARY, {0x00, 0x00}}));
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuEnglish, 0);
    ExpectEnglish();
    EXPECT_EQ(Stored(), (FakeRegistry::Value{REG_BINARY, {0x01, 0x00}}));
    wchar_t text[32]{};
    GetMenuStringW(GetSystemMenu(form().hwnd(), FALSE), kMenuHungarian, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Magyar");
    GetMenuStringW(GetSystemMenu(form().hwnd(), FALSE), kMenuEnglish, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"English");
    // The menu leaves the hover state alone.
    EXPECT_EQ(State().lit, HoverSpot::None);
}

TEST_F(Language, TheHomePageLinkHandsTheAddressToTheShellOnEachClick) {
    SendMessageW(Window(Control::HomepageLink), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    Click(Control::HomepageLink);
    ASSERT_EQ(shellCalls_.size(), 1u);
    const ShellCall& call = shellCalls_[0];
    EXPECT_EQ(call.window, form().hwnd());
    EXPECT_TRUE(call.nullOperation);
    EXPECT_EQ(call.file, "https://morvaly.example/");
    EXPECT_TRUE(call.nullParameters);
    EXPECT_EQ(call.directory, "C:\\");
    EXPECT_EQ(call.show, SW_HIDE);
    EXPECT_EQ(State().lit, HoverSpot::HomepageLink); // still lit
    Click(Control::HomepageLink);
    EXPECT_EQ(shellCalls_.size(), 2u);
    EXPECT_EQ(Text(Control::CombinationReadOut), L""); // nothing else in the window changed
}

} // namespace
} // namespace zintar::test
