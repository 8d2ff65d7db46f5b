#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testfiles {

// A TCP port on 127.0.0.1 that no one listens on now.
inline int freePort()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0
        && getsockname(s, reinterpret_cast<sockaddr *>(&a), &length) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

// Whether something listens on 127.0.0.1:port.
inline bool listening(int port)
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(quint16(port));
    const bool yes = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    close(s);
    return yes;
}

} // namespace testfiles
