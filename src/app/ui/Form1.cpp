#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/Preferences.h"
#include "app/ui/IgnoredStylesNotice.h"
#include "app/ui/ItemListDecorations.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/MenuListView.h"
#include "app/ui/SaveProjectDialog.h"
#include "app/ui/SvgIcon.h"

#include "codegen/ui/CodeActions.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "help/ui/ContextHelp.h"
#include "menu/MenuItemModel.h"
#include "menu/ProjectFile.h"
#include "platform/ui/DialogFocus.h"
#include "server/ui/TransferActions.h"
#include "site/ui/ImportActions.h"
#include "site/ui/LinkCheckActions.h"
#include "site/ui/PublishActions.h"
#include "site/ui/SiteMenuActions.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

Form1::Form1(QWidget *parent) : QMainWindow(parent), d(std::make_unique<Form1Private>(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillnav"));
    setFont(designFont());
    // Every dialog, message and notice takes the keys and gives them back.
    DialogFocus::install();

    d->m_model = new MenuItemModel(this);
    // The project, for the whole run; the undo history's clean state is the
    // project as last loaded or saved.
    d->m_document = new MenuDocument(d->m_model, this);

    // The availability pass runs once after every change of one of its inputs
    // (see armAvailabilityPass); an idle window does no work.
    d->m_timer1 = new QTimer(this);
    d->m_timer1->setObjectName(QStringLiteral("Timer1"));
    d->m_timer1->setSingleShot(true);
    d->m_timer1->setInterval(0);
    connect(d->m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    d->m_livePreview =
        new LivePreviewPane(this, d->m_document, [this] { return QSize(MinTrackWidth, MinTrackHeight); });
    d->buildMenuBar();
    d->buildRegions();
    d->buildMainToolbar();
    d->buildDialectChoice();
    d->buildClassicTips();
    d->placeRegions();
    d->connectAvailabilityInputs();
    d->buildStyleDialogs();
    d->m_document->setOptionsSource(d->m_options);
    d->m_document->setStyleCapture([this] {
        StoreAdvVals(QStringLiteral("mnu"));
        StoreAdvVals(QStringLiteral("bttn"));
    });
    d->m_document->setCurrentRowSource([this] { return currentPosition(); });
    Form_Load();

    setWindowIcon(SvgIcon::make(QStringLiteral(":/icons/app/quillnav.svg")));
    ContextHelp::install();
    ContextHelp::ApplyWhatsThis(this);
    d->connectOptionEdits();
    d->connectKeyboard();
    connect(d->m_document, &MenuDocument::modifiedChanged, this, [this] { d->updateTitle(); });
    connect(d->m_document, &MenuDocument::filePathChanged, this, [this](const QString &path) {
        setWindowFilePath(path);
        d->updateTitle();
    });
    connect(d->m_document, &MenuDocument::changed, this, [this] { d->armAvailabilityPass(); });
    connect(d->m_document, &MenuDocument::currentRowRequested, this, [this](int position, bool scroll) {
        scroll ? d->m_lv->showRow(position) : d->m_lv->setCurrentRow(position);
    });
    connect(d->m_document, &MenuDocument::stylesRestored, this, [this] {
        for (const QString &kind : {QStringLiteral("mnu"), QStringLiteral("bttn")}) {
            RestoreAdvVals(kind);
            StoreAdvVals(kind);
        }
    });
    connect(d->m_document, &MenuDocument::fileTouched, this, [this] { d->projectFileTouched(); });
    d->m_ignoredStyles = new IgnoredStylesNotice(d->m_document, this, d->m_frmAdvMnuOp, d->m_livePreview);

    // The commands of other subsystems, each in its actions class.
    d->m_code = new CodeActions(d->m_document, d->m_options, this);
    d->m_code->setCodeWindowDecoration([this](Form3 &window) { d->m_ignoredStyles->addTo(&window); });
    d->m_import = new ImportActions(d->m_document, &d->m_choosers, this);
    d->m_publish = new PublishActions(d->m_document, &d->m_choosers, this);
    d->m_siteMenu = new SiteMenuActions(d->m_document, &d->m_choosers, this);
    d->m_siteMenu->setMayReplace([this] { return maybeSave(); });
    d->m_linkCheck = new LinkCheckActions(d->m_document, &d->m_choosers, this);
    d->m_transfer = new TransferActions(d->m_document, this);
    const auto status = [this](const QString &text) { d->showStatus(text); };
    connect(d->m_code, &CodeActions::statusMessage, this, status);
    connect(d->m_import, &ImportActions::statusMessage, this, status);
    connect(d->m_siteMenu, &SiteMenuActions::statusMessage, this, status);
    connect(d->m_linkCheck, &LinkCheckActions::statusMessage, this, status);
    connect(d->m_linkCheck, &LinkCheckActions::linksChecked, this, [this](const QStringList &reasons) {
        ItemListDecorations *marks = ItemListDecorations::of(d->m_model);
        if (reasons.isEmpty())
            marks->clearLinkMarks();
        else
            marks->setLinkMarks(reasons, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    });

    // The first window starts a new menu: in the code the user prefers for one.
    d->m_document->setDialect(Preferences::NewMenuDialect());
    d->m_document->startHistory();
    d->updateRecentFiles();
    d->m_livePreview->restoreFromSettings();

    // Any drag over the window's own surface is answered with "copy"; only the
    // link field takes dropped text (a project file may be dropped anywhere).
    setAcceptDrops(true);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (edit != d->m_linktext)
            edit->setAcceptDrops(false);
    }

    d->m_choosers.openProject = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, tr("Load Saved Menu Project"), QString(),
                                            ProjectFile::filter());
    };
    d->m_choosers.saveProject = [this](QWidget *parent) {
        return ChooseProjectSavePath(parent, d->m_document->filePath());
    };
    d->m_choosers.siteFolder = [this](QWidget *parent) {
        QString start = d->m_document->siteFolder();
        if (start.isEmpty() && !d->m_document->filePath().isEmpty())
            start = QFileInfo(d->m_document->filePath()).absolutePath();
        return QFileDialog::getExistingDirectory(parent, tr("Choose Site Folder"), start);
    };

    d->armAvailabilityPass();
}

Form1::~Form1()
{
    Form_Unload();
    delete d->m_ignoredStyles; // it reads the project, which goes with the children
    d->m_ignoredStyles = nullptr;
    // Stop reacting to the children while they are torn down (the window's
    // own part goes before them).
    d->m_timer1->stop();
    d->m_document->disconnect();
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

MenuDocument *Form1::document() const
{
    return d->m_document;
}

FileChoosers &Form1::choosers()
{
    return d->m_choosers;
}

frmAdvMnuOp *Form1::menuStyleDialog() const
{
    return d->m_frmAdvMnuOp;
}

FrmAdvBttnOp *Form1::buttonStyleDialog() const
{
    return d->m_FrmAdvBttnOp;
}

QFont Form1::designFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    return font;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (d->keyboardEvent(watched, event))
        return true;
    if (watched == d->m_client && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    if (watched == d->m_linktext)
        return d->linktextDragEvent(event);
    if (d->m_lv && watched == d->m_lv->viewport())
        return d->listMouseEvent(event);
    return QMainWindow::eventFilter(watched, event);
}

// Over the window's own surface every drag is offered the copy effect; a drop
// there changes nothing. A drag that the link field refused stays refused.
void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void Form1::dragMoveEvent(QDragMoveEvent *event)
{
    if (childAt(event->position().toPoint()) == d->m_linktext) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// A dropped project file is opened; any other drop there changes nothing.
void Form1::dropEvent(QDropEvent *event)
{
    if (d->openDroppedProject(event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}
