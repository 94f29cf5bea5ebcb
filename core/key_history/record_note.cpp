#include "core/key_history/record_note.h"

#include <array>
#include <string_view>

#include "core/common/bilingual.h"
#include "core/key_history/app_commands.h"
#include "core/key_history/text_input.h"
#include "core/key_identity/virtual_key_names.h"

namespace zintar {

namespace {

inline constexpr std::array<Worded<OneKeyChord>, 2> kChordNotes{{
    {OneKeyChord::CopilotKey,
     {L"one key: Copilot key", L"egy billenty\u0171: Copilot-billenty\u0171"}},
    {OneKeyChord::OfficeKey,
     {L"one key: Office key", L"egy billenty\u0171: Office-billenty\u0171"}},
}};

// The words of the notes that are not a chord's.
enum class NoteWord : uint8_t {
    SentText,
    Unpaired,
    ImeTook,
    Composition,
    Cursor,
    Result,
    Open,
    Closed,
    OpenStatus,
    ConversionMode,
    Active,
    Inactive,
    FromKey,
    FromMouse,
    FromOem,
    FromDevice,
};

inline constexpr std::array<Worded<NoteWord>, 16> kNoteWords{{
    {NoteWord::SentText, {L"sent text", L"k\u00FCld\u00F6tt sz\u00F6veg"}},
    {NoteWord::Unpaired, {L"unpaired", L"p\u00E1r n\u00E9lk\u00FCli"}},
    {NoteWord::ImeTook, {L"the IME took ", L"az IME kapta: "}},
    {NoteWord::Composition, {L"composition ", L"\u00F6ssze\u00E1ll\u00EDt\u00E1s "}},
    {NoteWord::Cursor, {L"cursor ", L"kurzor "}},
    {NoteWord::Result, {L"result ", L"eredm\u00E9ny "}},
    {NoteWord::Open, {L"IME open", L"IME nyitva"}},
    {NoteWord::Closed, {L"IME closed", L"IME z\u00E1rva"}},
    {NoteWord::OpenStatus, {L"open status changed", L"nyitotts\u00E1g v\u00E1ltozott"}},
    {NoteWord::ConversionMode, {L"conversion mode: ", L"\u00E1talak\u00EDt\u00E1si m\u00F3d: "}},
    {NoteWord::Active, {L"active", L"akt\u00EDv"}},
    {NoteWord::Inactive, {L"inactive", L"inakt\u00EDv"}},
    {NoteWord::FromKey, {L"from a key", L"billenty\u0171r\u0151l"}},
    {NoteWord::FromMouse, {L"from the mouse", L"eg\u00E9rr\u0151l"}},
    {NoteWord::FromOem, {L"from an OEM device", L"OEM-eszk\u00F6zr\u0151l"}},
    {NoteWord::FromDevice, {L"from device ", L"eszk\u00F6z: "}},
}};

std::wstring Word(NoteWord word, Language language) {
    return std::wstring(TextOf(kNoteWords, word, language));
}

// A string of the input method in the language's quotation marks.
std::wstring Quoted(const std::wstring& text, Language language) {
    return language == Language::English ? L"\"" + text + L"\"" : L"\u201E" + text + L"\u201D";
}

void Add(std::wstring& note, const std::wstring& part) {
    if (part.empty())
        return;
    if (!note.empty())
        note += L"; ";
    note += part;
}

std::wstring CompositionNote(const KeyEventRecord& r, const RecordTexts::Texts* texts,
                             Language language) {
    std::wstring note;
    static const RecordTexts::Texts kNone;
    const RecordTexts::Texts& t = texts ? *texts : kNone;
    if (r.imeNotice & text_input::kCompositionString) {
        std::wstring part = Word(NoteWord::Composition, language) + Quoted(t.composition, language);
        if (r.imeValue >= 0)
            part += L", " + Word(NoteWord::Cursor, language) + std::to_wstring(r.imeValue);
        Add(note, part);
    } else if (r.imeValue >= 0) {
        Add(note, Word(NoteWord::Cursor, language) + std::to_wstring(r.imeValue));
    }
    if (r.imeNotice & text_input::kResultString)
        Add(note, Word(NoteWord::Result, language) + Quoted(t.result, language));
    return note;
}

std::wstring NotifyNote(const KeyEventRecord& r, Language language) {
    if (r.imeNotice == text_input::kSetOpenStatus) {
        if (r.imeValue < 0)
            return Word(NoteWord::OpenStatus, language);
        return Word(r.imeValue != 0 ? NoteWord::Open : NoteWord::Closed, language);
    }
    return Word(NoteWord::ConversionMode, language) +
           (r.imeValue < 0 ? L"?" : ConversionModeText(static_cast<uint32_t>(r.imeValue)));
}

std::wstring AppCommandNote(const KeyEventRecord& r, Language language) {
    const std::wstring_view name = AppCommandName(r.appCommand);
    std::wstring note = (name.empty() ? L"APPCOMMAND" : std::wstring(name)) + L" (" +
                        std::to_wstring(r.appCommand) + L"), ";
    switch (r.appCommandDevice) {
    case text_input::kFromKey:
        return note + Word(NoteWord::FromKey, language);
    case text_input::kFromMouse:
        return note + Word(NoteWord::FromMouse, language);
    case text_input::kFromOem:
        return note + Word(NoteWord::FromOem, language);
    default:
        return note + Word(NoteWord::FromDevice, language) + std::to_wstring(r.appCommandDevice);
    }
}

} // namespace

std::wstring RecordNoteText(const KeyEventRecord& record, const RecordTexts::Texts* texts,
                            Language language) {
    std::wstring note(TextOf(kChordNotes, record.chord, language));
    if (record.sent)
        Add(note, Word(NoteWord::SentText, language));
    if (IsUnpairedHalf(record))
        Add(note, Word(NoteWord::Unpaired, language));
    if (record.realKey != 0)
        Add(note, Word(NoteWord::ImeTook, language) +
                      std::wstring(VirtualKeyConstantName(record.realKey)));
    switch (record.message) {
    case KeyMessage::ImeComposition:
        Add(note, CompositionNote(record, texts, language));
        break;
    case KeyMessage::ImeNotify:
        Add(note, NotifyNote(record, language));
        break;
    case KeyMessage::ImeSetContext:
        Add(note, Word(record.imeNotice != 0 ? NoteWord::Active : NoteWord::Inactive, language));
        break;
    case KeyMessage::AppCommand:
        Add(note, AppCommandNote(record, language));
        break;
    default:
        break;
    }
    return note;
}

} // namespace zintar
