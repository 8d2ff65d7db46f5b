#pragma once

#include "codegen/MenuCodeGenerator.h"
#include "menu/MenuProject.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;

// The generated code window: the head fragment and the body fragment in two
// text boxes, each with a button that copies it to the clipboard, a button
// that saves both as a page, and "Done". Created per use.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(const MenuCode &code, QWidget *parent = nullptr);

    // The current content of Text1 and Text2 with CR LF line ends: exactly the
    // generated fragment while the box is unedited, the edited text otherwise.
    QString headText() const;
    QString bodyText() const;

    // A notice above the code texts; the window takes it.
    void addNotice(QWidget *notice);
    // Shows new code in both boxes (the project's code changed meanwhile).
    void showCode(const MenuCode &code);

signals:
    // What a button did, for the owner's status bar.
    void statusMessage(const QString &text);

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    static QString boxText(const QPlainTextEdit *box, const QString &generated);

    MenuCode m_code;
    QPlainTextEdit *m_text1 = nullptr;
    QPlainTextEdit *m_text2 = nullptr;
};

// Generates the bare code of the project and shows it in Form3, modally.
// The caller runs the option checks first; report receives the window's
// status messages; prepare, when given, runs on the window before it shows.
void ShowGeneratedCode(QWidget *owner, const MenuProject &project,
                       const std::function<void(const QString &)> &report = {},
                       const std::function<void(Form3 &)> &prepare = {});
