#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

// The captions under `root` that do not fit their control: "name needs N px, has M".
inline QStringList clippedCaptions(QWidget *root)
{
    QStringList clipped;
    for (QWidget *c : root->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(c);
        auto *button = qobject_cast<QAbstractButton *>(c);
        auto *box = qobject_cast<QGroupBox *>(c);
        const QString text = label ? label->text() : button ? button->text() : box ? box->title() : QString();
        if (text.isEmpty() || !c->isVisibleTo(root)
            || (label && (label->wordWrap() || label->textFormat() == Qt::RichText)))
            continue;
        const int advance =
            c->fontMetrics().horizontalAdvance(QString(text).replace(QRegularExpression("&(.)"), "\\1"));
        // Check boxes and option buttons need their indicator beside the text.
        const bool plain = !button || qobject_cast<QPushButton *>(button);
        const QSize need = plain ? QSize(advance + (box ? 8 : button ? 6 : 0), 0) : c->sizeHint();
        const QSize room = label ? label->contentsRect().size() : c->size() + QSize(0, 1);
        if (need.width() > room.width() || need.height() > room.height())
            clipped << QStringLiteral("%1 needs %2 px, has %3")
                           .arg(c->objectName())
                           .arg(need.width())
                           .arg(room.width());
    }
    return clipped;
}
