#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// The keyboard focus around dialogs, for every dialog, message box and notice
// of the application: one shown takes the activation (and so the keys), one
// hidden gives it back to the window and the control it came from. A window
// manager does this on most desktops; a bare X display or the offscreen
// platform does not, and the keys would stay with the window behind.
// Within each window its own focus rules still decide: a control the code
// focuses while a dialog is open or after it closes keeps the focus.
class DialogFocus : public QObject {
    Q_OBJECT

public:
    // Watches every window of the application from now on; once is enough.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DialogFocus(QObject *parent);
    void shown(QWidget *dialog);
    void hidden(QWidget *dialog);

    QHash<const QObject *, QPointer<QWidget>> m_cameFrom;
    QPointer<QWidget> m_lastFocus; // outside any dialog that is open
};
