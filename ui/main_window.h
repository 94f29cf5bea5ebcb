#pragma once
// The main window: turns messages into calls of the core's rules and writes what the core
// answers into the controls. Its files are named for what they hold: creation and start-up
// (main_window.cpp), message routing (events.cpp), the capture box, the code boxes, the
// read-outs, control properties, painting, hover, language, the link and the tooltip. It keeps
// the history of the capture box's key messages, which the key history window shows.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/code_box.h"
#include "core/conversion.h"
#include "core/hover.h"
#include "core/key_event.h"
#include "core/language.h"
#include "platform/ansi_code_page.h"
#include "platform/scoped_handles.h"
#include "ui/history_window.h"
#include "ui/layout.h"
#include "ui/platform_seams.h"

namespace zintar {

class MainWindow {
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
    static constexpr UINT kKeyHistoryCommand = 0x0030;
    const KeyHistory& keyHistory() const { return keyHistory_; }
    HistoryWindow& keyHistoryWindow() { return historyWindow_; }

    // What the window holds, for tests and measurements; nothing outside changes it.
    struct State {
        Codes codes;
        HoverSpot lit;
        PixelPoint pointerTwips;
        bool hoverTimerRunning;
        Language language;
    };
    State state() const;

    // Window-procedure entry points (see platform/window_thunk.h and platform/subclass.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag);

    // Paints the window's own surface (background, white band, grey line) into any DC.
    void PaintBackground(HDC dc, const RECT& area) const;

  private:
    // Creation and start-up (main_window.cpp)
    bool CreateControls();
    HWND CreateControl(const ControlDesign& design);
    void Load();

    // Message routing (events.cpp)
    void OnActivate(bool active);
    LRESULT TextBoxMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT LabelMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT PointerMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnPointerOver(Control id);
    void OnClick(Control id);

    // The capture box (capture_box.cpp)
    LRESULT CaptureBoxMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnCaptureKeyDown(int keyCode, int modifiers);
    void OnCaptureCharacter(std::optional<wchar_t> character);
    void RecordKeyMessage(KeyMessage message, WPARAM wp, LPARAM lp, int modifiers);

    // The code boxes (code_boxes.cpp)
    LRESULT CodeBoxMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool RunClipboardKey(Control box, int keyCode, int modifiers);
    void PasteIntoCodeBox(Control box);
    void OnCodeBoxChanged(Control box);
    void TakeCodeBoxText(Control box, std::wstring_view text);

    // The read-outs (read_outs.cpp)
    void ShowReadOuts(Source source);
    void WriteIfChanged(Control id, const std::wstring& text);
    bool IsOwnText(Control id, std::wstring_view text) const;

    // Control properties (controls.cpp)
    void SetText(Control id, const std::wstring& text);
    std::wstring Text(Control id) const;
    void SetCaption(Control id, const std::wstring& text);
    void SetCaret(Control id, int position);
    void SetVisible(Control id, bool visible);
    int Left(Control id) const; // twips, like the design table
    int Top(Control id) const;
    void MoveTo(Control id, int leftTwips, int topTwips);
    void SetForeColour(Control id, uint32_t colour);
    void SetUnderline(Control id, bool underline);
    void SetHoverTimer(bool running);
    void FitToText(Control id);
    SIZE TextExtent(Control id) const; // the text in the control's own font, in pixels
    HFONT Font(FontId id) const { return fonts_[static_cast<int>(id)].get(); }

    // Painting (paint.cpp): a label's whole client area, for WM_PAINT and WM_PRINTCLIENT.
    void PaintLabel(Control id, HDC dc, const RECT& client) const;

    // The full combination name over a read-out too narrow for it (tooltip.cpp)
    void OnCombinationShown(std::wstring_view name);
    bool CombinationOverflows(std::wstring_view name) const;
    void CreateTooltip();
    LRESULT OnNotify(const NMHDR& header);

    // Language (language.cpp)
    void ApplyLanguage(Language language);
    void ChooseLanguage(Language language);
    void AddLanguageMenu(); // and the key history's item after the languages
    bool OnSystemMenuCommand(UINT command);
    void OpenKeyHistory();

    // Hover effects (hover.cpp)
    void ShowHover();
    void OnPointerEnters(HoverSpot spot);
    void OnPointerOverSurface();
    void OnHoverTimer();

    // Home page link (homepage_link.cpp)
    void OpenHomepageLink();

    PlatformSeams seams_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    bool endsProgram_ = false;
    std::array<HWND, kControlCount> controls_{};
    // What the window last wrote into each control, or took from it: a change notice whose
    // text equals it is the echo of the window's own write, and a write that equals it is
    // not made. No flag that a fault could leave set decides this.
    std::array<std::wstring, kControlCount> knownText_{};
    std::array<win32::ScopedFont, kFontCount> fonts_{};
    std::array<win32::ScopedBitmap, kControlCount> pictures_{};
    std::array<uint32_t, kControlCount> foreColour_{};
    std::array<bool, kControlCount> underline_{};
    bool hoverTimerRunning_ = false;
    HWND tooltip_ = nullptr; // owned by the window, destroyed with it
    std::wstring tooltipText_;
    HWND focusBeforeDeactivation_ = nullptr;

    AnsiCodePage codePage_;
    Conversion conversion_;
    HoverState hover_;
    Language language_ = Language::English;
    // Every key message of the capture box, kept whether or not its window is open: the ring
    // never allocates, and the window shows the past keys when it opens.
    KeyHistory keyHistory_;
    HistoryWindow historyWindow_{keyHistory_};
};

} // namespace zintar
