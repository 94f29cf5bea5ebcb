#pragma once
// The conversion state and the one refresh that derives every read-out from it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/converter/code_box.h"

namespace zintar {

// Where a change came from. The read-out it came from keeps the user's own text.
enum class Source : uint8_t { Key, Char, KeyDec, KeyHex, CharDec, CharHex };

// The read-outs of the window, in the order a refresh derives them.
enum class ReadOut : uint8_t { Modifiers, KeyDec, KeyHex, KeyName, CharDec, CharHex, Character };
constexpr int kReadOutCount = 7;

// A negative code means none. A key code stays within 0 to 255 and the mask within 0 to 7.
struct Codes {
    int16_t character = -1;
    int16_t key = -1;
    int16_t modifiers = 0;
};

class Conversion {
  public:
    // A key went down in the capture box; no character yet.
    void KeyDown(int keyCode, int modifiers);
    // The key typed a character (its ANSI code, or -1 when the code page has none); the key
    // and the modifiers stay those of the key-down.
    void KeyPress(int16_t charCode);
    // A code box now stands for this code: the other kind of code is cleared, and so are
    // the modifiers.
    void Entered(CodeBox box, int16_t code);

    const Codes& codes() const { return codes_; }

  private:
    Codes codes_;
};

// The one character with an ANSI code, as the platform's code page writes it.
class CharacterSet {
  public:
    virtual ~CharacterSet() = default;
    virtual std::wstring CharacterOf(int16_t code) const = 0;
};

// Every read-out's text for the codes; the read-out that the source names has none (it keeps
// the user's text), unless its code is absent and it is cleared with the rest of its kind.
using ReadOutTexts = std::array<std::optional<std::wstring>, kReadOutCount>;
ReadOutTexts Refresh(const Codes& codes, Source source, const CharacterSet& characters);

} // namespace zintar
