// The parse arena: blocks given back are taken again by blocks of their size,
// blocks never overlap, and its bound counts what is held, not what passed.
#include "platform/BoundedWorker.h"
#include "site/ParseArena.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>
#include <map>

class TestPageReaderArena : public QObject {
    Q_OBJECT
private slots:
    void givenBlocksAreTakenAgain_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {1, 8, 13, 2048, 2049, 100000})
            QTest::addRow("%d bytes", size) << size;
    }
    void givenBlocksAreTakenAgain()
    {
        QFETCH(int, size);
        ParseArena arena(64 << 20);
        void *a = arena.take(size_t(size));
        void *b = arena.take(size_t(size));
        const qint64 used = arena.used();
        arena.give(a);
        arena.give(b);
        QCOMPARE(arena.take(size_t(size)), b);
        QCOMPARE(arena.take(size_t(size)), a);
        QCOMPARE(arena.used(), used);
        arena.give(a);
        QVERIFY(arena.take(2 * size_t(size) + 2048) != a); // another size takes none of them
        QCOMPARE(arena.take(size_t(size)), a);
        arena.rewind();
        QCOMPARE(arena.used(), 0);
    }

    // Blocks of mixed sizes taken and given at random, each filled with its own
    // byte: a block that shared bytes with another would find them changed.
    void blocksNeverOverlap()
    {
        ParseArena arena(256 << 20);
        QRandomGenerator random(7);
        std::map<char *, std::pair<size_t, char>> live;
        const auto intact = [](char *p, size_t size, char fill) {
            return std::memcmp(p, QByteArray(qsizetype(size), fill).constData(), size) == 0;
        };
        for (int step = 0; step < 50000; ++step) {
            if (!live.empty() && random.bounded(5) < 2) {
                auto it = live.begin();
                std::advance(it, random.bounded(int(std::min<size_t>(live.size(), 64))));
                QVERIFY(intact(it->first, it->second.first, it->second.second));
                arena.give(it->first);
                live.erase(it);
                continue;
            }
            const size_t size = random.bounded(8) ? 1 + random.bounded(200) : 1 + random.bounded(20000);
            auto *p = static_cast<char *>(arena.take(size));
            QVERIFY(reinterpret_cast<quintptr>(p) % 8 == 0);
            const char fill = char(step);
            std::memset(p, fill, size);
            live[p] = {size, fill};
        }
        for (const auto &[p, block] : live)
            QVERIFY(intact(p, block.first, block.second));
    }

    // An arena of 4 MiB: blocks that come and go without end fit, blocks that
    // are all held do not, and the worker ends as out of memory.
    void boundCountsWhatIsHeld_data()
    {
        QTest::addColumn<bool>("giveBack");
        QTest::addColumn<int>("outcome");
        QTest::newRow("64 MiB taken and given") << true << int(BoundedWorker::Finished);
        QTest::newRow("64 MiB held") << false << int(BoundedWorker::MemoryLimit);
    }
    void boundCountsWhatIsHeld()
    {
        QFETCH(bool, giveBack);
        QFETCH(int, outcome);
        const BoundedWorker::Result result = BoundedWorker::run(
            [giveBack](int) {
                ParseArena arena(4 << 20);
                for (int i = 0; i < 16384; ++i) {
                    void *p = arena.take(size_t(4096 - 64 * (i % 2)));
                    std::memset(p, 1, 4000);
                    if (giveBack)
                        arena.give(p);
                }
                return 0;
            },
            BoundedWorker::Limits());
        QCOMPARE(int(result.outcome), outcome);
    }
};

QTEST_GUILESS_MAIN(TestPageReaderArena)
#include "tst_pagereader_arena.moc"
