#include "platform/controls/accessible.h"

#include <new>

#include "platform/controls/accessible_object.h"

namespace zintar::win32 {

namespace {

bool Assign(std::optional<std::wstring>& fact, std::wstring_view text) noexcept {
    try {
        fact.emplace(text);
        return true;
    } catch (...) {
        fact.reset();
        return false;
    }
}

} // namespace

// Without memory for the facts the control still answers, as the plain proxy: every Set
// then fails and AnswerGetObject passes the question on.
AccessibleControl::AccessibleControl() {
    try {
        facts_ = std::make_shared<AccessibleFacts>();
    } catch (...) {
    }
}

bool AccessibleControl::SetName(std::wstring_view name) noexcept {
    return facts_ && Assign(facts_->name, name);
}

bool AccessibleControl::SetValue(std::wstring_view value) noexcept {
    return facts_ && Assign(facts_->value, value);
}

void AccessibleControl::SetRole(AccessibleRole role) noexcept {
    if (facts_)
        facts_->role = role;
}

const AccessibleFacts& AccessibleControl::Facts() const noexcept {
    static const AccessibleFacts none;
    return facts_ ? *facts_ : none;
}

std::optional<LRESULT> AccessibleControl::AnswerGetObject(HWND control, WPARAM wp,
                                                          LPARAM lp) const noexcept {
    // The object id travels in the low 32 bits; OBJID_CLIENT is negative.
    if (!facts_ || static_cast<LONG>(lp) != OBJID_CLIENT)
        return std::nullopt;
    return AccessibleObjectAnswer(control, wp, facts_);
}

void RaiseValueChanged(HWND control) noexcept {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace zintar::win32
