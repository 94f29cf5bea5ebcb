#pragma once
// Registering a window class once per module: a second window of the same class (a test
// that builds the form again) finds it registered.
#include <windows.h>

namespace zintar::win32 {

// A class with the arrow cursor and no background brush (its windows paint themselves);
// the caller fills in icons if it has any.
inline WNDCLASSEXW PlainWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return wc;
}

// The same with the program's icon: the 32 x 32 image for the task switcher, the 16 x 16
// one for the title bar.
inline WNDCLASSEXW IconWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc,
                                   int iconId) {
    WNDCLASSEXW wc = PlainWindowClass(instance, name, proc);
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, 0, 0,
                                             LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return wc;
}

inline bool EnsureWindowClass(const WNDCLASSEXW& wc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing))
        return true;
    return RegisterClassExW(&wc) != 0;
}

} // namespace zintar::win32
