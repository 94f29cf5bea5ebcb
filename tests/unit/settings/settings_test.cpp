// The registry helpers and the stored language against the real per-user registry of the test
// prefix, behind a seam that fails any one call: what is stored and read, the fallback at every
// failure point, and that every key opened is closed.
#include "platform/settings/language_setting.h"
#include "platform/settings/registry_values.h"
#include "tests/support/registry_seam.h"
#include "tests/support/stored_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zintar {
namespace {

using stored_registry::RawValue;
using stored_registry::ReadRaw;
using stored_registry::WriteRaw;
using Bytes = std::vector<BYTE>;

// Four different bytes, so a read that overwrites the wrong end or too much shows.
constexpr int32_t kDefault = 0x12345678;
constexpr char kKey[] = "Software\\ZintarTests\\Settings";
constexpr wchar_t kKeyW[] = L"Software\\ZintarTests\\Settings";
const RawValue kHungarian{REG_BINARY, {0x00, 0x00}};
const RawValue kEnglish{REG_BINARY, {0x01, 0x00}};

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, stored_registry::kSettingsKey);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ZintarTests");
        EXPECT_EQ(seam_.OpenKeys(), 0) << "a key was left open";
        EXPECT_EQ(seam_.BadCloses(), 0) << "a key was closed that was not open";
    }
    LONG Read(int32_t& value, const wchar_t* name = L"Value") {
        value = -7; // whatever the caller held before must not survive
        return RegReadInteger(HKEY_CURRENT_USER, kKeyW, name, kDefault, value, seam_.api());
    }
    static std::optional<RawValue> StoredLanguage() {
        return ReadRaw(stored_registry::kSettingsKey, stored_registry::kLanguageValue);
    }
    static void StoreLanguage(const RawValue& value) {
        ASSERT_EQ(WriteRaw(stored_registry::kSettingsKey, stored_registry::kLanguageValue,
                           value.type, value.data),
                  ERROR_SUCCESS);
    }

    stored_registry::SavedLanguageSetting saved_;
    RegistrySeam seam_;
};

TEST_F(Settings, ReadPutsAtMostTwoStoredBytesOverTheLowEndOfTheDefaultWhateverTheType) {
    struct Row {
        DWORD type;
        Bytes data;
        LONG status;
        int32_t value;    // with kDefault as the default
        int32_t language; // LoadLanguage, which reads over 0
    };
    const Row rows[] = {
        {REG_BINARY, {}, ERROR_SUCCESS, kDefault, 0},
        {REG_BINARY, {0x05}, ERROR_SUCCESS, 0x12345605, 5},
        {REG_BINARY, {0x00, 0x00}, ERROR_SUCCESS, 0x12340000, 0},
        {REG_DWORD, {0x01, 0x00}, ERROR_SUCCESS, 0x12340001, 1},
        {REG_SZ, {'1', 0x00}, ERROR_SUCCESS, 0x12340031, 0x31},
        {REG_BINARY, {0xFF, 0xFF}, ERROR_SUCCESS, 0x1234FFFF, 65535},
        {REG_DWORD, {0x00, 0x00, 0x00, 0x00}, ERROR_MORE_DATA, kDefault, kLanguageCodeEnglish},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "type " << row.type << ", " << row.data.size() << " bytes");
        ASSERT_EQ(WriteRaw(kKey, "Value", row.type, row.data), ERROR_SUCCESS);
        int32_t value = 0;
        EXPECT_EQ(Read(value), row.status);
        EXPECT_EQ(value, row.value);
        StoreLanguage({row.type, row.data});
        EXPECT_EQ(LoadLanguage(seam_.api()), row.language);
    }
    int32_t value = 0;
    EXPECT_EQ(Read(value, L"Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, kDefault);
}

TEST_F(Settings, WriteCreatesTheKeyPathAndStoresTwoBytesLeastSignificantFirst) {
    const std::pair<int16_t, Bytes> cases[] = {
        {0, {0x00, 0x00}}, {0x1234, {0x34, 0x12}}, {-2, {0xFE, 0xFF}}, {-32768, {0x00, 0x80}}};
    const std::wstring inner = std::wstring(kKeyW) + L"\\Inner"; // neither it nor its parent
    for (const auto& [code, bytes] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(RegWriteInteger(HKEY_CURRENT_USER, inner, L"Value", code, seam_.api()),
                  ERROR_SUCCESS);
        EXPECT_EQ(ReadRaw("Software\\ZintarTests\\Settings\\Inner", "Value"),
                  (RawValue{REG_BINARY, bytes}));
    }
    // Over a value of another type and size, the save leaves exactly the 2-byte binary value.
    StoreLanguage({REG_DWORD, {0x07, 0x00, 0x00, 0x00}});
    EXPECT_TRUE(SaveLanguage(kLanguageCodeHungarian, seam_.api()));
    EXPECT_EQ(StoredLanguage(), kHungarian);
}

TEST_F(Settings, TheLanguageRoundTripsAndEveryLoadReadsTheStoreAfresh) {
    EXPECT_EQ(LoadLanguage(seam_.api()), kLanguageCodeEnglish) << "nothing stored";
    ASSERT_TRUE(SaveLanguage(kLanguageCodeHungarian, seam_.api()));
    EXPECT_EQ(StoredLanguage(), kHungarian);
    EXPECT_EQ(LoadLanguage(seam_.api()), kLanguageCodeHungarian);
    StoreLanguage(kEnglish); // as another running copy would
    EXPECT_EQ(LoadLanguage(seam_.api()), kLanguageCodeEnglish);
    ASSERT_TRUE(SaveLanguage(kLanguageCodeEnglish, seam_.api()));
    EXPECT_EQ(StoredLanguage(), kEnglish);
}

// Every call of a load fails in turn, with an error and with an exception: the load falls back
// to English over a stored Hungarian, never reports success, and closes what it opened.
TEST_F(Settings, ALoadThatFailsAtAnyCallFallsBackToEnglish) {
    StoreLanguage(kHungarian);
    ASSERT_EQ(WriteRaw(kKey, "Value", REG_BINARY, {0x00, 0x00}), ERROR_SUCCESS);
    int points = 0;
    for (int n = 1;; ++n) {
        const int before = seam_.Calls();
        seam_.FailAt(n, ERROR_ACCESS_DENIED);
        int32_t value = 0;
        const LONG status = Read(value);
        seam_.ClearFaults();
        if (seam_.Calls() - before < n)
            break; // the read made fewer calls: every point has been failed
        ++points;
        SCOPED_TRACE(n);
        EXPECT_EQ(status, ERROR_ACCESS_DENIED);
        seam_.FailAt(n, ERROR_ACCESS_DENIED);
        EXPECT_EQ(LoadLanguage(seam_.api()), kLanguageCodeEnglish);
        seam_.ThrowAt(n);
        EXPECT_NE(Read(value), ERROR_SUCCESS);
        seam_.ThrowAt(n);
        int32_t language = kLanguageCodeHungarian;
        EXPECT_NO_THROW(language = LoadLanguage(seam_.api()));
        EXPECT_EQ(language, kLanguageCodeEnglish);
        seam_.ClearFaults();
        EXPECT_EQ(seam_.OpenKeys(), 0);
    }
    EXPECT_EQ(points, 3) << "open, query, close";
    EXPECT_EQ(LoadLanguage(seam_.api()), kLanguageCodeHungarian) << "and without a fault it reads";
}

TEST_F(Settings, ASaveThatFailsAtAnyCallReportsFalse) {
    int points = 0;
    for (int n = 1;; ++n) {
        const int before = seam_.Calls();
        seam_.FailAt(n, ERROR_ACCESS_DENIED);
        const bool saved = SaveLanguage(kLanguageCodeHungarian, seam_.api());
        seam_.ClearFaults();
        if (seam_.Calls() - before < n)
            break;
        ++points;
        SCOPED_TRACE(n);
        EXPECT_FALSE(saved);
        seam_.ThrowAt(n);
        bool thrownSaved = true;
        EXPECT_NO_THROW(thrownSaved = SaveLanguage(kLanguageCodeHungarian, seam_.api()));
        EXPECT_FALSE(thrownSaved);
        seam_.ClearFaults();
        EXPECT_EQ(seam_.OpenKeys(), 0);
    }
    EXPECT_EQ(points, 3) << "create, set, close";
}

TEST_F(Settings, AFailedCloseDoesNotHideTheEarlierFailure) {
    ASSERT_EQ(WriteRaw(kKey, "Value", REG_BINARY, {0x00, 0x00}), ERROR_SUCCESS);
    seam_.FailAt(2, ERROR_ACCESS_DENIED);  // the query
    seam_.FailAt(3, ERROR_INVALID_HANDLE); // the close
    int32_t value = 0;
    EXPECT_EQ(Read(value), ERROR_ACCESS_DENIED);
    EXPECT_EQ(value, kDefault);
    seam_.FailAt(2, ERROR_NOT_ENOUGH_QUOTA); // the set
    seam_.FailAt(3, ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegWriteInteger(HKEY_CURRENT_USER, kKeyW, L"Value", 1, seam_.api()),
              ERROR_NOT_ENOUGH_QUOTA);
}

TEST_F(Settings, ARootKeyOfZeroMakesNoCallAndFails) {
    int32_t value = -7;
    EXPECT_NE(RegReadInteger(nullptr, kKeyW, L"Value", kDefault, value, seam_.api()),
              ERROR_SUCCESS);
    EXPECT_EQ(value, kDefault);
    EXPECT_NE(RegWriteInteger(nullptr, kKeyW, L"Value", 1, seam_.api()), ERROR_SUCCESS);
    EXPECT_EQ(seam_.Calls(), 0);
}

} // namespace
} // namespace zintar
