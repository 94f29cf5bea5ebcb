#pragma once
// The scan-code tables that Windows' US layout uses on a 101/102-key keyboard (type 4): which
// virtual key each scan code gives, without prefix, after E0 and after E1. Most layouts of
// Latin script keep them and move only letters and punctuation. They stand for US's key
// places where no US layout DLL can be read (Wine ships none), and are the base that a
// layout description starts from.
#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

// Only the scan-code tables and the standard modifier keys (Shift, Ctrl, Alt) are filled.
KeyboardLayoutTables StandardScanCodes();

} // namespace zintar
