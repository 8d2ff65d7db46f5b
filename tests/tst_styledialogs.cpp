// The two style dialogs through the main window: opening, OK / Cancel / close,
// Restore Defaults, dependent states, start-up values from the palette, and
// styles carried through a project file.
#include "app/AdvisoryFlags.h"
#include "app/MenuDocument.h"
#include "app/ui/AdvisoryDialog.h"
#include "app/ui/Form1.h"
#include "app/ui/IgnoredStylesMessage.h"
#include "codegen/MenuCodeGenerator.h"
#include "platform/RegistryStore.h"
#include "styles/CssFontFamily.h"
#include "styles/FontChoice.h"
#include "styles/ui/ColorRow.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

template <typename T = QWidget> T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    return found ? found : (qFatal("no child named %s", name), nullptr);
}
void click(const QObject *parent, const char *name)
{
    child<QAbstractButton>(parent, name)->click();
}
QString code(const Form1 &w)
{
    return GenerateMenuCode(codegen::kCodeMode, w.document()->project()).body;
}

// Changes every control that either dialog has.
void changeEverything(QDialog *d)
{
    for (const char *name : {"chkmnusysclr", "chksysbttnclr", "nbchk", "Check1", "Check2", "chkconstmnuwdth",
                             "chkconstbttnsz", "chkmnufntI", "chkmnufntU", "chkbttnfntIT", "chkbttnfntUL"})
        if (d->findChild<QCheckBox *>(QLatin1String(name)))
            click(d, name);
    for (ColorRow *row : d->findChildren<ColorRow *>())
        row->setText(u"#%1"_s.arg(0x102030 * (row->index() + 1), 6, 16, QLatin1Char('0')).toUpper());
    for (QLineEdit *box : d->findChildren<QLineEdit *>(QRegularExpression(u"^txt[MB][WHT]$"_s)))
        box->insert(u"1px"_s), QTest::keyClicks(box, u"7a-7"_s); // a paste of more than digits is refused
    child<QComboBox>(d, "combofont")->setCurrentIndex(0); // start-up: the second font, or "MS Sans Serif"
    child<QComboBox>(d, "combofontsize")->setCurrentIndex(2);
    child<QSlider>(d, "Slider1")->setValue(730);
}

// Presses "Advanced Options", answers the browser notice, runs `inside` on the open dialog (which ends it).
int open(Form1 &w, bool button, const std::function<void(QDialog *)> &inside)
{
    int notices = 0;
    QObject watch;
    modalwatch::whenModal(&watch, [&](QWidget *modal) {
        if (auto *notice = qobject_cast<AdvisoryDialog *>(modal))
            return ++notices, notice->Command1()->click(), false;
        if (modal == (button ? static_cast<QDialog *>(w.buttonStyleDialog()) : w.menuStyleDialog()))
            return inside(static_cast<QDialog *>(modal)), true;
        return false;
    });
    button ? w.cmdBttnAdv_Click() : w.cmdAdvMnu_Click();
    return notices;
}

// Button dialog: rows enabled, swatches painted, sync boxes enabled, "No Border" checked and enabled,
// thickness and width (enabled, text), left / bottom rows showing the top / right colour, messages, closed,
// incomplete.
QString buttonState(FrmAdvBttnOp *d, int notices)
{
    QString s;
    for (int i = 0; i < 12; ++i)
        s += (i < 6 ? d->colorRow(i)->isRowEnabled() : d->colorRow(i - 6)->isPainted()) ? '1' : '0';
    const auto on = [d](const char *name) { return child(d, name)->isEnabled() ? '1' : '0'; };
    return s.insert(6, ' ') + ' ' + on("Check1") + on("Check2") + " nb"
           + (child<QCheckBox>(d, "nbchk")->isChecked() ? '1' : '0') + on("nbchk") + " t" + on("txtBT") + '='
           + child<QLineEdit>(d, "txtBT")->text() + " w" + on("txtBW") + '='
           + child<QLineEdit>(d, "txtBW")->text()
           + (d->colorRow(3)->text() == d->colorRow(2)->text() ? " L" : " l")
           + (d->colorRow(5)->text() == d->colorRow(4)->text() ? 'B' : 'b') + QString(notices, '!')
           + (d->isVisible() ? "" : " hidden") + (d->colorRow(0)->text().size() == 7 ? "" : " incomplete");
}

} // namespace

class TestStyleDialogs : public QObject {
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

    void cleanup() { w.reset(), RegistryStore::setFilePath(QString()); }

    void fontChoice()
    {
        using namespace FontChoice;
        const QStringList with{"A", "B", "MS Sans Serif"}, without{"A", "B", "ms sans serif"};
        QCOMPARE(QList<int>({StartupIndex(with), StartupIndex(without), StartupIndex({"A"}), StartupIndex({}),
                             RestoreIndex(with), RestoreIndex(without), RestoreIndex({})}),
                 QList<int>({2, 1, 0, -1, 2, 0, -1}));
        w->fillStyleFontLists({"b", "C", "a", "b"});
        FontOptionsGroup *options = w->buttonStyleDialog()->fontOptions();
        QCOMPARE(options->installedFamilies(), QStringList({"a", "b", "C"}));
        // A family that is not installed gets an entry of its own, in its
        // place, marked; choosing another family or the defaults drops it.
        auto *list = options->combofont();
        options->setFamily(u"Bb"_s);
        QCOMPARE(list->currentIndex(), 2);
        QCOMPARE(list->count(), 4);
        QVERIFY(list->itemData(2, Qt::FontRole).value<QFont>().italic());
        QVERIFY(!list->itemData(3, Qt::FontRole).isValid());
        QCOMPARE(options->installedFamilies(), QStringList({"a", "b", "C"}));
        options->setFamily(u"C"_s);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentText(), u"C"_s);
        QVERIFY(!list->itemData(2, Qt::FontRole).isValid());
        options->setFamily(u"0"_s);
        QCOMPARE(list->currentIndex(), 0);
        options->restoreDefaults();
        QCOMPARE(options->installedFamilies(), QStringList({"a", "b", "C"}));
        QCOMPARE(list->count(), 3);
    }

    // HTML5 code's generic family: decided by pitch and name when a font is
    // chosen, kept with the record while its family stays selected.
    void fontFallback()
    {
        using cssfont::genericFor;
        QCOMPARE(QStringList({genericFor(u"DejaVu Serif [PfEd]"_s, false),
                              genericFor(u"MS Sans Serif"_s, false), genericFor(u"C059"_s, false),
                              genericFor(u"Cantarell"_s, false), genericFor(u"Noto Sans"_s, true)}),
                 QStringList({"serif", "sans-serif", "serif", "sans-serif", "monospace"}));
        w->fillStyleFontLists({"DejaVu Sans Mono", "DejaVu Serif"});
        QComboBox *list = w->menuStyleDialog()->fontOptions()->combofont();
        QStringList kept;
        for (const int index : {0, 1}) {
            list->setCurrentIndex(index), w->StoreAdvVals(u"mnu"_s);
            kept << w->document()->styles().mnu.mnuFontFallback;
        }
        w->document()->styles().mnu.mnuFontFallback =
            u"sans-serif"_s; // a record of another computer's choice
        w->RestoreAdvVals(u"mnu"_s), w->StoreAdvVals(u"mnu"_s);
        QCOMPARE(kept << w->document()->styles().mnu.mnuFontFallback,
                 QStringList({"monospace", "serif", "sans-serif"}));
    }

    void leavingTheDialog_data()
    {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("how");
        for (const bool button : {false, true})
            for (const char *how : {"Command8", "Command9", "close", "Escape"})
                QTest::addRow("%s: %s", button ? "button" : "menu", how) << button << how;
    }

    // Cancel in every form brings back the last confirmed state (before any
    // OK: the start-up state) and leaves the code alone; OK keeps the changes.
    void leavingTheDialog()
    {
        QFETCH(bool, button);
        QFETCH(QString, how);
        const bool ok = how == "Command8"_L1, notice = ok != button;
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, notice);
        const mAdvMenuvals before = w->document()->styles();
        const QString codeBefore = code(*w);
        QCOMPARE(open(*w, button,
                      [&](QDialog *d) {
                          changeEverything(d);
                          how == "close"_L1    ? void(d->close())
                          : how == "Escape"_L1 ? QTest::keyClick(d, Qt::Key_Escape)
                                               : click(d, how.toLatin1());
                      }),
                 notice ? 1 : 0);
        QVERIFY(w->menuStyleDialog()->isHidden() && w->buttonStyleDialog()->isHidden());
        QCOMPARE(w->document()->styles().mnu == before.mnu, !ok || button);
        QCOMPARE(w->document()->styles().bttn == before.bttn, !ok || !button);
        QCOMPARE(w->menuStyleDialog()->capture(), w->document()->styles().mnu);
        QCOMPARE(w->buttonStyleDialog()->capture(), w->document()->styles().bttn);
        QCOMPARE(code(*w) == codeBefore, !ok);
        QCOMPARE(code(*w).contains(u"width=77"_s), ok); // digits only
    }

    void okWithoutChangeAddsNoStep_data()
    {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>(
            "earlier"); // a visit ended by OK: "r" Restore Defaults, "c" every control changed
        for (const bool button : {false, true})
            for (const char *earlier : {"r", "c", "cr", "rc"})
                QTest::addRow("%s: %s", button ? "button" : "menu", earlier) << button << earlier;
    }

    // After any confirmed visit, a visit ended by Cancel leaves the dialog
    // holding its record, and an OK that changes nothing adds no undo step
    // and leaves the project as it was.
    void okWithoutChangeAddsNoStep()
    {
        QFETCH(bool, button);
        QFETCH(QString, earlier);
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, false);
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, false);
        open(*w, button, [&](QDialog *d) {
            for (const QChar step : earlier)
                step == 'r' ? click(d, "cmdrestdef") : changeEverything(d);
            click(d, "Command8");
        });
        QUndoStack *steps = w->document()->undoStack();
        steps->setClean();
        const int count = steps->count();
        const MenuProject project = w->document()->project();
        open(*w, button, [](QDialog *d) { click(d, "Command9"); });
        QCOMPARE(w->menuStyleDialog()->capture(), w->document()->styles().mnu);
        QCOMPARE(w->buttonStyleDialog()->capture(), w->document()->styles().bttn);
        open(*w, button, [](QDialog *d) { click(d, "Command8"); });
        QCOMPARE(steps->count(), count);
        QVERIFY(steps->isClean());
        QCOMPARE(w->document()->project(), project);
    }

    void buttonStates_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        for (const QJsonArray &r : testfiles::tableRows(u"button-states.json"_s))
            QTest::newRow(qPrintable(r[0].toString())) << r[1].toString() << r[2].toString();
    }

    // "Use Default System Button Colors" over "No Border" over the sync boxes;
    // a click on the thickness box that the system colours disable offers the
    // border notice ("!", as is any message).
    void buttonStates()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, false);
        FrmAdvBttnOp *d = w->buttonStyleDialog();
        d->show();
        int notices = 0;
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) { return ++notices, modal->close(), false; });
        const std::map<QString, const char *> names{
            {"sys", "chksysbttnclr"}, {"nb", "nbchk"},      {"s1", "Check1"}, {"s2", "Check2"},
            {"c", "chkconstbttnsz"},  {"rd", "cmdrestdef"}, {"t", "txtBT"},   {"w", "txtBW"},
            {"click", "txtBT"},       {"ok", "Command8"}};
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == "inc"_L1 && (d->colorRow(0)->setText(u"#1"_s), true))
                continue;
            QWidget *target = step == "top"_L1 ? d->colorRow(2)->txtclr() : child(d, names.at(step));
            const QString typed = step == "top"_L1 ? u"\b\b\b\b\b\bff0000"_s
                                  : step == "t"_L1 ? u"x5-"_s
                                  : step == "w"_L1 ? u"8a-0"_s
                                                   : QString();
            if (typed.isEmpty())
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
            else
                target->setFocus(), QTest::keyClicks(target, typed);
        }
        QTRY_COMPARE(buttonState(d, notices), state);
    }

    void restoreDefaults_data()
    {
        QTest::addColumn<QString>("answer"); // a button of the warning, "" the close box, or silenced
        QTest::addColumn<bool>("restored");
        for (const QJsonArray &r : testfiles::tableRows(u"restore-defaults-answers.json"_s))
            QTest::newRow(qPrintable(r[0].toString())) << r[1].toString() << r[2].toBool();
    }

    // Start-up colours come from the palette, and Restore Defaults returns to
    // them, changing only the controls, after the warning; Cancel undoes it.
    void restoreDefaults()
    {
        QFETCH(QString, answer);
        QFETCH(bool, restored);
        const QPalette saved = QGuiApplication::palette();
        QPalette p = saved; // window text, window, button text, button face, highlight, shadow
        for (const auto &[role, colour] : {std::pair{QPalette::Text, "#FFEE00"},
                                           {QPalette::Base, "#336699"},
                                           {QPalette::ButtonText, "#010203"},
                                           {QPalette::Button, "#CCBBAA"},
                                           {QPalette::Light, "#EEEEEE"},
                                           {QPalette::Dark, "#444444"}})
            p.setColor(QPalette::Active, role, QColor(QLatin1String(colour)));
        QApplication::setPalette(p);
        w = std::make_unique<Form1>();
        QApplication::setPalette(saved);
        frmAdvMnuOp *d = w->menuStyleDialog();
        const QStringList fonts = d->fontOptions()->installedFamilies();
        MenuStyleRecord start, defaults;
        start.mnuClr = defaults.mnuClr = {"#FFEE00", "#336699"};
        start.mnuFont = fonts.value(FontChoice::StartupIndex(fonts));
        defaults.mnuFont = fonts.value(FontChoice::RestoreIndex(fonts));
        ButtonStyleRecord button;
        button.bttnClr = {"#010203", "#CCBBAA", "#EEEEEE", "#EEEEEE", "#444444", "#444444"};
        button.bttnFont = start.mnuFont;
        const auto generic = [](const QString &f) {
            return cssfont::genericFor(f, QFontDatabase::isFixedPitch(f));
        };
        start.mnuFontFallback = button.bttnFontFallback = generic(start.mnuFont),
        defaults.mnuFontFallback = generic(defaults.mnuFont);
        QCOMPARE(w->document()->styles().mnu, start);
        QCOMPARE(w->document()->styles().bttn, button);
        QVERIFY(w->document()->styles().mnuDefClr == start.mnuClr
                && w->document()->styles().bttnDefClr == button.bttnClr);

        const bool silenced = answer == "silenced"_L1;
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, !silenced);
        d->show();
        changeEverything(d);
        w->StoreAdvVals(u"Mnu"_s); // any other kind does nothing
        const MenuStyleRecord changed = d->capture();
        int warnings = 0;
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            ++warnings;
            answer.isEmpty() ? void(modal->close()) : click(modal, answer.toLatin1());
            return true;
        });
        click(d, "cmdrestdef");
        QCOMPARE(warnings, silenced ? 0 : 1);
        QCOMPARE(d->capture(), restored ? defaults : changed);
        QCOMPARE(d->colorRow(1)->isPainted(), !restored); // back to the system colours: blank swatches
        QCOMPARE(w->document()->styles().mnu, start);
        click(d, "Command9");
        QCOMPARE(d->capture(), start);
    }

    // Rows: HTML5, the button's dialog, the steps ("s" silenced first; in the dialog "i"
    // italics, "r" Restore Defaults), then the browser notices seen and "N" for the notice after OK.
    void ignoredStylesNotice_data() { testfiles::addTableRows(u"ignored-styles-notices.json"_s); }

    // After OK, a classic style that browsers ignore is pointed out without
    // blocking; "Use HTML5 code" is one undo step. The browser notice speaks
    // of classic code only.
    void ignoredStylesNotice()
    {
        QFETCH(QJsonArray, row);
        const bool html5 = row[1].toBool(), button = row[2].toBool();
        QString steps = row[3].toString();
        const QString seen = row[4].toString();
        AdvisoryFlags::Write(AdvisoryFlags::ShowRestoreDefaultsMessage, false);
        AdvisoryFlags::Write(AdvisoryFlags::ShowIgnoredStylesMessage, !steps.contains('s'));
        w->document()->setDialect(html5 ? CodeDialect::Html5 : CodeDialect::Classic);
        const int notices = open(*w, button, [&](QDialog *d) {
            for (const QChar step : steps.remove('s'))
                click(d, step == 'r' ? "cmdrestdef" : button ? "chkbttnfntIT" : "chkmnufntI");
            click(d, "Command8");
        });
        auto *notice = w->findChild<IgnoredStylesMessage *>();
        QCOMPARE(QString::number(notices) + (notice && notice->isVisible() && !notice->isModal() ? "N" : ""),
                 seen);
        if (!notice)
            return;
        click(notice, "Command2");
        QCOMPARE(w->document()->dialect(), CodeDialect::Html5);
        w->document()->undoStack()->undo();
        QVERIFY(w->document()->dialect() == CodeDialect::Classic
                && w->document()->project().menuStyle.mnuItalic == int(!button));
    }

    // The contrast warning follows the colours typed into the real boxes and the system colours box ("s").
    void contrastWarning()
    {
        for (const bool button : {false, true}) {
            QString seen; // after each step the ratio shown, "-" for none
            open(*w, button, [&](QDialog *d) {
                for (const QString step :
                     {"s", "1FFFFFF", "0777777", "1000", "1000000", "0222222", "s", "s"}) {
                    if (step == "s"_L1)
                        click(d, button ? "chksysbttnclr" : "chkmnusysclr");
                    else // the warning shows the ratio rounded down: 4.48 as 4.4:1
                        QTest::keyClicks(child(d, qPrintable("txtclr_" + step.left(1))),
                                         "\b\b\b\b\b\b" + step.mid(1));
                    const auto *warning = child<QLabel>(d, "lblcontrast");
                    seen +=
                        (warning->isVisible() ? warning->text().section(u')', 0, 0).mid(14) : u"-"_s) + ' ';
                }
                click(d, "Command9");
            });
            QCOMPARE(seen, "- - 4.4:1 - - 1.3:1 - 1.3:1 ");
        }
    }

    // Every style changed and a font that is not installed, with quotes and
    // non-ASCII letters: saved, loaded into another window, the same code; OK
    // in the loaded window keeps the font.
    void projectRoundTrip()
    {
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, false);
        for (const bool button : {false, true})
            open(*w, button, [](QDialog *d) { changeEverything(d), click(d, "Command8"); });
        MenuProject p = w->document()->project();
        p.menuStyle.mnuFont = u"Zapf \"Ch\u00e4ncery\" 'Pro'"_s;
        w->document()->applyProject(p);
        auto *fonts = child<QComboBox>(w->menuStyleDialog(), "combofont");
        QVERIFY(fonts->currentText() == p.menuStyle.mnuFont
                && fonts->currentData(Qt::FontRole).value<QFont>().italic());
        const QString path = m_dir->filePath(u"styles.qnv"_s);
        w->choosers().saveProject = [&](QWidget *) { return path; };
        w->mnuFileSaveProj_Click();
        Form1 loaded;
        QString error;
        QVERIFY(loaded.document()->load(path, &error));
        QCOMPARE(loaded.document()->project(), p);
        QCOMPARE(code(loaded), code(*w));
        open(loaded, false, [](QDialog *d) { click(d, "Command8"); });
        QCOMPARE(loaded.document()->styles().mnu, p.menuStyle);
    }
};

QTEST_MAIN(TestStyleDialogs)
#include "tst_styledialogs.moc"
