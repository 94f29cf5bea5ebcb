#include "platform/input/layout_library.h"

#include <string>
#include <vector>

#include "platform/window/scoped_handles.h"

namespace zintar::win32 {

namespace {

constexpr char kDescriptorExport[] = "KbdLayerDescriptor";
constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
// The loader maps at least the first page of headers; the PE header must lie within it.
constexpr LONG kHeaderPage = 0x1000;

// 64-bit layout DLLs: the core reads 8-byte pointers.
static_assert(sizeof(void*) == 8, "the layout reader reads 64-bit layout DLLs");

LayoutReadResult Failure(LayoutFault fault, LayoutPart part, DWORD error = 0) {
    LayoutReadResult result;
    result.problem = LayoutProblem{fault, part, error};
    return result;
}

// The image's extent from its own headers, or 0 where they make no sense.
size_t ImageSize(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew < static_cast<LONG>(sizeof(*dos)) ||
        dos->e_lfanew > kHeaderPage - static_cast<LONG>(sizeof(IMAGE_NT_HEADERS64)))
        return 0;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE ||
        nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return 0;
    return nt->OptionalHeader.SizeOfImage;
}

// The parts of the image that may be read, as the memory manager has them mapped; adjacent
// readable parts join into one, so that a table may cross a section boundary.
std::vector<ImageRegion> ReadableRegions(HMODULE module, size_t size) {
    std::vector<ImageRegion> regions;
    const auto* base = reinterpret_cast<const std::byte*>(module);
    const std::byte* end = base + size;
    for (const std::byte* at = base; at < end;) {
        MEMORY_BASIC_INFORMATION info{};
        if (VirtualQuery(at, &info, sizeof(info)) == 0 || info.RegionSize == 0)
            break;
        const auto* regionEnd = static_cast<const std::byte*>(info.BaseAddress) + info.RegionSize;
        const std::byte* stop = regionEnd < end ? regionEnd : end;
        const bool readable = info.State == MEM_COMMIT && (info.Protect & kReadable) != 0 &&
                              (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0;
        if (readable) {
            const auto address = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(at));
            if (!regions.empty() && regions.back().address + regions.back().size == address)
                regions.back().size += static_cast<size_t>(stop - at);
            else
                regions.push_back({address, at, static_cast<size_t>(stop - at)});
        }
        at = stop;
    }
    return regions;
}

HMODULE LoadFromSystemFolder(const std::wstring& path, DWORD& error) {
    // No "bad image" dialog for a broken file: the caller reports it.
    DWORD oldMode = 0;
    const BOOL modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    // The DLL's own imports, should it have any, come from the system folder too.
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) // Windows 7 without KB2533623
        module = LoadLibraryExW(path.c_str(), nullptr, 0);
    error = module ? 0 : GetLastError();
    if (modeSet)
        SetThreadErrorMode(oldMode, nullptr);
    return module;
}

LayoutReadResult ReadLoaded(HMODULE module) {
    using Descriptor = void*(WINAPI*)();
    const auto descriptor = reinterpret_cast<Descriptor>(
        reinterpret_cast<void*>(GetProcAddress(module, kDescriptorExport)));
    if (!descriptor)
        return Failure(LayoutFault::NoDescriptor, LayoutPart::Descriptor, GetLastError());
    const size_t size = ImageSize(module);
    if (size == 0)
        return Failure(LayoutFault::NotAnImage, LayoutPart::File);
    const std::vector<ImageRegion> regions = ReadableRegions(module, size);
    // An export forwarded to another DLL would run that DLL's code: only the layout's own.
    const auto entry = reinterpret_cast<uintptr_t>(reinterpret_cast<void*>(descriptor));
    const auto base = reinterpret_cast<uintptr_t>(module);
    if (entry < base || entry - base >= size)
        return Failure(LayoutFault::OutsideImage, LayoutPart::Descriptor);
    const auto tables = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(descriptor()));
    return ReadLayoutTables(regions, tables);
}

} // namespace

LayoutReadResult ReadLayoutLibrary(std::wstring_view fileName) noexcept {
    try {
        if (!IsPlainLayoutFileName(fileName))
            return Failure(LayoutFault::InvalidFileName, LayoutPart::File);
        wchar_t folder[MAX_PATH]{};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return Failure(LayoutFault::LoadFailed, LayoutPart::File, GetLastError());
        const std::wstring path = std::wstring(folder, length) + L"\\" + std::wstring(fileName);
        DWORD error = 0;
        const ScopedLibrary module(LoadFromSystemFolder(path, error));
        if (!module)
            return Failure(LayoutFault::LoadFailed, LayoutPart::File, error);
        return ReadLoaded(module.get());
    } catch (...) {
        // No memory for the path or the copied tables.
        return Failure(LayoutFault::LoadFailed, LayoutPart::File, ERROR_NOT_ENOUGH_MEMORY);
    }
}

} // namespace zintar::win32
