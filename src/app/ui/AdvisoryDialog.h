#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

// Common body of the advisory messages: an icon (Image1), the message
// (Label1), the check box "Show this message again in the future." (Check1)
// and one or two buttons (Command1, Command2). Loading reads the advisory's
// show-again flag into the check box; pressing a button stores the check box
// as the flag and closes the dialog. Closing it any other way stores nothing.
class AdvisoryDialog : public QDialog {
    Q_OBJECT

public:
    QString flagKey() const { return m_flagKey; }

    QLabel *Image1() const { return m_image1; }
    QLabel *Label1() const { return m_label1; }
    QCheckBox *Check1() const { return m_check1; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; } // nullptr with one button

    // The client area given in twips, in pixels at the given logical DPI
    // (1440 twips to the inch: 15 twips per pixel at 96 DPI).
    static QSize TwipsToPixels(QSize twips, qreal logicalDpi);

    // The client area the dialog was designed with, converted for its screen.
    QSize designedClientSize() const { return m_designedSize; }

    // An advisory without an owner opens centred over `window` rather than in
    // the middle of the screen, where the platform lets a program place its
    // windows (on Wayland the compositor places them).
    void centreOver(QWidget *window);

protected:
    struct Design {
        QString objectName;
        QString flagKey;
        QString caption;
        QSize clientTwips;
        QString message;
        QString iconResource;
        QStringList buttonCaptions; // one or two
    };

    AdvisoryDialog(const Design &design, QWidget *owner);

    void Form_Load();
    // Writes "yes" when the check box is checked, "no" when it is not.
    void storeFlag();

    virtual void Command1_Click();
    virtual void Command2_Click();

private:
    void buildLayout(const Design &design);

    QString m_flagKey;
    QSize m_designedSize;
    QLabel *m_image1 = nullptr;
    QLabel *m_label1 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};
