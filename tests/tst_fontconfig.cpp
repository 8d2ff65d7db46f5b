// The windows' own loading of the font configuration gives fontconfig the same
// fonts, folders and rules as fontconfig's own start-up, and leaves anything
// unusual to fontconfig.
#include "platform/ui/FontConfigStart.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <fontconfig/fontconfig.h>

namespace {
QStringList drain(FcStrList *list)
{
    QStringList out;
    if (!list)
        return out;
    while (FcChar8 *s = FcStrListNext(list))
        out << QString::fromUtf8(reinterpret_cast<const char *>(s));
    FcStrListDone(list);
    return out;
}

// Every font as file, index and style, sorted.
QStringList fonts(FcConfig *config)
{
    FcPattern *pattern = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_STYLE, nullptr);
    FcFontSet *set = FcFontList(config, pattern, objects);
    QStringList out;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8 *file = nullptr, *style = nullptr;
        int index = 0;
        FcPatternGetString(set->fonts[i], FC_FILE, 0, &file);
        FcPatternGetString(set->fonts[i], FC_STYLE, 0, &style);
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        out << QStringLiteral("%1 %2 %3")
                   .arg(reinterpret_cast<const char *>(file))
                   .arg(index)
                   .arg(reinterpret_cast<const char *>(style));
    }
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    out.sort();
    return out;
}

// The file the configuration's rules choose for a generic family.
QString match(FcConfig *config, const char *family)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern *found = FcFontMatch(config, pattern, &result);
    FcChar8 *file = nullptr;
    QString out;
    if (found && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch)
        out = QString::fromUtf8(reinterpret_cast<const char *>(file));
    if (found)
        FcPatternDestroy(found);
    FcPatternDestroy(pattern);
    return out;
}
} // namespace

class TestFontConfig : public QObject {
    Q_OBJECT

private slots:
    void loadsWhatFontconfigLoads_data()
    {
        QTest::addColumn<QByteArray>("file"); // "-": the system's; "@": none there
        QTest::addColumn<bool>("loaded");
        QTest::newRow("the system's configuration") << QByteArray("-") << true;
        QTest::newRow("a file with fonts and a cache folder")
            << QByteArray("<fontconfig><dir>/usr/share/fonts</dir><cachedir>@/cache</cachedir>"
                          "<alias><family>sans-serif</family><prefer><family>DejaVu Sans Mono"
                          "</family></prefer></alias></fontconfig>")
            << true;
        QTest::newRow("no such file") << QByteArray("@") << false;
        QTest::newRow("a file that does not parse")
            << QByteArray("<fontconfig><dir>/usr/share/fonts</dir><cachedir>@</cachedir>") << false;
        QTest::newRow("no cache folder")
            << QByteArray("<fontconfig><dir>/usr/share/fonts</dir></fontconfig>") << false;
    }

    void loadsWhatFontconfigLoads()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, loaded);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("fonts.conf"));
        if (file == "-") {
            qunsetenv("FONTCONFIG_FILE");
        } else {
            if (file != "@")
                QVERIFY(testfiles::writeAll(path, file.replace('@', QFile::encodeName(dir.path()))));
            qputenv("FONTCONFIG_FILE", QFile::encodeName(path));
        }

        FcConfig *before = FcConfigGetCurrent();
        QCOMPARE(LoadFontConfiguration(), loaded);
        FcConfig *current = FcConfigGetCurrent();
        if (!loaded) {
            QCOMPARE(current, before);
            return;
        }
        QVERIFY(current != before);
        FcConfig *standard = FcInitLoadConfigAndFonts();
        QVERIFY(standard);
        const QStringList ours = fonts(current);
        QVERIFY(!ours.isEmpty());
        QCOMPARE(ours, fonts(standard));
        QCOMPARE(drain(FcConfigGetFontDirs(current)), drain(FcConfigGetFontDirs(standard)));
        QCOMPARE(drain(FcConfigGetCacheDirs(current)), drain(FcConfigGetCacheDirs(standard)));
        for (const char *family : {"sans-serif", "serif", "monospace", "DejaVu Sans:bold"})
            QCOMPARE(match(current, family), match(standard, family));
        FcConfigDestroy(standard);
    }
};

QTEST_GUILESS_MAIN(TestFontConfig)
#include "tst_fontconfig.moc"
