#pragma once
// What a probe program tells the start-up benchmark that launched it: one line per milestone,
// "label<TAB>performance-counter ticks<TAB>private bytes", written to its standard output,
// which the benchmark hands it as a pipe. The performance counter is the same in both
// processes, so the benchmark can set the child's milestones against its own CreateProcess.
#include <windows.h>
#include <psapi.h>

#include <array>
#include <cstdio>
#include <cstring>

namespace zintar::bench {

class ProbeReport {
  public:
    // The phase that begins now; the next mark (or the last) ends it. Only the first mark of
    // a label counts, so a hook that sees the same event again changes nothing.
    void Mark(const char* label) {
        for (size_t i = 0; i < count_; ++i)
            if (std::strcmp(marks_[i].label, label) == 0)
                return;
        if (count_ == marks_.size())
            return;
        // The memory first: what the reading costs falls into the phase that ends here.
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof(memory);
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        marks_[count_++] = {label, now.QuadPart, memory.PagefileUsage};
    }

    // Writes every mark to standard output in one go; false when there is no pipe to write to.
    bool Send() const {
        HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
        if (!out || out == INVALID_HANDLE_VALUE)
            return false;
        std::array<char, kMaxMarks * kLineLength> text{};
        size_t used = 0;
        for (size_t i = 0; i < count_; ++i) {
            const int n = std::snprintf(text.data() + used, text.size() - used, "%s\t%lld\t%zu\n",
                                        marks_[i].label, marks_[i].ticks, marks_[i].privateBytes);
            if (n <= 0 || static_cast<size_t>(n) >= text.size() - used)
                return false;
            used += static_cast<size_t>(n);
        }
        DWORD written = 0;
        return WriteFile(out, text.data(), static_cast<DWORD>(used), &written, nullptr) &&
               written == used;
    }

  private:
    static constexpr size_t kMaxMarks = 32;
    static constexpr size_t kLineLength = 96;
    struct Entry {
        const char* label;
        long long ticks;
        size_t privateBytes;
    };
    std::array<Entry, kMaxMarks> marks_{};
    size_t count_ = 0;
};

} // namespace zintar::bench
