#include "site/SitePublisher.h"

#include "platform/InFlight.h"
#include "platform/RegularFile.h"
#include "site/BackupRuns.h"
#include "site/ClassicEntryMarks.h"
#include "site/LinkCheck.h"
#include "site/MenuRegions.h"
#include "site/PageEdit.h"
#include "site/PageEncoder.h"
#include "site/PageEncoding.h"
#include "site/PageMenuCode.h"
#include "site/PageText.h"
#include "site/SharedScript.h"
#include "site/SiteLink.h"
#include "site/SitePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cstring>

namespace {

struct Page {
    PagePlan plan;
    QString absolute;
    PageText text;
    // Publishing: the hash of what the last publish wrote into the page, when
    // the page's menu code (as a page without a base element has it) is the
    // same as then; empty otherwise.
    QByteArray writtenHash;
    const PublishRecord::Page *written = nullptr; // the record's entry, when writtenHash is set
    FileIdentity stated;                          // publishing: the file as the listing found it
    bool parse = false;                           // waits for the parser
};

// The pages read at once: reading a page from the cache is a copy and its
// hash a computation, so a few processors may share them.
constexpr qsizetype kReadersAtOnce = 4;

// Reads a page's bytes and finds what is certain without decoding it: one
// whose bytes hash to `writtenHash` is up to date (see writtenHash()), and a
// page of an ASCII-compatible encoding without "quillnav" holds nothing of
// any menu. A page whose file the record vouches for holds those bytes, so
// it is up to date without being read (its encoding stays unknown: it is
// not written). Safe on several threads at once, each with its own page.
void readBytes(Page &page, const SitePublisher::Options &options, const PublishRecord &record)
{
    PagePlan &plan = page.plan;
    if (page.written && page.stated.size <= options.maxPageBytes
        && record.vouchesFor(*page.written, page.stated)) {
        plan.identity = page.stated;
        plan.state = PagePlan::UpToDate;
        return;
    }
    RegularFile file = RegularFile::read(page.absolute, options.maxPageBytes);
    plan.identity = file.identity.exists ? file.identity : FileIdentity::of(page.absolute);
    if (file.status != RegularFile::Ok) {
        plan.reason = file.problem();
        return;
    }
    plan.state = PagePlan::NoPlaceholder;
    const QByteArray encoding = PageEncoding::sniff(file.bytes);
    if (!page.writtenHash.isEmpty() && PublishRecord::pageHash(file.bytes) == page.writtenHash) {
        plan.state = PagePlan::UpToDate;
        plan.encoding = encoding;
        return; // its bytes are not kept, as for every page that does not change
    }
    if (PageEncoder::isAsciiCompatible(encoding) && !file.bytes.contains("quillnav"))
        return;
    plan.oldBytes = std::move(file.bytes);
}

// Decides, once its bytes are read (readBytes), whether the parser must see
// a page: only a page whose text holds a mark of this menu
// (MenuRegionMark::appearsIn) takes part, so a page of another menu, or one
// that cannot be decoded and holds nothing of this menu, never stops the run.
void readPage(Page &page, const QString &menuName)
{
    PagePlan &plan = page.plan;
    if (plan.state != PagePlan::NoPlaceholder)
        return; // not read, or up to date
    plan.reason = QCoreApplication::translate("SitePublisher", "It holds no placeholder of the menu.");
    if (plan.oldBytes.isEmpty())
        return;
    QString error;
    if (!page.text.read(plan.oldBytes, &error)) {
        QString text;
        QString ignored;
        if (!PageEncoding::decode(plan.oldBytes, &text, &ignored))
            text = QString::fromLatin1(plan.oldBytes);
        if (!MenuRegionMark::appearsIn(text, menuName)) {
            plan.oldBytes.clear();
            return;
        }
        plan.state = PagePlan::Error;
        plan.reason = error;
        return;
    }
    if (!MenuRegionMark::appearsInUtf8(page.text.utf8(), menuName)) {
        plan.oldBytes.clear();
        page.text = PageText();
        return;
    }
    page.parse = true;
}

// What the last publish wrote into a page, by its hash, when the menu's code
// for the page is the same as then; empty when it is not, or nothing was
// recorded. A page that is, byte for byte, what was written is up to date
// without being parsed: publishing it again would change nothing. The record
// keeps that hash only for a page without a base element, whose links start
// in its own folder (recordAfter), as the code here is made; any other page
// goes the whole way. `codeHashes`: the hashes of the codes made so far, by
// head and body variant.
// `entry` takes the record's entry for the page when the hash is not empty.
QByteArray writtenHash(const QString &path, const PublishRecord &record, const MenuProject &project,
                       PageMenuCode::FolderLinks &links, const std::function<bool(const QString &)> &isFolder,
                       QHash<std::pair<QString, int>, QByteArray> &codeHashes,
                       const PublishRecord::Page **entry)
{
    const auto page = record.pages.constFind(path);
    if (page == record.pages.cend())
        return {};
    const auto menu = page->menus.constFind(MenuRegionMark::key(project.options.menuName));
    if (menu == page->menus.cend())
        return {};
    const SiteLink::Base base = SiteLink::base(path);
    int variant = 0;
    const QString body = links.body(base, isFolder, &variant);
    const std::pair<QString, int> key{links.head(base), variant};
    auto code = codeHashes.constFind(key);
    if (code == codeHashes.cend())
        code = codeHashes.insert(key, PublishRecord::codeHash(key.first, body));
    if (*code != menu->codeHash || page->pageHash.isEmpty())
        return {};
    *entry = &*page;
    return page->pageHash;
}

QString folderReason(const QString &folder)
{
    return QCoreApplication::translate("SitePublisher",
                                       "Its folder \"%1\" cannot be written, so it was not changed.")
        .arg(QDir::toNativeSeparators(folder));
}

// Where the page's links are resolved from: its first <base href>, if any.
// The head region's script is fetched as the parser reaches it, so a base
// that comes after the region does not apply to its src: `script` gets the
// base that the src is resolved from.
SiteLink::Base baseOf(const QString &pagePath, const QList<PageMark> &marks, const QString &menuName,
                      SiteLink::Base *script)
{
    *script = SiteLink::base(pagePath);
    qint64 head = -1; // where the head region stands or will stand
    for (const PageMark &m : marks) {
        if (m.kind == PageMark::HeadEnd && head < 0)
            head = m.start;
        if (m.kind == PageMark::Comment && head < 0) {
            const MenuRegionMark mark = MenuRegionMark::of(QString::fromUtf8(m.text));
            if (mark.kind == MenuRegionMark::Begin && mark.part == MenuRegionMark::Head
                && mark.name == MenuRegionMark::key(menuName))
                head = m.start;
        }
    }
    for (const PageMark &m : marks) {
        if (m.kind != PageMark::BaseHref)
            continue;
        const SiteLink::Base base = SiteLink::base(pagePath, QString::fromUtf8(m.text));
        if (head < 0 || m.start < head)
            *script = base;
        return base;
    }
    return *script;
}

// Whether an ASCII-compatible page's bytes hold a base element's start tag
// (anywhere: in a comment or a script too).
bool mayHoldBase(const QByteArray &bytes)
{
    const char *at = bytes.constData();
    const char *end = at + bytes.size();
    while ((at = static_cast<const char *>(std::memchr(at, '<', size_t(end - at)))) && end - at > 4) {
        ++at;
        if ((at[0] | 0x20) == 'b' && (at[1] | 0x20) == 'a' && (at[2] | 0x20) == 's' && (at[3] | 0x20) == 'e')
            return true;
    }
    return false;
}

// Why the menu's links cannot be written for a page's base; empty when they can.
QString baseProblem(const SiteLink::Base &base)
{
    switch (base.problem) {
    case SiteLink::Base::None:
        return {};
    case SiteLink::Base::AboveSite:
        return QCoreApplication::translate("SitePublisher",
                                           "Its <base href=\"%1\"> leads above the site folder, so the "
                                           "menu's links cannot be written for it.")
            .arg(base.href);
    case SiteLink::Base::Elsewhere:
        break;
    }
    return QCoreApplication::translate("SitePublisher",
                                       "Its <base href=\"%1\"> names an address outside the site folder, "
                                       "so the menu's links cannot be written for it.")
        .arg(base.href);
}

// Whether a region of the menu is no longer what the record says was written.
bool editedByHand(const PageEdit &edit, const PublishRecord::Menu &recorded)
{
    const QByteArray body = edit.regionBytes(MenuRegionMark::Body);
    const QByteArray head = edit.regionBytes(MenuRegionMark::Head);
    return (!body.isEmpty() && PublishRecord::hash(body) != recorded.bodyHash)
           || (!head.isEmpty() && !recorded.headHash.isEmpty()
               && PublishRecord::hash(head) != recorded.headHash);
}

// What the record keeps of a page once this run writes it. The whole page's
// hash only when no base element can be in it, so that its links start in
// its own folder: the next run judges the page by it with the code made for
// that folder (writtenHash).
PublishRecord::Page recordAfter(const PageEdit &edit, const PageEdit::Menu &menu, const QByteArray &newBytes,
                                const PublishRecord::Page *earlier)
{
    PublishRecord::Page page = earlier ? *earlier : PublishRecord::Page();
    const QString key = MenuRegionMark::key(menu.name);
    if (menu.unpublish) {
        page.menus.remove(key);
    } else {
        PublishRecord::Menu written;
        written.bodyHash = PublishRecord::hash(edit.writtenRegion(MenuRegionMark::Body));
        written.headHash = PublishRecord::hash(edit.writtenRegion(MenuRegionMark::Head));
        written.codeHash = PublishRecord::codeHash(menu.head, menu.body);
        written.placeholder = edit.placeholderText();
        if (written.placeholder.isEmpty())
            written.placeholder = page.menus.value(key).placeholder;
        page.menus.insert(key, written);
    }
    page.pageHash = mayHoldBase(newBytes) ? QByteArray() : PublishRecord::pageHash(newBytes);
    return page;
}

void plan(Page &page, const PageMarkList &marks, const MenuProject &project, SitePublisher::Action action,
          PageMenuCode::FolderLinks &links, const std::function<bool(const QString &)> &isFolder,
          const PublishRecord &record)
{
    PagePlan &plan = page.plan;
    if (!marks.ok) {
        plan.state = PagePlan::Error;
        plan.reason = QCoreApplication::translate("SitePublisher", "It was not read. %1").arg(marks.error);
        return;
    }
    QString error;
    if (marks.encoding != page.text.encoding() && !page.text.read(plan.oldBytes, &error, marks.encoding)) {
        plan.state = PagePlan::Error; // a <meta> past the prescan declares an encoding that cannot be written
        plan.reason = error;
        return;
    }
    plan.encoding = page.text.encoding();
    PageEdit edit;
    if (!edit.locate(page.text, marks.marks, project.options.menuName)) {
        plan.state = PagePlan::Error;
        plan.reason = edit.reason();
        return;
    }
    if (!edit.holdsMenu())
        return;
    PageEdit::Menu menu;
    menu.name = project.options.menuName;
    menu.unpublish = action == SitePublisher::Unpublish;
    if (!menu.unpublish) {
        SiteLink::Base scriptBase;
        const SiteLink::Base base = baseOf(plan.path, marks.marks, project.options.menuName, &scriptBase);
        if (const QString problem = baseProblem(base); !problem.isEmpty()) {
            plan.state = PagePlan::Error;
            plan.reason = problem;
            return;
        }
        menu.head = links.head(scriptBase);
        menu.body = links.body(base, isFolder);
        menu.classic = project.dialect != CodeDialect::Html5;
    }
    const auto recorded = record.pages.constFind(plan.path);
    const PublishRecord::Page *earlier = recorded == record.pages.cend() ? nullptr : &*recorded;
    const auto recordedMenu = earlier ? earlier->menus.constFind(MenuRegionMark::key(menu.name))
                                      : PublishRecord::MenuMap::const_iterator();
    const bool hasEntry = earlier && recordedMenu != earlier->menus.cend();
    if (menu.unpublish && hasEntry)
        menu.placeholder = recordedMenu->placeholder;
    switch (edit.apply(menu)) {
    case PageEdit::Changes:
        plan.state = PagePlan::WillChange;
        plan.newBytes = edit.bytes();
        plan.regionBytes = edit.regionBytes();
        plan.reason.clear();
        plan.record = recordAfter(edit, menu, plan.newBytes, earlier);
        if (hasEntry && editedByHand(edit, *recordedMenu)) {
            plan.state = PagePlan::EditedByHand;
            plan.reason = QCoreApplication::translate(
                "SitePublisher", "Its menu was edited by hand after Quillnav wrote it; it is replaced only "
                                 "when you choose so.");
        }
        if (SitePages::isReadOnly(page.absolute)) {
            plan.state = PagePlan::Error;
            plan.reason =
                QCoreApplication::translate("SitePublisher", "It is read-only, so it was not changed.");
        } else if (const QString folder = SitePages::unwritableFolder(page.absolute); !folder.isEmpty()) {
            plan.state = PagePlan::Error;
            plan.reason = folderReason(folder);
        }
        break;
    case PageEdit::UpToDate:
        plan.state = PagePlan::UpToDate;
        plan.reason.clear();
        break;
    case PageEdit::NoPlaceholder:
        plan.reason = edit.reason();
        break;
    case PageEdit::Failed:
        plan.state = PagePlan::Error;
        plan.reason = edit.reason();
        break;
    }
}

// The shared script of HTML5 menus, as a plan of its own.
PagePlan scriptPlan(const QString &siteFolder)
{
    PagePlan plan;
    plan.path = PageMenuCode::kScriptFile;
    const QString path = siteFolder + u'/' + plan.path;
    plan.identity = FileIdentity::of(path);
    plan.newBytes = PageMenuCode::scriptFile();
    const RegularFile file = RegularFile::read(path, 1 << 20);
    if (file.status != RegularFile::Ok && file.status != RegularFile::Missing) {
        plan.reason = file.problem();
        return plan;
    }
    plan.oldBytes = file.bytes;
    plan.state = plan.oldBytes == plan.newBytes && file.status == RegularFile::Ok ? PagePlan::UpToDate
                                                                                  : PagePlan::WillChange;
    if (!plan.identity.exists) {
        plan.oldBytes.clear();
    } else if (plan.state == PagePlan::WillChange && SitePages::isReadOnly(path)) {
        plan.state = PagePlan::Error;
        plan.reason = QCoreApplication::translate("SitePublisher", "It is read-only, so it was not changed.");
    }
    if (plan.state == PagePlan::WillChange) {
        if (const QString folder = SitePages::unwritableFolder(path); !folder.isEmpty()) {
            plan.state = PagePlan::Error;
            plan.reason = folderReason(folder);
        }
    }
    return plan;
}

// The shared script as it stands, to be removed when no page uses it any more (settleScript).
PagePlan scriptRemovalPlan(const QString &siteFolder)
{
    PagePlan plan;
    plan.path = PageMenuCode::kScriptFile;
    const QString path = siteFolder + u'/' + plan.path;
    plan.identity = FileIdentity::of(path);
    const RegularFile file = RegularFile::read(path, 1 << 20);
    plan.state = PagePlan::UpToDate;
    if (file.status != RegularFile::Ok) {
        plan.identity.exists = file.status != RegularFile::Missing;
        plan.reason = file.problem();
        plan.scriptBefore = true; // not to be removed: it is not a file Quillnav wrote
        return plan;
    }
    plan.oldBytes = file.bytes;
    if (SitePages::isReadOnly(path)) {
        plan.scriptBefore = true;
        plan.reason = QCoreApplication::translate("SitePublisher", "It is read-only, so it was not changed.");
    } else if (const QString folder = SitePages::unwritableFolder(path); !folder.isEmpty()) {
        plan.scriptBefore = true;
        plan.reason = folderReason(folder);
    }
    return plan;
}

// The pages to prepare: those named, or (none named) every page of the site.
QList<Page> pagesOf(const QStringList &pages, SitePlan *out)
{
    QList<Page> all;
    if (pages.isEmpty()) {
        const QStringList found = SitePages::find(out->siteFolder, &out->note);
        all.reserve(found.size());
        for (const QString &relative : found) {
            Page page;
            page.plan.path = relative;
            page.absolute = out->siteFolder + u'/' + relative;
            all.append(std::move(page));
        }
        return all;
    }
    all.reserve(pages.size());
    for (const QString &given : pages) {
        Page page;
        page.absolute = QFileInfo(given).absoluteFilePath();
        if (!SitePages::contains(out->siteFolder, page.absolute, &page.plan.path)) {
            page.plan.path = QDir::toNativeSeparators(given);
            page.plan.reason =
                QCoreApplication::translate("SitePublisher", "It is not in the site folder \"%1\".")
                    .arg(QDir::toNativeSeparators(out->siteFolder));
            page.absolute.clear();
        }
        all.append(std::move(page));
    }
    return all;
}

} // namespace

namespace SitePublisher {

void settleScript(SitePlan &plan)
{
    if (plan.scriptRow < 0)
        return;
    PagePlan &script = plan.pages[plan.scriptRow];
    if (script.scriptBefore)
        return; // it cannot be removed; its reason says why
    qsizetype users = plan.scriptUsers.size();
    for (const PagePlan &page : std::as_const(plan.pages)) {
        const bool written =
            page.state == PagePlan::WillChange || (page.state == PagePlan::EditedByHand && page.replaceEdits);
        users += &page != &script && (written ? page.scriptAfter : page.scriptBefore);
    }
    script.remove = users == 0;
    script.state = script.remove ? PagePlan::WillChange : PagePlan::UpToDate;
    script.reason =
        script.remove ? QCoreApplication::translate("SitePublisher",
                                                    "No page of the site uses it any more, so it is removed.")
                      : QCoreApplication::translate("SitePublisher", "%n page(s) of the site still use it.",
                                                    nullptr, int(users));
}

SitePlan prepare(const MenuProject &project, const QString &siteFolder, const QStringList &pages,
                 Action action, const Options &options)
{
    SitePlan out;
    const QFileInfo site(siteFolder);
    out.siteFolder = site.absoluteFilePath();
    if (!site.exists()) {
        out.error = QCoreApplication::translate("SitePublisher", "The site folder \"%1\" does not exist.")
                        .arg(QDir::toNativeSeparators(siteFolder));
        return out;
    }
    if (!site.isDir()) {
        out.error = QCoreApplication::translate("SitePublisher", "The site folder \"%1\" is not a folder.")
                        .arg(QDir::toNativeSeparators(siteFolder));
        return out;
    }
    out.backupRoot = options.backupFolder.isEmpty()
                         ? QString()
                         : BackupRuns::root(out.siteFolder, options.backupFolder, &out.error);
    if (!out.error.isEmpty())
        return out;
    out.error = MenuRegionMark::nameProblem(project.options.menuName);
    if (out.error.isEmpty() && action == Publish)
        out.error = ClassicEntryMarks::problem(project);
    if (!out.error.isEmpty())
        return out;
    const bool walk = pages.isEmpty();
    QList<Page> all;
    PublishRecord record;
    // The pages are listed on a thread of its own while the links are
    // checked and the record read (on this thread, whose memory stays from
    // run to run: a fresh thread's would take the record's anew each time).
    // Publishing, that thread then finds each page's file as it stands, for
    // the record to vouch for (readBytes).
    InFlight::beside(
        [&] {
            all = pagesOf(pages, &out);
            for (Page &page : all) {
                if (action == Publish && !page.absolute.isEmpty())
                    page.stated = FileIdentity::of(page.absolute);
            }
        },
        [&] {
            // A menu is never published silently with a link to a page that is gone.
            if (action == Publish)
                out.links = LinkCheck(out.siteFolder).check(project.items, options.bounds);
            record = PublishRecord::load(out.siteFolder, &out.recordNote);
        });
    QHash<QString, bool> folders; // whether a path relative to the site folder is a folder
    const auto isFolder = [&](const QString &path) {
        auto found = folders.constFind(path);
        if (found == folders.cend())
            found = folders.insert(path, QFileInfo(out.siteFolder + u'/' + path).isDir());
        return found.value();
    };
    PageMenuCode::FolderLinks links(project);
    QHash<std::pair<QString, int>, QByteArray> codeHashes;
    for (Page &page : all) {
        if (action == Publish && !page.absolute.isEmpty())
            page.writtenHash =
                writtenHash(page.plan.path, record, project, links, isFolder, codeHashes, &page.written);
    }
    Page *const read = all.data(); // each thread on pages of its own
    InFlight::forEach(all.size(), kReadersAtOnce, [read, &options, &record](qsizetype i) {
        if (!read[i].absolute.isEmpty())
            readBytes(read[i], options, record);
    });
    QList<PageReader::Source> texts;
    QSet<std::pair<quint64, quint64>> seen; // a page reached under two names is one page
    seen.reserve(all.size());
    for (Page &page : all) {
        readPage(page, project.options.menuName);
        const FileIdentity &id = page.plan.identity;
        if (id.exists && seen.contains({id.device, id.inode})) {
            page.parse = false;
            page.plan.state = PagePlan::NoPlaceholder;
            page.plan.path.clear();
            continue;
        }
        if (id.exists)
            seen.insert({id.device, id.inode});
        if (page.parse)
            texts.append(page.text.source());
    }
    const QList<PageMarkList> marks = PageMarkScan::scan(texts, options.bounds, project.options.menuName);
    qsizetype next = 0;
    bool holdsMenu = false;
    out.pages.reserve(all.size() + 1); // and the shared script
    QSet<QString> parsed; // the pages whose use of the shared script is known from the run
    for (Page &page : all) {
        if (page.parse) {
            const PageMarkList &pageMarks = marks.at(next++);
            plan(page, pageMarks, project, action, links, isFolder, record);
            if (action == Unpublish && pageMarks.ok) {
                parsed.insert(page.plan.path);
                page.plan.scriptBefore = SharedScript::usedBy(page.plan.path, pageMarks.marks);
                page.plan.scriptAfter =
                    SharedScript::usedBy(page.plan.path, pageMarks.marks, project.options.menuName);
            }
        }
        if (page.plan.path.isEmpty() || (walk && page.plan.state == PagePlan::NoPlaceholder))
            continue;
        holdsMenu =
            holdsMenu || page.plan.state == PagePlan::WillChange || page.plan.state == PagePlan::UpToDate;
        holdsMenu = holdsMenu || page.plan.state == PagePlan::EditedByHand;
        if (page.plan.state != PagePlan::WillChange && page.plan.state != PagePlan::EditedByHand)
            page.plan.oldBytes.clear();
        out.pages.append(std::move(page.plan));
    }
    if (holdsMenu && action == Publish && project.dialect == CodeDialect::Html5)
        out.pages.append(scriptPlan(out.siteFolder));
    if (holdsMenu && action == Unpublish) {
        // The script goes with the last menu that uses it, judged over the whole site.
        PagePlan script = scriptRemovalPlan(out.siteFolder);
        if (script.identity.exists) {
            out.scriptUsers =
                SharedScript::users(out.siteFolder, parsed, options.maxPageBytes, options.bounds);
            out.scriptRow = out.pages.size();
            out.pages.append(std::move(script));
            settleScript(out);
        }
    }
    return out;
}

} // namespace SitePublisher
