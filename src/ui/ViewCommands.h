#pragma once
// The View menu's zoom, grid and onion skin commands and the Escape key that
// drops the selection: rows of the command table.
#include <vector>

#include "ui/CommandTable.h"

namespace pixolan {

std::vector<CommandRow> ViewCommandRows();

}  // namespace pixolan
