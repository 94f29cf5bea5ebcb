// What the capture box and the code boxes report, and the read-outs that follow: the core
// derives every text from the conversion state, and each control writes only a change.
#include "core/converter/box_table.h"
#include "platform/controls/accessible.h"
#include "platform/system/ansi_code_page.h"
#include "ui/keyboard_layouts/layouts_window.h"
#include "ui/main_window/main_window.h"

namespace zintar {

void MainWindow::OnCaptureKey(int keyCode, int modifiers) {
    conversion_.KeyDown(keyCode, modifiers);
    ShowReadOuts(Source::Key);
    if (layouts_)
        layouts_->ShowCapturedKey(keyCode, modifiers);
    // Screen readers read the pressed keys again, also when the text stayed the same.
    win32::RaiseValueChanged(control(Control::CombinationReadOut));
}

void MainWindow::OnCaptureCharacter(std::optional<wchar_t> character) {
    conversion_.KeyPress(character ? win32::AnsiCodeOfChar(*character) : win32::kNoCharCode);
    ShowReadOuts(Source::Char);
}

void MainWindow::OnCodeEntered(CodeBox box, int16_t code) {
    conversion_.Entered(box, code);
    ShowReadOuts(RowOf(box).source);
}

void MainWindow::ShowReadOuts(Source source) {
    const ReadOutTexts texts = Refresh(conversion_.codes(), source, codePage_);
    for (const ReadOutRow& row : kReadOutTable) {
        const std::optional<std::wstring>& text = texts[static_cast<size_t>(row.readOut)];
        if (!text)
            continue;
        if (row.box) {
            ui_.codeFields[static_cast<size_t>(*row.box)].Write(*text);
        } else if (row.control == Control::CaptureBox) {
            ui_.captureBox.ShowCharacter(*text);
        } else {
            Label& label = ui_.labels[Index(row.control)];
            // The tooltip comes with the first name too long for the read-out.
            if (label.Write(*text) && row.control == Control::CombinationReadOut)
                ui_.tooltip.OnShown(label, hwnd_, instance_);
            ui_.accessible.SetValue(row.control, label.text());
        }
    }
}

} // namespace zintar
