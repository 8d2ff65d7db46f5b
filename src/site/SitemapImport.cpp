#include "site/SitemapImport.h"

#include "menu/ProjectFile.h"
#include "platform/RegularFile.h"
#include "platform/TextTrim.h"
#include "site/PageFactsReader.h"
#include "site/SiteLink.h"
#include "site/SiteMenuBuilder.h"
#include "site/SiteWalk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The address's last path name, decoded; its host when it has none.
QString nameOf(const QString &address)
{
    const SiteLink link = SiteLink::parse(address);
    for (qsizetype i = link.names.size() - 1; i >= 0; --i) {
        if (!link.names.at(i).isEmpty())
            return link.names.at(i);
    }
    return link.host.isEmpty() ? address : link.host;
}

} // namespace

bool SitemapImport::read(const QString &sitemapPath)
{
    m_path = sitemapPath;
    const RegularFile file = RegularFile::read(sitemapPath, kMaxFileBytes);
    if (file.status == RegularFile::Ok)
        return parse(file.bytes, sitemapPath);
    m_error = file.problem(sitemapPath);
    return false;
}

bool SitemapImport::parse(const QByteArray &bytes, const QString &path)
{
    m_path = path;
    m_addresses.clear();
    m_notes.clear();
    m_error.clear();
    QXmlStreamReader xml(bytes);
    QStringList open; // the names of the open elements
    qsizetype over = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            if (open.isEmpty() && name != QLatin1String("urlset")) {
                m_error =
                    name == QLatin1String("sitemapindex")
                        ? QStringLiteral("\"%1\" is a sitemap index; choose one of the sitemaps it names.")
                              .arg(shown(path))
                        : QStringLiteral("\"%1\" is not a sitemap: its root element is <%2>, not <urlset>.")
                              .arg(shown(path), name);
                return false;
            }
            if (name == QLatin1String("loc") && open.size() == 2 && open.last() == QLatin1String("url")) {
                const QString address = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                if (address.isEmpty())
                    m_notes << QCoreApplication::translate("SitemapImport",
                                                           "Line %1: an empty <loc> was left out.")
                                   .arg(xml.lineNumber());
                else if (m_addresses.size() < SiteWalk::kMaxPages)
                    m_addresses << address;
                else
                    ++over;
                continue; // readElementText() consumed the end tag
            }
            open << name;
        } else if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
        }
    }
    if (xml.hasError()) {
        m_error = QCoreApplication::translate(
                      "SitemapImport", "The sitemap \"%1\" is not well-formed XML: line %2, column %3: %4")
                      .arg(shown(path))
                      .arg(xml.lineNumber())
                      .arg(xml.columnNumber())
                      .arg(xml.errorString());
        return false;
    }
    if (over > 0)
        m_notes << QCoreApplication::translate(
                       "SitemapImport",
                       "The sitemap has more than %1 addresses; only the first %1 were read.")
                       .arg(SiteWalk::kMaxPages);
    if (m_addresses.isEmpty()) {
        m_error = QCoreApplication::translate("SitemapImport", "The sitemap \"%1\" holds no address (<loc>).")
                      .arg(shown(path));
        return false;
    }
    return true;
}

QString SitemapImport::fileFor(const QString &address, const QString &siteFolder)
{
    const SiteLink link = SiteLink::parse(address);
    const bool hasPath = link.kind == SiteLink::Web || link.kind == SiteLink::Site
                         || (link.kind == SiteLink::Other && (!link.host.isEmpty() || !link.names.isEmpty()));
    if (!hasPath || link.leavesSite)
        return {}; // never out of the site
    QStringList names = link.names;
    names.removeAll(QString());
    const QString relative = names.join(u'/');
    const QString root = QDir(siteFolder).absolutePath();
    const QFileInfo info(relative.isEmpty() ? root : root + u'/' + relative);
    if (info.isDir()) {
        const QString index = SiteLink::folderPage(
            [&info](const QString &name) { return QFileInfo(info.filePath() + u'/' + name).isFile(); });
        if (!QFileInfo(info.filePath() + u'/' + index).isFile())
            return {};
        return relative.isEmpty() ? index : relative + u'/' + index;
    }
    return info.isFile() && !relative.isEmpty() ? relative : QString();
}

bool SitemapImport::project(const QString &siteFolder, MenuProject *out, QStringList *notes,
                            const PageReadBounds &bounds,
                            const std::function<bool(qsizetype, qsizetype)> &progress)
{
    const QString root = QDir(siteFolder).absolutePath();
    QStringList files;
    QStringList paths;
    for (const QString &address : m_addresses) {
        files << fileFor(address, root);
        if (!files.last().isEmpty() && SiteWalk::isPage(files.last()))
            paths << root + u'/' + files.last();
    }
    const qsizetype total = paths.size();
    const QList<PageFacts> facts =
        PageFactsReader::read(paths, PageFactsReader::Titles, bounds,
                              [&](qsizetype done) { return !progress || progress(done, total); });
    if (progress && !progress(total, total)) {
        m_error = QCoreApplication::translate("SitemapImport", "Reading the pages was cancelled.");
        return false;
    }
    *notes << m_notes;
    *out = MenuProject();
    qsizetype next = 0;
    qsizetype skipped = 0;
    for (qsizetype i = 0; i < m_addresses.size(); ++i) {
        const QString &file = files.at(i);
        QString text;
        if (file.isEmpty()) {
            text = nameOf(m_addresses.at(i));
        } else if (SiteWalk::isPage(file)) {
            const PageFacts &f = facts.at(next++);
            if (!f.error.isEmpty())
                SiteMenuBuilder::addNote(
                    notes,
                    QCoreApplication::translate("SitemapImport", "%1: %2 Its file name is its text.")
                        .arg(file, f.error),
                    &skipped);
            text = SiteMenuBuilder::textFor(file, f);
        } else {
            text = file.mid(file.lastIndexOf(u'/') + 1);
        }
        const QString link = file.isEmpty() ? m_addresses.at(i) : SiteLink::forPath(file);
        out->items.append({CutAtLength(text, ProjectFile::kMaxTextLength), menutext::kYes,
                           CutAtLength(link, ProjectFile::kMaxTextLength), menutext::kNo});
    }
    if (skipped > 0)
        notes->append(SiteMenuBuilder::moreNotes(skipped));
    out->options.menuName = SiteMenuBuilder::kMenuName;
    out->site = QDir::cleanPath(root);
    return true;
}
