#pragma once
// The key history's Note column: what a row's other columns cannot say. One key that sent a
// chord; text sent without a key; half a surrogate pair left alone; the key behind
// VK_PROCESSKEY; the input method's strings, open status, conversion mode and context; an
// application command with the device that sent it. Several notes of one row are joined by
// "; ".
#include <string>

#include "core/common/language.h"
#include "core/key_history/key_event.h"
#include "core/key_history/record_texts.h"

namespace zintar {

// texts: the record's input method strings, if it keeps any.
std::wstring RecordNoteText(const KeyEventRecord& record, const RecordTexts::Texts* texts,
                            Language language);

} // namespace zintar
