// Start-up cost of Zintar against a minimal window, measured in the same run, and where it
// goes.
//
// usage: zintar_bench_startup PATH-OF-Varnick_Zintar.exe [RUNS]
//
// Each run starts the program with CreateProcess and times it until the program waits for
// input (WaitForInputIdle) with its top-level window visible; then it reads the child's
// memory figures, asks the window to close and waits for the process to end. The two
// programs take turns, and the order of the pair flips every round, so that a slow spell
// of the machine or a warmer file cache falls on both alike.
//
// Every round also starts four probes that report their milestones through a pipe
// (probe_report.h): zintar_bench_phases runs the program's own creation path with marks at
// its phases, zintar_bench_minimal_phases is the minimal window marking the same
// phases, zintar_bench_minimal_controls is that window with as many plain child controls as
// the program's (its totals are printed too: the least a window with these controls costs),
// and zintar_bench_dll_loads loads the program's system DLLs one by one into an otherwise
// empty process. Their phases are printed after the totals.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kDefaultRuns = 15;
constexpr DWORD kIdleTimeoutMs = 60000;
constexpr DWORD kWindowTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;
constexpr wchar_t kBaselineName[] = L"zintar_bench_minimal_window.exe";
constexpr wchar_t kPhaseProbeName[] = L"zintar_bench_phases.exe";
constexpr wchar_t kMinimalProbeName[] = L"zintar_bench_minimal_phases.exe";
constexpr wchar_t kDllProbeName[] = L"zintar_bench_dll_loads.exe";
constexpr wchar_t kFloorName[] = L"zintar_bench_minimal_controls.exe";
constexpr char kFloorRow[] = "+ 22 controls"; // the minimal window with Zintar's controls
constexpr DWORD kReportPipeBytes = 64 * 1024;
constexpr double kKiB = 1024.0;
constexpr double kMiB = 1024.0 * 1024.0;

// A probe's milestone: the phase that begins there, when (ms after CreateProcess) and the
// probe's private bytes then.
struct Mark {
    std::string label;
    double ms;
    double privateKiB;
};

struct Sample {
    double startMs = 0;
    double peakWorkingSetMiB = 0;
    double privateMiB = 0;
    std::vector<Mark> marks; // probes only
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

double TicksPerMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    return ticksPerMs;
}

long long Ticks() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Now() {
    return static_cast<double>(Ticks()) / TicksPerMs();
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

class ScopedHandle {
  public:
    ScopedHandle() = default;
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE get() const { return handle_; }
    HANDLE* put() { return &handle_; }
    void Reset() {
        if (handle_)
            CloseHandle(handle_);
        handle_ = nullptr;
    }

  private:
    HANDLE handle_ = nullptr;
};

// The probe's report: "label<TAB>ticks<TAB>private bytes" lines, the ticks turned into ms
// after the given start.
std::vector<Mark> ParseReport(const std::string& text, long long startTicks) {
    std::vector<Mark> marks;
    size_t line = 0;
    while (line < text.size()) {
        size_t end = text.find('\n', line);
        if (end == std::string::npos)
            end = text.size();
        const std::string row = text.substr(line, end - line);
        line = end + 1;
        const size_t tab1 = row.find('\t');
        const size_t tab2 = tab1 == std::string::npos ? tab1 : row.find('\t', tab1 + 1);
        if (tab2 == std::string::npos)
            throw Failure{"a probe's report has a malformed line: " + row};
        const long long ticks = std::strtoll(row.c_str() + tab1 + 1, nullptr, 10);
        const double bytes = std::strtod(row.c_str() + tab2 + 1, nullptr);
        marks.push_back({row.substr(0, tab1),
                         static_cast<double>(ticks - startTicks) / TicksPerMs(), bytes / kKiB});
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.ms < b.ms; });
    return marks;
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
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

enum class Kind {
    Program,        // a window program: timed until shown and idle, then closed
    WindowProbe,    // the same, and it reports its milestones
    WindowlessProbe // reports its milestones and ends by itself
};

Sample LaunchWindowless(ProcessHandles& child, HANDLE reportPipe, long long startTicks) {
    if (WaitForSingleObject(child.process(), kExitTimeoutMs) != WAIT_OBJECT_0)
        throw Failure{"a probe did not end"};
    child.Ended();
    DWORD exitCode = 0;
    GetExitCodeProcess(child.process(), &exitCode);
    if (exitCode != 0)
        throw Failure{"a probe ended with exit code " + std::to_string(exitCode)};
    Sample sample;
    sample.marks = ParseReport(ReadAll(reportPipe), startTicks);
    return sample;
}

Sample Launch(const std::wstring& exe, Kind kind = Kind::Program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring directory = DirectoryOf(exe);
    PROCESS_INFORMATION info{};

    // A probe writes its report into a pipe that it finds as its standard output.
    const bool reports = kind != Kind::Program;
    ScopedHandle reportRead, reportWrite;
    if (reports) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        if (!CreatePipe(reportRead.put(), reportWrite.put(), &inherit, kReportPipeBytes))
            throw Failure{"CreatePipe failed (error " + std::to_string(GetLastError()) + ")"};
        SetHandleInformation(reportRead.get(), HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdOutput = reportWrite.get();
    }

    const long long startTicks = Ticks();
    const double started = static_cast<double>(startTicks) / TicksPerMs();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, reports ? TRUE : FALSE,
                        0, nullptr, directory.c_str(), &startup, &info))
        throw Failure{"CreateProcess failed (error " + std::to_string(GetLastError()) + ")"};
    ProcessHandles child(info);
    reportWrite.Reset(); // the pipe ends when the probe's copy closes
    if (kind == Kind::WindowlessProbe)
        return LaunchWindowless(child, reportRead.get(), startTicks);

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

    Sample sample{shown - started,
                  static_cast<double>(memory.PeakWorkingSetSize) / kMiB,
                  static_cast<double>(memory.PagefileUsage) / kMiB,
                  {}};
    if (reports)
        sample.marks = ParseReport(ReadAll(reportRead.get()), startTicks);
    return sample;
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
                const Figures& baseline, const Figures& floor, const char* format,
                const char* signedFormat) {
    std::printf("%s\n", title);
    std::printf("  %-16s%12s%12s%12s\n", "", "median", "min", "max");
    PrintRow("Zintar", program.*field, format);
    PrintRow("minimal window", baseline.*field, format);
    PrintDifference(program.*field, baseline.*field, signedFormat);
    PrintRow(kFloorRow, floor.*field, format);
    PrintDifference(floor.*field, baseline.*field, signedFormat);
}

// Phases of one probe run: from CreateProcess to the first mark is the process start (its
// memory is the absolute figure there); from each mark to the next, the phase named by the
// mark (its memory, what the phase added). The last mark only ends the last phase.
struct PhaseTable {
    std::vector<std::string> order; // first seen first
    std::map<std::string, std::pair<std::vector<double>, std::vector<double>>> values;
    std::vector<double> totals;

    void Add(const std::string& label, double ms, double kib) {
        if (!values.count(label))
            order.push_back(label);
        values[label].first.push_back(ms);
        values[label].second.push_back(kib);
    }

    void Add(const std::vector<Mark>& marks) {
        if (marks.empty())
            return;
        Add("process start", marks.front().ms, marks.front().privateKiB);
        for (size_t i = 0; i + 1 < marks.size(); ++i)
            Add(marks[i].label, marks[i + 1].ms - marks[i].ms,
                marks[i + 1].privateKiB - marks[i].privateKiB);
        totals.push_back(marks.back().ms);
    }

    // Median, min and max of each phase, and the median of what it added to the private
    // bytes; beside them the same phase of each baseline, where it has one.
    using Baselines = std::vector<std::pair<const char*, const PhaseTable*>>;
    void Print(size_t runs, const Baselines& baselines = {}) const {
        std::printf("  %-28s%9s%9s%9s", "phase", "median", "min", "max");
        for (const auto& [name, table] : baselines)
            std::printf("%10s", name);
        std::printf("%13s", "private KiB");
        for (const auto& [name, table] : baselines)
            std::printf("%10s", name);
        std::printf("\n");
        for (const std::string& label : order) {
            const auto& [ms, kib] = values.at(label);
            const Summary time = Summarise(ms), memory = Summarise(kib);
            std::printf("  %-28s%9.2f%9.2f%9.2f", label.c_str(), time.median, time.min, time.max);
            for (const auto& [name, table] : baselines) {
                if (table->values.count(label))
                    std::printf("%10.2f", Summarise(table->values.at(label).first).median);
                else
                    std::printf("%10s", "-");
            }
            std::printf("%+13.0f", memory.median);
            for (const auto& [name, table] : baselines) {
                if (table->values.count(label))
                    std::printf("%+10.0f", Summarise(table->values.at(label).second).median);
                else
                    std::printf("%10s", "-");
            }
            if (ms.size() != runs)
                std::printf("  [in %zu of %zu runs]", ms.size(), runs);
            std::printf("\n");
        }
        const Summary total = Summarise(totals);
        std::printf("  %-28s%9.2f%9.2f%9.2f", "total to the last mark", total.median, total.min,
                    total.max);
        for (const auto& [name, table] : baselines)
            std::printf("%10.2f", Summarise(table->totals).median);
        std::printf(
            "\n  (process start: from CreateProcess to the probe's first mark; its private\n"
            "  bytes are the whole figure there)\n");
    }
};

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
    const std::wstring phaseProbe = OwnDirectory() + L"\\" + kPhaseProbeName;
    const std::wstring minimalProbe = OwnDirectory() + L"\\" + kMinimalProbeName;
    const std::wstring dllProbe = OwnDirectory() + L"\\" + kDllProbeName;
    const std::wstring floor = OwnDirectory() + L"\\" + kFloorName;
    for (const std::wstring* exe :
         {&program, &baseline, &phaseProbe, &minimalProbe, &dllProbe, &floor}) {
        if (!FileExists(*exe)) {
            std::fprintf(stderr, "not found: %s\n", Narrow(*exe).c_str());
            return 2;
        }
    }

    std::vector<Sample> programSamples, baselineSamples, probeSamples, floorSamples;
    PhaseTable phases, minimalPhases, floorPhases, dllLoads;
    try {
        // One start of each first, not counted: it loads the files into the cache and lets
        // Wine's own services settle, which a user's second start would find done as well.
        Launch(program);
        Launch(baseline);
        Launch(phaseProbe, Kind::WindowProbe);
        Launch(minimalProbe, Kind::WindowProbe);
        Launch(floor, Kind::WindowProbe);
        Launch(dllProbe, Kind::WindowlessProbe);
        for (int round = 0; round < runs; ++round) {
            if (round % 2 == 0) {
                programSamples.push_back(Launch(program));
                baselineSamples.push_back(Launch(baseline));
            } else {
                baselineSamples.push_back(Launch(baseline));
                programSamples.push_back(Launch(program));
            }
            // The probes after the pair, so that they disturb neither side of it.
            probeSamples.push_back(Launch(phaseProbe, Kind::WindowProbe));
            phases.Add(probeSamples.back().marks);
            minimalPhases.Add(Launch(minimalProbe, Kind::WindowProbe).marks);
            floorSamples.push_back(Launch(floor, Kind::WindowProbe));
            floorPhases.Add(floorSamples.back().marks);
            dllLoads.Add(Launch(dllProbe, Kind::WindowlessProbe).marks);
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "start-up benchmark failed: %s\n", failure.what.c_str());
        return 1;
    }

    const Figures z = Summarise(programSamples);
    const Figures m = Summarise(baselineSamples);
    const Figures f = Summarise(floorSamples);
    std::printf(
        "Start-up: %d runs of each program, alternating, after one uncounted start of each\n",
        runs);
    std::printf("  Zintar:         %s\n", Narrow(program).c_str());
    std::printf("  minimal window: %s\n\n", Narrow(baseline).c_str());
    PrintTable("Time from CreateProcess to window shown and idle (ms)", &Figures::startMs, z, m, f,
               "%12.1f", "%+12.1f");
    // On a busy machine the pairs of one round share its load; their own differences and
    // ratios are steadier than the difference of the two medians.
    std::vector<double> roundDifferences, roundRatios;
    for (size_t i = 0; i < programSamples.size(); ++i) {
        roundDifferences.push_back(programSamples[i].startMs - baselineSamples[i].startMs);
        roundRatios.push_back(programSamples[i].startMs / baselineSamples[i].startMs);
    }
    const Summary byRound = Summarise(roundDifferences);
    std::printf("  %-16s%+12.1f%+12.1f%+12.1f   (x%.2f, median of the rounds' ratios)\n",
                "by round", byRound.median, byRound.min, byRound.max,
                Summarise(roundRatios).median);
    std::printf("\n");
    PrintTable("Peak working set once idle (MiB)", &Figures::peakMiB, z, m, f, "%12.2f", "%+12.2f");
    std::printf("\n");
    PrintTable("Private bytes once idle (MiB)", &Figures::privateMiB, z, m, f, "%12.2f", "%+12.2f");

    const Figures p = Summarise(probeSamples);
    std::printf(
        "\nPhases of the start (ms; private bytes each phase added), %d runs of %ls:\n"
        "the program's creation path, each phase marked through its import table; its own\n"
        "start to shown and idle took %.1f ms at the median (the program: %.1f ms). Beside it\n"
        "the same phases of the minimal window (%ls) and of the\n"
        "minimal window with 22 plain controls (%ls).\n",
        runs, kPhaseProbeName, p.startMs.median, z.startMs.median, kMinimalProbeName, kFloorName);
    phases.Print(static_cast<size_t>(runs),
                 {{"minimal", &minimalPhases}, {"+controls", &floorPhases}});
    std::printf("\nThe program's system DLLs loaded one by one into an empty process (%ls):\n",
                kDllProbeName);
    dllLoads.Print(static_cast<size_t>(runs));
    return 0;
}
