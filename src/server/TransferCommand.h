#pragma once

struct CommandLine;

// --upload and --download: finds the files that move (ServerFiles), connects
// to the project's server or --server's, prints one line per file (its
// state, its path and, for an error, the reason), then moves what differs
// unless --dry-run is given; files changed elsewhere since the last
// transfer only with --overwrite. Returns the exit code
// (HeadlessExport::ExitCode): 1 also when a file failed or was left as
// changed elsewhere, or the host key or the login was refused; 2 when there
// is no server. The program runs it from the server module (ServerMain).
namespace TransferCommand {

int run(const CommandLine &command);

} // namespace TransferCommand
