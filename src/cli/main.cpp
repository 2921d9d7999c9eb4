// pixolan-cli: the headless front end for build pipelines.
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <new>
#include <string>

#include "cli/Commands.h"
#include "framework/Version.h"

int main(int argc, char** argv) {
  CLI::App app{"Pixolan: Game Boy Color sprite sheets to assembler data", "pixolan-cli"};
  // --version alone is a whole command line; otherwise a subcommand is needed.
  app.set_version_flag("--version", std::string("pixolan-cli ") + pixolan::kVersion, "Print the version and exit");
  app.require_subcommand(1);
  int exitStatus = pixolan::cli::kExitOk;
  pixolan::cli::AddInfoCommand(app, exitStatus);
  pixolan::cli::AddExportCommand(app, exitStatus);
  pixolan::cli::AddPaletteCommand(app, exitStatus);
  pixolan::cli::AddCheckCommand(app, exitStatus);
  pixolan::cli::AddPreviewCommand(app, exitStatus);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return pixolan::cli::kExitUsage;
  } catch (const std::bad_alloc&) {
    std::cerr << "error: out of memory\n";
    return pixolan::cli::kExitFailure;
  } catch (const std::exception& e) {
    std::cerr << "error: " << e.what() << "\n";
    return pixolan::cli::kExitFailure;
  }
  return exitStatus;
}
