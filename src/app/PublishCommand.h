#pragma once

struct CommandLine;

// --publish, --unpublish and --restore: prints one line per page (its state,
// its path and, for a failure or an edit by hand, the reason), then writes
// the pages that change unless --dry-run is given; pages edited by hand
// only with --overwrite-edits. Returns the exit code (HeadlessExport::ExitCode).
namespace PublishCommand {

int run(const CommandLine &command);

} // namespace PublishCommand
