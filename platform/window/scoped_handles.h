#pragma once
// Small owning wrappers, one per handle kind: not copyable, movable, released on every path.
#include <windows.h>

#include <utility>

#include "platform/settings/registry_api.h"

namespace zintar::win32 {

template <typename Handle, typename Traits> class ScopedHandle {
  public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle h) : h_(h) {}
    ~ScopedHandle() { reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : h_(std::exchange(other.h_, Handle{})) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.h_, Handle{}));
        return *this;
    }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    void reset(Handle h = Handle{}) {
        if (h_ != Handle{})
            Traits::Close(h_);
        h_ = h;
    }

  private:
    Handle h_{};
};

struct GdiObjectTraits {
    static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
    static void Close(HDC dc) { ::DeleteDC(dc); }
};

struct LibraryTraits {
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};
struct RegistryKeyTraits {
    static void Close(HKEY key) { ::RegCloseKey(key); }
};

using ScopedFont = ScopedHandle<HFONT, GdiObjectTraits>;
using ScopedBitmap = ScopedHandle<HBITMAP, GdiObjectTraits>;
using ScopedMemoryDc = ScopedHandle<HDC, MemoryDcTraits>;
using ScopedLibrary = ScopedHandle<HMODULE, LibraryTraits>; // a DLL loaded for a while
using ScopedRegistryKey = ScopedHandle<HKEY, RegistryKeyTraits>;

// Selects an object into a DC and puts the old one back, so the owner can delete its own.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~ScopedSelect() {
        if (old_ && old_ != HGDI_ERROR)
            ::SelectObject(dc_, old_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's client DC from GetDC, handed back with ReleaseDC.
class ScopedWindowDc {
  public:
    explicit ScopedWindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~ScopedWindowDc() {
        if (dc_)
            ::ReleaseDC(hwnd_, dc_);
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
  public:
    explicit ScopedPaint(HWND hwnd) : hwnd_(hwnd) { ::BeginPaint(hwnd, &ps_); }
    ~ScopedPaint() { ::EndPaint(hwnd_, &ps_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC dc() const { return ps_.hdc; }
    const RECT& area() const { return ps_.rcPaint; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
};

// A popup menu, destroyed with its items when the scope ends.
class ScopedMenu {
  public:
    ScopedMenu() : menu_(::CreatePopupMenu()) {}
    ~ScopedMenu() {
        if (menu_)
            ::DestroyMenu(menu_);
    }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU get() const { return menu_; }
    // Hands the menu to a parent menu, which destroys it with itself.
    HMENU release() {
        HMENU menu = menu_;
        menu_ = nullptr;
        return menu;
    }

  private:
    HMENU menu_;
};

// The clipboard, open for one window for the length of a scope.
class ScopedClipboard {
  public:
    explicit ScopedClipboard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ~ScopedClipboard() {
        if (open_)
            ::CloseClipboard();
    }
    ScopedClipboard(const ScopedClipboard&) = delete;
    ScopedClipboard& operator=(const ScopedClipboard&) = delete;
    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

// A key opened through the table. The normal path closes it itself, to read the close's
// result; on every other path (an early return, a failure inside the helper) this closes it.
class OpenedKey {
  public:
    explicit OpenedKey(const RegistryApi& api) : api_(api) {}
    ~OpenedKey() {
        if (!key_)
            return;
        try {
            api_.closeKey(std::exchange(key_, nullptr));
        } catch (...) {
        }
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    HKEY* put() { return &key_; }
    HKEY get() const { return key_; }
    void Forget() { key_ = nullptr; } // the open failed: there is nothing to close
    // The key is released only once the close has returned: a close that fails at run time
    // has not closed it, and the destructor then tries again.
    // The close's result counts only when the call before it succeeded; an earlier failure
    // is the one reported.
    LONG CloseAfter(LONG status) {
        const LONG closed = Close();
        return status == ERROR_SUCCESS ? closed : status;
    }
    LONG Close() {
        const LONG result = api_.closeKey(key_);
        key_ = nullptr;
        return result;
    }

  private:
    const RegistryApi& api_;
    HKEY key_ = nullptr;
};

// Sets a flag for the length of a scope and puts back what it was, on every way out.
class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag), old_(std::exchange(flag, true)) {}
    ~ScopedFlag() { flag_ = old_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
    bool old_;
};

} // namespace zintar::win32
