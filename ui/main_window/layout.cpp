#include "ui/main_window/layout.h"

#include "ui/common/resource_ids.h"
#include "core/converter/captions.h"
#include "core/converter/homepage.h"

namespace zintar {

const WindowDesign kWindowDesign{
    .designTitle = L"title",
    .clientWidthTwips = 5415,
    .clientHeightTwips = 3735,
    .back = kSysButtonFace,
};

const std::array<FontDesign, kFontCount> kFonts{{
    {L"", 0, 0, false},
    {L"Arial", 4800, 400, false},
    {L"Arial", 1575, 700, false},
    {L"Arial", 975, 700, false},
    {L"Arial", 825, 700, false},
    {L"Arial", 825, 700, true},
    {L"Georgia", 1575, 400, false},
}};

// Rows in the order of the Control enumeration (top of the window to the bottom).
// clang-format off
const std::array<ControlDesign, kControlCount> kLayout{{
    {.id = Control::HeaderBand, .name = L"Shape1", .kind = ControlKind::Shape,
     .twips = {0, 0, 10935, 1095}, .back = kColourWhite, .stackOrder = 19},
    {.id = Control::HeaderLine, .name = L"Line1", .kind = ControlKind::Line,
     .twips = {0, 1050, 11880, 0}, .fore = kSysButtonShadow, .stackOrder = 14},
    {.id = Control::TitleLabel, .name = L"lblTitle", .kind = ControlKind::Label,
     .twips = {120, 120, 1830, 375}, .font = FontId::Georgia15, .back = kSysWindowBackground,
     .autoSize = true, .stackOrder = 13, .text = L"Karakter k\u00F3d"},
    {.id = Control::EnglishFlag, .name = L"imgLangEng", .kind = ControlKind::Image,
     .twips = {4680, 60, 315, 300}, .stackOrder = 9, .picture = IDR_IMGLANGENG_GIF},
    {.id = Control::HungarianFlag, .name = L"imgLangHUN", .kind = ControlKind::Image,
     .twips = {5040, 60, 315, 300}, .stackOrder = 8, .picture = IDR_IMGLANGHUN_GIF},
    {.id = Control::EnglishFlagLit, .name = L"imgLangEng_hl", .kind = ControlKind::Image,
     .twips = {3360, 120, 315, 300}, .visible = false, .stackOrder = 2,
     .picture = IDB_IMGLANGENG_HL},
    {.id = Control::HungarianFlagLit, .name = L"imgLangHUN_hl", .kind = ControlKind::Image,
     .twips = {3720, 120, 315, 300}, .visible = false, .stackOrder = 1,
     .picture = IDB_IMGLANGHUN_HL},
    {.id = Control::VersionLabel, .name = L"lblVersion", .kind = ControlKind::Label,
     .twips = {4485, 480, 855, 210}, .font = FontId::Arial8Bold, .back = kColourWhite,
     .fore = kColourSilver, .align = Align::Right, .autoSize = true, .stackOrder = 4,
     .text = L"lblVersion"},
    {.id = Control::Emblem, .name = L"Image2", .kind = ControlKind::Image,
     .twips = {150, 615, 240, 240}, .stackOrder = 11, .picture = IDB_IMAGE2},
    {.id = Control::PublisherLabel, .name = L"Label5", .kind = ControlKind::Label,
     .twips = {465, 615, 1590, 240}, .font = FontId::Arial9Bold, .back = kSysWindowBackground,
     .autoSize = true, .stackOrder = 12, .text = kPublisherNotice},
    {.id = Control::HomepageLink, .name = L"lblHomepage", .kind = ControlKind::Label,
     .twips = {3765, 780, 1575, 255}, .font = FontId::Arial8Bold, .back = kSysWindowBackground,
     .align = Align::Right, .stackOrder = 10, .text = kHomepageHost},
    {.id = Control::CharacterCaption, .name = L"lblChar", .kind = ControlKind::Label,
     .twips = {360, 1320, 930, 240}, .font = FontId::Arial9Bold, .autoSize = true,
     .stackOrder = 18, .text = L"Character"},
    {.id = Control::CharCodeCaption, .name = L"lblCharCode", .kind = ControlKind::Label,
     .twips = {2520, 1320, 1455, 240}, .font = FontId::Arial9Bold, .autoSize = true,
     .stackOrder = 17, .text = L"Character code"},
    {.id = Control::CharHexCaption, .name = L"lblHex", .kind = ControlKind::Label,
     .twips = {4200, 1320, 360, 240}, .font = FontId::Arial9Bold, .autoSize = true,
     .stackOrder = 15, .text = L"hex"},
    {.id = Control::CaptureBox, .name = L"Tchar", .kind = ControlKind::TextBox,
     .twips = {360, 1560, 1935, 1245}, .font = FontId::Arial48, .back = kSysWindowBackground,
     .fore = kSysWindowText, .align = Align::Center, .maxLength = 2, .focusOrder = 1},
    {.id = Control::CharCodeBox, .name = L"Tcc", .kind = ControlKind::TextBox,
     .twips = {2520, 1560, 1455, 405}, .font = FontId::Arial15Bold, .back = kSysWindowBackground,
     .fore = kSysWindowText, .align = Align::Center, .maxLength = 3, .focusOrder = 2},
    {.id = Control::CharHexBox, .name = L"Thex", .kind = ControlKind::TextBox,
     .twips = {4080, 1560, 975, 405}, .font = FontId::Arial15Bold, .back = kSysWindowBackground,
     .fore = kSysWindowText, .align = Align::Center, .maxLength = 2, .focusOrder = 3},
    {.id = Control::KeyCodeCaption, .name = L"lblZintar", .kind = ControlKind::Label,
     .twips = {2520, 2160, 885, 240}, .font = FontId::Arial9Bold, .autoSize = true,
     .stackOrder = 16, .text = L"Key code"},
    {.id = Control::KeyCodeBox, .name = L"Tcode_dec", .kind = ControlKind::TextBox,
     .twips = {2520, 2400, 1455, 405}, .font = FontId::Arial15Bold,
     .back = kSysWindowBackground, .fore = kSysWindowText, .align = Align::Center,
     .maxLength = 3, .focusOrder = 4},
    {.id = Control::KeyHexBox, .name = L"Tcode_hex", .kind = ControlKind::TextBox,
     .twips = {4080, 2400, 975, 405}, .font = FontId::Arial15Bold,
     .back = kSysWindowBackground, .fore = kSysWindowText, .align = Align::Center,
     .maxLength = 2, .focusOrder = 5},
    {.id = Control::ModifiersCaption, .name = L"lblShiftCapt", .kind = ControlKind::Label,
     .twips = {120, 3000, 390, 240}, .font = FontId::Arial9Bold, .autoSize = true,
     .stackOrder = 6, .text = kModifiersCaption.data()},
    {.id = Control::PressedKeysCaption, .name = L"lblKeys", .kind = ControlKind::Label,
     .twips = {720, 3000, 690, 240}, .font = FontId::Arial9Bold, .autoSize = true,
     .stackOrder = 3, .text = L"lblKeys"},
    {.id = Control::ModifiersReadOut, .name = L"lblShift", .kind = ControlKind::Label,
     .twips = {120, 3240, 495, 405}, .font = FontId::Arial15Bold, .back = kSysWindowBackground,
     .align = Align::Center, .sunkenBorder = true, .stackOrder = 5, .text = L"0"},
    {.id = Control::CombinationReadOut, .name = L"lblSpec", .kind = ControlKind::Label,
     .twips = {720, 3240, 4575, 405}, .font = FontId::Arial15Bold, .back = kSysWindowBackground,
     .align = Align::Center, .sunkenBorder = true, .stackOrder = 7},
    {.id = Control::HoverTimer, .name = L"tmrLang", .kind = ControlKind::Timer, .twips = {0, 0, 0, 0},
     .visible = false, .intervalMs = 100},
}};
// clang-format on

const ControlDesign& Design(Control id) {
    return kLayout[Index(id)];
}

std::array<const ControlDesign*, kWindowedControlCount> CreationOrder() {
    std::array<const ControlDesign*, kWindowedControlCount> order{};
    size_t count = 0;
    for (int focus = 1; focus <= kControlCount; ++focus)
        for (const ControlDesign& s : kLayout)
            if (s.kind == ControlKind::TextBox && s.focusOrder == focus)
                order.at(count++) = &s;
    for (int stack = 1; stack <= kControlCount; ++stack)
        for (const ControlDesign& s : kLayout)
            if ((s.kind == ControlKind::Label || s.kind == ControlKind::Image) &&
                s.stackOrder == stack)
                order.at(count++) = &s;
    return order;
}

} // namespace zintar
