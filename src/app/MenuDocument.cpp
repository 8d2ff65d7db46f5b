#include "app/MenuDocument.h"

#include "app/ListEditCommand.h"
#include "app/Preferences.h"
#include "app/ProjectChangeCommand.h"
#include "app/ProjectFileGuard.h"
#include "codegen/CodeLimit.h"
#include "menu/MenuItemModel.h"
#include "menu/MenuListEdit.h"
#include "menu/MenuOptionsSource.h"
#include "menu/ProjectFile.h"
#include "site/SiteFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

MenuDocument::MenuDocument(MenuItemModel *model, QObject *parent) : QObject(parent), m_model(model)
{
    setObjectName(QStringLiteral("menuDocument"));
    m_undoStack = new QUndoStack(this);
    m_undoStack->setObjectName(QStringLiteral("undoStack"));
    m_undoStack->setUndoLimit(100);
    connect(m_undoStack, &QUndoStack::indexChanged, this, &MenuDocument::changed);
    connect(m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

MenuDocument::~MenuDocument()
{
    m_undoStack->disconnect(this);
}

void MenuDocument::setOptionsSource(MenuOptionsSource *source)
{
    m_options = source;
}

void MenuDocument::startHistory()
{
    m_recorded = currentSettings();
}

MenuProject MenuDocument::currentSettings() const
{
    MenuProject project;
    if (m_options) {
        project.options = m_options->options();
        project.site = m_options->siteFolder();
    }
    project.menuStyle = m_styles.mnu;
    project.buttonStyle = m_styles.bttn;
    project.dialect = m_dialect;
    project.selectCurrentPage = m_selectCurrentPage;
    project.backups = m_backupFolder;
    project.lang = m_lang;
    project.server = m_server;
    return project;
}

MenuProject MenuDocument::project() const
{
    MenuProject project = currentSettings();
    project.items = m_model->items();
    return project;
}

MenuProject MenuDocument::capturedProject()
{
    if (m_styleCapture)
        m_styleCapture();
    return project();
}

void MenuDocument::applyProject(const MenuProject &project, bool withItems)
{
    if (withItems)
        m_model->setItems(project.items);
    if (m_options)
        m_options->setOptions(project.options);
    m_styles.mnu = project.menuStyle;
    m_styles.bttn = project.buttonStyle;
    setDialect(project.dialect);
    // The document holds the site folder absolute; a project from a file holds
    // it relative to the file (see load, writeTo).
    if (m_options)
        m_options->setSiteFolder(project.site);
    m_selectCurrentPage = project.selectCurrentPage;
    m_backupFolder = project.backups;
    m_lang = project.lang;
    m_server = project.server;
    // The dialogs show the records, and the records hold what the dialogs can
    // show (a border thickness under "No Border", for one, is dropped).
    emit stylesRestored();
    m_recorded = currentSettings();
}

void MenuDocument::setDialect(CodeDialect dialect)
{
    if (dialect == m_dialect)
        return;
    m_dialect = dialect;
    emit dialectChanged(dialect);
}

QString MenuDocument::siteFolder() const
{
    return m_options ? m_options->siteFolder() : QString();
}

ProjectState MenuDocument::captureState() const
{
    return {project(), m_currentRow ? m_currentRow() : 0, m_filePath};
}

void MenuDocument::pushChange(const QString &text, ProjectState before, int mergeId, bool changesFile)
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
    m_undoStack->push(
        new ProjectChangeCommand(this, text, std::move(before), std::move(after), mergeId, changesFile));
}

void MenuDocument::recordChange(const QString &text, int mergeKey)
{
    if (currentSettings() == m_recorded)
        return;
    ProjectState before = captureState();
    const QList<MenuItem> items = before.project.items;
    before.project = m_recorded;
    before.project.items = items;
    pushChange(text, before, mergeKey);
}

void MenuDocument::changeDialect(CodeDialect dialect)
{
    const ProjectState before = captureState();
    setDialect(dialect);
    pushChange(tr("Change Code"), before);
}

void MenuDocument::changeSiteFolder(const QString &folder)
{
    const ProjectState before = captureState();
    if (m_options)
        m_options->setSiteFolder(
            folder.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(folder)));
    pushChange(tr("Change Site Folder"), before);
}

void MenuDocument::changeSelectCurrentPage(bool select)
{
    if (select == m_selectCurrentPage)
        return;
    const ProjectState before = captureState();
    m_selectCurrentPage = select;
    pushChange(tr("Change Current Page Selection"), before);
}

void MenuDocument::changePageLanguage(const QString &tag)
{
    if (tag == m_lang)
        return;
    const ProjectState before = captureState();
    m_lang = tag;
    pushChange(tr("Change Language of the Page"), before);
}

void MenuDocument::changeServer(const QString &address)
{
    if (address == m_server)
        return;
    const ProjectState before = captureState();
    m_server = address;
    pushChange(tr("Change Server"), before);
}

void MenuDocument::applyListEdit(const QString &text, MenuListEdit &&edit, int currentBefore)
{
    if (edit.changesNothing())
        return;
    m_undoStack->push(
        new ListEditCommand(this, text, std::move(edit), currentBefore, m_currentRow ? m_currentRow() : 0));
}

void MenuDocument::replaceProject(const MenuProject &project, const QString &text)
{
    const ProjectState before = captureState();
    applyProject(project);
    pushChange(text, before);
}

void MenuDocument::startProject(const MenuProject &project, const QString &text)
{
    const ProjectState before = captureState();
    applyProject(project);
    setFilePath(QString());
    pushChange(text, before, -1, true);
}

void MenuDocument::restoreState(const ProjectState &state, bool withFile)
{
    applyProject(state.project, state.withItems);
    emit currentRowRequested(state.current, false);
    if (withFile)
        setFilePath(state.filePath);
}

void MenuDocument::resetProject()
{
    if (m_options) {
        m_options->setOptions(MenuOptions{});
        m_options->setSiteFolder(QString());
    }
    m_selectCurrentPage = true;
    m_backupFolder.clear();
    m_lang = pagelanguage::forNewProjects();
    m_server.clear();
    setDialect(Preferences::NewMenuDialect());
    m_model->clear();
}

void MenuDocument::newProject(const std::function<void()> &reset)
{
    const ProjectState before = captureState();
    if (reset)
        reset();
    else
        resetProject();
    setFilePath(QString());
    if (before.project == project() && before.filePath.isEmpty()) {
        m_recorded = currentSettings();
        return;
    }
    pushChange(tr("New Menu Project"), before, -1, true);
    m_undoStack->setClean();
}

bool MenuDocument::load(const QString &path, QString *error)
{
    MenuProject project;
    if (!codelimit::load(path, &project, error))
        return false;
    project.site = SiteFolder::absolute(project.site, path);
    project.backups = SiteFolder::absolute(project.backups, path);
    const ProjectState before = captureState();
    applyProject(project);
    fileGuard()->setFile(path, true);
    setFilePath(QFileInfo(path).absoluteFilePath());
    pushChange(tr("Load Menu Project"), before, -1, true);
    m_undoStack->setClean();
    return true;
}

MenuDocument::SaveOutcome MenuDocument::save(const QString &chosen, QString *error, bool overwriteChangedFile)
{
    const QString path = QFileInfo(chosen).absoluteFilePath();
    // Changes that another program saved to the file are not overwritten unseen.
    if (!overwriteChangedFile && fileGuard()->isFile(path)
        && fileGuard()->compare() == ProjectFileGuard::DiskChange::Changed)
        return SaveOutcome::ChangedOnDisk;
    if (m_styleCapture)
        m_styleCapture();
    if (!writeTo(path, error))
        return SaveOutcome::Failed;
    m_undoStack->setClean();
    fileGuard()->setFile(path, true);
    setFilePath(path);
    return SaveOutcome::Saved;
}

bool MenuDocument::writeTo(const QString &path, QString *error) const
{
    MenuProject project = this->project();
    project.site = SiteFolder::fieldFor(project.site, path);
    project.backups = SiteFolder::fieldFor(project.backups, path);
    return ProjectFile::save(path, project, error);
}

bool MenuDocument::isModified() const
{
    return !m_undoStack->isClean();
}

ProjectFileGuard *MenuDocument::fileGuard()
{
    if (!m_fileGuard) {
        m_fileGuard = new ProjectFileGuard(this);
        connect(m_fileGuard, &ProjectFileGuard::touched, this, &MenuDocument::fileTouched);
    }
    return m_fileGuard;
}

void MenuDocument::setFilePath(const QString &path)
{
    fileGuard()->setFile(path);
    const bool other = path != m_filePath;
    m_filePath = path;
    if (other)
        emit filePathChanged(path);
}
