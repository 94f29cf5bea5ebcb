// Cost of one key press in the capture box with the key history window open, against the
// same press with it closed, through the real form and its real handlers.
//
// usage: zintar_bench_history_keypress [BATCHES [PRESSES-PER-BATCH]]
//
// One press is Shift+A as the system delivers it to the box: WM_KEYDOWN 'A' with Shift held,
// WM_CHAR 'A' and WM_KEYUP 'A', three records of the history. Each press is followed by what
// it causes (the message queue is emptied: painting, and the list's updates whose moment has
// come), and each batch ends with the list brought up to date and drawn, so that every row of
// the batch is paid for inside the time. The window is opened with the form's window menu
// command, as a user would (WM_SYSCOMMAND, MainWindow::kKeyHistoryCommand).
//
// The open window's key details pane shows the newest key at each update, and reads its
// layout and probes its shortcut for each new key, as with a user's typing.
//
// Two states of the list are measured: filling (fewer rows than the history keeps, each press
// adds rows at the bottom) and full (each press drops the oldest rows, and every row shown
// moves up by three).
//
// Then, the list full and every view gathering, the keys' time and state on against off: on,
// each key message's times are kept and the three time columns shown, and the views of the
// keys are read on their timer, which runs throughout since Shift is held (the key state
// section shows it stuck, with a time that counts up); off, the tracker takes nothing and the
// time columns are hidden, as the key history was without them.
//
// Built like the key-press benchmark: the program's libraries (zintar_app_loop, zintar_ui)
// and its resources.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/form_bench.h"
#include "core/key_history/history_columns.h"
#include "core/key_history/key_route.h"
#include "ui/key_history/key_recorder.h"

namespace {

using namespace zintar::bench;

constexpr int kDefaultBatches = 11;
constexpr int kDefaultPressesPerBatch = 100;
constexpr int kWarmUpPresses = 50;
constexpr size_t kRecordsPerPress = 3;

struct Figures {
    std::vector<double> closedUs, openUs;
};

void PrintRow(const char* what, const std::vector<double>& us) {
    std::printf("  %-34s%12.1f%12.1f%12.1f\n", what, Median(us),
                *std::min_element(us.begin(), us.end()), *std::max_element(us.begin(), us.end()));
}

void Print(const char* state, const Figures& f,
           const char* closed = "history window closed (us/press)",
           const char* open = "history window open (us/press)",
           const char* ratio = "ratio open / closed (medians)") {
    std::printf("\n  %-34s%12s%12s%12s\n", state, "median", "min", "max");
    PrintRow(closed, f.closedUs);
    PrintRow(open, f.openUs);
    std::printf("  %-34s%12.2f\n", ratio, Median(f.openUs) / Median(f.closedUs));
}

} // namespace

int main(int argc, char** argv) {
    const int batches = argc > 1 ? std::atoi(argv[1]) : kDefaultBatches;
    const int pressesPerBatch = argc > 2 ? std::atoi(argv[2]) : kDefaultPressesPerBatch;
    if (argc > 3 || batches < 1 || pressesPerBatch < 1 ||
        static_cast<size_t>(pressesPerBatch) * kRecordsPerPress * 2 >
            zintar::KeyHistory::kCapacity) {
        std::fprintf(stderr,
                     "usage: zintar_bench_history_keypress [BATCHES [PRESSES-PER-BATCH]]"
                     " (at most %zu presses per batch)\n",
                     zintar::KeyHistory::kCapacity / kRecordsPerPress / 2);
        return 2;
    }
    const std::unique_ptr<zintar::MainWindow> shown = ShownWindow();
    if (!shown) {
        std::fprintf(stderr, "the form could not be created\n");
        return 1;
    }
    zintar::MainWindow& form = *shown;

    const HWND box = form.control(zintar::Control::CaptureBox);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW('A', MAPVK_VK_TO_VSC)) << 16;
    auto press = [&] {
        SendMessageW(box, WM_KEYDOWN, 'A', 1 | scan);
        SendMessageW(box, WM_CHAR, L'A', 1 | scan);
        SendMessageW(box, WM_KEYUP, 'A', 1 | scan | (1u << 30) | (1u << 31));
        Pump(form.hwnd());
    };
    zintar::HistoryWindow& history = form.keyRecorder().window();
    // The rows that wait for the list's next update are shown, and painted, before the clock
    // stops: every record of the batch costs what it costs.
    auto timeBatch = [&](int count) {
        const double start = NowMicroseconds();
        for (int i = 0; i < count; ++i)
            press();
        history.BringUpToDate();
        Pump(form.hwnd());
        return (NowMicroseconds() - start) / count;
    };
    auto setOpen = [&](bool open) {
        if (open)
            SendMessageW(form.hwnd(), WM_SYSCOMMAND, zintar::MainWindow::kKeyHistoryCommand, 0);
        else
            SendMessageW(history.hwnd(), WM_CLOSE, 0, 0);
        Pump(form.hwnd());
        return history.IsOpen() == open;
    };
    // Empties the history through the window's own Clear command.
    auto clearHistory = [&] {
        SendMessageW(history.hwnd(), WM_COMMAND, zintar::CommandId(zintar::HistoryCommand::Clear),
                     0);
        Pump(form.hwnd());
    };

    SetShiftHeld(true);
    if (!setOpen(true) || !setOpen(false)) {
        std::fprintf(stderr, "the key history window did not open and close\n");
        return 1;
    }
    timeBatch(kWarmUpPresses);
    if (form.keyRecorder().history().size() != kWarmUpPresses * kRecordsPerPress) {
        std::fprintf(stderr, "the presses did not reach the history\n");
        return 1;
    }

    // Filling: each batch starts from an empty history, the open side's list with it, and
    // stays below the history's capacity.
    Figures filling, full;
    for (int b = 0; b < batches; ++b) {
        for (bool open : {b % 2 == 0, b % 2 != 0}) {
            setOpen(true);
            clearHistory();
            setOpen(open);
            (open ? filling.openUs : filling.closedUs).push_back(timeBatch(pressesPerBatch));
        }
    }
    // Full: the history holds its thousand records before each batch.
    for (int b = 0; b < batches; ++b) {
        for (bool open : {b % 2 == 0, b % 2 != 0}) {
            setOpen(open);
            while (form.keyRecorder().history().addedCount() <= zintar::KeyHistory::kCapacity)
                press();
            (open ? full.openUs : full.closedUs).push_back(timeBatch(pressesPerBatch));
        }
    }
    // Where the keys go: the hook, Raw Input and the router on against off, the window open
    // and its list full. Zintar gathers only while it is in front; the system's notice that
    // it came to the front or left it switches the views on and off as it does for a user.
    auto setViews = [&](bool on) {
        SetFocus(box);
        SendMessageW(form.hwnd(), WM_ACTIVATEAPP, on ? TRUE : FALSE, 0);
        Pump(form.hwnd());
    };
    auto lastCell = [&](zintar::HistoryColumn column) {
        wchar_t text[64]{};
        LVITEMW item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = text;
        item.cchTextMax = 64;
        const auto rows = SendMessageW(history.list(), LVM_GETITEMCOUNT, 0, 0);
        SendMessageW(history.list(), LVM_GETITEMTEXTW, static_cast<WPARAM>(rows - 1),
                     reinterpret_cast<LPARAM>(&item));
        return std::wstring(text);
    };
    setOpen(true);
    setViews(true);
    press();
    Sleep(zintar::KeyRouter::kDeliveryWaitMs + 100); // the route settles by the timer
    Pump(form.hwnd());
    history.BringUpToDate();
    const bool viewsWork = lastCell(zintar::HistoryColumn::Delivered) == L"yes";
    Figures views; // closedUs: views off, openUs: views on
    for (int b = 0; b < batches; ++b) {
        for (bool on : {b % 2 == 0, b % 2 != 0}) {
            setViews(on);
            (on ? views.openUs : views.closedUs).push_back(timeBatch(pressesPerBatch));
        }
    }
    // Time and state, the views on: the time columns hidden or shown with the tracker.
    constexpr zintar::HistoryColumn kTimeColumns[] = {zintar::HistoryColumn::Held,
                                                      zintar::HistoryColumn::SinceRelease,
                                                      zintar::HistoryColumn::Chatter};
    bool timeAndStateOn = true;
    auto setTimeAndState = [&](bool on) {
        form.keyRecorder().tracker().SetTracking(on);
        if (on != timeAndStateOn)
            for (const zintar::HistoryColumn column : kTimeColumns)
                SendMessageW(history.hwnd(), WM_COMMAND, zintar::CommandId(column), 0);
        timeAndStateOn = on;
        Pump(form.hwnd());
    };
    setViews(true);
    Figures timeAndState; // closedUs: off, openUs: on
    for (int b = 0; b < batches; ++b) {
        for (bool on : {b % 2 == 0, b % 2 != 0}) {
            setTimeAndState(on);
            (on ? timeAndState.openUs : timeAndState.closedUs)
                .push_back(timeBatch(pressesPerBatch));
        }
    }
    setTimeAndState(true);
    press();
    history.BringUpToDate();
    const std::wstring held = lastCell(zintar::HistoryColumn::Held);
    const bool stateRead =
        form.keyRecorder().tracker().timerRunning() && history.keyState().rowCount() > 0;
    setViews(false);
    SetShiftHeld(false);
    // Every update of the open window also showed the newest key in the details pane, read
    // its layout and probed its shortcut: that is inside the open figures.
    wchar_t paneKey[64]{};
    setOpen(true);
    GetWindowTextW(history.pane().valueControl(zintar::DetailRow::VirtualKey), paneKey, 64);
    if (paneKey[0] == L'\0') {
        std::fprintf(stderr, "the key details pane showed no key\n");
        return 1;
    }

    std::printf("Key press with the key history: Shift+A (key-down, character, key-up) and its\n"
                "painting, %d batches of %d presses, open and closed alternating\n",
                batches, pressesPerBatch);
    Print("list filling", filling);
    Print("list full (oldest rows drop)", full);
    std::printf("\nThe same press, the window open, where keys go off and on (the hook, Raw\n"
                "Input and the router gathering%s)\n",
                viewsWork ? "" : "; NOT CONFIRMED: no route reached the list");
    Print("list full", views, "views off (us/press)", "views on (us/press)",
          "ratio on / off (medians)");
    std::printf(
        "\nThe same press, the window open and the views on, time and state off and on (the\n"
        "key times and their columns, the views read on their timer%s%s)\n",
        held.empty() ? "; NOT CONFIRMED: no held time reached the list" : "",
        stateRead ? "" : "; NOT CONFIRMED: the views were not read on their timer");
    Print("list full", timeAndState, "time and state off (us/press)",
          "time and state on (us/press)", "ratio on / off (medians)");
    std::printf("\n  key details pane showing the newest key: %ls\n", paneKey);
    return 0;
}
