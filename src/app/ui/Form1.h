#pragma once

#include "app/FileChoosers.h"
#include "platform/ISubclass.h"

#include <QEvent>
#include <QMainWindow>

#include <memory>

class Form1Private;
class FrmAdvBttnOp;
class MenuDocument;
class QDragMoveEvent;
class QDropEvent;
class frmAdvMnuOp;
struct StartupFontLists;

// The main window: item entry, the menu item list with its commands, the menu
// options, the menu bar and the main toolbar. It holds the widgets and asks
// the user the questions; the project itself is its MenuDocument (the list
// shown in `lv`, the options in the options panel, the style records), and
// the commands of publishing, the site, the link check, the import and the
// code are actions classes of their own subsystems. Enabled states of the
// list-dependent commands are set only by the availability pass
// (Timer1_Timer). The window is its own handler of the event that sets its
// size limits.
class Form1 : public QMainWindow, public ISubclass {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The font the window's design is drawn for.
    static QFont designFont();

    // The project shown in this window, for the whole run.
    MenuDocument *document() const;
    // The file and folder dialogs of the window's commands.
    FileChoosers &choosers();
    // The two style dialogs, hidden between uses and kept until the window goes.
    frmAdvMnuOp *menuStyleDialog() const;
    FrmAdvBttnOp *buttonStyleDialog() const;

    // Copies a style dialog into its record ("mnu" or "bttn"), or the record
    // back into the dialog; any other kind does nothing.
    void StoreAdvVals(const QString &kind);
    void RestoreAdvVals(const QString &kind);

    // Fills the font lists of both style dialogs (sorted) and selects
    // "MS Sans Serif" where present, else the second font.
    void fillStyleFontLists(const QStringList &families);
    // The font and size lists of both style dialogs, for the start-up.
    StartupFontLists styleFontLists();

    QString ValidateMenuOptions();

    // Asks whether to save a changed project before it is replaced or the
    // window closes: true to go on (saved or discarded), false to stop.
    bool maybeSave();
    // Loads a project file as the user's command does: asks first when the
    // file is open in another window or copy of Quillnav, and shows a failure.
    bool loadDocument(const QString &path);

    // 1-based position of the current row, 0 when there is none.
    int currentPosition() const;

public slots:
    // File, Preview and Help menus, and the main toolbar.
    void mnuFileNew_Click();
    void mnuFileLoad_Click();
    void mnuFileSaveProj_Click();
    void mnuFileSaveAs_Click();
    void mnuFileCopy_Click();
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
    void lv_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint &globalPos);
    void lv_ItemClick(int position);

    // Menu options.
    void buttonpropopt_Click();
    void menubehavopt_Click(int index);
    void targetcombo_Click();

    // The availability pass.
    void Timer1_Timer();

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

    friend class Form1Private;
    std::unique_ptr<Form1Private> d;
};
