#include "app/ui/Translations.h"
#include "server/TransferRecord.h"
#include "server/ui/TransferActions.h"
#include "server/ui/TransferDialog.h"
#include "support/Form1Driver.h"
#include "support/SshServer.h"
#include "support/TransferTable.h"

#include <QtTest>
#include <QtWidgets>

using namespace form1test;

namespace {

// A page holding the menu's placeholder, and a line of its own to tell it by.
QByteArray page(const QString &line, int padding = 0)
{
    return "<html><head></head><body>\n<!-- quillnav m -->\n<p>" + line.toUtf8() + "</p>\n"
           + QByteArray(padding, 'x') + "\n</body></html>\n";
}

// The state column of a file's row.
QString stateOf(const TransferDialog &dialog, const QString &path)
{
    const auto rows =
        dialog.findChild<QTreeWidget *>("lstTransferFiles")->findItems(path, Qt::MatchExactly, 1);
    return rows.isEmpty() ? "(no row)" : rows[0]->text(0);
}

QString summaryOf(const QWidget &dialog)
{
    return dialog.findChild<QLabel *>("lblTransferSummary")->text();
}

} // namespace

class TestTransferDialog : public QObject {
    Q_OBJECT

    SshServer m_server;
    QTemporaryDir m_site;
    const TransferSides m_sides{m_server, m_site.path(), {}, m_server.keys()};

    MenuProject project() const
    {
        MenuProject p;
        p.options.menuName = "m";
        p.items = {{"Home", "Yes", "a.html", "No"}};
        p.server = m_server.address();
        p.site = m_site.path();
        return p;
    }
    // A dialog shown and planned.
    std::unique_ptr<TransferDialog> planned(TransferPlan::Direction direction)
    {
        auto dialog = std::make_unique<TransferDialog>(m_sides.address(), project(), m_site.path(), direction,
                                                       [o = m_server.keys()] { return o; });
        dialog->show();
        (void)QTest::qWaitFor([&] { return !dialog->busy(); }, 20000); // the checks then fail
        return dialog;
    }
    // Plans, ticks Overwrite for `overwrite`, runs, and waits for the summary.
    QString transfer(TransferPlan::Direction direction, const QStringList &overwrite = {})
    {
        const std::unique_ptr<TransferDialog> dialog = planned(direction);
        auto *table = dialog->findChild<QTreeWidget *>("lstTransferFiles");
        for (int i = 0; i < table->topLevelItemCount(); ++i)
            if (overwrite.contains(table->topLevelItem(i)->text(1)))
                table->topLevelItem(i)->setCheckState(3, Qt::Checked);
        if (auto *go = dialog->findChild<QPushButton *>("cmdTransfer"); go->isEnabled()) {
            go->click();
            (void)QTest::qWaitFor([&] { return !dialog->busy(); }, 60000); // the summary tells
        }
        return summaryOf(*dialog);
    }
private slots:
    void initTestCase()
    {
        privateSettings();
        Translations::install(QLocale(QLocale::English, QLocale::UnitedStates)); // "1 file", "2 files"
        QString problem;
        if (!m_server.start(&problem))
            QSKIP(qPrintable(problem));
    }

    // Each row: the direction, steps making both sides of a.html ("local
    // TEXT", "server TEXT", "upload"), then the state planned and the changed
    // lines shown (the line taken out, ">", the line put in).
    void states_data() { TransferSides::addRows({"server-transfer-window.json"}); }
    void states()
    {
        QFETCH(QJsonArray, row);
        m_sides.clear();
        for (const QJsonValue &v : row[2].toArray()) {
            const QString side = v.toString().section(' ', 0, 0);
            if (side == "upload")
                transfer(TransferPlan::Upload);
            else
                m_sides.put((side == "local" ? m_site.path() : m_server.www()) + "/a.html",
                            page(v.toString().section(' ', 1)));
        }
        const auto dialog = planned(row[1] == "upload" ? TransferPlan::Upload : TransferPlan::Download);
        QCOMPARE(stateOf(*dialog, "a.html"), row[3].toString());
        const QString changes = row[4].toString();
        dialog->findChild<QPushButton *>("cmdShowChanges")->click();
        auto *view = dialog->findChild<QPlainTextEdit *>("txtPageChanges");
        QTRY_VERIFY(!view->toPlainText().startsWith("Reading"));
        for (const QString mark : {"-", "+"}) {
            const QString line = changes.section('>', mark == "-" ? 0 : 1, mark == "-" ? 0 : 1);
            const QRegularExpression shown("^\\" + mark + " +3 \\| <p>" + line + "</p>$",
                                           QRegularExpression::MultilineOption);
            QVERIFY2(view->toPlainText().contains(shown) == !line.isEmpty(), qPrintable(view->toPlainText()));
        }
    }

    // A file changed on the server is listed and left as it is, until its
    // Overwrite box is ticked.
    void changedOnServerSkipped()
    {
        m_sides.clear();
        m_sides.put(m_site.filePath("a.html"), page("A"));
        m_sides.put(m_site.filePath("sub/b.html"), page("A"));
        QVERIFY2(transfer(TransferPlan::Upload).contains("2 files uploaded"), "first upload");
        m_sides.put(m_server.www() + "/a.html", page("BB"));
        m_sides.put(m_site.filePath("a.html"), page("C"));
        m_sides.put(m_site.filePath("sub/b.html"), page("C"));
        QString summary = transfer(TransferPlan::Upload);
        QVERIFY2(summary.contains("1 file uploaded") && summary.contains("1 file skipped"),
                 qPrintable(summary));
        QCOMPARE(testfiles::readAll(m_server.www() + "/a.html"), page("BB"));
        QCOMPARE(testfiles::readAll(m_server.www() + "/sub/b.html"), page("C"));
        summary = transfer(TransferPlan::Upload, {"a.html"});
        QVERIFY2(summary.startsWith("1 file uploaded") && !summary.contains("skipped"), qPrintable(summary));
        QCOMPARE(testfiles::readAll(m_server.www() + "/a.html"), page("C"));
    }

    // Cancel in the middle of an upload: every server file is old or new,
    // and the next upload sends the rest.
    void cancelMidRun()
    {
        m_sides.clear();
        const QByteArray old = page("old", 20000);
        const QByteArray fresh = page("new", 21000);
        QStringList paths;
        for (int i = 0; i < 30; ++i) {
            paths << QString("f%1/p%2.html").arg(i % 3).arg(i);
            m_sides.put(m_site.filePath(paths.last()), old);
        }
        transfer(TransferPlan::Upload);
        for (const QString &p : paths)
            m_sides.put(m_site.filePath(p), fresh);
        const auto dialog = planned(TransferPlan::Upload);
        // The server runs half a millisecond at a time until a first file is new
        // on it (meanwhile one may be missing, its old copy stepped aside), so
        // that Cancel comes while the run is in the middle, however fast the machine.
        m_server.pause(true);
        const auto resume = qScopeGuard([&] { m_server.pause(false); });
        dialog->findChild<QPushButton *>("cmdTransfer")->click();
        QElapsedTimer waited;
        waited.start();
        while (m_sides.countFresh(paths, {}, fresh) == 0 && waited.elapsed() < 60000)
            m_server.runFor(500);
        const int atCancel = m_sides.countFresh(paths, {}, fresh);
        QVERIFY(atCancel > 0 && atCancel < 30);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        m_server.pause(false);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->busy(), 60000);
        QVERIFY2(summaryOf(*dialog).contains("Cancelled"), qPrintable(summaryOf(*dialog)));
        const int sent = m_sides.countFresh(paths, old, fresh);
        QVERIFY(sent > 0 && sent < 30);
        QVERIFY2(transfer(TransferPlan::Upload).startsWith(QString("%1 files uploaded").arg(30 - sent)),
                 "second run");
        QCOMPARE(m_sides.countFresh(paths, old, fresh), 30);
    }

    // The window: the commands wait for a server and a site folder, and
    // closing the window during an upload stops it as Cancel does.
    void window()
    {
        m_sides.clear();
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        QAction *upload = action(*w, "mnuUploadToServer");
        QVERIFY(!upload->isEnabled() && upload->toolTip().contains("no server"));
        MenuProject p = project();
        p.site.clear();
        const QString file = m_site.filePath("menu.qnv");
        QVERIFY(testfiles::saveProject(file, p));
        QString error;
        QVERIFY2(w->document()->load(file, &error), qPrintable(error));
        settle(*w);
        QVERIFY(!upload->isEnabled() && upload->toolTip().contains("no site folder"));
        w->document()->changeSiteFolder(m_site.path());
        QCOMPARE(w->document()->save(file, &error), MenuDocument::SaveOutcome::Saved); // closing asks nothing
        settle(*w);
        QVERIFY(upload->isEnabled() && action(*w, "mnuGetFromServer")->isEnabled());

        QStringList paths;
        for (int i = 0; i < 30; ++i) {
            paths << QString("p%1.html").arg(i);
            m_sides.put(m_site.filePath(paths.last()), page("new", 20000));
        }
        w->findChild<TransferActions *>("transferActions")->setLogin([o = m_server.keys()] { return o; });
        modalwatch::whenModal(this, [&w](QWidget *modal) {
            auto *go = modal->findChild<QPushButton *>("cmdTransfer");
            if (!go || !go->isEnabled())
                return false;
            connect(modal->findChild<QProgressBar *>("prgTransfer"), &QProgressBar::valueChanged, w.get(),
                    [&w](int value) {
                        if (value > 0)
                            w->close();
                    });
            go->click();
            return true;
        });
        upload->trigger();
        QVERIFY(!w->isVisible());
        const TransferRecord record = TransferRecord::load(m_site.path(), project().server, nullptr);
        const int fresh = m_sides.countFresh(paths, {}, page("new", 20000));
        QVERIFY(fresh > 0 && fresh < 30); // and every file there is new:
        for (const QString &p : paths)    // recorded as soon as sent
            QCOMPARE(QFile::exists(m_server.www() + '/' + p), record.files.contains(p));
        QCOMPARE(QDir(m_server.www()).entryList(QDir::Files | QDir::Hidden).size(), fresh); // no temporaries
    }
};

QTEST_MAIN(TestTransferDialog)
#include "tst_transferdialog.moc"
