#include "ui/main_window/accessible_names.h"

#include <string>

#include "core/converter/captions.h"
#include "core/converter/homepage.h"

namespace zintar {

namespace {

std::optional<win32::AccessibleRole> RoleOf(Control control) {
    switch (control) {
    case Control::EnglishFlag:
    case Control::HungarianFlag:
    case Control::EnglishFlagLit: // each covers its flag while lit, and takes its click
    case Control::HungarianFlagLit:
        return win32::AccessibleRole::PushButton;
    case Control::HomepageLink:
        return win32::AccessibleRole::Link;
    case Control::ModifiersReadOut:
    case Control::CombinationReadOut:
        return win32::AccessibleRole::StaticText;
    default:
        return std::nullopt;
    }
}

} // namespace

AccessibleNames::AccessibleNames() {
    for (int i = 0; i < kControlCount; ++i)
        if (const auto role = RoleOf(static_cast<Control>(i)))
            controls_[static_cast<size_t>(i)].SetRole(*role);
    const std::string url = kHomepageUrl; // plain ASCII
    controls_[Index(Control::HomepageLink)].SetValue(std::wstring(url.begin(), url.end()));
    SetLanguage(Language::English);
}

void AccessibleNames::SetLanguage(Language language) {
    for (int i = 0; i < kControlCount; ++i)
        if (const std::wstring name = AccessibleName(static_cast<Control>(i), language);
            !name.empty())
            controls_[static_cast<size_t>(i)].SetName(name);
}

void AccessibleNames::SetValue(Control control, std::wstring_view text) {
    controls_[Index(control)].SetValue(text);
}

std::optional<LRESULT> AccessibleNames::Answer(Control control, HWND hwnd, WPARAM wp,
                                               LPARAM lp) const {
    const win32::AccessibleFacts& facts = controls_[Index(control)].Facts();
    if (!facts.name && !facts.role && !facts.value)
        return std::nullopt;
    return controls_[Index(control)].AnswerGetObject(hwnd, wp, lp);
}

} // namespace zintar
