#include "app/ui/ItemListDecorations.h"

#include "codegen/ClassicCodeLimits.h"
#include "menu/MenuItemModel.h"

#include <memory>

ItemListDecorations *ItemListDecorations::of(MenuItemModel *model)
{
    if (auto *decorations = dynamic_cast<ItemListDecorations *>(model->extraRoles()))
        return decorations;
    auto *decorations = new ItemListDecorations(model);
    model->setExtraRoles(std::unique_ptr<MenuItemRoles>(decorations));
    return decorations;
}

QVariant ItemListDecorations::data(const MenuItem &item, int row, int column, int role) const
{
    switch (role) {
    case Qt::ToolTipRole: {
        QStringList tips;
        if (const QString mark = m_linkMarks.value(row); !mark.isEmpty())
            tips << mark;
        if (m_classicWarnings)
            tips << classiccode::entryProblems(item);
        return tips.isEmpty() ? QVariant() : QVariant(tips.join(u'\n'));
    }
    case Qt::DecorationRole:
        if (column == MenuItemModel::TextColumn && !m_linkMarks.value(row).isEmpty())
            return m_linkMarkIcon;
        return {};
    default:
        return {};
    }
}

void ItemListDecorations::setLinkMarks(const QStringList &reasons, const QIcon &icon)
{
    m_linkMarks = reasons;
    m_linkMarkIcon = icon;
    m_model->extraRolesChanged({Qt::ToolTipRole, Qt::DecorationRole});
}

void ItemListDecorations::clearLinkMarks()
{
    if (m_linkMarks.isEmpty())
        return;
    m_linkMarks.clear();
    m_model->extraRolesChanged({Qt::ToolTipRole, Qt::DecorationRole});
}

void ItemListDecorations::setClassicWarnings(bool on)
{
    if (on == m_classicWarnings)
        return;
    m_classicWarnings = on;
    m_model->extraRolesChanged({Qt::ToolTipRole});
}
