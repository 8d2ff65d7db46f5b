#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QWidget>

// Empty when every labelled field and check box under `root` has an access key
// of its own (none of `taken`, nor a push button's), and every field is reached
// by one; else the first caption or field that is not.
inline QString accessKeyProblem(QWidget *root, QSet<QChar> taken = {})
{
    const auto keyOf = [](const QString &caption) {
        return caption.mid(caption.indexOf(u'&') + 1).toUpper().append(u' ').front();
    };
    for (auto *button : root->findChildren<QAbstractButton *>())
        if (!button->inherits("QCheckBox") && button->text().contains(u'&'))
            taken << keyOf(button->text());
    QSet<QWidget *> reached;
    for (QWidget *c : root->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(c);
        const QString caption = label && label->buddy()    ? label->text()
                                : c->inherits("QCheckBox") ? static_cast<QAbstractButton *>(c)->text()
                                                           : QString();
        if (caption.isEmpty())
            continue;
        if (!caption.contains(u'&') || taken.contains(keyOf(caption)))
            return caption;
        taken << keyOf(caption);
        reached << (label ? label->buddy() : c);
    }
    for (QWidget *field : root->findChildren<QWidget *>())
        if ((field->inherits("QLineEdit") || field->inherits("QComboBox")
             || field->inherits("QAbstractSlider"))
            && !qobject_cast<QComboBox *>(field->parentWidget()) && !reached.contains(field))
            return field->objectName();
    return {};
}
