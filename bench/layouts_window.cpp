// The keyboard layouts window's first show and its later openings, through the real main
// window's menu command, against reading the installed layouts alone in the same run. The
// test layouts must be installed in the prefix (bench/run.sh does it); each opening reads
// them again, lists them, draws the one chosen and fills its key table and the shortcut
// check, all painted before the time stops.
//
// usage: zintar_bench_layouts_window [OPENINGS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/form_bench.h"
#include "platform/input/layout_registry.h"
#include "ui/keyboard_layouts/layouts_window.h"

namespace {

using namespace zintar;
using namespace zintar::bench;

// Sent and then painted: the opening and everything it drew, before the clock stops.
double OpenMs(MainWindow& form) {
    const double start = NowMicroseconds();
    SendMessageW(form.hwnd(), WM_SYSCOMMAND, MainWindow::kKeyboardLayoutsCommand, 0);
    if (LayoutsWindow* window = form.layoutsWindow())
        RedrawWindow(window->hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return (NowMicroseconds() - start) / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::unique_ptr<MainWindow> form = ShownWindow();
    if (!form) {
        std::printf("the window could not be made\n");
        return 1;
    }
    const size_t installed = win32::ReadEveryInstalledLayout().size();
    std::vector<double> reads;
    for (int i = 0; i < openings; ++i) {
        const double start = NowMicroseconds();
        (void)win32::ReadEveryInstalledLayout();
        reads.push_back((NowMicroseconds() - start) / 1000.0);
    }
    const double first = OpenMs(*form);
    Pump(form->hwnd());
    std::vector<double> again;
    for (int i = 0; i < openings; ++i) {
        SendMessageW(form->layoutsWindow()->hwnd(), WM_CLOSE, 0, 0);
        Pump(form->hwnd());
        again.push_back(OpenMs(*form));
        Pump(form->hwnd());
    }
    std::printf("Keyboard layouts window, %zu layouts installed\n", installed);
    std::printf("  first show (window made, layouts read, drawn):     %8.2f ms\n", first);
    std::printf("  each later opening (layouts read again, drawn):   %8.2f ms median of %d\n",
                Median(again), openings);
    std::printf("  baseline, reading the installed layouts alone:     %8.2f ms median\n",
                Median(reads));
    return 0;
}
