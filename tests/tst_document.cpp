// The menu project as a document, without a window: every kind of change is
// one step that undo takes back and redo makes again, current row and file
// included; loading and saving; and a save over a file that another program
// changed since it was loaded or saved here.
#include "app/MenuDocument.h"
#include "app/ProjectFileGuard.h"
#include "menu/MenuItemModel.h"
#include "menu/MenuListEdit.h"
#include "menu/MenuOptionsSource.h"
#include "menu/ProjectFile.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The options as the options panel holds them.
class FakeOptions : public MenuOptionsSource {
public:
    MenuOptions options() const override { return m_options; }
    void setOptions(const MenuOptions &options) override { m_options = options; }
    QString siteFolder() const override { return m_site; }
    void setSiteFolder(const QString &folder) override { m_site = folder; }

    MenuOptions m_options;
    QString m_site;
};

QList<MenuItem> rows(const QString &list)
{
    QList<MenuItem> out;
    for (const QString &text : list.split(u',', Qt::SkipEmptyParts))
        out << MenuItem{text, menutext::kYes, text.toLower() + ".html", menutext::kNo};
    return out;
}

MenuProject project(const QString &menuName, const QString &list)
{
    MenuProject p;
    p.options.menuName = menuName;
    p.items = rows(list);
    return p;
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MenuItemModel> model;
    std::unique_ptr<MenuDocument> doc;
    FakeOptions options;
    int current = 0; // the row the list would show as current
    QString path(const QString &name) const { return dir->filePath(name); }
    QString shown() const { return doc->project().options.menuName + ':' + names(doc->project()); }
    static QString names(const MenuProject &p)
    {
        QStringList out;
        for (const MenuItem &item : p.items)
            out << item.text;
        return out.join(u',');
    }
    QString onDisk(const QString &name) const
    {
        MenuProject p;
        QString error;
        return ProjectFile::load(path(name), &p, &error) ? p.options.menuName : error;
    }
    void write(const QString &name, const MenuProject &p) { QVERIFY(testfiles::saveProject(path(name), p)); }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        options = FakeOptions();
        model = std::make_unique<MenuItemModel>();
        doc = std::make_unique<MenuDocument>(model.get());
        doc->setOptionsSource(&options);
        doc->setCurrentRowSource([this] { return current; });
        connect(doc.get(), &MenuDocument::currentRowRequested, this, [this](int row) { current = row; });
        doc->startHistory();
        write("menu.qnv", project("mine", "A,B,C,D"));
        QString error;
        QVERIFY2(doc->load(path("menu.qnv"), &error), qPrintable(error));
        current = 2;
    }
    void cleanup()
    {
        doc.reset();
        model.reset();
    }

    // Each kind of change is one step: undo gives back the project, the row
    // that was current and the file; redo the change. New and Load leave the
    // document unmodified, every other change modified.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"insert", "remove", "swap", "option", "dialect", "site folder", "styles",
                                   "page selection", "replace", "new", "load"})
            QTest::newRow(change) << change;
    }
    void undoRedo()
    {
        QFETCH(QString, change);
        write("other.qnv", project("theirs", "X"));
        const MenuProject before = doc->project();
        const int steps = doc->undoStack()->count();
        MenuListEdit edit(model.get());
        if (change == "insert" || change == "remove" || change == "swap") {
            change == "insert"   ? edit.insert(3, rows("N").first())
            : change == "remove" ? edit.remove(2)
                                 : edit.swap(2, 3);
            current = 3;
            doc->applyListEdit(change, std::move(edit), 2);
        } else if (change == "option") {
            options.m_options.frameName = "f";
            doc->recordChange(change);
        } else if (change == "dialect") {
            doc->changeDialect(CodeDialect::Html5);
        } else if (change == "site folder") {
            doc->changeSiteFolder(path("site"));
        } else if (change == "styles") {
            doc->styles().mnu.mnuItalic = 1;
            doc->recordChange(change);
        } else if (change == "page selection") {
            doc->changeSelectCurrentPage(false);
        } else if (change == "replace") {
            doc->replaceProject(project("imported", "I,J"), change);
        } else if (change == "new") {
            doc->newProject({});
        } else {
            QString error;
            QVERIFY(doc->load(path("other.qnv"), &error));
        }
        const MenuProject after = doc->project();
        const QString fileAfter = doc->filePath();
        const bool document = change == "new" || change == "load";
        QVERIFY(after != before);
        QCOMPARE(doc->undoStack()->count(), steps + 1);
        QCOMPARE(doc->isModified(), !document);
        current = 1;
        doc->undoStack()->undo();
        QCOMPARE(doc->project(), before);
        QCOMPARE(current, 2);
        QCOMPARE(doc->filePath(), path("menu.qnv"));
        QCOMPARE(doc->isModified(), document);
        doc->undoStack()->redo();
        QCOMPARE(doc->project(), after);
        QCOMPARE(doc->filePath(), fileAfter);
        QCOMPARE(doc->isModified(), !document);
    }

    // Changes with one merge key that follow each other are one step; one
    // that ends where it began leaves no step; nothing changed, nothing recorded.
    void mergeKeys()
    {
        const int steps = doc->undoStack()->count();
        for (const char *name : {"m", "mi", "min"}) {
            options.m_options.menuName = name;
            doc->recordChange("typing", 7);
        }
        QCOMPARE(doc->undoStack()->count(), steps + 1);
        doc->recordChange("nothing");
        QCOMPARE(doc->undoStack()->count(), steps + 1);
        options.m_options.menuName = "mine";
        doc->recordChange("typing", 7);
        QCOMPARE(doc->undoStack()->count(), steps);
        QVERIFY(!doc->isModified());
    }

    // A long mixed run undoes step by step through every state it passed and
    // redoes back to the last.
    void longHistoryInOrder()
    {
        QStringList states{shown()};
        for (int i = 0; i < 60; ++i) {
            const int n = model->count();
            MenuListEdit edit(model.get());
            switch (i % 4) {
            case 0:
                edit.insert(1 + i % (n + 1), rows(QString("N%1").arg(i)).first());
                break;
            case 1:
                edit.swap(1, n);
                break;
            case 2:
                edit.remove(1 + i % n);
                break;
            default:
                options.m_options.menuName += 'x';
                doc->recordChange("typing", i); // a key of its own: no merge
                states << shown();
                continue;
            }
            doc->applyListEdit("edit", std::move(edit), 1);
            states << shown();
        }
        for (int i = states.size() - 2; i >= 0; --i) {
            doc->undoStack()->undo();
            QCOMPARE(shown(), states.at(i));
        }
        while (doc->undoStack()->canRedo())
            doc->undoStack()->redo();
        QCOMPARE(shown(), states.last());
    }

    // A file that cannot be read leaves the project and its file alone and
    // names the file; the document keeps what it showed.
    void loadRefused()
    {
        QVERIFY(testfiles::writeAll(path("broken.qnv"), R"({"format":"quillnav-menu-project","version":1,
            "items":[{"text":"A","linked":"maybe","url":"","selected":"No"}]})"));
        const MenuProject before = doc->project();
        QString error;
        QVERIFY(!doc->load(path("broken.qnv"), &error));
        QVERIFY2(error.contains("broken.qnv") && error.contains(R"(Linked must be "Yes" or "No")"),
                 qPrintable(error));
        QCOMPARE(doc->project(), before);
        QCOMPARE(doc->filePath(), path("menu.qnv"));
    }

    // The file holds the site folder relative to its own folder; the document
    // keeps it absolute; a save elsewhere rewrites it and moves the file.
    void siteFolderFollowsTheFile()
    {
        QVERIFY(QDir(dir->path()).mkpath("sub"));
        doc->changeSiteFolder(path("site"));
        QString error;
        QCOMPARE(doc->save(path("menu.qnv"), &error), MenuDocument::SaveOutcome::Saved);
        MenuProject saved;
        QVERIFY(ProjectFile::load(path("menu.qnv"), &saved, &error) && saved.site == "site");
        QCOMPARE(doc->save(path("sub/moved.qnv"), &error), MenuDocument::SaveOutcome::Saved);
        QVERIFY(ProjectFile::load(path("sub/moved.qnv"), &saved, &error) && saved.site == "../site");
        QCOMPARE(doc->filePath(), path("sub/moved.qnv"));
        QVERIFY(!doc->isModified());
        QVERIFY(doc->load(path("menu.qnv"), &error));
        QCOMPARE(doc->siteFolder(), path("site"));
        // The backup folder goes the same way; a project without one has none.
        QVERIFY(ProjectFile::load(path("menu.qnv"), &saved, &error) && saved.backups.isEmpty());
        saved.backups = "bk";
        QVERIFY(ProjectFile::save(path("menu.qnv"), saved, &error));
        QVERIFY(doc->load(path("menu.qnv"), &error));
        QCOMPARE(doc->backupFolder(), path("bk"));
        QCOMPARE(doc->save(path("sub/moved.qnv"), &error), MenuDocument::SaveOutcome::Saved);
        QVERIFY(ProjectFile::load(path("sub/moved.qnv"), &saved, &error) && saved.backups == "../bk");
    }

    void changedOnDisk_data() { testfiles::addTableRows("document-disk-changes.json"); }
    // A save over a file that another program changed is refused, without a
    // word written, until it is told to overwrite; the watcher says so.
    void changedOnDisk()
    {
        QFETCH(QJsonArray, row);
        const QString how = row[1].toString();
        const bool refused = row[2].toBool();
        QSignalSpy touched(doc.get(), &MenuDocument::fileTouched);
        options.m_options.menuName = "mine2";
        doc->recordChange("typing");
        const QByteArray name = QFile::encodeName(path("menu.qnv"));
        if (how == "replaced") {
            write("menu.qnv", project("wxyz", "A"));
        } else if (how == "in place") {
            struct stat before {};
            QVERIFY(::stat(name.constData(), &before) == 0);
            const QByteArray other = testfiles::readAll(path("menu.qnv")).replace("\"mine\"", "\"wxyz\"");
            const int fd = ::open(name.constData(), O_WRONLY);
            QVERIFY(fd >= 0 && ::write(fd, other.constData(), size_t(other.size())) == other.size());
            const timespec times[2] = {before.st_atim, before.st_mtim};
            QVERIFY(::futimens(fd, times) == 0 && ::close(fd) == 0);
        } else if (how == "removed") {
            QVERIFY(QFile::remove(path("menu.qnv")));
        }
        if (how != "unchanged")
            QTRY_VERIFY(touched.count() > 0);
        QString error;
        const auto outcome = doc->save(path("menu.qnv"), &error);
        QCOMPARE(outcome,
                 refused ? MenuDocument::SaveOutcome::ChangedOnDisk : MenuDocument::SaveOutcome::Saved);
        QCOMPARE(onDisk("menu.qnv"), refused ? "wxyz" : "mine2");
        QCOMPARE(doc->isModified(), refused);
        if (refused) {
            QCOMPARE(doc->save(path("menu.qnv"), &error, true), MenuDocument::SaveOutcome::Saved);
            QCOMPARE(onDisk("menu.qnv"), "mine2");
            QCOMPARE(doc->save(path("menu.qnv"), &error), MenuDocument::SaveOutcome::Saved); // recorded again
        }
    }

    // A failed save names the file and changes nothing of the document.
    void saveFails()
    {
        options.m_options.menuName = "changed";
        doc->recordChange("typing");
        QString error;
        QCOMPARE(doc->save(path("missing/menu.qnv"), &error), MenuDocument::SaveOutcome::Failed);
        QVERIFY2(error.contains("menu.qnv"), qPrintable(error));
        QCOMPARE(doc->filePath(), path("menu.qnv"));
        QVERIFY(doc->isModified());
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
