#include "codegen/PreviewSession.h"

#include <QCoreApplication>

#include "platform/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
const QLatin1StringView kFolderTemplate("quillnav-preview-XXXXXX");
}

PreviewSession::~PreviewSession()
{
    cleanup();
}

QString PreviewSession::framesetPath() const
{
    return m_folder.isEmpty() ? QString() : QDir(m_folder).filePath(PreviewPages::framesetPageName());
}

bool PreviewSession::ensureFolder(QString *errorText)
{
    if (!m_folder.isEmpty()) {
        // Reuse the folder while it is still ours; if something removed it,
        // a new one is made rather than writing into whatever took its name.
        const QFileInfo info(m_folder);
        if (info.isDir() && !info.isSymLink())
            return true;
        m_folder.clear();
    }
    const QString temp = GetTempFolder();
    const QFileInfo tempInfo(temp);
    if (temp.isEmpty() || !tempInfo.isAbsolute() || !tempInfo.isDir()) {
        if (errorText)
            *errorText = QCoreApplication::translate(
                             "PreviewSession", "Could not create a folder for the preview pages: the "
                                               "temporary folder \"%1\" does not exist or is not a folder.")
                             .arg(QDir::toNativeSeparators(temp));
        return false;
    }
    // mkdtemp: a new folder with a fresh name, mode 0700; an existing name
    // (or a link planted under it) makes it pick another one.
    QTemporaryDir dir(QDir(temp).filePath(kFolderTemplate));
    if (!dir.isValid()) {
        if (errorText)
            *errorText =
                QCoreApplication::translate("PreviewSession",
                                            "Could not create a folder for the preview pages in \"%1\": %2")
                    .arg(QDir::toNativeSeparators(temp), dir.errorString());
        return false;
    }
    dir.setAutoRemove(false);
    m_folder = dir.path();
    return true;
}

bool PreviewSession::write(const PreviewPages &pages, QString *errorText)
{
    if (!ensureFolder(errorText))
        return false;
    return pages.writeTo(m_folder, errorText);
}

void PreviewSession::cleanup()
{
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    for (const QString &name :
         {PreviewPages::menuPageName(), PreviewPages::framesetPageName(), PreviewPages::noticePageName()})
        QFile::remove(dir.filePath(name));
    // Only an empty folder goes; anything else left in it stays.
    QDir().rmdir(m_folder);
    m_folder.clear();
}
