#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

// Runs every key typed into a widget through a key filter: the typed
// character code in, the code to use out, 0 to discard the key. Keys that
// type nothing (arrows, Delete, Tab, ...) are left alone.
class KeyCodeFilter : public QObject {
    Q_OBJECT

public:
    using Filter = std::function<int(int code)>;

    KeyCodeFilter(QWidget *target, Filter filter);

    // A box for whole numbers: typed keys go through DigitsOnly, and a paste
    // or drop holding anything but digits is refused, so that what the box
    // holds can always be saved and loaded again. Texts the program sets are
    // taken as they are.
    static void DigitsOnlyBox(QLineEdit *box, Filter filter = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Filter m_filter;
};
