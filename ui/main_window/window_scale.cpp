#include "ui/main_window/window_scale.h"

#include "ui/main_window/image_window.h"
#include "ui/main_window/pictures.h"

namespace zintar {

TwipsRect PlacedTwips(const ControlDesign& design) {
    TwipsRect place = design.twips;
    const Control under = design.id == Control::EnglishFlagLit     ? Control::EnglishFlag
                          : design.id == Control::HungarianFlagLit ? Control::HungarianFlag
                                                                   : design.id;
    place.left = Design(under).twips.left;
    place.top = Design(under).twips.top;
    return place;
}

SIZE ClientSizeAt(int dpi) {
    return {TwipsToPixels(kWindowDesign.clientWidthTwips, dpi),
            TwipsToPixels(kWindowDesign.clientHeightTwips, dpi)};
}

void ScaleControls(WindowControls& controls, HINSTANCE instance, int dpi) {
    FontSet fonts;
    fonts.Create(dpi);
    std::array<win32::ScopedBitmap, kControlCount> pictures{};
    const PictureLoader loader(instance);
    for (const ControlDesign* s : CreationOrder()) {
        HWND control = controls.windows[Index(s->id)];
        if (!control)
            continue;
        const PixelBox r = ToPixels(PlacedTwips(*s), dpi);
        SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (s->kind == ControlKind::Image) {
            pictures[Index(s->id)] = loader.Load(s->picture, dpi);
            SetImageBitmap(control, pictures[Index(s->id)].get());
        } else if (s->kind == ControlKind::TextBox) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(s->font)), TRUE);
        }
    }
    // The labels draw with the set they were given, which now holds the new fonts.
    controls.fonts = std::move(fonts);
    controls.pictures = std::move(pictures);
    for (const ControlDesign* s : CreationOrder())
        if (s->kind == ControlKind::Label)
            controls.labels[Index(s->id)].OnFontChanged();
}

} // namespace zintar
