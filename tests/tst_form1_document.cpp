// The project as a document: undo and redo of every kind of change, the file
// and the modified mark in the title, the question on every way out, the save
// dialog's suffix and overwrite rule, and the recent files.
#include "support/Form1Driver.h"

#include "codegen/MenuCodeGenerator.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

using namespace form1test;

class TestForm1Document : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const QString &name) { return dir->filePath(name); }
    QByteArray code()
    {
        const MenuCode c = GenerateMenuCode(codegen::kCodeMode, w->document()->project());
        return (c.head + c.body).toUtf8();
    }
    MenuProject saved(const QString &name)
    {
        MenuProject project;
        QString error;
        return ProjectFile::load(path(name), &project, &error) ? project : MenuProject{};
    }
    void write(const QString &name, const QString &list)
    {
        MenuProject project;
        project.items = rows(list);
        project.options.menuName = name;
        QVERIFY(testfiles::saveProject(path(name), project));
    }
    void trigger(const char *name)
    {
        QAction *a = action(*w, name);
        QVERIFY2(a->isEnabled(), name);
        a->trigger();
        settle(*w);
    }
    void open(const QString &name)
    {
        w->choosers().openProject = [this, name](QWidget *) { return path(name); };
        trigger("mnuFileLoad");
        QCOMPARE(w->document()->filePath(), path(name));
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(showWindow(w));
        write("menu.qnv", "A@a,--- B@b*,C,D");
        write("other.qnv", "X@x");
        open("menu.qnv");
        makeCurrent(*w, 2);
        w->choosers().openProject = [this](QWidget *) { return path("other.qnv"); };
        w->choosers().siteFolder = [this](QWidget *) { return path("site"); };
    }
    void cleanup() { w.reset(); }

    // Each kind of change is one step: Undo gives back byte-identical code and
    // the unchanged mark, Redo the change.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"additemcmd", "Addsepcmd", "cmdup", "movup", "movdn", "indent", "unindent",
                                   "selected", "delete", "typing", "targetcombo", "cmbdialect",
                                   "buttonpropopt_1", "cmdSite", "style dialog", "mnuFileNew", "mnuFileLoad"})
            QTest::newRow(change) << change;
    }
    void undoRedo()
    {
        QFETCH(QString, change);
        const int row = change == "unindent" ? 2 : 3; // current before the change
        makeCurrent(*w, row);
        const QByteArray codeBefore = code();
        const MenuProject before = w->document()->project();
        BoxAnswerer answerer(QMessageBox::Yes);
        typeItem(*w, "New|new.html|");
        const QByteArray name = change.toLatin1();
        if (change == "typing") {
            QTest::keyClicks(control(*w, "txtmnm"), "abc");
        } else if (change.contains("combo") || change == "cmbdialect") {
            QTest::keyClick(control(*w, name), Qt::Key_Down);
        } else if (change == "style dialog") { // past the browser notice, Italics, OK
            QObject watch;
            modalwatch::whenModal(&watch, [](QWidget *modal) {
                if (modal->objectName() != "frmAdvMnuOp")
                    return modal->close(), false;
                modal->findChild<QAbstractButton *>("chkmnufntI")->click();
                modal->findChild<QAbstractButton *>("Command8")->click();
                return true;
            });
            QTest::mouseClick(control(*w, "cmdAdvMnu"), Qt::LeftButton, {}, QPoint(8, 8));
        } else if (qobject_cast<QAbstractButton *>(w->findChild<QWidget *>(change))) {
            QTest::mouseClick(control(*w, name), Qt::LeftButton, {}, QPoint(8, 8));
        } else {
            trigger(name);
        }
        settle(*w);
        const MenuProject after = w->document()->project();
        const bool document = change.startsWith("mnuFile");
        QVERIFY(after != before);
        QCOMPARE(w->isWindowModified(), !document);
        QVERIFY(action(*w, "mnuEditUndo")->text().size() > QString("&Undo ").size());
        trigger("mnuEditUndo");
        QCOMPARE(code(), codeBefore);
        QCOMPARE(w->document()->project(), before);
        QCOMPARE(w->currentPosition(), row);
        QCOMPARE(w->windowTitle(), QStringLiteral("menu.qnv[*] \u2014 Quillnav"));
        QCOMPARE(w->isWindowModified(), document);
        trigger("mnuEditRedo");
        QCOMPARE(w->document()->project(), after);
        QCOMPARE(w->isWindowModified(), !document);
    }

    // New, Load, Exit, the close box, a dropped project and a recent file ask
    // about a changed project; Cancel stops, Discard goes on, Save writes first.
    void waysOut_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: nothing changed
        for (const char *way :
             {"mnuFileNew", "mnuFileLoad", "mnuFileExit", "close box", "drop", "recentfile_0"})
            for (auto answer :
                 {QMessageBox::NoButton, QMessageBox::Cancel, QMessageBox::Discard, QMessageBox::Save})
                QTest::addRow("%s, %d", way, int(answer)) << way << answer;
    }
    void waysOut()
    {
        QFETCH(QString, way);
        QFETCH(QMessageBox::StandardButton, answer);
        if (way == "recentfile_0") {
            open("other.qnv");
            open("menu.qnv"); // other.qnv is now the second entry
            way = "recentfile_1";
        }
        if (answer != QMessageBox::NoButton)
            trigger("delete");
        const MenuProject shown = w->document()->project();
        BoxAnswerer answerer(answer);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("other.qnv"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (way == "drop")
            QVERIFY(QApplication::sendEvent(w.get(), &enter) && QApplication::sendEvent(w.get(), &drop));
        way == "close box" ? void(w->close()) : way == "drop" ? void() : trigger(way.toLatin1());
        settle(*w);
        QCOMPARE(answerer.count, answer == QMessageBox::NoButton ? 0 : 1);
        QVERIFY(!answerer.count
                || (answerer.boxes[0].text.contains("\"menu.qnv\"")
                    && answerer.boxes[0].buttons
                           == (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)));
        const bool goesOn = answer != QMessageBox::Cancel;
        if (way.endsWith("Exit") || way == "close box")
            QCOMPARE(w->isVisible(), !goesOn);
        else
            QCOMPARE(w->document()->project() == shown, !goesOn);
        QCOMPARE(saved("menu.qnv") == shown, answer != QMessageBox::Discard && answer != QMessageBox::Cancel);
    }

    // "mymenu" becomes "mymenu.qnv" before the dialog looks for an existing file.
    // Kept: the dialog comes back. Ctrl+Shift+S is Save As.
    void saveDialogAddsTheSuffixFirst()
    {
        write("mymenu.qnv", "Old@o");
        const MenuProject old = saved("mymenu.qnv");
        for (bool replace : {false, true}) {
            int shown = 0;
            QObject watch;
            modalwatch::whenModal(&watch, [&](QWidget *modal) {
                if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && shown++ == 0) {
                    dialog->setDirectory(dir->path());
                    dialog->selectFile("mymenu");
                    static_cast<QDialog *>(dialog)->accept();
                } else if (dialog) {
                    dialog->reject();
                }
                return false;
            });
            BoxAnswerer answerer(replace ? QMessageBox::Yes : QMessageBox::No);
            if (replace)
                trigger("mnuFileSaveAs");
            else // the key, also where the desktop defines none
                QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            settle(*w);
            QVERIFY(answerer.count == 1 && answerer.boxes[0].text.startsWith("mymenu.qnv already exists"));
            QCOMPARE(saved("mymenu.qnv") == old, !replace);
            QCOMPARE(w->document()->filePath(), path(replace ? "mymenu.qnv" : "menu.qnv"));
            QCOMPARE(shown, replace ? 1 : 2);
        }
    }

    // The folder button beside "Advanced Options" sets the project's site
    // folder (one step) and shows it in its tool tip.
    void siteFolderButton()
    {
        QTest::mouseClick(control(*w, "cmdSite"), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(w->document()->siteFolder(), path("site"));
        QVERIFY(control(*w, "cmdSite")->toolTip().contains(QDir::toNativeSeparators(path("site"))));
        QCOMPARE(w->document()->undoStack()->undoText(), "Change Site Folder");
    }

    // New keeps the styles and the Indented and Selected boxes and empties the rest.
    void newProject()
    {
        MenuProject changed = w->document()->project();
        changed.options = {"m",
                           MenuOptions::DifferentFrame,
                           "f",
                           MenuOptions::OnItemChange,
                           MenuOptions::GraphicButton,
                           "Jump",
                           "g.gif",
                           "alt",
                           "10",
                           "20",
                           MenuOptions::AlignBottom};
        changed.menuStyle.mnuFont = "Changed";
        w->document()->applyProject(changed);
        typeItem(*w, "t|l|NIS");
        w->Toolbar1_ButtonClick("newproj");
        settle(*w);
        MenuProject expected;
        expected.menuStyle = changed.menuStyle;
        QCOMPARE(w->document()->project(), expected);
        QCOMPARE(itemFields(*w), "||IS");
        QCOMPARE(w->focusWidget(), control(*w, "itemtexttext"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillnav"));
    }

    // A refused or failed file names the file in its message and leaves the project
    // and its file alone; a cancelled file dialog does nothing at all.
    // Rows: the command, the file chosen ("": the dialog is cancelled), what is written
    // there first (null: nothing; "huge code": a small file whose code is not), and what
    // the message mentions (null: no message).
    void fileFailures_data() { testfiles::addTableRows("file-failures.json"); }
    void fileFailures()
    {
        QFETCH(QJsonArray, row);
        const QString command = row[1].toString(), file = row[2].toString();
        const QString mentions = row[4].isNull() ? QString() : row[4].toString() + "";
        QByteArray contents = row[3].isNull() ? QByteArray() : row[3].toString().toUtf8();
        if (contents == "huge code") { // separators as long as the longest text
            MenuProject huge;
            huge.items = {{QString(ProjectFile::kMaxTextLength, 'x'), "No", "", "No"}};
            huge.items.append(QList<MenuItem>(ProjectFile::kMaxCodeLength / ProjectFile::kMaxTextLength + 1,
                                              {menutext::kSeparatorText, "No", "", "No"}));
            contents = ProjectFile::serialize(huge);
        }
        const QString chosen = file.isEmpty() ? QString() : path(file);
        QVERIFY(contents.isNull() || testfiles::writeAll(chosen, contents));
        const MenuProject before = w->document()->project();
        w->choosers().openProject = [chosen](QWidget *) { return chosen; };
        w->choosers().saveProject = [chosen](QWidget *) { return chosen; };
        BoxAnswerer answerer(QMessageBox::Ok);
        trigger(command.toLatin1());
        QCOMPARE(answerer.count, mentions.isNull() ? 0 : 1);
        QVERIFY(!answerer.count
                || (answerer.boxes[0].text.contains(QFileInfo(file).fileName())
                    && answerer.boxes[0].text.contains(mentions)));
        QCOMPARE(w->document()->project(), before);
        QCOMPARE(w->document()->filePath(), path("menu.qnv"));
        QCOMPARE(QFile::exists(chosen), !contents.isNull());
    }

    void recentFilesAcrossARestart()
    {
        QTemporaryDir settings;
        RegistryStore::setFilePath(settings.filePath("user-registry.txt"));
        QVERIFY(showWindow(w));
        QVERIFY(!action(*w, "mnuFileSep3")->isVisible());
        for (const char *name : {"a", "b", "c", "d", "e", "f"}) {
            write(QString(name) + ".qnv", name);
            open(QString(name) + ".qnv");
        }
        QVERIFY(showWindow(w));
        const auto entries = [this] {
            QStringList out;
            for (int i = 0; i < 5; ++i)
                if (QAction *entry = action(*w, qPrintable(QString("recentfile_%1").arg(i)));
                    entry->isVisible())
                    out << entry->text();
            return out.join(' ');
        };
        QVERIFY(action(*w, "mnuFileSep3")->isVisible());
        QCOMPARE(entries(), "&1 f.qnv &2 e.qnv &3 d.qnv &4 c.qnv &5 b.qnv");
        QFile::remove(path("d.qnv"));
        BoxAnswerer answerer(QMessageBox::Ok);
        trigger("recentfile_2");
        QVERIFY(answerer.count == 1 && answerer.boxes[0].text.contains("d.qnv"));
        trigger("recentfile_1");
        QCOMPARE(w->document()->filePath(), path("e.qnv"));
        QCOMPARE(entries(), "&1 e.qnv &2 f.qnv &3 c.qnv &4 b.qnv");
        w.reset();
        RegistryStore::setFilePath(QString());
    }
};

QTEST_MAIN(TestForm1Document)
#include "tst_form1_document.moc"
