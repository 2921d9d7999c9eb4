#include "cli/Commands.h"

namespace pixolan::cli {

void AddExportCommand(CLI::App& app, int& exitStatus) { (void)app; (void)exitStatus; }

}  // namespace pixolan::cli
