#pragma once

#include "menu/MenuProject.h"
#include "server/ServerAddress.h"
#include "server/TransferPlan.h"
#include "server/TransferRecord.h"
#include "server/TransferRunner.h"
#include "server/TransportOptions.h"

#include <QObject>

class ServerTransport;

#include <atomic>
#include <functional>
#include <memory>

// A window's transfer, done on a thread of its own so that the window stays
// responsive: it picks the menu's files (ServerFiles), connects, plans
// (TransferPlanner), reads a server copy to compare, and runs the plan
// (TransferRunner). The transport is made, used and closed on that thread
// only. Its slots are called through queued calls; its answers come as
// signals. Free of widgets.
class TransferWorker : public QObject {
    Q_OBJECT
public:
    struct Job {
        ServerAddress address;
        TransportOptions options;
        MenuProject project;
        QString siteFolder; // absolute
        TransferPlan::Direction direction = TransferPlan::Upload;
        // Asked on the worker's thread when open() refused the host key:
        // true to trust that unknown key and connect again. May be empty.
        std::function<bool(const ServerTransport &)> trustHostKey;
        // Told on the worker's thread whether a login was accepted, once one
        // was tried. May be empty.
        std::function<void(bool)> loginTried;
    };

    explicit TransferWorker(Job job);
    ~TransferWorker() override;

    // Set from any thread: the run stops between two files.
    void cancel() { m_cancel = true; }

    // Server copies larger than this are not read to show their changes.
    static constexpr qint64 kMaxShownBytes = 8LL * 1024 * 1024;

public slots:
    void plan();
    void fetch(const QString &path);
    void run(const TransferPlan &plan);

signals:
    // `note`: what the selection of files had to say (may be empty).
    void planned(const TransferPlan &plan, const QString &note);
    void fetched(const QString &path, const QByteArray &bytes, const QString &error);
    void progressed(qsizetype files, qint64 bytes);
    void finished(const TransferReport &report);

private:
    Job m_job;
    std::unique_ptr<ServerTransport> m_transport;
    TransferRecord m_record;
    std::atomic_bool m_cancel = false;
};
