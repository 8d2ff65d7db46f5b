#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/AppInfo.h"
#include "app/MenuDocument.h"
#include "app/ui/FrmAbt.h"
#include "app/ui/IgnoredStylesNotice.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/PageLanguageDialog.h"
#include "app/ui/PreferencesDialog.h"
#include "app/ui/SvgIcon.h"
#include "codegen/ui/CodeActions.h"
#include "help/HelpTopics.h"
#include "help/ui/ContextHelp.h"
#include "help/ui/HelpViewer.h"
#include "menu/MenuItemModel.h"
#include "platform/ui/OpenWithShell.h"
#include "server/ui/TransferActions.h"
#include "site/ui/ImportActions.h"
#include "site/ui/LinkCheckActions.h"
#include "site/ui/PublishActions.h"
#include "site/ui/SiteMenuActions.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
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

void Form1Private::buildMenuBar()
{
    QMenuBar *bar = q->menuBar();
    bar->setObjectName(QStringLiteral("Form1MenuBar"));

    QMenu *file = bar->addMenu(Form1::tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuFileNew = addEntry(file, "mnuFileNew", Form1::tr("&New Menu Project"));
    mnuFileNew->setShortcuts(QKeySequence::New);
    QObject::connect(mnuFileNew, &QAction::triggered, q, &Form1::mnuFileNew_Click);
    QAction *mnuFileLoad = addEntry(file, "mnuFileLoad", Form1::tr("&Load Saved Menu Project"));
    mnuFileLoad->setShortcuts(QKeySequence::Open);
    QObject::connect(mnuFileLoad, &QAction::triggered, q, &Form1::mnuFileLoad_Click);
    m_mnuFileSaveProj = addEntry(file, "mnuFileSaveProj", Form1::tr("&Save Menu Project"));
    m_mnuFileSaveProj->setShortcuts(QKeySequence::Save);
    QObject::connect(m_mnuFileSaveProj, &QAction::triggered, q, &Form1::mnuFileSaveProj_Click);
    m_mnuFileSaveAs = addEntry(file, "mnuFileSaveAs", Form1::tr("Save Menu Project &As..."));
    m_mnuFileSaveAs->setShortcuts(QKeySequence::SaveAs);
    // Some desktops (a bare X session, for one) define no Save As key.
    if (m_mnuFileSaveAs->shortcuts().isEmpty())
        m_mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QObject::connect(m_mnuFileSaveAs, &QAction::triggered, q, &Form1::mnuFileSaveAs_Click);
    addSeparator(file, "mnuFileSep1");
    QAction *mnuFileImport = addEntry(file, "mnuFileImport", Form1::tr("&Import Menu from Web Page..."));
    setThemeIconWhenShown(file, mnuFileImport, QStringLiteral("document-import"));
    QObject::connect(mnuFileImport, &QAction::triggered, q, [this] { m_import->importPage(); });
    QAction *mnuFilePublish = addEntry(file, "mnuFilePublish", Form1::tr("Publish to &Pages..."));
    setThemeIconWhenShown(file, mnuFilePublish, QStringLiteral("document-send"));
    QObject::connect(mnuFilePublish, &QAction::triggered, q, [this] { m_publish->publish(); });
    QAction *mnuFileUnpublish = addEntry(file, "mnuFileUnpublish", Form1::tr("&Remove from Pages..."));
    QObject::connect(mnuFileUnpublish, &QAction::triggered, q, [this] { m_publish->unpublish(); });
    QObject::connect(addEntry(file, "mnuFileRestoreBackup", Form1::tr("Restore &Backup...")),
                     &QAction::triggered, q, [this] { m_publish->restore(); });
    // Disabled while the project names no server or no site folder; the tip says which.
    file->setToolTipsVisible(true);
    m_mnuUploadToServer = addEntry(file, "mnuUploadToServer", Form1::tr("&Upload to Server..."));
    QObject::connect(m_mnuUploadToServer, &QAction::triggered, q, [this] { m_transfer->upload(); });
    m_mnuGetFromServer = addEntry(file, "mnuGetFromServer", Form1::tr("&Get from Server..."));
    QObject::connect(m_mnuGetFromServer, &QAction::triggered, q, [this] { m_transfer->download(); });
    QObject::connect(addEntry(file, "mnuFileFromSite", Form1::tr("New Menu from Si&te...")),
                     &QAction::triggered, q, [this] { m_siteMenu->fromSite(); });
    QObject::connect(addEntry(file, "mnuFileFromSitemap", Form1::tr("New Menu from Site&map...")),
                     &QAction::triggered, q, [this] { m_siteMenu->fromSitemap(); });
    addSeparator(file, "mnuFileSepImport");
    m_mnuFileCopy = addEntry(file, "mnuFileCopy", Form1::tr("&Copy Code to Clipboard"));
    QObject::connect(m_mnuFileCopy, &QAction::triggered, q, &Form1::mnuFileCopy_Click);
    m_mnuFileCodeFile = addEntry(file, "mnuFileCodeFile", Form1::tr("Save Code to &File"));
    QObject::connect(m_mnuFileCodeFile, &QAction::triggered, q, [this] { m_code->saveToFile(); });
    addSeparator(file, "mnuFileSep2");
    QAction *mnuFileExit = addEntry(file, "mnuFileExit", Form1::tr("&Exit"));
    mnuFileExit->setShortcuts(QKeySequence::Quit);
    QObject::connect(mnuFileExit, &QAction::triggered, q, &QWidget::close);
    // The recently used files, shown (with the separator) only when there are any.
    m_mnuFileSep3 = addSeparator(file, "mnuFileSep3");
    m_mnuFileSep3->setVisible(false);
    for (int i = 0; i < 5; ++i) {
        QAction *recent = file->addAction(QStringLiteral("recentfile"));
        recent->setObjectName(QStringLiteral("recentfile_%1").arg(i));
        recent->setVisible(false);
        QObject::connect(recent, &QAction::triggered, q, [this, i] { openRecentFile(i); });
        m_recentfile << recent;
    }

    buildEditMenu();

    QMenu *view = bar->addMenu(Form1::tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    view->addAction(m_livePreview->toggleViewAction());

    QMenu *preview = bar->addMenu(Form1::tr("&Preview"));
    preview->setObjectName(QStringLiteral("mnuPreview"));
    m_mnuPrevBr = addEntry(preview, "mnuPrevBr", Form1::tr("&Preview Menu in Browser"));
    QObject::connect(m_mnuPrevBr, &QAction::triggered, q, &Form1::mnuPrevBr_Click);

    QMenu *tools = bar->addMenu(Form1::tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    QObject::connect(addEntry(tools, "mnuToolsCheckLinks", Form1::tr("Check &Links")), &QAction::triggered, q,
                     [this] { m_linkCheck->checkLinks(); });

    QMenu *help = bar->addMenu(Form1::tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addEntry(help, "mnuHlpCont", Form1::tr("&Help Topics")), &QAction::triggered, q,
                     &Form1::mnuHlpCont_Click);
    QObject::connect(addEntry(help, "mnuHelpTut", Form1::tr("&Tutorial")), &QAction::triggered, q,
                     &Form1::mnuHelpTut_Click);
    QAction *contextHelp = addEntry(help, "mnuHelpCtx", Form1::tr("&Context Help"));
    contextHelp->setShortcut(QKeySequence::WhatsThis);
    QObject::connect(contextHelp, &QAction::triggered, q, &Form1::mnuHelpCtx_Click);
    addSeparator(help, "mnuHlpSep");
    QObject::connect(addEntry(help, "mnuHlpAb", Form1::tr("&About")), &QAction::triggered, q,
                     &Form1::mnuHlpAb_Click);
}

// Undo and Redo; their texts and enabled states follow the history in the
// availability pass. Insert Below Current is enabled with Add.
void Form1Private::buildEditMenu()
{
    QMenu *edit = q->menuBar()->addMenu(Form1::tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    m_mnuEditUndo = addEntry(edit, "mnuEditUndo", Form1::tr("&Undo"));
    m_mnuEditUndo->setShortcuts(QKeySequence::Undo);
    setThemeIconWhenShown(edit, m_mnuEditUndo, QStringLiteral("edit-undo"));
    QObject::connect(m_mnuEditUndo, &QAction::triggered, m_document->undoStack(), &QUndoStack::undo);
    m_mnuEditRedo = addEntry(edit, "mnuEditRedo", Form1::tr("&Redo"));
    m_mnuEditRedo->setShortcuts(QKeySequence::Redo);
    setThemeIconWhenShown(edit, m_mnuEditRedo, QStringLiteral("edit-redo"));
    QObject::connect(m_mnuEditRedo, &QAction::triggered, m_document->undoStack(), &QUndoStack::redo);
    // Ctrl+Shift+Z redoes on every desktop, beside the desktop's own key.
    const QKeySequence redoKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (!m_mnuEditRedo->shortcuts().contains(redoKey))
        m_mnuEditRedo->setShortcuts(m_mnuEditRedo->shortcuts() << redoKey);
    addSeparator(edit, "mnuEditSep1");
    m_mnuInsertBelow = addEntry(edit, "mnuInsertBelow", Form1::tr("&Insert Below Current"));
    m_mnuInsertBelow->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    QObject::connect(m_mnuInsertBelow, &QAction::triggered, q, [this] {
        const int current = q->currentPosition();
        addItemAt(current == 0 ? m_model->count() + 1 : current + 1, Form1::tr("Insert Item"));
    });
    QObject::connect(addEntry(edit, "mnuEditPageLang", Form1::tr("&Language of the Page...")),
                     &QAction::triggered, q, [this] {
                         PageLanguageDialog dialog(m_document->pageLanguage(), q);
                         if (dialog.exec() == QDialog::Accepted)
                             m_document->changePageLanguage(dialog.tag());
                     });
    addSeparator(edit, "mnuEditSepPrefs");
    QAction *prefs = addEntry(edit, "mnuEditPrefs", Form1::tr("Pr&eferences..."));
    prefs->setShortcuts(QKeySequence::Preferences); // none on some desktops
    prefs->setMenuRole(QAction::PreferencesRole);
    setThemeIconWhenShown(edit, prefs, QStringLiteral("preferences-system"));
    QObject::connect(prefs, &QAction::triggered, q, [this] {
        PreferencesDialog dialog(q);
        if (dialog.exec() == QDialog::Accepted)
            m_ignoredStyles->refresh();
    });
}

void Form1Private::buildMainToolbar()
{
    m_toolbar1 = new QToolBar(m_client);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setMovable(false);
    m_toolbar1->setFloatable(false);
    m_toolbar1->setIconSize(QSize(24, 24));
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);

    // Twelve positions: nine buttons and three separators (empty keys).
    static const ToolbarButton buttons[] = {
        {"newproj", QT_TRANSLATE_NOOP("Form1", "Create new menu project")},
        {"loadproj", QT_TRANSLATE_NOOP("Form1", "Load saved menu project")},
        {"saveproj", QT_TRANSLATE_NOOP("Form1", "Save current menu project")},
        {"", nullptr},
        {"savecodeclip", QT_TRANSLATE_NOOP("Form1", "Generate menu code and copy to clipboard")},
        {"savecodefile", QT_TRANSLATE_NOOP("Form1", "Generate menu code and save to a file")},
        {"", nullptr},
        {"preview", QT_TRANSLATE_NOOP("Form1", "Preview menu in browser")},
        {"", nullptr},
        {"help", QT_TRANSLATE_NOOP("Form1", "Open help file")},
        {"wthis", QT_TRANSLATE_NOOP("Form1", "Show context help")},
        {"about", QT_TRANSLATE_NOOP("Form1", "About Quillnav")},
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
        action->setToolTip(Form1::tr(button.tooltip));
        m_toolbar1Keys.insert(key, action);
        QObject::connect(action, &QAction::triggered, q, [this, key] { q->Toolbar1_ButtonClick(key); });
    }
}

// The kind of code every generation path writes. It sits over the free right
// end of the main toolbar; placeRegions puts it there.
void Form1Private::buildDialectChoice()
{
    m_dialectBox = new QWidget(m_client);
    m_dialectBox->setObjectName(QStringLiteral("dialectBox"));
    auto *label = new QLabel(Form1::tr("&Code:"), m_dialectBox);
    label->setObjectName(QStringLiteral("lbldialect"));
    m_cmbdialect = new QComboBox(m_dialectBox);
    m_cmbdialect->setObjectName(QStringLiteral("cmbdialect"));
    m_cmbdialect->addItems(codedialect::captions());
    m_cmbdialect->setToolTip(
        Form1::tr("Classic: the menu code as Quillnav has always written it.\n"
                  "HTML5: valid, escaped code for today's browsers that also works under a "
                  "Content Security Policy."));
    label->setBuddy(m_cmbdialect);
    // Room for the caption as written, so that no style can clip it.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()));
    auto *row = new QHBoxLayout(m_dialectBox);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_cmbdialect);
    // The choice shows the document's dialect; choosing is one undoable step.
    m_cmbdialect->setCurrentIndex(int(m_document->dialect()));
    QObject::connect(m_document, &MenuDocument::dialectChanged, m_cmbdialect,
                     [this](CodeDialect dialect) { m_cmbdialect->setCurrentIndex(int(dialect)); });
    QObject::connect(m_cmbdialect, &QComboBox::activated, q,
                     [this](int index) { m_document->changeDialect(CodeDialect(index)); });
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
        d->m_code->saveToFile();
    else if (key == QLatin1String("preview"))
        mnuPrevBr_Click();
    else if (key == QLatin1String("help"))
        mnuHlpCont_Click();
    else if (key == QLatin1String("wthis"))
        mnuHelpCtx_Click();
    else if (key == QLatin1String("about"))
        mnuHlpAb_Click();
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

void Form1::mnuFileCopy_Click()
{
    d->m_code->showCode();
}

void Form1::mnuPrevBr_Click()
{
    d->m_code->previewInBrowser();
}
