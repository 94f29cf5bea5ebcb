#include "ui/common/key_message_watch.h"

#include <algorithm>
#include <vector>

namespace zintar {

namespace {

// The windows live on one thread, the message loop's.
std::vector<KeyMessageWatch*>& Watches() {
    static std::vector<KeyMessageWatch*> watches;
    return watches;
}

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

} // namespace

KeyMessageWatch::KeyMessageWatch(Watcher watcher) : watcher_(std::move(watcher)) {
    Watches().push_back(this);
}

KeyMessageWatch::~KeyMessageWatch() {
    std::vector<KeyMessageWatch*>& watches = Watches();
    watches.erase(std::remove(watches.begin(), watches.end(), this), watches.end());
}

void KeyMessageWatch::Tell(const MSG& msg) {
    if (!IsKeyMessage(msg.message))
        return;
    // A copy: a watcher may end a watch, and an ended one is not told.
    const std::vector<KeyMessageWatch*> watches = Watches();
    for (KeyMessageWatch* watch : watches)
        if (std::find(Watches().begin(), Watches().end(), watch) != Watches().end() &&
            watch->watcher_)
            watch->watcher_(msg);
}

} // namespace zintar
