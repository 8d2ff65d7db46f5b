// The options panel of the main window (enabling rules and validation), the
// new-project reset and the project commands of the File menu and toolbar.

#include "support/Form1Driver.h"

#include "codegen/OptionsValidation.h"
#include "menu/ProjectFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace form1test;

namespace {
const char *const kGraphicFields[] = {"buttngrurl", "buttngrurllbl", "txtalt", "lblalt",
                                      "txtw",       "lblw",          "txth",   "lblh"};
const char *const kTextFields[] = {"buttontxttxt", "buttontxtlbl", "cmdBttnAdv"};
} // namespace

class TestForm1Options : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QLineEdit *edit(const char *name) { return control<QLineEdit>(*w, name); }
    QComboBox *combo(const char *name) { return control<QComboBox>(*w, name); }
    QRadioButton *radio(const char *name) { return control<QRadioButton>(*w, name); }
    bool enabled(const char *name) { return control(*w, name)->isEnabled(); }

private slots:
    void init()
    {
        QVERIFY(showWindow(w));
    }
    void cleanup() { w.reset(); }

    void startUpState()
    {
        QCOMPARE(control<QGroupBox>(*w, "Frame4")->title(), QStringLiteral("Menu Options:"));
        QCOMPARE(control<QGroupBox>(*w, "Frame3")->title(),
                 QStringLiteral("Submit Button Options:"));
        QCOMPARE(w->currentProject().options, MenuOptions{});
        QCOMPARE(combo("targetcombo")->currentText(), QStringLiteral("Same window"));
        QCOMPARE(combo("cmbbttnaln")->currentText(), QStringLiteral("Middle"));
        QVERIFY(!enabled("txtfrm") && !enabled("lblfrm"));
        for (const char *name : kGraphicFields)
            QVERIFY2(!enabled(name), name);
        for (const char *name : kTextFields)
            QVERIFY2(enabled(name), name);
        QVERIFY(enabled("Command1") && enabled("cmdAdvMnu") && enabled("cmbbttnaln"));
    }

    void targetRule()
    {
        combo("targetcombo")->setCurrentIndex(2);
        QVERIFY(enabled("txtfrm") && enabled("lblfrm"));
        edit("txtfrm")->setText("main");
        combo("targetcombo")->setCurrentIndex(1);
        QCOMPARE(edit("txtfrm")->text(), QString());
        QVERIFY(!enabled("txtfrm") && !enabled("lblfrm"));
        combo("targetcombo")->setCurrentIndex(2);
        QCOMPARE(edit("txtfrm")->text(), QString());
        QVERIFY(enabled("txtfrm"));
    }

    void buttonRules_data()
    {
        QTest::addColumn<QStringList>("clicks"); // radio buttons, in click order
        QTest::addColumn<bool>("graphicOn");
        QTest::addColumn<bool>("textOn");
        QTest::addColumn<bool>("groupOn");
        QTest::newRow("graphic") << QStringList{"buttonpropopt_1"} << true << false << true;
        QTest::newRow("graphic, then default") << QStringList{"buttonpropopt_1", "buttonpropopt_0"}
                                               << false << true << true;
        QTest::newRow("item change") << QStringList{"menubehavopt_1"} << false << false << false;
        QTest::newRow("graphic, item change, back to button")
            << QStringList{"buttonpropopt_1", "menubehavopt_1", "menubehavopt_0"} << true << false
            << true;
        QTest::newRow("default, item change, back to button")
            << QStringList{"menubehavopt_1", "menubehavopt_0"} << false << true << true;
    }
    void buttonRules()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, graphicOn);
        QFETCH(bool, textOn);
        QFETCH(bool, groupOn);
        edit("buttontxttxt")->setText("Jump");
        for (const QString &name : clicks)
            QTest::mouseClick(radio(name.toLatin1().constData()), Qt::LeftButton, {},
                              QPoint(6, radio(name.toLatin1().constData())->height() / 2));
        for (const char *name : kGraphicFields)
            QCOMPARE(enabled(name), graphicOn);
        for (const char *name : kTextFields)
            QCOMPARE(enabled(name), textOn);
        for (const char *name : {"Frame3", "Command1", "cmbbttnaln", "lblbttnaln",
                                 "buttonpropopt_0", "buttonpropopt_1"})
            QCOMPARE(enabled(name), groupOn);
        // Values survive being disabled.
        QCOMPARE(edit("buttontxttxt")->text(), QStringLiteral("Jump"));
    }

    void validation_data()
    {
        QTest::addColumn<MenuOptions>("options");
        QTest::addColumn<int>("problem"); // OptionsProblem
        QTest::addColumn<QString>("focus");
        MenuOptions named;
        named.menuName = "nav";
        MenuOptions frame = named;
        frame.linkTarget = MenuOptions::DifferentFrame;
        MenuOptions frameAndName = frame;
        frameAndName.menuName.clear();
        MenuOptions graphic = named;
        graphic.buttonKind = MenuOptions::GraphicButton;
        MenuOptions graphicOnChange = graphic;
        graphicOnChange.navigation = MenuOptions::OnItemChange;
        MenuOptions blankName;
        blankName.menuName = " ";
        QTest::newRow("named") << named << int(OptionsProblem::None) << "";
        QTest::newRow("frame without name") << frame << int(OptionsProblem::FrameName) << "txtfrm";
        QTest::newRow("frame and menu name missing: frame first")
            << frameAndName << int(OptionsProblem::FrameName) << "txtfrm";
        QTest::newRow("graphic without address")
            << graphic << int(OptionsProblem::GraphicUrl) << "buttngrurl";
        QTest::newRow("graphic on item change passes")
            << graphicOnChange << int(OptionsProblem::None) << "";
        QTest::newRow("no menu name") << MenuOptions{} << int(OptionsProblem::MenuName)
                                      << "txtmnm";
        QTest::newRow("one blank is a name") << blankName << int(OptionsProblem::None) << "";
    }
    void validation()
    {
        QFETCH(MenuOptions, options);
        QFETCH(int, problem);
        QFETCH(QString, focus);
        MenuProject project = w->currentProject();
        project.options = options;
        w->applyProject(project);
        edit("itemtexttext")->setFocus();
        BoxAnswerer answerer(QMessageBox::Ok);
        const QString answer = w->ValidateMenuOptions();
        if (problem == int(OptionsProblem::None)) {
            QCOMPARE(answer, QStringLiteral("ok"));
            QCOMPARE(answerer.count(), 0);
            return;
        }
        QCOMPARE(answer, QStringLiteral("nope"));
        QCOMPARE(answerer.count(), 1);
        const auto &box = answerer.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Oops!"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.text, OptionsProblemMessage(OptionsProblem(problem)));
        QCOMPARE(w->focusWidget(), control(*w, focus.toLatin1().constData()));
    }

    void newProjectResets()
    {
        MenuProject changed;
        changed.items = {item("A"), item("B", "b", "Yes")};
        changed.options.menuName = "m";
        changed.options.linkTarget = MenuOptions::DifferentFrame;
        changed.options.frameName = "f";
        changed.options.navigation = MenuOptions::OnItemChange;
        changed.options.buttonKind = MenuOptions::GraphicButton;
        changed.options.buttonText = "Jump";
        changed.options.graphicUrl = "g.gif";
        changed.options.altText = "alt";
        changed.options.graphicWidth = "10";
        changed.options.graphicHeight = "20";
        changed.options.buttonAlign = MenuOptions::AlignBottom;
        changed.menuStyle.mnuFont = "Changed";
        changed.buttonStyle.bttnBorder = "3";
        w->applyProject(changed);
        QCOMPARE(w->currentProject(), changed);
        edit("itemtexttext")->setText("t");
        edit("linktext")->setText("l");
        control<QCheckBox>(*w, "notlinkchk")->setChecked(true);
        control<QCheckBox>(*w, "chkindent")->setChecked(true);
        control<QCheckBox>(*w, "chksel")->setChecked(true);
        settle(*w);

        BoxAnswerer answerer(QMessageBox::Yes);
        action(*w, "newproj")->trigger();
        settle(*w);
        QCOMPARE(answerer.count(), 0);
        MenuProject expected;
        expected.menuStyle = changed.menuStyle;
        expected.buttonStyle = changed.buttonStyle;
        QCOMPARE(w->currentProject(), expected);
        QCOMPARE(edit("itemtexttext")->text(), QString());
        QCOMPARE(edit("linktext")->text(), QString());
        QVERIFY(!control<QCheckBox>(*w, "notlinkchk")->isChecked());
        QVERIFY(control<QCheckBox>(*w, "chkindent")->isChecked());
        QVERIFY(control<QCheckBox>(*w, "chksel")->isChecked());
        QCOMPARE(w->focusWidget(), edit("itemtexttext"));
        QVERIFY(!enabled("txtfrm") && !enabled("buttngrurl") && enabled("buttontxttxt"));
        QVERIFY(!action(*w, "saveproj")->isEnabled());
    }

    void saveAndLoadThroughTheFileMenu()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.qnv");
        MenuProject project;
        project.items = {item("Home", "index.html", "Yes"), MenuItem::separator(),
                         item("--- Sub", "")};
        project.options.menuName = "nav";
        project.options.buttonAlign = MenuOptions::AlignTop;
        project.buttonStyle.bttnWidth = "80";
        w->applyProject(project);
        settle(*w);
        int saveAsked = 0, openAsked = 0;
        w->setSaveFileChooser([&](QWidget *) { ++saveAsked; return path; });
        w->setOpenFileChooser([&](QWidget *) { ++openAsked; return path; });
        action(*w, "mnuFileSaveProj")->trigger();
        QCOMPARE(saveAsked, 1);
        QVERIFY(QFile::exists(path));
        action(*w, "mnuFileNew")->trigger();
        settle(*w);
        QCOMPARE(w->listModel()->count(), 0);
        action(*w, "loadproj")->trigger();
        QCOMPARE(openAsked, 1);
        QCOMPARE(w->currentProject(), project);
        settle(*w);
        QCOMPARE(w->currentPosition(), 1);
        QVERIFY(action(*w, "saveproj")->isEnabled());
    }

    void refusedFileLeavesTheProject_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("not JSON") << QByteArray("{ nope") << "";
        QTest::newRow("bad flag") << QByteArray(R"({"format":"quillnav-menu-project","version":1,
            "items":[{"text":"A","linked":"maybe","url":"","selected":"No"}]})")
                                  << "linked";
    }
    void refusedFileLeavesTheProject()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, mentions);
        QTemporaryDir dir;
        const QString path = dir.filePath("broken.qnv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        fill(*w, 2);
        const MenuProject before = w->currentProject();
        w->setOpenFileChooser([&](QWidget *) { return path; });
        BoxAnswerer answerer(QMessageBox::Ok);
        action(*w, "mnuFileLoad")->trigger();
        QCOMPARE(answerer.count(), 1);
        QVERIFY2(answerer.boxes.first().text.contains("broken.qnv"),
                 qPrintable(answerer.boxes.first().text));
        QVERIFY(answerer.boxes.first().text.contains(mentions));
        QCOMPARE(w->currentProject(), before);
    }

    void failedSaveIsReported()
    {
        fill(*w, 1);
        settle(*w);
        QTemporaryDir dir;
        const QString path = dir.filePath("missing-folder/menu.qnv");
        w->setSaveFileChooser([&](QWidget *) { return path; });
        BoxAnswerer answerer(QMessageBox::Ok);
        action(*w, "saveproj")->trigger();
        QCOMPARE(answerer.count(), 1);
        QVERIFY2(answerer.boxes.first().text.contains("menu.qnv"),
                 qPrintable(answerer.boxes.first().text));
        QVERIFY(!QFile::exists(path));
    }

    void cancelledDialogsDoNothing()
    {
        fill(*w, 1);
        settle(*w);
        w->setSaveFileChooser([](QWidget *) { return QString(); });
        w->setOpenFileChooser([](QWidget *) { return QString(); });
        BoxAnswerer answerer(QMessageBox::Ok);
        action(*w, "saveproj")->trigger();
        action(*w, "loadproj")->trigger();
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(w->listModel()->count(), 1);
    }

    void toolbarKeysAreCaseSensitive()
    {
        fill(*w, 1);
        int asked = 0;
        w->setOpenFileChooser([&](QWidget *) { ++asked; return QString(); });
        w->Toolbar1_ButtonClick("NewProj");
        w->Toolbar1_ButtonClick("LOADPROJ");
        w->Toolbar1_ButtonClick("");
        QCOMPARE(w->listModel()->count(), 1);
        QCOMPARE(asked, 0);
        w->Toolbar1_ButtonClick("loadproj");
        QCOMPARE(asked, 1);
        w->Toolbar1_ButtonClick("newproj");
        QCOMPARE(w->listModel()->count(), 0);
    }

    void exitClosesTheWindow()
    {
        QVERIFY(w->isVisible());
        action(*w, "mnuFileExit")->trigger();
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestForm1Options)
#include "tst_form1_options.moc"
