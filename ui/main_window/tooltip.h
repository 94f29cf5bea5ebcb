#pragma once
// The combination read-out is one line of fixed width; the longest names end in an ellipsis
// there, and this tooltip shows them whole. A name that fits shows no tip.
//
// The tooltip is a top-level window of its own, and most sessions never show a name too long
// for the read-out, so the start-up does not make it, nor load the common controls it comes
// from: the first name that overflows the read-out brings it. From then on the tooltip asks
// for its text each time it shows (OnNotify).
#include <windows.h>

#include <string>

#include "ui/main_window/label.h"

namespace zintar {

class CombinationTooltip {
  public:
    // The read-out has taken a new name.
    void OnShown(const Label& readOut, HWND owner, HINSTANCE instance);
    // The tooltip asks for its text; 0 for any other notice.
    LRESULT OnNotify(const Label& readOut, const NMHDR& header);

  private:
    static bool Overflows(const Label& readOut);
    void Create(const Label& readOut, HWND owner, HINSTANCE instance);

    HWND tooltip_ = nullptr; // owned by the window, destroyed with it
    std::wstring text_;
};

} // namespace zintar
