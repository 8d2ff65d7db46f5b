#pragma once

// The main window's own part, behind Form1.h: its widgets and commands'
// objects, and the steps that build and run the window. Only Form1's own
// files include this.
#include "app/FileChoosers.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>

class CodeActions;
class Form1;
class FrmAdvBttnOp;
class IgnoredStylesNotice;
class ImportActions;
class LinkCheckActions;
class LivePreviewPane;
class MenuDocument;
class MenuItemModel;
class MenuListEdit;
class MenuListView;
class MenuOptionsPanel;
class PublishActions;
class QAction;
class QCheckBox;
class QComboBox;
class QDropEvent;
class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QObject;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class QWidget;
class TransferActions;
class SiteMenuActions;
class frmAdvMnuOp;
struct MenuItem;

class Form1Private {
public:
    explicit Form1Private(Form1 *window) : q(window) {}

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

    // The document in the window: its title, its file and the questions
    // about it.
    void updateTitle();
    bool saveDocument(bool askForName);
    void openRecentFile(int index);
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
    void moveDroppedRow(int from, int to);
    bool listMouseEvent(QEvent *event);
    void openListPopupAtCurrentRow();
    void itemFieldReturn();
    bool keyboardEvent(QObject *watched, QEvent *event);
    // Requests one availability pass.
    void armAvailabilityPass();
    QAction *toolbarAction(const QString &key) const { return m_toolbar1Keys.value(key); }
    QAction *listToolbarAction(const QString &key) const { return m_tb2Keys.value(key); }

    MenuItemModel *m_model = nullptr;
    MenuDocument *m_document = nullptr;
    FileChoosers m_choosers;
    CodeActions *m_code = nullptr;
    ImportActions *m_import = nullptr;
    PublishActions *m_publish = nullptr;
    SiteMenuActions *m_siteMenu = nullptr;
    LinkCheckActions *m_linkCheck = nullptr;
    TransferActions *m_transfer = nullptr;
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
    QAction *m_mnuUploadToServer = nullptr;
    QAction *m_mnuGetFromServer = nullptr;
    QAction *m_mnuEditUndo = nullptr;
    QAction *m_mnuEditRedo = nullptr;
    QAction *m_mnuInsertBelow = nullptr;
    QAction *m_mnuFileSep3 = nullptr;
    QList<QAction *> m_recentfile;

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

    Form1 *q;
};
