#include "support/TransferTable.h"

#include "server/ServerTransport.h"
#include "server/ServerTransports.h"
#include "server/TransferPlanner.h"
#include "server/TransferRecord.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Rewrites a file in place with as many bytes, its times kept: a change
// within the same second, as its server's entry shows it.
void changeInSameSecond(const QString &file, const QByteArray &bytes)
{
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite)); // in place: the same inode, as an entity tag may use it
    QCOMPARE(f.write(bytes), qint64(st.st_size));
    f.close();
    const timespec times[2] = {st.st_atim, st.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
}

// The site's transfer record as if written `seconds` from now, or ("none")
// by a version that marked nothing.
void setRecordSaved(const QString &site, const QString &seconds)
{
    const QString file = TransferRecord::path(site);
    QJsonObject root = QJsonDocument::fromJson(testfiles::readAll(file)).object();
    QJsonObject files = root["files"].toObject();
    if (seconds == "none") {
        root.remove("saved");
        for (auto it = files.begin(); it != files.end(); ++it)
            it.value() = [o = it.value().toObject()]() mutable { return o.remove("verify"), o; }();
    } else {
        root["saved"] = double(QDateTime::currentMSecsSinceEpoch() + seconds.toLongLong() * 1000);
    }
    root["files"] = files;
    QVERIFY(testfiles::writeAll(file, QJsonDocument(root).toJson()));
}

} // namespace

void TransferSides::addRows(const QStringList &tables, const QString &transport)
{
    QTest::addColumn<QJsonArray>("row");
    for (const QString &table : tables)
        for (const QJsonArray &r : testfiles::tableRows(table))
            if (transport.isEmpty() || r[1].toString() == transport)
                QTest::newRow(qPrintable(r[0].toString())) << r;
}

QString TransferSides::filled(QString text, const QList<std::pair<QString, QString>> &values)
{
    for (const auto &[name, value] : values)
        text.replace(name, value);
    return text;
}

void TransferSides::put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(testfiles::writeAll(path, bytes));
}

ServerAddress TransferSides::addressOf(const QString &text)
{
    ServerAddress a;
    QString problem;
    if (!ServerAddress::parse(text, &a, &problem))
        qFatal("%s", qPrintable(problem));
    return a;
}

void TransferSides::clear() const
{
    for (const QString &dir : {site, server.www()}) {
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
    }
}

TransferPlan TransferSides::transfer(TransferPlan::Direction direction, const QStringList &paths,
                                     bool overwrite, TransferReport *report,
                                     const TransferRunner::Options &running) const
{
    QString problem;
    const std::unique_ptr<ServerTransport> t = ServerTransports::make(address(), options, &problem);
    if (!t || !t->open())
        qFatal("%s", qPrintable(t ? t->error() : problem));
    TransferRecord record = TransferRecord::load(site, address().text(), nullptr);
    TransferPlan plan = TransferPlanner::plan(*t, direction, site, address().folder, paths, &record);
    record.save(site, nullptr);
    for (TransferItem &i : plan.items)
        i.overwrite = overwrite;
    const TransferReport done = TransferRunner::run(*t, plan, &record, running);
    if (report)
        *report = done;
    return plan;
}

int TransferSides::countFresh(const QStringList &paths, const QByteArray &old, const QByteArray &fresh) const
{
    int count = 0;
    for (const QString &p : paths) {
        const QByteArray bytes = testfiles::readAll(server.www() + '/' + p);
        count += bytes == fresh;
        if (bytes != fresh && !old.isNull() && bytes != old)
            return qWarning("%s is neither old nor new", qPrintable(p)), -1;
    }
    return count;
}

void TransferSides::make(const QJsonArray &steps, QStringList *paths,
                         const std::function<void(const QStringList &step)> &other) const
{
    const QString www = server.www();
    for (const QJsonValue &v : steps) {
        const QStringList step = v.toString().split(' ');
        const QString rest = step.mid(2).join(' ');
        if (step[0] == "local" || step[0] == "big")
            put(site + '/' + step[1], step[0] == "big" ? QByteArray(rest.toInt(), 'x') : rest.toUtf8());
        else if (step[0] == "server")
            put(www + '/' + step[1], rest.toUtf8());
        else if (step[0] == "server-move")
            QVERIFY(QFile::rename(www + '/' + step[1], www + '/' + step[2]));
        else if (step[0] == "chmod")
            QCOMPARE(::chmod(QFile::encodeName(www + '/' + step[2]).constData(), step[1].toUInt(nullptr, 8)),
                     0);
        else if (step[0] == "server-same") // new bytes of the same size, the server's time kept
            changeInSameSecond(www + '/' + step[1], rest.toUtf8());
        else if (step[0] == "record-saved") // seconds from now; "none": as an older version wrote it
            setRecordSaved(site, step[1]);
        else if (step[0] == "link") // a folder of the site that leads out of it
            QVERIFY(QFile::link(outside, site + '/' + step[1]));
        else
            other(step);
        if (step[0] == "link")
            *paths << step[2];
        if ((step[0] == "local" || step[0] == "big") && !paths->contains(step[1]))
            *paths << step[1];
    }
}

void TransferSides::runRow(const QJsonArray &row) const
{
    clear();
    QStringList paths;
    QJsonArray during; // steps taken once the run moved its first file
    make(row[1].toArray(), &paths, [&](const QStringList &step) {
        if (step[0] == "during")
            during.append(step.mid(1).join(' '));
        else
            transfer(TransferPlan::Upload, paths);
    });
    const auto direction = row[2].toString() == "upload" ? TransferPlan::Upload : TransferPlan::Download;
    TransferReport report;
    TransferRunner::Options running;
    running.progress = [&](qsizetype files, qint64) {
        if (files == 1)
            make(during, &paths, [](const QStringList &) {});
    };
    const TransferPlan plan = transfer(direction, paths, row[3].toBool(), &report, running);
    QJsonObject states;
    for (const TransferItem &i : plan.items)
        states.insert(i.path, TransferPlan::stateText(i.state, direction)
                                  + (i.reason.isEmpty() ? "" : ": " + i.reason));
    QCOMPARE(states, row[4].toObject());
    holds(row[5].toArray());
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

void TransferSides::runCommandRow(const QJsonArray &row, QList<std::pair<QString, QString>> values,
                                  const std::function<void(const QStringList &step)> &other) const
{
    values << std::pair{QString("$SERVER"), server.address()} << std::pair{QString("$WWW"), server.www()}
           << std::pair{QString("$PORT"), QString::number(server.port())};
    clear();
    QStringList arguments;
    for (const QJsonValue &v : row[3].toArray())
        arguments << filled(v.toString(), values);
    const QByteArray input = filled(row[4].toString(), values).toUtf8();
    const auto upload = [&](const QStringList &pages) {
        QStringList files;
        for (const QString &page : pages)
            files << site + '/' + page;
        return testfiles::saveProject(site + "/p.qnv", testfiles::sampleProject()) ? testfiles::runQuillnav(
                   QStringList{"--upload", site + "/p.qnv", "--site", site} + arguments + files,
                   RLIM_INFINITY, testpaths::binary(), input)
                                                                                   : testfiles::Run{};
    };
    QList<std::pair<QByteArray, QByteArray>> before; // the environment as it was
    const auto restore = qScopeGuard([&] {
        for (const auto &[name, value] : before)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    });
    QStringList pages;
    make(row[2].toArray(), &pages, [&](const QStringList &step) {
        if (step[0] == "env") {
            const QByteArray name = step[1].toLocal8Bit();
            before << std::pair{name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()};
            step.size() > 2 ? qputenv(name, filled(step[2], values).toLocal8Bit()) : qunsetenv(name);
        } else if (step[0] == "upload") {
            const testfiles::Run run = upload(pages);
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        } else if (other) {
            other(step);
        }
    });
    const testfiles::Run run = upload(pages);
    const QString said = QString::fromUtf8(run.out + run.err.toUtf8()).simplified();
    QCOMPARE(run.exitCode, row[5].toInt());
    for (const QJsonValue &text : row[6].toArray())
        QVERIFY2(said.contains(filled(text.toString(), values)), qPrintable(said));
    QVERIFY(input.trimmed().isEmpty() || !said.contains(input.trimmed())); // a password never shown
    holds(row[7].toArray());
}

void TransferSides::holds(const QJsonArray &checks) const
{
    for (const QJsonValue &v : checks) {
        const QStringList check = v.toString().split(' ');
        const QString file = (check[0] == "local"     ? site
                              : check[0] == "outside" ? outside
                                                      : server.www())
                             + '/' + check[1];
        struct stat st {};
        if (check[0] == "mode")
            QCOMPARE(::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_mode & 07777 : 0,
                     check[2].toUInt(nullptr, 8));
        else if (check.size() == 2)
            QVERIFY2(!QFile::exists(file), qPrintable(file));
        else
            QCOMPARE(testfiles::readAll(file), check.mid(2).join(' ').toUtf8());
    }
}

void TransferSides::stopMidUpload(int killAfter) const
{
    clear();
    QStringList paths;
    for (int i = 0; i < 3 * killAfter; ++i) {
        paths << QStringLiteral("f%1/p%2.html").arg(i % 3).arg(i);
        put(site + '/' + paths.last(), QByteArray(20000, 'a'));
    }
    transfer(TransferPlan::Upload, paths);
    for (const QString &p : paths)
        put(site + '/' + p, QByteArray(21000, 'b'));
    TransferReport report;
    TransferRunner::Options o;
    o.progress = [&](qsizetype files, qint64) {
        if (files == killAfter)
            server.kill();
    };
    transfer(TransferPlan::Upload, paths, false, &report, o);
    QCOMPARE(report.filesMoved, killAfter);
    QVERIFY(!report.error.isEmpty());
    QVERIFY(countFresh(paths, QByteArray(20000, 'a'), QByteArray(21000, 'b')) >= 0);
    QString problem;
    QVERIFY2(server.start(&problem), qPrintable(problem));
    const TransferPlan again = transfer(TransferPlan::Upload, paths, false, &report);
    QCOMPARE(again.count(TransferItem::UpToDate), killAfter);
    QCOMPARE(report.filesMoved, 2 * killAfter);
    QVERIFY(!report.failed());
    QCOMPARE(countFresh(paths, {}, QByteArray(21000, 'b')), 3 * killAfter);
}

void TransferSides::stall() const
{
    TransportOptions o = options;
    o.stallSeconds = 2;
    QString problem;
    const std::unique_ptr<ServerTransport> t = ServerTransports::make(address(), o, &problem);
    QVERIFY2(t && t->open(), qPrintable(t ? t->error() : problem));
    server.pause(true);
    QList<ServerEntry> entries;
    bool missing = false;
    const bool listed = t->list(address().folder, &entries, &missing);
    server.pause(false);
    QVERIFY(!listed);
    QVERIFY(!t->connected());
    QVERIFY2(t->error().contains("listing the folder \"" + address().folder
                                 + "\" failed: the server did not answer for 2 seconds"),
             qPrintable(t->error()));
}
