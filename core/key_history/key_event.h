#pragma once
// What one keyboard message sends, decoded into plain facts, and the history of the last
// thousand of them that the key history window shows. No <windows.h>: the window hands over
// the message's numbers, this file decides what they mean.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/key_history/one_key_chords.h"
#include "core/key_history/record_texts.h"

namespace zintar {

// WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR, WM_DEADCHAR. WM_SYSCHAR is not
// one of them: Alt+letter types nothing, and its key is already recorded by the system
// key-down that comes before it, so the window does not hand it over.
// Then the messages that bring text or a command without a keystroke of their own: the input
// method's (WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_IME_CHAR,
// WM_IME_NOTIFY, WM_IME_SETCONTEXT), WM_UNICHAR's UTF-32 character and WM_APPCOMMAND.
enum class KeyMessage : uint8_t {
    KeyDown,
    KeyUp,
    SysKeyDown,
    SysKeyUp,
    Char,
    DeadChar,
    ImeStartComposition,
    ImeComposition,
    ImeEndComposition,
    ImeChar,
    ImeNotify,
    ImeSetContext,
    UniChar,
    AppCommand,
};

// The messages of a key going down or up.
constexpr bool IsKeyMessage(KeyMessage message) {
    return message == KeyMessage::KeyDown || message == KeyMessage::KeyUp ||
           message == KeyMessage::SysKeyDown || message == KeyMessage::SysKeyUp;
}
// The messages that bring one character; their lParam is that of the keystroke behind it.
constexpr bool IsCharacterMessage(KeyMessage message) {
    return message == KeyMessage::Char || message == KeyMessage::DeadChar ||
           message == KeyMessage::ImeChar || message == KeyMessage::UniChar;
}
constexpr bool IsKeyUpMessage(KeyMessage message) {
    return message == KeyMessage::KeyUp || message == KeyMessage::SysKeyUp;
}

// Which of a pair of modifier keys (Shift, Ctrl, Alt, Windows) sent the message.
enum class KeySide : uint8_t { None, Left, Right };

// What the input method says beside its message, read from the window's input context while
// the message is handled: the message itself says only which parts changed.
struct ImeFacts {
    std::wstring_view composition{}; // GCS_COMPSTR
    std::wstring_view result{};      // GCS_RESULTSTR
    int32_t cursor = -1;             // GCS_CURSORPOS, in UTF-16 units; -1 when not read
    // WM_IME_NOTIFY: the open status (1 open, 0 closed) or the conversion mode (IME_CMODE_
    // bits) that the notice announces; -1 when not read.
    int32_t state = -1;
    uint8_t realKey = 0; // VK_PROCESSKEY: the key the input method took (ImmGetVirtualKey)
};

// What the window hands over, straight from the message.
struct KeyMessageInput {
    KeyMessage message;
    uint32_t wParam;   // virtual-key code, or one UTF-16 unit for characters (UTF-32 for
                       // WM_UNICHAR)
    uint32_t lParam;   // repeat count, scan code, extended flag, previous key state
    uint32_t timeMs;   // GetMessageTime, which wraps around after 49.7 days
    uint8_t modifiers; // 1 Shift, 2 Ctrl, 4 Alt, as GetKeyState read them
    int16_t ansiCode;  // characters: the code in the ANSI code page, -1 for none
    const ImeFacts* ime = nullptr; // the input method's messages and VK_PROCESSKEY; may be null
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
    // Text sent without a key (SendInput with KEYEVENTF_UNICODE): a VK_PACKET key message,
    // whose codePoint is the UTF-16 unit it carries and which has no scan code, and the
    // character that it typed.
    bool sent = false;
    // The rows of one key that sends a chord (the Copilot key, the Office key).
    OneKeyChord chord = OneKeyChord::None;
    // VK_PROCESSKEY key rows: the key the input method took; 0 when not known.
    uint8_t realKey = 0;
    // WM_IME_COMPOSITION: the parts that changed (GCS_ bits); WM_IME_NOTIFY: the notice
    // (IMN_SETOPENSTATUS, IMN_SETCONVERSIONMODE); WM_IME_SETCONTEXT: 1 active, 0 not.
    uint16_t imeNotice = 0;
    // WM_IME_COMPOSITION: the cursor in the composition string, -1 when not read;
    // WM_IME_NOTIFY: the open status or the conversion mode, -1 when not known.
    int16_t imeValue = -1;
    // WM_APPCOMMAND: the APPCOMMAND_ value and the device that sent it (FAPPCOMMAND_ bits).
    uint16_t appCommand = 0;
    uint16_t appCommandDevice = 0;
};

// A VK_PACKET key message: text sent without a key.
constexpr bool IsSentTextKey(const KeyEventRecord& record) {
    return record.sent && IsKeyMessage(record.message);
}

constexpr bool IsSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// A character row of half a surrogate pair whose other half never came.
constexpr bool IsUnpairedHalf(const KeyEventRecord& record) {
    return IsCharacterMessage(record.message) && IsSurrogate(record.codePoint);
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

// The last kCapacity records, oldest first, in a ring that never allocates; beside it the
// input method's strings of the records that carry them, allocated only when such records
// come.
//
// Surrogate pairs: WM_CHAR brings a character beyond U+FFFF as two messages, and so does
// WM_IME_CHAR. The high half is held back and the pair becomes one record. A half without its
// partner (a low half alone, or a high half followed by anything but a low one) is recorded
// by itself and never joins a later character, so one call can add more than one record: the
// lone high half, then the message that ended the wait. What may come between the halves:
// the VK_PACKET key messages that carry them (text sent one unit per input goes down and up
// between its halves), the other kind of character (the input method's WM_IME_CHARs come
// before the WM_CHARs they post) and messages that are no keystroke (the input method's
// notices, WM_APPCOMMAND). Any other key message, or another character, ends the wait. A
// pair is timed by its high half, or by its low half when rows came between them, where the
// pair's row then stands.
class KeyHistory {
  public:
    static constexpr size_t kCapacity = 1000;

    // The newest record, or nullptr when the call recorded nothing: a high surrogate held
    // back for its partner (with no lone half before it to record), a notice that changes
    // nothing (WM_IME_SETCONTEXT that repeats the last one or comes before any input method
    // showed itself, WM_IME_NOTIFY other than the open status and the conversion mode), or
    // input that no message sends (an unknown message,
    // a key code above 255, a character above U+10FFFF, a surrogate in WM_UNICHAR). Input that
    // is refused changes nothing. Modifier bits above Alt are ignored.
    const KeyEventRecord* Add(const KeyMessageInput& input);

    size_t size() const { return count_; }
    // i from 0 (oldest) to size() - 1; an index out of range reads the oldest record.
    const KeyEventRecord& at(size_t i) const;
    // The input method's strings of record i; null for a record that has none.
    const RecordTexts::Texts* TextsAt(size_t i) const;
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
    // Counts the records that changed after they were added (a chord completed by a later
    // key marks the rows before it): a view shows them again when it changed.
    uint64_t revision() const { return revision_; }
    void Clear();

  private:
    // The two kinds of character that come in halves, each waiting for its own low half.
    enum class Halves : uint8_t { Char, ImeChar };
    struct PendingHigh {
        char32_t unit;
        KeyMessageInput input;
        bool sent;
        uint64_t addedAtWait; // records added when it began to wait
    };

    const KeyEventRecord* AddKey(const KeyMessageInput& input);
    const KeyEventRecord* AddUnit(const KeyMessageInput& input, Halves halves);
    const KeyEventRecord* AddOther(const KeyMessageInput& input);
    const KeyEventRecord& Push(const KeyEventRecord& record, uint32_t timeMs);
    const KeyEventRecord* Flush(Halves halves);
    const KeyEventRecord* FlushAll();
    bool SentUnit(char32_t unit) const;
    void GroupChord(const KeyEventRecord& record, uint32_t timeMs);

    std::array<KeyEventRecord, kCapacity> ring_{};
    size_t first_ = 0;
    size_t count_ = 0;
    uint64_t added_ = 0;
    uint64_t clears_ = 0;
    uint64_t revision_ = 0;
    uint32_t lastTimeMs_ = 0;
    std::array<std::optional<PendingHigh>, 2> pending_{};
    // The unit of the newest VK_PACKET key-down: the WM_CHAR it types is sent text too.
    std::optional<char32_t> packetUnit_;
    // WM_IME_SETCONTEXT comes with every change of the focus, input method or not: it is
    // recorded once an input method has shown itself in this history (a message of its own, a
    // VK_PROCESSKEY), and only when it activates or deactivates the context anew.
    bool imeSeen_ = false;
    std::optional<bool> contextActive_; // the newest WM_IME_SETCONTEXT
    OneKeyChords chords_;
    RecordTexts texts_;
};

} // namespace zintar
