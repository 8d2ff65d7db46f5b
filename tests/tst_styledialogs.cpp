// The two style dialogs through the main window: opening, OK / Cancel / close,
// Restore Defaults, the button dialog's dependent states, start-up values
// from the palette, and styles carried through a project file.
#include "app/AdvisoryFlags.h"
#include "app/ui/AdvisoryDialog.h"
#include "app/ui/Form1.h"
#include "codegen/MenuCodeGenerator.h"
#include "platform/RegistryStore.h"
#include "styles/FontChoice.h"
#include "styles/ui/ColorRow.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"
#include "support/ModalWatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

template <typename T = QWidget>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

QString code(const Form1 &w)
{
    const MenuCode c = GenerateMenuCode(codegen::kCodeMode, w.currentProject());
    return c.head + c.body;
}

// Changes every control of a style dialog that either dialog has.
void changeEverything(QDialog *d)
{
    for (const char *name : {"chkmnusysclr", "chksysbttnclr", "nbchk", "Check1", "Check2", "chkconstmnuwdth",
                             "chkconstbttnsz", "chkmnufntI", "chkmnufntU", "chkbttnfntIT", "chkbttnfntUL"})
        if (auto *box = d->findChild<QCheckBox *>(QLatin1String(name)))
            box->click();
    for (ColorRow *row : d->findChildren<ColorRow *>())
        row->setText(u"#%1"_s.arg(0x102030 * (row->index() + 1), 6, 16, QLatin1Char('0')).toUpper());
    for (const char *name : {"txtMW", "txtBW", "txtBH", "txtBT"})
        if (auto *box = d->findChild<QLineEdit *>(QLatin1String(name)))
            box->setText(u"77"_s);
    auto *fonts = child<QComboBox>(d, "combofont");
    fonts->setCurrentIndex(fonts->currentIndex() == 0 ? 1 : 0);
    child<QComboBox>(d, "combofontsize")->setCurrentIndex(2);
    child<QSlider>(d, "Slider1")->setValue(730);
}

// Presses the style dialog's "Advanced Options" button; answers the browser
// notice if it comes, then runs `inside` on the open dialog, which must end it.
int open(Form1 &w, bool button, const std::function<void(QDialog *)> &inside)
{
    int notices = 0;
    QObject watch;
    QDialog *const dialog = button ? static_cast<QDialog *>(w.buttonStyleDialog()) : w.menuStyleDialog();
    modalwatch::whenModal(&watch, [&](QWidget *modal) {
        if (auto *notice = qobject_cast<AdvisoryDialog *>(modal)) {
            ++notices;
            notice->Command1()->click();
        } else if (modal == dialog) {
            inside(dialog);
            return true;
        }
        return false;
    });
    button ? w.cmdBttnAdv_Click() : w.cmdAdvMnu_Click();
    return notices;
}

// Button dialog: enabled rows, painted swatches, sync boxes enabled, "No Border"
// checked and enabled, thickness enabled and text, width enabled and text, and
// whether the left and bottom rows show the top and right colours.
QString buttonState(FrmAdvBttnOp *d)
{
    QString rows, painted;
    for (int i = 0; i < 6; ++i) {
        rows += d->colorRow(i)->isRowEnabled() ? '1' : '0';
        painted += d->colorRow(i)->isPainted() ? '1' : '0';
    }
    const auto on = [d](const char *name) { return child(d, name)->isEnabled() ? '1' : '0'; };
    return rows + ' ' + painted + ' ' + on("Check1") + on("Check2") + " nb"
           + (child<QCheckBox>(d, "nbchk")->isChecked() ? '1' : '0') + on("nbchk") + " t" + on("txtBT") + '='
           + child<QLineEdit>(d, "txtBT")->text() + " w" + on("txtBW") + '=' + child<QLineEdit>(d, "txtBW")->text()
           + (d->colorRow(3)->text() == d->colorRow(2)->text() ? " L" : " l")
           + (d->colorRow(5)->text() == d->colorRow(4)->text() ? 'B' : 'b');
}

} // namespace

class TestStyleDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> w;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        RegistryStore::setFilePath(m_dir->filePath(u"registry.txt"_s));
        w = std::make_unique<Form1>();
    }

    void cleanup()
    {
        w.reset();
        RegistryStore::setFilePath(QString());
    }

    void fontChoice_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<int>("startup");
        QTest::addColumn<int>("restore");
        QTest::newRow("present") << QStringList{"A", "B", "MS Sans Serif"} << 2 << 2;
        QTest::newRow("absent") << QStringList{"A", "B", "ms sans serif"} << 1 << 0;
        QTest::newRow("one font") << QStringList{"A"} << 0 << 0;
        QTest::newRow("none") << QStringList{} << -1 << -1;
    }

    void fontChoice()
    {
        QFETCH(QStringList, families);
        QFETCH(int, startup);
        QFETCH(int, restore);
        QCOMPARE(FontChoice::StartupIndex(families), startup);
        QCOMPARE(FontChoice::RestoreIndex(families), restore);
        w->fillStyleFontLists(families + QStringList{"0 first"});
        QCOMPARE(w->menuStyleDialog()->fontOptions()->installedFamilies().value(0), u"0 first"_s); // sorted
    }

    void leavingTheDialog_data()
    {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("notice");
        for (const bool button : {false, true}) {
            const char *name = button ? "button" : "menu";
            QTest::addRow("%s: OK", name) << button << "Command8" << true;
            QTest::addRow("%s: Cancel", name) << button << "Command9" << false;
            QTest::addRow("%s: close box", name) << button << "close" << true;
            QTest::addRow("%s: Escape", name) << button << "Escape" << false;
        }
    }

    // Cancel in every form brings back the last confirmed state (before any
    // OK: the start-up state) and leaves the code alone; OK keeps the changes.
    void leavingTheDialog()
    {
        QFETCH(bool, button);
        QFETCH(QString, how);
        QFETCH(bool, notice);
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, notice);
        const mAdvMenuvals before = w->advMenuvals();
        const QString codeBefore = code(*w);
        bool recordWaited = false;
        QCOMPARE(open(*w, button, [&](QDialog *d) {
                     changeEverything(d);
                     w->StoreAdvVals(u"Mnu"_s); // any other kind does nothing
                     recordWaited = w->advMenuvals().mnu == before.mnu && w->advMenuvals().bttn == before.bttn;
                     if (how == "close"_L1)
                         d->close();
                     else if (how == "Escape"_L1)
                         QTest::keyClick(d, Qt::Key_Escape);
                     else
                         child<QPushButton>(d, how.toLatin1())->click();
                 }),
                 notice ? 1 : 0);
        QVERIFY(recordWaited);
        QVERIFY(w->menuStyleDialog()->isHidden() && w->buttonStyleDialog()->isHidden());
        const bool ok = how == "Command8"_L1;
        QCOMPARE(w->advMenuvals().mnu == before.mnu, ok ? button : true);
        QCOMPARE(w->advMenuvals().bttn == before.bttn, ok ? !button : true);
        QCOMPARE(w->menuStyleDialog()->capture(), w->advMenuvals().mnu);
        QCOMPARE(w->buttonStyleDialog()->capture(), w->advMenuvals().bttn);
        QCOMPARE(code(*w) == codeBefore, !ok);
    }

    void buttonStates_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const char *start = "000000 000000 00 nb10 t0= w0= LB";
        QTest::newRow("start-up") << "" << start;
        QTest::newRow("own colours: border rows wait for No Border") << "sys" << "110000 110000 00 nb11 t0= w0= LB";
        QTest::newRow("then a border: synced rows follow, disabled") << "sys nb" << "111010 111111 11 nb01 t1= w0= LB";
        QTest::newRow("unsynced left row") << "sys nb s1 top" << "111110 111111 11 nb01 t1= w0= lB";
        QTest::newRow("No Border disables the unsynced row") << "sys nb s1 nb" << "110000 110000 00 nb11 t0= w0= LB";
        QTest::newRow("and gives it back") << "sys nb s1 nb nb" << "111110 111111 11 nb01 t1= w0= LB";
        QTest::newRow("synced top row typed into") << "sys nb top" << "111010 111111 11 nb01 t1= w0= LB";
        QTest::newRow("system colours win") << "sys nb s1 s2 t sys" << start;
        QTest::newRow("digits only") << "sys nb t c w" << "111010 111111 11 nb01 t1=5 w1=80 LB";
        QTest::newRow("constrain empties width") << "c w c" << "000000 000000 00 nb10 t0= w0= LB";
        QTest::newRow("restore defaults") << "sys nb s1 s2 t c w rd" << "000000 000000 00 nb10 t0=2 w0= LB";
    }

    // "Use Default System Button Colors" over "No Border" over the sync boxes.
    void buttonStates()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, false);
        FrmAdvBttnOp *d = w->buttonStyleDialog();
        d->show();
        const std::map<QString, const char *> boxes{
            {"sys", "chksysbttnclr"}, {"nb", "nbchk"}, {"s1", "Check1"}, {"s2", "Check2"}, {"c", "chkconstbttnsz"}};
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (boxes.contains(step))
                child<QCheckBox>(d, boxes.at(step))->click();
            else if (step == "top"_L1)
                d->colorRow(2)->setText(u"#ABCDEF"_s);
            else if (step == "rd"_L1)
                child<QPushButton>(d, "cmdrestdef")->click();
            else
                QTest::keyClicks(child(d, step == "t"_L1 ? "txtBT" : "txtBW"), step == "t"_L1 ? u"x5-"_s : u"8a-0"_s);
        }
        QCOMPARE(buttonState(d), state);
    }

    // Typed widths and sizes keep digits only; a width typed before the
    // constraint is checked stays, disabled, and is captured.
    void menuBoxes()
    {
        frmAdvMnuOp *d = w->menuStyleDialog();
        d->show();
        child<QCheckBox>(d, "chkconstmnuwdth")->click();
        QTest::keyClicks(child(d, "txtMW"), u"1a5-0"_s);
        QTest::keyClicks(child<QComboBox>(d, "combofontsize")->lineEdit(), u"x.5"_s);
        child<QCheckBox>(d, "chkconstmnuwdth")->click();
        QVERIFY(!child(d, "txtMW")->isEnabled() && !child(d, "Label17")->isEnabled());
        QCOMPARE(d->capture().mnuWidth, u"150"_s);
        QCOMPARE(d->capture().mnuFontSize, u"135"_s);
    }

    void restoreDefaults_data()
    {
        QTest::addColumn<QString>("answer"); // a button of the warning, "" the close box, or silenced
        QTest::addColumn<bool>("restored");
        QTest::newRow("Yes") << "Command1" << true;
        QTest::newRow("No") << "Command2" << false;
        QTest::newRow("warning closed") << "" << false;
        QTest::newRow("warning silenced") << "silenced" << true;
    }

    // Restore Defaults changes only the controls, after the warning; Cancel undoes it.
    void restoreDefaults()
    {
        QFETCH(QString, answer);
        QFETCH(bool, restored);
        const bool silenced = answer == "silenced"_L1;
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, !silenced);
        frmAdvMnuOp *d = w->menuStyleDialog();
        d->show();
        const MenuStyleRecord start = w->advMenuvals().mnu;
        changeEverything(d);
        const MenuStyleRecord changed = d->capture();
        int warnings = 0;
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            ++warnings;
            answer.isEmpty() ? void(modal->close()) : child<QPushButton>(modal, answer.toLatin1())->click();
            return true;
        });
        child<QPushButton>(d, "cmdrestdef")->click();
        QCOMPARE(warnings, silenced ? 0 : 1);
        MenuStyleRecord defaults = start;
        const QStringList fonts = d->fontOptions()->installedFamilies();
        defaults.mnuFont = fonts.value(FontChoice::RestoreIndex(fonts));
        QCOMPARE(d->capture(), restored ? defaults : changed);
        QCOMPARE(d->colorRow(1)->isPainted(), !restored); // back to the system colours: blank swatches
        QCOMPARE(w->advMenuvals().mnu, start);
        child<QPushButton>(d, "Command9")->click();
        QCOMPARE(d->capture(), start);
    }

    // Start-up colours come from the palette; Restore Defaults returns to them.
    void startupFromPalette()
    {
        const QPalette saved = QGuiApplication::palette();
        QPalette p = saved;
        for (const auto &[role, colour] : {std::pair{QPalette::Text, "#FFEE00"}, {QPalette::Base, "#336699"},
                                           {QPalette::ButtonText, "#010203"}, {QPalette::Button, "#CCBBAA"},
                                           {QPalette::Light, "#EEEEEE"}, {QPalette::Dark, "#444444"}})
            p.setColor(QPalette::Active, role, QColor(QLatin1String(colour)));
        QApplication::setPalette(p);
        w = std::make_unique<Form1>();
        QApplication::setPalette(saved);
        const QStringList fonts = w->menuStyleDialog()->fontOptions()->installedFamilies();
        MenuStyleRecord menu;
        menu.mnuClr = {"#FFEE00", "#336699"};
        menu.mnuFont = fonts.value(FontChoice::StartupIndex(fonts));
        ButtonStyleRecord button;
        button.bttnClr = {"#010203", "#CCBBAA", "#EEEEEE", "#EEEEEE", "#444444", "#444444"};
        button.bttnFont = menu.mnuFont;
        QCOMPARE(w->advMenuvals().mnu, menu);
        QCOMPARE(w->advMenuvals().bttn, button);
        QCOMPARE(w->advMenuvals().mnuDefClr, menu.mnuClr);
        QCOMPARE(w->advMenuvals().bttnDefClr, button.bttnClr);
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, false);
        w->menuStyleDialog()->colorRow(1)->setText(u"#000000"_s);
        w->menuStyleDialog()->cmdrestdef_Click();
        QCOMPARE(w->menuStyleDialog()->colorRow(1)->text(), u"#336699"_s);
    }

    // Every style changed, a font that is not installed with quotes and
    // non-ASCII letters: saved, loaded into another window, the same code; OK
    // in the loaded window keeps the font.
    void projectRoundTrip()
    {
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, false);
        for (const bool button : {false, true})
            open(*w, button, [](QDialog *d) {
                changeEverything(d);
                child<QPushButton>(d, "Command8")->click();
            });
        MenuProject p = w->currentProject();
        p.menuStyle.mnuFont = u"Zapf \"Ch\u00e4ncery\" 'Pro'"_s;
        w->applyProject(p);
        QComboBox *fonts = child<QComboBox>(w->menuStyleDialog(), "combofont");
        QCOMPARE(fonts->currentText(), p.menuStyle.mnuFont);
        QVERIFY(fonts->itemData(fonts->currentIndex(), Qt::FontRole).value<QFont>().italic());
        const QString path = m_dir->filePath(u"styles.qnv"_s);
        w->setSaveFileChooser([&](QWidget *) { return path; });
        w->mnuFileSaveProj_Click();
        Form1 loaded;
        QString error;
        QVERIFY2(loaded.openProject(path, &error), qPrintable(error));
        QCOMPARE(loaded.currentProject(), p);
        QCOMPARE(code(loaded), code(*w));
        open(loaded, false, [](QDialog *d) { child<QPushButton>(d, "Command8")->click(); });
        QCOMPARE(loaded.advMenuvals().mnu, p.menuStyle);
        // Another project's installed font takes the place of the missing one.
        loaded.applyProject(MenuProject{});
        QCOMPARE(child<QComboBox>(loaded.menuStyleDialog(), "combofont")->findText(p.menuStyle.mnuFont), -1);
    }

    // A click on the thickness box while the system colours keep it disabled
    // offers the border notice; with a border in use it does not.
    void borderNotice()
    {
        FrmAdvBttnOp *d = w->buttonStyleDialog();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QStringList shown;
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            shown << modal->objectName();
            modal->close();
            return false;
        });
        QWidget *thickness = child(d, "txtBT");
        QTest::mouseClick(thickness, Qt::LeftButton);
        QTRY_COMPARE(shown, QStringList{"Form4"});
        for (const char *box : {"chksysbttnclr", "nbchk"})
            child<QCheckBox>(d, box)->click();
        QTest::mouseClick(thickness, Qt::LeftButton);
        QCOMPARE(shown.size(), 1);
    }
};

QTEST_MAIN(TestStyleDialogs)
#include "tst_styledialogs.moc"
