#include "site/SharedScript.h"

#include "platform/RegularFile.h"
#include "site/MenuRegions.h"
#include "site/PageEncoder.h"
#include "site/PageEncoding.h"
#include "site/PageMenuCode.h"
#include "site/SiteLink.h"
#include "site/SitePages.h"

namespace {

// Whether a script's src, written in a page whose links start at `base`, leads to the script.
bool leadsToScript(const QString &src, const SiteLink::Base &base)
{
    const SiteLink link = SiteLink::parse(src);
    const bool named = !link.names.isEmpty() && link.names.last() == PageMenuCode::kScriptFile;
    if (link.kind != SiteLink::Site || base.problem != SiteLink::Base::None)
        return named; // not placed in the site: its name decides
    const SiteLink inSite = link.rootRelative ? link : SiteLink::parse(base.folder + SiteLink::cleaned(src));
    if (inSite.leavesSite)
        return named;
    return inSite.names == QStringList{PageMenuCode::kScriptFile};
}

} // namespace

namespace SharedScript {

bool usedBy(const QString &pagePath, const QList<PageMark> &marks, const QString &leaving)
{
    const QString key = MenuRegionMark::key(leaving);
    SiteLink::Base base = SiteLink::base(pagePath);
    bool baseSeen = false;
    bool inside = false; // in a region of the menu that leaves
    for (const PageMark &m : marks) {
        if (m.kind == PageMark::BaseHref && !baseSeen) {
            baseSeen = true;
            base = SiteLink::base(pagePath, QString::fromUtf8(m.text));
        } else if (m.kind == PageMark::Comment && !leaving.isEmpty()) {
            const MenuRegionMark mark = MenuRegionMark::of(QString::fromUtf8(m.text));
            if (mark.name == key && (mark.kind == MenuRegionMark::Begin || mark.kind == MenuRegionMark::End))
                inside = mark.kind == MenuRegionMark::Begin;
        } else if (m.kind == PageMark::ScriptSrc && !inside
                   && leadsToScript(QString::fromUtf8(m.text), base)) {
            return true;
        }
    }
    return false;
}

QStringList users(const QString &siteFolder, const QSet<QString> &skip, qint64 maxPageBytes,
                  const PageReadBounds &bounds)
{
    QStringList out;
    QStringList paths;
    QList<PageReader::Source> texts;
    for (const QString &relative : SitePages::find(siteFolder)) {
        if (skip.contains(relative))
            continue;
        RegularFile file = RegularFile::read(siteFolder + u'/' + relative, maxPageBytes);
        if (file.status != RegularFile::Ok) {
            out << relative; // unread: it may use the script
            continue;
        }
        if (PageEncoder::isAsciiCompatible(PageEncoding::sniff(file.bytes))
            && !file.bytes.contains("quillnav"))
            continue;
        PageReader::Source text;
        QString error;
        if (!PageReader::decode(file.bytes, &text, &error)) {
            out << relative;
            continue;
        }
        if (!text.utf8.contains("quillnav"))
            continue;
        paths << relative;
        texts << std::move(text);
    }
    const QList<PageMarkList> marks = PageMarkScan::scan(texts, bounds);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (!marks.at(i).ok || usedBy(paths.at(i), marks.at(i).marks))
            out << paths.at(i);
    }
    return out;
}

} // namespace SharedScript
