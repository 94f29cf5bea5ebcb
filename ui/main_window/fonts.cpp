#include "ui/main_window/fonts.h"

#include <cwchar>

namespace zintar {

win32::ScopedFont CreateDesignFont(const FontDesign& design, int dpi) {
    if (!design.face[0])
        return {};
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(design.hundredthsOfPoint, dpi, 7200);
    lf.lfWeight = design.weight;
    lf.lfUnderline = design.underline ? TRUE : FALSE;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    wcsncpy(lf.lfFaceName, design.face, LF_FACESIZE - 1);
    return win32::ScopedFont(CreateFontIndirectW(&lf));
}

void FontSet::Create(int dpi) {
    for (size_t f = 0; f < kFonts.size(); ++f)
        fonts_[f] = CreateDesignFont(kFonts[f], dpi);
}

FontId LabelFontId(FontId design, bool underline) {
    if (underline && design == FontId::Arial8Bold)
        return FontId::Arial8BoldUnderline;
    return design;
}

} // namespace zintar
