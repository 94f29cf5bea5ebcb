// A second copy of the program, as far as the stored language is concerned: saves one language
// code a number of times through SaveLanguage and checks after each save that the stored value
// is still one the program could have written, while another copy writes the other code.
//
//   registry_writer CODE COUNT [START-EVENT REPORT-FILE]
//
// With a start event it waits for that named event first, so that two writers start together,
// and writes to the report file:  failedSaves invalidValues lastSaveBegin lastSaveEnd
// (the last two in QueryPerformanceCounter ticks, which every process on the machine shares).
// Exit code 0 when every save succeeded and every value seen was valid, 1 otherwise, 2 for a
// bad command line or a start event that never came.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/language_setting.h"
#include "tests/unit/registry_test_support.h"

namespace {

bool IsValidStoredLanguage(const std::optional<zintar::registry_test::RawValue>& value) {
    using zintar::registry_test::RawValue;
    return value && (*value == RawValue{REG_BINARY, {0x00, 0x00}} ||
                     *value == RawValue{REG_BINARY, {0x01, 0x00}});
}

long long Now() {
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || (argc != 3 && argc != 5)) {
        std::fputs("usage: registry_writer CODE COUNT [START-EVENT REPORT-FILE]\n", stderr);
        return 2;
    }
    const auto code = static_cast<int16_t>(std::wcstol(argv[1], nullptr, 10));
    const long count = std::wcstol(argv[2], nullptr, 10);
    const bool reporting = argc == 5;

    if (reporting) {
        const HANDLE start = OpenEventW(SYNCHRONIZE, FALSE, argv[3]);
        const bool started = start && WaitForSingleObject(start, 20000) == WAIT_OBJECT_0;
        if (start)
            CloseHandle(start);
        if (!started) {
            std::fputs("registry_writer: no start event\n", stderr);
            return 2;
        }
    }

    long failedSaves = 0;
    long invalidValues = 0;
    long long lastBegin = 0;
    long long lastEnd = 0;
    for (long i = 0; i < count; ++i) {
        lastBegin = Now();
        const bool saved = zintar::SaveLanguage(code);
        lastEnd = Now();
        if (!saved)
            ++failedSaves;
        if (!IsValidStoredLanguage(zintar::registry_test::ReadRaw(
                zintar::registry_test::kSettingsKey, zintar::registry_test::kLanguageValue)))
            ++invalidValues;
    }

    if (reporting) {
        FILE* report = _wfopen(argv[4], L"w");
        if (!report)
            return 2;
        std::fprintf(report, "%ld %ld %lld %lld\n", failedSaves, invalidValues, lastBegin, lastEnd);
        std::fclose(report);
    }
    LocalFree(argv);
    return failedSaves == 0 && invalidValues == 0 ? 0 : 1;
}
