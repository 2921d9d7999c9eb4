#pragma once
// The View menu's console commands: Show Transparency, Console Colours, LCD
// Colours and Budget, each a checked command kept in the settings.
#include <vector>

#include "ui/CommandTable.h"

namespace pixolan {

std::vector<CommandRow> ConsoleViewCommands();

}  // namespace pixolan
