#include "framework/gui/MenuCommands.h"

#include "framework/gui/Menus.h"

#include <unordered_map>

namespace fw {

namespace {

// Ids from 1 up to just below the system commands (SC_SIZE is 0xF000).
constexpr win::UINT FirstCommand = 1;
constexpr win::UINT LastCommand = 0xEFFF;

struct TMenuTables {
    std::unordered_map<win::UINT, TMenuItem*> commands;
    std::unordered_map<win::HMENU, TMenuItem*> handles;
    win::UINT next = FirstCommand;
};

TMenuTables& Tables() {
    static TMenuTables tables;
    return tables;
}

} // namespace

win::UINT AllocateMenuCommand(TMenuItem& item) {
    TMenuTables& tables = Tables();
    if (tables.commands.size() > LastCommand - FirstCommand)
        throw EMenuError("Out of menu command ids");
    // Ids go round, so a freed id is not handed out again at once: a
    // WM_COMMAND posted for a deleted item does not reach its successor.
    while (tables.commands.contains(tables.next))
        tables.next = tables.next == LastCommand ? FirstCommand : tables.next + 1;
    const win::UINT command = tables.next;
    tables.next = command == LastCommand ? FirstCommand : command + 1;
    tables.commands.emplace(command, &item);
    return command;
}

void ReleaseMenuCommand(win::UINT command) {
    Tables().commands.erase(command);
}

TMenuItem* FindMenuItem(win::UINT command) {
    const auto& commands = Tables().commands;
    const auto found = commands.find(command);
    return found == commands.end() ? nullptr : found->second;
}

void RegisterMenuHandle(win::HMENU handle, TMenuItem& item) {
    Tables().handles[handle] = &item;
}

void UnregisterMenuHandle(win::HMENU handle) {
    Tables().handles.erase(handle);
}

TMenuItem* FindMenuItemByHandle(win::HMENU handle) {
    const auto& handles = Tables().handles;
    const auto found = handles.find(handle);
    return found == handles.end() ? nullptr : found->second;
}

} // namespace fw
