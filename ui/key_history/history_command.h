#pragma once
// The key history window's commands, each a WM_COMMAND identifier of its menus: the list's
// commands, which the keys Ctrl+C, Ctrl+A and Delete run too; copy as code, one per API in the
// order of CodeLanguage and one for every API; the header's menu, one per column; and the
// chatter thresholds, one per choice.
#include <windows.h>

#include <optional>

#include "core/key_history/history_columns.h"
#include "core/key_identity/copy_as_code.h"
#include "core/key_state/key_state_captions.h"

namespace zintar {

// Identifiers from 1 up: 0 is no command.
enum class HistoryCommand : UINT {
    Copy = 1,
    SelectAll,
    Clear,
    CopyCode = 10, // the first of one per CodeLanguage
    CopyAllCode = CopyCode + kCodeLanguageCount,
    ShowColumn = 100,       // the first of one per HistoryColumn: shows or hides it
    ChatterThreshold = 200, // the first of one per kChatterThresholdChoicesMs
};

// A command, with the API or the column it is for.
struct ChosenCommand {
    HistoryCommand command;
    int index = 0; // CopyCode: the CodeLanguage; ShowColumn: the HistoryColumn;
                   // ChatterThreshold: the choice's index
};

constexpr UINT CommandId(HistoryCommand command) {
    return static_cast<UINT>(command);
}
constexpr UINT CommandId(CodeLanguage language) {
    return CommandId(HistoryCommand::CopyCode) + static_cast<UINT>(language);
}
constexpr UINT CommandId(HistoryColumn column) {
    return CommandId(HistoryCommand::ShowColumn) + static_cast<UINT>(column);
}
constexpr UINT ChatterCommandId(size_t choice) {
    return CommandId(HistoryCommand::ChatterThreshold) + static_cast<UINT>(choice);
}

// What a menu's identifier stands for; none for an identifier of no command.
constexpr std::optional<ChosenCommand> CommandOf(UINT id) {
    const UINT copyCode = CommandId(HistoryCommand::CopyCode);
    const UINT column = CommandId(HistoryCommand::ShowColumn);
    switch (static_cast<HistoryCommand>(id)) {
    case HistoryCommand::Copy:
    case HistoryCommand::SelectAll:
    case HistoryCommand::Clear:
    case HistoryCommand::CopyAllCode:
        return ChosenCommand{static_cast<HistoryCommand>(id)};
    default:
        break;
    }
    if (id >= copyCode && id < copyCode + kCodeLanguageCount)
        return ChosenCommand{HistoryCommand::CopyCode, static_cast<int>(id - copyCode)};
    if (id >= column && id < column + kHistoryColumnCount)
        return ChosenCommand{HistoryCommand::ShowColumn, static_cast<int>(id - column)};
    const UINT chatter = CommandId(HistoryCommand::ChatterThreshold);
    if (id >= chatter && id < chatter + kChatterThresholdChoicesMs.size())
        return ChosenCommand{HistoryCommand::ChatterThreshold, static_cast<int>(id - chatter)};
    return std::nullopt;
}

} // namespace zintar
