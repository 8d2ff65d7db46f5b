#pragma once

#include <QString>
#include <array>

// Look of the generated drop-down list. Flags are 0 or 1; sizes and weights are
// texts exactly as the dialog holds them; colours are "#RRGGBB" texts.
struct MenuStyleRecord {
    std::array<QString, 2> mnuClr{QStringLiteral("#000000"), QStringLiteral("#FFFFFF")};
    int mnuSysClr = 1;
    QString mnuFont = QStringLiteral("MS Sans Serif");
    QString mnuFontSize = QStringLiteral("13");
    QString mnuFontWeight = QStringLiteral("500");
    int mnuItalic = 0;
    int mnuUnderline = 0;
    QString mnuWidth;
    int mnuConstWidth = 1;
    // The generic family written after the font in HTML5 code: "serif",
    // "sans-serif", "monospace", or empty for none.
    QString mnuFontFallback{};

    friend bool operator==(const MenuStyleRecord &, const MenuStyleRecord &) = default;
};

// Look of the text submit button. Colours: 0 text, 1 face, 2 top border,
// 3 left border, 4 right border, 5 bottom border.
struct ButtonStyleRecord {
    std::array<QString, 6> bttnClr{QStringLiteral("#000000"), QStringLiteral("#D4D0C8"),
                                   QStringLiteral("#FFFFFF"), QStringLiteral("#FFFFFF"),
                                   QStringLiteral("#808080"), QStringLiteral("#808080")};
    int bttnSyncTL = 1;
    int bttnSyncRB = 1;
    int bttnSysClr = 1;
    QString bttnFont = QStringLiteral("MS Sans Serif");
    QString bttnFontSize = QStringLiteral("13");
    QString bttnFontWeight = QStringLiteral("500");
    int bttnUnderline = 0;
    int bttnItalic = 0;
    QString bttnWidth;
    QString bttnHeight;
    QString bttnBorder;
    int bttnConstSize = 1;
    int bttnNoBorder = 1;
    QString bttnFontFallback{}; // as mnuFontFallback

    friend bool operator==(const ButtonStyleRecord &, const ButtonStyleRecord &) = default;
};
