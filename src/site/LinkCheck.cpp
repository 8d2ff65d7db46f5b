#include "site/LinkCheck.h"

#include "menu/EntryName.h"
#include "platform/FileName.h"
#include "site/PageFactsReader.h"
#include "site/SiteLink.h"
#include "site/SiteWalk.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString mailProblem(const SiteLink &link)
{
    const QStringList addresses = link.mailAddresses.split(u',', Qt::SkipEmptyParts);
    if (addresses.isEmpty())
        return QCoreApplication::translate("LinkCheck", "the mailto: link names no address");
    for (const QString &raw : addresses) {
        const QString address = QString::fromUtf8(QByteArray::fromPercentEncoding(raw.toUtf8())).trimmed();
        if (!SiteLink::isMailAddress(address))
            return QCoreApplication::translate("LinkCheck", "%1 is not a valid e-mail address")
                .arg(quoted(address));
    }
    return {};
}

} // namespace

LinkCheck::LinkCheck(const QString &siteFolder) : m_site(QDir::cleanPath(siteFolder))
{
}

const LinkCheck::Listing &LinkCheck::listing(const QString &relativeFolder)
{
    Listing &l = m_listings[relativeFolder];
    if (!l.read) {
        l.read = true;
        QList<FileName::Entry> entries;
        FileName::list(relativeFolder.isEmpty() ? m_site : m_site + u'/' + relativeFolder, &entries);
        for (const FileName::Entry &entry : std::as_const(entries)) {
            l.entries.insert(entry.name, entry.isDir);
            l.folded.insert(entry.name.toCaseFolded(), entry.name);
        }
    }
    return l;
}

QHash<QString, bool>::const_iterator LinkCheck::lookup(const Listing &l, const QString &name)
{
    const auto found = l.entries.constFind(name);
    return found != l.entries.cend() ? found : l.entries.constFind(l.folded.value(name.toCaseFolded()));
}

// Whether a path names a folder (in any case: the check of the case comes after).
bool LinkCheck::isFolder(const QString &relativePath)
{
    QString real;
    for (const QString &name : relativePath.split(u'/')) {
        const auto found = lookup(listing(real), name);
        if (found == listing(real).entries.cend() || !found.value())
            return false;
        real += (real.isEmpty() ? QString() : QStringLiteral("/")) + found.key();
    }
    return true;
}

// Finds the file that the names lead to, name by name in the folders'
// listings, so that a name of another case does not count.
LinkCheck::Target LinkCheck::resolve(const QStringList &names)
{
    QStringList want = names;
    const auto shown = [&want] {
        QStringList path = want;
        if (path.last().isEmpty())
            path.last() = QStringLiteral("index.html");
        return path.join(u'/');
    };
    QString real; // the path with the names as the folders hold them
    bool caseDiffers = false;
    for (qsizetype i = 0; i < want.size(); ++i) {
        const Listing &l = listing(real);
        if (want.at(i).isEmpty()) { // a folder's index page
            want[i] = SiteLink::folderPage([&l](const QString &name) { return l.entries.contains(name); });
        }
        const QString &name = want.at(i);
        const auto found = lookup(l, name);
        caseDiffers = caseDiffers || (found != l.entries.cend() && found.key() != name);
        const bool last = i == want.size() - 1;
        if (found == l.entries.cend() || found.value() == last)
            return {
                shown(),
                QCoreApplication::translate("LinkCheck", "%1 does not exist").arg(FileName::shown(shown()))};
        real += (real.isEmpty() ? QString() : QStringLiteral("/")) + found.key();
    }
    if (caseDiffers)
        return {real,
                QCoreApplication::translate("LinkCheck", "%1 does not exist with this case (the file is %2)")
                    .arg(FileName::shown(want.join(u'/')), FileName::shown(real))};
    return {real, QString()};
}

QList<LinkVerdict> LinkCheck::check(const QList<MenuItem> &items, const PageReadBounds &bounds,
                                    const std::function<bool(qsizetype)> &progress)
{
    QList<LinkVerdict> verdicts(items.size());
    // First the files; the pages whose fragments are named are read after, each once.
    QHash<QString, QList<std::pair<qsizetype, QString>>> fragments; // page: entry, fragment
    for (qsizetype i = 0; i < items.size(); ++i) {
        const MenuItem &item = items.at(i);
        LinkVerdict &v = verdicts[i];
        if (item.isSeparator() || item.linked != menutext::kYes)
            continue;
        const SiteLink link = SiteLink::parse(item.url);
        v.status = LinkVerdict::Good;
        switch (link.kind) {
        case SiteLink::Empty:
            if (item.url.trimmed().isEmpty()) {
                v = {LinkVerdict::Failed, QCoreApplication::translate("LinkCheck", "the link is empty")};
            }
            break;
        case SiteLink::Fragment:
            v = {LinkVerdict::NotChecked,
                 QCoreApplication::translate("LinkCheck",
                                             "a fragment of the page that shows the menu is not checked")};
            break;
        case SiteLink::Web:
            v = {LinkVerdict::NotChecked,
                 QCoreApplication::translate("LinkCheck", "%1 is not checked (no network access)")
                     .arg(item.url.trimmed())};
            break;
        case SiteLink::Other:
            v = {LinkVerdict::NotChecked,
                 QCoreApplication::translate("LinkCheck", "%1: links are not checked").arg(link.scheme)};
            break;
        case SiteLink::Mail:
            if (const QString problem = mailProblem(link); !problem.isEmpty())
                v = {LinkVerdict::Failed, problem};
            break;
        case SiteLink::Site: {
            if (link.leavesSite) {
                v = {LinkVerdict::Failed,
                     QCoreApplication::translate("LinkCheck", "%1 leads out of the site folder")
                         .arg(item.url.trimmed())};
                break;
            }
            const Target target = resolve(
                SiteLink::pageNames(link.names, [this](const QString &path) { return isFolder(path); }));
            if (!target.failed.isEmpty())
                v = {LinkVerdict::Failed, target.failed};
            else if (!link.fragment.isEmpty() && SiteWalk::isPage(target.path))
                fragments[target.path].append({i, link.fragment});
            break;
        }
        }
    }
    QStringList pages = fragments.keys();
    QStringList paths;
    for (const QString &page : pages)
        paths << m_site + u'/' + page;
    const QList<PageFacts> facts = PageFactsReader::read(paths, PageFactsReader::Anchors, bounds, progress);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const PageFacts &page = facts.at(p);
        for (const auto &[entry, fragment] : fragments.value(pages.at(p))) {
            const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(fragment.toUtf8()));
            if (!page.error.isEmpty())
                verdicts[entry] = {LinkVerdict::Failed,
                                   QCoreApplication::translate("LinkCheck", "%1 could not be read: %2")
                                       .arg(FileName::shown(pages.at(p)), page.error)};
            else if (!page.anchors.contains(fragment) && !page.anchors.contains(name)
                     && name.compare(QLatin1String("top"), Qt::CaseInsensitive) != 0)
                verdicts[entry] = {
                    LinkVerdict::Failed,
                    QCoreApplication::translate("LinkCheck", "%1 has no element with the id or name %2")
                        .arg(FileName::shown(pages.at(p)), quoted(name))};
        }
    }
    return verdicts;
}

QString LinkCheck::summary(const QList<LinkVerdict> &verdicts)
{
    qsizetype counts[4] = {};
    for (const LinkVerdict &v : verdicts)
        ++counts[v.status];
    const QLocale c = QLocale::c();
    const qsizetype links = verdicts.size() - counts[LinkVerdict::NoLink];
    return QStringLiteral("%1 %2: %3 good, %4 failed, %5 not checked")
        .arg(c.toString(links), links == 1 ? QStringLiteral("link") : QStringLiteral("links"),
             c.toString(counts[LinkVerdict::Good]), c.toString(counts[LinkVerdict::Failed]),
             c.toString(counts[LinkVerdict::NotChecked]));
}

QStringList LinkCheck::deadLinks(const QList<MenuItem> &items, const QList<LinkVerdict> &verdicts)
{
    QStringList out;
    for (qsizetype i = 0; i < verdicts.size() && i < items.size(); ++i) {
        if (verdicts.at(i).status == LinkVerdict::Failed)
            out << QCoreApplication::translate("LinkCheck", "%1, %2: %3")
                       .arg(entryname::of(i, &items.at(i).text), quoted(entryname::shown(items.at(i).url)),
                            verdicts.at(i).reason);
    }
    return out;
}
