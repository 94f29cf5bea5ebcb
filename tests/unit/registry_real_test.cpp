// The registry helpers against the real per-user registry (the private Wine prefix of the
// tests), each test on a key of its own, and the fake registry held to the real behaviour.
#include "platform/language_setting.h"
#include "platform/registry_values.h"
#include "tests/support/fake_registry.h"
#include "tests/unit/registry_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zintar {
namespace {

using registry_test::RawValue;
using registry_test::ReadRaw;
using Bytes = std::vector<BYTE>;

constexpr int32_t kDefault = 0x12345678;

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class RealRegistryTest : public ::testing::Test {
  protected:
    RealRegistryTest()
        : path_(std::string("Software\\ZintarTests\\") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZintarTests"); // only goes once empty
    }

    void StoreRaw(DWORD type, const Bytes& data) {
        ASSERT_EQ(registry_test::WriteRaw(path_.c_str(), "Value", type, data), ERROR_SUCCESS);
    }
    LONG Read(const std::string& path, int32_t defaultValue, int32_t& value) {
        return RegReadInteger(HKEY_CURRENT_USER, Widen(path), L"Value", defaultValue, value);
    }

    const std::string path_;
};

TEST_F(RealRegistryTest, WithoutTheKeyTheReadFailsAndTheWriteCreatesKeyPathAndTwoByteValue) {
    const std::string inner = path_ + "\\Inner"; // neither it nor its parent exists yet
    int32_t value = 0;
    EXPECT_EQ(Read(inner, kDefault, value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, kDefault);

    ASSERT_EQ(RegWriteInteger(HKEY_CURRENT_USER, Widen(inner), L"Value", 0), ERROR_SUCCESS);
    EXPECT_EQ(ReadRaw(inner.c_str(), "Value"), (RawValue{REG_BINARY, {0x00, 0x00}}));
    EXPECT_EQ(Read(inner, kDefault, value), ERROR_SUCCESS);
    EXPECT_EQ(value, 0x12340000);

    ASSERT_EQ(RegWriteInteger(HKEY_CURRENT_USER, Widen(inner), L"Value", -2), ERROR_SUCCESS);
    EXPECT_EQ(ReadRaw(inner.c_str(), "Value"), (RawValue{REG_BINARY, {0xFE, 0xFF}}));
}

TEST_F(RealRegistryTest, ReadTakesAtMostTwoBytesOfAnyTypeOverTheDefault) {
    struct Row {
        DWORD type;
        Bytes data;
        LONG status;
        int32_t fromZero;    // read with default 0, as LoadLanguage reads
        int32_t fromDefault; // read with kDefault
    };
    const Row rows[] = {
        {REG_BINARY, {}, ERROR_SUCCESS, 0, kDefault},
        {REG_BINARY, {0x05}, ERROR_SUCCESS, 5, 0x12345605},
        {REG_DWORD, {0x01, 0x00}, ERROR_SUCCESS, 1, 0x12340001},
        {REG_BINARY, {0xFF, 0xFF}, ERROR_SUCCESS, 65535, 0x1234FFFF},
        {REG_DWORD, {0x01, 0x00, 0x00, 0x00}, ERROR_MORE_DATA, 0, kDefault},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(FakeRegistry::Value{row.type, row.data}));
        StoreRaw(row.type, row.data);
        int32_t value = -7;
        EXPECT_EQ(Read(path_, 0, value), row.status);
        EXPECT_EQ(value, row.fromZero);
        EXPECT_EQ(Read(path_, kDefault, value), row.status);
        EXPECT_EQ(value, row.fromDefault);
    }
    int32_t value = -7;
    EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, Widen(path_), L"Missing", kDefault, value),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, kDefault);
}

TEST_F(RealRegistryTest, TheLanguageRoundTripsThroughTheProgramsOwnKey) {
    registry_test::SavedLanguageSetting saved;
    RegDeleteTreeA(HKEY_CURRENT_USER, registry_test::kSettingsKey);
    EXPECT_EQ(LoadLanguage(), kLanguageCodeEnglish);

    ASSERT_TRUE(SaveLanguage(kLanguageCodeHungarian));
    EXPECT_EQ(ReadRaw(registry_test::kSettingsKey, registry_test::kLanguageValue),
              (RawValue{REG_BINARY, {0x00, 0x00}}));
    EXPECT_EQ(LoadLanguage(), kLanguageCodeHungarian);

    ASSERT_TRUE(SaveLanguage(kLanguageCodeEnglish));
    EXPECT_EQ(ReadRaw(registry_test::kSettingsKey, registry_test::kLanguageValue),
              (RawValue{REG_BINARY, {0x01, 0x00}}));
    EXPECT_EQ(LoadLanguage(), kLanguageCodeEnglish);
}

// The same calls through the real functions and through the fake, each result named, so that
// the unit tests over the fake stand on behaviour the platform really has.
std::vector<std::pair<std::string, long long>> Observe(const RegistryApi& api,
                                                       const std::string& base) {
    std::vector<std::pair<std::string, long long>> seen;
    const auto note = [&seen](const char* what, long long result) {
        seen.emplace_back(what, result);
    };
    const auto path = [&base](const char* rest) { return base + rest; };
    char noClass[] = "";

    HKEY missing = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x4444));
    note("open missing",
         api.openKeyEx(HKEY_CURRENT_USER, path("\\A").c_str(), 0, KEY_QUERY_VALUE, &missing));
    note("open missing clears the handle", missing == nullptr);
    note("open with a leading backslash",
         api.openKeyEx(HKEY_CURRENT_USER, ("\\" + base).c_str(), 0, KEY_QUERY_VALUE, &missing));

    HKEY writer = nullptr;
    DWORD disposition = 0;
    note("create with missing parents",
         api.createKeyEx(HKEY_CURRENT_USER, path("\\A\\B\\C").c_str(), 0, noClass, 0,
                         KEY_CREATE_SUB_KEY | KEY_SET_VALUE, nullptr, &writer, &disposition));
    note("disposition", disposition);
    const BYTE four[4] = {0x01, 0x00, 0x00, 0x00};
    const BYTE one[1] = {0x05};
    note("set 4 bytes", api.setValueEx(writer, "Four", 0, REG_DWORD, four, sizeof(four)));
    note("set 1 byte", api.setValueEx(writer, "One", 0, REG_BINARY, one, sizeof(one)));
    note("set no data", api.setValueEx(writer, "Empty", 0, REG_BINARY, nullptr, 0));

    BYTE buffer[2] = {0xAA, 0xBB};
    DWORD type = 0;
    DWORD size = sizeof(buffer);
    note("query through a key opened for writing",
         api.queryValueEx(writer, "One", nullptr, &type, buffer, &size));

    HKEY again = nullptr;
    note("create existing", api.createKeyEx(HKEY_CURRENT_USER, path("\\a\\b").c_str(), 0, noClass,
                                            0, KEY_SET_VALUE, nullptr, &again, &disposition));
    note("disposition", disposition);
    note("distinct handles", again != writer);

    HKEY reader = nullptr;
    note("open in other case", api.openKeyEx(HKEY_CURRENT_USER, path("\\a\\B\\c\\").c_str(), 0,
                                             KEY_QUERY_VALUE, &reader));
    note("set through a key opened for reading",
         api.setValueEx(reader, "One", 0, REG_BINARY, one, sizeof(one)));

    size = sizeof(buffer);
    note("query missing value", api.queryValueEx(reader, "Missing", nullptr, &type, buffer, &size));
    size = sizeof(buffer);
    type = 0;
    note("query too large", api.queryValueEx(reader, "Four", nullptr, &type, buffer, &size));
    note("  type", type);
    note("  needed size", size);
    buffer[0] = 0xAA;
    buffer[1] = 0xBB;
    size = sizeof(buffer);
    note("query 1 byte, name in other case",
         api.queryValueEx(reader, "ONE", nullptr, &type, buffer, &size));
    note("  type", type);
    note("  size", size);
    note("  byte 0", buffer[0]);
    note("  byte 1 untouched", buffer[1]);
    size = sizeof(buffer);
    note("query no data", api.queryValueEx(reader, "Empty", nullptr, &type, buffer, &size));
    note("  size", size);
    size = 0;
    note("query size only", api.queryValueEx(reader, "Four", nullptr, &type, nullptr, &size));
    note("  size", size);

    note("close writer", api.closeKey(writer));
    note("close again", api.closeKey(again));
    note("close reader", api.closeKey(reader));
    note("close closed", api.closeKey(reader));
    return seen;
}

TEST_F(RealRegistryTest, TheFakeRegistryAnswersLikeTheRealOne) {
    const auto real = Observe(RealRegistry(), path_);
    FakeRegistry fake;
    const auto faked = Observe(fake.api(), path_);
    EXPECT_EQ(faked, real);
    EXPECT_EQ(fake.OpenHandleCount(), 0);
    EXPECT_EQ(fake.BadCloseCount(), 1); // the deliberate second close
}

} // namespace
} // namespace zintar
