#include "menu/ProjectFile.h"

#include "menu/ItemListScan.h"
#include "menu/ItemSpans.h"
#include "menu/JsonScanner.h"
#include "menu/JsonWriter.h"
#include "menu/ProjectFields.h"
#include "menu/ProjectFileText.h"
#include "menu/ProjectItems.h"
#include "platform/AtomicFile.h"
#include "platform/FreshMemory.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>
#include <utility>
#include <vector>

namespace ProjectFile {

using namespace reader;

namespace {

// Line and column (1-based) of a byte offset.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    int line = 1;
    int column = 1;
    for (qsizetype i = JsonScanner::byteOrderMarkSize(bytes); i < offset && i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n') {
            ++line;
            column = 1;
        } else if ((uchar(bytes.at(i)) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// Parses the file text; with `walked`, the items are not kept but walked
// in the text again for each walk of `walked`; without, `heldSummary` (when
// given) gets the summary of the items kept.
bool parseInto(const QByteArray &bytes, MenuProject *project, MenuItems *walked, MenuItemSummary *heldSummary,
               QString *error, Refused *refused, const std::shared_ptr<const void> &keep = {})
{
    Refused ignored;
    Refused &kind = refused ? *refused : ignored;
    kind = Refused::Content;
    // First pass: the syntax of the whole file, where the root's members are,
    // and the items on the way. Should an item be refused, the pass starts
    // again without reading them, so that a syntax error anywhere or a
    // problem of the header is reported first, as for any other field.
    RootMembers root;
    QList<MenuItem> items;
    std::vector<ItemSpans> spans;           // for `walked`
    std::vector<ItemSpans> tail;            // the spans after those, from a list read in two parts
    std::optional<MenuItemSummary> summary; // once the items have been read
    const auto readAll = [&](JsonScanner &scan) {
        MenuItemSummary read;
        items.clear();
        spans.clear();
        // As many as the file could hold at the shortest line an item
        // takes: room reserved but never touched costs no memory.
        spans.reserve(size_t(bytes.size() / 56));
        FreshMemory::preferLargePages(spans.data(), spans.capacity() * sizeof(ItemSpans));
        // Most files are read by the quick scan; the rest the general way.
        if (const qsizetype end = scanItemList(bytes, scan.offset(), &read, &spans, &tail); end >= 0) {
            scan.skipTo(end);
            summary = read;
            if (!walked) {
                spans.insert(spans.end(), tail.begin(), tail.end());
                tail = {};
                items = itemspans::items(bytes, spans);
            }
            return;
        }
        read = MenuItemSummary();
        spans.clear();
        tail.clear();
        if (!walked) {
            spans.shrink_to_fit();
            items.reserve(bytes.size() / 56);
        }
        readItems(scan, &read, [&](ReadItem &got) {
            const MenuItem &item = got.item;
            if (!walked) {
                items.append(std::move(got.item));
                return;
            }
            ItemSpans &at = spans.emplace_back();
            at.textAt = quint32(got.raw[0].data() - bytes.constData());
            at.textSize = quint32(got.raw[0].size());
            at.urlAt = quint32(got.raw[2].data() - bytes.constData());
            at.urlSize = quint32(got.raw[2].size());
            at.flags = ItemSpans::pack(got.escapes[0], got.escapes[2], item.isSeparator(),
                                       item.linked == menutext::kYes, item.selected == menutext::kYes);
        });
        summary = read;
    };
    try {
        for (bool readingItems : {true, false}) {
            try {
                root = RootMembers();
                JsonScanner scan(bytes);
                if (scan.peek() != JsonScanner::Object) {
                    scan.skipValue();
                    scan.finish();
                    *error = QCoreApplication::translate("ProjectFile", "the file must hold one JSON object");
                    return false;
                }
                scan.enterObject();
                QByteArrayView key;
                while (scan.nextMember(&key)) {
                    root.at.insert(key.toByteArray(), scan.offset());
                    if (key != "items") {
                        scan.skipValue();
                    } else if (readingItems && scan.peek() == JsonScanner::Array) {
                        readAll(scan);
                    } else {
                        summary.reset(); // the last member of a name counts
                        items.clear();
                        scan.skipValue(&root.itemCount);
                    }
                }
                scan.finish();
                break;
            } catch (const Refusal &) {
                summary.reset();
                items.clear();
            }
        }
    } catch (const JsonScanner::SyntaxError &fault) {
        const auto [line, column] = lineAndColumn(bytes, fault.offset);
        *error = QCoreApplication::translate("ProjectFile", "JSON syntax error at line %1, column %2: %3")
                     .arg(line)
                     .arg(column)
                     .arg(fault.reason);
        kind = Refused::Syntax;
        return false;
    }
    // Second pass: the fields, in a fixed order, so that the first problem
    // reported does not depend on the order of the members in the file.
    try {
        checkHeader(bytes, root);
        if (!summary) {
            JsonScanner scan = itemList(bytes, root);
            readAll(scan);
        }
        MenuProject loaded;
        loaded.items = std::move(items);
        loaded.options = readOptions(bytes, root);
        loaded.menuStyle = readMenuStyle(bytes, root);
        loaded.buttonStyle = readButtonStyle(bytes, root);
        loaded.dialect = readDialect(bytes, root);
        loaded.lang = readLanguage(bytes, root);
        readSite(bytes, root, &loaded);
        readServer(bytes, root, &loaded);
        *project = std::move(loaded);
        kind = Refused::Nothing;
        if (walked)
            *walked = itemspans::stream(bytes, std::move(spans), std::move(tail), *summary, keep);
        else if (heldSummary)
            *heldSummary = *summary;
        return true;
    } catch (const Refusal &refusal) {
        *error = refusal.text;
        return false;
    }
}

// Reads a project file's text, or maps it for a walk, which reads the items
// in it once more later; on failure the message names the file.
bool loadInto(const QString &path, MenuProject *project, MenuItems *walked, MenuItemSummary *heldSummary,
              QString *error)
{
    const RegularFile file =
        walked ? RegularFile::map(path, kMaxFileBytes) : RegularFile::read(path, kMaxFileBytes);
    if (file.status != RegularFile::Ok) {
        *error = file.problem(path);
        return false;
    }
    QString problem;
    if (!parseInto(file.bytes, project, walked, heldSummary, &problem, nullptr, file.keep)) {
        *error = refusalMessage(path, problem);
        return false;
    }
    return true;
}

} // namespace

QByteArray serialize(const MenuProject &p)
{
    JsonWriter w;
    writeProjectText(w, p);
    return w.take();
}

bool parse(const QByteArray &bytes, MenuProject *project, QString *error, Refused *refused)
{
    return parseInto(bytes, project, nullptr, nullptr, error, refused);
}

bool parse(const QByteArray &bytes, MenuProject *project, MenuItems *items, QString *error, Refused *refused)
{
    return parseInto(bytes, project, items, nullptr, error, refused);
}

bool load(const QString &path, MenuProject *project, QString *error, MenuItemSummary *summary)
{
    return loadInto(path, project, nullptr, summary, error);
}

bool load(const QString &path, MenuProject *project, MenuItems *items, QString *error)
{
    return loadInto(path, project, items, nullptr, error);
}

QString refusalMessage(const QString &path, const QString &problem)
{
    return QCoreApplication::translate("ProjectFile", "\"%1\" is not a valid menu project: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}

bool save(const QString &path, const MenuProject &project, QString *error, WriteMode mode)
{
    AtomicFileWriter file(path, mode);
    if (!file.open(error))
        return false;
    JsonWriter w([&](QByteArrayView bytes) {
        if (file.written() + bytes.size() > kMaxFileBytes)
            file.fail(QCoreApplication::translate(
                          "ProjectFile", "the menu project would be larger than %1 MiB, the most a menu "
                                         "project can hold.")
                          .arg(kMaxFileBytes / (1024 * 1024)));
        file.write(bytes);
    });
    writeProjectText(w, project);
    w.flush();
    return file.commit(error);
}

} // namespace ProjectFile
