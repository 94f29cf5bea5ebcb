// Cost of one key press in the capture box, through the real form and its real handlers,
// against the bare cost of the writes to the fields that the press ends in.
//
// usage: zintar_bench_keypress [BATCHES [PRESSES-PER-BATCH]]
//
// One press is Shift+A as the system delivers it to the box: WM_KEYDOWN 'A' with Shift
// held, then WM_CHAR 'A'. The key-down refresh and the character refresh each rewrite the
// read-outs; the baseline sends those same texts to those same controls with
// SetWindowTextW (and the same caret move), and nothing else. The difference is what the
// handlers add: routing, the modifier mask, code conversions, name look-ups, re-reading a
// label, invalidations.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "app/message_loop.h"

namespace {

constexpr int kDefaultBatches = 15;
constexpr int kDefaultPressesPerBatch = 400;
constexpr int kWarmUpPresses = 200;

// The settings store answers "not there" to everything, so the form starts in its default
// language and the benchmark neither reads nor writes the user's settings.
long registryCalls = 0;

LSTATUS WINAPI NoOpenKey(HKEY, LPCSTR, DWORD, REGSAM, PHKEY) {
    ++registryCalls;
    return ERROR_FILE_NOT_FOUND;
}
LSTATUS WINAPI NoQueryValue(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) {
    ++registryCalls;
    return ERROR_FILE_NOT_FOUND;
}
LSTATUS WINAPI NoCreateKey(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY,
                           LPDWORD) {
    ++registryCalls;
    return ERROR_FILE_NOT_FOUND;
}
LSTATUS WINAPI NoSetValue(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) {
    ++registryCalls;
    return ERROR_FILE_NOT_FOUND;
}
LSTATUS WINAPI NoCloseKey(HKEY) {
    ++registryCalls;
    return ERROR_FILE_NOT_FOUND;
}

const zintar::RegistryApi kNoRegistry{&NoOpenKey, &NoQueryValue, &NoCreateKey, &NoSetValue,
                                      &NoCloseKey};

double NowMicroseconds() {
    static const double ticksPerUs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1e6;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerUs;
}

void SetShiftHeld(bool held) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = held ? 0x80 : 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
    keys[VK_MENU] = keys[VK_LMENU] = 0;
    SetKeyboardState(keys);
}

// One write to a control as a key press makes it: a text (WM_SETTEXT) or a caret move.
struct Write {
    HWND control;
    UINT message;
    std::wstring text;
    WPARAM wp;
    LPARAM lp;
};

// Catches every write that reaches the form's controls, to learn exactly which texts a
// press writes where; installed for one press only, before anything is timed.
class WriteRecorder {
  public:
    explicit WriteRecorder(const zintar::MainWindow& form) {
        for (int i = 0; i < zintar::kControlCount; ++i)
            if (HWND hwnd = form.control(static_cast<zintar::Control>(i))) {
                SetWindowSubclass(hwnd, &Hook, kTag, reinterpret_cast<DWORD_PTR>(this));
                hooked_.push_back(hwnd);
            }
    }
    ~WriteRecorder() {
        for (HWND hwnd : hooked_)
            RemoveWindowSubclass(hwnd, &Hook, kTag);
    }
    WriteRecorder(const WriteRecorder&) = delete;
    WriteRecorder& operator=(const WriteRecorder&) = delete;
    const std::vector<Write>& writes() const { return writes_; }

  private:
    static constexpr UINT_PTR kTag = 0x5A57;
    static LRESULT CALLBACK Hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR self) {
        auto* recorder = reinterpret_cast<WriteRecorder*>(self);
        if (msg == WM_SETTEXT)
            recorder->writes_.push_back({hwnd, msg, reinterpret_cast<const wchar_t*>(lp), 0, 0});
        else if (msg == EM_SETSEL)
            recorder->writes_.push_back({hwnd, msg, L"", wp, lp});
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    std::vector<HWND> hooked_;
    std::vector<Write> writes_;
};

// The baseline's writes to the code boxes raise their change notifications like any write;
// outside a refresh the form would take those as typed input and refresh everything. While
// the baseline runs, this keeps them from the form. It sits on the form for the key presses
// too, passing everything on, so that both sides pay for the same hook.
bool holdBackChanges = false;

LRESULT CALLBACK FormHook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (holdBackChanges && msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE)
        return 0;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// What the refresh writes for Shift+A, in its order. Key-down (no character): the shift
// mask, both key codes, the key name cleared, set to the mask's name and then extended by
// the key's name, and the three character fields cleared. The character: the same key
// fields again, the three character fields filled, and the caret put behind the character.
struct ExpectedWrite {
    zintar::Control control;
    UINT message;
};
constexpr ExpectedWrite kRefreshWrites[] = {
    {zintar::Control::ModifiersReadOut, WM_SETTEXT},  {zintar::Control::KeyCodeBox, WM_SETTEXT},
    {zintar::Control::KeyHexBox, WM_SETTEXT}, {zintar::Control::CombinationReadOut, WM_SETTEXT},
    {zintar::Control::CombinationReadOut, WM_SETTEXT},   {zintar::Control::CombinationReadOut, WM_SETTEXT},
    {zintar::Control::CharCodeBox, WM_SETTEXT},       {zintar::Control::CharHexBox, WM_SETTEXT},
    {zintar::Control::CaptureBox, WM_SETTEXT},

    {zintar::Control::ModifiersReadOut, WM_SETTEXT},  {zintar::Control::KeyCodeBox, WM_SETTEXT},
    {zintar::Control::KeyHexBox, WM_SETTEXT}, {zintar::Control::CombinationReadOut, WM_SETTEXT},
    {zintar::Control::CombinationReadOut, WM_SETTEXT},   {zintar::Control::CombinationReadOut, WM_SETTEXT},
    {zintar::Control::CharCodeBox, WM_SETTEXT},       {zintar::Control::CharHexBox, WM_SETTEXT},
    {zintar::Control::CaptureBox, WM_SETTEXT},     {zintar::Control::CaptureBox, EM_SETSEL},
};

const wchar_t* NameOf(const zintar::MainWindow& form, HWND hwnd) {
    for (int i = 0; i < zintar::kControlCount; ++i)
        if (form.control(static_cast<zintar::Control>(i)) == hwnd)
            return zintar::Design(static_cast<zintar::Control>(i)).name;
    return L"?";
}

bool MatchesRefresh(const zintar::MainWindow& form, const std::vector<Write>& writes) {
    if (writes.size() != std::size(kRefreshWrites))
        return false;
    for (size_t i = 0; i < writes.size(); ++i)
        if (writes[i].control != form.control(kRefreshWrites[i].control) ||
            writes[i].message != kRefreshWrites[i].message)
            return false;
    return true;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t buffer[256]{};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

void Pump(HWND form) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        zintar::ProcessMessage(form, msg);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char** argv) {
    const int batches = argc > 1 ? std::atoi(argv[1]) : kDefaultBatches;
    const int pressesPerBatch = argc > 2 ? std::atoi(argv[2]) : kDefaultPressesPerBatch;
    if (argc > 3 || batches < 1 || pressesPerBatch < 1) {
        std::fprintf(stderr, "usage: zintar_bench_keypress [BATCHES [PRESSES-PER-BATCH]]\n");
        return 2;
    }

    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    zintar::PlatformSeams platform;
    platform.registry = &kNoRegistry;
    zintar::MainWindow form(platform);
    if (!form.Create(GetModuleHandleW(nullptr), false)) {
        std::fprintf(stderr, "the form could not be created\n");
        return 1;
    }
    form.Show(SW_SHOW);
    Pump(form.hwnd());
    SetWindowSubclass(form.hwnd(), &FormHook, 1, 0);

    const HWND box = form.control(zintar::Control::CaptureBox);
    const LPARAM keyDownInfo =
        1 | (static_cast<LPARAM>(MapVirtualKeyW('A', MAPVK_VK_TO_VSC)) << 16);
    auto press = [&] {
        SendMessageW(box, WM_KEYDOWN, 'A', keyDownInfo);
        SendMessageW(box, WM_CHAR, L'A', 1);
    };
    SetShiftHeld(true);

    std::vector<Write> writes;
    {
        WriteRecorder recorder(form);
        press();
        writes = recorder.writes();
    }
    Pump(form.hwnd());
    const std::wstring shown = TextOf(form.control(zintar::Control::CombinationReadOut));
    if (shown != L"Shift + A" || TextOf(box) != L"A" ||
        TextOf(form.control(zintar::Control::CharCodeBox)) != L"65") {
        std::fprintf(stderr, "the key press did not reach the form's handlers (key name \"%ls\")\n",
                     shown.c_str());
        return 1;
    }
    const bool asWritten = MatchesRefresh(form, writes);

    auto writeFields = [&] {
        for (const Write& w : writes) {
            if (w.message == WM_SETTEXT)
                SetWindowTextW(w.control, w.text.c_str());
            else
                SendMessageW(w.control, w.message, w.wp, w.lp);
        }
    };

    auto timeBatch = [&](auto&& action, int count, bool baseline) {
        holdBackChanges = baseline;
        const double start = NowMicroseconds();
        for (int i = 0; i < count; ++i)
            action();
        const double perPress = (NowMicroseconds() - start) / count;
        holdBackChanges = false;
        // Deferred painting (WM_PAINT) is in neither side: the windows catch up between
        // batches. What a control paints inside the write itself counts on both sides.
        Pump(form.hwnd());
        return perPress;
    };

    timeBatch(press, kWarmUpPresses, false);
    timeBatch(writeFields, kWarmUpPresses, true);

    const long registryCallsBefore = registryCalls;
    std::vector<double> pressUs, writesUs;
    for (int b = 0; b < batches; ++b) {
        // The order flips every batch, so drift of the machine falls on both sides alike.
        if (b % 2 == 0) {
            pressUs.push_back(timeBatch(press, pressesPerBatch, false));
            writesUs.push_back(timeBatch(writeFields, pressesPerBatch, true));
        } else {
            writesUs.push_back(timeBatch(writeFields, pressesPerBatch, true));
            pressUs.push_back(timeBatch(press, pressesPerBatch, false));
        }
    }
    const long registryCallsTimed = registryCalls - registryCallsBefore;
    SetShiftHeld(false);

    int texts = 0, carets = 0;
    for (const Write& w : writes)
        (w.message == WM_SETTEXT ? texts : carets)++;

    std::printf("Key press: Shift+A in the capture box, %d batches of %d presses, alternating\n",
                batches, pressesPerBatch);
    std::printf("  field writes per press: %d texts and %d caret move(s), %s\n", texts, carets,
                asWritten ? "as the refresh is written" : "NOT as the refresh is written:");
    if (!asWritten)
        for (const Write& w : writes)
            std::printf("    %ls %s \"%ls\"\n", NameOf(form, w.control),
                        w.message == WM_SETTEXT ? "text" : "caret", w.text.c_str());
    std::printf("  registry calls during the timed presses: %ld\n\n", registryCallsTimed);

    const double pressMedian = Median(pressUs), bare = Median(writesUs);
    std::printf("  %-28s%14s%12s%12s\n", "us per press", "median", "min", "max");
    std::printf("  %-28s%14.2f%12.2f%12.2f\n", "Zintar key press", pressMedian,
                *std::min_element(pressUs.begin(), pressUs.end()),
                *std::max_element(pressUs.begin(), pressUs.end()));
    std::printf("  %-28s%14.2f%12.2f%12.2f\n", "bare field writes", bare,
                *std::min_element(writesUs.begin(), writesUs.end()),
                *std::max_element(writesUs.begin(), writesUs.end()));
    std::printf("  %-28s%+14.2f\n", "difference", pressMedian - bare);
    std::printf("  %-28s%14.2f\n", "ratio (medians)", pressMedian / bare);

    RemoveWindowSubclass(form.hwnd(), &FormHook, 1);
    return 0;
}
