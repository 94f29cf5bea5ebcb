#pragma once
// The one table that ties the window's read-outs to their controls and, for the four code
// boxes, to the kind of code each holds and the refresh source that typing into it raises.
// Every question of the kind "which box is this read-out" is a look-up here.
#include <array>
#include <optional>

#include "core/converter/code_box.h"
#include "core/converter/controls.h"
#include "core/converter/conversion.h"

namespace zintar {

struct ReadOutRow {
    ReadOut readOut;
    Control control;
    std::optional<CodeBox> box; // the read-outs that are also input fields
    Source source;              // what a refresh that this box started is called; unused otherwise
};

// In the order of ReadOut.
inline constexpr std::array<ReadOutRow, kReadOutCount> kReadOutTable{{
    {ReadOut::Modifiers, Control::ModifiersReadOut, std::nullopt, Source::Key},
    {ReadOut::KeyDec, Control::KeyCodeBox, CodeBox::KeyDec, Source::KeyDec},
    {ReadOut::KeyHex, Control::KeyHexBox, CodeBox::KeyHex, Source::KeyHex},
    {ReadOut::KeyName, Control::CombinationReadOut, std::nullopt, Source::Key},
    {ReadOut::CharDec, Control::CharCodeBox, CodeBox::CharDec, Source::CharDec},
    {ReadOut::CharHex, Control::CharHexBox, CodeBox::CharHex, Source::CharHex},
    {ReadOut::Character, Control::CaptureBox, std::nullopt, Source::Char},
}};

constexpr const ReadOutRow& RowOf(ReadOut readOut) {
    return kReadOutTable[static_cast<size_t>(readOut)];
}

// The row of a code box; every box has one.
constexpr const ReadOutRow& RowOf(CodeBox box) {
    for (const ReadOutRow& row : kReadOutTable)
        if (row.box == box)
            return row;
    return kReadOutTable[0]; // not reached: the table names every box
}

// The row of a control, or nullptr for a control that shows no read-out.
constexpr const ReadOutRow* RowOfControl(Control control) {
    for (const ReadOutRow& row : kReadOutTable)
        if (row.control == control)
            return &row;
    return nullptr;
}

} // namespace zintar
