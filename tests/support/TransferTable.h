#pragma once

#include "server/ServerAddress.h"
#include "server/TransferPlan.h"
#include "server/TransferRunner.h"
#include "server/TransportOptions.h"
#include "support/LocalServer.h"
#include "support/TestFiles.h"

#include <QJsonArray>

#include <functional>
#include <utility>

// What the server tests of both transports share, run against one server:
// the tables of transfers and of command lines, a stalled and a stopped server.
struct TransferSides {
    LocalServer &server;
    QString site;             // the local site folder
    QString outside;          // a folder outside the site
    TransportOptions options; // how the tests' transports log in

    // The rows of tables in tests/data as the column "row", each named by
    // its first column; with `transport`, only rows whose second column names it.
    static void addRows(const QStringList &tables, const QString &transport = {});
    // `text` with each placeholder ("$PORT") replaced by its value.
    static QString filled(QString text, const QList<std::pair<QString, QString>> &values);
    static void put(const QString &path, const QByteArray &bytes);

    static ServerAddress addressOf(const QString &text); // a valid address, or a fatal failure
    ServerAddress address() const { return addressOf(server.address()); }
    // Empties the site and the server folder.
    void clear() const;
    // Connects (or fails fatally), plans and, as a command does, runs a
    // transfer of `paths`.
    TransferPlan transfer(TransferPlan::Direction direction, const QStringList &paths, bool overwrite = false,
                          TransferReport *report = nullptr,
                          const TransferRunner::Options &running = {}) const;
    // How many of `paths` the server holds as `fresh`; unless `old` is null,
    // every other one must still hold `old` (else -1).
    int countFresh(const QStringList &paths, const QByteArray &old, const QByteArray &fresh) const;
    // Makes the two sides step by step ("local P TEXT", "big P BYTES",
    // "server P TEXT", "server-move P Q", "chmod MODE P", "server-same P TEXT"
    // on the server, "record-saved SECONDS", "link FOLDER P": a folder of the
    // site leading outside), handing any other
    // step to `other`; the site's pages named are added to `paths`.
    void make(const QJsonArray &steps, QStringList *paths,
              const std::function<void(const QStringList &step)> &other) const;
    // What each side holds: "server P TEXT" (or "local", "outside"), "server
    // P" (absent), "mode P 444" (on the server).
    void holds(const QJsonArray &checks) const;
    // One row: steps that make the two sides ("during STEP": taken once the
    // run moved its first file), then one transfer planned and run; the states planned and what each side
    // holds afterwards (holds()); as a seventh column, a text that the run's messages hold.
    void runRow(const QJsonArray &row) const;
    // One row of server-command-lines.json or a table of its shape (name,
    // transport, steps, arguments, standard input, status, texts of the
    // output, what the sides hold afterwards): the steps as make() takes
    // them, "env NAME [VALUE]" (until the row ends) and "upload" (the command
    // succeeds), others handed to `other`; then `quillnav --upload` of a
    // sample project with the arguments. "$SERVER", "$WWW", "$PORT" and
    // `values` are filled in; the input is never shown.
    void runCommandRow(const QJsonArray &row, QList<std::pair<QString, QString>> values = {},
                       const std::function<void(const QStringList &step)> &other = {}) const;
    // The server killed after `killAfter` files of an upload of three times
    // as many: every server file is whole (old or new), and the next upload
    // sends only what is left.
    void stopMidUpload(int killAfter) const;
    // A server that stops answering: a listing returns after its bound of
    // 2 seconds, naming the server, the action and the folder.
    void stall() const;
};
