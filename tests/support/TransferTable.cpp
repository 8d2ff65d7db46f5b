#include "support/TransferTable.h"

#include "server/TransferPlanner.h"
#include "server/TransferRecord.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QJsonObject>
#include <QtTest>

void TransferSides::put(const QString &path, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void TransferSides::clear() const
{
    for (const QString &dir : {site, www}) {
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
    }
}

TransferPlan TransferSides::transfer(TransferPlan::Direction direction, const QStringList &paths,
                                     bool overwrite, TransferReport *report,
                                     const TransferRunner::Options &running) const
{
    const std::unique_ptr<ServerTransport> t = connect();
    TransferRecord record = TransferRecord::load(site, address, nullptr);
    TransferPlan plan = TransferPlanner::plan(*t, direction, site, folder, paths, &record);
    record.save(site, nullptr);
    for (TransferItem &i : plan.items)
        i.overwrite = overwrite;
    const TransferReport done = TransferRunner::run(*t, plan, &record, running);
    if (report)
        *report = done;
    return plan;
}

void TransferSides::runRow(const QJsonArray &row) const
{
    clear();
    QStringList paths;
    for (const QJsonValue &v : row[1].toArray()) {
        const QStringList step = v.toString().split(' ');
        const QString rest = step.mid(2).join(' ');
        if (step[0] == "local")
            put(site + '/' + step[1], rest.toUtf8());
        else if (step[0] == "server")
            put(www + '/' + step[1], rest.toUtf8());
        else if (step[0] == "server-move")
            QVERIFY(QFile::rename(www + '/' + step[1], www + '/' + step[2]));
        else if (step[0] == "upload")
            transfer(TransferPlan::Upload, paths);
        else if (step[0] == "link") // a folder of the site that leads out of it
            QVERIFY(QFile::link(outside, site + '/' + step[1]));
        if (step[0] == "link")
            paths << step[2];
        if (step[0] == "local" && !paths.contains(step[1]))
            paths << step[1];
    }
    const auto direction = row[2].toString() == "upload" ? TransferPlan::Upload : TransferPlan::Download;
    TransferReport report;
    const TransferPlan plan = transfer(direction, paths, row[3].toBool(), &report);
    QJsonObject states;
    for (const TransferItem &i : plan.items)
        states.insert(i.path, TransferPlan::stateText(i.state, direction)
                                  + (i.reason.isEmpty() ? "" : ": " + i.reason));
    QCOMPARE(states, row[4].toObject());
    const QJsonObject after = row[5].toObject();
    for (auto it = after.begin(); it != after.end(); ++it) {
        const QString name = it.key().section(' ', 1);
        const QString side = it.key().section(' ', 0, 0);
        const QString file = side == "server"    ? www + '/' + name
                             : side == "outside" ? outside + '/' + name
                                                 : site + '/' + name;
        QCOMPARE(QFile::exists(file), !it.value().isNull());
        if (!it.value().isNull())
            QCOMPARE(testfiles::readAll(file), it.value().toString().toUtf8());
    }
    if (row.size() > 6) {
        QStringList messages{report.error};
        for (const TransferResult &r : report.results)
            messages << r.message;
        QVERIFY2(messages.join('\n').contains(row[6].toString()), qPrintable(messages.join('\n')));
    }
    // Whatever moved is recorded: planning again finds nothing to move.
    if (!row[3].toBool() && !report.failed())
        for (const TransferItem &i : transfer(direction, paths).items)
            QVERIFY(i.state != TransferItem::WillTransfer);
}
