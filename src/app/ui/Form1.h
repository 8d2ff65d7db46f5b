#pragma once

#include "app/ui/ProjectState.h"
#include "codegen/PreviewSession.h"
#include "menu/MenuProject.h"
#include "platform/ISubclass.h"
#include "styles/mAdvMenuvals.h"

#include <QEvent>
#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <functional>

class FrmAdvBttnOp;
class IgnoredStylesNotice;
class LivePreviewPane;
struct StartupFontLists;
class MenuItemModel;
class MenuListEdit;
class MenuOptionsPanel;
class ProjectFileGuard;
class QAction;
class QCheckBox;
class QComboBox;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class MenuListView;
class frmAdvMnuOp;
class QUndoStack;

// The main window: item entry, the menu item list with its commands, the menu
// options, the menu bar and the main toolbar. Enabled states of the list-
// dependent commands are set only by the availability pass (Timer1_Timer).
// The window is its own handler of the event that sets its size limits.
class Form1 : public QMainWindow, public ISubclass {
    Q_OBJECT
public:
    // Asks for a file name; an empty answer cancels.
    using FileChooser = std::function<QString(QWidget *parent)>;

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The font the window's design is drawn for.
    static QFont designFont();

    MenuItemModel *listModel() const { return m_model; }
    mAdvMenuvals &advMenuvals() { return m_advMenuvals; }
    MenuOptionsPanel *optionsPanel() const { return m_options; }
    // The two style dialogs, hidden between uses and kept until the window goes.
    frmAdvMnuOp *menuStyleDialog() const { return m_frmAdvMnuOp; }
    FrmAdvBttnOp *buttonStyleDialog() const { return m_FrmAdvBttnOp; }
    // The "Live Preview" pane (View menu).
    LivePreviewPane *livePreviewPane() const { return m_livePreview; }

    // Copies a style dialog into its record ("mnu" or "bttn"), or the record
    // back into the dialog; any other kind does nothing.
    void StoreAdvVals(const QString &kind);
    void RestoreAdvVals(const QString &kind);

    // Fills the font lists of both style dialogs (sorted) and selects
    // "MS Sans Serif" where present, else the second font.
    void fillStyleFontLists(const QStringList &families);
    // The font and size lists of both style dialogs, for the start-up.
    StartupFontLists styleFontLists();

    // A snapshot of the project: the list, the options from their controls and
    // the two style records.
    MenuProject currentProject() const;
    // Replaces the project: list (unless withItems is false), option controls
    // (with their enabling) and records.
    void applyProject(const MenuProject &project, bool withItems = true);

    QString ValidateMenuOptions();

    // The site folder the menu serves, absolute (empty: none). The project
    // file holds it relative to its own folder.
    QString siteFolder() const;
    // Sets the site folder as the user's choice does: one undoable step.
    void changeSiteFolder(const QString &folder);

    // The dialect of the generated code (the "Code:" choice at the toolbar's right end).
    CodeDialect dialect() const;
    void setDialect(CodeDialect dialect);
    // Changes the dialect as the user's choice does: one undoable step.
    void changeDialect(CodeDialect dialect);
    // The notice that a classic project's styles will not show in browsers.
    IgnoredStylesNotice *ignoredStylesNotice() const { return m_ignoredStyles; }

    // Loads a project file as the window's document (an undoable step; the
    // file becomes the current file and heads the recent files). On failure
    // the current project stays as it was.
    bool openProject(const QString &path, QString *error);
    // Writes the project to a file; the document's state is not changed.
    bool saveProject(const QString &path, QString *error) const;
    // Loads a project file as the user's command does: asks first when the
    // file is open in another window or copy of Quillnav, and shows a failure.
    bool loadDocument(const QString &path);
    // The project file's lock and watcher.
    ProjectFileGuard *fileGuard();

    // The document: its file (empty for a new project) and its undo history,
    // whose clean state is the project as last loaded or saved.
    QString projectFilePath() const { return m_filePath; }
    QUndoStack *undoStack() const { return m_undoStack; }
    bool isProjectModified() const;

    // Records a change that was made to the project since `before` (a style
    // dialog confirmed, a control changed) as one undoable step named `text`.
    // Nothing is recorded when the project is as it was last recorded.
    void recordProjectChange(const QString &text, const MenuProject &before);
    // Puts the window back into a recorded state (undo and redo).
    void restoreProjectState(const ProjectState &state, bool withFile);
    // Makes a row current and scrolls the list to it (undo and redo of list edits).
    void showCurrentRow(int position);

    // Asks whether to save a changed project before it is replaced or the
    // window closes: true to go on (saved or discarded), false to stop.
    bool maybeSave();

    // 1-based position of the current row, 0 when there is none.
    int currentPosition() const;

    // Replace the file dialogs (the load and the save question).
    void setOpenFileChooser(FileChooser chooser) { m_chooseOpenFile = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { m_chooseSaveFile = std::move(chooser); }
    // Replaces the file dialog of the import (a web page).
    void setImportFileChooser(FileChooser chooser) { m_chooseImportFile = std::move(chooser); }
    // Replaces the folder dialog of the site folder.
    void setSiteFolderChooser(FileChooser chooser) { m_chooseSiteFolder = std::move(chooser); }
    void setSitemapFileChooser(FileChooser chooser) { m_chooseSitemapFile = std::move(chooser); }

signals:
    // The dialect choice changed, by the user or by loading or resetting a project.
    void dialectChanged(CodeDialect dialect);

public slots:
    // File, Preview and Help menus, and the main toolbar.
    void mnuFileNew_Click();
    void mnuFileLoad_Click();
    void mnuFileSaveProj_Click();
    void mnuFileSaveAs_Click();
    void mnuFileImport_Click();
    void mnuFilePublish_Click();
    void mnuFileUnpublish_Click();
    void mnuFileFromSite_Click();
    void mnuFileFromSitemap_Click();
    void mnuToolsCheckLinks_Click();
    void openRecentFile(int index);
    void mnuFileCopy_Click();
    void mnuFileCodeFile_Click();
    void mnuFileExit_Click();
    void mnuPrevBr_Click();
    void mnuHlpCont_Click();
    void mnuHelpTut_Click();
    void mnuHelpCtx_Click();
    void mnuHlpAb_Click();
    void cmdAdvMnu_Click();
    void cmdBttnAdv_Click();
    void Command1_Click();
    void Toolbar1_ButtonClick(const QString &key);
    void ResetMenuProject();

    // Item entry.
    void additemcmd_Click();
    // Edit > Insert Below Current: the typed entry goes below the current row.
    void mnuInsertBelow_Click();
    void Addsepcmd_Click();
    void cmdup_Click();
    void mnuListPopEdt_Click();
    void notlinkchk_Click();

    // List commands (popup menu and list toolbar).
    void mnuListPopMovUp_Click();
    void mnuListPopMovDn_Click();
    void mnuListPopInd_Click();
    void mnuListPopUnind_Click();
    void mnuListPopDefSel_Click();
    void mnuListPopRem_Click();
    void tb2_ButtonClick(const QString &key);
    // A row dragged from `from` was dropped to end at `to`: one undoable move.
    void moveDroppedRow(int from, int to);
    void lv_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &globalPos);
    void lv_ItemClick(int position);

    // Menu options.
    void buttonpropopt_Click();
    void menubehavopt_Click(int index);
    void targetcombo_Click();

    // The availability pass, and the request for one.
    void Timer1_Timer();
    void armAvailabilityPass();

    void Form_Resize();


public:
    // Start-up: everything between building the window and showing it; the
    // style dialogs' lists come in `lists`, the fonts from the font database
    // unless given.
    void RunStartup(const StartupFontLists &lists);
    void RunStartup(const StartupFontLists &lists, const QStringList &families);
    // Shut-down: closes every other window of the program (as the program's
    // own closing), detaches the size limits and deletes the preview pages.
    void Form_QueryUnload();
    void Form_Unload();

    // The event through which the window's size limits are set: Qt sends it
    // when the window's layout (and with it its minimum size) is computed.
    static constexpr int kSizeLimitsMessage = QEvent::LayoutRequest;

    // Smallest size the user can give the window, in pixels: its start-up size.
    int MinTrackWidth = 0;
    int MinTrackHeight = 0;

    // Size limits: the minimum becomes MinTrackWidth × MinTrackHeight.
    int MsgResponse() const override { return RespConsume; }
    void MsgResponse(int) override {}
    bool WindowProc(QObject *hWnd, int iMsg, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Form_Load();

    // Construction, by area.
    void buildRegions();
    void buildItemProperties();
    void buildList();
    void buildListToolbar();
    void buildListPopup();
    void buildMenuBar();
    void buildMainToolbar();
    void buildDialectChoice();
    void placeRegions();
    void mirrorRegions(bool mirrored);
    void connectAvailabilityInputs();
    void buildStyleDialogs();
    void buildEditMenu();
    void connectOptionEdits();
    void connectKeyboard();
    // Warnings about texts and names that classic code cannot carry.
    void buildClassicTips();
    void updateClassicTips();
    // Access keys of the fields and the Tab order of the window.
    void setFocusOrder();

    // The document.
    ProjectState captureState() const;
    // Everything of the project but its list.
    MenuProject currentSettings() const;
    // Records the change since `before` as one undo step, unless nothing
    // changed. A step whose list did not change keeps no copy of the list.
    void pushChange(const QString &text, ProjectState before, int mergeId = -1,
                    bool changesFile = false);
    // Records a change of the list made through `edit` as one undo step that
    // keeps only the rows it touched; `currentBefore` is the row that was current.
    void pushListEdit(const QString &text, MenuListEdit &&edit, int currentBefore);
    void optionEdited(const QString &field, bool typing);
    void setProjectFile(const QString &path);
    void updateTitle();
    bool saveDocument(bool askForName);
    // The project file on disk: the questions when it was changed by another
    // program and when another window has it open.
    void projectFileTouched();
    bool confirmOverwriteChangedFile(bool *saveElsewhere);
    bool confirmOpenLockedFile(const QString &path);
    void updateRecentFiles();
    void showStatus(const QString &text);
    bool openDroppedProject(const QDropEvent *event);

    // Item entry helpers.
    QString encodedItemText() const;
    void writeLinkColumns(MenuItem *item) const;
    void transferDefaultSelection(MenuListEdit &edit, int candidate);
    void clearItemFields();
    void addItemAt(int position, const QString &undoText);
    bool linktextDragEvent(QEvent *event);

    // List helpers.
    void setCurrentRow(int position);
    void ensureCurrentRow();
    bool listMouseEvent(QEvent *event);
    void openListPopupAtCurrentRow();
    void itemFieldReturn();
    bool keyboardEvent(QObject *watched, QEvent *event);
    void removeRowWithoutScrolling(MenuListEdit &edit, int position);
    QAction *toolbarAction(const QString &key) const { return m_toolbar1Keys.value(key); }
    QAction *listToolbarAction(const QString &key) const { return m_tb2Keys.value(key); }

    void showProblem(const QString &message);
    // Publishes the menu into the site's pages or takes it out (SitePublisher::Action).
    void publishToPages(int action);
    // Puts a menu made from the site in place of the project (one undo step named undoText).
    void takeSiteMenu(MenuProject project, const QString &undoText, const QStringList &notes);
    // Every command that hands out code or saves the project captures the
    // style dialogs first.
    void captureStyles();

    MenuItemModel *m_model = nullptr;
    mAdvMenuvals m_advMenuvals;
    frmAdvMnuOp *m_frmAdvMnuOp = nullptr;
    FrmAdvBttnOp *m_FrmAdvBttnOp = nullptr;
    LivePreviewPane *m_livePreview = nullptr;
    IgnoredStylesNotice *m_ignoredStyles = nullptr;

    QWidget *m_client = nullptr;
    QToolBar *m_toolbar1 = nullptr;
    QHash<QString, QAction *> m_toolbar1Keys;
    QWidget *m_dialectBox = nullptr;
    QComboBox *m_cmbdialect = nullptr;
    QStatusBar *m_statusBar1 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    MenuOptionsPanel *m_options = nullptr;

    QLabel *m_itemtextlbl = nullptr;
    QLineEdit *m_itemtexttext = nullptr;
    QLabel *m_linklbl = nullptr;
    QLineEdit *m_linktext = nullptr;
    QCheckBox *m_chkindent = nullptr;
    QCheckBox *m_chksel = nullptr;
    QCheckBox *m_notlinkchk = nullptr;
    QPushButton *m_additemcmd = nullptr;
    QPushButton *m_Addsepcmd = nullptr;
    QPushButton *m_cmdup = nullptr;
    QLabel *m_lblclassictip = nullptr;

    MenuListView *m_lv = nullptr;
    QToolBar *m_tb2 = nullptr;
    QHash<QString, QAction *> m_tb2Keys;
    QMenu *m_mnuListPop = nullptr;
    QAction *m_mnuListPopMovUp = nullptr;
    QAction *m_mnuListPopMovDn = nullptr;
    QAction *m_mnuListPopInd = nullptr;
    QAction *m_mnuListPopUnind = nullptr;
    QAction *m_mnuListPopDefSel = nullptr;
    QAction *m_mnuListPopEdt = nullptr;
    QAction *m_mnuListPopRem = nullptr;

    QAction *m_mnuFileSaveProj = nullptr;
    QAction *m_mnuFileCopy = nullptr;
    QAction *m_mnuFileCodeFile = nullptr;
    QAction *m_mnuPrevBr = nullptr;
    QAction *m_mnuFileSaveAs = nullptr;
    QAction *m_mnuEditUndo = nullptr;
    QAction *m_mnuEditRedo = nullptr;
    QAction *m_mnuInsertBelow = nullptr;
    QAction *m_mnuFileSep3 = nullptr;
    QList<QAction *> m_recentfile;

    QUndoStack *m_undoStack = nullptr;
    // The project as the undo history last left it, without its list.
    MenuProject m_recorded;
    QString m_filePath;
    ProjectFileGuard *m_fileGuard = nullptr;
    bool m_askingAboutDisk = false;
    // Set while the item fields hold a row loaded by Edit: Return then updates.
    bool m_editingRow = false;

    QTimer *m_timer1 = nullptr;
    // Set when a mouse button goes down over the list, cleared by every pass.
    bool m_listClickBusy = false;
    // Whether that button was the right one; cleared after the popup decision.
    bool m_rightButton = false;
    bool m_waitingForPass = false;
    QPoint m_pressGlobalPos;

    // The browser preview's pages of this run; deleted when the window closes.
    PreviewSession m_previewSession;

    FileChooser m_chooseOpenFile;
    FileChooser m_chooseSaveFile;
    FileChooser m_chooseSiteFolder;
    // Whether publishing selects each page's own entry (a project setting
    // without a control in the main window).
    bool m_selectCurrentPage = true;
    FileChooser m_chooseImportFile;
    FileChooser m_chooseSitemapFile;
};
