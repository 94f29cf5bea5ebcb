#pragma once
// The real MainWindow with real controls, in this process. Keys are sent as the messages the
// system would send, with the keyboard state set first so GetKeyState answers as it would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/main_window/main_window.h"
#include "app/message_loop.h"
#include "tests/support/registry_seam.h"

namespace zintar::test {

constexpr short kShift = 1, kCtrl = 2, kAlt = 4;

// Shell calls seen by the form: one record per call, the arguments as given.
struct ShellCall {
    HWND window;
    bool nullOperation;
    std::string file;
    bool nullParameters;
    std::string directory;
    int show;
};

class FormFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Re-creates the form, e.g. after the stored language changed.
    void Restart();

    MainWindow& form() { return *form_; }
    HWND Window(Control id) { return form_->control(id); }
    std::wstring Text(Control id);
    // A control's rectangle in the window's client coordinates.
    RECT RectOf(Control id);
    // A window's rectangle on the screen is exactly `expected`.
    static void ExpectScreenRect(HWND window, const RECT& expected);
    MainWindow::State State() const { return form_->state(); }

    // A key going down in a box, with the given modifiers held (1 Shift, 2 Ctrl, 4 Alt).
    // Alt and F10 arrive as WM_SYSKEYDOWN, like the real thing.
    void KeyDown(Control box, BYTE vk, short mask = 0);
    // The character that key produces, as WM_CHAR; returns what the box did with it (0 when
    // the handler cancelled it).
    LRESULT KeyPress(Control box, wchar_t ch);
    // Key-down and key-press together, as one typed key.
    void TypeKey(Control box, BYTE vk, wchar_t ch, short mask = 0);
    // Typing digits or letters into a code box, one key at a time.
    void Type(Control box, std::wstring_view text);
    // Text that reaches a box without a key-press: the context menu's Paste over the whole
    // contents.
    void Paste(Control box, const std::wstring& text);
    void SetClipboardText(const std::wstring& text);
    void Pump();

    static void SetModifiers(short mask);

    // The real registry of the test prefix; each test starts with no stored language.
    RegistrySeam registry_;

  public:
    // What the form's platform seams see: set the pointer, read the shell calls.
    static std::vector<ShellCall> shellCalls_;
    static POINT cursor_;
    static bool cursorFails_; // GetCursorPos answers FALSE
    // The input method the capture box reads; null for the system's. Set before Restart.
    static const win32::InputMethod* inputMethod_;

  private:
    std::unique_ptr<MainWindow> form_;
};

// Records, in order, every text write (WM_SETTEXT) and caret move (EM_SETSEL) that reaches
// the controls, to check what a refresh writes and in which order.
class WriteLog {
  public:
    explicit WriteLog(MainWindow& form);
    ~WriteLog();
    WriteLog(const WriteLog&) = delete;
    WriteLog& operator=(const WriteLog&) = delete;

    struct Entry {
        Control control;
        UINT message;
        std::wstring text;
    };
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<Control> TextWrites() const; // the controls written, in order, repeats included
    void Clear() { entries_.clear(); }

  private:
    static LRESULT CALLBACK Hook(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    MainWindow& form_;
    std::vector<Entry> entries_;
};

} // namespace zintar::test
