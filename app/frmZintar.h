#pragma once
// The one window of the program: its controls, its conversion state and its event handlers.
// Win32 messages are turned into the handlers' events in one place (frmZintar.cpp); the
// handlers themselves live beside the subsystem they belong to.
#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "app/form_platform.h"
#include "app/layout.h"
#include "win32/scoped_handles.h"

namespace zintar {

class frmZintar {
  public:
    explicit frmZintar(FormPlatform platform = {});
    ~frmZintar();
    frmZintar(const frmZintar&) = delete;
    frmZintar& operator=(const frmZintar&) = delete;

    // Creates the window with its controls and runs the load sequence; the window stays
    // hidden until Show. With endsProgram, destroying the window ends the message loop.
    bool Create(HINSTANCE instance, bool endsProgram);
    // First show: centred on the screen, the keyboard focus in the capture box.
    void Show(int showCommand);

    HWND hwnd() const { return hwnd_; }
    HWND control(Ctl id) const { return controls_[Index(id)]; }

    // Rewrites every display field from the conversion state, except the field that the
    // change tag names ("key", "char", "key_dec", "key_hex", "char_dec", "char_hex").
    void fDisplay(std::wstring_view sChange);

    // What the form holds, for tests and measurements; nothing outside changes it.
    struct State {
        short iChar, iKey, iShift;
        bool bEvents;
        short iHover;
        POINT ptCursor;
        bool tmrLangEnabled;
    };
    State state() const;

    // Window-procedure entry points (see win32/window_thunk.h and win32/subclass.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag);

    // Paints the form's own surface (background, white band, grey line) into any DC.
    void PaintBackground(HDC dc, const RECT& area) const;

  private:
    // Start-up and building (app/frmZintar.cpp)
    bool CreateControls();
    HWND CreateControl(const ControlDesign& design);
    void Form_Load();

    // Event routing (app/form_events.cpp)
    void OnActivate(bool active);
    LRESULT OnNotify(const NMHDR& header);
    bool OnSystemMenuCommand(UINT command);
    LRESULT TextBoxMessage(Ctl id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT PointerMessage(Ctl id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT LabelMessage(Ctl id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool RouteKeyDown(Ctl id, short keyCode, short shift); // true: the box must not see it
    void RouteKeyPress(Ctl id, short& keyAscii);
    void RouteChange(Ctl id);
    void RouteMouseMove(Ctl id);
    void RouteClick(Ctl id);

    // Control properties (app/form_controls.cpp)
    void SetText(Ctl id, const std::wstring& text);
    std::wstring Text(Ctl id) const;
    void SetCaption(Ctl id, const std::wstring& text);
    void SetCaret(Ctl id, int position);
    void SetVisible(Ctl id, bool visible);
    int Left(Ctl id) const; // twips, like the design table
    int Top(Ctl id) const;
    void SetLeft(Ctl id, int twips);
    void SetTop(Ctl id, int twips);
    void SetForeColour(Ctl id, uint32_t colour);
    void SetUnderline(Ctl id, bool underline);
    void SetTimerEnabled(Ctl id, bool enabled);
    void FitToText(Ctl id);
    SIZE TextExtent(Ctl id) const; // the text in the control's own font, in pixels
    HFONT Font(FontId id) const { return fonts_[static_cast<int>(id)].get(); }

    // Painting (app/form_paint.cpp)
    // A label's whole client area: back colour, then its one line of text. Used for
    // WM_PAINT and WM_PRINTCLIENT alike.
    void PaintLabel(Ctl id, HDC dc, const RECT& client) const;

    // The full combination name over a read-out too narrow for it (app/form_tooltip.cpp)
    void CreateTooltip();

    // Capture box (conversion/capture_box.cpp)
    void Tchar_KeyDown(short KeyCode, short Shift);
    void Tchar_KeyPress(short& KeyAscii);

    // Code entry fields (conversion/code_fields.cpp)
    bool CodeBox_KeyDown(Ctl id, short keyCode, short shift);
    void PasteIntoCodeBox(Ctl box);
    void Tcc_KeyPress(short& KeyAscii);
    void Thex_KeyPress(short& KeyAscii);
    void Tcode_dec_KeyPress(short& KeyAscii);
    void Tcode_hex_KeyPress(short& KeyAscii);
    void Tcc_Change();
    void Thex_Change();
    void Tcode_dec_Change();
    void Tcode_hex_Change();
    void DecimalBoxChange(Ctl box, short& code, short& otherCode, const wchar_t* tag);
    void HexBoxChange(Ctl box, short& code, short& otherCode, const wchar_t* tag);

    // Language (ui/captions.cpp)
    void SetLanguage(short language);
    void imgLangEng_hl_Click();
    void imgLangHUN_hl_Click();
    void AddLanguageMenu();

    // Hover effects (ui/hover.cpp)
    void ResetHover();
    void EnterHoverSpot(short spot);
    void imgLangEng_MouseMove();
    void imgLangHUN_MouseMove();
    void lblHomepage_MouseMove();
    void Form_MouseMove();
    void tmrLang_Timer();

    // Home page link (ui/homepage_link.cpp)
    void lblHomepage_Click();

    FormPlatform platform_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    bool endsProgram_ = false;
    std::array<HWND, kControlCount> controls_{};
    std::array<win32::ScopedFont, kFontCount> fonts_{};
    std::array<win32::ScopedBitmap, kControlCount> pictures_{};
    std::array<uint32_t, kControlCount> foreColour_{};
    std::array<bool, kControlCount> underline_{};
    bool tmrLangEnabled_ = false;
    HWND tooltip_ = nullptr; // owned by the form's window, destroyed with it
    std::wstring tooltipText_;
    HWND focusBeforeDeactivation_ = nullptr;

    // Conversion state: all zero while the window is being built, so bEvents is false.
    short iChar = 0;
    short iKey = 0;
    short iShift = 0;
    bool bEvents = false;

    // Hover state
    short iHover = 0;
    POINT ptCursor{};
};

} // namespace zintar
