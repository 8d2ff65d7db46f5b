#include "server/TransferWorker.h"

#include "server/ServerFiles.h"
#include "server/ServerPath.h"
#include "server/ServerTransport.h"
#include "server/ServerTransports.h"
#include "server/TransferPlanner.h"

#include <QCoreApplication>

TransferWorker::TransferWorker(Job job) : m_job(std::move(job))
{
}

TransferWorker::~TransferWorker()
{
    if (m_transport)
        m_transport->close();
}

void TransferWorker::plan()
{
    TransferPlan plan;
    plan.direction = m_job.direction;
    plan.siteFolder = m_job.siteFolder;
    plan.serverFolder = m_job.address.folder;
    const ServerFiles files = ServerFiles::select(m_job.project, m_job.siteFolder, {});
    if (!files.error.isEmpty()) {
        plan.error = files.error;
        emit planned(plan, files.note);
        return;
    }
    QString problem;
    m_transport = ServerTransports::make(m_job.address, m_job.options, &problem);
    bool opened = m_transport && m_transport->open();
    if (m_transport && !opened && m_transport->hostKeyRefused() && m_job.trustHostKey
        && m_job.trustHostKey(*m_transport)) {
        m_job.options.acceptHostKey = m_transport->fingerprint();
        m_job.options.rememberHostKey = true;
        m_transport = ServerTransports::make(m_job.address, m_job.options, &problem);
        opened = m_transport && m_transport->open();
    }
    if (m_transport && (opened || m_transport->loginRefused()) && m_job.loginTried)
        m_job.loginTried(opened);
    if (!m_transport) {
        plan.error = problem;
    } else if (!opened) {
        plan.error = m_transport->error();
    } else {
        QString note;
        m_record = TransferRecord::load(m_job.siteFolder, m_job.address.text(), &note);
        plan = TransferPlanner::plan(*m_transport, m_job.direction, m_job.siteFolder, m_job.address.folder,
                                     files.paths, &m_record);
        // Files found equal on both sides, or verified, were recorded by the planner.
        QString error;
        if (plan.error.isEmpty() && plan.recordChanged && !m_record.save(m_job.siteFolder, &error))
            note = error;
        plan.recordNote = note;
    }
    emit planned(plan, files.note);
}

void TransferWorker::fetch(const QString &path)
{
    QByteArray bytes;
    QString error;
    const QString target = ServerPath::under(m_job.address.folder, path);
    if (!m_transport || target.isEmpty() || !m_transport->read(target, kMaxShownBytes, &bytes))
        error = m_transport ? m_transport->error() : QString();
    emit fetched(path, bytes, error);
}

void TransferWorker::run(const TransferPlan &plan)
{
    TransferReport report;
    if (!m_transport) {
        emit finished(report);
        return;
    }
    TransferRunner::Options options;
    options.cancel = &m_cancel;
    options.progress = [this](qsizetype files, qint64 bytes) { emit progressed(files, bytes); };
    report = TransferRunner::run(*m_transport, plan, &m_record, options);
    emit finished(report);
}
