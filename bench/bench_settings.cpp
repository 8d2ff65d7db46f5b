// Times of the settings store (each call reads, and each write locks and
// replaces, the whole file) and of the colour text conversions.
#include "BenchTiming.h"
#include "platform/CRegSettings.h"
#include "platform/RegistryHive.h"
#include "platform/RegistryStore.h"
#include "styles/mColorSelect.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

template <typename F> double MicrosecondsPerCall(int calls, F &&call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call(i);
    return double(timer.nsecsElapsed()) / 1000.0 / calls;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    RegistryStore::setFilePath(dir.filePath(QStringLiteral("user-registry.txt")));

    CRegSettings settings;
    settings.setAppName(QStringLiteral("Quillnav 1.2"));
    settings.setCompany(QStringLiteral("Brookfen"));
    const QString section = QStringLiteral("Messages");
    const QStringList keys{QStringLiteral("Show IE Message"), QStringLiteral("Show Button Border Message"),
                           QStringLiteral("Show Restore Defaults Message")};

    const double save = MicrosecondsPerCall(300, [&](int i) {
        settings.SaveSetting(section, keys.at(i % 3), i % 2 ? QStringLiteral("yes") : QStringLiteral("no"));
    });
    const double get =
        MicrosecondsPerCall(3000, [&](int i) { settings.GetSetting(section, keys.at(i % 3), "yes"); });

    for (int i = 0; i < 200; ++i)
        settings.SaveSetting(QStringLiteral("Bulk"), QStringLiteral("Value %1").arg(i),
                             QString(40, QLatin1Char('x')));
    const double saveLarge = MicrosecondsPerCall(
        100, [&](int i) { settings.SaveSetting(section, keys.at(i % 3), QStringLiteral("yes")); });
    const double getAll =
        MicrosecondsPerCall(300, [&](int) { settings.GetAllSettings(QStringLiteral("Bulk")); });

    volatile quint32 sink = 0;
    const double convert = MicrosecondsPerCall(200000, [&](int i) {
        sink =
            sink
            + mColorSelect::ColorTextToNumber(mColorSelect::ColorToHex(quint32(i) * 2654435761u & 0xFFFFFF))
                  .value_or(0);
    });

    // Parsing hand-made or hostile files: many keys, many values in one key,
    // one long line of nested keys (refused past the depth limit).
    QByteArray manyKeys = RegistryHive::signature() + "\n", manyValues = manyKeys + "[Software\\Bulk]\n";
    for (int i = 0; i < 20000; ++i) {
        manyKeys += "[Software\\Brookfen\\Key " + QByteArray::number(i) + "]\n\"Value\"=\"some text\"\n";
        manyValues += "\"Value " + QByteArray::number(i) + "\"=\"some text\"\n";
    }
    const QByteArray deep = RegistryHive::signature() + "\n[" + QByteArray("k\\").repeated(4000) + "k]\n";
    const double parseKeys = bestMs(5, [&] { RegistryHive::parse(manyKeys); });
    const double parseValues = bestMs(5, [&] { RegistryHive::parse(manyValues); });
    const double parseDeep = bestMs(5, [&] { RegistryHive::parse(deep); });

    std::printf("parse 20,000 keys (%lld KiB):           %8.1f ms\n", qint64(manyKeys.size() / 1024),
                parseKeys);
    std::printf("parse 20,000 values in one key:          %8.1f ms\n", parseValues);
    std::printf("parse an 8 KB line of nested keys:       %8.1f ms\n", parseDeep);
    std::printf("SaveSetting, 3 flags in the file:        %8.1f us/call\n", save);
    std::printf("GetSetting, 3 flags in the file:         %8.1f us/call\n", get);
    std::printf("SaveSetting, 203 values in the file:     %8.1f us/call\n", saveLarge);
    std::printf("GetAllSettings, 200 values:              %8.1f us/call\n", getAll);
    std::printf("ColorToHex + ColorTextToNumber:          %8.3f us/call\n", convert);
    return 0;
}
