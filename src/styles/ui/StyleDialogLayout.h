#pragma once

#include "styles/ui/ColorRow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Small pieces shared by the layouts of the two style dialogs.
namespace styledialog {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A box for a size in pixels: at most 4 characters.
inline QLineEdit *pixelBox(QWidget *parent, const char *name)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setMaxLength(4);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    return box;
}

// Places a colour row's four widgets on one line of a grid.
inline void placeRow(QGridLayout *grid, int line, ColorRow *row)
{
    grid->addWidget(row->lbldesc(), line, 0);
    grid->addWidget(row->lblclr(), line, 1);
    grid->addWidget(row->txtclr(), line, 2);
    grid->addWidget(row->cmdclr(), line, 3);
    row->txtclr()->setFixedWidth(row->txtclr()->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD"))
                                 + 12);
}

// "Restore Defaults" on the left, "OK" (default) and "Cancel" on the right.
struct Buttons {
    QPushButton *ok;
    QPushButton *cancel;
    QPushButton *restore;
    QHBoxLayout *layout;
};

inline Buttons makeButtons(QDialog *dialog)
{
    Buttons b{
        named(new QPushButton(QCoreApplication::translate("StyleDialog", "OK"), dialog), "Command8"),
        named(new QPushButton(QCoreApplication::translate("StyleDialog", "Cancel"), dialog), "Command9"),
        named(new QPushButton(QCoreApplication::translate("StyleDialog", "&Restore Defaults"), dialog),
              "cmdrestdef"),
        new QHBoxLayout};
    b.ok->setDefault(true);
    b.layout->addWidget(b.restore);
    b.layout->addStretch(1);
    b.layout->addWidget(b.ok);
    b.layout->addWidget(b.cancel);
    return b;
}

inline Qt::WindowFlags dialogFlags()
{
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
           | Qt::MSWindowsFixedSizeDialogHint;
}

} // namespace styledialog
