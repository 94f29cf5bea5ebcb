#pragma once
// The built program in a process of its own, driven and read from outside the way another
// program (an accessibility tool, a macro recorder) would: messages with a time limit, its
// controls found by their window identifiers.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/window/scoped_handles.h"
#include "tests/hostile/read_out_checks.h"
#include "ui/main_window/layout.h"

namespace zintar::hostile {

struct KernelHandleTraits {
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
using ScopedKernelHandle = win32::ScopedHandle<HANDLE, KernelHandleTraits>;

struct MemoryUse {
    double privateMiB;
    double workingSetMiB;
    double peakWorkingSetMiB;
};

class RemoteZintar {
  public:
    RemoteZintar() = default;
    ~RemoteZintar() { Stop(); }
    RemoteZintar(const RemoteZintar&) = delete;
    RemoteZintar& operator=(const RemoteZintar&) = delete;

    // Starts the exe (ending a program started before) and waits until its main window is
    // there; error says why not.
    bool Start(const std::wstring& exe, std::string& error);
    // Closes the window and waits for the process, which is ended if it does not go.
    void Stop();

    HWND control(Control id) const;

    // WM_SETTEXT from outside; false when the window did not answer within the limit, with
    // the reason in why.
    bool SetText(HWND target, const wchar_t* text, DWORD limitMs, double& elapsedMs,
                 std::string& why) const;
    // The process still runs and its window answers WM_NULL within the limit.
    bool Answers(DWORD limitMs) const;
    // WM_NULL with a limit: whether and when the window answered, and how much processor
    // time the program used meanwhile (a late answer from an idle program is the machine's
    // load, a late answer from a busy one is the program's own slowness).
    struct Answer {
        bool answered;
        double waitedMs;
        double busyMs;
    };
    Answer Ping(DWORD limitMs) const;
    bool Running() const;
    // How the process ended, for a report ("still running" while it runs).
    std::string Ending() const;
    // Returns only once every message posted to the window's thread before the call has been
    // handled; with followUps, also the messages those posted in turn (the character that a
    // key-down is translated into). False when the window stopped answering.
    bool Settle(bool followUps = false) const;

    std::optional<std::wstring> Text(HWND control) const;
    // Every read-out; nothing if one of them did not answer.
    std::optional<Shown> Read() const;

    std::optional<MemoryUse> Memory() const;

  private:
    bool SettleOnce() const;
    double ProcessorMs() const;

    ScopedKernelHandle job_; // ends the program with this one, should this one be killed
    ScopedKernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

} // namespace zintar::hostile
