#pragma once
// An in-memory per-user registry behind a RegistryApi table, for tests that must see every
// registry call the program makes, fail any of them, and check that every key is closed.
//
//   FakeRegistry fake;                        // installs itself; one live fake at a time
//   const RegistryApi& api = fake.api();      // pass this wherever RealRegistry() would go
//   fake.SetValue("Software\\Morvaly", "Language", REG_BINARY, {0x00, 0x00});
//   fake.FailCall(FakeRegistry::Call::Create, ERROR_ACCESS_DENIED);  // the next create fails
//   ... code under test ...
//   std::optional<FakeRegistry::Value> v = fake.GetValue("Software\\Morvaly", "Language");
//   EXPECT_EQ(fake.OpenHandleCount(), 0);
//   EXPECT_EQ(fake.BadCloseCount(), 0);
//
// The store holds one hive, HKEY_CURRENT_USER. Through the table the five functions behave
// like the real ones where callers rely on them:
// - Keys are found by path: names separated by backslashes, compared without regard to ASCII
//   case; a path that starts with a backslash is ERROR_BAD_PATHNAME, a trailing or doubled
//   backslash is ignored. A null or empty path gives a new handle to the key given.
// - Open fails with ERROR_FILE_NOT_FOUND for a missing key; create makes the key with every
//   missing parent and reports REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY. A failed open
//   or create stores a null handle, as the real functions do.
// - Every opened key gets a new handle value, never reused. Query needs KEY_QUERY_VALUE and set
//   needs KEY_SET_VALUE on the handle, otherwise ERROR_ACCESS_DENIED (HKEY_CURRENT_USER itself
//   allows everything).
// - Query reports the type, fails with ERROR_FILE_NOT_FOUND for a missing value and with
//   ERROR_MORE_DATA when the buffer is too small; then it sets the needed size and scribbles
//   0xCD over the buffer, whose contents the real function leaves undefined, so a caller that
//   uses the buffer after a failed query is caught. A null data pointer asks only for the size.
// - A handle the fake never handed out, or one already closed, is ERROR_INVALID_HANDLE; a close
//   of such a handle, or of HKEY_CURRENT_USER, is also counted by BadCloseCount().
//
// Failure injection counts calls from the moment it is armed: nth 1 is the next call of that
// function. An injected error is returned before the call does anything, so a close failed with
// FailCall leaves its key open; FailCloseAfterClosing really closes the key and then reports
// the error. ThrowOnCall throws InjectedException before the call does anything, so a key whose
// close throws is still open too.
//
// Every call is recorded with its arguments (CallRecord) for tests that check exactly what is
// passed. The fake is meant for the one thread that makes the program's registry calls.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_api.h"

namespace zintar {

class FakeRegistry {
  public:
    enum class Call { Open, Query, Create, Set, Close };
    static const char* CallName(Call call); // the real function's name, for messages

    struct Value {
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
        friend bool operator==(const Value&, const Value&) = default;
        friend void PrintTo(const Value& value, std::ostream* out);
    };

    // What one call through the table was given and what it returned. Fields a function does
    // not take keep their defaults.
    struct CallRecord {
        Call call{};
        HKEY key = nullptr;                          // the handle the call works on
        std::optional<std::string> subKey;           // Open, Create; nullopt for a null pointer
        std::optional<std::string> valueName;        // Query, Set; nullopt for a null pointer
        DWORD options = 0;                           // Open ulOptions, Create dwOptions
        REGSAM access = 0;                           // Open, Create
        DWORD reserved = 0;                          // Create, Set
        bool reservedPointerNull = true;             // Query lpReserved
        std::optional<std::string> className;        // Create; nullopt for a null pointer
        std::optional<SECURITY_ATTRIBUTES> security; // Create; nullopt for a null pointer
        bool resultPointer = false;                  // Open, Create: phkResult given
        bool dispositionPointer = false;             // Create: lpdwDisposition given
        std::optional<DWORD> type;                   // Query: *lpType on entry; Set: dwType
        bool dataPointer = false;                    // Query, Set: a data buffer given
        std::optional<DWORD> size;                   // Query: *lpcbData on entry; Set: cbData
        std::vector<BYTE> data;                      // Set: the bytes passed
        HKEY opened = nullptr;                       // Open, Create: the handle handed out
        LONG result = ERROR_SUCCESS;                 // what the call returned, unless it threw
        bool threw = false;                          // InjectedException left the call
    };

    struct InjectedException : std::runtime_error {
        explicit InjectedException(Call call);
        Call call;
    };

    FakeRegistry(); // aborts the test program if another fake is live
    ~FakeRegistry();
    FakeRegistry(const FakeRegistry&) = delete;
    FakeRegistry& operator=(const FakeRegistry&) = delete;

    // The table whose functions reach the live fake.
    const RegistryApi& api() const;

    // Direct access to the store, below HKEY_CURRENT_USER; not counted as calls. A path the
    // real functions would refuse throws std::invalid_argument.
    void CreateKey(std::string_view keyPath);
    void SetValue(std::string_view keyPath, std::string_view name, DWORD type,
                  std::vector<BYTE> data); // creates the key path as needed
    bool KeyExists(std::string_view keyPath) const;
    std::optional<Value> GetValue(std::string_view keyPath, std::string_view name) const;

    // Failure injection.
    void FailCall(Call call, LONG error, int nth = 1);
    void FailEveryCall(Call call, LONG error);
    void ThrowOnCall(Call call, int nth = 1);
    void FailCloseAfterClosing(LONG error, int nth = 1);
    void ClearFaults();

    // Accounting.
    int CallCount(Call call) const;
    int TotalCallCount() const { return static_cast<int>(calls_.size()); }
    const std::vector<CallRecord>& Calls() const { return calls_; } // in call order
    std::vector<Call> CallSequence() const;
    std::optional<CallRecord> LastCall(Call call) const;
    int OpenHandleCount() const { return static_cast<int>(handles_.size()); }
    int BadCloseCount() const { return badCloses_; }

  private:
    struct Key;
    struct CaseLess {
        bool operator()(std::string_view a, std::string_view b) const;
        using is_transparent = void;
    };
    struct Key {
        std::map<std::string, std::unique_ptr<Key>, CaseLess> subkeys;
        std::map<std::string, Value, CaseLess> values;
    };
    struct OpenHandle {
        Key* key;
        REGSAM access;
    };
    enum class FaultKind { Error, Throw, ErrorAfterClose };
    struct Fault {
        Call call;
        int callNumber; // 1-based over the fake's lifetime; 0 means every call
        FaultKind kind;
        LONG error;
    };

    static LONG WINAPI OpenTrampoline(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
    static LONG WINAPI QueryTrampoline(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
    static LONG WINAPI CreateTrampoline(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM,
                                        LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD);
    static LONG WINAPI SetTrampoline(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
    static LONG WINAPI CloseTrampoline(HKEY);
    static FakeRegistry& Live();

    LONG Open(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
    LONG Query(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
    LONG Create(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD);
    LONG Set(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
    LONG Close(HKEY);

    CallRecord& Record(Call call);
    const Fault* FaultFor(Call call) const;
    const Fault* InjectedFault(CallRecord& record);
    LONG KeyOf(HKEY key, REGSAM needed, Key*& found);
    LONG BeginKeyCall(CallRecord& r, HKEY key, LPCSTR subKey, PHKEY result, Key*& base,
                      std::vector<std::string_view>& names);
    LONG Finish(CallRecord& record, LONG result);
    const OpenHandle* Resolve(HKEY key) const;
    HKEY NewHandle(Key* key, REGSAM access);
    Key* Find(std::string_view keyPath) const;

    Key root_;
    std::map<HKEY, OpenHandle> handles_;
    uintptr_t nextHandle_ = 0x1000;
    std::vector<CallRecord> calls_;
    std::vector<Fault> faults_;
    int badCloses_ = 0;
};

} // namespace zintar
