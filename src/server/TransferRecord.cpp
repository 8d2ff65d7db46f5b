#include "server/TransferRecord.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "site/PublishRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

constexpr int kFormat = 1;

bool readFile(const QJsonValue &value, TransferRecord::File *file)
{
    const QJsonObject o = value.toObject();
    const QJsonValue size = o.value(QLatin1StringView("size"));
    const QJsonValue mtime = o.value(QLatin1StringView("mtime"));
    const QString hash = o.value(QLatin1StringView("sha256")).toString();
    const QJsonValue tag = o.value(QLatin1StringView("etag"));
    const QJsonValue verify = o.value(QLatin1StringView("verify"));
    if (!value.isObject() || !size.isDouble() || size.toDouble() < 0 || !mtime.isDouble()
        || !(tag.isUndefined() || tag.isString()) || !(verify.isUndefined() || verify.isBool())
        || !QRegularExpression(QStringLiteral("^[0-9a-f]{64}$")).match(hash).hasMatch())
        return false;
    file->size = qint64(size.toDouble());
    file->mtime = qint64(mtime.toDouble());
    file->hash = hash.toLatin1();
    file->tag = tag.toString().toUtf8();
    file->verify = verify.toBool();
    return true;
}

} // namespace

QByteArray TransferRecord::hash(QByteArrayView bytes)
{
    return PublishRecord::hash(bytes);
}

TransferRecord TransferRecord::load(const QString &siteFolder, const QString &server, QString *note)
{
    TransferRecord record;
    record.server = server;
    const QString file = path(siteFolder);
    const RegularFile read = RegularFile::read(file, kMaxBytes);
    if (read.status == RegularFile::Missing)
        return record;
    const auto setAside = [&](const QString &why) {
        if (note)
            *note = QCoreApplication::translate(
                        "TransferRecord",
                        "The record of earlier transfers \"%1\" was set aside: %2 Files present on both "
                        "sides are compared by their contents.")
                        .arg(QDir::toNativeSeparators(file), why);
        TransferRecord empty;
        empty.server = server;
        return empty;
    };
    if (read.status != RegularFile::Ok)
        return setAside(read.problem(QString()));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(read.bytes, &error);
    const QJsonObject root = document.object();
    if (document.isNull() || !document.isObject()
        || root.value(QLatin1StringView("format")).toInt(-1) != kFormat
        || !root.value(QLatin1StringView("files")).isObject())
        return setAside(QCoreApplication::translate("TransferRecord", "It is damaged."));
    if (root.value(QLatin1StringView("server")).toString() != server)
        return setAside(QCoreApplication::translate("TransferRecord", "It was made for the server \"%1\".")
                            .arg(root.value(QLatin1StringView("server")).toString()));
    // Written before entries were marked: any of them may be one to verify.
    const QJsonValue saved = root.value(QLatin1StringView("saved"));
    const bool older = !saved.isDouble();
    record.saved = older ? QFileInfo(file).lastModified().toMSecsSinceEpoch() : qint64(saved.toDouble());
    const QJsonObject files = root.value(QLatin1StringView("files")).toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        File f;
        if (!readFile(it.value(), &f))
            return setAside(QCoreApplication::translate("TransferRecord", "Its entry for \"%1\" is damaged.")
                                .arg(it.key()));
        f.verify = f.verify || older;
        record.files.insert(it.key(), f);
    }
    return record;
}

bool TransferRecord::save(const QString &siteFolder, QString *error)
{
    saved = QDateTime::currentMSecsSinceEpoch();
    QJsonObject objects;
    for (auto it = files.begin(); it != files.end(); ++it) {
        QJsonObject file{{QStringLiteral("size"), double(it->size)},
                         {QStringLiteral("sha256"), QString::fromLatin1(it->hash)},
                         {QStringLiteral("mtime"), double(it->mtime)}};
        if (!it->tag.isEmpty())
            file.insert(QStringLiteral("etag"), QString::fromUtf8(it->tag));
        if (it->verify)
            file.insert(QStringLiteral("verify"), true);
        objects.insert(it.key(), file);
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("server"), server},
                           {QStringLiteral("saved"), double(saved)},
                           {QStringLiteral("files"), objects}};
    return WriteFileAtomically(path(siteFolder), QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}
