#pragma once

#include "app/ProjectState.h"
#include "menu/MenuProject.h"
#include "styles/mAdvMenuvals.h"

#include <QObject>
#include <QString>

#include <functional>

class MenuItemModel;
class MenuListEdit;
class MenuOptionsSource;
class ProjectFileGuard;
class QUndoStack;

// The menu project as a document: what makes it up, its undo history, its
// file and the guard over that file. The project has no second copy: the
// item list is the model the main window's list shows, the menu options and
// the site folder are read and written through the options panel
// (MenuOptionsSource), the style records are the last confirmed copy of the
// style dialogs (written on their OK). The document holds what no control
// holds: the code dialect, whether publishing selects each page's own entry,
// the language of the pages, the file's path, and the history, whose clean state is the project as last
// loaded or saved.
//
// Every change is one step of the history: a list edit keeps only the rows it
// touched (ListEditCommand), any other change the project before and after
// it (ProjectChangeCommand). Undo and redo put the project back through this
// document and ask, with currentRowRequested, for the row that was current.
class MenuDocument : public QObject {
    Q_OBJECT
public:
    enum class SaveOutcome {
        Saved,
        // Another program changed the file since it was loaded or saved here;
        // nothing was written (save again with overwriteChangedFile to replace it).
        ChangedOnDisk,
        Failed,
    };

    explicit MenuDocument(MenuItemModel *model, QObject *parent = nullptr);
    ~MenuDocument() override;

    // The parts held elsewhere, set once by the window that holds them: the
    // options, how the style dialogs are copied into their records before
    // code is handed out or the project saved, and the list's current row
    // (1-based, 0 for none).
    void setOptionsSource(MenuOptionsSource *source);
    void setStyleCapture(std::function<void()> capture) { m_styleCapture = std::move(capture); }
    void setCurrentRowSource(std::function<int()> current) { m_currentRow = std::move(current); }
    // Takes the project as it now stands as where the history starts.
    void startHistory();

    MenuItemModel *model() const { return m_model; }
    mAdvMenuvals &styles() { return m_styles; }
    const mAdvMenuvals &styles() const { return m_styles; }

    // A snapshot of the project.
    MenuProject project() const;
    // The project after the style dialogs were copied into their records:
    // what code is made from and files are written from.
    MenuProject capturedProject();
    // Replaces the project (the list too unless withItems is false) without a
    // step of the history; the style dialogs are then restored from the records.
    void applyProject(const MenuProject &project, bool withItems = true);

    CodeDialect dialect() const { return m_dialect; }
    void setDialect(CodeDialect dialect);
    QString siteFolder() const;
    // The site's server as the project names it (ServerAddress); empty: none.
    QString server() const { return m_server; }
    bool selectCurrentPage() const { return m_selectCurrentPage; }
    // Where publishing keeps its backups (absolute; empty: in the site), as the project file names it.
    QString backupFolder() const { return m_backupFolder; }
    // The language the HTML5 pages declare (see PageLanguage).
    QString pageLanguage() const { return m_lang; }

    // Changes as the user makes them, each one step of the history.
    void changeDialect(CodeDialect dialect);
    // The folder is made absolute; empty: none.
    void changeSiteFolder(const QString &folder);
    void changeSelectCurrentPage(bool select);
    // A valid language tag (pagelanguage::isValid).
    void changePageLanguage(const QString &tag);
    // An address that ServerAddress accepts, or empty for none.
    void changeServer(const QString &address);
    // Records a change of the options or the styles that has been made since
    // the history's last step, as one step named `text`; steps with the same
    // merge key that follow each other become one. Nothing is recorded when
    // nothing changed.
    void recordChange(const QString &text, int mergeKey = -1);
    // Records a change of the list made through `edit`; `currentBefore` is the
    // row that was current before it.
    void applyListEdit(const QString &text, MenuListEdit &&edit, int currentBefore);
    // Puts another project in place of this one as one step; the file stays.
    void replaceProject(const MenuProject &project, const QString &text);
    // Puts a newly made project in place of this one as one step named
    // `text`, as a new document: untitled (the next save asks for a name)
    // and not saved. Undo brings back the earlier project and its file.
    void startProject(const MenuProject &project, const QString &text);

    // A new project, made by `reset` (which calls resetProject), without a
    // file; the history's clean state.
    void newProject(const std::function<void()> &reset);
    // Options at their start-up values, no site folder, no rows, the dialect
    // preferred for new menus and the window's language; the style records stay.
    void resetProject();
    // Loads a project file (an undoable step; the file becomes the document's
    // file). On failure the project stays as it was and `error` names the file.
    bool load(const QString &path, QString *error);
    // Saves to `path` as the document's file from then on; refuses, unless
    // told to overwrite, a file that another program changed since it was
    // loaded or saved here.
    SaveOutcome save(const QString &path, QString *error, bool overwriteChangedFile = false);
    // Writes the project to a file; the document's state is not changed.
    bool writeTo(const QString &path, QString *error) const;

    QString filePath() const { return m_filePath; }
    QUndoStack *undoStack() const { return m_undoStack; }
    bool isModified() const;
    // The project file's lock and watcher.
    ProjectFileGuard *fileGuard();

    // Puts the project back into a recorded state (undo and redo).
    void restoreState(const ProjectState &state, bool withFile);

signals:
    // A step of the history was made, undone or redone.
    void changed();
    // The row to make current after an undo or redo (1-based; scroll: bring it into view).
    void currentRowRequested(int position, bool scroll);
    // The dialect changed, by the user, a load, an undo or a new project.
    void dialectChanged(CodeDialect dialect);
    void filePathChanged(const QString &path);
    void modifiedChanged(bool modified);
    // The style records were replaced: the style dialogs show them again.
    void stylesRestored();
    // Something happened to the project file on disk (see ProjectFileGuard).
    void fileTouched();

private:
    ProjectState captureState() const;
    // Everything of the project but its list.
    MenuProject currentSettings() const;
    // Records the change since `before` as one step, unless nothing changed.
    // A step whose list did not change keeps no copy of the list.
    void pushChange(const QString &text, ProjectState before, int mergeId = -1, bool changesFile = false);
    void setFilePath(const QString &path);

    MenuItemModel *m_model;
    MenuOptionsSource *m_options = nullptr;
    mAdvMenuvals m_styles;
    CodeDialect m_dialect = CodeDialect::Classic;
    bool m_selectCurrentPage = true;
    QString m_backupFolder;
    QString m_lang = pagelanguage::forNewProjects();
    QString m_server; // the site's server, kept as the file holds it
    std::function<void()> m_styleCapture;
    std::function<int()> m_currentRow;
    QUndoStack *m_undoStack = nullptr;
    // The project as the history last left it, without its list.
    MenuProject m_recorded;
    QString m_filePath;
    ProjectFileGuard *m_fileGuard = nullptr;
};
