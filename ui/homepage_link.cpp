#include "app/frmZintar.h"
#include "ui/modVarnickCommon.h"

namespace zintar {

// The click changes no state: the link stays lit while the pointer is on it.
void frmZintar::lblHomepage_Click() {
    OpenHomepage(hwnd_, platform_.shellExecuteA);
}

} // namespace zintar
