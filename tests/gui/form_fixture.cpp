#include "tests/gui/form_fixture.h"

#include "tests/support/stored_registry.h"

namespace zintar::test {

std::vector<ShellCall> FormFixture::shellCalls_;
POINT FormFixture::cursor_{};
bool FormFixture::cursorFails_ = false;
const win32::InputMethod* FormFixture::inputMethod_ = nullptr;

namespace {

BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
    if (FormFixture::cursorFails_)
        return FALSE; // and leaves the point as it was, as the real call may
    *point = FormFixture::cursor_;
    return TRUE;
}

HINSTANCE WINAPI FakeShellExecuteA(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                   LPCSTR directory, INT show) {
    FormFixture::shellCalls_.push_back({window, operation == nullptr, file ? file : "",
                                        parameters == nullptr, directory ? directory : "", show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

} // namespace

void FormFixture::SetUp() {
    shellCalls_.clear();
    cursor_ = {};
    cursorFails_ = false;
    inputMethod_ = nullptr;
    SetModifiers(0);
    RegDeleteTreeA(HKEY_CURRENT_USER, stored_registry::kSettingsKey);
    Restart();
}

void FormFixture::Restart() {
    form_.reset();
    PlatformSeams platform;
    platform.registry = &registry_.api();
    platform.getCursorPos = &FakeGetCursorPos;
    platform.shellExecuteA = &FakeShellExecuteA;
    platform.inputMethod = inputMethod_;
    form_ = std::make_unique<MainWindow>(platform);
    ASSERT_TRUE(form_->Create(GetModuleHandleW(nullptr), false));
    form_->Show(SW_SHOW);
    Pump();
}

void FormFixture::TearDown() {
    form_.reset();
    SetModifiers(0);
    Pump();
}

std::wstring FormFixture::Text(Control id) {
    wchar_t buffer[512]{};
    GetWindowTextW(Window(id), buffer, 512);
    return buffer;
}

void FormFixture::ExpectScreenRect(HWND window, const RECT& expected) {
    RECT outer{};
    ASSERT_TRUE(GetWindowRect(window, &outer));
    EXPECT_EQ(outer.left, expected.left);
    EXPECT_EQ(outer.top, expected.top);
    EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
    EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
}

RECT FormFixture::RectOf(Control id) {
    RECT r{};
    GetWindowRect(Window(id), &r);
    MapWindowPoints(HWND_DESKTOP, form_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void FormFixture::SetModifiers(short mask) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    auto set = [&](int vk, bool down) { keys[vk] = down ? 0x80 : 0; };
    set(VK_SHIFT, mask & kShift);
    set(VK_LSHIFT, mask & kShift);
    set(VK_CONTROL, mask & kCtrl);
    set(VK_LCONTROL, mask & kCtrl);
    set(VK_MENU, mask & kAlt);
    set(VK_LMENU, mask & kAlt);
    SetKeyboardState(keys);
}

void FormFixture::KeyDown(Control box, BYTE vk, short mask) {
    SetModifiers(mask);
    const bool system = (mask & kAlt) || vk == VK_F10 || vk == VK_MENU;
    LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16);
    if (mask & kAlt)
        lp |= (1 << 29);
    SendMessageW(Window(box), system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lp);
}

LRESULT FormFixture::KeyPress(Control box, wchar_t ch) {
    return SendMessageW(Window(box), WM_CHAR, ch, 1);
}

void FormFixture::TypeKey(Control box, BYTE vk, wchar_t ch, short mask) {
    KeyDown(box, vk, mask);
    KeyPress(box, ch);
    SetModifiers(0);
}

void FormFixture::Type(Control box, std::wstring_view text) {
    for (wchar_t ch : text) {
        const SHORT scan = VkKeyScanW(ch);
        const BYTE vk = scan == -1 ? 0 : LOBYTE(scan);
        const short mask = scan == -1 ? 0 : ((HIBYTE(scan) & 1) ? kShift : 0);
        TypeKey(box, vk, ch, mask);
    }
}

void FormFixture::SetClipboardText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void FormFixture::Paste(Control box, const std::wstring& text) {
    SetClipboardText(text);
    SendMessageW(Window(box), EM_SETSEL, 0, -1);
    SendMessageW(Window(box), WM_PASTE, 0, 0); // what the context menu's Paste sends
}

void FormFixture::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ProcessMessage(form_ ? form_->hwnd() : nullptr, msg);
}

WriteLog::WriteLog(MainWindow& form) : form_(form) {
    for (int i = 0; i < kControlCount; ++i)
        if (HWND hwnd = form_.control(static_cast<Control>(i)))
            SetWindowSubclass(hwnd, &Hook, static_cast<UINT_PTR>(i),
                              reinterpret_cast<DWORD_PTR>(this));
}

WriteLog::~WriteLog() {
    for (int i = 0; i < kControlCount; ++i)
        if (HWND hwnd = form_.control(static_cast<Control>(i)))
            RemoveWindowSubclass(hwnd, &Hook, static_cast<UINT_PTR>(i));
}

LRESULT CALLBACK WriteLog::Hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                DWORD_PTR self) {
    auto* log = reinterpret_cast<WriteLog*>(self);
    if (msg == WM_SETTEXT)
        log->entries_.push_back(
            {static_cast<Control>(id), msg, reinterpret_cast<const wchar_t*>(lp)});
    else if (msg == EM_SETSEL)
        log->entries_.push_back(
            {static_cast<Control>(id), msg,
             std::to_wstring(static_cast<int>(wp)) + L"," + std::to_wstring(static_cast<int>(lp))});
    return DefSubclassProc(hwnd, msg, wp, lp);
}

std::vector<Control> WriteLog::TextWrites() const {
    std::vector<Control> writes;
    for (const Entry& e : entries_)
        if (e.message == WM_SETTEXT)
            writes.push_back(e.control);
    return writes;
}

} // namespace zintar::test
