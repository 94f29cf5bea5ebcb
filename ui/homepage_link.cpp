#include "platform/shell.h"
#include "ui/main_window.h"

namespace zintar {

// The click changes no state: the link stays lit while the pointer is on it.
void MainWindow::OpenHomepageLink() {
    OpenHomepage(hwnd_, seams_.shellExecuteA);
}

} // namespace zintar
