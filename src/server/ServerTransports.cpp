#include "server/ServerTransports.h"

#include "server/SftpTransport.h"

#include <QCoreApplication>

std::unique_ptr<ServerTransport> ServerTransports::make(const ServerAddress &address,
                                                        const TransportOptions &options, QString *problem)
{
    if (address.scheme == ServerAddress::Sftp)
        return std::make_unique<SftpTransport>(address, options);
    if (problem)
        *problem = QCoreApplication::translate("ServerTransports",
                                               "\"%1\": WebDAV servers (https://) cannot be used by this "
                                               "version yet; give an sftp:// address.")
                       .arg(address.text());
    return nullptr;
}
