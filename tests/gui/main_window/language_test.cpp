// The two caption sets, the flag clicks that store the choice, and the window menu items.
#include "tests/gui/form_fixture.h"

#include "tests/support/stored_registry.h"

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
    std::optional<stored_registry::RawValue> Stored() {
        return stored_registry::ReadRaw(stored_registry::kSettingsKey,
                                        stored_registry::kLanguageValue);
    }
    void Store(std::vector<BYTE> bytes, DWORD type = REG_BINARY) {
        ASSERT_EQ(stored_registry::WriteRaw(stored_registry::kSettingsKey,
                                            stored_registry::kLanguageValue, type, bytes),
                  ERROR_SUCCESS);
    }
    UINT MenuState(UINT command) {
        return GetMenuState(GetSystemMenu(form().hwnd(), FALSE), command, MF_BYCOMMAND);
    }
    // The controls that show a caption, each with its caption in English and in Hungarian.
    struct CaptionControl {
        Control id;
        const wchar_t* english;
        const wchar_t* hungarian;
    };
    static constexpr CaptionControl kCaptionControls[] = {
        {Control::CharacterCaption, L"character", L"karakter"},
        {Control::CharCodeCaption, L"character code", L"karakter k\u00F3d"},
        {Control::KeyCodeCaption, L"key code", L"billenty\u0171 k\u00F3d"},
        {Control::CharHexCaption, L"hex", L"hexa"},
        {Control::PressedKeysCaption, L"pressed keys", L"lenyomott billenty\u0171k"}};
    std::vector<std::wstring> CaptionTexts() {
        std::vector<std::wstring> texts;
        for (const CaptionControl& c : kCaptionControls)
            texts.push_back(Text(c.id));
        return texts;
    }
    void ExpectCaptions(bool english) {
        for (const CaptionControl& c : kCaptionControls)
            EXPECT_EQ(Text(c.id), english ? c.english : c.hungarian) << Design(c.id).name;
        EXPECT_EQ(Text(Control::TitleLabel), L"Zintar");
        EXPECT_EQ(Title(), L"Zintar");
        EXPECT_EQ((MenuState(kMenuEnglish) & MF_CHECKED) != 0, english);
        EXPECT_EQ((MenuState(kMenuHungarian) & MF_CHECKED) != 0, !english);
    }
    void ExpectEnglish() { ExpectCaptions(true); }
    void ExpectHungarian() { ExpectCaptions(false); }
};

TEST_F(Language, ClickingTheLitHungarianFlagStoresTheChoiceAndSwitchesEveryCaption) {
    ExpectEnglish();
    const std::vector<std::wstring> english = CaptionTexts();
    ClickFlag(Control::HungarianFlag, Control::HungarianFlagLit);
    EXPECT_EQ(Stored(), (stored_registry::RawValue{REG_BINARY, {0x00, 0x00}}));
    ExpectHungarian();
    const std::vector<std::wstring> hungarian = CaptionTexts();
    for (size_t i = 0; i < english.size(); ++i) {
        EXPECT_FALSE(hungarian[i].empty());
        EXPECT_NE(hungarian[i], english[i]) << Design(kCaptionControls[i].id).name;
    }
    EXPECT_EQ(Text(Control::ModifiersCaption), L"shift"); // the same in both languages
    EXPECT_EQ(Text(Control::CombinationReadOut), L"");    // key names stay English and untouched
    // The clicked flag stays lit until the pointer moves on.
    EXPECT_EQ(State().lit, HoverSpot::HungarianFlag);
    EXPECT_TRUE(IsWindowVisible(Window(Control::HungarianFlagLit)));

    ClickFlag(Control::EnglishFlag, Control::EnglishFlagLit);
    EXPECT_EQ(Stored(), (stored_registry::RawValue{REG_BINARY, {0x01, 0x00}}));
    ExpectEnglish();
    EXPECT_EQ(registry_.OpenKeys(), 0);
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
    const int writes = registry_.CallCount(RegistrySeam::Call::Set);
    Click(Control::EnglishFlagLit);
    EXPECT_EQ(registry_.CallCount(RegistrySeam::Call::Set), writes + 1);
    ExpectEnglish();
}

TEST_F(Language, AFlagWhoseFrameIsNotLitTakesNoClick) {
    Click(Control::HungarianFlag);
    ExpectEnglish();
    EXPECT_EQ(registry_.CallCount(RegistrySeam::Call::Set), 0);
    // A press that is released outside the frame is no click either.
    SendMessageW(Window(Control::HungarianFlag), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONUP, 0, MAKELPARAM(40, 3));
    ExpectEnglish();
}

TEST_F(Language, AnUnwritableStoreStillSwitchesTheCaptions) {
    registry_.FailAt(1, ERROR_ACCESS_DENIED); // the save's first call
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
    Store({0, 0, 0, 0}, REG_DWORD);
    Restart(); // four bytes do not fit: read fails, English
    ExpectEnglish();
    EXPECT_EQ(registry_.OpenKeys(), 0);
}

TEST_F(Language, TheWindowMenuOffersBothLanguagesToKeyboardUsers) {
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    ExpectHungarian();
    EXPECT_EQ(Stored(), (stored_registry::RawValue{REG_BINARY, {0x00, 0x00}}));
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuEnglish, 0);
    ExpectEnglish();
    EXPECT_EQ(Stored(), (stored_registry::RawValue{REG_BINARY, {0x01, 0x00}}));
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
