#pragma once
// The key details pane: a column at the right of the key history window that names one key
// row in every API, on the active layout and as a shortcut, with a button that copies the
// key as code and one that opens the keyboard layouts window. Each caption and value is a child
// control of its own, so screen readers and other programs read it with WM_GETTEXT. In a window too
// low for every row the column scrolls.
#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <optional>

#include "core/key_identity/copy_as_code.h"
#include "core/key_history/key_details.h"
#include "core/common/language.h"
#include "platform/input/input_state.h"
#include "ui/common/read_only_text.h"
#include "ui/common/scroll_pane.h"

namespace zintar {

class KeyDetailsPane {
  public:
    // The layout reads and the shortcut's probe are input's.
    explicit KeyDetailsPane(win32::InputState& input) : input_(input) {}
    KeyDetailsPane(const KeyDetailsPane&) = delete;
    KeyDetailsPane& operator=(const KeyDetailsPane&) = delete;

    // The children of `parent`, which destroys them; in the list's font.
    bool Create(HWND parent, HINSTANCE instance, HFONT font);
    void Forget(); // the controls went with their parent
    explicit operator bool() const { return button_.hwnd() != nullptr; }

    // The pane's width in pixels at the DPI; the list takes the rest.
    static int Width(int dpi);
    // From `left` to the parent's right edge, `height` high, sized for the DPI.
    void Place(int left, int height, int dpi);
    // Every caption, value and the button in the font; the caller keeps it alive.
    void SetFont(HFONT font);
    void SetLanguage(Language language);

    // Shows a row's key (none: an empty pane). A key not shown before has its layout read; its
    // shortcut is what its row's route knows, or is probed once no key is down, so a later
    // call finishes it.
    void Show(const KeyHistory& history, const std::optional<DetailsSubject>& subject);

    // The latest measured auto-repeat, for the repeat rows of the key shown; call before Show.
    void SetRepeat(const RepeatMeasurement& repeat) { repeat_ = repeat; }

    std::optional<KeyCombination> ShownKey() const;
    HWND copyButton() const { return button_.hwnd(); }
    HWND layoutsButton() const { return layoutsButton_.hwnd(); }
    // A value's text changed: one set from outside is replaced by the pane's own again.
    void OnValueChanged(HWND value);
    HWND valueControl(DetailRow row) const { return values_[static_cast<size_t>(row)].hwnd(); }
    const ScrollPane& rows() const { return rows_; }

  private:
    void ReadPlatformFacts(const KeyHistory& history);
    void Write();
    // The measured repeat into the facts, with the settings read once a measurement shows.
    void TakeRepeat();
    void WriteRepeat();
    void OpenKeyboardLayouts() const;

    win32::InputState& input_;
    HWND parent_ = nullptr;
    ScrollPane rows_; // holds the button, the captions and the values
    std::array<ReadOnlyText, kDetailRowCount> captions_{};
    std::array<ReadOnlyText, kDetailRowCount> values_{};
    ReadOnlyText button_;
    ReadOnlyText layoutsButton_; // its click goes to the main window, which opens the window
    Language language_ = Language::English;
    std::optional<KeyDetailsFacts> facts_;
    RepeatMeasurement repeat_;
    bool layoutRead_ = false;
    // The last layout read and the key it was for: a stream of one key (auto-repeat, a key
    // pressed again) reads the layout once. What a key types depends on nothing else.
    struct LayoutRead {
        HKL layout;
        uint8_t virtualKey, scanCode;
        bool extended;
        LayoutFacts facts;
        TypedFacts typed;
    };
    std::optional<LayoutRead> lastRead_;
    // None while a dead key waits and only ToUnicodeEx could answer.
    std::optional<LayoutRead> ReadLayout(const KeyHistory& history, HKL active);
    const LayoutReadResult& TablesOf(const std::wstring& klid);
    std::map<std::wstring, LayoutReadResult> tablesByKlid_; // every layout read so far
    // The last probe: the same combination again (a stream of one key) is not probed again,
    // which would cost a look at every key's state and two registrations each time.
    struct Probe {
        Shortcut shortcut;
        HotkeyAnswer answer;
        std::wstring_view reservedBecause;
    };
    std::optional<Probe> lastProbe_;
    // Which row is shown, by where it stands: its record moves in the ring.
    KeyRows::Place shownPlace_{};
    HistoryGeneration shownGeneration_;
};

} // namespace zintar
