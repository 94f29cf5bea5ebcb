#include "core/key_history/app_commands.h"

#include <array>

#include "core/common/hex_text.h"

namespace zintar {

namespace {

// Index n names command n.
constexpr std::array<std::wstring_view, 55> kAppCommands{
    L"",
    L"APPCOMMAND_BROWSER_BACKWARD",
    L"APPCOMMAND_BROWSER_FORWARD",
    L"APPCOMMAND_BROWSER_REFRESH",
    L"APPCOMMAND_BROWSER_STOP",
    L"APPCOMMAND_BROWSER_SEARCH",
    L"APPCOMMAND_BROWSER_FAVORITES",
    L"APPCOMMAND_BROWSER_HOME",
    L"APPCOMMAND_VOLUME_MUTE",
    L"APPCOMMAND_VOLUME_DOWN",
    L"APPCOMMAND_VOLUME_UP",
    L"APPCOMMAND_MEDIA_NEXTTRACK",
    L"APPCOMMAND_MEDIA_PREVIOUSTRACK",
    L"APPCOMMAND_MEDIA_STOP",
    L"APPCOMMAND_MEDIA_PLAY_PAUSE",
    L"APPCOMMAND_LAUNCH_MAIL",
    L"APPCOMMAND_LAUNCH_MEDIA_SELECT",
    L"APPCOMMAND_LAUNCH_APP1",
    L"APPCOMMAND_LAUNCH_APP2",
    L"APPCOMMAND_BASS_DOWN",
    L"APPCOMMAND_BASS_BOOST",
    L"APPCOMMAND_BASS_UP",
    L"APPCOMMAND_TREBLE_DOWN",
    L"APPCOMMAND_TREBLE_UP",
    L"APPCOMMAND_MICROPHONE_VOLUME_MUTE",
    L"APPCOMMAND_MICROPHONE_VOLUME_DOWN",
    L"APPCOMMAND_MICROPHONE_VOLUME_UP",
    L"APPCOMMAND_HELP",
    L"APPCOMMAND_FIND",
    L"APPCOMMAND_NEW",
    L"APPCOMMAND_OPEN",
    L"APPCOMMAND_CLOSE",
    L"APPCOMMAND_SAVE",
    L"APPCOMMAND_PRINT",
    L"APPCOMMAND_UNDO",
    L"APPCOMMAND_REDO",
    L"APPCOMMAND_COPY",
    L"APPCOMMAND_CUT",
    L"APPCOMMAND_PASTE",
    L"APPCOMMAND_REPLY_TO_MAIL",
    L"APPCOMMAND_FORWARD_MAIL",
    L"APPCOMMAND_SEND_MAIL",
    L"APPCOMMAND_SPELL_CHECK",
    L"APPCOMMAND_DICTATE_OR_COMMAND_CONTROL_TOGGLE",
    L"APPCOMMAND_MIC_ON_OFF_TOGGLE",
    L"APPCOMMAND_CORRECTION_LIST",
    L"APPCOMMAND_MEDIA_PLAY",
    L"APPCOMMAND_MEDIA_PAUSE",
    L"APPCOMMAND_MEDIA_RECORD",
    L"APPCOMMAND_MEDIA_FAST_FORWARD",
    L"APPCOMMAND_MEDIA_REWIND",
    L"APPCOMMAND_MEDIA_CHANNEL_UP",
    L"APPCOMMAND_MEDIA_CHANNEL_DOWN",
    L"APPCOMMAND_DELETE",
    L"APPCOMMAND_DWM_FLIP3D",
};

struct ModeFlag {
    uint32_t bit;
    std::wstring_view name;
};

// IME_CMODE_NATIVE is also IME_CMODE_CHINESE, _HANGUL and _JAPANESE: the header's first name.
constexpr ModeFlag kModeFlags[] = {
    {0x0001, L"IME_CMODE_NATIVE"},    {0x0002, L"IME_CMODE_KATAKANA"},
    {0x0008, L"IME_CMODE_FULLSHAPE"}, {0x0010, L"IME_CMODE_ROMAN"},
    {0x0020, L"IME_CMODE_CHARCODE"},  {0x0040, L"IME_CMODE_HANJACONVERT"},
    {0x0080, L"IME_CMODE_SOFTKBD"},   {0x0100, L"IME_CMODE_NOCONVERSION"},
    {0x0200, L"IME_CMODE_EUDC"},      {0x0400, L"IME_CMODE_SYMBOL"},
    {0x0800, L"IME_CMODE_FIXED"},
};

constexpr int kModeDigits = 4;

} // namespace

std::wstring_view AppCommandName(uint16_t command) {
    return command < kAppCommands.size() ? kAppCommands[command] : std::wstring_view();
}

std::wstring ConversionModeText(uint32_t mode) {
    if (mode == 0)
        return L"IME_CMODE_ALPHANUMERIC";
    std::wstring text;
    uint32_t unnamed = mode;
    for (const ModeFlag& flag : kModeFlags) {
        if ((mode & flag.bit) == 0)
            continue;
        unnamed &= ~flag.bit;
        if (!text.empty())
            text += L" | ";
        text += flag.name;
    }
    if (unnamed != 0) {
        if (!text.empty())
            text += L" | ";
        text += L"0x" + HexText(unnamed, kModeDigits);
    }
    return text;
}

} // namespace zintar
