#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// A line above the code (code window) or the page (live preview) saying that
// classic code's styles will not show, with "Use HTML5 code" and
// "Don't Show Again". It only reports the clicks; its owner acts on them.
class IgnoredStylesBar : public QFrame {
    Q_OBJECT

public:
    explicit IgnoredStylesBar(QWidget *parent = nullptr);

    QPushButton *useHtml5Button() const { return m_useHtml5; }
    QPushButton *silenceButton() const { return m_silence; }

signals:
    void useHtml5Requested();
    void silenceRequested();

private:
    QLabel *m_text = nullptr;
    QPushButton *m_useHtml5 = nullptr;
    QPushButton *m_silence = nullptr;
};
