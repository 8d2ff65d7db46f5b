#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QSet>
#include <QWidget>

// The access keys of a menu bar's titles.
inline QSet<QChar> menuBarKeys(const QMenuBar *bar)
{
    QSet<QChar> keys;
    for (const QAction *title : bar->actions())
        if (const qsizetype at = title->text().indexOf(u'&'); at >= 0 && title->isVisible())
            keys << title->text().at(at + 1).toUpper();
    return keys;
}

// Empty when every access key under `root` (of the buttons, the check boxes and
// the labels of fields) is its own, none of `taken` (a menu bar's), and every
// labelled field and check box has one and every field is reached by one,
// but the fields named in `unkeyed`, whose labels gave their letter away;
// else the first caption or field that is not.
inline QString accessKeyProblem(QWidget *root, QSet<QChar> taken = {}, const QStringList &unkeyed = {})
{
    const auto keyOf = [](const QString &caption) {
        return caption.mid(caption.indexOf(u'&') + 1).toUpper().append(u' ').front();
    };
    QSet<QWidget *> reached;
    for (QWidget *c : root->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(c);
        auto *button = qobject_cast<QAbstractButton *>(c);
        const QString caption = label && label->buddy() ? label->text() : button ? button->text() : QString();
        if (caption.isEmpty()
            || (!caption.contains(u'&') && !c->inherits("QCheckBox")
                && (!label || unkeyed.contains(label->buddy()->objectName()))))
            continue;
        if (!caption.contains(u'&') || taken.contains(keyOf(caption)))
            return caption;
        taken << keyOf(caption);
        reached << (label ? label->buddy() : c);
    }
    for (QWidget *field : root->findChildren<QWidget *>())
        if ((field->inherits("QLineEdit") || field->inherits("QComboBox")
             || field->inherits("QAbstractSlider"))
            && !qobject_cast<QComboBox *>(field->parentWidget()) && !reached.contains(field)
            && !unkeyed.contains(field->objectName()))
            return field->objectName();
    return {};
}
