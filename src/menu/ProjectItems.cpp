#include "menu/ProjectItems.h"

#include "menu/EntryName.h"
#include "menu/JsonScanner.h"
#include "menu/ProjectFile.h"

#include <QCoreApplication>

namespace ProjectFile::reader {

namespace {

// One item's four columns as read: the state of each field tells what was
// found under its name.
struct ItemFields {
    enum State { Missing, NotText, Text };
    State state[4] = {Missing, Missing, Missing, Missing};
};

QString itemListName()
{
    return QCoreApplication::translate("ProjectFile", "the menu item list");
}

} // namespace

const std::array<QList<QString>, 4> &sharedTexts()
{
    static const QList<QString> flags{menutext::kYes, menutext::kNo};
    static const std::array<QList<QString>, 4> shared{
        QList<QString>{menutext::kSeparatorText}, flags, {}, flags};
    return shared;
}

void readItems(JsonScanner &scan, MenuItemSummary *summary, const std::function<void(ReadItem &)> &visit)
{
    static constexpr QByteArrayView names[4] = {"text", "linked", "url", "selected"};
    // The columns as the list's header names them.
    const QString captions[4] = {QCoreApplication::translate("ProjectFile", "Item Text"),
                                 QCoreApplication::translate("ProjectFile", "Linked"),
                                 QCoreApplication::translate("ProjectFile", "Link URL"),
                                 QCoreApplication::translate("ProjectFile", "Selected")};
    qsizetype defaultAt = -1;
    ReadItem read;
    MenuItem &item = read.item;
    QString *const *value = read.value;
    const auto &shared = sharedTexts();
    scan.enterArray();
    for (qsizetype i = 0; scan.nextElement(); ++i) {
        if (scan.peek() != JsonScanner::Object)
            refuse(entryname::of(i, nullptr),
                   QCoreApplication::translate("ProjectFile", "must be a JSON object"));
        ItemFields fields;
        scan.enterObject();
        QByteArrayView key;
        while (scan.nextMember(&key)) {
            int f = 0;
            while (f < 4 && key != names[f])
                ++f;
            if (f == 4) {
                scan.skipValue();
            } else if (scan.peek() != JsonScanner::String) {
                scan.skipValue();
                fields.state[f] = ItemFields::NotText;
            } else {
                read.raw[f] = scan.readRawString(&read.escapes[f]);
                JsonScanner::decodeString(read.raw[f], read.escapes[f], value[f], shared[f]);
                fields.state[f] = ItemFields::Text;
            }
        }
        // The entry by its number and, once its text is known to be good,
        // its text; then the column.
        bool textRead = false;
        const auto field = [&](int f) {
            return entryname::of(i, textRead ? value[0] : nullptr) + QStringLiteral(": ") + captions[f];
        };
        for (int f = 0; f < 4; ++f) {
            if (fields.state[f] == ItemFields::Missing)
                refuse(field(f), QCoreApplication::translate("ProjectFile", "is missing"));
            if (fields.state[f] == ItemFields::NotText)
                refuse(field(f), QCoreApplication::translate("ProjectFile", "must be a text"));
            if (value[f]->size() > kMaxTextLength)
                refuse(field(f), tooLongProblem());
            textRead = true;
        }
        for (int f : {1, 3}) {
            if (*value[f] != menutext::kYes && *value[f] != menutext::kNo)
                refuse(field(f), QCoreApplication::translate("ProjectFile", "must be \"Yes\" or \"No\""));
        }
        if (item.isDefault()) {
            if (defaultAt >= 0)
                refuse(field(3),
                       QCoreApplication::translate("ProjectFile",
                                                   "cannot be \"Yes\" too: only one entry can be the default "
                                                   "selection, and %1 already is")
                           .arg(entryname::of(defaultAt, nullptr)));
            defaultAt = i;
        }
        if (summary)
            summary->add(item);
        visit(read);
    }
}

JsonScanner itemList(const QByteArray &bytes, const RootMembers &root)
{
    const qsizetype at = root.offset("items");
    if (at < 0)
        refuse(itemListName(), QCoreApplication::translate("ProjectFile", "is missing"));
    JsonScanner scan(bytes, at);
    if (scan.peek() != JsonScanner::Array)
        refuse(itemListName(), QCoreApplication::translate("ProjectFile", "must be a JSON list"));
    return scan;
}

} // namespace ProjectFile::reader
