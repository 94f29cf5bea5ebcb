#include "tests/support/registry_seam.h"

namespace zintar {

namespace {

RegistrySeam* live = nullptr;

LSTATUS WINAPI Open(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
    RegistrySeam& seam = RegistrySeam::Live();
    LONG error = 0;
    if (seam.Enter(RegistrySeam::Call::Open, error)) {
        *result = nullptr; // as a failed open leaves it
        return error;
    }
    const LSTATUS status = ::RegOpenKeyExA(key, subKey, options, access, result);
    if (status == ERROR_SUCCESS)
        seam.Opened(*result);
    return status;
}

LSTATUS WINAPI Query(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                     LPDWORD size) {
    LONG error = 0;
    if (RegistrySeam::Live().Enter(RegistrySeam::Call::Query, error))
        return error;
    return ::RegQueryValueExA(key, name, reserved, type, data, size);
}

LSTATUS WINAPI Create(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                      REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                      LPDWORD disposition) {
    RegistrySeam& seam = RegistrySeam::Live();
    LONG error = 0;
    if (seam.Enter(RegistrySeam::Call::Create, error)) {
        *result = nullptr;
        return error;
    }
    const LSTATUS status = ::RegCreateKeyExA(key, subKey, reserved, keyClass, options, access,
                                             security, result, disposition);
    if (status == ERROR_SUCCESS)
        seam.Opened(*result);
    return status;
}

LSTATUS WINAPI Set(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                   DWORD size) {
    LONG error = 0;
    if (RegistrySeam::Live().Enter(RegistrySeam::Call::Set, error))
        return error;
    return ::RegSetValueExA(key, name, reserved, type, data, size);
}

LSTATUS WINAPI Close(HKEY key) {
    RegistrySeam& seam = RegistrySeam::Live();
    LONG error = 0;
    const bool fail = seam.Enter(RegistrySeam::Call::Close, error);
    const LSTATUS status = ::RegCloseKey(key);
    if (status == ERROR_SUCCESS)
        seam.Closed(key);
    return fail ? error : status;
}

const win32::RegistryApi kSeamApi{&Open, &Query, &Create, &Set, &Close};

} // namespace

RegistrySeam::RegistrySeam() {
    live = this;
}

RegistrySeam::~RegistrySeam() {
    live = nullptr;
}

const win32::RegistryApi& RegistrySeam::api() const {
    return kSeamApi;
}

RegistrySeam& RegistrySeam::Live() {
    if (!live)
        throw std::logic_error("a registry call through the seam with no live seam");
    return *live;
}

int RegistrySeam::CallCount(Call call) const {
    const auto found = counts_.find(call);
    return found == counts_.end() ? 0 : found->second;
}

bool RegistrySeam::Enter(Call call, LONG& error) {
    ++counts_[call];
    const auto fault = faults_.find(++calls_);
    if (fault == faults_.end())
        return false;
    if (fault->second == kThrow)
        throw InjectedFault();
    error = fault->second;
    return true;
}

void RegistrySeam::Closed(HKEY key) {
    if (open_.erase(key) == 0)
        ++badCloses_;
}

} // namespace zintar
