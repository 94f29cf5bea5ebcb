// Control writes per key, and the cost of a key press against the bare cost of the writes
// it needs, through the real window and its real handlers in this process.
//
// usage: zintar_bench_keypress [BATCHES [CYCLES-PER-BATCH]]
//
// Keys are sent as the system delivers them to a box: WM_KEYDOWN, WM_CHAR for a key that
// types, WM_KEYUP, with the keyboard state set so that GetKeyState sees the modifiers.
//
// Writes: fixed sequences on fresh windows. Each WM_SETTEXT that reaches a control counts as
// a write; a read-out changes when its text after the key message differs from its text
// before it (for a character typed into a code box, from what the keystroke alone made of
// the box). Writes that left a text as it was are counted too.
//
// Time: one cycle is Shift+A then Shift+F5 with Shift held throughout, so every key changes
// read-outs and no keyboard state is set inside the timed loop. The baseline makes only the
// writes the cycle needs (one text per read-out that changes, and the caret moves the
// program makes) with the same texts into the same controls, each control's window
// procedure set to its class's own for the baseline, so that nothing of the window's runs.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/form_bench.h"
#include "platform/input/keyboard.h"

namespace {

using zintar::Control;
using zintar::kControlCount;
using zintar::MainWindow;
using namespace zintar::bench;

constexpr int kDefaultBatches = 15;
constexpr int kDefaultCyclesPerBatch = 200;
constexpr int kWarmUpCycles = 50;
constexpr LPARAM kPreviousDownBit = 1 << 30;
constexpr LPARAM kReleaseBit = static_cast<LPARAM>(1u << 31);

// A key message as the system delivers it to a box.
struct KeyEvent {
    const char* name;
    Control box;
    UINT message; // WM_KEYDOWN, WM_CHAR or WM_KEYUP
    WPARAM wp;    // virtual-key code or character
    bool shift;   // Shift held while it is handled
};

LPARAM KeyInfo(const KeyEvent& e) {
    const UINT vk = e.message == WM_CHAR ? LOBYTE(VkKeyScanW(static_cast<wchar_t>(e.wp)))
                                         : static_cast<UINT>(e.wp);
    LPARAM info = 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16);
    if (e.message == WM_KEYUP)
        info |= kPreviousDownBit | kReleaseBit;
    return info;
}

void Send(const MainWindow& form, const KeyEvent& e) {
    SendMessageW(form.control(e.box), e.message, e.wp, KeyInfo(e));
}

const KeyEvent kShiftA[] = {
    {"Shift down", Control::CaptureBox, WM_KEYDOWN, VK_SHIFT, true},
    {"A down", Control::CaptureBox, WM_KEYDOWN, 'A', true},
    {"character A", Control::CaptureBox, WM_CHAR, L'A', true},
    {"A up", Control::CaptureBox, WM_KEYUP, 'A', true},
    {"Shift up", Control::CaptureBox, WM_KEYUP, VK_SHIFT, false},
};
const KeyEvent kF5[] = {
    {"F5 down", Control::CaptureBox, WM_KEYDOWN, VK_F5, false},
    {"F5 up", Control::CaptureBox, WM_KEYUP, VK_F5, false},
};
const KeyEvent kType300[] = {
    {"3 down", Control::CharCodeBox, WM_KEYDOWN, '3', false},
    {"character 3", Control::CharCodeBox, WM_CHAR, L'3', false},
    {"3 up", Control::CharCodeBox, WM_KEYUP, '3', false},
    {"0 down", Control::CharCodeBox, WM_KEYDOWN, '0', false},
    {"character 0", Control::CharCodeBox, WM_CHAR, L'0', false},
    {"0 up", Control::CharCodeBox, WM_KEYUP, '0', false},
    {"0 down", Control::CharCodeBox, WM_KEYDOWN, '0', false},
    {"character 0", Control::CharCodeBox, WM_CHAR, L'0', false},
    {"0 up", Control::CharCodeBox, WM_KEYUP, '0', false},
};
// The timed cycle: Shift stays down, so the keyboard state is set once, outside the clock.
const KeyEvent kCycle[] = {
    {"A down", Control::CaptureBox, WM_KEYDOWN, 'A', true},
    {"character A", Control::CaptureBox, WM_CHAR, L'A', true},
    {"A up", Control::CaptureBox, WM_KEYUP, 'A', true},
    {"F5 down", Control::CaptureBox, WM_KEYDOWN, VK_F5, true},
    {"F5 up", Control::CaptureBox, WM_KEYUP, VK_F5, true},
};
constexpr int kPressesPerCycle = 2;

bool IsCodeBox(Control id) {
    return id == Control::CharCodeBox || id == Control::CharHexBox || id == Control::KeyCodeBox ||
           id == Control::KeyHexBox;
}

using Texts = std::array<std::wstring, kControlCount>;

Texts Snapshot(const MainWindow& form) {
    Texts texts;
    for (int i = 0; i < kControlCount; ++i)
        if (HWND hwnd = form.control(static_cast<Control>(i)))
            texts[i] = TextOf(hwnd);
    return texts;
}

// One write to a control: a text (WM_SETTEXT) or a caret move (EM_SETSEL).
struct Write {
    Control control;
    UINT message;
    std::wstring text;
    WPARAM wp;
    LPARAM lp;
    bool unchanged; // a text equal to the one the control held
};

// Every write that reaches the form's controls, in order: a subclass in front of each
// control's own handling. Installed only while writes are counted, never while timing.
class WriteCounter {
  public:
    explicit WriteCounter(const MainWindow& form) : form_(form) {
        for (int i = 0; i < kControlCount; ++i)
            if (HWND hwnd = form.control(static_cast<Control>(i)))
                SetWindowSubclass(hwnd, &Hook, static_cast<UINT_PTR>(i),
                                  reinterpret_cast<DWORD_PTR>(this));
    }
    ~WriteCounter() {
        for (int i = 0; i < kControlCount; ++i)
            if (HWND hwnd = form_.control(static_cast<Control>(i)))
                RemoveWindowSubclass(hwnd, &Hook, static_cast<UINT_PTR>(i));
    }
    WriteCounter(const WriteCounter&) = delete;
    WriteCounter& operator=(const WriteCounter&) = delete;

    std::vector<Write> Take() { return std::exchange(writes_, {}); }

  private:
    static LRESULT CALLBACK Hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag,
                                 DWORD_PTR self) {
        auto* counter = reinterpret_cast<WriteCounter*>(self);
        const auto id = static_cast<Control>(tag);
        if (msg == WM_SETTEXT) {
            const std::wstring text = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
            counter->writes_.push_back({id, msg, text, 0, 0, text == TextOf(hwnd)});
        } else if (msg == EM_SETSEL) {
            counter->writes_.push_back({id, msg, L"", wp, lp, false});
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    const MainWindow& form_;
    std::vector<Write> writes_;
};

// What one key message did: the writes it made, and the read-outs it changed.
struct EventResult {
    const char* name;
    std::vector<Write> writes;
    std::vector<Control> changed;
    Texts after;
};

EventResult Run(MainWindow& form, WriteCounter& counter, const KeyEvent& e) {
    SetShiftHeld(e.shift);
    Texts before = Snapshot(form);
    // A character typed into a code box changes the box by the keystroke itself; the
    // read-out counts as changed only if the box ends up other than that.
    if (e.message == WM_CHAR && IsCodeBox(e.box))
        before[static_cast<int>(e.box)] += static_cast<wchar_t>(e.wp);
    Send(form, e);
    EventResult result{e.name, counter.Take(), {}, Snapshot(form)};
    for (int i = 0; i < kControlCount; ++i)
        if (result.after[i] != before[i])
            result.changed.push_back(static_cast<Control>(i));
    return result;
}

template <size_t N>
std::vector<EventResult> RunAll(MainWindow& form, WriteCounter& counter,
                                const KeyEvent (&events)[N]) {
    std::vector<EventResult> results;
    for (const KeyEvent& e : events)
        results.push_back(Run(form, counter, e));
    return results;
}

struct Counts {
    int texts = 0, changed = 0, unchanged = 0, carets = 0;
};

Counts CountsOf(const EventResult& r) {
    Counts c;
    for (const Write& w : r.writes) {
        if (w.message == WM_SETTEXT) {
            ++c.texts;
            c.unchanged += w.unchanged ? 1 : 0;
        } else {
            ++c.carets;
        }
    }
    c.changed = static_cast<int>(r.changed.size());
    return c;
}

void PrintCounts(const char* title, const std::vector<EventResult>& results) {
    Counts total;
    for (const EventResult& r : results) {
        const Counts c = CountsOf(r);
        total.texts += c.texts;
        total.changed += c.changed;
        total.unchanged += c.unchanged;
        total.carets += c.carets;
    }
    std::printf("  %-34s%8d%10d%11d%8d   %s\n", title, total.texts, total.changed, total.unchanged,
                total.carets,
                total.texts <= total.changed ? "writes <= changes" : "MORE WRITES THAN CHANGES");
    for (const EventResult& r : results) {
        const Counts c = CountsOf(r);
        if (c.texts || c.changed || c.carets)
            std::printf("    %-32s%8d%10d%11d%8d\n", r.name, c.texts, c.changed, c.unchanged,
                        c.carets);
    }
}

// The writes a cycle needs: the final text of each read-out that changed, one write each, in
// the order the program first wrote it, and the program's caret moves.
std::vector<Write> NeededWrites(const std::vector<EventResult>& cycle) {
    std::vector<Write> needed;
    for (const EventResult& r : cycle) {
        std::vector<Control> done;
        auto changed = [&](Control id) {
            return std::find(r.changed.begin(), r.changed.end(), id) != r.changed.end();
        };
        for (const Write& w : r.writes) {
            if (w.message == EM_SETSEL) {
                needed.push_back(w);
            } else if (changed(w.control) &&
                       std::find(done.begin(), done.end(), w.control) == done.end()) {
                needed.push_back(
                    {w.control, WM_SETTEXT, r.after[static_cast<int>(w.control)], 0, 0, false});
                done.push_back(w.control);
            }
        }
        for (Control id : r.changed)
            if (std::find(done.begin(), done.end(), id) == done.end())
                needed.push_back({id, WM_SETTEXT, r.after[static_cast<int>(id)], 0, 0, false});
    }
    return needed;
}

// For the baseline, each control's window procedure is its class's own: a write then costs
// what the control itself does with it, and nothing of the window's handlers or of the
// subclassing. The window itself gets a procedure that drops the change notices of the edit
// boxes (outside a refresh the window would take the baseline's writes for typed input) and
// passes everything else on. Plain procedure replacement, so that the key presses carry no
// hook of the benchmark's at all. Everything is restored on leaving.
WNDPROC windowProcedure = nullptr;

LRESULT CALLBACK WithoutChangeNotices(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE)
        return 0;
    return CallWindowProcW(windowProcedure, hwnd, msg, wp, lp);
}

class BareControls {
  public:
    explicit BareControls(const MainWindow& form) : form_(form.hwnd()) {
        for (int i = 0; i < kControlCount; ++i)
            if (HWND hwnd = form.control(static_cast<Control>(i))) {
                const auto own = static_cast<LONG_PTR>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
                saved_.push_back({hwnd, SetWindowLongPtrW(hwnd, GWLP_WNDPROC, own)});
            }
        windowProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WithoutChangeNotices)));
    }
    ~BareControls() {
        SetWindowLongPtrW(form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProcedure));
        for (const auto& [hwnd, proc] : saved_)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, proc);
    }
    BareControls(const BareControls&) = delete;
    BareControls& operator=(const BareControls&) = delete;

  private:
    HWND form_;
    std::vector<std::pair<HWND, LONG_PTR>> saved_;
};

// Messages sent to the window and to its controls, counted by a call-window hook.
class MessageCounter {
  public:
    explicit MessageCounter(const MainWindow& form) : form_(form) {
        active_ = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
    }
    ~MessageCounter() {
        if (hook_)
            UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    MessageCounter(const MessageCounter&) = delete;
    MessageCounter& operator=(const MessageCounter&) = delete;
    int toControls = 0, toWindow = 0;

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        if (code == HC_ACTION && active_) {
            const HWND target = reinterpret_cast<const CWPSTRUCT*>(lp)->hwnd;
            if (target == active_->form_.hwnd())
                ++active_->toWindow;
            else if (GetParent(target) == active_->form_.hwnd())
                ++active_->toControls;
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline MessageCounter* active_ = nullptr;
    const MainWindow& form_;
    HHOOK hook_ = nullptr;
};

// Microseconds per call of an action, over many calls.
template <typename Action> double PerCall(Action&& action) {
    constexpr int kCalls = 500;
    const double begin = NowMicroseconds();
    for (int i = 0; i < kCalls; ++i)
        action();
    return (NowMicroseconds() - begin) / kCalls;
}

int CountTexts(const std::vector<Write>& writes) {
    return static_cast<int>(std::count_if(writes.begin(), writes.end(),
                                          [](const Write& w) { return w.message == WM_SETTEXT; }));
}

std::vector<Write> Flatten(const std::vector<EventResult>& results) {
    std::vector<Write> all;
    for (const EventResult& r : results)
        all.insert(all.end(), r.writes.begin(), r.writes.end());
    return all;
}

int Fail(const char* what) {
    std::fprintf(stderr, "key-press benchmark failed: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const int batches = argc > 1 ? std::atoi(argv[1]) : kDefaultBatches;
    const int cyclesPerBatch = argc > 2 ? std::atoi(argv[2]) : kDefaultCyclesPerBatch;
    if (argc > 3 || batches < 1 || cyclesPerBatch < 1) {
        std::fprintf(stderr, "usage: zintar_bench_keypress [BATCHES [CYCLES-PER-BATCH]]\n");
        return 2;
    }
    // --- Writes per key, on fresh windows ---
    std::vector<EventResult> shiftA, f5, type300;
    {
        auto form = ShownWindow();
        if (!form)
            return Fail("the window could not be created");
        WriteCounter counter(*form);
        shiftA = RunAll(*form, counter, kShiftA);
        f5 = RunAll(*form, counter, kF5);
        SetShiftHeld(false);
        if (TextOf(form->control(Control::CombinationReadOut)) != L"F5")
            return Fail("the keys did not reach the window's handlers");
    }
    {
        auto form = ShownWindow();
        if (!form)
            return Fail("the window could not be created");
        WriteCounter counter(*form);
        type300 = RunAll(*form, counter, kType300);
        if (TextOf(form->control(Control::CharCodeBox)).empty())
            return Fail("the typed code did not reach the box");
    }
    std::printf("Control writes per key (WM_SETTEXT reaching the controls) against the read-outs\n"
                "that change, on fresh windows\n");
    std::printf("  %-34s%8s%10s%11s%8s\n", "", "writes", "changes", "no change", "carets");
    PrintCounts("Shift+A from a fresh start", shiftA);
    PrintCounts("F5 after it", f5);
    PrintCounts("typing 300 into the char-code box", type300);
    std::printf("\n");

    // --- Time of a key press against the writes it needs ---
    auto form = ShownWindow();
    if (!form)
        return Fail("the window could not be created");
    SetShiftHeld(true);
    auto cycle = [&] {
        for (const KeyEvent& e : kCycle)
            Send(*form, e);
    };
    cycle(); // from the first state to the cycle's own
    Pump(form->hwnd());
    const Texts start = Snapshot(*form);
    std::vector<EventResult> recorded;
    {
        WriteCounter counter(*form);
        for (const KeyEvent& e : kCycle)
            recorded.push_back(Run(*form, counter, e));
    }
    Pump(form->hwnd());
    if (Snapshot(*form) != start)
        return Fail("the cycle does not end where it starts");
    const std::vector<Write> needed = NeededWrites(recorded);
    const std::vector<Write> made = Flatten(recorded);
    int messagesToControls = 0, messagesToWindow = 0;
    {
        MessageCounter messages(*form);
        cycle();
        messagesToControls = messages.toControls;
        messagesToWindow = messages.toWindow;
    }
    Pump(form->hwnd());

    auto bareWrites = [&] {
        for (const Write& w : needed) {
            HWND hwnd = form->control(w.control);
            if (w.message == WM_SETTEXT)
                SetWindowTextW(hwnd, w.text.c_str());
            else
                SendMessageW(hwnd, w.message, w.wp, w.lp);
        }
    };
    auto timeBatch = [&](int count, bool baseline) {
        double perCycle = 0;
        {
            std::unique_ptr<BareControls> bare;
            if (baseline)
                bare = std::make_unique<BareControls>(*form);
            const double begin = NowMicroseconds();
            for (int i = 0; i < count; ++i)
                baseline ? bareWrites() : cycle();
            perCycle = (NowMicroseconds() - begin) / count;
        }
        // Deferred painting (WM_PAINT) is in neither side: the windows catch up between
        // batches. What a control paints inside the write itself counts on both sides.
        Pump(form->hwnd());
        return perCycle;
    };
    timeBatch(kWarmUpCycles, false);
    timeBatch(kWarmUpCycles, true);
    std::vector<double> pressUs, writesUs;
    for (int b = 0; b < batches; ++b) {
        // The order flips every batch, so drift of the machine falls on both sides alike.
        if (b % 2 == 0) {
            pressUs.push_back(timeBatch(cyclesPerBatch, false));
            writesUs.push_back(timeBatch(cyclesPerBatch, true));
        } else {
            writesUs.push_back(timeBatch(cyclesPerBatch, true));
            pressUs.push_back(timeBatch(cyclesPerBatch, false));
        }
        if (Snapshot(*form) != start)
            return Fail("the window's read-outs drifted from the cycle's state while timing");
    }
    // What single platform calls cost here, to tell where the time of a press goes: a
    // message to a control through the window's subclassing and handlers, and the same
    // message to the bare control; reading a key's state; invalidating a label.
    const HWND box = form->control(Control::CaptureBox);
    const HWND label = form->control(Control::CombinationReadOut);
    auto askLength = [&] { SendMessageW(box, WM_GETTEXTLENGTH, 0, 0); };
    const double throughWindow = PerCall(askLength);
    double bareControl = 0;
    {
        BareControls bare(*form);
        bareControl = PerCall(askLength);
    }
    const double keyState = PerCall([] { zintar::win32::ModifiersOfKeyMessage(); });
    const double invalidate = PerCall([&] { InvalidateRect(label, nullptr, FALSE); });
    Pump(form->hwnd());
    SetShiftHeld(false);

    std::printf("Key press: Shift+A then Shift+F5 in the capture box (%d key presses), %d batches\n"
                "of %d cycles, alternating with the baseline\n",
                kPressesPerCycle, batches, cyclesPerBatch);
    std::printf("  the program writes per cycle: %d texts and %zu caret moves\n", CountTexts(made),
                made.size() - static_cast<size_t>(CountTexts(made)));
    std::printf("  the baseline writes per cycle: %d texts (one per read-out that changes) and "
                "%zu caret moves\n\n",
                CountTexts(needed), needed.size() - static_cast<size_t>(CountTexts(needed)));
    const double press = Median(pressUs) / kPressesPerCycle;
    const double bare = Median(writesUs) / kPressesPerCycle;
    auto minOf = [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end()) / kPressesPerCycle;
    };
    auto maxOf = [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end()) / kPressesPerCycle;
    };
    std::printf("  %-30s%12s%12s%12s\n", "us per key press", "median", "min", "max");
    std::printf("  %-30s%12.2f%12.2f%12.2f\n", "Zintar key press", press, minOf(pressUs),
                maxOf(pressUs));
    std::printf("  %-30s%12.2f%12.2f%12.2f\n", "the needed writes alone", bare, minOf(writesUs),
                maxOf(writesUs));
    std::printf("  %-30s%+12.2f\n", "difference", press - bare);
    std::printf("  %-30s%12.2f\n", "ratio (medians)", press / bare);

    std::printf("\nWhere a key press goes (per key press, this run)\n");
    std::printf("  messages sent: %.1f to the controls, %.1f to the window\n",
                static_cast<double>(messagesToControls) / kPressesPerCycle,
                static_cast<double>(messagesToWindow) / kPressesPerCycle);
    std::printf("  one message to a control: %.2f us through the window's subclassing and\n"
                "  handlers, %.2f us to the bare control\n",
                throughWindow, bareControl);
    std::printf("  reading the modifiers: %.2f us; InvalidateRect of a label: %.2f us\n", keyState,
                invalidate);
    return 0;
}
