#pragma once
// Key messages as the message loop takes them from the queue, whichever of Zintar's windows
// they are for. The system queues a key only for the window in front, so a watcher sees keys
// exactly while Zintar is in front, whatever control has the keyboard. Watchers only look: the
// message goes on to its window as before.
#include <windows.h>

#include <functional>

namespace zintar {

class KeyMessageWatch {
  public:
    using Watcher = std::function<void(const MSG&)>;

    explicit KeyMessageWatch(Watcher watcher);
    ~KeyMessageWatch();
    KeyMessageWatch(const KeyMessageWatch&) = delete;
    KeyMessageWatch& operator=(const KeyMessageWatch&) = delete;

    // Called by the message loop with every message it takes; only key messages reach the
    // watchers. A watcher may end its own or another watch meanwhile.
    static void Tell(const MSG& msg);

  private:
    Watcher watcher_;
};

} // namespace zintar
