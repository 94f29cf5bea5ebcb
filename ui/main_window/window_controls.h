#pragma once
// The main window's controls and what they draw with: every child window by its Control, the
// objects that own the labels, the code boxes and the capture box, the tooltip and the
// accessible names, and the fonts, pictures and icons made for the window's DPI.
#include <windows.h>

#include <array>

#include "platform/window/scoped_handles.h"
#include "platform/window/window_icons.h"
#include "ui/main_window/accessible_names.h"
#include "ui/main_window/capture_box.h"
#include "ui/main_window/code_field.h"
#include "ui/main_window/fonts.h"
#include "ui/main_window/label.h"
#include "ui/main_window/layout.h"
#include "ui/main_window/tooltip.h"

namespace zintar {

struct WindowControls {
    std::array<HWND, kControlCount> windows{}; // by Control; destroyed with the main window
    FontSet fonts;
    std::array<win32::ScopedBitmap, kControlCount> pictures{}; // the image controls'
    win32::WindowIcons icons;
    std::array<Label, kControlCount> labels{}; // at the labels' places; the rest stay unused
    std::array<CodeField, kCodeBoxCount> codeFields{}; // by CodeBox
    CaptureBox captureBox;
    CombinationTooltip tooltip;
    AccessibleNames accessible;
};

} // namespace zintar
