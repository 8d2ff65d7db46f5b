#pragma once

#include "server/ServerTransport.h"
#include "server/TransferPlan.h"
#include "server/TransferRunner.h"

#include <QJsonArray>
#include <QString>

#include <functional>
#include <memory>

// The rows of tests/data/server-transfers.json (and tables of the same
// shape) run against one server: the test says where each side's files
// are and how to connect.
struct TransferSides {
    QString site;                                              // the local site folder
    QString www;                                               // the server folder, as files on this machine
    QString outside;                                           // a folder outside the site
    QString address;                                           // the server's address, as the record names it
    QString folder;                                            // the address's folder on the server
    std::function<std::unique_ptr<ServerTransport>()> connect; // an open transport, or a fatal failure

    void put(const QString &path, const QByteArray &bytes) const;
    // Empties the site and the server folder.
    void clear() const;
    // Plans and, as a command does, runs a transfer of `paths`.
    TransferPlan transfer(TransferPlan::Direction direction, const QStringList &paths, bool overwrite = false,
                          TransferReport *report = nullptr,
                          const TransferRunner::Options &running = {}) const;
    // One row: steps that make the two sides, then one transfer planned and
    // run; the states planned and what each side holds afterwards; as a
    // seventh column, a text that the run's messages hold.
    void runRow(const QJsonArray &row) const;
};
