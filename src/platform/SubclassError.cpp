#include "platform/SubclassError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr quint32 kObjectErrorBase = 0x80040000u;
constexpr int kFirstObjectCode = 1001;

QString programName()
{
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("quillnav") : name;
}
} // namespace

SubclassError::SubclassError(int code) : m_code(code), m_number(code)
{
    if (code >= kFirstObjectCode) {
        m_number = qint32(kObjectErrorBase + quint32(code));
        m_source = programName() + QStringLiteral(".WindowProc");
        m_description = textFor(code);
    }
    m_what = QStringLiteral("%1 (%2)").arg(m_description).arg(m_number).toStdString();
}

QString SubclassError::textFor(int code)
{
    switch (code) {
    case CantSubclass:
        return QStringLiteral("Can't subclass window");
    case AlreadyHandled:
        return QStringLiteral("Message already handled by another class");
    case InvalidWindow:
        return QStringLiteral("Invalid window");
    case ExternalWindow:
        return QStringLiteral("Can't modify external window");
    default:
        return {};
    }
}
