#pragma once

struct CommandLine;

// --publish and --unpublish: prints one line per page (its state, its path
// and, for a failure, the reason), then writes the pages that change unless
// --dry-run is given. Returns the exit code (HeadlessExport::ExitCode).
namespace PublishCommand {

int run(const CommandLine &command);

} // namespace PublishCommand
