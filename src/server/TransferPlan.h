#pragma once

#include "server/ServerTransport.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What an upload or a download does to each file, found before anything
// moves: one row per file, as the command line prints it and the window
// shows it.
struct TransferItem {
    // ChangedOnServer: its server copy changed since the last transfer (an
    // upload would overwrite it unseen); ChangedHere: the local copy did (a
    // download would); ChangedOnBoth: both did, or, with no record, the two
    // differ. Those three move only with `overwrite`.
    enum State { WillTransfer, UpToDate, ChangedOnServer, ChangedHere, ChangedOnBoth, Error };

    QString path; // relative to the site folder and to the server folder, '/' between names
    State state = Error;
    QString reason; // Error: why
    bool localExists = false;
    QByteArray localHash; // of the local file as planned (empty when missing)
    bool onServer = false;
    ServerEntry server;     // onServer: its entry as listed
    QByteArray serverBytes; // the server copy, when planning already read it
    QByteArray serverHash;  // the server copy's hash, where planning knows it (recorded or read)
    // The server copy could still change within the second of its time
    // unseen by its entry: before replacing it, the runner compares its bytes
    // with serverHash.
    bool racy = false;
    bool overwrite = false; // move it all the same (a changed state)

    bool moves() const
    {
        return state == WillTransfer
               || (overwrite && (state == ChangedOnServer || state == ChangedHere || state == ChangedOnBoth));
    }
};

struct TransferPlan {
    enum Direction { Upload, Download };
    Direction direction = Upload;
    QString siteFolder;   // absolute
    QString serverFolder; // absolute on the server
    QList<TransferItem> items;
    QString error; // the run cannot start (no connection, no record written)
    QString recordNote;
    // Temporaries of an interrupted run found on the server, as server paths;
    // tidied by the planner unless it was a dry run.
    QStringList leftovers;
    QStringList notOnServer;    // a download's files the server does not hold (left out of items)
    bool recordChanged = false; // planning added to the record or verified entries in it (to be saved)

    // "will upload"/"will download", "up to date", "changed on the server",
    // "changed here", "changed on both", "error".
    static QString stateText(TransferItem::State state, Direction direction);
    qsizetype count(TransferItem::State state) const
    {
        qsizetype n = 0;
        for (const TransferItem &i : items)
            n += i.state == state;
        return n;
    }
};
