#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Points the temporary directory (TMPDIR) at a folder of the test's own for
// as long as it lives.
class TempDirOverride {
public:
    explicit TempDirOverride(const QString &path) : m_old(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", path.toLocal8Bit());
    }
    ~TempDirOverride() { qputenv("TMPDIR", m_old); }
    TempDirOverride(const TempDirOverride &) = delete;
    TempDirOverride &operator=(const TempDirOverride &) = delete;

private:
    QByteArray m_old;
};
