#pragma once
// The main window: routes messages to its controls, holds the core state, and writes what the
// core answers into the controls. Each kind of control is an object of its own that owns its
// window and what it knows (ui/main_window/label.h, ui/main_window/capture_box.h,
// ui/main_window/code_field.h). The window's files: creation and start-up (main_window.cpp),
// message routing (main_window_events.cpp), what the controls report and the read-outs that
// follow (main_window_read_outs.cpp), the language and the window menu
// (main_window_language.cpp), and the hover effects (main_window_hover.cpp). The key history
// is the key recorder's (ui/key_history/key_recorder.h), which the window hands the messages
// that concern it.
#include <windows.h>

#include <memory>

#include "core/common/language.h"
#include "core/converter/conversion.h"
#include "core/converter/hover.h"
#include "platform/system/ansi_code_page.h"
#include "ui/main_window/control_events.h"
#include "ui/main_window/platform_seams.h"
#include "ui/main_window/window_controls.h"
#include "ui/main_window/window_menu.h"

namespace zintar {

class KeyRecorder;
class LayoutsWindow;

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
    HWND control(Control id) const { return ui_.windows[Index(id)]; }

    // The window-menu command that opens the key history (WM_SYSCOMMAND); a double click on
    // the pressed-keys read-out does the same.
    static constexpr UINT kKeyHistoryCommand = static_cast<UINT>(MenuCommand::KeyHistory);
    // The key history, for tests and measurements.
    KeyRecorder& keyRecorder() { return *recorder_; }
    // The window-menu command that opens the keyboard layouts window; the key details pane
    // sends it too.
    static constexpr UINT kKeyboardLayoutsCommand = static_cast<UINT>(MenuCommand::KeyboardLayouts);
    // The keyboard layouts window once it was first opened, for tests; null before.
    LayoutsWindow* layoutsWindow() { return layouts_.get(); }

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

    // Message routing (main_window_events.cpp)
    void PaintBackground(HDC dc, const RECT& area) const;
    void ScaleTo(int dpi);
    void OnActivate(bool active);
    LRESULT PointerMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnClick(Control id);

    // What the controls report, and the read-outs that follow (main_window_read_outs.cpp)
    void OnCaptureKey(int keyCode, int modifiers) override;
    void OnCaptureCharacter(std::optional<wchar_t> character) override;
    void OnKeyMessage(const KeyMessageInput& message) override;
    void OnCodeEntered(CodeBox box, int16_t code) override;
    void ShowReadOuts(Source source);

    // Language and the window menu (main_window_language.cpp)
    void ApplyLanguage(Language language);
    void ChooseLanguage(Language language);
    void OnMenuCommand(MenuCommand command);
    void OpenKeyboardLayouts();

    // Hover effects (main_window_hover.cpp)
    void ShowHover();
    void OnHoverTimer();
    void SetHoverTimer(bool running);

    PlatformSeams seams_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    bool endsProgram_ = false;
    int dpi_ = kDesignDpi; // the window's, from its creation and each WM_DPICHANGED
    WindowControls ui_;    // fonts, pictures and icons made for dpi_
    bool hoverTimerRunning_ = false;
    HWND focusBeforeDeactivation_ = nullptr;

    win32::AnsiCodePage codePage_;
    Conversion conversion_;
    HoverState hover_;
    Language language_ = Language::English;
    // Every key message of the capture box, whether or not the key history is open.
    std::unique_ptr<KeyRecorder> recorder_;
    // Made when it is first opened: nothing of it exists at start-up.
    std::unique_ptr<LayoutsWindow> layouts_;
};

} // namespace zintar
