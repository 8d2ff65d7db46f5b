#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

// The splash window of the start-up: a picture, "Loading. Please wait..."
// and the progress bar `pb` of the font loading. It appears only when the
// loading is slow enough to need it (StartupSelection::splashWanted) and
// then repaints as the bar advances.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);

    QProgressBar *pb() const { return m_pb; }

    // Starts the loading of `total` entries.
    void begin(int total);
    // Entry `value` (1-based) is being loaded.
    void advance(int value);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void paintNow();

    QLabel *m_picture = nullptr;
    QProgressBar *m_pb = nullptr;
    QElapsedTimer m_loading;
    qint64 m_lastPaint = -1;
};
