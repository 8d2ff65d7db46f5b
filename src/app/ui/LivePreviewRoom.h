#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class QDockWidget;
class QMainWindow;

// The room the live preview pane takes in the main window. The window's own
// smallest size is that without the pane; a docked pane adds its own smallest
// size to it, so neither the window's controls nor the pane are ever cut.
// Showing the pane widens (or heightens) the window by the pane within the
// screen's available area; where the screen has too little room the pane
// gets less, down to its smallest size, and where even that does not fit it
// floats. Beside the window's controls it takes half of the width beyond the
// controls' own (never less than its smallest width), the list the other
// half, as the window grows or shrinks (the user's dragging sets the share).
class LivePreviewRoom : public QObject {
    Q_OBJECT
public:
    // The room the pane asks for when shown, and its smallest size.
    static constexpr int kPaneWidth = 380;
    static constexpr int kPaneHeight = 300;
    static constexpr int kPaneMinWidth = 200;
    static constexpr int kPaneMinHeight = 120;

    // `ownMinimum` is the window's smallest size without the pane.
    LivePreviewRoom(QMainWindow *window, QDockWidget *pane, std::function<QSize()> ownMinimum);

    // What the docked and shown pane adds to the window's smallest size.
    QSize extraMinimum() const;
    // Called when the user shows or hides the pane (or it opens shown).
    void makeRoom(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool docked() const;
    bool beside() const;
    int separator() const;
    int widthBeyondControls() const;
    void updateLimits();
    void keepShare();
    void fitFloating(bool grow);

    QMainWindow *m_window;
    std::function<QSize()> m_ownMinimum;
    QDockWidget *m_pane;
    double m_share = 0.5; // of the width beyond the controls' own, beside them
    int m_widthAtPaneResize = 0;
    int m_widthSet = -1; // the pane's width as last set here
};
