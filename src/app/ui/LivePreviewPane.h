#pragma once

#include "app/ui/LivePreviewStatus.h"
#include "codegen/PreviewPageParts.h"

#include <QDockWidget>
#include <QElapsedTimer>
#include <QPointF>

#include <functional>

class FrmAdvBttnOp;
class LivePreviewPage;
class LivePreviewRoom;
class PreviewSchemeHandler;
class MenuDocument;
class QLabel;
class QMainWindow;
class QTimer;
class QVBoxLayout;
class QWebEngineProfile;
class QWebEngineView;
class frmAdvMnuOp;

// The "Live Preview" pane of the main window: the menu page exactly as the
// browser preview shows it, in the project's dialect, drawn by Qt WebEngine
// from memory. It follows every change of the document (every change goes
// through its undo history) and of the dialect, coalesced, and
// keeps its scroll position. The web view is made when the pane is first
// shown (a pane shown with the window once the window has been painted:
// the engine's start takes a while, the longer the more fonts there are);
// a hidden pane does no work. Where Qt WebEngine cannot start the pane says
// why and the window works on.
class LivePreviewPane : public QDockWidget {
    Q_OBJECT
public:
    // The shortest time between the starts of two updates: a change after a
    // quiet spell is shown at once, and the changes that follow it within
    // this time are shown together by one update.
    static constexpr int kUpdateDelayMs = 40;
    // How long an update waits for the page before it, when that page never
    // says it was drawn (a renderer that stopped).
    static constexpr int kDrawnWaitMs = 2000;

    // `ownMinimum` is the window's smallest size without the pane.
    LivePreviewPane(QMainWindow *window, MenuDocument *document, std::function<QSize()> ownMinimum);
    ~LivePreviewPane() override;

    // Places the pane as the settings store last had it (hidden by default)
    // and from then on keeps the user's choices there.
    void restoreFromSettings();

    // The page shown; null until the pane was first shown or when the engine
    // could not start.
    LivePreviewPage *page() const { return m_page; }
    // What the docked pane adds to the window's smallest size.
    QSize extraMinimum() const;

    // The style dialogs: while one is open the page shows its controls.
    void followStyleDialogs(frmAdvMnuOp *menu, FrmAdvBttnOp *button);

    // Makes the banner shown above the page, when the pane's contents are made.
    void setBannerMaker(std::function<QWidget *(QWidget *parent)> maker) { m_bannerMaker = std::move(maker); }

public slots:
    // A change to show: the update runs at once after a quiet spell, else
    // once the page before is drawn and kUpdateDelayMs after the last update.
    void scheduleUpdate();
    // Generates the page now and shows it: the page shown takes the changed
    // entries and styles in place; a change of anything else loads it anew.
    void updateNow();
    // Generates the page now and loads it anew, whatever changed.
    void loadAnew();

signals:
    // The page of the last update has been drawn.
    void pageDrawn();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update(bool anew);
    void ensureBody();
    void startEngine();
    void createView();
    void showProblem(const QString &text);
    void setStatus(const QString &text);
    void saveSetting(const QString &key, const QString &value);
    void makeRoom(bool shown);

    QMainWindow *m_window;
    MenuDocument *m_document;
    frmAdvMnuOp *m_menuDialog = nullptr;
    FrmAdvBttnOp *m_buttonDialog = nullptr;
    LivePreviewRoom *m_room = nullptr;
    std::function<QWidget *(QWidget *parent)> m_bannerMaker;
    QWidget *m_body = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_problem = nullptr;
    QTimer *m_timer = nullptr;
    QWebEngineProfile *m_profile = nullptr;
    PreviewSchemeHandler *m_handler = nullptr;
    QWebEngineView *m_view = nullptr;
    LivePreviewPage *m_page = nullptr;
    bool m_triedEngine = false;
    bool m_windowPainted = false;
    bool m_engineWaits = false; // for the window's first paint
    bool m_stale = true;
    bool m_drawing = false;     // the last update's page is not drawn yet
    QElapsedTimer m_lastUpdate; // since the last update started
    int m_serial = 0;
    PreviewPageParts m_shown;  // the page shown, or on its way
    bool m_shownDrawn = false; // a page loaded has been drawn: its script can take parts
    LivePreviewStatus m_pickStatus;
};
