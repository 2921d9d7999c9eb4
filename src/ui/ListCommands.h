#pragma once
// The frame and animation list edits as commands: in the Edit menu (with their
// keys) and in the animation list's menu.
#include <vector>

#include "ui/CommandTable.h"

namespace pixolan {

// Appends the rows: the Edit menu's, then the "Anim List" menu's (same ids).
void AddListCommands(std::vector<CommandRow>& table);

}  // namespace pixolan
