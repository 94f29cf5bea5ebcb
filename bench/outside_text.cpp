// Cost of text that reaches a code box from outside, through the real form and its real
// handlers: a text set by another program (WM_SETTEXT, as UI Automation and macro tools set
// it) and a paste (the clipboard, then Ctrl+A and WM_PASTE), for texts of one character to
// a megabyte. The baseline is the same message to a plain EDIT control with a short text:
// what any ordinary write or paste costs on this machine.
//
// usage: zintar_bench_outside_text [SAMPLES]
//
// Each sample alternates between a text that the box holds as 255 and one it holds as 0,
// so every handling really rewrites the box and the read-outs that follow it. Two more
// columns explain the figures: the message alone (the same text sent to a window that only
// takes it, or for a paste only reads the clipboard), which is what carrying a long text
// costs before any handler runs; and a plain EDIT given the same text (a few samples, up to
// 100 KB), which is what the box's rules spare it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/form_bench.h"

namespace {

using namespace zintar::bench;

constexpr int kDefaultSamples = 101;
constexpr int kWarmUpSamples = 10;
constexpr int kPlainLongSamples = 3; // the plain EDIT with a long text is slow
// A plain EDIT lays a megabyte out for minutes (the freeze that the box's rules prevent):
// beyond this size it is not timed.
constexpr size_t kPlainLongLargest = 100 << 10;
constexpr double kTargetMs = 5.0;
constexpr size_t kSizes[] = {1, 1 << 10, 100 << 10, 1 << 20};
constexpr int kPlainEditId = 1; // outside the form's control numbering
constexpr wchar_t kSinkClass[] = L"ZintarBenchSink";

double NowMs() {
    return NowMicroseconds() / 1e3;
}

struct Figures {
    double median = 0, min = 0, max = 0;
};
Figures Summarise(std::vector<double> values) {
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return {median, values.front(), values.back()};
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!data)
        return false;
    if (void* p = GlobalLock(data)) {
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(p));
        GlobalUnlock(data);
    }
    if (!OpenClipboard(owner)) {
        GlobalFree(data);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    if (!put)
        GlobalFree(data);
    CloseClipboard();
    return put;
}

// The two texts of a size: one the box holds as 255, one it holds as 0 ("9" and "0" for a
// single character, which stay as typed).
struct TextPair {
    std::wstring high, low;
};
TextPair TextsOf(size_t size) {
    return {std::wstring(size, L'9'), std::wstring(size, L'0')};
}

// A window that takes a text and does nothing with it, and for a paste reads the clipboard
// text as the code boxes do: the cost of the message itself.
LRESULT CALLBACK SinkProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETTEXT:
        return TRUE;
    case WM_PASTE:
        if (OpenClipboard(hwnd)) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                    volatile wchar_t first = text[0];
                    (void)first;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
        }
        return 0;
    case EM_SETSEL:
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class Bench {
  public:
    Bench(zintar::MainWindow& form, HWND plain) : form_(form), plain_(plain) {}

    // One handling of a text set from outside, alternating the pair.
    double SetFromOutside(HWND target, const TextPair& texts, int sample) {
        const std::wstring& text = sample % 2 ? texts.low : texts.high;
        const double start = NowMs();
        SendMessageW(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        const double elapsed = NowMs() - start;
        Pump(form_.hwnd());
        return elapsed;
    }

    // One paste over the whole text; the clipboard is filled before the clock starts.
    double Paste(HWND target, const TextPair& texts, int sample) {
        PutOnClipboard(form_.hwnd(), sample % 2 ? texts.low : texts.high);
        const double start = NowMs();
        SendMessageW(target, EM_SETSEL, 0, -1);
        SendMessageW(target, WM_PASTE, 0, 0);
        const double elapsed = NowMs() - start;
        Pump(form_.hwnd());
        return elapsed;
    }

    HWND box() const { return form_.control(zintar::Control::CharCodeBox); }
    HWND plain() const { return plain_; }

  private:
    zintar::MainWindow& form_;
    HWND plain_;
};

struct Row {
    size_t size;
    Figures zintar, baseline, alone, plainLong;
    int plainLongSamples;
};

void PrintRows(const char* title, const std::vector<Row>& rows) {
    std::printf("  %s\n", title);
    std::printf("  %-9s%11s%9s%9s%13s%12s%15s%22s\n", "text", "median ms", "min", "max",
                "baseline ms", "difference", "message alone", "plain EDIT, same text");
    for (const Row& r : rows) {
        char size[16];
        if (r.size >= (1 << 20))
            std::snprintf(size, sizeof size, "%zu MB", r.size >> 20);
        else if (r.size >= (1 << 10))
            std::snprintf(size, sizeof size, "%zu KB", r.size >> 10);
        else
            std::snprintf(size, sizeof size, "%zu char", r.size);
        char plain[32] = "not timed";
        if (r.plainLongSamples)
            std::snprintf(plain, sizeof plain, "%.2f ms (%d)", r.plainLong.median,
                          r.plainLongSamples);
        std::printf("  %-9s%11.3f%9.3f%9.3f%13.3f%+12.3f%15.3f%22s\n", size, r.zintar.median,
                    r.zintar.min, r.zintar.max, r.baseline.median,
                    r.zintar.median - r.baseline.median, r.alone.median, plain);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int samples = argc > 1 ? std::atoi(argv[1]) : kDefaultSamples;
    if (argc > 2 || samples < 1) {
        std::fprintf(stderr, "usage: zintar_bench_outside_text [SAMPLES]\n");
        return 2;
    }

    const std::unique_ptr<zintar::MainWindow> shown = ShownWindow();
    if (!shown) {
        std::fprintf(stderr, "the form could not be created\n");
        return 1;
    }
    zintar::MainWindow& form = *shown;

    // The baseline: a plain EDIT of the box's size and font, in a window of its own.
    const HWND box = form.control(zintar::Control::CharCodeBox);
    RECT boxRect;
    GetClientRect(box, &boxRect);
    const HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                        300, 200, nullptr, nullptr, nullptr, nullptr);
    const HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"255",
                                       WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL, 0, 0,
                                       boxRect.right, boxRect.bottom, holder,
                                       reinterpret_cast<HMENU>(kPlainEditId), nullptr, nullptr);
    if (!holder || !plain) {
        std::fprintf(stderr, "the plain EDIT control could not be created\n");
        return 1;
    }
    SendMessageW(plain, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
    WNDCLASSW sinkClass{};
    sinkClass.lpfnWndProc = &SinkProc;
    sinkClass.hInstance = GetModuleHandleW(nullptr);
    sinkClass.lpszClassName = kSinkClass;
    RegisterClassW(&sinkClass);
    const HWND sink = CreateWindowExW(0, kSinkClass, L"", WS_CHILD, 0, 0, 1, 1, holder, nullptr,
                                      sinkClass.hInstance, nullptr);
    if (!sink) {
        std::fprintf(stderr, "the window for the bare message could not be created\n");
        return 1;
    }

    // The handlers must really take the texts, or the figures mean nothing.
    Bench bench(form, plain);
    const TextPair megabyte = TextsOf(1 << 20);
    bench.SetFromOutside(box, megabyte, 0);
    const bool setTaken = TextOf(box) == L"255";
    bench.Paste(box, megabyte, 1);
    const bool pasteTaken = TextOf(box) == L"0";
    if (!setTaken || !pasteTaken) {
        std::fprintf(stderr,
                     "a megabyte of digits was not read as the code box's rules say "
                     "(set: %s, paste: %s)\n",
                     setTaken ? "255" : "wrong", pasteTaken ? "0" : "wrong");
        return 1;
    }

    const TextPair shortTexts{L"255", L"0"};
    std::vector<Row> setRows, pasteRows;
    for (size_t size : kSizes) {
        const TextPair texts = TextsOf(size);
        Row set{size, {}, {}, {}, {}, 0}, paste{size, {}, {}, {}, {}, 0};
        std::vector<double> zintarSet, plainSet, aloneSet, zintarPaste, plainPaste, alonePaste;
        for (int s = -kWarmUpSamples; s < samples; ++s) {
            // Both sides in turn, so drift of the machine falls on both alike.
            const double a = bench.SetFromOutside(box, texts, s);
            const double b = bench.SetFromOutside(plain, shortTexts, s);
            const double c = bench.Paste(box, texts, s);
            const double d = bench.Paste(plain, shortTexts, s);
            const double e = bench.SetFromOutside(sink, texts, s);
            const double f = bench.Paste(sink, texts, s);
            if (s >= 0) {
                zintarSet.push_back(a);
                plainSet.push_back(b);
                zintarPaste.push_back(c);
                plainPaste.push_back(d);
                aloneSet.push_back(e);
                alonePaste.push_back(f);
            }
        }
        set.zintar = Summarise(zintarSet);
        set.baseline = Summarise(plainSet);
        set.alone = Summarise(aloneSet);
        paste.zintar = Summarise(zintarPaste);
        paste.baseline = Summarise(plainPaste);
        paste.alone = Summarise(alonePaste);

        std::vector<double> plainLongSet, plainLongPaste;
        // Tens of seconds a sample at the largest size timed: one sample there.
        const int plainLongSamples = size < kPlainLongLargest ? kPlainLongSamples : 1;
        for (int s = 0; size <= kPlainLongLargest && s < plainLongSamples; ++s) {
            plainLongSet.push_back(bench.SetFromOutside(plain, texts, s));
            plainLongPaste.push_back(bench.Paste(plain, texts, s));
        }
        set.plainLong = Summarise(plainLongSet);
        set.plainLongSamples = static_cast<int>(plainLongSet.size());
        paste.plainLong = Summarise(plainLongPaste);
        paste.plainLongSamples = static_cast<int>(plainLongPaste.size());
        setRows.push_back(set);
        pasteRows.push_back(paste);
    }

    std::printf("Text from outside into a code box (Tcc), %d samples per size, alternating with "
                "the baseline\n",
                samples);
    std::printf(
        "  baseline: the same message to a plain EDIT with a short text (\"255\" or \"0\")\n\n");
    PrintRows("WM_SETTEXT from outside", setRows);
    std::printf("\n");
    PrintRows("paste (Ctrl+A, WM_PASTE; the clipboard filled beforehand)", pasteRows);

    double worstMedian = 0, worst = 0;
    for (const auto* rows : {&setRows, &pasteRows})
        for (const Row& r : *rows) {
            worstMedian = std::max(worstMedian, r.zintar.median);
            worst = std::max(worst, r.zintar.max);
        }
    std::printf(
        "\n  target under %.0f ms for texts up to 1 MB: %s (largest median %.3f ms; slowest "
        "single handling %.3f ms)\n",
        kTargetMs, worstMedian < kTargetMs ? "met" : "NOT met", worstMedian, worst);

    DestroyWindow(holder);
    return 0;
}
