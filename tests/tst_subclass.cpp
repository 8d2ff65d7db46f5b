// Per-window event handlers: how they combine with the window's own handling,
// attachment order and removal, and the errors of attaching.

#include "platform/MSubclass.h"
#include "support/TestFiles.h"

#include <QWindow>
#include <QtTest>

#include <map>
#include <memory>
#include <utility>

namespace {
const int kMsg = QEvent::User + 7;
QStringList calls;

// Logs its name (or "!" when ActiveMessage is wrong) and answers true; an
// upper-case name detaches itself while called.
struct Probe : ISubclass {
    Probe(QString n, int r) : name(std::move(n)), response(r) {}
    int MsgResponse() const override { return response; }
    void MsgResponse(int RHS) override { response = RHS; }
    bool WindowProc(QObject *hWnd, int iMsg, QEvent *) override
    {
        if (name.at(0).isUpper())
            MSubclass::RemoveMessageHandler(this, hWnd, iMsg);
        return calls << (MSubclass::ActiveMessage() == iMsg ? name : QStringLiteral("!")), true;
    }
    QString name;
    int response;
};

// A window whose own handling of kMsg is logged as "prev" and answers false;
// it destroys a handler when given one to destroy.
class Target : public QWindow {
public:
    bool event(QEvent *e) override
    {
        if (e->type() != kMsg)
            return QWindow::event(e);
        if (doomed)
            std::exchange(doomed, nullptr)->reset();
        return calls << "prev", false;
    }
    std::unique_ptr<Probe> *doomed = nullptr;
};
} // namespace

class TestSubclass : public QObject {
    Q_OBJECT
private slots:
    void init() { calls.clear(); }

    // Operations: "+a1" attaches handler a answering MsgResponse 1, "-a"
    // removes it, "~a" destroys it, "!a" has the window's own handling of
    // the event destroy it. Then one event is sent to the window.
    // Handlers answer true, the window's own handling false.
    void dispatch_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<QString>("expected");
        for (const QJsonArray &r : testfiles::tableRows("subclass-dispatch.json"))
            QTest::newRow(qPrintable(r[0].toString())) << r[1].toString() << r[2].toString();
    }
    void dispatch()
    {
        QFETCH(QString, ops);
        QFETCH(QString, expected);
        Target window;
        std::map<QChar, std::unique_ptr<Probe>> probes;
        for (const QString &op : ops.split(' ', Qt::SkipEmptyParts)) {
            auto &probe = probes[op.at(1)];
            if (!probe)
                probe = std::make_unique<Probe>(op.mid(1, 1), op.mid(2).toInt());
            if (op.at(0) == '+')
                MSubclass::AddMessageHandler(probe.get(), &window, kMsg);
            else if (op.at(0) == '-')
                MSubclass::RemoveMessageHandler(probe.get(), &window, kMsg);
            else if (op.at(0) == '!')
                window.doomed = &probe;
            else
                probe.reset();
        }
        QEvent event(QEvent::Type(kMsg + 0));
        QCoreApplication::sendEvent(&window, &event);
        QCOMPARE(calls.join(' '), expected);
        QCOMPARE(MSubclass::SubclassWndProc(&window, &event), !expected.endsWith("prev"));
        const int count = int(expected.split(' ').size()) - (expected.contains("prev") ? 1 : 0);
        QCOMPARE(MSubclass::handlerCount(&window, kMsg), count);
        QCOMPARE(MSubclass::isSubclassed(&window), count > 0);
        // Other events never meet the handlers.
        const qsizetype seen = calls.size();
        QEvent other(QEvent::Type(kMsg + 1));
        QCoreApplication::sendEvent(&window, &other);
        QCOMPARE(calls.size(), seen);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        for (const QJsonArray &r : testfiles::tableRows("subclass-errors.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toString() << r[2].toInt() << r[3].toInt() << r[4].toString();
    }
    void errors()
    {
        QFETCH(QString, window);
        QFETCH(int, code);
        QFETCH(int, number);
        QFETCH(QString, text);
        Probe probe(QStringLiteral("a"), ISubclass::RespConsume);
        Target own, foreign, moved;
        QObject object;
        QThread thread;
        QPointer<QObject> destroyed(new Target);
        delete destroyed;
        foreign.setFlag(Qt::ForeignWindow);
        moved.moveToThread(&thread);
        QObject *target = window == "null"        ? nullptr
                          : window == "destroyed" ? destroyed.data()
                          : window == "object"    ? &object
                          : window == "foreign"   ? &foreign
                          : window == "thread"    ? &moved
                                                  : &own;
        MSubclass::AddMessageHandler(&probe, &own, kMsg);
        try {
            MSubclass::AddMessageHandler(&probe, target, kMsg);
            QFAIL("no error");
        } catch (const SubclassError &e) {
            QCOMPARE(e.code(), code);
            QCOMPARE(e.number(), number);
            QCOMPARE(e.description(), text);
            QCOMPARE(e.source(), QStringLiteral("tst_subclass.WindowProc"));
        }
        QVERIFY(!MSubclass::isSubclassed(target) || target == &own);
        QCOMPARE(MSubclass::handlerCount(&own, kMsg), 1);
    }
};

QTEST_MAIN(TestSubclass)
#include "tst_subclass.moc"
