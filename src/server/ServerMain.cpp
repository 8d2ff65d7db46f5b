// The transfers to and from a site's server, built as a module of their own
// that the program loads only for --upload and --download (see
// app/ServerCommand.h), so that its other modes start without libssh and
// Qt Network.
#include "app/ServerCommand.h"
#include "server/TransferCommand.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) int quillnav_server_main(const CommandLine *command)
{
    static_assert(std::is_same_v<decltype(&quillnav_server_main), ServerCommand::EntryPoint>);
    return TransferCommand::run(*command);
}
