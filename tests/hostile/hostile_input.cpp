// Hostile input from outside: starts the built program as a process of its own and sets
// texts into its boxes the way other programs can (WM_SETTEXT, as UI Automation's value
// pattern and macro tools do), then posts characters and key-downs of every code to the
// capture box. After each one the program must still run and answer within 100 ms, every
// code box must hold only what its rules allow, and all read-outs must tell the same codes.
//
//   hostile_input EXE [--seed N] [--count N]
//
// The texts: the named ones that once broke the program, each into every box, then COUNT
// random ones from SEED, each into the next box in turn (and now and then into the two
// read-out labels, which must refuse it). A program that ends or freezes is started again,
// so that one fault does not hide the others. Exit code 0 when every check held, 1 on any
// failure, 2 for bad arguments, 3 when the program could not be started.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/common/hex_text.h"
#include "tests/hostile/hostile_texts.h"
#include "tests/hostile/read_out_checks.h"
#include "tests/hostile/remote_zintar.h"

namespace {

using namespace zintar;
using namespace zintar::hostile;

constexpr uint64_t kDefaultSeed = 20261208;
constexpr long kDefaultCount = 3000;
constexpr DWORD kAnswerLimitMs = 100;    // an idle window answers at once
constexpr DWORD kHandlingLimitMs = 2000; // past this the window counts as frozen
constexpr long kLabelEvery = 50;         // every so many texts also go to the two labels
constexpr size_t kFailuresShown = 25;
constexpr long kCaptureSamples = 400;
constexpr long kProgressEvery = 10000;

struct Target {
    Control control;
    std::optional<CodeBox> box; // nothing: the capture box
    const char* name;
};
constexpr Target kTargets[] = {
    {Control::CharCodeBox, CodeBox::CharDec, "Tcc"},
    {Control::CharHexBox, CodeBox::CharHex, "Thex"},
    {Control::KeyCodeBox, CodeBox::KeyDec, "Tcode_dec"},
    {Control::KeyHexBox, CodeBox::KeyHex, "Tcode_hex"},
    {Control::CaptureBox, std::nullopt, "Tchar"},
};

// The character that the code page writes for a code, cut at a NUL as a window text is.
std::wstring CharacterOfAnsiCode(int code) {
    const char byte = static_cast<char>(static_cast<unsigned char>(code));
    if (IsDBCSLeadByte(static_cast<BYTE>(byte)))
        return {};
    wchar_t ch[2]{};
    if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, ch, 2) != 1 || ch[0] == L'\0')
        return {};
    return std::wstring(1, ch[0]);
}

bool IsPrintableAscii(wchar_t c) {
    return c >= 0x20 && c < 0x7F;
}

class HostileRun {
  public:
    HostileRun(RemoteZintar& zintar, std::wstring exe) : zintar_(zintar), exe_(std::move(exe)) {}

    // Reads every read-out as the state that the next check starts from; false when one of
    // them does not answer.
    bool Ready() {
        const auto shown = zintar_.Read();
        if (shown)
            last_ = *shown;
        return shown.has_value();
    }

    bool SetText(const Target& target, const std::wstring& text, const std::string& what) {
        ++sends_;
        double elapsedMs = 0;
        std::string why;
        if (!zintar_.SetText(zintar_.control(target.control), text.c_str(), kHandlingLimitMs,
                             elapsedMs, why))
            return NotTaken(target.name, what, text, why);
        NoteTime(elapsedMs, target.name, text);
        const std::wstring asWindowText = text.c_str(); // a window text ends at its NUL
        return CheckAfter(target.name, what, text, [&](const Shown& before, const Shown& now) {
            return TextProblems(target, asWindowText, before, now);
        });
    }

    // The read-outs must refuse text from outside: nothing that is shown changes.
    bool SetLabelText(Control label, const char* name, const std::wstring& text,
                      const std::string& what) {
        ++sends_;
        double elapsedMs = 0;
        std::string why;
        if (!zintar_.SetText(zintar_.control(label), text.c_str(), kHandlingLimitMs, elapsedMs,
                             why))
            return NotTaken(name, what, text, why);
        NoteTime(elapsedMs, name, text);
        return CheckAfter(name, what, text, [&](const Shown& before, const Shown& now) {
            std::vector<std::string> problems;
            if (now != before)
                problems.push_back(std::string(name) + " or another read-out took the text");
            return problems;
        });
    }

    // A character or key-down posted to the capture box, as the keyboard would deliver it.
    bool Post(UINT message, unsigned code) {
        ++posts_;
        const std::string what =
            (message == WM_CHAR ? "WM_CHAR " : "WM_KEYDOWN ") + std::to_string(code);
        const LPARAM keyInfo = 1 | (static_cast<LPARAM>(code & 0xFF) << 16);
        if (!PostMessageW(zintar_.control(Control::CaptureBox), message, code, keyInfo) ||
            !zintar_.Settle(message == WM_KEYDOWN))
            return Fail("Tchar", what, L"",
                        {zintar_.Running() ? "the posted message was not handled within 5 s"
                                           : "the program ended: " + zintar_.Ending()});
        return CheckAfter("Tchar", what, L"", [&](const Shown&, const Shown& now) {
            std::vector<std::string> problems;
            // A posted Tab moves the focus instead; a code above 255 is no key code.
            if (message == WM_KEYDOWN && code <= 0xFF && code != VK_TAB &&
                Get(now, Field::KeyDec) != DecimalText(static_cast<int>(code)))
                problems.push_back("Tcode_dec should show the key code " + std::to_string(code));
            if (message == WM_CHAR && IsPrintableAscii(static_cast<wchar_t>(code)) &&
                Get(now, Field::CharDec) != DecimalText(static_cast<int>(code)))
                problems.push_back("Tcc should show the character code " + std::to_string(code));
            return problems;
        });
    }

    long sends() const { return sends_; }
    long posts() const { return posts_; }
    long failures() const { return failures_; }
    long undelivered() const { return undelivered_; }
    long lateIdle() const { return lateIdle_; }
    double slowestAnswerMs() const { return slowestAnswerMs_; }
    int restarts() const { return restarts_; }
    double slowestMs() const { return slowestMs_; }
    const std::string& slowest() const { return slowest_; }

  private:
    static constexpr int kMostRestarts = 10;
    static constexpr long kUndeliveredShown = 3;

    template <typename Rules>
    bool CheckAfter(const char* where, const std::string& what, const std::wstring& text,
                    Rules&& rules) {
        if (const auto late = LateAnswer())
            return Fail(where, what, text, {*late});
        const auto now = zintar_.Read();
        if (!now)
            return Fail(where, what, text, {"a read-out did not give its text"});
        std::vector<std::string> problems = ConsistencyProblems(*now, &CharacterOfAnsiCode);
        for (std::string& p : rules(last_, *now))
            problems.push_back(std::move(p));
        last_ = *now;
        if (!problems.empty())
            return Fail(where, what, text, problems);
        return true;
    }

    // Nothing when the window answers WM_NULL within 100 ms. A later answer fails only if
    // the program spent the wait working: on a machine shared with other work an idle
    // program can wait that long for a processor, and that is noted, not failed.
    std::optional<std::string> LateAnswer() {
        const RemoteZintar::Answer first = zintar_.Ping(kAnswerLimitMs);
        slowestAnswerMs_ = std::max(slowestAnswerMs_, first.waitedMs);
        if (first.answered)
            return std::nullopt;
        if (!zintar_.Running())
            return "the program ended: " + zintar_.Ending();
        const RemoteZintar::Answer then = zintar_.Ping(kHandlingLimitMs);
        const double waited = first.waitedMs + then.waitedMs, busy = first.busyMs + then.busyMs;
        slowestAnswerMs_ = std::max(slowestAnswerMs_, waited);
        char account[128];
        std::snprintf(account, sizeof account, "%.0f ms, %.0f ms of it working", waited, busy);
        if (!then.answered)
            return std::string("no answer to WM_NULL: ") + account;
        if (busy > kAnswerLimitMs / 2)
            return std::string("no answer to WM_NULL within 100 ms: ") + account;
        ++lateIdle_;
        return std::nullopt;
    }

    // A text that got no answer. Wine drops a message too large for its server (a little
    // under a million characters) and the sender waits in vain; a program that answers at
    // once afterwards was idle, never frozen, and must simply be unharmed.
    bool NotTaken(const char* where, const std::string& what, const std::wstring& text,
                  const std::string& why) {
        if (!zintar_.Running() || LateAnswer())
            return Fail(where, what, text, {why});
        if (undelivered_++ < kUndeliveredShown)
            std::printf("note  %s <- %s \"%s\": not delivered (%s), the window answers at once\n",
                        where, what.c_str(), Describe(text).c_str(), why.c_str());
        return CheckAfter(where, what, text,
                          [](const Shown&, const Shown&) { return std::vector<std::string>{}; });
    }

    std::vector<std::string> TextProblems(const Target& target, const std::wstring& text,
                                          const Shown& before, const Shown& now) {
        if (!target.box) {
            // The first character counts as typed; printable ASCII has the same code in
            // every single-byte code page.
            if (text.empty() || !IsPrintableAscii(text[0]) || text == Get(before, Field::Character))
                return {};
            if (Get(now, Field::CharDec) != DecimalText(text[0]))
                return {"Tcc should show the code of the first character " +
                        Describe(text.substr(0, 1))};
            return {};
        }
        // The text the box already shows is the window's own: nothing is entered.
        if (text == Get(before, RowOf(*target.box).readOut))
            return {};
        std::vector<std::string> problems = EntryProblems(*target.box, now);
        for (std::string& p :
             ExpectationProblems(*target.box, ExpectedEntry(*target.box, text), now))
            problems.push_back(std::move(p));
        return problems;
    }

    void NoteTime(double elapsedMs, const char* where, const std::wstring& text) {
        if (elapsedMs > slowestMs_) {
            slowestMs_ = elapsedMs;
            slowest_ = std::string(where) + " <- \"" + Describe(text, 16) + "\"";
        }
    }

    // Counts and shows a failure, then makes sure there is a program to go on with: one that
    // ended or froze is started again, so that one fault does not hide the others.
    bool Fail(const char* where, const std::string& what, const std::wstring& text,
              const std::vector<std::string>& problems) {
        if (static_cast<size_t>(failures_) < kFailuresShown) {
            std::printf("FAIL  %s <- %s \"%s\"\n", where, what.c_str(), Describe(text).c_str());
            for (const std::string& p : problems)
                std::printf("        %s\n", p.c_str());
        }
        ++failures_;
        if (zintar_.Running() && zintar_.Answers(kHandlingLimitMs) && Ready())
            return true;
        if (restarts_ >= kMostRestarts)
            return false;
        ++restarts_;
        std::string error;
        return zintar_.Start(exe_, error) && zintar_.Settle() && Ready();
    }

    RemoteZintar& zintar_;
    const std::wstring exe_;
    Shown last_{};
    long sends_ = 0, posts_ = 0, failures_ = 0, undelivered_ = 0, lateIdle_ = 0;
    double slowestAnswerMs_ = 0;
    int restarts_ = 0;
    double slowestMs_ = 0;
    std::string slowest_;
};

void PrintMemory(const char* when, const std::optional<MemoryUse>& memory) {
    if (memory)
        std::printf("  memory %s: private bytes %.2f MiB, working set %.2f MiB (peak %.2f MiB)\n",
                    when, memory->privateMiB, memory->workingSetMiB, memory->peakWorkingSetMiB);
    else
        std::printf("  memory %s: not readable\n", when);
}

bool ParseNumber(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end && *end == '\0' && value >= 0;
}

} // namespace

int main(int argc, char** argv) {
    long long seed = kDefaultSeed, count = kDefaultCount;
    bool argumentsOk = argc >= 2;
    for (int i = 2; argumentsOk && i < argc; i += 2) {
        const std::string option = argv[i];
        argumentsOk = i + 1 < argc && (option == "--seed" || option == "--count") &&
                      ParseNumber(argv[i + 1], option == "--seed" ? seed : count);
    }
    if (!argumentsOk) {
        std::fprintf(stderr, "usage: hostile_input EXE [--seed N] [--count N]\n");
        return 2;
    }
    std::wstring exe(argv[1], argv[1] + std::strlen(argv[1]));

    RemoteZintar zintar;
    std::string error;
    if (!zintar.Start(exe, error)) {
        std::fprintf(stderr, "hostile_input: %s\n", error.c_str());
        return 3;
    }
    HostileRun run(zintar, exe);
    if (!run.Ready() || !zintar.Settle()) {
        std::fprintf(stderr, "hostile_input: the window does not answer\n");
        return 3;
    }
    const auto memoryBefore = zintar.Memory();
    std::printf("hostile_input: seed %lld, %lld random texts\n", seed, count);
    std::fflush(stdout);

    bool alive = true;
    long texts = 0;
    const DWORD startTicks = GetTickCount();
    for (const NamedText& named : NamedTexts()) {
        ++texts;
        for (const Target& target : kTargets)
            alive = alive && run.SetText(target, named.text, named.name);
    }

    const DWORD namedTicks = GetTickCount();
    TextSource source(static_cast<uint64_t>(seed));
    for (long long i = 0; alive && i < count; ++i) {
        const std::wstring text = source.Next();
        const std::string what = "random text " + std::to_string(i);
        ++texts;
        // Each box in turn: more texts in the time than every text into every box.
        alive = run.SetText(kTargets[i % std::size(kTargets)], text, what);
        if (alive && i % kLabelEvery == 0) {
            alive = run.SetLabelText(Control::ModifiersReadOut, "lblShift", text, what) &&
                    run.SetLabelText(Control::CombinationReadOut, "lblSpec", text, what);
        }
        if ((i + 1) % kProgressEvery == 0) {
            std::printf("  %lld texts, %ld failures so far\n", i + 1, run.failures());
            std::fflush(stdout);
        }
    }

    const DWORD randomTicks = GetTickCount();
    // Characters and key-downs of any 16-bit code: the edges, then a sample of the rest.
    std::vector<unsigned> codes = {0,      1,      8,      9,      10,     13,     27,
                                   31,     32,     'A',    'z',    0x7E,   0x7F,   0x80,
                                   0x9F,   0xA0,   0xFF,   0x100,  0x1FF,  0x655,  0xD7FF,
                                   0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xE000, 0xFFFD, 0xFFFF};
    std::mt19937_64 random(static_cast<uint64_t>(seed));
    for (long i = 0; i < kCaptureSamples; ++i)
        codes.push_back(std::uniform_int_distribution<unsigned>(0, 0xFFFF)(random));
    for (unsigned code : codes) {
        alive = alive && run.Post(WM_CHAR, code);
        alive = alive && run.Post(WM_KEYDOWN, code);
    }

    const DWORD endTicks = GetTickCount();
    const auto memoryAfter = alive ? zintar.Memory() : std::nullopt;
    std::printf("\nhostile_input summary\n");
    std::printf("  texts tried          %ld (%ld sends from outside)\n", texts, run.sends());
    std::printf("  posted to Tchar      %ld (characters and key-downs)\n", run.posts());
    std::printf("  not delivered        %ld (too large for Wine's message transport)\n",
                run.undelivered());
    std::printf("  failures             %ld\n", run.failures());
    std::printf("  time                 %.1f s named texts, %.1f s random texts, %.1f s posts\n",
                (namedTicks - startTicks) / 1000.0, (randomTicks - namedTicks) / 1000.0,
                (endTicks - randomTicks) / 1000.0);
    if (run.restarts())
        std::printf("  program restarts     %d (after it ended or froze)\n", run.restarts());
    std::printf("  slowest handling     %.2f ms (%s)\n", run.slowestMs(), run.slowest().c_str());
    std::printf("  longest WM_NULL wait %.2f ms; %ld answers after 100 ms from an idle program\n",
                run.slowestAnswerMs(), run.lateIdle());
    PrintMemory("before", memoryBefore);
    PrintMemory(run.restarts() ? "after (the last start)" : "after", memoryAfter);
    if (!alive)
        std::printf("  the program stopped answering; the run was cut short\n");
    return run.failures() == 0 && alive ? 0 : 1;
}
