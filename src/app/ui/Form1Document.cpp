// The project as a document: its file and title, the undo history, saving,
// loading, the question about unsaved changes and the recent files.
#include "app/ui/Form1.h"

#include "app/ProjectFileGuard.h"
#include "app/RecentFiles.h"
#include "app/ui/ListEditCommand.h"
#include "app/ui/ProjectChangeCommand.h"
#include "codegen/CodeLimit.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "menu/ProjectFile.h"
#include "site/SiteFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusBar>
#include <QUndoStack>

namespace {

// The option controls as the undo history names them.
const std::pair<const char *, const char *> kOptionFields[] = {
    {"txtmnm", QT_TRANSLATE_NOOP("Form1", "Menu Name")},        {"targetcombo", QT_TRANSLATE_NOOP("Form1", "Link Target")},
    {"txtfrm", QT_TRANSLATE_NOOP("Form1", "Frame Name")},       {"menubehavopt", QT_TRANSLATE_NOOP("Form1", "Navigation")},
    {"buttonpropopt", QT_TRANSLATE_NOOP("Form1", "Button Kind")}, {"buttontxttxt", QT_TRANSLATE_NOOP("Form1", "Button Text")},
    {"buttngrurl", QT_TRANSLATE_NOOP("Form1", "Graphic URL")},  {"txtalt", QT_TRANSLATE_NOOP("Form1", "Alt Text")},
    {"txtw", QT_TRANSLATE_NOOP("Form1", "Graphic Width")},      {"txth", QT_TRANSLATE_NOOP("Form1", "Graphic Height")},
    {"cmbbttnaln", QT_TRANSLATE_NOOP("Form1", "Button Alignment")}};

QString fieldName(const QObject *control)
{
    const QString name = control->objectName().section(QLatin1Char('_'), 0, 0);
    for (const auto &[object, caption] : kOptionFields) {
        if (name == QLatin1String(object))
            return Form1::tr(caption);
    }
    return Form1::tr("Menu Options");
}

// Typing in one field merges into one step; each field has its own id.
int typingId(const QString &field)
{
    return 1000 + int(qHash(field) % 100000);
}

} // namespace

bool Form1::isProjectModified() const
{
    return !m_undoStack->isClean();
}

ProjectState Form1::captureState() const
{
    return {currentProject(), currentPosition(), m_filePath};
}

void Form1::pushChange(const QString &text, ProjectState before, int mergeId, bool changesFile)
{
    ProjectState after = captureState();
    m_recorded = currentSettings();
    // Lists that share their data compare at once; neither state then keeps
    // the list, so the step costs nothing for the list's length.
    if (after.project.items == before.project.items) {
        before.project.items.clear();
        after.project.items.clear();
        before.withItems = after.withItems = false;
    }
    if (!changesFile && after.project == before.project)
        return;
    m_undoStack->push(new ProjectChangeCommand(this, text, std::move(before), std::move(after),
                                               mergeId, changesFile));
}

void Form1::pushListEdit(const QString &text, MenuListEdit &&edit, int currentBefore)
{
    if (edit.changesNothing())
        return;
    m_undoStack->push(
        new ListEditCommand(this, text, std::move(edit), currentBefore, currentPosition()));
}

void Form1::recordProjectChange(const QString &text, const MenuProject &before)
{
    if (currentSettings() == m_recorded)
        return;
    ProjectState old = captureState();
    old.project = before;
    pushChange(text, old);
}

void Form1::restoreProjectState(const ProjectState &state, bool withFile)
{
    applyProject(state.project, state.withItems);
    setCurrentRow(state.current);
    if (withFile)
        setProjectFile(state.filePath);
}

// Edits of the option controls by the user become undo steps; changes made by
// the program (a reset, a load, an undo) do not come through these signals.
void Form1::connectOptionEdits()
{
    for (QLineEdit *edit : m_options->findChildren<QLineEdit *>()) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, edit] { optionEdited(fieldName(edit), true); });
    }
    for (QComboBox *combo : m_options->findChildren<QComboBox *>()) {
        connect(combo, &QComboBox::activated, this,
                [this, combo] { optionEdited(fieldName(combo), false); });
    }
    for (QRadioButton *radio : m_options->findChildren<QRadioButton *>()) {
        connect(radio, &QRadioButton::clicked, this,
                [this, radio] { optionEdited(fieldName(radio), false); });
    }
    connect(m_cmbdialect, &QComboBox::activated, this, [this] {
        ProjectState before = captureState();
        before.project.dialect = m_recorded.dialect;
        pushChange(tr("Change Code"), before);
    });
}

void Form1::changeDialect(CodeDialect dialect)
{
    const ProjectState before = captureState();
    setDialect(dialect);
    pushChange(tr("Change Code"), before);
}

void Form1::optionEdited(const QString &field, bool typing)
{
    ProjectState before = captureState();
    before.project.options = m_recorded.options;
    pushChange(tr("Change %1").arg(field), before, typing ? typingId(field) : -1);
}

void Form1::setProjectFile(const QString &path)
{
    fileGuard()->setFile(path);
    m_filePath = path;
    setWindowFilePath(path);
    updateTitle();
}

void Form1::updateTitle()
{
    const bool modified = isProjectModified();
    if (m_filePath.isEmpty()) {
        setWindowTitle(modified ? QStringLiteral("Quillnav[*]") : QStringLiteral("Quillnav"));
    } else {
        QString name = QFileInfo(m_filePath).fileName();
        name.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
        setWindowTitle(name + QStringLiteral("[*] \u2014 Quillnav"));
    }
    setWindowModified(modified);
}

bool Form1::maybeSave()
{
    if (!isProjectModified())
        return true;
    const QString name = m_filePath.isEmpty() ? tr("Untitled")
                                              : QFileInfo(m_filePath).fileName();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"),
                    tr("The menu project \"%1\" has changes that were not saved.")
                        .arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("UnsavedChangesQuestion"));
    box.setInformativeText(tr("Do you want to save your changes?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveDocument(false);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool Form1::saveDocument(bool askForName)
{
    QString path = m_filePath;
    if (askForName || path.isEmpty())
        path = m_chooseSaveFile ? m_chooseSaveFile(this) : QString();
    if (path.isEmpty())
        return false;
    path = QFileInfo(path).absoluteFilePath();
    // Changes that another program saved to the file are not overwritten unseen.
    if (fileGuard()->isFile(path) && fileGuard()->compare() == ProjectFileGuard::DiskChange::Changed) {
        bool saveElsewhere = false;
        if (!confirmOverwriteChangedFile(&saveElsewhere))
            return saveElsewhere && saveDocument(true);
    }
    QString error;
    captureStyles();
    if (!saveProject(path, &error)) {
        showProblem(error);
        return false;
    }
    m_undoStack->setClean();
    fileGuard()->setFile(path, true);
    setProjectFile(path);
    RecentFiles::Add(path);
    updateRecentFiles();
    showStatus(tr("Saved the menu project to %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool Form1::openProject(const QString &path, QString *error)
{
    MenuProject project;
    if (!codelimit::load(path, &project, error))
        return false;
    project.site = SiteFolder::absolute(project.site, path);
    const ProjectState before = captureState();
    applyProject(project);
    fileGuard()->setFile(path, true);
    setProjectFile(QFileInfo(path).absoluteFilePath());
    pushChange(tr("Load Menu Project"), before, -1, true);
    m_undoStack->setClean();
    updateTitle();
    RecentFiles::Add(m_filePath);
    updateRecentFiles();
    return true;
}

bool Form1::loadDocument(const QString &path)
{
    if (!confirmOpenLockedFile(path))
        return false;
    QString error;
    if (!openProject(path, &error)) {
        showProblem(error);
        return false;
    }
    showStatus(tr("Loaded the menu project %1.").arg(QDir::toNativeSeparators(m_filePath)));
    return true;
}

void Form1::mnuFileNew_Click()
{
    if (!maybeSave())
        return;
    const ProjectState before = captureState();
    ResetMenuProject();
    setProjectFile(QString());
    if (before.project == currentProject() && before.filePath.isEmpty()) {
        m_recorded = currentSettings();
        return;
    }
    pushChange(tr("New Menu Project"), before, -1, true);
    m_undoStack->setClean();
    updateTitle();
}

void Form1::mnuFileLoad_Click()
{
    if (!maybeSave())
        return;
    const QString path = m_chooseOpenFile ? m_chooseOpenFile(this) : QString();
    if (!path.isEmpty())
        loadDocument(path);
}

void Form1::mnuFileSaveProj_Click()
{
    saveDocument(false);
}

void Form1::mnuFileSaveAs_Click()
{
    saveDocument(true);
}

void Form1::updateRecentFiles()
{
    const QStringList paths = RecentFiles::Read();
    for (int i = 0; i < m_recentfile.size(); ++i) {
        QAction *entry = m_recentfile.at(i);
        const QString path = paths.value(i);
        entry->setVisible(!path.isEmpty());
        entry->setData(path);
        if (path.isEmpty())
            continue;
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setToolTip(QDir::toNativeSeparators(path));
    }
    m_mnuFileSep3->setVisible(!paths.isEmpty());
}

void Form1::openRecentFile(int index)
{
    const QString path = m_recentfile.value(index) ? m_recentfile.at(index)->data().toString()
                                                   : QString();
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile()) {
        RecentFiles::Remove(path);
        updateRecentFiles();
        showProblem(tr("The menu project \"%1\" no longer exists. It has been removed "
                                   "from the list of recent files.")
                        .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (maybeSave())
        loadDocument(path);
}

// A project file dropped on the window is opened once the drop is over.
bool Form1::openDroppedProject(const QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return false;
    const QString path = urls.first().toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String("qnv"), Qt::CaseInsensitive) != 0)
        return false;
    QMetaObject::invokeMethod(
        this, [this, path] { if (maybeSave()) loadDocument(path); }, Qt::QueuedConnection);
    return true;
}

void Form1::showStatus(const QString &text)
{
    m_statusBar1->showMessage(text, 10000);
}
