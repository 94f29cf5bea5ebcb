#pragma once
// The main window as data: every control with its design properties, in twips.
// The form is built from this table; no other code holds a coordinate.
#include <array>
#include <cstdint>

#include "core/converter/controls.h"

namespace zintar {

enum class ControlKind : uint8_t { Shape, Line, Label, Image, TextBox, Timer };
enum class Align : uint8_t { Left, Center, Right };

enum class FontId : uint8_t {
    None,
    Arial48,             // capture box
    Arial15Bold,         // code boxes and read-outs (15.75 pt)
    Arial9Bold,          // captions and publisher line (9.75 pt)
    Arial8Bold,          // version and home page link (8.25 pt)
    Arial8BoldUnderline, // the home page link while lit
    Georgia15,           // program title (15.75 pt)
};
constexpr int kFontCount = 7;

struct FontDesign {
    const wchar_t* face;
    int hundredthsOfPoint;
    int weight;
    bool underline;
};

// Colours are 0xBBGGRR; 0x800000nn names the desktop's system colour nn.
constexpr uint32_t kColourWhite = 0xFFFFFF;
constexpr uint32_t kColourSilver = 0xC0C0C0;
constexpr uint32_t kSysWindowBackground = 0x80000005;
constexpr uint32_t kSysWindowText = 0x80000008;
constexpr uint32_t kSysButtonFace = 0x8000000F;
constexpr uint32_t kSysButtonShadow = 0x80000010;
constexpr uint32_t kSysButtonText = 0x80000012;

struct TwipsRect {
    int left, top, width, height;
};

struct ControlDesign {
    Control id;
    const wchar_t* name; // the design name, by which documents and the inspector know it
    ControlKind kind;
    TwipsRect twips; // a line is its start point and its run to the right (height 0)
    FontId font = FontId::None;
    uint32_t back = kSysButtonFace;
    uint32_t fore = kSysButtonText;
    Align align = Align::Left;
    bool autoSize = false;
    bool sunkenBorder = false;
    bool visible = true;
    int maxLength = 0;  // text boxes
    int focusOrder = 0; // text boxes, 1 first
    int stackOrder = 0; // drawn controls, 1 on top; the text boxes lie above them all
    const wchar_t* text = L"";
    int picture = 0;    // images: resource id
    int intervalMs = 0; // timer
};

struct WindowDesign {
    const wchar_t* designTitle;
    int clientWidthTwips;
    int clientHeightTwips;
    uint32_t back;
};

extern const WindowDesign kWindowDesign;
extern const std::array<ControlDesign, kControlCount> kLayout;
extern const std::array<FontDesign, kFontCount> kFonts;

constexpr int kTwipsPerInch = 1440;
constexpr int kDesignDpi = 96; // 15 twips per pixel

// The one conversion from design units to the pixels of a window at its DPI, rounded like
// MulDiv(twips, dpi, 1440): halves away from zero.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

struct PixelBox {
    int left, top, width, height;
};
constexpr PixelBox ToPixels(const TwipsRect& t, int dpi) {
    return {TwipsToPixels(t.left, dpi), TwipsToPixels(t.top, dpi), TwipsToPixels(t.width, dpi),
            TwipsToPixels(t.height, dpi)};
}

// An auto-size label is one pixel wider and higher than its text's extent, so that the
// last letter and the descenders keep a pixel of the label's own background around them.
constexpr int kAutoSizeSlackPixels = 1;

const ControlDesign& Design(Control id);

// The controls that are windows, in creation order: the text boxes in focus order, then the
// drawn controls from the top of the stack down. Creation order is the windows' z-order.
constexpr int kWindowedControlCount = 22;
std::array<const ControlDesign*, kWindowedControlCount> CreationOrder();

} // namespace zintar
