// Subclassing by window-procedure replacement: every message of the control reaches its
// owner with the control's tag, the control's own handling stays one call away, and the
// record of the control survives handlers that make and destroy other subclassed controls.
#include "platform/window/subclass.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::wstring TextOf(HWND hwnd) {
    wchar_t text[64]{};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

HWND MakeEdit() {
    return CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// A recording owner; what it does with a text write is up to the test.
struct Owner {
    std::vector<UINT_PTR> setTextTags;
    bool refuseTexts = false;
    bool throwOnText = false;
    // Made and destroyed while a text write is handled, to move the subclass table under it.
    int controlsToMakeOnText = 0;
    std::vector<HWND> made;

    LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag) {
        if (msg == WM_SETTEXT) {
            setTextTags.push_back(tag);
            if (throwOnText)
                throw std::runtime_error("handler failed");
            if (refuseTexts)
                return FALSE;
            for (int i = 0; i < controlsToMakeOnText; ++i) {
                HWND extra = MakeEdit();
                zintar::win32::Subclass(extra, this, 100 + i);
                made.push_back(extra);
            }
            for (HWND extra : made)
                DestroyWindow(extra);
            made.clear();
        }
        return zintar::win32::CallControlProc(hwnd, msg, wp, lp);
    }
};

class SubclassTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (HWND hwnd : windows_)
            DestroyWindow(hwnd);
    }
    HWND Edit() {
        windows_.push_back(MakeEdit());
        return windows_.back();
    }

  private:
    std::vector<HWND> windows_;
};

TEST_F(SubclassTest, MessagesReachTheOwnerWithTheControlsTagAndTheControlStillHandlesThem) {
    Owner owner;
    HWND first = Edit(), second = Edit();
    ASSERT_TRUE(zintar::win32::Subclass(first, &owner, 7));
    ASSERT_TRUE(zintar::win32::Subclass(second, &owner, 9));
    SetWindowTextW(second, L"two");
    SetWindowTextW(first, L"one");
    EXPECT_EQ(owner.setTextTags, (std::vector<UINT_PTR>{9, 7}));
    EXPECT_EQ(TextOf(first), L"one");
    EXPECT_EQ(TextOf(second), L"two");
}

TEST_F(SubclassTest, AMessageTheOwnerKeepsNeverReachesTheControl) {
    Owner owner;
    owner.refuseTexts = true;
    HWND edit = Edit();
    SetWindowTextW(edit, L"before");
    ASSERT_TRUE(zintar::win32::Subclass(edit, &owner, 1));
    EXPECT_FALSE(SetWindowTextW(edit, L"after"));
    EXPECT_EQ(TextOf(edit), L"before");
}

TEST_F(SubclassTest, ASecondSubclassOfTheSameControlOrOfNoControlIsRefused) {
    Owner first, second;
    HWND edit = Edit();
    ASSERT_TRUE(zintar::win32::Subclass(edit, &first, 1));
    EXPECT_FALSE(zintar::win32::Subclass(edit, &second, 2));
    EXPECT_FALSE(zintar::win32::Subclass<Owner>(nullptr, &first, 3));
    SetWindowTextW(edit, L"x");
    EXPECT_EQ(first.setTextTags.size(), 1u);
    EXPECT_TRUE(second.setTextTags.empty());
}

// The handler makes enough subclassed controls to move the table, and destroys them again,
// before it passes the write on: the write must still reach the right control.
TEST_F(SubclassTest, HandlersThatMakeAndDestroySubclassedControlsLeaveTheRecordsIntact) {
    Owner owner;
    owner.controlsToMakeOnText = 40;
    HWND edit = Edit();
    ASSERT_TRUE(zintar::win32::Subclass(edit, &owner, 5));
    EXPECT_TRUE(SetWindowTextW(edit, L"kept"));
    EXPECT_EQ(TextOf(edit), L"kept");
    owner.controlsToMakeOnText = 0;
    SetWindowTextW(edit, L"again");
    EXPECT_EQ(TextOf(edit), L"again");
    EXPECT_EQ(owner.setTextTags.front(), 5u);
    EXPECT_EQ(owner.setTextTags.back(), 5u);
}

TEST_F(SubclassTest, AHandlerThatThrowsFallsBackToTheControlsOwnHandling) {
    Owner owner;
    owner.throwOnText = true;
    HWND edit = Edit();
    ASSERT_TRUE(zintar::win32::Subclass(edit, &owner, 1));
    EXPECT_TRUE(SetWindowTextW(edit, L"plain"));
    EXPECT_EQ(TextOf(edit), L"plain");
}

// Another subclass on top (the tooltip's, through comctl32) and gone again: messages still
// come through this one, before and after.
LRESULT CALLBACK CountingLayer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                               DWORD_PTR count) {
    if (msg == WM_SETTEXT)
        ++*reinterpret_cast<int*>(count);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(SubclassTest, ACommonControlsSubclassOnTopChainsToThisOne) {
    Owner owner;
    int layerCount = 0;
    HWND edit = Edit();
    ASSERT_TRUE(zintar::win32::Subclass(edit, &owner, 3));
    ASSERT_TRUE(
        SetWindowSubclass(edit, &CountingLayer, 1, reinterpret_cast<DWORD_PTR>(&layerCount)));
    SetWindowTextW(edit, L"both");
    ASSERT_TRUE(RemoveWindowSubclass(edit, &CountingLayer, 1));
    SetWindowTextW(edit, L"this one");
    EXPECT_EQ(layerCount, 1);
    EXPECT_EQ(owner.setTextTags.size(), 2u);
    EXPECT_EQ(TextOf(edit), L"this one");
}

} // namespace
