#include "platform/registry_api.h"

namespace zintar {

const RegistryApi& RealRegistry() {
    static const RegistryApi api{&::RegOpenKeyExA, &::RegQueryValueExA, &::RegCreateKeyExA,
                                 &::RegSetValueExA, &::RegCloseKey};
    return api;
}

} // namespace zintar
