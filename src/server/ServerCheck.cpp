#include "server/ServerCheck.h"

#include "server/ServerPath.h"
#include "server/ServerTransport.h"

#include <QCoreApplication>

namespace ServerCheck {

Outcome folder(ServerTransport &transport, const QString &serverText, const QString &folder, QString *message)
{
    ServerEntry entry;
    bool missing = false;
    if (!transport.stat(folder, &entry, &missing)) {
        *message = transport.error();
        return Failed;
    }
    if (missing) {
        *message = QCoreApplication::translate("ServerCheck", "The folder \"%1\" does not exist on %2.")
                       .arg(folder, serverText);
        return Missing;
    }
    if (!entry.folder) {
        *message = QCoreApplication::translate("ServerCheck", "\"%1\" on %2 is not a folder.")
                       .arg(folder, serverText);
        return NotFolder;
    }
    const QString probe = ServerPath::under(folder, ServerPath::newName(QStringLiteral(".quillnav-check")));
    if (!transport.write(probe, QByteArrayLiteral("quillnav\n"), 0600) || !transport.remove(probe)) {
        *message = QCoreApplication::translate("ServerCheck", "The folder \"%1\" on %2 cannot be written: %3")
                       .arg(folder, serverText, transport.error());
        return Failed;
    }
    *message = QCoreApplication::translate("ServerCheck",
                                           "Connected to %1: the folder \"%2\" exists and can be written.")
                   .arg(serverText, folder);
    return Writable;
}

} // namespace ServerCheck
