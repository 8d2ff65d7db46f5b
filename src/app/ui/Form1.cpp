#include "app/ui/Form1.h"

#include "app/Preferences.h"
#include "app/ui/IgnoredStylesNotice.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/MenuListView.h"
#include "app/ui/SaveProjectDialog.h"
#include "app/ui/SvgIcon.h"

#include "codegen/ui/MenuOptionsPanel.h"
#include "help/ui/ContextHelp.h"
#include "menu/MenuItemModel.h"
#include "menu/ProjectFile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QTimer>
#include <QUndoStack>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillnav"));
    setFont(designFont());

    m_model = new MenuItemModel(this);

    // The undo history; its clean state is the project as last loaded or saved.
    m_undoStack = new QUndoStack(this);
    m_undoStack->setObjectName(QStringLiteral("undoStack"));
    m_undoStack->setUndoLimit(100);

    // The availability pass runs once after every change of one of its inputs
    // (see armAvailabilityPass); an idle window does no work.
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(0);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    m_livePreview = new LivePreviewPane(this);
    buildMenuBar();
    buildRegions();
    buildMainToolbar();
    buildDialectChoice();
    buildClassicTips();
    placeRegions();
    connectAvailabilityInputs();
    buildStyleDialogs();
    Form_Load();

    setWindowIcon(SvgIcon::make(QStringLiteral(":/icons/app/quillnav.svg")));
    ContextHelp::install();
    ContextHelp::ApplyWhatsThis(this);
    connectOptionEdits();
    connectKeyboard();
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &Form1::updateTitle);
    connect(m_undoStack, &QUndoStack::indexChanged, this, &Form1::armAvailabilityPass);
    m_ignoredStyles = new IgnoredStylesNotice(this);
    // The first window starts a new menu: in the code the user prefers for one.
    setDialect(Preferences::NewMenuDialect());
    m_recorded = currentSettings();
    updateRecentFiles();
    m_livePreview->restoreFromSettings();

    // Any drag over the window's own surface is answered with "copy"; only the
    // link field takes dropped text (a project file may be dropped anywhere).
    setAcceptDrops(true);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (edit != m_linktext)
            edit->setAcceptDrops(false);
    }

    m_chooseOpenFile = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, tr("Load Saved Menu Project"),
                                            QString(), ProjectFile::filter());
    };
    m_chooseSaveFile = [this](QWidget *parent) {
        return ChooseProjectSavePath(parent, m_filePath);
    };
    m_chooseSiteFolder = [this](QWidget *parent) {
        QString start = siteFolder();
        if (start.isEmpty() && !m_filePath.isEmpty())
            start = QFileInfo(m_filePath).absolutePath();
        return QFileDialog::getExistingDirectory(parent, tr("Choose Site Folder"), start);
    };

    armAvailabilityPass();
}

Form1::~Form1()
{
    Form_Unload();
    delete m_ignoredStyles; // it reads the project, which goes with the children
    m_ignoredStyles = nullptr;
    // Stop reacting to the model while the children are torn down.
    m_model->disconnect(this);
    m_undoStack->disconnect(this);
    m_timer1->stop();
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
    if (keyboardEvent(watched, event))
        return true;
    if (watched == m_client && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    if (watched == m_linktext)
        return linktextDragEvent(event);
    if (m_lv && watched == m_lv->viewport())
        return listMouseEvent(event);
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
    if (childAt(event->position().toPoint()) == m_linktext) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// A dropped project file is opened; any other drop there changes nothing.
void Form1::dropEvent(QDropEvent *event)
{
    if (openDroppedProject(event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}
