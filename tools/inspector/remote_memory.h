#pragma once
// Memory in another process, for the control messages whose structures and text buffers
// must lie in the address space of the process that owns the control.
#include <windows.h>

#include <cstddef>
#include <utility>

namespace inspector {

// A process handle opened for reading and writing its memory; closed at the end of scope.
class ProcessAccess {
  public:
    explicit ProcessAccess(DWORD processId)
        : handle_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                  PROCESS_QUERY_LIMITED_INFORMATION,
                              FALSE, processId)) {}
    ~ProcessAccess() {
        if (handle_)
            CloseHandle(handle_);
    }
    ProcessAccess(const ProcessAccess&) = delete;
    ProcessAccess& operator=(const ProcessAccess&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // The structures handed over hold pointers, so both sides must have the same width.
    bool SameBitnessAsThisProcess() const {
        BOOL theirs = FALSE, ours = FALSE;
        return IsWow64Process(handle_, &theirs) && IsWow64Process(GetCurrentProcess(), &ours) &&
               theirs == ours;
    }

  private:
    HANDLE handle_;
};

// A block of read-write memory committed in the other process, released at the end of scope.
class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process), size_(size),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    size_t size() const { return size_; }
    // The address as the other process sees it: for pointers inside the structures only.
    void* At(size_t offset) const { return static_cast<char*>(address_) + offset; }

    bool Write(size_t offset, const void* data, size_t n) const {
        SIZE_T written = 0;
        return offset + n <= size_ && WriteProcessMemory(process_, At(offset), data, n, &written) &&
               written == n;
    }
    bool Read(size_t offset, void* data, size_t n) const {
        SIZE_T read = 0;
        return offset + n <= size_ && ReadProcessMemory(process_, At(offset), data, n, &read) &&
               read == n;
    }

  private:
    HANDLE process_;
    size_t size_;
    void* address_;
};

} // namespace inspector
