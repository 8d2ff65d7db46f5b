#pragma once

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

    // Captions of the choice lists, in index order.
    static QStringList linkTargetCaptions()
    {
        return {QStringLiteral("Same window"), QStringLiteral("New window"),
                QStringLiteral("Different frame")};
    }
    static QStringList alignCaptions()
    {
        return {QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Bottom")};
    }
    // The caption of the chosen alignment, which the generated code carries as its value.
    QString alignCaption() const { return alignCaptions().value(buttonAlign); }

    friend bool operator==(const MenuOptions &, const MenuOptions &) = default;
};
