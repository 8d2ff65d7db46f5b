#pragma once

#include "server/ServerAddress.h"
#include "server/TransportOptions.h"

#include <memory>

class ServerTransport;

namespace ServerTransports {

// The transport for an address's protocol (SFTP, or WebDAV for https://
// and, without a login, http://), not yet open; null (and `problem` set to a
// sentence naming the address) where none serves it.
std::unique_ptr<ServerTransport> make(const ServerAddress &address, const TransportOptions &options,
                                      QString *problem);

} // namespace ServerTransports
