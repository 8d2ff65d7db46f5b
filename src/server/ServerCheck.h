#pragma once

#include <QString>

class ServerTransport;

// Whether an open transport's server folder can take a transfer: it exists,
// is a folder, and a file can be written in it and removed again (under a
// transfer's temporary name, which the next transfer tidies if left behind).
namespace ServerCheck {

enum Outcome { Writable, Missing, NotFolder, Failed };

// The outcome and, in `message`, a sentence naming the server and folder.
Outcome folder(ServerTransport &transport, const QString &serverText, const QString &folder,
               QString *message);

} // namespace ServerCheck
