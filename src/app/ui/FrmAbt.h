#pragma once

#include <QDialog>

class QLabel;

// The About box: the program's picture and notice, the maker's web site and
// support address (both open with the desktop), and a button that closes it.
class FrmAbt : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbt(QWidget *parent = nullptr);

public slots:
    void Label6_Click();
    void Label5_Click();
    void Command3_Click();

private:
    void Form_Load();

    QLabel *m_label2 = nullptr;
};
