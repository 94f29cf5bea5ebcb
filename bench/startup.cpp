// Start-up cost of Zintar against a minimal window, measured in the same run.
//
// usage: zintar_bench_startup PATH-OF-Varnick_Zintar.exe [RUNS]
//
// Each run starts the program with CreateProcess and times it until the program waits for
// input (WaitForInputIdle) with its top-level window visible; then it reads the child's
// memory figures, asks the window to close and waits for the process to end. The two
// programs take turns, and the order of the pair flips every round, so that a slow spell
// of the machine or a warmer file cache falls on both alike.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRuns = 15;
constexpr DWORD kIdleTimeoutMs = 60000;
constexpr DWORD kWindowTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;
constexpr wchar_t kBaselineName[] = L"zintar_bench_minimal_window.exe";

struct Sample {
    double startMs = 0;
    double peakWorkingSetMiB = 0;
    double privateMiB = 0;
};

struct Failure {
    std::string what;
};

std::string Narrow(const std::wstring& text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string out(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    full.resize(written);
    return full;
}

std::wstring DirectoryOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring OwnDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD written =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (written < path.size()) {
            path.resize(written);
            break;
        }
        path.resize(path.size() * 2);
    }
    return DirectoryOf(path);
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

double Now() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerMs;
}

// The program's main window: visible, top-level and unowned. Owned windows (a tooltip, a
// dialog) and hidden helper windows of the process do not count.
struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND VisibleMainWindow(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class ProcessHandles {
  public:
    explicit ProcessHandles(const PROCESS_INFORMATION& info) : info_(info) {}
    ~ProcessHandles() {
        if (running_) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, kExitTimeoutMs);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    ProcessHandles(const ProcessHandles&) = delete;
    ProcessHandles& operator=(const ProcessHandles&) = delete;
    HANDLE process() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }
    void Ended() { running_ = false; }

  private:
    PROCESS_INFORMATION info_;
    bool running_ = true;
};

Sample Launch(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring directory = DirectoryOf(exe);
    PROCESS_INFORMATION info{};

    const double started = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &info))
        throw Failure{"CreateProcess failed (error " + std::to_string(GetLastError()) + ")"};
    ProcessHandles child(info);

    const DWORD idle = WaitForInputIdle(child.process(), kIdleTimeoutMs);
    if (idle != 0)
        throw Failure{idle == WAIT_TIMEOUT ? "the program never became idle"
                                           : "WaitForInputIdle failed (error " +
                                                 std::to_string(GetLastError()) + ")"};
    // A program may go idle before it shows its window (a message box first, say); the
    // clock runs until the window is up as well.
    HWND window = nullptr;
    const double waitStart = Now();
    while (!(window = VisibleMainWindow(child.id()))) {
        if (WaitForSingleObject(child.process(), 0) == WAIT_OBJECT_0) {
            child.Ended();
            throw Failure{"the program ended without showing a window"};
        }
        if (Now() - waitStart > kWindowTimeoutMs)
            throw Failure{"no visible window appeared"};
        Sleep(1);
    }
    const double shown = Now();

    // Private bytes are read from PagefileUsage: it is the same commit charge that the
    // extended record's PrivateUsage repeats on Windows, and Wine fills only the former.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (!GetProcessMemoryInfo(child.process(), &memory, sizeof(memory)))
        throw Failure{"GetProcessMemoryInfo failed (error " + std::to_string(GetLastError()) + ")"};

    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(child.process(), kExitTimeoutMs) != WAIT_OBJECT_0)
        throw Failure{"the program did not end after WM_CLOSE"};
    child.Ended();
    DWORD exitCode = 0;
    GetExitCodeProcess(child.process(), &exitCode);
    if (exitCode != 0)
        throw Failure{"the program ended with exit code " + std::to_string(exitCode)};

    constexpr double kMiB = 1024.0 * 1024.0;
    return {shown - started, static_cast<double>(memory.PeakWorkingSetSize) / kMiB,
            static_cast<double>(memory.PagefileUsage) / kMiB};
}

struct Summary {
    double median, min, max;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return {median, values.front(), values.back()};
}

struct Figures {
    Summary startMs, peakMiB, privateMiB;
};

Figures Summarise(const std::vector<Sample>& samples) {
    std::vector<double> start, peak, priv;
    for (const Sample& s : samples) {
        start.push_back(s.startMs);
        peak.push_back(s.peakWorkingSetMiB);
        priv.push_back(s.privateMiB);
    }
    return {Summarise(start), Summarise(peak), Summarise(priv)};
}

void PrintRow(const char* name, const Summary& s, const char* format) {
    std::printf("  %-16s", name);
    std::printf(format, s.median);
    std::printf(format, s.min);
    std::printf(format, s.max);
    std::printf("\n");
}

void PrintDifference(const Summary& program, const Summary& baseline, const char* format) {
    std::printf("  %-16s", "difference");
    std::printf(format, program.median - baseline.median);
    std::printf(format, program.min - baseline.min);
    std::printf(format, program.max - baseline.max);
    if (baseline.median > 0)
        std::printf("   (x%.2f at the median)", program.median / baseline.median);
    std::printf("\n");
}

void PrintTable(const char* title, const Summary Figures::*field, const Figures& program,
                const Figures& baseline, const char* format, const char* signedFormat) {
    std::printf("%s\n", title);
    std::printf("  %-16s%12s%12s%12s\n", "", "median", "min", "max");
    PrintRow("Zintar", program.*field, format);
    PrintRow("minimal window", baseline.*field, format);
    PrintDifference(program.*field, baseline.*field, signedFormat);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: zintar_bench_startup PATH-OF-Varnick_Zintar.exe [RUNS]\n");
        return 2;
    }
    const std::wstring program = FullPath(argv[1]);
    const int runs = argc == 3 ? std::wcstol(argv[2], nullptr, 10) : kDefaultRuns;
    if (runs < 1) {
        std::fprintf(stderr, "RUNS must be a positive number\n");
        return 2;
    }
    const std::wstring baseline = OwnDirectory() + L"\\" + kBaselineName;
    for (const std::wstring* exe : {&program, &baseline}) {
        if (!FileExists(*exe)) {
            std::fprintf(stderr, "not found: %s\n", Narrow(*exe).c_str());
            return 2;
        }
    }

    std::vector<Sample> programSamples, baselineSamples;
    try {
        // One start of each first, not counted: it loads the files into the cache and lets
        // Wine's own services settle, which a user's second start would find done as well.
        Launch(program);
        Launch(baseline);
        for (int round = 0; round < runs; ++round) {
            if (round % 2 == 0) {
                programSamples.push_back(Launch(program));
                baselineSamples.push_back(Launch(baseline));
            } else {
                baselineSamples.push_back(Launch(baseline));
                programSamples.push_back(Launch(program));
            }
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "start-up benchmark failed: %s\n", failure.what.c_str());
        return 1;
    }

    const Figures z = Summarise(programSamples);
    const Figures m = Summarise(baselineSamples);
    std::printf(
        "Start-up: %d runs of each program, alternating, after one uncounted start of each\n",
        runs);
    std::printf("  Zintar:         %s\n", Narrow(program).c_str());
    std::printf("  minimal window: %s\n\n", Narrow(baseline).c_str());
    PrintTable("Time from CreateProcess to window shown and idle (ms)", &Figures::startMs, z, m,
               "%12.1f", "%+12.1f");
    std::printf("\n");
    PrintTable("Peak working set once idle (MiB)", &Figures::peakMiB, z, m, "%12.2f", "%+12.2f");
    std::printf("\n");
    PrintTable("Private bytes once idle (MiB)", &Figures::privateMiB, z, m, "%12.2f", "%+12.2f");
    return 0;
}
