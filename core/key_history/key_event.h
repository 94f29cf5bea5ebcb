#pragma once
// What one keyboard message sends, decoded into plain facts, and the history of the last
// thousand of them that the key history window shows. No <windows.h>: the window hands over
// the message's numbers, this file decides what they mean.
#include <array>
#include <cstddef>
#include <cstdint>

namespace zintar {

// WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR, WM_DEADCHAR. WM_SYSCHAR is not
// one of them: Alt+letter types nothing, and its key is already recorded by the system
// key-down that comes before it, so the window does not hand it over.
enum class KeyMessage : uint8_t { KeyDown, KeyUp, SysKeyDown, SysKeyUp, Char, DeadChar };

constexpr bool IsCharacterMessage(KeyMessage message) {
    return message == KeyMessage::Char || message == KeyMessage::DeadChar;
}
constexpr bool IsKeyUpMessage(KeyMessage message) {
    return message == KeyMessage::KeyUp || message == KeyMessage::SysKeyUp;
}

// Which of a pair of modifier keys (Shift, Ctrl, Alt, Windows) sent the message.
enum class KeySide : uint8_t { None, Left, Right };

// What the window hands over, straight from the message.
struct KeyMessageInput {
    KeyMessage message;
    uint32_t wParam;   // virtual-key code, or one UTF-16 unit for characters
    uint32_t lParam;   // repeat count, scan code, extended flag, previous key state
    uint32_t timeMs;   // GetMessageTime, which wraps around after 49.7 days
    uint8_t modifiers; // 1 Shift, 2 Ctrl, 4 Alt, as GetKeyState read them
    int16_t ansiCode;  // characters: the code in the ANSI code page, -1 for none
};

constexpr int16_t kNoAnsiCode = -1;

struct KeyEventRecord {
    uint32_t sincePreviousMs; // 0 for the first record
    char32_t codePoint;       // characters: the code point, or a lone surrogate unit; keys: 0
    KeyMessage message;
    uint8_t virtualKey;   // key messages; 0 for characters, which carry no key code
    uint8_t scanCode;     // lParam bits 16-23, for characters too
    bool extended;        // lParam bit 24: E0-prefixed keys such as Numpad Enter or right Ctrl
    bool previousDown;    // lParam bit 30: the key was already down, an auto-repeat on key-down
    uint16_t repeatCount; // lParam bits 0-15
    KeySide side;
    uint8_t sideKey;   // the side-specific code: 160-165 for Shift, Ctrl, Alt; 91, 92 for Win
    uint8_t modifiers; // 0 to 7
    int16_t ansiCode;  // characters: 0 and up, or kNoAnsiCode; keys: kNoAnsiCode
};

constexpr bool IsSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// A history between two Clears. A view keeps the one its record numbers came from and asks
// KeyHistory::IsCurrent before it trusts them; the first history, before any Clear, is the
// default one.
class HistoryGeneration {
  public:
    constexpr HistoryGeneration() = default;
    constexpr bool operator==(const HistoryGeneration&) const = default;

  private:
    friend class KeyHistory;
    constexpr explicit HistoryGeneration(uint64_t clears) : clears_(clears) {}
    uint64_t clears_ = 0;
};

// The last kCapacity records, oldest first, in a ring that never allocates.
//
// Surrogate pairs: WM_CHAR brings a character beyond U+FFFF as two messages. The high half is
// held back and the pair becomes one record, timed by the high half. A half without its
// partner (a low half alone, or a high half followed by anything but a low one) is recorded
// by itself, so one call can add two records: the lone high half, then the message that
// ended the wait.
class KeyHistory {
  public:
    static constexpr size_t kCapacity = 1000;

    // The newest record, or nullptr when the call recorded nothing: a high surrogate held
    // back for its partner (with no lone half before it to record), or input that no message
    // sends (an unknown message, a key code above 255, a character above U+10FFFF). Input that
    // is refused changes nothing. Modifier bits above Alt are ignored.
    const KeyEventRecord* Add(const KeyMessageInput& input);

    size_t size() const { return count_; }
    // i from 0 (oldest) to size() - 1; an index out of range reads the oldest record.
    const KeyEventRecord& at(size_t i) const;
    // Records added since the start or the last Clear, dropped ones included: a view can tell
    // from it how far its rows moved when the oldest records fell out.
    uint64_t addedCount() const { return added_; }
    // Records are numbered from 0 in the order they were added, since the start or the last
    // Clear; the number of the oldest one kept. Index i of at() is record oldestNumber() + i.
    uint64_t oldestNumber() const { return added_ - count_; }
    // Which history the numbers belong to: a cleared history numbers its records from 0 again,
    // so a number a view kept means something only while its generation is current. It tells
    // a history that started again from one that took as many records as it had.
    HistoryGeneration generation() const { return HistoryGeneration(clears_); }
    bool IsCurrent(HistoryGeneration generation) const { return generation == this->generation(); }
    void Clear();

  private:
    struct PendingHigh {
        char32_t unit;
        KeyMessageInput input;
    };

    const KeyEventRecord& Push(const KeyEventRecord& record, uint32_t timeMs);
    const KeyEventRecord* FlushPendingHigh();

    std::array<KeyEventRecord, kCapacity> ring_{};
    size_t first_ = 0;
    size_t count_ = 0;
    uint64_t added_ = 0;
    uint64_t clears_ = 0;
    uint32_t lastTimeMs_ = 0;
    bool pendingHighSet_ = false;
    PendingHigh pendingHigh_{};
};

} // namespace zintar
