#pragma once
// The subcommands of pixolan-cli. Each registers itself on the application and
// sets the process's exit status through the shared result.
#include <CLI/CLI.hpp>

namespace pixolan::cli {

// Exit statuses: 0 success, 1 a file or export failed, 2 bad usage.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

void AddInfoCommand(CLI::App& app, int& exitStatus);
void AddExportCommand(CLI::App& app, int& exitStatus);
void AddPaletteCommand(CLI::App& app, int& exitStatus);
void AddCheckCommand(CLI::App& app, int& exitStatus);
void AddPreviewCommand(CLI::App& app, int& exitStatus);

}  // namespace pixolan::cli
