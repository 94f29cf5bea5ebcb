// Two running copies share the one stored language without any locking: while they write the
// two codes against each other, every value anyone can read is a valid 2-byte code, and
// afterwards the copy that wrote last is the one whose code is stored.
#include "platform/language_setting.h"
#include "tests/unit/registry_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace zintar {
namespace {

using registry_test::RawValue;

constexpr int kWritesPerCopy = 1000;

const RawValue kStoredHungarian{REG_BINARY, {0x00, 0x00}};
const RawValue kStoredEnglish{REG_BINARY, {0x01, 0x00}};

std::optional<RawValue> StoredLanguage() {
    return registry_test::ReadRaw(registry_test::kSettingsKey, registry_test::kLanguageValue);
}

bool IsValid(const std::optional<RawValue>& value) {
    return value == kStoredHungarian || value == kStoredEnglish;
}

std::filesystem::path TestDirectory() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(std::wstring(self, length)).parent_path();
}

struct Report {
    long failedSaves = -1;
    long invalidValues = -1;
    long long lastBegin = 0;
    long long lastEnd = 0;
};

class Writer {
  public:
    // Starts the writer; it waits for the start event when one is given.
    Writer(int16_t code, int count, const std::wstring& startEvent = {})
        : report_(std::filesystem::temp_directory_path() /
                  (L"zintar-writer-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(code) + L".txt")) {
        std::wstring command = L"\"" + (TestDirectory() / L"registry_writer.exe").wstring() +
                               L"\" " + std::to_wstring(code) + L" " + std::to_wstring(count);
        if (!startEvent.empty())
            command += L" " + startEvent + L" \"" + report_.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
        }
    }
    ~Writer() {
        if (!process_)
            return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_, 3);
        CloseHandle(process_);
        std::error_code ignored;
        std::filesystem::remove(report_, ignored);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    HANDLE process() const { return process_; }
    DWORD Finish() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_, &code);
        return code;
    }
    Report ReadReport() const {
        Report report;
        std::ifstream in(report_);
        in >> report.failedSaves >> report.invalidValues >> report.lastBegin >> report.lastEnd;
        return report;
    }

  private:
    std::filesystem::path report_;
    HANDLE process_ = nullptr;
};

TEST(RegistryConcurrency, TwoCopiesWritingAgainstEachOtherLeaveAValidValueAndTheLastWriteWins) {
    registry_test::SavedLanguageSetting saved;
    ASSERT_TRUE(SaveLanguage(kLanguageCodeEnglish));

    const std::wstring eventName =
        L"Local\\ZintarRegistryWriters." + std::to_wstring(GetCurrentProcessId());
    const std::unique_ptr<void, decltype(&CloseHandle)> start(
        CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()), &CloseHandle);
    ASSERT_NE(start, nullptr);
    Writer english(kLanguageCodeEnglish, kWritesPerCopy, eventName);
    Writer hungarian(kLanguageCodeHungarian, kWritesPerCopy, eventName);
    ASSERT_NE(english.process(), nullptr) << "cannot start registry_writer.exe";
    ASSERT_NE(hungarian.process(), nullptr) << "cannot start registry_writer.exe";
    SetEvent(start.get());

    // This process is a third reader while the two write.
    const HANDLE writers[] = {english.process(), hungarian.process()};
    const ULONGLONG deadline = GetTickCount64() + 30000;
    int samples = 0;
    int invalidSamples = 0;
    DWORD wait = WAIT_TIMEOUT;
    do {
        ++samples;
        if (!IsValid(StoredLanguage()))
            ++invalidSamples;
        wait = WaitForMultipleObjects(2, writers, TRUE, 0);
    } while (wait == WAIT_TIMEOUT && GetTickCount64() < deadline);
    ASSERT_EQ(wait, WAIT_OBJECT_0) << "the writers did not finish in time";
    EXPECT_EQ(invalidSamples, 0) << "of " << samples << " reads during the writes";

    ASSERT_EQ(english.Finish(), 0u);
    ASSERT_EQ(hungarian.Finish(), 0u);
    const Report e = english.ReadReport();
    const Report h = hungarian.ReadReport();
    EXPECT_EQ(e.failedSaves, 0);
    EXPECT_EQ(h.failedSaves, 0);
    EXPECT_EQ(e.invalidValues, 0);
    EXPECT_EQ(h.invalidValues, 0);

    const std::optional<RawValue> stored = StoredLanguage();
    ASSERT_TRUE(IsValid(stored));
    // When the two last saves did not overlap, the later one must be what is stored.
    ::testing::Test::RecordProperty("reads_during_writes", samples);
    ::testing::Test::RecordProperty("last_saves_overlapped",
                                    !(e.lastEnd < h.lastBegin || h.lastEnd < e.lastBegin));
    if (e.lastEnd < h.lastBegin) {
        EXPECT_EQ(stored, kStoredHungarian) << "the Hungarian copy saved last";
    } else if (h.lastEnd < e.lastBegin) {
        EXPECT_EQ(stored, kStoredEnglish) << "the English copy saved last";
    }

    // One more save by a copy whose code is not the stored one replaces it, and this copy,
    // which cached nothing, reads the new code.
    const bool englishStored = stored == kStoredEnglish;
    Writer last(englishStored ? kLanguageCodeHungarian : kLanguageCodeEnglish, 1);
    ASSERT_EQ(last.Finish(), 0u);
    EXPECT_EQ(StoredLanguage(), englishStored ? kStoredHungarian : kStoredEnglish);
    EXPECT_EQ(LoadLanguage(), englishStored ? kLanguageCodeHungarian : kLanguageCodeEnglish);
}

} // namespace
} // namespace zintar
