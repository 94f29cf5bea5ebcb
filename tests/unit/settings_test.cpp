// The registry helpers and the language accessors over the fake registry: what they pass, what
// they report for every failure, and that no key stays open on any path.
#include "platform/language_setting.h"
#include "platform/registry_values.h"
#include "tests/support/fake_registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zintar {
namespace {

using Call = FakeRegistry::Call;
using Value = FakeRegistry::Value;
using Bytes = std::vector<BYTE>;

constexpr char kKey[] = "Software\\Morvaly";
constexpr char kName[] = "Language";
constexpr wchar_t kKeyW[] = L"Software\\Morvaly";
constexpr wchar_t kNameW[] = L"Language";
// Four different bytes, so a read that overwrites the wrong end or too much shows.
constexpr int32_t kDefault = 0x12345678;

class SettingsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_EQ(fake_.OpenHandleCount(), 0) << "a key handle was left open";
        EXPECT_EQ(fake_.BadCloseCount(), 0) << "a handle was closed twice or never opened";
    }

    void Store(DWORD type, Bytes data) { fake_.SetValue(kKey, kName, type, std::move(data)); }
    std::optional<Value> Stored() const { return fake_.GetValue(kKey, kName); }

    LONG Read(int32_t& value, int32_t defaultValue = kDefault) {
        value = -7; // whatever the caller held before must not survive
        return RegReadInteger(HKEY_CURRENT_USER, kKeyW, kNameW, defaultValue, value, fake_.api());
    }
    LONG Write(int16_t value) {
        return RegWriteInteger(HKEY_CURRENT_USER, kKeyW, kNameW, value, fake_.api());
    }

    FakeRegistry fake_;
};

// ---- reading ----

TEST_F(SettingsTest, ReadPutsUpToTwoStoredBytesOverTheLowEndOfTheDefaultWhateverTheType) {
    struct Row {
        DWORD type;
        Bytes data;
        LONG status;
        int32_t value;    // with kDefault as the default
        int32_t language; // LoadLanguage, whose default is 0
    };
    const Row rows[] = {
        {REG_BINARY, {}, ERROR_SUCCESS, kDefault, 0},
        {REG_BINARY, {0x05}, ERROR_SUCCESS, 0x12345605, 5},
        {REG_BINARY, {0x00, 0x00}, ERROR_SUCCESS, 0x12340000, 0},
        {REG_DWORD, {0x01, 0x00}, ERROR_SUCCESS, 0x12340001, 1},
        {REG_SZ, {'1', 0x00}, ERROR_SUCCESS, 0x12340031, 0x31},
        {REG_BINARY, {0xFF, 0xFF}, ERROR_SUCCESS, 0x1234FFFF, 65535},
        {REG_BINARY, {0x00, 0x00, 0x00}, ERROR_MORE_DATA, kDefault, 1},
        {REG_DWORD, {0x00, 0x00, 0x00, 0x00}, ERROR_MORE_DATA, kDefault, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(Value{row.type, row.data}));
        Store(row.type, row.data);
        int32_t value = 0;
        EXPECT_EQ(Read(value), row.status);
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(LoadLanguage(fake_.api()), row.language);
    }
}

TEST_F(SettingsTest, ReadKeepsTheHighBytesOfANegativeDefault) {
    int32_t value = 0;
    Store(REG_BINARY, {0x00, 0x00});
    EXPECT_EQ(Read(value, -1), ERROR_SUCCESS);
    EXPECT_EQ(value, static_cast<int32_t>(0xFFFF0000));
    Store(REG_BINARY, {0x02});
    EXPECT_EQ(Read(value, -1), ERROR_SUCCESS);
    EXPECT_EQ(value, static_cast<int32_t>(0xFFFFFF02));
}

TEST_F(SettingsTest, MissingKeyOrValueReportsNotFoundAndKeepsTheDefault) {
    int32_t value = 0;
    EXPECT_EQ(Read(value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, kDefault);
    EXPECT_EQ(fake_.CallSequence(),
              std::vector<Call>{Call::Open}); // nothing opened, nothing closed
    EXPECT_EQ(LoadLanguage(fake_.api()), kLanguageCodeEnglish);

    fake_.SetValue(kKey, "Other", REG_BINARY, {0x00, 0x00});
    EXPECT_EQ(Read(value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, kDefault);
    EXPECT_EQ(LoadLanguage(fake_.api()), kLanguageCodeEnglish);
}

TEST_F(SettingsTest, ReadPassesExactlyTheDocumentedArguments) {
    Store(REG_BINARY, {0x00, 0x00});
    int32_t value = 0;
    ASSERT_EQ(Read(value), ERROR_SUCCESS);
    ASSERT_EQ(fake_.CallSequence(), (std::vector<Call>{Call::Open, Call::Query, Call::Close}));

    const auto open = *fake_.LastCall(Call::Open);
    EXPECT_EQ(open.key, HKEY_CURRENT_USER);
    EXPECT_EQ(open.subKey, kKey);
    EXPECT_EQ(open.options, 0u);
    EXPECT_EQ(open.access, static_cast<REGSAM>(KEY_QUERY_VALUE));
    EXPECT_TRUE(open.resultPointer);

    const auto query = *fake_.LastCall(Call::Query);
    EXPECT_EQ(query.key, open.opened);
    EXPECT_EQ(query.valueName, kName);
    EXPECT_TRUE(query.reservedPointerNull);
    EXPECT_EQ(query.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_TRUE(query.dataPointer);
    EXPECT_EQ(query.size, 2u);

    EXPECT_EQ(fake_.LastCall(Call::Close)->key, open.opened);
}

// ---- writing ----

TEST_F(SettingsTest, WritePassesExactlyTheDocumentedArguments) {
    ASSERT_EQ(Write(1), ERROR_SUCCESS);
    ASSERT_EQ(fake_.CallSequence(), (std::vector<Call>{Call::Create, Call::Set, Call::Close}));

    const auto create = *fake_.LastCall(Call::Create);
    EXPECT_EQ(create.key, HKEY_CURRENT_USER);
    EXPECT_EQ(create.subKey, kKey);
    EXPECT_EQ(create.reserved, 0u);
    EXPECT_EQ(create.className, "") << "the class must be an empty text, not a null pointer";
    EXPECT_EQ(create.options, static_cast<DWORD>(REG_OPTION_NON_VOLATILE));
    EXPECT_EQ(create.access, static_cast<REGSAM>(KEY_CREATE_SUB_KEY | KEY_SET_VALUE));
    ASSERT_TRUE(create.security.has_value());
    EXPECT_EQ(create.security->nLength, 0u);
    EXPECT_EQ(create.security->lpSecurityDescriptor, nullptr);
    EXPECT_EQ(create.security->bInheritHandle, FALSE);
    EXPECT_TRUE(create.resultPointer);
    EXPECT_TRUE(create.dispositionPointer);

    const auto set = *fake_.LastCall(Call::Set);
    EXPECT_EQ(set.key, create.opened);
    EXPECT_EQ(set.valueName, kName);
    EXPECT_EQ(set.reserved, 0u);
    EXPECT_EQ(set.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(set.size, 2u);
    EXPECT_EQ(set.data, (Bytes{0x01, 0x00}));

    EXPECT_EQ(fake_.LastCall(Call::Close)->key, create.opened);
}

TEST_F(SettingsTest, WriteCreatesTheKeyAndStoresTwoBytesLeastSignificantFirst) {
    const std::pair<int16_t, Bytes> cases[] = {
        {0, {0x00, 0x00}},  {1, {0x01, 0x00}},      {0x1234, {0x34, 0x12}},
        {-1, {0xFF, 0xFF}}, {-32768, {0x00, 0x80}}, {255, {0xFF, 0x00}},
    };
    for (const auto& [code, bytes] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Write(code), ERROR_SUCCESS);
        EXPECT_EQ(Stored(), (Value{REG_BINARY, bytes}));
    }
    // Over a value of another type and size, the write leaves exactly the 2-byte binary value.
    Store(REG_DWORD, {0x07, 0x00, 0x00, 0x00});
    EXPECT_TRUE(SaveLanguage(kLanguageCodeHungarian, fake_.api()));
    EXPECT_EQ(Stored(), (Value{REG_BINARY, {0x00, 0x00}}));
}

TEST_F(SettingsTest, SaveLanguageWritesOnEveryCallAndLoadLanguageReadsOnEveryCall) {
    EXPECT_TRUE(SaveLanguage(kLanguageCodeEnglish, fake_.api()));
    EXPECT_TRUE(SaveLanguage(kLanguageCodeEnglish, fake_.api()));
    EXPECT_EQ(fake_.CallCount(Call::Set), 2);
    EXPECT_EQ(LoadLanguage(fake_.api()), kLanguageCodeEnglish);
    Store(REG_BINARY, {0x00, 0x00}); // changed behind its back, as another copy would
    EXPECT_EQ(LoadLanguage(fake_.api()), kLanguageCodeHungarian);
    EXPECT_EQ(fake_.CallCount(Call::Query), 2);
}

// ---- failing calls ----

TEST_F(SettingsTest, AFailingReadCallIsTheStatusAndLoadLanguageFallsBackToEnglish) {
    struct Row {
        Call call;
        LONG error;
    };
    const Row rows[] = {
        {Call::Open, ERROR_ACCESS_DENIED},
        {Call::Open, ERROR_FILE_NOT_FOUND},
        {Call::Query, ERROR_ACCESS_DENIED},
        {Call::Query, ERROR_MORE_DATA},
    };
    Store(REG_BINARY, {0x00, 0x00}); // Hungarian: a fallback to English shows
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << FakeRegistry::CallName(row.call) << " fails " << row.error);
        fake_.FailCall(row.call, row.error);
        int32_t value = 0;
        EXPECT_EQ(Read(value), row.error);
        EXPECT_EQ(value, kDefault);
        fake_.FailCall(row.call, row.error);
        EXPECT_EQ(LoadLanguage(fake_.api()), kLanguageCodeEnglish);
        EXPECT_EQ(fake_.OpenHandleCount(), 0);
    }
}

TEST_F(SettingsTest, AFailingWriteCallIsTheStatusAndSaveLanguageReportsFalse) {
    Store(REG_BINARY, {0x00, 0x00});
    fake_.FailCall(Call::Create, ERROR_ACCESS_DENIED);
    EXPECT_EQ(Write(1), ERROR_ACCESS_DENIED);
    fake_.FailCall(Call::Create, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(SaveLanguage(kLanguageCodeEnglish, fake_.api()));
    EXPECT_EQ(fake_.CallCount(Call::Close), 0) << "nothing was opened";

    fake_.FailCall(Call::Set, ERROR_NOT_ENOUGH_QUOTA);
    EXPECT_EQ(Write(1), ERROR_NOT_ENOUGH_QUOTA);
    fake_.FailCall(Call::Set, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(SaveLanguage(kLanguageCodeEnglish, fake_.api()));
    EXPECT_EQ(fake_.CallCount(Call::Close), 2) << "the created key is closed after a failed set";
    EXPECT_EQ(Stored(), (Value{REG_BINARY, {0x00, 0x00}}));
}

TEST_F(SettingsTest, AFailedCloseAfterASuccessfulReadOrWriteMakesTheCallFail) {
    Store(REG_BINARY, {0x00, 0x00});
    fake_.FailCloseAfterClosing(ERROR_INVALID_HANDLE);
    int32_t value = 0;
    EXPECT_EQ(Read(value), ERROR_INVALID_HANDLE);
    EXPECT_EQ(value, 0x12340000) << "the bytes were read before the close failed";
    fake_.FailCloseAfterClosing(ERROR_INVALID_HANDLE);
    EXPECT_EQ(LoadLanguage(fake_.api()), kLanguageCodeEnglish);

    fake_.FailCloseAfterClosing(ERROR_INVALID_HANDLE);
    EXPECT_EQ(Write(0x0102), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Stored(), (Value{REG_BINARY, {0x02, 0x01}})) << "the value was written all the same";
    fake_.FailCloseAfterClosing(ERROR_INVALID_HANDLE);
    EXPECT_FALSE(SaveLanguage(kLanguageCodeHungarian, fake_.api()));
}

TEST_F(SettingsTest, AFailedCloseDoesNotHideAnEarlierFailure) {
    Store(REG_DWORD, {0x01, 0x00, 0x00, 0x00});
    fake_.FailCloseAfterClosing(ERROR_INVALID_HANDLE);
    int32_t value = 0;
    EXPECT_EQ(Read(value), ERROR_MORE_DATA);

    fake_.FailCall(Call::Set, ERROR_ACCESS_DENIED);
    fake_.FailCloseAfterClosing(ERROR_INVALID_HANDLE);
    EXPECT_EQ(Write(1), ERROR_ACCESS_DENIED);
}

// ---- failures inside the helpers ----

// A run-time failure ends the helper with 99 (no failing call came before it): never with the
// 0 of the calls that succeeded before the failure, which would report the failure as success.
// The key it opened is still closed.
TEST_F(SettingsTest, AnExceptionInAReadCallEndsTheReadWithTheLastStatus) {
    struct Row {
        Call call;
        LONG status;
        int32_t value;
    };
    const Row rows[] = {
        {Call::Open, kStatusNoRegistryCall, kDefault},
        {Call::Query, kStatusNoRegistryCall, kDefault},   // not the open's 0
        {Call::Close, kStatusNoRegistryCall, 0x12340000}, // not the query's 0; the bytes were read
    };
    Store(REG_BINARY, {0x00, 0x00});
    for (const Row& row : rows) {
        SCOPED_TRACE(FakeRegistry::CallName(row.call));
        fake_.ThrowOnCall(row.call);
        int32_t value = 0;
        LONG status = -1;
        EXPECT_NO_THROW(status = Read(value));
        EXPECT_EQ(status, row.status);
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(fake_.OpenHandleCount(), 0) << "the opened key must still be closed";
    }
    for (Call call : {Call::Open, Call::Query, Call::Close}) {
        SCOPED_TRACE(FakeRegistry::CallName(call));
        fake_.ThrowOnCall(call);
        int32_t language = 0;
        EXPECT_NO_THROW(language = LoadLanguage(fake_.api()));
        EXPECT_EQ(language, kLanguageCodeEnglish) << "a stored 00 00 read halfway is no Hungarian";
    }
}

TEST_F(SettingsTest, AnExceptionInAWriteCallEndsTheWriteWithTheLastStatus) {
    struct Row {
        Call call;
        LONG status;
        Bytes stored;
    };
    const Row rows[] = {
        {Call::Create, kStatusNoRegistryCall, {0x00, 0x00}},
        {Call::Set, kStatusNoRegistryCall, {0x00, 0x00}},   // not the create's 0
        {Call::Close, kStatusNoRegistryCall, {0x01, 0x00}}, // not the set's 0
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(FakeRegistry::CallName(row.call));
        Store(REG_BINARY, {0x00, 0x00});
        fake_.ThrowOnCall(row.call);
        LONG status = -1;
        EXPECT_NO_THROW(status = Write(1));
        EXPECT_EQ(status, row.status);
        EXPECT_EQ(Stored(), (Value{REG_BINARY, row.stored}));
        EXPECT_EQ(fake_.OpenHandleCount(), 0) << "the created key must still be closed";
    }
    for (Call call : {Call::Create, Call::Set, Call::Close}) {
        SCOPED_TRACE(FakeRegistry::CallName(call));
        fake_.ThrowOnCall(call);
        bool saved = true;
        EXPECT_NO_THROW(saved = SaveLanguage(kLanguageCodeEnglish, fake_.api()));
        EXPECT_FALSE(saved) << "a save that failed halfway is not reported as done";
    }
}

TEST_F(SettingsTest, ARootKeyOfZeroMakesNoCallAndReports99) {
    int32_t value = -7;
    EXPECT_EQ(RegReadInteger(nullptr, kKeyW, kNameW, kDefault, value, fake_.api()),
              kStatusNoRegistryCall);
    EXPECT_EQ(value, kDefault);
    EXPECT_EQ(RegWriteInteger(nullptr, kKeyW, kNameW, 1, fake_.api()), kStatusNoRegistryCall);
    EXPECT_EQ(fake_.TotalCallCount(), 0);
}

// ---- the code start-up applies ----


} // namespace
} // namespace zintar
