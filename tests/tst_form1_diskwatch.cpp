// The project file while a window has it open: the lock that tells a second
// window, and changes written to the file by another program (reload, and
// the question before Save overwrites them).
#include "support/Form1Driver.h"

#include "app/ProjectFileGuard.h"
#include "support/TestFiles.h"

using namespace form1test;

namespace {

MenuProject project(const QString &menuName, const QString &list)
{
    MenuProject p;
    p.options.menuName = menuName;
    p.items = rows(list);
    return p;
}

// The project as the window holds it: its menu name and its list.
QString shown(const Form1 &window)
{
    return window.document()->project().options.menuName + ':' + state(window);
}

} // namespace

class TestForm1DiskWatch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString &name) { return dir->filePath(name); }
    void write(const QString &name, const MenuProject &p) { QVERIFY(testfiles::saveProject(path(name), p)); }
    QString onDisk(const QString &name)
    {
        MenuProject p;
        QString error;
        return ProjectFile::load(path(name), &p, &error) ? p.options.menuName : error;
    }
    static void load(Form1 &window, const QString &file)
    {
        window.choosers().openProject = [file](QWidget *) { return file; };
        window.mnuFileLoad_Click();
    }

private slots:
    void init()
    {
        privateSettings();
        dir = std::make_unique<QTemporaryDir>();
        write("menu.qnv", project("mine", "A@a,B@b"));
    }

    // A second window is told, may cancel or open anyway; the lock goes with
    // New, and one left by a program that ended is taken over.
    void secondWindowIsTold()
    {
        Form1 first, second;
        load(first, path("menu.qnv"));
        QVERIFY(first.document()->fileGuard()->holdsLock());
        const QString lockFile = ProjectFileGuard::lockPathFor(path("menu.qnv"));
        QVERIFY(QFileInfo::exists(lockFile));
        {
            BoxAnswerer cancel(QMessageBox::Cancel);
            load(second, path("menu.qnv"));
            QCOMPARE(cancel.count, 1);
            QVERIFY2(cancel.boxes[0].text.contains("\"menu.qnv\" is already open in another Quillnav window"),
                     qPrintable(cancel.boxes[0].text));
            QVERIFY(second.document()->filePath().isEmpty() && second.document()->model()->rowCount() == 0);
        }
        {
            BoxAnswerer open(QMessageBox::Open);
            load(second, path("menu.qnv"));
            QCOMPARE(open.count, 1);
            QCOMPARE(second.document()->filePath(), path("menu.qnv"));
            QCOMPARE(shown(second), QString("mine:A@a,B@b"));
            QVERIFY(!second.document()->fileGuard()->holdsLock());
        }
        first.mnuFileNew_Click();
        QVERIFY(!QFileInfo::exists(lockFile));

        // A lock whose process has ended.
        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        {
            QLockFile mine(lockFile);
            QVERIFY(mine.tryLock(0));
            QByteArray contents = testfiles::readAll(lockFile);
            mine.unlock();
            contents = QByteArray::number(deadPid) + contents.mid(contents.indexOf('\n'));
            QVERIFY(testfiles::writeAll(lockFile, contents));
        }
        BoxAnswerer none(QMessageBox::Cancel);
        load(first, path("menu.qnv"));
        QCOMPARE(none.count, 0);
        QVERIFY(first.document()->fileGuard()->holdsLock());
        // Save As to another name moves the lock; closing gives it up.
        first.choosers().saveProject = [this](QWidget *) { return path("other.qnv"); };
        first.mnuFileSaveAs_Click();
        QVERIFY(!QFileInfo::exists(lockFile));
        QVERIFY(QFileInfo::exists(ProjectFileGuard::lockPathFor(path("other.qnv"))));
        first.close();
        QVERIFY(!QFileInfo::exists(ProjectFileGuard::lockPathFor(path("other.qnv"))));
    }

    // Without unsaved changes, a file changed by another program is offered
    // for loading again; "Keep This Version" keeps the window as it is, and
    // then Save asks before it overwrites.
    void unchangedWindowOffersReload()
    {
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        load(*w, path("menu.qnv"));
        {
            BoxAnswerer reload(QMessageBox::Yes);
            write("menu.qnv", project("theirs", "C@c"));
            QTRY_COMPARE(shown(*w), QString("theirs:C@c"));
            QCOMPARE(reload.count, 1);
            QVERIFY(reload.boxes[0].text.contains("\"menu.qnv\" was changed by another program"));
            QVERIFY(!w->document()->isModified());
        }
        {
            BoxAnswerer keep(QMessageBox::No);
            write("menu.qnv", project("again", "D@d"));
            QTRY_COMPARE(keep.count, 1);
            QTest::qWait(300); // nothing more is asked about the same change
            QCOMPARE(keep.count, 1);
            QCOMPARE(shown(*w), QString("theirs:C@c"));
        }
        BoxAnswerer overwrite(QMessageBox::Yes);
        w->mnuFileSaveProj_Click();
        QCOMPARE(overwrite.count, 1);
        QVERIFY(
            overwrite.boxes[0].text.contains("changed by another program since it was loaded or saved here"));
        QCOMPARE(onDisk("menu.qnv"), QString("theirs"));
    }

    void saveAsksBeforeOverwriting_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("expected"); // the file's menu name afterwards, and the other file's
        QTest::addColumn<QString>("chosen");   // what Save As's file dialog gives
        QTest::newRow("overwrite") << int(QMessageBox::Yes) << "mine2/" << "mine.qnv";
        QTest::newRow("keep both") << int(QMessageBox::No) << "wxyz/mine2" << "mine.qnv";
        // The file dialog has asked whether to replace it: no second question.
        QTest::newRow("save as, the same file") << int(QMessageBox::No) << "mine2/" << "menu.qnv";
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << "wxyz/" << "mine.qnv";
    }

    // With unsaved changes the window only notes a change on disk; Save then
    // asks (the document's verdict on the file is tested in tst_document).
    void saveAsksBeforeOverwriting()
    {
        QFETCH(int, answer);
        QFETCH(QString, expected);
        QFETCH(QString, chosen);
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        load(*w, path("menu.qnv"));
        QTest::keyClicks(control<QLineEdit>(*w, "txtmnm"), "2"); // "mine2", not saved
        QVERIFY(w->document()->isModified());
        BoxAnswerer answers{QMessageBox::StandardButton(answer)};
        write("menu.qnv", project("wxyz", "A@a,B@b"));
        QTest::qWait(300); // the watcher's notice: no question while there are unsaved changes
        QCOMPARE(answers.count, 0);
        w->choosers().saveProject = [&](QWidget *) { return path(chosen); };
        w->mnuFileSaveProj_Click();
        QCOMPARE(answers.count, 1);
        QCOMPARE(onDisk("menu.qnv") + '/'
                     + (QFileInfo::exists(path("mine.qnv")) ? onDisk("mine.qnv") : QString()),
                 expected);
        QCOMPARE(w->document()->isModified(), answer == QMessageBox::Cancel);
        QCOMPARE(w->document()->filePath(), path(answer == QMessageBox::No ? chosen : "menu.qnv"));
    }
};

QTEST_MAIN(TestForm1DiskWatch)
#include "tst_form1_diskwatch.moc"
