#include "tests/hostile/remote_zintar.h"

#include <psapi.h>

#include <array>
#include <cstdio>

#include "ui/main_window/control_ids.h"

namespace zintar::hostile {

namespace {

constexpr wchar_t kMainWindowClass[] = L"Zintar.frmZintar";
constexpr DWORD kStartLimitMs = 60000; // a fresh Wine prefix can take this long
constexpr DWORD kCloseLimitMs = 5000;
constexpr DWORD kReadLimitMs = 2000;
constexpr DWORD kSettleLimitMs = 5000;
constexpr size_t kShortText = 256; // characters read at the first try
constexpr double kBytesPerMiB = 1024.0 * 1024.0;
constexpr double kFileTimeTicksPerMs = 10000.0; // 100 ns ticks

// Wine runs Windows programs from Unix paths as well; CreateProcess wants the drive that
// Wine maps the Unix root to.
std::wstring WindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        for (wchar_t& c : path)
            if (c == L'/')
                c = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    wchar_t className[64]{};
    GetClassNameW(hwnd, className, static_cast<int>(std::size(className)));
    // Other tests may show a window of the same class in the same Wine session.
    if (owner == search->processId && wcscmp(className, kMainWindowClass) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

void RemoteZintar::Stop() {
    if (!process_)
        return;
    if (window_ && IsWindow(window_))
        PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), kCloseLimitMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kCloseLimitMs);
    }
    process_.reset();
    processId_ = 0;
    window_ = nullptr;
}

bool RemoteZintar::Start(const std::wstring& exe, std::string& error) {
    Stop();
    std::wstring commandLine = L"\"" + WindowsPath(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        error = "the program could not be started (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    ScopedKernelHandle thread(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
    // A test run that is cut short (a time limit) must not leave the program running.
    if (!job_) {
        job_.reset(CreateJobObjectW(nullptr, nullptr));
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (job_)
            SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits,
                                    sizeof(limits));
    }
    if (job_)
        AssignProcessToJobObject(job_.get(), process_.get());
    WaitForInputIdle(process_.get(), kStartLimitMs);

    const DWORD start = GetTickCount();
    WindowSearch search{processId_, nullptr};
    while (!search.found && GetTickCount() - start < kStartLimitMs && Running()) {
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(50);
    }
    window_ = search.found;
    if (!window_) {
        error = Running() ? "its window did not appear" : "it ended before its window appeared";
        return false;
    }
    for (const ReadOutRow& row : kReadOutTable)
        if (!control(row.control)) {
            error = "a read-out window is missing";
            return false;
        }
    return true;
}

HWND RemoteZintar::control(Control id) const {
    return GetDlgItem(window_, ControlIdOf(id));
}

bool RemoteZintar::SetText(HWND target, const wchar_t* text, DWORD limitMs, double& elapsedMs,
                           std::string& why) const {
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    DWORD_PTR result = 0;
    const LRESULT answered = SendMessageTimeoutW(
        target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, limitMs, &result);
    const DWORD error = GetLastError();
    QueryPerformanceCounter(&after);
    elapsedMs = Milliseconds(before, after);
    if (answered)
        return true;
    if (!Running())
        why = "the program ended: " + Ending();
    else if (error == ERROR_TIMEOUT)
        why = "no answer within " + std::to_string(limitMs) + " ms";
    else
        why = "the message failed (error " + std::to_string(error) + ")";
    return false;
}

std::string RemoteZintar::Ending() const {
    DWORD code = 0;
    if (!process_ || !GetExitCodeProcess(process_.get(), &code))
        return "unknown";
    if (code == STILL_ACTIVE)
        return "still running";
    char text[32];
    std::snprintf(text, sizeof text, "exit code 0x%08lX", static_cast<unsigned long>(code));
    return text;
}

bool RemoteZintar::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool RemoteZintar::Answers(DWORD limitMs) const {
    DWORD_PTR result = 0;
    return Running() &&
           SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, limitMs, &result) != 0;
}

double RemoteZintar::ProcessorMs() const {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process_.get(), &created, &ended, &kernel, &user))
        return 0;
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               kFileTimeTicksPerMs;
    };
    return ms(kernel) + ms(user);
}

RemoteZintar::Answer RemoteZintar::Ping(DWORD limitMs) const {
    LARGE_INTEGER before, after;
    const double busyBefore = ProcessorMs();
    QueryPerformanceCounter(&before);
    DWORD_PTR result = 0;
    const bool answered = Running() && SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                                           limitMs, &result) != 0;
    QueryPerformanceCounter(&after);
    return {answered, Milliseconds(before, after), ProcessorMs() - busyBefore};
}

// Posted messages are handled in the order they were posted, so a marker posted last is
// handled last. The marker flips a flag of the capture box that the window never touches
// (the input method's composition flag; no input method runs here): a flag that the
// window's own writes reset, such as the modified flag, could be reset after the marker and
// hide it.
bool RemoteZintar::SettleOnce() const {
    const HWND box = control(Control::CaptureBox);
    DWORD_PTR status = 0;
    if (!SendMessageTimeoutW(box, EM_GETIMESTATUS, EMSIS_COMPOSITIONSTRING, 0, SMTO_ABORTIFHUNG,
                             kReadLimitMs, &status))
        return false;
    const DWORD_PTR marked = status ^ EIMES_GETCOMPSTRATONCE;
    if (!PostMessageW(box, EM_SETIMESTATUS, EMSIS_COMPOSITIONSTRING, static_cast<LPARAM>(marked)))
        return false;
    const DWORD start = GetTickCount();
    do {
        if (!SendMessageTimeoutW(box, EM_GETIMESTATUS, EMSIS_COMPOSITIONSTRING, 0, SMTO_ABORTIFHUNG,
                                 kReadLimitMs, &status))
            return false;
        if (status == marked)
            return true;
        Sleep(1); // a poll that never pauses would keep the window from its posted queue
    } while (GetTickCount() - start < kSettleLimitMs);
    return false;
}

// A key-down's character is posted while the key-down is handled, behind the first marker:
// a second marker comes behind it.
bool RemoteZintar::Settle(bool followUps) const {
    return SettleOnce() && (!followUps || SettleOnce());
}

std::optional<std::wstring> RemoteZintar::Text(HWND control) const {
    // One message for the short texts that the read-outs hold; a longer one is read whole.
    std::wstring text(kShortText, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(),
                             reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, kReadLimitMs,
                             &copied))
        return std::nullopt;
    if (copied + 1 < text.size()) {
        text.resize(static_cast<size_t>(copied));
        return text;
    }
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReadLimitMs,
                             &length))
        return std::nullopt;
    text.assign(static_cast<size_t>(length) + 1, L'\0');
    if (!SendMessageTimeoutW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kReadLimitMs, &copied))
        return std::nullopt;
    text.resize(std::min(static_cast<size_t>(copied), static_cast<size_t>(length)));
    return text;
}

std::optional<Shown> RemoteZintar::Read() const {
    Shown shown;
    for (const ReadOutRow& row : kReadOutTable) {
        auto text = Text(control(row.control));
        if (!text)
            return std::nullopt;
        shown[static_cast<size_t>(row.readOut)] = std::move(*text);
    }
    return shown;
}

std::optional<MemoryUse> RemoteZintar::Memory() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process_.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)))
        return std::nullopt;
    // Wine reports a process's private bytes as its page-file use, as Windows counts them.
    const SIZE_T privateBytes = std::max(counters.PrivateUsage, counters.PagefileUsage);
    return MemoryUse{privateBytes / kBytesPerMiB, counters.WorkingSetSize / kBytesPerMiB,
                     counters.PeakWorkingSetSize / kBytesPerMiB};
}

} // namespace zintar::hostile
