// The window plumbing under Wine's null driver: one window procedure for C++ objects, classes
// registered once, and the typed ListView that is the only place that speaks LVM_*.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/controls/common_controls.h"
#include "platform/controls/list_view.h"
#include "platform/window/window_class.h"
#include "platform/window/window_thunk.h"

namespace {

using namespace zintar::win32;

constexpr wchar_t kClass[] = L"Zintar.PlatformTest";

struct Recorder {
    std::vector<UINT> messages;
    bool throwOnPaint = false;
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        messages.push_back(msg);
        if (msg == WM_USER + 1 && throwOnPaint)
            throw std::runtime_error("handler failed");
        if (msg == WM_USER + 2)
            return 42;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
};

HWND MakeWindow(Recorder* owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!EnsureWindowClass(PlainWindowClass(instance, kClass, &WindowThunk<Recorder>)))
        return nullptr;
    return CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, instance,
                           owner);
}

TEST(WindowThunk, TheObjectGetsItsMessagesFromCreationToTheEnd) {
    Recorder owner;
    HWND hwnd = MakeWindow(&owner);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_FALSE(owner.messages.empty());
    EXPECT_EQ(owner.messages.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(SendMessageW(hwnd, WM_USER + 2, 0, 0), 42);
    DestroyWindow(hwnd);
    EXPECT_EQ(owner.messages.back(), static_cast<UINT>(WM_NCDESTROY));
}

// A second window of the class finds it registered; an exception stops in the thunk and the
// message gets its default answer, the window lives on.
TEST(WindowThunk, ASecondWindowAndAThrowingHandler) {
    Recorder first, second;
    HWND a = MakeWindow(&first);
    HWND b = MakeWindow(&second);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    second.throwOnPaint = true;
    EXPECT_EQ(SendMessageW(b, WM_USER + 1, 0, 0), 0);
    EXPECT_TRUE(IsWindow(b));
    EXPECT_EQ(SendMessageW(a, WM_USER + 2, 0, 0), 42);
    EXPECT_TRUE(first.messages.size() > 0 && second.messages.size() > 0);
    DestroyWindow(a);
    DestroyWindow(b);
}

class ListViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureCommonControls());
        parent_ = MakeWindow(&owner_);
        ASSERT_NE(parent_, nullptr);
        list_ = ListView(CreateWindowExW(0, ListView::kClass, L"", WS_CHILD | ListView::kStyle, 0,
                                         0, 300, 200, parent_, nullptr, GetModuleHandleW(nullptr),
                                         nullptr));
        ASSERT_TRUE(list_);
        list_.AddColumns(3);
        list_.SetRowCount(50, false);
    }
    void TearDown() override { DestroyWindow(parent_); }

    Recorder owner_;
    HWND parent_ = nullptr;
    ListView list_;
};

TEST_F(ListViewTest, ColumnsKeepTheirTitlesAndWidths) {
    list_.SetColumnTitle(1, L"Key code");
    list_.SetColumnWidth(1, 77);
    list_.SetColumnWidth(2, 0);
    EXPECT_EQ(list_.ColumnWidth(1), 77);
    EXPECT_EQ(list_.ColumnWidth(2), 0);
    wchar_t title[32]{};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 32;
    ASSERT_TRUE(SendMessageW(list_.hwnd(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, L"Key code");
    EXPECT_GT(list_.TextWidth(L"WWWW"), list_.TextWidth(L"i"));
}

TEST_F(ListViewTest, SelectionFocusAndMarkInRows) {
    EXPECT_EQ(list_.SelectedCount(), 0u);
    EXPECT_EQ(list_.FirstSelectedRow(), std::nullopt);
    list_.Select(3, true);
    list_.Select(7, true);
    list_.Select(49, true);
    EXPECT_EQ(list_.SelectedRows(50), (std::vector<size_t>{3, 7, 49}));
    // Rows beyond the count the caller knows are left out, not read past.
    EXPECT_EQ(list_.SelectedRows(8), (std::vector<size_t>{3, 7}));
    EXPECT_EQ(list_.FirstSelectedRow(), 3u);
    list_.Focus(7);
    EXPECT_EQ(list_.FocusedRow(), 7u);
    list_.SetSelectionMark(7);
    EXPECT_EQ(list_.SelectionMark(), 7u);
    list_.SetSelectionMark(std::nullopt);
    EXPECT_EQ(list_.SelectionMark(), std::nullopt);
    list_.ClearSelectionAndFocus();
    EXPECT_EQ(list_.SelectedCount(), 0u);
    EXPECT_EQ(list_.FocusedRow(), std::nullopt);
}

TEST_F(ListViewTest, EveryRowAtOnceAndAShrinkingList) {
    list_.Select(std::nullopt, true);
    EXPECT_EQ(list_.SelectedCount(), 50u);
    list_.SetRowCount(10, true);
    EXPECT_EQ(list_.SelectedRows(10).size(), 10u);
    list_.SetRowCount(0, false);
    EXPECT_EQ(list_.RowsInView(0), std::nullopt);
}

} // namespace
