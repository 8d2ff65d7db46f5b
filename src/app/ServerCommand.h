#pragma once

struct CommandLine;

// --upload and --download, run by the server module (libquillnav_server.so,
// linking libssh and Qt Network), which the program loads only for them, as
// it loads the windows (ProgramModule). What the commands do and their exit
// codes: server/TransferCommand.h.
namespace ServerCommand {

// The module's one entry point: runs the command and returns the program's
// exit code. The module and the program come from one build, so the command
// line crosses as it is.
using EntryPoint = int (*)(const CommandLine *command);
inline constexpr char kEntryPointName[] = "quillnav_server_main";

// Loads the module and runs the command. When the module cannot be loaded,
// writes a message naming the file and the loader's reason to stderr and
// returns HeadlessExport::Failure.
int run(const CommandLine &command);

} // namespace ServerCommand
