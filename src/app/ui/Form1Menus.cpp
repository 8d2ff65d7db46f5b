#include "app/ui/Form1.h"

#include "app/AppInfo.h"
#include "app/ui/FrmAbt.h"
#include "app/ui/IgnoredStylesNotice.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/PreferencesDialog.h"
#include "app/ui/SvgIcon.h"
#include "help/HelpTopics.h"
#include "help/ui/ContextHelp.h"
#include "help/ui/HelpViewer.h"
#include "platform/ui/OpenWithShell.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

// A theme icon is looked up when its menu first opens: the lookup loads the
// icon and picture plug-ins, which the start-up need not wait for.
void setThemeIconWhenShown(QMenu *menu, QAction *action, const QString &name)
{
    QObject::connect(
        menu, &QMenu::aboutToShow, action, [action, name] { action->setIcon(QIcon::fromTheme(name)); },
        Qt::SingleShotConnection);
}

QAction *addEntry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

struct ToolbarButton {
    const char *key;
    const char *tooltip;
};

} // namespace

void Form1::buildMenuBar()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("Form1MenuBar"));

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuFileNew = addEntry(file, "mnuFileNew", tr("&New Menu Project"));
    mnuFileNew->setShortcuts(QKeySequence::New);
    connect(mnuFileNew, &QAction::triggered, this, &Form1::mnuFileNew_Click);
    QAction *mnuFileLoad = addEntry(file, "mnuFileLoad", tr("&Load Saved Menu Project"));
    mnuFileLoad->setShortcuts(QKeySequence::Open);
    connect(mnuFileLoad, &QAction::triggered, this, &Form1::mnuFileLoad_Click);
    m_mnuFileSaveProj = addEntry(file, "mnuFileSaveProj", tr("&Save Menu Project"));
    m_mnuFileSaveProj->setShortcuts(QKeySequence::Save);
    connect(m_mnuFileSaveProj, &QAction::triggered, this, &Form1::mnuFileSaveProj_Click);
    m_mnuFileSaveAs = addEntry(file, "mnuFileSaveAs", tr("Save Menu Project &As..."));
    m_mnuFileSaveAs->setShortcuts(QKeySequence::SaveAs);
    // Some desktops (a bare X session, for one) define no Save As key.
    if (m_mnuFileSaveAs->shortcuts().isEmpty())
        m_mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(m_mnuFileSaveAs, &QAction::triggered, this, &Form1::mnuFileSaveAs_Click);
    addSeparator(file, "mnuFileSep1");
    QAction *mnuFileImport = addEntry(file, "mnuFileImport", tr("&Import Menu from Web Page..."));
    setThemeIconWhenShown(file, mnuFileImport, QStringLiteral("document-import"));
    connect(mnuFileImport, &QAction::triggered, this, &Form1::mnuFileImport_Click);
    QAction *mnuFilePublish = addEntry(file, "mnuFilePublish", tr("Publish to &Pages..."));
    setThemeIconWhenShown(file, mnuFilePublish, QStringLiteral("document-send"));
    connect(mnuFilePublish, &QAction::triggered, this, &Form1::mnuFilePublish_Click);
    QAction *mnuFileUnpublish = addEntry(file, "mnuFileUnpublish", tr("&Remove from Pages..."));
    connect(mnuFileUnpublish, &QAction::triggered, this, &Form1::mnuFileUnpublish_Click);
    connect(addEntry(file, "mnuFileFromSite", tr("New Menu from Si&te...")), &QAction::triggered, this,
            &Form1::mnuFileFromSite_Click);
    connect(addEntry(file, "mnuFileFromSitemap", tr("New Menu from Site&map...")), &QAction::triggered, this,
            &Form1::mnuFileFromSitemap_Click);
    addSeparator(file, "mnuFileSepImport");
    m_mnuFileCopy = addEntry(file, "mnuFileCopy", tr("&Copy Code to Clipboard"));
    connect(m_mnuFileCopy, &QAction::triggered, this, &Form1::mnuFileCopy_Click);
    m_mnuFileCodeFile = addEntry(file, "mnuFileCodeFile", tr("Save Code to &File"));
    connect(m_mnuFileCodeFile, &QAction::triggered, this, &Form1::mnuFileCodeFile_Click);
    addSeparator(file, "mnuFileSep2");
    QAction *mnuFileExit = addEntry(file, "mnuFileExit", tr("&Exit"));
    mnuFileExit->setShortcuts(QKeySequence::Quit);
    connect(mnuFileExit, &QAction::triggered, this, &Form1::mnuFileExit_Click);
    // The recently used files, shown (with the separator) only when there are any.
    m_mnuFileSep3 = addSeparator(file, "mnuFileSep3");
    m_mnuFileSep3->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        QAction *recent = file->addAction(QStringLiteral("recentfile"));
        recent->setObjectName(QStringLiteral("recentfile_%1").arg(i));
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this, [this, i] { openRecentFile(i); });
        m_recentfile << recent;
    }

    buildEditMenu();

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    view->addAction(m_livePreview->toggleViewAction());

    QMenu *preview = bar->addMenu(tr("&Preview"));
    preview->setObjectName(QStringLiteral("mnuPreview"));
    m_mnuPrevBr = addEntry(preview, "mnuPrevBr", tr("&Preview Menu in Browser"));
    connect(m_mnuPrevBr, &QAction::triggered, this, &Form1::mnuPrevBr_Click);

    QMenu *tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    connect(addEntry(tools, "mnuToolsCheckLinks", tr("Check &Links")), &QAction::triggered, this,
            &Form1::mnuToolsCheckLinks_Click);

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addEntry(help, "mnuHlpCont", tr("&Help Topics")), &QAction::triggered,
            this, &Form1::mnuHlpCont_Click);
    connect(addEntry(help, "mnuHelpTut", tr("&Tutorial")), &QAction::triggered, this,
            &Form1::mnuHelpTut_Click);
    QAction *contextHelp = addEntry(help, "mnuHelpCtx", tr("&Context Help"));
    contextHelp->setShortcut(QKeySequence::WhatsThis);
    connect(contextHelp, &QAction::triggered, this, &Form1::mnuHelpCtx_Click);
    addSeparator(help, "mnuHlpSep");
    connect(addEntry(help, "mnuHlpAb", tr("&About")), &QAction::triggered, this,
            &Form1::mnuHlpAb_Click);
}

// Undo and Redo; their texts and enabled states follow the history in the
// availability pass. Insert Below Current is enabled with Add.
void Form1::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    m_mnuEditUndo = addEntry(edit, "mnuEditUndo", tr("&Undo"));
    m_mnuEditUndo->setShortcuts(QKeySequence::Undo);
    setThemeIconWhenShown(edit, m_mnuEditUndo, QStringLiteral("edit-undo"));
    connect(m_mnuEditUndo, &QAction::triggered, m_undoStack, &QUndoStack::undo);
    m_mnuEditRedo = addEntry(edit, "mnuEditRedo", tr("&Redo"));
    m_mnuEditRedo->setShortcuts(QKeySequence::Redo);
    setThemeIconWhenShown(edit, m_mnuEditRedo, QStringLiteral("edit-redo"));
    connect(m_mnuEditRedo, &QAction::triggered, m_undoStack, &QUndoStack::redo);
    // Ctrl+Shift+Z redoes on every desktop, beside the desktop's own key.
    const QKeySequence redoKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (!m_mnuEditRedo->shortcuts().contains(redoKey))
        m_mnuEditRedo->setShortcuts(m_mnuEditRedo->shortcuts() << redoKey);
    addSeparator(edit, "mnuEditSep1");
    m_mnuInsertBelow = addEntry(edit, "mnuInsertBelow", tr("&Insert Below Current"));
    m_mnuInsertBelow->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return),
                                    QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(m_mnuInsertBelow, &QAction::triggered, this, &Form1::mnuInsertBelow_Click);
    addSeparator(edit, "mnuEditSepPrefs");
    QAction *prefs = addEntry(edit, "mnuEditPrefs", tr("Pr&eferences..."));
    prefs->setShortcuts(QKeySequence::Preferences); // none on some desktops
    prefs->setMenuRole(QAction::PreferencesRole);
    setThemeIconWhenShown(edit, prefs, QStringLiteral("preferences-system"));
    connect(prefs, &QAction::triggered, this, [this] {
        PreferencesDialog dialog(this);
        if (dialog.exec() == QDialog::Accepted)
            m_ignoredStyles->refresh();
    });
}

void Form1::buildMainToolbar()
{
    m_toolbar1 = new QToolBar(m_client);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setMovable(false);
    m_toolbar1->setFloatable(false);
    m_toolbar1->setIconSize(QSize(24, 24));
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);

    // Twelve positions: nine buttons and three separators (empty keys).
    static const ToolbarButton buttons[] = {
        {"newproj", QT_TR_NOOP("Create new menu project")},
        {"loadproj", QT_TR_NOOP("Load saved menu project")},
        {"saveproj", QT_TR_NOOP("Save current menu project")},
        {"", nullptr},
        {"savecodeclip", QT_TR_NOOP("Generate menu code and copy to clipboard")},
        {"savecodefile", QT_TR_NOOP("Generate menu code and save to a file")},
        {"", nullptr},
        {"preview", QT_TR_NOOP("Preview menu in browser")},
        {"", nullptr},
        {"help", QT_TR_NOOP("Open help file")},
        {"wthis", QT_TR_NOOP("Show context help")},
        {"about", QT_TR_NOOP("About Quillnav")},
    };
    for (const ToolbarButton &button : buttons) {
        if (!button.tooltip) {
            m_toolbar1->addSeparator();
            continue;
        }
        const QString key = QLatin1String(button.key);
        QAction *action = m_toolbar1->addAction(
            SvgIcon::make(QStringLiteral(":/icons/toolbar/%1.svg").arg(key)), QString());
        action->setObjectName(key);
        action->setToolTip(tr(button.tooltip));
        m_toolbar1Keys.insert(key, action);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

// The kind of code every generation path writes. It sits over the free right
// end of the main toolbar; placeRegions puts it there.
void Form1::buildDialectChoice()
{
    m_dialectBox = new QWidget(m_client);
    m_dialectBox->setObjectName(QStringLiteral("dialectBox"));
    auto *label = new QLabel(tr("&Code:"), m_dialectBox);
    label->setObjectName(QStringLiteral("lbldialect"));
    m_cmbdialect = new QComboBox(m_dialectBox);
    m_cmbdialect->setObjectName(QStringLiteral("cmbdialect"));
    m_cmbdialect->addItems(codedialect::captions());
    m_cmbdialect->setToolTip(tr(
        "Classic: the menu code as Quillnav has always written it.\n"
        "HTML5: valid, escaped code for today's browsers that also works under a "
        "Content Security Policy."));
    label->setBuddy(m_cmbdialect);
    // Room for the caption as written, so that no style can clip it.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()));
    auto *row = new QHBoxLayout(m_dialectBox);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_cmbdialect);
    connect(m_cmbdialect, &QComboBox::currentIndexChanged, this,
            [this](int index) { emit dialectChanged(CodeDialect(index)); });
}

CodeDialect Form1::dialect() const
{
    return CodeDialect(qMax(0, m_cmbdialect->currentIndex()));
}

void Form1::setDialect(CodeDialect dialect)
{
    m_cmbdialect->setCurrentIndex(int(dialect));
}

// Runs the menu command of a toolbar key (compared exactly); other keys do nothing.
void Form1::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("newproj"))
        mnuFileNew_Click();
    else if (key == QLatin1String("loadproj"))
        mnuFileLoad_Click();
    else if (key == QLatin1String("saveproj"))
        mnuFileSaveProj_Click();
    else if (key == QLatin1String("savecodeclip"))
        mnuFileCopy_Click();
    else if (key == QLatin1String("savecodefile"))
        mnuFileCodeFile_Click();
    else if (key == QLatin1String("preview"))
        mnuPrevBr_Click();
    else if (key == QLatin1String("help"))
        mnuHlpCont_Click();
    else if (key == QLatin1String("wthis"))
        mnuHelpCtx_Click();
    else if (key == QLatin1String("about"))
        mnuHlpAb_Click();
}

void Form1::mnuFileExit_Click()
{
    close();
}

void Form1::mnuHlpCont_Click()
{
    HelpViewer::showContents(this);
}

void Form1::mnuHelpTut_Click()
{
    HelpViewer::showTopic(this, QLatin1String(HelpTopics::kTutorial));
}

void Form1::mnuHelpCtx_Click()
{
    ContextHelp::enterWhatsThisMode();
}

// Modal, without owner.
void Form1::mnuHlpAb_Click()
{
    FrmAbt about;
    about.exec();
}

void Form1::Command1_Click()
{
    OpenWithShell(this, AppInfo::freeButtonGraphicsPage());
}
