#include "platform/window/subclass.h"

#include <algorithm>
#include <vector>

namespace zintar::win32 {

namespace {

struct SubclassRecord {
    HWND control;
    WNDPROC original;
    SubclassHandler handler;
    void* owner;
    UINT_PTR tag;
};

// Never destroyed: a control destroyed late in the program's exit still finds the table.
std::vector<SubclassRecord>& Records() {
    static auto* records = new std::vector<SubclassRecord>;
    return *records;
}

std::vector<SubclassRecord>::iterator Find(HWND control) {
    auto& records = Records();
    return std::find_if(records.begin(), records.end(),
                        [control](const SubclassRecord& r) { return r.control == control; });
}

// A handler may make or destroy subclassed controls while it runs, which moves the table:
// each step works on a copy of the record, never on a reference into the table.
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    const auto found = Find(hwnd);
    if (found == Records().end())
        return DefWindowProcW(hwnd, msg, wp, lp); // not ours: cannot happen
    const SubclassRecord record = *found;
    if (msg == WM_NCDESTROY) {
        // The last message: the record goes, the control ends as it would have. Its
        // procedure is not put back: another subclass may sit on top of this one.
        Records().erase(found);
        return CallWindowProcW(record.original, hwnd, msg, wp, lp);
    }
    try {
        return record.handler(record.owner, hwnd, msg, wp, lp, record.tag);
    } catch (...) {
        return CallWindowProcW(record.original, hwnd, msg, wp, lp);
    }
}

} // namespace

bool InstallSubclass(HWND control, SubclassHandler handler, void* owner, UINT_PTR tag) noexcept {
    if (!control || !handler || Find(control) != Records().end())
        return false;
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    if (!original)
        return false; // another process's window, or none
    try {
        Records().push_back({control, original, handler, owner, tag});
    } catch (...) {
        return false;
    }
    if (!SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc))) {
        Records().pop_back();
        return false;
    }
    return true;
}

LRESULT CallControlProc(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
    const auto found = Find(control);
    if (found == Records().end())
        return DefWindowProcW(control, msg, wp, lp);
    return CallWindowProcW(found->original, control, msg, wp, lp);
}

} // namespace zintar::win32
