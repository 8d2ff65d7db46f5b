// The options panel of the main window: its enabling rules and validation.

#include "support/Form1Driver.h"

#include "codegen/OptionsValidation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace form1test;

class TestForm1Options : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QLineEdit *edit(const char *name) { return control<QLineEdit>(*w, name); }
    QComboBox *combo(const char *name) { return control<QComboBox>(*w, name); }
    // "1"/"0" per control named in the space-separated list; "|" gives a blank.
    QString enabled(const QString &names)
    {
        QString out;
        for (const QString &name : names.split(' '))
            out += name == "|" ? ' ' : control(*w, name.toLatin1().constData())->isEnabled() ? '1' : '0';
        return out;
    }

private slots:
    void init() { QVERIFY(showWindow(w)); }
    void cleanup() { w.reset(); }

    void targetRule()
    {
        QCOMPARE(w->currentProject().options, MenuOptions{});
        QCOMPARE(combo("targetcombo")->currentText(), QStringLiteral("Same window"));
        QCOMPARE(combo("cmbbttnaln")->currentText(), QStringLiteral("Middle"));
        QCOMPARE(enabled("txtfrm lblfrm"), "00");
        combo("targetcombo")->setCurrentIndex(2);
        QCOMPARE(enabled("txtfrm lblfrm"), "11");
        edit("txtfrm")->setText("main");
        combo("targetcombo")->setCurrentIndex(1);
        QCOMPARE(enabled("txtfrm lblfrm"), "00");
        combo("targetcombo")->setCurrentIndex(2);
        QCOMPARE(edit("txtfrm")->text(), QString());
        QCOMPARE(enabled("txtfrm lblfrm"), "11");
    }

    // Enabled states of the graphic fields, the text-button fields and the rest of
    // the submit-button group after clicking the option buttons in turn.
    void buttonRules_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start-up") << QStringList{} << "00000000 111 111111";
        QTest::newRow("graphic") << QStringList{"buttonpropopt_1"} << "11111111 000 111111";
        QTest::newRow("graphic, default") << QStringList{"buttonpropopt_1", "buttonpropopt_0"}
                                          << "00000000 111 111111";
        QTest::newRow("item change") << QStringList{"menubehavopt_1"} << "00000000 000 000000";
        QTest::newRow("graphic, item change, button click")
            << QStringList{"buttonpropopt_1", "menubehavopt_1", "menubehavopt_0"} << "11111111 000 111111";
        QTest::newRow("item change, button click") << QStringList{"menubehavopt_1", "menubehavopt_0"}
                                                   << "00000000 111 111111";
    }
    void buttonRules()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, expected);
        edit("buttontxttxt")->setText("Jump");
        for (const QString &name : clicks) {
            auto *radio = control<QRadioButton>(*w, name.toLatin1().constData());
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        }
        QCOMPARE(enabled("buttngrurl buttngrurllbl txtalt lblalt txtw lblw txth lblh | buttontxttxt "
                         "buttontxtlbl cmdBttnAdv | Frame3 Command1 cmbbttnaln lblbttnaln buttonpropopt_0 "
                         "buttonpropopt_1"),
                 expected);
        QCOMPARE(edit("buttontxttxt")->text(), QStringLiteral("Jump")); // values survive being disabled
        QVERIFY(control(*w, "cmdAdvMnu")->isEnabled());
    }

    void validation_data()
    {
        QTest::addColumn<MenuOptions>("options");
        QTest::addColumn<int>("problem"); // OptionsProblem
        const auto options = [](QString name, int target, int kind, int nav) {
            MenuOptions o;
            std::tie(o.menuName, o.linkTarget, o.buttonKind, o.navigation) = std::tie(name, target, kind, nav);
            return o;
        };
        using P = OptionsProblem;
        QTest::newRow("named") << options("nav", 0, 0, 0) << int(P::None);
        QTest::newRow("frame without name") << options("nav", 2, 0, 0) << int(P::FrameName);
        QTest::newRow("frame and menu name missing") << options("", 2, 0, 0) << int(P::FrameName);
        QTest::newRow("graphic without address") << options("nav", 0, 1, 0) << int(P::GraphicUrl);
        QTest::newRow("graphic on item change") << options("nav", 0, 1, 1) << int(P::None);
        QTest::newRow("no menu name") << options("", 0, 0, 0) << int(P::MenuName);
        QTest::newRow("one blank is a name") << options(" ", 0, 0, 0) << int(P::None);
    }
    void validation()
    {
        QFETCH(MenuOptions, options);
        QFETCH(int, problem);
        MenuProject project = w->currentProject();
        project.options = options;
        w->applyProject(project);
        edit("itemtexttext")->setFocus();
        BoxAnswerer answerer(QMessageBox::Ok);
        QCOMPARE(w->ValidateMenuOptions(), problem ? QStringLiteral("nope") : QStringLiteral("ok"));
        QCOMPARE(answerer.count(), problem ? 1 : 0);
        if (!problem)
            return;
        const auto &box = answerer.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Oops!"));
        QVERIFY(box.icon == QMessageBox::Warning && box.buttons == QMessageBox::Ok);
        QCOMPARE(box.text, OptionsProblemMessage(OptionsProblem(problem)));
        const char *const focus[] = {"", "txtfrm", "buttngrurl", "txtmnm"}; // by OptionsProblem
        QCOMPARE(w->focusWidget(), control(*w, focus[problem]));
    }
};

QTEST_MAIN(TestForm1Options)
#include "tst_form1_options.moc"
