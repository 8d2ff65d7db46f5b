#pragma once

#include "menu/MenuItemRoles.h"

#include <QIcon>
#include <QStringList>

class MenuItemModel;

// What the window adds to the rows of its item list (MenuItemModel): the
// classic code's warnings and the marks of a link check, as tool tips and an
// icon. The model owns it, made on first use; the model itself holds no
// decoration.
class ItemListDecorations : public MenuItemRoles {
public:
    // The model's decorations, made and handed to it on first use.
    static ItemListDecorations *of(MenuItemModel *model);

    // Rows that classic code cannot carry as typed get the reason as their
    // tool tip while this is on (the project's code is classic).
    void setClassicWarnings(bool on);

    // Marks the rows whose link failed a check: `icon` before the text and
    // the reason as the tool tip. `reasons` holds one text per row (empty:
    // no mark). Any change of the list takes the marks away.
    void setLinkMarks(const QStringList &reasons, const QIcon &icon);
    void clearLinkMarks();
    bool hasLinkMarks() const { return !m_linkMarks.isEmpty(); }

    QVariant data(const MenuItem &item, int row, int column, int role) const override;
    void listChanging() override { clearLinkMarks(); }

private:
    explicit ItemListDecorations(MenuItemModel *model) : m_model(model) {}

    MenuItemModel *m_model;
    bool m_classicWarnings = false;
    QStringList m_linkMarks;
    QIcon m_linkMarkIcon;
};
