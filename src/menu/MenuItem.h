#pragma once

#include <QString>

// Texts with a fixed meaning in the item list.
namespace menutext {
inline const QString kYes = QStringLiteral("Yes");
inline const QString kNo = QStringLiteral("No");
// An indented item's text begins with this prefix; there is no other indentation attribute.
inline const QString kIndentPrefix = QStringLiteral("--- ");
// An item whose text is exactly this (twenty hyphens) is a separator, whatever its other columns hold.
inline const QString kSeparatorText = QStringLiteral("--------------------");
} // namespace menutext

// One row of the menu item list: four text columns, stored exactly as typed.
struct MenuItem {
    QString text;     // "Item Text", with the indentation prefix when indented
    QString linked;   // "Linked?": "Yes" or "No"
    QString url;      // "Link URL", empty for an item without link
    QString selected; // "Selected?": "Yes" for the default selection, else "No"

    bool isSeparator() const { return text == menutext::kSeparatorText; }
    bool isIndented() const { return text.startsWith(menutext::kIndentPrefix); }
    bool isDefault() const { return selected == menutext::kYes; }

    static MenuItem separator()
    {
        return {menutext::kSeparatorText, menutext::kNo, QString(), menutext::kNo};
    }

    friend bool operator==(const MenuItem &, const MenuItem &) = default;
};
// Rows move as plain memory when the list opens or closes a gap.
Q_DECLARE_TYPEINFO(MenuItem, Q_RELOCATABLE_TYPE);
