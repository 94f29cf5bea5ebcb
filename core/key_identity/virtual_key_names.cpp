#include "core/key_identity/virtual_key_names.h"

#include "core/key_identity/virtual_key_table.h"

namespace zintar {

std::wstring_view VirtualKeyConstantName(int keyCode) {
    return VirtualKeyRow(keyCode).constant;
}

} // namespace zintar
