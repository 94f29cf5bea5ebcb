#pragma once
// The main window: routes messages to its controls, holds the core state, and writes what the
// core answers into the controls. Each kind of control is an object of its own that owns its
// window and what it knows (ui/main_window/label.h, ui/main_window/capture_box.h,
// ui/main_window/code_field.h); the window's files are creation and start-up (main_window.cpp),
// message routing (events.cpp), the read- outs and the language (language.cpp) and the hover
// effects (hover.cpp). It keeps the history of the capture box's key messages, which the key
// history window shows.
#include <windows.h>

#include <array>

#include "core/converter/code_box.h"
#include "core/converter/conversion.h"
#include "core/converter/hover.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_rows.h"
#include "core/common/language.h"
#include "platform/system/ansi_code_page.h"
#include "platform/window/scoped_handles.h"
#include "platform/window/window_icons.h"
#include "ui/main_window/accessible_names.h"
#include "ui/main_window/capture_box.h"
#include "ui/main_window/code_field.h"
#include "ui/main_window/control_events.h"
#include "ui/main_window/fonts.h"
#include "ui/key_history/history_window.h"
#include "ui/key_history/key_route_watch.h"
#include "ui/main_window/label.h"
#include "ui/main_window/layout.h"
#include "ui/main_window/platform_seams.h"
#include "ui/main_window/tooltip.h"
#include "ui/main_window/window_menu.h"

namespace zintar {

class MainWindow : private ControlEvents {
  public:
    explicit MainWindow(PlatformSeams seams = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window with its controls and brings them to their first state; the window
    // stays hidden until Show. With endsProgram, destroying the window ends the message loop.
    bool Create(HINSTANCE instance, bool endsProgram);
    // First show: centred on the screen, the keyboard focus in the capture box.
    void Show(int showCommand);

    HWND hwnd() const { return hwnd_; }
    HWND control(Control id) const { return controls_[Index(id)]; }

    // The window-menu command that opens the key history (WM_SYSCOMMAND); a double click on
    // the pressed-keys read-out does the same.
    static constexpr UINT kKeyHistoryCommand = static_cast<UINT>(MenuCommand::KeyHistory);
    const KeyHistory& keyHistory() const { return keyHistory_; }
    HistoryWindow& keyHistoryWindow() { return historyWindow_; }

    // What the window holds, for tests and measurements; nothing outside changes it.
    struct State {
        Codes codes;
        HoverSpot lit;
        TwipsPoint pointerTwips;
        bool hoverTimerRunning;
        Language language;
    };
    State state() const;

    // Window-procedure entry points (see platform/window/window_thunk.h and
    // platform/window/subclass.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag);

  private:
    // Creation and start-up (main_window.cpp)
    bool CreateControls();
    void Load();

    // Message routing (events.cpp)
    void PaintBackground(HDC dc, const RECT& area) const;
    void OnActivate(bool active);
    LRESULT PointerMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnClick(Control id);

    // What the controls report (events.cpp), and the read-outs that follow (language.cpp)
    void OnCaptureKey(int keyCode, int modifiers) override;
    void OnCaptureCharacter(std::optional<wchar_t> character) override;
    void OnKeyMessage(const KeyMessageInput& message) override;
    void OnCodeEntered(CodeBox box, int16_t code) override;
    void ShowReadOuts(Source source);

    // Language and the window menu (language.cpp)
    void ApplyLanguage(Language language);
    void ChooseLanguage(Language language);
    void OnMenuCommand(MenuCommand command);

    // Hover effects (hover.cpp)
    void ShowHover();
    void OnHoverTimer();
    void SetHoverTimer(bool running);

    PlatformSeams seams_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    bool endsProgram_ = false;
    int dpi_ = kDesignDpi; // the window's, from its creation and each WM_DPICHANGED
    std::array<HWND, kControlCount> controls_{};
    FontSet fonts_;
    std::array<win32::ScopedBitmap, kControlCount> pictures_{};
    win32::WindowIcons icons_;                  // sized for dpi_
    std::array<Label, kControlCount> labels_{}; // at the labels' places; the rest stay unused
    std::array<CodeField, kCodeBoxCount> codeFields_{}; // by CodeBox
    CaptureBox captureBox_;
    CombinationTooltip tooltip_;
    AccessibleNames accessible_;
    bool hoverTimerRunning_ = false;
    HWND focusBeforeDeactivation_ = nullptr;

    win32::AnsiCodePage codePage_;
    Conversion conversion_;
    HoverState hover_;
    Language language_ = Language::English;
    // Every key message of the capture box, kept whether or not its window is open: the ring
    // never allocates, and the window shows the past keys when it opens.
    KeyHistory keyHistory_;
    KeyRows keyRows_{keyHistory_};
    HistoryWindow historyWindow_{keyHistory_, keyRows_};
    // Where the keys went, from the first opening of the history window on.
    KeyRouteWatch routeWatch_{keyHistory_, keyRows_, historyWindow_};
};

} // namespace zintar
