#pragma once

#include <QString>

// A real server of the test's own on 127.0.0.1 (sshd, lighttpd): what the
// server tests need of it, whatever its protocol.
class LocalServer {
public:
    virtual ~LocalServer() = default;
    // Starts the server (again, on the same port and keys); false with
    // `problem` when this machine cannot run it (the test then skips).
    virtual bool start(QString *problem) = 0;
    // Kills the server and every session it started at once, as a crash would.
    virtual void kill() = 0;
    // Stops the server without closing anything (a stalled server), or lets it go on.
    virtual void pause(bool stopped) = 0;
    virtual int port() const = 0;
    virtual QString address() const = 0; // as a project names it
    virtual QString www() const = 0;     // the served folder, as files on this machine
};
