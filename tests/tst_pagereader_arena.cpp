// The parse arena's bound counts what is held, since a block given back is
// taken again by the next of its size (every import through a worker checks
// the blocks themselves).
#include "platform/BoundedWorker.h"
#include "site/ParseArena.h"

#include <QTest>

#include <cstring>

class TestPageReaderArena : public QObject {
    Q_OBJECT
private slots:
    // In an arena of 4 MiB, 64 MiB of blocks that come and go fit; held, they
    // end the worker as out of memory.
    void boundCountsWhatIsHeld_data()
    {
        QTest::addColumn<bool>("giveBack");
        QTest::addColumn<int>("outcome");
        QTest::newRow("taken and given") << true << int(BoundedWorker::Finished);
        QTest::newRow("held") << false << int(BoundedWorker::MemoryLimit);
    }
    void boundCountsWhatIsHeld()
    {
        QFETCH(bool, giveBack);
        QFETCH(int, outcome);
        const auto job = [giveBack](int) {
            ParseArena arena(4 << 20);
            for (int i = 0; i < 16384; ++i) {
                void *p = arena.take(size_t(4096 - 64 * (i % 2)));
                std::memset(p, 1, 4000);
                if (giveBack)
                    arena.give(p);
            }
            return 0;
        };
        QCOMPARE(int(BoundedWorker::run(job, BoundedWorker::Limits()).outcome), outcome);
    }
};

QTEST_GUILESS_MAIN(TestPageReaderArena)
#include "tst_pagereader_arena.moc"
