#include "tools/telvora-tool/CommandTable.h"

#include <algorithm>

namespace tool {

namespace {
// A function-local table: registrars in other files run during static
// initialisation in an unspecified order.
std::vector<Command>& Table() {
    static std::vector<Command> table;
    return table;
}
} // namespace

CommandRegistrar::CommandRegistrar(const Command& command) {
    auto& table = Table();
    auto at = std::lower_bound(table.begin(), table.end(), command.name,
                               [](const Command& c, std::string_view n) { return c.name < n; });
    table.insert(at, command);
}

const std::vector<Command>& Commands() {
    return Table();
}

const Command* FindCommand(std::string_view name) {
    for (const Command& c : Table()) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

} // namespace tool
