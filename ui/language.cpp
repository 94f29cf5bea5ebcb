// The captions of the chosen language, and the choice from the flags or the window menu. The
// window menu also opens the key history.
#include "ui/main_window.h"

#include "core/captions.h"
#include "platform/language_setting.h"

namespace zintar {

namespace {

// Window-menu commands; the system keeps the low four bits of a menu command for itself.
constexpr UINT kMenuEnglish = 0x0010;
constexpr UINT kMenuHungarian = 0x0020;

} // namespace

void MainWindow::ApplyLanguage(Language language) {
    language_ = language;
    const Captions& c = CaptionsOf(language);
    SetCaption(Control::TitleLabel, std::wstring(c.title));
    SetCaption(Control::CharacterCaption, std::wstring(c.character));
    SetCaption(Control::CharCodeCaption, std::wstring(c.characterCode));
    SetCaption(Control::KeyCodeCaption, std::wstring(c.keyCode));
    SetCaption(Control::CharHexCaption, std::wstring(c.hex));
    SetCaption(Control::PressedKeysCaption, std::wstring(c.pressedKeys));
    // The window's title is the title label's, read back.
    SetWindowTextW(hwnd_, Text(Control::TitleLabel).c_str());
    if (HMENU menu = GetSystemMenu(hwnd_, FALSE)) {
        CheckMenuRadioItem(menu, kMenuEnglish, kMenuHungarian,
                           language == Language::English ? kMenuEnglish : kMenuHungarian,
                           MF_BYCOMMAND);
        ModifyMenuW(menu, kKeyHistoryCommand, MF_BYCOMMAND | MF_STRING, kKeyHistoryCommand,
                    std::wstring(c.keyHistory).c_str());
    }
    historyWindow_.SetLanguage(language);
}

// Stored at once, also when it is the language shown; a failed store is not reported: the
// captions switch anyway.
void MainWindow::ChooseLanguage(Language language) {
    SaveLanguage(CodeOfLanguage(language), *seams_.registry);
    ApplyLanguage(language);
}

// The flags answer only a pointer that lit them first; the window menu (Alt+Space) gives
// keyboard users the same two choices.
void MainWindow::AddLanguageMenu() {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMenuEnglish, std::wstring(kEnglishMenuItem).c_str());
    AppendMenuW(menu, MF_STRING, kMenuHungarian, std::wstring(kHungarianMenuItem).c_str());
    // Its text follows the language (ApplyLanguage).
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kKeyHistoryCommand,
                std::wstring(CaptionsOf(language_).keyHistory).c_str());
}

bool MainWindow::OnSystemMenuCommand(UINT command) {
    switch (command) {
    case kMenuEnglish:
        ChooseLanguage(Language::English);
        return true;
    case kMenuHungarian:
        ChooseLanguage(Language::Hungarian);
        return true;
    case kKeyHistoryCommand:
        OpenKeyHistory();
        return true;
    default:
        return false;
    }
}

// Beside the main window, which keeps the activation: the keys pressed next still go to the
// capture box, and their rows arrive in the list as they are pressed.
void MainWindow::OpenKeyHistory() {
    historyWindow_.Open(instance_, hwnd_);
}

} // namespace zintar
