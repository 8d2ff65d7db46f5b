#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The menu options of a project, with their start-up values.
struct MenuOptions {
    enum LinkTarget { SameWindow = 0, NewWindow = 1, DifferentFrame = 2 };
    enum Navigation { OnButtonClick = 0, OnItemChange = 1 };
    enum ButtonKind { DefaultButton = 0, GraphicButton = 1 };
    enum ButtonAlign { AlignTop = 0, AlignMiddle = 1, AlignBottom = 2 };

    QString menuName;
    int linkTarget = SameWindow;
    QString frameName;
    int navigation = OnButtonClick;
    int buttonKind = DefaultButton;
    QString buttonText = QStringLiteral("Go");
    QString graphicUrl;
    QString altText;
    QString graphicWidth;
    QString graphicHeight;
    int buttonAlign = AlignMiddle;

    // Captions of the choice lists, in index order, as project files and the
    // generated code carry them.
    static QStringList linkTargetCaptions()
    {
        return {QStringLiteral(QT_TRANSLATE_NOOP("MenuOptions", "Same window")),
                QStringLiteral(QT_TRANSLATE_NOOP("MenuOptions", "New window")),
                QStringLiteral(QT_TRANSLATE_NOOP("MenuOptions", "Different frame"))};
    }
    static QStringList alignCaptions()
    {
        return {QStringLiteral(QT_TRANSLATE_NOOP("MenuOptions", "Top")),
                QStringLiteral(QT_TRANSLATE_NOOP("MenuOptions", "Middle")),
                QStringLiteral(QT_TRANSLATE_NOOP("MenuOptions", "Bottom"))};
    }
    // Such captions as the windows show them, in the user's language.
    static QStringList shownCaptions(const QStringList &captions)
    {
        QStringList shown;
        for (const QString &caption : captions)
            shown << QCoreApplication::translate("MenuOptions", caption.toUtf8().constData());
        return shown;
    }
    // The caption of the chosen alignment, which the generated code carries as its value.
    QString alignCaption() const { return alignCaptions().value(buttonAlign); }

    friend bool operator==(const MenuOptions &, const MenuOptions &) = default;
};
