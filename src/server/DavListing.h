#pragma once

#include "server/ServerTransport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A WebDAV server's answer to PROPFIND (a multistatus document), read as
// bad input: only the entry of the folder asked about and those directly
// inside it count; an href leading anywhere else, or naming an entry that
// ServerPath would not take (".", "..", '/' inside a name), is dropped.
// Names are percent-decoded, bytes that are not UTF-8 kept (FileName).
struct DavListing {
    QList<ServerEntry> children;
    bool selfFound = false;
    ServerEntry self; // the entry asked about (PROPFIND with Depth 0 or 1)
    QString problem;  // not empty: the answer could not be read (a sentence's end)

    // `names`: the path asked about, its names in order ("/a/b" as {"a", "b"}).
    static DavListing parse(const QByteArray &xml, const QStringList &names, qsizetype maxEntries);
    // The names of an href (a path or a whole URL), decoded; empty segments left out.
    static QStringList hrefNames(const QString &href);
    // An HTTP date ("Sun, 06 Nov 1994 08:49:37 GMT") as seconds since 1970; 0 when unreadable.
    static qint64 httpDate(const QString &text);
    // The body of a PROPFIND asking for what a ServerEntry holds.
    static QByteArray request();
};
