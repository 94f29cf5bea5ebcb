// A control's accessible facts as a screen reader gets them through MSAA: set facts replace
// the standard proxy's answers, unset ones stay the proxy's, a reader that keeps the object
// sees later changes, and oleacc is loaded only by the first question.
#include "platform/controls/accessible.h"
#include "platform/window/subclass.h"

#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// An EDIT whose owner passes its WM_GETOBJECT to its facts, as the window's controls do.
struct NamedEdit {
    zintar::win32::AccessibleControl accessible;
    HWND hwnd = CreateWindowExW(0, L"EDIT", L"41", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    NamedEdit() { zintar::win32::Subclass(hwnd, this, 0); }
    ~NamedEdit() { DestroyWindow(hwnd); }

    LRESULT SubclassMessage(HWND control, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR) {
        if (msg == WM_GETOBJECT)
            if (auto answer = accessible.AnswerGetObject(control, wp, lp))
                return *answer;
        return zintar::win32::CallControlProc(control, msg, wp, lp);
    }
};

// What a reader gets, asked through oleacc as a reader asks.
struct Reading {
    HRESULT found = E_FAIL;
    std::wstring name, value;
    long role = -1;
};

IAccessible* ObjectOf(HWND hwnd) {
    const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    const auto fromWindow = reinterpret_cast<decltype(&AccessibleObjectFromWindow)>(
        reinterpret_cast<void*>(GetProcAddress(oleacc, "AccessibleObjectFromWindow")));
    void* object = nullptr;
    if (!fromWindow || FAILED(fromWindow(hwnd, OBJID_CLIENT, kIidAccessible, &object)))
        return nullptr;
    return static_cast<IAccessible*>(object);
}

Reading Read(IAccessible* object) {
    Reading r;
    if (!object)
        return r;
    r.found = S_OK;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK && text)
        r.name = text;
    SysFreeString(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK && text)
        r.value = text;
    SysFreeString(text);
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        r.role = role.lVal;
    return r;
}

TEST(Accessible, SetFactsReplaceTheProxysAndUnsetOnesStayItsOwn) {
    NamedEdit edit;
    ASSERT_TRUE(edit.hwnd);
    ASSERT_EQ(GetModuleHandleW(L"oleacc.dll"), nullptr) << "loaded before any question";
    ASSERT_TRUE(edit.accessible.SetName(L"character code, hex"));

    IAccessible* object = ObjectOf(edit.hwnd);
    ASSERT_NE(object, nullptr);
    Reading first = Read(object);
    EXPECT_EQ(first.name, L"character code, hex");
    EXPECT_EQ(first.role, 42) << "the edit proxy's own role";
    EXPECT_EQ(first.value, L"41") << "the edit proxy's own value: the text";

    // The same object, kept by the reader, answers with the facts as they are now.
    edit.accessible.SetRole(zintar::win32::AccessibleRole::PushButton);
    ASSERT_TRUE(edit.accessible.SetValue(L"Ctrl+A"));
    ASSERT_TRUE(edit.accessible.SetName(L"hexa"));
    Reading later = Read(object);
    EXPECT_EQ(later.name, L"hexa");
    EXPECT_EQ(later.role, 0x2B);
    EXPECT_EQ(later.value, L"Ctrl+A");
    object->Release();
}

TEST(Accessible, OnlyTheClientObjectIsAnswered) {
    NamedEdit edit;
    edit.accessible.SetName(L"x");
    EXPECT_FALSE(edit.accessible.AnswerGetObject(edit.hwnd, 0, static_cast<LONG>(OBJID_WINDOW)));
    EXPECT_FALSE(edit.accessible.AnswerGetObject(edit.hwnd, 0, static_cast<LONG>(OBJID_CARET)));
}

HWND g_changed = nullptr;
void CALLBACK OnValueChange(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                            DWORD) {
    if (event == EVENT_OBJECT_VALUECHANGE && object == OBJID_CLIENT && child == CHILDID_SELF)
        g_changed = hwnd;
}

TEST(Accessible, ValueChangeReachesAReadersHook) {
    NamedEdit edit;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE,
                                               nullptr, OnValueChange, 0, 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hook);
    g_changed = nullptr;
    zintar::win32::RaiseValueChanged(edit.hwnd);
    MSG msg;
    for (int i = 0; i < 50 && g_changed != edit.hwnd; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(10);
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(g_changed, edit.hwnd);
}

} // namespace
