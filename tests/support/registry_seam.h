#pragma once
// The real registry functions (Wine's, in the test prefix) behind a RegistryApi table that
// numbers every call, can make call N fail or throw, and keeps the keys it handed out, so a
// test can see that every key opened is closed once.
//
//   RegistrySeam seam;                       // one live seam at a time
//   seam.FailAt(2, ERROR_ACCESS_DENIED);     // the second call from now returns the error
//   LoadLanguage(seam.api());
//   EXPECT_EQ(seam.OpenKeys(), 0);
//
// An injected error skips the call, except for a close: a key whose close reports an error is
// closed all the same, since the real function leaves nothing a caller could retry. A thrown
// fault is thrown before the call does anything, so a key whose close throws is still open.
#include <windows.h>

#include <map>
#include <set>
#include <stdexcept>

#include "platform/settings/registry_api.h"

namespace zintar {

class RegistrySeam {
  public:
    enum class Call { Open, Query, Create, Set, Close };
    struct InjectedFault : std::runtime_error {
        InjectedFault() : std::runtime_error("fault injected by the test") {}
    };

    RegistrySeam();
    ~RegistrySeam();
    RegistrySeam(const RegistrySeam&) = delete;
    RegistrySeam& operator=(const RegistrySeam&) = delete;

    const win32::RegistryApi& api() const;

    // Call n from now (1 is the next, of any function) returns error, or throws.
    void FailAt(int n, LONG error) { faults_[calls_ + n] = error; }
    void ThrowAt(int n) { faults_[calls_ + n] = kThrow; }
    void ClearFaults() { faults_.clear(); }

    int Calls() const { return calls_; }
    int CallCount(Call call) const;
    int OpenKeys() const { return static_cast<int>(open_.size()); }
    int BadCloses() const { return badCloses_; } // closes of a key not open

    // Used by the table's functions.
    static RegistrySeam& Live();
    // Numbers the call; true when it is to fail with error (a throw happens here).
    bool Enter(Call call, LONG& error);
    void Opened(HKEY key) { open_.insert(key); }
    void Closed(HKEY key);

  private:
    static constexpr LONG kThrow = -1;
    int calls_ = 0;
    std::map<Call, int> counts_;
    std::map<int, LONG> faults_;
    std::set<HKEY> open_;
    int badCloses_ = 0;
};

} // namespace zintar
