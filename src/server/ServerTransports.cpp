#include "server/ServerTransports.h"

#include "server/DavTransport.h"
#include "server/SftpTransport.h"

#include <QCoreApplication>

std::unique_ptr<ServerTransport> ServerTransports::make(const ServerAddress &address,
                                                        const TransportOptions &options, QString *problem)
{
    if (address.scheme == ServerAddress::Sftp)
        return std::make_unique<SftpTransport>(address, options);
    // Plain http:// serves only a server that asks for no login: a password
    // is never sent unencrypted.
    if (address.scheme == ServerAddress::Http && !address.user.isEmpty()) {
        if (problem)
            *problem = QCoreApplication::translate(
                           "ServerTransports",
                           "\"%1\": a password is never sent over plain http:// (anyone on the way could "
                           "read it); give an https:// address for a server that asks for a login.")
                           .arg(address.text());
        return nullptr;
    }
    return std::make_unique<DavTransport>(address, options);
}
