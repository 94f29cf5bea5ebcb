#pragma once
// Every control of the main window, named for what it is. The window's layout table
// (ui/main_window/layout.cpp) gives each its design; the core names them so that one table can tie
// the boxes of the window to the codes they stand for (core/converter/box_table.h).
#include <cstdint>

namespace zintar {

enum class Control : uint8_t {
    HeaderBand,
    HeaderLine,
    TitleLabel,
    EnglishFlag,
    HungarianFlag,
    EnglishFlagLit,
    HungarianFlagLit,
    VersionLabel,
    Emblem,
    PublisherLabel,
    HomepageLink,
    CharacterCaption,
    CharCodeCaption,
    CharHexCaption,
    CaptureBox,
    CharCodeBox,
    CharHexBox,
    KeyCodeCaption,
    KeyCodeBox,
    KeyHexBox,
    ModifiersCaption,
    PressedKeysCaption,
    ModifiersReadOut,
    CombinationReadOut,
    HoverTimer,
};
constexpr int kControlCount = 25;

constexpr int Index(Control id) {
    return static_cast<int>(id);
}

} // namespace zintar
