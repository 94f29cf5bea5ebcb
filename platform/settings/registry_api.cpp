#include "platform/settings/registry_api.h"

namespace zintar::win32 {

const RegistryApi& RealRegistry() {
    static const RegistryApi api{&::RegOpenKeyExA, &::RegQueryValueExA, &::RegCreateKeyExA,
                                 &::RegSetValueExA, &::RegCloseKey};
    return api;
}

} // namespace zintar::win32
